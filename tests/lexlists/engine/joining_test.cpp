#include <gtest/gtest.h>

#include <memory>

#include "lexlists/engine/list_files.h"
#include "tests/lexlists/engine/example_word_list.h"

using namespace lx;
using lxtest::TWordList;

namespace {

bool JoinRange(TWordList& list, std::initializer_list<int32_t> values) {
  T1LongintList l;
  for (int32_t v : values) l.AddOne(v);
  return list.PrivateJoinARange(l);
}

struct JoiningFixture : ::testing::Test {
  TLXBaseHolder holder{0x0409, true};
  std::unique_ptr<TWordList> list = Create<TWordList>(&holder);
  void SetUp() override {
    for (auto [w, f] :
         {std::pair{u"be", 9}, std::pair{u"been", 2}, std::pair{u"is", 7}, std::pair{u"was", 4}})
      list->AddWord(w, f, 1);
  }
};

TEST_F(JoiningFixture, JoinsStayFlatAndARangeStopsAtItsFirstFailure) {
  ASSERT_TRUE(JoinRange(*list, {1, 3}));
  ASSERT_TRUE(JoinRange(*list, {0, 1}));
  ASSERT_EQ(list->GetJoinCount(0), 2);
  EXPECT_EQ(list->Get(0)->OwnJoinlist()->Entry(0), list->Get(1));
  EXPECT_EQ(list->Get(0)->OwnJoinlist()->Entry(1), list->Get(3));
  EXPECT_EQ(list->GetJoinCount(1), 0);
  EXPECT_TRUE(list->GetJoinedElsewhere(1) && list->GetJoinedElsewhere(3));
  EXPECT_EQ(list->GetTotalJoinedFreq(0), 6);
  EXPECT_TRUE(list->StoredListInfo->GetIsLemmatised());
  EXPECT_TRUE(list->ListModified.Contains(mod_lemmatising));

  EXPECT_FALSE(JoinRange(*list, {0, 0}));
  EXPECT_FALSE(JoinRange(*list, {0}));
  // 3 is already joined elsewhere, so 2 after it is never tried.
  EXPECT_FALSE(JoinRange(*list, {0, 3, 2}));
  EXPECT_FALSE(JoinRange(*list, {0, 9}));
  EXPECT_FALSE(list->GetJoinedElsewhere(2));
  EXPECT_FALSE(list->Join(7, list->Get(2)));

  EXPECT_FALSE(list->UnJoin(2));
  EXPECT_TRUE(list->UnJoin(0));
  EXPECT_EQ(list->GetJoinCount(0), 0);
  EXPECT_FALSE(list->GetJoinedElsewhere(1) || list->GetJoinedElsewhere(3));
}

TEST_F(JoiningFixture, UnjoiningAReopenedListFreesItsCopiesAndUnflagsTheEntries) {
  JoinRange(*list, {0, 1, 2});
  TMemoryStream s;
  SaveListToStream(*list, tt_wordlist, s);
  s.SetPosition(0);
  auto back = Create<TWordList>(&holder);
  ReadListFromStream(*back, tt_wordlist, s);
  ASSERT_EQ(back->GetJoinCount(0), 2);
  EXPECT_EQ(back->GetTotalJoinedFreq(0), 9);
  EXPECT_TRUE(back->GetJoinedElsewhere(1) && back->GetJoinedElsewhere(2));

  // A fresh join next to the loaded copies: each is unflagged the right way.
  ASSERT_TRUE(JoinRange(*back, {0, 3}));
  ASSERT_TRUE(back->UnJoin(0));
  EXPECT_EQ(back->GetJoinCount(0), 0);
  for (int32_t i = 1; i < 4; ++i) EXPECT_FALSE(back->GetJoinedElsewhere(i)) << i;

  JoinRange(*back, {2, 1});
  back->UnJoinAll();
  EXPECT_EQ(back->GetJoinCount(2), 0);
  EXPECT_FALSE(back->GetJoinedElsewhere(1));
}

TEST_F(JoiningFixture, LemmaInfoGivesTheHeadWithAffixesAndLeavesTheRestToTheCallback) {
  ASSERT_TRUE(JoinRange(*list, {0, 1, 3}));
  list->Word(0)->SetPrefix(u"<");
  list->Word(0)->SetSuffix(u">");
  // The callback adds the forms, as a tool's lemma window does.
  auto forms = [&](int32_t index, TStringListWithALongint& strings) {
    for (const TWord_entry_String_rec& form : list->JoinedWordData(index))
      strings.AddOne(form.word_details[dgso_main], form.freq);
  };
  TStringListWithALongint strings;
  list->PopulateAStringlistWithLemmaInfo(strings, 0, true, forms);
  ASSERT_EQ(strings.Count(), 3);
  EXPECT_EQ(strings.Get(0), u"<be>");
  EXPECT_EQ(strings.GetOne(0), 9);
  EXPECT_EQ(strings.Get(1), u"been");
  EXPECT_EQ(strings.GetOne(2), 4);

  TStringListWithALongint without;
  int32_t calledWith = -1;
  list->PopulateAStringlistWithLemmaInfo(
      without, 2, false, [&](int32_t index, TStringListWithALongint&) { calledWith = index; });
  EXPECT_EQ(without.Count(), 0);
  EXPECT_EQ(calledWith, 2);
  list->PopulateAStringlistWithLemmaInfo(without, 2, true);
  ASSERT_EQ(without.Count(), 1);
  EXPECT_EQ(without.Get(0), u"is");
  EXPECT_EQ(without.GetOne(0), 7);
}

}  // namespace
