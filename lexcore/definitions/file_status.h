// Whether a file recorded earlier is still where it was.
#pragma once

#include <cstdint>

namespace lx {

enum TLXFilestatus : uint8_t { fs_unknown, fs_exists, fs_moved };

}  // namespace lx
