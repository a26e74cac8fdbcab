// The lexmill command run as a user runs it, on folders made here; expected outputs are worked out by hand.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>

#include "tests/test_files.h"
#include "tests/tools/lexmill_run.h"

namespace {

using lxtest::TRun;

TRun Lexmill(const std::vector<std::string>& args, const lxtest::TempDir& dir) {
  return lxtest::Mill(args, dir);
}

std::string Utf16(bool little, const std::u16string& s) {
  std::string b = little ? "\xFF\xFE" : "\xFE\xFF";
  for (char16_t c : s) {
    const char lo = static_cast<char>(c & 0xFF), hi = static_cast<char>(c >> 8);
    b += little ? std::string{lo, hi} : std::string{hi, lo};
  }
  return b;
}

// A folder of texts in every encoding the command reads, with an empty file, one of punctuation only, a file
// the mask leaves out and a sub-folder.
struct MixedFolder {
  lxtest::TempDir tmp;
  std::string root;
  MixedFolder() : root(tmp.Native("texts")) {
    std::filesystem::create_directories(root + "/sub");
    Put("utf8.txt", "Na\xC3\xAFve caf\xC3\xA9. The cat's hat\xE2\x80\x94the CAT!\n");
    Put("bom8.txt",
        "\xEF\xBB\xBF"
        "caf\xC3\xA9 caf\xC3\xA9\n");
    Put("cp1252.txt", "Caf\xE9 na\xEFve \x93quoted\x94\n");
    Put("utf16le.txt", Utf16(true, u"The end.\n"));
    Put("utf16be.txt", Utf16(false, u"Caf\u00E9\n"));
    Put("empty.txt", "");
    Put("punct.txt", "... -- !!! ' \xE2\x80\x94\n");
    Put("notes.md", "ignored words\n");
    Put("sub/deep.txt", "cat\n");
  }
  void Put(const std::string& name, const std::string& bytes) const {
    std::ofstream(root + "/" + name, std::ios::binary) << bytes;
  }
};

TEST(LexmillWordlist, MixedEncodingsEmptyAndPunctuationOnlyFiles) {
  MixedFolder f;
  const TRun r = Lexmill({"wordlist", f.root}, f.tmp);
  EXPECT_EQ(r.rc, 0) << r.err;
  EXPECT_EQ(r.err, "tokens 16, types 8, texts 8\n");
  EXPECT_EQ(r.out,
            "#word\tfrequency\tper cent\ttexts\n"
            "caf\xC3\xA9\t5\t31.25\t4\n"
            "the\t3\t18.75\t2\n"
            "cat\t2\t12.50\t2\n"
            "na\xC3\xAFve\t2\t12.50\t2\n"
            "cat's\t1\t6.25\t1\n"
            "end\t1\t6.25\t1\n"
            "hat\t1\t6.25\t1\n"
            "quoted\t1\t6.25\t1\n");
}

TEST(LexmillWordlist, TopMinFreqAlphabeticalAndCase) {
  MixedFolder f;
  TRun r = Lexmill({"wordlist", "--top", "2", f.root}, f.tmp);
  EXPECT_EQ(r.out, "#word\tfrequency\tper cent\ttexts\ncaf\xC3\xA9\t5\t31.25\t4\nthe\t3\t18.75\t2\n");
  r = Lexmill({"wordlist", "--min-freq=2", "--sort", "alpha", f.root}, f.tmp);
  EXPECT_EQ(r.out,
            "#word\tfrequency\tper cent\ttexts\ncaf\xC3\xA9\t5\t31.25\t4\ncat\t2\t12.50\t2\n"
            "na\xC3\xAFve\t2\t12.50\t2\nthe\t3\t18.75\t2\n");
  // Kept case splits the forms; the mask picks the Markdown file instead.
  r = Lexmill({"wordlist", "--case", "--min-freq", "2", f.root + "/utf8.txt", f.root + "/bom8.txt"}, f.tmp);
  EXPECT_EQ(r.out, "#word\tfrequency\tper cent\ttexts\ncaf\xC3\xA9\t3\t33.33\t2\n");
  r = Lexmill({"wordlist", "--mask", "*.md", f.root}, f.tmp);
  EXPECT_EQ(r.out, "#word\tfrequency\tper cent\ttexts\nignored\t1\t50.00\t1\nwords\t1\t50.00\t1\n");
}

TEST(LexmillWordlist, MiddleCharactersAndNumbers) {
  lxtest::TempDir t;
  t.Write("a.txt", "don't don\xE2\x80\x99t 'tis dogs' well-known -x- a--b 3.14 1,000 2.x\n");
  TRun r = Lexmill({"wordlist", "--sort", "alpha", t.Native("a.txt")}, t);
  EXPECT_EQ(
      r.out,
      "#word\tfrequency\tper cent\ttexts\n1,000\t1\t8.33\t1\n2\t1\t8.33\t1\n3.14\t1\t8.33\t1\n"
      // The right single quote weighs as punctuation, before letters; the straight apostrophe is ignored.
      "a\t1\t8.33\t1\nb\t1\t8.33\t1\ndogs\t1\t8.33\t1\ndon\xE2\x80\x99t\t1\t8.33\t1\ndon't\t1\t8.33\t1\n"
      "tis\t1\t8.33\t1\nwell-known\t1\t8.33\t1\nx\t2\t16.67\t1\n");
  // Without word-internal characters the apostrophes and hyphens separate.
  r = Lexmill({"wordlist", "--middle", "", "--top", "1", t.Native("a.txt")}, t);
  EXPECT_EQ(r.out, "#word\tfrequency\tper cent\ttexts\ndon\t2\t13.33\t1\n");
}

// Word-internal characters and number separators are settled wherever they fall in a long text, at the
// text's edges and with digits beyond ASCII; a text holding a surrogate pair or a joiner is read by the
// slower route and gives the same counts.
TEST(LexmillWordlist, MiddleCharactersAndNumbersAnywhereInALongText) {
  std::string text = "'tis 7.5";
  for (int i = 0; i < 6000; ++i)
    text += "\n" + std::string(static_cast<std::size_t>(i % 13), 'x') + " it's 3.5 1,000 a-b 1.\xD9\xA3";
  lxtest::TempDir t;
  const std::string tail = " end' 8,";
  t.Write("a.txt", text + tail);
  t.Write("b.txt", text + " \xF0\x90\x90\x80 \xE2\x80\x8D" + tail);  // a Deseret letter, a joiner
  for (const char* name : {"a.txt", "b.txt"}) {
    SCOPED_TRACE(name);
    const TRun r = Lexmill({"wordlist", "--format", "tsv", "--sort", "alpha", t.Native(name)}, t);
    ASSERT_EQ(r.rc, 0) << r.err;
    std::map<std::string, long> counts;
    std::istringstream lines(r.out);
    std::string line;
    while (std::getline(lines, line))
      if (line[0] != '#')
        counts[line.substr(0, line.find('\t'))] = std::stol(line.substr(line.find('\t') + 1));
    EXPECT_EQ(counts["it's"], 6000);
    EXPECT_EQ(counts["3.5"], 6000);
    EXPECT_EQ(counts["1,000"], 6000);
    EXPECT_EQ(counts["a-b"], 6000);
    EXPECT_EQ(counts["1.\xD9\xA3"], 6000);  // an Arabic-Indic three after the point
    EXPECT_EQ(counts["7.5"], 1);
    EXPECT_EQ(counts["tis"], 1);
    EXPECT_EQ(counts["end"], 1);
    EXPECT_EQ(counts["8"], 1);
    EXPECT_EQ(counts.count("3"), 0u);
    EXPECT_EQ(counts.count("it"), 0u);
  }
}

// A text decomposed far from its start, after curly quotes and dashes that never compose, is counted as
// its composed form is.
TEST(LexmillWordlist, DecomposedLettersAfterCharactersThatNeverCompose) {
  lxtest::TempDir t;
  std::string text;
  for (int i = 0; i < 50; ++i) text += "\xE2\x80\x98quoted\xE2\x80\x99 \xE2\x80\x94 ";
  t.Write("a.txt", text + "cafe\xCC\x81 caf\xC3\xA9\n");
  const TRun r = Lexmill({"wordlist", "--top", "1", "--format", "tsv", t.Native("a.txt")}, t);
  EXPECT_EQ(r.out.substr(r.out.find('\n') + 1, 9), "quoted\t50");
  const TRun c = Lexmill({"concord", "--context", "0", "caf\xC3\xA9", t.Native("a.txt")}, t);
  EXPECT_EQ(std::count(c.out.begin(), c.out.end(), '\n'), 3) << c.out;
}

TEST(LexmillErrors, MissingAndUnreadablePathsAreReportedAfterTheRest) {
  lxtest::TempDir t;
  t.Write("good.txt", "one two two\n");
  ASSERT_EQ(::mkfifo(t.Native("pipe.txt").c_str(), 0600), 0);
  const TRun r =
      Lexmill({"wordlist", t.Native("good.txt"), t.Native("missing.txt"), t.Native("pipe.txt")}, t);
  EXPECT_EQ(r.rc, 1);
  EXPECT_EQ(r.out, "#word\tfrequency\tper cent\ttexts\ntwo\t2\t66.67\t1\none\t1\t33.33\t1\n");
  EXPECT_NE(r.err.find("no such file or folder: " + t.Native("missing.txt")), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("cannot read " + t.Native("pipe.txt")), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("2 problems"), std::string::npos) << r.err;
}

TEST(LexmillErrors, FolderWithoutMatchingFiles) {
  lxtest::TempDir t;
  std::filesystem::create_directories(t.Native("d"));
  t.Write("d/readme.md", "words\n");
  const TRun r = Lexmill({"wordlist", t.Native("d")}, t);
  EXPECT_EQ(r.rc, 1);
  EXPECT_EQ(r.out, "#word\tfrequency\tper cent\ttexts\n");
  EXPECT_NE(r.err.find("no files matching *.txt in " + t.Native("d")), std::string::npos) << r.err;
}

TEST(LexmillErrors, BadOptionsAndMalformedSearchWordsWriteNoResults) {
  lxtest::TempDir t;
  t.Write("a.txt", "a cat\n");
  const std::vector<std::vector<std::string>> bad = {{"wordlist", "--colour", t.Native("a.txt")},
                                                     {"wordlist", "--top", "x", t.Native("a.txt")},
                                                     {"wordlist", "--lcid", "zz", t.Native("a.txt")},
                                                     {"wordlist", "--format", "xml", t.Native("a.txt")},
                                                     {"wordlist"},
                                                     {"frequencies", t.Native("a.txt")},
                                                     {"concord", "cat"},
                                                     {"wordlist", "--top"}};
  for (const auto& args : bad) {
    const TRun r = Lexmill(args, t);
    EXPECT_EQ(r.rc, 2) << args[0] << " " << (args.size() > 1 ? args[1] : "");
    EXPECT_EQ(r.out, "");
    EXPECT_NE(r.err.find("lexmill: "), std::string::npos);
  }
  // Malformed search words; a == that does not wrap a whole one would be searched for as text, and found
  // nowhere.
  for (const std::string word : {"ca==t", "cat//dog", "/cat", "  ", "==The== cat", "the ==Cat=="}) {
    const TRun r = Lexmill({"concord", word, t.Native("a.txt")}, t);
    EXPECT_EQ(r.rc, 2) << word;
    EXPECT_EQ(r.out, "") << word;
    EXPECT_NE(r.err.find("malformed search word"), std::string::npos) << word << ": " << r.err;
  }
}

TEST(LexmillConcord, HitsCarryWordSentenceAndParagraphNumbers) {
  lxtest::TempDir t;
  t.Write("a.txt", "One cat sat. Two cats ran!\n\nThe Cat slept? Yes.\n");
  const std::string header = "#left\thit\tright\tfile\tword\tsentence\tparagraph\n";
  const std::string file = t.Native("a.txt");
  TRun r = Lexmill({"concord", "--context", "5", "cat/cats", file}, t);
  EXPECT_EQ(r.rc, 0) << r.err;
  EXPECT_EQ(r.out, header + "One \tcat\t sat.\t" + file + "\t2\t1\t1\n" +  //
                       " Two \tcats\t ran!\t" + file + "\t5\t2\t1\n" +     //
                       " The \tCat\t slep\t" + file + "\t8\t3\t2\n");
  r = Lexmill({"concord", "--context", "3", "--max", "1", "==Cat==", file}, t);
  EXPECT_EQ(r.out, header + "he \tCat\t sl\t" + file + "\t8\t3\t2\n");
  r = Lexmill({"concord", "--context", "0", "c*", file}, t);
  EXPECT_EQ(r.out, header + "\tcat\t\t" + file + "\t2\t1\t1\n" + "\tcats\t\t" + file + "\t5\t2\t1\n" +
                       "\tCat\t\t" + file + "\t8\t3\t2\n");
}

// A closing quote or bracket at the end of a paragraph, or of the text, belongs to the token before it: the
// sentence's marker must not leave it counted as a word of its own.
TEST(LexmillConcord, ClosingQuotesBeforeABlankLineAreNoWordsOfTheirOwn) {
  lxtest::TempDir t;
  t.Write("a.txt", "Why?\"\n\nMr. Darcy cat. So.)\n\n\nThe cat (he said.)");
  const std::string file = t.Native("a.txt");
  const TRun r = Lexmill({"concord", "--context", "0", "cat/said", file}, t);
  EXPECT_EQ(r.out, "#left\thit\tright\tfile\tword\tsentence\tparagraph\n\tcat\t\t" + file + "\t4\t3\t2\n" +
                       "\tcat\t\t" + file + "\t7\t5\t3\n" + "\tsaid\t\t" + file + "\t9\t5\t3\n");
  // The search engine's numbers agree.
  EXPECT_EQ(Lexmill({"concord", "--context", "0", "s*", file}, t).out,
            "#left\thit\tright\tfile\tword\tsentence\tparagraph\n\tSo\t\t" + file + "\t5\t4\t2\n" +
                "\tsaid\t\t" + file + "\t9\t5\t3\n");
}

// Blank lines of CRLF and spaces end one paragraph however many there are; a single line end ends nothing.
TEST(LexmillConcord, ParagraphAndSentenceEndsAcrossLineEnds) {
  lxtest::TempDir t;
  t.Write("a.txt", "A cat.\r\n \r\n\r\nThe cat!  cat?\ncat e.g. cat\n");
  const std::string file = t.Native("a.txt");
  const TRun r = Lexmill({"concord", "--sentence-ends", "simple", "--context", "0", "cat", file}, t);
  EXPECT_EQ(r.out, "#left\thit\tright\tfile\tword\tsentence\tparagraph\n\tcat\t\t" + file + "\t2\t1\t1\n" +
                       "\tcat\t\t" + file + "\t4\t2\t2\n" + "\tcat\t\t" + file + "\t5\t3\t2\n" + "\tcat\t\t" +
                       file + "\t6\t4\t2\n" + "\tcat\t\t" + file + "\t8\t5\t2\n");
}

// Old Mac texts end their lines with CR alone, and Unicode has line and paragraph separators: a blank line
// of any of them ends a paragraph (and its open sentence), and no cluster crosses it.
TEST(LexmillConcord, ParagraphsOfEveryKindOfLineEnd) {
  lxtest::TempDir t;
  const std::string numbers = "#left\thit\tright\tfile\tword\tsentence\tparagraph\n";
  for (const std::string& end :
       {std::string("\r"), std::string("\xE2\x80\xA8"), std::string("\xE2\x80\xA9")}) {
    t.Write("a.txt", "One cat" + end + end + "Two cat" + end + " " + end + "Three cat" + end + "x");
    const std::string file = t.Native("a.txt");
    EXPECT_EQ(Lexmill({"concord", "--context", "0", "cat", file}, t).out,
              numbers + "\tcat\t\t" + file + "\t2\t1\t1\n" + "\tcat\t\t" + file + "\t4\t2\t2\n" +
                  "\tcat\t\t" + file + "\t6\t3\t3\n")
        << end;
    EXPECT_EQ(Lexmill({"clusters", "--size", "2", "--min-freq", "1", file}, t).out.find("cat two"),
              std::string::npos);
  }
}

// The default sentence rule: "e.g." and "!" before lower-case words run on, a closing quote stays with its
// sentence, CJK, Devanagari and full-width terminators end sentences with or without a space, and a blank
// line ends a sentence left open.
TEST(LexmillConcord, SentenceNumbersFollowTerminatorsOfEveryScript) {
  lxtest::TempDir t;
  t.Write(
      "a.txt",
      "See e.g. a cat. \"Stop the cat!\" he said. \xE7\x8C\xAB cat\xE3\x80\x82\xE7\x8B\x97 cat\xEF\xBC\x81 "
      "\xE0\xA4\xAC\xE0\xA4\xBF\xE0\xA4\xB2\xE0\xA5\x8D\xE0\xA4\xB2\xE0\xA5\x80 cat\xE0\xA5\xA4 Cat\n\n"
      "Title cat\n\nLast cat.\n");
  const std::string file = t.Native("a.txt");
  auto row = [&](const char* hit, int word, int sentence, int paragraph) {
    return std::string("\t") + hit + "\t\t" + file + "\t" + std::to_string(word) + "\t" +
           std::to_string(sentence) + "\t" + std::to_string(paragraph) + "\n";
  };
  const std::string header = "#left\thit\tright\tfile\tword\tsentence\tparagraph\n";
  TRun r = Lexmill({"concord", "--context", "0", "cat", file}, t);
  EXPECT_EQ(r.rc, 0) << r.err;
  // The CJK full stop also parts the tokens it stands between.
  EXPECT_EQ(r.out, header + row("cat", 4, 1, 1) + row("cat", 7, 2, 1) + row("cat", 11, 3, 1) +
                       row("cat", 13, 4, 1) + row("cat", 15, 5, 1) + row("Cat", 16, 6, 1) +
                       row("cat", 18, 7, 2) + row("cat", 20, 8, 3));
  r = Lexmill({"concord", "--sentence-ends", "simple", "--context", "0", "cat", file}, t);
  EXPECT_EQ(r.out, header + row("cat", 4, 2, 1) + row("cat", 7, 3, 1) + row("cat", 11, 4, 1) +
                       row("cat", 12, 4, 1) + row("cat", 14, 4, 1) + row("Cat", 15, 4, 1) +
                       row("cat", 17, 4, 2) + row("cat", 19, 4, 3));
  r = Lexmill({"concord", "--sentence-ends", "clever", "cat", file}, t);
  EXPECT_EQ(r.rc, 2);
}

// An independent count of one real text: ASCII letters and digits, with ' and - joining two letters or
// digits and . or , joining two digits.
std::map<std::string, long> CountWordsByHand(const std::string& text, long& tokens) {
  std::map<std::string, long> counts;
  auto isWord = [](unsigned char c) { return std::isalnum(c) != 0; };
  std::string word;
  tokens = 0;
  for (std::size_t i = 0; i <= text.size(); ++i) {
    const unsigned char c = i < text.size() ? text[i] : ' ';
    const bool joins = i > 0 && i + 1 < text.size() &&
                       (((c == '\'' || c == '-') && isWord(text[i - 1]) && isWord(text[i + 1])) ||
                        ((c == '.' || c == ',') && std::isdigit(static_cast<unsigned char>(text[i - 1])) &&
                         std::isdigit(static_cast<unsigned char>(text[i + 1]))));
    if (isWord(c) || joins) {
      word += static_cast<char>(std::tolower(c));
    } else if (!word.empty()) {
      ++counts[word];
      ++tokens;
      word.clear();
    }
  }
  return counts;
}

TEST(LexmillWordlist, CountsOfARealTextMatchAnIndependentCount) {
  const std::string path = std::string(LEXMILL_SAMPLES_DIR) + "/austen-pride-and-prejudice.txt";
  std::ifstream in(path, std::ios::binary);
  const std::string text((std::istreambuf_iterator<char>(in)), {});
  ASSERT_GT(text.size(), 600000u);
  long tokens = 0;
  const std::map<std::string, long> expected = CountWordsByHand(text, tokens);

  lxtest::TempDir t;
  const TRun r = Lexmill({"wordlist", "--summary", path}, t);
  ASSERT_EQ(r.rc, 0) << r.err;
  std::map<std::string, long> got;
  std::istringstream lines(r.out);
  std::string line, summary;
  while (std::getline(lines, line)) {
    if (line.rfind("# ", 0) == 0) summary = line;
    if (line.empty() || line[0] == '#') continue;
    const auto tab = line.find('\t');
    got[line.substr(0, tab)] = std::stol(line.substr(tab + 1));
  }
  EXPECT_EQ(summary, "# tokens " + std::to_string(tokens) + ", types " + std::to_string(expected.size()) +
                         ", texts 1");
  for (const char* w :
       {"the", "elizabeth", "darcy", "bennet", "pride", "prejudice", "don't", "to-morrow", "i"}) {
    ASSERT_TRUE(expected.count(w)) << w;
    EXPECT_EQ(got[w], expected.at(w)) << w;
  }
  EXPECT_EQ(got, expected);
}

// The hit column of each concordance line, in order.
std::vector<std::string> Hits(const std::string& tsv) {
  std::vector<std::string> hits;
  std::istringstream lines(tsv);
  std::string line;
  while (std::getline(lines, line)) {
    if (line.empty() || line[0] == '#') continue;
    const auto a = line.find('\t');
    hits.push_back(line.substr(a + 1, line.find('\t', a + 1) - a - 1));
  }
  return hits;
}

using Words = std::vector<std::string>;

TEST(LexmillConcord, WildcardsKeepToWordsAndWordBoundaries) {
  lxtest::TempDir t;
  t.Write("a.txt",
          "Go. He ran. she ran. I saw a roof of slate.\nThey read the theme of the book.\n"
          "tom  sawyer met tom sawyer; nothing, a thing.\n");
  const std::string file = t.Native("a.txt");
  // The simple sentence rule ends a sentence at "book." although a lower-case word follows it.
  auto hits = [&](const std::string& word) {
    const TRun r = Lexmill({"concord", "--sentence-ends", "simple", "--context", "0", word, file}, t);
    EXPECT_EQ(r.rc, 0) << word << ": " << r.err;
    return Hits(r.out);
  };
  // '?' is one character of a word, never the space after a sentence's end.
  EXPECT_EQ(hits("?he"), (Words{"she", "the", "the"}));
  EXPECT_EQ(hits("?"), (Words{"I", "a", "a"}));
  // A star alone beside a word stands for a further word; the word keeps its boundary.
  EXPECT_EQ(hits("the *"), (Words{"the theme", "the book"}));
  EXPECT_EQ(hits("* of"), (Words{"roof of", "theme of"}));
  // Spaces typed twice match as one.
  EXPECT_EQ(hits("tom  sawyer"), hits("tom sawyer"));
  EXPECT_EQ(hits("tom sawyer"), (Words{"tom  sawyer", "tom sawyer"}));
  // The hit of a star word is the whole word.
  EXPECT_EQ(hits("*ing"), (Words{"nothing", "thing"}));
  // A leading star is tried at every character of the word before the phrase: each place is one hit, the
  // longest, however much punctuation that word holds.
  t.Write("b.txt", "He said _him_.\"  Elizabeth smiled at Elizabeth.\n");
  const TRun r = Lexmill({"concord", "--context", "0", "* elizabeth", t.Native("b.txt")}, t);
  EXPECT_EQ(Hits(r.out), (Words{"_him_.\"  Elizabeth", "at Elizabeth"})) << r.out;
}

TEST(LexmillConcord, CaseFoldsAsTheWordListDoes) {
  lxtest::TempDir t;
  t.Write("a.txt", "\xC4\xB0stanbul ISTANBUL istanbul Istanbul\n");  // the first with a dotted capital I
  const std::string file = t.Native("a.txt");
  for (const char* lcid : {"0x0409", "0x041F"}) {
    SCOPED_TRACE(lcid);
    const TRun list = Lexmill({"wordlist", "--lcid", lcid, file}, t);
    long counted = 0;
    std::istringstream lines(list.out);
    std::string line;
    while (std::getline(lines, line))
      if (line.rfind("istanbul\t", 0) == 0) counted = std::stol(line.substr(9));
    const TRun r = Lexmill({"concord", "--lcid", lcid, "--context", "0", "istanbul", file}, t);
    ASSERT_EQ(r.rc, 0) << r.err;
    const Words found = Hits(r.out);
    EXPECT_EQ(static_cast<long>(found.size()), counted);
    EXPECT_EQ(found.front(), "\xC4\xB0stanbul");
  }
  // Under Turkish rules ISTANBUL is a dotless word, so only three forms are istanbul.
  const TRun tr = Lexmill({"concord", "--lcid", "0x041F", "--context", "0", "istanbul", file}, t);
  EXPECT_EQ(Hits(tr.out), (Words{"\xC4\xB0stanbul", "istanbul"}));
}

// A capital sigma at the end of a word lower-cases to the final ς, as Greek writes it: ΟΔΟΣ and οδος are
// one word in the word list, the clusters and the concordance, plain or with a wildcard; a lone Σ is σ.
TEST(LexmillConcord, GreekFinalSigmaIsOneWordWithItsCapital) {
  lxtest::TempDir t;
  t.Write("el.txt", "\xCE\x9F\xCE\x94\xCE\x9F\xCE\xA3 \xCE\xBF\xCE\xB4\xCE\xBF\xCF\x82 \xCE\xA3.\n");
  const std::string file = t.Native("el.txt");
  const std::string word = "\xCE\xBF\xCE\xB4\xCE\xBF\xCF\x82";  // οδος
  for (const char* lcid : {"0x0408", "0x0409"}) {
    SCOPED_TRACE(lcid);
    EXPECT_EQ(Lexmill({"wordlist", "--lcid", lcid, file}, t).out,
              "#word\tfrequency\tper cent\ttexts\n" + word + "\t2\t66.67\t1\n\xCF\x83\t1\t33.33\t1\n");
    for (const std::string& searched : {word, std::string("\xCE\xBF\xCE\xB4*")})
      EXPECT_EQ(Hits(Lexmill({"concord", "--lcid", lcid, "--context", "0", searched, file}, t).out).size(),
                2u)
          << searched;
    EXPECT_NE(Lexmill({"clusters", "--lcid", lcid, "--size", "2", "--min-freq", "1", file}, t)
                  .out.find(word + " " + word + "\t1\t"),
              std::string::npos);
  }
}

// Every word of the word list is found by the concordance exactly as often as the list counts it, on forms
// whose case is more than ASCII: titlecase digraphs, the Kelvin sign, Greek, sharp s and letters beyond the
// Basic Multilingual Plane.
TEST(LexmillConcord, FindsEveryListedWordAsOftenAsCounted) {
  lxtest::TempDir t;
  t.Write("a.txt",
          "Stra\xC3\x9F"
          "e STRASSE stra\xC3\x9F"
          "e \xE1\xBA\x9Etra\xC3\x9F"
          "e "  // Straße, ẞtraße
          "\xC7\x84"
          "emal \xC7\x85"
          "emal \xC7\x86"
          "emal "                                                                               // DŽ Dž dž
          "K\xE2\x84\xAA kk KK "                                                                // Kelvin sign
          "\xCE\xA3\xCE\xBF\xCF\x86\xCE\xAF\xCE\xB1 \xCF\x83\xCE\xBF\xCF\x86\xCE\xAF\xCE\xB1 "  // Σοφία σοφία
          "\xF0\x90\x90\x80\xF0\x90\x90\xA8 \xF0\x90\x90\xA8\xF0\x90\x90\xA8 "                  // Deseret
          "\xC3\x89"
          "clair \xC3\xA9"
          "clair \xC3\x89"
          "CLAIR the The THE\n");
  const std::string file = t.Native("a.txt");
  for (const char* lcid : {"0x0409", "0x041F", "0x0407"}) {
    SCOPED_TRACE(lcid);
    const TRun list = Lexmill({"wordlist", "--lcid", lcid, "--format", "tsv", file}, t);
    ASSERT_EQ(list.rc, 0) << list.err;
    std::istringstream lines(list.out);
    std::string line;
    std::getline(lines, line);  // the header
    int words = 0;
    while (std::getline(lines, line)) {
      const std::string word = line.substr(0, line.find('\t'));
      const long counted = std::stol(line.substr(word.size() + 1));
      const TRun r = Lexmill({"concord", "--lcid", lcid, "--context", "0", word, file}, t);
      ASSERT_EQ(r.rc, 0) << r.err;
      EXPECT_EQ(static_cast<long>(Hits(r.out).size()), counted) << word;
      ++words;
    }
    EXPECT_GE(words, 7);
  }
}

// A word looked for by its first letters and one looked for run by run number their hits alike: the same
// text with many sentence and paragraph ends, searched for "the" alone and among alternatives with too many
// first letters to look for directly.
TEST(LexmillConcord, HitNumbersAgreeWhicheverWayTheWordIsFound) {
  std::string text;
  for (int i = 0; i < 400; ++i) {
    text += std::string(static_cast<std::size_t>(i % 9), ' ') + "The cat. the-dog  theme  THE end!";
    text += i % 5 == 0 ? "\n\n" : i % 7 == 0 ? "\r\n \r\n" : " ";
    text += "anthem,the;1.5 the\t" + std::string(static_cast<std::size_t>(i % 4), 'x') + "\n";
  }
  lxtest::TempDir t;
  t.Write("a.txt", text);
  const std::string file = t.Native("a.txt");
  auto lines = [&](const std::string& word) {
    const TRun r = Lexmill({"concord", "--context", "3", "--format", "tsv", word, file}, t);
    EXPECT_EQ(r.rc, 0) << r.err;
    std::vector<std::string> kept;
    std::istringstream in(r.out);
    std::string line;
    while (std::getline(in, line)) {
      const auto a = line.find('\t');
      const std::string hit = line.substr(a + 1, line.find('\t', a + 1) - a - 1);
      if (line[0] != '#' && (hit == "The" || hit == "the" || hit == "THE")) kept.push_back(line);
    }
    return kept;
  };
  const std::vector<std::string> alone = lines("the");
  EXPECT_EQ(alone.size(), 400u * 4);  // "the-dog" is one word
  EXPECT_EQ(alone, lines("the/a1/b1/c1/d1/e1"));
  EXPECT_EQ(alone.back().substr(alone.back().rfind('\t') + 1), "127");  // paragraph of the last hit
}

TEST(LexmillConcord, TwentyThousandAlternatives) {
  // Plain alternatives are looked up, not searched for one by one; mixed with a wildcard one they give
  // the same lines as each would alone.
  std::string typed, text;
  for (int i = 0; i < 20000; ++i) {
    char w[16];
    std::snprintf(w, sizeof w, "q%x", i);
    typed += (i ? "/" : "") + std::string(w);
    if (i % 1000 == 7) text += std::string(w) + " filler ";
  }
  text += "q5z qq thing\n";
  lxtest::TempDir t;
  t.Write("a.txt", text);
  const TRun r = Lexmill({"concord", "--context", "0", typed + "/th*g", t.Native("a.txt")}, t);
  ASSERT_EQ(r.rc, 0) << r.err;
  Words expected;
  for (int i = 7; i < 20000; i += 1000) {
    char w[16];
    std::snprintf(w, sizeof w, "q%x", i);
    expected.push_back(w);
  }
  expected.push_back("thing");
  EXPECT_EQ(Hits(r.out), expected);
}

}  // namespace

