// `lexmill merge A B... -o C`: one word list from saved word lists.
#include "tools/lexmill/lexmill_merge.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <limits>
#include <queue>
#include <unordered_map>

#include "lexcore/platform/win_locale.h"
#include "lexcore/rtl/lx_exceptions.h"
#include "lexcore/rtl/lx_strings.h"
#include "lexlists/engine/base_holder.h"
#include "tools/lexmill/lexmill_commands.h"

namespace lx {

namespace {

// Counts read from lists that may be damaged or hostile add up within their field's range, never past it.
template <class T>
T SaturatedSum(T a, T b) {
  T sum;
  if (!__builtin_add_overflow(a, b, &sum)) return sum;
  return b > 0 ? std::numeric_limits<T>::max() : std::numeric_limits<T>::min();
}

}  // namespace

TLexmillMerger::TLexmillMerger(TLXBaseHolder& holder)
    : holder(holder), merged(Create<TLexmillWordList>(&holder)) {
  if (!holder.OperatingInUnicode()) throw EListError(u"lists are merged in UTF-16 only");
}

TLexmillMerger::TKey TLexmillMerger::KeyOf(TLXBaseListObject* e) const {
  auto* w = static_cast<TLexmillWordEntry*>(e);
  const auto view = [&](const void* p) {
    return p ? std::u16string_view(static_cast<const char16_t*>(p),
                                   static_cast<std::size_t>(holder.Funcs().Length(p)))
             : std::u16string_view();
  };
  return {view(w->data.prefix_or_tag), view(w->data.w), view(w->data.suffix)};
}

uint64_t TLexmillMerger::HashOf(const TKey& key) {
  // FNV-1a over the three texts, each closed by a unit no text holds.
  uint64_t h = 14695981039346656037ull;
  for (std::u16string_view part : {key.prefix, key.word, key.suffix}) {
    for (char16_t c : part) h = (h ^ c) * 1099511628211ull;
    h = (h ^ 0x1FFFF) * 1099511628211ull;
  }
  return h ^ (h >> 29);
}

TLexmillMerger::TSlot& TLexmillMerger::SlotOf(const TKey& key, uint64_t hash) {
  const std::size_t mask = slots.size() - 1;
  for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
    TSlot& slot = slots[i];
    if (!slot.entry || (slot.hash == hash && KeyOf(slot.entry) == key)) return slot;
  }
}

void TLexmillMerger::Reserve(std::size_t entries) {
  // At most half full, so probes stay short and a free slot always ends one.
  std::size_t size = 16;
  while (size < 2 * entries) size *= 2;
  if (size <= slots.size()) return;
  std::vector<TSlot> old(size);
  old.swap(slots);
  for (const TSlot& s : old)
    if (s.entry) {
      const std::size_t mask = slots.size() - 1;
      std::size_t i = s.hash & mask;
      while (slots[i].entry) i = (i + 1) & mask;
      slots[i] = s;
    }
}

