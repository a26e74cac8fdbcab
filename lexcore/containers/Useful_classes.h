// The container toolkit: holders of the system's small records, typed lists over them, string lists with a
// holder attached to every string, the search-word flag marks with the simple search list, and the file list
// that stores each folder once.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>

#include "lexcore/containers/Useful_classes_base.h"
#include "lexcore/files/MySearchRec.h"
#include "lexcore/rtl/lx_list.h"
#include "lexcore/rtl/lx_stringlist.h"
#include "lexcore/search/search_types.h"

namespace lx {

// ---- records ----------------------------------------------------------------------------------------------

// Two pointers, in memory only: the stored form holds two zero 32-bit slots.
struct TDoublePointerRec {
  void* p1 = nullptr;
  void* p2 = nullptr;
};
struct TIntegerAndSingleRec {
  int32_t i = 0;
  single s = 0;
};
struct T2IntsAndSingleRec {
  int32_t i1 = 0;
  int32_t i2 = 0;
  single s = 0;
};
struct T2LongIntAndSingleRec {
  int32_t l1 = 0;
  int32_t l2 = 0;
  single s = 0;
};
struct T3LongIntAndSingleRec {
  int32_t l1 = 0;
  int32_t l2 = 0;
  int32_t l3 = 0;
  single s = 0;
};
struct TCardinalAndFreqRec {
  uint32_t card = 0;
  int32_t freq = 0;
};
static_assert(sizeof(TIntegerAndSingleRec) == 8 && sizeof(T2IntsAndSingleRec) == 12);
static_assert(sizeof(T2LongIntAndSingleRec) == 12 && sizeof(T3LongIntAndSingleRec) == 16);
static_assert(sizeof(TCardinalAndFreqRec) == 8);

struct TWordFreqAndSourceNumRec {
  UnicodeString word;
  int32_t freq = 0;
  int32_t source_num = 0;
};
struct TStringAndIntegerRec {
  UnicodeString s;
  int32_t i = 0;
};
struct TStringAndMeanAndSD_rec {
  UnicodeString s;
  double mean = 0;
  double sd = 0;
};
struct T2StringsAnd2IntegersRec {
  UnicodeString s1;
  UnicodeString s2;
  int32_t i1 = 0;
  int32_t i2 = 0;
};
struct TStringTrueColumnAndColourRec {
  int32_t true_column_number = 0;  // the column in the list's own numbering
  int32_t background_colour = 0;   // RGB; 0 = none
  UnicodeString s;                 // the category string
};

struct TWordAndSearchFlags {
  UnicodeString word;
  TMySearchFlags flags;
};
struct TSearchContextRec {
  TWordAndSearchFlags mainwd;
  int32_t n_wanted = 0;  // hits wanted
  std::array<TWordAndSearchFlags, 2> context_words;
  int32_t context_seek_span = 0;
  int32_t otherSWs_required = 0;
};
struct TSimpleSearchSettings {
  int32_t default_contextword_span = 0;
  int32_t markup_search_span = 0;
};
TSimpleSearchSettings DefaultSimpleSearchSettings();

struct TMySimpleSearchRec {
  TDateTime DateTime = 0;
  int32_t Size = 0;
  int32_t folder_number = 0;  // index of the file's folder in the owning list's folders
  UnicodeString ShortName;    // the file name without folder
};
enum TMySimpleSearchRecSort : uint8_t { ss_none, ss_date, ss_size, ss_folder, ss_shortname };

void ExchangeTwo2LongintRecs(T2LongintRec& a, T2LongintRec& b);
void ExchangeTwoSimpleSearchRecs(TMySimpleSearchRec& a, TMySimpleSearchRec& b);

// ---- holders ----------------------------------------------------------------------------------------------

LX_RECORD_HOLDER(TIntegerAndSingleHolder, TIntegerAndSingleRec)
LX_RECORD_HOLDER(T2IntsAndSingleHolder, T2IntsAndSingleRec)
LX_RECORD_HOLDER(T2LongIntAndSingleHolder, T2LongIntAndSingleRec)
LX_RECORD_HOLDER(T3LongIntAndSingleHolder, T3LongIntAndSingleRec)
LX_RECORD_HOLDER(TIntegerAnd3CardinalsHolder, TIntegerAnd3CardinalsRec)
LX_RECORD_HOLDER(TCardinalAndFreqHolder, TCardinalAndFreqRec)

// Holders whose records hold texts or pointers write their fields one by one (texts as counted strings). A
// save that would write a text longer than kListTextLimit writes nothing and answers false; SaveRefusal
// says why.
#define LX_FIELD_HOLDER(Name, Rec)                    \
  class Name : public TUsefulBaseListObject {         \
   public:                                            \
    Name() = default;                                 \
    explicit Name(const Rec& value) : fdata(value) {} \
    bool ReadFromStream(TStream& Stream) override;    \
    bool SaveToStream(TStream& Stream) override;      \
    int32_t MinimalStreamSize() const override;       \
    UnicodeString SaveRefusal() const override;       \
    static auto Fields(Rec& r); /* stored order */    \
    Rec fdata{};                                      \
  };

LX_FIELD_HOLDER(TDoublePointerHolder, TDoublePointerRec)
LX_FIELD_HOLDER(TWordFreqAndSourceNumHolder, TWordFreqAndSourceNumRec)
LX_FIELD_HOLDER(TStringAndIntegerHolder, TStringAndIntegerRec)
LX_FIELD_HOLDER(TStringAndMeanAndSD_recHolder, TStringAndMeanAndSD_rec)
LX_FIELD_HOLDER(T2StringsAnd2IntegersHolder, T2StringsAnd2IntegersRec)
LX_FIELD_HOLDER(TSearchContextHolder, TSearchContextRec)
LX_FIELD_HOLDER(TMySearchRecHolder, TMySearchRec)
LX_FIELD_HOLDER(TMySimpleSearchRecHolder, TMySimpleSearchRec)
LX_FIELD_HOLDER(TStringTrueColumnAndColourHolder, TStringTrueColumnAndColourRec)

// ---- typed holder lists -----------------------------------------------------------------------------------

// A list of one holder class, with typed add, get and set by index.
template <typename H, typename Base = TUsefulBaseListSorts>
class THolderList : public Base {
 public:
  using value_type = decltype(H::fdata);

