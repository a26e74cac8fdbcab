#include "tools/lexmill/lexmill_sources.h"

#include <dirent.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <set>
#include <utility>

#include "lexcore/files/PeruseDir.h"
#include "lexcore/files/my_FileStreamU.h"
#include "lexcore/files/zip_utils.h"
#include "lexcore/platform/lx_zip.h"
#include "lexcore/rtl/lx_paths.h"
#include "lexcore/rtl/lx_strings.h"
#include "lexcore/text/WideMasks.h"
#include "lexcore/text/my_string_functions.h"
#include "lexfiletools/tools/My_FileHandling.h"
#include "tools/lexmill/lexmill_encoding.h"

namespace lx {

namespace fs = std::filesystem;

namespace {

bool IsDocx(const std::string& path) {
  return SameText(ExtractFileExt(UTF8ToUTF16(path)), u".docx");
}

bool IsMember(const std::string& path) {
  std::error_code ec;
  return !fs::exists(path, ec) && IsWithinAZipFile(UTF8ToUTF16(path), u"");
}

// Whether the file begins as a zip archive does: with a local file header, or the end of an empty one.
bool StartsLikeAnArchive(const std::string& path) {
  char start[4] = {};
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) return false;
  const bool read = std::fread(start, 1, sizeof start, f) == sizeof start;
  std::fclose(f);
  return read && (std::memcmp(start, "PK\x03\x04", 4) == 0 || std::memcmp(start, "PK\x05\x06", 4) == 0);
}

// The members of one archive that match the mask, as member paths.
void AddMembers(const UnicodeString& archive, const UnicodeString& mask, std::vector<std::string>& out,
                TLexmillProblems& problems) {
  try {
    TZipReader zip(archive);
    for (int i = 0; i < zip.Count(); ++i) {
      const UnicodeString name = zip.Name(i);
      if (!name.empty() && !zip.IsDirectory(i) && MatchesMask(name, mask))
        out.push_back(UTF16ToUTF8(ZipMemberPath(archive, name)));
    }
  } catch (const Exception& e) {
    problems.Report("cannot read the archive " + UTF16ToUTF8(archive) + ": " + UTF16ToUTF8(e.Message));
  }
}

void WalkFolder(const std::string& root, const UnicodeString& mask, bool readZips,
                std::vector<std::string>& out, TLexmillProblems& problems) {
  // Hidden files and dot-folders are skipped, as are Mac resource forks. Every archive is looked into,
  // whatever its name (the mask is for members), so the walk takes all files and the mask sorts them here.
  TFileAndDirIterator texts;
  texts.HeadDir = UTF8ToUTF16(root);
  texts.IncludeSubFolders = true;
  texts.FileMask = readZips ? UnicodeString(u"*") : mask;
  texts.DirMask.assign(1, u'*');  // (a one-character literal trips a false -Wrestrict in g++ 12)
  texts.ZipMask = mask;
  texts.ExcludingMACOS_files = true;
  texts.ReadZipfiles = readZips;
  texts.TreatZipsLikeAnyOtherFile = !readZips;
  texts.NeedSizeAndDate = false;  // only the names are taken
  if (readZips)
    texts.OnCheckFileAcceptable = [&mask](const TMySearchRec& r, bool inZip) {
      return inZip || MatchesMask(r.ShortName, mask);
    };
  texts.OnFolderProblem = [&](const UnicodeString& d, const UnicodeString& why) {
    problems.Report("cannot read the folder " + UTF16ToUTF8(d) + ": " + UTF16ToUTF8(why));
  };
  texts.OnZipProblem = [&](const UnicodeString& f, int, int, int, const UnicodeString& message, int&) {
    problems.Report("cannot read the archive " + UTF16ToUTF8(f) + ": " + UTF16ToUTF8(message));
  };
  texts.IterateFindingFiles();
  for (int32_t i = 0; i < texts.Folderlist()->Count(); ++i) {
    const TFolderful* folder = texts.Folderlist()->GetAFolderFul(i);
    for (int32_t j = 0; folder && j < folder->Count(); ++j)
      out.push_back(UTF16ToUTF8(folder->GetFullName(j)));
  }
}

// A folder walk names its files in UTF-16, which cannot hold a name that is not UTF-8: such a name comes
// back with U+FFFD for its bad bytes and opens nothing. The file it stands for is found among its folder's
// entries; of several names that look the same, the nth (from 0) in byte order.
std::string NativeName(const std::string& shown, std::size_t nth) {
  const std::size_t slash = shown.rfind('/');
  const std::string folder = slash == std::string::npos ? std::string() : shown.substr(0, slash + 1);
  const std::string leaf = shown.substr(folder.size());
  std::vector<std::string> alike;
  if (DIR* d = ::opendir(folder.empty() ? "." : folder.c_str())) {
    while (const dirent* e = ::readdir(d))
      if (UTF16ToUTF8(UTF8ToUTF16(e->d_name)) == leaf) alike.emplace_back(e->d_name);
    ::closedir(d);
  }
  std::sort(alike.begin(), alike.end());
  return nth < alike.size() ? folder + alike[nth] : shown;
}

}  // namespace

