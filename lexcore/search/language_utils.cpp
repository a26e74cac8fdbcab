#include "lexcore/search/language_utils.h"

#include <array>

#include "lexcore/drawing/My_TMSStyleBase.h"
#include "lexcore/drawing/TMS_utils.h"

namespace lx {

namespace {
// n mod 5, never negative, so every search-word number has a colour.
int32_t Slot(int32_t n) {
  return ((n % 5) + 5) % 5;
}

constexpr std::array<std::array<TColor, 4>, 5> kHitColours = {{
    {0xFFFFFF, 0x006400, 0x006400, 0xFFFFFF},
    {0xF0FBFF, 0x8B0000, 0x8B0000, 0xF0FBFF},
    {0xFFFFFF, 0xFFFFFF, 0x800080, 0x800080},
    {0xF0FBFF, 0x000080, 0x000080, 0xF0FBFF},
    {0xFFFFFF, 0x800000, 0x800000, 0xFFFFFF},
}};
}  // namespace

TMyCanvasColourRec SearchFoundColoursFromNumber(int32_t n) {
  TMyCanvasColourRec r;
  r.colours = kHitColours[Slot(n)];
  return r;
}

TMyCanvasColourRecAndTypeface SearchFoundColoursAndFontStyleFromNumber(int32_t n) {
  TMyCanvasColourRecAndTypeface r;
  r.colourset = SearchFoundColoursFromNumber(n);
  r.default_typeface = {tf_bold};
  r.highlight_typeface = {tf_bold};
  return r;
}

TColor TextColourFromNumber(int32_t n) {
  static constexpr std::array<TColor, 5> kText = {0, 0xFF0000, 0x006400, 0x8B0000, 0xD30094};
  const int32_t slot = Slot(n);
  return slot == 0 ? GetABaseTMSTextColour(Global_CurrentStyle) : kText[slot];
}

}  // namespace lx
