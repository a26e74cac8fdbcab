#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "lexcore/rtl/lx_exceptions.h"
#include "lexcore/rtl/lx_format.h"
#include "lexcore/rtl/lx_strings.h"

using namespace lx;

namespace {

LX_RESOURCESTRING(_LXTestZapCount, u"Ok to zap %.0n entries now?")

TFormatSettings CommaDecimals() {
  TFormatSettings fs;
  fs.DecimalSeparator = u',';
  fs.ThousandSeparator = u'.';
  return fs;
}

UnicodeString ErrorOf(std::u16string_view format, std::initializer_list<TVarRec> args) {
  try {
    Format(format, args);
  } catch (const EConvertError& e) {
    return e.Message;
  }
  return u"(no error)";
}

}  // namespace

TEST(Format, StringsAndIntegers) {
  const UnicodeString name = u"corpus";
  const int count = 42;
  EXPECT_EQ(Format(u"%s has %d entries", {name, count}), u"corpus has 42 entries");
  EXPECT_EQ(Format(u"%s|%s|%s|%s", {u"wide", "caf\xC3\xA9", u'\u00E9', std::string("narrow")}),
            u"wide|caf\u00E9|\u00E9|narrow");
  EXPECT_EQ(Format(u"%s", {static_cast<const char16_t*>(nullptr)}), u"");
  EXPECT_EQ(Format(u"100%% of %d", {int64_t{-9000000000}}), u"100% of -9000000000");
  EXPECT_EQ(Format(u"%.3s|%5s|%-5s|", {u"abcdef", u"ab", u"ab"}), u"abc|   ab|ab   |");
  EXPECT_EQ(Format(u"%S %D", {u"upper", 3}), u"upper 3");  // directive letters in either case
}

TEST(Format, IntegerPrecisionWidthAndStar) {
  EXPECT_EQ(Format(u"%.4d", {7}), u"0007");
  EXPECT_EQ(Format(u"%5.4d", {7}), u" 0007");
  EXPECT_EQ(Format(u"%5.4d", {-44}), u"-0044");  // the sign is not one of the digits
  EXPECT_EQ(Format(u"%.2d", {123}), u"123");
  EXPECT_EQ(Format(u"%-6d|", {-12}), u"-12   |");
  EXPECT_EQ(Format(u"%*d|%-*d|", {5, 42, 4, 7}), u"   42|7   |");
  EXPECT_EQ(Format(u"%*.*d", {6, 3, 5}), u"   005");
  EXPECT_EQ(Format(u"%u %u", {-1, int64_t{-1}}), u"4294967295 18446744073709551615");
  EXPECT_EQ(Format(u"%x %.4x %x %X", {255, 255, -1, uint64_t{0xABCDEF0123}}), u"FF 00FF FFFFFFFF ABCDEF0123");
  EXPECT_EQ(Format(u"%d", {std::numeric_limits<int64_t>::min()}), u"-9223372036854775808");
  EXPECT_EQ(Format(u"%d", {uint8_t{200}}), u"200");
  int x = 0;
  EXPECT_EQ(Format(u"%p", {static_cast<const void*>(&x)}).size(), 2 * sizeof(void*));
}

TEST(Format, IndexedArguments) {
  EXPECT_EQ(Format(u"%1:s %0:s %s", {u"a", u"b"}), u"b a b");
  EXPECT_EQ(Format(u"%0:s-%0:s-%1:d", {u"x", 9}), u"x-x-9");
  EXPECT_EQ(Format(u"%1:-4d|", {0, 5}), u"5   |");
}

