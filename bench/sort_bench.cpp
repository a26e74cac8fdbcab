// The three-level yielding sort against std::sort on a million items of three integer keys, with the same
// three-key comparison. Prints the time ratio after the benchmarks.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>
#include <vector>

#include "lexcore/containers/SortableLists.h"
#include "lexcore/containers/Useful_classes.h"
#include "lexcore/rtl/lx_yield.h"

using namespace lx;

namespace {

constexpr int kItems = 1000000;

const int32_t* KeysOf(TUsefulBaseListObject* item) {
  return &static_cast<T3LongIntAndSingleHolder*>(item)->fdata.l1;
}

// Borrows the holders of the shared data: the bench owns them, not the list.
class TBenchList : public T3SortYieldingList {
 public:
  ~TBenchList() override { fList.clear(); }
  void Load(const std::vector<TUsefulBaseListObject*>& items) { fList = items; }
  void SetBase(TUsefulBaseListObject* item, int32_t variable) override { base = KeysOf(item)[variable]; }
  int32_t base = 0;
};

int CompareToBase(T3SortYieldingList* context, TUsefulBaseListObject* item) {
  auto* l = static_cast<TBenchList*>(context);
  return CompareLongints(KeysOf(item)[l->CurrentSort.sort_variable], l->base);
}

bool ThreeKeyLess(TUsefulBaseListObject* a, TUsefulBaseListObject* b) {
  const int32_t *x = KeysOf(a), *y = KeysOf(b);
  for (int k = 0; k < 3; ++k)
    if (const int c = CompareLongints(x[k], y[k]); c != 0) return c < 0;
  return false;
}

struct TData {
  std::vector<T3LongIntAndSingleHolder> holders;
  std::vector<TUsefulBaseListObject*> items;
  explicit TData(int keyRange) : holders(kItems) {
    std::mt19937 rng(42);
    std::uniform_int_distribution<int32_t> d(0, keyRange - 1);
    for (auto& h : holders) h.fdata = {d(rng), d(rng), d(rng), 0};
    for (auto& h : holders) items.push_back(&h);
  }
};

TData& Data() {
  static TData data(1000);
  return data;
}

int yields = 0;

double TimeThreeLevel() {
  TBenchList list;
  list.Load(Data().items);
  const auto t0 = std::chrono::steady_clock::now();
  list.DoATrebleSort(0, 1, 2, 0, kItems - 1, &CompareToBase);
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
}

double TimeStdSort() {
  std::vector<TUsefulBaseListObject*> v = Data().items;
  const auto t0 = std::chrono::steady_clock::now();
  std::sort(v.begin(), v.end(), ThreeKeyLess);
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
}

void BM_ThreeLevelSort(benchmark::State& state) {
  for (auto _ : state) state.SetIterationTime(TimeThreeLevel());
  state.SetItemsProcessed(state.iterations() * kItems);
}
BENCHMARK(BM_ThreeLevelSort)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_StdSortSameComparison(benchmark::State& state) {
  for (auto _ : state) state.SetIterationTime(TimeStdSort());
  state.SetItemsProcessed(state.iterations() * kItems);
}
BENCHMARK(BM_StdSortSameComparison)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  Global_YieldProcessProc = [] { ++yields; };
  Data();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  std::vector<double> ours, theirs;
  for (int i = 0; i < 5; ++i) {
    ours.push_back(TimeThreeLevel());
    theirs.push_back(TimeStdSort());
  }
  yields = 0;
  TimeThreeLevel();
  std::printf("three-level sort %.1f ms, std::sort %.1f ms, ratio %.2f; %d yields for %d items\n",
              1000 * Median(ours), 1000 * Median(theirs), Median(ours) / Median(theirs), yields, kItems);
  benchmark::Shutdown();
  return 0;
}
