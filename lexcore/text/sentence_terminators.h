// What ends a sentence in any script: the terminator tables and the sentence-end finder that works on a text
// and its character-class array.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "lexcore/rtl/lx_types.h"

namespace lx {

// "!" "." "?".
extern const std::array<WideChar, 3> basic_sent_terminators;
// Full stops, question and exclamation marks of other scripts, in ascending order.
extern const std::array<WideChar, 63> other_sent_terminators;
// Other punctuation (Po) that never ends a sentence, in ascending order.
extern const std::array<WideChar, 276> punct_not_ending_sent;

bool IsPotentialSentenceTerminator(WideChar c);
bool IsPunctNotEndingSentence(WideChar c);

// One sentence end found by FindSentenceEnds, as 0-based indexes: the terminator, and one past the end of the
// sentence once the closing quotes and brackets and the first white character after the terminator are added.
struct TSentenceEnd {
  std::size_t terminator;
  std::size_t end;
};

// Appends the sentence ends of text[0, n) to ends, in text order. classes holds the text's CT_CTYPE1 classes
// (mark-up already masked or hidden as the caller wants); characters flagged as hidden or as segment markers
// never end a sentence. A terminator followed by a lower-case letter or a digit does not end a sentence, nor
// does any punctuation whose first following letter or digit is lower case (an abbreviation such as "e.g.").
// Linear in n however the punctuation is arranged.
void FindSentenceEnds(const WideChar* text, const uint16_t* classes, std::size_t n,
                      std::vector<TSentenceEnd>& ends);

}  // namespace lx
