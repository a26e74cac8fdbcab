#include "lexcore/rtl/lx_format.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <vector>

#include "lexcore/rtl/lx_exceptions.h"
#include "lexcore/rtl/lx_strings.h"

namespace lx {

namespace {

// A finite value as its decimal digits: value = 0.d1d2d3... x 10^exponent. No trailing zeros; a value that
// is (or rounds to) zero has no digits and no sign.
struct TDecimal {
  bool negative = false;
  int exponent = 0;
  std::string digits;
};

// Keeps `keep` significant digits, rounding half away from zero.
void RoundDigits(TDecimal& d, int keep) {
  if (keep < 0) {
    d.digits.clear();
  } else if (static_cast<std::size_t>(keep) < d.digits.size()) {
    const bool up = d.digits[static_cast<std::size_t>(keep)] >= '5';
    d.digits.resize(static_cast<std::size_t>(keep));
    if (up) {
      int i = keep - 1;
      while (i >= 0 && d.digits[static_cast<std::size_t>(i)] == '9')
        d.digits[static_cast<std::size_t>(i--)] = '0';
      if (i >= 0) {
        ++d.digits[static_cast<std::size_t>(i)];
      } else {
        d.digits.insert(d.digits.begin(), '1');
        ++d.exponent;
      }
    }
  }
  while (!d.digits.empty() && d.digits.back() == '0') d.digits.pop_back();
  if (d.digits.empty()) {
    d.negative = false;
    d.exponent = 0;
  }
}

// Significant digits a value's type carries (the field is public, so keep it sane).
int CarriedDigits(const TFloatValue& v) {
  return std::clamp(v.Digits, 1, 18);
}

// The value's digits, first held to the digits its type carries, then rounded to `precision` significant
// digits or `decimals` places after the point, whichever keeps fewer. Both roundings go half away from zero
// on the decimal digits, so 2.675 (stored as 2.67499999...) gives 2.68 with two decimals.
TDecimal ToDecimal(const TFloatValue& v, int precision, int decimals) {
  TDecimal d;
  long double a = v.Value;
  d.negative = std::signbit(a);
  a = std::fabs(a);
  if (a == 0) {
    d.negative = false;
    return d;
  }
  // Far more digits than either type carries, so the first rounding sees the true value.
  char buf[96];
  const auto res = std::to_chars(buf, buf + sizeof buf, a, std::chars_format::scientific, 59);
  char* e = std::find(buf, res.ptr, 'e');
  d.digits.assign(1, buf[0]);
  d.digits.append(buf + 2, e);
  int exp10 = 0;
  std::from_chars(e + (e[1] == '+' ? 2 : 1), res.ptr, exp10);
  d.exponent = exp10 + 1;
  RoundDigits(d, CarriedDigits(v));
  if (!d.digits.empty()) RoundDigits(d, std::min(precision, d.exponent + decimals));
  return d;
}

void AppendAscii(UnicodeString& out, std::string_view s) {
  for (char c : s) out += static_cast<WideChar>(c);
}

void AppendExponent(UnicodeString& out, WideChar letter, bool plusSign, int exponent, int minDigits) {
  out += letter;
  if (exponent < 0)
    out += u'-';
  else if (plusSign)
    out += u'+';
  const UnicodeString num = IntToStr(exponent < 0 ? -exponent : exponent);
  if (static_cast<int>(num.size()) < minDigits)
    out.append(static_cast<std::size_t>(minDigits) - num.size(), u'0');
  out += num;
}

void AppendGrouped(UnicodeString& out, std::string_view intDigits, WideChar separator) {
  for (std::size_t k = 0; k < intDigits.size(); ++k) {
    out += static_cast<WideChar>(intDigits[k]);
    const std::size_t left = intDigits.size() - 1 - k;
    if (separator != 0 && left > 0 && left % 3 == 0) out += separator;
  }
}

// Integer and fraction digits of a value with `decimals` places (already rounded to them).
std::string IntegerDigits(const TDecimal& d) {
  if (d.exponent <= 0) return {};
  std::string s = d.digits.substr(0, static_cast<std::size_t>(d.exponent));
  s.resize(static_cast<std::size_t>(d.exponent), '0');
  return s;
}
std::string FractionDigits(const TDecimal& d, int decimals) {
  std::string s(static_cast<std::size_t>(decimals), '0');
  for (int k = 0; k < decimals; ++k) {
    const int idx = d.exponent + k;
    if (idx >= 0 && idx < static_cast<int>(d.digits.size()))
      s[static_cast<std::size_t>(k)] = d.digits[static_cast<std::size_t>(idx)];
  }
  return s;
}

UnicodeString SpecialValueText(long double v) {
  if (std::isnan(v)) return u"NAN";
  return v < 0 ? u"-INF" : u"INF";
}

UnicodeString GeneralText(const TFloatValue& v, int precision, int expDigits, const TFormatSettings& fs) {
  const TDecimal d = ToDecimal(v, precision, 9999);
  if (d.digits.empty()) return u"0";
  UnicodeString out;
  if (d.negative) out += u'-';
  const int n = static_cast<int>(d.digits.size());
  if (d.exponent > precision || d.exponent < -3) {
    out += static_cast<WideChar>(d.digits[0]);
    if (n > 1) {
      out += fs.DecimalSeparator;
      AppendAscii(out, std::string_view(d.digits).substr(1));
    }
    AppendExponent(out, u'E', false, d.exponent - 1, expDigits);
  } else if (d.exponent <= 0) {
    out += u'0';
    out += fs.DecimalSeparator;
    out.append(static_cast<std::size_t>(-d.exponent), u'0');
    AppendAscii(out, d.digits);
  } else {
    AppendAscii(out, IntegerDigits(d));
    if (n > d.exponent) {
      out += fs.DecimalSeparator;
      AppendAscii(out, std::string_view(d.digits).substr(static_cast<std::size_t>(d.exponent)));
    }
  }
  return out;
}

UnicodeString ExponentText(const TFloatValue& v, int precision, int expDigits, const TFormatSettings& fs) {
  const TDecimal d = ToDecimal(v, precision, 9999);
  std::string mantissa = d.digits;
  mantissa.resize(static_cast<std::size_t>(precision), '0');
  UnicodeString out;
  if (d.negative) out += u'-';
  out += static_cast<WideChar>(mantissa[0]);
  if (precision > 1) {
    out += fs.DecimalSeparator;
    AppendAscii(out, std::string_view(mantissa).substr(1));
  }
  AppendExponent(out, u'E', true, d.digits.empty() ? 0 : d.exponent - 1, expDigits);
  return out;
}

// The settings' currency layouts: '$' stands for the currency string, '1' for the amount.
UnicodeString ApplyCurrencyFormat(const UnicodeString& number, bool negative, const TFormatSettings& fs) {
  static constexpr std::u16string_view kPositive[] = {u"$1", u"1$", u"$ 1", u"1 $"};
  static constexpr std::u16string_view kNegative[] = {u"($1)", u"-$1",  u"$-1",   u"$1-",  u"(1$)", u"-1$",
                                                      u"1-$",  u"1$-",  u"-1 $",  u"-$ 1", u"1 $-", u"$ 1-",
                                                      u"$ -1", u"1- $", u"($ 1)", u"(1 $)"};
  const std::u16string_view layout =
      negative ? kNegative[fs.NegCurrFormat < 16 ? fs.NegCurrFormat : 0] : kPositive[fs.CurrencyFormat & 3];
  UnicodeString out;
  for (const WideChar c : layout) {
    if (c == u'$')
      out += fs.CurrencyString;
    else if (c == u'1')
      out += number;
    else
      out += c;
  }
  return out;
}

UnicodeString FloatToText(const TFloatValue& v, TFloatFormat format, int precision, int digits,
                          const TFormatSettings& fs) {
  if (!std::isfinite(v.Value)) return SpecialValueText(v.Value);
  const int significant = std::clamp(precision, 1, CarriedDigits(v));
  switch (format) {
    case ffGeneral:
      return GeneralText(v, significant, std::clamp(digits, 0, 4), fs);
    case ffExponent:
      return ExponentText(v, significant, std::clamp(digits, 0, 4), fs);
    default:
      break;
  }
  digits = std::clamp(digits, 0, 18);
  const TDecimal d = ToDecimal(v, CarriedDigits(v), digits);
  // An integer part longer than the precision cannot be shown fixed.
  if (d.exponent > std::clamp(precision, 1, 18)) return GeneralText(v, significant, 0, fs);
  UnicodeString number;
  const std::string intDigits = IntegerDigits(d);
  AppendGrouped(number, intDigits.empty() ? std::string_view("0") : std::string_view(intDigits),
                format == ffFixed ? WideChar(0) : fs.ThousandSeparator);
  if (digits > 0) {
    number += fs.DecimalSeparator;
    AppendAscii(number, FractionDigits(d, digits));
  }
  if (format == ffCurrency) return ApplyCurrencyFormat(number, d.negative, fs);
  return d.negative ? u'-' + number : number;
}

// ---- FormatFloat ----

// What one section of a FormatFloat pattern asks for.
struct TPatternSection {
  std::u16string_view text;
  int intPlaces = 0;      // '0' and '#' before the point
  int firstIntZero = -1;  // index of the first '0' among them
  int fracPlaces = 0;     // '0' and '#' after the point
  int lastFracZero = 0;   // decimals that must show
  bool thousands = false;
  bool scientific = false;
  int expDigits = 0;
};

// Length of the literal starting with a quote at s[i], quotes included (to the end when unterminated).
std::size_t QuotedLength(std::u16string_view s, std::size_t i) {
  const auto close = s.find(s[i], i + 1);
  return close == std::u16string_view::npos ? s.size() - i : close - i + 1;
}

bool IsExponentAt(std::u16string_view s, std::size_t i) {
  return (s[i] == u'E' || s[i] == u'e') && i + 1 < s.size() && (s[i + 1] == u'+' || s[i + 1] == u'-');
}

TPatternSection ScanSection(std::u16string_view text) {
  TPatternSection p;
  p.text = text;
  bool afterPoint = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const WideChar c = text[i];
    if (c == u'"' || c == u'\'') {
      i += QuotedLength(text, i) - 1;
    } else if (c == u'0' || c == u'#') {
      if (afterPoint) {
        ++p.fracPlaces;
        if (c == u'0') p.lastFracZero = p.fracPlaces;
      } else {
        if (c == u'0' && p.firstIntZero < 0) p.firstIntZero = p.intPlaces;
        ++p.intPlaces;
      }
    } else if (c == u'.') {
      afterPoint = true;
    } else if (c == u',') {
      if (!afterPoint) p.thousands = true;
    } else if (IsExponentAt(text, i)) {
      p.scientific = true;
      for (i += 2; i < text.size() && text[i] == u'0'; ++i) ++p.expDigits;
      p.expDigits = std::min(p.expDigits, 4);
      break;
    }
  }
  return p;
}

// Splits a pattern into its (at most three) sections; ';' inside quotes does not count.
std::vector<std::u16string_view> PatternSections(std::u16string_view format) {
  std::vector<std::u16string_view> sections;
  std::size_t start = 0;
  for (std::size_t i = 0; i < format.size() && sections.size() < 2; ++i) {
    if (format[i] == u'"' || format[i] == u'\'') {
      i += QuotedLength(format, i) - 1;
    } else if (format[i] == u';') {
      sections.push_back(format.substr(start, i - start));
      start = i + 1;
    }
  }
  std::u16string_view last = format.substr(start);
  for (std::size_t i = 0; i < last.size(); ++i) {
    if (last[i] == u'"' || last[i] == u'\'') {
      i += QuotedLength(last, i) - 1;
    } else if (last[i] == u';') {
      last = last.substr(0, i);
      break;
    }
  }
  sections.push_back(last);
  return sections;
}

// Writes a section with the value's digits: the integer digits fill the integer places from the right (extra
// ones go at the first place), the fraction digits fill the places after the point.
UnicodeString RenderSection(const TPatternSection& p, std::string intDigits, std::string fracDigits,
                            int exponent, bool minus, const TFormatSettings& fs) {
  const int minInt = p.firstIntZero < 0 ? 0 : p.intPlaces - p.firstIntZero;
  if (static_cast<int>(intDigits.size()) < minInt)
    intDigits.insert(0, static_cast<std::size_t>(minInt) - intDigits.size(), '0');
  while (static_cast<int>(fracDigits.size()) > p.lastFracZero && fracDigits.back() == '0')
    fracDigits.pop_back();

  UnicodeString out;
  if (minus) out += u'-';
  const int extra = static_cast<int>(intDigits.size()) - p.intPlaces;
  const WideChar sep = p.thousands && !p.scientific ? fs.ThousandSeparator : WideChar(0);
  bool intDone = false;
  int intPlace = 0, fracPlace = 0;
  bool afterPoint = false;
  auto emitInt = [&](int from, int to) {
    for (int k = std::max(from, 0); k < to && k < static_cast<int>(intDigits.size()); ++k) {
      out += static_cast<WideChar>(intDigits[static_cast<std::size_t>(k)]);
      const std::size_t left = intDigits.size() - 1 - static_cast<std::size_t>(k);
      if (sep != 0 && left > 0 && left % 3 == 0) out += sep;
    }
  };
  // Without integer places the integer digits go where the integer part ends.
  auto flushInt = [&] {
    if (!intDone) emitInt(0, static_cast<int>(intDigits.size()));
    intDone = true;
  };
  const std::u16string_view t = p.text;
  for (std::size_t i = 0; i < t.size(); ++i) {
    const WideChar c = t[i];
    if (c == u'"' || c == u'\'') {
      const std::size_t len = QuotedLength(t, i);
      out.append(t.substr(i + 1, len >= 2 && i + len <= t.size() && t[i + len - 1] == c ? len - 2 : len - 1));
      i += len - 1;
    } else if ((c == u'0' || c == u'#') && !afterPoint) {
      emitInt(intPlace == 0 ? 0 : intPlace + extra, intPlace + extra + 1);
      if (++intPlace == p.intPlaces) intDone = true;
    } else if (c == u'0' || c == u'#') {
      flushInt();
      if (fracPlace < static_cast<int>(fracDigits.size()))
        out += static_cast<WideChar>(fracDigits[static_cast<std::size_t>(fracPlace)]);
      ++fracPlace;
    } else if (c == u'.') {
      if (!afterPoint) {
        flushInt();
        if (!fracDigits.empty()) out += fs.DecimalSeparator;
        afterPoint = true;
      }
    } else if (c == u',') {
      // only a flag
    } else if (p.scientific && IsExponentAt(t, i)) {
      flushInt();
      AppendExponent(out, c, t[i + 1] == u'+', exponent, p.expDigits);
      for (i += 2; i < t.size() && t[i] == u'0'; ++i) {
      }
      --i;
    } else {
      out += c;
    }
  }
  flushInt();
  return out;
}

UnicodeString FormatWithSection(const TPatternSection& p, const TFloatValue& v, bool minus,
                                bool& roundsToZero, const TFormatSettings& fs) {
  roundsToZero = false;
  if (p.scientific) {
    const int places = std::max(1, p.intPlaces + p.fracPlaces);
    const TDecimal d = ToDecimal(v, std::min(places, CarriedDigits(v)), 9999);
    std::string digits = d.digits;
    if (digits.empty()) roundsToZero = true;
    digits.resize(static_cast<std::size_t>(std::max(places, p.intPlaces)), '0');
    const int exponent = d.digits.empty() ? 0 : d.exponent - p.intPlaces;
    std::string intDigits = digits.substr(0, static_cast<std::size_t>(p.intPlaces));
    // Leading zeros of the mantissa come back from the '0' places only.
    intDigits.erase(0, std::min(intDigits.find_first_not_of('0'), intDigits.size()));
    return RenderSection(p, intDigits, digits.substr(static_cast<std::size_t>(p.intPlaces)), exponent,
                         minus && !roundsToZero, fs);
  }
  const TDecimal d = ToDecimal(v, CarriedDigits(v), p.fracPlaces);
  roundsToZero = d.digits.empty();
  // Beyond 18 integer digits the pattern cannot be honoured; the runtime falls back to the general form.
  if (d.exponent > 18) return GeneralText(v, 15, 0, fs);
  return RenderSection(p, IntegerDigits(d), FractionDigits(d, p.fracPlaces), 0, minus && !roundsToZero, fs);
}

// ---- Format ----

[[noreturn]] void InvalidFormat(std::u16string_view format) {
  throw EConvertError(u"Format '" + UnicodeString(format) + u"' invalid or incompatible with argument");
}
[[noreturn]] void ArgumentMissing(std::u16string_view format) {
  throw EConvertError(u"No argument for format '" + UnicodeString(format) + u"'");
}

// Widths and precisions above this are taken as a broken format rather than a request for megabytes.
constexpr int kMaxFormatNumber = 65535;

uint64_t UnsignedOf(const TVarRec& a) {
  switch (a.VType) {
    case TVarRec::vtInteger:
      return static_cast<uint32_t>(a.VInt64);
    case TVarRec::vtInt64:
      return static_cast<uint64_t>(a.VInt64);
    default:
      return a.VUInt64;
  }
}

TFloatValue FloatOf(const TVarRec& a) {
  switch (a.VType) {
    case TVarRec::vtDouble:
      return TFloatValue(static_cast<double>(a.VExtended));
    case TVarRec::vtExtended:
      return TFloatValue(a.VExtended);
    case TVarRec::vtInteger:
    case TVarRec::vtInt64:
      return TFloatValue(static_cast<long long>(a.VInt64));
    default:
      return TFloatValue(static_cast<unsigned long long>(a.VUInt64));
  }
}

class TFormatter {
 public:
  TFormatter(std::u16string_view format, std::span<const TVarRec> args, const TFormatSettings& fs)
      : format_(format), args_(args), fs_(fs) {}

