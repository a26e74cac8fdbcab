// Locale services over the platform layer: code pages of a locale, locale-sensitive case mapping, the
// character-class array and the language sets.
#pragma once

#include <cstdint>

#include "lexcore/rtl/lx_types.h"

namespace lx {

// The locale's default ANSI code page; the process code page when the locale does not say.
uint32_t CodePageFromLocale(LCID lcid);
// The same value, 0 when the locale does not say.
uint32_t WindowsCodepageFromLCID(LCID lcid);
// The locale's OEM (DOS) code page, 0 when the locale does not say.
uint32_t DOSCodepageFromLCID(LCID lcid);

// Case mapping by the rules of the locale (Turkish dotted and dotless i included).
UnicodeString Lowercase(LCID lcid, const UnicodeString& s);
UnicodeString Uppercase(LCID lcid, const UnicodeString& s);
// In place on a zero-terminated 16-bit buffer.
void LowercaseIt(LCID lcid, WideChar* buffer);
void UppercaseIt(LCID lcid, WideChar* buffer);
// In place on a zero-terminated 8-bit (code page of the locale) or 16-bit buffer. Capitalise upper-cases the
// whole buffer, as WinUpperCased does.
void WinLowerCased(LCID lcid, void* buffer, bool isWide);
void WinUpperCased(LCID lcid, void* buffer, bool isWide);
void Capitalise(LCID lcid, void* buffer, bool isWide);

// Fills length flag words of classArray from the 8-bit or 16-bit buffer; true when the platform call
// succeeded. The two spare words after them are left alone.
bool GetStringTypeExNT2000(bool isWide, LCID lcid, uint32_t infoType, uint16_t* classArray, int length,
                           const void* buffer);

// By primary language (the low 10 bits of an LCID).
bool LanguageHasCombiningCharacters(LCID lcid);
bool LanguageRequiresUnicode(LCID lcid);

}  // namespace lx
