// A whole saved word list: signature block, list header, entries with their private records and joins. A
// list that reads must save and read back to the same bytes.
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
    if (second.Bytes() != first.Bytes()) __builtin_trap();
  } catch (const Exception&) {
  }
  return 0;
}
