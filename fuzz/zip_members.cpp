// Archives met in a folder walk: the input is the archive's bytes. Listing its entries and reading each
// member must answer or refuse with an error, never allocate beyond the member limits.
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "fuzz_support.h"
#include "lexcore/files/PeruseDir.h"
#include "lexcore/files/my_FileStreamU.h"
#include "lexcore/rtl/lx_exceptions.h"
#include "lexcore/rtl/lx_strings.h"

using namespace lx;

namespace {

const std::string& Folder() {
  static const std::string dir = [] {
    std::string d = fuzz::ScratchPath("zip");
    std::filesystem::create_directories(d);
    return d;
  }();
  return dir;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string archive = Folder() + "/input.zip";
  std::FILE* f = std::fopen(archive.c_str(), "wb");
  if (!f) return 0;
  const bool written = size == 0 || std::fwrite(data, 1, size, f) == size;
  if (std::fclose(f) != 0 || !written) return 0;
  global_zip_member_size_limit = 1 << 20;
  TPeruseDir walker(u"*", u"*", u"*", u"", u"", true, true, false, false, false, false);
  TMySearchRecList list;
  walker.HandleAllFilesIn(UTF8ToUTF16(Folder()), &list);
  for (int i = 0; i < list.Count() && i < 64; ++i) {
    const TMySearchRec r = list.GetAMySearchRec(i);
    try {
      ContentsOfFileWithinZipFile(UTF8ToUTF16(archive), r.Number_Within_Zip);
    } catch (const Exception&) {
    }
    try {
      ContentsOfFileWithinZipFile(r.ShortName);
    } catch (const Exception&) {
    }
  }
  return 0;
}
