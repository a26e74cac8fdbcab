// String helpers with the runtime's semantics: UTF conversions, invariant case, trimming, number conversions,
// and the 1-based position routines that the system's algorithms count with.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "lexcore/rtl/lx_types.h"

namespace lx {

// UTF-8 <-> UTF-16. Malformed input never fails: each bad sequence becomes U+FFFD.
UnicodeString UTF8ToUTF16(std::string_view utf8);
std::string UTF16ToUTF8(std::u16string_view utf16);
inline UnicodeString U(std::string_view utf8) {
  return UTF8ToUTF16(utf8);
}

// Length of a zero-terminated buffer (0 for null).
std::size_t StrLen(const WideChar* s);
std::size_t StrLen(const char* s);

// Case: UpperCase/LowerCase touch only a-z/A-Z, as the runtime's do; the Invariant forms map every
// character with Unicode's simple (length-preserving) case mapping, independent of any locale.
UnicodeString UpperCase(std::u16string_view s);
UnicodeString LowerCase(std::u16string_view s);
UnicodeString InvariantUpperCase(std::u16string_view s);
UnicodeString InvariantLowerCase(std::u16string_view s);
WideChar InvariantUpCase(WideChar c);
WideChar InvariantLowCase(WideChar c);

// Comparison: CompareStr is ordinal; CompareText and SameText ignore ASCII case only.
int CompareStr(std::u16string_view a, std::u16string_view b);
int CompareText(std::u16string_view a, std::u16string_view b);
bool SameText(std::u16string_view a, std::u16string_view b);
bool SameStr(std::u16string_view a, std::u16string_view b);

// Trimming removes characters at or below the space (controls included), as the runtime does.
UnicodeString Trim(std::u16string_view s);
UnicodeString TrimLeft(std::u16string_view s);
UnicodeString TrimRight(std::u16string_view s);

// Integers.
UnicodeString IntToStr(int64_t value);
UnicodeString UIntToStr(uint64_t value);
UnicodeString IntToHex(uint64_t value, int digits);
// Decimal with optional sign and surrounding blanks, or hex with a leading '$' or "0x". Raises EConvertError
// "'<s>' is not a valid integer value".
int32_t StrToInt(std::u16string_view s);
int64_t StrToInt64(std::u16string_view s);
int32_t StrToIntDef(std::u16string_view s, int32_t def);
int64_t StrToInt64Def(std::u16string_view s, int64_t def);
bool TryStrToInt(std::u16string_view s, int32_t& value);
bool TryStrToInt64(std::u16string_view s, int64_t& value);

// Floats use the process FormatSettings' decimal separator (no thousands separators). StrToFloat raises
// EConvertError "'<s>' is not a valid floating point value".
extended StrToFloat(std::u16string_view s);
extended StrToFloatDef(std::u16string_view s, extended def);
bool TryStrToFloat(std::u16string_view s, extended& value);
bool TryStrToFloat(std::u16string_view s, double& value);

bool StrToBool(std::u16string_view s);
UnicodeString BoolToStr(bool b, bool useBoolStrs = false);

// 1-based positions: Pos returns 0 when absent; Copy clamps like the runtime's.
std::size_t Pos(std::u16string_view sub, std::u16string_view s);
std::size_t PosEx(std::u16string_view sub, std::u16string_view s, std::size_t offset = 1);
std::size_t Pos(WideChar c, std::u16string_view s);
UnicodeString Copy(std::u16string_view s, std::ptrdiff_t index, std::ptrdiff_t count);
void Delete(UnicodeString& s, std::ptrdiff_t index, std::ptrdiff_t count);
void Insert(std::u16string_view source, UnicodeString& s, std::ptrdiff_t index);
std::size_t LastDelimiter(std::u16string_view delimiters, std::u16string_view s);

enum TReplaceFlag : uint8_t { rfReplaceAll = 1, rfIgnoreCase = 2 };
UnicodeString StringReplace(std::u16string_view s, std::u16string_view oldPattern,
                            std::u16string_view newPattern, unsigned flags);

UnicodeString StringOfChar(WideChar c, std::ptrdiff_t count);
UnicodeString QuotedStr(std::u16string_view s);
UnicodeString AnsiQuotedStr(std::u16string_view s, WideChar quote);
// Reverse of AnsiQuotedStr: takes the quoted text at the start of s (doubled quotes inside), or s unchanged
// when it does not start with the quote.
UnicodeString AnsiDequotedStr(std::u16string_view s, WideChar quote);

bool StartsStr(std::u16string_view sub, std::u16string_view s);
bool EndsStr(std::u16string_view sub, std::u16string_view s);
bool StartsText(std::u16string_view sub, std::u16string_view s);
bool EndsText(std::u16string_view sub, std::u16string_view s);
bool ContainsStr(std::u16string_view s, std::u16string_view sub);

UnicodeString ReverseString(std::u16string_view s);

}  // namespace lx
