// Lemma and stop lists for `lexmill wordlist`: files of forms under their head words, and of words to leave
// out, read with the same encoding detection, normalisation and lower-casing as the texts.
#pragma once

#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "tools/lexmill/lexmill_lists.h"
#include "tools/lexmill/lexmill_texts.h"

namespace lx {

struct TLexmillLemma {
  UnicodeString head;
  std::vector<UnicodeString> forms;  // in the order the file gives them
};

// Lines "head -> form, form" or "form head [head...]" (the first head is taken); blank lines and lines
// starting with '#' are skipped. Heads are kept in the order first met, each with all its forms; lines that
// are neither form are counted in badLines.
void ParseLemmaText(std::u16string_view text, const TLexmillOptions& options,
                    std::vector<TLexmillLemma>& lemmas, int& badLines);
// Words separated by white space or line ends; lines starting with '#' are skipped.
void ParseStopListText(std::u16string_view text, const TLexmillOptions& options,
                       std::unordered_set<UnicodeString>& words);

// The files through the texts' reader; false (and a report) when a file cannot be read.
bool ReadLemmaFile(const std::string& path, const TLexmillOptions& options,
                   std::vector<TLexmillLemma>& lemmas, int& badLines, TLexmillProblems& problems);
bool ReadStopList(const std::string& path, const TLexmillOptions& options,
                  std::unordered_set<UnicodeString>& words, TLexmillProblems& problems);

struct TLexmillJoinCounts {
  int joined = 0;      // forms joined under a head
  int headsAdded = 0;  // heads not met in the texts, added with frequency 0 to carry their forms
  int notJoined = 0;   // forms in the list that were already under another head, or whose head was
};

// Joins each form found in the list under its head, through the list's own joins. A head missing from the
// list is added when one of its forms can go under it; a head that is itself joined under another takes no
// forms, so joins stay one level deep.
TLexmillJoinCounts JoinLemmas(TLexmillWordList& list, const std::vector<TLexmillLemma>& lemmas);

}  // namespace lx
