// String and buffer helpers of the text layer: code-page conversions, short static copies, digit and
// wildcard character tests, tab expansion, whole-file and document text, and mark-up removal.
#pragma once

#include <array>
#include <cstdint>

#include "lexcore/rtl/lx_types.h"

namespace lx {

// 8-bit text to UTF-16 (precomposed) through a code page, the code page of a locale, or the process code
// page. A code page is a 16-bit value and an LCID a 32-bit one, which is what tells the overloads apart. A
// null buffer, or a length below 1, gives an empty string.
UnicodeString ConvertedToString(uint16_t codePage, const char* buffer, int length);
UnicodeString ConvertedToString(uint16_t codePage, const char* buffer);
UnicodeString ConvertedToString(LCID lcid, const char* buffer, int length);
UnicodeString ConvertedToString(LCID lcid, const char* buffer);
UnicodeString ConvertedToString(const char* buffer, int length);
UnicodeString ConvertedToString(const char* buffer);
// UTF-16 to 8-bit text. Characters the code page lacks become '?'.
AnsiString ConvertedFromString(uint16_t codePage, const WideChar* buffer);
AnsiString ConvertedFromString(LCID lcid, const WideChar* buffer);
AnsiString ConvertedFromString(const WideChar* buffer);

// Converted copies of at most 255 characters in one of two static zero-filled buffers (one 16-bit, one
// 8-bit); each call overwrites what the previous call of the same width left there.
const WideChar* GetCopyOfAnsiEncodedAsUnicode(const AnsiString& ansi, LCID lcid);
const char* GetCopyOfAnsiEncodedAsAnsi(const AnsiString& ansi, LCID lcid);
const WideChar* GetCopyOfSTringEncodedASUnicode(const UnicodeString& s, LCID lcid);
const char* GetCopyOfSTringEncodedAsAnsi(const UnicodeString& s, LCID lcid);

// Locale-independent case mapping.
UnicodeString Lowercase(const UnicodeString& s);
UnicodeString Uppercase(const UnicodeString& s);

// Any Unicode decimal digit.
bool IsADigitChar(WideChar c);
// "0".."9" only.
bool IsOrdinaryNumberChar(WideChar c);
// The internal code of the number wildcard.
bool IsHashSymbol(WideChar c);
bool IsHashOrBrace(WideChar c);
bool ContainsADigitA(const char* buffer);
bool ContainsADigitW(const WideChar* buffer);

// Every tab becomes n spaces.
UnicodeString ExpandTabbedWideString(const UnicodeString& s, int n);
// 1-based index of the first c at or after from; 0 when none or when from lies beyond the end.
int StrScanIndex(const UnicodeString& s, WideChar c, int from);

// A search word in its fixed 81-character form.
using Search_word_type32 = std::array<WideChar, 81>;
// Copies at most 80 characters; the rest of the buffer is zero.
void StringToSearch_word_type32(const UnicodeString& s, Search_word_type32& fixed);
// Reads up to the first zero (or all 81 characters when there is none).
UnicodeString Search_word_type32ToString(const Search_word_type32& fixed);

// The whole text of a file, its encoding taken from its byte-order mark, each line followed by CRLF; empty
// when the file does not exist.
UnicodeString GetTextFromFile(const UnicodeString& fileName);
// Removes every span from an opening to a closing delimiter that lies at most maxTagLength characters later;
// an opening delimiter with no closing one within reach is kept as text, unless the text ends within reach,
// in which case the rest is dropped. maxTagLength below 1 returns the text unchanged.
UnicodeString WithoutMarkup(const UnicodeString& text, int maxTagLength);
UnicodeString WithoutMarkup(const UnicodeString& text, WideChar openChar, WideChar closeChar,
                            int maxTagLength);
UnicodeString MarkupFreeTextFromAFile(const UnicodeString& fileName, int maxTagLength);

// The paragraphs of a word-processor document (the zip entry named Document.xml), each followed by CRLF;
// entities are left as they stand. Empty when the file does not exist or has no such entry; archive errors
// are raised.
UnicodeString DOCXFileText(const UnicodeString& fileName);

}  // namespace lx
