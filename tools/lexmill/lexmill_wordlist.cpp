// The word list: each text is classified once and its class array walked for runs of letters and digits,
// which are counted in a hash table keyed by the form found in the text. Each distinct form is lower-cased
// once, when first met, and points to its canonical entry, so a token already seen costs one lookup and no
// allocation. Only at the end are the canonical words put into the spine's list for sorting.
#include <sys/stat.h>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string_view>
#include <thread>
#include <unordered_map>
#include <unordered_set>

#include "lexcore/rtl/lx_exceptions.h"
#include "lexcore/rtl/lx_parallel.h"
#include "lexcore/rtl/lx_strings.h"
#include "lexcore/text/WinGenOk.h"
#include "lexcore/text/bare_assemb3.h"
#include "lexlists/engine/base_holder.h"
#include "tools/lexmill/lexmill_case.h"
#include "tools/lexmill/lexmill_commands.h"
#include "tools/lexmill/lexmill_hugepages.h"
#include "tools/lexmill/lexmill_lemmas.h"
#include "tools/lexmill/lexmill_listfile.h"
#include "tools/lexmill/lexmill_lists.h"
#include "tools/lexmill/lexmill_sort.h"
#include "tools/lexmill/lexmill_sources.h"
#include "tools/lexmill/lexmill_wordcounts.h"

namespace lx {

namespace {

template <class T>
inline T Load(const unsigned char* p) {
  T v;
  std::memcpy(&v, p, sizeof v);
  return v;
}

// Both halves of the 128-bit product: every bit of either factor reaches the low bits, which pick a slot.
inline uint64_t Mix(uint64_t a, uint64_t b) {
  const unsigned __int128 m = static_cast<unsigned __int128>(a) * b;
  return static_cast<uint64_t>(m) ^ static_cast<uint64_t>(m >> 64);
}

// The first sixteen bytes of a form of `bytes` bytes, as two words with the bytes beyond the form cleared:
// masks by length, so that a form's length, which changes from token to token, costs no branch.
struct TShortMasks {
  uint64_t low[17], high[17];
  constexpr TShortMasks() : low(), high() {
    for (std::size_t b = 0; b <= 16; ++b) {
      const std::size_t l = b < 8 ? b : 8, h = b > 8 ? b - 8 : 0;
      low[b] = l == 8 ? ~uint64_t{0} : (uint64_t{1} << (8 * l)) - 1;
      high[b] = h == 8 ? ~uint64_t{0} : (uint64_t{1} << (8 * h)) - 1;
    }
  }
};
constexpr TShortMasks kShortMasks;

constexpr uint64_t kHashA = 0xa0761d6478bd642full, kHashC = 0x8ebc6af09c88c6e3ull;

// The hash of a form of more than sixteen bytes.
uint64_t HashLong(const unsigned char* b, std::size_t bytes) {
  uint64_t seed = kHashC ^ (bytes * kHashA);
  std::size_t i = 0;
  for (; i + 16 < bytes; i += 16)
    seed = Mix(Load<uint64_t>(b + i) ^ kHashA, Load<uint64_t>(b + i + 8) ^ seed);
  // The last sixteen bytes, overlapping what the loop took.
  return Mix(Load<uint64_t>(b + bytes - 16) ^ kHashA, Load<uint64_t>(b + bytes - 8) ^ seed);
}

// A form's hash, on the hot path of every token. A form of up to eight units (most are) is read in two
// loads whatever its length, so sixteen bytes from p must be readable.
inline uint64_t HashPadded(const char16_t* p, std::size_t n) {
  const auto* b = reinterpret_cast<const unsigned char*>(p);
  const std::size_t bytes = n * 2;
  if (bytes > 16) [[unlikely]]
    return HashLong(b, bytes);
  return Mix((Load<uint64_t>(b) & kShortMasks.low[bytes]) ^ kHashA,
             (Load<uint64_t>(b + 8) & kShortMasks.high[bytes]) ^ kHashC ^ (bytes * kHashA));
}

// The same hash of a form that may end its buffer.
uint64_t HashWord(const char16_t* p, std::size_t n) {
  if (n > 8) return HashLong(reinterpret_cast<const unsigned char*>(p), n * 2);
  char16_t room[8] = {};
  std::copy(p, p + n, room);
  return HashPadded(room, n);
}

// Whether the form at p is the hot form at q: n units, at most twelve, sixteen bytes readable at p.
inline bool SameHotUnits(const char16_t* q, const char16_t* p, std::size_t n) {
  const auto* a = reinterpret_cast<const unsigned char*>(q);
  const auto* b = reinterpret_cast<const unsigned char*>(p);
  const std::size_t bytes = n * 2;
  const std::size_t first = bytes < 16 ? bytes : 16;
  // Beyond sixteen bytes, the last eight as well, overlapping; otherwise the first eight again. Worked
  // out without a condition, which the compiler would make a branch.
  const std::size_t last = (bytes - 8) & (std::size_t{0} - static_cast<std::size_t>(bytes > 16));
  const uint64_t mask = kShortMasks.low[first];  // all ones beyond eight bytes
  return (((Load<uint64_t>(a) ^ Load<uint64_t>(b)) & mask) |
          ((Load<uint64_t>(a + 8) ^ Load<uint64_t>(b + 8)) & kShortMasks.high[first]) |
          ((Load<uint64_t>(a + last) ^ Load<uint64_t>(b + last)) & mask)) == 0;
}

// Whether two runs of n units are the same, a form of up to eight units in two loads of each.
inline bool SameUnits(const char16_t* p, const char16_t* q, std::size_t n) {
  const auto* a = reinterpret_cast<const unsigned char*>(p);
  const auto* b = reinterpret_cast<const unsigned char*>(q);
  const std::size_t bytes = n * 2;
  if (bytes > 16) return std::memcmp(a, b, bytes) == 0;
  if (bytes >= 8)
    return ((Load<uint64_t>(a) ^ Load<uint64_t>(b)) |
            (Load<uint64_t>(a + bytes - 8) ^ Load<uint64_t>(b + bytes - 8))) == 0;
  if (bytes >= 4)
    return ((Load<uint32_t>(a) ^ Load<uint32_t>(b)) |
            (Load<uint32_t>(a + bytes - 4) ^ Load<uint32_t>(b + bytes - 4))) == 0;
  return bytes == 0 || p[0] == q[0];
}

// Which of the `kCount` classes at p (eight or sixteen) are of letters or digits, as bits 0 to kCount - 1.
template <unsigned kCount>
inline unsigned WordCharBits(const uint16_t* p) {
  static_assert(kCount == 8 || kCount == 16);
#if defined(__SSE2__)
  const __m128i word = _mm_set1_epi16(CharClassWordChar);
  const auto other = [&](const uint16_t* q) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(q));
    return _mm_cmpeq_epi16(_mm_and_si128(v, word), _mm_setzero_si128());
  };
  const __m128i low = other(p);
  const __m128i high = kCount == 16 ? other(p + 8) : low;
  return ~static_cast<unsigned>(_mm_movemask_epi8(_mm_packs_epi16(low, high))) & ((1u << kCount) - 1);
#else
  unsigned bits = 0;
  for (unsigned k = 0; k < kCount; ++k) bits |= (p[k] & CharClassWordChar) ? 1u << k : 0u;
  return bits;
#endif
}

