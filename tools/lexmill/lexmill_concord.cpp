// The concordance: the typed search word is split into its alternatives and parsed by the search-word
// language; the search-and-do engine scans each text's buffer and class array (with sentence and paragraph
// markers in place) and hands back every hit with its word, sentence and paragraph numbers.
#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <unordered_set>

#include "lexcore/platform/win_chartypes.h"
#include "lexcore/rtl/lx_stringlist.h"
#include "lexcore/rtl/lx_strings.h"
#include "lexcore/search/search_engines.h"
#include "lexcore/search/search_parsing.h"
#include "lexcore/text/WinGenOk.h"
#include "lexcore/text/bare_assemb3.h"
#include "tools/lexmill/lexmill_commands.h"
#include "tools/lexmill/lexmill_concord_print.h"
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

// The plain words among the alternatives, as the text's runs are looked up: folded ones against the folded
// text, case-sensitive ones against the text as it stands.
struct TPlainWords {
  std::unordered_set<UnicodeString> folded, exact;
  bool Empty() const { return folded.empty() && exact.empty(); }
};

// Every run of letters and digits that is one of the plain words, with its word, sentence and paragraph
// numbers counted as the search engine counts them; at most `wanted` (0: all). Only for texts without
// hidden characters, where a run is exactly what a bounded word can match.
template <typename THitT>
void FindPlainWords(const TPlainWords& plain, const WideChar* text, const WideChar* folded,
                    const uint16_t* classes, int32_t n, int64_t wanted, std::vector<THitT>& hits) {
  int32_t number[5] = {0, 0, 0, 0, 0}, position[5] = {0, 0, 0, 0, 0};
  bool inHeading = false;
  bool boundary = true;
  int64_t found = 0;
  UnicodeString key;
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
    bool hit = false;
    if (!plain.folded.empty()) {
      key.assign(folded + start, len);
      hit = plain.folded.count(key) > 0;
    }
    if (!hit && !plain.exact.empty()) {
      key.assign(text + start, len);
      hit = plain.exact.count(key) > 0;
    }
    if (hit) {
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

// Left context, hit and right context end to end in one string: a frequent word gives a million lines.
struct TConcordLine {
  std::string text;
  uint32_t hitAt = 0, rightAt = 0;
  int32_t word = 0, sentence = 0, paragraph = 0;
  TConcordSortLine sort;
  std::string_view Left() const { return std::string_view(text).substr(0, hitAt); }
  std::string_view Hit() const { return std::string_view(text).substr(hitAt, rightAt - hitAt); }
  std::string_view Right() const { return std::string_view(text).substr(rightAt); }
};

struct TTextHits {
  bool read = false;
  std::vector<TConcordLine> lines;
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
      const UnicodeString f = Lowercase(options.lcid, rec.search_text);
      for (UnicodeString& copy : rec.copies) copy = f;
      anyFolded = true;
    }
    if (!IsPlainWord(rec, options.lcid))
      searched.push_back(rec);
    else if (exact)
      plain.exact.insert(rec.search_text);
    else
      plain.folded.insert(rec.copies[2]);
  }

  const bool table = options.format == TLexmillFormat::table;
  // A table reads as one line of text a hit: the hit in brackets between its contexts, then where it is.
  TLexmillWriter out(
      options.format,
      table ? std::vector<TLexmillColumn>{{"left", true}, {"hit", false, ""}, {"right", false, ""}, {"where"}}
            : std::vector<TLexmillColumn>{{"left"},
                                          {"hit"},
                                          {"right"},
                                          {"file"},
                                          {"word", true},
                                          {"sentence", true},
                                          {"paragraph", true}},
      options.summaryInOutput, !table);
  TConcordPrinter printer(options, searchWord);
  auto write = [&](const TConcordLine& l, const std::string& file) {
    if (printer.Wanted()) printer.Add(l.Left(), l.Hit(), l.Right(), file, l.word);
    const std::string word = std::to_string(l.word), sentence = std::to_string(l.sentence),
                      paragraph = std::to_string(l.paragraph);
    if (table)
      out.Row({l.Left(), "[" + std::string(l.Hit()) + "]", l.Right(),
               file + "  w" + word + " s" + sentence + " p" + paragraph});
    else
      out.Row({l.Left(), l.Hit(), l.Right(), file, word, sentence, paragraph});
  };

  const std::size_t workers = std::max<std::size_t>(1, std::min<std::size_t>(options.jobs, files.size()));
  std::vector<std::unique_ptr<TSearchAndDoEngine>> engines;
  for (std::size_t w = 0; w < workers; ++w)
    engines.push_back(std::make_unique<TSearchAndDoEngine>(true, false, options.lcid));
  // Each thread searches with its own engine and its own copies of the parsed words, which the search
  // changes as it goes.
  std::vector<std::vector<TSearch_word_format_rec>> wordsOf(workers, words), searchedOf(workers, searched);

  int64_t shown = 0;
  int32_t textsRead = 0, textsWithHits = 0;
  std::vector<TConcordSortLine> sortLines;
  std::vector<TConcordLine> kept;  // only when sorting: every line waits for the sort
  ForEachText<TTextHits>(
      options, files, problems,
      [&](TLexmillTextReader& reader, std::size_t fileNo, std::size_t worker, TLexmillProblems& p) {
        TTextHits result;
        if (!reader.Read(files[fileNo], p)) return result;
        result.read = true;
        if (reader.Length() == 0) return result;
        reader.Classify(true);
        std::vector<THit> hits;
        const UnicodeString name = UTF8ToUTF16(files[fileNo]);
        const int32_t n = static_cast<int32_t>(reader.Length());
        UnicodeString folded;
        if (anyFolded) folded = Lowercase(options.lcid, UnicodeString(reader.Chars(), reader.Length()));
        const uint16_t* classes = reader.Classes();
        const bool anyHidden = std::any_of(classes, classes + n, [](uint16_t k) {
          return (k & CharClassHiddenOrMarker) == CharClassHidden;
        });
        auto onFound = [&hits](TSearchAndDoEngine&, const TSearchFound_Rec& r) {
          hits.push_back(THit{r.hit_offset, std::max(r.hit_length, r.pattern_length), r.stats.number[0],
                              r.stats.number[1], r.stats.number[2]});
          return true;
        };
        // No text needs to give more lines than --max allows in all.
        const int64_t wanted = options.max >= 0 ? options.max : 0;
        if (!plain.Empty() && !anyHidden)
          FindPlainWords(plain, reader.Chars(), folded.data(), classes, n, wanted, hits);
        TSearchAndDoEngine& engine = *engines[worker];
        for (TSearch_word_format_rec& rec : anyHidden ? wordsOf[worker] : searchedOf[worker]) {
          rec.n_to_find = static_cast<int32_t>(std::min<int64_t>(wanted, INT32_MAX));
          const WideChar* buffer = CaseSensitive(rec) ? reader.Chars() : folded.data();
          engine.ClearChunkTextStats();
          engine.PrepareForConcordancing(name, buffer, reader.Classes(), reader.Classes() + n + 1, n * 2, n,
                                         0, false, onFound, nullptr);
          engine.SearchAndDo(rec);
        }
        // Alternatives are found one after the other; show the hits in text order, each place once.
        std::sort(hits.begin(), hits.end(), [](const THit& a, const THit& b) {
          return a.offset != b.offset ? a.offset < b.offset : a.length > b.length;
        });
        hits.erase(std::unique(hits.begin(), hits.end(),
                               [](const THit& a, const THit& b) { return a.offset == b.offset; }),
                   hits.end());
        if (options.max >= 0 && static_cast<int64_t>(hits.size()) > options.max)
          hits.resize(static_cast<std::size_t>(options.max));
        const WideChar* text = reader.Chars();
        for (const THit& h : hits) {
          const int32_t leftStart = std::max(0, h.offset - options.context);
          const int32_t end = std::min(n, h.offset + h.length);
          const int32_t rightEnd = static_cast<int32_t>(std::min<int64_t>(n, int64_t{end} + options.context));
          TConcordLine line;
          AppendOneLineUTF8(line.text, text + leftStart, static_cast<std::size_t>(h.offset - leftStart));
          line.hitAt = static_cast<uint32_t>(line.text.size());
          AppendOneLineUTF8(line.text, text + h.offset, static_cast<std::size_t>(end - h.offset));
          line.rightAt = static_cast<uint32_t>(line.text.size());
          AppendOneLineUTF8(line.text, text + end, static_cast<std::size_t>(rightEnd - end));
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
        if (!t.read) return true;
        ++textsRead;
        if (!t.lines.empty()) ++textsWithHits;
        for (TConcordLine& l : t.lines) {
          if (options.max >= 0 && shown >= options.max) break;
          ++shown;
          if (sortKeys.empty()) {
            write(l, files[fileNo]);
          } else {
            sortLines.push_back(std::move(l.sort));
            sortLines.back().text = static_cast<uint32_t>(fileNo);
            kept.push_back(std::move(l));
          }
        }
        // Texts after the last line still count as read, so the summary's count of texts stays exact.
        return true;
      });
  if (!sortKeys.empty()) {
    for (uint32_t i : SortConcordLines(options.lcid, sortKeys, sortLines, files))
      write(kept[i], files[sortLines[i].text]);
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
