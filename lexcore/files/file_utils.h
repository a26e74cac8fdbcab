// File and folder routines: existence tests, detection of a file's encoding or container, copies with a
// backup or with the date kept, cleaned-up names, folders in stored names, and drive queries (on this system
// a drive is a mounted file system).
#pragma once

#include <cstdint>
#include <vector>

#include "lexcore/rtl/lx_set.h"
#include "lexcore/rtl/lx_stringlist.h"
#include "lexcore/rtl/lx_types.h"

namespace lx {

enum TFileContentsTypes : uint8_t { _8_bit, _UTF8, _16_bit, _early_Word, _Storage, _Zip, _16_bit_reversed };
using TFileContentsSet = Set<TFileContentsTypes, 1>;

enum TLXFilestatus : uint8_t { fs_unknown, fs_exists, fs_moved };

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

}  // namespace lx
