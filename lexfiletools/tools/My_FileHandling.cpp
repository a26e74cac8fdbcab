#include "lexfiletools/tools/My_FileHandling.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <filesystem>

#include "lexcore/containers/Useful_classes_base.h"
#include "lexcore/definitions/Wdef.h"
#include "lexcore/rtl/lx_atomicsave.h"
#include "lexcore/rtl/lx_exceptions.h"
#include "lexcore/rtl/lx_format.h"
#include "lexcore/rtl/lx_log.h"
#include "lexcore/rtl/lx_paths.h"
#include "lexcore/rtl/lx_strings.h"
#include "lexcore/rtl/lx_yield.h"
#include "lexcore/text/WideMasks.h"

namespace lx {

namespace {

// Smallest stored folder: its name's count, then sort, Starts, Ends, dirnum, its own name's count, file
// count.
constexpr int64_t kLeastFolderBytes = 4 + 1 + 4 + 4 + 4 + 4 + 4;

int32_t CurrentToolSignature() {
  const int tool = static_cast<int>(current_tool_var);
  return tool >= 0 && tool < kSignedToolCount ? CurrentSignature[tool] : 0;
}

bool SameFolder(const UnicodeString& a, const UnicodeString& b) {
  return SameText(ExcludeTrailingPathDelimiter(a), ExcludeTrailingPathDelimiter(b));
}

}  // namespace

// ---- TFolderFulsList --------------------------------------------------------------------------------------

TFolderful* TFolderFulsList::GetAFolderFul(int32_t i) const {
  return i >= 0 && i < Count() ? fItems[static_cast<size_t>(i)].get() : nullptr;
}

void TFolderFulsList::SetAFolderFul(int32_t i, std::unique_ptr<TFolderful> folder) {
  if (i >= 0 && i < Count()) fItems[static_cast<size_t>(i)] = std::move(folder);
}

void TFolderFulsList::FreeAt(int32_t i) {
  if (i >= 0 && i < Count()) fItems[static_cast<size_t>(i)].reset();
}

// ---- TFileAndDirIterator ----------------------------------------------------------------------------------

TFileAndDirIterator::TFileAndDirIterator(TObject* AOwner)
    : DetailedListOfAllFiles(std::make_unique<TFolderEfficientFileStringlist>()),
      fOwner(AOwner),
      fFolderlist(std::make_unique<TFolderFulsList>()),
      fDirnames(std::make_unique<TStringList>()) {
  SetDefaultSettings();
}

TFileAndDirIterator::~TFileAndDirIterator() = default;

UnicodeString TFileAndDirIterator::TemporaryFolder() {
  const char* tmp = std::getenv("TMPDIR");
  return IncludeTrailingPathDelimiter(tmp && *tmp ? UTF8ToUTF16(tmp) : UnicodeString(u"/tmp"));
}

void TFileAndDirIterator::SetDefaultSettings() {
  ReadZipfiles = true;
  TreatZipsLikeAnyOtherFile = false;
  IncludeSubFolders = false;
  AcceptSystemFiles = AcceptHiddenFiles = AcceptHiddenFolders = false;
  ExcludingMACOS_files = false;
  SortOrder = sr_sort_by_name;
  Favourites = TemporaryFolder() + u"favourite files.txt";
  HeadDir = TemporaryFolder();
  ZipMask = DirMask = FileMask = u"*.*";
  ExcludedFoldersMask.clear();
  ExcludedExtensions.clear();
  MaxFilesToProcess = INT32_MAX;
}

void TFileAndDirIterator::Clear() {
  fDirnames->Clear();
  fTotal = 0;
  fDircount = 0;
  fHeadDirFiles = 0;
  fFolderlist->Clear();
}

void TFileAndDirIterator::AddADir(const UnicodeString& name) {
  fDirnames->Add(IncludeTrailingPathDelimiter(name));
  if (OnFoundDir) OnFoundDir(name);
}

void TFileAndDirIterator::IterateFindingFiles() {
  global_panic_state = 0;
  fPeruseDir = std::make_unique<TPeruseDir>(
      FileMask, DirMask, ZipMask, ExcludedFoldersMask, ExcludedExtensions, ExcludingMACOS_files, ReadZipfiles,
      TreatZipsLikeAnyOtherFile, AcceptSystemFiles, AcceptHiddenFiles, AcceptHiddenFolders);
  TPeruseDir& walker = *fPeruseDir;
  walker.SetNeedSizeAndDate(NeedSizeAndDate);
  walker.OnFoundDir = [this](const UnicodeString& d) { AddADir(d); };
  walker.OnCheckFileAcceptable = OnCheckFileAcceptable;
  walker.OnZipProblem = OnZipProblem;
  walker.OnFolderProblem = OnFolderProblem;
  walker.OnZipReading = OnZipReading;
  walker.OnZipStartReading = OnZipStartReading;
  Clear();
  try {
    // "head/*a;b" names the sub-folders a and b of head.
    std::vector<UnicodeString> listed;
    const size_t star = HeadDir.find(u'*');
    // A folder whose own name holds '*' is that folder, not a list.
    const bool listMode = star != UnicodeString::npos && star > 0 && !DirectoryExists(HeadDir) &&
                          DirectoryExists(HeadDir.substr(0, star));
    if (listMode) {
      const UnicodeString names = HeadDir.substr(star + 1);
      HeadDir = HeadDir.substr(0, star);
      size_t from = 0;
      while (from <= names.size()) {
        size_t semi = names.find(u';', from);
        if (semi == UnicodeString::npos) semi = names.size();
        const UnicodeString one = Trim(names.substr(from, semi - from));
        if (!one.empty()) listed.push_back(IncludeTrailingPathDelimiter(HeadDir) + one);
        from = semi + 1;
      }
      for (const UnicodeString& d : listed) fDirnames->Add(IncludeTrailingPathDelimiter(d));
    }
    HeadDir = IncludeTrailingPathDelimiter(HeadDir);
    fHeadDirFiles = 0;
    if (!listMode) fDirnames->Add(HeadDir);
    if (IncludeSubFolders) {
      if (listMode) {
        for (const UnicodeString& d : listed) walker.ProcessAllSubDirectories(d);
      } else {
        walker.ProcessAllSubDirectories(HeadDir);
      }
    }
    std::vector<UnicodeString> names;
    for (int32_t i = 0; i < fDirnames->Count(); ++i) names.push_back(fDirnames->Get(i));
    std::stable_sort(names.begin(), names.end(),
                     [](const UnicodeString& a, const UnicodeString& b) { return CompareText(a, b) < 0; });
    fDirnames->Clear();
    for (const UnicodeString& n : names) fDirnames->Add(n);

    fDircount = fDirnames->Count();
    if (OnDoneSubFolders) OnDoneSubFolders(walker.SubDirsFound());
    for (const UnicodeString& n : names) fFolderlist->Add(std::make_unique<TFolderful>(n));
    if (global_keeping_log) AddToLogFile(Format(u"searching %d folders", {fDircount}));

    for (int32_t i = 0; i < fDircount; ++i) {
      MyYieldProcess();
      if (global_panic_state >= 2) break;
      TFolderful* folder = fFolderlist->GetAFolderFul(i);
      if (!folder || !DirectoryExists(folder->DirName())) continue;
      try {
        folder->SetStarts(INT32_MAX);
        folder->SetEnds(-1);
        folder->FillList(walker);
        if (OnDirExamining) OnDirExamining(folder->DirName(), i + 1, fDircount, folder->Count());
        if (folder->Count() > 0) {
          folder->SetStarts(fTotal);
          if (SameFolder(folder->DirName(), HeadDir)) fHeadDirFiles = folder->Count();
          fTotal += folder->Count();
          folder->SetEnds(fTotal - 1);
          folder->SetCurrentSort(SortOrder);
        }
        folder->Setdirnum(i);
        if (OnDirProgress) OnDirProgress(i);
      } catch (const std::exception& e) {
        // One unreadable folder does not end the search.
        if (OnFolderProblem) OnFolderProblem(folder->DirName(), UTF8ToUTF16(e.what()));
      }
    }
  } catch (...) {
    if (OnDoneFileIterating) OnDoneFileIterating(walker.ZipsExamined());
    fPeruseDir.reset();
    throw;
  }
  if (OnDoneFileIterating) OnDoneFileIterating(walker.ZipsExamined());
  fPeruseDir.reset();
}

void TFileAndDirIterator::ProcessAllFilesFound() {
  doing = 0;
  if (fTotal <= 0) return;
  for (int32_t i = 0; i < fFolderlist->Count(); ++i) {
    TFolderful* folder = fFolderlist->GetAFolderFul(i);
    if (!folder) continue;
    if (OnProcessingAFolder) OnProcessingAFolder(folder->DirName(), i + 1, fDircount, folder->Count());
    for (int32_t j = 0; j < folder->Count() && global_panic_state < 2; ++j) {
      if (doing >= MaxFilesToProcess) return;
      ++doing;
      if (OnFilesProgress)
        OnFilesProgress(static_cast<int>(std::lround(double(doing) * 100.0 / double(fTotal))));
      if (OnProcessingAFile) OnProcessingAFile(folder->GetFullName(j), folder->GetSearchRec(j));
      MyYieldProcess();
    }
    if (global_panic_state >= 2) return;
  }
}

void TFileAndDirIterator::Stop() {
  if (global_panic_state < UINT8_MAX) ++global_panic_state;
  MyYieldProcess();
  MyYieldProcess();
}

void TFileAndDirIterator::BuildDetailedList(TMySimpleSearchRecSort sort1, TMySimpleSearchRecSort sort2,
                                            bool case_sensitive) {
  DetailedListOfAllFiles->Clear();
  DetailedListOfAllFiles->case_insensitive = !case_sensitive;
  if (fTotal > 0) {
    for (int32_t i = 0; i < fFolderlist->Count(); ++i) {
      TFolderful* folder = fFolderlist->GetAFolderFul(i);
      if (!folder) continue;
      MyYieldProcess();
      if (OnBuildingDetailedList) OnBuildingDetailedList(folder->DirName());
      for (int32_t j = 0; j < folder->Count(); ++j)
        DetailedListOfAllFiles->AddOne(folder->DirName(), folder->GetSimpleSearchRec(j));
    }
  }
  DetailedListOfAllFiles->DoASort(sort1, sort2, true);
}

TStringList* TFileAndDirIterator::FoundMatchesWildcarded(const UnicodeString& aShortFilename) {
  auto result = std::make_unique<TStringList>();
  const UnicodeString mask = ExtractFileName(aShortFilename);
  const UnicodeString below = ExtractFilePath(aShortFilename);
  for (int32_t i = 0; i < fFolderlist->Count() && global_panic_state < 2; ++i) {
    TFolderful* folder = fFolderlist->GetAFolderFul(i);
    if (!folder) continue;
    const UnicodeString dir = IncludeTrailingPathDelimiter(folder->DirName()) + below;
    std::vector<UnicodeString> found;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(UTF16ToUTF8(dir), ec), end; !ec && it != end;
         it.increment(ec)) {
      if (global_panic_state >= 2) break;
      std::error_code fe;
      if (it->is_directory(fe)) continue;
      const UnicodeString name = UTF8ToUTF16(it->path().filename().string());
      if (MatchesMask(name, mask)) found.push_back(dir + name);
    }
    std::sort(found.begin(), found.end());
    for (const UnicodeString& f : found) result->Add(f);
  }
  return result.release();
}

