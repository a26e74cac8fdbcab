// Folder perusal: walking folders for the files a tool is to process, with masks, exclusions, hidden-file
// rules and zip archives read as if they were folders; lists of found files, sortable and streamable.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <set>
#include <span>
#include <utility>
#include <vector>

#include "lexcore/containers/Useful_classes.h"
#include "lexcore/files/MySearchRec.h"
#include "lexcore/rtl/lx_object.h"
#include "lexcore/rtl/lx_types.h"

namespace lx {

enum TMySearchRecSort : uint8_t {
  sr_sort_none,
  sr_sort_by_name,
  sr_sort_by_date,
  sr_sort_by_size,
  sr_sort_by_attr,
  sr_sort_by_extension
};

constexpr int32_t faHidden = 0x02;
constexpr int32_t faSysFile = 0x04;
constexpr int32_t faDirectory = 0x10;

using TZipStartReadingEvent = std::function<void(const UnicodeString& zipfilename)>;
using TCheckFileAcceptableEvent = std::function<bool(const TMySearchRec& SR, bool InAZip)>;
using TFoundDirEvent = std::function<void(const UnicodeString& DirName)>;
using TZipReadingEvent = std::function<void(int num, int out_of)>;
using TZipDoneReadingEvent = std::function<void(int zips_handled)>;
// The zip reader's failure report: file name, operation, native error, error code, message, and the action
// the handler chooses (ignored here: a failed archive or entry is always skipped).
using TZipProblemEvent = std::function<void(const UnicodeString& FileName, int Operation, int NativeError,
                                            int ErrorCode, const UnicodeString& ErrMsg, int& Action)>;
// A folder that could not be read, or was met again through a symbolic link; it is not walked.
using TFolderProblemEvent = std::function<void(const UnicodeString& DirName, const UnicodeString& Problem)>;
using TProcessingAFileEvent = std::function<void(const UnicodeString& FullFileName, const TMySearchRec& SR)>;
using TMyDirProgressEvent = std::function<void(int dirnum)>;

// Zip operation codes passed to OnZipProblem.
constexpr int zip_op_open = 1;
constexpr int zip_op_list = 2;

// Owns its holders.
class TMySearchRecList : public THolderList<TMySearchRecHolder> {
 public:
  void Clear() override;
  void SetSort(TMySearchRecSort wanted);
  TMySearchRecSort Sort() const { return fSort; }
  int32_t Find(const TMySearchRec& item);
  int32_t IndexOF(const TMySearchRec& item) { return Find(item); }
  TMySearchRec GetAMySearchRec(int32_t i) const { return GetOne(i); }
  // Count, then each record; reading appends.
  bool ReadFromStream(TStream& Stream) override;
  bool SaveToStream(TStream& Stream) override;

  static bool SameRecord(const TMySearchRec& a, const TMySearchRec& b);
  static int CompareBy(TMySearchRecSort order, const TMySearchRec& a, const TMySearchRec& b);

 private:
  int32_t LinearFind(const TMySearchRec& item) const;
  TMySearchRecSort fSort = sr_sort_none;
};

class TPeruseDir : public TObject {
 public:
  TPeruseDir(const UnicodeString& filemask, const UnicodeString& dirmask, const UnicodeString& zipmask,
             const UnicodeString& excluded_dirs_mask, const UnicodeString& excluded_exts,
             bool ACheckingMACOS_files, bool zips_too, bool aTreatZipsLikeAnyOtherFile,
             bool AAcceptSystemFiles, bool AAcceptHiddenFiles, bool AAcceptHiddenFolders);

  // Reports every sub-folder below dir through OnFoundDir, each before its own sub-folders.
  void ProcessAllSubDirectories(const UnicodeString& dir);
  // Adds the accepted files of one folder (its zip archives' entries first) to the list, which may be
  // absent; true when at least one ordinary file was accepted.
  bool HandleAllFilesIn(const UnicodeString& dir, TMySearchRecList* ASearchRecList);

  const UnicodeString& ZipExtension() const { return fZipExtension; }
  void SetZipExtension(const UnicodeString& ext) { fZipExtension = ext; }
  int32_t TotalFilesInZips() const { return ftotal_files_in_zips; }
  int32_t ZipsExamined() const { return fzips_examined; }
  int32_t SubDirsFound() const { return fsubdir_counter; }
  bool CheckingMACOSFiles() const { return fCheckingMACOS_files; }
  void SetCheckingMACOSFiles(bool v) { fCheckingMACOS_files = v; }
  // Whether found files carry their size and date (the default). A caller that needs only names spares
  // the system a query per file: the folder entry's own type says what it is, except for links and file
  // systems that do not tell.
  bool NeedSizeAndDate() const { return fNeedSizeAndDate; }
  void SetNeedSizeAndDate(bool v) { fNeedSizeAndDate = v; }

