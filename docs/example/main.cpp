// Prints which libraries it loaded and round-trips a text through a memory stream.
#include <cstdio>

#include "lexcore/rtl/lx_streams.h"
#include "lexcore/rtl/lx_strings.h"
#include "lexgridcells/lexgridcells_library.h"

int main() {
  lx::TMemoryStream stream;
  const lx::UnicodeString word = lx::U("na\xC3\xAFve");
  stream.WriteBuffer(word.data(), static_cast<int64_t>(word.size() * sizeof(char16_t)));
  lx::UnicodeString back(word.size(), u'\0');
  stream.SetPosition(0);
  stream.ReadBuffer(back.data(), static_cast<int64_t>(back.size() * sizeof(char16_t)));
  std::printf("%s: %s\n", lx::LexgridcellsLibraryIdentity(), lx::UTF16ToUTF8(back).c_str());
  return back == word ? 0 : 1;
}
