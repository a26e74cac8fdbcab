#include "lexfiletools/tools/file_comparer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "test_files.h"

namespace {

struct Pair {
  lxtest::TempDir dir;
  lx::TFileComparer cmp;
  Pair(const std::string& a, const std::string& b) {
    dir.Write("a", a);
    dir.Write("b", b);
    cmp.SetFile1(dir.File("a"));
    cmp.SetFile2(dir.File("b"));
    cmp.SetSilentComparison(true);
  }
};

// Several blocks long, so the block loop and the offsets across blocks are exercised.
std::string BigText(size_t n) {
  std::string s(n, ' ');
  for (size_t i = 0; i < n; ++i) s[i] = static_cast<char>('a' + (i * 7 + i / 13) % 26);
  return s;
}

}  // namespace

TEST(FileComparer, IdenticalFilesMatchOnEveryCount) {
  const std::string text = BigText(250000);
  Pair p(text, text);
  std::vector<int> progress;
  p.cmp.OnCheckProgress = [&](int pc) { progress.push_back(pc); };
  EXPECT_FLOAT_EQ(p.cmp.PercentMatching(false), 100.0f);
  EXPECT_TRUE(p.cmp.ContentsMatch());
  EXPECT_TRUE(p.cmp.SizesMatch());
  EXPECT_TRUE(p.cmp.AttributesMatch());
  EXPECT_FALSE(p.cmp.CRLFs_were_ignored);
  EXPECT_EQ(progress, (std::vector<int>{0, 41, 82}));
}

TEST(FileComparer, DisjointFilesShareNothing) {
  Pair p("abcdefgh", "zyxwvuts");
  EXPECT_FLOAT_EQ(p.cmp.PercentMatching(), 0.0f);
  EXPECT_FALSE(p.cmp.ContentsMatch());
  EXPECT_TRUE(p.cmp.SizesMatch());
}

TEST(FileComparer, OneChangedLineCountsTheAgreeingStart) {
  std::string a = BigText(204800), b = a;
  b[150000] = '#';  // in the second block
  Pair p(a, b);
  EXPECT_NEAR(p.cmp.PercentMatching(true), 100.0 * 150000 / 204800, 1e-3);
  EXPECT_TRUE(p.cmp.CRLFs_were_ignored);
  EXPECT_FALSE(p.cmp.ContentsMatch());

  Pair last("abcdefghij", "abcdefghiX");
  EXPECT_FLOAT_EQ(last.cmp.PercentMatching(false), 90.0f);
}

TEST(FileComparer, PrefixMatchesOverTheShorterLength) {
  Pair p("0123456789", "0123456789abcdefghij");
  EXPECT_FLOAT_EQ(p.cmp.PercentMatching(false), 100.0f);
  EXPECT_TRUE(p.cmp.ContentsMatch());
  EXPECT_FALSE(p.cmp.SizesMatch());
}

TEST(FileComparer, LineBreaksAndNulsIgnoredOnRequest) {
  Pair p("one\r\ntwo\r\nthree\r\n", "one\ntwo\nthree\n");
  EXPECT_LT(p.cmp.PercentMatching(false), 100.0f);
  EXPECT_FALSE(p.cmp.CRLFs_were_ignored);
  EXPECT_FLOAT_EQ(p.cmp.PercentMatching(true), 100.0f);
  EXPECT_TRUE(p.cmp.CRLFs_were_ignored);
  EXPECT_TRUE(p.cmp.ContentsMatch());

  Pair nul(std::string("a\0b\nc", 5), "abc");
  EXPECT_FLOAT_EQ(nul.cmp.PercentMatching(), 100.0f);
}

TEST(FileComparer, RelaxedDifferenceNeverReportsAMatch) {
  // The difference lies past the shorter length in File1, counted with the skipped bytes.
  Pair p("ab\r\n\r\n\r\n\r\nX", "abY");
  const float r = p.cmp.PercentMatching(true);
  EXPECT_LT(r, 100.0f);
  EXPECT_GT(r, 99.0f);
  EXPECT_FALSE(p.cmp.ContentsMatch());
}

TEST(FileComparer, MissingAndEmptyFiles) {
  Pair p("", "");
  EXPECT_FLOAT_EQ(p.cmp.PercentMatching(), 100.0f);
  EXPECT_TRUE(p.cmp.ContentsMatch());

  Pair one("", "text");
  EXPECT_FLOAT_EQ(one.cmp.PercentMatching(), 0.0f);
  EXPECT_FALSE(one.cmp.ContentsMatch());

  Pair gone("x", "x");
  gone.cmp.SetFile2(gone.dir.File("absent"));
  EXPECT_FLOAT_EQ(gone.cmp.PercentMatching(), 0.0f);
  EXPECT_FALSE(gone.cmp.SizesMatch() || gone.cmp.DatesMatch() || gone.cmp.AttributesMatch());
}
