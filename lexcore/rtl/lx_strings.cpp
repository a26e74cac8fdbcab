#include "lexcore/rtl/lx_strings.h"

#include <unicode/uchar.h>
#include <unicode/ustring.h>
#include <unicode/utf16.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

#include "lexcore/rtl/lx_exceptions.h"
#include "lexcore/rtl/lx_formatsettings.h"

namespace lx {

UnicodeString UTF8ToUTF16(std::string_view utf8) {
  if (utf8.empty()) return {};
  UErrorCode err = U_ZERO_ERROR;
  int32_t needed = 0;
  int32_t subs = 0;
  const auto srcLen = static_cast<int32_t>(std::min<std::size_t>(utf8.size(), INT32_MAX));
  u_strFromUTF8WithSub(nullptr, 0, &needed, utf8.data(), srcLen, 0xFFFD, &subs, &err);
  if (err != U_BUFFER_OVERFLOW_ERROR && U_FAILURE(err)) return {};
  UnicodeString out(static_cast<std::size_t>(needed), u'\0');
  err = U_ZERO_ERROR;
  u_strFromUTF8WithSub(reinterpret_cast<UChar*>(out.data()), needed, &needed, utf8.data(), srcLen, 0xFFFD,
                       &subs, &err);
  if (U_FAILURE(err)) return {};
  return out;
}

std::string UTF16ToUTF8(std::u16string_view utf16) {
  if (utf16.empty()) return {};
  const auto srcLen = static_cast<int32_t>(std::min<std::size_t>(utf16.size(), INT32_MAX));
  // Most text handed here (words, names) is ASCII, which is its own UTF-8: one copy, without the converter's
  // two passes.
  const std::u16string_view converted = utf16.substr(0, static_cast<std::size_t>(srcLen));
  if (std::all_of(converted.begin(), converted.end(), [](char16_t c) { return c < 0x80; }))
    return std::string(converted.begin(), converted.end());
  UErrorCode err = U_ZERO_ERROR;
  int32_t needed = 0;
  int32_t subs = 0;
  const auto* src = reinterpret_cast<const UChar*>(utf16.data());
  u_strToUTF8WithSub(nullptr, 0, &needed, src, srcLen, 0xFFFD, &subs, &err);
  if (err != U_BUFFER_OVERFLOW_ERROR && U_FAILURE(err)) return {};
  std::string out(static_cast<std::size_t>(needed), '\0');
  err = U_ZERO_ERROR;
  u_strToUTF8WithSub(out.data(), needed, &needed, src, srcLen, 0xFFFD, &subs, &err);
  if (U_FAILURE(err)) return {};
  return out;
}

std::size_t StrLen(const WideChar* s) {
  return s ? std::char_traits<char16_t>::length(s) : 0;
}
std::size_t StrLen(const char* s) {
  return s ? std::char_traits<char>::length(s) : 0;
}

namespace {

inline WideChar AsciiUpper(WideChar c) {
  return (c >= u'a' && c <= u'z') ? WideChar(c - 32) : c;
}
inline WideChar AsciiLower(WideChar c) {
  return (c >= u'A' && c <= u'Z') ? WideChar(c + 32) : c;
}
inline bool IsTrimmed(WideChar c) {
  return c <= u' ';
}

[[noreturn]] void RaiseNotInteger(std::u16string_view s) {
  throw EConvertError(u"'" + UnicodeString(s) + u"' is not a valid integer value");
}

// Parses an optionally signed decimal or '$'/"0x"-prefixed hexadecimal integer, blanks around allowed.
bool ParseInt64(std::u16string_view s, int64_t& value) {
  std::size_t i = 0, n = s.size();
  while (i < n && s[i] == u' ') ++i;
  while (n > i && s[n - 1] == u' ') --n;
  if (i >= n) return false;
  bool negative = false;
  if (s[i] == u'+' || s[i] == u'-') {
    negative = s[i] == u'-';
    ++i;
  }
  int base = 10;
  if (i < n && s[i] == u'$') {
    base = 16;
    ++i;
  } else if (i + 1 < n && s[i] == u'0' && (s[i + 1] == u'x' || s[i + 1] == u'X')) {
    base = 16;
    i += 2;
  }
  if (i >= n) return false;
  uint64_t acc = 0;
  const uint64_t limit = negative ? uint64_t(INT64_MAX) + 1 : (base == 16 ? UINT64_MAX : uint64_t(INT64_MAX));
  for (; i < n; ++i) {
    const WideChar c = s[i];
    int d;
    if (c >= u'0' && c <= u'9')
      d = c - u'0';
    else if (base == 16 && c >= u'a' && c <= u'f')
      d = c - u'a' + 10;
    else if (base == 16 && c >= u'A' && c <= u'F')
      d = c - u'A' + 10;
    else
      return false;
    if (acc > (limit - d) / base) return false;
    acc = acc * base + d;
  }
  value = negative ? static_cast<int64_t>(0 - acc) : static_cast<int64_t>(acc);
  return true;
}

}  // namespace

UnicodeString UpperCase(std::u16string_view s) {
  UnicodeString r(s);
  for (auto& c : r) c = AsciiUpper(c);
  return r;
}
UnicodeString LowerCase(std::u16string_view s) {
  UnicodeString r(s);
  for (auto& c : r) c = AsciiLower(c);
  return r;
}
WideChar InvariantUpCase(WideChar c) {
  if (c < 0x80) return AsciiUpper(c);
  if (U16_IS_SURROGATE(c)) return c;
  const UChar32 u = u_toupper(c);
  return u <= 0xFFFF ? static_cast<WideChar>(u) : c;
}
WideChar InvariantLowCase(WideChar c) {
  if (c < 0x80) return AsciiLower(c);
  if (U16_IS_SURROGATE(c)) return c;
  const UChar32 u = u_tolower(c);
  return u <= 0xFFFF ? static_cast<WideChar>(u) : c;
}

namespace {
template <typename Map>
UnicodeString MapCodePoints(std::u16string_view s, Map map) {
  // A mapping that would change the number of units is not taken; a lone surrogate stays.
  UnicodeString r(s);
  for (std::size_t i = 0; i < r.size();) {
    const std::size_t start = i;
    UChar32 c;
    U16_NEXT(r.data(), i, r.size(), c);
    if (U_IS_SURROGATE(c)) continue;
    const UChar32 m = map(c);
    if (U16_LENGTH(m) != static_cast<int32_t>(i - start)) continue;
    std::size_t at = start;
    U16_APPEND_UNSAFE(r.data(), at, m);
  }
  return r;
}
}  // namespace

UnicodeString InvariantUpperCase(std::u16string_view s) {
  return MapCodePoints(s, [](UChar32 c) { return u_toupper(c); });
}
UnicodeString InvariantLowerCase(std::u16string_view s) {
  return MapCodePoints(s, [](UChar32 c) { return u_tolower(c); });
}

int CompareStr(std::u16string_view a, std::u16string_view b) {
  const int c = a.compare(b);
  return c < 0 ? -1 : (c > 0 ? 1 : 0);
}
int CompareText(std::u16string_view a, std::u16string_view b) {
  const std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    const WideChar x = AsciiUpper(a[i]), y = AsciiUpper(b[i]);
    if (x != y) return x < y ? -1 : 1;
  }
  return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}