void TLexmillMerger::Add(TLexmillWordList& part, const TLexmillListTotals& totals) {
  if (parts++ == 0) {
    total.lcid = holder.GetLCID();
    TStoredListInfo& info = merged->StoredListInfo->fdata;
    info.matchlist_filename = part.StoredListInfo->fdata.matchlist_filename;
    info.stoplist_filename = part.StoredListInfo->fdata.stoplist_filename;
    info.has_affixes = part.StoredListInfo->fdata.has_affixes;
  } else if (part.StoredListInfo->fdata.stoplist_filename !=
             merged->StoredListInfo->fdata.stoplist_filename) {
    mixedStopLists = true;
    merged->StoredListInfo->fdata.stoplist_filename.clear();
  }
  // A damaged or hostile list may say anything: the sums stop at the largest value.
  if (totals.tokens < 0 || totals.texts < 0) totalsKnown = false;
  if (totalsKnown) {
    total.tokens = SaturatedSum(total.tokens, totals.tokens);
    total.texts = SaturatedSum(total.texts, totals.texts);
  }
  merged->DonePreMergeChecks(part);
  Reserve(used + static_cast<std::size_t>(part.Count()));
  for (int32_t i = 0; i < part.Count(); ++i) {
    TLexmillWordEntry* e = part.Word(i);
    const TKey key = KeyOf(e);
    const uint64_t hash = HashOf(key);
    TSlot& slot = SlotOf(key, hash);
    if (!slot.entry) {
      TLexmillWordEntry* m = merged->Word(merged->AddWord(UnicodeString(key.word), 0, 0));
      m->SetPrefix(UnicodeString(key.prefix));
      m->SetSuffix(UnicodeString(key.suffix));
      slot = {hash, m};
      ++used;
    }
    TLexmillWordEntry* m = slot.entry;
    m->data.f = SaturatedSum(m->data.f, e->data.f);
    m->data.n_files = SaturatedSum(m->data.n_files, e->data.n_files);
    if (e->IsDeleted()) {
      m->EnsurePrivateObjExists();
      m->privateobj->fdetails.deleted = 1;
    }
    for (int32_t j = 0; j < e->JoinCount(); ++j)
      if (TLXBaseListObject* f = e->OwnJoinlist()->Entry(j)) {
        const TKey form = KeyOf(f);
        joins.push_back(
            {m, UnicodeString(form.prefix), UnicodeString(form.word), UnicodeString(form.suffix), parts});
      }
  }
  merged->StoredListInfo->fdata.lifetimezaps =
      SaturatedSum(merged->StoredListInfo->fdata.lifetimezaps, part.StoredListInfo->fdata.lifetimezaps);
}

// Each list gives a head's forms in the order its lemma file did. Merged, they keep every list's order: a
// form goes after each form that some list put before it, and otherwise in the order first met. Lists made
// with one lemma file so give the forms in that file's order, whichever order the lists come in; lists that
// disagree break the tie by the order first met.
void TLexmillMerger::OrderFormsAsTheListsDid() {
  std::vector<TLexmillWordEntry*> heads;
  std::unordered_map<TLexmillWordEntry*, std::vector<std::size_t>> ofHead;  // indices into joins
  for (std::size_t j = 0; j < joins.size(); ++j) {
    auto [it, added] = ofHead.try_emplace(joins[j].head);
    if (added) heads.push_back(joins[j].head);
    it->second.push_back(j);
  }
  std::vector<TJoin> ordered;
  ordered.reserve(joins.size());
  for (TLexmillWordEntry* head : heads) {
    const std::vector<std::size_t>& all = ofHead[head];
    // The head's distinct forms in the order first met, and which must come after which.
    std::vector<std::size_t> forms;  // the first join of each form
    std::unordered_map<std::u16string, int32_t> formOf;
    std::vector<int32_t> nodeOf(all.size());
    for (std::size_t k = 0; k < all.size(); ++k) {
      const TJoin& join = joins[all[k]];
      const std::u16string key = join.prefix + u'\0' + join.word + u'\0' + join.suffix;
      auto [it, added] = formOf.try_emplace(key, static_cast<int32_t>(forms.size()));
      if (added) forms.push_back(all[k]);
      nodeOf[k] = it->second;
    }
    std::vector<std::vector<int32_t>> after(forms.size());
    std::vector<int32_t> before(forms.size(), 0);
    for (std::size_t k = 1; k < all.size(); ++k)
      if (joins[all[k]].part == joins[all[k - 1]].part && nodeOf[k] != nodeOf[k - 1]) {
        after[static_cast<std::size_t>(nodeOf[k - 1])].push_back(nodeOf[k]);
        ++before[static_cast<std::size_t>(nodeOf[k])];
      }
    // The first form met that nothing left must precede; when the lists disagree, the first form left.
    std::priority_queue<int32_t, std::vector<int32_t>, std::greater<>> free;
    for (std::size_t f = 0; f < forms.size(); ++f)
      if (before[f] == 0) free.push(static_cast<int32_t>(f));
    std::vector<bool> done(forms.size(), false);
    std::size_t firstLeft = 0;
    for (std::size_t placed = 0; placed < forms.size(); ++placed) {
      while (!free.empty() && done[static_cast<std::size_t>(free.top())]) free.pop();
      while (done[firstLeft]) ++firstLeft;
      std::size_t next = firstLeft;
      if (!free.empty()) {
        next = static_cast<std::size_t>(free.top());
        free.pop();
      }
      done[next] = true;
      for (int32_t g : after[next])
        if (--before[static_cast<std::size_t>(g)] == 0) free.push(g);
      ordered.push_back(joins[forms[next]]);
    }
  }
  joins = std::move(ordered);
}

