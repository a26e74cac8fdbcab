// Clusters: runs of N consecutive words inside one sentence. Each thread turns a text into its own word
// numbers (each distinct form is case-folded once, when first met); the main thread maps them to the list's
// numbers and counts every window through a hash table keyed by the sequence of numbers, so a cluster's
// text is only spelled out for the clusters that are shown. When the table outgrows --memory it is written
// to disk as a sorted run and emptied; the runs are merged at the end.
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <queue>
#include <stdexcept>
#include <string_view>
#include <unordered_map>

#include "lexcore/rtl/lx_exceptions.h"
#include "lexcore/search/search_stats.h"
#include "lexcore/text/WinGenOk.h"
#include "lexcore/text/bare_assemb3.h"
#include "tools/lexmill/lexmill_case.h"
#include "tools/lexmill/lexmill_commands.h"
#include "tools/lexmill/lexmill_sources.h"

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
    const uint64_t h = FormHash(form);
    std::size_t i = h & formMask;
    for (; formSlots[i] != kNoForm; i = (i + 1) & formMask) {
      const TForm& f = formList[formSlots[i]];
      if (f.hash == h && f.length == form.size() &&
          std::memcmp(formChars.data() + f.offset, form.data(), form.size() * sizeof(WideChar)) == 0)
        return f.number;
    }
    UnicodeString key(form);
    if (!keepCase) key = WordLowercase(lcid, key);
    auto [it, added] = canonical.try_emplace(key, static_cast<uint32_t>(count));
    if (added) {
      ++count;
      out.newWords.push_back(key);
    }
    formSlots[i] = static_cast<uint32_t>(formList.size());
    formList.push_back(TForm{h, formChars.size(), static_cast<uint32_t>(form.size()), it->second});
    formChars.append(form);
    if (formList.size() * 2 > formSlots.size()) GrowForms();
    return it->second;
  }

  // Every token is looked up here: a flat table over one arena of characters keeps that to one or two cache
  // lines a token.
  static uint64_t FormHash(std::u16string_view s) {
    uint64_t h = 0x9E3779B97F4A7C15ull ^ s.size();
    for (WideChar c : s) h = (h ^ c) * 0x100000001B3ull;
    return h ^ (h >> 29);
  }

  void GrowForms() {
    formSlots.assign(formSlots.size() * 2, kNoForm);
    formMask = formSlots.size() - 1;
    for (uint32_t k = 0; k < formList.size(); ++k) {
      std::size_t i = formList[k].hash & formMask;
      while (formSlots[i] != kNoForm) i = (i + 1) & formMask;
      formSlots[i] = k;
    }
  }

  struct TForm {
    uint64_t hash;
    std::size_t offset;
    uint32_t length;
    uint32_t number;
  };
  static constexpr uint32_t kNoForm = UINT32_MAX;

  LCID lcid;
  bool keepCase;
  std::size_t count = 0;
  std::vector<uint32_t> formSlots = std::vector<uint32_t>(4096, kNoForm);
  std::size_t formMask = 4095;
  std::vector<TForm> formList;
  std::u16string formChars;
  std::unordered_map<UnicodeString, uint32_t, TU16Hash, std::equal_to<>> canonical;
};

// Counts of word-number sequences: open addressing over slots that point into one arena of numbers.
class TClusterTable {
 public:
  static constexpr uint32_t kMaxWords = 8;
  struct TEntry {
    int64_t freq;
    int32_t texts;
    int32_t firstText, lastText;
    uint32_t length;
    uint32_t words[kMaxWords];  // held here, so a count touches its slot and its entry only
  };

  TClusterTable() : slots(1024, kEmpty), mask(1023) {}

  void Add(const uint32_t* words, uint32_t n, int32_t text) {
    const uint64_t h = Hash(words, n);
    const uint64_t tag = h >> 32 << 32;  // a slot keeps the hash's high half beside the entry's index
    std::size_t i = h & mask;
    for (; slots[i] != kEmpty; i = (i + 1) & mask) {
      if ((slots[i] & kTagMask) != tag) continue;
      TEntry& e = entries[slots[i] & kIndexMask];
      if (e.length == n && std::memcmp(e.words, words, n * sizeof(uint32_t)) == 0) {
        ++e.freq;
        if (e.lastText != text) {
          e.lastText = text;
          ++e.texts;
        }
        return;
      }
    }
    LX_ASSERT(entries.size() < kIndexMask, u"cluster table full");
    slots[i] = tag | entries.size();
    TEntry& e = entries.emplace_back();
    e.freq = 1;
    e.texts = 1;
    e.firstText = e.lastText = text;
    e.length = n;
    std::memcpy(e.words, words, n * sizeof(uint32_t));
    if (entries.size() * 4 > slots.size() * 3) Grow();
  }