struct TWordHash {
  using is_transparent = void;
  std::size_t operator()(std::u16string_view s) const noexcept { return HashWord(s.data(), s.size()); }
};

// The forms met in the texts, each pointing to its canonical word: open addressing over one array of
// slots that hold all a lookup needs but the characters, which are kept end to end in one arena.
class TWordFormTable {
 public:
  TWordFormTable() : slots(1024), mask(1023) {}

  static constexpr uint32_t kEmpty = UINT32_MAX;

  // The canonical index of a form, or kEmpty with slot set to where the form would go.
  uint32_t Find(const char16_t* p, std::size_t n, uint64_t h, std::size_t& slot) const {
    const uint32_t tag = static_cast<uint32_t>(h >> 32);
    for (std::size_t i = h & mask;; i = (i + 1) & mask) {
      const TSlot& s = slots[i];
      if (s.canonical == kEmpty) {
        slot = i;
        return kEmpty;
      }
      if (s.tag == tag && s.length == n && SameUnits(arena.data() + s.offset, p, n)) return s.canonical;
    }
  }
  // Starts loading the slot a lookup of hash h begins at.
  void Prefetch(uint64_t h) const { __builtin_prefetch(&slots[h & mask]); }
  void Add(const char16_t* p, std::size_t n, uint64_t h, std::size_t slot, uint32_t canonical) {
    // The arena is addressed by 32 bits: forms beyond 4 G characters in all would need a vocabulary of
    // hundreds of millions of words, which no memory here holds either.
    LX_ASSERT(arena.size() + n < UINT32_MAX, u"word form table full");
    slots[slot] = TSlot{static_cast<uint32_t>(h >> 32), canonical, static_cast<uint32_t>(arena.size()),
                        static_cast<uint32_t>(n)};
    arena.insert(arena.end(), p, p + n);
    if (++count * 4 > slots.size() * 3) Grow();  // three quarters full: a smaller table stays in cache
  }

