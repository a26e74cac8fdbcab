#include "lexcore/text/WinGenOk.h"

#include <bitset>
#include <cstring>

#include "lexcore/platform/win_platform.h"
#include "lexcore/rtl/lx_strings.h"

namespace lx {

namespace {

// A locale value read as an integer; def when the platform has none.
uint32_t LocaleNumber(LCID lcid, uint32_t lctype, uint32_t def) {
  WideChar buf[16];
  if (GetLocaleInfoW(lcid, lctype, buf, 16) == 0) return def;
  int32_t value;
  if (!TryStrToInt(std::u16string_view(buf), value) || value < 0) return def;
  return static_cast<uint32_t>(value);
}

UnicodeString Mapped(LCID lcid, uint32_t flags, const UnicodeString& s) {
  if (s.empty()) return s;
  UnicodeString out(s.size(), u'\0');
  const int n = LCMapStringW(lcid, flags | LCMAP_LINGUISTIC_CASING, s.data(), static_cast<int>(s.size()),
                             out.data(), static_cast<int>(out.size()));
  out.resize(n > 0 ? n : 0);
  return out;
}

void MapInPlace(LCID lcid, uint32_t flags, void* buffer, bool isWide) {
  if (!buffer) return;
  flags |= LCMAP_LINGUISTIC_CASING;
  if (isWide) {
    auto* w = static_cast<WideChar*>(buffer);
    const int n = static_cast<int>(StrLen(w));
    if (n > 0) LCMapStringW(lcid, flags, w, n, w, n);
  } else {
    auto* a = static_cast<char*>(buffer);
    const int n = static_cast<int>(std::strlen(a));
    if (n > 0) LCMapStringA(lcid, flags, a, n, a, n);
  }
}

template <std::size_t N>
std::bitset<N> LanguageSet(std::initializer_list<unsigned> members) {
  std::bitset<N> set;
  for (unsigned m : members) set.set(m);
  return set;
}

const std::bitset<112> kCombining =
    LanguageSet<112>({0x01, 0x1E, 0x29, 0x39, 0x45, 0x47, 0x48, 0x49, 0x4A, 0x4B, 0x4C, 0x51, 0x53, 0x54,
                      0x5B, 0x5E, 0x61, 0x63, 0x6A});
const std::bitset<104> kUnicodeOnly =
    LanguageSet<104>({0x01, 0x04, 0x0D, 0x11, 0x12, 0x1E, 0x29, 0x2A, 0x63});

}  // namespace

uint32_t CodePageFromLocale(LCID lcid) {
  return LocaleNumber(lcid, LOCALE_IDEFAULTANSICODEPAGE, GetACP());
}

uint32_t WindowsCodepageFromLCID(LCID lcid) {
  return LocaleNumber(lcid, LOCALE_IDEFAULTANSICODEPAGE, 0);
}

uint32_t DOSCodepageFromLCID(LCID lcid) {
  return LocaleNumber(lcid, LOCALE_IDEFAULTCODEPAGE, 0);
}

UnicodeString Lowercase(LCID lcid, const UnicodeString& s) {
  return Mapped(lcid, LCMAP_LOWERCASE, s);
}
UnicodeString Uppercase(LCID lcid, const UnicodeString& s) {
  return Mapped(lcid, LCMAP_UPPERCASE, s);
}
void LowercaseIt(LCID lcid, WideChar* buffer) {
  MapInPlace(lcid, LCMAP_LOWERCASE, buffer, true);
}
void UppercaseIt(LCID lcid, WideChar* buffer) {
  MapInPlace(lcid, LCMAP_UPPERCASE, buffer, true);
}
void WinLowerCased(LCID lcid, void* buffer, bool isWide) {
  MapInPlace(lcid, LCMAP_LOWERCASE, buffer, isWide);
}
void WinUpperCased(LCID lcid, void* buffer, bool isWide) {
  MapInPlace(lcid, LCMAP_UPPERCASE, buffer, isWide);
}
void Capitalise(LCID lcid, void* buffer, bool isWide) {
  WinUpperCased(lcid, buffer, isWide);
}

bool GetStringTypeExNT2000(bool isWide, LCID lcid, uint32_t infoType, uint16_t* classArray, int length,
                           const void* buffer) {
  if (!classArray || !buffer || length < 0) return false;
  if (length == 0) return true;
  if (infoType == CT_CTYPE1)
    return isWide ? GetWordClassesW(static_cast<const WideChar*>(buffer), length, classArray)
                  : GetWordClassesA(lcid, static_cast<const char*>(buffer), length, classArray);
  return isWide ? GetStringTypeExW(lcid, infoType, static_cast<const WideChar*>(buffer), length, classArray)
                : GetStringTypeExA(lcid, infoType, static_cast<const char*>(buffer), length, classArray);
}

bool LanguageHasCombiningCharacters(LCID lcid) {
  const uint32_t primary = PRIMARYLANGID(lcid);
  return primary < kCombining.size() && kCombining.test(primary);
}

bool LanguageRequiresUnicode(LCID lcid) {
  const uint32_t primary = PRIMARYLANGID(lcid);
  return primary < kUnicodeOnly.size() && kUnicodeOnly.test(primary);
}

}  // namespace lx
