// Words lower-cased as every sub-command compares them.
#pragma once

#include <cstddef>

#include "lexcore/rtl/lx_types.h"

namespace lx {

// The locale's lower-casing of each character, and a Greek sigma at the end of a word as the final ς: the
// mapping of one character at a time makes every capital Σ a σ, so ΟΔΟΣ and οδος would be two words.
UnicodeString WordLowercase(LCID lcid, const UnicodeString& word);

// The same for text lower-cased one character at a time: a σ after a letter and before none becomes ς.
// `text` holds n units.
void EndWordsWithFinalSigma(WideChar* text, std::size_t n);

}  // namespace lx