  THolderList() : Base(ItemClassOf<H>()) {}

  H* Held(int32_t index) const {
    return this->IndexAssignedOK(index) ? static_cast<H*>(this->fList[static_cast<std::size_t>(index)])
                                        : nullptr;
  }
  int32_t AddOne(const value_type& value) { return this->Add(std::make_unique<H>(value)); }
  // A zeroed record for an index that holds no item.
  value_type GetOne(int32_t index) const {
    H* h = Held(index);
    return h ? h->fdata : value_type{};
  }
  void SetOne(int32_t index, const value_type& value) {
    if (H* h = Held(index)) h->fdata = value;
  }
  int32_t IndexWhere(const std::function<bool(const value_type&)>& match) const {
    for (int32_t i = 0; i < this->Count(); ++i)
      if (H* h = Held(i); h && match(h->fdata)) return i;
    return -1;
  }
  void SortBy(const std::function<int(const value_type&, const value_type&)>& compare) {
    this->Sort([&](TUsefulBaseListObject* a, TUsefulBaseListObject* b) {
      return compare(static_cast<H*>(a)->fdata, static_cast<H*>(b)->fdata);
    });
  }
};

class TCardinalList : public THolderList<TCardinalHolder> {
 public:
  void InsertOne(int32_t index, uint32_t value);
  // Bisection while sorted, else the linear IndexOf.
  int32_t Find(uint32_t value);
  int32_t IndexOf(uint32_t value) const;
  uint32_t GetAValue(int32_t index) const { return GetOne(index); }
  int ComparedValues(int32_t i, int32_t j) override;
  void SortAscendingDefault();
};

class TCardinalAndFreqList : public THolderList<TCardinalAndFreqHolder> {
 public:
  // Adds freq to the item of card, or appends one. Returns its index.
  int32_t AddOneOrIncFreq(uint32_t card, int32_t freq = 1);
  int32_t Find(uint32_t card);
  int32_t IndexOf(uint32_t card) const;
  TCardinalAndFreqRec GetACardAndFreq(int32_t index) const { return GetOne(index); }
  void SetACardAndFreq(int32_t index, const TCardinalAndFreqRec& rec) { SetOne(index, rec); }
  void SortOnCardinals();
  // Highest first.
  void SortOnFrequencies();
  int ComparedValues(int32_t i, int32_t j) override;
};

class TIntegerAndSingleList : public THolderList<TIntegerAndSingleHolder> {
 public:
  using THolderList::AddOne;
  int32_t AddOne(int32_t i, single s) { return AddOne(TIntegerAndSingleRec{i, s}); }
  int32_t Find(int32_t i);
  int32_t IndexOfInteger(int32_t i) const;
  int32_t IndexOfSingle(single s) const;
  void SortAscendingDefault();
  int ComparedValues(int32_t i, int32_t j) override;
};

class T2LongintAndSingleList : public THolderList<T2LongIntAndSingleHolder> {
 public:
  using THolderList::AddOne;
  int32_t AddOne(int32_t l1, int32_t l2, single s) { return AddOne(T2LongIntAndSingleRec{l1, l2, s}); }
  // The item with both integers, by bisection while sorted.
  int32_t Find(int32_t l1, int32_t l2);
  int32_t IndexOfInteger0(int32_t v) const;
  int32_t IndexOfInteger1(int32_t v) const;
  int32_t IndexOfSingle(single s) const;
  void SortAscendingDefault();
  int ComparedValues(int32_t i, int32_t j) override;
};

class T3LongintAndSingleList : public THolderList<T3LongIntAndSingleHolder> {
 public:
  using THolderList::AddOne;
  int32_t AddOne(int32_t l1, int32_t l2, int32_t l3, single s) {
    return AddOne(T3LongIntAndSingleRec{l1, l2, l3, s});
  }
  int32_t Find(int32_t l1, int32_t l2, int32_t l3);
  int32_t IndexOfInteger0(int32_t v) const;
  int32_t IndexOfInteger1(int32_t v) const;
  int32_t IndexOfInteger2(int32_t v) const;
  int32_t IndexOfSingle(single s) const;
  void SortAscendingDefault();
  int ComparedValues(int32_t i, int32_t j) override;
};

class TIntegerAnd3CardinalsList : public THolderList<TIntegerAnd3CardinalsHolder> {
 public:
  TIntegerAnd3CardinalsRec GetAValue(int32_t index) const { return GetOne(index); }
  void SetAFreq(int32_t index, int32_t freq);
  // By card1, card2, card3.
  void SortAscendingDefault();
  int ComparedValues(int32_t i, int32_t j) override;
};

class T2StringsAnd2IntegersList : public THolderList<T2StringsAnd2IntegersHolder, TUsefulBaseList> {
 public:
  using THolderList::AddOne;
  int32_t AddOne(const UnicodeString& s1, const UnicodeString& s2, int32_t i1, int32_t i2) {
    return AddOne(T2StringsAnd2IntegersRec{s1, s2, i1, i2});
  }
  // False (outputs untouched) for an index that holds no item.
  bool GetTwoStringsAndInt(int32_t index, UnicodeString& s1, UnicodeString& s2, int32_t& i1) const;
};

class TDoublePointerList : public THolderList<TDoublePointerHolder, TUsefulBaseList> {
 public:
  using THolderList::AddOne;
  int32_t AddOne(void* p1, void* p2) { return AddOne(TDoublePointerRec{p1, p2}); }
  TDoublePointerRec GetADoublePointer(int32_t index) const { return GetOne(index); }
  void SetADoublePointer(int32_t index, const TDoublePointerRec& rec) { SetOne(index, rec); }
};

class TSmallintList : public THolderList<TSmallIntHolder, TUsefulBaseList> {
 public:
  int16_t GetAValue(int32_t index) const { return GetOne(index); }
};

class TLXInt64List : public THolderList<TInt64Holder> {
 public:
  int32_t IndexOf(int64_t value) const;
  // Bisection over the ascending list; -1 when absent.
  int32_t FindInSorted(int64_t value) const;
  int64_t GetAValue(int32_t index) const { return GetOne(index); }
  int ComparedValues(int32_t i, int32_t j) override;
  void SortAscendingDefault();
};

// Integers with a current item.
class TLXActiveLongintList : public THolderList<TLongIntHolder> {
 public:
  // Appends value and makes it the current item; returns its index.
  int32_t AddOneAndSetCountCurrent(int32_t value);
  // The current item's value; -999999 without one.
  int32_t CurrentItemValue() const;
  // Index of the current item, or -1.
  int32_t GetCurrentItem() const;
  void SetCurrentItem(int32_t index);
  // Deletes the first item holding value; false when none does.
  bool FindAndFree(int32_t value);
  void Clear() override;
};

class TWordFreqAndSourceNumList : public THolderList<TWordFreqAndSourceNumHolder> {
 public:
  using THolderList::AddOne;
  int32_t AddOne(const UnicodeString& word, int32_t freq, int32_t source_num) {
    return AddOne(TWordFreqAndSourceNumRec{word, freq, source_num});
  }
  // Walks the list from its start (after Clear or ResetNext): false once every item has been given.
  bool GetNext(TWordFreqAndSourceNumRec& rec);
  void ResetNext() { fNext = 0; }
  // 0 for an empty list.
  int32_t HighestFrequency() const;
  // Highest first.
  void SortOnFreqs();
  void Clear() override;

