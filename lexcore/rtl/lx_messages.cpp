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
