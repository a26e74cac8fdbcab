#include "lexcore/rtl/lx_stringlist.h"

#include <unicode/uchar.h>
#include <unicode/utf16.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <exception>
#include <limits>

#include "lexcore/rtl/lx_atomicsave.h"
#include "lexcore/rtl/lx_stablesort.h"
#include "lexcore/rtl/lx_strings.h"

namespace lx {

LX_RESOURCESTRING(SDuplicateString, u"String list does not allow duplicates")
LX_RESOURCESTRING(SSortedListError, u"Operation not allowed on sorted list")

namespace {

class TUpdateGuard {
 public:
  explicit TUpdateGuard(TStrings& list) : list_(list), pending_(std::uncaught_exceptions()) {
    list_.BeginUpdate();
  }
  // A change handler may raise; while another error is already on its way out, that one wins.
  ~TUpdateGuard() noexcept(false) {
    if (std::uncaught_exceptions() == pending_) {
      list_.EndUpdate();
      return;
    }
    try {
      list_.EndUpdate();
    } catch (...) {
    }
  }
  TUpdateGuard(const TUpdateGuard&) = delete;
  TUpdateGuard& operator=(const TUpdateGuard&) = delete;

 private:
  TStrings& list_;
  int pending_;
};

inline WideChar AsciiUpper(WideChar c) {
  return (c >= u'a' && c <= u'z') ? WideChar(c - 32) : c;
}

UChar32 NextCodePoint(std::u16string_view s, std::size_t& i) {
  UChar32 c = s[i++];
  if (U16_IS_LEAD(c) && i < s.size() && U16_IS_TRAIL(s[i])) c = U16_GET_SUPPLEMENTARY(c, s[i++]);
  return c;
}

inline WideChar LeadOrSelf(UChar32 c) {
  return c <= 0xFFFF ? static_cast<WideChar>(c) : static_cast<WideChar>(U16_LEAD(c));
}
inline WideChar TrailOrNone(UChar32 c) {
  return c <= 0xFFFF ? WideChar(0) : static_cast<WideChar>(U16_TRAIL(c));
}

}  // namespace

int CompareInvariantUpper(std::u16string_view a, std::u16string_view b) {
  std::size_t i = 0, j = 0;
  while (i < a.size() && j < b.size()) {
    if (a[i] < 0x80 && b[j] < 0x80) {
      const WideChar x = AsciiUpper(a[i++]), y = AsciiUpper(b[j++]);
      if (x != y) return x < y ? -1 : 1;
      continue;
    }
    const UChar32 x = u_toupper(NextCodePoint(a, i)), y = u_toupper(NextCodePoint(b, j));
    if (x == y) continue;
    // Order as the UTF-16 units of the upper-case forms would, so that this agrees with an ordinal
    // comparison of InvariantUpperCase(a) and InvariantUpperCase(b).
    const WideChar x0 = LeadOrSelf(x), y0 = LeadOrSelf(y);
    if (x0 != y0) return x0 < y0 ? -1 : 1;
    return TrailOrNone(x) < TrailOrNone(y) ? -1 : 1;
  }
  if (i < a.size()) return 1;
  return j < b.size() ? -1 : 0;
}

// ---- TStrings ----

void TStrings::Error(const TResourceString& message, int32_t data) {
  throw EStringListError(StringReplace(message.Text(), u"%d", IntToStr(data), 0));
}

void TStrings::Error(const TResourceString& message) {
  throw EStringListError(message.Text());
}

void TStrings::Put(int32_t index, const UnicodeString& s) {
  TObject* object = GetObject(index);
  Delete(index);
  InsertObject(index, s, object);
}

TObject* TStrings::GetObject(int32_t) const {
  return nullptr;
}

void TStrings::PutObject(int32_t, TObject*) {}

int32_t TStrings::Add(const UnicodeString& s) {
  const int32_t index = GetCount();
  Insert(index, s);
  return index;
}

int32_t TStrings::AddObject(const UnicodeString& s, TObject* object) {
  const int32_t index = Add(s);
  PutObject(index, object);
  return index;
}

int32_t TStrings::AddPair(const UnicodeString& name, const UnicodeString& value) {
  return Add(name + NameValueSeparator + value);
}

void TStrings::InsertObject(int32_t index, const UnicodeString& s, TObject* object) {
  Insert(index, s);
  PutObject(index, object);
}

void TStrings::Exchange(int32_t index1, int32_t index2) {
  TUpdateGuard guard(*this);
  const UnicodeString s1 = Get(index1), s2 = Get(index2);
  TObject* o1 = GetObject(index1);
  TObject* o2 = GetObject(index2);
  Put(index1, s2);
  PutObject(index1, o2);
  Put(index2, s1);
  PutObject(index2, o1);
}

void TStrings::Move(int32_t curIndex, int32_t newIndex) {
  if (curIndex == newIndex) return;
  if (newIndex < 0 || newIndex >= GetCount()) Error(SListIndexError, newIndex);
  TUpdateGuard guard(*this);
  const UnicodeString s = Get(curIndex);
  TObject* object = GetObject(curIndex);
  PutObject(curIndex, nullptr);  // so that an owning list does not free it on Delete
  Delete(curIndex);
  InsertObject(newIndex, s, object);
}

void TStrings::AddStrings(const TStrings& source) {
  TUpdateGuard guard(*this);
  const int32_t n = source.GetCount();  // fixed first, so adding a list to itself ends
  for (int32_t i = 0; i < n; ++i) AddObject(source.Get(i), source.GetObject(i));
}

void TStrings::Assign(const TStrings& source) {
  if (&source == this) return;
  TUpdateGuard guard(*this);
  Clear();
  Delimiter = source.Delimiter;
  QuoteChar = source.QuoteChar;
  NameValueSeparator = source.NameValueSeparator;
  StrictDelimiter = source.StrictDelimiter;
  LineBreak = source.LineBreak;
  TrailingLineBreak = source.TrailingLineBreak;
  WriteBOM = source.WriteBOM;
  encoding_ = source.encoding_;
  AddStrings(source);
}

bool TStrings::Equals(const TStrings& other) const {
  const int32_t n = GetCount();
  if (n != other.GetCount()) return false;
  for (int32_t i = 0; i < n; ++i) {
    if (Get(i) != other.Get(i)) return false;
  }
  return true;
}

int32_t TStrings::IndexOf(std::u16string_view s) const {
  const int32_t n = GetCount();
  for (int32_t i = 0; i < n; ++i) {
    if (CompareStrings(Get(i), s) == 0) return i;
  }
  return -1;
}

int32_t TStrings::IndexOfName(std::u16string_view name) const {
  const int32_t n = GetCount();
  for (int32_t i = 0; i < n; ++i) {
    const UnicodeString s = Get(i);
    const auto p = s.find(NameValueSeparator);
    if (p != UnicodeString::npos && CompareStrings(std::u16string_view(s).substr(0, p), name) == 0) return i;
  }
  return -1;
}

int32_t TStrings::IndexOfObject(const TObject* object) const {
  const int32_t n = GetCount();
  for (int32_t i = 0; i < n; ++i) {
    if (GetObject(i) == object) return i;
  }
  return -1;
}

UnicodeString TStrings::Names(int32_t index) const {
  UnicodeString s = Get(index);
  const auto p = s.find(NameValueSeparator);
  if (p == UnicodeString::npos) return {};
  s.resize(p);
  return s;
}

UnicodeString TStrings::ValueFromIndex(int32_t index) const {
  if (index < 0) return {};
  const UnicodeString s = Get(index);
  const auto p = s.find(NameValueSeparator);
  return p == UnicodeString::npos ? UnicodeString() : s.substr(p + 1);
}

void TStrings::SetValueFromIndex(int32_t index, const UnicodeString& value) {
  if (!value.empty()) {
    if (index < 0) {
      Add(NameValueSeparator + value);
    } else {
      Put(index, Names(index) + NameValueSeparator + value);
    }
  } else if (index >= 0) {
    Delete(index);
  }
}

UnicodeString TStrings::Values(std::u16string_view name) const {
  const int32_t i = IndexOfName(name);
  return i >= 0 ? ValueFromIndex(i) : UnicodeString();
}

void TStrings::SetValue(std::u16string_view name, const UnicodeString& value) {
  const int32_t i = IndexOfName(name);
  if (!value.empty()) {
    UnicodeString line(name);
    line += NameValueSeparator;
    line += value;
    // A new line is added whole, so a sorted list takes it in its place.
    if (i < 0) {
      Add(line);
    } else {
      Put(i, line);
    }
  } else if (i >= 0) {
    Delete(i);
  }
}

UnicodeString TStrings::GetTextStr() const {
  const int32_t n = GetCount();
  UnicodeString r;
  for (int32_t i = 0; i < n; ++i) {
    r += Get(i);
    if (i + 1 < n || TrailingLineBreak) r += LineBreak;
  }
  return r;
}

void TStrings::SetTextStr(std::u16string_view text) {
  TUpdateGuard guard(*this);
  Clear();
  std::size_t p = 0;
  const std::size_t n = text.size();
  while (p < n) {
    const std::size_t start = p;
    while (p < n && text[p] != u'\r' && text[p] != u'\n') ++p;
    Add(UnicodeString(text.substr(start, p - start)));
    if (p < n && text[p] == u'\r') ++p;
    if (p < n && text[p] == u'\n') ++p;
  }
}

UnicodeString TStrings::CommaText() const {
  return DelimitedTextWith(u',', u'"', false);
}

void TStrings::SetCommaText(std::u16string_view text) {
  SetDelimitedTextWith(text, u',', u'"', false);
}

UnicodeString TStrings::DelimitedText() const {
  return DelimitedTextWith(Delimiter, QuoteChar, StrictDelimiter);
}

void TStrings::SetDelimitedText(std::u16string_view text) {
  SetDelimitedTextWith(text, Delimiter, QuoteChar, StrictDelimiter);
}

UnicodeString TStrings::DelimitedTextWith(WideChar delimiter, WideChar quote, bool strict) const {
  const int32_t n = GetCount();
  if (n == 1 && Get(0).empty()) return UnicodeString(2, quote);  // so that one empty line survives
  UnicodeString r;
  for (int32_t i = 0; i < n; ++i) {
    const UnicodeString s = Get(i);
    bool needsQuotes = false;
    for (WideChar c : s) {
      if (c == quote || c == delimiter || (!strict && c >= 1 && c <= u' ')) {
        needsQuotes = true;
        break;
      }
    }
    if (i > 0) r += delimiter;
    r += needsQuotes ? AnsiQuotedStr(s, quote) : s;
  }
  return r;
}

void TStrings::SetDelimitedTextWith(std::u16string_view text, WideChar delimiter, WideChar quote,
                                    bool strict) {
  // The text ends at a NUL, as the runtime reads it.
  text = text.substr(0, text.find(u'\0'));
  const std::size_t n = text.size();
  auto isBlank = [&](std::size_t p) { return !strict && p < n && text[p] >= 1 && text[p] <= u' '; };
  TUpdateGuard guard(*this);
  Clear();
  std::size_t p = 0;
  while (isBlank(p)) ++p;
  while (p < n) {
    UnicodeString s;
    if (text[p] == quote) {
      // Quoted: doubled quotes stand for one; an unclosed quote takes the rest.
      ++p;
      while (p < n) {
        if (text[p] == quote) {
          if (p + 1 < n && text[p + 1] == quote) {
            s += quote;
            p += 2;
            continue;
          }
          ++p;
          break;
        }
        s += text[p++];
      }
    } else {
      const std::size_t start = p;
      while (p < n && (strict || text[p] > u' ') && text[p] != delimiter) ++p;
      s.assign(text.substr(start, p - start));
    }
    Add(s);
    while (isBlank(p)) ++p;
    if (p < n && text[p] == delimiter) {
      if (p + 1 == n) Add(UnicodeString());  // a trailing delimiter ends with an empty item
      do {
        ++p;
      } while (isBlank(p));
    }
  }
}

void TStrings::BeginUpdate() {
  if (updateCount_ == 0) SetUpdateState(true);
  ++updateCount_;
}

void TStrings::EndUpdate() {
  if (updateCount_ == 0) return;  // unbalanced: nothing to end
  if (--updateCount_ == 0) SetUpdateState(false);
}

namespace {

std::string ReadRest(TStream& stream) {
  const int64_t size = stream.Remaining();
  if (size > std::numeric_limits<int32_t>::max()) throw EReadError(u"Stream read error");
  std::string bytes(static_cast<std::size_t>(size), '\0');
  int64_t got = 0;
  while (got < size) {
    const int64_t r = stream.Read(bytes.data() + got, size - got);
    if (r <= 0) break;
    got += r;
  }
  bytes.resize(static_cast<std::size_t>(got));
  return bytes;
}

}  // namespace

void TStrings::LoadFromStream(TStream& stream) {
  const std::string bytes = ReadRest(stream);
  TEncoding encoding;
  const std::size_t skip = DetectBufferEncoding(bytes, encoding);
  TUpdateGuard guard(*this);
  SetTextStr(EncodingGetString(encoding, std::string_view(bytes).substr(skip)));
  encoding_ = encoding;
}

void TStrings::LoadFromStream(TStream& stream, TEncoding encoding) {
  const std::string bytes = ReadRest(stream);
  std::string_view body(bytes);
  const std::string_view mark = EncodingPreamble(encoding);
  if (!mark.empty() && body.starts_with(mark)) body.remove_prefix(mark.size());
  TUpdateGuard guard(*this);
  SetTextStr(EncodingGetString(encoding, body));
  encoding_ = encoding;
}

void TStrings::SaveToStream(TStream& stream) const {
  SaveToStream(stream, encoding_);
}

void TStrings::SaveToStream(TStream& stream, TEncoding encoding) const {
  const std::string bytes = EncodingGetBytes(encoding, GetTextStr());
  if (WriteBOM) {
    const std::string_view mark = EncodingPreamble(encoding);
    stream.WriteBuffer(mark.data(), static_cast<int64_t>(mark.size()));
  }
  stream.WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
}

void TStrings::LoadFromFile(const UnicodeString& fileName) {
  TFileStream stream(fileName, fmOpenRead | fmShareDenyWrite);
  LoadFromStream(stream);
}

void TStrings::LoadFromFile(const UnicodeString& fileName, TEncoding encoding) {
  TFileStream stream(fileName, fmOpenRead | fmShareDenyWrite);
  LoadFromStream(stream, encoding);
}

void TStrings::SaveToFile(const UnicodeString& fileName) const {
  SaveToFile(fileName, encoding_);
}

void TStrings::SaveToFile(const UnicodeString& fileName, TEncoding encoding) const {
  SaveFileDurably(fileName, [&](TStream& stream) { SaveToStream(stream, encoding); });
}

int TStrings::CompareStrings(std::u16string_view a, std::u16string_view b) const {
  return CompareInvariantUpper(a, b);
}

// ---- TStringList ----

TStringList::~TStringList() {
  OnChange = nullptr;
  OnChanging = nullptr;
  if (OwnsObjects) {
    for (auto& item : items_) delete item.FObject;
  }
}

void TStringList::CheckIndex(int32_t index) const {
  if (index < 0 || index >= GetCount()) Error(SListIndexError, index);
}

UnicodeString TStringList::Get(int32_t index) const {
  CheckIndex(index);
  return items_[static_cast<std::size_t>(index)].FString;
}

const UnicodeString& TStringList::GetRef(int32_t index) const {
  CheckIndex(index);
  return items_[static_cast<std::size_t>(index)].FString;
}

void TStringList::Put(int32_t index, const UnicodeString& s) {
  if (sorted_) Error(SSortedListError);
  CheckIndex(index);
  Changing();
  items_[static_cast<std::size_t>(index)].FString = s;
  Changed();
}

TObject* TStringList::GetObject(int32_t index) const {
  CheckIndex(index);
  return items_[static_cast<std::size_t>(index)].FObject;
}

void TStringList::PutObject(int32_t index, TObject* object) {
  CheckIndex(index);
  Changing();
  items_[static_cast<std::size_t>(index)].FObject = object;
  Changed();
}

void TStringList::SetCapacity(int32_t newCapacity) {
  if (newCapacity < GetCount() || newCapacity > MaxListSize) Error(SListCapacityError, newCapacity);
  if (static_cast<std::size_t>(newCapacity) < items_.capacity()) {
    std::vector<TStringItem> smaller;
    smaller.reserve(static_cast<std::size_t>(newCapacity));
    for (auto& item : items_) smaller.push_back(std::move(item));
    items_.swap(smaller);
  } else {
    items_.reserve(static_cast<std::size_t>(newCapacity));
  }
  capacity_ = newCapacity;
}

void TStringList::Grow() {
  SetCapacity(capacity_ + ListGrowDelta(capacity_));
}

int32_t TStringList::Add(const UnicodeString& s) {
  return AddObject(s, nullptr);
}

int32_t TStringList::AddObject(const UnicodeString& s, TObject* object) {
  int32_t index = GetCount();
  if (sorted_ && Find(s, index)) {
    if (Duplicates == dupIgnore) return index;
    if (Duplicates == dupError) Error(SDuplicateString);
  }
  InsertItem(index, s, object);
  return index;
}

void TStringList::Insert(int32_t index, const UnicodeString& s) {
  InsertObject(index, s, nullptr);
}

void TStringList::InsertObject(int32_t index, const UnicodeString& s, TObject* object) {
  if (sorted_) Error(SSortedListError);
  if (index < 0 || index > GetCount()) Error(SListIndexError, index);
  InsertItem(index, s, object);
}

void TStringList::InsertItem(int32_t index, const UnicodeString& s, TObject* object) {
  Changing();
  if (GetCount() == capacity_) Grow();
  items_.insert(items_.begin() + index, TStringItem{s, object});
  Changed();
}

void TStringList::Delete(int32_t index) {
  CheckIndex(index);
  Changing();
  TObject* object = OwnsObjects ? items_[static_cast<std::size_t>(index)].FObject : nullptr;
  items_.erase(items_.begin() + index);
  delete object;
  Changed();
}

void TStringList::Clear() {
  if (items_.empty()) return;
  Changing();
  std::vector<TStringItem> old;
  old.swap(items_);
  capacity_ = 0;
  if (OwnsObjects) {
    for (auto& item : old) delete item.FObject;
  }
  Changed();
}

void TStringList::Exchange(int32_t index1, int32_t index2) {
  CheckIndex(index1);
  CheckIndex(index2);
  Changing();
  std::swap(items_[static_cast<std::size_t>(index1)], items_[static_cast<std::size_t>(index2)]);
  Changed();
}

void TStringList::Move(int32_t curIndex, int32_t newIndex) {
  if (curIndex == newIndex) return;
  CheckIndex(curIndex);
  CheckIndex(newIndex);
  // Refused before anything changes, so the item is never lost half-way.
  if (sorted_) Error(SSortedListError);
  Changing();
  const auto first = items_.begin();
  if (curIndex < newIndex) {
    std::rotate(first + curIndex, first + curIndex + 1, first + newIndex + 1);
  } else {
    std::rotate(first + newIndex, first + curIndex, first + curIndex + 1);
  }
  Changed();
}

int32_t TStringList::IndexOf(std::u16string_view s) const {
  if (sorted_) {
    int32_t index;
    return Find(s, index) ? index : -1;
  }
  const int32_t n = GetCount();
  for (int32_t i = 0; i < n; ++i) {
    if (CompareStrings(items_[static_cast<std::size_t>(i)].FString, s) == 0) return i;
  }
  return -1;
}

bool TStringList::Find(std::u16string_view s, int32_t& index) const {
  int32_t lo = 0, hi = GetCount() - 1;
  bool found = false;
  while (lo <= hi) {
    const int32_t mid = lo + (hi - lo) / 2;
    const int c = CompareStrings(items_[static_cast<std::size_t>(mid)].FString, s);
    if (c < 0) {
      lo = mid + 1;
    } else {
      hi = mid - 1;
      if (c == 0) found = true;
    }
  }
  index = lo;
  return found;
}

void TStringList::SortIndexes(const std::function<int(int32_t, int32_t)>& compare) {
  std::vector<int32_t> order(items_.size());
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = static_cast<int32_t>(i);
  // The comparison sees the list as it stood before the sort; the items move only once it has finished.
  StableMergeSort(order, [&](int32_t a, int32_t b) { return compare(a, b) < 0; });
  std::vector<TStringItem> sorted;
  sorted.reserve(static_cast<std::size_t>(capacity_));
  for (int32_t i : order) sorted.push_back(std::move(items_[static_cast<std::size_t>(i)]));
  items_.swap(sorted);
}

void TStringList::Sort() {
  if (sorted_ || GetCount() < 2) return;
  Changing();
  SortIndexes([this](int32_t a, int32_t b) {
    return CompareStrings(items_[static_cast<std::size_t>(a)].FString,
                          items_[static_cast<std::size_t>(b)].FString);
  });
  Changed();
}

void TStringList::CustomSort(const TStringListSortCompare& compare) {
  if (sorted_ || GetCount() < 2) return;
  Changing();
  SortIndexes([&](int32_t a, int32_t b) { return compare(*this, a, b); });
  Changed();
}

void TStringList::SetSorted(bool value) {
  if (sorted_ == value) return;
  if (value) Sort();
  sorted_ = value;
}

void TStringList::SetCaseSensitive(bool value) {
  if (caseSensitive_ == value) return;
  caseSensitive_ = value;
  if (sorted_) {
    // Sort does nothing on a list flagged sorted.
    sorted_ = false;
    SetSorted(true);
  }
}

int TStringList::CompareStrings(std::u16string_view a, std::u16string_view b) const {
  return caseSensitive_ ? CompareStr(a, b) : CompareInvariantUpper(a, b);
}

void TStringList::Changing() {
  if (UpdateCount() == 0 && OnChanging) OnChanging(this);
}

void TStringList::Changed() {
  if (UpdateCount() == 0 && OnChange) OnChange(this);
}

void TStringList::SetUpdateState(bool updating) {
  if (updating) {
    Changing();
  } else {
    Changed();
  }
}

}  // namespace lx
