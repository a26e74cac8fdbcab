// The container family's stream readers: the first byte picks the list, the rest is its stream. A list that
// reads must save, and its save must read back to the same bytes.
#include <memory>

#include "fuzz_support.h"
#include "lexcore/containers/Useful_classes.h"
#include "lexcore/rtl/lx_exceptions.h"

using namespace lx;

namespace {

std::unique_ptr<TUsefulBaseList> ListFor(uint8_t kind) {
  switch (kind % 12) {
    case 0:
      return std::make_unique<TCardinalList>();
    case 1:
      return std::make_unique<TCardinalAndFreqList>();
    case 2:
      return std::make_unique<TIntegerAndSingleList>();
    case 3:
      return std::make_unique<T2LongintAndSingleList>();
    case 4:
      return std::make_unique<T3LongintAndSingleList>();
    case 5:
      return std::make_unique<TIntegerAnd3CardinalsList>();
    case 6:
      return std::make_unique<T2StringsAnd2IntegersList>();
    case 7:
      return std::make_unique<TLXInt64List>();
    case 8:
      return std::make_unique<TWordFreqAndSourceNumList>();
    case 9:
      return std::make_unique<TStringColumnAndColourList>();
    case 10:
      return std::make_unique<T1LongintList>();
    default:
      return std::make_unique<TMultiLongintList>(3);
  }
}

std::vector<uint8_t> Saved(TUsefulBaseList& list) {
  TMemoryStream out;
  if (!list.SaveToStream(out)) __builtin_trap();
  return out.Bytes();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::ByteReader in(data, size);
  const uint8_t kind = in.Byte();
  TMemoryStream stream;
  fuzz::FillStream(stream, in.Rest());
  try {
    std::unique_ptr<TUsefulBaseList> list = ListFor(kind);
    if (!list->ReadFromStream(stream)) return 0;
    const std::vector<uint8_t> first = Saved(*list);
    std::unique_ptr<TUsefulBaseList> again = ListFor(kind);
    TMemoryStream back;
    fuzz::FillStream(back, std::string_view(reinterpret_cast<const char*>(first.data()), first.size()));
    if (!again->ReadFromStream(back) || Saved(*again) != first) __builtin_trap();

    // What callers do with a loaded list: total its frequencies into another, sort it, look items up.
    if (auto* freqs = dynamic_cast<TCardinalAndFreqList*>(list.get())) {
      TCardinalAndFreqList totals;
      for (int round = 0; round < 2; ++round)
        for (int32_t i = 0; i < freqs->Count(); ++i) {
          const TCardinalAndFreqRec r = freqs->GetACardAndFreq(i);
          totals.AddOneOrIncFreq(r.card, r.freq);
        }
      totals.SortOnFrequencies();
      totals.SortOnCardinals();
      for (int32_t i = 0; i < freqs->Count(); ++i) totals.Find(freqs->GetACardAndFreq(i).card);
    } else if (auto* multi = dynamic_cast<TMultiLongintList*>(list.get())) {
      multi->TripleSort(0, 1, 2);
      for (int32_t k = 0; k < multi->Width(); ++k) multi->TotalOf(k);
    }
  } catch (const Exception&) {
  }
  return 0;
}
