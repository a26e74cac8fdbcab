// The concordance: the typed search word is split into its alternatives and parsed by the search-word
// language; the search-and-do engine scans each text's buffer and class array (with sentence and paragraph
// markers in place) and hands back every hit with its word, sentence and paragraph numbers.
#include <sys/stat.h>
#include <unicode/utf16.h>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <memory>
#include <mutex>
#include <string_view>

#include "lexcore/platform/win_casemap.h"
#include "lexcore/platform/win_chartypes.h"
#include "lexcore/rtl/lx_stringlist.h"
#include "lexcore/rtl/lx_strings.h"
#include "lexcore/search/search_engines.h"
#include "lexcore/search/search_parsing.h"
#include "lexcore/text/WinGenOk.h"
#include "lexcore/text/bare_assemb3.h"
#include "tools/lexmill/lexmill_case.h"
#include "tools/lexmill/lexmill_commands.h"
#include "tools/lexmill/lexmill_concord_print.h"
#include "tools/lexmill/lexmill_concord_rows.h"
#include "tools/lexmill/lexmill_concord_sort.h"
#include "tools/lexmill/lexmill_scores.h"
#include "tools/lexmill/lexmill_sources.h"

namespace lx {

namespace {

struct THit {
  int32_t offset, length, word, sentence, paragraph;
};

// Why a typed search word cannot be searched for, or empty when it can.
std::string SearchWordFault(const UnicodeString& typed, std::vector<TSearch_word_format_rec>& parsed) {
  if (Trim(typed).empty()) return "the search word is empty";
  std::size_t markers = 0;
  for (std::size_t p = typed.find(u"=="); p != UnicodeString::npos; p = typed.find(u"==", p + 2)) ++markers;
  if (markers % 2) return "unbalanced == in the search word \"" + UTF16ToUTF8(typed) + "\"";
  const UnicodeString trimmed = Trim(typed);
  if (trimmed.front() == u'/' || trimmed.back() == u'/' || trimmed.find(u"//") != UnicodeString::npos)
    return "an empty alternative in the search word \"" + UTF16ToUTF8(typed) + "\"";
  std::unique_ptr<TStringList> alternatives = SplitSWList(typed, true);
  for (int32_t i = 0; i < alternatives->Count(); ++i) {
    const UnicodeString alt = Trim(alternatives->Get(i));
    if (alt.empty() || alt == u"====")
      return "an empty alternative in the search word \"" + UTF16ToUTF8(typed) + "\"";
    TSearch_word_format_rec rec = Parsed_SearchWord(TTagDelimiters{}, alt);
    if (rec.search_text.empty()) return "nothing to search for in \"" + UTF16ToUTF8(alt) + "\"";
    // Markers the parser did not take would be searched for as text, and found nowhere.
    if (rec.search_text.find(u"==") != UnicodeString::npos && alt.find(u"\"==\"") == UnicodeString::npos)
      return "== makes a whole search word case-sensitive (==Bath==, ==Mr Darcy==), not a part of it: \"" +
             UTF16ToUTF8(alt) + "\"";
    parsed.push_back(std::move(rec));
  }
  if (parsed.empty()) return "the search word is empty";
  return {};
}

bool CaseSensitive(const TSearch_word_format_rec& rec) {
  return rec.flags.Contains(sw_flag_case_sensitive);
}

// A word of letters and digits only, bounded on both sides: it can only ever match a whole run of letters and
// digits, so a set of such words is found by looking each run of the text up once.
bool IsPlainWord(const TSearch_word_format_rec& rec, LCID lcid) {
  const UnicodeString& w = rec.search_text;
  if (w.empty() || !rec.flags.Contains(sw_flag_left_boundary) || !rec.flags.Contains(sw_flag_right_boundary))
    return false;
  std::vector<uint16_t> classes(w.size());
  if (!GetStringTypeExNT2000(true, lcid, CT_CTYPE1, classes.data(), static_cast<int>(w.size()), w.data()))
    return false;
  for (uint16_t k : classes)
    if ((k & CharClassHiddenOrMarker) || !(k & CharClassWordChar)) return false;
  return true;
}

// The plain words among the alternatives, as the text's runs are compared: folded ones against the run
// lower-cased as the word list lower-cases, case-sensitive ones against the run as it stands. The text is
// never lower-cased as a whole: a run is lower-cased only when its length and first character could make
// one of the folded words, which lower-casing one code point at a time allows.
class TPlainWords {
 public:
  void AddFolded(const UnicodeString& w) { Add(folded, w); }
  void AddExact(const UnicodeString& w) { Add(exact, w); }
  bool Empty() const { return folded.empty() && exact.empty(); }

