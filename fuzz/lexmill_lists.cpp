// A word list saved by lexmill: the list file and the block of totals after it, then what `show` and `merge`
// do with it. Merged with itself, the list has no more entries than it had, and the merged list saves and
// reads back with the same totals.
#include "fuzz_support.h"
#include "lexcore/rtl/lx_exceptions.h"
#include "lexlists/engine/base_holder.h"
#include "tools/lexmill/lexmill_listfile.h"
#include "tools/lexmill/lexmill_merge.h"
#include "tools/lexmill/lexmill_sort.h"

using namespace lx;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TMemoryStream stream;
  fuzz::FillStream(stream, std::string_view(reinterpret_cast<const char*>(data), size));
  TLXBaseHolder holder(0x0409, true);
  auto list = Create<TLexmillWordList>(&holder);
  TLexmillListTotals totals;
  try {
    ReadLexmillList(*list, stream, totals);
  } catch (const Exception&) {
    return 0;
  }
  if (totals.tokens < -1 || totals.texts < -1 || totals.lcid > 0xFFFF) __builtin_trap();

  TLexmillOptions options;
  options.showForms = true;
  std::vector<TLexmillSortKey> keys;
  std::string error;
  if (!ParseWordlistSort(options.sort, keys, error)) __builtin_trap();
  SortWordList(*list, keys);
  if (WordListRows(*list, options, totals.tokens).size() > static_cast<std::size_t>(list->Count()))
    __builtin_trap();

  TLexmillMerger merger(holder);
  merger.Add(*list, totals);
  merger.Add(*list, totals);
  merger.Finish();
  if (merger.List().Count() > list->Count()) __builtin_trap();
  TMemoryStream saved;
  SaveLexmillList(merger.List(), saved, merger.Totals());
  saved.SetPosition(0);
  auto back = Create<TLexmillWordList>(&holder);
  TLexmillListTotals backTotals;
  ReadLexmillList(*back, saved, backTotals);
  const TLexmillListTotals expected = merger.Totals();
  if (back->Count() != merger.List().Count() || backTotals.tokens != expected.tokens ||
      backTotals.texts != expected.texts)
    __builtin_trap();
  return 0;
}
