// Text in the process ANSI code page, and the handful of text encodings that string lists load and save.
// Until a real code-page converter is installed the ANSI code page is Windows-1252.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "lexcore/rtl/lx_types.h"

namespace lx {

// Replaceable conversions for the process code page; null means the built-in Windows-1252 tables. Plain
// function pointers are set before any constructor runs, so the platform layer can install its converters
// from its own initialisation whatever the order of units.
using TAnsiDecodeProc = UnicodeString (*)(std::string_view bytes);
using TAnsiEncodeProc = AnsiString (*)(std::u16string_view text);
extern TAnsiDecodeProc Global_AnsiDecodeProc;
extern TAnsiEncodeProc Global_AnsiEncodeProc;

UnicodeString AnsiBytesToUnicode(std::string_view bytes);
AnsiString UnicodeToAnsiBytes(std::u16string_view text);

// Windows-1252 itself. The five bytes the code page leaves undefined decode to the C1 control of the same
// value and encode back to that byte, so any byte string round-trips. Characters outside the code page
// (a surrogate pair counts as one) become '?'.
UnicodeString Windows1252ToUnicode(std::string_view bytes);
AnsiString UnicodeToWindows1252(std::u16string_view text);

// Encodings of a text file. Unicode is UTF-16 little-endian.
enum class TEncoding : uint8_t { ANSI, UTF8, Unicode, BigEndianUnicode, Default = ANSI };

// The byte-order mark written before text in this encoding (empty for ANSI).
std::string_view EncodingPreamble(TEncoding encoding);
// The encoding announced by a byte-order mark at the start of bytes (UTF-8, UTF-16 LE or BE) and the mark's
// length; ANSI and 0 when there is none.
std::size_t DetectBufferEncoding(std::string_view bytes, TEncoding& encoding);
// Bytes (without any mark) to text. UTF-16 with an odd byte count drops the last byte; bad UTF-8 becomes
// U+FFFD.
UnicodeString EncodingGetString(TEncoding encoding, std::string_view bytes);
// Text to bytes, without a mark.
std::string EncodingGetBytes(TEncoding encoding, std::u16string_view text);

}  // namespace lx
