// Colour helpers shared by the drawers and grids: contrasting text colours, mixing, and colour names.
#pragma once

#include <cstdint>
#include <vector>

#include "lexcore/definitions/shared_records.h"
#include "lexcore/rtl/lx_types.h"

namespace lx {

inline constexpr int ColourRed(TColor c) {
  return c & 0xFF;
}
inline constexpr int ColourGreen(TColor c) {
  return (c >> 8) & 0xFF;
}
inline constexpr int ColourBlue(TColor c) {
  return (c >> 16) & 0xFF;
}
inline constexpr TColor RGBColour(int red, int green, int blue) {
  return static_cast<TColor>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}

// White for black (and anything below it), black for white; otherwise whichever reads better on the
// colour by its perceived brightness.
TColor GetContrastingTextColour(TColor colour);

// Weight 255 gives a, 0 gives b; the weight is clamped to 0..255. Equal colours mix to themselves.
TColor MixColors(TColor a, TColor b, int weight);

// The standard web colour names (CamelCase, e.g. "AliceBlue"). A colour not in the table is named "Black";
// where two names share a value the first in the table wins ("Aqua" before "Cyan").
UnicodeString WebColourToName(TColor colour);
// Case-insensitive, with or without a "clWeb" prefix; kNoColour for an unknown name.
TColor NameToWebColour(const UnicodeString& name);
// Number of entries in the web colour table, and entry i (for listing them to the user).
int WebColourCount();
UnicodeString WebColourNameAt(int i);
TColor WebColourAt(int i);

// A caller's table of named colours.
struct TMyNamedColour {
  UnicodeString name;
  TColor colour = 0;
};
using TMyColourArray = std::vector<TMyNamedColour>;

// The name of the first entry with this colour; empty when none has it.
UnicodeString NameOfAMyColourArrayColour(const TMyColourArray& colours, TColor colour);
// The colour of the first entry with this name (ignoring case); kNoColour when none has it.
TColor ColourOfAMyColourArrayName(const TMyColourArray& colours, const UnicodeString& name);
// The index of the entry closest to colour (squared distance in red, green and blue; the first of equals);
// -1 for an empty table.
int NearestColourIndex(const TMyColourArray& colours, TColor colour);

}  // namespace lx
