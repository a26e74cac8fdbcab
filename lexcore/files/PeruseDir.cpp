#include "lexcore/files/PeruseDir.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>

#include "lexcore/files/zip_utils.h"
#include "lexcore/platform/lx_zip.h"
#include "lexcore/rtl/lx_atomicsave.h"
#include "lexcore/rtl/lx_format.h"
#include "lexcore/rtl/lx_log.h"
#include "lexcore/rtl/lx_paths.h"
#include "lexcore/rtl/lx_strings.h"
#include "lexcore/rtl/lx_yield.h"
#include "lexcore/text/WideMasks.h"

namespace lx {

namespace {

void Log(const UnicodeString& text) {
  if (global_keeping_log) AddToLogFile(text);
}

// Local time of a file's date. The offset from UTC only changes on a quarter hour, and asking the C library
// for it costs a look at the zone file each time: one answer per quarter hour serves a whole walk.
TDateTime LocalFileTime(int64_t seconds, int32_t nanoseconds) {
  thread_local int64_t cachedQuarter = INT64_MIN;
  thread_local TDateTime cachedShift = 0;
  const int64_t quarter = seconds >= 0 ? seconds / 900 : (seconds - 899) / 900;
  if (quarter != cachedQuarter) {
    cachedQuarter = quarter;
    cachedShift = UnixToLocalDateTime(quarter * 900) - static_cast<double>(quarter * 900) / 86400.0;
  }
  return static_cast<double>(seconds) / 86400.0 + cachedShift +
         static_cast<double>(nanoseconds / 1000000) / 86400000.0;
}

UnicodeString Joined(const UnicodeString& dir, const UnicodeString& name) {
  return IncludeTrailingPathDelimiter(dir) + name;
}

}  // namespace

// ---- TMySearchRecList -------------------------------------------------------------------------------------

void TMySearchRecList::Clear() {
  THolderList<TMySearchRecHolder>::Clear();
  fSort = sr_sort_none;
}

bool TMySearchRecList::SameRecord(const TMySearchRec& a, const TMySearchRec& b) {
  return a.Size == b.Size && a.DateTime == b.DateTime && a.ShortName == b.ShortName;
}

int TMySearchRecList::CompareBy(TMySearchRecSort order, const TMySearchRec& a, const TMySearchRec& b) {
  switch (order) {
    case sr_sort_by_name:
      return Compare2StringsCaseInsensitively(a.ShortName, b.ShortName);
    case sr_sort_by_date:
      return CompareDates(a.DateTime, b.DateTime);
    case sr_sort_by_size:
      return CompareLongints(a.Size, b.Size);
    case sr_sort_by_attr:
      return CompareLongints(a.Attr, b.Attr);
    case sr_sort_by_extension:
      return Compare2StringsCaseInsensitively(ExtractFileExt(a.ShortName), ExtractFileExt(b.ShortName));
    default:
      return 0;
  }
}

void TMySearchRecList::SetSort(TMySearchRecSort wanted) {
  if (wanted == fSort) return;
  fSort = wanted;
  if (wanted == sr_sort_none) return;
  SortBy([wanted](const TMySearchRec& a, const TMySearchRec& b) { return CompareBy(wanted, a, b); });
}

int32_t TMySearchRecList::LinearFind(const TMySearchRec& item) const {
  for (int32_t i = 0; i < Count(); ++i)
    if (Held(i) && SameRecord(Held(i)->fdata, item)) return i;
  return -1;
}

int32_t TMySearchRecList::Find(const TMySearchRec& item) {
  if (fSort == sr_sort_none) return LinearFind(item);
  int32_t lo = 0, hi = Count() - 1;
  while (lo <= hi) {
    MyYieldProcess();
    const int32_t mid = (lo + hi) / 2;
    const TMySearchRec here = GetOne(mid);
    const int c = CompareBy(fSort, here, item);
    if (c == 0 && SameRecord(here, item)) return mid;
    if (c < 0) {
      lo = mid + 1;
    } else {
      hi = mid - 1;
      // Same key, another record: the one wanted may lie on either side.
      if (c == 0) return LinearFind(item);
    }
  }
  return -1;
}

bool TMySearchRecList::ReadFromStream(TStream& Stream) {
  return TUsefulBaseList::ReadFromStream(Stream);
}

bool TMySearchRecList::SaveToStream(TStream& Stream) {
  return TUsefulBaseList::SaveToStream(Stream);
}

// ---- TPeruseDir -------------------------------------------------------------------------------------------

TPeruseDir::TPeruseDir(const UnicodeString& filemask, const UnicodeString& dirmask,
                       const UnicodeString& zipmask, const UnicodeString& excluded_dirs_mask,
                       const UnicodeString& excluded_exts, bool ACheckingMACOS_files, bool zips_too,
                       bool aTreatZipsLikeAnyOtherFile, bool AAcceptSystemFiles, bool AAcceptHiddenFiles,
                       bool AAcceptHiddenFolders)
    : fFilemaskStr(filemask),
      fCheckingMACOS_files(ACheckingMACOS_files),
      fTreatZipsLikeAnyOtherFile(aTreatZipsLikeAnyOtherFile),
      fAcceptSystemFiles(AAcceptSystemFiles),
      fAcceptHiddenFiles(AAcceptHiddenFiles),
      fAcceptHiddenFolders(AAcceptHiddenFolders),
      fExamineZips(zips_too) {
  BuildAMask(fFilemasks, filemask);
  BuildAMask(fDirmasks, dirmask);
  BuildAMask(fZipMasks, zipmask);
  BuildAMask(fDirExcludeMasks, excluded_dirs_mask);
  BuildAMask(fExtExcludeMasks, excluded_exts);
  // A bare folder name excludes that folder wherever it lies; masks may be written with either separator.
  for (UnicodeString& m : fDirExcludeMasks) {
    std::replace(m.begin(), m.end(), u'\\', u'/');
    if (m.rfind(u"*/", 0) != 0) m = u"*/" + m;
  }
}

bool TPeruseDir::Enumerate(const UnicodeString& dir, const UnicodeString& mask, std::vector<TFound>& out,
                           bool foldersOnly) {
  std::vector<std::vector<TFound>> outs;
  const bool ok = Enumerate(dir, std::span<const UnicodeString>(&mask, 1), outs, foldersOnly);
  out = ok ? std::move(outs.front()) : std::vector<TFound>();
  return ok;
}

bool TPeruseDir::Enumerate(const UnicodeString& dir, std::span<const UnicodeString> masks,
                           std::vector<std::vector<TFound>>& outs, bool foldersOnly) {
  outs.assign(masks.size(), {});
  const std::string native = UTF16ToUTF8(dir.empty() ? UnicodeString(u".") : dir);
  DIR* d = ::opendir(native.c_str());
  if (!d) return false;
  std::vector<bool> matched(masks.size());
  while (const dirent* e = ::readdir(d)) {
    if (std::strcmp(e->d_name, ".") == 0 || std::strcmp(e->d_name, "..") == 0) continue;
    // The folder entry already says what most entries are: no need to ask about every file for folders.
    if (foldersOnly && e->d_type != DT_DIR && e->d_type != DT_LNK && e->d_type != DT_UNKNOWN) continue;
    TFound f;
    f.name = UTF8ToUTF16(e->d_name);
    bool any = false;
    for (std::size_t k = 0; k < masks.size(); ++k) any |= (matched[k] = MatchesMask(f.name, masks[k]));
    if (!any) continue;
    const bool hidden = e->d_name[0] == '.';
    // A walk for folders needs no folder's size or date.
    if ((foldersOnly && e->d_type == DT_DIR) ||
        (!fNeedSizeAndDate && (e->d_type == DT_REG || e->d_type == DT_DIR))) {
      f.rec.Attr = (e->d_type == DT_DIR ? faDirectory : 0) | (hidden ? faHidden : 0);
    } else if (!fNeedSizeAndDate && !foldersOnly && e->d_type != DT_LNK && e->d_type != DT_UNKNOWN) {
      f.rec.Attr = faSysFile | (hidden ? faHidden : 0);  // a device, pipe or socket
    } else {
      struct stat st {};
      // Relative to the open folder, which spares the system a walk down the whole path for every file. A
      // link is taken as what it points to; a dangling one as itself.
      if (::fstatat(::dirfd(d), e->d_name, &st, 0) != 0 &&
          ::fstatat(::dirfd(d), e->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0)
        continue;
      if (foldersOnly && !S_ISDIR(st.st_mode)) continue;
      int32_t attr = 0;
      if (S_ISDIR(st.st_mode)) attr |= faDirectory;
      // Devices, pipes and sockets are no texts: they pass only where system files are accepted.
      else if (!S_ISREG(st.st_mode))
        attr |= faSysFile;
      if (hidden) attr |= faHidden;
      f.rec.Attr = attr;
      f.rec.Size = static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(st.st_size)));
      if (!foldersOnly)
        f.rec.DateTime = LocalFileTime(st.st_mtim.tv_sec, static_cast<int32_t>(st.st_mtim.tv_nsec));
    }
    std::size_t last = masks.size();
    while (!matched[--last]) {
    }
    for (std::size_t k = 0; k < last; ++k)
      if (matched[k]) outs[k].push_back(f);
    outs[last].push_back(std::move(f));
  }
  ::closedir(d);
  return true;
}