  // Readies the lower-casing of the locale: each unit of the Basic Multilingual Plane on its own (units of a
  // surrogate pair are never looked up here), and which units lower-case to a first unit of a folded word.
  void Prepare(LCID lcid) {
    locale = lcid;
    firsts.clear();
    for (const UnicodeString& w : exact) AddFirst(w[0]);
    if (folded.empty()) return;
    fold.resize(0x10000);
    for (std::size_t u = 0; u < fold.size(); ++u)
      fold[u] = U16_IS_SURROGATE(u) ? u' ' : static_cast<char16_t>(u);
    LCMapStringW(lcid, LCMAP_LOWERCASE | LCMAP_LINGUISTIC_CASING, fold.data(), static_cast<int>(fold.size()),
                 fold.data(), static_cast<int>(fold.size()));
    for (std::size_t u = 0xD800; u < 0xE000; ++u) fold[u] = static_cast<char16_t>(u);
    firstFolded.assign(0x10000, false);
    for (const UnicodeString& w : folded)
      for (std::size_t u = 0; u < fold.size(); ++u)
        if (fold[u] == w[0] || (U16_IS_SURROGATE(u) && U16_IS_SURROGATE(w[0]))) firstFolded[u] = true;
    for (std::size_t u = 0; u < firstFolded.size(); ++u)
      if (firstFolded[u]) AddFirst(static_cast<WideChar>(u));
  }

  // The units a matching run can start with, when there are few enough of them to be looked for directly.
  const std::vector<WideChar>* FirstUnits() const {
    return !firsts.empty() && firsts.size() <= kMostFirsts ? &firsts : nullptr;
  }

  bool Matches(const WideChar* run, std::size_t len) {
    if (len >= lengths.size() || !lengths[len]) return false;
    if (!folded.empty() && firstFolded[run[0]]) {
      bool pairs = false;
      key.resize(len);
      for (std::size_t i = 0; i < len; ++i) {
        pairs |= U16_IS_SURROGATE(run[i]);
        key[i] = fold[run[i]];
      }
      if (pairs) {  // a code point beyond the Basic Multilingual Plane lower-cases as a whole
        key.assign(run, len);
        LCMapStringW(locale, LCMAP_LOWERCASE | LCMAP_LINGUISTIC_CASING, key.data(), static_cast<int>(len),
                     key.data(), static_cast<int>(len));
      }
      EndWordsWithFinalSigma(key.data(), len);
      if (Among(folded, key.data(), len)) return true;
    }
    return !exact.empty() && Among(exact, run, len);
  }

 private:
  void Add(std::vector<UnicodeString>& to, const UnicodeString& w) {
    if (std::find(to.begin(), to.end(), w) == to.end()) to.push_back(w);
    if (lengths.size() <= w.size()) lengths.resize(w.size() + 1, false);
    lengths[w.size()] = true;
  }
  void AddFirst(WideChar u) {
    if (firsts.size() <= kMostFirsts && std::find(firsts.begin(), firsts.end(), u) == firsts.end())
      firsts.push_back(u);
  }
  static bool Among(const std::vector<UnicodeString>& words, const WideChar* p, std::size_t len) {
    for (const UnicodeString& w : words)
      if (w.size() == len && std::equal(w.begin(), w.end(), p)) return true;
    return false;
  }

