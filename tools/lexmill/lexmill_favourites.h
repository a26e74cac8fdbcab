// Saved sets of texts: --favourites reads one, --save-favourites writes the texts a folder gives.
#pragma once

#include <string>
#include <vector>

#include "lexcore/rtl/lx_types.h"

namespace lx {

// Appends the texts of a favourites file to paths; false with the reason when it cannot be read or was
// saved by another tool.
bool ReadFavouriteTexts(const std::string& file, std::vector<std::string>& paths, std::string& problem);
// Saves the texts of one folder (and its sub-folders) matching mask as a favourites file; false with the
// reason when there is not exactly one folder among the paths or the file cannot be written.
bool SaveFavouriteTexts(const std::string& file, const std::vector<std::string>& paths,
                        const UnicodeString& mask, std::string& problem);

}  // namespace lx