  UnicodeString Run() {
    out_.reserve(format_.size() + 8 * args_.size());
    while (pos_ < format_.size()) {
      const auto next = format_.find(u'%', pos_);
      out_.append(format_.substr(pos_, next - pos_));
      if (next == std::u16string_view::npos) break;
      pos_ = next + 1;
      Directive();
    }
    return std::move(out_);
  }

 private:
  WideChar Peek() const { return pos_ < format_.size() ? format_[pos_] : WideChar(0); }

  const TVarRec& NextArg() {
    if (argIndex_ >= args_.size()) ArgumentMissing(format_);
    return args_[argIndex_++];
  }

  // A number written in the format or, for '*', taken from the arguments; -1 when neither is there.
  int ReadNumber() {
    if (Peek() == u'*') {
      ++pos_;
      const TVarRec& a = NextArg();
      if (!a.IsInteger()) InvalidFormat(format_);
      if (a.VType == TVarRec::vtInteger || a.VType == TVarRec::vtInt64) {
        if (a.VInt64 < 0) return 0;
        if (a.VInt64 > kMaxFormatNumber) InvalidFormat(format_);
        return static_cast<int>(a.VInt64);
      }
      if (a.VUInt64 > kMaxFormatNumber) InvalidFormat(format_);
      return static_cast<int>(a.VUInt64);
    }
    if (Peek() < u'0' || Peek() > u'9') return -1;
    int n = 0;
    while (Peek() >= u'0' && Peek() <= u'9') {
      n = n * 10 + (format_[pos_++] - u'0');
      if (n > kMaxFormatNumber) InvalidFormat(format_);
    }
    return n;
  }

