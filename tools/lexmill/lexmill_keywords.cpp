// Key words: the study texts' word list against the reference texts' word list, each word scored by its
// log-likelihood against the reference, with the p value of that score, its log ratio and BIC.
#include <algorithm>
#include <cinttypes>
#include <cmath>
#include <cstdio>
#include <unordered_map>

#include "lexcore/rtl/lx_strings.h"
#include "lexcore/text/my_string_functions.h"
#include "lexstats/statistics/maths_routines.h"
#include "tools/lexmill/lexmill_commands.h"
#include "tools/lexmill/lexmill_scores.h"
#include "tools/lexmill/lexmill_sources.h"
#include "tools/lexmill/lexmill_wordcounts.h"

namespace lx {

namespace {

struct TKeyWordRow {
  UnicodeString word;
  int32_t f0, f1;
  TKeyword_entry_rec kw;
  double p;
};

// Reads and counts texts; false (after saying why) when none held a word.
bool CountTexts(const TLexmillOptions& options, const std::vector<std::string>& files,
                TLexmillProblems& problems, TLexmillWordCounter& counter, TLexmillProgress& progress) {
  TLexmillTextReader reader(options);
  int32_t texts = 0;
  for (const auto& f : files) {
    if (reader.Read(f, problems)) {
      reader.Classify(false);
      counter.CountText(reader.Chars(), reader.Classes(), reader.Length(), texts);
      ++texts;
    }
    progress.Advance(reader.BytesRead());
  }
  return counter.Tokens() > 0;
}

std::string PerCentText(int64_t f, int64_t total) {
  return ScoreText(total ? 100.0 * static_cast<double>(f) / static_cast<double>(total) : 0.0, 4);
}

// Machine-readable p: small values keep their digits.
std::string PText(double p) {
  if (!std::isfinite(p)) return {};
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.4g", p);
  return buf;
}

}  // namespace

int RunKeywords(const TLexmillOptions& options, const TLexmillScoreOptions& scores,
                const std::vector<std::string>& paths) {
  TLexmillProblems problems;
  const std::vector<std::string> files = CollectSources(paths, options.mask, options.readZips, problems);
  const std::vector<std::string> refFiles =
      CollectSources(scores.refs, options.mask, options.readZips, problems);
  TLexmillWordCounter study(options.lcid, options.keepCase), ref(options.lcid, options.keepCase);
  bool studyWords, refWords;
  {
    TLexmillProgress progress(TotalSize(files) + TotalSize(refFiles));
    studyWords = CountTexts(options, files, problems, study, progress);
    refWords = CountTexts(options, refFiles, problems, ref, progress);
  }
  if (!studyWords || !refWords) {
    std::fprintf(stderr, "lexmill: the %s texts hold no words\n", studyWords ? "reference" : "study");
    return kExitProblems;
  }
  // The measures count in 32 bits.
  if (study.Tokens() > INT32_MAX || ref.Tokens() > INT32_MAX) {
    std::fprintf(stderr, "lexmill: more than %d running words in the study or the reference texts\n",
                 INT32_MAX);
    return kExitProblems;
  }
  const Ttwo_KWlongints totals{static_cast<int32_t>(study.Tokens()), static_cast<int32_t>(ref.Tokens())};

  std::unordered_map<UnicodeString, uint32_t> refIndex;
  refIndex.reserve(ref.Types());
  for (uint32_t i = 0; i < ref.Types(); ++i) refIndex.emplace(ref.Word(i), i);

  std::vector<TKeyWordRow> positive, negative;
  auto consider = [&](const UnicodeString& word, int64_t f0, int64_t f1) {
    if (f0 < scores.minFreq) return;
    TKeyWordRow row{word, static_cast<int32_t>(f0), static_cast<int32_t>(f1), {}, 1.0};
    row.kw = KWStatsCalculated({row.f0, row.f1}, totals);
    row.p = ChiSquareProbability(row.kw.LL);
    if (row.p > scores.maxP) return;
    if (!row.kw.negative_score)
      positive.push_back(std::move(row));
    else if (scores.negative)
      negative.push_back(std::move(row));
  };
  std::vector<bool> seenInStudy(ref.Types(), false);
  for (uint32_t i = 0; i < study.Types(); ++i) {
    const auto it = refIndex.find(study.Word(i));
    int64_t f1 = 0;
    if (it != refIndex.end()) {
      f1 = ref.Frequency(it->second);
      seenInStudy[it->second] = true;
    }
    consider(study.Word(i), study.Frequency(i), f1);
  }
  // Words of the reference that the study texts lack can only pass a minimum frequency of 0.
  if (scores.minFreq <= 0)
    for (uint32_t i = 0; i < ref.Types(); ++i)
      if (!seenInStudy[i]) consider(ref.Word(i), 0, ref.Frequency(i));

  // Strongest first in both groups, so the most negative comes last; ties in word order.
  auto byLL = [](const TKeyWordRow& a, const TKeyWordRow& b) {
    return a.kw.LL != b.kw.LL ? (a.kw.LL > b.kw.LL) : a.word < b.word;
  };
  std::sort(positive.begin(), positive.end(), byLL);
  std::sort(negative.begin(), negative.end(), byLL);
  if (options.top >= 0) {
    if (static_cast<int64_t>(positive.size()) > options.top) positive.resize(options.top);
    // The strongest negative key words are the last ones.
    if (static_cast<int64_t>(negative.size()) > options.top)
      negative.erase(negative.begin(), negative.end() - options.top);
  }

  std::vector<std::vector<std::string>> rows;
  rows.reserve(positive.size() + negative.size());
  for (const auto* group : {&positive, &negative})
    for (const TKeyWordRow& r : *group)
      rows.push_back({ToOneLineUTF8(r.word.data(), r.word.size()), std::to_string(r.f0),
                      PerCentText(r.f0, totals[0]), std::to_string(r.f1), PerCentText(r.f1, totals[1]),
                      ScoreText(r.kw.LL, 2),
                      options.format != TLexmillFormat::table ? PText(r.p) : UTF16ToUTF8(PValueStr(r.p)),
                      ScoreText(r.kw.LogRatio, 2), ScoreText(r.kw.BIC_Score, 2)});
  const std::string summary = std::to_string(positive.size()) + " key words" +
                              (scores.negative ? ", " + std::to_string(negative.size()) + " negative" : "") +
                              "; study tokens " + std::to_string(totals[0]) + ", reference tokens " +
                              std::to_string(totals[1]);
  WriteScoreTable({"word", "frequency", "per cent", "ref frequency", "ref per cent", "log-likelihood", "p",
                   "log ratio", "BIC"},
                  rows, options, summary);
  std::vector<std::string> all = files;
  all.insert(all.end(), refFiles.begin(), refFiles.end());
  return ExitCode(problems, all);
}

}  // namespace lx
