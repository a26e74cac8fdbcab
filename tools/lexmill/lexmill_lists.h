// The word list of the lexmill command: the library's word-list entry and list, built on the list spine.
#pragma once

#include "lexlists/engine/word_list_entries.h"

namespace lx {

using TLexmillWordEntry = TWordListEntry;
using TLexmillWordList = TWordList;

}  // namespace lx
