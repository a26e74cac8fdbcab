// Small rectangle helpers of page layout.
#pragma once

#include <cstdint>

#include "lexcore/ui/lx_graphics.h"

namespace lx {

// Transposed when it is wider than tall for portrait, or taller than wide for landscape.
TRect OrientedRect(const TRect& rect, bool portrait);
// Same top-left corner, width and height exchanged.
TRect InvertedRect(const TRect& rect);
// n pixels in from every side.
TRect ShrinkRect(const TRect& rect, int32_t n);
// Half the width and height, rounded, on each side of the point.
TRect RectCentredOnPoint(TPoint point, int32_t height, int32_t width);

}  // namespace lx