TEST(Format, NumberDirectiveGroupsThousands) {
  EXPECT_EQ(Format(u"%.0n", {1234567.5}), u"1,234,568");
  EXPECT_EQ(Format(u"%.0n", {999.5}), u"1,000");
  EXPECT_EQ(Format(u"%.1n", {-1234.56}), u"-1,234.6");
  EXPECT_EQ(Format(u"%.0n", {-999999.9}), u"-1,000,000");
  EXPECT_EQ(Format(u"%0.n", {1234567.0}), u"1,234,567");
  EXPECT_EQ(Format(u"%2.0n", {5.0}), u" 5");
  EXPECT_EQ(Format(u"%n", {0.5}), u"0.50");
  EXPECT_EQ(Format(u"%.2n", {-0.004}), u"0.00");  // negative zero after rounding has no sign
  // Counts are integers; they format exactly.
  EXPECT_EQ(Format(_LXTestZapCount, {1234567}), u"Ok to zap 1,234,567 entries now?");
  EXPECT_EQ(Format(u"%.2n of %.0n %s", {12.345, 1000000, u"words"}), u"12.35 of 1,000,000 words");
  const TFormatSettings fs = CommaDecimals();
  EXPECT_EQ(Format(u"%.2n", {-1234567.891}, fs), u"-1.234.567,89");
  EXPECT_EQ(Format(u"%.1f", {-1234.25}, fs), u"-1234,3");
}

TEST(Format, HalvesRoundAwayFromZero) {
  EXPECT_EQ(Format(u"%.2f", {2.675}),
            u"2.68");  // stored as 2.67499999999999982236431605997495353221893310546875
  EXPECT_EQ(Format(u"%.2f", {2.675L}), u"2.68");
  EXPECT_EQ(Format(u"%.2f", {0.125}), u"0.13");
  EXPECT_EQ(Format(u"%.0f|%.0f|%.0f|%.0f", {-0.5, 0.5, 1.5, 2.5}), u"-1|1|2|3");
  EXPECT_EQ(Format(u"%.1f", {0.05}), u"0.1");
  EXPECT_EQ(Format(u"%.0f", {0.49999999999999994}), u"1");  // 15 digits first: 0.500000000000000
  EXPECT_EQ(Format(u"%.3f", {-0.0004}), u"0.000");
  EXPECT_EQ(Format(u"%.2f", {9.995}), u"10.00");
}

TEST(Format, FixedExponentAndGeneral) {
  EXPECT_EQ(Format(u"%f", {3.14159}), u"3.14");
  EXPECT_EQ(Format(u"%1.3f", {2.0 / 3}), u"0.667");
  EXPECT_EQ(Format(u"%8.2f|%-8.2f|", {-1.5, 1.5}), u"   -1.50|1.50    |");
  EXPECT_EQ(Format(u"%.0f", {1e17}), u"100000000000000000");
  EXPECT_EQ(Format(u"%f", {1e20}), u"1E20");  // more integer digits than the precision
  EXPECT_EQ(Format(u"%e", {1000.0}), u"1.00000000000000E+003");
  EXPECT_EQ(Format(u"%.3e", {-12345.678}), u"-1.23E+004");
  EXPECT_EQ(Format(u"%.2e", {1e-10}), u"1.0E-010");
  EXPECT_EQ(Format(u"%e", {0.0}), u"0.00000000000000E+000");
  EXPECT_EQ(Format(u"%g|%g|%g|%g", {1234.5, 0.0001, 0.00001, 1e20}), u"1234.5|0.0001|1E-005|1E020");
  EXPECT_EQ(Format(u"%g", {123456789012345.0}), u"123456789012345");
  // A double carries 15 significant digits, a long double 18.
  EXPECT_EQ(Format(u"%.18g", {1.0 / 3}), u"0.333333333333333");
  EXPECT_EQ(Format(u"%.18g", {1.0L / 3}), u"0.333333333333333333");
  EXPECT_EQ(Format(u"%.2g", {0.1f}), u"0.1");
  EXPECT_EQ(Format(u"%f|%g|%e", {std::nan(""), std::numeric_limits<double>::infinity(),
                                 -std::numeric_limits<double>::infinity()}),
            u"NAN|INF|-INF");
}

