// lexmill: word lists and concordances from files and folders of texts.
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "lexcore/platform/win_locale.h"
#include "lexcore/rtl/lx_exceptions.h"
#include "lexcore/rtl/lx_strings.h"
#include "tools/lexmill/lexmill_commands.h"
#include "tools/lexmill/lexmill_concord_print.h"
#include "tools/lexmill/lexmill_favourites.h"
#include "tools/lexmill/lexmill_hugepages.h"
#include "tools/lexmill/lexmill_print_job.h"
#include "tools/lexmill/lexmill_scores.h"
#include "tools/lexmill/lexmill_sort.h"

using namespace lx;

namespace {

const char kHelp[] =
    "usage: lexmill wordlist [options] PATH...\n"
    "       lexmill concord [options] SEARCHWORD PATH...\n"
    "       lexmill clusters [options] PATH...\n"
    "       lexmill repeats [options] PATH...\n"
    "       lexmill keywords [options] --ref PATH... PATH...\n"
    "       lexmill collocates [options] SEARCHWORD PATH...\n"
    "       lexmill show [options] LISTFILE\n"
    "       lexmill merge [options] LISTFILE... -o LISTFILE\n"
    "       lexmill --list-locales | --version | --help\n"
    "\n"
    "wordlist   every word of the texts with its frequency, per cent of all tokens and the number of texts\n"
    "           it occurs in, most frequent first (ties in the locale's alphabetical order), then a summary\n"
    "           line with tokens, types and texts.\n"
    "concord    every hit of SEARCHWORD with its left and right context, file, word number, sentence number\n"
    "           and paragraph number. SEARCHWORD is typed in the search-word language: * for any\n"
    "           characters, ==word== for a case-sensitive word, spaces for a phrase (big dog), / between\n"
    "           alternatives (go/goes/went). Without ==, case is ignored.\n"
    "clusters   every run of --size consecutive words (words as in wordlist, joined by one space) that\n"
    "           stays within one sentence and paragraph, with its frequency and the number of texts it\n"
    "           occurs in, most frequent first, then alphabetically by code point.\n"
    "repeats    every sentence of at least --min-words words that occurs more than once within or across\n"
    "           the texts: the sentence as first met, its frequency, the number of texts and each text\n"
    "           with its count (occurrences). Sentences are compared by their words as wordlist reads\n"
    "           them (case folded unless --case); most frequent first, then alphabetically.\n"
    "keywords   the words unusually frequent in the texts against the --ref texts: frequency and per cent\n"
    "           in each, log-likelihood, its p, log ratio and BIC; strongest first. A word missing from the\n"
    "           reference counts 0 there. Same word rule as wordlist.\n"
    "collocates the words within --span of each hit of SEARCHWORD: joint frequency (with), the word's\n"
    "           frequency (total), the chosen measures and counts per position (L5..L1 R1..R5). N is the\n"
    "           running words, R the hits, S the span's width. Same word rule as wordlist.\n"
    "show       a word list saved with wordlist --save (or made by merge) as wordlist shows it: forms\n"
    "           joined under a head and deleted entries left out, a head counting with its forms.\n"
    "merge      saved word lists made into one, as if their texts had been counted together: frequencies\n"
    "           and texts add up, forms joined under a head in any list are joined under it again.\n"
    "\n"
    "PATH is a file (always read), a folder (read recursively for files matching --mask, hidden files and\n"
    "folders left out), a zip archive (its members matching --mask) or archive.zip/member.\n"
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
    "Encodings, per file: a byte-order mark (UTF-8, UTF-16 LE/BE, UTF-32 LE/BE); otherwise UTF-16 or UTF-32\n"
    "when the zero bytes of the first 64 KB say so; otherwise UTF-8 when the whole file is valid UTF-8;\n"
    "otherwise the code page of the locale (windows-1252 for 0x0409). A text read in a code page that is\n"
    "more than 1% C1 controls or private-use characters gets a warning; a file with NUL bytes that is not\n"
    "UTF-16 or UTF-32 is binary and skipped. Words are compared in NFC unless --no-normalize.\n"
    "PATH - reads standard input. A file named twice or reached twice through links is read once.\n"
    "Sentences end at a full stop, question or exclamation mark of any script (. ! ? and the CJK,\n"
    "Devanagari, Myanmar, Ethiopic, Arabic... ones) or an ellipsis, unless a lower-case letter or a digit\n"
    "comes next (3.5, e.g. the); closing quotes and brackets after it stay in the sentence. Paragraphs end\n"
    "at blank lines, and so does a sentence left open there. Word numbers count white-space separated\n"
    "tokens from 1; sentence and paragraph numbers count from 1 in each text.\n"
    "\n"
    "options:\n"
    "  --lcid HEX        locale of the texts (default 0x0409)\n"
    "  --middle CHARS    word-internal characters (default: ' U+2019 -); --middle '' for none\n"
    "  --case            keep case in the word list\n"
    "  --format F        table, tsv, csv or json (default: table on a terminal, tsv otherwise). tsv starts\n"
    "                    with one header line beginning with # and writes tab, line feed, carriage return\n"
    "                    and backslash in fields as \\t \\n \\r \\\\; csv quotes as RFC 4180; json is one\n"
    "                    object a line keyed by the column names\n"
    "  --summary         end tsv, csv or json output with the summary (a last # line, or a summary\n"
    "                    object) instead of writing it to standard error\n"
    "  --mask MASK       file names read in folders (default *.txt; several as *.txt;*.htm); also picks\n"
    "                    the members of zip archives (a.zip/sub/b.txt); .docx files are read as text\n"
    "  --no-zip          read zip archives as plain files, not as folders of texts\n"
    "  --favourites FILE read the texts of a saved set as well as any PATHs\n"
    "  --save-favourites FILE  save the texts of the one folder PATH (its sub-folders included) as a set\n"
    "  --encoding NAME   auto (default), cpNNN, windows-NNNN or any name ICU knows (gbk, koi8-r,\n"
    "                    shift_jis, utf-16le...): every text is read in it\n"
    "  --no-normalize    compare words as they are written, not in NFC\n"
    "  --jobs N          texts read and analysed at once (default: the number of cores); the results\n"
    "                    are the same for every N\n"
    "  --sort KEYS       wordlist, show: up to three of freq, alpha, reverse (by word endings) and\n"
    "                    length, comma-separated (default freq: most frequent first); a leading '-' turns\n"
    "                    a key's order round (-alpha is z to a, -freq least frequent first); ties go\n"
    "                    alphabetically\n"
    "                    concord: keys among L5..L1, hit, R1..R5, file, position, separated by commas,\n"
    "                    each with - after it for descending (R1,L1-); default text order\n"
    "  --min-freq N      wordlist, show: only words occurring at least N times; clusters, repeats:\n"
    "                    likewise (default 2)\n"
    "  --top N           wordlist, show: only the first N words; clusters: only the first N clusters\n"
    "  --size N | N-M    clusters: words in a cluster, or a range of sizes (default 3, at most 8)\n"
    "  --memory BYTES    clusters: counts held in memory before they are spilled to disk as sorted runs\n"
    "                    in the temporary folder ($TMPDIR, else /tmp) and merged at the end (default 2G;\n"
    "                    K, M and G suffixes; at least 1K). The result is the same either way\n"
    "  --min-words N     repeats: only sentences of at least N words (default 6)\n"
    "  --context N       concord: characters of context on each side (default 40)\n"
    "  --max N           concord: at most N hits\n"
    "  --pdf FILE        concord: also print the lines to a PDF file, one line a hit with the hit centred\n"
    "                    and highlighted, the search word and page number in the header, file and word\n"
    "                    position in the footer\n"
    "  --png FILE        concord: also draw the first printed page as a PNG picture\n"
    "  --paper P         concord: a4 (default), letter, a4-landscape or letter-landscape\n"
    "  --print           concord: also send the printed pages to the printer with lp (with or without\n"
    "                    --pdf); an error when lp is not on PATH\n"
    "  --sentence-ends R full (default) as above, or simple: any '.', '!' or '?' before white space\n"
    "  --tags T          strip, keep or auto (default): strip takes mark-up out before words are read\n"
    "                    (tags are neither words nor separators: inline ones such as <b> join what is\n"
    "                    around them, others keep words apart; comments and script and style contents go;\n"
    "                    &amp; &#233; &eacute; and the other HTML 5 references are decoded); auto strips\n"
    "                    .htm, .html, .xml and .sgml files and texts that begin with the opening\n"
    "                    delimiter. A tag opened and never closed is warned of once per file\n"
    "  --tag-delimiters XY  the opening and closing characters of a tag (default <>)\n"
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
    "  --save FILE       wordlist: also save the list as a list file (.lst added when FILE has no\n"
    "                    extension); the file is replaced only once the new one is complete\n"
    "  --lemmas FILE     wordlist: join forms under their head words. Lines 'head -> form, form' or\n"
    "                    'form head' (more heads after the first are ignored); # starts a comment line.\n"
    "                    A head missing from the texts is added with frequency 0; a head's frequency is\n"
    "                    its own and its forms' together, its texts its own\n"
    "  --stoplist FILE   wordlist: leave out the words of FILE (separated by spaces or lines; # starts a\n"
    "                    comment line), before joining lemmas; the name is kept in a saved list\n"
    "  --show-forms      wordlist, show: a last column with each head's forms and their frequencies\n"
    "  --info            show: what the list file says about the list instead of its words\n"
    "  -o FILE           merge: the list file to write (.lst added when FILE has no extension)\n"
    "  --list-locales    the locale identifiers --lcid accepts\n"
    "  --version         the version of lexmill\n"
    "  -h, --help        this text\n"
    "\n"
    "Exit status: 0 done; 1 a path or a text could not be read (the others were processed), there were no\n"
    "texts or the output could not be written; 2 a bad option or a malformed search word. Only results go\n"
    "to standard output; the summary goes to standard error unless --summary.\n";

// Output that is not results (help, version, locales) is checked the same way.
int Finish(int code) {
  try {
    CloseOutput();
  } catch (const ELexmillWriteError& e) {
    std::fprintf(stderr, "lexmill: %s\n", e.what());
    return kExitProblems;
  }
  return code;
}

int PrintOut(const std::string& text) {
  try {
    WriteOutput(text);
  } catch (const ELexmillWriteError& e) {
    std::fprintf(stderr, "lexmill: %s\n", e.what());
    return kExitProblems;
  }
  return Finish(kExitOk);
}

int ListLocales() {
  std::string out;
  for (uint32_t lcid = 1; lcid <= 0xFFFF; ++lcid) {
    if (!IsValidLCID(lcid) || lcid == LOCALE_INVARIANT) continue;
    char hex[16];
    std::snprintf(hex, sizeof hex, "0x%04X", lcid);
    out += std::string(hex) + '\t' + UTF16ToUTF8(LCIDToLocaleName(lcid)) + '\n';
  }
  return PrintOut(out);
}

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

// "3" or "2-4", sizes from 1 to 8.
bool ParseClusterSize(const std::string& value, uint32_t& low, uint32_t& high) {
  const auto dash = value.find('-');
  int64_t a = 0, b = 0;
  if (!ParseCount(value.substr(0, dash).c_str(), 8, a)) return false;
  b = a;
  if (dash != std::string::npos && !ParseCount(value.substr(dash + 1).c_str(), 8, b)) return false;
  if (a < 1 || b < a) return false;
  low = static_cast<uint32_t>(a);
  high = static_cast<uint32_t>(b);
  return true;
}

// "4096", "512K", "300M", "2G": at least 1 KB.
bool ParseByteCount(const std::string& value, uint64_t& out) {
  if (value.empty()) return false;
  uint64_t scale = 1;
  std::string digits = value;
  switch (std::toupper(static_cast<unsigned char>(value.back()))) {
    case 'K':
      scale = uint64_t(1) << 10;
      break;
    case 'M':
      scale = uint64_t(1) << 20;
      break;
    case 'G':
      scale = uint64_t(1) << 30;
      break;
    default:
      break;
  }
  if (scale != 1) digits.pop_back();
  int64_t n = 0;
  if (!ParseCount(digits.c_str(), INT64_MAX / static_cast<int64_t>(uint64_t(1) << 30), n)) return false;
  out = static_cast<uint64_t>(n) * scale;
  return out >= (uint64_t(1) << 10);
}

}  // namespace

