#include "lexcore/drawing/rtf_utils.h"

#include <gtest/gtest.h>

#include "lexcore/ui/lx_recordingcanvas.h"
#include "test_files.h"

namespace lx {
namespace {

std::unique_ptr<TSimpleSearchlist> Words(
    std::initializer_list<std::pair<const char16_t*, TMySearchFlags>> words) {
  auto list = std::make_unique<TSimpleSearchlist>();
  for (const auto& [w, f] : words) {
    TSearchContextRec r;
    r.mainwd.word = w;
    r.mainwd.flags = f;
    list->AddOne(r);
  }
  return list;
}

const TMySearchFlags kBounded{sw_flag_left_boundary, sw_flag_right_boundary};

TEST(RtfUtilsTest, ColoursKeyWordsAfterTheHeaderAndRecordsThem) {
  TRichEdit edit;
  edit.SetText(u"cat header\r\nthe cat sat; a Cat ran; catalogue\r\nend cat");
  TRicheditPositions pos;
  bool busy = false;
  const auto words = Words({{u"cat", kBounded}});
  const int32_t first = RichEdit_ColourAllTheseWordsFirstHitPos(
      &edit, u"header", 0x0000FF, busy, nullptr, &pos, words.get(), {}, {fsBold}, 0, 0, 0xCDFAFF);
  EXPECT_FALSE(busy);
  // The "cat" before the header is neither recorded nor coloured; catalogue is no whole word.
  ASSERT_EQ(pos.Count(), 3);
  EXPECT_EQ(pos.GetAPositionRec(0), (TRichEditPosition_rec{15, 3, 0, -1, 0}));
  EXPECT_EQ(pos.GetAPositionRec(1).char_pos, 26);
  EXPECT_EQ(first, 15);
  EXPECT_EQ(edit.FormatAt(0).Color, 0);
  EXPECT_EQ(edit.FormatAt(15).Color, 0x0000FF);
  EXPECT_EQ(edit.FormatAt(15).BackColor, 0xCDFAFF);
  EXPECT_TRUE(edit.FormatAt(17).Style.Contains(fsBold));
  EXPECT_EQ(edit.FormatAt(18).Color, 0);
  EXPECT_EQ(edit.LineFromChar(edit.SelStart), 1);  // scrolled to the first hit

  // Only before the header: nothing.
  edit.SetText(u"cat only here\nheader and more");
  EXPECT_EQ(RichEdit_ColourAllTheseWordsFirstHitPos(&edit, u"header", 0xFF, busy, nullptr, &pos, words.get(),
                                                    {}, {}, 0, 0, 0),
            -1);
  EXPECT_EQ(pos.Count(), 0);
  EXPECT_EQ(RichEdit_ColourAllTheseWordsFirstHitPos(nullptr, u"", 0xFF, busy, nullptr, &pos, words.get(), {},
                                                    {}, 0, 0, 0),
            -1);
}

TEST(RtfUtilsTest, BoundsContextWordsNegativesAndStopping) {
  TRichEdit edit;
  edit.SetText(u"the bobcat and the old dog, the dog barked");
  TSimpleSearchlist words;
  TSearchContextRec neg;
  neg.mainwd.word = u"dog";
  neg.mainwd.flags = kBounded;
  neg.mainwd.flags.Include(sw_flag_tilde);
  neg.context_words[0].word = u"old";
  neg.context_seek_span = 10;
  TSearchContextRec cat;
  cat.mainwd.word = u"cat";
  cat.mainwd.flags = TMySearchFlags{sw_flag_left_boundary};
  words.AddOne(cat);
  words.AddOne(neg);
  TRicheditPositions pos;
  bool busy = false;
  std::vector<int32_t> seen;
  RichEdit_ColourAllTheseWordsFirstHitPos(
      &edit, u"", 1, busy, [&](int32_t p) { seen.push_back(p); }, &pos, &words, {fsItalic}, {}, 0x00FF00,
      0x0000FF, 2);
  EXPECT_EQ(seen, (std::vector<int32_t>{0, 50}));
  // bobcat fails the left bound; "dog" needs "old" shortly before it, which only the first has.
  ASSERT_EQ(pos.Count(), 1);
  EXPECT_EQ(pos.GetAPositionRec(0), (TRichEditPosition_rec{23, 3, 1, 19, 3}));
  EXPECT_EQ(edit.FormatAt(23).Color, 0x0000FF);
  EXPECT_EQ(edit.FormatAt(19).BackColor, 0x00FF00);
  EXPECT_TRUE(edit.FormatAt(19).Style.Contains(fsItalic));

  // Clearing busy from the progress callback stops after the current key word.
  edit.SetText(u"dog cat");
  const auto two = Words({{u"dog", kBounded}, {u"cat", kBounded}});
  RichEdit_ColourAllTheseWordsFirstHitPos(
      &edit, u"", 1, busy, [&](int32_t) { busy = false; }, &pos, two.get(), {}, {}, 0, 0, 0);
  EXPECT_EQ(pos.Count(), 1);
}

TEST(RtfUtilsTest, ScrollingCentringAndInserting) {
  TRichEdit edit;
  std::u16string text;
  for (int i = 0; i < 100; ++i) text += u"line\r\n";
  edit.SetText(text);
  edit.ClientHeight = 20 * edit.LineHeight();
  CentreLineVerticallyInEdit(edit, 50);
  EXPECT_EQ(edit.FirstVisibleLine(), 41);
  RichEdit_ScrollToPOsition(edit, -1);
  EXPECT_EQ(edit.FirstVisibleLine(), 41);
  RichEdit_ScrollToPOsition(edit, edit.LineStart(90));
  EXPECT_EQ(edit.FirstVisibleLine(), 71);
  RichEdit_ScrollToPOsition(edit, 0);
  EXPECT_EQ(edit.FirstVisibleLine(), 0);

  RichEdit_InsertColouredLineAtTop(edit, u"Title", 0x0000FF, {fsBold});
  EXPECT_EQ(edit.PlainText().substr(0, 11), u"Title\nline\n");
  EXPECT_EQ(edit.FormatAt(0).Color, 0x0000FF);
  EXPECT_EQ(edit.FormatAt(6).Color, 0);
  SetRicheditMargins(edit, 8, -3);
  EXPECT_EQ(edit.LeftMargin, 8);
  EXPECT_EQ(edit.RightMargin, 0);
}

TEST(RtfUtilsTest, SavesRtfAndHtmlAndPaints) {
  TRichEdit edit;
  edit.Font.Name = u"DejaVu Sans";
  edit.SetText(u"plain {brace} caf\u00E9 <b>\r\nsecond");
  RichEdit_ColourASection(edit, 0x0000FF, 0xCDFAFF, 5, 0, {fsBold});
  const std::string rtf = edit.RTFText();
  EXPECT_EQ(rtf.rfind("{\\rtf1", 0), 0u);
  EXPECT_NE(rtf.find("\\red255\\green0\\blue0;"), std::string::npos);
  EXPECT_NE(rtf.find("\\highlight"), std::string::npos);
  EXPECT_NE(rtf.find("\\b plain}"), std::string::npos);
  EXPECT_NE(rtf.find("\\{brace\\}"), std::string::npos);
  EXPECT_NE(rtf.find("caf\\u233?"), std::string::npos);
  EXPECT_NE(rtf.find("\\par"), std::string::npos);
  EXPECT_EQ(std::count(rtf.begin(), rtf.end(), '{') - std::count(rtf.begin(), rtf.end(), '}'), 0);
  const std::string html = edit.HTMLText();
  EXPECT_NE(html.find("<span style=\"color:#ff0000;background-color:#fffacd;font-weight:bold\">plain</span>"),
            std::string::npos);
  EXPECT_NE(html.find("&lt;b&gt;"), std::string::npos);
  EXPECT_NE(html.find("caf\xC3\xA9"), std::string::npos);

  lxtest::TempDir dir;
  edit.SaveToRTF(dir.File("t.rtf"));
  edit.SaveToHTML(dir.File("t.html"));
  EXPECT_EQ(dir.Read("t.rtf"), rtf);
  EXPECT_EQ(dir.Read("t.html"), html);

  TRecordingCanvas canvas;
  edit.PaintTo(canvas, Rect(0, 0, 300, 100));
  ASSERT_GE(canvas.Ops.size(), 3u);
  EXPECT_EQ(DescribeCanvasOp(canvas.Ops[0]), "fill 0,0,300,100 #FFFFFF");
  EXPECT_EQ(canvas.Ops[1].text, u"plain");
  EXPECT_EQ(canvas.Ops[1].font.Color, 0x0000FF);
  EXPECT_TRUE(canvas.Ops[1].options & ETO_OPAQUE);
  canvas.Clear();
  edit.PaintTo(canvas, Rect(0, 0, 0, 100));
  EXPECT_TRUE(canvas.Ops.empty());
}

}  // namespace
}  // namespace lx
