#include "lexcore/platform/win_chartypes.h"

#include <unicode/uchar.h>
#include <unicode/uset.h>
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

// The Unicode properties a code point's class is made of.
struct TProperties {
  int8_t category = U_UNASSIGNED;
  bool upper = false, lower = false, white = false, alphabetic = false;
};

TProperties PropertiesOf(char32_t c) {
  const auto cp = static_cast<UChar32>(c);
  return {u_charType(cp), u_hasBinaryProperty(cp, UCHAR_UPPERCASE) != 0,
          u_hasBinaryProperty(cp, UCHAR_LOWERCASE) != 0, u_isUWhiteSpace(cp) != 0, u_isUAlphabetic(cp) != 0};
}

// The platform's class of a code point with properties p. Combining marks get no C1_ALPHA here; the word
// classes add it.
uint16_t Type1Of(char32_t c, const TProperties& p) {
  const int8_t category = p.category;
  if (category == U_UNASSIGNED) return 0;
  uint16_t t = C1_DEFINED;
  const uint32_t mask = U_MASK(category);
  if (category == U_SURROGATE) return t;  // a lone half of a pair is no character
  // Beyond Latin-1, symbols and other numbers are merely defined: no punctuation, and no letter or case
  // flags even where Unicode gives them (circled letters).
  if (c > 0xFF && (mask & (U_GC_S_MASK | U_GC_NO_MASK))) return t;
  if (category == U_TITLECASE_LETTER) {
    t |= C1_UPPER | C1_LOWER;
  } else if (category != U_LETTER_NUMBER) {  // Roman numerals are letters without case
    if (p.upper) t |= C1_UPPER;
    if (p.lower && category != U_MODIFIER_LETTER) t |= C1_LOWER;
  }
  if (category == U_DECIMAL_DIGIT_NUMBER || c == 0xB2 || c == 0xB3 || c == 0xB9) t |= C1_DIGIT;
  if (p.white) t |= C1_SPACE;
  if (mask & (U_GC_P_MASK | U_GC_S_MASK | U_GC_NO_MASK)) {
    t |= C1_PUNCT;
  } else if (mask & (U_GC_CC_MASK | U_GC_CF_MASK)) {
    t |= C1_CNTRL;
  }
  if (c == 0xAA || c == 0xBA || c == 0xB5) t |= C1_PUNCT;  // feminine and masculine ordinals, micro sign
  // The typographic spaces and the Ogham space mark are spaces but not blanks; the byte-order mark is one.
  const bool typographicSpace = (c >= 0x2000 && c <= 0x200A) || c == 0x1680;
  if ((category == U_SPACE_SEPARATOR && !typographicSpace) || c == u'\t' || c == 0xFEFF) t |= C1_BLANK;
  if (IsHexDigit(c)) t |= C1_XDIGIT;
  if (p.alphabetic && !(mask & U_GC_M_MASK)) t |= C1_ALPHA;
  return t;
}

// The word class of a code point of general category `category` whose platform class is t.
uint16_t WordType1(int8_t category, uint16_t t) {
  // Vowel signs, viramas and accents inside a word keep the word whole.
  return (U_MASK(category) & U_GC_M_MASK) ? t | C1_ALPHA : t;
}

uint16_t ComputeType1(char32_t c) {
  return Type1Of(c, PropertiesOf(c));
}

uint16_t ComputeWordType1(char32_t c) {
  const TProperties p = PropertiesOf(c);
  return WordType1(p.category, Type1Of(c, p));
}

struct Tables {
  std::unique_ptr<uint16_t[]> platform;
  std::unique_ptr<uint16_t[]> words;
};

std::once_flag gTableOnce;
Tables gTables;

// Sets the flag of every code point of the Basic Multilingual Plane the property holds for, range by range.
void MarkProperty(UProperty property, bool TProperties::*flag, std::vector<TProperties>& props) {
  UErrorCode err = U_ZERO_ERROR;
  const USet* set = u_getBinaryPropertySet(property, &err);
  if (U_FAILURE(err) || !set) {
    for (char32_t c = 0; c < 0x10000; ++c)
      props[c].*flag = u_hasBinaryProperty(static_cast<UChar32>(c), property) != 0;
    return;
  }
  const int32_t ranges = uset_getRangeCount(set);
  for (int32_t r = 0; r < ranges; ++r) {
    UChar32 first = 0, last = -1;
    err = U_ZERO_ERROR;
    uset_getItem(set, r, &first, &last, nullptr, 0, &err);
    for (UChar32 c = first; c <= std::min<UChar32>(last, 0xFFFF); ++c)
      props[static_cast<std::size_t>(c)].*flag = true;
  }
}

