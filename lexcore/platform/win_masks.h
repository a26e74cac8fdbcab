// File-name masks with the platform's semantics.
#pragma once

#include "lexcore/rtl/lx_types.h"

namespace lx {

// Case-insensitive match of a file name against a mask with '*' and '?', or a ';'-separated list of masks
// (blanks around each trimmed; a name matches when any mask does). "*.*" matches every name, with or without
// a dot. False when either pointer is null.
bool PathMatchSpecW(const WideChar* file, const WideChar* spec);

}  // namespace lx
