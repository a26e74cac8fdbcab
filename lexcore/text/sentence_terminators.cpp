#include "lexcore/text/sentence_terminators.h"

#include <unicode/uchar.h>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include <algorithm>

#include "lexcore/platform/win_chartypes.h"
#include "lexcore/text/bare_assemb3.h"

namespace lx {

const std::array<WideChar, 3> basic_sent_terminators = {u'!', u'.', u'?'};

const std::array<WideChar, 63> other_sent_terminators = {
    0x0589, 0x061F, 0x06D4, 0x0700, 0x0701, 0x0702, 0x07F9, 0x0964, 0x0965, 0x104A, 0x104B, 0x1362, 0x1367,
    0x1368, 0x166E, 0x1803, 0x1809, 0x1944, 0x1945, 0x1AA8, 0x1AA9, 0x1AAA, 0x1AAB, 0x1B5A, 0x1B5B, 0x1B5E,
    0x1B5F, 0x1C3B, 0x1C3C, 0x1C7E, 0x1C7F, 0x203C, 0x203D, 0x2047, 0x2048, 0x2049, 0x2E2E, 0x3002, 0xA4FF,
    0xA60E, 0xA60F, 0xA6F3, 0xA6F7, 0xA876, 0xA877, 0xA8CE, 0xA8CF, 0xA92F, 0xA9C8, 0xA9C9, 0xAA5D, 0xAA5E,
    0xAA5F, 0xAAF0, 0xAAF1, 0xABEB, 0xFE52, 0xFE56, 0xFE57, 0xFF01, 0xFF0E, 0xFF1F, 0xFF61};

const std::array<WideChar, 276> punct_not_ending_sent = {
    0x037E, 0x0387, 0x055A, 0x055B, 0x055C, 0x055D, 0x055E, 0x055F, 0x05C0, 0x05C3, 0x05C6, 0x05F3, 0x05F4,
    0x0609, 0x060A, 0x060C, 0x060D, 0x061B, 0x061E, 0x066A, 0x066B, 0x066C, 0x066D, 0x0703, 0x0704, 0x0705,
    0x0706, 0x0707, 0x0708, 0x0709, 0x070A, 0x070B, 0x070C, 0x070D, 0x07F7, 0x07F8, 0x0830, 0x0831, 0x0832,
    0x0833, 0x0834, 0x0835, 0x0836, 0x0837, 0x0838, 0x0839, 0x083A, 0x083B, 0x083C, 0x083D, 0x083E, 0x0970,
    0x0DF4, 0x0E4F, 0x0E5A, 0x0E5B, 0x0F04, 0x0F05, 0x0F06, 0x0F07, 0x0F08, 0x0F09, 0x0F0A, 0x0F0B, 0x0F0C,
    0x0F0D, 0x0F0E, 0x0F0F, 0x0F10, 0x0F11, 0x0F12, 0x0F85, 0x0FD0, 0x0FD1, 0x0FD2, 0x0FD3, 0x0FD4, 0x104C,
    0x104D, 0x104E, 0x104F, 0x10FB, 0x1361, 0x1363, 0x1364, 0x1365, 0x1366, 0x166D, 0x16EB, 0x16EC, 0x16ED,
    0x1735, 0x1736, 0x17D4, 0x17D5, 0x17D6, 0x17D8, 0x17D9, 0x17DA, 0x1800, 0x1801, 0x1802, 0x1804, 0x1805,
    0x1807, 0x1808, 0x180A, 0x19DE, 0x19DF, 0x1A1E, 0x1A1F, 0x1AA0, 0x1AA1, 0x1AA2, 0x1AA3, 0x1AA4, 0x1AA5,
    0x1AA6, 0x1AAC, 0x1AAD, 0x1B5C, 0x1B5D, 0x1B60, 0x1C3D, 0x1C3E, 0x1C3F, 0x1CD3, 0x2016, 0x2017, 0x2020,
    0x2021, 0x2022, 0x2023, 0x2024, 0x2025, 0x2026, 0x2027, 0x2030, 0x2031, 0x2032, 0x2033, 0x2034, 0x2035,
    0x2036, 0x2037, 0x2038, 0x203B, 0x203E, 0x2041, 0x2042, 0x2043, 0x204A, 0x204B, 0x204C, 0x204D, 0x204E,
    0x204F, 0x2050, 0x2051, 0x2053, 0x2055, 0x2056, 0x2057, 0x2058, 0x2059, 0x205A, 0x205B, 0x205C, 0x205D,
    0x205E, 0x2CF9, 0x2CFA, 0x2CFB, 0x2CFC, 0x2CFE, 0x2CFF, 0x2E00, 0x2E01, 0x2E06, 0x2E07, 0x2E08, 0x2E0B,
    0x2E0E, 0x2E0F, 0x2E10, 0x2E11, 0x2E12, 0x2E13, 0x2E14, 0x2E15, 0x2E16, 0x2E18, 0x2E19, 0x2E1B, 0x2E1E,
    0x2E1F, 0x2E2A, 0x2E2B, 0x2E2C, 0x2E2D, 0x2E30, 0x2E31, 0x3001, 0x3003, 0x303D, 0x30FB, 0xA4FE, 0xA60D,
    0xA673, 0xA67E, 0xA6F2, 0xA6F4, 0xA6F5, 0xA6F6, 0xA874, 0xA875, 0xA8F8, 0xA8F9, 0xA8FA, 0xA92E, 0xA95F,
    0xA9C1, 0xA9C2, 0xA9C3, 0xA9C4, 0xA9C5, 0xA9C6, 0xA9C7, 0xA9CA, 0xA9CB, 0xA9CC, 0xA9CD, 0xA9DE, 0xA9DF,
    0xAA5C, 0xAADE, 0xAADF, 0xFE10, 0xFE11, 0xFE12, 0xFE13, 0xFE14, 0xFE15, 0xFE16, 0xFE19, 0xFE30, 0xFE45,
    0xFE46, 0xFE49, 0xFE4A, 0xFE4B, 0xFE4C, 0xFE50, 0xFE51, 0xFE54, 0xFE55, 0xFE5F, 0xFE60, 0xFE61, 0xFE68,
    0xFE6A, 0xFE6B, 0xFF02, 0xFF03, 0xFF05, 0xFF06, 0xFF07, 0xFF0A, 0xFF0C, 0xFF0F, 0xFF1A, 0xFF1B, 0xFF20,
    0xFF3C, 0xFF64, 0xFF65};

namespace {

bool InSortedTable(const WideChar* table, std::size_t n, WideChar c) {
  return std::binary_search(table, table + n, c);
}

// Punctuation that is never taken as a sentence end, whatever follows it.
bool NeverEndsSentence(WideChar c) {
  switch (c) {
    case u'"':
    case u'#':
    case u'%':
    case u'&':
    case u'\'':
    case u'*':
    case u',':
    case u'/':
    case u':':
    case u';':
    case u'@':
    case u'\\':
    case 0x00A1:
    case 0x00B7:
    case 0x00BF:
      return true;
    default:
      return false;
  }
}

bool IsOtherPunctuation(WideChar c) {
  if (c < 0x80) {
    switch (c) {
      case u'!':
      case u'"':
      case u'#':
      case u'%':
      case u'&':
      case u'\'':
      case u'*':
      case u',':
      case u'.':
      case u'/':
      case u':':
      case u';':
      case u'?':
      case u'@':
      case u'\\':
        return true;
      default:
        return false;
    }
  }
  return u_charType(c) == U_OTHER_PUNCTUATION;
}

// The terminators that need a capital (or anything but a lower-case letter or digit) after them. The
// horizontal ellipsis joins them: "waited\u2026 Then" ends a sentence, "I think\u2026 maybe" does not.
bool IsStrongTerminator(WideChar c) {
  return IsPotentialSentenceTerminator(c) || c == 0x2026;
}

constexpr uint16_t kLetterOrDigit = C1_ALPHA | C1_DIGIT;
constexpr uint16_t kWhite = C1_SPACE | C1_CNTRL | C1_BLANK;

}  // namespace

bool IsPotentialSentenceTerminator(WideChar c) {
  if (c < 33 || (c >= 64 && c <= 125)) return false;
  if (c < 0x80) return c == u'!' || c == u'.' || c == u'?';
  return InSortedTable(other_sent_terminators.data(), other_sent_terminators.size(), c);
}

bool IsPunctNotEndingSentence(WideChar c) {
  return InSortedTable(punct_not_ending_sent.data(), punct_not_ending_sent.size(), c);
}

void FindSentenceEnds(const WideChar* text, const uint16_t* classes, std::size_t n,
                      std::vector<TSentenceEnd>& ends) {
  for (std::size_t i = 1; i < n; ++i) {
#if defined(__SSE2__)
    // Eight characters at a time to the next punctuation mark that may end a sentence: most characters are
    // none, and of the ASCII marks only ".", "!" and "?" can.
    const __m128i look = _mm_set1_epi16(static_cast<int16_t>(C1_PUNCT | CharClassHiddenOrMarker)),
                  punct = _mm_set1_epi16(static_cast<int16_t>(C1_PUNCT)), ascii = _mm_set1_epi16(0x7F),
                  dot = _mm_set1_epi16(u'.'), bang = _mm_set1_epi16(u'!'), query = _mm_set1_epi16(u'?');
    for (; i + 8 <= n; i += 8) {
      const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(classes + i));
      const __m128i t = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text + i));
      const __m128i beyondAscii = _mm_subs_epu16(t, ascii);  // not zero beyond ASCII
      const __m128i ender = _mm_or_si128(
          _mm_or_si128(_mm_cmpeq_epi16(t, dot), _mm_cmpeq_epi16(t, bang)),
          _mm_or_si128(_mm_cmpeq_epi16(t, query),
                       _mm_xor_si128(_mm_cmpeq_epi16(beyondAscii, _mm_setzero_si128()), _mm_set1_epi16(-1))));
      const int mask =
          _mm_movemask_epi8(_mm_and_si128(_mm_cmpeq_epi16(_mm_and_si128(v, look), punct), ender));
      if (mask) {
        i += static_cast<std::size_t>(__builtin_ctz(static_cast<unsigned>(mask))) / 2;
        break;
      }
    }
    if (i >= n) break;
