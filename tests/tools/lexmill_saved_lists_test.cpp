// Saved word lists end to end: wordlist --save, show, --lemmas, --stoplist and merge, run as a user runs
// them.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "tests/test_files.h"
#include "tests/tools/lexmill_run.h"

namespace {

using lxtest::Mill;
using lxtest::TRun;

// The TSV rows after the header line.
std::string Rows(const std::string& tsv) {
  const std::size_t nl = tsv.find('\n');
  return nl == std::string::npos ? "" : tsv.substr(nl + 1);
}

struct SavedLists : ::testing::Test {
  lxtest::TempDir t;
  void SetUp() override {
    t.Write("a.txt", "The dog goes home. The dogs went; he is going, he was gone. Go!\n");
    t.Write("b.txt", "Dogs go and went and go. The cat sat.\n");
  }
  std::string P(const std::string& name) const { return t.Native(name); }
};

}  // namespace

TEST_F(SavedLists, SavedListShowsAsTheWordListDidInEveryFormat) {
  for (const char* format : {"tsv", "csv", "json", "table"}) {
    const TRun made = Mill({"wordlist", "--format", format, "--save", P("list"), P("a.txt"), P("b.txt")}, t);
    ASSERT_EQ(made.rc, 0) << made.err;
    // The extension is added to a name without one, and the name can be given either way.
    ASSERT_TRUE(std::filesystem::exists(P("list.lst")));
    EXPECT_FALSE(std::filesystem::exists(P("list")));
    const TRun shown = Mill({"show", "--format", format, P("list")}, t);
    ASSERT_EQ(shown.rc, 0) << shown.err;
    EXPECT_EQ(shown.out, made.out) << format;
    EXPECT_EQ(Mill({"show", "--format", format, P("list.lst")}, t).out, made.out);
  }
  // A name with an extension keeps it.
  ASSERT_EQ(Mill({"wordlist", "--save", P("named.words"), P("a.txt")}, t).rc, 0);
  EXPECT_TRUE(std::filesystem::exists(P("named.words")));

  const TRun info = Mill({"show", "--info", P("list.lst")}, t);
  ASSERT_EQ(info.rc, 0);
  EXPECT_NE(info.out.find("entries\t15\n"), std::string::npos) << info.out;
  EXPECT_NE(info.out.find("tokens\t23\n"), std::string::npos);
  EXPECT_NE(info.out.find("texts\t2\n"), std::string::npos);
  EXPECT_NE(info.out.find("lemmatised\tno\n"), std::string::npos);
  EXPECT_NE(info.out.find("stored_version_number\t21\n"), std::string::npos);
  EXPECT_NE(info.out.find("info_derives_from_filename\t" + P("a.txt") + "\n"), std::string::npos);
}

TEST_F(SavedLists, LemmasJoinFormsUnderHeadsAndSurviveSavingAndReopening) {
  t.Write("lemmas.txt",
          "# arrows and two-column lines in one file\ngo -> goes, went, gone, going\ndogs dog\n"
          "cat -> \nbroken\n");
  const TRun r = Mill({"wordlist", "--lemmas", P("lemmas.txt"), "--show-forms", "--sort", "freq", "--save",
                       P("lem.lst"), P("a.txt"), P("b.txt")},
                      t);
  ASSERT_EQ(r.rc, 0) << r.err;
  // go: 1 + 2 (go in b) + goes 1 + went 2 + gone 1 + going 1; the head shows its own texts.
  EXPECT_EQ(Rows(r.out).substr(0, Rows(r.out).find('\n', Rows(r.out).find('\n') + 1) + 1),
            "go\t8\t34.78\t2\tgoes 1, went 2, gone 1, going 1\n"
            "dog\t3\t13.04\t1\tdogs 2\n");
  EXPECT_EQ(r.out.find("\nwent\t"), std::string::npos);
  EXPECT_NE(r.err.find("2 lines of"), std::string::npos) << r.err;

  const TRun back = Mill({"show", "--show-forms", "--sort", "freq", P("lem.lst")}, t);
  EXPECT_EQ(back.out, r.out);
  EXPECT_NE(Mill({"show", "--info", P("lem.lst")}, t).out.find("lemmatised\tyes"), std::string::npos);
}

