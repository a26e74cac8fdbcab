#include "lexstats/services/lexstats_library.h"

#include <string>

#include "lexcore/rtl/lx_version.h"

namespace lx {

const char* LexstatsLibraryIdentity() {
  static const std::string identity = std::string("lexstats ") + LexmillVersion();
  return identity.c_str();
}

}  // namespace lx
