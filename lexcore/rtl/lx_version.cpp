#include "lexcore/rtl/lx_version.h"

namespace lx {

const char* LexmillVersion() {
  return "0.1.0";
}

}  // namespace lx
