// The caption catalogue of the standard column headings: one translatable caption, and where there is one a
// hint, per catalogue number.
#pragma once

#include <cstdint>

#include "lexcore/rtl/lx_resources.h"
#include "lexcore/rtl/lx_types.h"

namespace lx {

// Catalogue numbers at or above this give the hint of (number - kHintOffset).
constexpr int32_t kHintOffset = 32768;

// The caption of catalogue number n, or the hint of n - 32768; empty for an unknown number.
UnicodeString WideHStringFromN(int32_t n);

}  // namespace lx
