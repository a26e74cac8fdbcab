// Sorting a million-entry word list through the list engine against std::sort: alphabetically by the
// holder's locale comparison (std::sort gets ICU sort keys made once beforehand) and by frequency then word
// (std::sort with the same comparison). Prints both time ratios after the benchmarks.
#include <benchmark/benchmark.h>
#include <unicode/ucol.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <random>
#include <vector>

#include "lexlists/engine/word_list_entries.h"

using namespace lx;

namespace {

constexpr int kEntries = 1000000;

struct TData {
  TLXBaseHolder holder{0x0409, true};
  std::unique_ptr<TWordList> list = Create<TWordList>(&holder);
  std::vector<TLXBaseListObject*> shuffled;
  std::vector<std::string> sortKeys;
  TData() {
    std::mt19937 rng(11);
    std::uniform_int_distribution<int> len(2, 10), letter(0, 25);
    std::geometric_distribution<int> freq(0.05);
    list->SetCapacity(kEntries);
    for (int i = 0; i < kEntries; ++i) {
      UnicodeString w;
      for (int n = len(rng); n > 0; --n) w += static_cast<char16_t>(u'a' + letter(rng));
      if (i % 7 == 0) w[0] = static_cast<char16_t>(w[0] - 32);  // some capitals for the collation to weigh
      list->AddWord(w, 1 + freq(rng), 1);
    }
    for (int i = 0; i < kEntries; ++i) shuffled.push_back(list->Get(i));
    UErrorCode err = U_ZERO_ERROR;
    UCollator* coll = ucol_open("en_US", &err);
    ucol_setStrength(coll, UCOL_TERTIARY);
    for (auto* e : shuffled) {
      const UnicodeString w = e->MainWordOnly();
      const auto* u = reinterpret_cast<const UChar*>(w.data());
      const int32_t n = ucol_getSortKey(coll, u, static_cast<int32_t>(w.size()), nullptr, 0);
      std::string key(static_cast<std::size_t>(n), '\0');
      ucol_getSortKey(coll, u, static_cast<int32_t>(w.size()), reinterpret_cast<uint8_t*>(key.data()), n);
      sortKeys.push_back(std::move(key));
    }
    ucol_close(coll);
  }
  void Reset() {
    for (int i = 0; i < kEntries; ++i) list->Put(i, shuffled[static_cast<std::size_t>(i)]);
  }
};

TData& Data() {
  static TData data;
  return data;
}

double gSeconds[4];

template <typename F>
void Timed(benchmark::State& state, int slot, F&& f) {
  for (auto _ : state) {
    state.PauseTiming();
    Data().Reset();
    state.ResumeTiming();
    const auto t0 = std::chrono::steady_clock::now();
    f();
    gSeconds[slot] = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
  }
}

void ListAlphabetical(benchmark::State& state) {
  Timed(state, 0, [] { Data().list->DoAlphabeticalAscendingSort(); });
}

void StdSortSortKeys(benchmark::State& state) {
  std::vector<int32_t> order(kEntries);
  Timed(state, 1, [&] {
    for (int32_t i = 0; i < kEntries; ++i) order[static_cast<std::size_t>(i)] = i;
    const auto& keys = Data().sortKeys;
    std::sort(order.begin(), order.end(), [&](int32_t a, int32_t b) {
      return std::strcmp(keys[static_cast<std::size_t>(a)].c_str(),
                         keys[static_cast<std::size_t>(b)].c_str()) < 0;
    });
    benchmark::DoNotOptimize(order.data());
  });
}

void ListFreqThenAlpha(benchmark::State& state) {
  Timed(state, 2, [] { Data().list->SortEntries(false); });
}

void StdSortFreqThenAlpha(benchmark::State& state) {
  Timed(state, 3, [] {
    TWordList& l = *Data().list;
    const auto& funcs = Data().holder.Funcs();
    std::sort(l.CurrentList, l.CurrentList + l.Count(), [&](TLXBaseListObject* a, TLXBaseListObject* b) {
      const int32_t fa = a->MainWordFrequency(), fb = b->MainWordFrequency();
      if (fa != fb) return fa > fb;
      return funcs.LocaleCompare(0x0409, a->MainWordAsPointer(), b->MainWordAsPointer()) < 0;
    });
  });
}

}  // namespace

BENCHMARK(ListAlphabetical)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(StdSortSortKeys)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(ListFreqThenAlpha)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(StdSortFreqThenAlpha)->Iterations(1)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  if (gSeconds[1] > 0 && gSeconds[3] > 0) {
    std::printf("alphabetical, list engine / std::sort with ICU sort keys: %.2f (goal <= 3)\n",
                gSeconds[0] / gSeconds[1]);
    std::printf("frequency then word, list engine / std::sort same comparison: %.2f (goal <= 1.5)\n",
                gSeconds[2] / gSeconds[3]);
  }
  return 0;
}
