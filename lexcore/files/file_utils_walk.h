// The one sorted folder walk behind the file-utility listings; not part of the family's interface.
#pragma once

#include "lexcore/rtl/lx_stringlist.h"
#include "lexcore/rtl/lx_types.h"

namespace lx {

// Adds the full names below dir in name order: files whose extension is ext (any when empty) and, with
// withFolders, each folder with a trailing delimiter before its contents. Unreadable folders add nothing; the
// depth is bounded, so a link cycle cannot make the walk run for ever.
void CollectTreeEntries(const UnicodeString& dir, TStringList& list, bool subfolders,
                        const UnicodeString& ext, bool withFolders, int depth = 0);

}  // namespace lx
