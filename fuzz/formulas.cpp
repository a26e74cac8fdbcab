// The formula block of a saved list: a count, then the translated and the typed formulas as short 8-bit
// strings. A block that reads must save and read back the same, and every formula must evaluate or fail with
// the parser's own error.
#include "fuzz_support.h"
#include "lexcore/rtl/lx_exceptions.h"
#include "lexlists/formula/Parser.h"

using namespace lx;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TMemoryStream stream;
  fuzz::FillStream(stream, std::string_view(reinterpret_cast<const char*>(data), size));
  try {
    TParseFormulaHandler handler;
    if (!handler.ReadFromStream(stream)) return 0;
    TMemoryStream first;
    handler.SaveToStream(first);
    first.SetPosition(0);
    TParseFormulaHandler again;
    TMemoryStream second;
    if (!again.ReadFromStream(first)) __builtin_trap();
    again.SaveToStream(second);
    if (second.Bytes() != first.Bytes()) __builtin_trap();
    for (int32_t i = 0; i < handler.Count(); ++i) {
      try {
        handler.GetComputedValue(i, nullptr, nullptr, 0, 0);
      } catch (const EParseError&) {
      }
    }
  } catch (const Exception&) {
  }
  return 0;
}
