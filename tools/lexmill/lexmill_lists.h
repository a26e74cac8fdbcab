// The word list of the lexmill command, built on the list spine: an entry holding a word, its frequency and
// the number of texts it occurs in, and a list that owns its entries and sorts them by the holder's locale.
#pragma once

#include <algorithm>

#include "lexcore/rtl/lx_strings.h"
#include "lexlists/engine/work_LX_base.h"

namespace lx {

// The word is kept in UTF-16: the command always reads its texts into 16-bit buffers.
class TLexmillWordEntry : public TLXBaseListObject {
 public:
  using TLXBaseListObject::TLXBaseListObject;
  ~TLexmillWordEntry() override { FreeWord(); }

  void ZeroTheDataRec() override {
    FreeWord();
    data = TWordlist_entry_rec{};
  }
  void SetWord(const UnicodeString& word) {
    FreeWord();
    data.w = Granny->Funcs().Alloc(static_cast<int32_t>(word.size()));
    std::copy(word.begin(), word.end(), static_cast<WideChar*>(data.w));
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

// Owns its entries (the spine's Clear leaves them alone), so it frees them itself.
class TLexmillWordList : public TLXBaseDataClass {
 public:
  explicit TLexmillWordList(TLXBaseHolder* holder)
      : TLXBaseDataClass(holder, EntryClassOf<TLexmillWordEntry>(), grid_alph_order, lt_word_list, 0) {
    CompareWordsFunct = [this](TLXBaseListObject* e) { return CompareWords(e); };
  }
  ~TLexmillWordList() override { FreeAll(); }

  void FreeAll() {
    for (int32_t i = 0; i < fCount; ++i) delete CurrentList[i];
    Clear();
  }

  TLexmillWordEntry* Word(int32_t i) const { return static_cast<TLexmillWordEntry*>(Get(i)); }

  void AddWord(const UnicodeString& word, int32_t freq, int32_t texts) {
    const int32_t i = AddABlankEntryWithMainWord(word);
    Word(i)->data.f = freq;
    Word(i)->data.n_files = texts;
  }

  int32_t CompareWords(TLXBaseListObject* entry) {
    return Patroa->Funcs().LocaleCompare(Patroa->GetLCID(), entry->MainWordAsPointer(), base_compare_pointer);
  }
  void SetBase(TLXBaseListObject* entry, TSortLevel) override {
    base_compare_pointer = entry->MainWordAsPointer();
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
