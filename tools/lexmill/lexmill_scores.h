// What `lexmill keywords` and `lexmill collocates` share: their own options, scores as text, and a plain
// table or TSV writer for their rows.
#pragma once

#include <string>
#include <vector>

#include "lexcore/rtl/lx_types.h"
#include "lexcore/search/search_parsing.h"
#include "tools/lexmill/lexmill_output.h"
#include "tools/lexmill/lexmill_texts.h"

namespace lx {

struct TLexmillScoreOptions {
  // keywords
  std::vector<std::string> refs;
  bool negative = false;
  double maxP = 0.000001;
  int64_t minFreq = 3;
  // collocates
  int spanLeft = 5, spanRight = 5;
  bool acrossSentences = false;
  std::vector<std::string> measures{"mi", "t", "ll", "logdice"};
  std::string sort = "with";
  int64_t minWith = 3;
};

// Takes argv[i] (and its value) when it is an option of the given sub-command: 1 taken, 0 not one of
// these, -1 malformed (error says why).
int ParseScoreOption(const std::string& command, int argc, char** argv, int& i, TLexmillScoreOptions& scores,
                     std::string& error);

int RunKeywords(const TLexmillOptions& options, const TLexmillScoreOptions& scores,
                const std::vector<std::string>& paths);
int RunCollocates(const TLexmillOptions& options, const TLexmillScoreOptions& scores,
                  const UnicodeString& searchWord, const std::vector<std::string>& paths);

// The measures collocates offers, by name; false for a name it does not know.
bool IsCollocationMeasure(const std::string& name);

// A score with the given decimals; empty for a value that is not a finite number.
std::string ScoreText(double value, int decimals);

// Rows in the chosen format through the command's writer: the first column is text, the others numbers. A
// non-empty summary goes where the options say, as every sub-command's does: to standard error, or with
// --summary to the output's end.
void WriteScoreTable(const std::vector<std::string>& heads, const std::vector<std::vector<std::string>>& rows,
                     const TLexmillOptions& options, const std::string& summary);

// Why a typed search word cannot be searched for (empty when it can), as `lexmill concord` says it.
std::string ParsedSearchWord(const UnicodeString& typed, std::vector<TSearch_word_format_rec>& parsed);

}  // namespace lx
