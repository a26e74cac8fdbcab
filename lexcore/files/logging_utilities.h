// The diagnostic log: lines in UTF-16 with the current tool's prefix (the writing itself is in lx_log).
#pragma once

#include "lexcore/rtl/lx_log.h"
#include "lexcore/rtl/lx_types.h"

namespace lx {

// "(W): " for tool 0 and so on; "(??)" for a number that names no tool.
UnicodeString LogPrefixOfTool(int tool);
// Makes tool the one whose prefix starts every line logged from now on.
void SetLoggingTool(int tool);
int LoggingTool();

// A line of ten "*", then "LOG STARTED at " and the current date-time.
void StartNewLogSection();
// Deletes the log file, when it exists, and starts a new section.
void ClearLogFile();

}  // namespace lx
