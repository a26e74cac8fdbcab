#include "lexcore/platform/lx_zipwriter.h"

#include <zip.h>

#include <string>

#include "lexcore/rtl/lx_streams.h"
#include "lexcore/rtl/lx_strings.h"

namespace lx {

int ZipOneFileToMemory(const UnicodeString& fileName, const UnicodeString& entryName, int level,
                       std::vector<uint8_t>& out) {
  out.clear();
  zip_error_t error;
  zip_error_init(&error);
  zip_source_t* buffer = zip_source_buffer_create(nullptr, 0, 0, &error);
  if (!buffer) {
    zip_error_fini(&error);
    return 0;
  }
  // The buffer outlives the archive: closing the archive writes into it.
  zip_source_keep(buffer);
  zip_t* archive = zip_open_from_source(buffer, ZIP_TRUNCATE, &error);
  zip_error_fini(&error);
  if (!archive) {
    zip_source_free(buffer);
    zip_source_free(buffer);
    return 0;
  }
  int added = 0;
  const std::string native = FileNameToNative(fileName);
  zip_source_t* file = zip_source_file(archive, native.c_str(), 0, -1);
  if (file) {
    const zip_int64_t index =
        zip_file_add(archive, UTF16ToUTF8(entryName).c_str(), file, ZIP_FL_ENC_UTF_8 | ZIP_FL_OVERWRITE);
    if (index < 0) {
      zip_source_free(file);
    } else {
      if (level < 0) level = 0;
      if (level > 9) level = 9;
      zip_set_file_compression(archive, static_cast<zip_uint64_t>(index),
                               level == 0 ? ZIP_CM_STORE : ZIP_CM_DEFLATE, static_cast<zip_uint32_t>(level));
      added = 1;
    }
  }
  if (zip_close(archive) != 0) {
    zip_discard(archive);
    added = 0;
  }
  if (added == 1) {
    zip_stat_t st;
    if (zip_source_stat(buffer, &st) == 0 && (st.valid & ZIP_STAT_SIZE) && zip_source_open(buffer) == 0) {
      out.resize(st.size);
      const zip_int64_t got = st.size == 0 ? 0 : zip_source_read(buffer, out.data(), st.size);
      zip_source_close(buffer);
      if (got != static_cast<zip_int64_t>(st.size)) {
        out.clear();
        added = 0;
      }
    } else {
      added = 0;
    }
  }
  zip_source_free(buffer);
  return added;
}

}  // namespace lx
