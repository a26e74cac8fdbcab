#include "lexfiletools/lexfiletools_library.h"

#include <string>

#include "lexcore/rtl/lx_version.h"

namespace lx {

const char* LexfiletoolsLibraryIdentity() {
  static const std::string identity = std::string("lexfiletools ") + LexmillVersion();
  return identity.c_str();
}

}  // namespace lx
