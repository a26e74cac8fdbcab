#include "lexgridcells/lexgridcells_library.h"

#include <string>

#include "lexcore/rtl/lx_version.h"
#include "lexlists/services/lexlists_library.h"
#include "lexstats/services/lexstats_library.h"

namespace lx {

const char* LexgridcellsLibraryIdentity() {
  // The grid stands on the list and statistics libraries; refuse to report a mixed build as one version.
  static const std::string identity =
      std::string("lexgridcells ") + LexmillVersion() +
      (std::string(LexlistsLibraryIdentity()).ends_with(LexmillVersion()) &&
               std::string(LexstatsLibraryIdentity()).ends_with(LexmillVersion())
           ? ""
           : " (mixed build)");
  return identity.c_str();
}

}  // namespace lx
