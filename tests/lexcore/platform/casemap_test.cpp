#include <gtest/gtest.h>

#include "lexcore/platform/win_casemap.h"
#include "lexcore/platform/win_lasterror.h"

namespace {

using namespace lx;

UnicodeString MapW(uint32_t lcid, uint32_t flags, const UnicodeString& s) {
  UnicodeString out(s.size(), u'\0');
  const int n = LCMapStringW(lcid, flags, s.data(), static_cast<int>(s.size()), out.data(),
                             static_cast<int>(out.size()));
  EXPECT_EQ(n, static_cast<int>(s.size()));
  return out;
}

constexpr uint32_t UP = LCMAP_UPPERCASE | LCMAP_LINGUISTIC_CASING;
constexpr uint32_t LOW = LCMAP_LOWERCASE | LCMAP_LINGUISTIC_CASING;

TEST(CaseMap, TurkishAndAzeriDottedAndDotlessI) {
  for (uint32_t lcid : {0x041Fu, 0x042Cu, 0x082Cu}) {
    SCOPED_TRACE(lcid);
    EXPECT_TRUE(MapW(lcid, UP, u"i\u0131ik") == u"\u0130I\u0130K");
    EXPECT_TRUE(MapW(lcid, LOW, u"I\u0130IK") == u"\u0131i\u0131k");
  }
  // Other languages, and Turkish without linguistic casing, use the ordinary mapping.
  EXPECT_TRUE(MapW(0x0409, UP, u"i\u0131") == u"II");
  EXPECT_TRUE(MapW(0x0409, LOW, u"I\u0130") == u"ii");
  EXPECT_TRUE(MapW(0x041F, LCMAP_UPPERCASE, u"i") == u"I");
}

TEST(CaseMap, PlainTablesLeaveOneWayMappingsAlone) {
  // Without linguistic casing only characters whose other case maps back are changed.
  const UnicodeString keptUpper =
      u"\u0131\u03C2\u017F\u00B5\u01C5\u03D0\u03D1\u03D5\u03D6\u03F0\u03F1\u03F5\u0345";
  EXPECT_TRUE(MapW(0x0409, LCMAP_UPPERCASE, keptUpper + u"a\u03C3") == keptUpper + u"A\u03A3");
  const UnicodeString keptLower = u"\u0130\u1E9E\u212A\u212B\u03F4";
  EXPECT_TRUE(MapW(0x0409, LCMAP_LOWERCASE, keptLower + u"A\u03A3") == keptLower + u"a\u03C3");
  EXPECT_TRUE(MapW(0x0409, LCMAP_LOWERCASE, u"\u0130STANBUL") == u"\u0130stanbul");
  // Linguistic casing maps them as before.
  EXPECT_TRUE(MapW(0x0409, UP, u"\u03C2\u017F\u01C5") == u"\u03A3S\u01C4");
  EXPECT_TRUE(MapW(0x0409, LOW, u"\u212A\u1E9E") == u"k\u00DF");
}

TEST(CaseMap, LengthIsKeptAndInPlaceWorks) {
  // Sharp s has no one-character capital; supplementary letters map within their pair.
  EXPECT_TRUE(MapW(0x0407, UP, u"stra\u00DFe") == u"STRA\u00DFE");
  EXPECT_TRUE(MapW(0x0409, LOW, u"\U00010400X") == u"\U00010428x");
  WideChar buf[] = u"Ma\u00CEtre";
  EXPECT_EQ(LCMapStringW(0x040C, LOW, buf, -1, buf, 7), 7);
  EXPECT_TRUE(UnicodeString(buf) == u"ma\u00EEtre");
  EXPECT_EQ(LCMapStringW(0x0409, UP, u"abc", 3, nullptr, 0), 3);
  SetLastError(0);
  EXPECT_EQ(LCMapStringW(0x0409, UP, u"abc", 3, buf, 2), 0);
  EXPECT_EQ(GetLastError(), ERROR_INSUFFICIENT_BUFFER);
  EXPECT_EQ(LCMapStringW(0x0409, LCMAP_UPPERCASE | LCMAP_LOWERCASE, u"abc", 3, buf, 7), 0);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_FLAGS);
}

TEST(CaseMap, EightBitTextStaysInItsCodePage) {
  char buf[8];
  // 1254: i -> U+0130 (0xDD); 1252: y-diaeresis -> 0x9F; micro sign has no capital in 1252 and stays.
  EXPECT_EQ(LCMapStringA(0x041F, UP, "fi\xFD", 3, buf, 8), 3);
  EXPECT_EQ(std::string(buf, 3), "F\xDDI");
  EXPECT_EQ(LCMapStringA(0x0409, UP, "\xFF\xB5", 2, buf, 8), 2);
  EXPECT_EQ(std::string(buf, 2), "\x9F\xB5");
  EXPECT_EQ(LCMapStringA(0x0411, LOW, "A\x82\x60", 3, buf, 8), 3);  // full-width A -> full-width a
  EXPECT_EQ(std::string(buf, 3), "a\x82\x81");
}

TEST(CaseMap, FoldStringComposesAndReportsErrors) {
  WideChar out[8];
  EXPECT_EQ(FoldStringW(MAP_PRECOMPOSED, u"e\u0301a", 3, out, 8), 2);
  EXPECT_TRUE(UnicodeString(out, 2) == u"\u00E9a");
  EXPECT_EQ(FoldStringW(MAP_PRECOMPOSED, u"e\u0301", -1, nullptr, 0), 2);  // the zero counts
  EXPECT_EQ(FoldStringW(MAP_COMPOSITE, u"\u00E9", 1, out, 8), 2);
  EXPECT_EQ(FoldStringW(MAP_FOLDDIGITS, u"\u0661\u0662", 2, out, 8), 2);
  EXPECT_TRUE(UnicodeString(out, 2) == u"12");
  SetLastError(0);
  EXPECT_EQ(FoldStringW(MAP_PRECOMPOSED, u"e\u0301a", 3, out, 1), 0);
  EXPECT_EQ(GetLastError(), ERROR_INSUFFICIENT_BUFFER);
  EXPECT_EQ(FoldStringW(MAP_PRECOMPOSED | MAP_COMPOSITE, u"e", 1, out, 8), 0);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_FLAGS);
  EXPECT_EQ(FoldStringW(0x8000, u"e", 1, out, 8), 0);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_FLAGS);
  EXPECT_EQ(FoldStringW(MAP_PRECOMPOSED, nullptr, 1, out, 8), 0);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
  EXPECT_EQ(FoldStringW(MAP_PRECOMPOSED, u"e", 0, out, 8), 0);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
}

}  // namespace
