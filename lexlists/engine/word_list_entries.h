// A word list built on the spine the way a tool builds one: an entry holding a word with its frequency and
// number of texts, and a list that compares and sorts words by the holder's locale rules. Tools use it as it
// is or derive from it; it is also the shortest example of deriving entry and list classes from the spine.
#pragma once

#include <algorithm>
#include <cstdint>
#include <utility>

#include "lexcore/platform/win_codepages.h"
#include "lexcore/rtl/lx_strings.h"
#include "lexlists/engine/sort_key_cache.h"
#include "lexlists/engine/work_LX_base.h"

namespace lx {

// Stored form (little-endian): the word, its prefix and its suffix, each as a 32-bit count of UTF-16 units
// and the units; the frequency and the number of texts (int32 each); the dispersion (32-bit float); the
// private record under the list's stored information; a 32-bit count of joined entries, each in this same
// form with a count of 0 (joins are flat).
class TWordListEntry : public TLXBaseListObject {
 public:
  using TLXBaseListObject::TLXBaseListObject;
  ~TWordListEntry() override { FreeTexts(); }

  void ZeroTheDataRec() override {
    FreeTexts();
    data = TWordlist_entry_rec{};
  }
  // The word's buffer is in the holder's current storage form.
  void SetWord(const UnicodeString& word) { SetText(data.w, word); }
  void SetPrefix(const UnicodeString& prefix) { SetText(data.prefix_or_tag, prefix, true); }
  void SetSuffix(const UnicodeString& suffix) { SetText(data.suffix, suffix, true); }
  void ConvertEntryToUnicode(uint32_t codepage) override {
    if (data.w) data.w = BaseConvertedToUnicode(codepage, data.w);
    if (data.prefix_or_tag) data.prefix_or_tag = BaseConvertedToUnicode(codepage, data.prefix_or_tag);
    if (data.suffix) data.suffix = BaseConvertedToUnicode(codepage, data.suffix);
  }

  UnicodeString MainWordOnly() override { return TextOf(data.w); }
  UnicodeString MainWordPrefix() override { return TextOf(data.prefix_or_tag); }
  UnicodeString MainWordSuffix() override { return TextOf(data.suffix); }
  void* MainWordAsPointer() override { return data.w; }
  int32_t MainWordFrequency() override { return data.f; }
  int32_t FrequencyNum() override { return data.f; }
  int32_t MainNTexts() override { return data.n_files; }
  int32_t MainWordLength() override { return Granny->Funcs().Length(data.w); }
  float GetDispersion() override { return data.dispersion; }

  // Column 1 is the word, 2 the frequency, 3 the number of texts.
  UnicodeString GetAWordAsString(int32_t row, int32_t column) override {
    switch (column) {
      case 1:
        return MainWordOnly();
      case 2:
        return IntToStr(data.f);
      case 3:
        return IntToStr(data.n_files);
      default:
        return TLXBaseListObject::GetAWordAsString(row, column);
    }
  }
  UnicodeString GetAWordPlusAffixesAsString(int32_t row, int32_t column) override {
    return column == 1 ? MainWordPlusPrefixAndSuffix() : GetAWordAsString(row, column);
  }
  void SetAWordAsString(int32_t, int32_t column, const UnicodeString& s) override {
    if (column == 1) SetWord(s);
  }
  void SetAPrefixAsString(int32_t, int32_t column, const UnicodeString& s) override {
    if (column == 1) SetPrefix(s);
  }
  void SetASuffixAsString(int32_t, int32_t column, const UnicodeString& s) override {
    if (column == 1) SetSuffix(s);
  }

  bool SaveToStream(TStream& stream) override;
  bool ReadFromStream(TStream& stream) override;

  TWordlist_entry_rec data;

