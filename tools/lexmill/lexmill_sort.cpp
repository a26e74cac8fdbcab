#include "tools/lexmill/lexmill_sort.h"

#include <algorithm>

namespace lx {

namespace {

struct TKeyName {
  const char* name;
  int32_t sortColumn;
  bool ascending;  // the usual direction; '-' turns it round
};
constexpr TKeyName kKeys[] = {{"freq", TLexmillWordList::kSortFreq, false},
                              {"alpha", TLexmillWordList::kSortWord, true},
                              {"reverse", TLexmillWordList::kSortReverseWord, true},
                              {"length", TLexmillWordList::kSortWordLength, true}};

}  // namespace

bool ParseWordlistSort(const std::string& text, std::vector<TLexmillSortKey>& keys, std::string& error) {
  keys.clear();
  std::size_t start = 0;
  while (true) {
    const std::size_t comma = text.find(',', start);
    std::string item = text.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
    const bool reversed = !item.empty() && item[0] == '-';
    if (reversed) item.erase(0, 1);
    const auto* k =
        std::find_if(std::begin(kKeys), std::end(kKeys), [&](const TKeyName& n) { return item == n.name; });
    if (k == std::end(kKeys)) {
      error = "--sort keys are freq, alpha, reverse or length (each may start with '-'), not '" + text + "'";
      return false;
    }
    for (const TLexmillSortKey& seen : keys)
      if (seen.sortColumn == k->sortColumn) {
        error = "--sort names '" + item + "' twice";
        return false;
      }
    keys.push_back({k->sortColumn, reversed ? !k->ascending : k->ascending});
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  if (keys.size() > 3) {
    error = "--sort takes at most three keys, not '" + text + "'";
    return false;
  }
  return true;
}

void SortWordList(TLexmillWordList& list, const std::vector<TLexmillSortKey>& keys) {
  std::vector<TLexmillSortKey> levels = keys;
  const bool hasAlpha = std::any_of(levels.begin(), levels.end(), [](const TLexmillSortKey& k) {
    return k.sortColumn == TLexmillWordList::kSortWord;
  });
  if (!hasAlpha && levels.size() < 3) levels.push_back({TLexmillWordList::kSortWord, true});
  for (std::size_t i = 0; i < levels.size(); ++i) {
    const auto level = static_cast<TSortLevel>(i);
    list.Set1Sort(level, levels[i].sortColumn);
    list.SetSortAscending(level, levels[i].ascending);
  }
  list.DoASort(-1, 0, list.Count() - 1);
}

}  // namespace lx
