#include <gtest/gtest.h>

#include <vector>

#include "lexcore/ui/lx_fontmetrics.h"

namespace lx {
namespace {

TFont Tahoma10() {
  return TFont{};
}

TFont Courier10() {
  TFont f;
  f.Name = u"Courier New";
  return f;
}

TEST(FontMeasureTest, EmFollowsPointsAndResolutionAndStaysSane) {
  TFont f;
  EXPECT_EQ(f.EmPixels(), 13);  // 10 pt at 96 pixels per inch
  f.Size = 12;
  EXPECT_EQ(f.EmPixels(), 16);
  f.PixelsPerInch = 600;  // a printer
  EXPECT_EQ(f.EmPixels(), 100);
  f.Size = 0;
  EXPECT_EQ(f.EmPixels(), 1);
  f.Size = -40;
  EXPECT_EQ(f.EmPixels(), 1);
  f.Size = INT32_MAX;
  f.PixelsPerInch = INT32_MAX;
  EXPECT_EQ(f.EmPixels(), 2000);
  f.PixelsPerInch = 0;
  f.Size = 72;
  EXPECT_EQ(f.EmPixels(), 1);
}

TEST(FontMeasureTest, MetricsOfTheDefaultFont) {
  const TTextMetric m = TFontMeasure(Tahoma10()).Metrics();
  EXPECT_EQ(m.tmAscent, 12);  // ceil(13 * 0.905)
  EXPECT_EQ(m.tmDescent, 3);  // ceil(13 * 0.212)
  EXPECT_EQ(m.tmHeight, 15);
  EXPECT_EQ(m.tmInternalLeading, 2);
  EXPECT_EQ(m.tmAveCharWidth, 7);  // "x": 0.5 em
  EXPECT_FALSE(m.fixed_pitch);
  EXPECT_TRUE(TFontMeasure(Courier10()).Metrics().fixed_pitch);
}

TEST(FontMeasureTest, ProportionalWidthsRoundEachCharacter) {
  const TFontMeasure m(Tahoma10());
  EXPECT_EQ(m.Advance(U'i'), 3);   // 0.222 em of 13 pixels
  EXPECT_EQ(m.Advance(U'W'), 12);  // 0.944 em
  EXPECT_EQ(m.Advance(U'm'), 11);
  EXPECT_EQ(m.LineWidth(u"Mi"), 14);
  EXPECT_LT(m.LineWidth(u"iiii"), m.LineWidth(u"WWWW"));
  EXPECT_EQ(m.LineWidth(u""), 0);
}

TEST(FontMeasureTest, WidthsAddUpOverPieces) {
  // The text drawer measures chunks separately and lays them side by side.
  const TFontMeasure m(Tahoma10());
  const std::u16string text =
      u"It is a truth universally acknowledged, caf\u00e9 \u4e2d\u6587 \U0001F600 na\u0308ive";
  for (std::size_t cut = 0; cut <= text.size(); ++cut) {
    if (cut > 0 && cut < text.size() && text[cut] >= 0xDC00 && text[cut] <= 0xDFFF) continue;
    const std::u16string_view v(text);
    EXPECT_EQ(m.LineWidth(v), m.LineWidth(v.substr(0, cut)) + m.LineWidth(v.substr(cut))) << cut;
  }
}

TEST(FontMeasureTest, UnicodeClassesTakeTheirRoom) {
  const TFontMeasure m(Tahoma10());
  EXPECT_EQ(m.LineWidth(u"\u00e9"), m.LineWidth(u"e"));  // accented letters: their base letter
  EXPECT_EQ(m.LineWidth(u"\u00c9"), m.LineWidth(u"E"));
  EXPECT_EQ(m.LineWidth(u"e\u0301"), m.LineWidth(u"e"));                // combining marks take nothing
  EXPECT_EQ(m.LineWidth(u"a\u200db\u00ad\ufeff"), m.LineWidth(u"ab"));  // joiners, soft hyphen, BOM
  EXPECT_EQ(m.LineWidth(u"\u4e2d"), 13);                                // wide: a full em
  EXPECT_EQ(m.LineWidth(u"\U00020000"), 13);                            // wide, outside the BMP
  EXPECT_EQ(m.LineWidth(u"\U0001F600"), 13);
  EXPECT_EQ(m.LineWidth(u"\u3000"), 13);  // ideographic space
  EXPECT_EQ(m.LineWidth(u"\u00a0"), m.LineWidth(u" "));
  EXPECT_GT(m.LineWidth(u"\u05e9\u05dc\u05d5\u05dd"), 0);  // scripts without their own table
  // A lone surrogate is drawn as the replacement character, never skipped or read past.
  EXPECT_EQ(m.LineWidth(std::u16string(1, u'\xd800')), m.LineWidth(u"\ufffd"));
  EXPECT_EQ(m.LineWidth(std::u16string(1, u'\xdc00') + u"a"), m.LineWidth(u"\ufffda"));
}

TEST(FontMeasureTest, FixedPitchGivesCells) {
  const TFontMeasure m(Courier10());
  EXPECT_EQ(m.LineWidth(u"iii"), m.LineWidth(u"WWW"));
  EXPECT_EQ(m.LineWidth(u"abc"), 24);  // cells of 0.6 em, rounded to 8 pixels
  EXPECT_EQ(m.LineWidth(u"\u4e2d"), 16);
  EXPECT_EQ(m.LineWidth(u"e\u0301"), 8);
  TFont named = Tahoma10();
  named.Pitch = fpFixed;
  EXPECT_EQ(TFontMeasure(named).LineWidth(u"abc"), 24);
  TFont forcedVariable = Courier10();
  forcedVariable.Pitch = fpVariable;
  EXPECT_EQ(TFontMeasure(forcedVariable).LineWidth(u"iii"), 9);
}

TEST(FontMeasureTest, BoldWidensEveryVisibleCharacter) {
  TFont bold = Tahoma10();
  bold.Style = {fsBold};
  const TFontMeasure plain(Tahoma10()), heavy(bold);
  EXPECT_EQ(heavy.LineWidth(u"abc"), plain.LineWidth(u"abc") + 3);
  EXPECT_EQ(heavy.LineWidth(u"e\u0301"), plain.LineWidth(u"e") + 1);
  TFont italic = Tahoma10();
  italic.Style = {fsItalic, fsUnderline};
  EXPECT_EQ(TFontMeasure(italic).LineWidth(u"abc"), plain.LineWidth(u"abc"));
}

TEST(FontMeasureTest, TabsAndLineBreaks) {
  const TFontMeasure m(Tahoma10());
  EXPECT_EQ(m.LineWidth(u"a\tb"), 56 + 7);  // stops every 8 average widths
  EXPECT_EQ(m.LineWidth(u"\t"), 56);
  EXPECT_EQ(m.LineWidth(u"\t\t"), 112);
  EXPECT_EQ(m.LineWidth(u"a\r\nb"), m.LineWidth(u"ab"));
}

TEST(FontMeasureTest, FittingCountsWholeCharacters) {
  const TFontMeasure m(Tahoma10());
  std::vector<int32_t> partial(3);
  int32_t width = 0;
  EXPECT_EQ(m.FitUnits(u"abc", 14, partial, width), 2);
  EXPECT_EQ(partial, (std::vector<int32_t>{7, 14, 21}));
  EXPECT_EQ(width, 21);
  EXPECT_EQ(m.FitUnits(u"abc", -1, {}, width), 0);
  EXPECT_EQ(m.FitUnits(u"abc", 1000, {}, width), 3);
  EXPECT_EQ(m.FitUnits(u"", 10, {}, width), 0);
  EXPECT_EQ(width, 0);

  // A surrogate pair fits whole or not at all; both of its units carry the extent after it.
  const std::u16string pair = u"a\U0001F600b";
  partial.assign(4, -1);
  EXPECT_EQ(m.FitUnits(pair, 19, partial, width), 1);
  EXPECT_EQ(partial, (std::vector<int32_t>{7, 20, 20, 27}));
  EXPECT_EQ(m.FitUnits(pair, 20, partial, width), 3);
  // A buffer too small for the text is left alone rather than overrun.
  std::vector<int32_t> small(2, -1);
  EXPECT_EQ(m.FitUnits(u"abc", 100, small, width), 3);
  EXPECT_EQ(small, (std::vector<int32_t>{-1, -1}));
}

}  // namespace
}  // namespace lx
