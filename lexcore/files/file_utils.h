// File and folder routines: existence tests, detection of a file's encoding or container, copies with a
// backup or with the date kept, cleaned-up names, folders in stored names, and drive queries (on this system
// a drive is a mounted file system).
#pragma once

#include <cstdint>
#include <vector>

#include "lexcore/definitions/file_status.h"
#include "lexcore/rtl/lx_datetime.h"
#include "lexcore/rtl/lx_set.h"
#include "lexcore/rtl/lx_stringlist.h"
#include "lexcore/rtl/lx_types.h"

namespace lx {

enum TFileContentsTypes : uint8_t { _8_bit, _UTF8, _16_bit, _early_Word, _Storage, _Zip, _16_bit_reversed };
using TFileContentsSet = Set<TFileContentsTypes, 1>;

// Stand for a chosen folder and for its drive in stored file names.
extern UnicodeString user_dir_token;    // "$userdir"
extern UnicodeString user_drive_token;  // "$user_drive"

// Container by signature (compound storage, early word-processor document, zip), else the text encoding:
// quick mode looks at the byte-order marks only; thorough mode also tests the bytes. Fewer than 4 bytes give
// the empty set.
TFileContentsSet FileBufferType(const void* buffer, int64_t size, bool thorough);
TFileContentsSet FileContentsType(const UnicodeString& name, bool thorough);
// Whether an even-sized buffer without a mark looks like UTF-16 little-endian text.
bool IsTextUnicode(const void* buffer, int64_t size);

bool DriveAndFolderExist(const UnicodeString& path, bool check_network = true, bool network_default = true);
bool DriveAndFileExist(const UnicodeString& path, bool check_network = true, bool network_default = true);
// -1 when the file does not exist. (The same as the runtime's FileSize.)
int64_t FileSizeOf(const UnicodeString& name);
// 0 for a missing file; otherwise the CRC-32 of the file's bytes.
uint32_t CheckSumOfAFile(const UnicodeString& name);
// Copies the file to the same name with ".bak" as extension, overwriting.
bool CopyAFileWithBackup(const UnicodeString& name);
bool CopyDateOfFile(const UnicodeString& source, const UnicodeString& target);
bool CopyFileRetainingDate(const UnicodeString& source, const UnicodeString& target, bool fail_if_exists);
// Deletes every file of the folder that matches the mask; returns how many.
int DeleteAllFilesOn(const UnicodeString& folder, const UnicodeString& mask);
UnicodeString RemoveDotsFromFilename(const UnicodeString& s);
// The file-name part without \ / : | < > ^ + = ? [ ] " * and control characters.
UnicodeString CleanedUpFilename(const UnicodeString& path);

bool IsDirectoryWriteable(const UnicodeString& dir);
bool FolderIsEmpty(const UnicodeString& dir);
int PathDelimiterCount(const UnicodeString& path);
// "a/b/c/d.txt" -> "c/d.txt".
UnicodeString FileNameWithParentFolderOnly(const UnicodeString& path);
// The files of a folder (full names, sorted), optionally of its sub-folders too.
void ListOfAllFilesIn(const UnicodeString& dir, TStringList& list, bool subfolders = false);
void ListOfAllFilesMatchingExt(const UnicodeString& dir, const UnicodeString& ext, TStringList& list,
                               bool subfolders = false);
// "C:" for a Windows-style name, "\\server\share" for a network name, "" otherwise.
UnicodeString ExtractFileDrive(const UnicodeString& name);

// Mounted file systems that hold data (not the kernel's own), and the one with most free space.
std::vector<UnicodeString> AllDrives();
int NumberOfDrives();
UnicodeString DriveWithMostFreeSpace();
// Free bytes on the file system holding path; -1 when it cannot be asked.
int64_t DiskFree(const UnicodeString& path);

// Folders in stored file names (folder with its trailing separator).
UnicodeString ConvertedUserFolderInFilename(const UnicodeString& folder, const UnicodeString& name,
                                            bool to_token);
UnicodeString ConvertedFilenameFromUserDirFName(const UnicodeString& folder, const UnicodeString& name);

// The same with the running program's own folder; CheckUserDirConstFolder converts every item of a list in
// place and returns how many changed.
UnicodeString ProgramFolder();
UnicodeString ConvertedAppFolderInFilename(const UnicodeString& name, bool to_token);
int CheckUserDirConstFolder(TStrings& list, bool to_token);
// The program's drive: a drive letter or network share when the program's name has one, otherwise the mount
// point holding it without its trailing separator ("" for the root file system).
UnicodeString ProgramDrive();
// To the token form, a name on the program's drive gets that drive replaced by "$user_drive"; back, the
// token is replaced by the program's drive. Other names are returned unchanged.
UnicodeString ConvertedFilenameIfUserDrive(const UnicodeString& name, bool to_token);
// The same against a given drive.
UnicodeString ConvertedFilenameIfOnDrive(const UnicodeString& drive, const UnicodeString& name,
                                         bool to_token);

// Removes the empty sub-folders of dir, deepest first, so a folder left empty by that goes too; dir itself
// stays. Symbolic links are never followed. Returns how many were removed.
int RemoveAllEmptyFolders(const UnicodeString& dir);
// Removes dir when it is an empty folder; true when it was removed.
bool RemovedEmptyFolder(const UnicodeString& dir);
// Creates a new sub-folder of parent called name, or "name (2)", "name (3)"... when taken; returns it with
// its trailing separator, or "" when name is not a plain folder name or the folder cannot be made.
UnicodeString NewSubFolderFrom(const UnicodeString& parent, const UnicodeString& name);
// Copies (date kept) or moves file, which lies under source_root, to the same relative place under
// target_root, creating the folders between. False for a file outside source_root or a name with "..".
bool CopyOrMoveAFileRetainingDirStructure(const UnicodeString& file, const UnicodeString& source_root,
                                          const UnicodeString& target_root, bool move);
// Whether proposed names the same folder as original (links and "." / ".." resolved where they exist).
bool FolderProposedIsOriginalFolder(const UnicodeString& original, const UnicodeString& proposed);
// Whether one folder is the other or lies inside it.
bool FoldersFromSameHead(const UnicodeString& a, const UnicodeString& b);
// How many leading path elements (drive or root first) the two names share.
int CommonDrivePathElements(const UnicodeString& a, const UnicodeString& b);
// The name up to and including its x-th separator; the whole name when it has fewer.
UnicodeString NameUpToXPathDelimiters(const UnicodeString& path, int x);
// Files and folders of dir (folders with a trailing separator), sorted, optionally of sub-folders too.
void ListOfFilesAndDirs(const UnicodeString& dir, TStringList& list, bool subfolders = false);
// Orders full file names by folder, then by name, ignoring case; a folder's own files come before those of
// its sub-folders.
void SortListOfFiles(TStringList& list);

// Mounted network file systems.
std::vector<UnicodeString> AllNetworkDrives();
int NumberOfNetworkDrives();
// The mount point holding path ("" when path cannot be resolved).
UnicodeString MountPointOf(const UnicodeString& path);
// The identifier of the file system holding path as 16 hex digits; "" when it cannot be asked.
UnicodeString VolumeID(const UnicodeString& path);
// Whether path lies on a network file system.
bool NetworkVolume(const UnicodeString& path);
// The canonical full name (links resolved); "" when path does not exist.
UnicodeString GetLongPathNameW(const UnicodeString& path);
// fs_exists when name exists; fs_moved when it does not but a file of its name (with its parent folder, else
// alone) is found under alternative_folder, which found then names; fs_unknown otherwise.
TLXFilestatus GetFileStatusOfAFile(const UnicodeString& name, const UnicodeString& alternative_folder,
                                   UnicodeString& found);
// Exists and this process may not write it.
bool ReadOnlyFileW(const UnicodeString& name);
bool ReadOnlyFolderW(const UnicodeString& dir);
// A file (not a folder) that this process may delete: writable, in a writable folder.
bool OKToDeleteFile(const UnicodeString& name);
// Sets the last-write time (local time); false when the file is missing or the date invalid.
bool SetFileDate(const UnicodeString& name, TDateTime date);
bool SetFileDate(const UnicodeString& name, int year, int month, int day, int hour = 0, int minute = 0,
                 int second = 0);
bool SetFileDate(const UnicodeString& name, const UnicodeString& from_file);

// The text of a file in whatever encoding it is in (byte-order mark, else the bytes tested: UTF-16, UTF-8,
// else the ANSI code page); false when it cannot be read or is a container (zip, storage document...).
bool TextFileContents(const UnicodeString& name, UnicodeString& text);
// Whether the file holds UTF-16 text.
bool TextFileInUnicode(const UnicodeString& name);
// Whether s holds a character the ANSI code page cannot carry.
bool StringIsInUnicode(const UnicodeString& s);
// Rewrites an 8-bit or UTF-8 text file as UTF-16 LE with its mark; true also when it already is UTF-16.
bool ConvertATextFileAnsiToUTF16(const UnicodeString& name);
// Insert bytes at a byte position, or UTF-16 LE text at a character position after any mark; false for a
// missing file or a position outside it. The file is replaced whole or not at all.
bool InsertIntoFileA(const UnicodeString& name, const AnsiString& text, int64_t position);
bool InsertIntoFileW(const UnicodeString& name, const UnicodeString& text, int64_t position);
// The 1-based number of the first "description|mask;mask" pair of a file-dialog filter whose masks match
// file_name; 0 when none does.
int FileFilterWithinFilterText(const UnicodeString& filter, const UnicodeString& file_name);
// The name quoted for a command line when it needs to be.
UnicodeString FormattedFNAsParameter(const UnicodeString& name);
// Whether both files exist and hold the same bytes.
bool FileContentsComparison(const UnicodeString& a, const UnicodeString& b);
UnicodeString BooleanToTextFormat(bool value);
// "true"/"false", "yes"/"no", "1"/"0" in any case; default_value for anything else.
bool TextFormatToBoolean(const UnicodeString& text, bool default_value = false);

// A string list for text files whose encoding is in doubt: the encoding is detected from the bytes, bad bytes
// never raise, and a container file (zip, storage document) loads as an empty list.
class TPossiblyDodgyTextStringlist : public TStringList {
 public:
  using TStringList::LoadFromStream;
  void LoadFromStream(TStream& stream) override;
  // What the last load found.
  TFileContentsSet DetectedType;
  bool LoadedAsText = false;
};

}  // namespace lx
