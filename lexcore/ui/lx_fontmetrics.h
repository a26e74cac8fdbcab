// Text measuring without a font engine. Widths follow a fixed model so that layouts are reproducible on every
// machine: Latin letters take the advance widths of a classic sans-serif face (in thousandths of an em),
// accented letters the width of their base letter, East Asian wide characters a full em, combining marks and
// format characters nothing. Fixed-pitch faces give every character one cell (wide ones two). Each character
// is rounded to whole pixels on its own, so the width of a text is the sum of the widths of its pieces.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "lexcore/ui/lx_graphics.h"

namespace lx {

struct TTextMetric {
  int32_t tmHeight = 0;
  int32_t tmAscent = 0;
  int32_t tmDescent = 0;
  int32_t tmInternalLeading = 0;
  int32_t tmExternalLeading = 0;
  int32_t tmAveCharWidth = 0;
  int32_t tmMaxCharWidth = 0;
  bool fixed_pitch = false;
};

// Tab stops fall every this many average character widths from the start of the measured text.
constexpr int32_t kTabStopChars = 8;

class TFontMeasure {
 public:
  explicit TFontMeasure(const TFont& font);

  const TTextMetric& Metrics() const { return metrics_; }
  // Pixel advance of one code point (tabs and line breaks have none here; see LineWidth).
  int32_t Advance(char32_t c) const;
  // Width of text drawn on one line; tabs move to the next tab stop, line-break characters take no room.
  int32_t LineWidth(std::u16string_view text) const;
  // How many UTF-16 units fit within maxExtent pixels (never half a surrogate pair). When partial is given
  // (one slot per unit of text) it receives the extent up to and including each unit; both units of a pair
  // carry the extent after the pair. The returned width is that of the whole text.
  int32_t FitUnits(std::u16string_view text, int32_t maxExtent, std::span<int32_t> partial,
                   int32_t& width) const;

 private:
  int32_t AdvanceFromUnits(uint16_t units) const;
  int32_t NextTabStop(int32_t x) const;

  int32_t em_;
  int32_t bold_extra_;
  bool fixed_;
  int32_t cell_;
  TTextMetric metrics_;
  std::array<int32_t, 128> ascii_{};
};

}  // namespace lx
