// lexmill keywords and collocates end to end, on texts whose counts are worked out here by hand.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "tests/test_files.h"
#include "tests/tools/lexmill_run.h"

namespace {

using lxtest::TRun;

TRun Lexmill(const std::vector<std::string>& args, const lxtest::TempDir& dir) {
  return lxtest::Mill(args, dir);
}

std::string Repeated(const std::string& word, int n) {
  std::string s;
  for (int i = 0; i < n; ++i) s += word + (i % 12 == 11 ? "\n" : " ");
  return s;
}

std::vector<std::string> Lines(const std::string& s) {
  std::vector<std::string> lines;
  std::istringstream in(s);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::string FirstField(const std::string& line) {
  return line.substr(0, line.find('\t'));
}

// Study: 1000 words (zebra 10, emu 2, yak 1, s 987). Reference: 2000 words (zebra 5, emu 10, yak 30, r 1955).
struct KeyWordTexts {
  lxtest::TempDir tmp;
  KeyWordTexts() {
    tmp.Write("study.txt", Repeated("zebra", 10) + Repeated("emu", 2) + "Yak " + Repeated("s", 987));
    tmp.Write("ref.txt",
              Repeated("zebra", 5) + Repeated("emu", 10) + Repeated("yak", 30) + Repeated("r", 1955));
  }
  TRun Run(std::vector<std::string> extra) {
    std::vector<std::string> args{"keywords", "--ref", tmp.Native("ref.txt")};
    args.insert(args.end(), extra.begin(), extra.end());
    args.push_back(tmp.Native("study.txt"));
    return Lexmill(args, tmp);
  }
};

}  // namespace

TEST(LexmillKeywords, ScoresAgainstTheReferenceAndFiltersByP) {
  KeyWordTexts t;
  // zebra: 10 of 1000 against 5 of 2000, expected 5: LL 6.9315, p 0.00847, log ratio 2, BIC 6.9315 - ln 3000.
  TRun r = t.Run({"--max-p", "0.01"});
  ASSERT_EQ(r.rc, 0) << r.err;
  std::vector<std::string> lines = Lines(r.out);
  ASSERT_EQ(lines.size(), 3u) << r.out;
  EXPECT_EQ(lines[0],
            "#word\tfrequency\tper cent\tref frequency\tref per cent\tlog-likelihood\tp\tlog ratio\tBIC");
  // s is missing from the reference: scored with reference frequency 0, and strongest.
  EXPECT_EQ(FirstField(lines[1]), "s");
  EXPECT_EQ(lines[2], "zebra\t10\t1.0000\t5\t0.2500\t6.93\t0.008469\t2.00\t-1.07");
  // The summary goes to standard error, as every sub-command's does, or with --summary to the output's end.
  EXPECT_EQ(r.err, "2 key words; study tokens 1000, reference tokens 2000\n");
  r = t.Run({"--max-p", "0.01", "--summary"});
  EXPECT_EQ(Lines(r.out).back(), "# 2 key words; study tokens 1000, reference tokens 2000");

  // In JSON every score is a number, a p value written with an exponent too.
  r = t.Run({"--max-p", "0.01", "--format", "json"});
  lines = Lines(r.out);
  ASSERT_EQ(lines.size(), 2u) << r.out;
  EXPECT_NE(lines[0].find("\"p\":8.224e-20,"), std::string::npos) << lines[0];
  EXPECT_NE(lines[1].find("\"p\":0.008469,"), std::string::npos) << lines[1];

  // The default p (0.000001) leaves only s.
  r = t.Run({});
  lines = Lines(r.out);
  ASSERT_EQ(lines.size(), 2u) << r.out;
  EXPECT_EQ(FirstField(lines[1]), "s");
}

TEST(LexmillKeywords, NegativeKeyWordsComeLastMostNegativeLast) {
  KeyWordTexts t;
  // emu: 2 against expected 4 (LL about -1.7); yak: 1 against expected 10.33 (LL about -15.6); r only in the
  // reference, so it needs --min-freq 0, and is the most negative.
  TRun r = t.Run({"--negative", "--max-p", "1", "--min-freq", "0"});
  ASSERT_EQ(r.rc, 0) << r.err;
  std::vector<std::string> lines = Lines(r.out);
  std::vector<std::string> words;
  for (size_t i = 1; i < lines.size(); ++i) words.push_back(FirstField(lines[i]));
  EXPECT_EQ(words, (std::vector<std::string>{"s", "zebra", "emu", "yak", "r"}));
  EXPECT_NE(lines[3].find("\t-"), std::string::npos);
  EXPECT_EQ(r.err, "2 key words, 3 negative; study tokens 1000, reference tokens 2000\n");

  // Without --negative the negative ones are left out; the default minimum frequency of 3 drops yak.
  r = t.Run({"--max-p", "1", "--top", "1"});
  lines = Lines(r.out);
  ASSERT_EQ(lines.size(), 2u) << r.out;
  EXPECT_EQ(FirstField(lines[1]), "s");
}

TEST(LexmillKeywords, RefusesMissingReferenceAndEmptyTexts) {
  lxtest::TempDir tmp;
  tmp.Write("a.txt", "one two\n");
  tmp.Write("empty.txt", "...\n");
  TRun r = Lexmill({"keywords", tmp.Native("a.txt")}, tmp);
  EXPECT_EQ(r.rc, 2);
  r = Lexmill({"keywords", "--ref", tmp.Native("empty.txt"), tmp.Native("a.txt")}, tmp);
  EXPECT_EQ(r.rc, 1);
  EXPECT_NE(r.err.find("reference texts hold no words"), std::string::npos) << r.err;
  r = Lexmill({"keywords", "--ref", tmp.Native("a.txt"), "--max-p", "0", tmp.Native("a.txt")}, tmp);
  EXPECT_EQ(r.rc, 2);
}

namespace {
// 15 words in four sentences; cat has 3 hits.
const char kCatText[] = "The cat sat on the mat. The cat ran. A dog sat on the cat.\n";
}  // namespace

TEST(LexmillCollocates, CountsAroundHitsWithinSentences) {
  lxtest::TempDir tmp;
  tmp.Write("t.txt", kCatText);
  TRun r = Lexmill({"collocates", "cat", tmp.Native("t.txt"), "--span", "2,2", "--min-with", "1"}, tmp);
  ASSERT_EQ(r.rc, 0) << r.err;
  // N = 15, R = 3. the: L1 three times, total 4: MI log2(3·15 / (3·4)) = 1.907, logDice 14 + log2(6/7).
  // on: R2 of the first cat, L2 of the last; total 2: MI log2(2·15 / 6) = 2.322. mat (L2 of the second cat)
  // is across a sentence end and not counted; neither is a (its R2).
  EXPECT_EQ(Lines(r.out), (std::vector<std::string>{"#word\twith\ttotal\tmi\tt\tll\tlogdice\tL2\tL1\tR1\tR2",
                                                    "the\t3\t4\t1.907\t1.270\t1.247\t13.778\t0\t3\t0\t0",
                                                    "on\t2\t2\t2.322\t1.131\t2.955\t13.678\t1\t0\t0\t1",
                                                    "ran\t1\t1\t2.322\t0.800\t1.430\t13.000\t0\t0\t1\t0",
                                                    "sat\t1\t2\t1.322\t0.600\t0.000\t12.678\t0\t0\t1\t0"}));
  EXPECT_EQ(r.err, "4 collocates of 3 hits; running words 15, span 2,2\n");
}

TEST(LexmillCollocates, AcrossSentencesMeasuresSortAndMinimum) {
  lxtest::TempDir tmp;
  tmp.Write("t.txt", kCatText);
  TRun r = Lexmill({"collocates", "cat", tmp.Native("t.txt"), "--span", "2,2", "--min-with", "1",
                    "--across-sentences", "--measures", "mi,DeltaPA", "--sort", "total"},
                   tmp);
  ASSERT_EQ(r.rc, 0) << r.err;
  std::vector<std::string> lines = Lines(r.out);
  EXPECT_EQ(lines[0], "#word\twith\ttotal\tmi\tdeltapa\tL2\tL1\tR1\tR2");
  // Sorted by total: the (4) first; mat and a now count.
  EXPECT_EQ(FirstField(lines[1]), "the");
  std::string words;
  for (const auto& l : lines) words += FirstField(l) + " ";
  EXPECT_NE(words.find("mat "), std::string::npos);
  EXPECT_NE(words.find(" a "), std::string::npos);
  // ΔP for the: 100·(3/3 − (4 − 3) / (15 − 3 − 4 + 3)) = 90.909.
  EXPECT_EQ(lines[1], "the\t3\t4\t1.907\t90.909\t0\t3\t0\t0");

  // The default minimum of 3 keeps only the.
  r = Lexmill({"collocates", "cat", tmp.Native("t.txt")}, tmp);
  lines = Lines(r.out);
  ASSERT_EQ(lines.size(), 2u) << r.out;
  EXPECT_EQ(lines[0], "#word\twith\ttotal\tmi\tt\tll\tlogdice\tL5\tL4\tL3\tL2\tL1\tR1\tR2\tR3\tR4\tR5");
  EXPECT_EQ(FirstField(lines[1]), "the");
}

// Hits close together count a neighbour once for each of them, so a word can be counted with more hits
// than it occurs: the log-likelihood's table then has a negative cell and no value, where it used to give a
// strongly negative one that sorted the strongest collocates last.
TEST(LexmillCollocates, NoLogLikelihoodWhereAWordIsCountedMoreOftenThanItOccurs) {
  lxtest::TempDir tmp;
  tmp.Write("t.txt", "A b. A b. A c.\n");
  const TRun r = Lexmill({"collocates", "--min-with", "1", "--across-sentences", "--measures", "ll,mi",
                          "--sort", "ll", "a", tmp.Native("t.txt")},
                         tmp);
  ASSERT_EQ(r.rc, 0) << r.err;
  const std::vector<std::string> lines = Lines(r.out);
  ASSERT_EQ(lines.size(), 4u) << r.out;
  // b: counted 6 times with the 3 hits, but in the text twice.
  EXPECT_EQ(lines[2], "b\t6\t2\t\t2.585\t0\t0\t1\t0\t2\t2\t0\t1\t0\t0");
  EXPECT_EQ(r.out.find("\t-"), std::string::npos) << r.out;
}

TEST(LexmillCollocates, UndefinedScoresPrintEmptyAndBadOptionsAreRefused) {
  lxtest::TempDir tmp;
  // All the running words but the hit are dog: the z-score's p is 1, so its variance is 0 and it has no
  // value.
  tmp.Write("t.txt", "cat dog\n");
  TRun r = Lexmill({"collocates", "cat", tmp.Native("t.txt"), "--min-with", "1", "--measures", "z,mi"}, tmp);
  ASSERT_EQ(r.rc, 0) << r.err;
  std::vector<std::string> lines = Lines(r.out);
  ASSERT_EQ(lines.size(), 2u) << r.out;
  EXPECT_EQ(lines[1], "dog\t1\t1\t\t1.000\t0\t0\t0\t0\t0\t1\t0\t0\t0\t0");
  EXPECT_EQ(r.out.find("nan"), std::string::npos);
  EXPECT_EQ(r.out.find("inf"), std::string::npos);

  EXPECT_EQ(Lexmill({"collocates", "cat", tmp.Native("t.txt"), "--measures", "logratio"}, tmp).rc, 2);
  EXPECT_EQ(Lexmill({"collocates", "cat", tmp.Native("t.txt"), "--span", "0,0"}, tmp).rc, 2);
  EXPECT_EQ(Lexmill({"collocates", "cat", tmp.Native("t.txt"), "--span", "3"}, tmp).rc, 2);
  EXPECT_EQ(Lexmill({"collocates", "==cat", tmp.Native("t.txt")}, tmp).rc, 2);
}
