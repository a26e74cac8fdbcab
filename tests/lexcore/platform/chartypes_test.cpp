#include <gtest/gtest.h>

#include <vector>

#include "lexcore/platform/win_chartypes.h"
#include "lexcore/platform/win_lasterror.h"

namespace {

using namespace lx;

constexpr uint16_t D = C1_DEFINED;
constexpr uint16_t LETTER = C1_DEFINED | C1_ALPHA;

uint16_t TypeOf(char16_t c) {
  uint16_t t = 0xFFFF;
  EXPECT_TRUE(GetStringTypeExW(0x0409, CT_CTYPE1, &c, 1, &t));
  return t;
}

TEST(CharTypes, SampleCharacters) {
  struct Row {
    char16_t c;
    uint16_t type;
  };
  const Row rows[] = {
      {u'A', LETTER | C1_UPPER | C1_XDIGIT},
      {u'g', LETTER | C1_LOWER},
      {u'\u00E9', LETTER | C1_LOWER},
      {u'\u0130', LETTER | C1_UPPER},  // Turkish dotted capital I
      {u'\u03A9', LETTER | C1_UPPER},  // Greek
      {u'\u0436', LETTER | C1_LOWER},  // Cyrillic
      {u'\u05D0', LETTER},             // Hebrew: no case
      {u'\u0628', LETTER},             // Arabic
      {u'\u4E2D', LETTER},             // Han
      {u'\u0E01', LETTER},             // Thai
      {u'\u0301', D},                  // combining acute: no letter
      {u'\u093F', D},                  // Devanagari vowel sign
      {u'\u094D', D},                  // Devanagari virama
      {u'7', D | C1_DIGIT | C1_XDIGIT},
      {u'\u0663', D | C1_DIGIT},                   // Arabic-Indic three
      {u'\uFF11', D | C1_DIGIT | C1_XDIGIT},       // full-width one
      {u'\uFF46', LETTER | C1_LOWER | C1_XDIGIT},  // full-width f
      {u'.', D | C1_PUNCT},
      {u'-', D | C1_PUNCT},
      {u'\'', D | C1_PUNCT},
      {u'$', D | C1_PUNCT},
      {u'\u00BD', D | C1_PUNCT},  // vulgar fraction
      {u' ', D | C1_SPACE | C1_BLANK},
      {u'\u00A0', D | C1_SPACE | C1_BLANK},  // no-break space
      {u'\u3000', D | C1_SPACE | C1_BLANK},
      {u'\t', D | C1_SPACE | C1_BLANK | C1_CNTRL},
      {u'\n', D | C1_SPACE | C1_CNTRL},
      {u'\u0001', D | C1_CNTRL},
      {u'\u0085', D | C1_SPACE | C1_CNTRL},
      {u'\u200C', D | C1_CNTRL},             // zero-width non-joiner
      {u'\u200D', D | C1_CNTRL},             // zero-width joiner
      {u'\uFEFF', D | C1_BLANK | C1_CNTRL},  // byte-order mark
      {u'\u00AD', D | C1_CNTRL},             // soft hyphen
      {u'\uE000', D},                        // private use
      {u'\u0378', 0},                        // unassigned
      {u'\uFFFF', 0},                        // noncharacter
      {char16_t(0xD800), D},                 // lone surrogate
  };
  for (const Row& r : rows) EXPECT_EQ(TypeOf(r.c), r.type) << std::hex << static_cast<int>(r.c);
}

TEST(CharTypes, SurrogatePairsTakeTheirCharactersClass) {
  // U+10400 DESERET CAPITAL LONG I, U+1D7CE MATHEMATICAL BOLD DIGIT ZERO, then a reversed pair.
  const char16_t text[] = {0xD801, 0xDC00, 0xD835, 0xDFCE, 0xDC00, 0xD800, u'x'};
  uint16_t t[7] = {};
  ASSERT_TRUE(GetStringTypeExW(0x0409, CT_CTYPE1, text, 7, t));
  EXPECT_EQ(t[0], LETTER | C1_UPPER);
  EXPECT_EQ(t[1], t[0]);
  EXPECT_EQ(t[2], D | C1_DIGIT);
  EXPECT_EQ(t[3], t[2]);
  EXPECT_EQ(t[4], D);
  EXPECT_EQ(t[5], D);
  EXPECT_EQ(t[6], LETTER | C1_LOWER);
  // A pair cut by the count: the lead unit alone is a lone surrogate.
  ASSERT_TRUE(GetStringTypeExW(0x0409, CT_CTYPE1, text, 1, t));
  EXPECT_EQ(t[0], D);
  EXPECT_EQ(CharType1(0x10400), LETTER | C1_UPPER);
  EXPECT_EQ(CharType1(0x110000), 0);
}

TEST(CharTypes, EightBitTextThroughTheLocalesCodePage) {
  uint16_t t[8] = {};
  // 1252: e-acute, euro sign, an undefined byte (its C1 control).
  ASSERT_TRUE(GetStringTypeExA(0x0409, CT_CTYPE1, "\xE9\x80\x81", 3, t));
  EXPECT_EQ(t[0], LETTER | C1_LOWER);
  EXPECT_EQ(t[1], D);  // a symbol beyond Latin-1
  EXPECT_EQ(t[2], D | C1_CNTRL);
  // 1251 reads the same byte as a Cyrillic letter.
  ASSERT_TRUE(GetStringTypeExA(0x0419, CT_CTYPE1, "\xC9", 1, t));
  EXPECT_EQ(t[0], LETTER | C1_UPPER);
  // 932: both bytes of a double-byte character carry its class; a lone lead byte at the end does not crash.
  ASSERT_TRUE(GetStringTypeExA(0x0411, CT_CTYPE1,
                               "a\x93\xFA"
                               "1\x82",
                               5, t));
  EXPECT_EQ(t[0], LETTER | C1_LOWER | C1_XDIGIT);
  EXPECT_EQ(t[1], LETTER);
  EXPECT_EQ(t[2], LETTER);
  EXPECT_EQ(t[3], D | C1_DIGIT | C1_XDIGIT);
  EXPECT_EQ(t[4] & C1_ALPHA, 0);
  // Invalid bytes take the class of their replacement and do not shift the classes of what follows.
  ASSERT_TRUE(GetStringTypeExA(0x0411, CT_CTYPE1,
                               "\x81\x20"
                               "b\x93\xFA",
                               5, t));
  EXPECT_EQ(t[0] & C1_ALPHA, 0);
  EXPECT_EQ(t[2], LETTER | C1_LOWER | C1_XDIGIT);
  EXPECT_EQ(t[4], LETTER);
  ASSERT_TRUE(GetStringTypeExA(0x0804, CT_CTYPE1, "\x81\x30x", 3, t));  // not a GBK pair
  EXPECT_EQ(t[1], D | C1_DIGIT | C1_XDIGIT);
  // Zero-terminated: the zero is not classified.
  t[3] = 0xABCD;
  ASSERT_TRUE(GetStringTypeExA(0x0409, CT_CTYPE1, "ab ", -1, t));
  EXPECT_EQ(t[2], D | C1_SPACE | C1_BLANK);
  EXPECT_EQ(t[3], 0xABCD);
}

TEST(CharTypes, WhereThePlatformDepartsFromUnicode) {
  struct Row {
    char16_t c;
    uint16_t type;
  };
  const Row rows[] = {
      {u'\u00B2', D | C1_DIGIT | C1_PUNCT},  // superscripts two, three, one
      {u'\u00B3', D | C1_DIGIT | C1_PUNCT},
      {u'\u00B9', D | C1_DIGIT | C1_PUNCT},
      {u'\u00AA', LETTER | C1_LOWER | C1_PUNCT},  // ordinals and micro sign keep their letter flags
      {u'\u00BA', LETTER | C1_LOWER | C1_PUNCT},
      {u'\u00B5', LETTER | C1_LOWER | C1_PUNCT},
      {u'\u00A9', D | C1_PUNCT},  // Latin-1 symbols stay punctuation
      {u'\u20AC', D},             // beyond Latin-1, symbols and other numbers are merely defined
      {u'\u2192', D},
      {u'\u02DC', D},
      {u'\u2460', D},
      {u'\u24B6', D},  // circled letters
      {u'\u24D0', D},
      {u'\u2160', LETTER},  // Roman numerals: letters without case
      {u'\u2170', LETTER},
      {u'\u02B0', LETTER},                        // modifier letter: not lower case
      {u'\u01C5', LETTER | C1_UPPER | C1_LOWER},  // titlecase digraph
      {u'\u2003', D | C1_SPACE},                  // em space: a space, not a blank
      {u'\u1680', D | C1_SPACE},
      {u'\u202F', D | C1_SPACE | C1_BLANK},
  };
  for (const Row& r : rows) EXPECT_EQ(TypeOf(r.c), r.type) << std::hex << static_cast<int>(r.c);
}

TEST(CharTypes, WordClassesKeepWordsWithMarksWhole) {
  // A decomposed "cafe" with a combining acute, and a Devanagari word with a vowel sign and a virama.
  const char16_t text[] = u"cafe\u0301 \u0915\u093F\u094D";
  uint16_t platform[9] = {}, words[9] = {};
  ASSERT_TRUE(GetStringTypeExW(0x0409, CT_CTYPE1, text, 9, platform));
  ASSERT_TRUE(GetWordClassesW(text, 9, words));
  EXPECT_EQ(platform[4], D);
  for (int i : {0, 1, 2, 3, 4, 6, 7, 8}) EXPECT_TRUE(words[i] & C1_ALPHA) << i;
  EXPECT_EQ(words[5], platform[5]);
  // Vietnamese code page: the tone mark byte belongs to the word too.
  uint16_t bytes[2] = {};
  ASSERT_TRUE(GetWordClassesA(0x042A, "a\xEC", 2, bytes));
  EXPECT_TRUE(bytes[1] & C1_ALPHA);
  ASSERT_TRUE(GetStringTypeExA(0x042A, CT_CTYPE1, "a\xEC", 2, bytes));
  EXPECT_FALSE(bytes[1] & C1_ALPHA);
}

TEST(CharTypes, Failures) {
  uint16_t t[2];
  SetLastError(0);
  EXPECT_FALSE(GetStringTypeExW(0x0409, 2, u"a", 1, t));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_FLAGS);
  EXPECT_FALSE(GetStringTypeExW(0x0409, CT_CTYPE1, nullptr, 1, t));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
  EXPECT_FALSE(GetStringTypeExW(0x0409, CT_CTYPE1, u"a", 1, nullptr));
  EXPECT_FALSE(GetStringTypeExA(0x0409, CT_CTYPE1, "a", -2, t));
}

}  // namespace

