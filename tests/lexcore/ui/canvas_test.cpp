#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "lexcore/text/my_string_functions.h"
#include "lexcore/ui/lx_recordingcanvas.h"

namespace lx {
namespace {

TEST(CanvasTest, MeasuresWithTheFontItHasNow) {
  TCanvas canvas;
  EXPECT_EQ(canvas.TextExtent(u"abc"), (TSize{21, 15}));
  canvas.Font.Size = 20;
  EXPECT_EQ(canvas.TextExtent(u"abc"), (TSize{15 + 15 + 14, 25 + 6}));  // em 27 pixels
  canvas.Font.Style = {fsBold};
  EXPECT_EQ(canvas.TextWidth(u"abc"), 44 + 3);
  canvas.Font.Name = u"Lucida Console";
  EXPECT_EQ(canvas.TextWidth(u"iii"), canvas.TextWidth(u"mmm"));
  canvas.Font = TFont{};
  EXPECT_EQ(canvas.TextHeight(u"Yy"), 15);
  EXPECT_EQ(canvas.GetTextMetrics().tmAscent, 12);

  std::array<int32_t, 3> partial{};
  TSize size;
  EXPECT_EQ(canvas.GetTextExtentExPoint(u"abc", 15, partial, size), 2);
  EXPECT_EQ(size, (TSize{21, 15}));
  EXPECT_EQ(partial[2], 21);
}

TEST(CanvasTest, MeasuringCanvasOnlyMovesThePen) {
  TCanvas canvas;
  canvas.TextOut(10, 4, u"abc");
  EXPECT_EQ(canvas.PenPos, (TPoint{31, 4}));
  canvas.LineTo(50, 60);
  EXPECT_EQ(canvas.PenPos, (TPoint{50, 60}));
}

TEST(CanvasTest, RecordsWhatWasPaintedWithItsState) {
  TRecordingCanvas canvas;
  canvas.Brush.Color = 0xFFFFFF;
  canvas.FillRect(Rect(0, 0, 80, 16));
  canvas.Font.Style = {fsBold};
  canvas.Font.Color = 0xFF0000;  // blue
  canvas.TextOut(4, 2, u"caf\u00e9");
  canvas.BackgroundMode = bkTransparent;
  canvas.TextAlign = TA_RIGHT | TA_RTLREADING;
  canvas.TextOut(70, 2, u"x");
  canvas.Brush.Style = bsClear;
  canvas.FillRect(Rect(0, 0, 5, 5));  // a clear brush paints nothing
  canvas.TextRect(Rect(0, 16, 40, 32), 2, 18, u"cut");
  canvas.Pen.Color = 0x800080;
  canvas.MoveTo(1, 1);
  canvas.LineTo(1, 30);
  canvas.Rectangle(Rect(1, 2, 3, 4));
  canvas.Brush = TBrush{};
  const std::array<TPoint, 3> triangle{TPoint{0, 0}, TPoint{6, 0}, TPoint{3, 4}};
  canvas.Polygon(triangle);
  canvas.Polygon({});
  canvas.ExtTextOut(0, 40, ETO_CLIPPED | ETO_OPAQUE, nullptr, u"");

  const std::vector<std::string> expected = {
      "fill 0,0,80,16 #FFFFFF",
      "text 4,2 \"caf\xc3\xa9\" Tahoma 10 b #FF0000 opaque #FFFFFF",
      "text 70,2 \"x\" Tahoma 10 b #FF0000 transparent rtl",
      "text 2,18 \"cut\" Tahoma 10 b #FF0000 transparent rtl clip 0,16,40,32",
      "line 1,1 1,30 #800080",
      "rectangle 1,2,3,4 pen #800080 brush clear",
      "polygon 0,0 6,0 3,4 #FFFFFF",
      "text 0,40 \"\" Tahoma 10 b #FF0000 opaque #FFFFFF rtl",
  };
  EXPECT_EQ(canvas.Described(), expected);
  EXPECT_EQ(canvas.Ops[1].text, u"caf\u00e9");
  canvas.Clear();
  EXPECT_TRUE(canvas.Ops.empty());
}

TEST(TextSizeOfStringTest, LinesAndTheWidestOfThem) {
  const TFont font;
  EXPECT_EQ(TextSizeOfString(u"", font), (TSize{0, 15}));
  EXPECT_EQ(TextSizeOfString(u"abc", font), (TSize{21, 15}));
  EXPECT_EQ(TextSizeOfString(u"ab\r\nabcd\nc", font), (TSize{28, 45}));
  EXPECT_EQ(TextSizeOfString(u"abc\r\n", font).cy, 15);  // a final line end adds no line
  EXPECT_EQ(TextSizeOfString(u"a\r\r", font).cy, 30);    // but an empty line between counts
  EXPECT_EQ(TextSizeOfString(u"\n", font), (TSize{0, 15}));
  EXPECT_EQ(TextWidthOfString(u"ab\ncdefg", font), TextWidthOfString(u"cdefg", font));
  TFont bigger;
  bigger.Size = 20;
  EXPECT_GT(TextWidthOfString(u"abc", bigger), TextWidthOfString(u"abc", font));
}

}  // namespace
}  // namespace lx
