#include <gtest/gtest.h>

#include "lexcore/painting/RTL_and_LTR_Painting.h"
#include "lexcore/ui/lx_cairocanvas.h"

namespace lx {
namespace {

// Pixels of exactly this colour inside and outside a rectangle.
std::pair<int, int> CountColour(TCairoCanvas& c, TColor colour, const TRect& box) {
  int in = 0, out = 0;
  for (int y = 0; y < c.PageHeight(); ++y)
    for (int x = 0; x < c.PageWidth(); ++x)
      if (c.PixelAt(x, y) == colour) ++(box.Contains({x, y}) ? in : out);
  return {in, out};
}

TEST(TextDrawerPictureTest, HighlightedHitIsPaintedInsideItsRectangleOnly) {
  TCairoCanvas canvas(csk_png, 400, 40);
  canvas.Font.Name = canvas.FallbackFamily();
  TMyTextDrawer d;
  d.AddASearchRequest(u"cat");
  TRect used;
  d.DrawAChunkofText(u"the cat sat on the mat", canvas, Rect(0, 0, 400, 40), false, false, false, false,
                     default_aligned, 0x0809, used);
  const TColor search = d.search_colours_and_style.colourset.colours[tct_background];
  const int32_t x = canvas.TextWidth(u"the ");
  const TRect hit = Rect(x, 0, x + canvas.TextWidth(u"cat"), d.line_height);
  const auto [in, out] = CountColour(canvas, search, hit);
  EXPECT_GT(in, hit.Width() * hit.Height() / 3);
  EXPECT_EQ(out, 0);
}

TEST(TextDrawerPictureTest, ConcordanceHitIsCentredInThePicture) {
  TCairoCanvas canvas(csk_png, 600, 30);
  canvas.Font.Name = canvas.FallbackFamily();
  TMyTextDrawer d;
  TExtraFontList fonts;
  TExtraFontRec centre;
  centre.switch_on_at_char = 30;
  centre.switch_off_at_char = 36;
  centre.colour_rec = d.search_colours_and_style.colourset;
  fonts.AddOne(centre);
  TRect row = Rect(0, 0, 600, 30);
  const std::u16string text = u"a long left context here and target with its right context too";
  ASSERT_EQ(text.substr(29, 6), u"target");
  d.DrawConcText(text, 30, 6, canvas, 0x0809, &fonts, row, false, u' ', pra_printer);
  const TRect hit = Rect(300, 0, 300 + canvas.TextWidth(u"target"), 30);
  const auto [in, out] = CountColour(canvas, centre.colour_rec.colours[tct_background], hit);
  EXPECT_GT(in, 0);
  EXPECT_EQ(out, 0);
  // Context on both sides was painted.
  int leftInk = 0, rightInk = 0;
  for (int y = 0; y < 30; ++y) {
    for (int x = 0; x < 290; ++x) leftInk += canvas.PixelAt(x, y) != 0xFFFFFF;
    for (int x = hit.Right + 10; x < 600; ++x) rightInk += canvas.PixelAt(x, y) != 0xFFFFFF;
  }
  EXPECT_GT(leftInk, 50);
  EXPECT_GT(rightInk, 50);
}

}  // namespace
}  // namespace lx
