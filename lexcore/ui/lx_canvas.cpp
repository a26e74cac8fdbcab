#include "lexcore/ui/lx_canvas.h"

namespace lx {

const TFontMeasure& TCanvas::Measure() const {
  // Measures depend only on the font, so they are rebuilt only when the font has changed.
  if (!measure_ || !(measured_font_ == Font)) {
    measure_.emplace(Font);
    measured_font_ = Font;
  }
  return *measure_;
}

TSize TCanvas::TextExtent(std::u16string_view text) const {
  const TFontMeasure& m = Measure();
  return {m.LineWidth(text), m.Metrics().tmHeight};
}

TTextMetric TCanvas::GetTextMetrics() const {
  return Measure().Metrics();
}

int32_t TCanvas::GetTextExtentExPoint(std::u16string_view text, int32_t maxExtent, std::span<int32_t> partial,
                                      TSize& size) const {
  const TFontMeasure& m = Measure();
  const int32_t fit = m.FitUnits(text, maxExtent, partial, size.cx);
  size.cy = m.Metrics().tmHeight;
  return fit;
}

void TCanvas::TextOut(int32_t x, int32_t y, std::u16string_view text) {
  PaintText(x, y, BackgroundMode == bkOpaque ? ETO_OPAQUE : 0, nullptr, text);
  MoveTo(x + TextWidth(text), y);
}

void TCanvas::TextRect(const TRect& rect, int32_t x, int32_t y, std::u16string_view text) {
  PaintText(x, y, ETO_CLIPPED | (Brush.Style == bsClear ? 0 : ETO_OPAQUE), &rect, text);
}

void TCanvas::ExtTextOut(int32_t x, int32_t y, uint32_t options, const TRect* rect,
                         std::u16string_view text) {
  PaintText(x, y, options, rect, text);
}

void TCanvas::FillRect(const TRect& rect) {
  if (Brush.Style != bsClear) PaintFill(rect);
}

void TCanvas::Rectangle(const TRect& rect) {
  PaintRectangle(rect);
}

void TCanvas::LineTo(int32_t x, int32_t y) {
  PaintLine(PenPos, {x, y});
  PenPos = {x, y};
}

void TCanvas::Polygon(std::span<const TPoint> points) {
  if (!points.empty()) PaintPolygon(points);
}

}  // namespace lx
