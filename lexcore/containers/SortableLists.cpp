#include "lexcore/containers/SortableLists.h"

#include <algorithm>
#include <utility>

#include "lexcore/rtl/lx_yield.h"

namespace lx {

namespace {

int VirtualCompare(T3SortYieldingList* context, TUsefulBaseListObject* item) {
  return context->Compare(item);
}

// Switches the host's yield off for one sort and back on afterwards, whatever happens.
class TYieldSwitchedOff {
 public:
  TYieldSwitchedOff() : saved_(std::exchange(Global_YieldProcessProc, nullptr)) {}
  ~TYieldSwitchedOff() { Global_YieldProcessProc = std::move(saved_); }
  TYieldSwitchedOff(const TYieldSwitchedOff&) = delete;
  TYieldSwitchedOff& operator=(const TYieldSwitchedOff&) = delete;

 private:
  std::function<void()> saved_;
};

class TBusyGuard {
 public:
  explicit TBusyGuard(bool& busy) : busy_(busy) { busy_ = true; }
  ~TBusyGuard() { busy_ = false; }
  TBusyGuard(const TBusyGuard&) = delete;
  TBusyGuard& operator=(const TBusyGuard&) = delete;

 private:
  bool& busy_;
};

}  // namespace

void T3SortYieldingList::SetBase(TUsefulBaseListObject*, int32_t) {}

int T3SortYieldingList::Compare(TUsefulBaseListObject*) {
  return 0;
}

int T3SortYieldingList::CompareAt(int32_t index) {
  fScanIndex = index;
  return fCompare(this, fList[static_cast<std::size_t>(index)]);
}

bool T3SortYieldingList::Begin(int32_t& lo, int32_t& hi, T3SortCompare compare) {
  // The comparisons cannot take empty slots.
  if (std::find(fList.begin(), fList.end(), nullptr) != fList.end()) Pack();
  lo = std::max(lo, 0);
  hi = std::min(hi, Count() - 1);
  fCompare = compare ? compare : &VirtualCompare;
  return hi > lo;
}

void T3SortYieldingList::TempQuickSort(int32_t variable, int32_t lo, int32_t hi) {
  const bool ascending = Ascending[CurrentSort.level];
  TUsefulBaseListObject** items = fList.data();
  while (lo < hi) {
    MyYieldProcess();
    int32_t i = lo, j = hi;
    fPivotIndex = lo + (hi - lo) / 2;
    SetBase(items[fPivotIndex], variable);
    do {
      // The bounds keep an inconsistent comparison (one that never ties with the pivot) inside the range.
      if (ascending) {
        while (i <= hi && CompareAt(i) < 0) ++i;
        while (j >= lo && CompareAt(j) >= 1) --j;
      } else {
        while (i <= hi && CompareAt(i) >= 1) ++i;
        while (j >= lo && CompareAt(j) < 0) --j;
      }
      if (i <= j) {
        std::swap(items[i], items[j]);
        ++i;
        --j;
      }
    } while (i <= j);
    // A consistent comparison always leaves lo < i and j < hi; forcing it otherwise guarantees progress.
    j = std::min(j, hi - 1);
    i = std::max(i, lo + 1);
    // Recursing into the smaller part keeps the stack logarithmic; the parts are independent, so the order
    // in which they are sorted does not change the result.
    if (j - lo < hi - i) {
      if (lo < j) TempQuickSort(variable, lo, j);
      lo = i;
    } else {
      if (i < hi) TempQuickSort(variable, i, hi);
      hi = j;
    }
  }
}

int32_t T3SortYieldingList::RunEnd(int32_t variable, TSortLevel level, int32_t first, int32_t hi) {
  CurrentSort = {level, variable};
  SetBase(fList[static_cast<std::size_t>(first)], variable);
  int32_t k = first + 1;
  while (k <= hi && CompareAt(k) == 0) ++k;
  return k - 1;
}

void T3SortYieldingList::DoNextSort(int32_t a, TSortLevel levelA, int32_t b, int32_t lo, int32_t hi) {
  if (a == b || levelA >= sort_third_sort) return;
  const auto levelB = static_cast<TSortLevel>(levelA + 1);
  int32_t first = lo;
  while (first < hi) {
    const int32_t last = RunEnd(a, levelA, first, hi);
    if (last > first) {
      CurrentSort = {levelB, b};
      TempQuickSort(b, first, last);
    }
    first = last + 1;
  }
}

void T3SortYieldingList::DoASingleSort(int32_t variable, int32_t lo, int32_t hi, T3SortCompare compare) {
  if (fBusy) return;
  TBusyGuard busy(fBusy);
  if (!Begin(lo, hi, compare)) return;
  CurrentSort = {sort_first_sort, variable};
  fPrivateSort = true;
  TempQuickSort(variable, lo, hi);
  fPrivateSort = false;
}

void T3SortYieldingList::SortLevels(int32_t variable1, int32_t variable2, std::optional<int32_t> variable3,
                                    int32_t lo, int32_t hi, T3SortCompare compare) {
  if (fBusy) return;
  TBusyGuard busy(fBusy);
  if (!Begin(lo, hi, compare)) return;
  CurrentSort = {sort_first_sort, variable1};
  TempQuickSort(variable1, lo, hi);
  DoNextSort(variable1, sort_first_sort, variable2, lo, hi);
  if (!variable3 || *variable3 == variable2) return;
  // Third-level runs must tie on the first key as well as the second, so they are sought inside each
  // first-level run.
  int32_t first = lo;
  while (first <= hi) {
    const int32_t last = RunEnd(variable1, sort_first_sort, first, hi);
    if (last > first) DoNextSort(variable2, sort_second_sort, *variable3, first, last);
    first = last + 1;
  }
}

void T3SortYieldingList::DoADoubleSort(int32_t variable1, int32_t variable2, int32_t lo, int32_t hi,
                                       T3SortCompare compare) {
  SortLevels(variable1, variable2, std::nullopt, lo, hi, compare);
}

void T3SortYieldingList::DoATrebleSort(int32_t variable1, int32_t variable2, int32_t variable3, int32_t lo,
                                       int32_t hi, T3SortCompare compare) {
  SortLevels(variable1, variable2, variable3, lo, hi, compare);
}

void T3SortNonYieldingList::DoASingleSort(int32_t variable, int32_t lo, int32_t hi, T3SortCompare compare) {
  TYieldSwitchedOff off;
  T3SortYieldingList::DoASingleSort(variable, lo, hi, compare);
}

void T3SortNonYieldingList::DoADoubleSort(int32_t variable1, int32_t variable2, int32_t lo, int32_t hi,
                                          T3SortCompare compare) {
  TYieldSwitchedOff off;
  T3SortYieldingList::DoADoubleSort(variable1, variable2, lo, hi, compare);
}

void T3SortNonYieldingList::DoATrebleSort(int32_t variable1, int32_t variable2, int32_t variable3, int32_t lo,
                                          int32_t hi, T3SortCompare compare) {
  TYieldSwitchedOff off;
  T3SortYieldingList::DoATrebleSort(variable1, variable2, variable3, lo, hi, compare);
}

}  // namespace lx
