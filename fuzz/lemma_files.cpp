// Lemma files of `lexmill wordlist --lemmas`: "head -> form, form" and "form head" lines, then the joins they
// ask for made in a list of the words the text holds. Every lemma has a head and forms, heads are met once,
// and the joins stay one level deep.
#include <unordered_set>

#include "fuzz_support.h"
#include "lexlists/engine/base_holder.h"
#include "tools/lexmill/lexmill_lemmas.h"

using namespace lx;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::ByteReader in(data, size);
  TLexmillOptions options;
  options.keepCase = in.Bool();
  const UnicodeString text = fuzz::AsUTF16(in.Rest());

  std::vector<TLexmillLemma> lemmas;
  int badLines = -1;
  ParseLemmaText(text, options, lemmas, badLines);
  if (badLines < 0) __builtin_trap();
  std::unordered_set<UnicodeString> heads;
  for (const TLexmillLemma& l : lemmas)
    if (l.head.empty() || l.forms.empty() || !heads.insert(l.head).second) __builtin_trap();

  // Words of the text, a few left out so that some heads have to be added.
  std::unordered_set<UnicodeString> words;
  ParseStopListText(text, options, words);
  TLXBaseHolder holder(options.lcid, true);
  auto list = Create<TLexmillWordList>(&holder);
  int32_t n = 0;
  for (const UnicodeString& w : words)
    if (++n % 3 != 0) list->AddWord(w, n, 1);
  const int32_t before = list->Count();
  const TLexmillJoinCounts counts = JoinLemmas(*list, lemmas);
  if (list->Count() != before + counts.headsAdded) __builtin_trap();
  int joined = 0;
  for (int32_t i = 0; i < list->Count(); ++i) {
    if (list->GetJoinedElsewhere(i) && list->GetJoinCount(i) > 0) __builtin_trap();
    joined += list->GetJoinCount(i);
  }
  if (joined != counts.joined) __builtin_trap();
  return 0;
}
