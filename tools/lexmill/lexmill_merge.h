// Saved word lists merged into one, as if their texts had been counted together.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "lexlists/engine/base_holder.h"
#include "tools/lexmill/lexmill_listfile.h"

namespace lx {

// Frequencies and numbers of texts add up (the texts of different lists are different texts); forms joined
// under a head in any list are joined under it again, so a head's total is that of the merged forms.
class TLexmillMerger {
 public:
  // The holder must work in UTF-16, as lexmill's do (an EListError otherwise).
  explicit TLexmillMerger(TLXBaseHolder& holder);

  // The first list added gives the locale (the holder's at that moment) and the stored file names.
  void Add(TLexmillWordList& part, const TLexmillListTotals& totals);
  // Makes the joins; returns the number of forms left under the first head met because another list had
  // them under a different one.
  int Finish();

  TLexmillWordList& List() { return *merged; }
  // -1 for running words and texts when any list did not say.
  TLexmillListTotals Totals() const;
  // Whether the lists were made with different stop lists, or some with one and some without: a word one
  // of them left out is then counted only where the others counted it, and the merged list names none.
  bool MixedStopLists() const { return mixedStopLists; }

 private:
  // A word with its affixes, as the entries hold them.
  struct TKey {
    std::u16string_view prefix, word, suffix;
    bool operator==(const TKey&) const = default;
  };
  struct TSlot {
    uint64_t hash = 0;
    TLexmillWordEntry* entry = nullptr;  // none: the slot is free
  };
  struct TJoin {
    TLexmillWordEntry* head;
    UnicodeString prefix, word, suffix;  // the form's, found once every list is in
    int part;                            // the list it came from
  };
  // Puts each head's forms in an order that keeps every list's order (see the definition).
  void OrderFormsAsTheListsDid();

  TKey KeyOf(TLXBaseListObject* e) const;
  static uint64_t HashOf(const TKey& key);
  // The slot holding the entry with these words, or the free slot where it goes.
  TSlot& SlotOf(const TKey& key, uint64_t hash);
  void Reserve(std::size_t entries);

  TLXBaseHolder& holder;
  std::unique_ptr<TLexmillWordList> merged;
  // Merged entries by their words, open addressing: a node and a key string per word made the table the
  // larger part of a merge. Pointers, since the merge checks may sort the list.
  std::vector<TSlot> slots;
  std::size_t used = 0;
  std::vector<TJoin> joins;
  TLexmillListTotals total{0, 0, 0};
  bool totalsKnown = true;
  int parts = 0;
  bool mixedStopLists = false;
};

}  // namespace lx
