// The container toolkit's base: the process-wide cancel level, counted strings on streams, value comparisons,
// owned lists of small holder objects that stream themselves, and the fixed-width integer tuple lists.
#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <span>
#include <vector>

#include "lexcore/rtl/lx_object.h"
#include "lexcore/rtl/lx_resources.h"
#include "lexcore/rtl/lx_streams.h"
#include "lexcore/rtl/lx_types.h"

namespace lx {

// 0 run, 1 stop secondary loops, 2 or more stop everything. Raised by Stop operations, reset by whoever
// starts a long operation.
extern uint8_t global_panic_state;
// The longest text (in UTF-16 units) that ReadAString accepts by default.
extern int32_t global_string_safety_limit;
// The longest text a holder list or a saved string list stores: far beyond any word, line or category, yet
// small enough that a corrupt count cannot ask for a huge allocation.
constexpr int32_t kListTextLimit = 1048576;
// The message of a save refused because a text is longer than limit.
UnicodeString TextTooLongMessage(std::size_t length, int32_t limit);

LX_DECLARE_RESOURCESTRING(_LXFileReadError)  // "file read error : %s"

// -1, 0, 1 for a < b, a = b, a > b.
int CompareLongints(int32_t a, int32_t b);
int CompareCardinals(uint32_t a, uint32_t b);
int CompareInt64s(int64_t a, int64_t b);
int Compare16BitWords(uint16_t a, uint16_t b);
int Compare16Bit(int16_t a, int16_t b);
int CompareBytes(uint8_t a, uint8_t b);
int CompareChars(WideChar a, WideChar b);
int CompareSingles(single a, single b);
// Later dates sort first: -1 when a is later, 1 when a is earlier.
int CompareDates(TDateTime a, TDateTime b);
int CompareJulianDates(double a, double b);
// Ordinal comparison of the UTF-16 units, -1, 0 or 1.
int Compare2Strings(std::u16string_view a, std::u16string_view b);
// 0 when equal ignoring case, else -1 when the upper-cased a is not greater than the upper-cased b, else 1.
int Compare2StringsCaseInsensitively(std::u16string_view a, std::u16string_view b);
int ReversedComparisonInteger(int c);
// The platform's ordinal comparison of zero-terminated texts (null counts as empty).
int CrudeStringComparison(const WideChar* a, const WideChar* b);
// By the rules of the locale lcid (with the flags in my_default_sort), -1, 0 or 1; ordinal when the platform
// cannot compare.
int LCIDStringComparison(std::u16string_view a, std::u16string_view b, LCID lcid);

struct T2LongintRec {
  int32_t l1 = 0;
  int32_t l2 = 0;
};
struct T2CardinalsRec {
  uint32_t card1 = 0;
  uint32_t card2 = 0;
};
struct TIntegerAnd2CardinalsRec {
  int32_t freq = 0;
  uint32_t card1 = 0;
  uint32_t card2 = 0;
};
struct TIntegerAnd3CardinalsRec {
  int32_t freq = 0;
  uint32_t card1 = 0;
  uint32_t card2 = 0;
  uint32_t card3 = 0;
};
static_assert(sizeof(T2LongintRec) == 8 && sizeof(T2CardinalsRec) == 8);
static_assert(sizeof(TIntegerAnd2CardinalsRec) == 12 && sizeof(TIntegerAnd3CardinalsRec) == 16);

// l1, then l2.
int Compare2LongintRecs(const T2LongintRec& a, const T2LongintRec& b);
int Compare2CardinalsCard1(const T2CardinalsRec& a, const T2CardinalsRec& b);
int Compare2CardinalsCard2(const T2CardinalsRec& a, const T2CardinalsRec& b);
int CompareIntAnd2CardinalsCard1(const TIntegerAnd2CardinalsRec& a, const TIntegerAnd2CardinalsRec& b);
int CompareIntAnd2CardinalsCard2(const TIntegerAnd2CardinalsRec& a, const TIntegerAnd2CardinalsRec& b);
int CompareIntAnd2CardinalsFreq(const TIntegerAnd2CardinalsRec& a, const TIntegerAnd2CardinalsRec& b);
int CompareIntAnd3CardinalsCard1(const TIntegerAnd3CardinalsRec& a, const TIntegerAnd3CardinalsRec& b);
int CompareIntAnd3CardinalsCard2(const TIntegerAnd3CardinalsRec& a, const TIntegerAnd3CardinalsRec& b);
int CompareIntAnd3CardinalsCard3(const TIntegerAnd3CardinalsRec& a, const TIntegerAnd3CardinalsRec& b);
int CompareIntAnd3CardinalsFreq(const TIntegerAnd3CardinalsRec& a, const TIntegerAnd3CardinalsRec& b);

void ExchangeTwoIntegers(int32_t& a, int32_t& b);
void ExchangeTwoStrings(UnicodeString& a, UnicodeString& b);
void ExchangeTwoPointers(void*& a, void*& b);

// Signed 32-bit count of UTF-16 units, then the units. False (nothing written) when the text is longer than
// max, so that nothing is written that ReadAString with the same limit would refuse; false on a stream error.
bool WriteAString(TStream& Stream, std::u16string_view s);
bool WriteAString(TStream& Stream, std::u16string_view s, int32_t max);
// Raises EReadError "file read error : ReadAString" for a count outside 0..max (or beyond the bytes left),
// and EReadError from the stream on a short read.
UnicodeString ReadAString(TStream& Stream);
UnicodeString ReadAString(TStream& Stream, int32_t max);
// Bytes that WriteAString writes for s.
inline int64_t StoredStringSize(std::u16string_view s) {
  return 4 + 2 * static_cast<int64_t>(s.size());
}

// The root holder: one value that can stream itself.
class TUsefulBaseListObject : public TObject {
 public:
  virtual bool ReadFromStream(TStream& Stream);
  virtual bool SaveToStream(TStream& Stream);
  // The fewest bytes one stored item takes; lists check stored counts against it.
  virtual int32_t MinimalStreamSize() const { return 0; }
  // Why SaveToStream would refuse this item (a text too long for its stored form); empty when it would not.
  virtual UnicodeString SaveRefusal() const { return {}; }
};

// What a list creates when it loads an item ("item class").
using TUsefulBaseListObjectClass = std::function<TUsefulBaseListObject*()>;
template <typename T>
TUsefulBaseListObjectClass ItemClassOf() {
  return [] { return new T(); };
}

// A pointer list that owns its items. Slots may be empty (nullptr) between FreeAndNilOne and a pack.
class TUsefulBaseList : public TObject {
 public:
  explicit TUsefulBaseList(TUsefulBaseListObjectClass itemClass = ItemClassOf<TUsefulBaseListObject>());
  ~TUsefulBaseList() override;
  TUsefulBaseList(const TUsefulBaseList&) = delete;
  TUsefulBaseList& operator=(const TUsefulBaseList&) = delete;

