// The text drawer with hostile text: a typed search word, then a text (UTF-16 units, lone surrogates and
// controls included) drawn into a rectangle of hostile size, wrapped or not, in either direction, and as a
// concordance line centred on a position anywhere in it.
#include "fuzz_support.h"
#include "lexcore/painting/RTL_and_LTR_Painting.h"
#include "lexcore/rtl/lx_exceptions.h"
#include "lexcore/ui/lx_recordingcanvas.h"

using namespace lx;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  fuzz::ByteReader in(data, size);
  const uint8_t options = in.Byte();
  const int16_t width = in.Take<int16_t>(), height = in.Take<int16_t>();
  const int32_t midpoint = in.Take<int32_t>(), hitLength = in.Take<int16_t>();
  const UnicodeString typed = fuzz::AsUTF16(in.Chunk());
  const UnicodeString text = fuzz::AsUTF16(in.Rest());
  const LCID lcid = (options & 1) ? 0x0401 : 0x0409;
  TRecordingCanvas canvas;
  TMyTextDrawer drawer;
  try {
    drawer.AddASearchRequest(typed);
  } catch (const Exception&) {
    // A search word the parser refuses simply highlights nothing.
  }
  TRect used;
  drawer.DrawAChunkofText(text, canvas, Rect(0, 0, width, height), (options & 2) != 0, (options & 4) != 0,
                          (options & 8) != 0, (options & 16) != 0,
                          static_cast<TLXAlignment>((options >> 5) & 3), lcid, used);
  TRect row = Rect(0, 0, width, height);
  drawer.fjust_measuring = (options & 128) != 0;
  drawer.DrawConcText(text, midpoint, hitLength, canvas, lcid, nullptr, row, false, u' ', pra_screen);
  return 0;
}