 private:
  struct TSlot {
    uint32_t tag = 0, canonical = kEmpty, offset = 0, length = 0;
  };
  void Grow() {
    THugeVector<TSlot> old(slots.size() * 2);
    old.swap(slots);
    mask = slots.size() - 1;
    for (const TSlot& s : old) {
      if (s.canonical == kEmpty) continue;
      std::size_t i = HashWord(arena.data() + s.offset, s.length) & mask;
      while (slots[i].canonical != kEmpty) i = (i + 1) & mask;
      slots[i] = s;
    }
  }

  THugeVector<TSlot> slots;
  std::size_t mask;
  std::size_t count = 0;
  THugeVector<char16_t> arena;
};

struct TCanonicalWord {
  const UnicodeString* word;
  int64_t freq = 0;
  int32_t texts = 0;
};

// Where a word was first met: the text, and its place among the words of that text in the order first met.
// Sorting by it puts the words of any number of threads in the order one thread reading every text in turn
// would have met them.
struct TFirstMet {
  uint32_t text = UINT32_MAX, order = 0;
  friend auto operator<=>(const TFirstMet&, const TFirstMet&) = default;
};

// The counting of one thread: each distinct form is lower-cased once, when the thread first meets it, and
// points to the thread's canonical word, so a token already seen costs one lookup and no allocation. The
// totals of the thread's texts are kept here too, so nothing of a text needs to be handed on but its tokens.
// The threads' counters stand side by side, each on cache lines of its own: one thread's writes would
// otherwise evict what the other reads for every token.
class alignas(128) TWordCounter {
 public:
  TWordCounter(LCID lcid, bool keepCase) : lcid(lcid), keepCase(keepCase) {
    // Letters of the ASCII range lower-case by a table unless the language cases them otherwise (Turkish
    // capital I).
    asciiTable = !keepCase && Lowercase(lcid, u"ABCDEFGHIJKLMNOPQRSTUVWXYZ") == u"abcdefghijklmnopqrstuvwxyz";
  }

  // Counts the words of text number textNo into the thread's totals; gives its tokens. The classes after the
  // text's n read as spaces, for a block of eight from any place up to n, and eight units of the text after n
  // can be read.
  int64_t CountText(const WideChar* text, const uint16_t* classes, std::size_t n, uint32_t textNo) {
    int64_t tokens = 0;
    std::size_t i = 0;
    // Tokens are found a batch at a time and the table slots they will look at are asked for before the
    // first is looked up, so that the cache misses of a batch overlap instead of following one another.
    constexpr std::size_t kBatch = 16;
    struct TToken {
      uint32_t start, length;  // a text holds fewer than 2^31 units: the reader refuses larger ones
      uint64_t hash;
    } batch[kBatch];
    while (i < n) {
      std::size_t found = 0;
      while (found < kBatch) {
        // Runs of letters and digits are found eight classes at a time, so a word's length costs no
        // branch of its own; the spaces from n on end the last word.
        unsigned words = WordCharBits<8>(classes + i);
        while (words == 0 && i + 8 < n) words = WordCharBits<8>(classes + (i += 8));
        if (words == 0) {
          i = n;
          break;
        }
        i += static_cast<std::size_t>(__builtin_ctz(words));
        const std::size_t start = i;
        unsigned others;
        // Sixteen at a time: few words run past that, so the loop is seldom taken again.
        while ((others = ~WordCharBits<16>(classes + i) & 0xFFFFu) == 0) i += 16;
        i += static_cast<std::size_t>(__builtin_ctz(others));
        const uint64_t h = HashPadded(text + start, i - start);
        PrefetchSlots(h);
        batch[found++] = TToken{static_cast<uint32_t>(start), static_cast<uint32_t>(i - start), h};
      }
      for (std::size_t t = 0; t < found; ++t) {
        const uint32_t w = Canonical<true>(text + batch[t].start, batch[t].length, batch[t].hash);
        if (textFreq[w]++ == 0) touched.push_back(w);
      }
      tokens += static_cast<int64_t>(found);
      if (found < kBatch) break;
    }
    for (std::size_t k = 0; k < touched.size(); ++k) {
      const uint32_t w = touched[k];
      TCounted& c = counted[w];
      if (c.texts++ == 0) c.first = TFirstMet{textNo, static_cast<uint32_t>(k)};
      c.freq += textFreq[w];
      textFreq[w] = 0;
    }
    touched.clear();
    return tokens;
  }

