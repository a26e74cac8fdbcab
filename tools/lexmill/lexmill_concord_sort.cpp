#include "tools/lexmill/lexmill_concord_sort.h"

#include <algorithm>
#include <numeric>
#include <unordered_map>

#include "lexcore/platform/win_collation.h"
#include "lexcore/rtl/lx_strings.h"
#include "lexcore/text/WinGenOk.h"
#include "lexcore/text/bare_assemb3.h"

namespace lx {

bool ParseConcordSortKeys(const std::string& text, std::vector<TConcordSortKey>& keys, std::string& fault) {
  keys.clear();
  std::size_t start = 0;
  for (;;) {
    const std::size_t comma = text.find(',', start);
    std::string item = text.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
    TConcordSortKey key;
    if (!item.empty() && item.back() == '-') {
      key.descending = true;
      item.pop_back();
    }
    std::string upper(item);
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (upper == "HIT") {
      key.slot = 0;
    } else if (upper == "FILE") {
      key.kind = TConcordSortKey::file;
    } else if (upper == "POSITION") {
      key.kind = TConcordSortKey::position;
    } else if (upper.size() == 2 && (upper[0] == 'L' || upper[0] == 'R') && upper[1] >= '1' &&
               upper[1] <= '5') {
      key.slot = static_cast<int8_t>((upper[0] == 'L' ? -1 : 1) * (upper[1] - '0'));
    } else {
      fault =
          "--sort takes keys among L5..L1, hit, R1..R5, file and position, each optionally followed by - "
          "(descending), separated by commas; not '" +
          item + "'";
      return false;
    }
    keys.push_back(key);
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  return true;
}

std::vector<UnicodeString> WordsAroundHit(const WideChar* text, const uint16_t* classes, int32_t n,
                                          int32_t hitStart, int32_t hitEnd,
                                          const std::vector<TConcordSortKey>& keys) {
  // A segment marker's low bits hold its code, not a class.
  auto isWord = [&](int32_t i) {
    return (classes[i] & CharClassSegmentMarker) == 0 && (classes[i] & CharClassWordChar) != 0;
  };
  UnicodeString left[6], right[6];
  int needLeft = 0, needRight = 0;
  for (const auto& k : keys)
    if (k.kind == TConcordSortKey::word) {
      needLeft = std::max(needLeft, -k.slot);
      needRight = std::max(needRight, static_cast<int>(k.slot));
    }
  int32_t i = hitStart;
  for (int w = 1; w <= needLeft; ++w) {
    while (i > 0 && !isWord(i - 1)) --i;
    const int32_t end = i;
    while (i > 0 && isWord(i - 1)) --i;
    if (i == end) break;
    left[w].assign(text + i, text + end);
  }
  i = hitEnd;
  for (int w = 1; w <= needRight; ++w) {
    while (i < n && !isWord(i)) ++i;
    const int32_t start = i;
    while (i < n && isWord(i)) ++i;
    if (i == start) break;
    right[w].assign(text + start, text + i);
  }
  std::vector<UnicodeString> words;
  for (const auto& k : keys) {
    if (k.kind != TConcordSortKey::word) continue;
    if (k.slot == 0)
      words.emplace_back(text + hitStart, text + hitEnd);
    else
      words.push_back(k.slot < 0 ? left[-k.slot] : right[k.slot]);
  }
  return words;
}

namespace {

// Ranks of distinct texts in the locale's order: texts the collation holds equal share a rank, so lines
// compare by integers and each distinct text is collated only while the distinct ones are sorted.
class TRanks {
 public:
  explicit TRanks(LCID lcid) : lcid(lcid) {}
  void Add(const UnicodeString& s) { index.try_emplace(s, 0); }
  void Rank() {
    // Case is ignored by comparing lower-cased forms, made once for each distinct text.
    std::vector<std::pair<UnicodeString, const UnicodeString*>> order;
    order.reserve(index.size());
    for (const auto& [s, r] : index) order.emplace_back(Lowercase(lcid, s), &s);
    auto cmp = [&](const UnicodeString& a, const UnicodeString& b) {
      return CompareStringW(lcid, NORM_IGNORECASE, a.data(), static_cast<int>(a.size()), b.data(),
                            static_cast<int>(b.size()));
    };
    // Ties broken by code units, so the order of the distinct texts never depends on the hash table's.
    std::sort(order.begin(), order.end(), [&](const auto& a, const auto& b) {
      const int c = cmp(a.first, b.first);
      return c != CSTR_EQUAL ? c == CSTR_LESS_THAN : *a.second < *b.second;
    });
    int32_t rank = 0;
    for (std::size_t i = 0; i < order.size(); ++i) {
      if (i > 0 && cmp(order[i - 1].first, order[i].first) != CSTR_EQUAL) ++rank;
      index[*order[i].second] = rank;
    }
  }
  int32_t Of(const UnicodeString& s) const { return index.at(s); }

 private:
  LCID lcid;
  std::unordered_map<UnicodeString, int32_t> index;
};

}  // namespace

std::vector<uint32_t> SortConcordLines(LCID lcid, const std::vector<TConcordSortKey>& keys,
                                       const std::vector<TConcordSortLine>& lines,
                                       const std::vector<std::string>& fileNames) {
  const std::size_t nKeys = keys.size();
  // Every key of every line as one integer: a word's or file's rank, or the position.
  std::vector<int64_t> values(lines.size() * nKeys);
  std::size_t wordKey = 0;
  for (std::size_t k = 0; k < nKeys; ++k) {
    const TConcordSortKey& key = keys[k];
    if (key.kind == TConcordSortKey::position) {
      for (std::size_t i = 0; i < lines.size(); ++i) values[i * nKeys + k] = lines[i].position;
    } else if (key.kind == TConcordSortKey::file) {
      TRanks ranks(lcid);
      std::vector<UnicodeString> names;
      for (const std::string& f : fileNames) names.push_back(UTF8ToUTF16(f));
      for (const auto& s : names) ranks.Add(s);
      ranks.Rank();
      for (std::size_t i = 0; i < lines.size(); ++i) values[i * nKeys + k] = ranks.Of(names[lines[i].text]);
    } else {
      TRanks ranks(lcid);
      for (const auto& l : lines) ranks.Add(l.words[wordKey]);
      ranks.Rank();
      // An empty slot (the text's edge) sorts before every word.
      for (std::size_t i = 0; i < lines.size(); ++i)
        values[i * nKeys + k] = lines[i].words[wordKey].empty() ? -1 : ranks.Of(lines[i].words[wordKey]);
      ++wordKey;
    }
  }
  std::vector<uint32_t> order(lines.size());
  std::iota(order.begin(), order.end(), 0u);
  std::stable_sort(order.begin(), order.end(), [&](uint32_t a, uint32_t b) {
    const int64_t* va = &values[a * nKeys];
    const int64_t* vb = &values[b * nKeys];
    for (std::size_t k = 0; k < nKeys; ++k) {
      if (va[k] == vb[k]) continue;
      return keys[k].descending ? va[k] > vb[k] : va[k] < vb[k];
    }
    return false;
  });
  return order;
}

}  // namespace lx
