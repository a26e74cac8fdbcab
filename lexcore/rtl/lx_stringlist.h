// String lists with the runtime's semantics: strings with attached objects, name=value lines, delimited and
// line-broken text forms, sorted lists with binary search, and loading and saving in the common encodings.
#pragma once

#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

#include "lexcore/rtl/lx_ansi.h"
#include "lexcore/rtl/lx_exceptions.h"
#include "lexcore/rtl/lx_list.h"
#include "lexcore/rtl/lx_object.h"
#include "lexcore/rtl/lx_resources.h"
#include "lexcore/rtl/lx_streams.h"
#include "lexcore/rtl/lx_types.h"

namespace lx {

LX_DECLARE_RESOURCESTRING(SDuplicateString)
LX_DECLARE_RESOURCESTRING(SSortedListError)

// The abstract list of strings. Descendants supply storage through Get, GetCount, Insert, Delete and Clear
// (and GetObject/PutObject when they keep objects); every other operation is built on those.
class TStrings : public TObject {
 public:
  TStrings() = default;
  ~TStrings() override = default;
  TStrings(const TStrings&) = delete;
  TStrings& operator=(const TStrings&) = delete;

  virtual int32_t GetCount() const = 0;
  virtual UnicodeString Get(int32_t index) const = 0;
  virtual void Put(int32_t index, const UnicodeString& s);
  virtual TObject* GetObject(int32_t index) const;
  virtual void PutObject(int32_t index, TObject* object);
  virtual int32_t GetCapacity() const { return GetCount(); }
  virtual void SetCapacity(int32_t) {}

  int32_t Count() const { return GetCount(); }
  UnicodeString Strings(int32_t index) const { return Get(index); }
  UnicodeString operator[](int32_t index) const { return Get(index); }
  TObject* Objects(int32_t index) const { return GetObject(index); }
  int32_t Capacity() const { return GetCapacity(); }

  virtual int32_t Add(const UnicodeString& s);
  virtual int32_t AddObject(const UnicodeString& s, TObject* object);
  int32_t AddPair(const UnicodeString& name, const UnicodeString& value);
  virtual void Insert(int32_t index, const UnicodeString& s) = 0;
  virtual void InsertObject(int32_t index, const UnicodeString& s, TObject* object);
  virtual void Delete(int32_t index) = 0;
  virtual void Clear() = 0;
  virtual void Exchange(int32_t index1, int32_t index2);
  virtual void Move(int32_t curIndex, int32_t newIndex);
  // Adds every string of source with its object; the objects are shared, not copied.
  virtual void AddStrings(const TStrings& source);
  // Replaces the contents and the text-form settings with source's.
  virtual void Assign(const TStrings& source);
  bool Equals(const TStrings& other) const;

  virtual int32_t IndexOf(std::u16string_view s) const;
  virtual int32_t IndexOfName(std::u16string_view name) const;
  virtual int32_t IndexOfObject(const TObject* object) const;

  // name=value lines. A line without the separator has an empty name and an empty value.
  UnicodeString Names(int32_t index) const;
  UnicodeString ValueFromIndex(int32_t index) const;
  void SetValueFromIndex(int32_t index, const UnicodeString& value);
  UnicodeString Values(std::u16string_view name) const;
  // An empty value deletes the line; otherwise the line is replaced or appended.
  void SetValue(std::u16string_view name, const UnicodeString& value);

  // Lines joined by LineBreak (after the last one too while TrailingLineBreak); setting splits at CR, LF or
  // CRLF.
  virtual UnicodeString GetTextStr() const;
  virtual void SetTextStr(std::u16string_view text);
  UnicodeString Text() const { return GetTextStr(); }
  void SetText(std::u16string_view text) { SetTextStr(text); }
  UnicodeString CommaText() const;
  void SetCommaText(std::u16string_view text);
  UnicodeString DelimitedText() const;
  void SetDelimitedText(std::u16string_view text);

  void BeginUpdate();
  void EndUpdate();
  int32_t UpdateCount() const { return updateCount_; }

  // Loading picks the encoding from a byte-order mark, else the process ANSI code page, and remembers it;
  // with an explicit encoding only that encoding's mark is skipped. Saving without an encoding uses the
  // remembered one.
  virtual void LoadFromStream(TStream& stream);
  virtual void LoadFromStream(TStream& stream, TEncoding encoding);
  virtual void SaveToStream(TStream& stream) const;
  virtual void SaveToStream(TStream& stream, TEncoding encoding) const;
  void LoadFromFile(const UnicodeString& fileName);
  void LoadFromFile(const UnicodeString& fileName, TEncoding encoding);
  // Writes a temporary file beside the target and renames it over the target, so a failed save keeps the
  // old file.
  void SaveToFile(const UnicodeString& fileName) const;
  void SaveToFile(const UnicodeString& fileName, TEncoding encoding) const;
  TEncoding Encoding() const { return encoding_; }
  void SetEncoding(TEncoding encoding) { encoding_ = encoding; }