  std::vector<UnicodeString> folded, exact;
  std::vector<bool> lengths;  // the lengths of the words, in units
  LCID locale = 0;
  std::vector<char16_t> fold;
  std::vector<bool> firstFolded;
  static constexpr std::size_t kMostFirsts = 4;
  std::vector<WideChar> firsts;  // more than kMostFirsts: too many to look for
  UnicodeString key;
};

// Characters marked in a mask of two bits a character (both bits set or both clear); no popcount
// instruction is assumed.
inline int32_t CountMarked(unsigned m) {
  m &= 0x5555u;
  m = (m & 0x3333u) + ((m >> 2) & 0x3333u);
  m = (m + (m >> 4)) & 0x0F0Fu;
  return static_cast<int32_t>((m + (m >> 8)) & 0x1Fu);
}

inline bool InRun(uint16_t k) {
  return !(k & CharClassHiddenOrMarker) && (k & CharClassWordChar);
}

// FindPlainWords when a matching run can only start with one of a few units: those units and the segment
// markers are looked for eight at a time, and the words in between are counted from the classes eight at a
// time.
template <typename THitT>
void FindPlainWordsByFirstUnit(TPlainWords& plain, const std::vector<WideChar>& firsts, const WideChar* text,
                               const uint16_t* classes, int32_t n, int64_t wanted, std::vector<THitT>& hits) {
  int32_t number[5] = {0, 0, 0, 0, 0}, position[5] = {0, 0, 0, 0, 0};
  bool inHeading = false;
  bool boundary = true;  // the character before is white (or there is none)
  int64_t found = 0;
  const auto isFirst = [&](WideChar c) { return std::find(firsts.begin(), firsts.end(), c) != firsts.end(); };
  // A run starting at i that is one of the words becomes a hit numbered `words`; true once enough are found.
  const auto tryRun = [&](int32_t i, int32_t words) {
    if (!InRun(classes[i]) || (i > 0 && InRun(classes[i - 1]))) return false;
    int32_t end = i + 1;
    while (end < n && InRun(classes[end])) ++end;
    const std::size_t len = static_cast<std::size_t>(end - i);
    if (!plain.Matches(text + i, len)) return false;
    hits.push_back(THitT{i, static_cast<int32_t>(len), words, number[1], number[2]});
    return wanted > 0 && ++found >= wanted;
  };
  const auto step = [&](int32_t i) {
    const uint16_t k = classes[i];
    if (k & CharClassSegmentMarker) ApplySegmentCode(k & kSegmentCodeMask, number, position, inHeading, {});
    const bool white = (k & (CharClassSegmentMarker | CharClassWhite)) != 0;
    if (boundary && !white) ++number[0];
    boundary = white;
    return isFirst(text[i]) && tryRun(i, number[0]);
  };
  int32_t i = 0;
#if defined(__SSE2__)
  const std::size_t units = std::min<std::size_t>(firsts.size(), 4);
  __m128i unit[4];
  for (std::size_t f = 0; f < units; ++f) unit[f] = _mm_set1_epi16(static_cast<int16_t>(firsts[f]));
  const __m128i zero = _mm_setzero_si128();
  const __m128i whiteOrMarker = _mm_set1_epi16(static_cast<int16_t>(CharClassWhite | CharClassSegmentMarker));
  const __m128i wordChar = _mm_set1_epi16(static_cast<int16_t>(CharClassWordChar));
  const __m128i hiddenOrMarker = _mm_set1_epi16(static_cast<int16_t>(CharClassHiddenOrMarker));
  // Word starts are counted in eight lanes, added up only where a hit needs its number; the lanes are
  // emptied into the count long before they could overflow.
  __m128i counts = zero;
  int32_t counted = 0, sinceEmptied = 0;
  const auto sumCounts = [&] {
    __m128i s = _mm_madd_epi16(counts, _mm_set1_epi16(1));
    s = _mm_add_epi32(s, _mm_shuffle_epi32(s, _MM_SHUFFLE(1, 0, 3, 2)));
    s = _mm_add_epi32(s, _mm_shuffle_epi32(s, _MM_SHUFFLE(2, 3, 0, 1)));
    return counted + _mm_cvtsi128_si32(s);
  };
  // The block before, for its last character: whether it was not white, and whether it was in a run of
  // letters and digits.
  __m128i solidBefore = boundary ? zero : _mm_set1_epi16(-1), runBefore = zero;
  for (; i + 8 <= n; i += 8) {
    const __m128i k = _mm_loadu_si128(reinterpret_cast<const __m128i*>(classes + i));
    const __m128i t = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text + i));
    // A word starts at a character that is not white after one that is; a segment marker counts as white.
    const __m128i solid = _mm_cmpeq_epi16(_mm_and_si128(k, whiteOrMarker), zero);
    const __m128i starts =
        _mm_andnot_si128(_mm_or_si128(_mm_slli_si128(solid, 2), _mm_srli_si128(solidBefore, 14)), solid);
    // A hit can only be a whole run of letters and digits, starting with one of the first units.
    const __m128i run = _mm_andnot_si128(_mm_cmpeq_epi16(_mm_and_si128(k, wordChar), zero),
                                         _mm_cmpeq_epi16(_mm_and_si128(k, hiddenOrMarker), zero));
    __m128i eq = _mm_cmpeq_epi16(t, unit[0]);
    for (std::size_t f = 1; f < units; ++f) eq = _mm_or_si128(eq, _mm_cmpeq_epi16(t, unit[f]));
    const __m128i candidates = _mm_andnot_si128(
        _mm_or_si128(_mm_slli_si128(run, 2), _mm_srli_si128(runBefore, 14)), _mm_and_si128(run, eq));
    solidBefore = solid;
    runBefore = run;
    const unsigned markers = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmplt_epi16(k, zero)));
    // Markers and candidates in text order: a marker changes the numbers of the hits after it.
    unsigned events = (static_cast<unsigned>(_mm_movemask_epi8(candidates)) | markers) & 0x5555u;
    if (events) {
      const unsigned startBits = static_cast<unsigned>(_mm_movemask_epi8(starts));
      for (; events; events &= events - 1) {
        const unsigned bit = static_cast<unsigned>(__builtin_ctz(events));
        const int32_t at = i + static_cast<int32_t>(bit / 2);
        if (markers & (1u << bit))
          ApplySegmentCode(classes[at] & kSegmentCodeMask, number, position, inHeading, {});
        else if (tryRun(at, sumCounts() + CountMarked(startBits & ((4u << bit) - 1))))
          return;
      }
    }
    counts = _mm_sub_epi16(counts, starts);
    if (++sinceEmptied == 1 << 14) {
      counted = sumCounts();
      counts = zero;
      sinceEmptied = 0;
    }
  }
  number[0] = sumCounts();
  if (i > 0) boundary = (_mm_movemask_epi8(solidBefore) & 0x8000) == 0;
