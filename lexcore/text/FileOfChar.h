// Appending to a file of 16-bit units (UTF-16 little-endian text).
#pragma once

#include "lexcore/rtl/lx_types.h"

namespace lx {

// Appends text after the last whole unit of an existing file, or creates the file with the byte-order mark
// FEFF first. Nothing happens for an empty file name. Raises EFOpenError / EFCreateError / EWriteError.
void AddToFileOfChar(const UnicodeString& fileName, const UnicodeString& text);

}  // namespace lx
