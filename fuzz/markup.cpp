// Mark-up readers: the stripper with any delimiters, character references, and the tag routines of the
// string functions over the same text.
#include "fuzz_support.h"
#include "lexcore/rtl/lx_exceptions.h"
#include "lexcore/text/markup_stripper.h"
#include "lexcore/text/my_string_functions.h"

using namespace lx;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::ByteReader in(data, size);
  const uint8_t options = in.Byte();
  const WideChar open = (options & 1) ? u'[' : u'<', close = (options & 1) ? u']' : u'>';
  const int limit = in.Byte();
  const UnicodeString text = fuzz::AsUTF16(in.Rest());
  try {
    UnicodeString out;
    TMarkupStripReport report;
    StripMarkup(text.data(), text.size(), open, close, (options & 2) != 0, out, report, (options & 16) == 0);
    // Stripping never adds more than one space for each tag it takes out, and references only shrink.
    if (out.size() > text.size()) __builtin_trap();
    if (report.unclosedDelimiter != std::u16string_view::npos && report.unclosedDelimiter >= text.size())
      __builtin_trap();
    if (DecodedCharacterReferences(text).size() > text.size()) __builtin_trap();
    WithoutMarkup(text, open, close, limit);
    MarkupWithoutText(text, open, close);
    NumberOfTagsWithinChunk(text, limit);
    OpenWithoutCloseTagInText(text, limit, options & 4, options & 8,
                              [](const T2StringsAndIntegerRec&) { return false; });
    bool found = false;
    SimpleTagValue(u"p", text, found);
    FindAndStudyStringInText(text, u"<!", u">", [](const TStringAndIntegerRec& r) { return r.i > 1000; });
  } catch (const Exception&) {
  }
  return 0;
}
