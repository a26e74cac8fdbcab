// Search-word items: their stream form, and the typed texts they are built from. Items that read must save
// and read back to the same bytes.
#include "fuzz_support.h"
#include "lexcore/rtl/lx_exceptions.h"
#include "lexcore/search/search_engines.h"

using namespace lx;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::ByteReader in(data, size);
  const uint8_t options = in.Byte();
  try {
    if (options & 1) {
      // Typed texts: several words, alternatives and context requirements in one go.
      TSearchWordItems items(TTagDelimiters{}, 0x0409, (options & 2) != 0);
      items.AddedSearchWords(fuzz::AsUTF16(in.Rest()));
      items.AllTypedSearchWordsAsOne(true);
      TMemoryStream out;
      items.SaveToStream(out);
      return 0;
    }
    TMemoryStream stream;
    fuzz::FillStream(stream, in.Rest());
    TBaseSearchItems items;
    if (!items.ReadFromStream(stream)) return 0;
    TMemoryStream first;
    if (!items.SaveToStream(first)) __builtin_trap();
    first.SetPosition(0);
    TBaseSearchItems again;
    TMemoryStream second;
    if (!again.ReadFromStream(first) || !again.SaveToStream(second) || second.Bytes() != first.Bytes())
      __builtin_trap();
    for (int32_t i = 0; i < items.Count(); ++i) items.TypedInWord(i, false);
  } catch (const Exception&) {
  }
  return 0;
}
