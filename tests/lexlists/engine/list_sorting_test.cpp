#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <tuple>

#include "lexcore/platform/win_collation.h"
#include "lexlists/headings/headingsU.h"
#include "tests/lexlists/engine/example_word_list.h"

using namespace lx;
using lxtest::TWordList;

namespace {

std::vector<UnicodeString> Words(const TWordList& l) {
  std::vector<UnicodeString> w;
  for (int32_t i = 0; i < l.Count(); ++i) w.push_back(l.Word(i)->MainWordOnly());
  return w;
}

struct SortFixture : ::testing::Test {
  TLXBaseHolder holder{0x0409, true};
  std::unique_ptr<TWordList> list = Create<TWordList>(&holder);

  void Fill(std::initializer_list<std::tuple<const char16_t*, int32_t, int32_t>> rows) {
    for (auto& [w, f, t] : rows) list->AddWord(w, f, t);
  }
  void Sort(std::initializer_list<std::pair<int32_t, bool>> keys) {
    int level = 0;
    for (auto [column, ascending] : keys) {
      list->Set1Sort(static_cast<TSortLevel>(level), column);
      list->SetSortAscending(static_cast<TSortLevel>(level), ascending);
      ++level;
    }
    list->DoASort(-1, 0, list->Count() - 1);
  }
};

// Integer keys only, counting comparisons and progress messages.
class TKeyEntry : public TLXBaseListObject {
 public:
  using TLXBaseListObject::TLXBaseListObject;
  int32_t key = 0;
};
class TKeyList : public TLXBaseDataClass {
 public:
  explicit TKeyList(TLXBaseHolder* h)
      : TLXBaseDataClass(h, EntryClassOf<TKeyEntry>(), grid_alph_order, lt_word_list, 0) {}
  ~TKeyList() override {
    for (int32_t i = 0; i < fCount; ++i) delete CurrentList[i];
    Clear();
  }
  void Set1Sort(TSortLevel level, int32_t column) override {
    TLXBaseDataClass::Set1Sort(level, column);
    LXSortSettings.mainsorts[level] = [this](TLXBaseListObject* e) {
      ++comparisons;
      return IntegerComparison(static_cast<TKeyEntry*>(e)->key);
    };
  }
  void SetBase(TLXBaseListObject* e, TSortLevel) override {
    base_compare_int = static_cast<TKeyEntry*>(e)->key;
  }
  void ReportProgressShortMessage(const UnicodeString& text) override { messages.push_back(text); }
  void AddKey(int32_t k) {
    auto* e = new TKeyEntry(this, Patroa);
    e->key = k;
    Add(e);
  }
  int32_t Key(int32_t i) const { return static_cast<TKeyEntry*>(Get(i))->key; }
  int64_t comparisons = 0;
  std::vector<UnicodeString> messages;
};

}  // namespace

TEST_F(SortFixture, EveryLevelOrdersRealWords) {
  Fill({{u"walking", 3, 1}, {u"talked", 7, 2}, {u"sing", 7, 1}, {u"jumped", 1, 3}, {u"Apple", 3, 2}});
  Sort({{TWordList::kSortWord, true}});
  EXPECT_EQ(Words(*list), (std::vector<UnicodeString>{u"Apple", u"jumped", u"sing", u"talked", u"walking"}));
  EXPECT_TRUE(list->LXSortSettings.sort_is_alph_ascending);
  EXPECT_EQ(list->Find_WordStr(u"sing", cs_sensitive), 2);

  // Reverse word groups by ending: talked, jumped (-ed) before sing, walking (-ng).
  Sort({{TWordList::kSortReverseWord, true}});
  EXPECT_EQ(Words(*list), (std::vector<UnicodeString>{u"talked", u"jumped", u"Apple", u"walking", u"sing"}));
  EXPECT_FALSE(list->LXSortSettings.sort_is_alph_ascending);

  Sort({{TWordList::kSortWordLength, true}, {TWordList::kSortWord, false}});
  EXPECT_EQ(Words(*list), (std::vector<UnicodeString>{u"sing", u"Apple", u"talked", u"jumped", u"walking"}));

  // A descending main level with an ascending second one.
  Sort({{TWordList::kSortFreq, false}, {TWordList::kSortWord, true}});
  EXPECT_EQ(Words(*list), (std::vector<UnicodeString>{u"sing", u"talked", u"Apple", u"walking", u"jumped"}));
  EXPECT_EQ(list->TopIdenticallySorted(main_sort), 1);

  Sort({{TWordList::kSortFreq, true}, {TWordList::kSortTexts, false}, {TWordList::kSortWord, false}});
  EXPECT_EQ(Words(*list), (std::vector<UnicodeString>{u"jumped", u"Apple", u"walking", u"talked", u"sing"}));
  EXPECT_EQ(list->TopIdenticallySorted(main_sort), 0);
  EXPECT_TRUE(list->ListModified.Contains(mod_sorting));
  EXPECT_EQ(list->LastLXSortSettings.sort_ints, (TSortLevelNumbers{2, 3, 1}));
}