 private:
  bool SaveOneToStream(TStream& stream, bool withJoins);
  bool ReadOneFromStream(TStream& stream, bool withJoins);
  UnicodeString TextOf(const void* p) {
    return DataPointerToString(p, Granny->GetCodepage(), Granny->OperatingInUnicode());
  }
  // An empty affix keeps no buffer; the word always has one.
  void SetText(void*& slot, const UnicodeString& text, bool emptyIsNone = false) {
    if (slot) Granny->Funcs().Delete(slot);
    slot = nullptr;
    if (emptyIsNone && text.empty()) return;
    if (Granny->OperatingInUnicode()) {
      slot = Granny->Funcs().Alloc(static_cast<int32_t>(text.size()));
      std::copy(text.begin(), text.end(), static_cast<WideChar*>(slot));
    } else {
      AnsiString bytes = UnicodeToCodePage(Granny->GetCodepage(), text);
      slot = Granny->Funcs().Alloc(static_cast<int32_t>(bytes.size()));
      std::copy(bytes.begin(), bytes.end(), static_cast<char*>(slot));
    }
  }
  void FreeTexts() {
    for (void** slot : {&data.w, &data.prefix_or_tag, &data.suffix}) {
      if (*slot) Granny->Funcs().Delete(*slot);
      *slot = nullptr;
    }
  }
};

// Owns its entries: the spine's Remove and Clear leave entries alone, so the tool's list frees them.
class TWordList : public TLXBaseDataClass {
 public:
  explicit TWordList(TLXBaseHolder* holder)
      : TLXBaseDataClass(holder, EntryClassOf<TWordListEntry>(), grid_alph_order, lt_word_list, 0) {
    CompareWordsFunct = [this](TLXBaseListObject* e) { return CompareWords(e); };
  }
  ~TWordList() override { FreeAll(); }

  void FreeAll() {
    for (int32_t i = 0; i < fCount; ++i) delete CurrentList[i];
    Clear();
  }

  // The entries read before go first: the spine's Clear would only drop them.
  bool ReadFromStream(TStream& stream) override {
    FreeAll();
    return TLXBaseDataClass::ReadFromStream(stream);
  }

  TWordListEntry* Word(int32_t i) const { return static_cast<TWordListEntry*>(Get(i)); }

  int32_t AddWord(const UnicodeString& word, int32_t freq, int32_t texts) {
    int32_t i = AddABlankEntryWithMainWord(word);
    Word(i)->data.f = freq;
    Word(i)->data.n_files = texts;
    LXSortSettings.sort_is_alph_ascending = false;
    return i;
  }

  // A head of joined forms counts as often as it and they do together, as it is shown; beyond the 32-bit
  // field it is held at the largest value.
  static int32_t FrequencyWithJoins(TLXBaseListObject* entry) {
    int64_t total = entry->MainWordFrequency();
    if (TJoinlist* joins = entry->OwnJoinlist())
      for (int32_t i = 0; i < joins->Count(); ++i)
        if (joins->Entry(i)) total += joins->Entry(i)->MainWordFrequency();
    return static_cast<int32_t>(std::min<int64_t>(total, INT32_MAX));
  }

  // The entry against the word being searched for (or the sort's base), by the locale's rules.
  int32_t CompareWords(TLXBaseListObject* entry) {
    return Patroa->Funcs().LocaleCompare(Patroa->GetLCID(), entry->MainWordAsPointer(), base_compare_pointer);
  }
  // Sort columns: the heading columns (word, frequency, texts) and two more orders of the word column.
  static constexpr int32_t kSortWord = 1, kSortFreq = 2, kSortTexts = 3, kSortReverseWord = 4,
                           kSortWordLength = 5;

  // The word column sorts by the alphabetical sub-sort chosen for it.
  int32_t HeaderColumnToSortNeeded(TSortLevel, int32_t column) override {
    if (column < kSortWord || column > kSortTexts) return -1;
    if (column != kSortWord) return column;
    switch (AlphabeticalSubSort) {
      case sort_reverse_word:
        return kSortReverseWord;
      case sort_word_length:
        return kSortWordLength;
      default:
        return kSortWord;
    }
  }

