#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "lexcore/rtl/lx_strings.h"
#include "lexlists/engine/list_files.h"
#include "lexlists/engine/undo_list.h"
#include "tests/lexlists/engine/example_word_list.h"

using namespace lx;
using lxtest::TWordList;

namespace {

std::unique_ptr<T1LongintList> Held(std::initializer_list<int32_t> values) {
  auto l = std::make_unique<T1LongintList>();
  for (int32_t v : values) l->AddOne(v);
  return l;
}
#define Indices(...) (*Held(__VA_ARGS__))

using TReport = std::tuple<std::string, bool, int32_t>;

struct UndoFixture : ::testing::Test {
  TLXBaseHolder holder{0x0409, true};
  std::unique_ptr<TWordList> list = Create<TWordList>(&holder);
  std::vector<TReport> reports;

  // Alphabetical already: a b c d e.
  void SetUp() override {
    int32_t f = 10;
    for (const char16_t* w : {u"a", u"b", u"c", u"d", u"e"}) list->AddWord(w, f--, 1);
    list->fOnReportUnOrRedoAction = [this](const UnicodeString& text, bool redo, int32_t n) {
      reports.emplace_back(UTF16ToUTF8(text), redo, n);
    };
  }
  std::string Words() const {
    std::string s;
    for (int32_t i = 0; i < list->Count(); ++i) s += UTF16ToUTF8(list->Word(i)->MainWordOnly());
    return s;
  }
  int32_t At(const char16_t* word) const {
    for (int32_t i = 0; i < list->Count(); ++i)
      if (list->Word(i)->MainWordOnly() == word) return i;
    return -1;
  }
};

}  // namespace

TEST_F(UndoFixture, AJoinReportsItsUndoAndRedoStates) {
  ASSERT_TRUE(list->Join(0, 2, undoable_yes));
  EXPECT_EQ(reports, (std::vector<TReport>{{"UnJoin", false, 1}}));
  EXPECT_TRUE(list->GetCanUnDo());
  EXPECT_FALSE(list->GetCanReDo());

  reports.clear();
  ASSERT_TRUE(list->Undo());
  EXPECT_EQ(reports, (std::vector<TReport>{{"Undo", false, 0}, {"ReJoin", true, 1}}));
  EXPECT_EQ(list->GetJoinCount(0), 0);
  EXPECT_FALSE(list->GetJoinedElsewhere(2));

  reports.clear();
  ASSERT_TRUE(list->Redo());
  EXPECT_EQ(reports, (std::vector<TReport>{{"UnJoin", false, 1}, {"Redo", true, 0}}));
  EXPECT_EQ(list->GetJoinCount(0), 1);
  EXPECT_FALSE(list->Redo());

  // A failed join records nothing.
  EXPECT_FALSE(list->Join(0, 0, undoable_yes));
  EXPECT_FALSE(list->Join(1, 2, undoable_yes));
  EXPECT_EQ(list->UndoList->UndoCount(), 1);
}

TEST_F(UndoFixture, JoinsChainFlatAndUndoFindsTheHeadAfterASort) {
  ASSERT_TRUE(list->Join(1, 3, undoable_yes));
  ASSERT_TRUE(list->Join(0, 1, undoable_yes));
  ASSERT_EQ(list->GetJoinCount(0), 2);
  EXPECT_EQ(list->Get(0)->OwnJoinlist()->Entry(0), list->Get(1));
  EXPECT_EQ(list->Get(0)->OwnJoinlist()->Entry(1), list->Get(3));
  EXPECT_TRUE(list->GetJoinedElsewhere(1) && list->GetJoinedElsewhere(3));

  // Reverse the order: the head a is now last, and undo must still unjoin a, not whatever sits at 0.
  list->Set1Sort(main_sort, TWordList::kSortWord);
  list->SetSortAscending(main_sort, false);
  list->DoASort(-1, 0, list->Count() - 1);
  ASSERT_EQ(Words(), "edcba");
  ASSERT_TRUE(list->Undo());
  EXPECT_EQ(list->GetJoinCount(At(u"a")), 0);
  EXPECT_FALSE(list->GetJoinedElsewhere(At(u"b")) || list->GetJoinedElsewhere(At(u"d")));
}

