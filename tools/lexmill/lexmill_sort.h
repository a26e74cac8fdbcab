// The orders of `lexmill wordlist --sort`: up to three keys, each handed to the list engine as one sort
// level.
#pragma once

#include <string>
#include <vector>

#include "tools/lexmill/lexmill_lists.h"

namespace lx {

struct TLexmillSortKey {
  int32_t sortColumn = TLexmillWordList::kSortFreq;
  bool ascending = false;
};

// "freq", "alpha", "reverse" or "length", comma-separated, each reversed by a leading '-'. False with a
// message for anything else.
bool ParseWordlistSort(const std::string& text, std::vector<TLexmillSortKey>& keys, std::string& error);
// Sorts through the list's own levels; with a level to spare and no alphabetical key, ties go alphabetically.
void SortWordList(TLexmillWordList& list, const std::vector<TLexmillSortKey>& keys);

}  // namespace lx
