#include "lexcore/containers/Useful_classes.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <tuple>
#include <type_traits>

#include "lexcore/containers/Useful_classes_stringlist_sorts.h"
#include "lexcore/rtl/lx_paths.h"
#include "lexcore/rtl/lx_strings.h"
#include "lexcore/rtl/lx_yield.h"

namespace lx {

TSimpleSearchSettings DefaultSimpleSearchSettings() {
  return {60, 200};
}

void ExchangeTwo2LongintRecs(T2LongintRec& a, T2LongintRec& b) {
  std::swap(a, b);
}
void ExchangeTwoSimpleSearchRecs(TMySimpleSearchRec& a, TMySimpleSearchRec& b) {
  std::swap(a, b);
}

// ---- field holders ----------------------------------------------------------------------------------------

namespace {

// Stored slots that carry nothing: written as zeros, read and dropped.
template <int N>
struct TZeroBytes {};

// A text too long for the stored form is refused before anything is written, with the reason.
UnicodeString Refusal(const UnicodeString& s) {
  return s.size() > static_cast<std::size_t>(kListTextLimit) ? TextTooLongMessage(s.size(), kListTextLimit)
                                                             : UnicodeString();
}
template <typename T>
UnicodeString Refusal(const T&) {
  return {};
}
void CheckFits(const UnicodeString& s) {
  if (UnicodeString why = Refusal(s); !why.empty()) throw EWriteError(why);
}

void GetField(TStream& s, UnicodeString& v) {
  v = ReadAString(s, kListTextLimit);
}
void GetField(TStream& s, TMySearchFlags& f) {
  s.ReadBuffer(f.Image().data(), 1);
}
template <int N>
void GetField(TStream& s, TZeroBytes<N>&) {
  uint8_t dropped[N];
  s.ReadBuffer(dropped, N);
}
template <typename T>
requires std::is_arithmetic_v<T>
void GetField(TStream& s, T& v) {
  s.ReadBuffer(&v, sizeof(T));
}

void PutField(TStream& s, const UnicodeString& v) {
  CheckFits(v);
  if (!WriteAString(s, v, kListTextLimit)) throw EWriteError(U("Stream write error"));
}
void PutField(TStream& s, const TMySearchFlags& f) {
  s.WriteBuffer(f.Image().data(), 1);
}
template <int N>
void PutField(TStream& s, const TZeroBytes<N>&) {
  const uint8_t zeros[N] = {};
  s.WriteBuffer(zeros, N);
}
template <typename T>
requires std::is_arithmetic_v<T>
void PutField(TStream& s, const T& v) {
  s.WriteBuffer(&v, sizeof(T));
}

int32_t MinSize(const UnicodeString&) {
  return 4;
}
int32_t MinSize(const TMySearchFlags&) {
  return 1;
}
template <int N>
int32_t MinSize(const TZeroBytes<N>&) {
  return N;
}
template <typename T>
requires std::is_arithmetic_v<T> int32_t MinSize(const T&) {
  return sizeof(T);
}

// Runs a reader or writer body; a stream error (or a refused count) becomes false.
template <typename F>
bool Guarded(F body) {
  try {
    body();
    return true;
  } catch (const Exception&) {
    return false;
  }
}

// A holder's fields, in stored order, come from its Fields(record); the record changes only when all of them
// were read, and nothing is written unless every text fits the reading limit.
template <typename H>
bool ReadHolder(H& h, TStream& s) {
  std::remove_reference_t<decltype(h.fdata)> r{};
  auto fields = H::Fields(r);
  if (!Guarded([&] { std::apply([&](auto&... f) { (GetField(s, f), ...); }, fields); })) return false;
  h.fdata = std::move(r);
  return true;
}

template <typename H>
UnicodeString HolderRefusal(const H& h) {
  auto copy = h.fdata;
  UnicodeString why;
  std::apply([&](const auto&... f) { ((why.empty() ? (void)(why = Refusal(f)) : (void)0), ...); },
             H::Fields(copy));
  return why;
}

template <typename H>
bool SaveHolder(H& h, TStream& s) {
  if (!HolderRefusal(h).empty()) return false;
  auto fields = H::Fields(h.fdata);
  return Guarded([&] { std::apply([&](const auto&... f) { (PutField(s, f), ...); }, fields); });
}

template <typename H>
int32_t MinimalSizeOf() {
  std::remove_reference_t<decltype(H::fdata)> r{};
  auto fields = H::Fields(r);
  return std::apply([](const auto&... f) { return (MinSize(f) + ... + 0); }, fields);
}

}  // namespace

#define LX_FIELD_HOLDER_BODY(Name)             \
  bool Name::ReadFromStream(TStream& Stream) { \
    return ReadHolder(*this, Stream);          \
  }                                            \
  bool Name::SaveToStream(TStream& Stream) {   \
    return SaveHolder(*this, Stream);          \
  }                                            \
  int32_t Name::MinimalStreamSize() const {    \
    return MinimalSizeOf<Name>();              \
  }                                            \
  UnicodeString Name::SaveRefusal() const {    \
    return HolderRefusal(*this);               \
  }

// The pointers are addresses of another process once stored: two zero slots, read back as null.
auto TDoublePointerHolder::Fields(TDoublePointerRec&) {
  return std::tuple<TZeroBytes<4>, TZeroBytes<4>>();
}
auto TWordFreqAndSourceNumHolder::Fields(TWordFreqAndSourceNumRec& r) {
  return std::tie(r.word, r.freq, r.source_num);
}
auto TStringAndIntegerHolder::Fields(TStringAndIntegerRec& r) {
  return std::tie(r.s, r.i);
}
auto TStringAndMeanAndSD_recHolder::Fields(TStringAndMeanAndSD_rec& r) {
  return std::tie(r.s, r.mean, r.sd);
}
auto T2StringsAnd2IntegersHolder::Fields(T2StringsAnd2IntegersRec& r) {
  return std::tie(r.s1, r.s2, r.i1, r.i2);
}
auto TSearchContextHolder::Fields(TSearchContextRec& r) {
  return std::tie(r.mainwd.word, r.mainwd.flags, r.n_wanted, r.context_words[0].word,
                  r.context_words[0].flags, r.context_words[1].word, r.context_words[1].flags,
                  r.context_seek_span, r.otherSWs_required);
}
auto TMySearchRecHolder::Fields(TMySearchRec& r) {
  return std::tuple<TDateTime&, int32_t&, int32_t&, int16_t&, TZeroBytes<2>, UnicodeString&>(
      r.DateTime, r.Size, r.Attr, r.Number_Within_Zip, {}, r.ShortName);
}
auto TMySimpleSearchRecHolder::Fields(TMySimpleSearchRec& r) {
  return std::tie(r.DateTime, r.Size, r.folder_number, r.ShortName);
}
auto TStringTrueColumnAndColourHolder::Fields(TStringTrueColumnAndColourRec& r) {
  return std::tie(r.true_column_number, r.background_colour, r.s);
}

LX_FIELD_HOLDER_BODY(TDoublePointerHolder)
LX_FIELD_HOLDER_BODY(TWordFreqAndSourceNumHolder)
LX_FIELD_HOLDER_BODY(TStringAndIntegerHolder)
LX_FIELD_HOLDER_BODY(TStringAndMeanAndSD_recHolder)
LX_FIELD_HOLDER_BODY(T2StringsAnd2IntegersHolder)
LX_FIELD_HOLDER_BODY(TSearchContextHolder)
LX_FIELD_HOLDER_BODY(TMySearchRecHolder)
LX_FIELD_HOLDER_BODY(TMySimpleSearchRecHolder)
LX_FIELD_HOLDER_BODY(TStringTrueColumnAndColourHolder)

// ---- typed lists ------------------------------------------------------------------------------------------

namespace {

template <typename T>
int Cmp(T a, T b) {
  return a < b ? -1 : (b < a ? 1 : 0);
}

// Bisection over an ascending list; key(i) gives the compared key of item i.
template <typename K, typename KeyAt>
int32_t Bisect(int32_t count, const K& wanted, KeyAt keyAt) {
  int32_t lo = 0, hi = count - 1;
  while (lo <= hi) {
    const int32_t mid = lo + (hi - lo) / 2;
    const K k = keyAt(mid);
    if (k == wanted) return mid;
    if (k < wanted)
      lo = mid + 1;
    else
      hi = mid - 1;
  }
  return -1;
}

}  // namespace

void TCardinalList::InsertOne(int32_t index, uint32_t value) {
  SetSorted(false);
  Insert(std::clamp(index, 0, Count()), new TCardinalHolder(value));
}
int32_t TCardinalList::Find(uint32_t value) {
  if (!Sorted() || std::find(fList.begin(), fList.end(), nullptr) != fList.end()) return IndexOf(value);
  return Bisect(Count(), value, [&](int32_t i) { return GetAValue(i); });
}
int32_t TCardinalList::IndexOf(uint32_t value) const {
  return IndexWhere([&](uint32_t v) { return v == value; });
}
int TCardinalList::ComparedValues(int32_t i, int32_t j) {
  if (!Held(i) || !Held(j)) return -1;
  return CompareCardinals(GetAValue(i), GetAValue(j));
}
void TCardinalList::SortAscendingDefault() {
  SortBy([](uint32_t a, uint32_t b) { return CompareCardinals(a, b); });
}

int32_t TCardinalAndFreqList::AddOneOrIncFreq(uint32_t card, int32_t freq) {
  const int32_t at = IndexOf(card);
  if (at >= 0) {
    // Totals from damaged or hostile lists can overflow; a frequency stops at the int32 bounds, never wraps.
    int32_t& total = Held(at)->fdata.freq;
    const int64_t sum = int64_t(total) + freq;
    total = static_cast<int32_t>(std::clamp<int64_t>(sum, INT32_MIN, INT32_MAX));
    return at;
  }
  SetSorted(false);
  return AddOne(TCardinalAndFreqRec{card, freq});
}
int32_t TCardinalAndFreqList::Find(uint32_t card) {
  if (!Sorted() || std::find(fList.begin(), fList.end(), nullptr) != fList.end()) return IndexOf(card);
  return Bisect(Count(), card, [&](int32_t i) { return GetOne(i).card; });
}
int32_t TCardinalAndFreqList::IndexOf(uint32_t card) const {
  return IndexWhere([&](const TCardinalAndFreqRec& r) { return r.card == card; });
}
void TCardinalAndFreqList::SortOnCardinals() {
  SortBy([](const TCardinalAndFreqRec& a, const TCardinalAndFreqRec& b) {
    return CompareCardinals(a.card, b.card);
  });
}
void TCardinalAndFreqList::SortOnFrequencies() {
  SortBy([](const TCardinalAndFreqRec& a, const TCardinalAndFreqRec& b) {
    return CompareLongints(b.freq, a.freq);
  });
  // Find bisects on the cardinals.
  SetSorted(false);
}
int TCardinalAndFreqList::ComparedValues(int32_t i, int32_t j) {
  if (!Held(i) || !Held(j)) return -1;
  return CompareCardinals(GetOne(i).card, GetOne(j).card);
}

int32_t TIntegerAndSingleList::Find(int32_t i) {
  if (!Sorted() || std::find(fList.begin(), fList.end(), nullptr) != fList.end()) return IndexOfInteger(i);
  return Bisect(Count(), i, [&](int32_t k) { return GetOne(k).i; });
}
int32_t TIntegerAndSingleList::IndexOfInteger(int32_t i) const {
  return IndexWhere([&](const TIntegerAndSingleRec& r) { return r.i == i; });
}
int32_t TIntegerAndSingleList::IndexOfSingle(single s) const {
  return IndexWhere([&](const TIntegerAndSingleRec& r) { return r.s == s; });
}
void TIntegerAndSingleList::SortAscendingDefault() {
  SortBy(
      [](const TIntegerAndSingleRec& a, const TIntegerAndSingleRec& b) { return CompareLongints(a.i, b.i); });
}
int TIntegerAndSingleList::ComparedValues(int32_t i, int32_t j) {
  if (!Held(i) || !Held(j)) return -1;
  return CompareLongints(GetOne(i).i, GetOne(j).i);
}

namespace {
int Compare2LongIntAndSingle(const T2LongIntAndSingleRec& a, const T2LongIntAndSingleRec& b) {
  return Compare2LongintRecs({a.l1, a.l2}, {b.l1, b.l2});
}
int Compare3LongIntAndSingle(const T3LongIntAndSingleRec& a, const T3LongIntAndSingleRec& b) {
  if (const int c = Compare2LongintRecs({a.l1, a.l2}, {b.l1, b.l2}); c != 0) return c;
  return CompareLongints(a.l3, b.l3);
}
}  // namespace

int32_t T2LongintAndSingleList::Find(int32_t l1, int32_t l2) {
  const std::pair wanted{l1, l2};
  if (!Sorted() || std::find(fList.begin(), fList.end(), nullptr) != fList.end())
    return IndexWhere([&](const T2LongIntAndSingleRec& r) { return std::pair{r.l1, r.l2} == wanted; });
  return Bisect(Count(), wanted, [&](int32_t k) {
    const auto r = GetOne(k);
    return std::pair{r.l1, r.l2};
  });
}
int32_t T2LongintAndSingleList::IndexOfInteger0(int32_t v) const {
  return IndexWhere([&](const T2LongIntAndSingleRec& r) { return r.l1 == v; });
}
int32_t T2LongintAndSingleList::IndexOfInteger1(int32_t v) const {
  return IndexWhere([&](const T2LongIntAndSingleRec& r) { return r.l2 == v; });
}
int32_t T2LongintAndSingleList::IndexOfSingle(single s) const {
  return IndexWhere([&](const T2LongIntAndSingleRec& r) { return r.s == s; });
}
void T2LongintAndSingleList::SortAscendingDefault() {
  SortBy(Compare2LongIntAndSingle);
}
int T2LongintAndSingleList::ComparedValues(int32_t i, int32_t j) {
  if (!Held(i) || !Held(j)) return -1;
  return Compare2LongIntAndSingle(GetOne(i), GetOne(j));
}

int32_t T3LongintAndSingleList::Find(int32_t l1, int32_t l2, int32_t l3) {
  const std::tuple wanted{l1, l2, l3};
  if (!Sorted() || std::find(fList.begin(), fList.end(), nullptr) != fList.end())
    return IndexWhere([&](const T3LongIntAndSingleRec& r) { return std::tuple{r.l1, r.l2, r.l3} == wanted; });
  return Bisect(Count(), wanted, [&](int32_t k) {
    const auto r = GetOne(k);
    return std::tuple{r.l1, r.l2, r.l3};
  });
}
int32_t T3LongintAndSingleList::IndexOfInteger0(int32_t v) const {
  return IndexWhere([&](const T3LongIntAndSingleRec& r) { return r.l1 == v; });
}
int32_t T3LongintAndSingleList::IndexOfInteger1(int32_t v) const {
  return IndexWhere([&](const T3LongIntAndSingleRec& r) { return r.l2 == v; });
}
int32_t T3LongintAndSingleList::IndexOfInteger2(int32_t v) const {
  return IndexWhere([&](const T3LongIntAndSingleRec& r) { return r.l3 == v; });
}
int32_t T3LongintAndSingleList::IndexOfSingle(single s) const {
  return IndexWhere([&](const T3LongIntAndSingleRec& r) { return r.s == s; });
}
void T3LongintAndSingleList::SortAscendingDefault() {
  SortBy(Compare3LongIntAndSingle);
}
int T3LongintAndSingleList::ComparedValues(int32_t i, int32_t j) {
  if (!Held(i) || !Held(j)) return -1;
  return Compare3LongIntAndSingle(GetOne(i), GetOne(j));
}

namespace {
int Compare3Cardinals(const TIntegerAnd3CardinalsRec& a, const TIntegerAnd3CardinalsRec& b) {
  if (const int c = CompareIntAnd3CardinalsCard1(a, b); c != 0) return c;
  if (const int c = CompareIntAnd3CardinalsCard2(a, b); c != 0) return c;
  return CompareIntAnd3CardinalsCard3(a, b);
}
}  // namespace

void TIntegerAnd3CardinalsList::SetAFreq(int32_t index, int32_t freq) {
  if (auto* h = Held(index)) h->fdata.freq = freq;
}
void TIntegerAnd3CardinalsList::SortAscendingDefault() {
  SortBy(Compare3Cardinals);
}
int TIntegerAnd3CardinalsList::ComparedValues(int32_t i, int32_t j) {
  if (!Held(i) || !Held(j)) return -1;
  return Compare3Cardinals(GetOne(i), GetOne(j));
}

bool T2StringsAnd2IntegersList::GetTwoStringsAndInt(int32_t index, UnicodeString& s1, UnicodeString& s2,
                                                    int32_t& i1) const {
  auto* h = Held(index);
  if (!h) return false;
  s1 = h->fdata.s1;
  s2 = h->fdata.s2;
  i1 = h->fdata.i1;
  return true;
}

int32_t TLXInt64List::IndexOf(int64_t value) const {
  return IndexWhere([&](int64_t v) { return v == value; });
}
int32_t TLXInt64List::FindInSorted(int64_t value) const {
  if (std::find(fList.begin(), fList.end(), nullptr) != fList.end()) return IndexOf(value);
  return Bisect(Count(), value, [&](int32_t i) { return GetAValue(i); });
}
int TLXInt64List::ComparedValues(int32_t i, int32_t j) {
  if (!Held(i) || !Held(j)) return -1;
  return CompareInt64s(GetAValue(i), GetAValue(j));
}
void TLXInt64List::SortAscendingDefault() {
  SortBy([](int64_t a, int64_t b) { return CompareInt64s(a, b); });
}

int32_t TLXActiveLongintList::AddOneAndSetCountCurrent(int32_t value) {
  const int32_t at = AddOne(value);
  CurrentItem = fList[static_cast<std::size_t>(at)];
  return at;
}
int32_t TLXActiveLongintList::CurrentItemValue() const {
  return CurrentItem ? static_cast<TLongIntHolder*>(CurrentItem)->fdata : kUnassignedLongint;
}
int32_t TLXActiveLongintList::GetCurrentItem() const {
  if (!CurrentItem) return -1;
  const auto it = std::find(fList.begin(), fList.end(), CurrentItem);
  return it == fList.end() ? -1 : static_cast<int32_t>(it - fList.begin());
}
void TLXActiveLongintList::SetCurrentItem(int32_t index) {
  CurrentItem = Held(index);
}
bool TLXActiveLongintList::FindAndFree(int32_t value) {
  const int32_t at = IndexWhere([&](int32_t v) { return v == value; });
  if (at < 0) return false;
  Delete(at);
  return true;
}
void TLXActiveLongintList::Clear() {
  THolderList::Clear();
}

bool TWordFreqAndSourceNumList::GetNext(TWordFreqAndSourceNumRec& rec) {
  while (fNext < Count()) {
    if (auto* h = Held(fNext++)) {
      rec = h->fdata;
      return true;
    }
  }
  return false;
}
int32_t TWordFreqAndSourceNumList::HighestFrequency() const {
  int32_t best = 0;
  bool any = false;
  for (int32_t i = 0; i < Count(); ++i)
    if (auto* h = Held(i)) {
      best = any ? std::max(best, h->fdata.freq) : h->fdata.freq;
      any = true;
    }
  return best;
}
void TWordFreqAndSourceNumList::SortOnFreqs() {
  SortBy([](const TWordFreqAndSourceNumRec& a, const TWordFreqAndSourceNumRec& b) {
    return CompareLongints(b.freq, a.freq);
  });
}
void TWordFreqAndSourceNumList::Clear() {
  THolderList::Clear();
  fNext = 0;
}

int32_t TStringColumnAndColourList::AddOne(const TStringTrueColumnAndColourRec& rec) {
  const int32_t at = IndexOfTrueColumn(rec.true_column_number);
  if (at >= 0) {
    SetOne(at, rec);
    return at;
  }
  return THolderList::AddOne(rec);
}
void TStringColumnAndColourList::SetAString(int32_t index, const UnicodeString& s) {
  if (auto* h = Held(index)) h->fdata.s = s;
}
void TStringColumnAndColourList::SetATrueColumn(int32_t index, int32_t column) {
  if (auto* h = Held(index)) h->fdata.true_column_number = column;
}
void TStringColumnAndColourList::SetABackgroundColour(int32_t index, int32_t colour) {
  if (auto* h = Held(index)) h->fdata.background_colour = colour;
}
int32_t TStringColumnAndColourList::IndexOfTrueColumn(int32_t column) const {
  return IndexWhere([&](const TStringTrueColumnAndColourRec& r) { return r.true_column_number == column; });
}

// ---- search-word marks and the simple search list
// -----------------------------------------------------------

TMySearchFlags FlagsFromSW(UnicodeString& s) {
  TMySearchFlags flags{sw_flag_left_boundary, sw_flag_right_boundary};
  if (s.empty()) return flags;
  if (s.front() == u'*') {
    s.erase(0, 1);
    flags.Exclude(sw_flag_left_boundary);
  } else if (s.size() >= 4 && s.starts_with(u"==") && s.ends_with(u"==")) {
    s = s.substr(2, s.size() - 4);
    flags.Include(sw_flag_case_sensitive);
  } else if (s.front() == u'~') {
    s.erase(0, 1);
    flags.Include(sw_flag_tilde);
  }
  if (!s.empty() && s.back() == u'*') {
    s.pop_back();
    flags.Exclude(sw_flag_right_boundary);
  }
  return flags;
}

UnicodeString SWFromWordAndFlags(const UnicodeString& word, TMySearchFlags flags) {
  UnicodeString r = word;
  if (!flags.Contains(sw_flag_left_boundary)) r.insert(0, 1, u'*');
  if (!flags.Contains(sw_flag_right_boundary)) r += u'*';
  if (flags.Contains(sw_flag_case_sensitive)) r = u"==" + r + u"==";
  return r;
}

void SetWordAndSearchFlags(TWordAndSearchFlags& rec, const UnicodeString& typed) {
  rec.word = typed;
  rec.flags = FlagsFromSW(rec.word);
  if (!rec.flags.Contains(sw_flag_case_sensitive)) rec.word = InvariantUpperCase(rec.word);
}

TSimpleSearchlist::TSimpleSearchlist(const TSimpleSearchSettings& settings) : Settings(settings) {}

int32_t TSimpleSearchlist::AddAll(const TSimpleSearchlist& other) {
  Settings = other.Settings;
  int32_t sum = 0;
  for (int32_t i = 0; i < other.Count(); ++i)
    if (auto* h = other.Held(i)) sum += AddOne(h->fdata);
  return sum;
}

namespace {

// A field taken as a number only when it is one, rounded, and within 32 bits.
bool RoundedField(const UnicodeString& field, int32_t& out) {
  double d = 0;
  if (!TryStrToFloat(field, d) || !std::isfinite(d)) return false;
  const double r = std::round(d);
  if (r < std::numeric_limits<int32_t>::min() || r > std::numeric_limits<int32_t>::max()) return false;
  out = static_cast<int32_t>(r);
  return true;
}

}  // namespace

namespace {

// "key = count": the count is the integer after the last "=" when there is one; a whole "==word==" is a
// case-sensitive word without a count; otherwise the key ends at the first "=" and a count that is not an
// integer reads as 0.
void SplitKeyAndCount(std::u16string_view text, UnicodeString& key, int32_t& count) {
  const std::size_t last = text.rfind(u'=');
  if (last == std::u16string_view::npos) {
    key = Trim(text);
    count = 0;
    return;
  }
  int32_t n = 0;
  if (TryStrToInt(Trim(text.substr(last + 1)), n)) {
    key = Trim(text.substr(0, last));
    count = n;
    return;
  }
  const UnicodeString whole = Trim(text);
  if (whole.size() >= 4 && whole.starts_with(u"==") && whole.ends_with(u"==")) {
    key = whole;
    count = 0;
    return;
  }
  const std::size_t first = text.find(u'=');
  key = Trim(text.substr(0, first));
  count = StrToIntDef(Trim(text.substr(first + 1)), 0);
}

}  // namespace

bool TSimpleSearchlist::LoadFromAString(const UnicodeString& aString, bool require_equals_sign) {
  TSearchContextRec rec;
  // Tab-separated lines are read by fields even when a field holds "=" (as "==word==" marks do).
  if (aString.find(u'=') != UnicodeString::npos && aString.find(u'\t') == UnicodeString::npos) {
    // The key of this form is the word itself, whether or not an equals sign is required.
    UnicodeString key;
    SplitKeyAndCount(aString, key, rec.n_wanted);
    SetWordAndSearchFlags(rec.mainwd, key);
  } else {
    std::vector<UnicodeString> fields;
    for (std::size_t at = 0;;) {
      const std::size_t tab = aString.find(u'\t', at);
      fields.push_back(aString.substr(at, tab == UnicodeString::npos ? UnicodeString::npos : tab - at));
      if (tab == UnicodeString::npos) break;
      at = tab + 1;
    }
    if (require_equals_sign) {
      UnicodeString key;
      SplitKeyAndCount(fields[0], key, rec.n_wanted);
      SetWordAndSearchFlags(rec.mainwd, key);
    } else {
      SetWordAndSearchFlags(rec.mainwd, fields[0]);
    }
    if (fields.size() > 1) SetWordAndSearchFlags(rec.context_words[0], fields[1]);
    if (fields.size() > 2) SetWordAndSearchFlags(rec.context_words[1], fields[2]);
    if (fields.size() > 3) RoundedField(fields[3], rec.context_seek_span);
    if (fields.size() > 4) RoundedField(fields[4], rec.otherSWs_required);
    if (fields.size() > 5) RoundedField(fields[5], rec.n_wanted);
  }
  if (rec.n_wanted == 0) rec.n_wanted = 1;
  if (rec.mainwd.word.empty()) return false;
  AddOne(rec);
  return true;
}

void TSimpleSearchlist::LoadFromAStringlist(const TStrings& aStrings, bool require_equals_sign) {
  static constexpr std::u16string_view kArrow = u" -> ";
  for (int32_t n = 0; n < aStrings.Count(); ++n) {
    MyYieldProcess();
    UnicodeString line = Trim(aStrings.Get(n));
    if (line.empty() || line.starts_with(u";") || line.starts_with(u"//")) continue;
    line = PreParseAString(line);
    std::size_t pos = 0;
    for (;;) {
      const std::size_t arrow = line.find(kArrow, pos);
      if (arrow != UnicodeString::npos) {
        LoadFromAString(Trim(std::u16string_view(line).substr(pos, arrow - pos)), require_equals_sign);
        pos = arrow + kArrow.size();
      }
      const std::size_t comma = line.find(u',', pos);
      if (comma == UnicodeString::npos) {
        LoadFromAString(Trim(std::u16string_view(line).substr(std::min(pos, line.size()))),
                        require_equals_sign);
        break;
      }
      LoadFromAString(Trim(std::u16string_view(line).substr(pos, comma - pos)), require_equals_sign);
      pos = comma + 1;
    }
  }
}

bool TSimpleSearchlist::LoadFromFile(const UnicodeString& name, bool require_equals_sign) {
  Clear();
  if (!FileExists(name)) return false;
  TStringList lines;
  try {
    lines.LoadFromFile(name);
  } catch (const Exception&) {
    return false;
  }
  PreParseTheList(lines);
  LoadFromAStringlist(lines, require_equals_sign);
  return true;
}

UnicodeString TSimpleSearchlist::PreParseAString(const UnicodeString& s) {
  return s;
}
void TSimpleSearchlist::PreParseTheList(TStrings&) {}

int32_t TSimpleSearchlist::IndexOfSimpleSearchRecSeek(const UnicodeString& word) const {
  return IndexWhere([&](const TSearchContextRec& r) { return r.mainwd.word == word; });
}

UnicodeString TSimpleSearchlist::GetATypedInSW(int32_t index) const {
  const TSearchContextRec r = GetOne(index);
  return SWFromWordAndFlags(r.mainwd.word, r.mainwd.flags);
}

UnicodeString TSimpleSearchlist::AsText(const UnicodeString& separator) const {
  UnicodeString out;
  bool first = true;
  for (int32_t i = 0; i < Count(); ++i) {
    if (auto* h = Held(i)) {
      if (!first) out += separator;
      out += h->fdata.mainwd.word;
      first = false;
    }
  }
  return out;
}

// ---- string lists with holders ----------------------------------------------------------------------------

void TStringListWithALongint::SortOnFreq() {
  CustomSort(CompareHeldLongintsHighestFirst);
}
void TStringListWithALongint::SortOnFreqAscending() {
  CustomSort(CompareHeldLongintsAscending);
}
void TStringListWithASingle::SortOnValue() {
  CustomSort(CompareHeldSinglesHighestFirst);
}
void TStringListWithDate::SortOnDate() {
  CustomSort(CompareHeldDates);
}
void TStringListWithIntAndSingle::SortOnInteger() {
  CustomSort(CompareHeldIntAndSingleOnInteger);
}
void TStringListWithIntAndSingle::SortOnSingle() {
  CustomSort(CompareHeldIntAndSingleOnSingle);
}
void TStringListWith2IntsAndSingle::SortOnIntegers() {
  CustomSort(CompareHeld2IntsAndSingleOnIntegers);
}
void TStringListWith2IntsAndSingle::SortOnSingle() {
  CustomSort(CompareHeld2IntsAndSingleOnSingle);
}
void TStringListWith2LongintRec::SortOn2LongintRecs() {
  CustomSort(CompareHeld2LongintRecs);
}
void TStringListWithStringAndIntList::SortOnInteger() {
  CustomSort(CompareHeldStringAndIntegerOnInteger);
}
void TStringListWithStringAndIntList::SortOnHeldString() {
  CustomSort(CompareHeldStringAndIntegerOnString);
}
void TStringListWithStringAndMeanAndSD_rec::SortOnMean() {
  CustomSort(CompareHeldMeans);
}
int32_t* TStringListWithFreqPointers::FreqPointer(int32_t index) const {
  auto* h = Held(index);
  return h ? &h->fdata : nullptr;
}
void TStringListWithFreqPointers::SortOnFreq() {
  CustomSort(CompareHeldLongintsHighestFirst);
}

// ---- file lists -------------------------------------------------------------------------------------------

TMySimpleSearchRecHolder* TMySimpleSearchRecHolderStringlist::Held(int32_t index) const {
  return index >= 0 && index < Count() ? dynamic_cast<TMySimpleSearchRecHolder*>(GetObject(index)) : nullptr;
}

UnicodeString TMySimpleSearchRecHolderStringlist::Get(int32_t index) const {
  if (auto* h = Held(index)) return h->fdata.ShortName;
  return TStringList::Get(index);
}

int32_t TMySimpleSearchRecHolderStringlist::IndexOf(std::u16string_view s) const {
  for (int32_t i = 0; i < Count(); ++i)
    if (CompareStrings(Get(i), s) == 0) return i;
  return -1;
}

int32_t TMySimpleSearchRecHolderStringlist::GetAFolderNumber(int32_t index) const {
  auto* h = Held(index);
  return h ? h->fdata.folder_number : 0;
}

TMySimpleSearchRec TMySimpleSearchRecHolderStringlist::GetASimpleSearchRec(int32_t index) const {
  auto* h = Held(index);
  return h ? h->fdata : TMySimpleSearchRec{};
}

namespace {

// Folder part (through the last delimiter, either kind) and name part of a full file name.
std::pair<UnicodeString, UnicodeString> SplitFullName(const UnicodeString& full) {
  return {ExtractFilePath(full), ExtractFileName(full)};
}

}  // namespace

TFolderEfficientFileStringlist::TFolderEfficientFileStringlist()
    : files(std::make_unique<TMySimpleSearchRecHolderStringlist>()),
      folders(std::make_unique<TStringList>()) {
  // File identity is case-sensitive here: /a/ and /A/ are different folders.
  folders->SetCaseSensitive(true);
}

int32_t TFolderEfficientFileStringlist::FolderIndex(const UnicodeString& folder, bool addIfNew) {
  int32_t at = folders->IndexOf(folder);
  if (at < 0 && addIfNew) at = folders->Add(folder);
  return at;
}

int32_t TFolderEfficientFileStringlist::AddOne(const UnicodeString& full) {
  const auto [folder, name] = SplitFullName(full);
  TMySimpleSearchRec rec;
  rec.ShortName = name;
  return AddOne(folder, rec);
}

int32_t TFolderEfficientFileStringlist::AddOne(const UnicodeString& afolder,
                                               const TMySimpleSearchRec& file_info) {
  TMySimpleSearchRec rec = file_info;
  rec.folder_number = FolderIndex(afolder, true);
  return AddOne(rec.folder_number, rec);
}

int32_t TFolderEfficientFileStringlist::AddOne(int32_t /*known_foldernum*/,
                                               const TMySimpleSearchRec& file_info) {
  return files->AddObject(file_info.ShortName, new TMySimpleSearchRecHolder(file_info));
}

void TFolderEfficientFileStringlist::Delete(int32_t index) {
  if (index >= 0 && index < files->Count()) files->Delete(index);
}

void TFolderEfficientFileStringlist::Clear() {
  files->Clear();
  folders->Clear();
}

UnicodeString TFolderEfficientFileStringlist::GetFullFilename(int32_t index) const {
  auto* h = files->Held(index);
  if (!h) return {};
  UnicodeString folder;
  if (h->fdata.folder_number >= 0 && h->fdata.folder_number < folders->Count()) {
    folder = folders->Get(h->fdata.folder_number);
    if (!folder.empty() && !IsPathDelimiterChar(folder.back()))
      folder += (folder.find(u'\\') != UnicodeString::npos && folder.find(u'/') == UnicodeString::npos)
                    ? u'\\'
                    : u'/';
  }
  return folder + h->fdata.ShortName;
}

void TFolderEfficientFileStringlist::SetFullFilename(int32_t index, const UnicodeString& name) {
  auto* h = files->Held(index);
  if (!h) return;
  const auto [folder, shortName] = SplitFullName(name);
  h->fdata.folder_number = FolderIndex(folder, true);
  h->fdata.ShortName = shortName;
  files->Put(index, shortName);
}

TStringList* TFolderEfficientFileStringlist::GetAsStringlist() const {
  auto* out = new TStringList();
  for (int32_t i = 0; i < Count(); ++i) out->Add(GetFullFilename(i));
  return out;
}

int32_t TFolderEfficientFileStringlist::IndexOfShortNameIn(const UnicodeString& name, int32_t folder) const {
  // An exact match wins over one that differs only in case, as names differing in case are different files.
  int32_t caseless = -1;
  for (int32_t i = 0; i < Count(); ++i) {
    auto* h = files->Held(i);
    if (!h || (folder >= 0 && h->fdata.folder_number != folder)) continue;
    if (h->fdata.ShortName == name) return i;
    if (caseless < 0 && Compare2StringsCaseInsensitively(h->fdata.ShortName, name) == 0) caseless = i;
  }
  return caseless;
}

int32_t TFolderEfficientFileStringlist::IndexOfShortName(const UnicodeString& name) const {
  return IndexOfShortNameIn(name, -1);
}

int32_t TFolderEfficientFileStringlist::IndexOfFullName(const UnicodeString& name) const {
  const auto [folder, shortName] = SplitFullName(name);
  const int32_t at = folders->IndexOf(folder);
  if (at < 0) return -1;
  return IndexOfShortNameIn(shortName, at);
}

namespace {

int CompareOnKey(TMySimpleSearchRecSort key, const TMySimpleSearchRec& a, const TMySimpleSearchRec& b,
                 bool ignoreCase) {
  switch (key) {
    case ss_date:
      return CompareDates(a.DateTime, b.DateTime);
    case ss_size:
      return CompareLongints(a.Size, b.Size);
    case ss_folder:
      return CompareLongints(a.folder_number, b.folder_number);
    case ss_shortname:
      return ignoreCase ? Compare2StringsCaseInsensitively(a.ShortName, b.ShortName)
                        : Compare2Strings(a.ShortName, b.ShortName);
    case ss_none:
      break;
  }
  return 0;
}

}  // namespace

void TFolderEfficientFileStringlist::DoASort(TMySimpleSearchRecSort how1, TMySimpleSearchRecSort how2,
                                             bool ascending) {
  sort_1 = how1;
  sort_2 = how2;
  const TMySimpleSearchRecSort tieBreak = how2 != how1 ? how2 : ss_none;
  if (how1 == ss_none) return;
  const bool firstIgnoresCase = case_insensitive;
  const bool tieIgnoresCase = case_insensitive && how1 == ss_folder;
  files->CustomSort([&](TStringList& list, int32_t i, int32_t j) {
    auto& self = static_cast<TMySimpleSearchRecHolderStringlist&>(list);
    const TMySimpleSearchRec a = self.GetASimpleSearchRec(i), b = self.GetASimpleSearchRec(j);
    const int c = CompareOnKey(how1, a, b, firstIgnoresCase);
    return c != 0 ? c : CompareOnKey(tieBreak, a, b, tieIgnoresCase);
  });
  if (!ascending)
    for (int32_t i = 0, j = Count() - 1; i < j; ++i, --j) files->Exchange(i, j);
}

// ---- plain lists ------------------------------------------------------------------------------------------

void TIndexCheckStringlist::ReduceTo(int32_t n) {
  for (int32_t i = Count() - 1; i >= std::max(n, 0); --i) Delete(i);
}

void TIndexCheckStringlist::ReverseTheSort() {
  for (int32_t i = 0, j = Count() - 1; i < j; ++i, --j) Exchange(i, j);
}

void TIndexCheckStringlist::Clear() {
  TStringList::Clear();
}

bool TBaseAcceptableCheckStringlist::AcceptableString(const UnicodeString&) {
  return true;
}

void TBaseAcceptableCheckStringlist::SetTextStr(std::u16string_view text) {
  TStringList all;
  all.SetTextStr(text);
  BeginUpdate();
  Clear();
  for (int32_t i = 0; i < all.Count(); ++i)
    if (AcceptableString(all.Get(i))) Add(all.Get(i));
  EndUpdate();
}

void TMySaveStringList::LoadFromStream(TStream& stream) {
  int32_t n = 0;
  if (!ReadLE(stream, n) || n < 0 || static_cast<int64_t>(n) * 4 > stream.Remaining())
    throw EReadError(U("Stream read error"));
  BeginUpdate();
  Clear();
  try {
    for (int32_t i = 0; i < n; ++i) Add(ReadAString(stream, kListTextLimit));
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

void TMySaveStringList::SaveToStream(TStream& stream) const {
  for (int32_t i = 0; i < Count(); ++i)
    if (UnicodeString why = Refusal(GetRef(i)); !why.empty())
      throw EWriteError(u"line " + IntToStr(i) + u": " + why);
  WriteLE<int32_t>(stream, Count());
  for (int32_t i = 0; i < Count(); ++i) PutField(stream, GetRef(i));
}

}  // namespace lx
