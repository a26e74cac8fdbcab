// A search category read from a stream, then evaluated and written again.
#include "fuzz_support.h"
#include "lexlists/formula/search_categorising.h"

using namespace lx;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TMemoryStream stream;
  fuzz::FillStream(stream, std::string_view(reinterpret_cast<const char*>(data), size));
  TRequirementsArrayHolder holder;
  if (!holder.LoadFromStream(stream)) return 0;
  holder.category.requirement[0].s_actual = u"undo the knot";
  CategConditionsMet(holder.category);
  TMemoryStream out;
  if (!holder.SaveToStream(out)) __builtin_trap();
  out.SetPosition(0);
  TRequirementsArrayHolder again;
  if (!again.LoadFromStream(out)) __builtin_trap();
  return 0;
}