  // One form's word number, for the sub-commands that count word by word.
  uint32_t WordNumber(const char16_t* p, std::size_t n) { return Canonical<false>(p, n, HashWord(p, n)); }
  const UnicodeString& WordOf(uint32_t i) const { return words[i]; }

  // The totals of CountText, word by word.
  struct TCounted {
    int64_t freq = 0;
    int32_t texts = 0;
    TFirstMet first;
  };
  std::size_t Types() const { return words.size(); }
  const TCounted& Counted(uint32_t i) const { return counted[i]; }
  // The numbers here of the words from..to-1 of another thread's counter, kEmpty for those never met; the
  // table slots of a batch are asked for before the first is looked up, as in CountText.
  void FindWords(const TWordCounter& other, uint32_t from, uint32_t to, uint32_t* numbers) const {
    constexpr uint32_t kBatch = 16;
    uint64_t hashes[kBatch];
    for (uint32_t at = from; at < to; at += kBatch) {
      const uint32_t end = std::min(to, at + kBatch);
      for (uint32_t i = at; i < end; ++i) {
        const UnicodeString& w = other.words[i];
        hashes[i - at] = HashWord(w.data(), w.size());
        canonical.Prefetch(hashes[i - at]);
      }
      for (uint32_t i = at; i < end; ++i) {
        const UnicodeString& w = other.words[i];
        std::size_t slot = 0;
        numbers[i] = canonical.Find(w.data(), w.size(), hashes[i - at], slot);
      }
    }
  }

 private:
  void PrefetchSlots(uint64_t h) const {
    __builtin_prefetch(&hotForms[HotIndex(h)]);
    forms.Prefetch(h);
  }

  // The hot table's slot for a form of hash h, from bits above those that place it in the form table.
  static std::size_t HotIndex(uint64_t h) { return (h >> 40) & (kHotForms - 1); }

  // Most tokens are found in the hot table, on a path small enough to be inlined into the token walk.
  // Padded: sixteen bytes from p are readable, whatever n.
  template <bool kPadded>
  uint32_t Canonical(const char16_t* p, std::size_t n, uint64_t h) {
    if (n <= THot::kChars) {
      const THot& hot = hotForms[HotIndex(h)];
      if (hot.length == n && (kPadded ? SameHotUnits(hot.text, p, n) : SameUnits(hot.text, p, n)))
        return hot.canonical;
    }
    return NotHot(p, n, h);
  }

  [[gnu::noinline]] uint32_t NotHot(const char16_t* p, std::size_t n, uint64_t h) {
    const uint32_t w = Lookup(p, n, h);
    if (n <= THot::kChars) {
      THot& hot = hotForms[HotIndex(h)];
      std::memcpy(hot.text, p, n * sizeof(char16_t));
      hot.length = static_cast<uint16_t>(n);
      hot.canonical = w;
    }
    return w;
  }