 private:
  int32_t fNext = 0;
};

// Categories per column: at most one item per true column.
class TStringColumnAndColourList : public THolderList<TStringTrueColumnAndColourHolder, TUsefulBaseList> {
 public:
  // Replaces the item of the same true column, else appends. Returns the item's index.
  int32_t AddOne(const TStringTrueColumnAndColourRec& rec);
  int32_t AddOne(const UnicodeString& s, int32_t true_column_number, int32_t background_colour) {
    return AddOne(TStringTrueColumnAndColourRec{true_column_number, background_colour, s});
  }
  UnicodeString GetAString(int32_t index) const { return GetOne(index).s; }
  void SetAString(int32_t index, const UnicodeString& s);
  int32_t GetATrueColumn(int32_t index) const { return GetOne(index).true_column_number; }
  void SetATrueColumn(int32_t index, int32_t column);
  int32_t GetABackgroundColour(int32_t index) const { return GetOne(index).background_colour; }
  void SetABackgroundColour(int32_t index, int32_t colour);
  int32_t IndexOfTrueColumn(int32_t column) const;
};

// ---- search-word marks and the simple search list
// -----------------------------------------------------------

// Reads and strips the leading and trailing marks of a typed search word: starts from {4, 5}; a leading "*"
// drops 4; else "==word==" adds 2; else a leading "~" adds 3; then a trailing "*" drops 5.
TMySearchFlags FlagsFromSW(UnicodeString& s);
// The typed form again: "*" before without 4, "*" after without 5, then "==" around with 2 (3 is not
// written).
UnicodeString SWFromWordAndFlags(const UnicodeString& word, TMySearchFlags flags);
// Flags from the marks; the word without them, upper-cased unless case-sensitive.
void SetWordAndSearchFlags(TWordAndSearchFlags& rec, const UnicodeString& typed);

class TSimpleSearchlist : public THolderList<TSearchContextHolder, TUsefulBaseList> {
 public:
  explicit TSimpleSearchlist(const TSimpleSearchSettings& settings = DefaultSimpleSearchSettings());