TEST_F(SavedLists, WordNetExceptionLinesJoinIrregularForms) {
  t.Write("c.txt",
          "She was here; they were there and I am, we are, it is. Been there. They laid it, it lay, it has "
          "lain. Be!\n");
  const std::string lemmas = lxtest::DataFile("lemma/verb-excerpt.exc");
  const TRun r = Mill({"wordlist", "--lemmas", lemmas, "--show-forms", P("c.txt")}, t);
  ASSERT_EQ(r.rc, 0) << r.err;
  EXPECT_NE(r.out.find("be\t7\t"), std::string::npos) << r.out;
  // "laid lay" comes first, so lay is a head when "lay lie" asks to put it under lie: joins are one level
  // deep, so it stays a head (laid is no form of lie), and the refusal is counted in the warning.
  EXPECT_NE(r.out.find("\nlay\t2\t8.33\t1\tlaid 1\n"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("\nlie\t1\t4.17\t0\tlain 1\n"), std::string::npos) << r.out;
  EXPECT_NE(r.err.find("1 forms of " + lemmas + " were not joined"), std::string::npos) << r.err;
  EXPECT_NE(r.out.find("have\t1\t"), std::string::npos);
  // In the other order lay goes under lie first, and laid, whose head is now a form, stays a word of its
  // own: never two levels, whichever order the lines come in.
  t.Write("reversed.exc", "lay lie\nlain lie\nlaid lay\n");
  const TRun other = Mill({"wordlist", "--lemmas", P("reversed.exc"), "--show-forms", P("c.txt")}, t);
  EXPECT_NE(other.out.find("\nlie\t2\t8.33\t0\tlay 1, lain 1\n"), std::string::npos) << other.out;
  EXPECT_NE(other.out.find("\nlaid\t1\t"), std::string::npos) << other.out;
}

TEST_F(SavedLists, StopListLeavesWordsOutAndIsRecorded) {
  t.Write("stop.txt", "# articles and the like\nthe and\nHE\n");
  const TRun r = Mill({"wordlist", "--stoplist", P("stop.txt"), "--save", P("s"), P("a.txt"), P("b.txt")}, t);
  ASSERT_EQ(r.rc, 0) << r.err;
  for (const char* gone : {"\nthe\t", "\nand\t", "\nhe\t"})
    EXPECT_EQ(r.out.find(gone), std::string::npos) << gone;
  EXPECT_NE(r.out.find("\ndog\t"), std::string::npos);
  // Per cent still of all running words.
  EXPECT_NE(r.out.find("went\t2\t8.70\t"), std::string::npos) << r.out;
  EXPECT_NE(Mill({"show", "--info", P("s")}, t).out.find("stoplist_filename\t" + P("stop.txt") + "\n"),
            std::string::npos);
  EXPECT_EQ(Mill({"wordlist", "--stoplist", P("missing.txt"), P("a.txt")}, t).rc, 1);
  // A stray NUL in a short list is no sign of UTF-16: the list is a binary file, and nothing is counted
  // without it.
  t.Write("nul.txt", std::string("the\n\0\n", 6));
  const TRun nul = Mill({"wordlist", "--stoplist", P("nul.txt"), P("a.txt")}, t);
  EXPECT_EQ(nul.rc, 1);
  EXPECT_EQ(nul.out, "");
  EXPECT_NE(nul.err.find(P("nul.txt") + ": a binary file"), std::string::npos) << nul.err;
  EXPECT_NE(nul.err.find("without its stop list " + P("nul.txt") + " nothing was counted"), std::string::npos)
      << nul.err;

  // Merged with a list made without it, the stop list no longer holds: said, and no longer named.
  ASSERT_EQ(Mill({"wordlist", "--save", P("plain"), P("b.txt")}, t).rc, 0);
  const TRun mixed = Mill({"merge", P("s"), P("plain"), "-o", P("mixed")}, t);
  EXPECT_EQ(mixed.rc, 0);
  EXPECT_NE(mixed.err.find("different stop lists"), std::string::npos) << mixed.err;
  EXPECT_NE(Mill({"show", "--info", P("mixed")}, t).out.find("stoplist_filename\t\n"), std::string::npos);
  const TRun same = Mill({"merge", P("s"), P("s"), "-o", P("same")}, t);
  EXPECT_EQ(same.err, "");
  EXPECT_NE(Mill({"show", "--info", P("same")}, t).out.find("stoplist_filename\t" + P("stop.txt") + "\n"),
            std::string::npos);
}

TEST_F(SavedLists, MergingTheListsOfTwoHalvesGivesTheListOfTheWhole) {
  const std::string half1 = lxtest::DataFile("en/austen-opening.txt");
  t.Write("more.txt", "Pride and prejudice, and more pride; a second half of the corpus.\n");
  ASSERT_EQ(Mill({"wordlist", "--save", P("h1"), half1}, t).rc, 0);
  ASSERT_EQ(Mill({"wordlist", "--save", P("h2"), P("more.txt"), P("a.txt")}, t).rc, 0);
  ASSERT_EQ(Mill({"wordlist", "--save", P("whole"), half1, P("more.txt"), P("a.txt")}, t).rc, 0);
  const TRun m = Mill({"merge", P("h1"), P("h2.lst"), "-o", P("merged")}, t);
  ASSERT_EQ(m.rc, 0) << m.err;
  EXPECT_EQ(m.out, "");
  const TRun merged = Mill({"show", "--summary", P("merged.lst")}, t);
  const TRun whole = Mill({"show", "--summary", P("whole.lst")}, t);
  ASSERT_EQ(merged.rc, 0);
  EXPECT_GT(merged.out.size(), 1000u);
  EXPECT_EQ(merged.out, whole.out);
}

TEST_F(SavedLists, MergeKeepsLemmasAndRefusesWhatItCannotRead) {
  t.Write("lemmas.txt", "go -> goes, went\n");
  ASSERT_EQ(Mill({"wordlist", "--lemmas", P("lemmas.txt"), "--save", P("l1"), P("a.txt")}, t).rc, 0);
  ASSERT_EQ(Mill({"wordlist", "--save", P("l2"), P("b.txt")}, t).rc, 0);
  ASSERT_EQ(Mill({"merge", P("l1"), P("l2"), "-o", P("m")}, t).rc, 0);
  // The forms of l2 go under the head l1 has them under: go 1+2, goes 1, went 1+1.
  const TRun shown = Mill({"show", "--show-forms", "--top", "1", P("m")}, t);
  EXPECT_EQ(Rows(shown.out), "go\t6\t26.09\t2\tgoes 1, went 2\n");

  // Each list has the head's forms in the lemma file's order, some of them only: merged in either order,
  // they come in that order, as the word list of all the texts gives them.
  t.Write("verbs.txt", "go -> goes, went, gone, going\n");
  t.Write("p1.txt", "going gone gone went\n");
  t.Write("p2.txt", "goes went went went going\n");
  ASSERT_EQ(Mill({"wordlist", "--lemmas", P("verbs.txt"), "--save", P("v1"), P("p1.txt")}, t).rc, 0);
  ASSERT_EQ(Mill({"wordlist", "--lemmas", P("verbs.txt"), "--save", P("v2"), P("p2.txt")}, t).rc, 0);
  const TRun whole =
      Mill({"wordlist", "--lemmas", P("verbs.txt"), "--show-forms", P("p1.txt"), P("p2.txt")}, t);
  EXPECT_NE(whole.out.find("goes 1, went 4, gone 2, going 2"), std::string::npos) << whole.out;
  for (const auto& [first, second] : {std::pair{"v1", "v2"}, std::pair{"v2", "v1"}}) {
    ASSERT_EQ(Mill({"merge", P(first), P(second), "-o", P("vm")}, t).rc, 0);
    EXPECT_EQ(Mill({"show", "--show-forms", P("vm")}, t).out, whole.out) << first;
  }

  t.Write("junk.lst", "not a list");
  const TRun bad = Mill({"merge", P("l1"), P("junk.lst"), "-o", P("m2")}, t);
  EXPECT_EQ(bad.rc, 1);
  EXPECT_NE(bad.err.find("junk.lst"), std::string::npos);
  EXPECT_NE(bad.err.find("offset 0"), std::string::npos) << bad.err;
  EXPECT_FALSE(std::filesystem::exists(P("m2.lst")));
  EXPECT_EQ(Mill({"merge", P("l1")}, t).rc, 2);
  EXPECT_EQ(Mill({"show"}, t).rc, 2);
  EXPECT_EQ(Mill({"show", P("nothing.lst")}, t).rc, 1);
}

TEST_F(SavedLists, ADamagedOrTruncatedListFileIsRefusedWithItsOffset) {
  ASSERT_EQ(Mill({"wordlist", "--lcid", "0x0809", "--save", P("x"), P("a.txt")}, t).rc, 0);
  const std::string bytes = t.Read("x.lst");
  // The command's own block after the entries: marker, version, 14 running words, 1 text, the locale.
  EXPECT_EQ(bytes.substr(bytes.size() - 24),
            std::string("LXLT\x01\0\0\0\x0e\0\0\0\0\0\0\0\x01\0\0\0\x09\x08\0\0", 24));
  // Without it the list still reads; running words are then the sum of the frequencies.
  t.Write("bare.lst", bytes.substr(0, bytes.size() - 24));
  const TRun bare = Mill({"show", "--info", P("bare.lst")}, t);
  EXPECT_EQ(bare.rc, 0);
  EXPECT_NE(bare.out.find("texts\tunknown\n"), std::string::npos) << bare.out;
  // Cut inside that block: refused, not read as a list without totals, and never passed on by merge.
  for (const std::size_t lost : {1u, 4u, 5u, 23u}) {
    t.Write("short.lst", bytes.substr(0, bytes.size() - lost));
    const TRun r = Mill({"show", "--info", P("short.lst")}, t);
    EXPECT_EQ(r.rc, 1) << lost;
    EXPECT_NE(r.err.find("damaged at offset " + std::to_string(bytes.size() - 24) + ": expected 24 bytes"),
              std::string::npos)
        << r.err;
    EXPECT_EQ(Mill({"merge", P("short.lst"), P("x.lst"), "-o", P("m")}, t).rc, 1) << lost;
  }
  // Cut inside the entries: the header reads, the entries do not.
  t.Write("cut.lst", bytes.substr(0, bytes.size() - 60));
  const TRun cut = Mill({"show", P("cut.lst")}, t);
  EXPECT_EQ(cut.rc, 1);
  EXPECT_NE(cut.err.find("damaged at offset"), std::string::npos) << cut.err;
  EXPECT_EQ(cut.out, "");
}

TEST_F(SavedLists, AListThatCannotBeSavedIsAProblemButTheWordsAreStillListed) {
  const TRun r = Mill({"wordlist", "--save", P("no/such/folder/x"), P("a.txt")}, t);
  EXPECT_EQ(r.rc, 1);
  EXPECT_NE(r.err.find("cannot save the list"), std::string::npos) << r.err;
  EXPECT_NE(r.out.find("\ndog\t"), std::string::npos);
}
