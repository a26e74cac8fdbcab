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

// A word about to go into the list, with the columns its sort may look at, as the list will store them.
struct TLexmillSortRow {
  const UnicodeString* word = nullptr;
  int32_t freq = 0;
  int32_t texts = 0;
};
// The order SortWordList gives words of these columns under the locale `lcid`, as positions in `rows`,
// made on up to `threads` threads. Empty when the keys could leave two words tied (no alphabetical level)
// or name an order only the list makes (reverse words before the alphabetical level). Words added to the
// list in this order are found in order by its sort, which then moves none of them.
// Opens what WordListOrder needs for the locale, which takes a while the first time: called on a thread of
// its own while the words are counted, it takes that time out of the order's.
void PrepareWordListOrder(LCID lcid);
std::vector<uint32_t> WordListOrder(const std::vector<TLexmillSortRow>& rows,
                                    const std::vector<TLexmillSortKey>& keys, LCID lcid, unsigned threads);

}  // namespace lx