std::vector<std::string> CollectSources(const std::vector<std::string>& paths, const UnicodeString& mask,
                                        bool readZips, TLexmillProblems& problems) {
  std::vector<std::string> files;
  std::set<std::pair<dev_t, ino_t>> seen;
  // A file reached a second time (named twice, or through a link) is not counted again.
  auto take = [&](const std::string& f) {
    struct stat st {};
    if (::stat(f.c_str(), &st) == 0 && S_ISREG(st.st_mode) && !seen.insert({st.st_dev, st.st_ino}).second)
      return;
    files.push_back(f);
  };
  bool stdinTaken = false;
  for (const std::string& path : paths) {
    if (path == "-") {
      if (!stdinTaken) files.push_back(path);  // it can be read only once
      stdinTaken = true;
      continue;
    }
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
      const int error = errno;
      if (readZips && IsMember(path)) {
        files.push_back(path);  // one member named on the command line
      } else if (error == ENOENT) {
        problems.Report("no such file or folder: " + path);
      } else {
        problems.Report("cannot read " + path + ": " + std::strerror(error));
      }
      continue;
    }
    if (!(S_ISDIR(st.st_mode) || (readZips && S_ISREG(st.st_mode) && IsAZipFile(UTF8ToUTF16(path))))) {
      take(path);  // a file named is read whatever its name; the reader refuses pipes and devices
      continue;
    }
    std::vector<std::string> found;
    const int before = problems.count;
    if (S_ISDIR(st.st_mode)) {
      WalkFolder(path, mask, readZips, found, problems);
    } else if (TZipReader::IsZipArchive(UTF8ToUTF16(path)) || StartsLikeAnArchive(path)) {
      // An archive that cannot be opened (cut short, say) is reported as one, not read as a text.
      AddMembers(UTF8ToUTF16(path), mask, found, problems);
    } else {
      take(path);  // named like an archive but not one: read as it is
      continue;
    }
    if (found.empty() && problems.count == before)
      std::fprintf(stderr, "lexmill: no files matching %s in %s\n", ToUTF8(mask).c_str(), path.c_str());
    std::sort(found.begin(), found.end());
    for (std::size_t i = 0, alike = 0; i < found.size(); ++i) {
      alike = i > 0 && found[i] == found[i - 1] ? alike + 1 : 0;
      struct stat fst {};
      const bool lossy =
          found[i].find("\xEF\xBF\xBD") != std::string::npos && ::lstat(found[i].c_str(), &fst) != 0;
      take(lossy ? NativeName(found[i], alike) : found[i]);
    }
  }
  return files;
}

bool IsArchiveMemberOrDocument(const std::string& path) {
  return IsDocx(path) || IsMember(path);
}

bool IsDocumentPath(const std::string& path) {
  return IsDocx(path);
}

bool TLexmillTextReader::ReadMemberBytes(const std::string& path, TLexmillProblems& problems) {
  try {
    const AnsiString data = ContentsOfFileWithinZipFile(UTF8ToUTF16(path));
    if (data.size() > static_cast<std::size_t>(INT32_MAX / 2)) {
      problems.Report("cannot read " + path + ": a text of 1 GB or more");
      return false;
    }
    if (bytes.size() < data.size() + 1) bytes.resize(data.size() + 1);
    std::copy(data.begin(), data.end(), bytes.begin());
    byteCount = data.size();
    return true;
  } catch (const Exception& e) {
    problems.Report("cannot read " + path + ": " + UTF16ToUTF8(e.Message));
    return false;
  }
}

bool TLexmillTextReader::ReadDocument(const std::string& path, TLexmillProblems& problems) {
  const UnicodeString name = UTF8ToUTF16(path);
  UnicodeString text;
  try {
    if (!IsMember(path)) {
      byteCount = static_cast<std::size_t>(std::max<int64_t>(FileSize(name), 0));
      text = DOCXReadableText(name);
    } else {
      const AnsiString data = ContentsOfFileWithinZipFile(name);
      byteCount = data.size();
      // The document reader wants a file: a private temporary one, named by us, never by the archive.
      const char* base = std::getenv("TMPDIR");
      std::string temp = std::string(base && *base ? base : "/tmp") + "/lexmill-docx-XXXXXX";
      const int fd = ::mkstemp(temp.data());
      if (fd < 0) throw EFCreateError(u"cannot create a temporary file");
      const bool written = ::write(fd, data.data(), data.size()) == static_cast<ssize_t>(data.size());
      ::close(fd);
      try {
        if (!written) throw EWriteError(u"cannot write a temporary file");
        text = DOCXReadableText(UTF8ToUTF16(temp));
      } catch (...) {
        ::unlink(temp.c_str());
        throw;
      }
      ::unlink(temp.c_str());
    }
  } catch (const Exception& e) {
    problems.Report("cannot read " + path + ": " + UTF16ToUTF8(e.Message));
    return false;
  }
  if (chars.size() < text.size() + 1) chars.resize(text.size() + 1);
  std::copy(text.begin(), text.end(), chars.begin());
  length = text.size();
  if (options.normalize) NormalizeNFC(chars, length);
  if (chars.size() < length + 1) chars.resize(length + 1);
  chars[length] = 0;
  return true;
}

}  // namespace lx
