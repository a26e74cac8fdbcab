// Choosing a tool's texts: a head folder (or a head folder with a list of sub-folders), masks and switches
// give the folders; each folder's accepted files are found, numbered across folders and handed to the tool
// one by one. A chosen set can be saved as a favourites file and read back.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "lexcore/containers/Useful_classes.h"
#include "lexcore/files/PeruseDir.h"
#include "lexcore/rtl/lx_object.h"
#include "lexcore/rtl/lx_streams.h"
#include "lexcore/rtl/lx_stringlist.h"
#include "lexcore/rtl/lx_types.h"

namespace lx {

// Declared for the tools; nothing here uses it.
enum filehandletype : uint8_t { anyf, readonlyf, hiddenf, systemf, archivef };

using TProcessingAFolderEvent =
    std::function<void(const UnicodeString& DirName, int n, int out_of, int valid_files_within)>;
using TOnDoneSubFoldersEvent = std::function<void(int folders)>;
using TOnDoneFileIteratingEvent = std::function<void(int zips_examined)>;
using TBuildingDetailedListEvent = std::function<void(const UnicodeString& DirName)>;
using TFilesProgressEvent = std::function<void(int percent)>;

// Owns its folders.
class TFolderFulsList : public TObject {
 public:
  void Clear() { fItems.clear(); }
  int32_t Count() const { return static_cast<int32_t>(fItems.size()); }
  void Add(std::unique_ptr<TFolderful> folder) { fItems.push_back(std::move(folder)); }
  // Null out of range.
  TFolderful* GetAFolderFul(int32_t i) const;
  // Ignored out of range; the previous folder is freed.
  void SetAFolderFul(int32_t i, std::unique_ptr<TFolderful> folder);
  void FreeAt(int32_t i);

 private:
  std::vector<std::unique_ptr<TFolderful>> fItems;
};

// The owner is not owned. Owns its folder list, folder names and detailed list; the walker lives only
// during IterateFindingFiles.
class TFileAndDirIterator : public TObject {
 public:
  explicit TFileAndDirIterator(TObject* AOwner = nullptr);
  ~TFileAndDirIterator() override;

  void SetDefaultSettings();
  void Clear();
  // Collects the folders and fills each with its accepted files. Folders that vanish or cannot be read are
  // skipped.
  void IterateFindingFiles();
  // Hands every file found to OnProcessingAFile, folder by folder, until the limit or a second Stop.
  void ProcessAllFilesFound();
  // One Stop ends the walker's secondary loops; a second ends the processing of files too.
  void Stop();
  void BuildDetailedList(TMySimpleSearchRecSort sort1, TMySimpleSearchRecSort sort2) {
    BuildDetailedList(sort1, sort2, false);
  }
  void BuildDetailedList(TMySimpleSearchRecSort sort1, TMySimpleSearchRecSort sort2, bool case_sensitive);
  // False when the file was saved by a tool with another signature. Raises "Cannot read: <file>" when it
  // cannot be opened or is short or corrupt.
  bool ReadFavourites();
  // Raises "Cannot write to: <file>" when it cannot be saved; the old file is then untouched.
  bool SaveFavourites();
  // The same forms on a stream; the file name is only for the messages.
  bool ReadFavouritesFrom(TStream& Stream, const UnicodeString& name);
  void SaveFavouritesTo(TStream& Stream);
  // The caller owns the list: full paths of the files in each folder whose names match the wildcard name.
  TStringList* FoundMatchesWildcarded(const UnicodeString& aShortFilename);
  // The first file, in folder and file order, whose short name equals aShortFilename ignoring case.
  UnicodeString FoundMatch(const UnicodeString& aShortFilename);
  void FreeAFolderFul(int32_t index) { fFolderlist->FreeAt(index); }
  void AddADir(const UnicodeString& name);

  // The folder a favourites file and the head folder default to: $TMPDIR, else /tmp, with a trailing '/'.
  static UnicodeString TemporaryFolder();

  bool ReadZipfiles = true;
  bool TreatZipsLikeAnyOtherFile = false;
  bool IncludeSubFolders = false;
  bool AcceptSystemFiles = false;
  bool AcceptHiddenFiles = false;
  bool AcceptHiddenFolders = false;
  bool ExcludingMACOS_files = false;
  // False when only the files' names are wanted: the walk then asks the system nothing about plain files,
  // and their sizes and dates stay zero (so sort by name).
  bool NeedSizeAndDate = true;

  TProcessingAFileEvent OnProcessingAFile;
  TProcessingAFolderEvent OnProcessingAFolder;
  TBuildingDetailedListEvent OnBuildingDetailedList;
  TFoundDirEvent OnFoundDir;
  TFilesProgressEvent OnFilesProgress;
  TMyDirProgressEvent OnDirProgress;
  TCheckFileAcceptableEvent OnCheckFileAcceptable;
  TZipProblemEvent OnZipProblem;
  TZipReadingEvent OnZipReading;
  TZipStartReadingEvent OnZipStartReading;
  TOnDoneSubFoldersEvent OnDoneSubFolders;
  TOnDoneFileIteratingEvent OnDoneFileIterating;
  TProcessingAFolderEvent OnDirExamining;
  // A folder that could not be read (or a symbolic-link loop), with the reason; the walk goes on without it.
  TFolderProblemEvent OnFolderProblem;

  TFolderFulsList* Folderlist() const { return fFolderlist.get(); }
  TStringList* DirNames() const { return fDirnames.get(); }
  int32_t HeadDirFiles() const { return fHeadDirFiles; }
  int32_t DirCount() const { return fDircount; }
  int32_t TotalFiles() const { return fTotal; }
  int32_t Doing() const { return doing; }

  TMySearchRecSort SortOrder = sr_sort_by_name;
  UnicodeString Favourites;
  UnicodeString ExcludedFoldersMask;
  UnicodeString ExcludedExtensions;
  UnicodeString HeadDir;
  UnicodeString ZipMask = u"*.*";
  UnicodeString DirMask = u"*.*";
  UnicodeString FileMask = u"*.*";
  // At most this many files are handed out by one ProcessAllFilesFound.
  int32_t MaxFilesToProcess = INT32_MAX;

  std::unique_ptr<TFolderEfficientFileStringlist> DetailedListOfAllFiles;

 private:
  TObject* fOwner;
  std::unique_ptr<TFolderFulsList> fFolderlist;
  std::unique_ptr<TStringList> fDirnames;
  std::unique_ptr<TPeruseDir> fPeruseDir;
  int32_t fHeadDirFiles = 0, fDircount = 0, fTotal = 0;
  int32_t doing = 0;
};

}  // namespace lx
