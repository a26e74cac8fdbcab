// Clusters: runs of N consecutive words inside one sentence. Each thread turns a text into its own word
// numbers (each distinct form is case-folded once, when first met); the main thread maps them to the list's
// numbers and counts every window through a hash table keyed by the sequence of numbers, so a cluster's
// text is only spelled out for the clusters that are shown.
#include <algorithm>
#include <cstring>
#include <string_view>
#include <unordered_map>

#include "lexcore/rtl/lx_exceptions.h"
#include "lexcore/search/search_stats.h"
#include "lexcore/text/WinGenOk.h"
#include "lexcore/text/bare_assemb3.h"
#include "tools/lexmill/lexmill_commands.h"

namespace lx {

namespace {

constexpr uint32_t kBreak = UINT32_MAX;  // a sentence or paragraph end between two words

struct TU16Hash {
  using is_transparent = void;
  std::size_t operator()(std::u16string_view s) const noexcept { return std::hash<std::u16string_view>()(s); }
};

// A text as word numbers of the thread that read it, with breaks; words the thread had not met before are
// spelled out from number firstNew on.
struct TClusterText {
  bool read = false;
  std::size_t worker = 0;
  std::vector<uint32_t> words;
  std::vector<UnicodeString> newWords;
  uint32_t firstNew = 0;
};

class TClusterWordReader {
 public:
  TClusterWordReader(LCID lcid, bool keepCase) : lcid(lcid), keepCase(keepCase) {}

  void ReadText(const WideChar* text, const uint16_t* classes, std::size_t n, TClusterText& out) {
    out.firstNew = static_cast<uint32_t>(count);
    auto isWord = [&](std::size_t i) {
      return i < n && !(classes[i] & CharClassHiddenOrMarker) && (classes[i] & CharClassWordChar);
    };
    for (std::size_t i = 0; i < n;) {
      const uint16_t k = classes[i];
      if (k & CharClassSegmentMarker) {
        const uint16_t code = k & kSegmentCodeMask;
        if ((code == seg_sentence_end_by_rule || code == seg_paragraph_end_by_rule) && !out.words.empty() &&
            out.words.back() != kBreak)
          out.words.push_back(kBreak);
        ++i;
        continue;
      }
      if (!isWord(i)) {
        ++i;
        continue;
      }
      const std::size_t start = i;
      while (isWord(i)) ++i;
      out.words.push_back(Number(std::u16string_view(text + start, i - start), out));
    }
  }

 private:
  uint32_t Number(std::u16string_view form, TClusterText& out) {
    const auto known = forms.find(form);
    if (known != forms.end()) return known->second;
    UnicodeString key(form);
    if (!keepCase) key = Lowercase(lcid, key);
    auto [it, added] = canonical.try_emplace(key, static_cast<uint32_t>(count));
    if (added) {
      ++count;
      out.newWords.push_back(key);
    }
    forms.emplace(UnicodeString(form), it->second);
    return it->second;
  }

  LCID lcid;
  bool keepCase;
  std::size_t count = 0;
  std::unordered_map<UnicodeString, uint32_t, TU16Hash, std::equal_to<>> forms, canonical;
};

// Counts of word-number sequences: open addressing over slots that point into one arena of numbers.
class TClusterTable {
 public:
  struct TEntry {
    uint64_t offset;  // into the arena
    uint32_t length;
    int64_t freq;
    int32_t texts;
    int32_t lastText;
  };

  TClusterTable() : slots(1024, kEmpty), mask(1023) {}

  void Add(const uint32_t* words, uint32_t n, int32_t text) {
    const uint64_t h = Hash(words, n);
    std::size_t i = h & mask;
    for (; slots[i] != kEmpty; i = (i + 1) & mask) {
      TEntry& e = entries[slots[i]];
      if (e.length == n && std::memcmp(arena.data() + e.offset, words, n * sizeof(uint32_t)) == 0) {
        ++e.freq;
        if (e.lastText != text) {
          e.lastText = text;
          ++e.texts;
        }
        return;
      }
    }
    slots[i] = static_cast<uint32_t>(entries.size());
    LX_ASSERT(entries.size() < kEmpty - 1, u"cluster table full");
    entries.push_back(TEntry{arena.size(), n, 1, 1, text});
    arena.insert(arena.end(), words, words + n);
    if (entries.size() * 4 > slots.size() * 3) Grow();
  }

  const std::vector<TEntry>& Entries() const { return entries; }
  const uint32_t* Words(const TEntry& e) const { return arena.data() + e.offset; }

 private:
  static constexpr uint32_t kEmpty = UINT32_MAX;