  // Compares two strings the way this list matches them; the base ignores case.
  virtual int CompareStrings(std::u16string_view a, std::u16string_view b) const;

  WideChar Delimiter = u',';
  WideChar QuoteChar = u'"';
  WideChar NameValueSeparator = u'=';
  bool StrictDelimiter = false;
  UnicodeString LineBreak = u"\r\n";
  bool TrailingLineBreak = true;
  bool WriteBOM = true;

 protected:
  // Called as the first BeginUpdate starts and the last EndUpdate ends.
  virtual void SetUpdateState(bool /*updating*/) {}
  [[noreturn]] static void Error(const TResourceString& message, int32_t data);
  [[noreturn]] static void Error(const TResourceString& message);

 private:
  UnicodeString DelimitedTextWith(WideChar delimiter, WideChar quote, bool strict) const;
  void SetDelimitedTextWith(std::u16string_view text, WideChar delimiter, WideChar quote, bool strict);

  int32_t updateCount_ = 0;
  TEncoding encoding_ = TEncoding::Default;
};

enum TDuplicates : uint8_t { dupIgnore, dupAccept, dupError };

class TStringList;
// Compares the items at two indexes of list: negative, zero or positive.
using TStringListSortCompare = std::function<int(TStringList& list, int32_t index1, int32_t index2)>;

// The string list. Objects are owned (and freed on Delete, Clear and destruction) only while OwnsObjects;
// PutObject never frees the object it replaces, and an object whose add was ignored or refused stays the
// caller's.
class TStringList : public TStrings {
 public:
  TStringList() = default;
  explicit TStringList(bool ownsObjects) : OwnsObjects(ownsObjects) {}
  ~TStringList() override;

  int32_t GetCount() const override { return static_cast<int32_t>(items_.size()); }
  UnicodeString Get(int32_t index) const override;
  // The string itself, without a copy.
  const UnicodeString& GetRef(int32_t index) const;
  void Put(int32_t index, const UnicodeString& s) override;
  TObject* GetObject(int32_t index) const override;
  void PutObject(int32_t index, TObject* object) override;
  int32_t GetCapacity() const override { return capacity_; }
  void SetCapacity(int32_t newCapacity) override;

  int32_t Add(const UnicodeString& s) override;
  int32_t AddObject(const UnicodeString& s, TObject* object) override;
  void Insert(int32_t index, const UnicodeString& s) override;
  void InsertObject(int32_t index, const UnicodeString& s, TObject* object) override;
  void Delete(int32_t index) override;
  void Clear() override;
  void Exchange(int32_t index1, int32_t index2) override;
  void Move(int32_t curIndex, int32_t newIndex) override;
  int32_t IndexOf(std::u16string_view s) const override;

  // Binary search of a sorted list: true when s is present, with index at its first occurrence; otherwise
  // false, with index where s would be inserted.
  virtual bool Find(std::u16string_view s, int32_t& index) const;
  // Both sorts are stable and do nothing on a list that is already Sorted.
  virtual void Sort();
  virtual void CustomSort(const TStringListSortCompare& compare);

  bool Sorted() const { return sorted_; }
  void SetSorted(bool value);
  bool CaseSensitive() const { return caseSensitive_; }
  void SetCaseSensitive(bool value);

  // Ordinal when CaseSensitive, else by invariant upper case.
  int CompareStrings(std::u16string_view a, std::u16string_view b) const override;

  TDuplicates Duplicates = dupIgnore;
  bool OwnsObjects = false;
  TNotifyEvent OnChange;
  TNotifyEvent OnChanging;

 protected:
  virtual void Changing();
  virtual void Changed();
  void SetUpdateState(bool updating) override;
  virtual void InsertItem(int32_t index, const UnicodeString& s, TObject* object);

 private:
  struct TStringItem {
    UnicodeString FString;
    TObject* FObject = nullptr;
  };
  void CheckIndex(int32_t index) const;
  void Grow();
  // Reorders the items by a stable merge sort of their indexes.
  void SortIndexes(const std::function<int(int32_t, int32_t)>& compare);

  std::vector<TStringItem> items_;
  int32_t capacity_ = 0;
  bool sorted_ = false;
  bool caseSensitive_ = false;
};

// Ordinal comparison of the invariant upper-case forms of a and b, without building them.
int CompareInvariantUpper(std::u16string_view a, std::u16string_view b);

}  // namespace lx