TEST_F(UndoFixture, ZapUndoRedoTakeTheSameEntriesOutAndBack) {
  EXPECT_FALSE(list->Zap(undoable_yes));
  EXPECT_FALSE(list->GetCanUnDo());

  TLXBaseListObject* b = list->Get(1);
  TLXBaseListObject* d = list->Get(3);
  ASSERT_TRUE(list->DeleteARange(Indices({1}), undoable_no, true));
  ASSERT_TRUE(list->Join(2, 3, undoable_no));
  list->StoredListInfo->fdata.lifetimezaps = 5;
  ASSERT_TRUE(list->Zap(undoable_yes));
  EXPECT_EQ(Words(), "ace");
  EXPECT_EQ(list->StoredListInfo->fdata.lifetimezaps, 7);
  // The head still reaches its zapped form.
  EXPECT_EQ(list->GetTotalJoinedFreq(At(u"c")), 7);

  ASSERT_TRUE(list->Undo());
  EXPECT_EQ(Words(), "abcde");
  EXPECT_EQ(list->Get(1), b);
  EXPECT_TRUE(list->GetDeleted(1));
  EXPECT_TRUE(list->GetJoinedElsewhere(3));
  EXPECT_EQ(list->StoredListInfo->fdata.lifetimezaps, 5);

  // Sorted differently before the redo: it goes by the entries, not their places.
  list->SortEntries(false);
  ASSERT_TRUE(list->Redo());
  EXPECT_EQ(list->Count(), 3);
  EXPECT_EQ(list->IndexOf(b), -1);
  EXPECT_EQ(list->IndexOf(d), -1);
  EXPECT_EQ(list->StoredListInfo->fdata.lifetimezaps, 7);

  // Undone once more, then an entry unflagged: a redo leaves that one in.
  ASSERT_TRUE(list->Undo());
  list->DeleteOne(At(u"b"), false);
  ASSERT_TRUE(list->Redo());
  EXPECT_EQ(Words(), "abce");
}

TEST_F(UndoFixture, AZappedFormOutlivesAZapWithoutUndoAndSavesWithItsHead) {
  ASSERT_TRUE(list->Join(0, 4, undoable_no));
  ASSERT_TRUE(list->Zap(undoable_no));
  ASSERT_EQ(list->Count(), 4);
  EXPECT_EQ(list->GetTotalJoinedFreq(0), 6);
  TMemoryStream s;
  SaveListToStream(*list, tt_wordlist, s);
  s.SetPosition(0);
  auto back = Create<TWordList>(&holder);
  ReadListFromStream(*back, tt_wordlist, s);
  EXPECT_EQ(back->GetTotalJoinedFreq(0), 6);
  // Unjoining does not touch the entry that is no longer in the list.
  EXPECT_TRUE(list->UnJoin(0));
}

TEST_F(UndoFixture, DeletionsAndMatchesUndoByEntry) {
  ASSERT_TRUE(list->DeleteARange(Indices({0, 4}), undoable_yes, true));
  EXPECT_TRUE(list->ListModified.Contains(mod_deleting));
  list->SortEntries(false);  // by frequency: a (10) first still, e (6) last
  list->Set1Sort(main_sort, TWordList::kSortWord);
  list->SetSortAscending(main_sort, false);
  list->DoASort(-1, 0, list->Count() - 1);
  ASSERT_TRUE(list->Undo());
  for (int32_t i = 0; i < list->Count(); ++i) EXPECT_FALSE(list->GetDeleted(i)) << i;
  ASSERT_TRUE(list->Redo());
  EXPECT_TRUE(list->GetDeleted(At(u"a")) && list->GetDeleted(At(u"e")));
  EXPECT_FALSE(list->GetDeleted(At(u"c")));

  EXPECT_FALSE(list->MatchARange(Indices({}), undoable_yes, true));
  ASSERT_TRUE(list->MatchARange(Indices({At(u"b"), At(u"c")}), undoable_yes, true));
  EXPECT_EQ(list->UndoList->fUndoActions->GetTopActionName(), u"Match");
  ASSERT_TRUE(list->Undo());
  EXPECT_FALSE(list->GetMatched(At(u"b")) || list->GetMatched(At(u"c")));
  ASSERT_TRUE(list->Redo());
  EXPECT_TRUE(list->GetMatched(At(u"b")) && list->GetMatched(At(u"c")));
  list->UnmatchAll();
  EXPECT_FALSE(list->GetMatched(At(u"b")));
}