// The tables of the Basic Multilingual Plane are made from the properties' ranges; every code point of the
// plane must get there what its own properties give it.
TEST(CharTypes, TablesAgreeWithEachCodePointsProperties) {
  const uint16_t* words = WordClassesOfUnits();
  int differences = 0;
  for (char32_t c = 0; c < 0x10000; ++c) {
    if (CharType1(c) != ComputedCharClass(c, false) && ++differences < 10)
      ADD_FAILURE() << std::hex << "U+" << static_cast<uint32_t>(c) << " platform class";
    if (words[c] != ComputedCharClass(c, true) && ++differences < 10)
      ADD_FAILURE() << std::hex << "U+" << static_cast<uint32_t>(c) << " word class";
  }
  EXPECT_EQ(differences, 0);
  // A few that the ranges must get right: an ordinal that is a lower-case Lo, a title-case letter, the
  // Ogham space mark, a combining mark, an ideograph, private use and a surrogate.
  EXPECT_EQ(CharType1(0xAA), ComputedCharClass(0xAA, false));
  EXPECT_TRUE(CharType1(0x01C5) & C1_UPPER && CharType1(0x01C5) & C1_LOWER);
  EXPECT_TRUE(CharType1(0x1680) & C1_SPACE);
  EXPECT_FALSE(CharType1(0x1680) & C1_BLANK);
  EXPECT_TRUE(words[0x0301] & C1_ALPHA);
  EXPECT_FALSE(CharType1(0x0301) & C1_ALPHA);
  EXPECT_TRUE(CharType1(0x4E00) & C1_ALPHA);
  EXPECT_EQ(CharType1(0xE000), C1_DEFINED);
  EXPECT_EQ(CharType1(0xD800), C1_DEFINED);
}
