// Undo and redo history of a list's joins, matches, deletions and zaps.
#pragma once

#include <memory>

#include "lexcore/containers/Useful_classes_base.h"
#include "lexlists/engine/work_LX_base.h"

namespace lx {

// Owns its action holders.
class TMyActionList : public TUsefulBaseList {};

class TUndoList : public TObject {
 public:
  explicit TUndoList(TLXBaseListObjectClass entryClass)
      : fRedoActions(std::make_unique<TMyActionList>()),
        fUndoActions(std::make_unique<TMyActionList>()),
        fEntriesClass(std::move(entryClass)) {}

  int32_t UndoCount() const { return fUndoActions->Count(); }
  int32_t RedoCount() const { return fRedoActions->Count(); }

  std::unique_ptr<TMyActionList> fRedoActions;
  std::unique_ptr<TMyActionList> fUndoActions;
  TLXBaseListObjectClass fEntriesClass;
};

}  // namespace lx
