#include "tools/lexmill/lexmill_favourites.h"

#include <sys/stat.h>

#include "lexcore/rtl/lx_exceptions.h"
#include "lexcore/rtl/lx_strings.h"
#include "lexfiletools/tools/My_FileHandling.h"

namespace lx {

bool ReadFavouriteTexts(const std::string& file, std::vector<std::string>& paths, std::string& problem) {
  TFileAndDirIterator it;
  it.Favourites = UTF8ToUTF16(file);
  try {
    if (!it.ReadFavourites()) {
      problem = "favourites file " + file + " was saved by another tool";
      return false;
    }
  } catch (const Exception& e) {
    problem = UTF16ToUTF8(e.Message);
    return false;
  }
  for (int32_t i = 0; i < it.Folderlist()->Count(); ++i) {
    const TFolderful* folder = it.Folderlist()->GetAFolderFul(i);
    for (int32_t j = 0; folder && j < folder->Count(); ++j)
      paths.push_back(UTF16ToUTF8(folder->GetFullName(j)));
  }
  return true;
}

std::string OnlyFolderAmong(const std::vector<std::string>& paths) {
  std::string folder;
  int folders = 0;
  for (const std::string& p : paths) {
    struct stat st {};
    if (::stat(p.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) {
      folder = p;
      ++folders;
    }
  }
  return folders == 1 ? folder : std::string();
}

bool SaveFavouriteTexts(const std::string& file, const std::string& folder, const UnicodeString& mask,
                        std::string& problem) {
  TFileAndDirIterator it;
  it.Favourites = UTF8ToUTF16(file);
  it.HeadDir = UTF8ToUTF16(folder);
  it.FileMask = mask;
  it.IncludeSubFolders = true;
  it.ReadZipfiles = true;  // members are named archive/member, as the command reads them
  try {
    it.IterateFindingFiles();
    it.SaveFavourites();
  } catch (const Exception& e) {
    problem = UTF16ToUTF8(e.Message);
    return false;
  }
  return true;
}

}  // namespace lx