TEST_F(SortFixture, SettingsAndTheirToggles) {
  list->Set1Sort(main_sort, TWordList::kSortWord);
  EXPECT_TRUE(list->LXSortSettings.main_sort_is_alphabetical);
  list->Set1Sort(second_sort, TWordList::kSortFreq);
  EXPECT_EQ(list->GetSortLevelsAvailable(), second_sort);
  list->Set1Sort(main_sort, TWordList::kSortFreq);  // the main level clears every comparison
  EXPECT_FALSE(list->LXSortSettings.main_sort_is_alphabetical);
  EXPECT_FALSE(list->LXSortSettings.mainsorts[second_sort]);
  EXPECT_TRUE(list->LXSortSettings.mainsorts[main_sort]);

  list->AlphabeticalSubSort = sort_word_length;
  list->Set3Sorts({1, 2, 9});
  EXPECT_EQ(list->LXSortSettings.sort_ints, (TSortLevelNumbers{TWordList::kSortWordLength, 2, 0}));
  EXPECT_FALSE(list->LXSortSettings.mainsorts[third_sort]) << "column -1 keeps the old column";

  list->SetSortAscending(main_sort, false);
  list->ToggleMainSortAscendsUntilAscending();
  EXPECT_TRUE(list->GetSortAscending(main_sort));
  list->ToggleMainSortAscendsUntilAscending();
  EXPECT_TRUE(list->GetSortAscending(main_sort));
  list->ToggleASortAscends(third_sort);
  EXPECT_TRUE(list->GetSortAscending(third_sort));

  TSortSettings s;
  list->UsePrivateSort(s, second_sort, 9);
  EXPECT_TRUE(s.SortIsPrivate[second_sort]);
  EXPECT_FALSE(s.privatesorts[second_sort]);

  list->SetSortSettingsToDefault(true);
  EXPECT_EQ(list->GetSortLevelsAvailable(), main_sort);
  EXPECT_FALSE(list->GetSortAscending(main_sort));
}

TEST_F(SortFixture, RangesThatSortNothing) {
  Fill({{u"b", 1, 1}, {u"a", 2, 1}, {u"c", 3, 1}});
  list->Set1Sort(main_sort, TWordList::kSortWord);
  list->SetSortAscending(main_sort, true);
  list->DoASort(-1, 1, 1);
  list->DoASort(-1, 5, 9);
  EXPECT_EQ(Words(*list), (std::vector<UnicodeString>{u"b", u"a", u"c"}));
  EXPECT_FALSE(list->ListModified.Contains(mod_sorting));

  // Part of the list sorts only that part and is not the whole list's alphabetical order.
  list->DoASort(-1, 1, 2);
  EXPECT_EQ(Words(*list), (std::vector<UnicodeString>{u"b", u"a", u"c"}));
  EXPECT_FALSE(list->LXSortSettings.sort_is_alph_ascending);
  list->DoASort(-1, 0, 1);
  EXPECT_EQ(Words(*list), (std::vector<UnicodeString>{u"a", u"b", u"c"}));
  EXPECT_FALSE(list->LXSortSettings.sort_is_alph_ascending);

  // A busy list refuses.
  list->SetListBusy(make_wordlist);
  list->SetSortAscending(main_sort, false);
  list->DoASort(-1, 0, 2);
  EXPECT_EQ(Words(*list), (std::vector<UnicodeString>{u"a", u"b", u"c"}));
  EXPECT_EQ(list->GetListBusy(), make_wordlist);
}