  uint32_t Lookup(const char16_t* p, std::size_t n, uint64_t h) {
    std::size_t slot = 0;
    const uint32_t known = forms.Find(p, n, h, slot);
    if (known != TWordFormTable::kEmpty) return known;
    UnicodeString key(p, n);
    if (!keepCase) {
      char16_t any = 0;
      for (char16_t c : key) any |= c;
      if (asciiTable && any < 0x80) {
        for (char16_t& c : key) c = c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + 32) : c;
      } else {
        key = WordLowercase(lcid, key);
      }
    }
    const char16_t* k = key.data();
    const std::size_t kn = key.size();
    const uint64_t kh = kn == n && std::equal(k, k + n, p) ? h : HashWord(k, kn);
    std::size_t canonicalSlot = 0;
    uint32_t w = canonical.Find(k, kn, kh, canonicalSlot);
    if (w == TWordFormTable::kEmpty) {
      w = static_cast<uint32_t>(words.size());
      canonical.Add(k, kn, kh, canonicalSlot, w);
      words.push_back(std::move(key));
      textFreq.push_back(0);
      counted.emplace_back();
    }
    forms.Add(p, n, h, slot, w);
    return w;
  }

  LCID lcid;
  bool keepCase;
  bool asciiTable = false;
  // The forms met last, by hash, in a table small enough to stay in the nearest cache: most tokens are a few
  // frequent forms, and the full table is too big to stay there.
  struct THot {
    static constexpr std::size_t kChars = 12;
    char16_t text[kChars];
    uint16_t length = UINT16_MAX;
    uint32_t canonical = 0;
  };
  static constexpr std::size_t kHotForms = 4096;
  std::vector<THot> hotForms = std::vector<THot>(kHotForms);
  TWordFormTable forms;
  TWordFormTable canonical;  // the canonical words, to their numbers
  std::vector<UnicodeString> words;
  std::vector<TCounted> counted;
  std::vector<uint32_t> textFreq;  // per word, in the text being counted
  std::vector<uint32_t> touched;   // words of the text being counted, in the order met
};

// Looking words up in another thread's table pays on a thread of its own from this many words.
constexpr int64_t kWordsPerPart = 4096;

// The threads' totals as one list, in the order the words were first met in the texts as listed, which is
// the order one thread would have found them in: the list is the same however the texts were shared out.
// The words stay in the counters, which must outlive the list.
std::vector<TCanonicalWord> MergeCounters(const std::vector<TWordCounter>& counters, unsigned threads) {
  const TWordCounter& first = counters.front();
  std::vector<TCanonicalWord> merged;
  std::vector<TFirstMet> met;
  merged.reserve(first.Types());
  met.reserve(first.Types());
  for (uint32_t i = 0; i < first.Types(); ++i) {
    const TWordCounter::TCounted& n = first.Counted(i);
    merged.push_back({&first.WordOf(i), n.freq, n.texts});
    met.push_back(n.first);
  }
  if (counters.size() == 1) return merged;  // one thread met its words in that order already
  // The other threads' words are found in the first thread's table, on every thread; only those it never
  // met are indexed.
  std::unordered_map<std::u16string_view, uint32_t, TWordHash> others;
  std::vector<uint32_t> found;
  for (std::size_t k = 1; k < counters.size(); ++k) {
    const TWordCounter& c = counters[k];
    found.resize(c.Types());
    RunParts(PartsFor(c.Types(), threads, kWordsPerPart), c.Types(), [&](int32_t, int64_t from, int64_t to) {
      first.FindWords(c, static_cast<uint32_t>(from), static_cast<uint32_t>(to), found.data());
    });
    for (uint32_t i = 0; i < c.Types(); ++i) {
      const TWordCounter::TCounted& n = c.Counted(i);
      uint32_t j = found[i];
      if (j == TWordFormTable::kEmpty) {
        auto [it, added] = others.try_emplace(c.WordOf(i), static_cast<uint32_t>(merged.size()));
        if (added) {
          merged.push_back({&c.WordOf(i)});
          met.emplace_back();
        }
        j = it->second;
      }
      merged[j].freq += n.freq;
      merged[j].texts += n.texts;
      met[j] = std::min(met[j], n.first);
    }
  }
  // Sorted as pairs of (where first met, word), so that a comparison reads nothing else.
  std::vector<std::pair<uint64_t, uint32_t>> order(merged.size());
  for (uint32_t i = 0; i < order.size(); ++i)
    order[i] = {(static_cast<uint64_t>(met[i].text) << 32) | met[i].order, i};
  std::sort(order.begin(), order.end());
  std::vector<TCanonicalWord> words;
  words.reserve(order.size());
  for (const auto& [where, i] : order) words.push_back(merged[i]);
  return words;
}

// Takes out the entries that, with their forms, occur fewer than minFreq times, forms and all.
void KeepFrequentHeads(TLexmillWordList& list, int64_t minFreq) {
  if (minFreq <= 1) return;
  std::unordered_set<TLXBaseListObject*> going;
  for (int32_t i = 0; i < list.Count(); ++i) {
    TLexmillWordEntry* e = list.Word(i);
    if (e->JoinedElsewhere() || TLexmillWordList::FrequencyWithJoins(e) >= minFreq) continue;
    going.insert(e);
    for (int32_t j = 0; j < e->JoinCount(); ++j) going.insert(e->OwnJoinlist()->Entry(j));
  }
  for (int32_t i = 0; i < list.Count(); ++i)
    if (going.count(list.Get(i))) {
      delete list.Get(i);
      list.Put(i, nullptr);
    }
  list.Pack();
}

}  // namespace

