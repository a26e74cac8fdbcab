// The diagnostic log: UTF-16 little-endian text appended line by line while global_keeping_log is set.
#pragma once

#include <functional>

#include "lexcore/rtl/lx_types.h"

namespace lx {

extern bool global_keeping_log;

// Gives the prefix written before each line (the current tool's); empty gives no prefix.
extern std::function<UnicodeString()> Global_LogLinePrefixProc;

void SetLogFilename(const UnicodeString& fileName);
UnicodeString GetLogFilename();

// Appends text (and CR LF when addLineEnd) to the log, creating it with a byte-order mark. Does nothing
// unless logging is on and a file name is set. A line logged while another is being written is queued and
// written ahead of the next one. File errors reach the caller; the in-progress mark is cleared first.
void AddToLogFile(const UnicodeString& text, bool addLineEnd = true);

// Writes any queued lines now (the libraries call it when they unload).
void FlushLogQueue();

}  // namespace lx
