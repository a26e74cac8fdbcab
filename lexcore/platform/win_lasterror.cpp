#include "lexcore/platform/win_lasterror.h"

namespace lx {

namespace {
thread_local uint32_t tLastError = ERROR_SUCCESS;
}

uint32_t GetLastError() {
  return tLastError;
}

void SetLastError(uint32_t code) {
  tLastError = code;
}

}  // namespace lx
