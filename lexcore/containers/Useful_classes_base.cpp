#include "lexcore/containers/Useful_classes_base.h"

#include <algorithm>
#include <cstdio>
#include <memory>

#include "lexcore/containers/Pointer_UTILS.h"
#include "lexcore/rtl/lx_atomicsave.h"
#include "lexcore/rtl/lx_exceptions.h"
#include "lexcore/rtl/lx_stablesort.h"
#include "lexcore/rtl/lx_strings.h"
#include "lexcore/rtl/lx_yield.h"

namespace lx {

uint8_t global_panic_state = 0;
int32_t global_string_safety_limit = 5000;

LX_RESOURCESTRING(_LXFileReadError, u"file read error : %s")

UnicodeString TextTooLongMessage(std::size_t length, int32_t limit) {
  return u"cannot save a text of " + IntToStr(static_cast<int64_t>(length)) + u" characters: the limit is " +
         IntToStr(limit);
}

namespace {

template <typename T>
int Cmp(T a, T b) {
  return a < b ? -1 : (b < a ? 1 : 0);
}

[[noreturn]] void RaiseReadAStringError() {
  UnicodeString text = _LXFileReadError.Text();
  const std::size_t at = text.find(u"%s");
  if (at != UnicodeString::npos) text.replace(at, 2, u"ReadAString");
  throw EReadError(text);
}

}  // namespace

int CompareLongints(int32_t a, int32_t b) {
  return Cmp(a, b);
}
int CompareCardinals(uint32_t a, uint32_t b) {
  return Cmp(a, b);
}
int CompareInt64s(int64_t a, int64_t b) {
  return Cmp(a, b);
}
int Compare16BitWords(uint16_t a, uint16_t b) {
  return Cmp(a, b);
}
int Compare16Bit(int16_t a, int16_t b) {
  return Cmp(a, b);
}
int CompareBytes(uint8_t a, uint8_t b) {
  return Cmp(a, b);
}
int CompareChars(WideChar a, WideChar b) {
  return Cmp(a, b);
}
int CompareSingles(single a, single b) {
  return Cmp(a, b);
}
int CompareDates(TDateTime a, TDateTime b) {
  return Cmp(b, a);
}
int CompareJulianDates(double a, double b) {
  return Cmp(b, a);
}

int Compare2Strings(std::u16string_view a, std::u16string_view b) {
  return CompareStr(a, b);
}

int Compare2StringsCaseInsensitively(std::u16string_view a, std::u16string_view b) {
  const UnicodeString ua = InvariantUpperCase(a), ub = InvariantUpperCase(b);
  if (ua == ub) return 0;
  return ua <= ub ? -1 : 1;
}

int ReversedComparisonInteger(int c) {
  return -c;
}

int CrudeStringComparison(const WideChar* a, const WideChar* b) {
  return ComparePchar(a, b);
}

int LCIDStringComparison(std::u16string_view a, std::u16string_view b, LCID lcid) {
  return CompareLocaleTexts(a, b, lcid);
}

int Compare2LongintRecs(const T2LongintRec& a, const T2LongintRec& b) {
  const int c = Cmp(a.l1, b.l1);
  return c != 0 ? c : Cmp(a.l2, b.l2);
}
int Compare2CardinalsCard1(const T2CardinalsRec& a, const T2CardinalsRec& b) {
  return Cmp(a.card1, b.card1);
}
int Compare2CardinalsCard2(const T2CardinalsRec& a, const T2CardinalsRec& b) {
  return Cmp(a.card2, b.card2);
}
int CompareIntAnd2CardinalsCard1(const TIntegerAnd2CardinalsRec& a, const TIntegerAnd2CardinalsRec& b) {
  return Cmp(a.card1, b.card1);
}
int CompareIntAnd2CardinalsCard2(const TIntegerAnd2CardinalsRec& a, const TIntegerAnd2CardinalsRec& b) {
  return Cmp(a.card2, b.card2);
}
int CompareIntAnd2CardinalsFreq(const TIntegerAnd2CardinalsRec& a, const TIntegerAnd2CardinalsRec& b) {
  return Cmp(a.freq, b.freq);
}
int CompareIntAnd3CardinalsCard1(const TIntegerAnd3CardinalsRec& a, const TIntegerAnd3CardinalsRec& b) {
  return Cmp(a.card1, b.card1);
}
int CompareIntAnd3CardinalsCard2(const TIntegerAnd3CardinalsRec& a, const TIntegerAnd3CardinalsRec& b) {
  return Cmp(a.card2, b.card2);
}
int CompareIntAnd3CardinalsCard3(const TIntegerAnd3CardinalsRec& a, const TIntegerAnd3CardinalsRec& b) {
  return Cmp(a.card3, b.card3);
}
int CompareIntAnd3CardinalsFreq(const TIntegerAnd3CardinalsRec& a, const TIntegerAnd3CardinalsRec& b) {
  return Cmp(a.freq, b.freq);
}

void ExchangeTwoIntegers(int32_t& a, int32_t& b) {
  std::swap(a, b);
}
void ExchangeTwoStrings(UnicodeString& a, UnicodeString& b) {
  a.swap(b);
}
void ExchangeTwoPointers(void*& a, void*& b) {
  std::swap(a, b);
}

bool WriteAString(TStream& Stream, std::u16string_view s) {
  return WriteAString(Stream, s, global_string_safety_limit);
}

bool WriteAString(TStream& Stream, std::u16string_view s, int32_t max) {
  if (s.size() > static_cast<std::size_t>(std::max<int32_t>(max, 0))) return false;
  try {
    const int32_t n = static_cast<int32_t>(s.size());
    WriteLE(Stream, n);
    if (n > 0) Stream.WriteBuffer(s.data(), 2 * static_cast<int64_t>(n));
  } catch (const Exception&) {
    return false;
  }
  return true;
}

UnicodeString ReadAString(TStream& Stream) {
  return ReadAString(Stream, global_string_safety_limit);
}

UnicodeString ReadAString(TStream& Stream, int32_t max) {
  int32_t n = 0;
  Stream.ReadBuffer(&n, 4);
  if (n < 0 || n > max || 2 * static_cast<int64_t>(n) > Stream.Remaining()) RaiseReadAStringError();
  UnicodeString s(static_cast<std::size_t>(n), u'\0');
  if (n > 0) Stream.ReadBuffer(s.data(), 2 * static_cast<int64_t>(n));
  return s;
}

// ---------------------------------------------------------------------------------------------------------

bool TUsefulBaseListObject::ReadFromStream(TStream&) {
  return true;
}
bool TUsefulBaseListObject::SaveToStream(TStream&) {
  return true;
}

TUsefulBaseList::TUsefulBaseList(TUsefulBaseListObjectClass itemClass) : ItemClass(std::move(itemClass)) {}

TUsefulBaseList::~TUsefulBaseList() {
  for (TUsefulBaseListObject* p : fList) delete p;
}

TUsefulBaseListObject* TUsefulBaseList::Items(int32_t index) const {
  if (index < 0 || index >= Count())
    throw EListError(U("List index out of bounds (") + IntToStr(index) + u")");
  return fList[static_cast<std::size_t>(index)];
}

int32_t TUsefulBaseList::Add(TUsefulBaseListObject* item) {
  return Add(std::unique_ptr<TUsefulBaseListObject>(item));
}

int32_t TUsefulBaseList::Add(std::unique_ptr<TUsefulBaseListObject> item) {
  fList.push_back(item.get());
  item.release();
  return Count() - 1;
}

void TUsefulBaseList::Insert(int32_t index, TUsefulBaseListObject* item) {
  std::unique_ptr<TUsefulBaseListObject> owned(item);
  if (index < 0 || index > Count())
    throw EListError(U("List index out of bounds (") + IntToStr(index) + u")");
  fList.insert(fList.begin() + index, item);
  owned.release();
}

void TUsefulBaseList::Exchange(int32_t index1, int32_t index2) {
  Items(index1);
  Items(index2);
  std::swap(fList[static_cast<std::size_t>(index1)], fList[static_cast<std::size_t>(index2)]);
}

void TUsefulBaseList::Pack() {
  std::erase(fList, nullptr);
}

bool TUsefulBaseList::IndexAssignedOK(int32_t index) const {
  return index >= 0 && index < Count() && fList[static_cast<std::size_t>(index)] != nullptr;
}

void TUsefulBaseList::Clear() {
  ReduceTo(0);
  fList.clear();
  CurrentItem = nullptr;
}

void TUsefulBaseList::ReduceTo(int32_t n) {
  for (int32_t i = Count() - 1; i >= std::max(n, 0); --i)
    if (fList[static_cast<std::size_t>(i)]) FreeAndNilOne(i);
  Pack();
}

int TUsefulBaseList::ComparedValues(int32_t, int32_t) {
  return -1;
}

void TUsefulBaseList::FreeAndNilOne(int32_t index) {
  if (index < 0 || index >= Count()) return;
  auto& slot = fList[static_cast<std::size_t>(index)];
  if (slot == CurrentItem) CurrentItem = nullptr;
  delete slot;
  slot = nullptr;
}

void TUsefulBaseList::Delete(int32_t index) {
  Items(index);
  FreeAndNilOne(index);
  fList.erase(fList.begin() + index);
}

int32_t TUsefulBaseList::AssignedCount(int32_t n) const {
  n = std::clamp(n, 0, Count());
  return static_cast<int32_t>(std::count_if(fList.begin(), fList.begin() + n, [](auto* p) { return p; }));
}

bool TUsefulBaseList::ReadCheckedCount(TStream& Stream, int32_t& n) {
  try {
    if (!ReadLE(Stream, n) || n < 0) return false;
    int64_t each = 1;
    if (ItemClass) {
      std::unique_ptr<TUsefulBaseListObject> probe(ItemClass());
      if (probe) each = std::max<int64_t>(1, probe->MinimalStreamSize());
    }
    return static_cast<int64_t>(n) * each <= Stream.Remaining();
  } catch (const Exception&) {
    return false;
  }
}

bool TUsefulBaseList::ReadFromStream(TStream& Stream) {
  int32_t n = 0;
  return ReadCheckedCount(Stream, n) && LoadTheInstances(Stream, n);
}

bool TUsefulBaseList::SaveToStream(TStream& Stream) {
  fLastSaveError.clear();
  try {
    WriteLE(Stream, AssignedCount(Count()));
  } catch (const Exception& e) {
    fLastSaveError = e.Message;
    return false;
  }
  return SaveTheInstances(Stream, Count());
}

bool TUsefulBaseList::LoadTheInstances(TStream& Stream, int32_t n) {
  if (!ItemClass) return n <= 0;
  for (int32_t i = 0; i < n; ++i) {
    MyYieldProcess();
    std::unique_ptr<TUsefulBaseListObject> item(ItemClass());
    bool ok = false;
    try {
      ok = item && item->ReadFromStream(Stream);
    } catch (const Exception&) {
      ok = false;
    }
    if (!ok) return false;
    Add(item.release());
  }
  return true;
}

bool TUsefulBaseList::SaveTheInstances(TStream& Stream, int32_t n) {
  n = std::clamp(n, 0, Count());
  for (int32_t i = 0; i < n; ++i) {
    MyYieldProcess();
    TUsefulBaseListObject* item = fList[static_cast<std::size_t>(i)];
    if (!item) continue;
    bool ok = false;
    try {
      ok = item->SaveToStream(Stream);
    } catch (const Exception& e) {
      fLastSaveError = u"item " + IntToStr(i) + u": " + e.Message;
      ok = false;
    }
    if (!ok) {
      if (fLastSaveError.empty()) {
        const UnicodeString why = item->SaveRefusal();
        fLastSaveError =
            u"item " + IntToStr(i) + u": " + (why.empty() ? UnicodeString(u"write failed") : why);
      }
      return false;
    }
  }
  return true;
}

bool TUsefulBaseList::LoadFromFile(const UnicodeString& name) {
  try {
    TFileStream f(name, fmOpenRead | fmShareDenyNone);
    return ReadFromStream(f);
  } catch (const Exception&) {
    return false;
  }
}

bool TUsefulBaseList::SaveToFile(const UnicodeString& name) {
  // Built in memory first, so a list that refuses to save leaves the file alone.
  try {
    TMemoryStream m;
    if (!SaveToStream(m)) return false;
    SaveFileDurably(name, m.Memory(), static_cast<std::size_t>(m.GetSize()));
    return true;
  } catch (const Exception& e) {
    fLastSaveError = e.Message;
    return false;
  }
}

// ---------------------------------------------------------------------------------------------------------

void TUsefulBaseListSorts::Sort(const TUsefulListSortCompare& compare) {
  Pack();
  if (compare) StableMergeSort(fList, [&](auto* a, auto* b) { return compare(a, b) < 0; });
  fSorted = 1;
}

void TUsefulBaseListSorts::RemoveDuplicates() {
  int32_t first = 0;
  while (first < Count()) {
    if (!fList[static_cast<std::size_t>(first)]) {
      ++first;
      continue;
    }
    int32_t k = first + 1;
    while (k < Count() && fList[static_cast<std::size_t>(k)] && ComparedValues(first, k) == 0) {
      FreeAndNilOne(k);
      ++k;
    }
    first = k;
  }
  Pack();
}

void TUsefulBaseListSorts::ReverseTheSort() {
  std::reverse(fList.begin(), fList.end());
}

void TUsefulBaseListSorts::Clear() {
  TUsefulBaseList::Clear();
  fSorted = 0;
}

bool TUsefulBaseListSorts::ReadFromStream(TStream& Stream) {
  int32_t n = 0;
  if (!ReadCheckedCount(Stream, n)) return false;
  try {
    if (!ReadLE(Stream, fSorted)) return false;
  } catch (const Exception&) {
    return false;
  }
  return LoadTheInstances(Stream, n);
}

bool TUsefulBaseListSorts::SaveToStream(TStream& Stream) {
  try {
    WriteLE(Stream, AssignedCount(Count()));
    WriteLE(Stream, fSorted);
  } catch (const Exception&) {
    return false;
  }
  return SaveTheInstances(Stream, Count());
}

// ---------------------------------------------------------------------------------------------------------

bool TMultiLongintHolder::ReadFromStream(TStream& Stream) {
  std::vector<int32_t> v(fdata.size());
  try {
    if (Stream.Read(v.data(), 4 * static_cast<int64_t>(v.size())) != 4 * static_cast<int64_t>(v.size()))
      return false;
  } catch (const Exception&) {
    return false;
  }
  fdata.swap(v);
  return true;
}

bool TMultiLongintHolder::SaveToStream(TStream& Stream) {
  try {
    Stream.WriteBuffer(fdata.data(), 4 * static_cast<int64_t>(fdata.size()));
  } catch (const Exception&) {
    return false;
  }
  return true;
}

TMultiLongintList::TMultiLongintList(TMultiLongintSize n)
    : TUsefulBaseListSorts([n] { return new TMultiLongintHolder(n); }), fWidth(n < 1 ? 1 : n) {}

TMultiLongintHolder* TMultiLongintList::Holder(int32_t index) const {
  return IndexAssignedOK(index) ? static_cast<TMultiLongintHolder*>(fList[static_cast<std::size_t>(index)])
                                : nullptr;
}

namespace {
TMultiLongintHolder* NewTuple(int32_t width, std::span<const int32_t> values) {
  auto* h = new TMultiLongintHolder(width);
  std::copy_n(values.begin(), std::min<std::size_t>(values.size(), h->fdata.size()), h->fdata.begin());
  return h;
}
}  // namespace

int32_t TMultiLongintList::AddOne(std::span<const int32_t> values) {
  fSorted = 0;
  return Add(NewTuple(fWidth, values));
}

void TMultiLongintList::InsertOne(int32_t index, std::span<const int32_t> values) {
  fSorted = 0;
  Insert(std::clamp(index, 0, Count()), NewTuple(fWidth, values));
}

int32_t TMultiLongintList::GetAValue(int32_t index, int32_t k) const {
  TMultiLongintHolder* h = Holder(index);
  if (!h || k < 0 || k >= fWidth) return kUnassignedLongint;
  return h->fdata[static_cast<std::size_t>(k)];
}

void TMultiLongintList::SetAValue(int32_t index, int32_t k, int32_t value) {
  TMultiLongintHolder* h = Holder(index);
  if (!h || k < 0 || k >= fWidth) return;
  h->fdata[static_cast<std::size_t>(k)] = value;
  if (k == 0) fSorted = 0;
}

void TMultiLongintList::IncOne(int32_t index, int32_t k) {
  AddToOneFreq(index, k, 1);
}

void TMultiLongintList::AddToOneFreq(int32_t index, int32_t k, int32_t d) {
  TMultiLongintHolder* h = Holder(index);
  if (!h || k < 0 || k >= fWidth) return;
  auto& v = h->fdata[static_cast<std::size_t>(k)];
  v = static_cast<int32_t>(static_cast<uint32_t>(v) + static_cast<uint32_t>(d));
  if (k == 0 && d != 0) fSorted = 0;
}

int32_t TMultiLongintList::LongIndexOf(std::span<const int32_t> values) const {
  for (int32_t i = 0; i < Count(); ++i) {
    TMultiLongintHolder* h = Holder(i);
    if (h && values.size() >= h->fdata.size() && std::equal(h->fdata.begin(), h->fdata.end(), values.begin()))
      return i;
  }
  return -1;
}

void TMultiLongintList::SortOnColumns(std::initializer_list<int32_t> keys, bool ascending) {
  for (int32_t k : keys)
    if (k < 0 || k >= fWidth) return;
  Pack();
  StableMergeSort(fList, [&](TUsefulBaseListObject* a, TUsefulBaseListObject* b) {
    const auto& x = static_cast<TMultiLongintHolder*>(a)->fdata;
    const auto& y = static_cast<TMultiLongintHolder*>(b)->fdata;
    for (int32_t k : keys) {
      const int c = Cmp(x[static_cast<std::size_t>(k)], y[static_cast<std::size_t>(k)]);
      if (c != 0) return ascending ? c < 0 : c > 0;
    }
    return false;
  });
  // Find and the sorted insertion rely on ascending order of the first value.
  fSorted = (ascending && *keys.begin() == 0) ? 1 : 0;
}

void TMultiLongintList::SingleSort(int32_t k1, bool ascending) {
  SortOnColumns({k1}, ascending);
}
void TMultiLongintList::DoubleSort(int32_t k1, int32_t k2, bool ascending) {
  SortOnColumns({k1, k2}, ascending);
}
void TMultiLongintList::TripleSort(int32_t k1, int32_t k2, int32_t k3, bool ascending) {
  SortOnColumns({k1, k2, k3}, ascending);
}

int64_t TMultiLongintList::TotalOf(int32_t k) const {
  int64_t total = 0;
  for (int32_t i = 0; i < Count(); ++i)
    if (TMultiLongintHolder* h = Holder(i); h && k >= 0 && k < fWidth)
      total += h->fdata[static_cast<std::size_t>(k)];
  return total;
}

std::vector<int32_t> TMultiLongintList::ToArrayOfInteger(int32_t k) const {
  std::vector<int32_t> out;
  out.reserve(fList.size());
  for (int32_t i = 0; i < Count(); ++i) out.push_back(GetAValue(i, k));
  return out;
}

int TMultiLongintList::ComparedValues(int32_t i, int32_t j) {
  TMultiLongintHolder *a = Holder(i), *b = Holder(j);
  if (!a || !b) return -1;
  for (std::size_t k = 0; k < a->fdata.size(); ++k)
    if (const int c = Cmp(a->fdata[k], b->fdata[k]); c != 0) return c;
  return 0;
}

// ---------------------------------------------------------------------------------------------------------

int32_t T1LongintList::Find(int32_t v) {
  fLastProbe = -1;
  int32_t lo = 0, hi = Count() - 1;
  while (lo <= hi) {
    MyYieldProcess();
    const int32_t mid = lo + (hi - lo) / 2;
    fLastProbe = mid;
    const int c = Cmp(GetAValue(mid), v);
    if (c == 0) return mid;
    if (c < 0)
      lo = mid + 1;
    else
      hi = mid - 1;
  }
  return -1;
}

int32_t T1LongintList::AddOne(int32_t v) {
  const int32_t values[1] = {v};
  if (!Sorted()) {
    Add(NewTuple(1, values));
    return Count() - 1;
  }
  int32_t at = Find(v);
  if (at < 0) at = fLastProbe < 0 ? Count() : (GetAValue(fLastProbe) <= v ? fLastProbe + 1 : fLastProbe);
  Insert(at, NewTuple(1, values));
  return at;
}

bool T1LongintList::FindAndFree(int32_t v) {
  const int32_t at = Sorted() ? Find(v) : LongIndexOf(std::span<const int32_t>(&v, 1));
  if (at < 0) return false;
  Delete(at);
  return true;
}

void T1LongintList::SetAValue(int32_t index, int32_t v) {
  if (!IndexAssignedOK(index)) return;
  const bool keep = Sorted();
  Holder(index)->fdata[0] = v;
  const bool inOrder = (index == 0 || !IndexAssignedOK(index - 1) || GetAValue(index - 1) <= v) &&
                       (index + 1 >= Count() || !IndexAssignedOK(index + 1) || v <= GetAValue(index + 1));
  SetSorted(keep && inOrder);
}

void T1LongintList::AddToValue(int32_t index, int32_t d) {
  if (IndexAssignedOK(index))
    SetAValue(index,
              static_cast<int32_t>(static_cast<uint32_t>(GetAValue(index)) + static_cast<uint32_t>(d)));
}

void T1LongintList::InsertOne(int32_t index, int32_t v) {
  const int32_t values[1] = {v};
  TMultiLongintList::InsertOne(index, values);
}

T1LongintList* T1LongintList::GetACopyOfSelf() const {
  auto* copy = new T1LongintList();
  for (int32_t i = 0; i < Count(); ++i)
    if (IndexAssignedOK(i)) copy->Add(NewTuple(1, Holder(i)->fdata));
  copy->fSorted = fSorted;
  return copy;
}

}  // namespace lx
