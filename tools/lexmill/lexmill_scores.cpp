#include "tools/lexmill/lexmill_scores.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace lx {

namespace {

bool ParseWhole(const std::string& s, int64_t limit, int64_t& out) {
  char* end = nullptr;
  errno = 0;
  const long long v = std::strtoll(s.c_str(), &end, 10);
  if (s.empty() || errno || *end || v < 0 || v > limit) return false;
  out = v;
  return true;
}

std::vector<std::string> SplitCommas(const std::string& s) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (;;) {
    const std::size_t comma = s.find(',', start);
    parts.push_back(s.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
    if (comma == std::string::npos) return parts;
    start = comma + 1;
  }
}

std::string Lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

}  // namespace

int ParseScoreOption(const std::string& command, int argc, char** argv, int& i, TLexmillScoreOptions& scores,
                     std::string& error) {
  const std::string a = argv[i];
  const bool keywords = command == "keywords", collocates = command == "collocates";
  if (!keywords && !collocates) return 0;
  if (keywords && a == "--negative") {
    scores.negative = true;
    return 1;
  }
  if (collocates && a == "--across-sentences") {
    scores.acrossSentences = true;
    return 1;
  }
  std::string name = a, value;
  const auto eq = a.find('=');
  if (eq != std::string::npos) name = a.substr(0, eq);
  const bool mine =
      keywords ? (name == "--ref" || name == "--max-p" || name == "--min-freq")
               : (name == "--span" || name == "--measures" || name == "--sort" || name == "--min-with");
  if (!mine) return 0;
  if (eq != std::string::npos) {
    value = a.substr(eq + 1);
  } else {
    if (i + 1 >= argc) {
      error = "option " + name + " needs a value";
      return -1;
    }
    value = argv[++i];
  }
  int64_t n = 0;
  if (name == "--ref") {
    if (value.empty()) {
      error = "--ref needs a file or folder of reference texts";
      return -1;
    }
    scores.refs.push_back(value);
  } else if (name == "--max-p") {
    char* end = nullptr;
    errno = 0;
    const double p = std::strtod(value.c_str(), &end);
    if (value.empty() || errno || *end || !(p > 0 && p <= 1)) {
      error = "--max-p wants a probability above 0 and at most 1, not '" + value + "'";
      return -1;
    }
    scores.maxP = p;
  } else if (name == "--min-freq" || name == "--min-with") {
    if (!ParseWhole(value, INT32_MAX, n)) {
      error = name + " wants a whole number of 0 or more, not '" + value + "'";
      return -1;
    }
    (name == "--min-freq" ? scores.minFreq : scores.minWith) = n;
  } else if (name == "--span") {
    const std::vector<std::string> lr = SplitCommas(value);
    int64_t l = 0, r = 0;
    if (lr.size() != 2 || !ParseWhole(lr[0], 25, l) || !ParseWhole(lr[1], 25, r) || l + r == 0) {
      error =
          "--span wants L,R: words to the left and right, each 0 to 25 and not both 0, not '" + value + "'";
      return -1;
    }
    scores.spanLeft = static_cast<int>(l);
    scores.spanRight = static_cast<int>(r);
  } else if (name == "--measures") {
    std::vector<std::string> list = SplitCommas(Lower(value));
    for (const std::string& m : list)
      if (!IsCollocationMeasure(m)) {
        error = "unknown measure '" + m +
                "' in --measures (mi, t, ll, dice, logdice, z, mi3, conditionalprobabilitya, "
                "conditionalprobabilityb, deltapa, deltapb)";
        return -1;
      }
    scores.measures = list;
  } else if (name == "--sort") {
    const std::string m = Lower(value);
    if (m != "with" && m != "total" && !IsCollocationMeasure(m)) {
      error = "--sort wants with, total or a measure, not '" + value + "'";
      return -1;
    }
    scores.sort = m;
  }
  return 1;
}

std::string ScoreText(double value, int decimals) {
  if (!std::isfinite(value)) return {};
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.*f", decimals, value);
  // No "-0.00".
  if (std::strspn(buf, "-0.") == std::strlen(buf) && buf[0] == '-') return buf + 1;
  return buf;
}

void WriteScoreTable(const std::vector<std::string>& heads, const std::vector<std::vector<std::string>>& rows,
                     const TLexmillOptions& options, const std::string& summary) {
  std::vector<TLexmillColumn> columns;
  for (std::size_t c = 0; c < heads.size(); ++c) columns.push_back(TLexmillColumn{heads[c], c > 0});
  TLexmillWriter writer(options.format, std::move(columns), options.summaryInOutput);
  for (const auto& row : rows) writer.Row(row);
  if (!summary.empty()) writer.Summary(summary);
  writer.Finish();
}

}  // namespace lx