  using THolderList::AddOne;
  // Copies other's settings and appends copies of its records; the sum of the new indices.
  int32_t AddAll(const TSimpleSearchlist& other);
  // One record from "word = n" or from tab-separated fields; false when no record was added.
  bool LoadFromAString(const UnicodeString& aString, bool require_equals_sign);
  void LoadFromAStringlist(const TStrings& aStrings, bool require_equals_sign);
  // Clears the list; false when the file does not exist or cannot be read.
  bool LoadFromFile(const UnicodeString& name, bool require_equals_sign);
  virtual UnicodeString PreParseAString(const UnicodeString& s);
  virtual void PreParseTheList(TStrings& list);
  int32_t IndexOfSimpleSearchRecSeek(const UnicodeString& word) const;
  TSearchContextRec GetASearchRec(int32_t index) const { return GetOne(index); }
  UnicodeString GetATypedInSW(int32_t index) const;
  UnicodeString AsText(const UnicodeString& separator) const;

  TSimpleSearchSettings Settings;
};

// ---- string lists with holders ----------------------------------------------------------------------------

// A string list that owns a holder of one value per string.
template <typename H>
class TStringListWithHolder : public TStringList {
 public:
  using value_type = decltype(H::fdata);

  TStringListWithHolder() : TStringList(true) {}

