// List definitions: the text forms in which settings travel (typed search texts with line breaks and tabs,
// tag pairs to ignore, quoted values, typed folder names, fixed character arrays of stored records).
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "lexcore/rtl/lx_resources.h"
#include "lexcore/rtl/lx_types.h"

namespace lx {

enum tag_on_off_type : uint8_t { tag_on, tag_off };
// Six tag-start characters and the six matching tag-end characters; a zero character marks an unused pair.
using TIgnore_tag_type = std::array<std::array<WideChar, 6>, 2>;
static_assert(sizeof(TIgnore_tag_type) == 24);

// Zero-terminated fixed arrays of stored records.
using tenwidechar = std::array<WideChar, 11>;
using thirtywidechar = std::array<WideChar, 31>;

// Internal wildcard codes of a typed search text.
constexpr WideChar kEncodedStar = 29;
constexpr WideChar kEncodedQuery = 28;
constexpr WideChar kEncodedHash = 27;

LX_DECLARE_RESOURCESTRING(_LXEnterSymbol)  // "<Enter>"
LX_DECLARE_RESOURCESTRING(_LXTabSymbol)    // "<Tab>"

// Wildcards inside the text (not first, not last, not next to a double quote) become their codes; the
// symbols for Enter and Tab become CR LF and a tab.
UnicodeString EncodedCRLFTAB(std::u16string_view text);
UnicodeString EncodedCRLFTABToReadableStr(std::u16string_view text);

UnicodeString IgnoreTag_TypeToString(const TIgnore_tag_type& tags);
TIgnore_tag_type StringToIgnoreTag_Type(std::u16string_view text);

UnicodeString CutOutsideQuotes(std::u16string_view text);
// "C:" -> "C:\", "C:data" -> "C:\data"; trimmed.
UnicodeString CorrectedPathname(std::u16string_view path);
UnicodeString ChrClearedFromString(WideChar c, std::u16string_view text);
// An empty sub leaves the text unchanged.
UnicodeString SubStrClearedFromString(std::u16string_view sub, std::u16string_view text);

tenwidechar StringToTenWidechar(std::u16string_view text);
thirtywidechar StringToThirtyWideChar(std::u16string_view text);
UnicodeString TenWideCharTostring(const tenwidechar& chars);

uint32_t MaxCardinal(uint32_t a, uint32_t b);
uint32_t MinCardinal(uint32_t a, uint32_t b);

}  // namespace lx
