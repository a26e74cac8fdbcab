#include "lexcore/files/file_utils.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>
#include <zlib.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>

#include "lexcore/files/file_utils_walk.h"
#include "lexcore/rtl/lx_paths.h"
#include "lexcore/rtl/lx_streams.h"
#include "lexcore/rtl/lx_strings.h"
#include "lexcore/text/UTF8_unit.h"
#include "lexcore/text/WideMasks.h"

namespace lx {

UnicodeString user_dir_token = u"$userdir";
UnicodeString user_drive_token = u"$user_drive";

namespace {

std::string Native(const UnicodeString& s) {
  return UTF16ToUTF8(s);
}

bool IsNetworkName(const UnicodeString& s) {
  return s.size() > 2 && IsPathDelimiterChar(s[0]) && IsPathDelimiterChar(s[1]);
}

bool SameStart(const UnicodeString& s, const UnicodeString& prefix) {
  return s.size() >= prefix.size() && SameText(std::u16string_view(s).substr(0, prefix.size()), prefix);
}

}  // namespace

bool IsTextUnicode(const void* buffer, int64_t size) {
  if (size < 2 || size % 2) return false;
  const auto* b = static_cast<const uint8_t*>(buffer);
  const int64_t units = std::min<int64_t>(size / 2, 512);
  int64_t highZero = 0, lowZero = 0;
  for (int64_t i = 0; i < units; ++i) {
    if (b[2 * i + 1] == 0) ++highZero;
    if (b[2 * i] == 0) ++lowZero;
  }
  // Latin text in UTF-16 LE: most high bytes zero, almost no low bytes zero.
  return highZero * 2 > units && lowZero * 10 < units;
}

TFileContentsSet FileBufferType(const void* buffer, int64_t size, bool thorough) {
  TFileContentsSet result;
  if (!buffer || size < 4) return result;
  const auto* b = static_cast<const uint8_t*>(buffer);
  auto starts = [&](uint8_t a, uint8_t c, uint8_t d, uint8_t e) {
    return b[0] == a && b[1] == c && b[2] == d && b[3] == e;
  };
  if (starts(0xD0, 0xCF, 0x11, 0xE0)) return {_Storage};
  if (starts(0xDB, 0xA5, 0x2D, 0x00)) return {_early_Word};
  if (starts(0x50, 0x4B, 0x03, 0x04)) return {_Zip};
  const bool utf8Mark = IsUTF8Signature(b[0], b[1], b[2]);
  const bool le = b[0] == 0xFF && b[1] == 0xFE, be = b[0] == 0xFE && b[1] == 0xFF;
  if (!thorough) {
    if (utf8Mark) result.Include(_UTF8);
    if (le) result.Include(_16_bit);
    if (be) result.Include(_16_bit_reversed);
    if (!le && !be) result.Include(_8_bit);
    return result;
  }
  if (size % 2 == 0 && (le || be || IsTextUnicode(buffer, size))) return {be ? _16_bit_reversed : _16_bit};
  if (utf8Mark) return {_UTF8};
  bool plain = true;
  if (!CheckedUTF(std::string_view(reinterpret_cast<const char*>(b), static_cast<std::size_t>(size)), plain))
    return {_8_bit};
  return plain ? result : TFileContentsSet{_UTF8};
}

TFileContentsSet FileContentsType(const UnicodeString& name, bool thorough) {
  std::ifstream in(Native(name), std::ios::binary);
  if (!in) return {};
  std::string bytes;
  if (thorough) {
    bytes.assign(std::istreambuf_iterator<char>(in), {});
  } else {
    bytes.resize(4);
    in.read(bytes.data(), 4);
    bytes.resize(static_cast<std::size_t>(in.gcount()));
  }
  return FileBufferType(bytes.data(), static_cast<int64_t>(bytes.size()), thorough);
}

bool DriveAndFolderExist(const UnicodeString& path, bool check_network, bool network_default) {
  if (path.empty()) return false;
  if (IsNetworkName(path) && !check_network) return network_default;
  return DirectoryExists(path);
}

bool DriveAndFileExist(const UnicodeString& path, bool check_network, bool network_default) {
  if (path.empty()) return false;
  if (IsNetworkName(path) && !check_network) return network_default;
  return FileExists(path);
}

int64_t FileSizeOf(const UnicodeString& name) {
  return FileExists(name) ? FileSize(name) : -1;
}

uint32_t CheckSumOfAFile(const UnicodeString& name) {
  std::ifstream in(Native(name), std::ios::binary);
  if (!in || !FileExists(name)) return 0;
  uLong crc = crc32(0, nullptr, 0);
  char buf[65536];
  while (in.read(buf, sizeof buf) || in.gcount() > 0)
    crc = crc32(crc, reinterpret_cast<const Bytef*>(buf), static_cast<uInt>(in.gcount()));
  return static_cast<uint32_t>(crc);
}

namespace {

bool CopyBytes(const UnicodeString& source, const UnicodeString& target) {
  std::ifstream in(Native(source), std::ios::binary);
  if (!in) return false;
  std::ofstream out(Native(target), std::ios::binary | std::ios::trunc);
  if (!out) return false;
  out << in.rdbuf();
  out.flush();
  return static_cast<bool>(out);
}

}  // namespace

bool CopyAFileWithBackup(const UnicodeString& name) {
  return FileExists(name) && CopyBytes(name, ChangeFileExt(name, u".bak"));
}

bool CopyDateOfFile(const UnicodeString& source, const UnicodeString& target) {
  struct stat st {};
  if (!FileExists(target) || ::stat(Native(source).c_str(), &st) != 0) return false;
  const timespec times[2] = {st.st_atim, st.st_mtim};
  return ::utimensat(AT_FDCWD, Native(target).c_str(), times, 0) == 0;
}

bool CopyFileRetainingDate(const UnicodeString& source, const UnicodeString& target, bool fail_if_exists) {
  if (!FileExists(source) || (fail_if_exists && FileExists(target))) return false;
  return CopyBytes(source, target) && CopyDateOfFile(source, target);
}

int DeleteAllFilesOn(const UnicodeString& folder, const UnicodeString& mask) {
  TStringList files;
  ListOfAllFilesIn(folder, files);
  int deleted = 0;
  for (int i = 0; i < files.Count(); ++i)
    if (MatchesMask(ExtractFileName(files[i]), mask) && DeleteFile(files[i])) ++deleted;
  return deleted;
}

UnicodeString RemoveDotsFromFilename(const UnicodeString& s) {
  UnicodeString out;
  for (WideChar c : s)
    if (c != u'.') out += c;
  return out;
}

UnicodeString CleanedUpFilename(const UnicodeString& path) {
  static const std::u16string_view bad = u"\\/:|<>^+=?[]\"*";
  UnicodeString out;
  for (WideChar c : ExtractFileName(path))
    if (c >= 0x20 && c != 0x7F && bad.find(c) == std::u16string_view::npos) out += c;
  return out;
}

bool IsDirectoryWriteable(const UnicodeString& dir) {
  return DirectoryExists(dir) && ::access(Native(dir).c_str(), W_OK | X_OK) == 0;
}

bool FolderIsEmpty(const UnicodeString& dir) {
  DIR* d = ::opendir(Native(dir).c_str());
  if (!d) return false;
  bool empty = true;
  while (const dirent* e = ::readdir(d))
    if (std::strcmp(e->d_name, ".") != 0 && std::strcmp(e->d_name, "..") != 0) {
      empty = false;
      break;
    }
  ::closedir(d);
  return empty;
}

int PathDelimiterCount(const UnicodeString& path) {
  return static_cast<int>(std::count_if(path.begin(), path.end(), IsPathDelimiterChar));
}

UnicodeString FileNameWithParentFolderOnly(const UnicodeString& path) {
  const UnicodeString dir = ExcludeTrailingPathDelimiter(ExtractFilePath(path));
  const UnicodeString parent = ExtractFileName(dir);
  return parent.empty() ? ExtractFileName(path) : parent + PathDelim + ExtractFileName(path);
}

void CollectTreeEntries(const UnicodeString& dir, TStringList& list, bool subfolders,
                        const UnicodeString& ext, bool withFolders, int depth) {
  // Deep enough for any real tree.
  if (depth > 64) return;
  DIR* d = ::opendir(Native(dir).c_str());
  if (!d) return;
  std::vector<UnicodeString> names;
  while (const dirent* e = ::readdir(d))
    if (std::strcmp(e->d_name, ".") != 0 && std::strcmp(e->d_name, "..") != 0)
      names.push_back(UTF8ToUTF16(e->d_name));
  ::closedir(d);
  std::sort(names.begin(), names.end());
  const UnicodeString folder = IncludeTrailingPathDelimiter(dir);
  for (const UnicodeString& n : names) {
    const UnicodeString full = folder + n;
    if (DirectoryExists(full)) {
      if (withFolders) list.Add(full + PathDelim);
      if (subfolders) CollectTreeEntries(full, list, true, ext, withFolders, depth + 1);
    } else if (ext.empty() || SameText(ExtractFileExt(n), ext)) {
      list.Add(full);
    }
  }
}

void ListOfAllFilesIn(const UnicodeString& dir, TStringList& list, bool subfolders) {
  CollectTreeEntries(dir, list, subfolders, UnicodeString(), false);
}

void ListOfAllFilesMatchingExt(const UnicodeString& dir, const UnicodeString& ext, TStringList& list,
                               bool subfolders) {
  CollectTreeEntries(dir, list, subfolders, ext.empty() || ext[0] == u'.' ? ext : u"." + ext, false);
}

UnicodeString ExtractFileDrive(const UnicodeString& name) {
  if (name.size() >= 2 && name[1] == u':') return name.substr(0, 2);
  if (IsNetworkName(name)) {
    // \\server\share
    std::size_t at = 2, parts = 0;
    while (at < name.size()) {
      if (IsPathDelimiterChar(name[at]) && ++parts == 2) break;
      ++at;
    }
    return name.substr(0, at);
  }
  return UnicodeString();
}

std::vector<UnicodeString> AllDrives() {
  std::vector<UnicodeString> drives;
  std::ifstream mounts("/proc/self/mounts");
  std::string device, point, type, rest;
  while (mounts >> device >> point >> type && std::getline(mounts, rest)) {
    // Only file systems backed by a device or a network hold the user's files.
    if (device.rfind("/dev/", 0) != 0 && type.find("nfs") == std::string::npos &&
        type.find("cifs") == std::string::npos && type != "fuse" && type.rfind("fuse.", 0) != 0)
      continue;
    const UnicodeString p = UTF8ToUTF16(point);
    if (std::find(drives.begin(), drives.end(), p) == drives.end()) drives.push_back(p);
  }
  if (drives.empty()) drives.push_back(u"/");
  return drives;
}

int NumberOfDrives() {
  return static_cast<int>(AllDrives().size());
}

int64_t DiskFree(const UnicodeString& path) {
  struct statvfs s {};
  if (::statvfs(Native(path).c_str(), &s) != 0) return -1;
  return static_cast<int64_t>(s.f_bavail) * static_cast<int64_t>(s.f_frsize);
}

UnicodeString DriveWithMostFreeSpace() {
  UnicodeString best;
  int64_t most = -1;
  for (const UnicodeString& d : AllDrives())
    if (const int64_t f = DiskFree(d); f > most) {
      most = f;
      best = d;
    }
  return best;
}

UnicodeString ConvertedUserFolderInFilename(const UnicodeString& folder, const UnicodeString& name,
                                            bool to_token) {
  if (!to_token) return ConvertedFilenameFromUserDirFName(folder, name);
  const UnicodeString drive = ExtractFileDrive(folder);
  if (!SameText(ExtractFileDrive(name), drive)) return name;
  if (!folder.empty() && SameStart(name, folder) && name.size() > folder.size())
    return user_dir_token + name.substr(folder.size() - 1);
  const UnicodeString rest = name.substr(ExtractFileDrive(name).size());
  return user_drive_token +
         (rest.empty() || !IsPathDelimiterChar(rest[0]) ? UnicodeString(1, PathDelim) : u"") + rest;
}

UnicodeString ConvertedFilenameFromUserDirFName(const UnicodeString& folder, const UnicodeString& name) {
  std::size_t at = name.find(user_dir_token);
  if (at != UnicodeString::npos) {
    const std::size_t after = at + user_dir_token.size() + 1;
    return IncludeTrailingPathDelimiter(folder) + (after < name.size() ? name.substr(after) : u"");
  }
  at = name.find(user_drive_token);
  if (at != UnicodeString::npos) {
    const UnicodeString rest = name.substr(at + user_drive_token.size());
    return ExtractFileDrive(folder) +
           (rest.empty() || !IsPathDelimiterChar(rest[0]) ? UnicodeString(1, PathDelim) : u"") + rest;
  }
  return name;
}

}  // namespace lx
