// Locale-aware case mapping and Unicode composition.
#pragma once

#include <cstdint>

#include "lexcore/rtl/lx_types.h"

namespace lx {

constexpr uint32_t LCMAP_LOWERCASE = 0x00000100;
constexpr uint32_t LCMAP_UPPERCASE = 0x00000200;
constexpr uint32_t LCMAP_LINGUISTIC_CASING = 0x01000000;

constexpr uint32_t MAP_FOLDCZONE = 0x00000010;
constexpr uint32_t MAP_PRECOMPOSED = 0x00000020;
constexpr uint32_t MAP_COMPOSITE = 0x00000040;
constexpr uint32_t MAP_FOLDDIGITS = 0x00000080;

// Upper- or lower-cases srcLen units (-1: zero-terminated, the zero included) into dst. The mapping keeps the
// length (simple case mapping per code point), so src and dst may be the same buffer. With
// LCMAP_LINGUISTIC_CASING, Turkish and Azeri locales map i <-> U+0130 and U+0131 <-> I. dstLen 0: the size
// needed. Returns the units written, or 0 with the last error set (87, 122, 1004).
int LCMapStringW(uint32_t lcid, uint32_t flags, const WideChar* src, int srcLen, WideChar* dst, int dstLen);
// The same on 8-bit text in the LCID's ANSI code page.
int LCMapStringA(uint32_t lcid, uint32_t flags, const char* src, int srcLen, char* dst, int dstLen);

// MAP_PRECOMPOSED: canonical composition (NFC); MAP_COMPOSITE: canonical decomposition (NFD). srcLen -1:
// zero-terminated, the zero included. Returns the units written or needed (dstLen 0), or 0 with the last
// error 87 (bad arguments), 122 (buffer too small) or 1004 (bad flags).
int FoldStringW(uint32_t mapFlags, const WideChar* src, int srcLen, WideChar* dst, int dstLen);

}  // namespace lx
