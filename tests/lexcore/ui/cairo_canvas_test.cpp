#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "lexcore/ui/lx_cairocanvas.h"
#include "test_files.h"

namespace lx {
namespace {

TEST(CairoCanvasTest, MeasuresWithTheRealFontAndSubstitutesMissingFamilies) {
  TCairoCanvas canvas(csk_png, 200, 50);
  EXPECT_EQ(canvas.FallbackFamily(), u"DejaVu Sans");
  canvas.Font.Name = u"DejaVu Sans";
  const int32_t iii = canvas.TextWidth(u"iii"), mmm = canvas.TextWidth(u"mmm");
  EXPECT_GT(mmm, 2 * iii);
  EXPECT_EQ(canvas.TextWidth(u""), 0);
  const TTextMetric tm = canvas.GetTextMetrics();
  EXPECT_EQ(tm.tmHeight, tm.tmAscent + tm.tmDescent);
  EXPECT_EQ(canvas.TextHeight(u"Yy"), tm.tmHeight);
  canvas.Font.Size = 20;
  EXPECT_GT(canvas.TextWidth(u"mmm"), mmm);

  // The model's default face is not installed here: it is drawn in the fallback and noted once.
  canvas.Font = TFont{};
  canvas.Font.Name = u"No Such Face Anywhere";
  EXPECT_GT(canvas.TextWidth(u"abc"), 0);
  canvas.TextWidth(u"abc");
  ASSERT_EQ(canvas.SubstitutedFamilies().size(), 1u);
  EXPECT_EQ(canvas.SubstitutedFamilies()[0], u"No Such Face Anywhere");

  try {
    TCairoCanvas bad(csk_png, 10, 10, u"No Such Face Anywhere");
    FAIL() << "a missing family must be refused";
  } catch (const ECanvasError& e) {
    EXPECT_NE(std::string(e.what()).find("\"No Such Face Anywhere\" is not installed"), std::string::npos);
  }
}

TEST(CairoCanvasTest, FitCountsWholeCharactersAndSurvivesOddUnits) {
  TCairoCanvas canvas(csk_png, 100, 20);
  canvas.Font.Name = u"DejaVu Sans";
  const std::u16string text = u"ab\U0001F600cd";
  std::vector<int32_t> partial(text.size());
  TSize size;
  const int32_t all = canvas.GetTextExtentExPoint(text, 10000, partial, size);
  EXPECT_EQ(all, static_cast<int32_t>(text.size()));
  EXPECT_EQ(partial[2], partial[3]);  // both units of the pair
  for (std::size_t i = 1; i < partial.size(); ++i) EXPECT_GE(partial[i], partial[i - 1]);
  const int32_t two = canvas.GetTextExtentExPoint(text, partial[1], partial, size);
  EXPECT_EQ(two, 2);
  const int32_t none = canvas.GetTextExtentExPoint(text, partial[2] - 1, partial, size);
  EXPECT_EQ(none, 2);  // never half the pair

  // Lone surrogates, controls and line breaks are measured and painted without complaint.
  const std::u16string odd = {u'a', 0xD800, u'b', 0xDC00, 0x0001, u'\n', u'c', 0x0000, u'd'};
  EXPECT_GT(canvas.TextWidth(odd), 0);
  canvas.TextOut(0, 0, odd);
}

TEST(CairoCanvasTest, PaintsPixelsWhereTextAndFillsGo) {
  TCairoCanvas canvas(csk_png, 120, 40);
  EXPECT_EQ(canvas.PixelAt(5, 5), 0xFFFFFF);  // a white page
  canvas.Brush.Color = 0x0000FF;              // red
  canvas.FillRect(Rect(10, 10, 20, 20));
  EXPECT_EQ(canvas.PixelAt(15, 15), 0x0000FF);
  EXPECT_EQ(canvas.PixelAt(25, 15), 0xFFFFFF);
  // Empty and inverted rectangles paint nothing.
  canvas.Brush.Color = 0x00FF00;
  canvas.FillRect(Rect(50, 10, 50, 30));
  canvas.FillRect(Rect(60, 30, 55, 10));
  const TRect inverted = Rect(70, 10, 60, 30);
  canvas.ExtTextOut(60, 10, ETO_OPAQUE | ETO_CLIPPED, &inverted, u"abc");
  for (int x = 40; x < 80; ++x)
    for (int y = 0; y < 40; ++y) ASSERT_EQ(canvas.PixelAt(x, y), 0xFFFFFF) << x << "," << y;
  EXPECT_EQ(canvas.PixelAt(-1, 0), -1);

  canvas.Font.Name = u"DejaVu Sans";
  canvas.Font.Color = 0;
  canvas.TextOut(2, 24, u"WWW");
  int dark = 0;
  for (int x = 2; x < 2 + canvas.TextWidth(u"WWW"); ++x)
    for (int y = 24; y < 24 + canvas.TextHeight(u"W"); ++y) dark += canvas.PixelAt(x, y) != 0xFFFFFF;
  EXPECT_GT(dark, 20);
  const std::string png = canvas.FinishToBytes();
  ASSERT_GT(png.size(), 8u);
  EXPECT_EQ(png.substr(1, 3), "PNG");
  EXPECT_THROW(canvas.FinishToBytes(), ECanvasError);
}

TEST(CairoCanvasTest, PdfHasOnePagePerNewPageAndSvgIsOnePicture) {
  lxtest::TempDir dir;
  TCairoCanvas pdf(csk_pdf, 794, 1123);
  pdf.TextOut(50, 50, u"first");
  pdf.NewPage();
  pdf.TextOut(50, 50, u"second");
  EXPECT_EQ(pdf.PageCount(), 2);
  pdf.SaveToFile(dir.File("two.pdf"));
  const std::string bytes = dir.Read("two.pdf");
  EXPECT_EQ(bytes.substr(0, 5), "%PDF-");
  EXPECT_NE(bytes.find("/Count 2"), std::string::npos);

  TCairoCanvas svg(csk_svg, 100, 50);
  svg.Brush.Color = 0xFF0000;
  svg.FillRect(Rect(0, 0, 10, 10));
  EXPECT_THROW(svg.NewPage(), ECanvasError);
  const std::string text = svg.FinishToBytes();
  EXPECT_NE(text.find("<svg"), std::string::npos);
}

}  // namespace
}  // namespace lx