bool TPeruseDir::PassesHiddenFileFolderTest(int32_t attr, bool isFolder) const {
  if ((attr & faHidden) == 0) return true;
  return isFolder ? fAcceptHiddenFolders : fAcceptHiddenFiles;
}

void TPeruseDir::ProcessAllSubDirectories(const UnicodeString& dir) {
  for (const UnicodeString& m : fDirmasks) {
    fVisited.clear();
    struct stat st {};
    if (::stat(UTF16ToUTF8(dir).c_str(), &st) == 0) fVisited.insert({st.st_dev, st.st_ino});
    WalkFolders(ExcludeTrailingPathDelimiter(dir), m);
    if (global_panic_state >= 2) break;
  }
}

void TPeruseDir::WalkFolders(const UnicodeString& dir, const UnicodeString& mask) {
  MyYieldProcess();
  std::vector<TFound> entries;
  if (!Enumerate(dir, mask, entries, true)) {
    const UnicodeString problem = UTF8ToUTF16(std::strerror(errno));
    Log(u"cannot read " + dir + u": " + problem);
    if (OnFolderProblem) OnFolderProblem(dir, problem);
    return;
  }
  for (const TFound& f : entries) {
    MyYieldProcess();
    if (global_panic_state >= 2) break;
    if ((f.rec.Attr & faDirectory) == 0 || f.name[0] == u'.' || !PassesHiddenFileFolderTest(f.rec.Attr, true))
      continue;
    const UnicodeString p = Joined(dir, f.name);
    if (WhereInAMask(p, fDirExcludeMasks) >= 0) continue;
    struct stat st {};
    if (::stat(UTF16ToUTF8(p).c_str(), &st) != 0) {
      // Names are held in UTF-16: a folder whose name is not UTF-8 comes back with U+FFFD and cannot be
      // opened by it.
      const UnicodeString problem = f.name.find(u'\uFFFD') != UnicodeString::npos
                                        ? UnicodeString(u"its name is not valid UTF-8")
                                        : UTF8ToUTF16(std::strerror(errno));
      Log(u"cannot read " + p + u": " + problem);
      if (OnFolderProblem) OnFolderProblem(p, problem);
      continue;
    }
    if (!fVisited.insert({st.st_dev, st.st_ino}).second) {
      Log(u"not walking " + p + u" again");
      if (OnFolderProblem) OnFolderProblem(p, u"already walked (a symbolic link loop)");
      continue;
    }
    ++fsubdir_counter;
    if (OnFoundDir) OnFoundDir(p);
    MyYieldProcess();
    if (global_panic_state < 2) WalkFolders(p, mask);
    if (global_panic_state != 0) break;
  }
}

