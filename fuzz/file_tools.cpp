// The file tools' readers: a chunk set's first-chunk header (checked against a claimed file size) and a
// favourites file. The first byte picks the reader.
#include <cstddef>
#include <cstdint>

#include "fuzz_support.h"
#include "lexcore/rtl/lx_exceptions.h"
#include "lexcore/rtl/lx_streams.h"
#include "lexfiletools/tools/My_FileHandling.h"
#include "lexfiletools/tools/file_chunker.h"

using namespace lx;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  TMemoryStream m;
  if (size > 1) m.WriteBuffer(data + 1, static_cast<int64_t>(size - 1));
  m.SetPosition(0);
  if (data[0] % 2 == 0) {
    TChunkSetHeader header;
    UnicodeString problem;
    if (ReadChunkSetHeader(m, m.GetSize(), header, problem)) {
      // What the restore then relies on.
      if (ChunkSetTargetName(header.SourceName).empty() || header.OutOf < 1 ||
          header.ChunkSize <= header.FirstOverhead())
        __builtin_trap();
    }
  } else {
    TFileAndDirIterator it;
    try {
      if (it.ReadFavouritesFrom(m, u"fuzz")) {
        int64_t files = 0;
        for (int32_t i = 0; i < it.Folderlist()->Count(); ++i)
          files += it.Folderlist()->GetAFolderFul(i)->Count();
        if (files != it.TotalFiles()) __builtin_trap();
        TMemoryStream again;
        it.SaveFavouritesTo(again);
      }
    } catch (const Exception&) {
    }
  }
  return 0;
}