int main(int argc, char** argv) {
  PreferHugePagesForHeap();
  if (argc < 2)
    return Usage(
        "a sub-command is needed: wordlist, concord, keywords, collocates, clusters, repeats, show or merge");
  const std::string command = argv[1];
  if (command == "-h" || command == "--help") return PrintOut(kHelp);
  if (command == "--version") return PrintOut("lexmill " LEXMILL_VERSION "\n");
  if (command == "--list-locales") return ListLocales();
  if (command != "wordlist" && command != "concord" && command != "keywords" && command != "collocates" &&
      command != "clusters" && command != "repeats" && command != "show" && command != "merge")
    return Usage("unknown sub-command '" + command + "'");

  TLexmillOptions options;
  TLexmillScoreOptions scores;
  options.format = ::isatty(1) ? TLexmillFormat::table : TLexmillFormat::tsv;
  options.jobs = static_cast<int>(std::clamp(std::thread::hardware_concurrency(), 1u, 256u));
  if (command == "clusters" || command == "repeats") options.minFreq = 2;
  std::vector<std::string> positional;
  std::string favouritesIn, favouritesOut;
  bool optionsDone = false;
  bool lcidGiven = false;
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
    if (a == "-h" || a == "--help") return PrintOut(kHelp);
    if (a == "--no-zip") {
      options.readZips = false;
      continue;
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
    if (a == "--summary") {
      options.summaryInOutput = true;
      continue;
    }
    if (a == "--no-normalize") {
      options.normalize = false;
      continue;
    }
    if (a == "--print" && command == "concord") {
      options.concordPrint = true;
      continue;
    }
    if (a == "--show-forms" || a == "--info") {
      (a == "--info" ? options.showInfo : options.showForms) = true;
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
                         name == "--max" || name == "--encoding" || name == "--jobs" ||
                         name == "--favourites" || name == "--save-favourites" || name == "--sentence-ends" ||
                         name == "--size" || name == "--save" || name == "--lemmas" || name == "--stoplist" ||
                         name == "-o" || name == "--tags" || name == "--tag-delimiters" ||
                         name == "--min-words" || name == "--memory" || name == "--pdf" || name == "--png" ||
                         name == "--paper";
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
      if (!IsValidLCID(static_cast<uint32_t>(v)))
        return Usage("--lcid " + value +
                     " is not a locale identifier known here; 'lexmill --list-locales' lists them");
      options.lcid = static_cast<LCID>(v);
      lcidGiven = true;
    } else if (name == "--middle") {
      options.middle = UTF8ToUTF16(value);
    } else if (name == "--format") {
      if (!ParseLexmillFormat(value, options.format))
        return Usage("--format is table, tsv, csv or json, not '" + value + "'");
    } else if (name == "--favourites" || name == "--save-favourites") {
      if (value.empty()) return Usage(name + " needs a file name");
      (name == "--favourites" ? favouritesIn : favouritesOut) = value;
    } else if (name == "--save" || name == "--lemmas" || name == "--stoplist" || name == "-o") {
      if (value.empty()) return Usage(name + " needs a file name");
      (name == "--save"       ? options.saveFile
       : name == "--lemmas"   ? options.lemmaFile
       : name == "--stoplist" ? options.stopFile
                              : options.outFile) = value;
    } else if (name == "--mask") {
      if (value.empty()) return Usage("--mask needs a file-name mask such as *.txt");
      options.mask = UTF8ToUTF16(value);
    } else if ((name == "--pdf" || name == "--png") && command == "concord") {
      if (value.empty()) return Usage(name + " needs a file name");
      (name == "--pdf" ? options.concordPdf : options.concordPng) = value;
    } else if (name == "--paper" && command == "concord") {
      const std::string fault = PaperFault(value);
      if (!fault.empty()) return Usage(fault);
      options.paper = value;
    } else if (name == "--sort" && command == "concord") {
      const std::string fault = ConcordSortFault(value);
      if (!fault.empty()) return Usage(fault);
      options.concordSort = value;
    } else if (name == "--sort") {
      std::vector<TLexmillSortKey> keys;
      std::string error;
      if (!ParseWordlistSort(value, keys, error)) return Usage(error);
      options.sort = value;
      options.sortAlpha = value == "alpha";
    } else if (name == "--encoding") {
      const std::string fault = EncodingFault(value);
      if (!fault.empty()) return Usage(fault);
      options.encoding = value;
    } else if (name == "--jobs") {
      if (!ParseCount(value.c_str(), 256, n) || n == 0)
        return Usage("--jobs wants a number of texts to work on at once, from 1 to 256, not '" + value + "'");
      options.jobs = static_cast<int>(n);
    } else if (name == "--min-freq" || name == "--top" || name == "--max") {
      if (!ParseCount(value.c_str(), INT64_MAX, n))
        return Usage(name + " wants a whole number of 0 or more, not '" + value + "'");
      (name == "--min-freq" ? options.minFreq : name == "--top" ? options.top : options.max) = n;
    } else if (name == "--size" && command == "clusters") {
      if (!ParseClusterSize(value, options.clusterMin, options.clusterMax))
        return Usage("--size wants a number of words from 1 to 8, or a range such as 2-4, not '" + value +
                     "'");
    } else if (name == "--sentence-ends") {
      if (value != "full" && value != "simple")
        return Usage("--sentence-ends is full or simple, not '" + value + "'");
      options.simpleSentenceEnds = value == "simple";
    } else if (name == "--min-words" && command == "repeats") {
      if (!ParseCount(value.c_str(), 100000, n) || n == 0)
        return Usage("--min-words wants a number of words from 1 to 100000, not '" + value + "'");
      options.minWords = n;
    } else if (name == "--memory" && command == "clusters") {
      if (!ParseByteCount(value, options.clusterMemory))
        return Usage("--memory wants a number of bytes of at least 1K, such as 512M or 4G, not '" + value +
                     "'");
    } else if (name == "--tags") {
      using TTags = TLexmillOptions::TTags;
      if (value != "auto" && value != "strip" && value != "keep")
        return Usage("--tags is strip, keep or auto, not '" + value + "'");
      options.tags = value == "strip"  ? TTags::tags_strip
                     : value == "keep" ? TTags::tags_keep
                                       : TTags::tags_auto;
    } else if (name == "--tag-delimiters") {
      const UnicodeString pair = UTF8ToUTF16(value);
      if (pair.size() != 2 || pair[0] == pair[1] || pair[0] < 0x21 || pair[1] < 0x21)
        return Usage("--tag-delimiters wants two different characters such as '<>' or '[]', not '" + value +
                     "'");
      options.tagOpen = pair[0];
      options.tagClose = pair[1];
    } else if (name == "--context") {
      if (!ParseCount(value.c_str(), 10000, n))
        return Usage("--context wants a number of characters from 0 to 10000, not '" + value + "'");
      options.context = static_cast<int>(n);
    } else {
      return Usage("unknown option '" + name + "'");
    }
  }

  if (!favouritesOut.empty()) {
    std::string problem;
    const bool wordFirst = command == "concord" || command == "collocates";
    const size_t skip = wordFirst && !positional.empty() ? 1 : 0;
    const std::vector<std::string> named(positional.begin() + static_cast<std::ptrdiff_t>(skip),
                                         positional.end());
    // Which texts to save is the user's to say: without one folder there is nothing to save.
    const std::string folder = OnlyFolderAmong(named);
    if (folder.empty()) return Usage("--save-favourites wants exactly one folder of texts");
    if (!SaveFavouriteTexts(favouritesOut, folder, options.mask, problem)) {
      std::fprintf(stderr, "lexmill: %s\n", problem.c_str());
      return kExitProblems;
    }
  }
  if (!favouritesIn.empty()) {
    std::string problem;
    if ((command == "concord" || command == "collocates") && positional.empty())
      return Usage(command + " needs a search word");
    if (!ReadFavouriteTexts(favouritesIn, positional, problem)) {
      std::fprintf(stderr, "lexmill: %s\n", problem.c_str());
      return kExitProblems;
    }
  }
  if (command == "wordlist" && positional.empty()) return Usage("wordlist needs at least one file or folder");
  if (command == "clusters" && positional.empty()) return Usage("clusters needs at least one file or folder");
  if (command == "repeats" && positional.empty()) return Usage("repeats needs at least one file or folder");
  if (command == "concord" && positional.size() < 2)
    return Usage("concord needs a search word and at least one file or folder");
  // Found out before the texts are read, not after.
  if (const std::string fault = options.concordPrint ? PrintCommandFault() : ""; !fault.empty()) {
    std::fprintf(stderr, "lexmill: %s\n", fault.c_str());
    return kExitProblems;
  }
  if (command == "show" && positional.size() != 1) return Usage("show needs one list file");
  if (command == "merge" && (positional.empty() || options.outFile.empty()))
    return Usage("merge needs at least one list file and -o with the file to write");
  try {
    if (command == "wordlist") return Finish(RunWordlist(options, positional));
    if (command == "show") return Finish(RunShow(options, positional.front(), lcidGiven));
    if (command == "merge") return Finish(RunMerge(options, positional, options.outFile, lcidGiven));
    if (command == "clusters") return Finish(RunClusters(options, positional));
    if (command == "repeats") return Finish(RunRepeats(options, positional));
    if (command == "keywords") {
      if (scores.refs.empty()) return Usage("keywords needs --ref and the reference texts");
      if (positional.empty()) return Usage("keywords needs at least one file or folder");
      const auto readsStdin = [](const std::vector<std::string>& paths) {
        return std::find(paths.begin(), paths.end(), "-") != paths.end();
      };
      if (readsStdin(positional) && readsStdin(scores.refs))
        return Usage(
            "standard input (-) can be read only once: among the study texts or the reference texts");
      return Finish(RunKeywords(options, scores, positional));
    }
    if (command == "collocates") {
      if (positional.size() < 2)
        return Usage("collocates needs a search word and at least one file or folder");
      const UnicodeString word = UTF8ToUTF16(positional.front());
      positional.erase(positional.begin());
      return Finish(RunCollocates(options, scores, word, positional));
    }
    const UnicodeString word = UTF8ToUTF16(positional.front());
    positional.erase(positional.begin());
    return Finish(RunConcord(options, word, positional));
  } catch (const ELexmillWriteError& e) {
    std::fprintf(stderr, "lexmill: %s\n", e.what());
  } catch (const Exception& e) {
    std::fprintf(stderr, "lexmill: %s\n", UTF16ToUTF8(e.Message).c_str());
  } catch (const std::exception& e) {
    std::fprintf(stderr, "lexmill: %s\n", e.what());
  }
  return kExitProblems;
}
