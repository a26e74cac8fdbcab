#include "lexcore/definitions/streamable_stringlist.h"

#include <cstdlib>
#include <string>

#include "lexcore/containers/Useful_classes_base.h"
#include "lexcore/rtl/lx_ansi.h"
#include "lexcore/rtl/lx_yield.h"

namespace lx {

namespace {

// One length byte, then that many bytes.
bool ReadShortAnsiString(TStream& stream, UnicodeString& s) {
  uint8_t n = 0;
  if (!ReadLE(stream, n)) return false;
  std::string bytes(n, '\0');
  if (stream.Read(bytes.data(), n) != n) return false;
  s = AnsiBytesToUnicode(bytes);
  return true;
}

}  // namespace

bool TMyStreamableStringlist::SaveToStream(TStream& stream) {
  try {
    WriteLE(stream, static_cast<int32_t>(-Count()));
    for (int32_t i = 0; i < Count(); ++i) {
      MyYieldProcess();
      if (!WriteAString(stream, GetRef(i))) return false;
    }
  } catch (const Exception&) {
    return false;
  }
  return true;
}

bool TMyStreamableStringlist::ReadFromStream(TStream& stream) {
  Clear();
  try {
    int32_t stored = 0;
    if (!ReadLE(stream, stored)) return false;
    const bool current = stored < 0;
    const int64_t n = std::abs(static_cast<int64_t>(stored));
    // A counted string takes at least 4 bytes, a short one at least 1.
    if (n * (current ? 4 : 1) > stream.Remaining()) return false;
    for (int64_t i = 0; i < n; ++i) {
      MyYieldProcess();
      UnicodeString s;
      if (current)
        s = ReadAString(stream);
      else if (!ReadShortAnsiString(stream, s))
        return false;
      Add(s);
    }
  } catch (const Exception&) {
    return false;
  }
  return true;
}

}  // namespace lx
