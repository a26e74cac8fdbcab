#include "lexcore/rtl/lx_log.h"

#include <sys/stat.h>

#include <vector>

#include "lexcore/rtl/lx_streams.h"
#include "lexcore/rtl/lx_strings.h"

namespace lx {

bool global_keeping_log = false;
std::function<UnicodeString()> Global_LogLinePrefixProc;

namespace {

UnicodeString logFileName;
bool writeInProgress = false;
std::vector<UnicodeString> queuedLines;

void WriteToLog(const UnicodeString& text) {
  writeInProgress = true;
  try {
    const std::string native = FileNameToNative(logFileName);
    struct stat st {};
    const bool exists = ::stat(native.c_str(), &st) == 0;
    TFileStream f(logFileName, exists ? fmOpenReadWrite : fmCreate);
    f.Seek(0, soEnd);
    UnicodeString block;
    if (!exists) block += u'\xFEFF';
    if (!queuedLines.empty()) {
      for (const auto& line : queuedLines) block += line + u"\r\n";
      block += u"\r\n";
      queuedLines.clear();
    }
    if (Global_LogLinePrefixProc) block += Global_LogLinePrefixProc();
    block += text;
    f.WriteBuffer(block.data(), static_cast<int64_t>(block.size() * sizeof(WideChar)));
  } catch (...) {
    writeInProgress = false;
    throw;
  }
  writeInProgress = false;
}

// Writes what is still queued when the library unloads.
struct LogShutdown {
  ~LogShutdown() {
    try {
      FlushLogQueue();
    } catch (...) {
    }
    logFileName.clear();
  }
} logShutdown;

}  // namespace

void SetLogFilename(const UnicodeString& fileName) {
  logFileName = fileName;
}
UnicodeString GetLogFilename() {
  return logFileName;
}

void AddToLogFile(const UnicodeString& text, bool addLineEnd) {
  if (!global_keeping_log || logFileName.empty()) return;
  const UnicodeString line = addLineEnd ? text + u"\r\n" : text;
  if (writeInProgress) {
    queuedLines.push_back(text);
    return;
  }
  WriteToLog(line);
}

void FlushLogQueue() {
  if (queuedLines.empty() || writeInProgress || logFileName.empty()) return;
  WriteToLog(UnicodeString());
}

}  // namespace lx
