// Locale identifiers (LCIDs), locale information and the code pages that go with each locale.
#pragma once

#include <cstdint>

#include "lexcore/rtl/lx_types.h"

namespace lx {

// Primary languages (low 10 bits of an LCID).
constexpr uint32_t LANG_NEUTRAL = 0x00;
constexpr uint32_t LANG_INVARIANT = 0x7F;
constexpr uint32_t LANG_ARABIC = 0x01;
constexpr uint32_t LANG_BULGARIAN = 0x02;
constexpr uint32_t LANG_CHINESE = 0x04;
constexpr uint32_t LANG_CZECH = 0x05;
constexpr uint32_t LANG_DANISH = 0x06;
constexpr uint32_t LANG_GERMAN = 0x07;
constexpr uint32_t LANG_GREEK = 0x08;
constexpr uint32_t LANG_ENGLISH = 0x09;
constexpr uint32_t LANG_SPANISH = 0x0A;
constexpr uint32_t LANG_FINNISH = 0x0B;
constexpr uint32_t LANG_FRENCH = 0x0C;
constexpr uint32_t LANG_HEBREW = 0x0D;
constexpr uint32_t LANG_HUNGARIAN = 0x0E;
constexpr uint32_t LANG_ITALIAN = 0x10;
constexpr uint32_t LANG_JAPANESE = 0x11;
constexpr uint32_t LANG_KOREAN = 0x12;
constexpr uint32_t LANG_DUTCH = 0x13;
constexpr uint32_t LANG_POLISH = 0x15;
constexpr uint32_t LANG_PORTUGUESE = 0x16;
constexpr uint32_t LANG_ROMANIAN = 0x18;
constexpr uint32_t LANG_RUSSIAN = 0x19;
constexpr uint32_t LANG_SERBIAN = 0x1A;  // shared with Croatian and Bosnian
constexpr uint32_t LANG_SWEDISH = 0x1D;
constexpr uint32_t LANG_THAI = 0x1E;
constexpr uint32_t LANG_TURKISH = 0x1F;
constexpr uint32_t LANG_UKRAINIAN = 0x22;
constexpr uint32_t LANG_LITHUANIAN = 0x27;
constexpr uint32_t LANG_PERSIAN = 0x29;
constexpr uint32_t LANG_VIETNAMESE = 0x2A;
constexpr uint32_t LANG_AZERI = 0x2C;
constexpr uint32_t LANG_HINDI = 0x39;

constexpr uint32_t SUBLANG_NEUTRAL = 0x00;
constexpr uint32_t SUBLANG_DEFAULT = 0x01;

constexpr uint32_t LOCALE_USER_DEFAULT = 0x0400;
constexpr uint32_t LOCALE_SYSTEM_DEFAULT = 0x0800;
constexpr uint32_t LOCALE_INVARIANT = 0x007F;

// Locale information types.
constexpr uint32_t LOCALE_SLANGUAGE = 0x0002;
constexpr uint32_t LOCALE_SNATIVELANGNAME = 0x0004;
constexpr uint32_t LOCALE_SCOUNTRY = 0x0006;
constexpr uint32_t LOCALE_SNATIVECTRYNAME = 0x0008;
constexpr uint32_t LOCALE_IDEFAULTCODEPAGE = 0x000B;
constexpr uint32_t LOCALE_SDECIMAL = 0x000E;
constexpr uint32_t LOCALE_STHOUSAND = 0x000F;
constexpr uint32_t LOCALE_SCURRENCY = 0x0014;
constexpr uint32_t LOCALE_SINTLSYMBOL = 0x0015;
constexpr uint32_t LOCALE_SISO639LANGNAME = 0x0059;
constexpr uint32_t LOCALE_SISO3166CTRYNAME = 0x005A;
constexpr uint32_t LOCALE_SNAME = 0x005C;
constexpr uint32_t LOCALE_SENGLANGUAGE = 0x1001;
constexpr uint32_t LOCALE_SENGCOUNTRY = 0x1002;
constexpr uint32_t LOCALE_IDEFAULTANSICODEPAGE = 0x1004;
// Modifiers of a locale information type: the value as a 32-bit number in two characters of the buffer (for
// numeric types), and no user overrides (there are none here).
constexpr uint32_t LOCALE_RETURN_NUMBER = 0x20000000;
constexpr uint32_t LOCALE_NOUSEROVERRIDE = 0x80000000;

constexpr uint32_t PRIMARYLANGID(uint32_t lcid) {
  return lcid & 0x3FFu;
}
constexpr uint32_t SUBLANGID(uint32_t lcid) {
  return (lcid & 0xFFFFu) >> 10;
}
constexpr uint32_t MAKELANGID(uint32_t primary, uint32_t sub) {
  return (sub << 10) | primary;
}

// The user's locale, taken from LC_ALL, LC_CTYPE or LANG ("tr_TR.UTF-8" -> 0x041F); 0x0409 when none is set
// or the name is not known.
uint32_t GetUserDefaultLCID();
// The LCID of a POSIX locale value such as "tr_TR.UTF-8" or "de_DE@euro"; 0x0409 for "C", "POSIX", empty or
// unknown names.
uint32_t LCIDFromPosixLocale(const char* value);
// Resolves LOCALE_USER_DEFAULT, LOCALE_SYSTEM_DEFAULT and 0 to the user's locale; other values unchanged.
uint32_t ResolveLCID(uint32_t lcid);

// ICU locale name of an LCID ("tr_TR"); empty when the LCID is not known.
UnicodeString LCIDToLocaleName(uint32_t lcid);
// LCID of a locale name ("tr_TR", "tr-TR", "tr"); 0 when not known.
uint32_t LocaleNameToLCID(const UnicodeString& name);
bool IsValidLCID(uint32_t lcid);

// The process ANSI code page (a setting, default 1252) and the OEM code page (437).
uint32_t GetACP();
void SetACP(uint32_t codePage);
uint32_t GetOEMCP();

// Default code pages of a locale; 0 (ANSI) and 1 (OEM) for locales that have only Unicode.
uint32_t LocaleAnsiCodePage(uint32_t lcid);
uint32_t LocaleOemCodePage(uint32_t lcid);

// Writes the value and a terminating zero; returns the characters written including the zero, the size
// needed when cchData is 0, and 0 on failure (last error 87 for an unknown LCID or type or a bad buffer,
// 122 when the buffer is too small).
int GetLocaleInfoW(uint32_t lcid, uint32_t lctype, WideChar* data, int cchData);
// The same value as a string; empty on failure.
UnicodeString GetLocaleString(uint32_t lcid, uint32_t lctype);

}  // namespace lx
