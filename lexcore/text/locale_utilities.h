// Names and symbols of locales, read from the platform's locale information.
#pragma once

#include <vector>

#include "lexcore/rtl/lx_types.h"

namespace lx {

// The locale's default ANSI code page, the process code page when the locale does not say.
uint32_t LCIDToCodePage(LCID lcid);

// Platform locale strings; empty when the locale does not have them.
UnicodeString CurrencyFromLCID(LCID lcid);
UnicodeString CountryFromLCID(LCID lcid);
UnicodeString LocalLanguageNameFromLCID(LCID lcid);
UnicodeString EnglishLanguageNameFromLCID(LCID lcid);

// The distinct currency symbols, joined with ",", of every LCID in lcids that shares lcid's primary
// language, in the order met.
UnicodeString LCIDAllCurrencyString(LCID lcid, const std::vector<LCID>& lcids);

// The known regional varieties (LCIDs with the same primary language), in sub-language order.
std::vector<LCID> LCIDSubVarieties(LCID lcid);
// The locale's full language name, with its variety ("English (United Kingdom)").
UnicodeString SysLanguageVariantName(LCID lcid);
// The same without the variety in brackets ("English").
UnicodeString ShortenedSysLanguageName(LCID lcid);

}  // namespace lx