TEST_F(SortFixture, TheHeadingsShowTheMainSortColumn) {
  TGridHeaderList h(lt_word_list);
  for (int i = 0; i < 4; ++i) h.AddOne(TGrid_head32{});
  list->SetGridHeadings(h);
  Fill({{u"b", 1, 1}, {u"a", 2, 1}});
  list->Set1Sort(main_sort, TWordList::kSortFreq);
  list->SetSortAscending(main_sort, false);
  list->DoASort(2, 0, 1);
  EXPECT_EQ(list->true_current_sort_column, 2);
  EXPECT_EQ(list->GetColumnSortStateAscending(2), falso);
  EXPECT_EQ(list->GetColumnSortStateAscending(1), quem_sabe);
  EXPECT_EQ(list->GetColumnSortStateAscending(9), quem_sabe);
  list->SetListBusy(do_editing);
  EXPECT_EQ(list->GetColumnSortStateAscending(2), quem_sabe);
  list->SetListBusy(no_action);
}

TEST_F(SortFixture, MissingOrSameColumnLevelsStopTheSort) {
  Fill({{u"b", 1, 2}, {u"a", 1, 1}, {u"c", 1, 3}});
  list->SetSortSettingsToDefault(true);  // no comparisons at all
  list->SetSortLevelsAvailable(third_sort);
  list->DoASort(-1, 0, 2);
  EXPECT_EQ(Words(*list), (std::vector<UnicodeString>{u"b", u"a", u"c"}));
  EXPECT_EQ(list->TopIdenticallySorted(main_sort), -1);

  // The second level names the main level's column: it is skipped, the third still runs.
  list->Set1Sort(main_sort, TWordList::kSortFreq);
  list->Set1Sort(second_sort, TWordList::kSortFreq);
  list->Set1Sort(third_sort, TWordList::kSortTexts);
  list->SetSortAscending(second_sort, true);
  list->SetSortAscending(third_sort, false);
  list->LXSortSettings.mainsorts[second_sort] = [](TLXBaseListObject*) -> int32_t {
    ADD_FAILURE() << "the skipped level compared";
    return 0;
  };
  list->DoASort(-1, 0, 2);
  EXPECT_EQ(Words(*list), (std::vector<UnicodeString>{u"c", u"b", u"a"}));
}

TEST_F(SortFixture, PrivateLevels) {
  Fill({{u"a", 1, 1}, {u"b", 2, 1}, {u"c", 3, 1}, {u"d", 4, 1}});
  list->Word(0)->EnsurePrivateObjExists();
  list->Word(0)->privateobj->fdetails.deleted = 1;
  list->Word(2)->EnsurePrivateObjExists();
  list->Word(2)->privateobj->fdetails.deleted = 1;
  list->Word(3)->EnsurePrivateObjExists();  // a private object without the flag counts as unflagged

  list->Set1Sort(main_sort, TWordList::kSortWord);
  list->Set1Sort(second_sort, TWordList::kSortFreq);
  list->UsePrivateSort(list->LXSortSettings, main_sort, deleted_sort);
  list->SetSortAscending(main_sort, true);
  list->SetSortAscending(second_sort, false);
  list->DoASort(-1, 0, 3);
  // Deleted last; within each group the second level (runs found by the private comparison) by frequency.
  EXPECT_EQ(Words(*list), (std::vector<UnicodeString>{u"d", u"b", u"c", u"a"}));

  // Original order leaves the list alone and stops deeper levels.
  list->LXSortSettings.privatesorts = {};
  list->UsePrivateSort(list->LXSortSettings, main_sort, original_entry_number_sort);
  list->SetSortAscending(second_sort, true);
  list->DoASort(-1, 0, 3);
  EXPECT_EQ(Words(*list), (std::vector<UnicodeString>{u"d", u"b", u"c", u"a"}));

  // Join counts: fewer joins first.
  std::unique_ptr<TWordList> other = Create<TWordList>(&holder);
  other->AddWord(u"x", 1, 1);
  other->AddWord(u"y", 1, 1);
  list->Word(1)->JoinFrom(other->Word(0));
  list->Word(1)->JoinFrom(other->Word(1));
  list->Word(3)->JoinFrom(list->Word(2));
  list->SetSortSettingsToDefault(true);
  list->UsePrivateSort(list->LXSortSettings, main_sort, joinlist_sort);
  list->SetSortAscending(main_sort, false);
  list->DoASort(-1, 0, 3);
  EXPECT_EQ(list->Word(0)->MainWordOnly(), u"b");
  EXPECT_EQ(list->Word(1)->MainWordOnly(), u"a");
  for (int32_t i = 0; i < list->Count(); ++i) list->Word(i)->privateobj.reset();
}

