// The runtime's in-memory ini file: sections and key=value lines, in any encoding its mark announces, read
// the way callers read it and written back.
#include <unistd.h>

#include <cstdio>
#include <string>

#include "fuzz_support.h"
#include "lexcore/rtl/lx_exceptions.h"
#include "lexcore/rtl/lx_inifiles.h"
#include "lexcore/rtl/lx_strings.h"

using namespace lx;

namespace {

const UnicodeString& FileName() {
  static const UnicodeString name = UTF8ToUTF16(fuzz::ScratchPath("ini", ".ini"));
  return name;
}

bool WriteFile(const uint8_t* data, size_t size) {
  std::FILE* f = std::fopen(UTF16ToUTF8(FileName()).c_str(), "wb");
  if (!f) return false;
  const bool ok = size == 0 || std::fwrite(data, 1, size, f) == size;
  return std::fclose(f) == 0 && ok;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (!WriteFile(data, size)) return 0;
  try {
    TMemIniFile ini(FileName());
    TStringList sections;
    ini.ReadSections(sections);
    for (int32_t i = 0; i < sections.Count(); ++i) {
      TStringList values;
      ini.ReadSectionValues(sections[i], values);
      TStringList keys;
      ini.ReadSection(sections[i], keys);
      for (int32_t k = 0; k < keys.Count(); ++k) {
        ini.ReadString(sections[i], keys[k], u"");
        ini.ReadInteger(sections[i], keys[k], -1);
      }
    }
    TStringList text;
    ini.GetStrings(text);
    ini.SetStrings(text);
    ini.UpdateFile();
  } catch (const Exception&) {
  }
  return 0;
}
