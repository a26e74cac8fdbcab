#include "tools/lexmill/lexmill_sort.h"

#include <algorithm>
#include <exception>
#include <string_view>

#include "lexcore/platform/win_collation.h"
#include "lexcore/rtl/lx_parallel.h"
#include "lexlists/engine/sort_key_cache.h"

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

void PrepareWordListOrder(LCID lcid) {
  try {
    std::string key;
    AppendCompareStringKey(key, lcid, Global_CompareStringFlags, u"a");
  } catch (const std::exception&) {
    // nothing is lost: the order opens it when it needs it
  }
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
  // Each word is sorted as an item holding all its levels look at but the rest of its key and the word
  // (the key's first eight bytes among it), so that most comparisons touch nothing else.
  struct TItem {
    TSortKeyCache::TKeyRef key;
    uint32_t row;
    int32_t freq, texts, wordLength;
    // The levels' order packed into one number, most significant level first: a number level takes 32 bits
    // (turned round when descending), and the alphabetical level, which only its whole key decides, the
    // first bits of its key that are left, after which nothing can follow. Items whose leads differ are in
    // the order of their leads; only equal leads need the levels compared.
    uint64_t lead;
  };
  // The number a level other than the alphabetical one orders an item by.
  const auto number = [](const TItem& item, int32_t column) {
    switch (column) {
      case TLexmillWordList::kSortFreq:
        return item.freq;
      case TLexmillWordList::kSortTexts:
        return item.texts;
      default:
        return item.wordLength;
    }
  };
  const auto lead = [&](const TItem& item) {
    uint64_t packed = 0;
    int bits = 64;  // still free
    for (const TLexmillSortKey& k : levels) {
      const bool byWord = k.sortColumn == TLexmillWordList::kSortWord;
      const int width = byWord ? bits : 32;
      uint64_t value = byWord ? item.key.head >> (64 - bits)
                              : static_cast<uint32_t>(number(item, k.sortColumn)) ^ 0x80000000u;
      if (!k.ascending) value = ~value & (~uint64_t{0} >> (64 - width));
      packed = width == 64 ? value : (packed << width) | value;
      bits -= width;
      if (bits < 32 || byWord) break;
    }
    return bits == 64 ? 0 : packed << bits;
  };
  const uint32_t flags = Global_CompareStringFlags;
  auto levelsCompare = [&](const TItem& x, const TItem& y) {
    for (const TLexmillSortKey& k : levels) {
      int32_t c = 0;
      if (k.sortColumn != TLexmillWordList::kSortWord) {
        c = Sign3(number(x, k.sortColumn), number(y, k.sortColumn));
      } else {
        c = TSortKeyCache::Compare(x.key, y.key);
        if (c == 0) c = Sign3(rows[x.row].word->compare(*rows[y.row].word), 0);
      }
      if (c != 0) return k.ascending ? c < 0 : c > 0;
    }
    return false;
  };
  auto compare = [&](const TItem& x, const TItem& y) {
    return x.lead != y.lead ? x.lead < y.lead : levelsCompare(x, y);
  };
  const auto count = static_cast<int64_t>(rows.size());
  std::vector<TItem> items(rows.size());
  // Each part makes its words' keys and sorts them; the sorted parts are then merged in turn.
  const int32_t parts = PartsFor(count, threads, kWordsPerThread);
  std::vector<std::string> blocks(static_cast<std::size_t>(parts));
  std::vector<int64_t> ends(static_cast<std::size_t>(parts));
  RunParts(parts, count, [&](int32_t part, int64_t first, int64_t end) {
    std::string& block = blocks[static_cast<std::size_t>(part)];
    std::vector<std::size_t> starts;
    starts.reserve(static_cast<std::size_t>(end - first + 1));
    for (int64_t i = first; i < end; ++i) {
      starts.push_back(block.size());
      AppendCompareStringKey(block, lcid, flags, *rows[static_cast<std::size_t>(i)].word);
    }
    starts.push_back(block.size());
    // The block has stopped growing: the keys can be pointed at now.
    for (int64_t i = first; i < end; ++i) {
      const TLexmillSortRow& r = rows[static_cast<std::size_t>(i)];
      const std::size_t k = static_cast<std::size_t>(i - first);
      TItem& item = items[static_cast<std::size_t>(i)];
      item = {TSortKeyCache::RefOf(std::string_view(block.data() + starts[k], starts[k + 1] - starts[k])),
              static_cast<uint32_t>(i),
              r.freq,
              r.texts,
              static_cast<int32_t>(r.word->size()),
              0};
      item.lead = lead(item);
    }
    std::sort(items.begin() + first, items.begin() + end, compare);
    ends[static_cast<std::size_t>(part)] = end;
  });
  for (std::size_t part = 1; part < ends.size(); ++part)
    std::inplace_merge(items.begin(), items.begin() + ends[part - 1], items.begin() + ends[part], compare);
  std::vector<uint32_t> order;
  order.reserve(items.size());
  for (const TItem& item : items) order.push_back(item.row);
  return order;
}

}  // namespace lx
