#include "lexcore/drawing/print_utilities.h"

#include <algorithm>
#include <cmath>

#include "lexcore/drawing/rectangle_utilities.h"
#include "lexcore/rtl/lx_log.h"

namespace lx {

namespace {

int32_t Round(double v) {
  return static_cast<int32_t>(std::lround(v));
}

template <std::size_t N>
void CopyText(std::u16string_view s, std::array<char16_t, N>& a) {
  a.fill(0);
  std::copy_n(s.begin(), std::min(s.size(), N - 1), a.begin());
}

template <std::size_t N>
UnicodeString TextOf(const std::array<char16_t, N>& a) {
  return UnicodeString(a.data(), static_cast<std::size_t>(std::find(a.begin(), a.end(), u'\0') - a.begin()));
}

}  // namespace

double GetPrintPrintableWidthInches(const TLXPrinter_rec& rec, bool across) {
  const TRect& r = rec.print_area_in_print_dots;
  return (across ? r.Width() : r.Height()) / static_cast<double>(std::max(1, rec.DotsPerInch));
}

TPrinterOrganiser::TPrinterOrganiser(TPrinter* printer) : printer_(printer) {
  fp_choice.options = {poPageNums, poSelection, poDisablePrintToFile};
  fp_choice.PRange = prPageNums;
}

void TPrinterOrganiser::GetCurrentPrinterInfo() {
  fp_rec.ScreenPixelsPerPolegada = kScreenPixelsPerInch;
  fp_rec.PrintToScreenRatio = 1.0f;
  TPrinter& p = printer_ ? *printer_ : Printer();
  if (p.Printers.empty() || p.PrinterIndex < 0) {
    AddToLogFile(u"PRINTER NEEDED");
    return;
  }
  CopyText(p.PrinterName(), fp_rec.nome);
  CopyText(p.Driver, fp_rec.driver);
  CopyText(p.Port, fp_rec.port);
  AddToLogFile(u"PRINTER= " + p.PrinterName());
  if (!p.HasDeviceMode) return;

  fp_rec.DotsPerInch = p.DotsPerInch;
  const int32_t width = p.PhysicalWidth() - 2 * p.OffsetX, height = p.PhysicalHeight() - 2 * p.OffsetY;
  fp_rec.print_area_in_print_dots = Rect(0, 0, width, height);
  const double dpi = std::max(1, fp_rec.DotsPerInch);
  fp_rec.print_area_MM = Rect(0, 0, Round(width / dpi * 25.4), Round(height / dpi * 25.4));

  const TPrinterDeviceMode& dm = p.DeviceMode;
  int32_t w, h;
  if (dm.dmPaperSize && TPrinter::PaperSizeMM(dm.dmPaperSize, w, h)) fp_rec.current_papersize = {w, h};
  if (dm.dmColor) fp_ini_preferences.monochrome = false;
  if (dm.dmOrientation == 1) {
    fp_ini_preferences.orientation = poPortrait;
  } else if (dm.dmOrientation == 2) {
    fp_ini_preferences.orientation = poLandscape;
    std::swap(fp_rec.current_papersize.MMwidth, fp_rec.current_papersize.MMheight);
  }
  if (dm.dmYResolution) fp_rec.DotsPerInch = dm.dmYResolution;
  fp_rec.PrintToScreenRatio = static_cast<float>(fp_rec.DotsPerInch) / fp_rec.ScreenPixelsPerPolegada;
  SetPrinterSizesToMargins(1, 1, 1, 1, fp_ini_preferences.units);
}

void TPrinterOrganiser::SetPrinterSizesToMargins(double left, double right, double top, double bottom,
                                                 TScreenMeasurementUnits units) {
  fp_ini_preferences.LeftMarginInches = static_cast<float>(left);
  fp_ini_preferences.RightMarginInches = static_cast<float>(right);
  fp_ini_preferences.TopMarginInches = static_cast<float>(top);
  fp_ini_preferences.BottomMarginInches = static_cast<float>(bottom);
  fp_ini_preferences.units = units;
  const double fDots = units == sm_inches ? fp_rec.DotsPerInch : fp_rec.DotsPerInch / 2.54;
  const double fMM = units == sm_inches ? 25.4 : 10.0;
  const TRect& dots = fp_rec.print_area_in_print_dots;
  fp_rec.print_to_area = Rect(Round(left * fDots), Round(top * fDots), dots.Right - Round(right * fDots),
                              dots.Bottom - Round(bottom * fDots));
  const TRect& mm = fp_rec.print_area_MM;
  fp_rec.print_to_area_MM = Rect(mm.Left + Round(left * fMM), mm.Top + Round(top * fMM),
                                 mm.Right - Round(right * fMM), mm.Bottom - Round(bottom * fMM));
  fp_rec.PrinterPrint_to_Width = fp_rec.print_to_area.Width();
  fp_rec.PrinterPrint_to_height = fp_rec.print_to_area.Height();
}

void TPrinterOrganiser::SetOrientation(TPrinterOrientation orientation) {
  if (orientation == fp_ini_preferences.orientation) return;
  fp_ini_preferences.orientation = orientation;
  const bool portrait = orientation == poPortrait;
  for (TRect* r : {&fp_rec.print_area_MM, &fp_rec.print_to_area_MM, &fp_rec.print_to_area,
                   &fp_rec.print_area_in_print_dots})
    *r = OrientedRect(*r, portrait);
  std::swap(fp_rec.current_papersize.MMwidth, fp_rec.current_papersize.MMheight);
  int32_t& w = fp_rec.PrinterPrint_to_Width;
  int32_t& h = fp_rec.PrinterPrint_to_height;
  if ((portrait && w > h) || (!portrait && w < h)) std::swap(w, h);
}

void TPrinterOrganiser::SetHeaderOrFooterAndWanted(std::u16string_view text, bool is_header, bool wanted) {
  CopyText(text, is_header ? fp_ini_preferences.Header : fp_ini_preferences.Footer);
  (is_header ? fp_ini_preferences.HeaderWanted : fp_ini_preferences.FooterWanted) = wanted && !text.empty();
}

void TPrinterOrganiser::SetDefaultChoices(int32_t columns, int32_t page, int32_t pages) {
  fp_choice.options = {poPageNums, poSelection};
  fp_choice.PRange = prPageNums;
  fp_choice.copies = 1;
  fp_choice.total_pages = pages;
  fp_choice.first_page = fp_choice.last_page = page;
  fp_choice.Selection.Left = 0;
  fp_choice.Selection.Right = columns - 1;
}

void TPrinterOrganiser::SetFirstLastPage(int32_t page, bool is_first) {
  (is_first ? fp_choice.first_page : fp_choice.last_page) = page;
}

UnicodeString TPrinterOrganiser::HeaderText() const {
  return TextOf(fp_ini_preferences.Header);
}

UnicodeString TPrinterOrganiser::FooterText() const {
  return TextOf(fp_ini_preferences.Footer);
}

}  // namespace lx
