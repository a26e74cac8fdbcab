// Sorting concordance lines on the words around the hit, the hit itself, the file or the position.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "lexcore/rtl/lx_types.h"

namespace lx {

struct TConcordSortKey {
  enum TKind : uint8_t { word, file, position };
  TKind kind = word;
  int8_t slot = 0;  // words: -5..-1 left of the hit (L5..L1), 0 the hit, 1..5 right of it (R1..R5)
  bool descending = false;
};

// Parses a comma-separated list such as "R1,L1-,file"; false with fault set for anything else.
bool ParseConcordSortKeys(const std::string& text, std::vector<TConcordSortKey>& keys, std::string& fault);

// One concordance line as the sort sees it: the words the word keys name, in the order of the keys, joined
// by U+0000 (one allocation a line, not one a word).
struct TConcordSortLine {
  UnicodeString words;
  uint32_t text = 0;     // the text's place in the list of texts
  int32_t position = 0;  // the hit's word number in its text
};

// The words of the word keys around a hit, joined as above at [hitStart, hitEnd): words are runs of word
// characters of the class array; a slot beyond the text's edge is empty.
UnicodeString WordsAroundHit(const WideChar* text, const uint16_t* classes, int32_t n, int32_t hitStart,
                             int32_t hitEnd, const std::vector<TConcordSortKey>& keys);

// The order of the lines: by the keys in turn, words and file names compared by the locale's collation with
// case ignored, ties kept in text order.
std::vector<uint32_t> SortConcordLines(LCID lcid, const std::vector<TConcordSortKey>& keys,
                                       const std::vector<TConcordSortLine>& lines,
                                       const std::vector<std::string>& fileNames);

}  // namespace lx