void TPeruseDir::ZipProblem(const UnicodeString& fileName, int operation, const UnicodeString& message) {
  Log(u"zip problem: " + fileName + u": " + message);
  if (!OnZipProblem) return;
  int action = 0;
  OnZipProblem(fileName, operation, 0, 0, message, action);
}

void TPeruseDir::AddAZip(TMySearchRecList* list, const UnicodeString& path, const UnicodeString& name) {
  const UnicodeString archive = path + name;
  std::unique_ptr<TZipReader> zip;
  try {
    zip = std::make_unique<TZipReader>(archive);
  } catch (const Exception& e) {
    ZipProblem(archive, zip_op_open, e.Message);
    return;
  }
  if (OnZipStartReading) OnZipStartReading(archive);
  ++fzips_examined;
  const int count = zip->Count();
  for (int i = 0; i < count; ++i) {
    MyYieldProcess();
    if (global_panic_state != 0) break;
    if (OnZipReading) OnZipReading(i, count);
    if (i + 1 > INT16_MAX) {
      ZipProblem(archive, zip_op_list, u"entries beyond " + IntToStr(INT16_MAX) + u" cannot be numbered");
      break;
    }
    try {
      const UnicodeString entry = zip->Name(i);
      if (entry.empty() || zip->IsDirectory(i) || WhereInAMask(entry, fZipMasks) < 0 ||
          WhereInAMask(ExtractFileExt(entry), fExtExcludeMasks) >= 0)
        continue;
      ++ftotal_files_in_zips;
      TMySearchRec rec;
      rec.ShortName = ZipMemberPath(archive, entry);
      rec.DateTime = zip->Modified(i) ? UnixToLocalDateTime(zip->Modified(i)) : 0;
      rec.Size = static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(zip->Size(i))));
      rec.Attr = 0;
      rec.Number_Within_Zip = static_cast<int16_t>(i + 1);
      if (list && (!OnCheckFileAcceptable || OnCheckFileAcceptable(rec, true))) list->AddOne(rec);
    } catch (const Exception& e) {
      ZipProblem(archive, zip_op_list, e.Message);
    }
  }
  if (OnDoneZipReading) OnDoneZipReading(fzips_examined);
}