int RunWordlist(const TLexmillOptions& options, const std::vector<std::string>& paths) {
  TLexmillProblems problems;
  // The lists a run depends on are read first, so a missing one costs no counting.
  const auto without = [](const char* what, const std::string& file) {
    std::fprintf(stderr, "lexmill: without its %s %s nothing was counted\n", what, file.c_str());
    return kExitProblems;
  };
  std::unordered_set<UnicodeString> stopWords;
  if (!options.stopFile.empty() && !ReadStopList(options.stopFile, options, stopWords, problems))
    return without("stop list", options.stopFile);
  std::vector<TLexmillLemma> lemmas;
  if (!options.lemmaFile.empty()) {
    int badLines = 0;
    if (!ReadLemmaFile(options.lemmaFile, options, lemmas, badLines, problems))
      return without("lemma file", options.lemmaFile);
    if (badLines)
      problems.Warn(std::to_string(badLines) + " lines of " + options.lemmaFile +
                    " are neither 'head -> form, form' nor 'form head' and were skipped");
    std::erase_if(lemmas, [&](const TLexmillLemma& l) { return stopWords.count(l.head) != 0; });
  }
  const std::vector<std::string> files = CollectSources(paths, options.mask, options.readZips, problems);
  const std::size_t workers = std::max<std::size_t>(1, std::min<std::size_t>(options.jobs, files.size()));
  std::vector<TWordCounter> counters(workers, TWordCounter(options.lcid, options.keepCase));
  // Without lemmas the words are ordered before they go into the list; the locale's collator that order
  // needs is opened beside the counting.
  std::jthread prepare;
  if (lemmas.empty()) prepare = StartThread([lcid = options.lcid] { PrepareWordListOrder(lcid); });
  int32_t texts = 0;
  int64_t tokens = 0;
  // A text's tokens, or -1 when it could not be read.
  ForEachText<int64_t>(
      options, files, problems,
      [&](TLexmillTextReader& reader, std::size_t i, std::size_t worker, TLexmillProblems& p) -> int64_t {
        if (!reader.Read(files[i], p)) return -1;
        reader.Classify(false);
        return counters[worker].CountText(reader.Chars(), reader.Classes(), reader.Length(),
                                          static_cast<uint32_t>(i));
      },
      [&](int64_t textTokens, std::size_t) {
        if (textTokens >= 0) {
          tokens += textTokens;
          ++texts;
        }
        return true;
      });
  std::vector<TCanonicalWord> counted = MergeCounters(counters, static_cast<unsigned>(workers));
  const std::size_t types = counted.size();

  // The spine's list: frequencies beyond its 32-bit field are held at the largest it can store. With lemmas,
  // the least frequency applies to a head with its forms, so it is applied after joining.
  TLXBaseHolder holder(options.lcid, true);
  auto list = Create<TLexmillWordList>(&holder);
  const bool lemmatising = !lemmas.empty();
  std::vector<TLexmillSortKey> keys;
  std::string error;
  if (!ParseWordlistSort(options.sort, keys, error)) keys = {TLexmillSortKey{}};
  std::vector<TLexmillSortRow> rows;
  rows.reserve(counted.size());
  for (const TCanonicalWord& w : counted)
    rows.push_back({w.word, static_cast<int32_t>(std::min<int64_t>(w.freq, INT32_MAX)), w.texts});
  // Where the list's order can be made here, on every thread, the words go in in that order and the list's
  // sort only confirms it. Joining lemmas changes the frequencies that order goes by.
  std::vector<uint32_t> order;
  if (prepare.joinable()) prepare.join();
  if (!lemmatising) order = WordListOrder(rows, keys, holder.GetLCID(), static_cast<unsigned>(workers));
  // The words are read in their new order, all over the counters' memory: each is asked for a few words
  // ahead, its row a few before that.
  constexpr std::size_t kRowAhead = 16, kWordAhead = 8;
  for (std::size_t k = 0; k < rows.size(); ++k) {
    if (!order.empty()) {
      if (k + kRowAhead < order.size()) __builtin_prefetch(&rows[order[k + kRowAhead]]);
      if (k + kWordAhead < order.size()) __builtin_prefetch(rows[order[k + kWordAhead]].word);
    }
    const TLexmillSortRow& w = rows[order.empty() ? k : order[k]];
    if ((lemmatising || w.freq >= options.minFreq) && !stopWords.count(*w.word))
      list->AddWord(*w.word, w.freq, w.texts);
  }
  rows.clear();
  // The list holds its own copies now. With more than one job the counters' many small blocks are freed on
  // a thread of their own while the list is sorted and written, instead of after.
  counted.clear();
  std::jthread release;
  if (workers > 1) release = StartThread([&counters] { std::vector<TWordCounter>().swap(counters); });
  if (lemmatising) {
    const TLexmillJoinCounts joined = JoinLemmas(*list, lemmas);
    if (joined.notJoined)
      problems.Warn(
          std::to_string(joined.notJoined) + " forms of " + options.lemmaFile +
          " were not joined: each was under another head already, or a head itself, or its head was under "
          "another");
    KeepFrequentHeads(*list, options.minFreq);
  }
  list->SetSortThreads(static_cast<unsigned>(workers));
  SortWordList(*list, keys);

  WriteWordListRows(*list, options, tokens,
                    "tokens " + std::to_string(tokens) + ", types " + std::to_string(types) + ", texts " +
                        std::to_string(texts));
  if (!options.saveFile.empty()) {
    const std::string target = WithListExtension(options.saveFile);
    if (!paths.empty())
      list->StoredListInfo->fdata.info_derives_from_filename = StoredFileName(paths.front());
    if (!options.stopFile.empty())
      list->StoredListInfo->fdata.stoplist_filename = StoredFileName(options.stopFile);
    try {
      SaveLexmillList(*list, target, TLexmillListTotals{tokens, texts, options.lcid});
    } catch (const Exception& e) {
      problems.Report("cannot save the list " + target + ": " + UTF16ToUTF8(e.Message));
    }
  }
  return ExitCode(problems, files);
}