TEST_F(SortFixture, ComparisonPrimitives) {
  list->base_compare_int = 5;
  EXPECT_EQ(list->IntegerComparison(5), 0);
  EXPECT_EQ(list->IntegerComparison(6), 1);
  EXPECT_EQ(list->IntegerComparison(INT32_MIN), -1);
  EXPECT_EQ(TLXBaseDataClass::IntegerComparisonSwapped(1), -1);
  list->base_compare_float = 1.5f;
  EXPECT_EQ(list->FloatComparison(1.0f), -1);
  EXPECT_EQ(list->FloatComparison(2.0f), 1);
  EXPECT_EQ(list->FloatComparison(std::nanf("")), 0);
  list->base_compare_string = u"m";
  EXPECT_EQ(list->BaseStringComparison(u"a"), -1);
  EXPECT_EQ(list->CategoriesStringComparison(u"a"), 1);  // reversed on purpose
  EXPECT_EQ(list->CategoriesStringComparison(u"m"), 0);

  list->AddWord(u"word", 1, 1);
  TWordListEntry* e = list->Word(0);
  e->SetCategoryString(u"noun", 4);
  list->true_current_sort_column = 4;
  list->base_compare_string = u"noun" + IntToStr(kStyleBaseBackgroundColour);
  EXPECT_EQ(list->CompareCategories(e), 0);
  list->base_compare_int = 4;
  EXPECT_EQ(list->CompareWordsByLength(e), 0);
  list->base_compare_int = 0;
  EXPECT_EQ(list->CompareLemmas(e), 0);
  list->base_compare_float = -1;
  EXPECT_EQ(list->CompareDispersions(e), 1);
  EXPECT_EQ(list->DummyCompareWords(e), -1);
}

TEST(ReverseAWord, KeepsSurrogatePairsAndTheTerminator) {
  std::u16string w = u"a\U0001F600b\U00010400";
  w.push_back(0);
  TLXBaseDataClass::ReverseAWord(w.data(), true);
  EXPECT_EQ(std::u16string(w.c_str()), u"\U00010400b\U0001F600a");
  char bytes[] = "abc\xE9";
  TLXBaseDataClass::ReverseAWord(bytes, false);
  EXPECT_STREQ(bytes,
               "\xE9"
               "cba");
  char empty[] = "";
  TLXBaseDataClass::ReverseAWord(empty, false);
  TLXBaseDataClass::ReverseAWord(nullptr, true);
}

// Three levels against a stable sort of the same keys: the sequences of keys must be the same.
TEST_F(SortFixture, ThreeLevelsAgreeWithAStableSortOnRandomEntries) {
  std::mt19937 rng(7);
  std::uniform_int_distribution<int> letter(0, 5), len(1, 6), freq(0, 30), texts(0, 4);
  for (int i = 0; i < 10000; ++i) {
    UnicodeString w;
    for (int n = len(rng); n > 0; --n) w += static_cast<char16_t>(u'a' + letter(rng));
    list->AddWord(w, freq(rng), texts(rng));
  }
  const auto& funcs = holder.Funcs();
  struct TKey {
    int32_t sortColumn;
    bool ascending;
  };
  auto keyCompare = [&](TWordListEntry* a, TWordListEntry* b, int32_t column) -> int {
    switch (column) {
      case TWordList::kSortFreq:
        return (a->data.f > b->data.f) - (a->data.f < b->data.f);
      case TWordList::kSortTexts:
        return (a->data.n_files > b->data.n_files) - (a->data.n_files < b->data.n_files);
      case TWordList::kSortWordLength:
        return (a->MainWordLength() > b->MainWordLength()) - (a->MainWordLength() < b->MainWordLength());
      case TWordList::kSortReverseWord: {
        UnicodeString x = a->MainWordOnly(), y = b->MainWordOnly();
        std::reverse(x.begin(), x.end());
        std::reverse(y.begin(), y.end());
        const int c = funcs.LocaleCompare(0x0409, x.c_str(), y.c_str());
        return (c > 0) - (c < 0);
      }
      default: {
        const int c = funcs.LocaleCompare(0x0409, a->data.w, b->data.w);
        return (c > 0) - (c < 0);
      }
    }
  };
  const std::vector<std::array<TKey, 3>> plans = {
      {{{TWordList::kSortFreq, false}, {TWordList::kSortTexts, true}, {TWordList::kSortWord, true}}},
      {{{TWordList::kSortWordLength, true},
        {TWordList::kSortFreq, false},
        {TWordList::kSortReverseWord, true}}},
      {{{TWordList::kSortTexts, false}, {TWordList::kSortWord, false}, {TWordList::kSortFreq, true}}}};
  for (const auto& plan : plans) {
    for (int level = 0; level < 3; ++level) {
      list->Set1Sort(static_cast<TSortLevel>(level), plan[level].sortColumn);
      list->SetSortAscending(static_cast<TSortLevel>(level), plan[level].ascending);
    }
    list->DoASort(-1, 0, list->Count() - 1);
    auto cmp = [&](TWordListEntry* a, TWordListEntry* b) {
      for (const TKey& k : plan) {
        const int c = keyCompare(a, b, k.sortColumn);
        if (c != 0) return k.ascending ? c < 0 : c > 0;
      }
      return false;
    };
    std::vector<TWordListEntry*> expected;
    for (int32_t i = 0; i < list->Count(); ++i) expected.push_back(list->Word(i));
    std::shuffle(expected.begin(), expected.end(), rng);
    std::stable_sort(expected.begin(), expected.end(), cmp);
    for (int32_t i = 0; i < list->Count(); ++i) {
      ASSERT_FALSE(cmp(expected[i], list->Word(i)) || cmp(list->Word(i), expected[i]))
          << "plan " << plan[0].sortColumn << " entry " << i;
    }
  }
}

