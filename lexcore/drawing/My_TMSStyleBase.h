// The process-wide colour style that the grids and text views follow.
#pragma once

#include <cstdint>

namespace lx {

// Ordinal of the user's chosen style (0..12; anything else takes the fallback colours).
using TLXStyleOrdinal = int32_t;

extern TLXStyleOrdinal Global_CurrentStyle;

}  // namespace lx
