// The tests exercise the spine through the library's own word list, as a tool would.
#pragma once

#include "lexlists/engine/word_list_entries.h"

namespace lxtest {

using namespace lx;
using TWordEntry = lx::TWordListEntry;
using TWordList = lx::TWordList;

}  // namespace lxtest
