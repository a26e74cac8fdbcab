// The settings file as a user may have edited it: the input is the file's bytes. Every read must answer or
// refuse with a conversion error, and a save must load back to the same sections.
#include <unistd.h>

#include <cstdio>
#include <string>

#include "fuzz_support.h"
#include "lexcore/rtl/lx_exceptions.h"
#include "lexcore/rtl/lx_paths.h"
#include "lexcore/rtl/lx_strings.h"
#include "lexcore/settings/IniFileBase.h"

using namespace lx;

namespace {

const UnicodeString& FileName() {
  static const UnicodeString name = UTF8ToUTF16(fuzz::ScratchPath("settings", ".ini"));
  return name;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::FILE* f = std::fopen(UTF16ToUTF8(FileName()).c_str(), "wb");
  if (!f) return 0;
  const bool written = size == 0 || std::fwrite(data, 1, size, f) == size;
  if (std::fclose(f) != 0 || !written) return 0;
  try {
    TMyMemIniFile ini(FileName());
    TStringList sections, lines;
    ini.ReadSections(sections);
    for (int i = 0; i < sections.Count() && i < 16; ++i) {
      ini.ReadMultiString(sections[i], lines);
      ini.ReadSection(sections[i], lines);
      for (int k = 0; k < lines.Count() && k < 16; ++k) {
        ini.ReadBool(sections[i], lines[k], true);
        ini.ReadInteger(sections[i], lines[k], 0);
        try {
          ini.ReadColor(sections[i], lines[k], 0);
        } catch (const EConvertError&) {
        }
      }
    }
    TStringList before, after;
    ini.GetStrings(before);
    ini.UpdateFile();
    TMyMemIniFile back(FileName());
    back.GetStrings(after);
    if (!before.Equals(after)) __builtin_trap();
  } catch (const Exception&) {
  }
  std::remove(UTF16ToUTF8(ChangeFileExt(FileName(), u".ini.Backup")).c_str());
  return 0;
}