bool SameText(std::u16string_view a, std::u16string_view b) {
  return a.size() == b.size() && CompareText(a, b) == 0;
}
bool SameStr(std::u16string_view a, std::u16string_view b) {
  return a == b;
}

UnicodeString Trim(std::u16string_view s) {
  return TrimLeft(TrimRight(s));
}
UnicodeString TrimLeft(std::u16string_view s) {
  std::size_t i = 0;
  while (i < s.size() && IsTrimmed(s[i])) ++i;
  return UnicodeString(s.substr(i));
}
UnicodeString TrimRight(std::u16string_view s) {
  std::size_t n = s.size();
  while (n > 0 && IsTrimmed(s[n - 1])) --n;
  return UnicodeString(s.substr(0, n));
}

UnicodeString IntToStr(int64_t value) {
  char buf[32];
  auto res = std::to_chars(buf, buf + sizeof buf, value);
  return UnicodeString(buf, res.ptr);
}
UnicodeString UIntToStr(uint64_t value) {
  char buf[32];
  auto res = std::to_chars(buf, buf + sizeof buf, value);
  return UnicodeString(buf, res.ptr);
}
UnicodeString IntToHex(uint64_t value, int digits) {
  char buf[32];
  auto res = std::to_chars(buf, buf + sizeof buf, value, 16);
  UnicodeString r;
  for (const char* p = buf; p < res.ptr; ++p)
    r += static_cast<WideChar>(std::toupper(static_cast<unsigned char>(*p)));
  if (digits > 0 && r.size() < static_cast<std::size_t>(digits)) r.insert(0, digits - r.size(), u'0');
  return r;
}

