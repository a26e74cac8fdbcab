// General routines of WinGenOk: asking before overwriting, unique file names, yes/no texts, folders and
// drives, numbers with thousands separators, and the running program's date.
#include <sys/stat.h>
#include <sys/statfs.h>
#include <sys/statvfs.h>
#include <unicode/ulocdata.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <filesystem>

#include "lexcore/platform/win_lasterror.h"
#include "lexcore/platform/win_locale.h"
#include "lexcore/rtl/lx_datetime.h"
#include "lexcore/rtl/lx_exceptions.h"
#include "lexcore/rtl/lx_format.h"
#include "lexcore/rtl/lx_messages.h"
#include "lexcore/rtl/lx_paths.h"
#include "lexcore/rtl/lx_strings.h"
#include "lexcore/text/WinGenOk.h"

namespace lx {

const UnicodeString HexSignalStr = u"Xx$Hh";
const UnicodeString HexCharactersStr = u"0123456789ABCDEFabcdef";

LX_RESOURCESTRING(_LXOverwriteXQ, u"Overwrite %s?")
LX_RESOURCESTRING(_LXOverwriteXWithBackupQ, u"Overwrite %s (with backup)?")
LX_RESOURCESTRING(_LXTrue, u"true")
LX_RESOURCESTRING(_LXFalse, u"false")
LX_RESOURCESTRING(_LXLittleDiskSpaceQ, u"Only %d MB are free on the disk of %s. Go on?")

namespace {

std::atomic<int32_t> batchFileNumber{0};

std::filesystem::path AsPath(const UnicodeString& s) {
  return std::filesystem::path(UTF16ToUTF8(s));
}

}  // namespace

void SetBatchFileStartNumberTo(int32_t n) {
  batchFileNumber = std::max(n, 0);
}

int32_t GetBatchFileStartNumber() {
  return batchFileNumber;
}

bool OKToOverwrite(const UnicodeString& fileName) {
  if (!FileExists(fileName)) return true;
  return AskYesNo(Format(_LXOverwriteXQ, {fileName}), false);
}

bool OKToOverwriteWithBackup(const UnicodeString& fileName) {
  if (!FileExists(fileName)) return true;
  if (!AskYesNo(Format(_LXOverwriteXWithBackupQ, {fileName}), false)) return false;
  std::error_code ec;
  std::filesystem::copy_file(AsPath(fileName), AsPath(ChangeFileExt(fileName, u".bak")),
                             std::filesystem::copy_options::overwrite_existing, ec);
  return true;
}

bool ForcedToBeNewFile(UnicodeString& fileName) {
  if (fileName.find(u'.') == UnicodeString::npos) fileName += u'.';
  const std::size_t dot = fileName.rfind(u'.');
  const UnicodeString ext = fileName.substr(dot);
  while (FileExists(fileName) || DirectoryExists(fileName)) {
    const UnicodeString stem = fileName.substr(0, fileName.rfind(u'.'));
    const int32_t n = ++batchFileNumber;
    UnicodeString number = IntToStr(n);
    if (number.size() < 3) number.insert(0, 3 - number.size(), u'0');
    fileName = stem + u"_" + number + ext;
  }
  return true;
}

bool FileNameHasWildCards(std::u16string_view name) {
  return name.find_first_of(u"*?") != std::u16string_view::npos;
}

UnicodeString BooleanToStr(bool b) {
  return b ? _LXTrue.Text() : _LXFalse.Text();
}

bool StrToBoolean(std::u16string_view s) {
  return SameText(s, _LXTrue.Text());
}

UnicodeString AttributesToStr(uint32_t attributes) {
  UnicodeString s;
  if (attributes & faReadOnly) s += u'r';
  if (attributes & faArchive) s += u'a';
  if (attributes & faSysFile) s += u's';
  if (attributes & faHidden) s += u'h';
  if (attributes & faDirectory) s += u'd';
  return s;
}

bool sIsADirectory(const UnicodeString& path) {
  return !path.empty() && DirectoryExists(path);
}

UnicodeString NormalisedPath(const UnicodeString& path) {
  if (path.size() <= 3) return path;
  return ExcludeTrailingPathDelimiter(ExpandFileName(path));
}

void NormalisedPathW(const UnicodeString& path, WideChar (&buffer)[260]) {
  std::fill(std::begin(buffer), std::end(buffer), 0);
  const UnicodeString s = NormalisedPath(path);
  std::copy_n(s.begin(), std::min<std::size_t>(s.size(), 259), buffer);
}

bool ValidDrive(char) {
  return false;
}

bool ValidDriveW(WideChar) {
  return false;
}

bool Fixed_Drive(const UnicodeString& root) {
  struct statfs fs {};
  if (root.empty() || ::statfs(UTF16ToUTF8(root).c_str(), &fs) != 0) return false;
  switch (static_cast<unsigned long>(fs.f_type)) {
    case 0x6969:      // NFS
    case 0xFF534D42:  // CIFS
    case 0xFE534D42:  // SMB2
    case 0x517B:      // SMB
    case 0x65735546:  // FUSE
    case 0x01021994:  // tmpfs
    case 0x9660:      // ISO 9660
    case 0x15013346:  // UDF
    case 0x4d44:      // FAT (removable as a rule)
      return false;
    default:
      return true;
  }
}

bool ProceedIfLittleDiskSpace(const UnicodeString& path, int64_t bytesNeeded) {
  if (path.empty()) return false;
  // The nearest folder that exists decides: the file to be written usually does not exist yet.
  std::filesystem::path p = AsPath(path);
  std::error_code ec;
  while (!p.empty() && !std::filesystem::exists(p, ec) && p != p.parent_path()) p = p.parent_path();
  struct statvfs vfs {};
  if (p.empty() || ::statvfs(p.c_str(), &vfs) != 0)
    return AskYesNo(Format(_LXLittleDiskSpaceQ, {0, path}), false);
  const uint64_t free = static_cast<uint64_t>(vfs.f_bavail) * vfs.f_frsize;
  if (bytesNeeded <= 0 || free >= static_cast<uint64_t>(bytesNeeded)) return true;
  return AskYesNo(Format(_LXLittleDiskSpaceQ, {static_cast<int64_t>(free / 1048576), path}), false);
}

UnicodeString IntToDecStr(int64_t n) {
  return IntToDecStr(n, FormatSettings);
}

UnicodeString IntToDecStr(int64_t n, const TFormatSettings& settings) {
  try {
    return Format(u"%0.n", {static_cast<long double>(n)}, settings);
  } catch (const Exception&) {
    return u"*";
  }
}

UnicodeString RealToDecStr(long double x, const TFormatSettings& settings) {
  return FloatToStrF(x, ffNumber, 18, 2, settings);
}

namespace {

int32_t SecondsOfDay(TDateTime t) {
  const double fraction = t - std::floor(t);
  return static_cast<int32_t>(std::lround(fraction * 86400.0));
}

}  // namespace

int32_t SecondsElapsedSince(TDateTime t) {
  return SecondsOfDay(Now() - t);
}

int32_t TodaysTimeInSeconds(TDateTime t) {
  return SecondsOfDay(t);
}

TDateTime Compilation_DateTime() {
  std::error_code ec;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
  TDateTime when = 0;
  if (ec || !FileAge(UTF8ToUTF16(self.string()), when)) return 0;
  return when;
}

UnicodeString Compilation_Date() {
  return DateToStr(Compilation_DateTime());
}

UnicodeString Compilation_Year() {
  return FormatDateTime(u"yyyy", Compilation_DateTime());
}

bool UserDefaultMeasurements(LCID lcid) {
  UErrorCode status = U_ZERO_ERROR;
  const std::string locale = UTF16ToUTF8(LCIDToLocaleName(lcid));
  const UMeasurementSystem system = ulocdata_getMeasurementSystem(locale.c_str(), &status);
  return U_FAILURE(status) || system != UMS_US;
}

UnicodeString GetLastErrorString() {
  switch (GetLastError()) {
    case ERROR_SUCCESS:
      return u"The operation completed successfully.";
    case ERROR_INVALID_PARAMETER:
      return u"The parameter is incorrect.";
    case ERROR_INSUFFICIENT_BUFFER:
      return u"The data area passed to a system call is too small.";
    case ERROR_INVALID_FLAGS:
      return u"Invalid flags.";
    case ERROR_NO_UNICODE_TRANSLATION:
      return u"No mapping for the Unicode character exists in the target multi-byte code page.";
    default:
      return u"Error " + IntToStr(GetLastError()) + u".";
  }
}

std::vector<UnicodeString> ListOfSubFolders(const UnicodeString& folder) {
  std::vector<UnicodeString> found;
  std::error_code ec;
  std::filesystem::recursive_directory_iterator it(AsPath(folder), ec), end;
  for (; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    std::error_code typeEc;
    if (!it->is_directory(typeEc) || it->is_symlink(typeEc)) continue;
    if (!name.empty() && name[0] == '.') {
      it.disable_recursion_pending();
      continue;
    }
    found.push_back(UTF8ToUTF16(it->path().string()));
  }
  std::sort(found.begin(), found.end());
  return found;
}

UnicodeString DoubleAnyAmpersands(std::u16string_view s) {
  UnicodeString out;
  out.reserve(s.size());
  for (WideChar c : s) {
    out += c;
    if (c == u'&') out += u'&';
  }
  return out;
}

const WideChar* StrLScanW(const WideChar* buffer, WideChar c, std::size_t n) {
  if (!buffer) return nullptr;
  for (std::size_t i = 0; i < n; ++i)
    if (buffer[i] == c) return buffer + i;
  return nullptr;
}

}  // namespace lx
