// The search-word parser with the typed text as UTF-16 and as UTF-8, with and without mark-up delimiters,
// then the parsed word searched for in a text made of the rest of the input.
#include "fuzz_support.h"
#include "lexcore/rtl/lx_exceptions.h"
#include "lexcore/rtl/lx_strings.h"
#include "lexcore/search/search_engines.h"
#include "lexcore/search/search_parsing.h"

using namespace lx;

namespace {

TTagDelimiters Delimiters(uint8_t pick) {
  TTagDelimiters t{};
  if (pick & 1) {
    t[0] = u'<';
    t[6] = u'>';
  }
  if (pick & 2) {
    t[1] = u'[';
    t[7] = u']';
  }
  return t;
}

void Search(TSearch_word_format_rec& word, const UnicodeString& text, bool wide) {
  int hits = 0;
  const auto onFound = [&](TSearchAndDoEngine&, const TSearchFound_Rec&) { return ++hits < 1000; };
  if (wide) {
    TSearchAndDoEngine engine(true, false, 0x0409);
    engine.PrepareFirst(text.c_str(), static_cast<int32_t>(text.size() * 2), 0, onFound, nullptr);
    engine.SearchAndDo(word);
  } else {
    const std::string bytes = UTF16ToUTF8(text);
    TSearchAndDoEngine engine(false, false, 0x0409);
    engine.PrepareFirst(bytes.c_str(), static_cast<int32_t>(bytes.size()), 0, onFound, nullptr);
    engine.SearchAndDo(word);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::ByteReader in(data, size);
  const uint8_t options = in.Byte();
  const std::string_view typedBytes = in.Chunk(128);
  // The text searched: UTF-16 units, cut at the first zero because the engine reads zero-terminated buffers.
  UnicodeString text = fuzz::AsUTF16(in.Rest());
  text.resize(std::u16string_view(text).find(u'\0') == UnicodeString::npos ? text.size() : text.find(u'\0'));
  const UnicodeString typed = (options & 4) ? UTF8ToUTF16(typedBytes) : fuzz::AsUTF16(typedBytes);
  try {
    TSearch_word_format_rec word =
        (options & 8) ? UnParsed_SearchWord(typed) : Parsed_SearchWord(Delimiters(options), typed);
    Search(word, text, (options & 16) == 0);
  } catch (const Exception&) {
  }
  return 0;
}
