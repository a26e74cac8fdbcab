#include "lexcore/files/my_kpSmall.h"

#include <chrono>
#include <thread>

#include "lexcore/rtl/lx_messages.h"
#include "lexcore/rtl/lx_paths.h"

namespace lx {

bool Global_ErrorMessageBusy = false;

bool WAitTillDone(const std::function<bool()>& condition, int seconds) {
  if (!condition()) return false;
  const auto start = std::chrono::steady_clock::now();
  bool timedOut = false;
  do {
    for (int i = 0; i < 4; ++i) MyYieldProcess();
    // Without a host handler the yield does nothing: do not spin a core while waiting.
    if (!Global_YieldProcessProc) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    const auto elapsed =
        std::chrono::duration_cast<std::chrono::seconds>(std::chrono::steady_clock::now() - start);
    timedOut = elapsed.count() > seconds;
  } while (condition() && !timedOut);
  return timedOut;
}

bool WAitTillDone(const volatile bool& flag, int seconds) {
  return WAitTillDone([&flag] { return flag; }, seconds);
}

UnicodeString CheckExecMessage(int code, const UnicodeString& name) {
  switch (code) {
    case 0:
    case 8:
      return u"Not enough memory to run " + name;
    case 2:
    case 3:
    case 5:
      return u"Can't access " + name;
    case 16:
      return name + u" already running";
    case 26:
      return u"Sharing problem: " + name;
    case 27:
    case 31:
      return u"Can't handle files ending \"" + ExtractFileExt(name) + u"\"";
    default:
      return code < 32 ? u"Can't communicate with " + name : UnicodeString();
  }
}

int CheckExec(int code, const UnicodeString& name) {
  const UnicodeString message = CheckExecMessage(code, name);
  if (!message.empty()) ShowMessage(message);
  return code;
}

}  // namespace lx
