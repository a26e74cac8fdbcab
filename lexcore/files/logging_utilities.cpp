#include "lexcore/files/logging_utilities.h"

#include "lexcore/rtl/lx_datetime.h"
#include "lexcore/rtl/lx_paths.h"

namespace lx {

namespace {
int currentTool = -1;
}

UnicodeString LogPrefixOfTool(int tool) {
  switch (tool) {
    case 0:
      return u"(W): ";
    case 1:
      return u"(C): ";
    case 2:
      return u"(K): ";
    case 3:
      return u"(CHRG): ";
    case 4:
      return u"(CGR): ";
    case 5:
      return u"(VA): ";
    case 7:
      return u"(MP): ";
    case 8:
      return u"(FU): ";
    case 9:
      return u"(CA): ";
    case 10:
      return u"(LNG): ";
    case 11:
      return u"(API): ";
    case 12:
      return u"(FV): ";
    case 13:
      return u"(CC): ";
    case 15:
      return u"(TXC): ";
    case 16:
      return u"(LX7): ";
    default:
      return u"(?\?)";
  }
}

void SetLoggingTool(int tool) {
  currentTool = tool;
  Global_LogLinePrefixProc = [] { return LogPrefixOfTool(currentTool); };
}

int LoggingTool() {
  return currentTool;
}

void StartNewLogSection() {
  AddToLogFile(UnicodeString(10, u'*'));
  AddToLogFile(u"LOG STARTED at " + DateTimeToStr(Now()));
}

void ClearLogFile() {
  const UnicodeString name = GetLogFilename();
  if (name.empty() || !FileExists(name)) return;
  DeleteFile(name);
  StartNewLogSection();
}

}  // namespace lx
