// A string list that travels inside list streams.
#pragma once

#include "lexcore/rtl/lx_stringlist.h"

namespace lx {

class TMyStreamableStringlist : public TStringList {
 public:
  using TStringList::TStringList;

  // Minus the number of strings (int32), then each as a counted string. False when the stream refused a
  // write. Replaces the text form of the base class.
  bool SaveToStream(TStream& stream);
  // Clears the list, then reads a negative count -n followed by n counted strings, or (the older form) a
  // count n >= 0 followed by n short 8-bit strings in the process code page. False on a short or corrupt
  // stream, keeping the strings read before the fault.
  bool ReadFromStream(TStream& stream);
};

}  // namespace lx