int TLexmillMerger::Finish() {
  OrderFormsAsTheListsDid();
  int conflicts = 0;
  std::unordered_map<const TLXBaseListObject*, int32_t> at;
  if (!joins.empty())
    for (int32_t i = 0; i < merged->Count(); ++i) at.emplace(merged->Get(i), i);
  for (const TJoin& join : joins) {
    const TKey key{join.prefix, join.word, join.suffix};
    TLexmillWordEntry* form = SlotOf(key, HashOf(key)).entry;
    if (!form) continue;
    // A form another list has under the same head is there already.
    TJoinlist* under = join.head->OwnJoinlist();
    if (under && under->IndexOf(form) >= 0) continue;
    // Joins stay one level deep: a head joined under another takes no forms.
    if (join.head->JoinedElsewhere() || !merged->Join(at[join.head], at[form], undoable_no)) ++conflicts;
  }
  joins.clear();
  return conflicts;
}

TLexmillListTotals TLexmillMerger::Totals() const {
  TLexmillListTotals t = total;
  if (!totalsKnown) t.tokens = t.texts = -1;
  return t;
}

int RunMerge(const TLexmillOptions& options, const std::vector<std::string>& inputs,
             const std::string& output, bool lcidGiven) {
  TLXBaseHolder holder(options.lcid, true);
  TLexmillMerger merger(holder);
  for (std::size_t n = 0; n < inputs.size(); ++n) {
    const std::string& path = inputs[n];
    TLexmillListTotals totals;
    auto part = Create<TLexmillWordList>(&holder);
    try {
      ReadLexmillList(*part, path, totals);
    } catch (const Exception& e) {
      std::fprintf(stderr, "lexmill: cannot read the list %s: %s\n", path.c_str(),
                   UTF16ToUTF8(e.Message).c_str());
      return kExitProblems;
    }
    if (n == 0) {
      if (totals.lcid && !lcidGiven && IsValidLCID(totals.lcid)) holder.SetLCID(totals.lcid);
    } else if (totals.lcid && totals.lcid != holder.GetLCID()) {
      std::fprintf(stderr, "lexmill: warning: %s was made in locale 0x%04X, the merged list is in 0x%04X\n",
                   path.c_str(), static_cast<unsigned>(totals.lcid), static_cast<unsigned>(holder.GetLCID()));
    }
    try {
      merger.Add(*part, totals);
    } catch (const Exception& e) {
      std::fprintf(stderr, "lexmill: cannot merge the list %s: %s\n", path.c_str(),
                   UTF16ToUTF8(e.Message).c_str());
      return kExitProblems;
    }
  }
  if (merger.MixedStopLists())
    std::fprintf(
        stderr,
        "lexmill: warning: the lists were made with different stop lists, or some without one: a word "
        "one of them left out is counted only as the others counted it\n");
  if (const int conflicts = merger.Finish())
    std::fprintf(stderr,
                 "lexmill: warning: %d forms are under different heads in different lists; each stays "
                 "under the first head met\n",
                 conflicts);
  // Saved in the order first met: show sorts as it is asked to, and a million locale comparisons are the
  // larger part of a merge.
  const std::string target = WithListExtension(output);
  try {
    SaveLexmillList(merger.List(), target, merger.Totals());
  } catch (const Exception& e) {
    std::fprintf(stderr, "lexmill: cannot save the list %s: %s\n", target.c_str(),
                 UTF16ToUTF8(e.Message).c_str());
    return kExitProblems;
  }
  return kExitOk;
}

}  // namespace lx
