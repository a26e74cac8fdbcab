// The file unit's stream readers: counted and short texts, found-file lists and one folder's list. The first
// byte picks the reader, the rest is its stream. A list that reads must save and read back to the same bytes.
#include <string>

#include "fuzz_support.h"
#include "lexcore/files/PeruseDir.h"
#include "lexcore/files/my_FileStreamU.h"
#include "lexcore/rtl/lx_exceptions.h"

using namespace lx;

namespace {

template <typename L>
void RoundTrip(L& list) {
  TMemoryStream out;
  if (!list.SaveToStream(out)) __builtin_trap();
  out.SetPosition(0);
  L again;
  if (!again.ReadFromStream(out)) __builtin_trap();
  TMemoryStream out2;
  if (!again.SaveToStream(out2) || out2.Bytes() != out.Bytes()) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::ByteReader in(data, size);
  const uint8_t kind = in.Byte();
  TMemoryStream stream;
  fuzz::FillStream(stream, in.Rest());
  try {
    switch (kind % 8) {
      case 0:
      case 1:
        FreeTextPointer(ReadUnknownLengthPointerMaxSize(stream, kind % 2 == 0, 1 << 20));
        break;
      case 2:
        FreeTextPointer(StreamReadPchar(stream));
        break;
      case 3:
        FreeTextPointer(StreamReadPAnsichar(stream));
        break;
      case 4:
        ReadShortString(stream);
        break;
      case 5:
      case 6: {
        TMySearchRecList list;
        if (list.ReadFromStream(stream)) {
          list.SetSort(static_cast<TMySearchRecSort>(kind % 6));
          if (list.Count() > 0) list.Find(list.GetAMySearchRec(list.Count() / 2));
          RoundTrip(list);
        }
        break;
      }
      default: {
        TFolderful folder(u"/");
        if (folder.ReadFromStream(stream)) {
          TMemoryStream out;
          if (!folder.SaveToStream(out)) __builtin_trap();
        }
        break;
      }
    }
  } catch (const Exception&) {
  }
  return 0;
}
