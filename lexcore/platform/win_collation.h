// Locale-aware string comparison.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "lexcore/rtl/lx_types.h"

namespace lx {

constexpr uint32_t NORM_IGNORECASE = 0x00000001;
constexpr uint32_t NORM_IGNORENONSPACE = 0x00000002;
constexpr uint32_t NORM_IGNORESYMBOLS = 0x00000004;
constexpr uint32_t SORT_DIGITSASNUMBERS = 0x00000008;
constexpr uint32_t LINGUISTIC_IGNORECASE = 0x00000010;
constexpr uint32_t SORT_STRINGSORT = 0x00001000;

constexpr int CSTR_LESS_THAN = 1;
constexpr int CSTR_EQUAL = 2;
constexpr int CSTR_GREATER_THAN = 3;

// The flags the system's locale comparisons pass in: 0 exact, NORM_IGNORECASE ignores case.
extern uint32_t Global_CompareStringFlags;

// Compares two texts by the rules of the locale (lengths -1: zero-terminated). Returns CSTR_*, or 0 with the
// last error 87 (null text) or 1004 (unsupported flags). Hyphens and apostrophes weigh less than everything
// else: "co-op" and "coop" are told apart only when all other characters agree, accents and case included
// (SORT_STRINGSORT weighs them as ordinary punctuation). NORM_IGNORECASE (or LINGUISTIC_IGNORECASE) ignores
// case, NORM_IGNORENONSPACE accents, NORM_IGNORESYMBOLS punctuation and symbols; SORT_DIGITSASNUMBERS
// compares runs of digits by their value.
int CompareStringW(uint32_t lcid, uint32_t flags, const WideChar* a, int aLen, const WideChar* b, int bLen);
// A byte string whose order (unsigned bytes, std::string::compare) is CompareStringW's order for the same
// locale and flags: equal keys for texts it calls equal. Made once per text, it lets a long sort compare
// bytes instead of collating every pair. Unsupported flags give an empty key (as for an empty text).
std::string CompareStringKey(uint32_t lcid, uint32_t flags, std::u16string_view text);
// The same key appended to `key`: many keys made into one block cost no allocation each.
void AppendCompareStringKey(std::string& key, uint32_t lcid, uint32_t flags, std::u16string_view text);
// The same on 8-bit text in the LCID's ANSI code page.
int CompareStringA(uint32_t lcid, uint32_t flags, const char* a, int aLen, const char* b, int bLen);

}  // namespace lx