  int32_t AddOne(const UnicodeString& s, const value_type& value) {
    auto h = std::make_unique<H>(value);
    const int32_t at = AddObject(s, h.get());
    // A sorted list may ignore the add, leaving the holder ours to free.
    if (at >= 0 && at < Count() && GetObject(at) == h.get()) h.release();
    return at;
  }
  H* Held(int32_t index) const {
    return index >= 0 && index < Count() ? dynamic_cast<H*>(GetObject(index)) : nullptr;
  }
  // A zeroed value for a string without a holder.
  value_type GetOne(int32_t index) const {
    H* h = Held(index);
    return h ? h->fdata : value_type{};
  }
  void SetOne(int32_t index, const value_type& value) {
    if (H* h = Held(index))
      h->fdata = value;
    else if (index >= 0 && index < Count()) {
      auto owned = std::make_unique<H>(value);
      PutObject(index, owned.get());
      owned.release();
    }
  }
  void FreeAndNilOne(int32_t index) {
    if (index < 0 || index >= Count()) return;
    TObject* o = GetObject(index);
    PutObject(index, nullptr);
    delete o;
  }
  // Stable sort on the held values; strings without a holder compare as a zeroed value.
  void SortOnValues(const std::function<int(const value_type&, const value_type&)>& compare) {
    CustomSort([&](TStringList& list, int32_t i, int32_t j) {
      auto& self = static_cast<TStringListWithHolder&>(list);
      return compare(self.GetOne(i), self.GetOne(j));
    });
  }
};

class TStringListWithALongint : public TStringListWithHolder<TLongIntHolder> {
 public:
  // Highest first.
  void SortOnFreq();
  void SortOnFreqAscending();
};
class TStringListWithASingle : public TStringListWithHolder<TSingleHolder> {
 public:
  void SortOnValue();  // highest first
};
class TStringListWithDate : public TStringListWithHolder<TDateTimeHolder> {
 public:
  void SortOnDate();  // latest first
};
class TStringListWithIntAndSingle : public TStringListWithHolder<TIntegerAndSingleHolder> {
 public:
  void SortOnInteger();  // highest first
  void SortOnSingle();   // highest first
};
class TStringListWith2IntsAndSingle : public TStringListWithHolder<T2IntsAndSingleHolder> {
 public:
  void SortOnIntegers();  // i1 then i2, highest first
  void SortOnSingle();    // highest first
};
class TStringListWith2LongintRec : public TStringListWithHolder<TTwoLongIntHolder> {
 public:
  void SortOn2LongintRecs();  // ascending
};
class TStringListWithStringAndIntList : public TStringListWithHolder<TStringAndIntegerHolder> {
 public:
  void SortOnInteger();  // highest first
  void SortOnHeldString();
};
class TStringListWithStringAndMeanAndSD_rec : public TStringListWithHolder<TStringAndMeanAndSD_recHolder> {
 public:
  void SortOnMean();  // highest first
};
class TStringListWithFreqPointers : public TStringListWithHolder<TLongIntHolder> {
 public:
  // The frequency cell of a string, to be counted in place; null without one.
  int32_t* FreqPointer(int32_t index) const;
  void SortOnFreq();  // highest first
};

// A string list whose strings own an integer list each.
template <typename L>
class TStringListWithIntegerLists : public TStringList {
 public:
  TStringListWithIntegerLists() : TStringList(true) {}
  // Adds s with a new list holding values.
  int32_t AddOne(const UnicodeString& s, std::initializer_list<int32_t> values) {
    auto* l = new L();
    if (values.size() > 0) l->AddOne(std::span<const int32_t>(values.begin(), values.size()));
    const int32_t at = AddObject(s, l);
    if (at < 0 || at >= Count() || GetObject(at) != l) delete l;
    return at;
  }
  L* GetOne(int32_t index) const {
    return index >= 0 && index < Count() ? dynamic_cast<L*>(GetObject(index)) : nullptr;
  }
  void FreeAndNilOne(int32_t index) {
    if (index < 0 || index >= Count()) return;
    TObject* o = GetObject(index);
    PutObject(index, nullptr);
    delete o;
  }
  // Most items first.
  void SortOnCounts() {
    CustomSort([](TStringList& list, int32_t i, int32_t j) {
      auto& self = static_cast<TStringListWithIntegerLists&>(list);
      const L *a = self.GetOne(i), *b = self.GetOne(j);
      return CompareLongints(b ? b->Count() : 0, a ? a->Count() : 0);
    });
  }
};
using TStringListWithLongintList = TStringListWithIntegerLists<T1LongintList>;
using TStringListWith2LongintList = TStringListWithIntegerLists<T2LongintList>;

// Reading a string gives its holder's ShortName, so searching by text searches the held names.
class TMySimpleSearchRecHolderStringlist : public TStringList {
 public:
  TMySimpleSearchRecHolderStringlist() : TStringList(true) {}
  UnicodeString Get(int32_t index) const override;
  int32_t IndexOf(std::u16string_view s) const override;
  TMySimpleSearchRecHolder* Held(int32_t index) const;
  int32_t GetAFolderNumber(int32_t index) const;
  TMySimpleSearchRec GetASimpleSearchRec(int32_t index) const;
};

// A file list that stores each folder path once.
class TFolderEfficientFileStringlist : public TObject {
 public:
  TFolderEfficientFileStringlist();

