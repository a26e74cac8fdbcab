#include "lextextgrid/lextextgrid_library.h"

#include <string>

#include "lexcore/rtl/lx_version.h"

namespace lx {

const char* LextextgridLibraryIdentity() {
  static const std::string identity = std::string("lextextgrid ") + LexmillVersion();
  return identity.c_str();
}

}  // namespace lx
