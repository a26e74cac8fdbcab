// Undo and redo history of a list's joins, matches, deletions and zaps.
#pragma once

#include <memory>
#include <unordered_map>
#include <vector>

#include "lexcore/containers/Useful_classes_base.h"
#include "lexcore/rtl/lx_resources.h"
#include "lexlists/engine/work_LX_base.h"

namespace lx {

// Entries a zap took out of a list, kept so the zap can be undone. While the zap stands the entries are
// out of the list and this list owns them, except those a head's join list still refers to, which the data
// list keeps alive itself. Once undone the entries are back in the list and this list only remembers which
// they were, so a redo takes out the same entries again.
class TZapHolderList : public TList {
 public:
  ~TZapHolderList() override { FreeEntries(); }
  TLXBaseListObject* Entry(int32_t index) const { return static_cast<TLXBaseListObject*>(Get(index)); }
  // A new list of the same entries (not copies of them), owning none of them.
  TZapHolderList* CopyOfList() const;
  // Frees the entries this list owns (yielding after each) and empties it.
  void FreeEntries();

  // Whether the entries are back in the data list (then none is owned here).
  bool EntriesInList = false;
  // Entries a head's join list keeps alive; never freed here.
  std::vector<const TLXBaseListObject*> HeldByList;
};

// One undoable action: an index list (join, match, delete), a single index, or a zap list.
class TUnOrReDoActionHolder : public TUsefulBaseListObject {
 public:
  TUnOrReDoActionHolder(TUnOrReDoActions action, std::unique_ptr<T1LongintList> indices,
                        TLXBaseListObjectClass entriesClass);
  TUnOrReDoActionHolder(TUnOrReDoActions action, std::unique_ptr<TZapHolderList> zaps,
                        TLXBaseListObjectClass entriesClass);
  TUnOrReDoActionHolder(TUnOrReDoActions action, int32_t value, TLXBaseListObjectClass entriesClass);

  // "Zap", "Join", "Match", "Delete" or "Edit".
  UnicodeString GetName() const;

  TLXBaseListObjectClass fEntriesClass;
  bool is_a_class;  // the holder owns an index list or a zap list rather than holding one integer
  TUnOrReDoActions action;
  std::unique_ptr<T1LongintList> indices;
  std::unique_ptr<TZapHolderList> zaps;
  int32_t value = 0;
  // The entries at the recorded indices when the action was recorded, so undo and redo find them again after
  // the list has been sorted; entries no longer in the list are left alone. Pointers are compared, never
  // followed, until found in the list.
  std::vector<const TLXBaseListObject*> entries;
};

// Owns its action holders; item 0 is the most recent action.
class TMyActionList : public TUsefulBaseList {
 public:
  TUnOrReDoActionHolder* Holder(int32_t index) const {
    return static_cast<TUnOrReDoActionHolder*>(Items(index));
  }
  UnicodeString GetTopActionName() const { return Count() > 0 ? Holder(0)->GetName() : UnicodeString(); }
  void InsertAtTop(std::unique_ptr<TUnOrReDoActionHolder> holder) { Insert(0, holder.release()); }
  // Takes the top holder out without freeing it.
  std::unique_ptr<TUnOrReDoActionHolder> TakeTop();
};

class TUndoList : public TObject {
 public:
  explicit TUndoList(TLXBaseListObjectClass entryClass)
      : fRedoActions(std::make_unique<TMyActionList>()),
        fUndoActions(std::make_unique<TMyActionList>()),
        fEntriesClass(std::move(entryClass)) {}

  int32_t UndoCount() const { return fUndoActions->Count(); }
  int32_t RedoCount() const { return fRedoActions->Count(); }

  void InsertOneInteger(TUnOrReDoActions action, int32_t value);
  // Records an owned copy of the list.
  void InsertALongintList(TUnOrReDoActions action, const T1LongintList& list);
  void InsertAZapHolderList(TUnOrReDoActions action, std::unique_ptr<TZapHolderList> zaps);
  void MoveTopUndoToRedo();
  void MoveTopRedoToUndo();

  std::unique_ptr<TMyActionList> fRedoActions;
  std::unique_ptr<TMyActionList> fUndoActions;
  TLXBaseListObjectClass fEntriesClass;
};

LX_DECLARE_RESOURCESTRING(_LXUndoZap)
LX_DECLARE_RESOURCESTRING(_LXUndoJoin)
LX_DECLARE_RESOURCESTRING(_LXUndoMatch)
LX_DECLARE_RESOURCESTRING(_LXUndoDelete)
LX_DECLARE_RESOURCESTRING(_LXUndoEdit)
LX_DECLARE_RESOURCESTRING(_LXUndoDo)
LX_DECLARE_RESOURCESTRING(_LXUndoUn)
LX_DECLARE_RESOURCESTRING(_LXUndoRe)

}  // namespace lx
