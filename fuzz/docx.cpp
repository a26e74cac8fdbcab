// Zip reading and the document-text reader, on an archive file holding the input bytes.
#include <unistd.h>

#include <cstdio>
#include <string>

#include "fuzz_support.h"
#include "lexcore/platform/lx_zip.h"
#include "lexcore/rtl/lx_exceptions.h"
#include "lexcore/rtl/lx_strings.h"
#include "lexcore/text/my_string_functions.h"

using namespace lx;

namespace {

// One file per process, rewritten for every input: the readers take a file name, as callers give them.
const UnicodeString& ArchiveName() {
  static const UnicodeString name = UTF8ToUTF16(fuzz::ScratchPath("docx", ".docx"));
  return name;
}

bool WriteArchive(const uint8_t* data, size_t size) {
  std::FILE* f = std::fopen(UTF16ToUTF8(ArchiveName()).c_str(), "wb");
  if (!f) return false;
  const bool ok = size == 0 || std::fwrite(data, 1, size, f) == size;
  return std::fclose(f) == 0 && ok;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (!WriteArchive(data, size)) return 0;
  try {
    DOCXFileText(ArchiveName());
  } catch (const Exception&) {
  }
  try {
    DOCXReadableText(ArchiveName());
  } catch (const Exception&) {
  }
  try {
    TZipReader zip(ArchiveName());
    zip.Comment();
    for (int i = 0; i < zip.Count(); ++i) {
      SanitisedZipEntryPath(zip.Name(i));
      zip.IsDirectory(i);
      zip.Modified(i);
      try {
        zip.Extract(i, 1 << 20);
      } catch (const EReadError&) {
      }
    }
    zip.IndexOf(u"word/document.xml", true);
  } catch (const Exception&) {
  }
  return 0;
}
