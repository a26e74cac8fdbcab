// The printer as display code sees it: a list of printers, the current one's device settings (paper,
// orientation, colour, resolution), its page geometry in dots, and a document of pages painted on a canvas.
// The printer here is a PDF file: each page of the document is a page of the file, saved when the document
// ends.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "lexcore/rtl/lx_types.h"
#include "lexcore/ui/lx_cairocanvas.h"

namespace lx {

enum TPrinterOrientation : uint8_t { poPortrait, poLandscape };

// Paper sizes by the device-mode codes printers report.
constexpr int16_t DMPAPER_LETTER = 1;
constexpr int16_t DMPAPER_LEGAL = 5;
constexpr int16_t DMPAPER_A3 = 8;
constexpr int16_t DMPAPER_A4 = 9;
constexpr int16_t DMPAPER_A5 = 11;
constexpr int16_t DMPAPER_B4 = 12;
constexpr int16_t DMPAPER_B5 = 13;

// What a printer's device mode says; a field of 0 is one the device did not give.
struct TPrinterDeviceMode {
  int16_t dmPaperSize = DMPAPER_A4;
  int16_t dmOrientation = 1;  // 1 portrait, 2 landscape
  int16_t dmColor = 2;        // 1 monochrome, 2 colour
  int16_t dmYResolution = 0;
};

class TPrinter {
 public:
  TPrinter();
  ~TPrinter();
  TPrinter(const TPrinter&) = delete;
  TPrinter& operator=(const TPrinter&) = delete;

  std::vector<UnicodeString> Printers;  // installed printers' names
  int32_t PrinterIndex = 0;
  UnicodeString Driver = u"pdf";
  UnicodeString Port;  // the file the next document goes to
  int32_t DotsPerInch = 300;
  bool HasDeviceMode = true;
  TPrinterDeviceMode DeviceMode;
  // Where a margin must be left that the device cannot print on, in dots (none on a PDF page).
  int32_t OffsetX = 0, OffsetY = 0;

  UnicodeString PrinterName() const;
  TPrinterOrientation Orientation() const { return DeviceMode.dmOrientation == 2 ? poLandscape : poPortrait; }
  void SetOrientation(TPrinterOrientation o) { DeviceMode.dmOrientation = o == poLandscape ? 2 : 1; }
  // The paper in millimetres, portrait; false for a code not in the table.
  static bool PaperSizeMM(int16_t code, int32_t& width, int32_t& height);
  // The whole sheet in dots, turned as the orientation says.
  int32_t PhysicalWidth() const;
  int32_t PhysicalHeight() const;
  int32_t PageWidth() const { return PhysicalWidth() - 2 * OffsetX; }
  int32_t PageHeight() const { return PhysicalHeight() - 2 * OffsetY; }

  // A document: pages painted on Canvas(), the file written durably by EndDoc.
  void BeginDoc();
  void NewPage();
  void EndDoc();
  void Abort();
  bool Printing() const { return canvas_ != nullptr; }
  int32_t PageNumber() const { return canvas_ ? canvas_->PageCount() : 0; }
  TCairoCanvas& Canvas();

 private:
  std::unique_ptr<TCairoCanvas> canvas_;
};

// The process's printer, made on first use with one printer, "PDF file".
TPrinter& Printer();

}  // namespace lx
