// Folder, drive and date routines of the file utilities.
#include <dirent.h>
#include <fcntl.h>
#include <limits.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fstream>

#include "lexcore/files/file_utils.h"
#include "lexcore/files/file_utils_walk.h"
#include "lexcore/rtl/lx_paths.h"
#include "lexcore/rtl/lx_strings.h"

namespace lx {

namespace {

std::string Native(const UnicodeString& s) {
  return UTF16ToUTF8(s);
}

bool HasParentStep(std::u16string_view s) {
  std::size_t start = 0;
  while (start <= s.size()) {
    std::size_t end = start;
    while (end < s.size() && !IsPathDelimiterChar(s[end])) ++end;
    if (s.substr(start, end - start) == u"..") return true;
    start = end + 1;
  }
  return false;
}

// "/a/b/" -> {"/", "a", "b"}; "C:\a" -> {"C:", "a"}.
std::vector<UnicodeString> PathElements(const UnicodeString& path) {
  std::vector<UnicodeString> out;
  UnicodeString drive = ExtractFileDrive(path);
  std::size_t at = drive.size();
  if (!drive.empty())
    out.push_back(drive);
  else if (!path.empty() && IsPathDelimiterChar(path[0]))
    out.push_back(UnicodeString(1, PathDelim));
  UnicodeString part;
  for (; at <= path.size(); ++at) {
    if (at == path.size() || IsPathDelimiterChar(path[at])) {
      if (!part.empty() && part != u".") out.push_back(part);
      part.clear();
    } else {
      part += path[at];
    }
  }
  return out;
}

// Resolved when it exists, else made absolute.
UnicodeString Canonical(const UnicodeString& path) {
  const UnicodeString real = GetLongPathNameW(path);
  return ExcludeTrailingPathDelimiter(real.empty() ? ExpandFileName(path) : real);
}

struct Mount {
  std::string device, point, type;
};

// Undoes the octal escapes the kernel writes for spaces and the like in mount points.
std::string Unescape(const std::string& s) {
  std::string out;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '\\' && i + 3 < s.size() && std::isdigit(static_cast<unsigned char>(s[i + 1])) &&
        std::isdigit(static_cast<unsigned char>(s[i + 2])) &&
        std::isdigit(static_cast<unsigned char>(s[i + 3]))) {
      out += static_cast<char>((s[i + 1] - '0') * 64 + (s[i + 2] - '0') * 8 + (s[i + 3] - '0'));
      i += 3;
    } else {
      out += s[i];
    }
  }
  return out;
}

std::vector<Mount> Mounts() {
  std::vector<Mount> out;
  std::ifstream in("/proc/self/mounts");
  std::string line;
  while (std::getline(in, line)) {
    char device[4096], point[4096], type[256];
    if (std::sscanf(line.c_str(), "%4095s %4095s %255s", device, point, type) == 3)
      out.push_back({Unescape(device), Unescape(point), type});
  }
  return out;
}

bool IsNetworkType(const std::string& type) {
  static const char* const kinds[] = {
      "nfs",  "nfs4",      "cifs",       "smb3",           "smbfs",       "ncpfs", "afs",        "9p",
      "ceph", "glusterfs", "fuse.sshfs", "fuse.glusterfs", "fuse.rclone", "davfs", "fuse.davfs2"};
  return std::find_if(std::begin(kinds), std::end(kinds), [&](const char* k) { return type == k; }) !=
         std::end(kinds);
}

// The mount whose point is the longest prefix of the resolved path.
const Mount* MountHolding(const std::vector<Mount>& mounts, const std::string& real) {
  const Mount* best = nullptr;
  for (const Mount& m : mounts) {
    const std::string& p = m.point;
    const bool holds =
        p == "/" || real == p || (real.rfind(p, 0) == 0 && real.size() > p.size() && real[p.size()] == '/');
    // Later lines mount over earlier ones at the same point.
    if (holds && (!best || p.size() >= best->point.size())) best = &m;
  }
  return best;
}