UnicodeString TFileAndDirIterator::FoundMatch(const UnicodeString& aShortFilename) {
  for (int32_t i = 0; i < fFolderlist->Count(); ++i) {
    TFolderful* folder = fFolderlist->GetAFolderFul(i);
    if (!folder) continue;
    for (int32_t j = 0; j < folder->Count(); ++j)
      if (SameText(ExtractFileName(folder->GetShortName(j)), aShortFilename)) return folder->GetFullName(j);
  }
  return {};
}

// ---- favourites -------------------------------------------------------------------------------------------

void TFileAndDirIterator::SaveFavouritesTo(TStream& Stream) {
  WriteLE(Stream, CurrentToolSignature());
  WriteLE(Stream, uint8_t(ReadZipfiles ? 1 : 0));
  WriteLE(Stream, uint8_t(IncludeSubFolders ? 1 : 0));
  WriteLE(Stream, fTotal);
  WriteLE(Stream, static_cast<uint8_t>(SortOrder));
  for (const UnicodeString* s : {&HeadDir, &DirMask, &FileMask})
    if (!WriteAString(Stream, *s, kListTextLimit)) throw EWriteError(u"Stream write error");
  WriteLE(Stream, fFolderlist->Count());
  for (int32_t i = 0; i < fFolderlist->Count(); ++i) {
    TFolderful* folder = fFolderlist->GetAFolderFul(i);
    const UnicodeString name = folder ? folder->DirName() : fDirnames->Get(i);
    if (!WriteAString(Stream, name, kListTextLimit)) throw EWriteError(u"Stream write error");
    TFolderful empty(name);
    if (!(folder ? folder : &empty)->SaveToStream(Stream)) throw EWriteError(u"Stream write error");
  }
}

