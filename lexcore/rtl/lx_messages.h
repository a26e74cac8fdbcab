// The message seam: texts meant for the user go to the host's handler. A terminal host (the default) prints
// them on standard error; a host with windows installs a handler that shows a message box.
#pragma once

#include <functional>

#include "lexcore/rtl/lx_types.h"

namespace lx {

extern std::function<void(const UnicodeString& text)> Global_ShowMessageProc;

void ShowMessage(const UnicodeString& text);

// The question seam: a yes-or-no question for the user. Without a handler (a terminal host) the question is
// shown as a message and answered with defaultAnswer, the answer a dialog's default button would give.
extern std::function<bool(const UnicodeString& question, bool defaultAnswer)> Global_AskYesNoProc;
bool AskYesNo(const UnicodeString& question, bool defaultAnswer);

}  // namespace lx