  void Set1Sort(TSortLevel level, int32_t column) override {
    TLXBaseDataClass::Set1Sort(level, column);
    TLXBaseListSortCompare& compare = LXSortSettings.mainsorts[level];
    switch (LXSortSettings.sort_ints[level]) {
      case kSortWord:
        // Words the locale finds equal (canonically equivalent forms) go by code units, so the order
        // does not depend on where the quicksort's pivots fell.
        compare = [this](TLXBaseListObject* e) {
          TSortKeyCache::TKeyRef key;
          const int32_t c = fHasBaseKey && fSortKeys.Find(compare_ID_with, e, key)
                                ? TSortKeyCache::Compare(key, fBaseKey)
                                : CompareWords(e);
          return c != 0 ? c : Patroa->Funcs().PlainCompare(e->MainWordAsPointer(), base_compare_pointer);
        };
        if (level == main_sort) SetSortAlphabetical(main_sort, true);
        break;
      case kSortFreq:
        compare = [this](TLXBaseListObject* e) { return IntegerComparison(FrequencyWithJoins(e)); };
        break;
      case kSortTexts:
        compare = [this](TLXBaseListObject* e) { return IntegerComparison(e->MainNTexts()); };
        break;
      case kSortReverseWord:
        compare = [this](TLXBaseListObject* e) { return CompareWordsReverse(e->MainWordAsPointer()); };
        break;
      case kSortWordLength:
        compare = [this](TLXBaseListObject* e) { return CompareWordsByLength(e); };
        break;
      default:
        compare = nullptr;
        break;
    }
  }

  void SetBase(TLXBaseListObject* entry, TSortLevel level) override {
    switch (LXSortSettings.sort_ints[level]) {
      case kSortFreq:
        base_compare_int = FrequencyWithJoins(entry);
        break;
      case kSortTexts:
        base_compare_int = entry->MainNTexts();
        break;
      case kSortReverseWord:
        ComputeReversedBaseWord(entry->MainWordAsPointer());
        break;
      case kSortWordLength:
        base_compare_int = entry->MainWordLength();
        break;
      default:
        base_compare_pointer = entry->MainWordAsPointer();
        fHasBaseKey = fSortKeys.Find(compare_ID_base, entry, fBaseKey);
        break;
    }
  }

  // An alphabetical level compares keys made once per word; the order is the locale comparison's. The
  // keys are made when a level first has entries to move, so a list already in order costs none.
  void DoASort(int32_t column, int32_t first, int32_t last) override {
    bool byWord = false;
    for (int level = main_sort; level <= LXSortSettings.SortLevelsAvailable; ++level)
      byWord |= LXSortSettings.sort_ints[level] == kSortWord && !LXSortSettings.SortIsPrivate[level];
    fKeyRange = byWord && fListBusy == no_action ? std::pair{first, last} : std::pair{0, -1};
    TLXBaseDataClass::DoASort(column, first, last);
    fKeyRange = {0, -1};
    fSortKeys.Clear();
    fHasBaseKey = false;
  }
  void SortReordering() override {
    if (fKeyRange.first > fKeyRange.second) return;
    fSortKeys.Build(*this, fKeyRange.first, fKeyRange.second, fSortThreads);
    fKeyRange = {0, -1};
  }
  void SortExchanged(int32_t i, int32_t j) override { fSortKeys.Exchange(i, j); }

  void EnsureAlphabeticalAscendingSort() override {
    Set1Sort(main_sort, kSortWord);
    SetSortAscending(main_sort, true);
  }

  void SortAlphabetically() { DoAlphabeticalAscendingSort(); }
  // How many threads an alphabetical sort may use to make its keys; the order does not depend on it.
  void SetSortThreads(unsigned threads) { fSortThreads = std::max(threads, 1u); }

  // Frequency descending, ties in the locale's alphabetical order; or alphabetical only.
  void SortEntries(bool alphabetical) {
    if (alphabetical) {
      DoAlphabeticalAscendingSort();
      return;
    }
    Set1Sort(main_sort, kSortFreq);
    SetSortAscending(main_sort, false);
    Set1Sort(second_sort, kSortWord);
    SetSortAscending(second_sort, true);
    DoASort(-1, 0, fCount - 1);
  }

 private:
  TSortKeyCache fSortKeys;
  std::pair<int32_t, int32_t> fKeyRange{0, -1};  // the range whose keys are still to be made
  TSortKeyCache::TKeyRef fBaseKey;
  bool fHasBaseKey = false;
  unsigned fSortThreads = 1;
};

}  // namespace lx
