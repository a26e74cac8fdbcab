// A canvas that paints for people to look at: text is shaped and measured by Pango (so right-to-left scripts,
// fallback fonts and kerning come out as they will be seen) and painted by Cairo onto a PNG picture, a
// multi-page PDF document or an SVG drawing. Coordinates are device dots: pixels at 96 per inch for the
// screen and pictures, or the printer's dots per inch for a page; PDF and SVG pages are scaled to points, so
// a layout made in dots prints at its physical size.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "lexcore/rtl/lx_exceptions.h"
#include "lexcore/ui/lx_canvas.h"

namespace lx {

LX_DECLARE_EXCEPTION(ECanvasError, Exception)

enum TCairoSurfaceKind : uint8_t { csk_png, csk_pdf, csk_svg };

// True when fontconfig knows a family of this name (case does not matter).
bool FontFamilyInstalled(const UnicodeString& family);
// The family a canvas uses when none is named: the first installed of a short list of wide-coverage faces,
// or empty when none is.
UnicodeString DefaultInstalledFontFamily();

class TCairoCanvas : public TCanvas {
 public:
  // A page of widthPx x heightPx dots at dotsPerInch (PDF and SVG; a PNG is always 96). fallbackFamily stands
  // in for every font name that is not installed (the model's default face, for instance); it must itself be
  // installed, else ECanvasError says which family is missing and how to get it. Empty means
  // DefaultInstalledFontFamily().
  TCairoCanvas(TCairoSurfaceKind kind, int32_t widthPx, int32_t heightPx,
               const UnicodeString& fallbackFamily = {}, int32_t dotsPerInch = kScreenPixelsPerInch);
  ~TCairoCanvas() override;

  TSize TextExtent(std::u16string_view text) const override;
  TTextMetric GetTextMetrics() const override;
  int32_t GetTextExtentExPoint(std::u16string_view text, int32_t maxExtent, std::span<int32_t> partial,
                               TSize& size) const override;

  TCairoSurfaceKind Kind() const { return kind_; }
  int32_t PageWidth() const { return width_; }
  int32_t PageHeight() const { return height_; }
  int32_t DotsPerInch() const { return dpi_; }
  // Ends the page and starts a blank one (PDF; a picture keeps its single page, so this is refused there).
  void NewPage();
  int32_t PageCount() const { return pages_; }
  // Font names that were asked for but not installed, each once, in the order they were met.
  const std::vector<UnicodeString>& SubstitutedFamilies() const { return substituted_; }
  const UnicodeString& FallbackFamily() const { return fallback_; }

  // Finishes the surface and saves it durably; the canvas paints nothing afterwards. Throws ECanvasError
  // when Cairo failed, and the save's error when the file could not be written.
  void SaveToFile(const UnicodeString& fileName);
  // The finished bytes instead of a file (PNG, PDF or SVG).
  std::string FinishToBytes();

  // A pixel of a PNG canvas as 0x00BBGGRR (for tests and previews); -1 outside the page or on other kinds.
  TColor PixelAt(int32_t x, int32_t y);

 protected:
  void PaintText(int32_t x, int32_t y, uint32_t options, const TRect* clip,
                 std::u16string_view text) override;
  void PaintFill(const TRect& rect) override;
  void PaintRectangle(const TRect& rect) override;
  void PaintLine(TPoint from, TPoint to) override;
  void PaintPolygon(std::span<const TPoint> points) override;

 private:
  struct TImpl;
  void UseFont(bool rtl) const;
  std::unique_ptr<TImpl> impl_;
  TCairoSurfaceKind kind_;
  int32_t width_, height_;
  int32_t dpi_;
  int32_t pages_ = 1;
  bool finished_ = false;
  UnicodeString fallback_;
  mutable std::vector<UnicodeString> substituted_;
};

}  // namespace lx
