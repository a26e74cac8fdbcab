// The three-level sort: a quicksort over an owned holder list that compares every item with a pivot value
// captured once per partition, sorts the runs that tie on one level by the next, and yields to the host as it
// goes.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "lexcore/containers/Useful_classes_base.h"

namespace lx {

enum TSortLevel : uint8_t { sort_first_sort, sort_second_sort, sort_third_sort };
// Ascending flag per level.
using TAscendingSort = std::array<bool, 3>;

struct TCurrentSortRec {
  TSortLevel level = sort_first_sort;
  int32_t sort_variable = 0;
};

class T3SortYieldingList;
// Measures item against the pivot that SetBase stored: negative when the item belongs before the pivot in
// ascending order, 0 when they tie, positive when after. The context's CurrentSort says which variable.
using T3SortCompare = int (*)(T3SortYieldingList* context, TUsefulBaseListObject* item);

class T3SortYieldingList : public TUsefulBaseList {
 public:
  using TUsefulBaseList::TUsefulBaseList;

  // Stores the pivot's value of the given sort variable for the comparisons that follow.
  virtual void SetBase(TUsefulBaseListObject* item, int32_t variable);
  // The comparison used when a sort is given no comparison routine.
  virtual int Compare(TUsefulBaseListObject* item);
  // -c when the current level is ascending, else c: for comparisons written as pivot against item.
  int AscendingSwapped(int c) const { return Ascending[CurrentSort.level] ? -c : c; }

  // Each is ignored while a sort is running; lo and hi are clipped to the list.
  virtual void DoASingleSort(int32_t variable, int32_t lo, int32_t hi, T3SortCompare compare = nullptr);
  virtual void DoADoubleSort(int32_t variable1, int32_t variable2, int32_t lo, int32_t hi,
                             T3SortCompare compare = nullptr);
  virtual void DoATrebleSort(int32_t variable1, int32_t variable2, int32_t variable3, int32_t lo, int32_t hi,
                             T3SortCompare compare = nullptr);

  bool Busy() const { return fBusy; }
  int32_t ScanIndex() const { return fScanIndex; }
  int32_t PivotIndex() const { return fPivotIndex; }

  TAscendingSort Ascending{true, true, true};
  TCurrentSortRec CurrentSort;

 protected:
  // Sorts [lo, hi] by variable on the current level.
  void TempQuickSort(int32_t variable, int32_t lo, int32_t hi);
  // Sorts by b, one level below a's, each run of neighbours in [lo, hi] that tie under a.
  void DoNextSort(int32_t a, TSortLevel levelA, int32_t b, int32_t lo, int32_t hi);

  bool fBusy = false;
  bool fPrivateSort = false;
  int32_t fScanIndex = 0;
  int32_t fPivotIndex = 0;

 private:
  bool Begin(int32_t& lo, int32_t& hi, T3SortCompare compare);
  void SortLevels(int32_t variable1, int32_t variable2, std::optional<int32_t> variable3, int32_t lo,
                  int32_t hi, T3SortCompare compare);
  int CompareAt(int32_t index);
  // End of the run that starts at first and ties under variable (on level), not beyond hi.
  int32_t RunEnd(int32_t variable, TSortLevel level, int32_t first, int32_t hi);

  T3SortCompare fCompare = nullptr;
};

// The same sorts with the host's yield switched off while they run.
class T3SortNonYieldingList : public T3SortYieldingList {
 public:
  using T3SortYieldingList::T3SortYieldingList;

  void DoASingleSort(int32_t variable, int32_t lo, int32_t hi, T3SortCompare compare = nullptr) override;
  void DoADoubleSort(int32_t variable1, int32_t variable2, int32_t lo, int32_t hi,
                     T3SortCompare compare = nullptr) override;
  void DoATrebleSort(int32_t variable1, int32_t variable2, int32_t variable3, int32_t lo, int32_t hi,
                     T3SortCompare compare = nullptr) override;
};

}  // namespace lx
