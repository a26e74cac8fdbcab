// The record of one file found by a folder walk (PeruseDir), kept apart so the holder lists can use it.
#pragma once

#include <cstdint>

#include "lexcore/rtl/lx_types.h"

namespace lx {

struct TMySearchRec {
  TDateTime DateTime = 0;         // last write, local time; a zip entry's own date-time
  int32_t Size = 0;               // low 32 bits of the size
  int32_t Attr = 0;               // platform attributes: 0x02 hidden, 0x04 system, 0x10 directory
  int16_t Number_Within_Zip = 0;  // 0 for a plain file, else the 1-based entry number
  UnicodeString ShortName;        // name without folder; for a zip entry archive path, delimiter, entry name
};

// Bytes of the fixed part of a stored TMySearchRec (DateTime, Size, Attr, Number_Within_Zip, 2 reserved).
constexpr int kMySearchRecFixedSize = 20;

}  // namespace lx