bool TFileAndDirIterator::SaveFavourites() {
  try {
    SaveFileDurably(Favourites, [this](TStream& s) { SaveFavouritesTo(s); });
  } catch (const Exception&) {
    throw EWriteError(u"Cannot write to: " + Favourites);
  }
  return true;
}

bool TFileAndDirIterator::ReadFavouritesFrom(TStream& Stream, const UnicodeString& name) {
  Clear();
  const UnicodeString cannot = u"Cannot read: " + name;
  int32_t signature = 0;
  if (!ReadLE(Stream, signature)) throw EReadError(cannot);
  if (signature != CurrentToolSignature()) return false;
  try {
    uint8_t zips = 0, subs = 0, sort = 0;
    int32_t total = 0, count = 0;
    if (!ReadLE(Stream, zips) || !ReadLE(Stream, subs) || !ReadLE(Stream, total) || !ReadLE(Stream, sort) ||
        sort > sr_sort_by_extension)
      throw EReadError(cannot);
    UnicodeString head = ReadAString(Stream, kListTextLimit);
    UnicodeString dirMask = ReadAString(Stream, kListTextLimit);
    UnicodeString fileMask = ReadAString(Stream, kListTextLimit);
    if (!ReadLE(Stream, count) || count < 0 || count > Stream.Remaining() / kLeastFolderBytes)
      throw EReadError(cannot);
    int64_t sum = 0;
    for (int32_t i = 0; i < count; ++i) {
      const UnicodeString dir = ReadAString(Stream, kListTextLimit);
      auto folder = std::make_unique<TFolderful>(dir);
      if (!folder->ReadFromStream(Stream)) throw EReadError(cannot);
      sum += folder->Count();
      fDirnames->Add(dir);
      fFolderlist->Add(std::move(folder));
    }
    // The numbering across folders must agree with the folders read.
    if (sum != total) throw EReadError(cannot);
    ReadZipfiles = zips != 0;
    IncludeSubFolders = subs != 0;
    SortOrder = static_cast<TMySearchRecSort>(sort);
    HeadDir = IncludeTrailingPathDelimiter(head);
    DirMask = dirMask;
    FileMask = fileMask;
    fTotal = total;
    fDircount = fDirnames->Count();
    for (int32_t i = 0; i < fDircount; ++i)
      if (SameFolder(fFolderlist->GetAFolderFul(i)->DirName(), HeadDir))
        fHeadDirFiles = fFolderlist->GetAFolderFul(i)->Count();
    return true;
  } catch (const Exception&) {
    Clear();
    throw EReadError(cannot);
  }
}

bool TFileAndDirIterator::ReadFavourites() {
  std::unique_ptr<TFileStream> in;
  try {
    in = std::make_unique<TFileStream>(Favourites, fmOpenRead | fmShareDenyWrite);
  } catch (const Exception&) {
    Clear();
    throw EReadError(u"Cannot read: " + Favourites);
  }
  return ReadFavouritesFrom(*in, Favourites);
}

}  // namespace lx
