#include "lexcore/files/zip_utils.h"

#include "lexcore/rtl/lx_paths.h"
#include "lexcore/rtl/lx_strings.h"

namespace lx {

UnicodeString global_current_zip_ext_slash;

namespace {

// Where the archive part ends: its length, and where the member part starts. npos when the path does not
// run through an archive.
struct TZipSplit {
  std::size_t archiveEnd = UnicodeString::npos;
  std::size_t memberStart = 0;
};

TZipSplit SplitOf(const UnicodeString& path, const UnicodeString& ext_slash) {
  TZipSplit split;
  const UnicodeString lower = LowerCase(path);
  for (std::size_t at = lower.find(u".zip"); at != UnicodeString::npos; at = lower.find(u".zip", at + 1)) {
    if (at + 4 < lower.size() && IsPathDelimiterChar(lower[at + 4])) {
      split.archiveEnd = at + 4;
      split.memberStart = at + 5;
      return split;
    }
  }
  if (ext_slash.empty()) return split;
  // The extension is given with the Windows separator; the same with '/' is this system's form.
  UnicodeString forward = ext_slash;
  if (IsPathDelimiterChar(forward.back())) forward.back() = u'/';
  std::size_t at = path.find(ext_slash);
  const std::size_t atForward = path.find(forward);
  if (at == UnicodeString::npos || (atForward != UnicodeString::npos && atForward < at)) at = atForward;
  if (at == UnicodeString::npos) return split;
  split.archiveEnd = at + ext_slash.size() - 1;
  split.memberStart = at + ext_slash.size();
  return split;
}

}  // namespace

int ZipFilePlusNumber(const UnicodeString& name) {
  const UnicodeString ext = ExtractFileExt(name);
  if (ext.size() <= 4) return -1;
  int32_t n = 0;
  return TryStrToInt(std::u16string_view(ext).substr(4), n) ? n : -1;
}

bool IsAZipFile(const UnicodeString& name) {
  const UnicodeString ext = ExtractFileExt(name);
  if (ext.size() < 4 || !SameText(std::u16string_view(ext).substr(0, 4), u".zip")) return false;
  return ext.size() == 4 || ZipFilePlusNumber(name) >= 0;
}

bool IsWithinAZipFile(const UnicodeString& path, const UnicodeString& ext_slash) {
  if (path.empty() || FileExists(path)) return false;
  return SplitOf(path, ext_slash).archiveEnd != UnicodeString::npos;
}

UnicodeString ZipFileFullFileName(const UnicodeString& path, const UnicodeString& ext_slash) {
  const TZipSplit s = SplitOf(path, ext_slash);
  return s.archiveEnd == UnicodeString::npos ? UnicodeString() : path.substr(0, s.archiveEnd);
}

UnicodeString ZipFileWantedFileNameWithin(const UnicodeString& path, const UnicodeString& ext_slash) {
  const TZipSplit s = SplitOf(path, ext_slash);
  return s.archiveEnd == UnicodeString::npos ? UnicodeString() : path.substr(s.memberStart);
}

UnicodeString ZipMemberPath(const UnicodeString& archive, const UnicodeString& member) {
  return archive + PathDelim + member;
}

}  // namespace lx
