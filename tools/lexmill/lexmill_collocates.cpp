// Collocates: the words around each hit of a search word. The hits come from the search engine, as in the
// concordance; the neighbours are the words of the word list's rule, counted by the same counter, so that a
// collocate's joint frequency and its total speak of the same words as the word list.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <limits>
#include <unordered_map>

#include "lexcore/rtl/lx_exceptions.h"
#include "lexcore/rtl/lx_strings.h"
#include "lexcore/search/search_engines.h"
#include "lexcore/text/bare_assemb3.h"
#include "lexstats/statistics/maths_routines.h"
#include "tools/lexmill/lexmill_commands.h"
#include "tools/lexmill/lexmill_scores.h"
#include "tools/lexmill/lexmill_sources.h"
#include "tools/lexmill/lexmill_wordcounts.h"

namespace lx {

namespace {

struct TMeasure {
  const char* alias;
  int stat;  // a TRelationshipStats value, or kLogDice
};
constexpr int kLogDice = -1;

// Short names first; every relationship measure also answers to its display name in lower case without
// spaces. The log ratio of two word frequencies ignores the joint frequency, so it is not offered.
const TMeasure kMeasures[] = {
    {"mi", RelatStat_MI},     {"t", RelatStat_T_Score}, {"ll", RelatStat_log_likelihood},
    {"dice", RelatStat_Dice}, {"logdice", kLogDice},    {"z", RelatStat_Z}};

bool MeasureStat(const std::string& name, int& stat) {
  for (const TMeasure& m : kMeasures)
    if (name == m.alias) {
      stat = m.stat;
      return true;
    }
  for (int s = 0; s < kRelationshipStatsCount; ++s) {
    if (s == RelatStat_Log_Ratio) continue;
    std::string display = UTF16ToUTF8(RelationshipAsString(static_cast<TRelationshipStats>(s)));
    std::string key;
    for (char c : display)
      if (c != ' ') key += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (key == name) {
      stat = s;
      return true;
    }
  }
  return false;
}

// NaN when the measure is not defined for these counts. The log-likelihood's table holds C - O, R·S - O and
// N - R - C + O: where hits stand close together a word can be counted with more of them than it occurs
// (with > total), a cell goes below zero, and the figure it would give (strongly negative for the
// strongest collocates) means nothing.
double Score(int stat, int32_t O, int32_t R, int32_t C, int32_t N, const Tdouble_smallint_type& horizons) {
  if (stat == RelatStat_log_likelihood) {
    const int64_t S = int64_t{horizons.to_left} + horizons.to_right;
    if (O > C || O > int64_t{R} * S || int64_t{N} - R - C + O < 0)
      return std::numeric_limits<double>::quiet_NaN();
  }
  try {
    if (stat == kLogDice) return LogDice(O, R, C);
    return RelationshipComputation(static_cast<TRelationshipStats>(stat), O, R, C, N, horizons);
  } catch (const EMathError&) {
    return std::numeric_limits<double>::quiet_NaN();
  }
}

struct TCollocate {
  int64_t with = 0;
  std::vector<int64_t> positions;  // L..1, then 1..R
};

}  // namespace

bool IsCollocationMeasure(const std::string& name) {
  int stat = 0;
  return MeasureStat(name, stat);
}

int RunCollocates(const TLexmillOptions& options, const TLexmillScoreOptions& scores,
                  const UnicodeString& searchWord, const std::vector<std::string>& paths) {
  std::vector<TSearch_word_format_rec> words;
  const std::string fault = ParsedSearchWord(searchWord, words);
  if (!fault.empty()) {
    std::fprintf(stderr, "lexmill: malformed search word: %s\n", fault.c_str());
    return kExitUsage;
  }
  std::vector<int> stats;
  for (const std::string& m : scores.measures) {
    int stat = 0;
    if (!MeasureStat(m, stat)) {
      std::fprintf(stderr, "lexmill: unknown measure '%s'\n", m.c_str());
      return kExitUsage;
    }
    stats.push_back(stat);
  }
  const int L = scores.spanLeft, Rspan = scores.spanRight, width = L + Rspan;

  TLexmillProblems problems;
  const std::vector<std::string> files = CollectSources(paths, options.mask, options.readZips, problems);
  TLexmillWordCounter counter(options.lcid, options.keepCase);
  TLexmillTextReader reader(options);
  TSearchAndDoEngine engine(true, false, options.lcid);
  std::unordered_map<uint32_t, TCollocate> collocates;
  int64_t hitCount = 0;
  std::vector<int32_t> tokenStart, tokenSentence;
  std::vector<uint32_t> tokenWord;
  std::vector<std::pair<int32_t, int32_t>> hits;
  int32_t textNo = 0;
  {
    TLexmillProgress progress(TotalSize(files));
    for (const auto& f : files) {
      const bool ok = reader.Read(f, problems);
      progress.Advance(reader.BytesRead());
      if (!ok) continue;
      reader.Classify(true);
      const WideChar* text = reader.Chars();
      const uint16_t* classes = reader.Classes();
      const std::size_t n = reader.Length();
      // The words of the text, each with its start and its sentence.
      tokenStart.clear();
      tokenSentence.clear();
      tokenWord.clear();
      int32_t sentence = 0;
      bool boundary = false;
      // A segment marker's low bits hold its code, not a character class.
      auto isWordChar = [classes](std::size_t i) {
        return (classes[i] & CharClassSegmentMarker) == 0 && (classes[i] & CharClassWordChar) != 0;
      };
      for (std::size_t i = 0; i < n;) {
        if (!isWordChar(i)) {
          if (classes[i] & CharClassSegmentMarker) boundary = true;
          ++i;
          continue;
        }
        if (boundary) {
          ++sentence;
          boundary = false;
        }
        const std::size_t start = i;
        while (isWordChar(i)) ++i;  // classes[n] reads as a space
        tokenStart.push_back(static_cast<int32_t>(start));
        tokenSentence.push_back(sentence);
        tokenWord.push_back(counter.CountWord(text + start, i - start, textNo));
      }
      ++textNo;
      if (n == 0) continue;

      hits.clear();
      const UnicodeString name = UTF8ToUTF16(f);
      auto onFound = [&hits](TSearchAndDoEngine&, const TSearchFound_Rec& r) {
        hits.emplace_back(r.hit_offset, std::max(r.hit_length, r.pattern_length));
        return true;
      };
      const int32_t len = static_cast<int32_t>(n);
      for (TSearch_word_format_rec& rec : words) {
        rec.n_to_find = 0;
        engine.ClearChunkTextStats();
        engine.PrepareForConcordancing(name, text, reader.Classes(), reader.Classes() + len + 1, len * 2, len,
                                       0, false, onFound, nullptr);
        engine.SearchAndDo(rec);
      }
      // Alternatives are found one after the other: each place once, the longest match.
      std::sort(hits.begin(), hits.end(), [](const auto& a, const auto& b) {
        return a.first != b.first ? a.first < b.first : a.second > b.second;
      });
      hits.erase(std::unique(hits.begin(), hits.end(),
                             [](const auto& a, const auto& b) { return a.first == b.first; }),
                 hits.end());
      const int64_t tokens = static_cast<int64_t>(tokenStart.size());
      for (const auto& [offset, length] : hits) {
        // The node is the words that start inside the hit.
        const int64_t first =
            std::lower_bound(tokenStart.begin(), tokenStart.end(), offset) - tokenStart.begin();
        const int64_t end =
            std::lower_bound(tokenStart.begin(), tokenStart.end(), offset + std::max(length, 1)) -
            tokenStart.begin();
        if (first >= end) continue;
        ++hitCount;
        const int64_t last = end - 1;
        for (int k = 1; k <= L; ++k) {
          const int64_t t = first - k;
          if (t < 0 || (!scores.acrossSentences && tokenSentence[t] != tokenSentence[first])) break;
          TCollocate& c = collocates[tokenWord[t]];
          if (c.positions.empty()) c.positions.assign(width, 0);
          ++c.with;
          ++c.positions[L - k];
        }
        for (int k = 1; k <= Rspan; ++k) {
          const int64_t t = last + k;
          if (t >= tokens || (!scores.acrossSentences && tokenSentence[t] != tokenSentence[last])) break;
          TCollocate& c = collocates[tokenWord[t]];
          if (c.positions.empty()) c.positions.assign(width, 0);
          ++c.with;
          ++c.positions[L + k - 1];
        }
      }
    }
  }
  if (counter.Tokens() > INT32_MAX || hitCount > INT32_MAX) {
    std::fprintf(stderr, "lexmill: more than %d running words or hits\n", INT32_MAX);
    return kExitProblems;
  }
  const int32_t N = static_cast<int32_t>(counter.Tokens()), R = static_cast<int32_t>(hitCount);
  const Tdouble_smallint_type horizons{static_cast<int16_t>(L), static_cast<int16_t>(Rspan)};

  struct TRow {
    uint32_t word;
    int64_t with, total;
    std::vector<double> values;
    const std::vector<int64_t>* positions;
  };
  std::vector<TRow> rows;
  for (const auto& [word, c] : collocates) {
    if (c.with < scores.minWith) continue;
    TRow row{word, c.with, counter.Frequency(word), {}, &c.positions};
    const int32_t O = static_cast<int32_t>(std::min<int64_t>(c.with, INT32_MAX));
    const int32_t C = static_cast<int32_t>(std::min<int64_t>(row.total, INT32_MAX));
    for (int stat : stats) row.values.push_back(Score(stat, O, R, C, N, horizons));
    rows.push_back(std::move(row));
  }
  // The sort key: a column, or a measure (computed again when it is not shown); missing scores go last.
  int sortStat = 0, sortColumn = -1;
  const bool sortByMeasure = scores.sort != "with" && scores.sort != "total";
  if (sortByMeasure) {
    MeasureStat(scores.sort, sortStat);
    for (std::size_t m = 0; m < stats.size(); ++m)
      if (stats[m] == sortStat) sortColumn = static_cast<int>(m);
  }
  std::vector<double> keys(rows.size());
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const TRow& r = rows[i];
    if (!sortByMeasure)
      keys[i] = static_cast<double>(scores.sort == "with" ? r.with : r.total);
    else if (sortColumn >= 0)
      keys[i] = r.values[sortColumn];
    else
      keys[i] = Score(sortStat, static_cast<int32_t>(std::min<int64_t>(r.with, INT32_MAX)), R,
                      static_cast<int32_t>(std::min<int64_t>(r.total, INT32_MAX)), N, horizons);
  }
  std::vector<std::size_t> order(rows.size());
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
  std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    const bool fa = std::isfinite(keys[a]), fb = std::isfinite(keys[b]);
    if (fa != fb) return fa;
    if (fa && keys[a] != keys[b]) return keys[a] > keys[b];
    if (rows[a].with != rows[b].with) return rows[a].with > rows[b].with;
    return counter.Word(rows[a].word) < counter.Word(rows[b].word);
  });
  if (options.top >= 0 && static_cast<int64_t>(order.size()) > options.top) order.resize(options.top);

  std::vector<std::string> heads{"word", "with", "total"};
  for (const std::string& m : scores.measures) heads.push_back(m);
  for (int k = L; k >= 1; --k) heads.push_back("L" + std::to_string(k));
  for (int k = 1; k <= Rspan; ++k) heads.push_back("R" + std::to_string(k));
  std::vector<std::vector<std::string>> table;
  table.reserve(order.size());
  for (std::size_t i : order) {
    const TRow& r = rows[i];
    const UnicodeString& w = counter.Word(r.word);
    std::vector<std::string> cells{ToOneLineUTF8(w.data(), w.size()), std::to_string(r.with),
                                   std::to_string(r.total)};
    for (double v : r.values) cells.push_back(ScoreText(v, 3));
    for (int64_t p : *r.positions) cells.push_back(std::to_string(p));
    table.push_back(std::move(cells));
  }
  const std::string summary = std::to_string(order.size()) + " collocates of " + std::to_string(hitCount) +
                              " hits; running words " + std::to_string(N) + ", span " + std::to_string(L) +
                              "," + std::to_string(Rspan);
  WriteScoreTable(heads, table, options, summary);
  return ExitCode(problems, files);
}

}  // namespace lx