  const std::vector<TEntry>& Entries() const { return entries; }
  const uint32_t* Words(const TEntry& e) const { return e.words; }
  // What the table holds, in bytes, as allocated.
  uint64_t Bytes() const { return slots.capacity() * sizeof(uint64_t) + entries.capacity() * sizeof(TEntry); }
  // The entries' indexes in the order of their word-number sequences.
  std::vector<uint32_t> SortedOrder() const {
    std::vector<uint32_t> order(entries.size());
    for (uint32_t k = 0; k < order.size(); ++k) order[k] = k;
    std::sort(order.begin(), order.end(), [this](uint32_t a, uint32_t b) {
      const TEntry &x = entries[a], &y = entries[b];
      return std::lexicographical_compare(x.words, x.words + x.length, y.words, y.words + y.length);
    });
    return order;
  }
  void Clear() {
    std::vector<uint64_t>(1024, kEmpty).swap(slots);
    mask = 1023;
    std::vector<TEntry>().swap(entries);
  }

 private:
  static constexpr uint64_t kEmpty = UINT64_MAX;
  static constexpr uint64_t kIndexMask = 0xFFFFFFFFull, kTagMask = ~kIndexMask;

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
      const uint64_t h = Hash(entries[k].words, entries[k].length);
      std::size_t i = h & mask;
      while (slots[i] != kEmpty) i = (i + 1) & mask;
      slots[i] = (h >> 32 << 32) | k;
    }
  }

  std::vector<uint64_t> slots;
  std::size_t mask;
  std::vector<TEntry> entries;
};

// A cluster with its counts as a sorted run holds it: the run is written in the order of word-number
// sequences, so runs merge in one pass.
struct TRunRecord {
  std::vector<uint32_t> words;
  int64_t freq = 0;
  int32_t texts = 0, firstText = 0, lastText = 0;
};

class ELexmillSpillError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// An unnamed temporary file in $TMPDIR (else /tmp): it is gone when closed, however the run ends.
std::FILE* NewSpillFile() {
  const char* base = std::getenv("TMPDIR");
  std::string name = std::string(base && *base ? base : "/tmp") + "/lexmill-clusters-XXXXXX";
  const int fd = ::mkstemp(name.data());
  if (fd < 0) throw ELexmillSpillError("cannot create a spill file in " + name + ": " + std::strerror(errno));
  ::unlink(name.c_str());
  std::FILE* f = ::fdopen(fd, "w+b");
  if (!f) {
    ::close(fd);
    throw ELexmillSpillError(std::string("cannot open a spill file: ") + std::strerror(errno));
  }
  std::setvbuf(f, nullptr, _IOFBF, 1 << 16);
  return f;
}

void Put(std::FILE* f, const void* p, std::size_t n) {
  if (std::fwrite(p, 1, n, f) != n)
    throw ELexmillSpillError(std::string("cannot write a spill file: ") + std::strerror(errno));
}

class TRunReader {
 public:
  explicit TRunReader(std::FILE* f) : f(f) {
    if (std::fflush(f) != 0 || std::fseek(f, 0, SEEK_SET) != 0)
      throw ELexmillSpillError(std::string("cannot read back a spill file: ") + std::strerror(errno));
  }
  // False at the end of the run.
  bool Next(TRunRecord& r) {
    uint32_t n = 0;
    if (std::fread(&n, sizeof n, 1, f) != 1) {
      if (std::ferror(f)) throw ELexmillSpillError("cannot read back a spill file");
      return false;
    }
    if (n == 0 || n > TClusterTable::kMaxWords) throw ELexmillSpillError("a spill file was damaged");
    r.words.resize(n);
    if (std::fread(r.words.data(), sizeof(uint32_t), n, f) != n ||
        std::fread(&r.freq, sizeof r.freq, 1, f) != 1 || std::fread(&r.texts, sizeof r.texts, 1, f) != 1 ||
        std::fread(&r.firstText, sizeof r.firstText, 1, f) != 1 ||
        std::fread(&r.lastText, sizeof r.lastText, 1, f) != 1)
      throw ELexmillSpillError("a spill file ended early");
    return true;
  }

 private:
  std::FILE* f;
};

// Sorted runs of the cluster table written to disk whenever it outgrows its budget, merged at the end.
class TClusterSpill {
 public:
  ~TClusterSpill() {
    for (std::FILE* f : runs) std::fclose(f);
  }
  std::size_t Runs() const { return runs.size(); }