TEST(Format, MoneyFollowsCurrencySettings) {
  EXPECT_EQ(Format(u"%m", {1234.5}), u"$1,234.50");
  EXPECT_EQ(Format(u"%m", {-1234.5}), u"($1,234.50)");
  EXPECT_EQ(Format(u"%.0m", {2.5}), u"$3");
  TFormatSettings fs = CommaDecimals();
  fs.CurrencyString.assign(1, u'\u20AC');  // (assigning the literal trips a false -Wrestrict in g++ 12)
  fs.CurrencyFormat = 3;
  fs.NegCurrFormat = 8;
  fs.CurrencyDecimals = 1;
  EXPECT_EQ(Format(u"%m|%m", {1234.56, -1234.56}, fs), u"1.234,6 \u20AC|-1.234,6 \u20AC");
}

TEST(Format, MismatchesAndBrokenDirectivesRaise) {
  EXPECT_EQ(ErrorOf(u"%d", {1.5}), u"Format '%d' invalid or incompatible with argument");
  EXPECT_EQ(ErrorOf(u"%d %d", {1}), u"No argument for format '%d %d'");
  const std::u16string_view bad[] = {u"%s", u"%q", u"%", u"abc %5", u"%.", u"%*d", u"%99999999d", u"%5-d"};
  for (const auto f : bad) EXPECT_THROW(Format(f, {5}), EConvertError) << UTF16ToUTF8(f);
  EXPECT_THROW(Format(u"%d", {u"text"}), EConvertError);
  EXPECT_THROW(Format(u"%x", {1.0}), EConvertError);
  EXPECT_THROW(Format(u"%u", {1.0L}), EConvertError);
  EXPECT_THROW(Format(u"%f", {"text"}), EConvertError);
  EXPECT_THROW(Format(u"%d", {true}), EConvertError);
  EXPECT_THROW(Format(u"%s", {true}), EConvertError);
  EXPECT_THROW(Format(u"%p", {1}), EConvertError);
  EXPECT_THROW(Format(u"%*d", {u"5", 1}), EConvertError);
  EXPECT_THROW(Format(u"%2:d", {1, 2}), EConvertError);
  EXPECT_THROW(Format(u"%s", {}), EConvertError);
  EXPECT_EQ(Format(u"no directives", {}), u"no directives");
}

TEST(FloatToStr, GeneralAndFixedForms) {
  EXPECT_EQ(FloatToStr(0.1), u"0.1");
  EXPECT_EQ(FloatToStr(1.0 / 3), u"0.333333333333333");
  EXPECT_EQ(FloatToStr(100), u"100");
  EXPECT_EQ(FloatToStr(-0.0), u"0");
  EXPECT_EQ(FloatToStr(1e20), u"1E20");
  EXPECT_EQ(FloatToStr(1e-5), u"1E-5");
  EXPECT_EQ(FloatToStr(-0.00012), u"-0.00012");
  EXPECT_EQ(FloatToStr(1.5, CommaDecimals()), u"1,5");
  EXPECT_EQ(FloatToStrF(1234.5678, ffFixed, 7, 2), u"1234.57");
  EXPECT_EQ(FloatToStrF(12345678.9, ffFixed, 7, 2), u"1.234568E7");
  EXPECT_EQ(FloatToStrF(1234567.891, ffNumber, 15, 1), u"1,234,567.9");
  EXPECT_EQ(FloatToStrF(1234.5, ffExponent, 4, 2), u"1.235E+03");
  EXPECT_EQ(FloatToStrF(-5, ffCurrency, 15, 2), u"($5.00)");
  EXPECT_EQ(FloatToStrF(123456, ffGeneral, 3, 0), u"1.23E5");
}