int RemoveEmptyBelow(const std::string& dir, int depth) {
  if (depth > 256) return 0;
  DIR* d = ::opendir(dir.c_str());
  if (!d) return 0;
  std::vector<std::string> subs;
  while (const dirent* e = ::readdir(d)) {
    if (std::strcmp(e->d_name, ".") == 0 || std::strcmp(e->d_name, "..") == 0) continue;
    const std::string full = dir + "/" + e->d_name;
    struct stat st {};
    if (::lstat(full.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) subs.push_back(full);
  }
  ::closedir(d);
  int removed = 0;
  for (const std::string& s : subs) {
    removed += RemoveEmptyBelow(s, depth + 1);
    if (::rmdir(s.c_str()) == 0) ++removed;
  }
  return removed;
}

}  // namespace

UnicodeString ProgramFolder() {
  char buf[PATH_MAX + 1];
  const ssize_t n = ::readlink("/proc/self/exe", buf, PATH_MAX);
  if (n <= 0) return IncludeTrailingPathDelimiter(GetCurrentDir());
  return ExtractFilePath(UTF8ToUTF16(std::string_view(buf, static_cast<std::size_t>(n))));
}

UnicodeString ConvertedAppFolderInFilename(const UnicodeString& name, bool to_token) {
  return ConvertedUserFolderInFilename(ProgramFolder(), name, to_token);
}

int CheckUserDirConstFolder(TStrings& list, bool to_token) {
  const UnicodeString folder = ProgramFolder();
  int changed = 0;
  for (int32_t i = 0; i < list.Count(); ++i) {
    const UnicodeString item = list[i];
    const UnicodeString converted = ConvertedUserFolderInFilename(folder, item, to_token);
    if (converted != item) {
      list.Put(i, converted);
      ++changed;
    }
  }
  return changed;
}

UnicodeString ProgramDrive() {
  const UnicodeString folder = ProgramFolder();
  const UnicodeString drive = ExtractFileDrive(folder);
  if (!drive.empty()) return drive;
  const UnicodeString point = MountPointOf(folder);
  return point == u"/" ? UnicodeString() : ExcludeTrailingPathDelimiter(point);
}

UnicodeString ConvertedFilenameIfOnDrive(const UnicodeString& drive, const UnicodeString& name,
                                         bool to_token) {
  // Letter drives and shares ignore case; a mount point is a path and keeps it.
  const bool letterDrive = !ExtractFileDrive(drive).empty();
  auto startsWith = [&](const UnicodeString& s, const UnicodeString& prefix) {
    if (s.size() < prefix.size()) return false;
    const std::u16string_view head = std::u16string_view(s).substr(0, prefix.size());
    return letterDrive ? SameText(head, prefix) : head == prefix;
  };
  if (to_token) {
    if (!startsWith(name, drive)) return name;
    const UnicodeString rest = name.substr(drive.size());
    // "/mnt/data2/x" is not on the drive "/mnt/data".
    if (rest.empty() || !IsPathDelimiterChar(rest[0])) return name;
    return user_drive_token + rest;
  }
  if (name.size() < user_drive_token.size() ||
      !SameText(std::u16string_view(name).substr(0, user_drive_token.size()), user_drive_token))
    return name;
  return drive + name.substr(user_drive_token.size());
}

UnicodeString ConvertedFilenameIfUserDrive(const UnicodeString& name, bool to_token) {
  return ConvertedFilenameIfOnDrive(ProgramDrive(), name, to_token);
}

int RemoveAllEmptyFolders(const UnicodeString& dir) {
  if (!DirectoryExists(dir)) return 0;
  return RemoveEmptyBelow(Native(ExcludeTrailingPathDelimiter(dir)), 0);
}