bool TPeruseDir::HandleAllFilesIn(const UnicodeString& dir, TMySearchRecList* list) {
  if (global_keeping_log) Log(Format(u"searching %s for %s", {dir, fFilemaskStr}));
  const UnicodeString folder = IncludeTrailingPathDelimiter(dir);
  // The zip archives' mask first, then each piece of the file mask; the folder is read once for all of them.
  std::vector<UnicodeString> masks;
  if (fExamineZips) {
    const std::size_t dot = fFilemaskStr.find(u'.');
    masks.push_back((dot == UnicodeString::npos ? fFilemaskStr : fFilemaskStr.substr(0, dot)) +
                    fZipExtension);
  }
  const std::size_t firstPiece = masks.size();
  std::size_t from = 0;
  while (from <= fFilemaskStr.size()) {
    std::size_t semi = fFilemaskStr.find(u';', from);
    if (semi == UnicodeString::npos) semi = fFilemaskStr.size();
    UnicodeString piece = Trim(std::u16string_view(fFilemaskStr).substr(from, semi - from));
    from = semi + 1;
    if (!piece.empty()) masks.push_back(std::move(piece));
  }
  std::vector<std::vector<TFound>> found;
  if (masks.empty() || !Enumerate(dir, masks, found)) return false;
  if (fExamineZips) {
    for (const TFound& f : found.front()) {
      if (global_panic_state != 0) break;
      if (f.rec.Attr & faDirectory) continue;
      AddAZip(list, folder, f.name);
      MyYieldProcess();
    }
  }
  bool result = false;
  for (std::size_t k = firstPiece; k < masks.size(); ++k) {
    if (global_panic_state >= 2) {
      Log(u"processing stopped");
      continue;
    }
    for (const TFound& f : found[k]) {
      if (global_panic_state >= 2) break;
      if (f.rec.Attr & faDirectory) continue;
      const bool ignored = ((f.rec.Attr & faSysFile) && !fAcceptSystemFiles) ||
                           !PassesHiddenFileFolderTest(f.rec.Attr, false) ||
                           (fCheckingMACOS_files && f.name.rfind(u"._", 0) == 0);
      if (ignored) {
        if (global_keeping_log) Log(Format(u"ignoring %s (%d)", {f.name, f.rec.Attr}));
        MyYieldProcess();
        continue;
      }
      if (global_keeping_log) Log(Format(u"\tfound %s", {f.name}));
      const std::size_t extLen = fZipExtension.size();
      const bool isZip =
          f.name.size() > extLen &&
          LowerCase(std::u16string_view(f.name).substr(f.name.size() - extLen)) == fZipExtension;
      if (WhereInAMask(ExtractFileExt(f.name), fExtExcludeMasks) >= 0 ||
          (isZip && !fTreatZipsLikeAnyOtherFile)) {
        MyYieldProcess();
        continue;
      }
      TMySearchRec rec = f.rec;
      rec.ShortName = f.name;
      rec.Number_Within_Zip = 0;
      if (OnCheckFileAcceptable && !OnCheckFileAcceptable(rec, false)) {
        if (global_keeping_log) Log(Format(u"ignoring %s (%d)", {f.name, f.rec.Attr}));
      } else {
        result = true;
        if (list) list->AddOne(rec);
      }
      MyYieldProcess();
    }
  }
  return result;
}

// ---- TFolderful -------------------------------------------------------------------------------------------

