// The stored-list information block that opens a saved list: fixed fields, three short 8-bit names and the
// overspill block. A block that reads must save and read back the same.
#include "fuzz_support.h"
#include "lexcore/rtl/lx_exceptions.h"
#include "lexlists/engine/stored_list_info.h"

using namespace lx;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TMemoryStream stream;
  fuzz::FillStream(stream, std::string_view(reinterpret_cast<const char*>(data), size));
  try {
    TStoredListInfoHolder info;
    if (!info.ReadFromStream(stream)) return 0;
    TMemoryStream first;
    if (!info.SaveToStream(first)) return 0;  // a name the process code page cannot hold is refused
    first.SetPosition(0);
    TStoredListInfoHolder again;
    TMemoryStream second;
    if (!again.ReadFromStream(first) || !again.SaveToStream(second) || second.Bytes() != first.Bytes())
      __builtin_trap();
  } catch (const Exception&) {
  }
  return 0;
}
