#include "tools/lexmill/lexmill_concord_sort.h"

#include <algorithm>
#include <numeric>

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

UnicodeString WordsAroundHit(const WideChar* text, const uint16_t* classes, int32_t n, int32_t hitStart,
                             int32_t hitEnd, const std::vector<TConcordSortKey>& keys) {
  // A segment marker's low bits hold its code, not a class.
  auto isWord = [&](int32_t i) {
    return (classes[i] & CharClassSegmentMarker) == 0 && (classes[i] & CharClassWordChar) != 0;
  };
  // Where each word left and right of the hit starts and ends; empty past the text's edge.
  int32_t leftAt[6][2] = {}, rightAt[6][2] = {};
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
    leftAt[w][0] = i;
    leftAt[w][1] = end;
  }
  i = hitEnd;
  for (int w = 1; w <= needRight; ++w) {
    while (i < n && !isWord(i)) ++i;
    const int32_t start = i;
    while (i < n && isWord(i)) ++i;
    rightAt[w][0] = start;
    rightAt[w][1] = i;
  }
  UnicodeString words;
  bool first = true;
  for (const auto& k : keys) {
    if (k.kind != TConcordSortKey::word) continue;
    if (!first) words += u'\0';
    first = false;
    const int32_t* at = k.slot == 0 ? nullptr : k.slot < 0 ? leftAt[-k.slot] : rightAt[k.slot];
    if (!at)
      words.append(text + hitStart, text + hitEnd);
    else
      words.append(text + at[0], text + at[1]);
  }
  return words;
}

namespace {

// Ranks of texts in the locale's order: texts the collation holds equal share a rank, so lines compare by
// integers and only the distinct texts are collated. The distinct texts are found through one flat hash
// table, each text looked up once.
std::vector<int32_t> CollationRanks(LCID lcid, const std::vector<std::u16string_view>& texts) {
  std::size_t capacity = 16;
  while (capacity < texts.size() * 2) capacity *= 2;
  constexpr uint32_t kFree = UINT32_MAX;
  std::vector<uint32_t> table(capacity, kFree);  // distinct number, or kFree
  std::vector<std::u16string_view> distinct;
  std::vector<uint32_t> idOf(texts.size());
  for (std::size_t i = 0; i < texts.size(); ++i) {
    const std::u16string_view t = texts[i];
    uint64_t h = 0xcbf29ce484222325ull;
    for (char16_t c : t) h = (h ^ c) * 0x100000001b3ull;
    std::size_t slot = (h ^ (h >> 29)) & (capacity - 1);
    while (table[slot] != kFree && distinct[table[slot]] != t) slot = (slot + 1) & (capacity - 1);
    if (table[slot] == kFree) {
      table[slot] = static_cast<uint32_t>(distinct.size());
      distinct.push_back(t);
    }
    idOf[i] = table[slot];
  }
  // Case is ignored by comparing lower-cased forms, made once for each distinct text.
  std::vector<UnicodeString> lower;
  lower.reserve(distinct.size());
  for (const auto& d : distinct) lower.push_back(Lowercase(lcid, UnicodeString(d)));
  auto cmp = [&](uint32_t a, uint32_t b) {
    return CompareStringW(lcid, NORM_IGNORECASE, lower[a].data(), static_cast<int>(lower[a].size()),
                          lower[b].data(), static_cast<int>(lower[b].size()));
  };
  std::vector<uint32_t> order(distinct.size());
  std::iota(order.begin(), order.end(), 0u);
  // Ties broken by code units, so the order never depends on the hash table's.
  std::sort(order.begin(), order.end(), [&](uint32_t a, uint32_t b) {
    const int c = cmp(a, b);
    return c != CSTR_EQUAL ? c == CSTR_LESS_THAN : distinct[a] < distinct[b];
  });
  std::vector<int32_t> rankOf(distinct.size());
  int32_t rank = 0;
  for (std::size_t i = 0; i < order.size(); ++i) {
    if (i > 0 && cmp(order[i - 1], order[i]) != CSTR_EQUAL) ++rank;
    rankOf[order[i]] = rank;
  }
  std::vector<int32_t> ranks(texts.size());
  for (std::size_t i = 0; i < texts.size(); ++i) ranks[i] = rankOf[idOf[i]];
  return ranks;
}

}  // namespace

std::vector<uint32_t> SortConcordLines(LCID lcid, const std::vector<TConcordSortKey>& keys,
                                       const std::vector<TConcordSortLine>& lines,
                                       const std::vector<std::string>& fileNames) {
  const std::size_t nKeys = keys.size();
  std::size_t nWordKeys = 0;
  for (const auto& k : keys) nWordKeys += k.kind == TConcordSortKey::word;
  // Each line's words, cut out of its joined form once.
  std::vector<std::u16string_view> words(lines.size() * nWordKeys);
  for (std::size_t i = 0; i < lines.size() && nWordKeys; ++i) {
    std::u16string_view rest = lines[i].words;
    for (std::size_t w = 0; w < nWordKeys; ++w) {
      const std::size_t cut = std::min(rest.find(u'\0'), rest.size());
      words[i * nWordKeys + w] = rest.substr(0, cut);
      rest.remove_prefix(std::min(rest.size(), cut + 1));
    }
  }
  // Every key of every line as one integer: a word's or file's rank, or the position.
  std::vector<int64_t> values(lines.size() * nKeys);
  std::size_t wordKey = 0;
  for (std::size_t k = 0; k < nKeys; ++k) {
    const TConcordSortKey& key = keys[k];
    if (key.kind == TConcordSortKey::position) {
      for (std::size_t i = 0; i < lines.size(); ++i) values[i * nKeys + k] = lines[i].position;
    } else if (key.kind == TConcordSortKey::file) {
      std::vector<UnicodeString> names;
      for (const std::string& f : fileNames) names.push_back(UTF8ToUTF16(f));
      const std::vector<int32_t> ranks =
          CollationRanks(lcid, std::vector<std::u16string_view>(names.begin(), names.end()));
      for (std::size_t i = 0; i < lines.size(); ++i) values[i * nKeys + k] = ranks[lines[i].text];
    } else {
      std::vector<std::u16string_view> column(lines.size());
      for (std::size_t i = 0; i < lines.size(); ++i) column[i] = words[i * nWordKeys + wordKey];
      const std::vector<int32_t> ranks = CollationRanks(lcid, column);
      // An empty slot (the text's edge) sorts before every word.
      for (std::size_t i = 0; i < lines.size(); ++i)
        values[i * nKeys + k] = column[i].empty() ? -1 : ranks[i];
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
