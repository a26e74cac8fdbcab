// A whole saved word list: signature block, list header, entries with their private records and joins. A
// list that reads must save, and what it saved must read and save again to the same bytes. Only a list
// holding entries flagged not for saving may save differently the second time: the first save leaves them out
// and counts them in the list's stored information, which the next save, having none to leave out, sets to 0.
#include "lexlists/engine/list_files.h"

#include "fuzz_support.h"
#include "lexcore/rtl/lx_exceptions.h"
#include "lexlists/engine/word_list_entries.h"

using namespace lx;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TMemoryStream stream;
  fuzz::FillStream(stream, std::string_view(reinterpret_cast<const char*>(data), size));
  TLXBaseHolder holder(0x0409, true);
  try {
    auto list = Create<TWordList>(&holder);
    ReadListFromStream(*list, tt_wordlist, stream);
    TMemoryStream first;
    SaveListToStream(*list, tt_wordlist, first);
    first.SetPosition(0);
    auto again = Create<TWordList>(&holder);
    ReadListFromStream(*again, tt_wordlist, first);
    TMemoryStream second;
    SaveListToStream(*again, tt_wordlist, second);
    second.SetPosition(0);
    auto third = Create<TWordList>(&holder);
    ReadListFromStream(*third, tt_wordlist, second);
    TMemoryStream last;
    SaveListToStream(*third, tt_wordlist, last);
    bool leavesOut = false;
    for (int32_t i = 0; i < list->Count(); ++i) leavesOut |= list->GetNotForSaving(i);
    if (!leavesOut && second.Bytes() != first.Bytes()) __builtin_trap();
    if (last.Bytes() != second.Bytes()) __builtin_trap();
  } catch (const Exception&) {
  }
  return 0;
}
