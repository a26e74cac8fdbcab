#include "lexcore/text/bare_assemb.h"

#include <bit>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include <cstring>
#include <type_traits>

#include "lexcore/rtl/lx_strings.h"

namespace lx {

const WideChar* UnicodeSigned(const WideChar* buffer) {
  if (buffer && (buffer[0] == 0xFEFF || buffer[0] == 0xFFFE)) return buffer;
  return nullptr;
}

const WideChar* UnicodeByteReversed(const WideChar* buffer) {
  if (buffer && buffer[0] == 0xFFFE) return buffer;
  return nullptr;
}

void StrSwapByteOrder(WideChar* buffer) {
  if (!buffer) return;
  for (; *buffer; ++buffer) *buffer = static_cast<WideChar>((*buffer << 8) | (*buffer >> 8));
}

namespace {

template <typename C>
int PosIn(const C* text, const C* sub, int len) {
  if (!text || !sub || len < 1) return -1;
  const int subLen = static_cast<int>(StrLen(sub));
  if (subLen == 0 || subLen > len) return -1;
  const C first = sub[0];
  const int last = len - subLen;
  for (int i = 0; i <= last; ++i) {
    if (text[i] != first) continue;
    int k = 1;
    while (k < subLen && text[i + k] == sub[k]) ++k;
    if (k == subLen) return i;
  }
  return -1;
}

template <typename C>
int IPosIn(const C* text, const C* upper, const C* lower, int len) {
  if (!text || !upper || !lower || len < 1) return -1;
  const int subLen = static_cast<int>(StrLen(upper));
  if (subLen == 0 || subLen > len || static_cast<int>(StrLen(lower)) != subLen) return -1;
  const int last = len - subLen;
  for (int i = 0; i <= last; ++i) {
    int k = 0;
    while (k < subLen && (text[i + k] == upper[k] || text[i + k] == lower[k])) ++k;
    if (k == subLen) return i;
  }
  return -1;
}

template <typename C>
int ScanIn(const C* buf, C c, int len) {
  if (!buf) return -1;
  for (int i = 0; i < len; ++i)
    if (buf[i] == c) return i;
  return -1;
}

template <typename C>
void ReplaceIn(C* buf, C c1, C c2, int len) {
  if (!buf) return;
  for (int i = 0; i < len; ++i)
    if (buf[i] == c1) buf[i] = c2;
}

template <typename C>
void ControlsToSpace(C* buf, int len) {
  if (!buf) return;
  for (int i = 0; i < len; ++i)
    if (static_cast<std::make_unsigned_t<C>>(buf[i]) < 32) buf[i] = ' ';
}

template <typename C>
void CarriageReturnsToSpace(C* buf, int len) {
  if (!buf) return;
  for (int i = 0; i < len; ++i) {
    if (buf[i] != 13) continue;
    buf[i] = ' ';
    if (i + 1 < len && buf[i + 1] == 10) buf[++i] = ' ';
  }
}

template <typename C>
void Fill(C* buf, int n, C c) {
  if (!buf) return;
  for (int i = 0; i < n; ++i) buf[i] = c;
}

template <typename C>
int HowFar(const C* a, const C* b, int n) {
  if (!a || !b) return n > 0 ? n : 0;
  for (int i = 0; i < n; ++i)
    if (a[i] != b[i]) return n - (i + 1);
  return 0;
}

template <typename C>
bool Equal(const C* a, const C* b, int n) {
  if (n > 0 && (!a || !b)) return false;
  for (int i = 0; i < n; ++i)
    if (a[i] != b[i]) return false;
  return true;
}

template <typename C>
int CountOf(const C* buf, int n, C c) {
  if (!buf) return 0;
  int count = 0;
  for (int i = 0; i < n; ++i) count += buf[i] == c;
  return count;
}

}  // namespace

int FastStrPos(const char* text, const char* sub, int len) {
  return PosIn(text, sub, len);
}
int FastStrPosW(const WideChar* text, const WideChar* sub, int len) {
  return PosIn(text, sub, len);
}
int FastStrIPos(const char* text, const char* subUpper, const char* subLower, int len) {
  return IPosIn(text, subUpper, subLower, len);
}
int FastStrIPosW(const WideChar* text, const WideChar* subUpper, const WideChar* subLower, int len) {
  return IPosIn(text, subUpper, subLower, len);
}
int FastStrScan(const char* buf, char c, int len) {
  if (!buf || len < 1) return -1;
  const void* hit = std::memchr(buf, static_cast<unsigned char>(c), static_cast<std::size_t>(len));
  return hit ? static_cast<int>(static_cast<const char*>(hit) - buf) : -1;
}
int FastStrScanW(const WideChar* buf, WideChar c, int len) {
  if (!buf) return -1;
  int i = 0;
#if defined(__SSE2__)
  // Eight units at a time; the tail goes one by one.
  const __m128i wanted = _mm_set1_epi16(static_cast<short>(c));
  for (; i + 8 <= len; i += 8) {
    const __m128i units = _mm_loadu_si128(reinterpret_cast<const __m128i*>(buf + i));
    const int mask = _mm_movemask_epi8(_mm_cmpeq_epi16(units, wanted));
    if (mask) return i + std::countr_zero(static_cast<unsigned>(mask)) / 2;
  }
#endif
  const int rest = ScanIn(buf + i, c, len - i);
  return rest < 0 ? -1 : i + rest;
}

int SearchAndReplaceFastW(WideChar* buf, const WideChar* oldText, const WideChar* newText, int len,
                          int oldLen) {
  if (!buf || !oldText || !newText || oldLen < 1 || len < oldLen) return 0;
  int count = 0;
  for (int i = 0; i <= len - oldLen;) {
    if (buf[i] == oldText[0] && Equal(buf + i, oldText, oldLen)) {
      std::memcpy(buf + i, newText, sizeof(WideChar) * oldLen);
      i += oldLen;
      ++count;
    } else {
      ++i;
    }
  }
  return count;
}

void ReplaceChar1ByChar2(char* buf, char c1, char c2, int len) {
  ReplaceIn(buf, c1, c2, len);
}
void ReplaceChar1ByChar2W(WideChar* buf, WideChar c1, WideChar c2, int len) {
  ReplaceIn(buf, c1, c2, len);
}
void ReplaceCharacterBySpace(char* buf, char c, int len) {
  ReplaceIn(buf, c, ' ', len);
}
void ReplaceCharacterBySpaceW(WideChar* buf, WideChar c, int len) {
  ReplaceIn(buf, c, u' ', len);
}
void ReplaceControlCharsBySpaceA(char* buf, int len) {
  ControlsToSpace(buf, len);
}
void ReplaceControlCharsBySpaceW(WideChar* buf, int len) {
  ControlsToSpace(buf, len);
}
void ReplaceCarriageReturnsBySpaceA(char* buf, int len) {
  CarriageReturnsToSpace(buf, len);
}
void ReplaceCarriageReturnsBySpaceW(WideChar* buf, int len) {
  CarriageReturnsToSpace(buf, len);
}
void ReplaceTabsBySpace(char* buf, int len) {
  ReplaceIn(buf, '\t', ' ', len);
}
void ReplaceTabsBySpace(WideChar* buf, int len) {
  ReplaceIn(buf, u'\t', u' ', len);
}

void BlankOutSomeBytesA(char* buf, int n) {
  Fill(buf, n, ' ');
}
void BlankOutSomeBytesW(WideChar* buf, int n) {
  Fill(buf, n, u' ');
}
void ZeroSomeBytesW(WideChar* buf, int n) {
  Fill(buf, n, u'\0');
}

bool EqualContentsA(const char* a, const char* b, int n) {
  return Equal(a, b, n);
}
bool EqualContentsW(const WideChar* a, const WideChar* b, int n) {
  return Equal(a, b, n);
}
int HowFarEqualContentsA(const char* a, const char* b, int n) {
  return HowFar(a, b, n);
}
int HowFarEqualContentsW(const WideChar* a, const WideChar* b, int n) {
  return HowFar(a, b, n);
}

int Chr13sInPAnsichar(const char* buf, int n) {
  return CountOf(buf, n, '\r');
}
int Chr13sInPChar(const WideChar* buf, int n) {
  return CountOf(buf, n, u'\r');
}
int WideChrsInPChar(const WideChar* buf, int n, WideChar c) {
  return CountOf(buf, n, c);
}

uint16_t My2Checksum(const WideChar* buf, int n) {
  uint16_t sum = 0;
  if (!buf) return 0;
  for (int i = 0; i < n; ++i) sum = static_cast<uint16_t>(sum + buf[i]);
  return sum;
}

uint32_t My4Checksum(const void* buf, int nBytes) {
  if (!buf || nBytes < 4) return 0;
  const auto* p = static_cast<const uint8_t*>(buf);
  uint32_t sum = 0;
  const int units = nBytes / 4;
  for (int i = 0; i < units; ++i, p += 4)
    sum += uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
  return sum;
}

uint32_t CheckSumOfABufferful(const void* buf, int nBytes) {
  return My4Checksum(buf, nBytes);
}

}  // namespace lx
