// Paths of files inside zip archives: the archive's path, a separator, then the member's name. On this
// system the separator is '/' ("texts/a.zip/sub/b.txt"); the form made on Windows ("texts\a.zip\sub\b.txt")
// is read as well.
#pragma once

#include "lexcore/rtl/lx_types.h"

namespace lx {

// Another archive extension followed by a separator (for example ".lst\"); empty for none.
extern UnicodeString global_current_zip_ext_slash;

// The number after ".zip" in an extension such as ".zip12"; -1 when there is none.
int ZipFilePlusNumber(const UnicodeString& name);
// ".zip" (any case), or ".zip" followed by a number.
bool IsAZipFile(const UnicodeString& name);
// Not an existing file, and the path runs through an archive.
bool IsWithinAZipFile(const UnicodeString& path, const UnicodeString& ext_slash);
// The archive part and the member part; both empty when the path does not run through an archive.
UnicodeString ZipFileFullFileName(const UnicodeString& path, const UnicodeString& ext_slash);
UnicodeString ZipFileWantedFileNameWithin(const UnicodeString& path, const UnicodeString& ext_slash);
// The path of a member: archive + '/' + member name.
UnicodeString ZipMemberPath(const UnicodeString& archive, const UnicodeString& member);

}  // namespace lx
