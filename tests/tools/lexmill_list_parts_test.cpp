// The pieces behind saved lists, called directly: the lemma and stop-list parsers, the merger of word lists,
// and the totals block read from a file.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>

#include "lexlists/engine/base_holder.h"
#include "lexlists/engine/list_files.h"
#include "tests/test_files.h"
#include "tools/lexmill/lexmill_lemmas.h"
#include "tools/lexmill/lexmill_listfile.h"
#include "tools/lexmill/lexmill_merge.h"

namespace {

using namespace lx;

TEST(LemmaText, BothLineFormsGatherUnderOneHeadAndBadLinesAreCounted) {
  TLexmillOptions options;
  std::vector<TLexmillLemma> lemmas;
  int bad = -1;
  ParseLemmaText(
      u"# comment\r\nGO -> goes, WENT,, gone\r\n\r\ngoing go extra\n"
      u"-> orphan\nhead ->\nlonely\n\u00a0be\u00a0->\u00a0is\n",
      options, lemmas, bad);
  EXPECT_EQ(bad, 3);
  ASSERT_EQ(lemmas.size(), 2u);
  EXPECT_EQ(lemmas[0].head, u"go");
  EXPECT_EQ(lemmas[0].forms, (std::vector<UnicodeString>{u"goes", u"went", u"gone", u"going"}));
  EXPECT_EQ(lemmas[1].head, u"be");
  EXPECT_EQ(lemmas[1].forms, std::vector<UnicodeString>{u"is"});

  options.keepCase = true;
  lemmas.clear();
  ParseLemmaText(u"Went Go", options, lemmas, bad);
  ASSERT_EQ(lemmas.size(), 1u);
  EXPECT_EQ(lemmas[0].head, u"Go");
  EXPECT_EQ(bad, 0);
}

TEST(StopListText, WordsAcrossLinesWithoutCommentsOrBlanks) {
  TLexmillOptions options;
  std::unordered_set<UnicodeString> words;
  ParseStopListText(u"# the list\nThe  a\tAN\r\n\ufeffof\u00a0or\n  # not\n", options, words);
  EXPECT_EQ(words, (std::unordered_set<UnicodeString>{u"the", u"a", u"an", u"of", u"or"}));
}

struct Merging : ::testing::Test {
  TLXBaseHolder holder{0x0409, true};
  std::unique_ptr<TLexmillWordList> List(std::initializer_list<std::pair<const char16_t*, int32_t>> words) {
    auto list = Create<TLexmillWordList>(&holder);
    for (auto [w, f] : words) list->AddWord(w, f, 1);
    return list;
  }
  static int32_t FreqOf(TLexmillWordList& list, const UnicodeString& prefix, const UnicodeString& word) {
    for (int32_t i = 0; i < list.Count(); ++i)
      if (list.Word(i)->MainWordOnly() == word && list.Word(i)->MainWordPrefix() == prefix)
        return list.Word(i)->data.f;
    return -1;
  }
};

TEST_F(Merging, SumsKeepAffixesApartAndTotalsStopAtTheLargestValue) {
  auto a = List({{u"cat", 2}, {u"dog", INT32_MAX - 1}});
  a->Word(0)->SetPrefix(u"#");
  auto b = List({{u"cat", 3}, {u"dog", 5}, {u"emu", 1}});
  TLexmillMerger merger(holder);
  merger.Add(*a, {INT64_MAX - 1, INT32_MAX, 0x0409});
  merger.Add(*b, {10, 2, 0x0409});
  EXPECT_EQ(merger.Finish(), 0);
  TLexmillWordList& m = merger.List();
  EXPECT_EQ(m.Count(), 4);
  EXPECT_EQ(FreqOf(m, u"#", u"cat"), 2);
  EXPECT_EQ(FreqOf(m, u"", u"cat"), 3);
  EXPECT_EQ(FreqOf(m, u"", u"dog"), INT32_MAX);
  EXPECT_EQ(merger.Totals().tokens, INT64_MAX);
  EXPECT_EQ(merger.Totals().texts, INT32_MAX);

  // One list that does not say leaves the merged totals unknown.
  TLexmillMerger unknown(holder);
  unknown.Add(*b, {10, 2, 0x0409});
  unknown.Add(*b, {});
  EXPECT_EQ(unknown.Totals().tokens, -1);
  EXPECT_EQ(unknown.Totals().texts, -1);
  EXPECT_EQ(FreqOf(unknown.List(), u"", u"emu"), 2);
}

TEST_F(Merging, JoinsAreMadeAgainAndAFormUnderTwoHeadsStaysWithTheFirst) {
  auto a = List({{u"go", 4}, {u"went", 2}});
  ASSERT_TRUE(a->Join(0, 1, undoable_no));
  auto b = List({{u"wend", 1}, {u"went", 3}, {u"go", 1}});
  ASSERT_TRUE(b->Join(0, 1, undoable_no));
  TLexmillMerger merger(holder);
  merger.Add(*a, {});
  merger.Add(*b, {});
  EXPECT_EQ(merger.Finish(), 1);
  TLexmillWordList& m = merger.List();
  ASSERT_EQ(m.Count(), 3);
  EXPECT_EQ(m.Word(0)->MainWordOnly(), u"go");
  EXPECT_EQ(TLexmillWordList::FrequencyWithJoins(m.Word(0)), 10);
  EXPECT_TRUE(m.Word(1)->JoinedElsewhere());
  EXPECT_EQ(m.Word(2)->JoinCount(), 0);
}

TEST(SavedListFile, TotalsFollowTheEntriesAndAFileWithoutThemSaysUnknown) {
  lxtest::TempDir t;
  TLXBaseHolder holder(0x0409, true);
  auto list = Create<TLexmillWordList>(&holder);
  list->AddWord(u"word", 3, 1);
  SaveLexmillList(*list, t.Native("a.lst"), {7, 2, 0x0809});
  auto back = Create<TLexmillWordList>(&holder);
  TLexmillListTotals totals;
  ReadLexmillList(*back, t.Native("a.lst"), totals);
  EXPECT_EQ(back->Count(), 1);
  EXPECT_EQ(totals.tokens, 7);
  EXPECT_EQ(totals.texts, 2);
  EXPECT_EQ(totals.lcid, static_cast<LCID>(0x0809));

  SaveListFile(*list, tt_wordlist, UTF8ToUTF16(t.Native("bare.lst")));
  ReadLexmillList(*back, t.Native("bare.lst"), totals);
  EXPECT_EQ(back->Count(), 1);
  EXPECT_EQ(totals.tokens, -1);
  EXPECT_EQ(totals.texts, -1);

  // An empty file is refused for what it lacks, a missing one for why it cannot be opened.
  std::ofstream(t.Native("empty.lst")).close();
  EXPECT_THROW(ReadLexmillList(*back, t.Native("empty.lst"), totals), EListFileError);
  EXPECT_THROW(ReadLexmillList(*back, t.Native("missing.lst"), totals), Exception);
}

}  // namespace
