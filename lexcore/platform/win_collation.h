// Locale-aware string comparison.
#pragma once

#include <cstdint>

#include "lexcore/rtl/lx_types.h"

namespace lx {

constexpr uint32_t NORM_IGNORECASE = 0x00000001;

constexpr int CSTR_LESS_THAN = 1;
constexpr int CSTR_EQUAL = 2;
constexpr int CSTR_GREATER_THAN = 3;

// The flags the system's locale comparisons pass in: 0 exact, NORM_IGNORECASE ignores case.
extern uint32_t Global_CompareStringFlags;

// Compares two texts by the rules of the locale (lengths -1: zero-terminated). Returns CSTR_*, or 0 with the
// last error 87 (null text) or 1004 (unsupported flags). Hyphens and apostrophes weigh less than letters:
// "co-op" and "coop" are told apart only after all letters agree.
int CompareStringW(uint32_t lcid, uint32_t flags, const WideChar* a, int aLen, const WideChar* b, int bLen);
// The same on 8-bit text in the LCID's ANSI code page.
int CompareStringA(uint32_t lcid, uint32_t flags, const char* a, int aLen, const char* b, int bLen);

}  // namespace lx
