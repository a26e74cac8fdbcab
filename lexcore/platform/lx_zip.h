// Reading zip archives, behind one small adapter so that the rest of the system never sees the zip library.
#pragma once

#include <cstdint>
#include <ctime>
#include <string>
#include <vector>

#include "lexcore/rtl/lx_types.h"

struct zip;

namespace lx {

class TZipReader {
 public:
  // Opens an existing archive for reading. Raises EFOpenError with the reason when the file is missing or is
  // not a readable zip archive.
  explicit TZipReader(const UnicodeString& fileName);
  ~TZipReader();
  TZipReader(const TZipReader&) = delete;
  TZipReader& operator=(const TZipReader&) = delete;

  // True when the file opens as a zip archive; never raises.
  static bool IsZipArchive(const UnicodeString& fileName);

  const UnicodeString& FileName() const { return fileName_; }
  // The archive comment: UTF-8 when it is valid UTF-8, otherwise read as code page 437 (the zip default).
  UnicodeString Comment() const;
  // The comment's bytes as stored.
  std::string RawComment() const;

  int Count() const;
  // Entry names as stored (a '\\' from an archive made on Windows is kept), decoded like the comment.
  UnicodeString Name(int index) const;
  int64_t Size(int index) const;
  int64_t CompressedSize(int index) const;
  bool IsDirectory(int index) const;
  std::time_t Modified(int index) const;
  // Index of the entry with this name ('/' and '\\' count as the same), -1 when absent.
  int IndexOf(const UnicodeString& name, bool ignoreCase = false) const;

  // The whole entry in memory. Raises EReadError when the entry is damaged, and when it is larger than limit
  // bytes (so a hostile archive cannot ask for a huge allocation).
  std::vector<uint8_t> Extract(int index, int64_t limit = kDefaultExtractLimit) const;

  static constexpr int64_t kDefaultExtractLimit = int64_t(1) << 30;

 private:
  void CheckIndex(int index) const;

  UnicodeString fileName_;
  ::zip* archive_ = nullptr;
};

// A relative path that is safe to create below a chosen folder: '\\' becomes '/', drive letters, leading
// separators, "." and ".." components are dropped. Empty when nothing usable remains.
UnicodeString SanitisedZipEntryPath(const UnicodeString& entryName);

}  // namespace lx