bool RemovedEmptyFolder(const UnicodeString& dir) {
  struct stat st {};
  const std::string n = Native(ExcludeTrailingPathDelimiter(dir));
  if (n.empty() || ::lstat(n.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return false;
  return ::rmdir(n.c_str()) == 0;
}

UnicodeString NewSubFolderFrom(const UnicodeString& parent, const UnicodeString& name) {
  if (name.empty() || name == u"." || name == u".." ||
      std::any_of(name.begin(), name.end(), [](WideChar c) { return IsPathDelimiterChar(c) || c == 0; }))
    return UnicodeString();
  if (!DirectoryExists(parent)) return UnicodeString();
  const UnicodeString base = IncludeTrailingPathDelimiter(parent) + name;
  for (int n = 1; n < 10000; ++n) {
    const UnicodeString candidate = n == 1 ? base : base + u" (" + UTF8ToUTF16(std::to_string(n)) + u")";
    if (::mkdir(Native(candidate).c_str(), 0777) == 0) return candidate + PathDelim;
    if (errno != EEXIST) return UnicodeString();
  }
  return UnicodeString();
}

bool CopyOrMoveAFileRetainingDirStructure(const UnicodeString& file, const UnicodeString& source_root,
                                          const UnicodeString& target_root, bool move) {
  if (HasParentStep(file) || HasParentStep(source_root) || !FileExists(file) || target_root.empty())
    return false;
  const UnicodeString root = IncludeTrailingPathDelimiter(source_root);
  if (file.size() <= root.size() || file.compare(0, root.size(), root) != 0) return false;
  const UnicodeString target = IncludeTrailingPathDelimiter(target_root) + file.substr(root.size());
  if (Canonical(target) == Canonical(file)) return false;
  if (!ForceDirectories(ExtractFileDir(target))) return false;
  if (move) {
    if (::rename(Native(file).c_str(), Native(target).c_str()) == 0) return true;
    // Another file system: copy, then remove the original only once the copy is whole.
    return CopyFileRetainingDate(file, target, false) && DeleteFile(file);
  }
  return CopyFileRetainingDate(file, target, false);
}

bool FolderProposedIsOriginalFolder(const UnicodeString& original, const UnicodeString& proposed) {
  if (original.empty() || proposed.empty()) return false;
  return Canonical(original) == Canonical(proposed);
}

bool FoldersFromSameHead(const UnicodeString& a, const UnicodeString& b) {
  if (a.empty() || b.empty()) return false;
  const UnicodeString ca = Canonical(a), cb = Canonical(b);
  const std::size_t shorter = std::min(PathElements(ca).size(), PathElements(cb).size());
  return static_cast<std::size_t>(CommonDrivePathElements(ca, cb)) == shorter;
}

int CommonDrivePathElements(const UnicodeString& a, const UnicodeString& b) {
  const auto ea = PathElements(a), eb = PathElements(b);
  std::size_t n = 0;
  // Drive letters and shares ignore case; the rest of a name keeps it.
  auto same = [&](std::size_t i) {
    return i == 0 && !ExtractFileDrive(ea[0]).empty() ? SameText(ea[0], eb[0]) : ea[i] == eb[i];
  };
  while (n < ea.size() && n < eb.size() && same(n)) ++n;
  return static_cast<int>(n);
}

UnicodeString NameUpToXPathDelimiters(const UnicodeString& path, int x) {
  if (x <= 0) return UnicodeString();
  int seen = 0;
  for (std::size_t i = 0; i < path.size(); ++i)
    if (IsPathDelimiterChar(path[i]) && ++seen == x) return path.substr(0, i + 1);
  return path;
}

void ListOfFilesAndDirs(const UnicodeString& dir, TStringList& list, bool subfolders) {
  CollectTreeEntries(dir, list, subfolders, UnicodeString(), true);
}

void SortListOfFiles(TStringList& list) {
  list.CustomSort([](TStringList& l, int32_t i, int32_t j) {
    const UnicodeString &a = l.GetRef(i), &b = l.GetRef(j);
    const UnicodeString da = ExtractFilePath(a), db = ExtractFilePath(b);
    if (const int c = CompareText(da, db); c != 0) {
      // A folder's own files before those of its sub-folders.
      if (da.size() < db.size() && SameText(std::u16string_view(db).substr(0, da.size()), da)) return -1;
      if (db.size() < da.size() && SameText(std::u16string_view(da).substr(0, db.size()), db)) return 1;
      return c;
    }
    return CompareText(ExtractFileName(a), ExtractFileName(b));
  });
}

std::vector<UnicodeString> AllNetworkDrives() {
  std::vector<UnicodeString> out;
  for (const Mount& m : Mounts())
    if (IsNetworkType(m.type)) {
      const UnicodeString p = UTF8ToUTF16(m.point);
      if (std::find(out.begin(), out.end(), p) == out.end()) out.push_back(p);
    }
  return out;
}

int NumberOfNetworkDrives() {
  return static_cast<int>(AllNetworkDrives().size());
}

UnicodeString MountPointOf(const UnicodeString& path) {
  const UnicodeString real = GetLongPathNameW(path);
  if (real.empty()) return UnicodeString();
  const auto mounts = Mounts();
  const Mount* m = MountHolding(mounts, Native(real));
  return m ? UTF8ToUTF16(m->point) : UnicodeString(1, PathDelim);
}

UnicodeString VolumeID(const UnicodeString& path) {
  struct statvfs s {};
  if (path.empty() || ::statvfs(Native(path).c_str(), &s) != 0) return UnicodeString();
  char buf[32];
  std::snprintf(buf, sizeof buf, "%016llX", static_cast<unsigned long long>(s.f_fsid));
  return UTF8ToUTF16(buf);
}

bool NetworkVolume(const UnicodeString& path) {
  const UnicodeString real = GetLongPathNameW(path);
  if (real.empty()) return false;
  const auto mounts = Mounts();
  const Mount* m = MountHolding(mounts, Native(real));
  return m && IsNetworkType(m->type);
}

UnicodeString GetLongPathNameW(const UnicodeString& path) {
  if (path.empty()) return UnicodeString();
  char* real = ::realpath(Native(path).c_str(), nullptr);
  if (!real) return UnicodeString();
  UnicodeString out = UTF8ToUTF16(real);
  ::free(real);
  return out;
}

TLXFilestatus GetFileStatusOfAFile(const UnicodeString& name, const UnicodeString& alternative_folder,
                                   UnicodeString& found) {
  found.clear();
  if (FileExists(name)) {
    found = name;
    return fs_exists;
  }
  if (alternative_folder.empty() || ExtractFileName(name).empty() || HasParentStep(name)) return fs_unknown;
  const UnicodeString folder = IncludeTrailingPathDelimiter(alternative_folder);
  for (const UnicodeString& tail : {FileNameWithParentFolderOnly(name), ExtractFileName(name)}) {
    const UnicodeString candidate = folder + tail;
    if (FileExists(candidate)) {
      found = candidate;
      return fs_moved;
    }
  }
  return fs_unknown;
}

bool ReadOnlyFileW(const UnicodeString& name) {
  return FileExists(name) && ::access(Native(name).c_str(), W_OK) != 0;
}

bool ReadOnlyFolderW(const UnicodeString& dir) {
  return DirectoryExists(dir) && !IsDirectoryWriteable(dir);
}

bool OKToDeleteFile(const UnicodeString& name) {
  if (!FileExists(name)) return false;
  UnicodeString dir = ExtractFileDir(name);
  if (dir.empty()) dir = u".";
  return !ReadOnlyFileW(name) && IsDirectoryWriteable(dir);
}

bool SetFileDate(const UnicodeString& name, TDateTime date) {
  uint16_t y, mo, d, h, mi, s, ms;
  DecodeDateTime(date, y, mo, d, h, mi, s, ms);
  return SetFileDate(name, y, mo, d, h, mi, s);
}

bool SetFileDate(const UnicodeString& name, int year, int month, int day, int hour, int minute, int second) {
  TDateTime check;
  if (!FileExists(name) || !TryEncodeDate(year, month, day, check) ||
      !TryEncodeTime(hour, minute, second, 0, check))
    return false;
  std::tm t{};
  t.tm_year = year - 1900;
  t.tm_mon = month - 1;
  t.tm_mday = day;
  t.tm_hour = hour;
  t.tm_min = minute;
  t.tm_sec = second;
  t.tm_isdst = -1;
  const std::time_t when = std::mktime(&t);
  if (when == static_cast<std::time_t>(-1) && !(year == 1969 && month == 12 && day == 31)) return false;
  const timespec times[2] = {{when, 0}, {when, 0}};
  return ::utimensat(AT_FDCWD, Native(name).c_str(), times, 0) == 0;
}

bool SetFileDate(const UnicodeString& name, const UnicodeString& from_file) {
  return FileExists(from_file) && CopyDateOfFile(from_file, name);
}

}  // namespace lx