  void Directive() {
    if (Peek() == u'%') {
      out_ += u'%';
      ++pos_;
      return;
    }
    int width = ReadNumber();
    if (width >= 0 && Peek() == u':') {
      ++pos_;
      argIndex_ = static_cast<std::size_t>(width);
      width = -1;
    }
    bool left = false;
    if (width < 0 && Peek() == u'-') {
      left = true;
      ++pos_;
    }
    if (width < 0) width = ReadNumber();
    int precision = -1;
    if (Peek() == u'.') {
      ++pos_;
      precision = std::max(ReadNumber(), 0);
    }
    if (pos_ >= format_.size()) InvalidFormat(format_);
    const WideChar type = format_[pos_++];
    const UnicodeString text = Convert(static_cast<WideChar>(type | 0x20), NextArg(), precision);
    const std::size_t pad =
        width > static_cast<int>(text.size()) ? static_cast<std::size_t>(width) - text.size() : 0;
    if (!left) out_.append(pad, u' ');
    out_ += text;
    if (left) out_.append(pad, u' ');
  }

  UnicodeString Convert(WideChar type, const TVarRec& a, int precision) {
    switch (type) {
      case u'd':
      case u'u':
      case u'x': {
        if (!a.IsInteger()) break;
        const bool signedValue = a.VType == TVarRec::vtInteger || a.VType == TVarRec::vtInt64;
        const bool negative = type == u'd' && signedValue && a.VInt64 < 0;
        uint64_t magnitude = UnsignedOf(a);
        if (negative) magnitude = 0 - static_cast<uint64_t>(a.VInt64);
        return ZeroPadded(magnitude, type == u'x' ? 16 : 10, precision, negative);
      }
      case u'p':
        if (a.VType != TVarRec::vtPointer) break;
        return ZeroPadded(reinterpret_cast<uintptr_t>(a.VPointer), 16, 2 * sizeof(void*), false);
      case u's':
        return StringOf(a, precision);
      case u'e':
      case u'f':
      case u'g':
      case u'n':
      case u'm': {
        // Integers are taken too (exactly): the system formats its counts with %.0n.
        if (!a.IsFloat() && !a.IsInteger()) break;
        const TFloatValue v = FloatOf(a);
        switch (type) {
          case u'e':
            return FloatToText(v, ffExponent, precision < 0 ? 15 : precision, 3, fs_);
          case u'f':
            return FloatToText(v, ffFixed, 18, precision < 0 ? 2 : precision, fs_);
          case u'g':
            return FloatToText(v, ffGeneral, precision < 0 ? 15 : precision, 3, fs_);
          case u'n':
            return FloatToText(v, ffNumber, 18, precision < 0 ? 2 : precision, fs_);
          default:
            return FloatToText(v, ffCurrency, 18, precision < 0 ? fs_.CurrencyDecimals : precision, fs_);
        }
      }
      default:
        break;
    }
    InvalidFormat(format_);
  }

