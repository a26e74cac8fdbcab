// The printer organiser: the user's print preferences, the choices of one print run and the page geometry of
// the current printer in millimetres, printer dots and screen pixels. Grids cut their rows into pages with
// it; text views take their page rectangle from it.
#pragma once

#include <array>
#include <cstdint>

#include "lexcore/definitions/option_texts.h"
#include "lexcore/rtl/lx_object.h"
#include "lexcore/rtl/lx_set.h"
#include "lexcore/ui/lx_printer.h"

namespace lx {

enum TPrintDialogOption : uint8_t {
  poPrintToFile,
  poPageNums,
  poSelection,
  poWarning,
  poHelp,
  poDisablePrintToFile
};
using TPrintDialogOptions = Set<TPrintDialogOption, 1>;
enum TPrintRange : uint8_t { prAllPages, prSelection, prPageNums };

struct TGridRect {
  int32_t Left = 0, Top = 0, Right = 0, Bottom = 0;
  bool operator==(const TGridRect&) const = default;
};

struct TLXPrintIniPreferences {
  std::array<char16_t, 81> Header{};  // may hold "<date>" and "<page number>"
  std::array<char16_t, 81> Footer{};
  bool HeaderWanted = false;
  bool FooterWanted = false;
  bool monochrome = false;
  float LeftMarginInches = 1, RightMarginInches = 1, TopMarginInches = 1, BottomMarginInches = 1;
  TPrinterOrientation orientation = poPortrait;
  TScreenMeasurementUnits units = sm_inches;
};

struct TLXPrintChoice {
  TPrintDialogOptions options;
  TPrintRange PRange = prAllPages;
  int32_t copies = 0, total_pages = 0, first_page = 0, last_page = 0;
  TGridRect Selection;
};

struct TPapersize_rec {
  int32_t MMwidth = 0, MMheight = 0;
};

struct TLXPrinter_rec {
  std::array<char16_t, 80> nome{}, driver{}, port{};
  int32_t PrinterPrint_to_Width = 0, PrinterPrint_to_height = 0;
  int32_t ScreenPixelsPerPolegada = 0;
  int32_t DotsPerInch = 0;
  TRect print_area_MM, print_to_area_MM, print_to_area, print_area_in_print_dots;
  TPapersize_rec current_papersize;
  float PrintToScreenRatio = 0;
};

// The width (across) or height of the printable area in inches.
double GetPrintPrintableWidthInches(const TLXPrinter_rec& rec, bool across);

class TPrinterOrganiser : public TObject {
 public:
  // printer: the device to read; the process's printer when null.
  explicit TPrinterOrganiser(TPrinter* printer = nullptr);

  void GetCurrentPrinterInfo();
  void SetPrinterSizesToMargins(double left, double right, double top, double bottom,
                                TScreenMeasurementUnits units);
  void SetOrientation(TPrinterOrientation orientation);
  void SetUnits(TScreenMeasurementUnits units) { fp_ini_preferences.units = units; }
  void ToggleMonochrome() { fp_ini_preferences.monochrome = !fp_ini_preferences.monochrome; }
  void SetHeaderOrFooterAndWanted(std::u16string_view text, bool is_header, bool wanted);
  void SetChoice(const TLXPrintChoice& choice) { fp_choice = choice; }
  void SetDefaultChoices(int32_t columns, int32_t page, int32_t pages);
  void SetFirstLastPage(int32_t page, bool is_first);
  void SetSelection(const TGridRect& rect) { fp_choice.Selection = rect; }
  double GetPrinterPrintableWidthInches(bool across) const {
    return GetPrintPrintableWidthInches(fp_rec, across);
  }

  UnicodeString HeaderText() const;
  UnicodeString FooterText() const;

  TLXPrintIniPreferences fp_ini_preferences;
  TLXPrintChoice fp_choice;
  TLXPrinter_rec fp_rec;

 private:
  TPrinter* printer_;
};

}  // namespace lx
