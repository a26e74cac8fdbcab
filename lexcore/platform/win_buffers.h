// The buffer protocol shared by the platform-style routines: source length -1 for a zero-terminated source
// (the zero converted and counted), destination length 0 to ask for the size, 0 with a last error on failure.
#pragma once

#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "lexcore/platform/win_lasterror.h"

namespace lx {

// Sets the last error and answers 0.
inline int FailWith(uint32_t code) {
  SetLastError(code);
  return 0;
}

// Answers false with the last error 87 unless the source is given with a length that is positive or -1, and
// the destination is given whenever its length is positive.
inline bool CheckBufferArguments(const void* src, int srcLen, const void* dst, int dstLen) {
  if (!src || srcLen == 0 || srcLen < -1 || dstLen < 0 || (dstLen > 0 && !dst)) return FailWith(87) != 0;
  return true;
}

template <class C>
std::size_t SourceUnits(const C* src, int srcLen) {
  return srcLen == -1 ? std::char_traits<C>::length(src) + 1 : static_cast<std::size_t>(srcLen);
}

// Delivers n units: their number when dstLen is 0, else a copy in dst (which may be the source), with the
// last error 122 when they do not fit.
template <class C>
int DeliverUnits(const C* data, std::size_t n, C* dst, int dstLen) {
  if (n > static_cast<std::size_t>(INT_MAX)) return FailWith(87);
  if (dstLen == 0) return static_cast<int>(n);
  if (static_cast<std::size_t>(dstLen) < n) return FailWith(122);
  if (n > 0 && dst != data) std::memmove(dst, data, n * sizeof(C));
  return static_cast<int>(n);
}

}  // namespace lx
