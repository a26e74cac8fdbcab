#include "lexcore/drawing/rectangle_utilities.h"

#include <cmath>

namespace lx {

TRect OrientedRect(const TRect& rect, bool portrait) {
  const bool wide = rect.Width() > rect.Height(), tall = rect.Height() > rect.Width();
  return (portrait && wide) || (!portrait && tall) ? InvertedRect(rect) : rect;
}

TRect InvertedRect(const TRect& rect) {
  return {rect.Left, rect.Top, rect.Left + rect.Height(), rect.Top + rect.Width()};
}

TRect ShrinkRect(const TRect& rect, int32_t n) {
  return {rect.Left + n, rect.Top + n, rect.Right - n, rect.Bottom - n};
}

TRect RectCentredOnPoint(TPoint point, int32_t height, int32_t width) {
  const int32_t hw = static_cast<int32_t>(std::lround(width / 2.0)),
                hh = static_cast<int32_t>(std::lround(height / 2.0));
  return {point.x - hw, point.y - hh, point.x + hw, point.y + hh};
}

}  // namespace lx
