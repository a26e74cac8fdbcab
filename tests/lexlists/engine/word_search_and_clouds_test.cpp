// Word searches across storage forms and code pages, searches over lists with empty slots, conversion of a
// shared holder, and the word-cloud data.
#include <gtest/gtest.h>

#include <memory>

#include "lexcore/rtl/lx_strings.h"
#include "lexcore/rtl/lx_yield.h"
#include "tests/lexlists/engine/example_word_list.h"

using namespace lx;
using lxtest::TWordEntry;
using lxtest::TWordList;

namespace {

// Restores the host's yield however a test ends.
struct TYieldScope {
  explicit TYieldScope(std::function<void()> f) : saved(Global_YieldProcessProc) {
    Global_YieldProcessProc = std::move(f);
  }
  ~TYieldScope() { Global_YieldProcessProc = saved; }
  std::function<void()> saved;
};

}  // namespace

TEST(WordSearch, EightBitListsSearchInTheirOwnCodePage) {
  // Russian and Greek lists store 1251 and 1253 bytes, which the process code page (1252) cannot spell.
  for (auto [lcid, words] :
       {std::pair<LCID, std::vector<UnicodeString>>{0x0419, {u"\u0434\u043e\u043c", u"\u043a\u043e\u0442"}},
        {0x0408, {u"\u03b3\u03ac\u03c4\u03b1", u"\u03c3\u03c0\u03af\u03c4\u03b9"}}}) {
    TLXBaseHolder ansi(lcid, false);
    ASSERT_NE(ansi.GetCodepage(), 1252u);
    auto l = Create<TWordList>(&ansi);
    for (const auto& w : words) l->AddWord(w, 1, 1);
    EXPECT_EQ(l->GetMainWordAsString(1), words[1]);
    for (int i = 0; i < 2; ++i) {
      EXPECT_EQ(l->Find_WordStr(words[static_cast<std::size_t>(i)], cs_sensitive), i);
      EXPECT_EQ(l->Find_WordStr(words[static_cast<std::size_t>(i)], u"", u"", cs_sensitive), i);
    }
    l->SortAlphabetically();
    EXPECT_EQ(l->Find_WordStr(words[1], cs_sensitive), 1);
  }
}

TEST(WordSearch, ThreeTextFormsAreHandedOverInTheHoldersWidth) {
  // An 8-bit search on a UTF-16 list, and a UTF-16 search on an 8-bit list.
  TLXBaseHolder wide(0x0409, true);
  auto w = Create<TWordList>(&wide);
  w->AddWord(u"apple", 1, 1);
  w->AddWord(u"caf\u00e9", 1, 1);
  EXPECT_EQ(w->Find_WordStr(AnsiString("caf\xe9"), AnsiString(), AnsiString(), cs_sensitive), 1);
  EXPECT_EQ(w->Find_WordStr(AnsiString("apple"), AnsiString(), AnsiString(), cs_sensitive), 0);
  EXPECT_EQ(w->Find_WordStr(AnsiString("pear"), AnsiString(), AnsiString(), cs_sensitive), -1);

  TLXBaseHolder ansi(0x0409, false);
  auto a = Create<TWordList>(&ansi);
  a->AddWord(u"zoo", 1, 1);
  a->AddWord(u"na\u00efve", 1, 1);
  EXPECT_EQ(a->Find_WordStr(UnicodeString(u"na\u00efve"), u"", u"", cs_sensitive), 1);
  EXPECT_EQ(a->Find_WordStr(TPalavraStr{u"", u"zoo", u""}, cs_sensitive), 0);
  // The UTF-16 texts stay available to the list's own comparisons.
  EXPECT_EQ(a->base_compare_string, u"zoo");
}

TEST(WordSearch, EmptySlotsAreNeverCompared) {
  TLXBaseHolder holder(0x0409, true);
  auto l = Create<TWordList>(&holder);
  const int n = 40;
  for (int i = 0; i < n; ++i) l->AddWord(u"w" + IntToStr(1000 + i), 1, 1);
  l->SortAlphabetically();
  // A zap that yields leaves empty slots until the pack; here every third entry and a run at the end.
  std::vector<bool> gone(n, false);
  for (int i = 0; i < n; ++i) {
    if (i % 3 == 1 || i >= n - 5) {
      delete l->Get(i);
      l->Put(i, nullptr);
      gone[static_cast<std::size_t>(i)] = true;
    }
  }
  int emptyCompared = 0;
  l->CompareWordsFunct = [&](TLXBaseListObject* e) {
    if (!e) {
      ++emptyCompared;
      return -1;
    }
    return l->CompareWords(e);
  };
  for (int i = 0; i < n; ++i) {
    const int32_t found = l->Find_WordStr(u"w" + IntToStr(1000 + i), cs_sensitive);
    if (gone[static_cast<std::size_t>(i)])
      EXPECT_EQ(found, -1) << i;
    else
      EXPECT_EQ(found, i) << i;
  }
  EXPECT_EQ(l->Find_WordStr(u"w0", cs_sensitive), -1);
  EXPECT_EQ(l->Find_WordStr(u"x", cs_sensitive), -1);
  // Only empty slots left.
  for (int i = 0; i < n; ++i)
    if (l->Get(i)) {
      delete l->Get(i);
      l->Put(i, nullptr);
    }
  EXPECT_EQ(l->Find_WordStr(u"w1000", cs_sensitive), -1);
  EXPECT_EQ(emptyCompared, 0);
  l->Pack();
  EXPECT_EQ(l->Count(), 0);
}