TEST(FormatFloat, PlacesThousandsAndLiterals) {
  EXPECT_EQ(FormatFloat(u"###0,.00", 1234.5), u"1,234.50");
  EXPECT_EQ(FormatFloat(u"#,##0.00", -1234567.891), u"-1,234,567.89");
  EXPECT_EQ(FormatFloat(u"#,##0.00", 1234.5, CommaDecimals()), u"1.234,50");
  EXPECT_EQ(FormatFloat(u"#,##0", 999.5), u"1,000");
  EXPECT_EQ(FormatFloat(u"0.00", 2.675), u"2.68");
  EXPECT_EQ(FormatFloat(u"0", -2.5), u"-3");
  EXPECT_EQ(FormatFloat(u"#.##", 0.5), u".5");
  EXPECT_EQ(FormatFloat(u"0.##", 1), u"1");
  EXPECT_EQ(FormatFloat(u"0.0#", 1.25), u"1.25");
  EXPECT_EQ(FormatFloat(u"0.0#", 1), u"1.0");
  EXPECT_EQ(FormatFloat(u"000-000", 12345), u"012-345");
  EXPECT_EQ(FormatFloat(u"00", 12345), u"12345");
  EXPECT_EQ(FormatFloat(u"\"Total: \"#,##0", 12345), u"Total: 12,345");
  EXPECT_EQ(FormatFloat(u"'#'0' ;'", 5), u"#5 ;");
  EXPECT_EQ(FormatFloat(u"0", 1e20), u"1E20");
  EXPECT_EQ(FormatFloat(u"", 1.5), u"1.5");
  EXPECT_EQ(FormatCurr(u"#,##0.00", 1234.56789), u"1,234.57");
}

TEST(FormatFloat, SectionsAndValuesThatRoundToZero) {
  EXPECT_EQ(FormatFloat(u"0.00", -0.004), u"0.00");
  EXPECT_EQ(FormatFloat(u"0.00;(0.00)", -5.5), u"(5.50)");
  EXPECT_EQ(FormatFloat(u"0.00;(0.00)", -0.004), u"0.00");
  EXPECT_EQ(FormatFloat(u"0.00;(0.00);'zero'", 0), u"zero");
  EXPECT_EQ(FormatFloat(u"0.00;(0.00);'zero'", -0.001), u"zero");
  EXPECT_EQ(FormatFloat(u"0.00;(0.00);'zero'", 7), u"7.00");
  EXPECT_EQ(FormatFloat(u"0.00;;zero", -5), u"-5.00");  // an empty negative section falls back to the first
  EXPECT_EQ(FormatFloat(u"'a;b'0", 3), u"a;b3");
}

TEST(FormatFloat, Exponents) {
  EXPECT_EQ(FormatFloat(u"0.00E+00", 1234.5), u"1.23E+03");
  EXPECT_EQ(FormatFloat(u"0.00E+00", -0.00012345), u"-1.23E-04");
  EXPECT_EQ(FormatFloat(u"0.0e-0", 0.000123), u"1.2e-4");
  EXPECT_EQ(FormatFloat(u"0.0E-00", 1234), u"1.2E03");
  EXPECT_EQ(FormatFloat(u"00.0E+0", 1234.5), u"12.3E+2");
  EXPECT_EQ(FormatFloat(u"0.00E+00", 0), u"0.00E+00");
}

TEST(Format, GarbagePatternsNeverMisbehave) {
  // Patterns may come from translations: whatever they hold, the result is text or EConvertError.
  uint32_t seed = 12345;
  auto next = [&seed] { return seed = seed * 1103515245u + 12345u, (seed >> 16) & 0x7FFF; };
  const std::u16string_view alphabet = u"%%0123456789.-*:sdxfngempu#,;E+e-'\"a ";
  for (int round = 0; round < 4000; ++round) {
    UnicodeString pattern;
    for (uint32_t n = next() % 12; n > 0; --n) pattern += alphabet[next() % alphabet.size()];
    try {
      Format(pattern, {3, -2.5, u"s", int64_t{7}});
    } catch (const EConvertError&) {
    }
    EXPECT_NO_THROW(FormatFloat(pattern, round % 2 ? -1234.5678 : 0.0)) << UTF16ToUTF8(pattern);
  }
}