#endif
  for (; i < n; ++i)
    if (step(i)) return;
}

// Every run of letters and digits that is one of the plain words, with its word, sentence and paragraph
// numbers counted as the search engine counts them; at most `wanted` (0: all). Only for texts without
// hidden characters, where a run is exactly what a bounded word can match.
template <typename THitT>
void FindPlainWords(TPlainWords& plain, const WideChar* text, const uint16_t* classes, int32_t n,
                    int64_t wanted, std::vector<THitT>& hits) {
  if (const std::vector<WideChar>* firsts = plain.FirstUnits()) {
    FindPlainWordsByFirstUnit(plain, *firsts, text, classes, n, wanted, hits);
    return;
  }
  int32_t number[5] = {0, 0, 0, 0, 0}, position[5] = {0, 0, 0, 0, 0};
  bool inHeading = false;
  bool boundary = true;
  int64_t found = 0;
  for (int32_t i = 0; i < n;) {
    const uint16_t k = classes[i];
    if (k & CharClassSegmentMarker) ApplySegmentCode(k & kSegmentCodeMask, number, position, inHeading, {});
    const bool white = (k & (CharClassSegmentMarker | CharClassWhite)) != 0;
    if (boundary && !white) ++number[0];
    boundary = white;
    if ((k & CharClassHiddenOrMarker) || !(k & CharClassWordChar)) {
      ++i;
      continue;
    }
    const int32_t start = i;
    const int32_t words = number[0], sentence = number[1], paragraph = number[2];
    // The rest of the run: word characters are never white, so the word count stands.
    for (++i; i < n && !(classes[i] & CharClassHiddenOrMarker) && (classes[i] & CharClassWordChar); ++i) {
    }
    const std::size_t len = static_cast<std::size_t>(i - start);
    if (plain.Matches(text + start, len)) {
      hits.push_back(THitT{start, static_cast<int32_t>(len), words, sentence, paragraph});
      if (wanted > 0 && ++found >= wanted) return;
    }
  }
}

}  // namespace