  int32_t Count() const { return static_cast<int32_t>(fList.size()); }
  // The item at index (nullptr for an empty slot); raises EListError outside the list.
  TUsefulBaseListObject* Items(int32_t index) const;
  // Takes ownership, also when the add fails.
  int32_t Add(TUsefulBaseListObject* item);
  int32_t Add(std::unique_ptr<TUsefulBaseListObject> item);
  void Insert(int32_t index, TUsefulBaseListObject* item);
  void Exchange(int32_t index1, int32_t index2);
  // Drops empty slots.
  void Pack();

  bool IndexAssignedOK(int32_t index) const;
  virtual void Clear();
  // Frees every item from the last down to index n, then drops the empty slots.
  void ReduceTo(int32_t n);
  // The comparison RemoveDuplicates and the default sorts use; the base knows no order.
  virtual int ComparedValues(int32_t i, int32_t j);
  // Frees the item; the slot stays, empty.
  virtual void FreeAndNilOne(int32_t index);
  // Frees the item and removes its slot.
  virtual void Delete(int32_t index);

  virtual bool ReadFromStream(TStream& Stream);
  virtual bool SaveToStream(TStream& Stream);
  bool LoadFromFile(const UnicodeString& name);
  bool SaveToFile(const UnicodeString& name);
  // Appends n items read with the item class; stops at the first that fails (which is not kept).
  bool LoadTheInstances(TStream& Stream, int32_t n);
  // Saves the first n slots' items (empty slots are skipped: the count written excludes them).
  bool SaveTheInstances(TStream& Stream, int32_t n);
  // Why the last failed save failed (empty after a save that succeeded).
  const UnicodeString& LastSaveError() const { return fLastSaveError; }

