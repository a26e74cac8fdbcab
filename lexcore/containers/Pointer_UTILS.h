// Zero-terminated text buffers: the shared empty text, allocation and release, measuring, and comparisons of
// plain texts and of words with their prefix and suffix.
#pragma once

#include <cstdint>
#include <string_view>

#include "lexcore/rtl/lx_types.h"

namespace lx {

// The shared empty text: a valid zero-terminated buffer that is never freed (DeletePChar leaves it alone).
extern WideChar* const nowt;
// Comparison flags the locale comparisons of the containers pass to the platform.
extern uint32_t my_default_sort;

// The longest buffer (in characters, without the terminator) the checked allocations grant.
constexpr int32_t kMaxPCharLength = 64 * 1024 * 1024;

// New zero-terminated copies; the caller frees them with DeletePChar / DeletePAnsichar.
WideChar* MyNewPChar(std::u16string_view s);
char* MyNewPAnsichar(std::string_view s);
// Frees and sets p to null; nowt and null are left alone.
void DeletePChar(WideChar*& p);
void DeletePAnsichar(char*& p);
// Characters before the terminator; 0 for null.
int32_t StrLenW(const WideChar* p);
// A zeroed buffer of len characters plus the terminator; null when len is negative or above kMaxPCharLength.
WideChar* CheckedNewLenPchar(int32_t len);
char* CheckedNewLenPAnsichar(int32_t len);

// Ordinal comparisons, -1, 0 or 1; null counts as the empty text.
int ComparePchar(const WideChar* a, const WideChar* b);
int ComparePAnsichar(const char* a, const char* b);
// A word with its affixes: the words first, then the suffixes, then the prefixes.
int CompareWordAndAffixesPchar(const WideChar* word1, const WideChar* suffix1, const WideChar* prefix1,
                               const WideChar* word2, const WideChar* suffix2, const WideChar* prefix2);

// By the rules of the locale lcid with the flags in my_default_sort; ordinal when the platform cannot
// compare.
int CompareLocaleTexts(std::u16string_view a, std::u16string_view b, LCID lcid);
int ComparePcharLCID(const WideChar* a, const WideChar* b, LCID lcid);
int CompareWordAndAffixesPcharLCID(const WideChar* word1, const WideChar* suffix1, const WideChar* prefix1,
                                   const WideChar* word2, const WideChar* suffix2, const WideChar* prefix2,
                                   LCID lcid);

}  // namespace lx