// Clusters counted by hand: sentence and paragraph ends are never crossed ("ran the", "ran big" do not
// occur), case is folded, ties go alphabetically.
TEST(LexmillClusters, HandCountedSizesRangesAndLimits) {
  lxtest::TempDir t;
  t.Write("a.txt", "The big dog ran. The big dog sat!\nThe big cat ran.\n\nBig dog ran home.");
  t.Write("b.txt", "the big dog ran");
  const std::string a = t.Native("a.txt"), b = t.Native("b.txt");
  const std::string header = "#cluster\tfrequency\ttexts\n";
  TRun r = Lexmill({"clusters", "--size", "2", a, b}, t);
  EXPECT_EQ(r.rc, 0) << r.err;
  EXPECT_EQ(r.out, header + "big dog\t4\t2\nthe big\t4\t2\ndog ran\t3\t2\n");
  r = Lexmill({"clusters", "--min-freq", "1", "--top", "3", a, b}, t);
  EXPECT_EQ(r.out, header + "big dog ran\t3\t2\nthe big dog\t3\t2\nbig cat ran\t1\t1\n");
  r = Lexmill({"clusters", "--size=2-3", "--min-freq", "3", a, b}, t);
  EXPECT_EQ(r.out,
            header + "big dog\t4\t2\nthe big\t4\t2\nbig dog ran\t3\t2\ndog ran\t3\t2\nthe big dog\t3\t2\n");
  // One text: nothing crosses its sentence ends, so "ran the" and "sat the" never appear.
  r = Lexmill({"clusters", "--size", "2", "--min-freq", "1", a}, t);
  EXPECT_EQ(r.out.find("ran the"), std::string::npos);
  EXPECT_EQ(r.out.find("sat the"), std::string::npos);
  EXPECT_EQ(r.out.find("ran big"), std::string::npos);
  EXPECT_NE(r.out.find("ran home\t1\t1\n"), std::string::npos);
  for (const char* bad : {"0", "3-2", "9", "2-", "x"}) {
    r = Lexmill({"clusters", "--size", bad, a}, t);
    EXPECT_EQ(r.rc, 2) << bad;
    EXPECT_EQ(r.out, "") << bad;
  }
}
