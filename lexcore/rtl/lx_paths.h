// File names and the file system. '/' separates; the name-splitting helpers also split at '\\', since stored
// names may come from Windows. The file-system routines take names as the file system spells them.
#pragma once

#include <cstdint>
#include <string_view>

#include "lexcore/rtl/lx_types.h"

namespace lx {

constexpr WideChar PathDelim = u'/';

// True for '/' and '\\'.
bool IsPathDelimiterChar(WideChar c);

// "dir/name.ext" -> "name.ext".
UnicodeString ExtractFileName(std::u16string_view fileName);
// "dir/name.ext" -> "dir/" (with its separator); "" when there is none.
UnicodeString ExtractFilePath(std::u16string_view fileName);
// "dir/name.ext" -> "dir"; a root keeps its separator ("/name" -> "/").
UnicodeString ExtractFileDir(std::u16string_view fileName);
// "name.ext" -> ".ext"; "" when the last part has no dot.
UnicodeString ExtractFileExt(std::u16string_view fileName);
// Replaces (or adds) the extension; extension includes its dot.
UnicodeString ChangeFileExt(std::u16string_view fileName, std::u16string_view extension);
UnicodeString IncludeTrailingPathDelimiter(std::u16string_view s);
UnicodeString ExcludeTrailingPathDelimiter(std::u16string_view s);

// A file that is not a folder.
bool FileExists(const UnicodeString& fileName);
bool DirectoryExists(const UnicodeString& dir);
// Creates dir and any missing parents; true when the folder exists afterwards. Raises EInOutError
// "Unable to create directory" for an empty name.
bool ForceDirectories(const UnicodeString& dir);
// Deletes a file (never a folder).
bool DeleteFile(const UnicodeString& fileName);
// Fails, as on Windows, when newName already exists.
bool RenameFile(const UnicodeString& oldName, const UnicodeString& newName);

// Last modification time in local time; false when the file cannot be read.
bool FileAge(const UnicodeString& fileName, TDateTime& dateTime);
// The same, raising EInOutError when the file cannot be read.
TDateTime FileDateTime(const UnicodeString& fileName);
// Seconds since 1970 (UTC) to a local TDateTime.
TDateTime UnixToLocalDateTime(int64_t unixSeconds, int32_t nanoseconds = 0);
// Size in bytes; -1 when the file cannot be read.
int64_t FileSize(const UnicodeString& fileName);

UnicodeString GetCurrentDir();
// The absolute form with "." and ".." resolved (links are not followed; the file need not exist). '\\' is
// read as a separator here, since the result is meant for this file system.
UnicodeString ExpandFileName(std::u16string_view fileName);

}  // namespace lx
