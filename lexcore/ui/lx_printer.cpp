#include "lexcore/ui/lx_printer.h"

#include <cmath>

namespace lx {

TPrinter::TPrinter() : Printers{u"PDF file"} {}

TPrinter::~TPrinter() = default;

UnicodeString TPrinter::PrinterName() const {
  return PrinterIndex >= 0 && PrinterIndex < static_cast<int32_t>(Printers.size())
             ? Printers[static_cast<std::size_t>(PrinterIndex)]
             : UnicodeString();
}

bool TPrinter::PaperSizeMM(int16_t code, int32_t& width, int32_t& height) {
  switch (code) {
    case DMPAPER_LETTER:
      width = 216, height = 279;
      return true;
    case DMPAPER_LEGAL:
      width = 216, height = 355;
      return true;
    case DMPAPER_A3:
      width = 297, height = 420;
      return true;
    case DMPAPER_A4:
      width = 210, height = 297;
      return true;
    case DMPAPER_A5:
      width = 148, height = 210;
      return true;
    case DMPAPER_B4:
      width = 250, height = 354;
      return true;
    case DMPAPER_B5:
      width = 182, height = 257;
      return true;
    default:
      return false;
  }
}

namespace {

// The sheet exactly, in tenths of a millimetre (the whole millimetres above are rounded: a Letter sheet of
// 216 × 279 mm would be 1.2 points short of its 11 inches).
void PaperSizeTenths(int16_t code, int32_t& width, int32_t& height) {
  switch (code) {
    case DMPAPER_LETTER:
      width = 2159, height = 2794;
      return;
    case DMPAPER_LEGAL:
      width = 2159, height = 3556;
      return;
    default: {
      int32_t w = 210, h = 297;
      TPrinter::PaperSizeMM(code, w, h);
      width = 10 * w, height = 10 * h;
    }
  }
}

int32_t TenthsToDots(int32_t tenths, int32_t dpi) {
  return static_cast<int32_t>(std::lround(tenths / 254.0 * dpi));
}

}  // namespace

int32_t TPrinter::PhysicalWidth() const {
  int32_t w = 0, h = 0;
  PaperSizeTenths(DeviceMode.dmPaperSize, w, h);
  return TenthsToDots(Orientation() == poLandscape ? h : w, DotsPerInch);
}

int32_t TPrinter::PhysicalHeight() const {
  int32_t w = 0, h = 0;
  PaperSizeTenths(DeviceMode.dmPaperSize, w, h);
  return TenthsToDots(Orientation() == poLandscape ? w : h, DotsPerInch);
}

void TPrinter::BeginDoc() {
  if (canvas_) throw ECanvasError("a print document is already open");
  if (Port.empty()) throw ECanvasError("no file to print to");
  canvas_ = std::make_unique<TCairoCanvas>(csk_pdf, PhysicalWidth(), PhysicalHeight(), UnicodeString(),
                                           DotsPerInch);
}

void TPrinter::NewPage() {
  Canvas().NewPage();
}

void TPrinter::EndDoc() {
  std::unique_ptr<TCairoCanvas> c = std::move(canvas_);
  if (!c) throw ECanvasError("no print document is open");
  c->SaveToFile(Port);
}

void TPrinter::Abort() {
  canvas_.reset();
}

TCairoCanvas& TPrinter::Canvas() {
  if (!canvas_) throw ECanvasError("no print document is open");
  return *canvas_;
}

TPrinter& Printer() {
  static TPrinter printer;
  return printer;
}

}  // namespace lx