  TZipStartReadingEvent OnZipStartReading;
  TCheckFileAcceptableEvent OnCheckFileAcceptable;
  TFoundDirEvent OnFoundDir;
  TZipReadingEvent OnZipReading;
  TZipDoneReadingEvent OnDoneZipReading;
  TZipProblemEvent OnZipProblem;
  TFolderProblemEvent OnFolderProblem;

 private:
  struct TFound {
    UnicodeString name;
    TMySearchRec rec;  // Size, Attr, DateTime
  };
  // The entries of one folder matching mask, in the platform's order (only its folders when foldersOnly);
  // false when it cannot be read.
  bool Enumerate(const UnicodeString& dir, const UnicodeString& mask, std::vector<TFound>& out,
                 bool foldersOnly = false);
  // One read of the folder for several masks: outs[k] holds the entries matching masks[k].
  bool Enumerate(const UnicodeString& dir, std::span<const UnicodeString> masks,
                 std::vector<std::vector<TFound>>& outs, bool foldersOnly = false);
  void WalkFolders(const UnicodeString& dir, const UnicodeString& mask);
  bool PassesHiddenFileFolderTest(int32_t attr, bool isFolder) const;
  void AddAZip(TMySearchRecList* list, const UnicodeString& path, const UnicodeString& name);
  void ZipProblem(const UnicodeString& fileName, int operation, const UnicodeString& message);

  UnicodeString fFilemaskStr;
  UnicodeString fZipExtension = u".zip";
  std::vector<UnicodeString> fZipMasks, fDirExcludeMasks, fExtExcludeMasks, fDirmasks, fFilemasks;
  int32_t ftotal_files_in_zips = 0, fzips_examined = 0, fsubdir_counter = 0;
  bool fCheckingMACOS_files, fTreatZipsLikeAnyOtherFile, fAcceptSystemFiles, fAcceptHiddenFiles,
      fAcceptHiddenFolders, fExamineZips;
  bool fNeedSizeAndDate = true;
  std::set<std::pair<uint64_t, uint64_t>> fVisited;  // device and inode of the folders walked
};

// One folder and the files found in it.
class TFolderful : public TObject {
 public:
  explicit TFolderful(const UnicodeString& ADirname);

  void Clear();
  void FillList(TPeruseDir& walker);
  // fSort (1 byte), Starts, Ends, dirnum, DirName as a counted string, then the list; reading empties the
  // list first. False when the stream is short or corrupt.
  bool ReadFromStream(TStream& Stream);
  bool SaveToStream(TStream& Stream);
  bool ReadFromFile(const UnicodeString& name);
  bool SaveToFile(const UnicodeString& name);

  TMySearchRecSort CurrentSort() const { return fSort; }
  void SetCurrentSort(TMySearchRecSort s);
  int32_t dirnum() const { return fdirnum; }
  void Setdirnum(int32_t v) { fdirnum = v; }
  int32_t Starts() const { return fstarts; }
  void SetStarts(int32_t v) { fstarts = v; }
  int32_t Ends() const { return fends; }
  void SetEnds(int32_t v) { fends = v; }
  TMySearchRecList* ListOfFiles() const { return fThisList.get(); }
  const UnicodeString& DirName() const { return fDirname; }

  int32_t Count() const { return fThisList ? fThisList->Count() : 0; }
  int32_t Files() const { return Count(); }
  bool Empty() const { return Count() == 0; }

  UnicodeString GetShortName(int32_t i) const;
  UnicodeString GetFullName(int32_t i) const;
  // Renames the file; raises EInOutError "cannot rename <old full name>" when the platform refuses.
  void SetFullName(int32_t i, const UnicodeString& newFullName);
  TMySearchRec GetSearchRec(int32_t i) const;
  TMySimpleSearchRec GetSimpleSearchRec(int32_t i) const;
  int64_t GetAFileSize(int32_t i) const;
  bool IsZipEntry(int32_t i) const;

 private:
  TMySearchRecSort fSort = sr_sort_none;
  int32_t fdirnum = 0;
  int32_t fstarts = 0;
  int32_t fends = 0;
  std::unique_ptr<TMySearchRecList> fThisList;
  UnicodeString fDirname;
};

}  // namespace lx