bool TryStrToInt64(std::u16string_view s, int64_t& value) {
  return ParseInt64(s, value);
}
bool TryStrToInt(std::u16string_view s, int32_t& value) {
  int64_t v;
  if (!ParseInt64(s, v)) return false;
  // Hex literals may spell a negative 32-bit value ($FFFFFFFF = -1), as the runtime accepts.
  const bool hex = s.find(u'$') != std::u16string_view::npos || s.find(u'x') != std::u16string_view::npos ||
                   s.find(u'X') != std::u16string_view::npos;
  if (hex && v > INT32_MAX && v <= int64_t(UINT32_MAX)) v = static_cast<int32_t>(static_cast<uint32_t>(v));
  if (v < INT32_MIN || v > INT32_MAX) return false;
  value = static_cast<int32_t>(v);
  return true;
}
int32_t StrToInt(std::u16string_view s) {
  int32_t v;
  if (!TryStrToInt(s, v)) RaiseNotInteger(s);
  return v;
}
int64_t StrToInt64(std::u16string_view s) {
  int64_t v;
  if (!TryStrToInt64(s, v)) RaiseNotInteger(s);
  return v;
}
int32_t StrToIntDef(std::u16string_view s, int32_t def) {
  int32_t v;
  return TryStrToInt(s, v) ? v : def;
}
int64_t StrToInt64Def(std::u16string_view s, int64_t def) {
  int64_t v;
  return TryStrToInt64(s, v) ? v : def;
}

bool TryStrToFloat(std::u16string_view s, extended& value) {
  std::size_t i = 0, n = s.size();
  while (i < n && s[i] == u' ') ++i;
  while (n > i && s[n - 1] == u' ') --n;
  if (i >= n || n - i > 400) return false;
  std::string ascii;
  ascii.reserve(n - i);
  const WideChar dec = FormatSettings.DecimalSeparator;
  for (std::size_t k = i; k < n; ++k) {
    const WideChar c = s[k];
    if (c == dec)
      ascii += '.';
    else if ((c >= u'0' && c <= u'9') || c == u'+' || c == u'-' || c == u'e' || c == u'E')
      ascii += static_cast<char>(c);
    else
      return false;
  }
  // Only the plain decimal form: strtold alone would also take "inf", "nan" and hex floats.
  char* end = nullptr;
  errno = 0;
  const long double v = std::strtold(ascii.c_str(), &end);
  if (end != ascii.c_str() + ascii.size() || ascii.empty() || ascii == "." || errno == ERANGE) return false;
  value = v;
  return true;
}
bool TryStrToFloat(std::u16string_view s, double& value) {
  extended v;
  if (!TryStrToFloat(s, v) || std::fabs(v) > std::numeric_limits<double>::max()) return false;
  value = static_cast<double>(v);
  return true;
}
extended StrToFloat(std::u16string_view s) {
  extended v;
  if (!TryStrToFloat(s, v))
    throw EConvertError(u"'" + UnicodeString(s) + u"' is not a valid floating point value");
  return v;
}
extended StrToFloatDef(std::u16string_view s, extended def) {
  extended v;
  return TryStrToFloat(s, v) ? v : def;
}

bool StrToBool(std::u16string_view s) {
  const UnicodeString t = Trim(s);
  if (SameText(t, u"true") || SameText(t, u"yes")) return true;
  if (SameText(t, u"false") || SameText(t, u"no")) return false;
  int64_t v;
  if (ParseInt64(t, v)) return v != 0;
  throw EConvertError(u"'" + UnicodeString(s) + u"' is not a valid boolean value");
}
UnicodeString BoolToStr(bool b, bool useBoolStrs) {
  if (useBoolStrs) return b ? u"True" : u"False";
  return b ? u"-1" : u"0";
}

