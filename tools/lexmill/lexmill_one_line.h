// Contexts kept on one line: line and paragraph separators become spaces and a lone surrogate U+FFFD, as the
// concordance writes them in every format.
#pragma once

#include <unicode/utf16.h>

#include <cstddef>

#include "lexcore/rtl/lx_types.h"

namespace lx {

// Writes the character beginning at p[i], which is not ASCII, as UTF-8 at o and moves i past it; returns the
// end of what was written (at most four bytes, and never more than three per unit read).
inline char* PutOneLineNonASCII(char* o, const WideChar* p, std::size_t& i, std::size_t n) {
  UChar32 c;
  U16_NEXT(p, i, n, c);
  if (c == 0x2028 || c == 0x2029) {
    *o++ = ' ';
    return o;
  }
  if (U_IS_SURROGATE(c)) c = 0xFFFD;  // a lone surrogate, or half a pair cut by the context's edge
  if (c < 0x800) {
    *o++ = static_cast<char>(0xC0 | (c >> 6));
  } else if (c < 0x10000) {
    *o++ = static_cast<char>(0xE0 | (c >> 12));
    *o++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
  } else {
    *o++ = static_cast<char>(0xF0 | (c >> 18));
    *o++ = static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    *o++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
  }
  *o++ = static_cast<char>(0x80 | (c & 0x3F));
  return o;
}

}  // namespace lx
