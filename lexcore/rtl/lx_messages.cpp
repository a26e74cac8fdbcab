#include "lexcore/rtl/lx_messages.h"

#include <cstdio>

#include "lexcore/rtl/lx_strings.h"

namespace lx {

std::function<void(const UnicodeString& text)> Global_ShowMessageProc;

void ShowMessage(const UnicodeString& text) {
  if (Global_ShowMessageProc) {
    Global_ShowMessageProc(text);
    return;
  }
  std::fprintf(stderr, "%s\n", UTF16ToUTF8(text).c_str());
}

}  // namespace lx

namespace lx {

std::function<bool(const UnicodeString& question, bool defaultAnswer)> Global_AskYesNoProc;

bool AskYesNo(const UnicodeString& question, bool defaultAnswer) {
  if (Global_AskYesNoProc) return Global_AskYesNoProc(question, defaultAnswer);
  ShowMessage(question + (defaultAnswer ? u" (yes)" : u" (no)"));
  return defaultAnswer;
}

}  // namespace lx
