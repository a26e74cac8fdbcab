// Text formatting with the runtime's rules: Format and its argument variant, float-to-text conversions and
// FormatFloat's pattern language. Separators come from the process FormatSettings unless a call passes its
// own.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

#include "lexcore/rtl/lx_formatsettings.h"
#include "lexcore/rtl/lx_resources.h"
#include "lexcore/rtl/lx_types.h"

namespace lx {

// One argument of Format. Strings are held by view, so a TVarRec lives no longer than the full expression
// that made it (which is all a call such as Format(u"%s has %d", {name, count}) needs).
struct TVarRec {
  enum TVarType : uint8_t {
    vtInteger,   // signed, 32 bits or fewer
    vtInt64,     // signed, 64 bits
    vtCardinal,  // unsigned, 32 bits or fewer
    vtUInt64,    // unsigned, 64 bits
    vtDouble,    // double or float: 15 significant digits
    vtExtended,  // long double: 18 significant digits
    vtUnicodeString,
    vtUTF8String,
    vtWideChar,
    vtChar,
    vtBoolean,
    vtPointer
  };

  TVarRec(int v) : VType(vtInteger), VInt64(v) {}
  TVarRec(long v) : VType(sizeof(long) > 4 ? vtInt64 : vtInteger), VInt64(v) {}
  TVarRec(long long v) : VType(vtInt64), VInt64(v) {}
  TVarRec(unsigned v) : VType(vtCardinal), VUInt64(v) {}
  TVarRec(unsigned long v) : VType(sizeof(long) > 4 ? vtUInt64 : vtCardinal), VUInt64(v) {}
  TVarRec(unsigned long long v) : VType(vtUInt64), VUInt64(v) {}
  TVarRec(double v) : VType(vtDouble), VExtended(v) {}
  TVarRec(long double v) : VType(vtExtended), VExtended(v) {}
  TVarRec(bool v) : VType(vtBoolean), VInt64(v) {}
  TVarRec(char16_t c) : VType(vtWideChar), VInt64(c) {}
  TVarRec(char c) : VType(vtChar), VInt64(static_cast<unsigned char>(c)) {}
  TVarRec(const UnicodeString& s) : VType(vtUnicodeString), VText16(s) {}
  TVarRec(std::u16string_view s) : VType(vtUnicodeString), VText16(s) {}
  TVarRec(const char16_t* s)
      : VType(vtUnicodeString), VText16(s ? std::u16string_view(s) : std::u16string_view()) {}
  TVarRec(const std::string& s) : VType(vtUTF8String), VText8(s) {}
  TVarRec(std::string_view s) : VType(vtUTF8String), VText8(s) {}
  TVarRec(const char* s) : VType(vtUTF8String), VText8(s ? std::string_view(s) : std::string_view()) {}
  TVarRec(const void* p) : VType(vtPointer), VPointer(p) {}
  TVarRec(std::nullptr_t) : VType(vtPointer), VPointer(nullptr) {}

  bool IsInteger() const { return VType <= vtUInt64; }
  bool IsFloat() const { return VType == vtDouble || VType == vtExtended; }

  TVarType VType;
  union {
    int64_t VInt64;    // integers, bool and characters
    uint64_t VUInt64;  // unsigned integers
    long double VExtended;
    std::u16string_view VText16;
    std::string_view VText8;  // UTF-8
    const void* VPointer;
  };
};

// Format directives: %[index:][-][width][.precision]type, with '*' taking a width or precision from the
// arguments. Types (either case): d u x (upper-case hex) p s, and e f g n m for floats. A directive that does
// not fit its argument, or an unknown one, raises EConvertError "Format '<format>' invalid or incompatible
// with argument"; a missing argument raises EConvertError "No argument for format '<format>'".
UnicodeString Format(std::u16string_view format, std::span<const TVarRec> args,
                     const TFormatSettings& settings = FormatSettings);
inline UnicodeString Format(std::u16string_view format, std::initializer_list<TVarRec> args,
                            const TFormatSettings& settings = FormatSettings) {
  return Format(format, std::span<const TVarRec>(args.begin(), args.size()), settings);
}

// Resource strings are format strings more often than not.
inline UnicodeString Format(const TResourceString& format, std::initializer_list<TVarRec> args,
                            const TFormatSettings& settings = FormatSettings) {
  return Format(format.Text(), std::span<const TVarRec>(args.begin(), args.size()), settings);
}

// A float argument that remembers how many significant digits its type carries (15 for double and float,
// 18 for long double and integers); digits beyond those are noise and are rounded away first.
struct TFloatValue {
  TFloatValue(double v) : Value(v), Digits(15) {}
  TFloatValue(long double v) : Value(v), Digits(18) {}
  TFloatValue(int v) : Value(v), Digits(18) {}
  TFloatValue(long v) : Value(v), Digits(18) {}
  TFloatValue(long long v) : Value(static_cast<long double>(v)), Digits(18) {}
  TFloatValue(unsigned v) : Value(v), Digits(18) {}
  TFloatValue(unsigned long v) : Value(v), Digits(18) {}
  TFloatValue(unsigned long long v) : Value(static_cast<long double>(v)), Digits(18) {}

  long double Value;
  int Digits;
};

enum TFloatFormat : uint8_t { ffGeneral, ffExponent, ffFixed, ffNumber, ffCurrency };

// ffGeneral: shortest of fixed and scientific with `precision` significant digits (`digits` = least exponent
// digits); ffExponent: d.ddd...E+ddd with `precision` digits in all; ffFixed, ffNumber (with thousands
// separators) and ffCurrency: `digits` decimals, switching to the general form when the integer part has more
// than `precision` digits. NaN and infinities give "NAN", "INF" and "-INF".
UnicodeString FloatToStrF(TFloatValue value, TFloatFormat format, int precision, int digits,
                          const TFormatSettings& settings = FormatSettings);
// ffGeneral with 15 digits.
UnicodeString FloatToStr(TFloatValue value, const TFormatSettings& settings = FormatSettings);

// Pattern formatting: '0' and '#' digit places, '.' the decimal point, ',' before it turns on thousands
// separators, E+ E- e+ e- exponents, '...' and "..." literals, and up to three sections
// positive;negative;zero. A value that rounds to zero takes the zero section, or the first one without a
// sign.
UnicodeString FormatFloat(std::u16string_view format, TFloatValue value,
                          const TFormatSettings& settings = FormatSettings);
// FormatFloat of a currency amount: the value is first held to four decimals.
UnicodeString FormatCurr(std::u16string_view format, TFloatValue value,
                         const TFormatSettings& settings = FormatSettings);

}  // namespace lx
