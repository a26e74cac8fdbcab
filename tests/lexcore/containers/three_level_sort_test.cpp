#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>
#include <tuple>
#include <vector>

#include "lexcore/containers/SortableLists.h"
#include "lexcore/containers/Useful_classes.h"
#include "lexcore/rtl/lx_yield.h"

using namespace lx;

namespace {

using Keys = std::array<int32_t, 3>;

// Items of three integer keys; sort variable k compares key k.
class TKeyList : public T3SortYieldingList {
 public:
  void AddKeys(const Keys& k) { Add(new T3LongIntAndSingleHolder({k[0], k[1], k[2], 0})); }
  static int32_t KeyOf(TUsefulBaseListObject* item, int32_t k) {
    const auto& r = static_cast<T3LongIntAndSingleHolder*>(item)->fdata;
    return k == 0 ? r.l1 : (k == 1 ? r.l2 : r.l3);
  }
  void SetBase(TUsefulBaseListObject* item, int32_t variable) override { base = KeyOf(item, variable); }
  int Compare(TUsefulBaseListObject* item) override {
    return CompareLongints(KeyOf(item, CurrentSort.sort_variable), base);
  }
  std::vector<Keys> AllKeys() const {
    std::vector<Keys> out;
    for (int32_t i = 0; i < Count(); ++i)
      out.push_back({KeyOf(Items(i), 0), KeyOf(Items(i), 1), KeyOf(Items(i), 2)});
    return out;
  }
  int32_t base = 0;
};

std::vector<Keys> RandomKeys(int n, int range, unsigned seed) {
  std::mt19937 rng(seed);
  std::uniform_int_distribution<int32_t> d(0, range - 1);
  std::vector<Keys> v(static_cast<std::size_t>(n));
  for (auto& k : v) k = {d(rng), d(rng), d(rng)};
  return v;
}

// The brute-force reference: a stable sort on the keys in the given order and directions.
std::vector<Keys> Reference(std::vector<Keys> v, std::vector<int> order, std::array<bool, 3> ascending) {
  std::stable_sort(v.begin(), v.end(), [&](const Keys& a, const Keys& b) {
    for (std::size_t level = 0; level < order.size(); ++level) {
      const int k = order[level];
      if (a[k] != b[k]) return ascending[level] ? a[k] < b[k] : a[k] > b[k];
    }
    return false;
  });
  return v;
}

// Projects the keys that a sort on order determines (the rest may legitimately differ).
std::vector<std::vector<int32_t>> Project(const std::vector<Keys>& v, const std::vector<int>& order) {
  std::vector<std::vector<int32_t>> out;
  for (const auto& k : v) {
    std::vector<int32_t> p;
    for (int o : order) p.push_back(k[o]);
    out.push_back(p);
  }
  return out;
}

}  // namespace

TEST(ThreeLevelSort, MatchesAStableReferenceOnDataWithManyTies) {
  for (unsigned seed : {1u, 2u, 3u}) {
    for (auto ascending : {std::array<bool, 3>{true, true, true}, std::array<bool, 3>{false, true, false},
                           std::array<bool, 3>{true, false, true}}) {
      const auto data = RandomKeys(3000, 4 + static_cast<int>(seed), seed);
      TKeyList single, two, three;
      for (const auto& k : data) single.AddKeys(k), two.AddKeys(k), three.AddKeys(k);
      for (TKeyList* l : {&single, &two, &three}) l->Ascending = ascending;
      single.DoASingleSort(2, 0, 1 << 30);
      two.DoADoubleSort(1, 0, -5, 1 << 30);
      three.DoATrebleSort(0, 2, 1, 0, 2999);
      EXPECT_EQ(Project(single.AllKeys(), {2}), Project(Reference(data, {2}, ascending), {2}));
      EXPECT_EQ(Project(two.AllKeys(), {1, 0}), Project(Reference(data, {1, 0}, ascending), {1, 0}));
      EXPECT_EQ(three.AllKeys(), Reference(data, {0, 2, 1}, ascending));
    }
  }
}

TEST(ThreeLevelSort, ThirdLevelRunsTieOnBothUpperKeys) {
  // Neighbours that tie on the second key but not on the first must not be reordered by the third.
  TKeyList l;
  for (Keys k : {Keys{2, 5, 1}, Keys{1, 5, 9}, Keys{1, 5, 3}, Keys{2, 5, 0}}) l.AddKeys(k);
  l.DoATrebleSort(0, 1, 2, 0, 3);
  EXPECT_EQ(l.AllKeys(), (std::vector<Keys>{{1, 5, 3}, {1, 5, 9}, {2, 5, 0}, {2, 5, 1}}));
}

