#include "lexlists/services/lexlists_library.h"

#include <string>

#include "lexcore/rtl/lx_version.h"
#include "lexstats/services/lexstats_library.h"

namespace lx {

const char* LexlistsLibraryIdentity() {
  // The list library stands on the statistics library; refuse to report a mixed build as one version.
  static const std::string identity =
      std::string("lexlists ") + LexmillVersion() +
      (std::string(LexstatsLibraryIdentity()).ends_with(LexmillVersion()) ? "" : " (mixed build)");
  return identity.c_str();
}

}  // namespace lx
