// The settings text forms: search texts with line-break and tab names, ignored-tag pairs, quoted values,
// path names and fixed character arrays, each read from the input as UTF-16.
#include "fuzz_support.h"
#include "lexcore/definitions/Wdef.h"
#include "lexcore/rtl/lx_exceptions.h"

using namespace lx;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::ByteReader in(data, size);
  const UnicodeString sub = fuzz::AsUTF16(in.Chunk(8));
  const UnicodeString text = fuzz::AsUTF16(in.Rest());
  try {
    EncodedCRLFTABToReadableStr(EncodedCRLFTAB(text));
    EncodedCRLFTABToReadableStr(text);
    const TIgnore_tag_type tags = StringToIgnoreTag_Type(text);
    // The text form of parsed pairs parses to the same pairs, unless a pair uses the comma, which the text
    // form cannot always tell from the separator.
    bool commas = false;
    for (const auto& side : tags)
      for (WideChar c : side) commas = commas || c == u',';
    if (!commas && StringToIgnoreTag_Type(IgnoreTag_TypeToString(tags)) != tags) __builtin_trap();
    CutOutsideQuotes(text);
    CorrectedPathname(text);
    if (!sub.empty()) {
      SubStrClearedFromString(sub, text);
      ChrClearedFromString(sub[0], text);
    }
    TenWideCharTostring(StringToTenWidechar(text));
    StringToThirtyWideChar(text);
  } catch (const Exception&) {
  }
  return 0;
}
