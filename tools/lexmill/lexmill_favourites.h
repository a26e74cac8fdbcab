// Saved sets of texts: --favourites reads one, --save-favourites writes the texts a folder gives.
#pragma once

#include <string>
#include <vector>

#include "lexcore/rtl/lx_types.h"

namespace lx {

// Appends the texts of a favourites file to paths; false with the reason when it cannot be read or was
// saved by another tool.
bool ReadFavouriteTexts(const std::string& file, std::vector<std::string>& paths, std::string& problem);
// The one folder among paths, or empty when there is none or more than one.
std::string OnlyFolderAmong(const std::vector<std::string>& paths);
// Saves the texts of the folder (and its sub-folders) matching mask as a favourites file; false with the
// reason when the file cannot be written.
bool SaveFavouriteTexts(const std::string& file, const std::string& folder, const UnicodeString& mask,
                        std::string& problem);

}  // namespace lx