  TUsefulBaseListObjectClass ItemClass;
  TUsefulBaseListObject* CurrentItem = nullptr;

 protected:
  // Reads a stored count and checks it against the bytes that remain.
  bool ReadCheckedCount(TStream& Stream, int32_t& n);
  int32_t AssignedCount(int32_t n) const;

  std::vector<TUsefulBaseListObject*> fList;
  UnicodeString fLastSaveError;
};

using TUsefulListSortCompare = std::function<int(TUsefulBaseListObject* Item1, TUsefulBaseListObject* Item2)>;

class TUsefulBaseListSorts : public TUsefulBaseList {
 public:
  using TUsefulBaseList::TUsefulBaseList;

  // Packs empty slots away, sorts by compare and flags the list sorted.
  void Sort(const TUsefulListSortCompare& compare);
  // Frees all but the first of each run of neighbours that ComparedValues reports equal to the run's first.
  void RemoveDuplicates();
  void ReverseTheSort();

  bool Sorted() const { return fSorted != 0; }
  void SetSorted(bool value) { fSorted = value ? 1 : 0; }
  void Clear() override;

  // Count, the sorted flag (one byte), then the items.
  bool ReadFromStream(TStream& Stream) override;
  bool SaveToStream(TStream& Stream) override;

 protected:
  uint8_t fSorted = 0;
};

// Holders of fixed-size numeric records: the record's bytes as they lie (no padding in any of them).
template <typename R>
class TRecordHolder : public TUsefulBaseListObject {
 public:
  TRecordHolder() = default;
  explicit TRecordHolder(const R& value) : fdata(value) {}
  bool ReadFromStream(TStream& Stream) override {
    R r{};
    try {
      if (!ReadLE(Stream, r)) return false;
    } catch (const Exception&) {
      return false;
    }
    fdata = r;
    return true;
  }
  bool SaveToStream(TStream& Stream) override {
    try {
      WriteLE(Stream, fdata);
    } catch (const Exception&) {
      return false;
    }
    return true;
  }
  int32_t MinimalStreamSize() const override { return static_cast<int32_t>(sizeof(R)); }

  R fdata{};
};

#define LX_RECORD_HOLDER(Name, Rec)        \
  class Name : public TRecordHolder<Rec> { \
   public:                                 \
    using TRecordHolder::TRecordHolder;    \
  };

LX_RECORD_HOLDER(TLongIntHolder, int32_t)
LX_RECORD_HOLDER(TSmallIntHolder, int16_t)
LX_RECORD_HOLDER(TPublicIntegerHolder, int32_t)
LX_RECORD_HOLDER(TCardinalHolder, uint32_t)
LX_RECORD_HOLDER(TInt64Holder, int64_t)
LX_RECORD_HOLDER(TSingleHolder, single)
LX_RECORD_HOLDER(TDateTimeHolder, TDateTime)
LX_RECORD_HOLDER(TTwoLongIntHolder, T2LongintRec)

// N 32-bit integers; the width is the owning list's and is not stored with the item.
class TMultiLongintHolder : public TUsefulBaseListObject {
 public:
  explicit TMultiLongintHolder(int32_t n) : fdata(static_cast<std::size_t>(n < 1 ? 1 : n), 0) {}
  bool ReadFromStream(TStream& Stream) override;
  bool SaveToStream(TStream& Stream) override;
  int32_t MinimalStreamSize() const override { return static_cast<int32_t>(4 * fdata.size()); }

