#include "lexcore/rtl/lx_paths.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <time.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "lexcore/rtl/lx_exceptions.h"
#include "lexcore/rtl/lx_streams.h"
#include "lexcore/rtl/lx_strings.h"

namespace lx {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t npos = std::u16string_view::npos;

std::size_t LastDelimiterPos(std::u16string_view s) {
  return s.find_last_of(u"/\\");
}

fs::path NativePath(const UnicodeString& name) {
  return fs::path(FileNameToNative(name));
}

UnicodeString FromNative(const fs::path& p) {
  return UTF8ToUTF16(p.string());
}

}  // namespace

bool IsPathDelimiterChar(WideChar c) {
  return c == u'/' || c == u'\\';
}

UnicodeString ExtractFileName(std::u16string_view fileName) {
  const std::size_t p = LastDelimiterPos(fileName);
  return UnicodeString(p == npos ? fileName : fileName.substr(p + 1));
}

UnicodeString ExtractFilePath(std::u16string_view fileName) {
  const std::size_t p = LastDelimiterPos(fileName);
  return p == npos ? UnicodeString() : UnicodeString(fileName.substr(0, p + 1));
}

UnicodeString ExtractFileDir(std::u16string_view fileName) {
  const std::size_t p = LastDelimiterPos(fileName);
  if (p == npos) return {};
  // Drop the separator unless it is the root or follows another one.
  const bool keep = p == 0 || IsPathDelimiterChar(fileName[p - 1]);
  return UnicodeString(fileName.substr(0, keep ? p + 1 : p));
}

UnicodeString ExtractFileExt(std::u16string_view fileName) {
  const std::size_t p = fileName.find_last_of(u"./\\");
  if (p == npos || fileName[p] != u'.') return {};
  return UnicodeString(fileName.substr(p));
}

UnicodeString ChangeFileExt(std::u16string_view fileName, std::u16string_view extension) {
  std::size_t p = fileName.find_last_of(u"./\\");
  if (p == npos || fileName[p] != u'.') p = fileName.size();
  UnicodeString r(fileName.substr(0, p));
  r += extension;
  return r;
}

UnicodeString IncludeTrailingPathDelimiter(std::u16string_view s) {
  UnicodeString r(s);
  if (r.empty() || !IsPathDelimiterChar(r.back())) r += PathDelim;
  return r;
}

UnicodeString ExcludeTrailingPathDelimiter(std::u16string_view s) {
  if (!s.empty() && IsPathDelimiterChar(s.back())) s.remove_suffix(1);
  return UnicodeString(s);
}

bool FileExists(const UnicodeString& fileName) {
  if (fileName.empty()) return false;
  std::error_code ec;
  const auto status = fs::status(NativePath(fileName), ec);
  return !ec && fs::exists(status) && !fs::is_directory(status);
}

bool DirectoryExists(const UnicodeString& dir) {
  if (dir.empty()) return false;
  std::error_code ec;
  return fs::is_directory(NativePath(dir), ec);
}

bool ForceDirectories(const UnicodeString& dir) {
  if (dir.empty()) throw EInOutError(u"Unable to create directory");
  std::error_code ec;
  const fs::path p = NativePath(ExcludeTrailingPathDelimiter(dir));
  fs::create_directories(p, ec);
  return fs::is_directory(p, ec);
}

bool DeleteFile(const UnicodeString& fileName) {
  if (fileName.empty()) return false;
  std::error_code ec;
  const fs::path p = NativePath(fileName);
  const auto status = fs::symlink_status(p, ec);
  if (ec || !fs::exists(status) || fs::is_directory(status)) return false;
  return fs::remove(p, ec) && !ec;
}

bool RenameFile(const UnicodeString& oldName, const UnicodeString& newName) {
  if (oldName.empty() || newName.empty()) return false;
  const std::string from = FileNameToNative(oldName), to = FileNameToNative(newName);
  if (renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return true;
  if (errno != EINVAL && errno != ENOSYS) return false;
  // A file system without no-replace renames: check first.
  struct stat st;
  if (lstat(to.c_str(), &st) == 0) return false;
  return std::rename(from.c_str(), to.c_str()) == 0;
}

TDateTime UnixToLocalDateTime(int64_t unixSeconds, int32_t nanoseconds) {
  const time_t t = static_cast<time_t>(unixSeconds);
  struct tm local;
  const long offset = localtime_r(&t, &local) ? local.tm_gmtoff : 0;
  const int64_t milliseconds = nanoseconds / 1000000;
  return static_cast<double>(unixSeconds + offset) / 86400.0 + 25569.0 +
         static_cast<double>(milliseconds) / 86400000.0;
}

bool FileAge(const UnicodeString& fileName, TDateTime& dateTime) {
  struct stat st;
  if (fileName.empty() || stat(FileNameToNative(fileName).c_str(), &st) != 0) return false;
  dateTime = UnixToLocalDateTime(st.st_mtim.tv_sec, static_cast<int32_t>(st.st_mtim.tv_nsec));
  return true;
}

TDateTime FileDateTime(const UnicodeString& fileName) {
  TDateTime result = 0;
  errno = ENOENT;
  if (!FileAge(fileName, result)) {
    throw EInOutError(u"Cannot open file \"" + fileName + u"\". " + U(std::strerror(errno)));
  }
  return result;
}

int64_t FileSize(const UnicodeString& fileName) {
  struct stat st;
  if (fileName.empty() || stat(FileNameToNative(fileName).c_str(), &st) != 0) return -1;
  return static_cast<int64_t>(st.st_size);
}

UnicodeString GetCurrentDir() {
  std::error_code ec;
  const fs::path p = fs::current_path(ec);
  return ec ? UnicodeString() : FromNative(p);
}

UnicodeString ExpandFileName(std::u16string_view fileName) {
  if (fileName.empty()) return {};
  UnicodeString name(fileName);
  for (auto& c : name) {
    if (c == u'\\') c = PathDelim;
  }
  std::error_code ec;
  const fs::path absolute = fs::absolute(NativePath(name), ec);
  if (ec) return name;
  UnicodeString r = FromNative(absolute.lexically_normal());
  // "a/.." normalises to "a/": keep a trailing separator only where the caller wrote one.
  if (!IsPathDelimiterChar(name.back()) && r.size() > 1 && r.back() == PathDelim) r.pop_back();
  return r;
}

}  // namespace lx
