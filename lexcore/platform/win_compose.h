// Canonical composition of combining sequences.
#pragma once

#include <string_view>

#include "lexcore/rtl/lx_types.h"

namespace lx {

// Composes every base character with the combining marks that follow it (canonical composition), leaving
// characters that stand alone as they are: unlike full NFC, singletons such as U+212B ANGSTROM SIGN and the
// CJK compatibility ideographs keep their code points, so text decoded from a code page keeps its identity.
void ComposeCombiningSequences(UnicodeString& s);
// Canonical decomposition (NFD).
UnicodeString DecomposeCanonical(std::u16string_view s);
// Compatibility composition (NFKC) and decomposition (NFKD).
UnicodeString ComposeCompatibility(std::u16string_view s);
UnicodeString DecomposeCompatibility(std::u16string_view s);

}  // namespace lx
