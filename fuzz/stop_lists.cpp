// Stop lists of `lexmill wordlist --stoplist`: words separated by white space, '#' lines left out. No word
// taken is empty or holds white space, and the same text gives the same words.
#include <unordered_set>

#include "fuzz_support.h"
#include "tools/lexmill/lexmill_lemmas.h"

using namespace lx;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::ByteReader in(data, size);
  TLexmillOptions options;
  options.keepCase = in.Bool();
  const UnicodeString text = fuzz::AsUTF16(in.Rest());
  std::unordered_set<UnicodeString> words;
  ParseStopListText(text, options, words);
  for (const UnicodeString& w : words) {
    if (w.empty()) __builtin_trap();
    for (char16_t c : w)
      if (c == u' ' || c == u'\t' || c == u'\n') __builtin_trap();
  }
  std::unordered_set<UnicodeString> again;
  ParseStopListText(text, options, again);
  if (again != words) __builtin_trap();
  return 0;
}