std::string ConcordSortFault(const std::string& keys) {
  std::vector<TConcordSortKey> parsed;
  std::string fault;
  return ParseConcordSortKeys(keys, parsed, fault) ? std::string() : fault;
}

namespace {

// Where the context of `units` UTF-16 units before `at` starts, and where that after `at` ends: a character
// outside the BMP (a surrogate pair) that the edge would cut in half is left out whole.
int32_t ContextStart(const WideChar* text, int32_t at, int32_t units) {
  const int32_t i = std::max(0, at - units);
  return i > 0 && i < at && U16_IS_TRAIL(text[i]) && U16_IS_LEAD(text[i - 1]) ? i + 1 : i;
}
int32_t ContextEnd(const WideChar* text, int32_t n, int32_t at, int32_t units) {
  const auto i = static_cast<int32_t>(std::min<int64_t>(n, int64_t{at} + units));
  return i < n && i > at && U16_IS_TRAIL(text[i]) && U16_IS_LEAD(text[i - 1]) ? i - 1 : i;
}

// Left context, hit and right context end to end in the text's one string of lines: a frequent word gives a
// million lines, which cost no allocation each.
struct TConcordLine {
  uint32_t leftAt = 0, hitAt = 0, rightAt = 0, endAt = 0;
  int32_t word = 0, sentence = 0, paragraph = 0;
  uint32_t kept = 0;  // when sorting: which text's string holds the line
  TConcordSortLine sort;
  std::string_view Left(std::string_view s) const { return s.substr(leftAt, hitAt - leftAt); }
  std::string_view Hit(std::string_view s) const { return s.substr(hitAt, rightAt - hitAt); }
  std::string_view Right(std::string_view s) const { return s.substr(rightAt, endAt - rightAt); }
};

struct TTextHits {
  bool read = false;
  std::string text;  // every line's characters, one after the other
  std::vector<TConcordLine> lines;
  // When the rows can be written as they are found: the text's rows ready for the output, and where each
  // ends.
  TRowBytes rows;
  std::vector<std::size_t> rowEnds;
};

}  // namespace