  static uint64_t Hash(const uint32_t* w, uint32_t n) {
    uint64_t h = 0x9E3779B97F4A7C15ull ^ n;
    for (uint32_t i = 0; i < n; ++i) {
      h = (h ^ w[i]) * 0xbf58476d1ce4e5b9ull;
      h ^= h >> 29;
    }
    return h ^ (h >> 32);
  }

  void Grow() {
    slots.assign(slots.size() * 2, kEmpty);
    mask = slots.size() - 1;
    for (uint32_t k = 0; k < entries.size(); ++k) {
      std::size_t i = Hash(arena.data() + entries[k].offset, entries[k].length) & mask;
      while (slots[i] != kEmpty) i = (i + 1) & mask;
      slots[i] = k;
    }
  }

  std::vector<uint32_t> slots;
  std::size_t mask;
  std::vector<TEntry> entries;
  std::vector<uint32_t> arena;
};

}  // namespace

int RunClusters(const TLexmillOptions& options, const std::vector<std::string>& paths) {
  TLexmillProblems problems;
  const std::vector<std::string> files = CollectTexts(paths, options.mask, problems);
  const std::size_t workers = std::max<std::size_t>(1, std::min<std::size_t>(options.jobs, files.size()));
  std::vector<TClusterWordReader> readers(workers, TClusterWordReader(options.lcid, options.keepCase));
  std::vector<std::vector<uint32_t>> toGlobal(workers);
  std::unordered_map<UnicodeString, uint32_t, TU16Hash, std::equal_to<>> index;
  std::vector<UnicodeString> words;
  TClusterTable table;
  std::vector<uint32_t> global;
  int32_t texts = 0;
  int64_t tokens = 0;
  ForEachText<TClusterText>(
      options, files, problems,
      [&](TLexmillTextReader& reader, std::size_t i, std::size_t worker, TLexmillProblems& p) {
        TClusterText t;
        t.worker = worker;
        if (!reader.Read(files[i], p)) return t;
        t.read = true;
        reader.Classify(true);
        readers[worker].ReadText(reader.Chars(), reader.Classes(), reader.Length(), t);
        return t;
      },
      [&](TClusterText& t, std::size_t) {
        if (!t.read) return true;
        std::vector<uint32_t>& map = toGlobal[t.worker];
        for (const UnicodeString& w : t.newWords) {
          auto [it, added] = index.try_emplace(w, static_cast<uint32_t>(words.size()));
          if (added) words.push_back(w);
          map.push_back(it->second);
        }
        global.clear();
        for (uint32_t w : t.words) {
          global.push_back(w == kBreak ? kBreak : map[w]);
          if (w != kBreak) ++tokens;
        }
        // Every window of each size that lies within one sentence.
        const std::size_t n = global.size();
        for (std::size_t start = 0, end; start < n; start = end + 1) {
          end = start;
          while (end < n && global[end] != kBreak) ++end;
          for (uint32_t size = options.clusterMin; size <= options.clusterMax; ++size)
            for (std::size_t i = start; i + size <= end; ++i) table.Add(global.data() + i, size, texts);
        }
        ++texts;
        return true;
      });

  struct TShown {
    std::string text;
    int64_t freq;
    int32_t texts;
  };
  std::vector<TShown> shown;
  for (const TClusterTable::TEntry& e : table.Entries()) {
    if (e.freq < options.minFreq) continue;
    UnicodeString joined;
    const uint32_t* w = table.Words(e);
    for (uint32_t i = 0; i < e.length; ++i) {
      if (i) joined += u' ';
      joined += words[w[i]];
    }
    shown.push_back(TShown{ToUTF8(joined), e.freq, e.texts});
  }
  // UTF-8 byte order is code-point order, the same on every machine.
  std::sort(shown.begin(), shown.end(), [](const TShown& a, const TShown& b) {
    return a.freq != b.freq ? a.freq > b.freq : a.text < b.text;
  });
  const std::size_t count = options.top >= 0
                                ? std::min<std::size_t>(static_cast<std::size_t>(options.top), shown.size())
                                : shown.size();
  TLexmillWriter out(options.format, {{"cluster"}, {"frequency", true}, {"texts", true}},
                     options.summaryInOutput);
  for (std::size_t i = 0; i < count; ++i)
    out.Row({shown[i].text, std::to_string(shown[i].freq), std::to_string(shown[i].texts)});
  out.Summary("tokens " + std::to_string(tokens) + ", clusters " + std::to_string(table.Entries().size()) +
              ", shown " + std::to_string(count) + ", texts " + std::to_string(texts));
  out.Finish();
  return ExitCode(problems, files);
}

}  // namespace lx