  static UnicodeString ZeroPadded(uint64_t magnitude, int base, int precision, bool negative) {
    char buf[24];
    const auto res = std::to_chars(buf, buf + sizeof buf, magnitude, base);
    const auto len = static_cast<int>(res.ptr - buf);
    UnicodeString r;
    if (negative) r += u'-';
    if (precision > len) r.append(static_cast<std::size_t>(precision - len), u'0');
    for (const char* p = buf; p < res.ptr; ++p) r += static_cast<WideChar>(*p >= 'a' ? *p - 'a' + 'A' : *p);
    return r;
  }

  UnicodeString StringOf(const TVarRec& a, int precision) {
    UnicodeString s;
    switch (a.VType) {
      case TVarRec::vtUnicodeString:
        s = a.VText16;
        break;
      case TVarRec::vtUTF8String:
        s = UTF8ToUTF16(a.VText8);
        break;
      case TVarRec::vtWideChar:
        s.assign(1, static_cast<WideChar>(a.VInt64));
        break;
      case TVarRec::vtChar:
        s = UTF8ToUTF16(std::string(1, static_cast<char>(a.VInt64)));
        break;
      default:
        InvalidFormat(format_);
    }
    if (precision >= 0 && s.size() > static_cast<std::size_t>(precision))
      s.resize(static_cast<std::size_t>(precision));
    return s;
  }