TEST_F(UndoFixture, MarkedRowsPutTheBossFirst) {
  list->ReduceTo(false, 4);
  const uint8_t marks[] = {marcado_subordinate, marcado_clear, marcado_boss, marcado_subordinate};
  for (int32_t i = 0; i < 4; ++i) list->SetMarcacao(i, marks[i]);
  auto rows = list->ComputedListOfMarkedRows();
  ASSERT_EQ(rows->Count(), 3);
  EXPECT_EQ(rows->GetAValue(0), 2);
  EXPECT_EQ(rows->GetAValue(1), 0);
  EXPECT_EQ(rows->GetAValue(2), 3);
  list->UnmarkAll();
  EXPECT_EQ(list->ComputedListOfMarkedRows()->Count(), 0);
  EXPECT_EQ(list->MarcacoesExistentes, 0);
}

namespace {

// Only entries with an even frequency may go at random.
class TPickyList : public TWordList {
 public:
  using TWordList::TWordList;
  bool CanDeleteRandomly(int32_t index) override { return Word(index)->data.f % 2 == 0; }
};

}  // namespace

TEST(ReduceTo, TheLastEntriesGoOrRandomOnesAsFarAsAllowed) {
  TLXBaseHolder holder{0x0409, true};
  auto list = Create<TPickyList>(&holder);
  for (int32_t i = 0; i < 12; ++i) list->AddWord(u"w" + IntToStr(100 + i), i, 1);
  list->ReduceTo(false, 10);
  ASSERT_EQ(list->Count(), 10);
  EXPECT_EQ(list->Word(9)->MainWordOnly(), u"w109");
  list->ReduceTo(false, 10);
  list->ReduceTo(false, 0);
  EXPECT_EQ(list->Count(), 10);

  // Five of the ten may go; asked for 2, the reduction stops at 5 with the odd ones left.
  list->ReduceTo(true, 2);
  ASSERT_EQ(list->Count(), 5);
  for (int32_t i = 0; i < 5; ++i) EXPECT_EQ(list->Word(i)->data.f % 2, 1);
  EXPECT_TRUE(list->ListModified.Contains(mod_deleting));
}

TEST_F(UndoFixture, MergeChecksMakeRoomAndSortBothWhenTheirOrdersDiffer) {
  auto other = Create<TWordList>(&holder);
  other->AddWord(u"z", 1, 1);
  other->AddWord(u"m", 1, 1);
  other->SortEntries(false);
  list->SortEntries(false);
  // Both by frequency: nothing to do but make room.
  ASSERT_TRUE(list->DonePreMergeChecks(*other));
  EXPECT_GE(list->Capacity(), 7);
  EXPECT_EQ(UTF16ToUTF8(other->Word(0)->MainWordOnly()), "m");

  other->Set1Sort(main_sort, TWordList::kSortWord);
  other->SetSortAscending(main_sort, false);
  other->DoASort(-1, 0, other->Count() - 1);
  ASSERT_EQ(UTF16ToUTF8(other->Word(0)->MainWordOnly()), "z");
  ASSERT_TRUE(list->DonePreMergeChecks(*other));
  EXPECT_EQ(UTF16ToUTF8(other->Word(0)->MainWordOnly()), "m");
  EXPECT_EQ(Words(), "abcde");
}

TEST_F(UndoFixture, ReadingAListStartsANewHistory) {
  list->Join(0, 1, undoable_yes);
  list->DeleteOne(2, true);
  list->Zap(undoable_yes);
  TMemoryStream s;
  SaveListToStream(*list, tt_wordlist, s);
  s.SetPosition(0);
  ReadListFromStream(*list, tt_wordlist, s);
  EXPECT_FALSE(list->GetCanUnDo());
  EXPECT_FALSE(list->Undo());
  EXPECT_EQ(Words(), "ade");
}
