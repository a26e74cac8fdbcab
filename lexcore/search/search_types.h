// The flag set that travels with every parsed search word. Containers, definitions and text store or take it,
// so it lives apart from the parser.
#pragma once

#include <cstdint>

#include "lexcore/rtl/lx_set.h"

namespace lx {

// Elements 0..5, element k at bit k of the stored byte: 2 case-sensitive (typed between "==" and "=="),
// 3 typed with a leading "~", 4 the match begins at a word boundary, 5 the match ends at one.
using TMySearchFlag = uint8_t;
using TMySearchFlags = Set<TMySearchFlag, 1>;
static_assert(sizeof(TMySearchFlags) == 1);
inline constexpr TMySearchFlag sw_flag_case_sensitive = 2;
inline constexpr TMySearchFlag sw_flag_tilde = 3;
inline constexpr TMySearchFlag sw_flag_left_boundary = 4;
inline constexpr TMySearchFlag sw_flag_right_boundary = 5;

}  // namespace lx
