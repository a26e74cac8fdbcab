#include "lexcore/platform/win_casemap.h"

#include <unicode/uchar.h>
#include <unicode/utf16.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "lexcore/platform/win_buffers.h"
#include "lexcore/platform/win_codepages.h"
#include "lexcore/platform/win_compose.h"
#include "lexcore/platform/win_lasterror.h"
#include "lexcore/platform/win_locale.h"
#include "lexcore/rtl/lx_exceptions.h"

namespace lx {

namespace {

bool TurkicCasing(uint32_t lcid, uint32_t flags) {
  if (!(flags & LCMAP_LINGUISTIC_CASING)) return false;
  const uint32_t primary = PRIMARYLANGID(ResolveLCID(lcid));
  return primary == LANG_TURKISH || primary == LANG_AZERI;
}

// The plain tables leave alone the characters whose other case does not map back to them: dotless i, final
// sigma, long s, micro sign, titlecase digraphs and the Greek symbol variants in upper case; dotted capital
// I, capital sharp s, the Kelvin and Angstrom signs and the capital theta symbol in lower case.
bool KeptByPlainCasing(UChar32 c, bool upper) {
  if (upper) {
    switch (c) {
      case 0x0131:
      case 0x03C2:
      case 0x017F:
      case 0x00B5:
      case 0x01C5:
      case 0x01C8:
      case 0x01CB:
      case 0x01F2:
      case 0x03D0:
      case 0x03D1:
      case 0x03D5:
      case 0x03D6:
      case 0x03F0:
      case 0x03F1:
      case 0x03F5:
      case 0x0345:
        return true;
      default:
        return false;
    }
  }
  return c == 0x0130 || c == 0x1E9E || c == 0x212A || c == 0x212B || c == 0x03F4;
}

UChar32 MapCodePoint(UChar32 c, bool upper, bool turkic, bool linguistic) {
  if (turkic) {
    if (upper && c == u'i') return 0x130;
    if (!upper && c == u'I') return 0x131;
    if (!upper && c == 0x130) return u'i';
  }
  if (!linguistic && KeptByPlainCasing(c, upper)) return c;
  return upper ? u_toupper(c) : u_tolower(c);
}

// Maps in place, one code point at a time; a mapping that would change the number of units is not taken,
// so callers may map a buffer where it lies.
void MapUnits(char16_t* s, std::size_t n, bool upper, bool turkic, bool linguistic) {
  for (std::size_t i = 0; i < n;) {
    UChar32 c;
    const std::size_t start = i;
    U16_NEXT(s, i, n, c);
    const UChar32 m = MapCodePoint(c, upper, turkic, linguistic);
    if (m == c || U16_LENGTH(m) != static_cast<int32_t>(i - start)) continue;
    if (U16_LENGTH(m) == 1) {
      s[start] = static_cast<char16_t>(m);
    } else {
      s[start] = U16_LEAD(m);
      s[start + 1] = U16_TRAIL(m);
    }
  }
}

bool CaseFlags(uint32_t flags, bool& upper) {
  const uint32_t known = LCMAP_LOWERCASE | LCMAP_UPPERCASE | LCMAP_LINGUISTIC_CASING;
  if ((flags & ~known) != 0) return false;
  const bool lower = flags & LCMAP_LOWERCASE;
  upper = flags & LCMAP_UPPERCASE;
  return lower != upper;
}

}  // namespace

int LCMapStringW(uint32_t lcid, uint32_t flags, const WideChar* src, int srcLen, WideChar* dst, int dstLen) {
  bool upper = false;
  if (!CheckBufferArguments(src, srcLen, dst, dstLen)) return 0;
  if (!CaseFlags(flags, upper)) return FailWith(ERROR_INVALID_FLAGS);
  const std::size_t n = SourceUnits(src, srcLen);
  const int written = DeliverUnits(src, n, dst, dstLen);
  if (written > 0 && dstLen > 0)
    MapUnits(dst, n, upper, TurkicCasing(lcid, flags), (flags & LCMAP_LINGUISTIC_CASING) != 0);
  return written;
}

int LCMapStringA(uint32_t lcid, uint32_t flags, const char* src, int srcLen, char* dst, int dstLen) {
  bool upper = false;
  if (!CheckBufferArguments(src, srcLen, dst, dstLen)) return 0;
  if (!CaseFlags(flags, upper)) return FailWith(ERROR_INVALID_FLAGS);
  const std::size_t n = SourceUnits(src, srcLen);
  if (dstLen == 0) return DeliverUnits(src, n, dst, dstLen);
  uint32_t cp = LocaleAnsiCodePage(lcid);
  if (cp == 0) cp = GetACP();
  const bool turkic = TurkicCasing(lcid, flags);
  std::string result(src, n);
  UnicodeString text;
  std::vector<int32_t> offsets;
  try {
    DecodeCodePage(cp, result, text, &offsets);
    // Each changed character is written back only when it encodes, without loss, to as many bytes as it
    // had: a letter whose other case the code page lacks stays as it is.
    std::string encoded;
    for (std::size_t i = 0; i < text.size();) {
      const std::size_t unitStart = i;
      UChar32 c;
      U16_NEXT(text.data(), i, text.size(), c);
      const UChar32 m = MapCodePoint(c, upper, turkic, (flags & LCMAP_LINGUISTIC_CASING) != 0);
      if (m == c) continue;
      const auto byteStart = static_cast<std::size_t>(offsets[unitStart]);
      const std::size_t byteEnd = i < text.size() ? static_cast<std::size_t>(offsets[i]) : n;
      if (byteEnd <= byteStart) continue;
      char16_t units[2];
      const std::size_t len = U16_LENGTH(m);
      if (len == 1) {
        units[0] = static_cast<char16_t>(m);
      } else {
        units[0] = U16_LEAD(m);
        units[1] = U16_TRAIL(m);
      }
      if (EncodeCodePage(cp, std::u16string_view(units, len), encoded, nullptr)) continue;
      if (encoded.size() != byteEnd - byteStart) continue;
      result.replace(byteStart, encoded.size(), encoded);
    }
  } catch (const EConvertError&) {
    return FailWith(ERROR_INVALID_PARAMETER);
  }
  return DeliverUnits(result.data(), n, dst, dstLen);
}

int FoldStringW(uint32_t mapFlags, const WideChar* src, int srcLen, WideChar* dst, int dstLen) {
  if (!CheckBufferArguments(src, srcLen, dst, dstLen)) return 0;
  if (dstLen > 0 && dst == src) return FailWith(ERROR_INVALID_PARAMETER);
  const uint32_t known = MAP_FOLDCZONE | MAP_PRECOMPOSED | MAP_COMPOSITE | MAP_FOLDDIGITS;
  if (mapFlags == 0 || (mapFlags & ~known) != 0 ||
      ((mapFlags & MAP_PRECOMPOSED) && (mapFlags & MAP_COMPOSITE)))
    return FailWith(ERROR_INVALID_FLAGS);
  const std::size_t n = SourceUnits(src, srcLen);
  UnicodeString s(src, n);
  if (mapFlags & MAP_FOLDDIGITS) {
    for (auto& c : s) {
      const int32_t d = u_charDigitValue(c);
      if (d >= 0 && d <= 9 && u_charType(c) == U_DECIMAL_DIGIT_NUMBER) c = static_cast<char16_t>(u'0' + d);
    }
  }
  if (mapFlags & MAP_FOLDCZONE)
    s = (mapFlags & MAP_COMPOSITE) ? DecomposeCompatibility(s) : ComposeCompatibility(s);
  else if (mapFlags & MAP_COMPOSITE)
    s = DecomposeCanonical(s);
  else if (mapFlags & MAP_PRECOMPOSED)
    ComposeCombiningSequences(s);
  return DeliverUnits(s.data(), s.size(), dst, dstLen);
}

}  // namespace lx