// Long alphabetical sorts compare keys made once per word; the order must be the locale comparison's under
// both comparison settings, hyphens, apostrophes, case and accent forms included.
TEST_F(SortFixture, AlphabeticalOrderIsTheLocaleComparisonsWithEitherCaseSetting) {
  const std::vector<UnicodeString> pieces = {u"co", u"op",     u"-", u"'", u"Co", u"\u00E9", u"e\u0301",
                                             u"ss", u"\u00DF", u"a", u"A", u"2",  u"10"};
  std::mt19937 rng(3);
  std::uniform_int_distribution<std::size_t> pick(0, pieces.size() - 1), len(1, 4);
  for (int i = 0; i < 2000; ++i) {
    UnicodeString w;
    for (std::size_t n = len(rng); n > 0; --n) w += pieces[pick(rng)];
    list->AddWord(w, 1, 1);
  }
  const uint32_t saved = Global_CompareStringFlags;
  for (uint32_t flags : {0u, NORM_IGNORECASE}) {
    Global_CompareStringFlags = flags;
    list->DoAlphabeticalAscendingSort();
    for (int32_t i = 0; i + 1 < list->Count(); ++i) {
      const int c = holder.Funcs().LocaleCompare(0x0409, list->Word(i)->data.w, list->Word(i + 1)->data.w);
      ASSERT_LE(c, 0) << "flags " << flags << " at " << i;
      if (c == 0) {
        ASSERT_LE(holder.Funcs().PlainCompare(list->Word(i)->data.w, list->Word(i + 1)->data.w), 0);
      }
    }
  }
  Global_CompareStringFlags = saved;
}

// The keys of a long list are made on several threads when the list is allowed them; the parts must join
// into the same order, whatever the number of threads and wherever the parts meet.
TEST_F(SortFixture, KeysMadeOnSeveralThreadsGiveTheSameOrder) {
  const std::vector<UnicodeString> pieces = {u"co",     u"-", u"'", u"\u00E9", u"e\u0301",
                                             u"\u00DF", u"a", u"z", u"10"};
  std::mt19937 rng(11);
  std::uniform_int_distribution<std::size_t> pick(0, pieces.size() - 1), len(1, 5);
  std::uniform_int_distribution<int> freq(1, 4);
  for (int i = 0; i < 3 * TSortKeyCache::kKeysPerThread + 17; ++i) {
    UnicodeString w;
    for (std::size_t n = len(rng); n > 0; --n) w += pieces[pick(rng)];
    list->AddWord(w, freq(rng), 1);
  }
  std::vector<UnicodeString> expected;
  for (unsigned threads : {1u, 2u, 3u, 7u}) {
    list->SetSortThreads(threads);
    list->SortEntries(false);  // frequency, then the words
    if (threads == 1) {
      expected = Words(*list);
      for (std::size_t i = 0; i + 1 < expected.size(); ++i)
        ASSERT_TRUE(list->Word(i)->data.f > list->Word(i + 1)->data.f ||
                    holder.Funcs().LocaleCompare(0x0409, list->Word(i)->data.w, list->Word(i + 1)->data.w) <=
                        0)
            << i;
    } else {
      EXPECT_EQ(Words(*list), expected) << threads << " threads";
    }
    std::vector<TLXBaseListObject*> entries;
    for (int32_t i = 0; i < list->Count(); ++i) entries.push_back(list->Get(i));
    std::shuffle(entries.begin(), entries.end(), rng);
    for (int32_t i = 0; i < list->Count(); ++i) list->Put(i, entries[i]);
  }
}

