// The concordance: the typed search word is split into its alternatives and parsed by the search-word
// language; the search-and-do engine scans each text's buffer and class array (with sentence and paragraph
// markers in place) and hands back every hit with its word, sentence and paragraph numbers.
#include <sys/stat.h>

#include <algorithm>
#include <cinttypes>
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
#include "tools/lexmill/lexmill_scores.h"

namespace lx {

namespace {

struct TTableRow {
  std::string left, hit, right, where;
};

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

int RunConcord(const TLexmillOptions& options, const UnicodeString& searchWord,
               const std::vector<std::string>& paths) {
  std::vector<TSearch_word_format_rec> words;
  const std::string fault = SearchWordFault(searchWord, words);
  if (!fault.empty()) {
    std::fprintf(stderr, "lexmill: malformed search word: %s\n", fault.c_str());
    return kExitUsage;
  }
  TLexmillProblems problems;
  const std::vector<std::string> files = CollectTexts(paths, options.mask, problems);
  const uint64_t totalBytes = TotalSize(files);

  if (options.tsv) std::fputs("#left\thit\tright\tfile\tword\tsentence\tparagraph\n", stdout);
  // Case is folded as the word list folds it: the text and the words go through the same lower-casing for
  // the language, so a form the word list counts under a word is found by that word.
  TPlainWords plain;
  std::vector<TSearch_word_format_rec> searched;
  bool anyFolded = false;
  for (TSearch_word_format_rec& rec : words) {
    if (!CaseSensitive(rec)) {
      const UnicodeString f = Lowercase(options.lcid, rec.search_text);
      rec.copies = {f, f, f, f};
      anyFolded = true;
    }
    if (IsPlainWord(rec, options.lcid))
      (CaseSensitive(rec) ? plain.exact : plain.folded)
          .insert(CaseSensitive(rec) ? rec.search_text : rec.copies[2]);
    else
      searched.push_back(rec);
  }
  UnicodeString folded;
  TLexmillTextReader reader(options);
  TSearchAndDoEngine engine(true, false, options.lcid);
  std::vector<THit> hits;
  int64_t shown = 0;
  std::string out;
  std::vector<TTableRow> table;
  {
    TLexmillProgress progress(totalBytes);
    for (const auto& f : files) {
      if (options.max >= 0 && shown >= options.max) break;
      const bool ok = reader.Read(f, problems);
      progress.Advance(reader.BytesRead());
      if (!ok || reader.Length() == 0) continue;
      reader.Classify(true);
      hits.clear();
      const UnicodeString name = UTF8ToUTF16(f);
      const int32_t n = static_cast<int32_t>(reader.Length());
      if (anyFolded) folded = Lowercase(options.lcid, UnicodeString(reader.Chars(), reader.Length()));
      const uint16_t* classes = reader.Classes();
      const bool anyHidden = std::any_of(
          classes, classes + n, [](uint16_t k) { return (k & CharClassHiddenOrMarker) == CharClassHidden; });
      auto onFound = [&hits](TSearchAndDoEngine&, const TSearchFound_Rec& r) {
        hits.push_back(THit{r.hit_offset, std::max(r.hit_length, r.pattern_length), r.stats.number[0],
                            r.stats.number[1], r.stats.number[2]});
        return true;
      };
      // No alternative needs to find more in this text than --max still allows.
      const int64_t wanted = options.max >= 0 ? options.max - shown : 0;
      if (!plain.Empty() && !anyHidden)
        FindPlainWords(plain, reader.Chars(), folded.data(), classes, n, wanted, hits);
      for (TSearch_word_format_rec& rec : anyHidden ? words : searched) {
        rec.n_to_find = static_cast<int32_t>(std::min<int64_t>(wanted, INT32_MAX));
        const WideChar* buffer = CaseSensitive(rec) ? reader.Chars() : folded.data();
        engine.ClearChunkTextStats();
        engine.PrepareForConcordancing(name, buffer, reader.Classes(), reader.Classes() + n + 1, n * 2, n, 0,
                                       false, onFound, nullptr);
        engine.SearchAndDo(rec);
      }
      // Alternatives are found one after the other; show the hits in text order, each place once.
      std::sort(hits.begin(), hits.end(), [](const THit& a, const THit& b) {
        return a.offset != b.offset ? a.offset < b.offset : a.length > b.length;
      });
      hits.erase(std::unique(hits.begin(), hits.end(),
                             [](const THit& a, const THit& b) { return a.offset == b.offset; }),
                 hits.end());
      const WideChar* text = reader.Chars();
      const std::string file = f;
      for (const THit& h : hits) {
        if (options.max >= 0 && shown >= options.max) break;
        ++shown;
        const int32_t leftStart = std::max(0, h.offset - options.context);
        const int32_t end = std::min(n, h.offset + h.length);
        const int32_t rightEnd = static_cast<int32_t>(std::min<int64_t>(n, int64_t{end} + options.context));
        const std::string word = std::to_string(h.word), sentence = std::to_string(h.sentence + 1),
                          paragraph = std::to_string(h.paragraph + 1);
        if (options.tsv) {
          // One reused line buffer: a frequent word gives hundreds of thousands of lines.
          out.clear();
          AppendOneLineUTF8(out, text + leftStart, static_cast<std::size_t>(h.offset - leftStart));
          out += '\t';
          AppendOneLineUTF8(out, text + h.offset, static_cast<std::size_t>(end - h.offset));
          out += '\t';
          AppendOneLineUTF8(out, text + end, static_cast<std::size_t>(rightEnd - end));
          out += '\t';
          out += file;
          out += '\t';
          out += word;
          out += '\t';
          out += sentence;
          out += '\t';
          out += paragraph;
          out += '\n';
          std::fwrite(out.data(), 1, out.size(), stdout);
        } else {
          table.push_back(
              TTableRow{ToOneLineUTF8(text + leftStart, static_cast<std::size_t>(h.offset - leftStart)),
                        ToOneLineUTF8(text + h.offset, static_cast<std::size_t>(end - h.offset)),
                        ToOneLineUTF8(text + end, static_cast<std::size_t>(rightEnd - end)),
                        file + "  w" + word + " s" + sentence + " p" + paragraph});
        }
      }
    }
  }
  // A table is read on a terminal, so its rows wait for the widest hit to line up the columns.
  if (!options.tsv) {
    std::size_t hitWidth = 0;
    for (const TTableRow& r : table) hitWidth = std::max(hitWidth, DisplayWidth(r.hit));
    const std::size_t want = static_cast<std::size_t>(options.context);
    for (const TTableRow& r : table) {
      const std::size_t lw = DisplayWidth(r.left), rw = DisplayWidth(r.right) + DisplayWidth(r.hit);
      out = std::string(want > lw ? want - lw : 0, ' ') + r.left + "[" + r.hit + "]" + r.right +
            std::string(want + hitWidth > rw ? want + hitWidth - rw : 0, ' ') + "  " + r.where + '\n';
      std::fwrite(out.data(), 1, out.size(), stdout);
    }
    std::printf("%" PRId64 " hit%s in %zu text%s\n", shown, shown == 1 ? "" : "s", files.size(),
                files.size() == 1 ? "" : "s");
  }
  std::fflush(stdout);
  return ExitCode(problems, files);
}

std::string ParsedSearchWord(const UnicodeString& typed, std::vector<TSearch_word_format_rec>& parsed) {
  return SearchWordFault(typed, parsed);
}

}  // namespace lx