struct TLexmillWordCounter::Impl {
  Impl(LCID lcid, bool keepCase) : counter(lcid, keepCase) {}
  uint32_t Count(const char16_t* p, std::size_t n, int32_t textNo) {
    const uint32_t w = counter.WordNumber(p, n);
    if (w >= freq.size()) {
      freq.resize(w + 1, 0);
      texts.resize(w + 1, 0);
      lastText.resize(w + 1, -1);
    }
    ++freq[w];
    if (lastText[w] != textNo) {
      lastText[w] = textNo;
      ++texts[w];
    }
    ++tokens;
    return w;
  }
  TWordCounter counter;
  std::vector<int64_t> freq;
  std::vector<int32_t> texts, lastText;
  int64_t tokens = 0;
};

TLexmillWordCounter::TLexmillWordCounter(LCID lcid, bool keepCase)
    : impl(std::make_unique<Impl>(lcid, keepCase)) {}
TLexmillWordCounter::~TLexmillWordCounter() = default;
void TLexmillWordCounter::CountText(const WideChar* text, const uint16_t* classes, std::size_t n,
                                    int32_t textNo) {
  // The word list's rule: runs of letters and digits; classes[n] is white.
  std::size_t i = 0;
  while (i < n) {
    while (i < n && (classes[i] & CharClassWordChar) == 0) ++i;
    if (i >= n) break;
    const std::size_t start = i;
    while (classes[i] & CharClassWordChar) ++i;
    impl->Count(text + start, i - start, textNo);
  }
}
uint32_t TLexmillWordCounter::CountWord(const WideChar* p, std::size_t n, int32_t textNo) {
  return impl->Count(p, n, textNo);
}
int64_t TLexmillWordCounter::Tokens() const {
  return impl->tokens;
}
uint32_t TLexmillWordCounter::Types() const {
  return static_cast<uint32_t>(impl->freq.size());
}
const UnicodeString& TLexmillWordCounter::Word(uint32_t index) const {
  return impl->counter.WordOf(index);
}
int64_t TLexmillWordCounter::Frequency(uint32_t index) const {
  return impl->freq[index];
}
int32_t TLexmillWordCounter::Texts(uint32_t index) const {
  return impl->texts[index];
}

}  // namespace lx
