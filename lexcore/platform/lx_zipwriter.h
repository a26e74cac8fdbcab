// Building zip archives in memory, beside the reader and like it the only place that sees the zip library.
#pragma once

#include <cstdint>
#include <vector>

#include "lexcore/rtl/lx_types.h"

namespace lx {

// An archive holding one file under entryName, deflated at level (0..9), into out. Returns the number of
// entries added: 1, or 0 when the file could not be read or the archive could not be built (out is then
// empty).
int ZipOneFileToMemory(const UnicodeString& fileName, const UnicodeString& entryName, int level,
                       std::vector<uint8_t>& out);

}  // namespace lx
