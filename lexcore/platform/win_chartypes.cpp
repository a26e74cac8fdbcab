#include "lexcore/platform/win_chartypes.h"

#include <unicode/uchar.h>
#include <unicode/utf16.h>

#include <algorithm>
#include <memory>
#include <mutex>
#include <vector>

#include "lexcore/platform/win_buffers.h"
#include "lexcore/platform/win_codepages.h"
#include "lexcore/platform/win_lasterror.h"
#include "lexcore/platform/win_locale.h"
#include "lexcore/rtl/lx_exceptions.h"

namespace lx {

namespace {

bool IsHexDigit(char32_t c) {
  return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F') ||
         (c >= 0xFF10 && c <= 0xFF19) || (c >= 0xFF21 && c <= 0xFF26) || (c >= 0xFF41 && c <= 0xFF46);
}

uint16_t ComputeType1(char32_t c) {
  const auto cp = static_cast<UChar32>(c);
  const int8_t category = u_charType(cp);
  if (category == U_UNASSIGNED) return 0;
  uint16_t t = C1_DEFINED;
  const uint32_t mask = U_MASK(category);
  if (category == U_SURROGATE) return t;  // a lone half of a pair is no character
  if (u_hasBinaryProperty(cp, UCHAR_UPPERCASE) || category == U_TITLECASE_LETTER) t |= C1_UPPER;
  if (u_hasBinaryProperty(cp, UCHAR_LOWERCASE)) t |= C1_LOWER;
  if (category == U_DECIMAL_DIGIT_NUMBER) t |= C1_DIGIT;
  if (u_isUWhiteSpace(cp)) t |= C1_SPACE;
  if (c == 0xAD) {
    t |= C1_PUNCT;  // the soft hyphen is format but behaves as a hyphen
  } else if (mask & (U_GC_P_MASK | U_GC_S_MASK | U_GC_NO_MASK)) {
    t |= C1_PUNCT;
  } else if (mask & (U_GC_CC_MASK | U_GC_CF_MASK)) {
    t |= C1_CNTRL;
  }
  if (category == U_SPACE_SEPARATOR || c == u'\t') t |= C1_BLANK;
  if (IsHexDigit(c)) t |= C1_XDIGIT;
  // Combining marks are letters: vowel signs, viramas and accents inside a word keep the word whole.
  if (u_isUAlphabetic(cp) || (mask & U_GC_M_MASK)) t |= C1_ALPHA;
  return t;
}

std::once_flag gTableOnce;
std::unique_ptr<uint16_t[]> gTable;

const uint16_t* BmpTable() {
  std::call_once(gTableOnce, [] {
    gTable = std::make_unique<uint16_t[]>(65536);
    for (char32_t c = 0; c < 65536; ++c) gTable[c] = ComputeType1(c);
  });
  return gTable.get();
}

void ClassifyUnits(const WideChar* src, std::size_t n, uint16_t* out) {
  const uint16_t* table = BmpTable();
  for (std::size_t i = 0; i < n; ++i) {
    const char16_t u = src[i];
    if (U16_IS_LEAD(u) && i + 1 < n && U16_IS_TRAIL(src[i + 1])) {
      // Both halves of a pair carry the class of the character they make.
      const uint16_t t = ComputeType1(U16_GET_SUPPLEMENTARY(u, src[i + 1]));
      out[i] = t;
      out[++i] = t;
      continue;
    }
    out[i] = table[u];
  }
}

// Answers false with the last error set unless the arguments are usable.
bool CheckTypeArguments(uint32_t infoType, const void* src, int count, const uint16_t* charType) {
  if (!src || !charType || count < -1 || count == 0) return FailWith(ERROR_INVALID_PARAMETER) != 0;
  if (infoType != CT_CTYPE1) return FailWith(ERROR_INVALID_FLAGS) != 0;
  return true;
}

}  // namespace

uint16_t CharType1(char32_t c) {
  if (c < 0x10000) return BmpTable()[c];
  if (c > 0x10FFFF) return 0;
  return ComputeType1(c);
}

bool GetStringTypeExW(uint32_t, uint32_t infoType, const WideChar* src, int count, uint16_t* charType) {
  if (!CheckTypeArguments(infoType, src, count, charType)) return false;
  const std::size_t n =
      count == -1 ? std::char_traits<char16_t>::length(src) : static_cast<std::size_t>(count);
  ClassifyUnits(src, n, charType);
  return true;
}

bool GetStringTypeExA(uint32_t lcid, uint32_t infoType, const char* src, int count, uint16_t* charType) {
  if (!CheckTypeArguments(infoType, src, count, charType)) return false;
  const std::size_t n = count == -1 ? std::char_traits<char>::length(src) : static_cast<std::size_t>(count);
  uint32_t cp = LocaleAnsiCodePage(lcid);
  if (cp == 0) cp = GetACP();
  UnicodeString text;
  std::vector<int32_t> offsets;
  try {
    DecodeCodePage(cp, std::string_view(src, n), text, &offsets);
  } catch (const EConvertError&) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return false;
  }
  std::vector<uint16_t> unitTypes(text.size());
  if (!text.empty()) ClassifyUnits(text.data(), text.size(), unitTypes.data());
  // Every byte takes the class of the character it belongs to; bytes that made no character (shift
  // sequences) are defined only.
  for (std::size_t b = 0; b < n; ++b) charType[b] = C1_DEFINED;
  std::size_t end = n;
  for (std::size_t i = text.size(); i-- > 0;) {
    const std::size_t start = std::min<std::size_t>(static_cast<std::size_t>(offsets[i]), n);
    if (start >= end) continue;
    for (std::size_t b = start; b < end; ++b) charType[b] = unitTypes[i];
    end = start;
  }
  return true;
}

}  // namespace lx