TFolderful::TFolderful(const UnicodeString& ADirname)
    : fThisList(std::make_unique<TMySearchRecList>()), fDirname(IncludeTrailingPathDelimiter(ADirname)) {}

void TFolderful::Clear() {
  if (fThisList) fThisList->Clear();
}

void TFolderful::FillList(TPeruseDir& walker) {
  if (!fThisList) fThisList = std::make_unique<TMySearchRecList>();
  walker.HandleAllFilesIn(fDirname, fThisList.get());
}

void TFolderful::SetCurrentSort(TMySearchRecSort s) {
  fSort = s;
  if (fThisList) fThisList->SetSort(s);
}

bool TFolderful::ReadFromStream(TStream& Stream) {
  if (!fThisList) fThisList = std::make_unique<TMySearchRecList>();
  fThisList->Clear();
  try {
    uint8_t sort = 0;
    int32_t starts = 0, ends = 0, num = 0;
    if (!ReadLE(Stream, sort) || !ReadLE(Stream, starts) || !ReadLE(Stream, ends) || !ReadLE(Stream, num))
      return false;
    if (sort > sr_sort_by_extension) return false;
    UnicodeString name = ReadAString(Stream);
    if (!fThisList->ReadFromStream(Stream)) {
      fThisList->Clear();
      return false;
    }
    fSort = static_cast<TMySearchRecSort>(sort);
    fstarts = starts;
    fends = ends;
    fdirnum = num;
    fDirname = std::move(name);
    return true;
  } catch (const Exception&) {
    fThisList->Clear();
    return false;
  }
}

bool TFolderful::SaveToStream(TStream& Stream) {
  try {
    WriteLE(Stream, static_cast<uint8_t>(fSort));
    WriteLE(Stream, fstarts);
    WriteLE(Stream, fends);
    WriteLE(Stream, fdirnum);
    if (!WriteAString(Stream, fDirname)) return false;
    if (!fThisList) {
      WriteLE(Stream, int32_t(0));
      return true;
    }
    return fThisList->SaveToStream(Stream);
  } catch (const Exception&) {
    return false;
  }
}

bool TFolderful::ReadFromFile(const UnicodeString& name) {
  try {
    TFileStream f(name, fmOpenRead | fmShareDenyNone);
    return ReadFromStream(f);
  } catch (const Exception&) {
    return false;
  }
}

bool TFolderful::SaveToFile(const UnicodeString& name) {
  try {
    TMemoryStream m;
    if (!SaveToStream(m)) return false;
    SaveFileDurably(name, m.Memory(), static_cast<std::size_t>(m.GetSize()));
    return true;
  } catch (const Exception&) {
    return false;
  }
}

UnicodeString TFolderful::GetShortName(int32_t i) const {
  return GetSearchRec(i).ShortName;
}

UnicodeString TFolderful::GetFullName(int32_t i) const {
  const TMySearchRec r = GetSearchRec(i);
  if (r.ShortName.empty()) return UnicodeString();
  // A zip entry's short name already holds its archive's whole path.
  return r.Number_Within_Zip > 0 ? r.ShortName : fDirname + r.ShortName;
}

void TFolderful::SetFullName(int32_t i, const UnicodeString& newFullName) {
  if (!fThisList || !fThisList->Held(i)) return;
  const UnicodeString old = GetFullName(i);
  if (!RenameFile(old, newFullName)) throw EInOutError(Format(u"cannot rename %s", {old}));
  fThisList->Held(i)->fdata.ShortName = ExtractFileName(newFullName);
}

TMySearchRec TFolderful::GetSearchRec(int32_t i) const {
  return fThisList ? fThisList->GetAMySearchRec(i) : TMySearchRec{};
}

TMySimpleSearchRec TFolderful::GetSimpleSearchRec(int32_t i) const {
  const TMySearchRec r = GetSearchRec(i);
  TMySimpleSearchRec s;
  s.DateTime = r.DateTime;
  s.Size = r.Size;
  s.folder_number = fdirnum;
  s.ShortName = r.ShortName;
  return s;
}

int64_t TFolderful::GetAFileSize(int32_t i) const {
  if (!fThisList || i < 0 || i >= fThisList->Count()) return -1;
  return static_cast<uint32_t>(GetSearchRec(i).Size);
}

bool TFolderful::IsZipEntry(int32_t i) const {
  return GetSearchRec(i).Number_Within_Zip > 0;
}

}  // namespace lx
