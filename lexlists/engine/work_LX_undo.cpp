// Joins with undo, matching, marking, deleting, zapping and reducing a list, and the undo and redo history.
#include <algorithm>
#include <chrono>
#include <numeric>
#include <random>
#include <unordered_set>

#include "lexcore/rtl/lx_exceptions.h"
#include "lexcore/rtl/lx_format.h"
#include "lexcore/rtl/lx_yield.h"
#include "lexlists/engine/undo_list.h"

namespace lx {

LX_RESOURCESTRING(_LXUndoZap, u"Zap")
LX_RESOURCESTRING(_LXUndoJoin, u"Join")
LX_RESOURCESTRING(_LXUndoMatch, u"Match")
LX_RESOURCESTRING(_LXUndoDelete, u"Delete")
LX_RESOURCESTRING(_LXUndoEdit, u"Edit")
LX_RESOURCESTRING(_LXUndoDo, u"do")
LX_RESOURCESTRING(_LXUndoUn, u"Un%s")
LX_RESOURCESTRING(_LXUndoRe, u"Re%s")

// ---- the history ----------------------------------------------------------------------------------------

TZapHolderList* TZapHolderList::CopyOfList() const {
  auto* copy = new TZapHolderList;
  for (int32_t i = 0; i < Count(); ++i) copy->Add(Get(i));
  // The copy only names the entries.
  copy->EntriesInList = true;
  return copy;
}

void TZapHolderList::FreeEntries() {
  if (!EntriesInList) {
    for (int32_t i = 0; i < Count(); ++i) {
      TLXBaseListObject* e = Entry(i);
      if (e && std::find(HeldByList.begin(), HeldByList.end(), e) == HeldByList.end()) delete e;
      MyYieldProcess();
    }
  }
  Clear();
  HeldByList.clear();
}

TUnOrReDoActionHolder::TUnOrReDoActionHolder(TUnOrReDoActions action, std::unique_ptr<T1LongintList> indices,
                                             TLXBaseListObjectClass entriesClass)
    : fEntriesClass(std::move(entriesClass)), is_a_class(true), action(action), indices(std::move(indices)) {}

TUnOrReDoActionHolder::TUnOrReDoActionHolder(TUnOrReDoActions action, std::unique_ptr<TZapHolderList> zaps,
                                             TLXBaseListObjectClass entriesClass)
    : fEntriesClass(std::move(entriesClass)), is_a_class(true), action(action), zaps(std::move(zaps)) {}

TUnOrReDoActionHolder::TUnOrReDoActionHolder(TUnOrReDoActions action, int32_t value,
                                             TLXBaseListObjectClass entriesClass)
    : fEntriesClass(std::move(entriesClass)), is_a_class(false), action(action), value(value) {}

UnicodeString TUnOrReDoActionHolder::GetName() const {
  switch (action) {
    case a_zapping:
      return _LXUndoZap;
    case a_joining:
      return _LXUndoJoin;
    case a_matching:
      return _LXUndoMatch;
    case a_deleting:
      return _LXUndoDelete;
    case a_editing:
      return _LXUndoEdit;
  }
  return {};
}

std::unique_ptr<TUnOrReDoActionHolder> TMyActionList::TakeTop() {
  if (fList.empty()) return nullptr;
  std::unique_ptr<TUnOrReDoActionHolder> top(static_cast<TUnOrReDoActionHolder*>(fList.front()));
  fList.erase(fList.begin());
  return top;
}

void TUndoList::InsertOneInteger(TUnOrReDoActions action, int32_t value) {
  fUndoActions->InsertAtTop(std::make_unique<TUnOrReDoActionHolder>(action, value, fEntriesClass));
}

void TUndoList::InsertALongintList(TUnOrReDoActions action, const T1LongintList& list) {
  fUndoActions->InsertAtTop(std::make_unique<TUnOrReDoActionHolder>(
      action, std::unique_ptr<T1LongintList>(list.GetACopyOfSelf()), fEntriesClass));
}

void TUndoList::InsertAZapHolderList(TUnOrReDoActions action, std::unique_ptr<TZapHolderList> zaps) {
  fUndoActions->InsertAtTop(std::make_unique<TUnOrReDoActionHolder>(action, std::move(zaps), fEntriesClass));
}

void TUndoList::MoveTopUndoToRedo() {
  if (auto top = fUndoActions->TakeTop()) fRedoActions->InsertAtTop(std::move(top));
}

void TUndoList::MoveTopRedoToUndo() {
  if (auto top = fRedoActions->TakeTop()) fUndoActions->InsertAtTop(std::move(top));
}

// ---- joins ----------------------------------------------------------------------------------------------

bool TLXBaseDataClass::JoinARange(const T1LongintList& indices, TUndoable undoable, bool /*flag*/) {
  const bool ok = PrivateJoinARange(indices);
  if (ok && undoable == undoable_yes) AddItemsToUndoList(a_joining, indices);
  return ok;
}

TJoinlistAndDetails TLXBaseDataClass::GetJoinListAndDetails(int32_t index) {
  TLXBaseListObject* e = Get(index);
  return {e->OwnJoinlist(), e->PrivateDetails()};
}

void TLXBaseDataClass::SetJoinListAndDetails(int32_t index, const TJoinlistAndDetails& rec) {
  TLXBaseListObject* e = Get(index);
  if (!e || !e->privateobj) return;
  e->privateobj->fdetails = rec.adetails;
  if (rec.aJoinlist == e->privateobj->joinlist.get()) return;
  e->privateobj->joinlist->Clear();
  for (int32_t i = 0; rec.aJoinlist && i < rec.aJoinlist->Count(); ++i)
    e->privateobj->joinlist->Add(rec.aJoinlist->Get(i));
}

std::vector<TWord_entry_String_rec> TLXBaseDataClass::JoinedWordData(int32_t index) {
  std::vector<TWord_entry_String_rec> data;
  TJoinlist* joins = Get(index)->OwnJoinlist();
  for (int32_t i = 0; joins && i < joins->Count(); ++i)
    if (joins->Entry(i)) data.push_back(joins->Entry(i)->JoinedWordDatum());
  return data;
}

// ---- matching and marking -------------------------------------------------------------------------------

bool TLXBaseDataClass::PrivateMatchARange(const T1LongintList& indices, bool flag) {
  if (indices.Count() == 0) return false;
  for (int32_t i = 0; i < indices.Count(); ++i) {
    MyYieldProcess();
    const int32_t index = indices.GetAValue(i);
    if (index < 0 || index >= fCount || !CurrentList[index]) continue;
    CurrentList[index]->EnsurePrivateObjExists();
    CurrentList[index]->privateobj->fdetails.matched = flag ? 1 : 0;
  }
  return true;
}

bool TLXBaseDataClass::MatchARange(const T1LongintList& indices, TUndoable undoable, bool flag) {
  const bool ok = PrivateMatchARange(indices, flag);
  if (ok && undoable == undoable_yes) AddItemsToUndoList(a_matching, indices);
  return ok;
}

bool TLXBaseDataClass::UnMatch(const T1LongintList& indices) {
  for (int32_t i = 0; i < indices.Count(); ++i) {
    const int32_t index = indices.GetAValue(i);
    if (index >= 0 && index < fCount && CurrentList[index] && CurrentList[index]->privateobj)
      CurrentList[index]->privateobj->fdetails.matched = 0;
    MyYieldProcess();
  }
  DoASort(-1, 0, fCount - 1);
  return true;
}

void TLXBaseDataClass::UnmatchAll() {
  for (int32_t i = 0; i < fCount; ++i) {
    MyYieldProcess();
    if (CurrentList[i] && CurrentList[i]->IsMatched()) CurrentList[i]->privateobj->fdetails.matched = 0;
  }
}

void TLXBaseDataClass::UnmarkAll() {
  for (int32_t i = 0; i < fCount; ++i) {
    MyYieldProcess();
    if (CurrentList[i] && CurrentList[i]->IsMarked()) SetMarcacao(i, 0);
  }
}

std::unique_ptr<T1LongintList> TLXBaseDataClass::ComputedListOfMarkedRows() {
  auto rows = std::make_unique<T1LongintList>();
  int32_t bosses = 0;
  for (int32_t i = 0; i < fCount; ++i) {
    const uint8_t mark = CurrentList[i] ? CurrentList[i]->PrivateDetails().marcacao : 0;
    if (mark == marcado_boss)
      rows->InsertOne(bosses++, i);
    else if (mark == marcado_subordinate)
      rows->AddOne(i);
  }
  return rows;
}

// ---- deleting, zapping, reducing ------------------------------------------------------------------------

bool TLXBaseDataClass::DeleteOne(int32_t index, bool flag) {
  ListModified.Include(mod_deleting);
  MyYieldProcess();
  TLXBaseListObject* e = Get(index);
  if (!e) return false;
  e->EnsurePrivateObjExists();
  e->privateobj->fdetails.deleted = flag ? 1 : 0;
  return true;
}

bool TLXBaseDataClass::PrivateDeleteARange(const T1LongintList& indices, bool flag) {
  if (indices.Count() == 0) return false;
  for (int32_t i = 0; i < indices.Count(); ++i) {
    MyYieldProcess();
    const int32_t index = indices.GetAValue(i);
    if (index >= 0 && index < fCount) DeleteOne(index, flag);
  }
  return true;
}

bool TLXBaseDataClass::DeleteARange(const T1LongintList& indices, TUndoable undoable, bool flag) {
  const bool ok = PrivateDeleteARange(indices, flag);
  if (ok && undoable == undoable_yes) AddItemsToUndoList(a_deleting, indices);
  return ok;
}

void TLXBaseDataClass::fTakeOut(int32_t index, TZapHolderList* zaps) {
  TLXBaseListObject* e = CurrentList[index];
  CurrentList[index] = nullptr;
  // A head's join list still points at an entry joined elsewhere; freeing it would leave the head pointing
  // at nothing.
  const bool held = e->JoinedElsewhere();
  if (held) fJoinedButTakenOut.emplace_back(e);
  if (zaps) {
    zaps->Add(e);
    if (held) zaps->HeldByList.push_back(e);
  } else if (!held) {
    delete e;
  }
}

bool TLXBaseDataClass::Zap(TUndoable undoable) {
  SetListBusy(do_editing);
  auto zaps = std::make_unique<TZapHolderList>();
  bool any = false;
  for (int32_t i = 0; i < fCount; ++i) {
    MyYieldProcess();
    TLXBaseListObject* e = CurrentList[i];
    if (!e || !e->privateobj ||
        !(e->privateobj->fdetails.deleted || e->privateobj->fdetails.joined_elsewhere))
      continue;
    ++StoredListInfo->fdata.lifetimezaps;
    fTakeOut(i, undoable == undoable_yes ? zaps.get() : nullptr);
    any = true;
  }
  Pack();
  if (any) {
    ListModified.Include(mod_edited);
    if (undoable == undoable_yes) {
      UndoList->InsertAZapHolderList(a_zapping, std::move(zaps));
      fReportUndoState();
    }
  }
  // A busy list does not sort.
  SetListBusy(no_action);
  if (any) DoASort(-1, 0, fCount - 1);
  return any;
}

bool TLXBaseDataClass::UnZap(TZapHolderList& zaps) {
  if (zaps.EntriesInList) return false;
  SetListBusy(do_editing);
  for (int32_t i = 0; i < zaps.Count(); ++i) {
    MyYieldProcess();
    TLXBaseListObject* e = zaps.Entry(i);
    if (!e) continue;
    // The list's slot owns it again.
    auto kept = std::find_if(fJoinedButTakenOut.begin(), fJoinedButTakenOut.end(),
                             [&](const auto& p) { return p.get() == e; });
    if (kept != fJoinedButTakenOut.end()) {
      kept->release();
      fJoinedButTakenOut.erase(kept);
    }
    Add(e);
    --StoredListInfo->fdata.lifetimezaps;
  }
  zaps.Pack();
  zaps.HeldByList.clear();
  zaps.EntriesInList = true;
  SetListBusy(no_action);
  DoAlphabeticalAscendingSort();
  return true;
}

bool TLXBaseDataClass::PrivateZap(TZapHolderList& zaps) {
  if (!zaps.EntriesInList) return false;
  SetListBusy(do_editing);
  std::unordered_set<const void*> wanted;
  for (int32_t i = 0; i < zaps.Count(); ++i) wanted.insert(zaps.Get(i));
  // The zap list is rebuilt from the entries found, in the list's order: those gone since are forgotten.
  zaps.Clear();
  zaps.HeldByList.clear();
  zaps.EntriesInList = false;
  bool any = false;
  for (int32_t i = 0; i < fCount; ++i) {
    MyYieldProcess();
    TLXBaseListObject* e = CurrentList[i];
    if (!e || !wanted.count(e)) continue;
    // Only while it still has what made it go: an entry unflagged since stays.
    if (!e->IsDeleted() && !e->JoinedElsewhere()) continue;
    ++StoredListInfo->fdata.lifetimezaps;
    fTakeOut(i, &zaps);
    any = true;
  }
  Pack();
  SetListBusy(no_action);
  if (any) {
    ListModified.Include(mod_edited);
    DoASort(-1, 0, fCount - 1);
  }
  return any;
}

void TLXBaseDataClass::ReduceTo(bool random, int32_t n) {
  if (n < 1 || n >= fCount) return;
  SetListBusy(do_editing);
  ListModified.Include(mod_deleting);
  if (random) {
    // Each entry is drawn at most once, in a random order, so a list whose entries may not go ends the
    // reduction instead of drawing for ever.
    std::vector<int32_t> order(static_cast<std::size_t>(fCount));
    std::iota(order.begin(), order.end(), 0);
    std::mt19937 generator(
        static_cast<uint32_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
    std::shuffle(order.begin(), order.end(), generator);
    int32_t left = fCount;
    for (int32_t index : order) {
      if (left <= n) break;
      MyYieldProcess();
      if (!CurrentList[index] || !CanDeleteRandomly(index)) continue;
      fTakeOut(index, nullptr);
      --left;
    }
    Pack();
  } else {
    while (fCount > n) {
      MyYieldProcess();
      if (CurrentList[fCount - 1]) fTakeOut(fCount - 1, nullptr);
      Remove(fCount - 1);
    }
  }
  SetListBusy(no_action);
  DoASort(-1, 0, fCount - 1);
}

// ---- merging --------------------------------------------------------------------------------------------

bool TLXBaseDataClass::DonePreMergeChecks(TLXBaseDataClass& other) {
  const int64_t both = static_cast<int64_t>(fCount) + other.fCount;
  if (both >= kMaxListEntries)
    throw EListError(Format(u"NewCapacity %d", {static_cast<int32_t>(kMaxListEntries)}));
  if (both > FCapacity) SetCapacity(static_cast<int32_t>(both));
  if (Patroa && other.Patroa && Patroa->OperatingInUnicode() != other.Patroa->OperatingInUnicode()) {
    if (Patroa->OperatingInUnicode())
      other.ConvertEntriesToUnicode();
    else
      ConvertEntriesToUnicode();
  }
  switch (fList_type) {
    case lt_KW_database_list:
    case lt_concordance_list:
    case lt_filename_list:
    case lt_statistics_list:
      return true;
    default:
      break;
  }
  const TSortSettings& a = LXSortSettings;
  const TSortSettings& b = other.LXSortSettings;
  if (a.knows_whether_alph_ascending && b.knows_whether_alph_ascending &&
      a.sort_ints[main_sort] == b.sort_ints[main_sort] &&
      a.main_sort_is_alphabetical == b.main_sort_is_alphabetical &&
      a.ascending_orders[main_sort] == b.ascending_orders[main_sort])
    return true;
  DoAlphabeticalAscendingSort();
  other.DoAlphabeticalAscendingSort();
  return true;
}

// ---- undo and redo --------------------------------------------------------------------------------------

bool TLXBaseDataClass::GetCanUnDo() const {
  return UndoList && UndoList->UndoCount() > 0;
}

bool TLXBaseDataClass::GetCanReDo() const {
  return UndoList && UndoList->RedoCount() > 0;
}

void TLXBaseDataClass::AddItemsToUndoList(TUnOrReDoActions action, const T1LongintList& indices) {
  UndoList->InsertALongintList(action, indices);
  TUnOrReDoActionHolder* holder = UndoList->fUndoActions->Holder(0);
  for (int32_t i = 0; i < indices.Count(); ++i) {
    const int32_t index = indices.GetAValue(i);
    holder->entries.push_back(index >= 0 && index < fCount ? CurrentList[index] : nullptr);
  }
  fReportUndoState();
}

int32_t TLXBaseDataClass::fCurrentIndexOf(int32_t recorded, const TLXBaseListObject* entry) const {
  if (!entry) return -1;
  if (recorded >= 0 && recorded < fCount && CurrentList[recorded] == entry) return recorded;
  return IndexOf(entry);
}

std::unique_ptr<T1LongintList> TLXBaseDataClass::fCurrentIndices(const TUnOrReDoActionHolder& holder) const {
  auto now = std::make_unique<T1LongintList>();
  if (!holder.is_a_class) {
    const TLXBaseListObject* e = holder.entries.empty() ? nullptr : holder.entries.front();
    const int32_t index = e ? fCurrentIndexOf(holder.value, e) : holder.value;
    if (index >= 0) now->AddOne(index);
    return now;
  }
  if (!holder.indices) return now;
  for (int32_t i = 0; i < holder.indices->Count(); ++i) {
    const int32_t recorded = holder.indices->GetAValue(i);
    const TLXBaseListObject* e = static_cast<std::size_t>(i) < holder.entries.size()
                                     ? holder.entries[static_cast<std::size_t>(i)]
                                     : nullptr;
    const int32_t index = fCurrentIndexOf(recorded, e);
    if (index >= 0) now->AddOne(index);
  }
  return now;
}

bool TLXBaseDataClass::Undo() {
  if (!GetCanUnDo()) return false;
  TUnOrReDoActionHolder& top = *UndoList->fUndoActions->Holder(0);
  bool result = false;
  switch (top.action) {
    case a_zapping:
      result = top.zaps && UnZap(*top.zaps);
      break;
    case a_joining: {
      auto now = fCurrentIndices(top);
      result = now->Count() > 0 && UnJoin(now->GetAValue(0));
      break;
    }
    case a_matching:
      result = UnMatch(*fCurrentIndices(top));
      break;
    case a_deleting: {
      auto now = fCurrentIndices(top);
      for (int32_t i = 0; i < now->Count(); ++i) DeleteOne(now->GetAValue(i), false);
      result = now->Count() > 0;
      break;
    }
    case a_editing:
      break;
  }
  UndoList->MoveTopUndoToRedo();
  fReportUndoState();
  fReportRedoState();
  return result;
}

bool TLXBaseDataClass::Redo() {
  if (!GetCanReDo()) return false;
  TUnOrReDoActionHolder& top = *UndoList->fRedoActions->Holder(0);
  bool result = false;
  switch (top.action) {
    case a_zapping:
      result = top.zaps && PrivateZap(*top.zaps);
      break;
    case a_joining:
      result = PrivateJoinARange(*fCurrentIndices(top));
      break;
    case a_matching:
      result = PrivateMatchARange(*fCurrentIndices(top), true);
      break;
    case a_deleting: {
      auto now = fCurrentIndices(top);
      for (int32_t i = 0; i < now->Count(); ++i) DeleteOne(now->GetAValue(i), true);
      result = now->Count() > 0;
      break;
    }
    case a_editing:
      break;
  }
  UndoList->MoveTopRedoToUndo();
  fReportUndoState();
  fReportRedoState();
  return result;
}

void TLXBaseDataClass::ReportUnOrRedoAction(const UnicodeString& name, bool isRedo, int32_t count) {
  if (!fOnReportUnOrRedoAction) return;
  const UnicodeString action = name.empty() ? UnicodeString(_LXUndoDo) : name;
  const UnicodeString pattern = isRedo ? UnicodeString(_LXUndoRe) : UnicodeString(_LXUndoUn);
  fOnReportUnOrRedoAction(Format(pattern, {action}), isRedo, count);
}

void TLXBaseDataClass::fReportUndoState() {
  ReportUnOrRedoAction(UndoList->fUndoActions->GetTopActionName(), false, UndoList->UndoCount());
}

void TLXBaseDataClass::fReportRedoState() {
  ReportUnOrRedoAction(UndoList->fRedoActions->GetTopActionName(), true, UndoList->RedoCount());
}

}  // namespace lx