// The tables are made from the properties' ranges rather than by asking for each property of each code
// point, which would cost every command that classifies text some milliseconds before its first character.
const Tables& BmpTables() {
  std::call_once(gTableOnce, [] {
    std::vector<TProperties> props(0x10000);
    u_enumCharTypes(
        [](const void* context, UChar32 start, UChar32 limit, UCharCategory category) -> UBool {
          auto& p = *static_cast<std::vector<TProperties>*>(const_cast<void*>(context));
          for (UChar32 c = start; c < std::min<UChar32>(limit, 0x10000); ++c)
            p[static_cast<std::size_t>(c)].category = static_cast<int8_t>(category);
          return limit < 0x10000;
        },
        &props);
    MarkProperty(UCHAR_UPPERCASE, &TProperties::upper, props);
    MarkProperty(UCHAR_LOWERCASE, &TProperties::lower, props);
    MarkProperty(UCHAR_WHITE_SPACE, &TProperties::white, props);
    MarkProperty(UCHAR_ALPHABETIC, &TProperties::alphabetic, props);
    gTables.platform = std::make_unique<uint16_t[]>(65536);
    gTables.words = std::make_unique<uint16_t[]>(65536);
    for (char32_t c = 0; c < 65536; ++c) {
      gTables.platform[c] = Type1Of(c, props[c]);
      gTables.words[c] = WordType1(props[c].category, gTables.platform[c]);
    }
  });
  return gTables;
}

void ClassifyUnits(const WideChar* src, std::size_t n, uint16_t* out, bool words) {
  const uint16_t* table = words ? BmpTables().words.get() : BmpTables().platform.get();
  for (std::size_t i = 0; i < n; ++i) {
    const char16_t u = src[i];
    if (U16_IS_LEAD(u) && i + 1 < n && U16_IS_TRAIL(src[i + 1])) {
      // Both halves of a pair carry the class of the character they make.
      const char32_t c = U16_GET_SUPPLEMENTARY(u, src[i + 1]);
      const uint16_t t = words ? ComputeWordType1(c) : ComputeType1(c);
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

namespace {

bool ClassifyWide(const WideChar* src, int count, uint16_t* charType, bool words) {
  const std::size_t n =
      count == -1 ? std::char_traits<char16_t>::length(src) : static_cast<std::size_t>(count);
  ClassifyUnits(src, n, charType, words);
  return true;
}

bool ClassifyBytes(uint32_t lcid, const char* src, int count, uint16_t* charType, bool words) {
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
  if (!text.empty()) ClassifyUnits(text.data(), text.size(), unitTypes.data(), words);
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

}  // namespace

uint16_t ComputedCharClass(char32_t c, bool words) {
  return words ? ComputeWordType1(c) : ComputeType1(c);
}

uint16_t CharType1(char32_t c) {
  if (c < 0x10000) return BmpTables().platform[c];
  if (c > 0x10FFFF) return 0;
  return ComputeType1(c);
}

bool GetStringTypeExW(uint32_t, uint32_t infoType, const WideChar* src, int count, uint16_t* charType) {
  return CheckTypeArguments(infoType, src, count, charType) && ClassifyWide(src, count, charType, false);
}

bool GetStringTypeExA(uint32_t lcid, uint32_t infoType, const char* src, int count, uint16_t* charType) {
  return CheckTypeArguments(infoType, src, count, charType) &&
         ClassifyBytes(lcid, src, count, charType, false);
}

bool GetWordClassesW(const WideChar* src, int count, uint16_t* charType) {
  return CheckTypeArguments(CT_CTYPE1, src, count, charType) && ClassifyWide(src, count, charType, true);
}

const uint16_t* WordClassesOfUnits() {
  return BmpTables().words.get();
}

bool GetWordClassesA(uint32_t lcid, const char* src, int count, uint16_t* charType) {
  return CheckTypeArguments(CT_CTYPE1, src, count, charType) &&
         ClassifyBytes(lcid, src, count, charType, true);
}

}  // namespace lx
