// The cooperative yield, waiting while something runs, and messages about processes that would not start.
#pragma once

#include <functional>

#include "lexcore/rtl/lx_types.h"
#include "lexcore/rtl/lx_yield.h"

namespace lx {

extern bool Global_ErrorMessageBusy;

// Waits while condition() stays true, yielding, for at most seconds; true when it timed out. A condition that
// is false at the start returns false at once, without yielding.
bool WAitTillDone(const std::function<bool()>& condition, int seconds);
// The flag is read afresh on every round: the host sets it from its own callbacks.
bool WAitTillDone(const volatile bool& flag, int seconds);

// Turns a process-start result code (below 32 a failure) into a message through the message seam; returns
// the code.
int CheckExec(int code, const UnicodeString& name);
// The message for a code, empty for 32 and above.
UnicodeString CheckExecMessage(int code, const UnicodeString& name);

}  // namespace lx
