// File-name masks: a mask text of "*.txt;*.doc" (or one mask a line) against file names.
#pragma once

#include <vector>

#include "lexcore/rtl/lx_types.h"

namespace lx {

// Trims maskText, turns every CRLF into ";" and splits at ";", dropping empty pieces.
void BuildAMask(std::vector<UnicodeString>& masks, const UnicodeString& maskText);
// The platform's mask match (case-insensitive, "*.*" matches every name); false for an empty name.
bool MatchesMask(const UnicodeString& name, const UnicodeString& mask);
// Index of the first mask that matches name, -1 when none does.
int WhereInAMask(const UnicodeString& name, const std::vector<UnicodeString>& masks);

}  // namespace lx
