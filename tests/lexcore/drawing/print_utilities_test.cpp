#include "lexcore/drawing/print_utilities.h"

#include <gtest/gtest.h>

#include "lexcore/drawing/rectangle_utilities.h"

namespace lx {
namespace {

TEST(PrintUtilitiesTest, ReadsThePdfPrinterGeometry) {
  TPrinter printer;
  printer.DotsPerInch = 600;
  TPrinterOrganiser org(&printer);
  EXPECT_EQ(org.fp_choice.PRange, prPageNums);
  EXPECT_TRUE(org.fp_choice.options.Contains(poDisablePrintToFile));
  org.GetCurrentPrinterInfo();
  EXPECT_FLOAT_EQ(org.fp_rec.PrintToScreenRatio, 6.25f);
  EXPECT_EQ(org.fp_rec.current_papersize.MMwidth, 210);
  EXPECT_EQ(org.fp_rec.current_papersize.MMheight, 297);
  EXPECT_EQ(org.fp_rec.print_area_in_print_dots, Rect(0, 0, 4961, 7016));
  EXPECT_EQ(org.fp_rec.print_area_MM, Rect(0, 0, 210, 297));
  // One-inch margins all round.
  EXPECT_EQ(org.fp_rec.print_to_area, Rect(600, 600, 4361, 6416));
  EXPECT_EQ(org.fp_rec.print_to_area_MM, Rect(25, 25, 185, 272));
  EXPECT_NEAR(org.GetPrinterPrintableWidthInches(true), 8.27, 0.01);

  // A landscape device mode turns the paper.
  printer.SetOrientation(poLandscape);
  TPrinterOrganiser land(&printer);
  land.GetCurrentPrinterInfo();
  EXPECT_EQ(land.fp_rec.current_papersize.MMwidth, 297);
  EXPECT_EQ(land.fp_rec.current_papersize.MMheight, 210);
  EXPECT_EQ(land.fp_ini_preferences.orientation, poLandscape);

  // Without printers the geometry stays zero.
  TPrinter none;
  none.Printers.clear();
  TPrinterOrganiser empty(&none);
  empty.GetCurrentPrinterInfo();
  EXPECT_EQ(empty.fp_rec.DotsPerInch, 0);
  EXPECT_EQ(empty.fp_rec.print_to_area, TRect{});
}

TEST(PrintUtilitiesTest, MarginsOrientationAndChoices) {
  TPrinterOrganiser org;
  org.fp_rec.DotsPerInch = 600;
  org.fp_rec.print_area_in_print_dots = Rect(0, 0, 4800, 6000);
  org.SetPrinterSizesToMargins(1, 1, 1, 1, sm_inches);
  EXPECT_EQ(org.fp_rec.print_to_area.Left, 600);
  EXPECT_EQ(org.fp_rec.print_to_area.Right, 4200);
  org.SetPrinterSizesToMargins(2.54, 2.54, 0, 0, sm_centimetres);
  EXPECT_EQ(org.fp_rec.print_to_area, Rect(600, 0, 4200, 6000));
  EXPECT_EQ(org.fp_rec.PrinterPrint_to_Width, 3600);

  org.SetOrientation(poLandscape);
  EXPECT_EQ(org.fp_rec.print_area_in_print_dots, Rect(0, 0, 6000, 4800));
  EXPECT_GE(org.fp_rec.PrinterPrint_to_Width, org.fp_rec.PrinterPrint_to_height);
  org.SetOrientation(poLandscape);  // no change, nothing turns
  EXPECT_EQ(org.fp_rec.print_area_in_print_dots, Rect(0, 0, 6000, 4800));

  org.SetHeaderOrFooterAndWanted(u"", true, true);
  EXPECT_FALSE(org.fp_ini_preferences.HeaderWanted);
  org.SetHeaderOrFooterAndWanted(std::u16string(100, u'h'), true, true);
  EXPECT_TRUE(org.fp_ini_preferences.HeaderWanted);
  EXPECT_EQ(org.HeaderText().size(), 80u);
  org.SetDefaultChoices(5, 3, 9);
  EXPECT_EQ(org.fp_choice.copies, 1);
  EXPECT_EQ(org.fp_choice.first_page, 3);
  EXPECT_EQ(org.fp_choice.last_page, 3);
  EXPECT_EQ(org.fp_choice.Selection.Right, 4);
  org.SetFirstLastPage(7, false);
  EXPECT_EQ(org.fp_choice.last_page, 7);
}

TEST(PrintUtilitiesTest, RectangleHelpers) {
  EXPECT_EQ(OrientedRect(Rect(0, 0, 30, 10), true), Rect(0, 0, 10, 30));
  EXPECT_EQ(OrientedRect(Rect(0, 0, 10, 30), true), Rect(0, 0, 10, 30));
  EXPECT_EQ(OrientedRect(Rect(5, 5, 15, 35), false), Rect(5, 5, 35, 15));
  EXPECT_EQ(InvertedRect(Rect(2, 3, 12, 8)), Rect(2, 3, 7, 13));
  EXPECT_EQ(ShrinkRect(Rect(0, 0, 10, 10), 2), Rect(2, 2, 8, 8));
  EXPECT_EQ(RectCentredOnPoint({50, 50}, 10, 21), Rect(39, 45, 61, 55));
}

}  // namespace
}  // namespace lx