std::size_t Pos(std::u16string_view sub, std::u16string_view s) {
  return PosEx(sub, s, 1);
}
std::size_t PosEx(std::u16string_view sub, std::u16string_view s, std::size_t offset) {
  if (sub.empty() || offset < 1 || offset > s.size()) return 0;
  const auto p = s.find(sub, offset - 1);
  return p == std::u16string_view::npos ? 0 : p + 1;
}
std::size_t Pos(WideChar c, std::u16string_view s) {
  const auto p = s.find(c);
  return p == std::u16string_view::npos ? 0 : p + 1;
}
UnicodeString Copy(std::u16string_view s, std::ptrdiff_t index, std::ptrdiff_t count) {
  if (index < 1) index = 1;
  const auto size = static_cast<std::ptrdiff_t>(s.size());
  if (count <= 0 || index > size) return {};
  return UnicodeString(s.substr(index - 1, std::min(count, size - index + 1)));
}
void Delete(UnicodeString& s, std::ptrdiff_t index, std::ptrdiff_t count) {
  const auto size = static_cast<std::ptrdiff_t>(s.size());
  if (index < 1 || index > size || count <= 0) return;
  s.erase(index - 1, std::min(count, size - index + 1));
}
void Insert(std::u16string_view source, UnicodeString& s, std::ptrdiff_t index) {
  const auto size = static_cast<std::ptrdiff_t>(s.size());
  if (index < 1) index = 1;
  if (index > size + 1) index = size + 1;
  s.insert(index - 1, source);
}
std::size_t LastDelimiter(std::u16string_view delimiters, std::u16string_view s) {
  const auto p = s.find_last_of(delimiters);
  return p == std::u16string_view::npos ? 0 : p + 1;
}

UnicodeString StringReplace(std::u16string_view s, std::u16string_view oldPattern,
                            std::u16string_view newPattern, unsigned flags) {
  if (oldPattern.empty()) return UnicodeString(s);
  const bool all = flags & rfReplaceAll;
  const bool ignoreCase = flags & rfIgnoreCase;
  UnicodeString hay, needle;
  std::u16string_view searchIn = s, searchFor = oldPattern;
  if (ignoreCase) {
    hay = InvariantUpperCase(s);
    needle = InvariantUpperCase(oldPattern);
    searchIn = hay;
    searchFor = needle;
  }
  UnicodeString out;
  std::size_t from = 0;
  while (from <= s.size()) {
    const auto p = searchIn.find(searchFor, from);
    if (p == std::u16string_view::npos) break;
    out.append(s.substr(from, p - from));
    out.append(newPattern);
    from = p + oldPattern.size();
    if (!all) break;
  }
  if (from < s.size()) out.append(s.substr(from));
  return out;
}

UnicodeString StringOfChar(WideChar c, std::ptrdiff_t count) {
  return count > 0 ? UnicodeString(static_cast<std::size_t>(count), c) : UnicodeString();
}
UnicodeString QuotedStr(std::u16string_view s) {
  return AnsiQuotedStr(s, u'\'');
}
UnicodeString AnsiQuotedStr(std::u16string_view s, WideChar quote) {
  UnicodeString r(1, quote);
  for (WideChar c : s) {
    r += c;
    if (c == quote) r += c;
  }
  r += quote;
  return r;
}
UnicodeString AnsiDequotedStr(std::u16string_view s, WideChar quote) {
  if (s.empty() || s[0] != quote) return UnicodeString(s);
  UnicodeString r;
  for (std::size_t i = 1; i < s.size(); ++i) {
    if (s[i] == quote) {
      if (i + 1 < s.size() && s[i + 1] == quote) {
        r += quote;
        ++i;
      } else {
        return r;
      }
    } else {
      r += s[i];
    }
  }
  return UnicodeString(s);  // no closing quote: not a quoted text
}

bool StartsStr(std::u16string_view sub, std::u16string_view s) {
  return s.substr(0, sub.size()) == sub;
}
bool EndsStr(std::u16string_view sub, std::u16string_view s) {
  return s.size() >= sub.size() && s.substr(s.size() - sub.size()) == sub;
}
bool StartsText(std::u16string_view sub, std::u16string_view s) {
  return s.size() >= sub.size() && SameText(s.substr(0, sub.size()), sub);
}
bool EndsText(std::u16string_view sub, std::u16string_view s) {
  return s.size() >= sub.size() && SameText(s.substr(s.size() - sub.size()), sub);
}
bool ContainsStr(std::u16string_view s, std::u16string_view sub) {
  return s.find(sub) != std::u16string_view::npos;
}

UnicodeString ReverseString(std::u16string_view s) {
  return UnicodeString(s.rbegin(), s.rend());
}

}  // namespace lx
