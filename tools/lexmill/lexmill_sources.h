// Where lexmill's texts come from: files named on the command line, folders walked for files matching the
// mask, and the members of zip archives (in folders or named), which are read as if the archive were a
// folder. A member is named "archive.zip/member/path"; Word documents (.docx) are read as their text.
#pragma once

#include <string>
#include <vector>

#include "lexcore/rtl/lx_types.h"
#include "tools/lexmill/lexmill_texts.h"

namespace lx {

// The texts of the given paths, for every sub-command: a file is taken as named ("-" is standard input, taken
// once), a folder is walked with TPeruseDir for names matching the mask, in name order within each folder or
// archive. A file named twice or reached twice through links is taken once; folders and files that cannot
// be read are reported with the system's reason. With readZips, archives in folders or named on the command
// line give their members that match the mask; otherwise an archive is a file like any other.
std::vector<std::string> CollectSources(const std::vector<std::string>& paths, const UnicodeString& mask,
                                        bool readZips, TLexmillProblems& problems);

// A path that names a zip member or a .docx document rather than a plain text file.
bool IsArchiveMemberOrDocument(const std::string& path);
// A .docx document (on its own or in an archive), read as its text rather than as bytes.
bool IsDocumentPath(const std::string& path);

}  // namespace lx
