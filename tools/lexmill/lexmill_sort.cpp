#include "tools/lexmill/lexmill_sort.h"

#include <algorithm>

#include "lexcore/platform/win_collation.h"
#include "tools/lexmill/lexmill_parts.h"

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

// The levels SortWordList sets: the keys, and the alphabetical order after them when there is a level to
// spare and none of them is alphabetical.
std::vector<TLexmillSortKey> SortLevels(const std::vector<TLexmillSortKey>& keys) {
  std::vector<TLexmillSortKey> levels = keys;
  const bool hasAlpha = std::any_of(levels.begin(), levels.end(), [](const TLexmillSortKey& k) {
    return k.sortColumn == TLexmillWordList::kSortWord;
  });
  if (!hasAlpha && levels.size() < 3) levels.push_back({TLexmillWordList::kSortWord, true});
  return levels;
}

int32_t Sign3(int64_t a, int64_t b) {
  return (a > b) - (a < b);
}

// Words shorter than this many are ordered on one thread.
constexpr int64_t kWordsPerThread = 4096;

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
  const std::vector<TLexmillSortKey> levels = SortLevels(keys);
  for (std::size_t i = 0; i < levels.size(); ++i) {
    const auto level = static_cast<TSortLevel>(i);
    list.Set1Sort(level, levels[i].sortColumn);
    list.SetSortAscending(level, levels[i].ascending);
  }
  list.DoASort(-1, 0, list.Count() - 1);
}

std::vector<uint32_t> WordListOrder(const std::vector<TLexmillSortRow>& rows,
                                    const std::vector<TLexmillSortKey>& keys, LCID lcid, unsigned threads) {
  // Only the levels down to the alphabetical one can decide: it leaves no two words tied, as the list's
  // word comparison goes by code units where the locale finds two words equal.
  std::vector<TLexmillSortKey> levels = SortLevels(keys);
  const auto alpha = std::find_if(levels.begin(), levels.end(), [](const TLexmillSortKey& k) {
    return k.sortColumn == TLexmillWordList::kSortWord;
  });
  if (alpha == levels.end()) return {};
  levels.erase(alpha + 1, levels.end());
  for (const TLexmillSortKey& k : levels)
    if (k.sortColumn == TLexmillWordList::kSortReverseWord) return {};
  // The keys the list's sort compares words by, made under the comparison flags in force now, as it will.
  const uint32_t flags = Global_CompareStringFlags;
  std::vector<std::string> sortKeys(rows.size());
  auto compare = [&](uint32_t a, uint32_t b) {
    const TLexmillSortRow& x = rows[a];
    const TLexmillSortRow& y = rows[b];
    for (const TLexmillSortKey& k : levels) {
      int32_t c = 0;
      switch (k.sortColumn) {
        case TLexmillWordList::kSortFreq:
          c = Sign3(x.freq, y.freq);
          break;
        case TLexmillWordList::kSortTexts:
          c = Sign3(x.texts, y.texts);
          break;
        case TLexmillWordList::kSortWordLength:
          c = Sign3(static_cast<int64_t>(x.word->size()), static_cast<int64_t>(y.word->size()));
          break;
        default: {
          const int byKey = sortKeys[a].compare(sortKeys[b]);
          c = byKey != 0 ? (byKey > 0) - (byKey < 0) : x.word->compare(*y.word);
          c = (c > 0) - (c < 0);
        }
      }
      if (c != 0) return k.ascending ? c < 0 : c > 0;
    }
    return false;
  };
  std::vector<uint32_t> order(rows.size());
  for (uint32_t i = 0; i < order.size(); ++i) order[i] = i;
  // Each part makes its words' keys and sorts them; the sorted parts are then merged in turn.
  const int32_t parts = PartsFor(static_cast<int64_t>(rows.size()), threads, kWordsPerThread);
  std::vector<int64_t> ends(static_cast<std::size_t>(parts));
  RunParts(parts, static_cast<int64_t>(rows.size()), [&](int32_t part, int64_t first, int64_t end) {
    for (int64_t i = first; i < end; ++i) {
      const UnicodeString& w = *rows[static_cast<std::size_t>(i)].word;
      sortKeys[static_cast<std::size_t>(i)] = CompareStringKey(lcid, flags, w);
    }
    std::sort(order.begin() + first, order.begin() + end, compare);
    ends[static_cast<std::size_t>(part)] = end;
  });
  for (std::size_t part = 1; part < ends.size(); ++part)
    std::inplace_merge(order.begin(), order.begin() + ends[part - 1], order.begin() + ends[part], compare);
  return order;
}

}  // namespace lx
