#include <gtest/gtest.h>

#include "lexcore/rtl/lx_exceptions.h"
#include "lexcore/rtl/lx_formatsettings.h"
#include "lexcore/rtl/lx_strings.h"

using namespace lx;

TEST(Strings, Utf8RoundTripAndMalformedInput) {
  const std::string text = "caf\xC3\xA9 \xF0\x9F\x98\x80";  // café 😀
  const UnicodeString w = UTF8ToUTF16(text);
  EXPECT_EQ(w, u"caf\u00E9 \U0001F600");
  EXPECT_EQ(UTF16ToUTF8(w), text);
  // A lone continuation byte, a truncated sequence and an overlong form each become U+FFFD.
  EXPECT_EQ(UTF8ToUTF16("a\x80"
                        "b"),
            u"a\uFFFDb");
  EXPECT_EQ(UTF8ToUTF16("a\xC3"), u"a\uFFFD");
  EXPECT_EQ(UTF8ToUTF16("\xC0\x80").find(u'\0'), UnicodeString::npos);
  // A lone surrogate never produces invalid UTF-8.
  EXPECT_EQ(UTF16ToUTF8(u"x\xD800y"), "x\xEF\xBF\xBDy");
  // ASCII is copied as it stands, controls, DEL and NUL included; one unit past it takes the converter.
  EXPECT_EQ(UTF16ToUTF8(std::u16string_view(u"a\tb\x7F\0c", 6)), std::string("a\tb\x7F\0c", 6));
  EXPECT_EQ(UTF16ToUTF8(u"abc\u0080"), "abc\xC2\x80");
}

TEST(Strings, CaseAndComparison) {
  EXPECT_EQ(UpperCase(u"abc\u00E9"), u"ABC\u00E9");  // the runtime's UpperCase is ASCII only
  EXPECT_EQ(InvariantUpperCase(u"abc\u00E9\u03C3"), u"ABC\u00C9\u03A3");
  EXPECT_EQ(InvariantLowerCase(u"\U00010400"), u"\U00010428");  // Deseret, outside the BMP
  EXPECT_LT(CompareText(u"apple", u"BANANA"), 0);
  EXPECT_TRUE(SameText(u"Hello", u"hELLO"));
  EXPECT_FALSE(SameText(u"Hello", u"Hell"));
  EXPECT_EQ(CompareStr(u"a", u"B"), 1);
}

TEST(Strings, TrimmingAndOneBasedPositions) {
  EXPECT_EQ(Trim(u" \t\r\nab c\x01 "), u"ab c");
  EXPECT_EQ(Pos(u"lo", u"hello lo"), 4u);
  EXPECT_EQ(PosEx(u"lo", u"hello lo", 5), 7u);
  EXPECT_EQ(Pos(u"", u"abc"), 0u);
  EXPECT_EQ(Copy(u"abcdef", 2, 3), u"bcd");
  EXPECT_EQ(Copy(u"abcdef", 0, 2), u"ab");
  EXPECT_EQ(Copy(u"abcdef", 5, 100), u"ef");
  EXPECT_EQ(Copy(u"abcdef", 7, 1), u"");
  UnicodeString s = u"abcdef";
  Delete(s, 2, 2);
  EXPECT_EQ(s, u"adef");
  Delete(s, 10, 2);
  EXPECT_EQ(s, u"adef");
  Insert(u"XY", s, 2);
  EXPECT_EQ(s, u"aXYdef");
  Insert(u"!", s, 100);
  EXPECT_EQ(s, u"aXYdef!");
  EXPECT_EQ(LastDelimiter(u"/\\", u"a/b\\c"), 4u);
}

TEST(Strings, IntegerConversions) {
  EXPECT_EQ(IntToStr(-2147483648LL), u"-2147483648");
  EXPECT_EQ(IntToHex(255, 4), u"00FF");
  EXPECT_EQ(StrToInt(u" 42 "), 42);
  EXPECT_EQ(StrToInt(u"$FF"), 255);
  EXPECT_EQ(StrToInt(u"0x10"), 16);
  EXPECT_EQ(StrToInt(u"$FFFFFFFF"), -1);
  EXPECT_EQ(StrToInt(u"-2147483648"), INT32_MIN);
  EXPECT_EQ(StrToIntDef(u"2147483648", 7), 7);  // overflow is not wrapped
  EXPECT_EQ(StrToIntDef(u"", 7), 7);
  EXPECT_EQ(StrToIntDef(u"12a", 7), 7);
  EXPECT_EQ(StrToInt64(u"-9223372036854775808"), INT64_MIN);
  int32_t v = 0;
  EXPECT_FALSE(TryStrToInt(u"-", v));
  try {
    StrToInt(u"abc");
    FAIL();
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message, u"'abc' is not a valid integer value");
  }
}

TEST(Strings, FloatConversionsFollowDecimalSeparator) {
  EXPECT_DOUBLE_EQ(static_cast<double>(StrToFloat(u"3.25")), 3.25);
  EXPECT_DOUBLE_EQ(static_cast<double>(StrToFloat(u"-1e3")), -1000.0);
  EXPECT_EQ(StrToFloatDef(u"inf", -1), -1);  // only the plain decimal form is a number
  EXPECT_EQ(StrToFloatDef(u"0x10", -1), -1);
  EXPECT_EQ(StrToFloatDef(u"1e999999", -1), -1);
  const WideChar saved = FormatSettings.DecimalSeparator;
  FormatSettings.DecimalSeparator = u',';
  EXPECT_DOUBLE_EQ(static_cast<double>(StrToFloatDef(u"2,5", 0)), 2.5);
  EXPECT_EQ(StrToFloatDef(u"2.5", 0), 0);
  FormatSettings.DecimalSeparator = saved;
  EXPECT_THROW(StrToFloat(u"x"), EConvertError);
}

TEST(Strings, ReplaceAndQuote) {
  EXPECT_EQ(StringReplace(u"aXbxc", u"x", u"--", rfReplaceAll | rfIgnoreCase), u"a--b--c");
  EXPECT_EQ(StringReplace(u"aXbxc", u"x", u"--", rfReplaceAll), u"aXb--c");
  EXPECT_EQ(StringReplace(u"aaa", u"a", u"aa", rfReplaceAll), u"aaaaaa");  // no rescan of the replacement
  EXPECT_EQ(StringReplace(u"abc", u"", u"x", rfReplaceAll), u"abc");
  EXPECT_EQ(QuotedStr(u"it's"), u"'it''s'");
  EXPECT_EQ(AnsiDequotedStr(u"'it''s' rest", u'\''), u"it's");
  EXPECT_EQ(AnsiDequotedStr(u"'open", u'\''), u"'open");
}

TEST(Exceptions, AssertionAlwaysRaisesWithPlace) {
  try {
    LX_ASSERT(1 + 1 == 3, "arithmetic broke");
    FAIL();
  } catch (const EAssertionFailed& e) {
    EXPECT_EQ(e.Message.rfind(u"arithmetic broke (strings_test.cpp, line ", 0), 0u);
  }
  try {
    throw EReadError(u"Stream read error");
  } catch (const EStreamError& e) {  // the family nests as the runtime's does
    EXPECT_STREQ(e.what(), "Stream read error");
  }
}
