// Mark-up taken out of a text in one linear pass, for reading tagged corpus texts (HTML, XML, SGML or the
// user's own delimiters): tags go, character references are decoded, and what looks unclosed is reported.
#pragma once

#include <cstddef>
#include <string_view>

#include "lexcore/rtl/lx_types.h"

namespace lx {

// Reads the character reference at p[0] == '&' among n units: a named one of HTML 5 (&eacute;), a decimal
// (&#233;) or a hexadecimal one (&#xE9;), each ending in ';'. Gives the units read and appends the text to
// out (a number that is no character gives U+FFFD); 0, and out untouched, when p holds no reference.
std::size_t DecodeCharacterReference(const WideChar* p, std::size_t n, UnicodeString& out);
// Every reference of s decoded; anything else kept as it is.
UnicodeString DecodedCharacterReferences(std::u16string_view s);

struct TMarkupStripReport {
  std::size_t tags = 0;
  // The first opening delimiter that has no closing one after it (kept as text); npos when none.
  std::size_t unclosedDelimiter = std::u16string_view::npos;
  // The first opening tag whose name is never closed (void and self-closed elements, declarations and
  // processing instructions aside), with its position; empty when every one is.
  UnicodeString unclosedTag;
  std::size_t unclosedTagPosition = 0;
};

// Copies text without its tags into out. A tag is the span from openChar to the next closeChar; an opening
// delimiter followed by white space or by nothing, or with no closing one anywhere after it, is text. With
// "<" and ">", comments run to "-->" and the contents of script and style elements go with their tags.
// Tags of inline elements (b, i, span, a...) join what is on either side; any other tag keeps the words on
// its two sides apart with one space, unless white space is there already. With decodeReferences,
// character references outside tags are decoded. Linear in the length of the text whatever it holds.
// Without htmlInline no element is inline: in an XML corpus <s> is a sentence and <u> an utterance, and the
// words on either side of any tag stay apart.
void StripMarkup(const WideChar* text, std::size_t n, WideChar openChar, WideChar closeChar,
                 bool decodeReferences, UnicodeString& out, TMarkupStripReport& report,
                 bool htmlInline = true);

}  // namespace lx
