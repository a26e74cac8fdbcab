// Sorting of the list data class: the settings of the three levels, the quicksort of entry pointers against a
// base taken from the pivot, the run sorts of the deeper levels and the comparison primitives the tools build
// their comparisons from.
#include <algorithm>
#include <utility>

#include "lexcore/rtl/lx_format.h"
#include "lexcore/rtl/lx_resources.h"
#include "lexcore/rtl/lx_strings.h"
#include "lexcore/rtl/lx_yield.h"
#include "lexlists/engine/work_LX_base.h"
#include "lexlists/headings/headingsU.h"

namespace lx {

LX_RESOURCESTRING(_LXSort, u"Sort")

namespace {

// The busy state for the length of one sort, also when a comparison raises.
class TBusyScope {
 public:
  TBusyScope(TLXBaseDataClass& list, TLXAction action) : list_(list) { list_.SetListBusy(action); }
  ~TBusyScope() { list_.SetListBusy(no_action); }
  TBusyScope(const TBusyScope&) = delete;
  TBusyScope& operator=(const TBusyScope&) = delete;

 private:
  TLXBaseDataClass& list_;
};

int32_t Sign(int32_t c) {
  return (c > 0) - (c < 0);
}

bool IsOriginalOrder(const TLXBaseListSortCompare& c) {
  return c.target<TOriginalOrderCompare>() != nullptr;
}

int32_t CompareFlags(bool entry, bool base) {
  if (entry == base) return 0;
  return entry ? 1 : -1;
}

TPrivateObj* PrivateOf(TLXBaseListObject* entry) {
  return entry ? entry->privateobj.get() : nullptr;
}

// Yielding on every scan round would cost more than the comparisons of a short range.
constexpr uint32_t kYieldEvery = 4096;

}  // namespace

// ---- settings
// ----------------------------------------------------------------------------------------------

void TLXBaseDataClass::Set1Sort(TSortLevel level, int32_t column) {
  LXSortSettings.SortLevelsAvailable = level;
  if (column >= 0) LXSortSettings.sort_ints[level] = column;
  if (level == main_sort) {
    LXSortSettings.main_sort_is_alphabetical = false;
    for (auto& s : LXSortSettings.mainsorts) s = nullptr;
  }
}

void TLXBaseDataClass::Set3Sorts(const TSortLevelNumbers& columns) {
  for (TSortLevel level : {main_sort, second_sort, third_sort})
    Set1Sort(level, HeaderColumnToSortNeeded(level, columns[level]));
}

void TLXBaseDataClass::SetSortAlphabetical(TSortLevel level, bool flag) {
  LXSortSettings.knows_whether_alph_ascending = true;
  if (level == main_sort)
    LXSortSettings.main_sort_is_alphabetical = flag;
  else if (level == second_sort)
    SetSecondSortAsWordSort();
}

TtriBool TLXBaseDataClass::GetColumnSortStateAscending(int32_t column) const {
  if (fListBusy != no_action || !fGridHeadings || column < 0 || column >= fGridHeadings->Count())
    return quem_sabe;
  return fGridHeadings->GetDatum(column).SortStateAscending;
}

void TLXBaseDataClass::UsePrivateSort(TSortSettings& settings, TSortLevel level, int32_t option) {
  settings.SortIsPrivate[level] = true;
  switch (option) {
    case joined_elsewhere_sort:
      settings.privatesorts[level] = [this](TLXBaseListObject* e) { return PrivateSortJoinElsewhereUp(e); };
      break;
    case matched_sort:
      settings.privatesorts[level] = [this](TLXBaseListObject* e) { return PrivateSortMatchedUp(e); };
      break;
    case deleted_sort:
      settings.privatesorts[level] = [this](TLXBaseListObject* e) { return PrivateSortDeletedUp(e); };
      break;
    case original_entry_number_sort:
      settings.privatesorts[level] = TOriginalOrderCompare{};
      break;
    case joinlist_sort:
      settings.privatesorts[level] = [this](TLXBaseListObject* e) { return PrivateSortJoinListUp(e); };
      break;
    default:
      break;
  }
}

// ---- running a sort
// ----------------------------------------------------------------------------------------

void TLXBaseDataClass::DoASort(int32_t column, int32_t first, int32_t last) {
  if (column >= 0) true_current_sort_column = column;
  LXSortSettings.sort_is_alph_ascending = LXSortSettings.main_sort_is_alphabetical && first <= 0 &&
                                          last >= fCount - 1 && LXSortSettings.ascending_orders[main_sort];
  SortThem(first, last);
  LastLXSortSettings = LXSortSettings;
  if (column >= 0) fRecordSortInHeadings(column, LXSortSettings.ascending_orders[main_sort]);
  DoAnyFreqSorting();
}

void TLXBaseDataClass::DoAlphabeticalAscendingSort() {
  EnsureAlphabeticalAscendingSort();
  DoASort(-1, 0, fCount - 1);
}

void TLXBaseDataClass::SortOnCategory(bool /*flag*/, int32_t column) {
  int32_t c = -1;
  if (IsASetColumnColumn(column)) {
    c = column;
  } else if (fGridHeadings) {
    for (int32_t i = 1; i < fGridHeadings->Count() && c < 0; ++i)
      if (IsASetColumnColumn(i)) c = i;
  }
  if (c < 0) return;
  Set1Sort(main_sort, HeaderColumnToSortNeeded(main_sort, c));
  Set1Sort(second_sort, HeaderColumnToSortNeeded(second_sort, c));
  DoASort(c, 0, fCount - 1);
}

void TLXBaseDataClass::fRecordSortInHeadings(int32_t column, bool ascending) {
  if (fGridHeadings) fGridHeadings->SetMainSortColumn(column, ascending);
}

int32_t TLXBaseDataClass::TopIdenticallySorted(TSortLevel level) {
  const TLXBaseListSortCompare& compare = LXSortSettings.mainsorts[level];
  if (!compare || fCount <= 0) return -1;
  FSortStage = level;
  compare_ID_base = 0;
  SetBase(Get(0), level);
  int32_t i = 1;
  for (; i < fCount; ++i) {
    compare_ID_with = i;
    if (compare(CurrentList[i]) != 0) break;
  }
  return i - 1;
}

void TLXBaseDataClass::SortThem(int32_t first, int32_t last) {
  if (fListBusy != no_action) return;
  TBusyScope busy(*this, do_sort);
  fSort_start = first;
  fSort_Finish = last;
  first = std::max(first, 0);
  if (last >= fCount) last = fCount - 1;
  if (first >= last) return;
  ListModified.Include(mod_sorting);
  bool stop = false;
  for (TSortLevel level : {main_sort, second_sort, third_sort}) {
    compare_ID_base = first;
    FSortStage = level;
    if (stop || level > LXSortSettings.SortLevelsAvailable) break;
    if (last - first > 5000) ReportProgressShortMessage(Format(u"%s : %d", {_LXSort.Text(), level + 1}));
    stop = level == main_sort ? !fLevelSort(first, last, level) : !fRunSort(first, last, level);
  }
}

const TLXBaseListSortCompare* TLXBaseDataClass::fLevelCompare(TSortLevel level) const {
  const TSortSettings& s = LXSortSettings;
  if (s.SortIsPrivate[level]) {
    const TLXBaseListSortCompare& c = s.privatesorts[level];
    return c && !IsOriginalOrder(c) ? &c : nullptr;
  }
  return s.mainsorts[level] ? &s.mainsorts[level] : nullptr;
}

void TLXBaseDataClass::fSetLevelBase(TSortLevel level, TLXBaseListObject* entry) {
  FSortStage = level;
  if (LXSortSettings.SortIsPrivate[level])
    SetPrivateBase(entry, level);
  else
    SetBase(entry, level);
}

// False when the level could not be sorted, so no deeper level runs.
bool TLXBaseDataClass::fLevelSort(int32_t first, int32_t last, TSortLevel level) {
  const TLXBaseListSortCompare* compare = fLevelCompare(level);
  if (!compare) return false;
  // A copy: the comparison must outlive a derived list changing its settings from a progress report.
  const TLXBaseListSortCompare c = *compare;
  // A range in order is left as it stands. Where the levels order the entries totally (the word level
  // breaks every tie) that is the order the quicksort would give; where they leave ties, the tied entries
  // keep their places instead of being moved about by where the pivots fell.
  if (fInLevelOrder(first, last, level, c)) return true;
  SortReordering();
  FSortStage = level;
  UserObjectQuickSort(first, last, c);
  return true;
}

bool TLXBaseDataClass::fInLevelOrder(int32_t first, int32_t last, TSortLevel level,
                                     const TLXBaseListSortCompare& compare) {
  const int32_t direction = LXSortSettings.ascending_orders[level] ? 1 : -1;
  for (int32_t i = first + 1; i <= last; ++i) {
    if ((i - first) % kYieldEvery == 0) MyYieldProcess();
    compare_ID_base = i - 1;
    fSetLevelBase(level, CurrentList[i - 1]);
    compare_ID_with = i;
    if (Sign(compare(CurrentList[i])) * direction < 0) return false;
  }
  return true;
}

// Sorts each run of entries that are equal on every level above. Runs are found with the comparisons that
// ordered those levels and never reach outside the range being sorted.
bool TLXBaseDataClass::fRunSort(int32_t first, int32_t last, TSortLevel level) {
  if (LXSortSettings.sort_ints[level] == LXSortSettings.sort_ints[level - 1]) return true;
  // A level skipped for naming the column above adds nothing to the runs.
  std::array<TLXBaseListSortCompare, 3> upper;
  std::array<TSortLevel, 3> upperLevel{};
  int uppers = 0;
  for (int u = 0; u < level; ++u) {
    if (u > 0 && LXSortSettings.sort_ints[u] == LXSortSettings.sort_ints[u - 1]) continue;
    const TLXBaseListSortCompare* c = fLevelCompare(static_cast<TSortLevel>(u));
    if (!c) return false;
    upperLevel[uppers] = static_cast<TSortLevel>(u);
    upper[uppers++] = *c;
  }
  if (!fLevelCompare(level)) return false;
  compare_ID_base = first;
  while (compare_ID_base < last) {
    const int32_t runStart = compare_ID_base;
    TLXBaseListObject* base = CurrentList[runStart];
    // Each level narrows the run found by the one above, which is contiguous because the list is sorted.
    int32_t end = last + 1;
    for (int u = 0; u < uppers; ++u) {
      fSetLevelBase(upperLevel[u], base);
      int32_t e = runStart + 1;
      for (; e < end; ++e) {
        compare_ID_with = e;
        if (upper[u](CurrentList[e]) != 0) break;
      }
      end = e;
    }
    const int32_t runEnd = end - 1;
    FSortStage = level;
    if (runEnd > runStart) {
      if (!fLevelSort(runStart, runEnd, level)) return false;
    }
    compare_ID_base = runEnd + 1;
  }
  return true;
}

void TLXBaseDataClass::UserObjectQuickSort(int32_t lo, int32_t hi, const TLXBaseListSortCompare& compare) {
  const TSortLevel stage = FSortStage;
  const bool ascending = LXSortSettings.ascending_orders[stage];
  const bool isPrivate = LXSortSettings.SortIsPrivate[stage];
  const int32_t direction = ascending ? 1 : -1;
  uint32_t rounds = 0;
  while (lo < hi) {
    MyYieldProcess();
    int32_t i = lo, j = hi;
    compare_ID_base = lo + (hi - lo) / 2;
    TLXBaseListObject* pivot = CurrentList[compare_ID_base];
    FSortStage = stage;
    if (isPrivate)
      SetPrivateBase(pivot, stage);
    else
      SetBase(pivot, stage);
    do {
      if (++rounds % kYieldEvery == 0) MyYieldProcess();
      // The bounds keep an inconsistent comparison from running the scans off the range.
      while (i < hi) {
        compare_ID_with = i;
        if (Sign(compare(CurrentList[i])) * direction >= 0) break;
        ++i;
      }
      while (j > lo) {
        compare_ID_with = j;
        if (Sign(compare(CurrentList[j])) * direction <= 0) break;
        --j;
      }
      if (i <= j) {
        std::swap(CurrentList[i], CurrentList[j]);
        SortExchanged(i, j);
        ++i;
        --j;
      }
    } while (i <= j);
    if (i % 1024 == 0 && fCount > 0) ReportProgressPercent(static_cast<int32_t>(int64_t{i} * 100 / fCount));
    // [lo, j] and [i, hi] remain; recursing into the smaller keeps the stack at log2(n) frames.
    if (j - lo < hi - i) {
      if (lo < j) UserObjectQuickSort(lo, j, compare);
      lo = i;
    } else {
      if (i < hi) UserObjectQuickSort(i, hi, compare);
      hi = j;
    }
    FSortStage = stage;
  }
}

// ---- comparison primitives
// ---------------------------------------------------------------------------------

int32_t TLXBaseDataClass::IntegerComparison(int32_t value) const {
  if (value == base_compare_int) return 0;
  return value > base_compare_int ? 1 : -1;
}

int32_t TLXBaseDataClass::FloatComparison(float value) const {
  if (value < base_compare_float) return -1;
  if (value > base_compare_float) return 1;
  return 0;
}

int32_t TLXBaseDataClass::BaseStringComparison(const UnicodeString& text) const {
  return Sign(text.compare(base_compare_string));
}

int32_t TLXBaseDataClass::CategoriesStringComparison(const UnicodeString& text) const {
  return Sign(base_compare_string.compare(text));
}

int32_t TLXBaseDataClass::CompareCategories(TLXBaseListObject* entry) {
  const TStringTrueColumnAndColourRec rec = entry->GetCategory(true_current_sort_column);
  return CategoriesStringComparison(rec.s + IntToStr(rec.background_colour));
}

int32_t TLXBaseDataClass::CompareLemmas(TLXBaseListObject* entry) {
  return IntegerComparison(entry->JoinCount());
}

int32_t TLXBaseDataClass::CompareDispersions(TLXBaseListObject* entry) {
  return FloatComparison(entry->GetDispersion());
}

int32_t TLXBaseDataClass::CompareWordsByLength(TLXBaseListObject* entry) {
  return IntegerComparison(entry->MainWordLength());
}

int32_t TLXBaseDataClass::CompareRelativeEntropies(TLXBaseListObject*) {
  return FloatComparison(LemmasRelativeEntropy(compare_ID_with, Patroa->GetRelativeEntropyBasis()));
}

int32_t TLXBaseDataClass::CompareWordsReverse(const void* word) {
  const TLXTextFunctions& f = Patroa->Funcs();
  void* copy = f.NewCopy(word);
  ReverseAWord(copy);
  const int32_t c = Sign(f.LocaleCompare(Patroa->GetLCID(), copy, freverse_word));
  f.Delete(copy);
  return c;
}

void TLXBaseDataClass::ComputeReversedBaseWord(const void* word) {
  const TLXTextFunctions& f = Patroa->Funcs();
  if (freverse_word) f.Delete(freverse_word);
  freverse_word = f.NewCopy(word);
  ReverseAWord(freverse_word);
}

void TLXBaseDataClass::ReverseAWord(void* buffer) const {
  ReverseAWord(buffer, Patroa->OperatingInUnicode());
}

void TLXBaseDataClass::ReverseAWord(void* buffer, bool isUnicode) {
  if (!buffer) return;
  if (!isUnicode) {
    char* p = static_cast<char*>(buffer);
    std::reverse(p, p + std::char_traits<char>::length(p));
    return;
  }
  auto* p = static_cast<char16_t*>(buffer);
  const std::size_t n = std::char_traits<char16_t>::length(p);
  std::reverse(p, p + n);
  // A pair reversed reads low-high; put each back as high-low.
  for (std::size_t i = 0; i + 1 < n; ++i) {
    if (p[i] >= 0xDC00 && p[i] <= 0xDFFF && p[i + 1] >= 0xD800 && p[i + 1] <= 0xDBFF) {
      std::swap(p[i], p[i + 1]);
      ++i;
    }
  }
}

// ---- private comparisons
// -----------------------------------------------------------------------------------

int32_t TLXBaseDataClass::PrivateSortDeletedUp(TLXBaseListObject* entry) {
  const TPrivateObj* e = PrivateOf(entry);
  const TPrivateObj* b = PrivateOf(fPrivateSortData.base[FSortStage]);
  return CompareFlags(e && e->fdetails.deleted, b && b->fdetails.deleted);
}

int32_t TLXBaseDataClass::PrivateSortJoinElsewhereUp(TLXBaseListObject* entry) {
  const TPrivateObj* e = PrivateOf(entry);
  const TPrivateObj* b = PrivateOf(fPrivateSortData.base[FSortStage]);
  return CompareFlags(e && e->fdetails.joined_elsewhere, b && b->fdetails.joined_elsewhere);
}

int32_t TLXBaseDataClass::PrivateSortMatchedUp(TLXBaseListObject* entry) {
  const TPrivateObj* e = PrivateOf(entry);
  const TPrivateObj* b = PrivateOf(fPrivateSortData.base[FSortStage]);
  return CompareFlags(e && e->fdetails.matched, b && b->fdetails.matched);
}

int32_t TLXBaseDataClass::PrivateSortJoinListUp(TLXBaseListObject* entry) {
  const TLXBaseListObject* base = fPrivateSortData.base[FSortStage];
  const int32_t e = entry ? entry->JoinCount() : 0;
  const int32_t b = base ? base->JoinCount() : 0;
  if (e == b) return 0;
  return e > b ? 1 : -1;
}

}  // namespace lx
