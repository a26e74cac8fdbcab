// `lexmill merge A B... -o C`: one word list from saved word lists, as if their texts had been counted
// together. Frequencies and numbers of texts add up (the texts of different lists are different texts);
// forms joined under a head in any list are joined under it again in the merged list, so a head's total is
// that of the merged forms.
#include <cstdio>
#include <unordered_map>

#include "lexcore/platform/win_locale.h"
#include "lexcore/rtl/lx_exceptions.h"
#include "lexcore/rtl/lx_strings.h"
#include "lexlists/engine/base_holder.h"
#include "tools/lexmill/lexmill_commands.h"
#include "tools/lexmill/lexmill_listfile.h"

namespace lx {

namespace {

// Words with affixes, told apart by a separator no word holds.
UnicodeString KeyOf(TLXBaseListObject* e) {
  return e->MainWordPrefix() + u'\x01' + e->MainWordOnly() + u'\x01' + e->MainWordSuffix();
}

}  // namespace

int RunMerge(const TLexmillOptions& options, const std::vector<std::string>& inputs,
             const std::string& output, bool lcidGiven) {
  TLXBaseHolder holder(options.lcid, true);
  auto merged = Create<TLexmillWordList>(&holder);
  // Entries by their words; pointers, since the merge checks may sort the list.
  std::unordered_map<UnicodeString, TLexmillWordEntry*> index;
  std::vector<std::pair<UnicodeString, UnicodeString>> joins;  // head, form
  TLexmillListTotals total;
  total.tokens = 0;
  total.texts = 0;
  bool totalsKnown = true;
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
      total.lcid = holder.GetLCID();
      TStoredListInfo& info = merged->StoredListInfo->fdata;
      info.matchlist_filename = part->StoredListInfo->fdata.matchlist_filename;
      info.stoplist_filename = part->StoredListInfo->fdata.stoplist_filename;
      info.has_affixes = part->StoredListInfo->fdata.has_affixes;
    } else if (totals.lcid && totals.lcid != total.lcid) {
      std::fprintf(stderr, "lexmill: warning: %s was made in locale 0x%04X, the merged list is in 0x%04X\n",
                   path.c_str(), static_cast<unsigned>(totals.lcid), static_cast<unsigned>(total.lcid));
    }
    if (totals.tokens < 0 || totals.texts < 0) totalsKnown = false;
    if (totalsKnown) {
      total.tokens += totals.tokens;
      total.texts += totals.texts;
    }
    merged->DonePreMergeChecks(*part);
    index.reserve(index.size() + static_cast<std::size_t>(part->Count()));
    for (int32_t i = 0; i < part->Count(); ++i) {
      TLexmillWordEntry* e = part->Word(i);
      auto [it, added] = index.try_emplace(KeyOf(e), nullptr);
      if (added) {
        const int32_t at = merged->AddWord(e->MainWordOnly(), 0, 0);
        it->second = merged->Word(at);
        it->second->SetPrefix(e->MainWordPrefix());
        it->second->SetSuffix(e->MainWordSuffix());
      }
      TLexmillWordEntry* m = it->second;
      m->data.f = static_cast<int32_t>(std::min<int64_t>(int64_t{m->data.f} + e->data.f, INT32_MAX));
      m->data.n_files =
          static_cast<int32_t>(std::min<int64_t>(int64_t{m->data.n_files} + e->data.n_files, INT32_MAX));
      if (e->IsDeleted()) {
        m->EnsurePrivateObjExists();
        m->privateobj->fdetails.deleted = 1;
      }
      for (int32_t j = 0; j < e->JoinCount(); ++j)
        if (TLXBaseListObject* f = e->OwnJoinlist()->Entry(j)) joins.emplace_back(KeyOf(e), KeyOf(f));
    }
    merged->StoredListInfo->fdata.lifetimezaps += part->StoredListInfo->fdata.lifetimezaps;
  }
  int conflicts = 0;
  std::unordered_map<const TLXBaseListObject*, int32_t> at;
  if (!joins.empty())
    for (int32_t i = 0; i < merged->Count(); ++i) at.emplace(merged->Get(i), i);
  for (const auto& [head, form] : joins) {
    auto h = index.find(head), f = index.find(form);
    if (h == index.end() || f == index.end()) continue;
    // A form another list has under the same head is there already.
    TJoinlist* under = h->second->OwnJoinlist();
    if (under && under->IndexOf(f->second) >= 0) continue;
    // Joins stay one level deep: a head joined under another takes no forms.
    if (h->second->JoinedElsewhere() || !merged->Join(at[h->second], at[f->second], undoable_no)) ++conflicts;
  }
  if (conflicts)
    std::fprintf(stderr,
                 "lexmill: warning: %d forms are under different heads in different lists; each stays "
                 "under the first head met\n",
                 conflicts);
  // Saved in the order first met: show sorts as it is asked to, and a million locale comparisons are the
  // larger part of a merge.
  if (!totalsKnown) total.tokens = total.texts = -1;
  const std::string target = WithListExtension(output);
  try {
    SaveLexmillList(*merged, target, total);
  } catch (const Exception& e) {
    std::fprintf(stderr, "lexmill: cannot save the list %s: %s\n", target.c_str(),
                 UTF16ToUTF8(e.Message).c_str());
    return kExitProblems;
  }
  return kExitOk;
}

}  // namespace lx
