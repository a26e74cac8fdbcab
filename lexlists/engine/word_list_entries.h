// A word list built on the spine the way a tool builds one: an entry holding a word with its frequency and
// number of texts, and a list that compares and sorts words by the holder's locale rules. Tools use it as it
// is or derive from it; it is also the shortest example of deriving entry and list classes from the spine.
#pragma once

#include <algorithm>

#include "lexcore/platform/win_codepages.h"
#include "lexcore/rtl/lx_strings.h"
#include "lexlists/engine/work_LX_base.h"

namespace lx {

class TWordListEntry : public TLXBaseListObject {
 public:
  using TLXBaseListObject::TLXBaseListObject;
  ~TWordListEntry() override { FreeWord(); }

  void ZeroTheDataRec() override {
    FreeWord();
    data = TWordlist_entry_rec{};
  }
  // The word's buffer is in the holder's current storage form.
  void SetWord(const UnicodeString& word) {
    FreeWord();
    if (Granny->OperatingInUnicode()) {
      data.w = Granny->Funcs().Alloc(static_cast<int32_t>(word.size()));
      std::copy(word.begin(), word.end(), static_cast<WideChar*>(data.w));
    } else {
      AnsiString bytes = UnicodeToCodePage(Granny->GetCodepage(), word);
      data.w = Granny->Funcs().Alloc(static_cast<int32_t>(bytes.size()));
      std::copy(bytes.begin(), bytes.end(), static_cast<char*>(data.w));
    }
  }
  void ConvertEntryToUnicode(uint32_t codepage) override {
    if (data.w) data.w = BaseConvertedToUnicode(codepage, data.w);
  }

  UnicodeString MainWordOnly() override {
    return DataPointerToString(data.w, Granny->GetCodepage(), Granny->OperatingInUnicode());
  }
  void* MainWordAsPointer() override { return data.w; }
  int32_t MainWordFrequency() override { return data.f; }
  int32_t FrequencyNum() override { return data.f; }
  int32_t MainNTexts() override { return data.n_files; }
  int32_t MainWordLength() override { return Granny->Funcs().Length(data.w); }

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
  void SetAWordAsString(int32_t, int32_t column, const UnicodeString& s) override {
    if (column == 1) SetWord(s);
  }

  TWordlist_entry_rec data;

 private:
  void FreeWord() {
    if (data.w) Granny->Funcs().Delete(data.w);
    data.w = nullptr;
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

  TWordListEntry* Word(int32_t i) const { return static_cast<TWordListEntry*>(Get(i)); }

  int32_t AddWord(const UnicodeString& word, int32_t freq, int32_t texts) {
    int32_t i = AddABlankEntryWithMainWord(word);
    Word(i)->data.f = freq;
    Word(i)->data.n_files = texts;
    LXSortSettings.sort_is_alph_ascending = false;
    return i;
  }

  // The entry against the word being searched for (or the sort's base), by the locale's rules.
  int32_t CompareWords(TLXBaseListObject* entry) {
    return Patroa->Funcs().LocaleCompare(Patroa->GetLCID(), entry->MainWordAsPointer(), base_compare_pointer);
  }
  void SetBase(TLXBaseListObject* entry, TSortLevel) override {
    base_compare_pointer = entry->MainWordAsPointer();
  }

  void EnsureAlphabeticalAscendingSort() override {
    LXSortSettings.main_sort_is_alphabetical = true;
    LXSortSettings.ascending_orders[main_sort] = true;
  }

  void SortAlphabetically() {
    std::stable_sort(CurrentList, CurrentList + fCount, [this](TLXBaseListObject* a, TLXBaseListObject* b) {
      SetBase(b, main_sort);
      return CompareWords(a) < 0;
    });
    LXSortSettings.sort_is_alph_ascending = true;
  }

  // Frequency descending, ties in the locale's alphabetical order; or alphabetical only.
  void SortEntries(bool alphabetical) {
    const auto& funcs = Patroa->Funcs();
    const LCID lcid = Patroa->GetLCID();
    std::stable_sort(CurrentList, CurrentList + fCount, [&](TLXBaseListObject* a, TLXBaseListObject* b) {
      if (!alphabetical) {
        const int32_t fa = a->MainWordFrequency(), fb = b->MainWordFrequency();
        if (fa != fb) return fa > fb;
      }
      return funcs.LocaleCompare(lcid, a->MainWordAsPointer(), b->MainWordAsPointer()) < 0;
    });
    LXSortSettings.main_sort_is_alphabetical = alphabetical;
    LXSortSettings.sort_is_alph_ascending = alphabetical;
  }
};

}  // namespace lx
