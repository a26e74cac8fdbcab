#include "lexcore/platform/lx_zip.h"

#include <zip.h>

#include <algorithm>
#include <memory>

#include "lexcore/rtl/lx_exceptions.h"
#include "lexcore/rtl/lx_streams.h"
#include "lexcore/rtl/lx_strings.h"

namespace lx {

namespace {

UnicodeString ZipErrorText(int code) {
  zip_error_t error;
  zip_error_init_with_code(&error, code);
  UnicodeString text = UTF8ToUTF16(zip_error_strerror(&error));
  zip_error_fini(&error);
  return text;
}

UnicodeString NormalisedSeparators(UnicodeString s) {
  for (auto& c : s)
    if (c == u'\\') c = u'/';
  return s;
}

}  // namespace

TZipReader::TZipReader(const UnicodeString& fileName) : fileName_(fileName) {
  int code = 0;
  archive_ = zip_open(FileNameToNative(fileName).c_str(), ZIP_RDONLY, &code);
  if (!archive_) throw EFOpenError(u"Cannot open zip archive \"" + fileName + u"\". " + ZipErrorText(code));
}

TZipReader::~TZipReader() {
  if (archive_) zip_discard(archive_);
}

bool TZipReader::IsZipArchive(const UnicodeString& fileName) {
  int code = 0;
  ::zip* z = zip_open(FileNameToNative(fileName).c_str(), ZIP_RDONLY, &code);
  if (!z) return false;
  zip_discard(z);
  return true;
}

UnicodeString TZipReader::Comment() const {
  int len = 0;
  const char* c = zip_get_archive_comment(archive_, &len, ZIP_FL_ENC_GUESS);
  return c ? UTF8ToUTF16(std::string_view(c, static_cast<std::size_t>(len))) : UnicodeString();
}

std::string TZipReader::RawComment() const {
  int len = 0;
  const char* c = zip_get_archive_comment(archive_, &len, ZIP_FL_ENC_RAW);
  return c ? std::string(c, static_cast<std::size_t>(len)) : std::string();
}

int TZipReader::Count() const {
  const zip_int64_t n = zip_get_num_entries(archive_, 0);
  return n < 0 ? 0 : static_cast<int>(std::min<zip_int64_t>(n, INT32_MAX));
}

void TZipReader::CheckIndex(int index) const {
  if (index < 0 || index >= Count())
    throw EListError(u"Zip entry index out of bounds (" + IntToStr(index) + u")");
}

UnicodeString TZipReader::Name(int index) const {
  CheckIndex(index);
  const char* name = zip_get_name(archive_, static_cast<zip_uint64_t>(index), ZIP_FL_ENC_GUESS);
  return name ? UTF8ToUTF16(name) : UnicodeString();
}

namespace {
zip_stat_t StatOf(::zip* archive, int index) {
  zip_stat_t st;
  zip_stat_init(&st);
  zip_stat_index(archive, static_cast<zip_uint64_t>(index), 0, &st);
  return st;
}
}  // namespace

int64_t TZipReader::Size(int index) const {
  CheckIndex(index);
  const zip_stat_t st = StatOf(archive_, index);
  return (st.valid & ZIP_STAT_SIZE) ? static_cast<int64_t>(st.size) : 0;
}

int64_t TZipReader::CompressedSize(int index) const {
  CheckIndex(index);
  const zip_stat_t st = StatOf(archive_, index);
  return (st.valid & ZIP_STAT_COMP_SIZE) ? static_cast<int64_t>(st.comp_size) : 0;
}

bool TZipReader::IsDirectory(int index) const {
  const UnicodeString n = Name(index);
  return !n.empty() && (n.back() == u'/' || n.back() == u'\\');
}

std::time_t TZipReader::Modified(int index) const {
  CheckIndex(index);
  const zip_stat_t st = StatOf(archive_, index);
  return (st.valid & ZIP_STAT_MTIME) ? st.mtime : 0;
}

int TZipReader::IndexOf(const UnicodeString& name, bool ignoreCase) const {
  const UnicodeString wanted = NormalisedSeparators(name);
  const int n = Count();
  for (int i = 0; i < n; ++i) {
    const UnicodeString here = NormalisedSeparators(Name(i));
    if (ignoreCase ? SameText(InvariantUpperCase(here), InvariantUpperCase(wanted)) : here == wanted)
      return i;
  }
  return -1;
}

std::vector<uint8_t> TZipReader::Extract(int index, int64_t limit) const {
  CheckIndex(index);
  const int64_t size = Size(index);
  if (size > limit)
    throw EReadError(u"Zip entry \"" + Name(index) + u"\" is larger than " + IntToStr(limit) + u" bytes");
  std::unique_ptr<zip_file_t, int (*)(zip_file_t*)> file(
      zip_fopen_index(archive_, static_cast<zip_uint64_t>(index), 0), &zip_fclose);
  if (!file) throw EReadError(u"Cannot read zip entry \"" + Name(index) + u"\"");
  // The stored size is only a claim: grow the buffer with what the entry really yields, so that a damaged
  // directory cannot make us allocate what the archive does not hold.
  constexpr int64_t kChunk = 64 * 1024;
  std::vector<uint8_t> data;
  int64_t done = 0;
  while (done < size) {
    const int64_t want = std::min(kChunk, size - done);
    data.resize(static_cast<std::size_t>(done + want));
    const zip_int64_t n = zip_fread(file.get(), data.data() + done, static_cast<zip_uint64_t>(want));
    if (n <= 0) break;
    done += n;
  }
  data.resize(static_cast<std::size_t>(done));
  // A damaged entry stops short or fails its checksum; never hand back part of it as if whole.
  uint8_t extra;
  if (done != size || zip_fread(file.get(), &extra, 1) != 0)
    throw EReadError(u"Zip entry \"" + Name(index) + u"\" is damaged");
  return data;
}

UnicodeString SanitisedZipEntryPath(const UnicodeString& entryName) {
  const UnicodeString s = NormalisedSeparators(entryName);
  UnicodeString out;
  std::size_t start = 0;
  // A drive prefix ("C:") says nothing about where below our folder the file belongs.
  if (s.size() >= 2 && s[1] == u':') start = 2;
  while (start <= s.size()) {
    std::size_t end = s.find(u'/', start);
    if (end == UnicodeString::npos) end = s.size();
    const std::u16string_view part(s.data() + start, end - start);
    if (!part.empty() && part != u"." && part != u"..") {
      if (!out.empty()) out += u'/';
      out += part;
    }
    start = end + 1;
  }
  return out;
}

}  // namespace lx
