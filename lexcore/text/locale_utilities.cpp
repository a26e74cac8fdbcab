#include "lexcore/text/locale_utilities.h"

#include <algorithm>

#include "lexcore/platform/win_locale.h"
#include "lexcore/rtl/lx_strings.h"
#include "lexcore/text/WinGenOk.h"

namespace lx {

namespace {

UnicodeString LocaleText(LCID lcid, uint32_t lctype) {
  WideChar buf[1024];
  if (GetLocaleInfoW(lcid, lctype, buf, 1024) == 0) return UnicodeString();
  return UnicodeString(buf);
}

}  // namespace

uint32_t LCIDToCodePage(LCID lcid) {
  return CodePageFromLocale(lcid);
}

UnicodeString CurrencyFromLCID(LCID lcid) {
  return LocaleText(lcid, LOCALE_SCURRENCY);
}
UnicodeString CountryFromLCID(LCID lcid) {
  return LocaleText(lcid, LOCALE_SCOUNTRY);
}
UnicodeString LocalLanguageNameFromLCID(LCID lcid) {
  return LocaleText(lcid, LOCALE_SNATIVELANGNAME);
}
UnicodeString EnglishLanguageNameFromLCID(LCID lcid) {
  return LocaleText(lcid, LOCALE_SENGLANGUAGE);
}

UnicodeString LCIDAllCurrencyString(LCID lcid, const std::vector<LCID>& lcids) {
  std::vector<UnicodeString> seen;
  UnicodeString result;
  for (LCID other : lcids) {
    if (PRIMARYLANGID(other) != PRIMARYLANGID(lcid)) continue;
    UnicodeString symbol = CurrencyFromLCID(other);
    if (symbol.empty() || std::find(seen.begin(), seen.end(), symbol) != seen.end()) continue;
    if (!result.empty()) result += u',';
    result += symbol;
    seen.push_back(std::move(symbol));
  }
  return result;
}

std::vector<LCID> LCIDSubVarieties(LCID lcid) {
  std::vector<LCID> varieties;
  const uint32_t primary = PRIMARYLANGID(lcid);
  for (uint32_t sub = 1; sub < 0x40; ++sub) {
    const LCID candidate = MAKELANGID(primary, sub);
    if (IsValidLCID(candidate)) varieties.push_back(candidate);
  }
  return varieties;
}

UnicodeString SysLanguageVariantName(LCID lcid) {
  return LocaleText(lcid, LOCALE_SLANGUAGE);
}

UnicodeString ShortenedSysLanguageName(LCID lcid) {
  UnicodeString name = SysLanguageVariantName(lcid);
  const std::size_t bracket = name.find(u'(');
  if (bracket != UnicodeString::npos) name = TrimRight(std::u16string_view(name).substr(0, bracket));
  return name;
}

}  // namespace lx