  int32_t Add(const UnicodeString& full) { return AddOne(full); }
  int32_t AddOne(const UnicodeString& full);
  // The record's folder_number is overwritten with afolder's.
  int32_t AddOne(const UnicodeString& afolder, const TMySimpleSearchRec& file_info);
  // The record's own folder_number stands.
  int32_t AddOne(int32_t known_foldernum, const TMySimpleSearchRec& file_info);
  void Delete(int32_t index);
  void Clear();
  int32_t Count() const { return files->Count(); }
  void DoASort(TMySimpleSearchRecSort how1, TMySimpleSearchRecSort how2, bool ascending);
  TMySimpleSearchRec GetASimpleSearchRec(int32_t index) const { return files->GetASimpleSearchRec(index); }
  // Every file's full name in list order; the caller owns the list.
  TStringList* GetAsStringlist() const;
  UnicodeString GetFullFilename(int32_t index) const;
  // Moves item index to the new name's folder (added when new) and name.
  void SetFullFilename(int32_t index, const UnicodeString& name);
  int32_t IndexOfFullName(const UnicodeString& name) const;
  int32_t IndexOfShortName(const UnicodeString& name) const;

  std::unique_ptr<TMySimpleSearchRecHolderStringlist> files;
  std::unique_ptr<TStringList> folders;
  bool case_insensitive = false;
  TMySimpleSearchRecSort sort_1 = ss_none;
  TMySimpleSearchRecSort sort_2 = ss_none;

 private:
  int32_t FolderIndex(const UnicodeString& folder, bool addIfNew);
  int32_t IndexOfShortNameIn(const UnicodeString& name, int32_t folder) const;
};

// ---- plain lists with index checks ------------------------------------------------------------------------

class TIndexCheckList : public TList {
 public:
  bool IndexAssignedOK(int32_t index) const { return index >= 0 && index < Count() && Get(index) != nullptr; }
};

class TIndexCheckStringlist : public TStringList {
 public:
  using TStringList::TStringList;
  bool IndexAssignedOK(int32_t index) const { return index >= 0 && index < Count(); }
  // Deletes from the last string down to index n.
  void ReduceTo(int32_t n);
  void ReverseTheSort();
  void Clear() override;
};

// Setting the text keeps only the lines that AcceptableString accepts.
class TBaseAcceptableCheckStringlist : public TStringList {
 public:
  virtual bool AcceptableString(const UnicodeString& s);
  void SetTextStr(std::u16string_view text) override;
};

// Streams as a count and counted strings. Saving a string longer than kListTextLimit raises EWriteError
// naming its line, length and the limit before anything is written; loading a corrupt stream raises
// EReadError.
class TMySaveStringList : public TStringList {
 public:
  using TStringList::LoadFromStream;
  using TStringList::SaveToStream;
  void LoadFromStream(TStream& stream) override;
  void SaveToStream(TStream& stream) const override;
};

}  // namespace lx
