#include "lexcore/platform/win_locale.h"

#include <unicode/ucurr.h>
#include <unicode/uloc.h>
#include <unicode/unum.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <cstring>
#include <string>

#include "lexcore/platform/win_buffers.h"
#include "lexcore/platform/win_lasterror.h"
#include "lexcore/rtl/lx_strings.h"

namespace lx {

namespace {

std::atomic<uint32_t> gAnsiCodePage{1252};

// Default code pages by primary language; 0/1 marks a language that has only Unicode.
struct LanguageCodePages {
  uint16_t primary;
  uint16_t ansi;
  uint16_t oem;
};

constexpr LanguageCodePages kLanguageCodePages[] = {
    {0x01, 1256, 720}, {0x02, 1251, 866},  {0x03, 1252, 850}, {0x04, 936, 936},  {0x05, 1250, 852},
    {0x06, 1252, 850}, {0x07, 1252, 850},  {0x08, 1253, 737}, {0x09, 1252, 850}, {0x0A, 1252, 850},
    {0x0B, 1252, 850}, {0x0C, 1252, 850},  {0x0D, 1255, 862}, {0x0E, 1250, 852}, {0x0F, 1252, 850},
    {0x10, 1252, 850}, {0x11, 932, 932},   {0x12, 949, 949},  {0x13, 1252, 850}, {0x14, 1252, 850},
    {0x15, 1250, 852}, {0x16, 1252, 850},  {0x17, 1252, 850}, {0x18, 1250, 852}, {0x19, 1251, 866},
    {0x1A, 1250, 852}, {0x1B, 1250, 852},  {0x1C, 1250, 852}, {0x1D, 1252, 850}, {0x1E, 874, 874},
    {0x1F, 1254, 857}, {0x20, 1256, 720},  {0x21, 1252, 850}, {0x22, 1251, 866}, {0x23, 1251, 866},
    {0x24, 1250, 852}, {0x25, 1257, 775},  {0x26, 1257, 775}, {0x27, 1257, 775}, {0x28, 1251, 866},
    {0x29, 1256, 720}, {0x2A, 1258, 1258}, {0x2B, 0, 1},      {0x2C, 1254, 857}, {0x2D, 1252, 850},
    {0x2E, 1252, 850}, {0x2F, 1251, 866},  {0x32, 1252, 850}, {0x34, 1252, 850}, {0x35, 1252, 850},
    {0x36, 1252, 850}, {0x37, 0, 1},       {0x38, 1252, 850}, {0x39, 0, 1},      {0x3A, 0, 1},
    {0x3B, 1252, 850}, {0x3C, 1252, 850},  {0x3E, 1252, 850}, {0x3F, 1251, 866}, {0x40, 1251, 866},
    {0x41, 1252, 437}, {0x42, 1250, 852},  {0x43, 1254, 857}, {0x44, 1251, 866}, {0x45, 0, 1},
    {0x46, 0, 1},      {0x47, 0, 1},       {0x48, 0, 1},      {0x49, 0, 1},      {0x4A, 0, 1},
    {0x4B, 0, 1},      {0x4C, 0, 1},       {0x4D, 0, 1},      {0x4E, 0, 1},      {0x4F, 0, 1},
    {0x50, 1251, 866}, {0x51, 0, 1},       {0x52, 1252, 850}, {0x53, 0, 1},      {0x54, 0, 1},
    {0x56, 1252, 850}, {0x57, 0, 1},       {0x5A, 0, 1},      {0x5B, 0, 1},      {0x5D, 0, 1},
    {0x5E, 0, 1},      {0x5F, 1252, 850},  {0x61, 0, 1},      {0x62, 1252, 850}, {0x63, 0, 1},
    {0x64, 1252, 437}, {0x65, 0, 1},       {0x68, 1252, 437}, {0x6A, 1252, 437}, {0x6B, 1252, 850},
    {0x6C, 1252, 850}, {0x6D, 1251, 866},  {0x6E, 1252, 850}, {0x6F, 1252, 850}, {0x70, 1252, 437},
    {0x78, 0, 1},      {0x7A, 1252, 850},  {0x7C, 1252, 850}, {0x7E, 1252, 850}, {0x7F, 1252, 437},
    {0x80, 1256, 720}, {0x81, 0, 1},       {0x82, 1252, 850}, {0x83, 1252, 850}, {0x84, 1252, 850},
    {0x85, 1251, 866}, {0x86, 1252, 850},  {0x87, 1252, 437}, {0x88, 1252, 850}, {0x8C, 1256, 720},
    {0x91, 1252, 850}, {0x92, 1256, 720},
};

// The few locales whose code pages differ from their primary language's.
struct LocaleCodePages {
  uint16_t lcid;
  uint16_t ansi;
  uint16_t oem;
};

constexpr LocaleCodePages kLocaleExceptions[] = {
    {0x0409, 1252, 437},                                            // English (United States)
    {0x0404, 950, 950},  {0x0C04, 950, 950},  {0x1404, 950, 950},   // Chinese, traditional script
    {0x0C1A, 1251, 855}, {0x1C1A, 1251, 855}, {0x201A, 1251, 855},  // Serbian and Bosnian, Cyrillic
    {0x281A, 1251, 855}, {0x301A, 1251, 855},                       //
    {0x082C, 1251, 866},                                            // Azeri, Cyrillic
    {0x0843, 1251, 866},                                            // Uzbek, Cyrillic
    {0x0850, 0, 1},                                                 // Mongolian, traditional script
    {0x085D, 1252, 437},                                            // Inuktitut, Latin
};

bool LocaleCodePagesOf(uint32_t lcid, uint32_t& ansi, uint32_t& oem) {
  for (const auto& e : kLocaleExceptions) {
    if (e.lcid == (lcid & 0xFFFF)) {
      ansi = e.ansi;
      oem = e.oem;
      return true;
    }
  }
  const uint32_t primary = PRIMARYLANGID(lcid);
  for (const auto& e : kLanguageCodePages) {
    if (e.primary == primary) {
      ansi = e.ansi;
      oem = e.oem;
      return true;
    }
  }
  return false;
}

std::string IcuLocaleOf(uint32_t lcid) {
  char buf[ULOC_FULLNAME_CAPACITY] = {};
  UErrorCode err = U_ZERO_ERROR;
  const int32_t n = uloc_getLocaleForLCID(lcid, buf, sizeof buf, &err);
  if (U_FAILURE(err) || n <= 0 || err == U_STRING_NOT_TERMINATED_WARNING) return {};
  if (std::strcmp(buf, "root") == 0) return {};
  return std::string(buf, static_cast<std::size_t>(n));
}

uint32_t LcidOfIcuName(const std::string& name) {
  if (name.empty()) return 0;
  uint32_t lcid = uloc_getLCID(name.c_str());
  if (lcid != 0 && SUBLANGID(lcid) != 0) return lcid;
  // A bare language (or a name with a script ICU does not pair with an LCID): take its likely country.
  char full[ULOC_FULLNAME_CAPACITY] = {};
  UErrorCode err = U_ZERO_ERROR;
  uloc_addLikelySubtags(name.c_str(), full, sizeof full, &err);
  if (U_FAILURE(err)) return lcid;
  char lang[ULOC_LANG_CAPACITY] = {};
  char script[ULOC_SCRIPT_CAPACITY] = {};
  char country[ULOC_COUNTRY_CAPACITY] = {};
  uloc_getLanguage(full, lang, sizeof lang, &err);
  uloc_getScript(full, script, sizeof script, &err);
  uloc_getCountry(full, country, sizeof country, &err);
  if (U_FAILURE(err)) return lcid;
  const std::string withScript = std::string(lang) + "_" + script + "_" + country;
  const std::string withoutScript = std::string(lang) + "_" + country;
  for (const std::string& candidate : {withScript, withoutScript}) {
    const uint32_t v = uloc_getLCID(candidate.c_str());
    if (v != 0 && SUBLANGID(v) != 0) return v;
  }
  return lcid;
}

uint32_t DefaultLcidFromEnvironment() {
  for (const char* var : {"LC_ALL", "LC_CTYPE", "LANG"}) {
    const char* v = std::getenv(var);
    if (v && *v) return LCIDFromPosixLocale(v);
  }
  return 0x0409;
}

UnicodeString FromUChars(const UChar* s, int32_t n) {
  return UnicodeString(reinterpret_cast<const char16_t*>(s), static_cast<std::size_t>(std::max(n, 0)));
}

using DisplayFn = int32_t (*)(const char*, const char*, UChar*, int32_t, UErrorCode*);

bool Display(DisplayFn fn, const std::string& locale, const char* inLocale, UnicodeString& out) {
  UChar buf[512];
  UErrorCode err = U_ZERO_ERROR;
  const int32_t n = fn(locale.c_str(), inLocale, buf, 512, &err);
  if (U_FAILURE(err) || err == U_USING_DEFAULT_WARNING) return false;
  out = FromUChars(buf, std::min(n, 512));
  return true;
}

bool NumberSymbol(const std::string& locale, UNumberFormatSymbol which, UnicodeString& out) {
  UErrorCode err = U_ZERO_ERROR;
  UNumberFormat* fmt = unum_open(UNUM_DECIMAL, nullptr, 0, locale.c_str(), nullptr, &err);
  if (U_FAILURE(err)) return false;
  UChar buf[64];
  const int32_t n = unum_getSymbol(fmt, which, buf, 64, &err);
  unum_close(fmt);
  if (U_FAILURE(err)) return false;
  out = FromUChars(buf, std::min(n, 64));
  return true;
}

bool CurrencyCode(const std::string& locale, UChar (&iso)[4]) {
  UErrorCode err = U_ZERO_ERROR;
  const int32_t n = ucurr_forLocale(locale.c_str(), iso, 4, &err);
  return U_SUCCESS(err) && n == 3;
}

bool LocaleValue(uint32_t lcid, uint32_t lctype, UnicodeString& out) {
  lcid = ResolveLCID(lcid);
  const std::string locale = lcid == LOCALE_INVARIANT ? std::string("en_US_POSIX") : IcuLocaleOf(lcid);
  if (locale.empty()) return false;
  uint32_t ansi = 0;
  uint32_t oem = 0;
  switch (lctype) {
    case LOCALE_IDEFAULTANSICODEPAGE:
    case LOCALE_IDEFAULTCODEPAGE:
      if (!LocaleCodePagesOf(lcid, ansi, oem)) {
        ansi = 0;
        oem = 1;
      }
      out = UIntToStr(lctype == LOCALE_IDEFAULTANSICODEPAGE ? ansi : oem);
      return true;
    case LOCALE_SLANGUAGE:
      return Display(uloc_getDisplayName, locale, "en", out);
    case LOCALE_SENGLANGUAGE:
      return Display(uloc_getDisplayLanguage, locale, "en", out);
    case LOCALE_SNATIVELANGNAME:
      return Display(uloc_getDisplayLanguage, locale, locale.c_str(), out);
    case LOCALE_SCOUNTRY:
    case LOCALE_SENGCOUNTRY:
      return Display(uloc_getDisplayCountry, locale, "en", out);
    case LOCALE_SNATIVECTRYNAME:
      return Display(uloc_getDisplayCountry, locale, locale.c_str(), out);
    case LOCALE_SCURRENCY: {
      UChar iso[4] = {};
      if (!CurrencyCode(locale, iso)) return false;
      UErrorCode err = U_ZERO_ERROR;
      UBool isChoice = false;
      int32_t len = 0;
      const UChar* name = ucurr_getName(iso, locale.c_str(), UCURR_SYMBOL_NAME, &isChoice, &len, &err);
      if (U_FAILURE(err) || !name) return false;
      out = FromUChars(name, len);
      return true;
    }
    case LOCALE_SINTLSYMBOL: {
      UChar iso[4] = {};
      if (!CurrencyCode(locale, iso)) return false;
      out = FromUChars(iso, 3);
      return true;
    }
    case LOCALE_SDECIMAL:
      return NumberSymbol(locale, UNUM_DECIMAL_SEPARATOR_SYMBOL, out);
    case LOCALE_STHOUSAND:
      return NumberSymbol(locale, UNUM_GROUPING_SEPARATOR_SYMBOL, out);
    case LOCALE_SISO639LANGNAME: {
      char buf[ULOC_LANG_CAPACITY] = {};
      UErrorCode err = U_ZERO_ERROR;
      uloc_getLanguage(locale.c_str(), buf, sizeof buf, &err);
      if (U_FAILURE(err)) return false;
      out = UTF8ToUTF16(buf);
      return true;
    }
    case LOCALE_SISO3166CTRYNAME: {
      char buf[ULOC_COUNTRY_CAPACITY] = {};
      UErrorCode err = U_ZERO_ERROR;
      uloc_getCountry(locale.c_str(), buf, sizeof buf, &err);
      if (U_FAILURE(err)) return false;
      out = UTF8ToUTF16(buf);
      return true;
    }
    case LOCALE_SNAME:
      out = LCIDToLocaleName(lcid);
      std::replace(out.begin(), out.end(), u'_', u'-');
      return true;
    default:
      return false;
  }
}

}  // namespace

uint32_t GetUserDefaultLCID() {
  // The environment is read once: the user's locale does not change while the process runs.
  static const uint32_t lcid = DefaultLcidFromEnvironment();
  return lcid;
}

uint32_t LCIDFromPosixLocale(const char* value) {
  if (!value) return 0x0409;
  const std::string name(value, std::strcspn(value, ".@"));
  if (name.empty() || name == "C" || name == "POSIX") return 0x0409;
  const uint32_t lcid = LcidOfIcuName(name);
  return lcid != 0 ? lcid : 0x0409;
}

uint32_t ResolveLCID(uint32_t lcid) {
  if (lcid == 0 || lcid == LOCALE_USER_DEFAULT || lcid == LOCALE_SYSTEM_DEFAULT) return GetUserDefaultLCID();
  return lcid;
}

UnicodeString LCIDToLocaleName(uint32_t lcid) {
  const std::string name = IcuLocaleOf(lcid);
  // Keywords such as "@collation=traditional" belong to the locale, not to its name.
  return UTF8ToUTF16(std::string_view(name).substr(0, name.find('@')));
}

uint32_t LocaleNameToLCID(const UnicodeString& name) {
  std::string s = UTF16ToUTF8(name);
  if (s.empty()) return 0;
  if (s.find('-') != std::string::npos) {
    char buf[ULOC_FULLNAME_CAPACITY] = {};
    UErrorCode err = U_ZERO_ERROR;
    int32_t parsed = 0;
    uloc_forLanguageTag(s.c_str(), buf, sizeof buf, &parsed, &err);
    if (U_FAILURE(err) || parsed <= 0) return 0;
    s = buf;
  }
  return LcidOfIcuName(s);
}

bool IsValidLCID(uint32_t lcid) {
  if (lcid == LOCALE_INVARIANT) return true;
  if (lcid > 0xFFFF || PRIMARYLANGID(lcid) == LANG_NEUTRAL) return false;
  return !IcuLocaleOf(lcid).empty();
}

uint32_t GetACP() {
  return gAnsiCodePage.load(std::memory_order_relaxed);
}

void SetACP(uint32_t codePage) {
  gAnsiCodePage.store(codePage, std::memory_order_relaxed);
}

uint32_t GetOEMCP() {
  return 437;
}

uint32_t LocaleAnsiCodePage(uint32_t lcid) {
  uint32_t ansi = 0;
  uint32_t oem = 1;
  LocaleCodePagesOf(ResolveLCID(lcid), ansi, oem);
  return ansi;
}

uint32_t LocaleOemCodePage(uint32_t lcid) {
  uint32_t ansi = 0;
  uint32_t oem = 1;
  LocaleCodePagesOf(ResolveLCID(lcid), ansi, oem);
  return oem;
}

int GetLocaleInfoW(uint32_t lcid, uint32_t lctype, WideChar* data, int cchData) {
  if (cchData < 0 || (cchData > 0 && !data)) return FailWith(ERROR_INVALID_PARAMETER);
  const bool asNumber = lctype & LOCALE_RETURN_NUMBER;
  lctype &= ~(LOCALE_RETURN_NUMBER | LOCALE_NOUSEROVERRIDE);
  UnicodeString value;
  if (!IsValidLCID(ResolveLCID(lcid)) || !LocaleValue(lcid, lctype, value))
    return FailWith(ERROR_INVALID_PARAMETER);
  if (asNumber) {
    if (lctype != LOCALE_IDEFAULTANSICODEPAGE && lctype != LOCALE_IDEFAULTCODEPAGE)
      return FailWith(ERROR_INVALID_FLAGS);
    const auto number = static_cast<uint32_t>(StrToInt64Def(value, 0));
    const WideChar units[2] = {static_cast<WideChar>(number & 0xFFFF), static_cast<WideChar>(number >> 16)};
    return DeliverUnits(units, 2, data, cchData);
  }
  value.push_back(0);
  return DeliverUnits(value.data(), value.size(), data, cchData);
}

UnicodeString GetLocaleString(uint32_t lcid, uint32_t lctype) {
  UnicodeString value;
  if (!IsValidLCID(ResolveLCID(lcid)) || !LocaleValue(lcid, lctype, value)) return {};
  return value;
}

}  // namespace lx
