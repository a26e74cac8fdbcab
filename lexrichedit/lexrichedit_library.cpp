#include "lexrichedit/lexrichedit_library.h"

#include <string>

#include "lexcore/rtl/lx_version.h"

namespace lx {

const char* LexricheditLibraryIdentity() {
  static const std::string identity = std::string("lexrichedit ") + LexmillVersion();
  return identity.c_str();
}

}  // namespace lx
