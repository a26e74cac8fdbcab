// Geometry and the drawing tools a canvas carries: points, sizes, rectangles, font, brush and pen.
#pragma once

#include <cstdint>

#include "lexcore/rtl/lx_set.h"
#include "lexcore/rtl/lx_types.h"

namespace lx {

struct TPoint {
  int32_t x = 0;
  int32_t y = 0;
  bool operator==(const TPoint&) const = default;
};

struct TSize {
  int32_t cx = 0;
  int32_t cy = 0;
  bool operator==(const TSize&) const = default;
};

// Right and Bottom are exclusive, as on every raster device.
struct TRect {
  int32_t Left = 0;
  int32_t Top = 0;
  int32_t Right = 0;
  int32_t Bottom = 0;
  int32_t Width() const { return Right - Left; }
  int32_t Height() const { return Bottom - Top; }
  bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
  bool Contains(TPoint p) const { return p.x >= Left && p.x < Right && p.y >= Top && p.y < Bottom; }
  bool operator==(const TRect&) const = default;
};

inline TRect Rect(int32_t left, int32_t top, int32_t right, int32_t bottom) {
  return {left, top, right, bottom};
}

enum TFontStyle : uint8_t { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = Set<TFontStyle, 1>;

// fpDefault lets the face name decide (typewriter and console faces are fixed pitch).
enum TFontPitch : uint8_t { fpDefault, fpVariable, fpFixed };

constexpr int32_t kScreenPixelsPerInch = 96;

struct TFont {
  UnicodeString Name = u"Tahoma";
  int32_t Size = 10;  // points
  TFontStyles Style;
  TColor Color = 0;
  TFontPitch Pitch = fpDefault;
  int32_t PixelsPerInch = kScreenPixelsPerInch;
  // The em in device pixels: Size points at PixelsPerInch, rounded, never below 1 nor absurdly large.
  int32_t EmPixels() const;
  bool operator==(const TFont&) const = default;
};

enum TBrushStyle : uint8_t { bsSolid, bsClear };

struct TBrush {
  TColor Color = 0xFFFFFF;
  TBrushStyle Style = bsSolid;
  bool operator==(const TBrush&) const = default;
};

struct TPen {
  TColor Color = 0;
  int32_t Width = 1;
  bool operator==(const TPen&) const = default;
};

}  // namespace lx
