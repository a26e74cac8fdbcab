// `lexmill wordlist --sort` with several keys, run as a user runs it.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>

#include "tests/test_files.h"

namespace {

struct TSortRun {
  int rc = -1;
  std::string out, err;
};

TSortRun Wordlist(const std::string& args, const lxtest::TempDir& dir) {
  const std::string cmd = std::string("'") + LEXMILL_PROGRAM + "' wordlist " + args + " >'" +
                          dir.Native("out") + "' 2>'" + dir.Native("err") + "' </dev/null";
  const int status = std::system(cmd.c_str());
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, dir.Read("out"), dir.Read("err")};
}

// The words of the TSV output, in order.
std::string WordsOf(const std::string& tsv) {
  std::string words;
  std::size_t p = tsv.find('\n') + 1;
  while (p < tsv.size() && tsv[p] != '#') {
    const std::size_t tab = tsv.find('\t', p);
    words += (words.empty() ? "" : " ") + tsv.substr(p, tab - p);
    p = tsv.find('\n', p) + 1;
  }
  return words;
}

struct SortTexts : ::testing::Test {
  lxtest::TempDir t;
  std::string file;
  void SetUp() override {
    t.Write("a.txt", "walked talked sing sing ring ring ring a a bee walked\n");
    file = "'" + t.Native("a.txt") + "'";
  }
};

}  // namespace

TEST_F(SortTexts, KeysDirectionsAndTieBreaks) {
  EXPECT_EQ(WordsOf(Wordlist(file, t).out), "ring a sing walked bee talked");
  EXPECT_EQ(WordsOf(Wordlist("--sort freq " + file, t).out), "ring a sing walked bee talked");
  EXPECT_EQ(WordsOf(Wordlist("--sort -freq " + file, t).out), "bee talked a sing walked ring");
  EXPECT_EQ(WordsOf(Wordlist("--sort alpha " + file, t).out), "a bee ring sing talked walked");
  EXPECT_EQ(WordsOf(Wordlist("--sort=-alpha " + file, t).out), "walked talked sing ring bee a");
  // Endings: -a, -d (talked before walked: "deklat" < "deklaw"), -e, -g.
  EXPECT_EQ(WordsOf(Wordlist("--sort reverse " + file, t).out), "a talked walked bee ring sing");
  EXPECT_EQ(WordsOf(Wordlist("--sort length,-freq " + file, t).out), "a bee sing ring talked walked");
  EXPECT_EQ(WordsOf(Wordlist("--sort -length,freq,-alpha " + file, t).out), "walked talked ring sing bee a");
}

TEST_F(SortTexts, BadKeysAreUsageErrors) {
  for (const char* bad : {"size", "freq,", "alpha,-alpha", "freq,alpha,length,reverse", "--freq", ""}) {
    const TSortRun r = Wordlist(std::string("--sort '") + bad + "' " + file, t);
    EXPECT_EQ(r.rc, 2) << bad;
    EXPECT_EQ(r.out, "") << bad;
    EXPECT_NE(r.err.find("--sort"), std::string::npos) << bad;
  }
}
