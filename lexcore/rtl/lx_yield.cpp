#include "lexcore/rtl/lx_yield.h"

namespace lx {

std::function<void()> Global_YieldProcessProc;

void MyYieldProcess() {
  if (Global_YieldProcessProc) Global_YieldProcessProc();
}

}  // namespace lx
