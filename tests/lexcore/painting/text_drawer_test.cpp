#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>

#include "lexcore/painting/RTL_and_LTR_Painting.h"
#include "lexcore/rtl/lx_strings.h"
#include "lexcore/search/search_engines.h"
#include "lexcore/ui/lx_recordingcanvas.h"

namespace lx {
namespace {

constexpr LCID kEnglish = 0x0809, kArabic = 0x0401, kHebrew = 0x040D;

std::vector<TCanvasOp> TextOps(const TRecordingCanvas& c) {
  std::vector<TCanvasOp> out;
  for (const TCanvasOp& op : c.Ops)
    if (op.kind == cop_text) out.push_back(op);
  return out;
}

const TCanvasOp* Find(const std::vector<TCanvasOp>& ops, std::u16string_view text) {
  for (const TCanvasOp& op : ops)
    if (op.text == text) return &op;
  return nullptr;
}

TEST(TextDrawerTest, FindsBoundedAndCaseRuledHits) {
  TBaseSearchItems items;
  items.AddedSearchWords(u"cat");
  const auto hits = FindBoundedSWPositionsInString(items, u"cat catalogue bobcat cat");
  EXPECT_EQ(hits, (std::vector<std::pair<int32_t, int32_t>>{{1, 4}, {22, 25}}));

  TBaseSearchItems any;
  any.AddedSearchWords(u"THE");
  EXPECT_EQ(FindBoundedSWPositionsInString(any, u"the The THE").size(), 3u);
  TBaseSearchItems exact;
  exact.AddedSearchWords(u"==THE==");
  EXPECT_EQ(FindBoundedSWPositionsInString(exact, u"the The THE"),
            (std::vector<std::pair<int32_t, int32_t>>{{9, 12}}));
}

TEST(TextDrawerTest, PlacesLinesByAlignment) {
  TMyTextDrawer d;
  EXPECT_EQ(d.GetPlaceXForLineWidth(Rect(10, 0, 110, 20), 40, centre_aligned), 40);
  d.edge_margin = 3;
  EXPECT_EQ(d.GetPlaceXForLineWidth(Rect(10, 0, 110, 20), 40, right_aligned), 67);
  EXPECT_EQ(d.GetPlaceXForLineWidth(Rect(10, 0, 110, 20), 40, default_aligned), 13);
  d.BaseDirection = bdRightToLeft;
  EXPECT_EQ(d.GetPlaceXForLineWidth(Rect(10, 0, 110, 20), 40, centre_aligned), 80);
  EXPECT_EQ(d.GetPlaceXForLineWidth(Rect(10, 0, 110, 20), 40, right_aligned), 107);
  EXPECT_EQ(ComputedRectDeadCentre(Rect(0, 0, 100, 40), 15), (TPoint{50, 12}));
  EXPECT_EQ(ComputedRectDeadCentre(Rect(0, 0, 100, 20), 15), (TPoint{50, 0}));
}

TEST(TextDrawerTest, CutsIntoChunksAndHighlightsSearchHits) {
  TRecordingCanvas c;
  TMyTextDrawer d;
  d.AddASearchRequest(u"cat");
  TRect used;
  const int32_t h = d.DrawAChunkofText(u"the cat, sat", c, Rect(0, 0, 300, 20), false, false, false, false,
                                       default_aligned, kEnglish, used);
  EXPECT_EQ(h, 15 + 2);  // "yTTG" in the font model, plus the interline spacing
  ASSERT_FALSE(c.Ops.empty());
  EXPECT_EQ(DescribeCanvasOp(c.Ops[0]), "fill 0,0,300,20 #FFFFFF");
  const auto ops = TextOps(c);
  std::vector<std::u16string> words;
  for (const TCanvasOp& op : ops) words.push_back(op.text);
  EXPECT_EQ(words, (std::vector<std::u16string>{u"the", u" ", u"cat", u",", u" ", u"sat"}));
  // Chunks sit side by side at their model widths: "the " is 7+7+7+4.
  const TCanvasOp* cat = Find(ops, u"cat");
  ASSERT_NE(cat, nullptr);
  EXPECT_EQ(cat->at.x, c.TextWidth(u"the "));
  EXPECT_EQ(cat->font.Color, StyleSearchColours().colours[tct_text]);
  EXPECT_EQ(cat->brush.Color, StyleSearchColours().colours[tct_background]);
  EXPECT_TRUE(cat->options & ETO_OPAQUE);
  EXPECT_EQ(Find(ops, u"sat")->font.Color, 0);
  EXPECT_EQ(Find(ops, u"sat")->at.x, c.TextWidth(u"the cat, "));

  // Selected: the highlighted partners of each colour.
  c.Clear();
  d.DrawAChunkofText(u"the cat", c, Rect(0, 0, 300, 20), false, false, false, true, default_aligned, kEnglish,
                     used);
  EXPECT_EQ(Find(TextOps(c), u"cat")->font.Color, StyleSearchColours().colours[tct_selected_text]);
  EXPECT_EQ(Find(TextOps(c), u"the")->brush.Color, BogStandardColours().colours[tct_selected_background]);
}

TEST(TextDrawerTest, TagsAreChunksAndHiddenTagsTakeNoRoom) {
  TRecordingCanvas c;
  TMyTextDrawer d;
  TExtraFontList tags;
  TExtraFontRec hidden;
  hidden.switch_on_at_char = 4;
  hidden.switch_off_at_char = 7;
  hidden.colour_rec.colours = {0x1FFFFFFF, 0x1FFFFFFF, 0xFFFFFF, 0xFFFFFF};
  tags.AddOne(hidden);
  TWordChunkList list(BogStandardColoursAndTypeface(), u' ', false);
  list.LoadFrom(u"one<b>two", 100, bdLeftToRight, kEnglish, c, &tags);
  ASSERT_EQ(list.Count(), 3);
  EXPECT_EQ(list.Chunk(1).w, u"<b>");
  EXPECT_EQ(list.Chunk(1).pixel_width, 0);
  EXPECT_EQ(list.Chunk(2).first_char, 7);
  // A number keeps its separators; joiners never split a word.
  list.LoadFrom(u"1,000.5 a\u200Db", 100, bdLeftToRight, kEnglish, c, nullptr);
  ASSERT_EQ(list.Count(), 3);
  EXPECT_EQ(list.Chunk(0).w, u"1,000.5");
  EXPECT_EQ(list.Chunk(2).w, u"a\u200Db");
}

TEST(TextDrawerTest, LongLineIsClippedNotCutWhenDefaultAligned) {
  TRecordingCanvas c;
  TMyTextDrawer d;
  TRect used;
  d.DrawAChunkofText(u"alpha beta gamma delta epsilon", c, Rect(0, 0, 60, 40), false, false, false, false,
                     default_aligned, kEnglish, used);
  const auto ops = TextOps(c);
  ASSERT_FALSE(ops.empty());
  for (const TCanvasOp& op : ops) {
    EXPECT_EQ(op.at.y, 0);  // one line
    EXPECT_LT(op.at.x, 60);
    EXPECT_TRUE(op.options & ETO_CLIPPED);
    EXPECT_LE(op.rect.Right, 60);
  }
  // Painting reaches the edge (the chunk across it is cut by the clip) and stops there.
  const TCanvasOp& last = ops.back();
  EXPECT_GE(last.at.x + c.TextWidth(last.text), 60);
  EXPECT_EQ(Find(ops, u"epsilon"), nullptr);
  EXPECT_EQ(used.Height(), 17);
}

TEST(TextDrawerTest, WrapsWordsWithinTheRectangle) {
  TRecordingCanvas c;
  TMyTextDrawer d;
  TRect used;
  const TRect r = Rect(0, 0, 100, 200);
  const int32_t h = d.DrawAChunkofText(u"one two three four five six seven eight nine ten", c, r, false, true,
                                       false, false, default_aligned, kEnglish, used);
  const auto ops = TextOps(c);
  const int32_t margin = c.TextWidth(u"M");
  std::vector<int32_t> ys;
  for (const TCanvasOp& op : ops) {
    EXPECT_GE(op.at.x, margin);
    EXPECT_LE(op.at.x + c.TextWidth(op.text), r.Right - margin) << UTF16ToUTF8(op.text);
    if (ys.empty() || ys.back() != op.at.y) ys.push_back(op.at.y);
  }
  ASSERT_GT(ys.size(), 2u);
  for (std::size_t i = 0; i < ys.size(); ++i) EXPECT_EQ(ys[i], static_cast<int32_t>(i) * 17);
  EXPECT_EQ(h, static_cast<int32_t>(ys.size()) * 17);
  // No continuation line starts with its space, and every word was drawn once.
  std::u16string all;
  for (const TCanvasOp& op : ops) all += op.text;
  EXPECT_EQ(all.find(u"  "), std::u16string::npos);
  EXPECT_NE(all.find(u"ten"), std::u16string::npos);

  // A short rectangle stops after the lines it can hold.
  c.Clear();
  d.DrawAChunkofText(u"one two three four five six seven eight nine ten", c, Rect(0, 0, 100, 30), false, true,
                     false, false, default_aligned, kEnglish, used);
  for (const TCanvasOp& op : TextOps(c)) EXPECT_LT(op.at.y, 30);
}

TEST(TextDrawerTest, RightToLeftLinesKeepNumbersAndLatinRunsInOrder) {
  TRecordingCanvas c;
  TMyTextDrawer d;
  TRect used;
  const std::u16string arabic = u"\u0645\u0631\u062D\u0628\u0627 2024 \u0639\u0627\u0644\u0645";
  d.DrawAChunkofText(arabic, c, Rect(0, 0, 400, 20), false, false, false, false, default_aligned, kArabic,
                     used);
  const auto ops = TextOps(c);
  const TCanvasOp* first = Find(ops, u"\u0645\u0631\u062D\u0628\u0627");
  const TCanvasOp* number = Find(ops, u"2024");
  const TCanvasOp* last = Find(ops, u"\u0639\u0627\u0644\u0645");
  ASSERT_TRUE(first && number && last);
  // Right-to-left: x is each chunk's right end, and the line runs from the right edge leftwards.
  EXPECT_EQ(first->at.x, 400);
  EXPECT_TRUE(first->text_align & TA_RIGHT);
  EXPECT_TRUE(first->options & ETO_RTLREADING);
  EXPECT_GT(first->at.x, number->at.x);
  EXPECT_GT(number->at.x, last->at.x);

  // Latin words inside a Hebrew line read left to right as a run.
  c.Clear();
  d.DrawAChunkofText(u"\u05E9\u05DC\u05D5\u05DD New York \u05E9\u05DC\u05D5\u05DD", c, Rect(0, 0, 400, 20),
                     false, false, false, false, default_aligned, kHebrew, used);
  const auto heb = TextOps(c);
  ASSERT_TRUE(Find(heb, u"New") && Find(heb, u"York"));
  // x is each chunk's right end: York comes first from the right, after the first Hebrew word and its space.
  const int32_t york = 400 - c.TextWidth(u"\u05E9\u05DC\u05D5\u05DD ");
  EXPECT_EQ(Find(heb, u"York")->at.x, york);
  EXPECT_EQ(Find(heb, u"New")->at.x, york - c.TextWidth(u"York "));
}

TEST(TextDrawerTest, ConcordanceLineIsCentredOnItsHit) {
  TRecordingCanvas c;
  TMyTextDrawer d;
  TExtraFontList fonts;
  TExtraFontRec centre;
  centre.switch_on_at_char = 11;
  centre.switch_off_at_char = 14;
  centre.colour_rec = StyleSearchColours();
  centre.applies_to = efc_centre_word;
  fonts.AddOne(centre);
  TRect r = Rect(0, 0, 300, 20);
  d.DrawConcText(u"the black cat sat down", 11, 3, c, kEnglish, &fonts, r, false, u' ', pra_screen);
  const auto ops = TextOps(c);
  const TCanvasOp* cat = Find(ops, u"cat");
  ASSERT_NE(cat, nullptr);
  EXPECT_EQ(cat->at.x, 150);
  EXPECT_EQ(cat->brush.Color, StyleSearchColours().colours[tct_background]);
  const TCanvasOp* black = Find(ops, u"black");
  ASSERT_NE(black, nullptr);
  EXPECT_EQ(black->at.x + c.TextWidth(u"black "), 150);
  EXPECT_TRUE(d.text_fits_within_Rect);

  // Too much left context for one line: it wraps above, which leaves the rectangle.
  c.Clear();
  r = Rect(0, 0, 100, 20);
  d.DrawConcText(u"a very long left context indeed before the cat", 44, 3, c, kEnglish, nullptr, r, false,
                 u' ', pra_screen);
  EXPECT_FALSE(d.text_fits_within_Rect);
  for (const TCanvasOp& op : TextOps(c)) EXPECT_EQ(op.at.y, 0);
  // Measuring grows the rectangle instead, by whole lines.
  d.fjust_measuring = true;
  c.Clear();
  d.DrawConcText(u"a very long left context indeed before the cat", 44, 3, c, kEnglish, nullptr, r, false,
                 u' ', pra_screen);
  EXPECT_TRUE(TextOps(c).empty());
  EXPECT_LT(r.Top, 0);
  EXPECT_EQ(-r.Top % 17, 0);
}

TEST(TextDrawerTest, RightToLeftConcordanceRunsItsContextLeftwards) {
  TRecordingCanvas c;
  TMyTextDrawer d;
  TRect r = Rect(0, 0, 400, 20);
  const std::u16string text = u"\u05D0\u05D1 \u05D2\u05D3 \u05D4\u05D5";  // before, hit, after
  d.DrawConcText(text, 4, 2, c, kHebrew, nullptr, r, false, u' ', pra_screen);
  const auto ops = TextOps(c);
  const TCanvasOp* before = Find(ops, u"\u05D0\u05D1");
  const TCanvasOp* hit = Find(ops, u"\u05D2\u05D3");
  const TCanvasOp* after = Find(ops, u"\u05D4\u05D5");
  ASSERT_TRUE(before && hit && after);
  EXPECT_EQ(hit->at.x, 200);  // the hit's right end at the centre
  EXPECT_GT(before->at.x, hit->at.x);
  EXPECT_LT(after->at.x, hit->at.x);
}

TEST(TextDrawerTest, DegenerateInputsDrawNothingOrStayBounded) {
  TRecordingCanvas c;
  TMyTextDrawer d;
  TRect used;
  EXPECT_EQ(d.DrawAChunkofText(u"text", c, Rect(0, 0, 0, 20), false, true, false, false, default_aligned,
                               kEnglish, used),
            0);
  EXPECT_EQ(d.DrawAChunkofText(u"text", c, Rect(10, 10, 5, 0), false, true, false, false, default_aligned,
                               kEnglish, used),
            0);
  EXPECT_EQ(d.DrawAChunkofText(u"", c, Rect(0, 0, 50, 20), kEnglish, used), 0);
  TRect empty = Rect(0, 0, -5, -5);
  d.DrawConcText(u"a cat", 3, 3, c, kEnglish, nullptr, empty, false, u' ', pra_screen);
  EXPECT_TRUE(c.Ops.empty());
  // A hit placed past the end of its line (a stale or damaged position), or at either extreme, is no fault;
  // one so far past that no context could show draws nothing.
  for (const int32_t at : {6, 1000, INT32_MIN, INT32_MAX}) {
    c.Clear();
    TRect row = Rect(0, 0, 200, 20);
    EXPECT_NO_THROW(d.DrawConcText(u"a cat", at, 3, c, kEnglish, nullptr, row, false, u' ', pra_screen));
  }
  EXPECT_TRUE(TextOps(c).empty());

  // A million characters in one cell: only what could show is cut and measured.
  const std::u16string huge(1000000, u'x');
  const auto t0 = std::chrono::steady_clock::now();
  d.DrawAChunkofText(huge, c, Rect(0, 0, 200, 20), false, true, false, false, default_aligned, kEnglish,
                     used);
  TRect r = Rect(0, 0, 200, 20);
  d.DrawConcText(huge, 500000, 1, c, kEnglish, nullptr, r, false, u' ', pra_screen);
  EXPECT_LT(std::chrono::steady_clock::now() - t0, std::chrono::seconds(5));
  for (const TCanvasOp& op : TextOps(c)) EXPECT_LE(op.text.size(), 20000u);

  // Lone surrogates and controls are text like any other.
  c.Clear();
  const std::u16string odd = {u'a', 0xD800, u' ', 0xDC00, u'b', 0x0001, u'\t', 0x0000, u'c', 0xD83D};
  d.DrawAChunkofText(odd, c, Rect(0, 0, 200, 60), false, true, false, false, default_aligned, kArabic, used);
  EXPECT_FALSE(TextOps(c).empty());
}

TEST(TextDrawerTest, StylesAndPlainOutput) {
  EXPECT_EQ(TypeFaceToFontStyles(Ttypeface_Set{tf_bold, tf_strikeout}), (TFontStyles{fsBold, fsStrikeOut}));
  EXPECT_EQ(LargerOfTwoTypeFaces(Ttypeface_Set{tf_italics}, Ttypeface_Set{tf_bold}), Ttypeface_Set{tf_bold});
  TCanvas c;
  EXPECT_EQ(ComputedTextDisplacement(c, 3), 3 * c.TextWidth(u"n"));
  EXPECT_EQ(ComputedTextDisplacement(c, 0), 0);
  UnicodeString path = u"/home/someone/corpus/texts/a_long_file_name.txt";
  TRecordingCanvas rc;
  EllipsisOutputALine(rc, path, Rect(0, 0, 150, 20), 150);
  EXPECT_LE(rc.TextWidth(path), 150);
  EXPECT_NE(path.find(u"..."), UnicodeString::npos);
  EXPECT_NE(path.find(u"a_long_file_name.txt"), UnicodeString::npos);
}

}  // namespace
}  // namespace lx
