// lexmill: word lists and concordances from files and folders of texts.
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "lexcore/rtl/lx_exceptions.h"
#include "lexcore/rtl/lx_strings.h"
#include "tools/lexmill/lexmill_commands.h"
#include "tools/lexmill/lexmill_scores.h"

using namespace lx;

namespace {

const char kHelp[] =
    "usage: lexmill wordlist [options] PATH...\n"
    "       lexmill concord [options] SEARCHWORD PATH...\n"
    "       lexmill keywords [options] --ref PATH... PATH...\n"
    "       lexmill collocates [options] SEARCHWORD PATH...\n"
    "\n"
    "wordlist   every word of the texts with its frequency, per cent of all tokens and the number of texts\n"
    "           it occurs in, most frequent first (ties in the locale's alphabetical order), then a summary\n"
    "           line with tokens, types and texts.\n"
    "concord    every hit of SEARCHWORD with its left and right context, file, word number, sentence number\n"
    "           and paragraph number. SEARCHWORD is typed in the search-word language: * for any\n"
    "           characters, ==word== for a case-sensitive word, spaces for a phrase (big dog), / between\n"
    "           alternatives (go/goes/went). Without ==, case is ignored.\n"
    "keywords   the words unusually frequent in the texts against the --ref texts: frequency and per cent\n"
    "           in each, log-likelihood, its p, log ratio and BIC; strongest first. A word missing from the\n"
    "           reference counts 0 there. Same word rule as wordlist.\n"
    "collocates the words within --span of each hit of SEARCHWORD: joint frequency (with), the word's\n"
    "           frequency (total), the chosen measures and counts per position (L5..L1 R1..R5). N is the\n"
    "           running words, R the hits, S the span's width. Same word rule as wordlist.\n"
    "\n"
    "PATH is a file (always read) or a folder (read recursively for files matching --mask).\n"
    "\n"
    "What a word is: a maximal run of letters and digits (character class 0x0104 of the locale) after these\n"
    "rules: a --middle character counts as a letter when it stands between two letters or digits, never at "
    "a\n"
    "word's start or end (so don't and well-known are one word each, 'tis and dogs' lose the apostrophe); a\n"
    "'.', ',' or U+00B7 between two digits counts as a digit (3.14 and 1,000 are one word); a zero-width\n"
    "non-joiner (U+200C) counts as a letter and a zero-width joiner (U+200D) does not. Everything else -\n"
    "spaces, punctuation, symbols - separates words. Unless --case is given, words are lower-cased with the\n"
    "locale's mapping (Turkish dotted and dotless i included).\n"
    "\n"
    "Encodings, per file: a byte-order mark decides UTF-16 LE, UTF-16 BE or UTF-8; otherwise a file that is\n"
    "valid UTF-8 is read as UTF-8; otherwise in the code page of the locale (windows-1252 for 0x0409).\n"
    "Sentences end at '.', '!' or '?' followed by white space; paragraphs end at blank lines. Word numbers\n"
    "count white-space separated tokens from 1; sentence and paragraph numbers count from 1 in each text.\n"
    "\n"
    "options:\n"
    "  --lcid HEX        locale of the texts (default 0x0409)\n"
    "  --middle CHARS    word-internal characters (default: ' U+2019 -); --middle '' for none\n"
    "  --case            keep case in the word list\n"
    "  --format F        table or tsv (default: table on a terminal, tsv otherwise); tsv starts with a\n"
    "                    header line beginning with #\n"
    "  --mask MASK       file names read in folders (default *.txt; several as *.txt;*.htm)\n"
    "  --sort S          wordlist: freq (default) or alpha\n"
    "  --min-freq N      wordlist: only words occurring at least N times\n"
    "  --top N           wordlist: only the first N words\n"
    "  --context N       concord: characters of context on each side (default 40)\n"
    "  --max N           concord: at most N hits\n"
    "  --ref PATH        keywords: reference texts (repeat for several)\n"
    "  --negative        keywords: also negative key words, after the others, most negative last\n"
    "  --max-p P         keywords: only p <= P (default 0.000001)\n"
    "  --min-freq N      keywords: only words occurring N times in the texts (default 3)\n"
    "  --top N           keywords, collocates: only the first N (keywords: N of each kind)\n"
    "  --span L,R        collocates: words to the left and right (default 5,5; 0 to 25)\n"
    "  --across-sentences collocates: spans cross sentence ends\n"
    "  --measures LIST   collocates: from mi, t, ll, dice, logdice, z, mi3, conditionalprobabilitya,\n"
    "                    conditionalprobabilityb, deltapa, deltapb, or a measure's full name without\n"
    "                    spaces (specificmutualinformation, tscore, loglikelihood, dicecoefficient,\n"
    "                    zscore); default mi,t,ll,logdice\n"
    "  --min-with N      collocates: only words occurring N times around the hits (default 3)\n"
    "  --sort KEY        collocates: with (default), total or a measure; highest first\n"
    "  -h, --help        this text\n"
    "\n"
    "Exit status: 0 done; 1 a path or a text could not be read (the others were processed) or there were no\n"
    "texts; 2 a bad option or a malformed search word. Only results go to standard output.\n";

int Usage(const std::string& message) {
  std::fprintf(stderr, "lexmill: %s\nTry 'lexmill --help'.\n", message.c_str());
  return kExitUsage;
}

bool ParseCount(const char* s, int64_t limit, int64_t& out) {
  char* end = nullptr;
  errno = 0;
  const long long v = std::strtoll(s, &end, 10);
  if (errno || end == s || *end || v < 0 || v > limit) return false;
  out = v;
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return Usage("a sub-command is needed: wordlist, concord, keywords or collocates");
  const std::string command = argv[1];
  if (command == "-h" || command == "--help") {
    std::fputs(kHelp, stdout);
    return kExitOk;
  }
  if (command != "wordlist" && command != "concord" && command != "keywords" && command != "collocates")
    return Usage("unknown sub-command '" + command + "'");

  TLexmillOptions options;
  TLexmillScoreOptions scores;
  options.tsv = !::isatty(1);
  std::vector<std::string> positional;
  bool optionsDone = false;
  for (int i = 2; i < argc; ++i) {
    const std::string a = argv[i];
    if (optionsDone || a.size() < 2 || a[0] != '-') {
      positional.push_back(a);
      continue;
    }
    if (a == "--") {
      optionsDone = true;
      continue;
    }
    if (a == "-h" || a == "--help") {
      std::fputs(kHelp, stdout);
      return kExitOk;
    }
    std::string scoreFault;
    if (const int taken = ParseScoreOption(command, argc, argv, i, scores, scoreFault); taken != 0) {
      if (taken < 0) return Usage(scoreFault);
      continue;
    }
    if (a == "--case") {
      options.keepCase = true;
      continue;
    }
    // Every other option takes a value, as --opt VALUE or --opt=VALUE.
    std::string name = a, value;
    const auto eq = a.find('=');
    if (eq != std::string::npos) {
      name = a.substr(0, eq);
      value = a.substr(eq + 1);
    } else {
      const bool known = name == "--lcid" || name == "--middle" || name == "--format" || name == "--mask" ||
                         name == "--sort" || name == "--min-freq" || name == "--top" || name == "--context" ||
                         name == "--max";
      if (!known) return Usage("unknown option '" + a + "'");
      if (i + 1 >= argc) return Usage("option " + name + " needs a value");
      value = argv[++i];
    }
    int64_t n = 0;
    if (name == "--lcid") {
      char* end = nullptr;
      errno = 0;
      const unsigned long v = std::strtoul(value.c_str(), &end, 16);
      if (value.empty() || errno || *end || v == 0 || v > 0xFFFF)
        return Usage("--lcid wants a locale identifier in hexadecimal, such as 0x0409, not '" + value + "'");
      options.lcid = static_cast<LCID>(v);
    } else if (name == "--middle") {
      options.middle = UTF8ToUTF16(value);
    } else if (name == "--format") {
      if (value != "table" && value != "tsv") return Usage("--format is table or tsv, not '" + value + "'");
      options.tsv = value == "tsv";
    } else if (name == "--mask") {
      if (value.empty()) return Usage("--mask needs a file-name mask such as *.txt");
      options.mask = UTF8ToUTF16(value);
    } else if (name == "--sort") {
      if (value != "freq" && value != "alpha") return Usage("--sort is freq or alpha, not '" + value + "'");
      options.sortAlpha = value == "alpha";
    } else if (name == "--min-freq" || name == "--top" || name == "--max") {
      if (!ParseCount(value.c_str(), INT64_MAX, n))
        return Usage(name + " wants a whole number of 0 or more, not '" + value + "'");
      (name == "--min-freq" ? options.minFreq : name == "--top" ? options.top : options.max) = n;
    } else if (name == "--context") {
      if (!ParseCount(value.c_str(), 10000, n))
        return Usage("--context wants a number of characters from 0 to 10000, not '" + value + "'");
      options.context = static_cast<int>(n);
    } else {
      return Usage("unknown option '" + name + "'");
    }
  }

  try {
    if (command == "wordlist") {
      if (positional.empty()) return Usage("wordlist needs at least one file or folder");
      return RunWordlist(options, positional);
    }
    if (command == "keywords") {
      if (scores.refs.empty()) return Usage("keywords needs --ref and the reference texts");
      if (positional.empty()) return Usage("keywords needs at least one file or folder");
      return RunKeywords(options, scores, positional);
    }
    if (command == "collocates") {
      if (positional.size() < 2) return Usage("collocates needs a search word and at least one file or folder");
      const UnicodeString word = UTF8ToUTF16(positional.front());
      positional.erase(positional.begin());
      return RunCollocates(options, scores, word, positional);
    }
    if (positional.size() < 2) return Usage("concord needs a search word and at least one file or folder");
    const UnicodeString word = UTF8ToUTF16(positional.front());
    positional.erase(positional.begin());
    return RunConcord(options, word, positional);
  } catch (const Exception& e) {
    std::fprintf(stderr, "lexmill: %s\n", UTF16ToUTF8(e.Message).c_str());
  } catch (const std::exception& e) {
    std::fprintf(stderr, "lexmill: %s\n", e.what());
  }
  return kExitProblems;
}