TEST(ThreeLevelSort, SubRangesAndEqualVariables) {
  TKeyList l;
  for (Keys k : {Keys{9, 0, 0}, Keys{3, 1, 0}, Keys{1, 0, 0}, Keys{2, 9, 0}, Keys{0, 0, 0}}) l.AddKeys(k);
  l.DoASingleSort(0, 1, 3);
  EXPECT_EQ(l.AllKeys()[0][0], 9);
  EXPECT_EQ(l.AllKeys()[4][0], 0);
  EXPECT_EQ((std::vector<int>{l.AllKeys()[1][0], l.AllKeys()[2][0], l.AllKeys()[3][0]}),
            (std::vector<int>{1, 2, 3}));
  // The same variable on two levels sorts once.
  l.DoADoubleSort(1, 1, 0, 4);
  EXPECT_EQ(l.AllKeys()[4][1], 9);
}

TEST(ThreeLevelSort, InconsistentComparisonsStayInsideTheRange) {
  // Never ties, even with the pivot: unguarded scans would run off both ends.
  struct TNeverEqual : TKeyList {
    int Compare(TUsefulBaseListObject*) override { return (++calls & 1) ? -1 : 1; }
    int calls = 0;
  };
  struct TAlwaysLess : TKeyList {
    int Compare(TUsefulBaseListObject*) override { return -1; }
  };
  struct TAlwaysGreater : TKeyList {
    int Compare(TUsefulBaseListObject*) override { return 1; }
  };
  TNeverEqual a;
  TAlwaysLess b;
  TAlwaysGreater c;
  for (TKeyList* l : std::initializer_list<TKeyList*>{&a, &b, &c}) {
    for (const auto& k : RandomKeys(500, 3, 9)) l->AddKeys(k);
    l->DoATrebleSort(0, 1, 2, 0, 499);
    l->Ascending = {false, false, false};
    l->DoATrebleSort(0, 1, 2, 0, 499);
    EXPECT_EQ(l->Count(), 500);
  }
}

TEST(ThreeLevelSort, YieldsPerPartitionAndNotAtAllWhenNonYielding) {
  int yields = 0;
  Global_YieldProcessProc = [&] { ++yields; };
  TKeyList l;
  for (const auto& k : RandomKeys(4096, 1000, 5)) l.AddKeys(k);
  l.DoASingleSort(0, 0, 4095);
  EXPECT_GT(yields, 0);
  EXPECT_LT(yields, 4096);  // far fewer than the comparisons

  struct TQuiet : T3SortNonYieldingList {
    void SetBase(TUsefulBaseListObject* item, int32_t) override {
      base = static_cast<T3LongIntAndSingleHolder*>(item)->fdata.l1;
    }
    int Compare(TUsefulBaseListObject* item) override {
      return CompareLongints(static_cast<T3LongIntAndSingleHolder*>(item)->fdata.l1, base);
    }
    int32_t base = 0;
  } quiet;
  for (int i = 0; i < 1000; ++i) quiet.Add(new T3LongIntAndSingleHolder({1000 - i, 0, 0, 0}));
  yields = 0;
  quiet.DoASingleSort(0, 0, 999);
  EXPECT_EQ(yields, 0);
  EXPECT_TRUE(static_cast<bool>(Global_YieldProcessProc));  // switched back on
  EXPECT_EQ(static_cast<T3LongIntAndSingleHolder*>(quiet.Items(0))->fdata.l1, 1);
  Global_YieldProcessProc = nullptr;
}

TEST(ThreeLevelSort, RefusesToStartWhileSorting) {
  struct TReentrant : TKeyList {
    int Compare(TUsefulBaseListObject* item) override {
      if (!tried) {
        tried = true;
        EXPECT_TRUE(Busy());
        const auto before = AllKeys();
        DoASingleSort(1, 0, Count() - 1);  // ignored
        EXPECT_EQ(AllKeys(), before);
      }
      return TKeyList::Compare(item);
    }
    bool tried = false;
  } l;
  for (const auto& k : RandomKeys(50, 10, 3)) l.AddKeys(k);
  l.DoASingleSort(0, 0, 49);
  EXPECT_TRUE(l.tried);
  EXPECT_FALSE(l.Busy());
}