  std::vector<int32_t> fdata;
};

using TMultiLongintSize = int32_t;
// What GetAValue answers for an index that holds no item.
constexpr int32_t kUnassignedLongint = -999999;

class TMultiLongintList : public TUsefulBaseListSorts {
 public:
  explicit TMultiLongintList(TMultiLongintSize n);

  TMultiLongintSize Width() const { return fWidth; }
  // Appends values (missing ones are 0, extra ones ignored); clears the sorted flag. Returns the index.
  int32_t AddOne(std::span<const int32_t> values);
  int32_t AddOne(std::initializer_list<int32_t> values) {
    return AddOne(std::span(values.begin(), values.size()));
  }
  void InsertOne(int32_t index, std::span<const int32_t> values);
  // Value k of item index; -999999 when the index holds no item or k is outside the width.
  int32_t GetAValue(int32_t index, int32_t k) const;
  void SetAValue(int32_t index, int32_t k, int32_t value);
  void IncOne(int32_t index, int32_t k);
  void AddToOneFreq(int32_t index, int32_t k, int32_t d);
  // First item whose values all equal values; -1 when none.
  int32_t LongIndexOf(std::span<const int32_t> values) const;
  // Sorts on one, two or three value columns (ties kept in order).
  void SingleSort(int32_t k1, bool ascending = true);
  void DoubleSort(int32_t k1, int32_t k2, bool ascending = true);
  void TripleSort(int32_t k1, int32_t k2, int32_t k3, bool ascending = true);
  int64_t TotalOf(int32_t k) const;
  std::vector<int32_t> ToArrayOfInteger(int32_t k) const;
  bool WithinRange(int32_t index) const { return index >= 0 && index < Count(); }
  // Column-wise, from the first value.
  int ComparedValues(int32_t i, int32_t j) override;

 protected:
  TMultiLongintHolder* Holder(int32_t index) const;
  void SortOnColumns(std::initializer_list<int32_t> keys, bool ascending);

  TMultiLongintSize fWidth;
};

// One integer per item, kept in ascending order while flagged sorted.
class T1LongintList : public TMultiLongintList {
 public:
  T1LongintList() : TMultiLongintList(1) {}

  using TMultiLongintList::AddOne;
  using TMultiLongintList::GetAValue;
  using TMultiLongintList::InsertOne;
  using TMultiLongintList::SetAValue;
  // Sorted: next to an equal value, else where the last bisection probe says; unsorted: appended.
  int32_t AddOne(int32_t v);
  // Bisection over an ascending list; the index of an equal value or -1.
  int32_t Find(int32_t v);
  // Deletes the item found for v; false when there is none.
  bool FindAndFree(int32_t v);
  int32_t GetAValue(int32_t index) const { return GetAValue(index, 0); }
  // Clears the sorted flag when the new value breaks the order.
  void SetAValue(int32_t index, int32_t v);
  void AddToValue(int32_t index, int32_t d);
  void InsertOne(int32_t index, int32_t v);
  // A new list with the same values and flag; the caller owns it.
  T1LongintList* GetACopyOfSelf() const;

 private:
  int32_t fLastProbe = -1;
};

#define LX_N_LONGINT_LIST(Name, N)        \
  class Name : public TMultiLongintList { \
   public:                                \
    Name() : TMultiLongintList(N) {}      \
  };
LX_N_LONGINT_LIST(T2LongintList, 2)
LX_N_LONGINT_LIST(T3LongintList, 3)
LX_N_LONGINT_LIST(T4LongintList, 4)
LX_N_LONGINT_LIST(T5LongintList, 5)
LX_N_LONGINT_LIST(T6LongintList, 6)

}  // namespace lx