// Sorted, reversed and all-equal input must stay n log n; the comparison count shows a quadratic fall-back.
TEST(ListSortScaling, MillionEntrySortedReversedAndEqualInputs) {
  TLXBaseHolder holder(0x0409, true);
  constexpr int32_t n = 1000000;
  const double bound = 3.0 * n * std::log2(n);
  for (int shape = 0; shape < 3; ++shape) {
    auto list = Create<TKeyList>(&holder);
    list->SetCapacity(n);
    for (int32_t i = 0; i < n; ++i) list->AddKey(shape == 0 ? i : shape == 1 ? n - i : 42);
    list->Set1Sort(main_sort, 1);
    list->SetSortAscending(main_sort, true);
    list->DoASort(-1, 0, n - 1);
    EXPECT_LT(static_cast<double>(list->comparisons), bound) << "shape " << shape;
    for (int32_t i = 1; i < n; ++i) ASSERT_LE(list->Key(i - 1), list->Key(i));
    ASSERT_EQ(list->messages.size(), 1u);
    EXPECT_EQ(list->messages[0], u"Sort : 1");
  }
}

// A range already in order is confirmed, not sorted: one comparison per neighbour, and entries the level
// finds equal keep their places. A range out of order anywhere is sorted as before.
TEST(ListSortInOrder, ConfirmedWithOneComparisonPerNeighbourAndTiesStay) {
  TLXBaseHolder holder(0x0409, true);
  auto list = Create<TKeyList>(&holder);
  for (int32_t k : {1, 1, 1, 2, 2, 5, 5, 5, 5, 9}) list->AddKey(k);
  std::vector<TLXBaseListObject*> before;
  for (int32_t i = 0; i < list->Count(); ++i) before.push_back(list->Get(i));
  list->Set1Sort(main_sort, 1);
  list->SetSortAscending(main_sort, true);
  list->DoASort(-1, 0, list->Count() - 1);
  EXPECT_EQ(list->comparisons, list->Count() - 1);
  for (int32_t i = 0; i < list->Count(); ++i) EXPECT_EQ(list->Get(i), before[i]) << i;

  // Descending finds the same range out of order at once and sorts it.
  list->comparisons = 0;
  list->SetSortAscending(main_sort, false);
  list->DoASort(-1, 0, list->Count() - 1);
  EXPECT_GT(list->comparisons, list->Count() - 1);
  for (int32_t i = 1; i < list->Count(); ++i) EXPECT_GE(list->Key(i - 1), list->Key(i));
  // One entry out of place at the end is enough to sort.
  list->AddKey(100);
  list->comparisons = 0;
  list->DoASort(-1, 0, list->Count() - 1);
  EXPECT_EQ(list->Key(0), 100);
  for (int32_t i = 1; i < list->Count(); ++i) EXPECT_GE(list->Key(i - 1), list->Key(i));
}

// A word list put in its order before the sort comes out of the sort in the same order as one sorted
// from a shuffle, levels, keys and all.
TEST_F(SortFixture, AWordListAlreadyInOrderComesOutAsASortedOne) {
  Fill({{u"Zebra", 3, 1},
        {u"apple", 3, 2},
        {u"\u00E9t\u00E9", 1, 1},
        {u"ete", 1, 1},
        {u"co-op", 2, 1},
        {u"coop", 2, 1},
        {u"10", 1, 2},
        {u"b", 3, 1}});
  for (int i = 0; i < 40; ++i)
    list->AddWord(u"w" + UnicodeString(1, static_cast<char16_t>(u'a' + i % 26)) +
                      UnicodeString(static_cast<std::size_t>(i / 26 + 1), u'x'),
                  i % 3 + 1, 1);
  list->SortEntries(false);
  const std::vector<UnicodeString> sorted = Words(*list);
  list->SortEntries(false);
  EXPECT_EQ(Words(*list), sorted);
  std::mt19937 rng(5);
  std::vector<TLXBaseListObject*> entries;
  for (int32_t i = 0; i < list->Count(); ++i) entries.push_back(list->Get(i));
  std::shuffle(entries.begin(), entries.end(), rng);
  for (int32_t i = 0; i < list->Count(); ++i) list->Put(i, entries[i]);
  list->SortEntries(false);
  EXPECT_EQ(Words(*list), sorted);
}
