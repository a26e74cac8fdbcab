// Colours of hits by search-word number: each search word's hits get their own colours, cycling every five
// words.
#pragma once

#include <cstdint>

#include "lexcore/definitions/shared_records.h"

namespace lx {

// Text, highlighted text, background and highlighted background of the hits of search word n (any n,
// negative too), in the order of TMyCanvasColourTypes.
TMyCanvasColourRec SearchFoundColoursFromNumber(int32_t n);
// The same colours, drawn in bold.
TMyCanvasColourRecAndTypeface SearchFoundColoursAndFontStyleFromNumber(int32_t n);
// One text colour for search word n; for n a multiple of 5, the current style's text colour.
TColor TextColourFromNumber(int32_t n);

}  // namespace lx