  void Spill(TClusterTable& table) {
    std::FILE* f = NewSpillFile();
    runs.push_back(f);
    for (uint32_t k : table.SortedOrder()) {
      const TClusterTable::TEntry& e = table.Entries()[k];
      Write(f, table.Words(e), e.length, e.freq, e.texts, e.firstText, e.lastText);
    }
    table.Clear();
    // A small budget makes many runs: they are merged into one before files and buffers pile up.
    if (runs.size() >= kMaxRuns) {
      std::FILE* merged = NewSpillFile();
      Merge([&](const TRunRecord& r) {
        Write(merged, r.words.data(), static_cast<uint32_t>(r.words.size()), r.freq, r.texts, r.firstText,
              r.lastText);
      });
      for (std::FILE* old : runs) std::fclose(old);
      runs.assign(1, merged);
    }
  }

  // Every cluster once, with the counts of all runs added up, in word-number order. Runs were written in
  // the order texts were read, so a text split between two runs is the last of the one and the first of
  // the next, and is counted once.
  template <class Each>
  void Merge(Each each) {
    std::vector<TRunReader> readers;
    std::vector<TRunRecord> heads(runs.size());
    using TItem = std::pair<const std::vector<uint32_t>*, std::size_t>;
    auto later = [](const TItem& a, const TItem& b) {
      if (*a.first != *b.first) return *b.first < *a.first;
      return b.second < a.second;  // the same cluster comes out run by run, in the order of runs
    };
    std::priority_queue<TItem, std::vector<TItem>, decltype(later)> queue(later);
    for (std::size_t r = 0; r < runs.size(); ++r) {
      readers.emplace_back(runs[r]);
      if (readers[r].Next(heads[r])) queue.emplace(&heads[r].words, r);
    }
    TRunRecord current;
    bool have = false;
    while (!queue.empty()) {
      const std::size_t r = queue.top().second;
      queue.pop();
      TRunRecord& h = heads[r];
      if (have && h.words == current.words) {
        current.freq += h.freq;
        current.texts += h.texts - (current.lastText == h.firstText ? 1 : 0);
        current.lastText = h.lastText;
      } else {
        if (have) each(current);
        current = h;
        have = true;
      }
      if (readers[r].Next(h)) queue.emplace(&h.words, r);
    }
    if (have) each(current);
  }

 private:
  static constexpr std::size_t kMaxRuns = 64;

  static void Write(std::FILE* f, const uint32_t* words, uint32_t length, int64_t freq, int32_t texts,
                    int32_t firstText, int32_t lastText) {
    Put(f, &length, sizeof length);
    Put(f, words, length * sizeof(uint32_t));
    Put(f, &freq, sizeof freq);
    Put(f, &texts, sizeof texts);
    Put(f, &firstText, sizeof firstText);
    Put(f, &lastText, sizeof lastText);
  }

  std::vector<std::FILE*> runs;
};

}  // namespace

int RunClusters(const TLexmillOptions& options, const std::vector<std::string>& paths) {
  TLexmillProblems problems;
  const std::vector<std::string> files = CollectSources(paths, options.mask, options.readZips, problems);
  const std::size_t workers = std::max<std::size_t>(1, std::min<std::size_t>(options.jobs, files.size()));
  std::vector<TClusterWordReader> readers(workers, TClusterWordReader(options.lcid, options.keepCase));
  std::vector<std::vector<uint32_t>> toGlobal(workers);
  std::unordered_map<UnicodeString, uint32_t, TU16Hash, std::equal_to<>> index;
  std::vector<UnicodeString> words;
  TClusterTable table;
  TClusterSpill spill;
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
          if (table.Bytes() > options.clusterMemory && !table.Entries().empty()) spill.Spill(table);
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
  auto show = [&](const uint32_t* w, uint32_t length, int64_t freq, int32_t inTexts) {
    if (freq < options.minFreq) return;
    UnicodeString joined;
    for (uint32_t i = 0; i < length; ++i) {
      if (i) joined += u' ';
      joined += words[w[i]];
    }
    shown.push_back(TShown{ToUTF8(joined), freq, inTexts});
  };
  std::size_t distinct = 0;
  if (spill.Runs() == 0) {
    distinct = table.Entries().size();
    for (const TClusterTable::TEntry& e : table.Entries()) show(table.Words(e), e.length, e.freq, e.texts);
  } else {
    if (!table.Entries().empty()) spill.Spill(table);
    std::fprintf(stderr,
                 "lexmill: the counts outgrew --memory and were merged from %zu sorted runs on disk\n",
                 spill.Runs());
    spill.Merge([&](const TRunRecord& r) {
      ++distinct;
      show(r.words.data(), static_cast<uint32_t>(r.words.size()), r.freq, r.texts);
    });
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
  out.Summary("tokens " + std::to_string(tokens) + ", clusters " + std::to_string(distinct) + ", shown " +
              std::to_string(count) + ", texts " + std::to_string(texts));
  out.Finish();
  return ExitCode(problems, files);
}

}  // namespace lx