TEST(ListRows, TheBaseHandsGridRowsOverUnchanged) {
  TLXBaseHolder holder;
  auto l = Create<TWordList>(&holder);
  for (int i = 0; i < 3; ++i) l->AddWord(u"w" + IntToStr(i), 1, 1);
  EXPECT_EQ(l->ConvertedForFrequency(-1, grid_alph_order), -1);
  // A selection that takes in the heading row does not name entry 0 twice.
  std::unique_ptr<T1LongintList> rows(l->CopyOfTheSelectedRows(0, 2, grid_alph_order));
  ASSERT_EQ(rows->Count(), 3);
  EXPECT_EQ(rows->GetAValue(0), -1);
  EXPECT_EQ(rows->GetAValue(1), 0);
  EXPECT_EQ(rows->GetAValue(2), 1);
}

TEST(UnicodeConversion, ListsSharingTheHolderReadTheirWordsWhileOneConverts) {
  TLXBaseHolder shared(0x0409, false);
  auto converting = Create<TWordList>(&shared);
  auto other = Create<TWordList>(&shared);
  for (int i = 0; i < 4; ++i) converting->AddWord(u"caf\u00e9" + IntToStr(i), 1, 1);
  other->AddWord(u"na\u00efve", 1, 1);
  std::vector<UnicodeString> seen;
  {
    TYieldScope scope([&] { seen.push_back(other->GetMainWordAsString(0)); });
    converting->ConvertEntriesToUnicode();
  }
  ASSERT_FALSE(seen.empty());
  for (const auto& s : seen) EXPECT_EQ(s, u"na\u00efve");
  EXPECT_TRUE(shared.OperatingInUnicode());
  EXPECT_TRUE(shared.SwitchedToUnicode());
  EXPECT_EQ(converting->GetMainWordAsString(3), u"caf\u00e93");
  // A second call converts nothing twice.
  converting->ConvertEntriesToUnicode();
  EXPECT_EQ(converting->GetMainWordAsString(0), u"caf\u00e90");
}

TEST(WordClouds, OneAndNextDatumSkipWhatACloudLeavesOut) {
  TLXBaseHolder holder;
  auto l = Create<TWordList>(&holder);
  const std::vector<std::pair<UnicodeString, int32_t>> words = {{u"the", 50}, {u"gone", 7}, {u"cat", 9},
                                                                {u"went", 3}, {u"sat", 4},  {u"hole", 1}};
  for (const auto& [w, f] : words) l->AddWord(w, f, 1);
  l->Word(1)->EnsurePrivateObjExists();
  l->Word(1)->privateobj->fdetails.deleted = 1;
  l->Word(0)->JoinFrom(l->Word(3));  // "went" is shown under "the"
  delete l->Get(5);
  l->Put(5, nullptr);

  TWordCloudDatum d;
  ASSERT_TRUE(l->GetOneCloudDatum(2, d));
  EXPECT_EQ(d.index, 2);
  EXPECT_EQ(d.word, u"cat");
  EXPECT_EQ(d.frequency, 9);
  EXPECT_FALSE(l->GetOneCloudDatum(5, d));
  EXPECT_FALSE(l->GetOneCloudDatum(-1, d));
  EXPECT_FALSE(l->GetOneCloudDatum(6, d));

  l->cloudData.nextWordCloudNum = 0;
  l->cloudData.lowest_frequency = 2147483647;
  l->cloudData.highest_frequency = 0;
  std::vector<UnicodeString> cloud;
  while (l->GetNextCloudDatum(d)) cloud.push_back(d.word + u":" + IntToStr(d.frequency));
  EXPECT_EQ(cloud, (std::vector<UnicodeString>{u"the:50", u"cat:9", u"sat:4"}));
  EXPECT_EQ(l->cloudData.lowest_frequency, 4);
  EXPECT_EQ(l->cloudData.highest_frequency, 50);
  EXPECT_FALSE(l->GetNextCloudDatum(d));
  // The word comes from the word column.
  l->cloudData.word_column = 2;
  ASSERT_TRUE(l->GetOneCloudDatum(4, d));
  EXPECT_EQ(d.word, u"4");
}