  std::u16string_view format_;
  std::span<const TVarRec> args_;
  const TFormatSettings& fs_;
  UnicodeString out_;
  std::size_t pos_ = 0;
  std::size_t argIndex_ = 0;
};

}  // namespace

UnicodeString Format(std::u16string_view format, std::span<const TVarRec> args,
                     const TFormatSettings& settings) {
  return TFormatter(format, args, settings).Run();
}

UnicodeString FloatToStrF(TFloatValue value, TFloatFormat format, int precision, int digits,
                          const TFormatSettings& settings) {
  return FloatToText(value, format, precision, digits, settings);
}

UnicodeString FloatToStr(TFloatValue value, const TFormatSettings& settings) {
  return FloatToText(value, ffGeneral, 15, 0, settings);
}

UnicodeString FormatFloat(std::u16string_view format, TFloatValue value, const TFormatSettings& settings) {
  if (!std::isfinite(value.Value)) return SpecialValueText(value.Value);
  if (format.empty()) return FloatToText(value, ffGeneral, 15, 0, settings);
  const auto sections = PatternSections(format);
  auto usable = [&](std::size_t i) { return i < sections.size() && !sections[i].empty(); };
  const bool negative = value.Value < 0;
  const std::size_t wanted = value.Value > 0 ? 0 : negative ? 1 : 2;
  const std::size_t chosen = usable(wanted) ? wanted : 0;
  // A negative value shown with the first section carries its own minus sign.
  const bool minus = negative && chosen == 0;
  TFloatValue magnitude = value;
  magnitude.Value = std::fabs(value.Value);
  bool roundsToZero = false;
  UnicodeString text =
      FormatWithSection(ScanSection(sections[chosen]), magnitude, minus, roundsToZero, settings);
  if (roundsToZero && chosen != 2 && value.Value != 0) {
    // Shown as zero, so it is formatted as zero: by the zero section, or by the first one without a sign.
    text = FormatWithSection(ScanSection(sections[usable(2) ? 2 : 0]), TFloatValue(0.0L), false, roundsToZero,
                             settings);
  }
  return text;
}

UnicodeString FormatCurr(std::u16string_view format, TFloatValue value, const TFormatSettings& settings) {
  if (std::isfinite(value.Value)) value.Value = std::round(value.Value * 10000.0L) / 10000.0L;
  return FormatFloat(format, value, settings);
}

}  // namespace lx