#endif
    const uint16_t k = classes[i];
    if (!(k & C1_PUNCT) || (k & CharClassHiddenOrMarker)) continue;
    const WideChar c = text[i];
    if (!IsOtherPunctuation(c) || (c >= 0xC0 && c != 0x2026 && IsPunctNotEndingSentence(c)) ||
        NeverEndsSentence(c))
      continue;
    if (IsStrongTerminator(c) && i + 1 < n && !(classes[i + 1] & CharClassHiddenOrMarker) &&
        (classes[i + 1] & (C1_LOWER | C1_DIGIT)))
      continue;
    // The end runs over the closing marks up to and including the first white character.
    std::size_t j = i + 1, end = i + 1;
    bool white = false;
    for (; j < n && ((classes[j] & CharClassHiddenOrMarker) || !(classes[j] & kLetterOrDigit)); ++j) {
      if (white) continue;
      end = j + 1;
      const uint16_t kj = classes[j];
      if ((kj & CharClassSegmentMarker) || (!(kj & CharClassHidden) && (kj & kWhite))) white = true;
    }
    if (j < n && (classes[j] & C1_LOWER)) {
      // Every punctuation mark before that lower-case letter meets the same letter: none of them ends.
      i = j;
      continue;
    }
    ends.push_back(TSentenceEnd{i, end});
    i = end - 1;
  }
}

}  // namespace lx
