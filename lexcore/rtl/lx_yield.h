// The cooperative yield: long loops call MyYieldProcess so that a host with a user interface can keep it
// alive.
#pragma once

#include <functional>

namespace lx {

// Installed by the host; empty by default, which makes MyYieldProcess a cheap no-op.
extern std::function<void()> Global_YieldProcessProc;

void MyYieldProcess();

}  // namespace lx
