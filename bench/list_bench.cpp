// Ten million entries added to a list, then each found again by the list's binary word search. Prints
// entries per second for both; the comparison is a plain integer one so the figures measure the list itself.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <vector>

#include "lexlists/engine/work_LX_base.h"

using namespace lx;

namespace {

constexpr int32_t kEntries = 10000000;

class TKeyEntry : public TLXBaseListObject {
 public:
  TKeyEntry() : TLXBaseListObject(nullptr, nullptr) {}
  TKeyEntry(TLXBaseDataClass* parent, TLXBaseHolder* holder) : TLXBaseListObject(parent, holder) {}
  int32_t key = 0;
};

class TKeyList : public TLXBaseDataClass {
 public:
  explicit TKeyList(TLXBaseHolder* h)
      : TLXBaseDataClass(h, EntryClassOf<TKeyEntry>(), grid_alph_order, lt_word_list, 0) {
    CompareWordsFunct = [this](TLXBaseListObject* e) {
      const int32_t a = static_cast<TKeyEntry*>(e)->key;
      const int32_t b = *static_cast<const int32_t*>(base_compare_pointer);
      return a < b ? -1 : (a > b ? 1 : 0);
    };
  }
};

struct TData {
  std::vector<TKeyEntry> entries;
  TData() : entries(static_cast<std::size_t>(kEntries)) {
    for (int32_t i = 0; i < kEntries; ++i) entries[static_cast<std::size_t>(i)].key = 2 * i;
  }
};

TData& Data() {
  static TData data;
  return data;
}

void BM_Add(benchmark::State& state) {
  TData& d = Data();
  TLXBaseHolder holder;
  for (auto _ : state) {
    auto list = Create<TKeyList>(&holder);
    for (auto& e : d.entries) list->Add(&e);
    benchmark::DoNotOptimize(list->Count());
    state.PauseTiming();
    list->Clear();
    state.ResumeTiming();
  }
  state.SetItemsProcessed(state.iterations() * kEntries);
}

void BM_FindWord(benchmark::State& state) {
  TData& d = Data();
  TLXBaseHolder holder;
  auto list = Create<TKeyList>(&holder);
  for (auto& e : d.entries) list->Add(&e);
  list->LXSortSettings.sort_is_alph_ascending = true;
  int64_t misses = 0;
  for (auto _ : state) {
    for (int32_t i = 0; i < kEntries; ++i) {
      const int32_t key = 2 * i;
      misses += list->Find_Word(&key) != i;
    }
  }
  if (misses) state.SkipWithError("a word was not found");
  state.SetItemsProcessed(state.iterations() * kEntries);
  list->Clear();
}

}  // namespace

BENCHMARK(BM_Add)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_FindWord)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK_MAIN();