// g++ 12 reports a temporary of the parallel text loop as maybe uninitialised at this function's closing
// brace; every member it could mean has an initialiser, and the same loop in the word list draws no such
// report.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
int RunConcord(const TLexmillOptions& options, const UnicodeString& searchWord,
               const std::vector<std::string>& paths) {
  std::vector<TSearch_word_format_rec> words;
  const std::string fault = SearchWordFault(searchWord, words);
  if (!fault.empty()) {
    std::fprintf(stderr, "lexmill: malformed search word: %s\n", fault.c_str());
    return kExitUsage;
  }
  std::vector<TConcordSortKey> sortKeys;
  std::string sortFault;
  if (!options.concordSort.empty() && !ParseConcordSortKeys(options.concordSort, sortKeys, sortFault)) {
    std::fprintf(stderr, "lexmill: %s\n", sortFault.c_str());
    return kExitUsage;
  }
  TLexmillProblems problems;
  const std::vector<std::string> files = CollectSources(paths, options.mask, options.readZips, problems);
  // Case is folded as the word list folds it: the text and the words go through the same lower-casing for
  // the language, so a form the word list counts under a word is found by that word.
  TPlainWords plain;
  std::vector<TSearch_word_format_rec> searched;
  bool anyFolded = false;
  for (TSearch_word_format_rec& rec : words) {
    const bool exact = CaseSensitive(rec);
    if (!exact) {
      const UnicodeString f = WordLowercase(options.lcid, rec.search_text);
      for (UnicodeString& copy : rec.copies) copy = f;
      anyFolded = true;
    }
    if (!IsPlainWord(rec, options.lcid))
      searched.push_back(rec);
    else if (exact)
      plain.AddExact(rec.search_text);
    else
      plain.AddFolded(rec.copies[2]);
  }
  plain.Prepare(options.lcid);

  const bool table = options.format == TLexmillFormat::table;
  // A table reads as one line of text a hit: the hit in brackets between its contexts, then where it is.
  std::vector<TLexmillColumn> columns;
  if (table) {
    columns = {{"left", true}, {"hit", false, ""}, {"right", false, ""}, {"where"}};
  } else {
    for (std::size_t c = 0; c < 7; ++c) columns.push_back({TConcordRows::kColumns[c], c >= 4});
  }
  TLexmillWriter out(options.format, columns, options.summaryInOutput, !table);
  TConcordPrinter printer(options, searchWord);
  // In text order, and with nothing else to make of the lines, each text's rows are formatted where it is
  // searched: the consumer only writes them, and no line is kept in pieces.
  const bool direct = !table && sortKeys.empty() && !printer.Wanted();
  const TConcordRows rowMaker(table ? TLexmillFormat::tsv : options.format);
  // Row buffers written out go back for the next texts, so their pages are not fresh for every text.
  std::mutex spareLock;
  std::vector<TTextHits> spare;
  std::string hitCell, whereCell;
  auto write = [&](const TConcordLine& l, std::string_view text, const std::string& file) {
    if (printer.Wanted()) printer.Add(l.Left(text), l.Hit(text), l.Right(text), file, l.word);
    char word[16] = {}, sentence[16] = {}, paragraph[16] = {};
    std::to_chars(word, word + sizeof word - 1, l.word);
    std::to_chars(sentence, sentence + sizeof sentence - 1, l.sentence);
    std::to_chars(paragraph, paragraph + sizeof paragraph - 1, l.paragraph);
    if (table) {
      hitCell.assign(1, '[');
      hitCell.append(l.Hit(text));
      hitCell += ']';
      whereCell.assign(file);
      for (const char* part :
           std::initializer_list<const char*>{"  w", word, " s", sentence, " p", paragraph})
        whereCell += part;
      out.Row({l.Left(text), hitCell, l.Right(text), whereCell});
    } else
      out.Row({l.Left(text), l.Hit(text), l.Right(text), file, word, sentence, paragraph});
  };

  const std::size_t workers = std::max<std::size_t>(1, std::min<std::size_t>(options.jobs, files.size()));
  std::vector<std::unique_ptr<TSearchAndDoEngine>> engines;
  for (std::size_t w = 0; w < workers; ++w)
    engines.push_back(std::make_unique<TSearchAndDoEngine>(true, false, options.lcid));
  // Each thread searches with its own engine and its own copies of the parsed words, which the search
  // changes as it goes.
  std::vector<std::vector<TSearch_word_format_rec>> wordsOf(workers, words), searchedOf(workers, searched);
  std::vector<TPlainWords> plainOf(workers, plain);
  // The text lower-cased, for the engine's folded searches only; reused from text to text.
  std::vector<std::u16string> foldedOf(workers);
  std::vector<std::vector<THit>> hitsOf(workers);

  int64_t shown = 0;
  int32_t textsRead = 0, textsWithHits = 0;
  std::vector<TConcordSortLine> sortLines;
  std::vector<TConcordLine> kept;  // only when sorting: every line waits for the sort
  std::vector<std::string> keptTexts;
  ForEachText<TTextHits>(
      options, files, problems,
      [&](TLexmillTextReader& reader, std::size_t fileNo, std::size_t worker, TLexmillProblems& p) {
        TTextHits result;
        if (direct) {
          std::lock_guard lock(spareLock);
          if (!spare.empty()) {
            result = std::move(spare.back());
            spare.pop_back();
          }
        }
        if (!reader.Read(files[fileNo], p)) return result;
        result.read = true;
        if (reader.Length() == 0) return result;
        reader.Classify(true);
        std::vector<THit>& hits = hitsOf[worker];
        hits.clear();
        const int32_t n = static_cast<int32_t>(reader.Length());
        const uint16_t* classes = reader.Classes();
        const bool anyHidden = reader.AnyHidden();
        std::vector<TSearch_word_format_rec>& engineWords = anyHidden ? wordsOf[worker] : searchedOf[worker];
        const WideChar* folded = nullptr;
        if (anyFolded && std::any_of(engineWords.begin(), engineWords.end(),
                                     [](const TSearch_word_format_rec& r) { return !CaseSensitive(r); })) {
          std::u16string& f = foldedOf[worker];
          if (f.size() < reader.Length() + 1) f.resize(reader.Length() + 1);
          LCMapStringW(options.lcid, LCMAP_LOWERCASE | LCMAP_LINGUISTIC_CASING, reader.Chars(), n, f.data(),
                       n);
          EndWordsWithFinalSigma(f.data(), reader.Length());
          f[reader.Length()] = 0;
          folded = f.data();
        }
        auto onFound = [&hits](TSearchAndDoEngine&, const TSearchFound_Rec& r) {
          hits.push_back(THit{r.hit_offset, std::max(r.hit_length, r.pattern_length), r.stats.number[0],
                              r.stats.number[1], r.stats.number[2]});
          return true;
        };
        // No text needs to give more lines than --max allows in all.
        const int64_t wanted = options.max >= 0 ? options.max : 0;
        if (!plain.Empty() && !anyHidden)
          FindPlainWords(plainOf[worker], reader.Chars(), classes, n, wanted, hits);
        TSearchAndDoEngine& engine = *engines[worker];
        const UnicodeString name = engineWords.empty() ? UnicodeString() : UTF8ToUTF16(files[fileNo]);
        for (TSearch_word_format_rec& rec : engineWords) {
          rec.n_to_find = static_cast<int32_t>(std::min<int64_t>(wanted, INT32_MAX));
          const WideChar* buffer = CaseSensitive(rec) ? reader.Chars() : folded;
          engine.ClearChunkTextStats();
          engine.PrepareForConcordancing(name, buffer, reader.Classes(), reader.Classes() + n + 1, n * 2, n,
                                         0, false, onFound, nullptr);
          engine.SearchAndDo(rec);
        }
        // Alternatives are found one after the other; show the hits in text order, each place once. The
        // plain words alone come in order already.
        const auto before = [](const THit& a, const THit& b) {
          return a.offset != b.offset ? a.offset < b.offset : a.length > b.length;
        };
        if (!std::is_sorted(hits.begin(), hits.end(), before)) std::sort(hits.begin(), hits.end(), before);
        // A hit that starts inside the one before and ends where it ends is that place found again (a
        // leading "* " is tried at every character of the word before the phrase).
        hits.erase(std::unique(hits.begin(), hits.end(),
                               [](const THit& a, const THit& b) {
                                 return a.offset == b.offset || (b.offset < a.offset + a.length &&
                                                                 b.offset + b.length == a.offset + a.length);
                               }),
                   hits.end());
        if (options.max >= 0 && static_cast<int64_t>(hits.size()) > options.max)
          hits.resize(static_cast<std::size_t>(options.max));
        const WideChar* text = reader.Chars();
        if (direct) {
          const std::string fileCell = rowMaker.FileCell(files[fileNo]);
          result.rowEnds.reserve(hits.size());
          for (const THit& h : hits) {
            const int32_t leftStart = ContextStart(text, h.offset, options.context);
            const int32_t end = std::min(n, h.offset + h.length);
            const int32_t rightEnd = ContextEnd(text, n, end, options.context);
            rowMaker.Add(result.rows, text, static_cast<std::size_t>(leftStart),
                         static_cast<std::size_t>(h.offset), static_cast<std::size_t>(end),
                         static_cast<std::size_t>(rightEnd), fileCell, h.word, h.sentence + 1,
                         h.paragraph + 1);
            result.rowEnds.push_back(result.rows.Size());
          }
          return result;
        }
        std::string& lines = result.text;
        lines.reserve(hits.size() * static_cast<std::size_t>(2 * options.context + 16));
        result.lines.reserve(hits.size());
        for (const THit& h : hits) {
          const int32_t leftStart = ContextStart(text, h.offset, options.context);
          const int32_t end = std::min(n, h.offset + h.length);
          const int32_t rightEnd = ContextEnd(text, n, end, options.context);
          TConcordLine line;
          line.leftAt = static_cast<uint32_t>(lines.size());
          AppendOneLineUTF8(lines, text + leftStart, static_cast<std::size_t>(h.offset - leftStart));
          line.hitAt = static_cast<uint32_t>(lines.size());
          AppendOneLineUTF8(lines, text + h.offset, static_cast<std::size_t>(end - h.offset));
          line.rightAt = static_cast<uint32_t>(lines.size());
          AppendOneLineUTF8(lines, text + end, static_cast<std::size_t>(rightEnd - end));
          line.endAt = static_cast<uint32_t>(lines.size());
          line.word = h.word;
          line.sentence = h.sentence + 1;
          line.paragraph = h.paragraph + 1;
          if (!sortKeys.empty()) {
            line.sort.words = WordsAroundHit(text, reader.Classes(), n, h.offset, end, sortKeys);
            line.sort.text = static_cast<uint32_t>(fileNo);
            line.sort.position = h.word;
          }
          result.lines.push_back(std::move(line));
        }
        return result;
      },
      [&](TTextHits& t, std::size_t fileNo) {
        const auto recycle = [&] {
          t.read = false;
          t.rows.Clear();
          t.rowEnds.clear();
          std::lock_guard lock(spareLock);
          spare.push_back(std::move(t));
        };
        if (!t.read) {
          if (direct) recycle();
          return true;
        }
        ++textsRead;
        if (direct) {
          // The summary speaks of the hits shown: with --max, of the texts those are in.
          std::size_t rows = t.rowEnds.size();
          if (options.max >= 0)
            rows =
                static_cast<std::size_t>(std::min<int64_t>(rows, std::max<int64_t>(0, options.max - shown)));
          if (rows) ++textsWithHits;
          if (rows) WriteOutput(t.rows.View().substr(0, t.rowEnds[rows - 1]));
          shown += static_cast<int64_t>(rows);
          recycle();
          return true;
        }
        if (!t.lines.empty() && (options.max < 0 || shown < options.max)) ++textsWithHits;
        for (TConcordLine& l : t.lines) {
          if (options.max >= 0 && shown >= options.max) break;
          ++shown;
          if (sortKeys.empty()) {
            write(l, t.text, files[fileNo]);
          } else {
            sortLines.push_back(std::move(l.sort));
            sortLines.back().text = static_cast<uint32_t>(fileNo);
            l.kept = static_cast<uint32_t>(keptTexts.size());
            kept.push_back(std::move(l));
          }
        }
        if (!sortKeys.empty() && !t.lines.empty()) keptTexts.push_back(std::move(t.text));
        // Texts after the last line still count as read, so the summary's count of texts stays exact.
        return true;
      });
  if (!sortKeys.empty()) {
    for (uint32_t i : SortConcordLines(options.lcid, sortKeys, sortLines, files))
      write(kept[i], keptTexts[kept[i].kept], files[sortLines[i].text]);
  }
  out.Summary(std::to_string(shown) + (shown == 1 ? " hit" : " hits") + " in " +
              std::to_string(textsWithHits) + " of " + std::to_string(textsRead) +
              (textsRead == 1 ? " text" : " texts"));
  out.Finish();
  printer.Finish(problems);
  return ExitCode(problems, files);
}

#pragma GCC diagnostic pop

std::string ParsedSearchWord(const UnicodeString& typed, std::vector<TSearch_word_format_rec>& parsed) {
  return SearchWordFault(typed, parsed);
}

}  // namespace lx
