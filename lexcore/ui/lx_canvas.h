// The drawing surface that display code paints on. This base canvas measures text with the font model of
// lx_fontmetrics and keeps the pen position, but puts nothing anywhere: it is the measuring surface that
// layout code uses on its own. Devices (the recording canvas of the tests, picture backends) override the
// painting operations.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "lexcore/ui/lx_fontmetrics.h"
#include "lexcore/ui/lx_graphics.h"

namespace lx {

// Text alignment of TextOut, as SetTextAlign takes it.
constexpr uint32_t TA_LEFT = 0;
constexpr uint32_t TA_RIGHT = 2;
constexpr uint32_t TA_CENTER = 6;
constexpr uint32_t TA_TOP = 0;
constexpr uint32_t TA_BOTTOM = 8;
constexpr uint32_t TA_BASELINE = 24;
constexpr uint32_t TA_RTLREADING = 256;

// Options of ExtTextOut.
constexpr uint32_t ETO_OPAQUE = 2;
constexpr uint32_t ETO_CLIPPED = 4;
constexpr uint32_t ETO_RTLREADING = 0x80;

enum TBackgroundMode : uint8_t { bkOpaque, bkTransparent };

class TCanvas {
 public:
  TCanvas() = default;
  TCanvas(const TCanvas&) = delete;
  TCanvas& operator=(const TCanvas&) = delete;
  virtual ~TCanvas() = default;

  TFont Font;
  TBrush Brush;
  TPen Pen;
  uint32_t TextAlign = TA_LEFT | TA_TOP;
  TBackgroundMode BackgroundMode = bkOpaque;
  TPoint PenPos;

  // Measuring, always with the current Font; one line (line breaks take no room). A device with a real font
  // engine measures with it, so that layouts fit what it paints.
  virtual TSize TextExtent(std::u16string_view text) const;
  int32_t TextWidth(std::u16string_view text) const { return TextExtent(text).cx; }
  int32_t TextHeight(std::u16string_view text) const { return TextExtent(text).cy; }
  virtual TTextMetric GetTextMetrics() const;
  // Units of text that fit in maxExtent pixels, the extent after each unit (when partial has room for every
  // unit) and the size of the whole text.
  virtual int32_t GetTextExtentExPoint(std::u16string_view text, int32_t maxExtent,
                                       std::span<int32_t> partial, TSize& size) const;

  // Painting. TextOut moves the pen to the end of the text, as the runtime's canvas does.
  void TextOut(int32_t x, int32_t y, std::u16string_view text);
  void TextRect(const TRect& rect, int32_t x, int32_t y, std::u16string_view text);
  void ExtTextOut(int32_t x, int32_t y, uint32_t options, const TRect* rect, std::u16string_view text);
  void FillRect(const TRect& rect);
  void Rectangle(const TRect& rect);
  void MoveTo(int32_t x, int32_t y) { PenPos = {x, y}; }
  void LineTo(int32_t x, int32_t y);
  void Polygon(std::span<const TPoint> points);

 protected:
  // What a device does with each operation; the base canvas does nothing.
  virtual void PaintText(int32_t /*x*/, int32_t /*y*/, uint32_t /*options*/, const TRect* /*clip*/,
                         std::u16string_view /*text*/) {}
  virtual void PaintFill(const TRect& /*rect*/) {}
  virtual void PaintRectangle(const TRect& /*rect*/) {}
  virtual void PaintLine(TPoint /*from*/, TPoint /*to*/) {}
  virtual void PaintPolygon(std::span<const TPoint> /*points*/) {}

  const TFontMeasure& Measure() const;

 private:
  mutable std::optional<TFontMeasure> measure_;
  mutable TFont measured_font_;
};

}  // namespace lx
