#include "lexcore/text/UTF8_unit.h"

#include <cstring>

#include "lexcore/rtl/lx_yield.h"

namespace lx {

RawByteString UTF8SignatureAsUTF8String() {
  return RawByteString(UTF8_signature, 3);
}

bool IsUTF8Signature(uint8_t b1, uint8_t b2, uint8_t b3) {
  return b1 == 0xEF && b2 == 0xBB && b3 == 0xBF;
}

bool IsUTF8SignatureA(const char* bytes) {
  if (!bytes) return false;
  // Checking each byte before the next keeps a short zero-terminated buffer from being over-read.
  const auto* b = reinterpret_cast<const uint8_t*>(bytes);
  return b[0] == 0xEF && b[1] == 0xBB && b[2] == 0xBF;
}

bool IsUTF8SignatureW(const WideChar* buffer) {
  if (!buffer || buffer[0] == 0 || buffer[1] == 0) return false;
  return IsUTF8Signature(buffer[0] & 0xFF, buffer[0] >> 8, buffer[1] & 0xFF);
}

int UTF8LengthInChars(std::string_view bytes) {
  const auto* b = reinterpret_cast<const uint8_t*>(bytes.data());
  const std::size_t n = bytes.size();
  std::size_t i = 0;
  int chars = 0;
  while (i < n) {
    const uint8_t c = b[i];
    std::size_t len;
    if (c < 0x80)
      len = 1;
    else if ((c & 0xE0) == 0xC0)
      len = 2;
    else if ((c & 0xF0) == 0xE0)
      len = 3;
    else if ((c & 0xF8) == 0xF0)
      len = 4;
    else if ((c & 0xFC) == 0xF8)
      len = 5;
    else if ((c & 0xFE) == 0xFC)
      len = 6;
    else
      return static_cast<int>(n);
    if (len > n - i) return static_cast<int>(n);
    i += len;
    ++chars;
  }
  return chars;
}

namespace {

// Trailing bytes announced by each lead byte.
constexpr uint8_t kTrailing[256] = {
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,  //
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,  //
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,  //
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,  //
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,  //
    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,  //
    1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1,  //
    2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 3, 3, 3, 3, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5};

inline bool IsTrail(uint8_t c) {
  return c >= 0x80 && c <= 0xBF;
}

bool LegalSequence(const uint8_t* s, std::size_t len) {
  if (len > 4) return false;
  if (len == 4 && !IsTrail(s[3])) return false;
  if (len >= 3 && !IsTrail(s[2])) return false;
  if (len >= 2) {
    const uint8_t c = s[1];
    if (!IsTrail(c)) return false;
    if (s[0] == 0xE0 && c < 0xA0) return false;
    if (s[0] == 0xF0 && c < 0x90) return false;
    if (s[0] == 0xF4 && c > 0x8F) return false;
  }
  return !(s[0] >= 0x80 && s[0] <= 0xC1) && s[0] <= 0xF4;
}

}  // namespace

bool CheckedUTF(std::string_view bytes, bool& IsAllPlain) {
  IsAllPlain = true;
  const auto* b = reinterpret_cast<const uint8_t*>(bytes.data());
  const std::size_t n = bytes.size();
  std::size_t i = 0;
  while (i < n) {
    if (!Global_YieldProcessProc) {
      // Nobody to yield to: skip a run of ASCII eight bytes at a time.
      while (n - i >= 8) {
        uint64_t w;
        std::memcpy(&w, b + i, 8);
        if (w & 0x8080808080808080ull) break;
        i += 8;
      }
      while (i < n && b[i] < 0x80) ++i;
      if (i >= n) break;
    } else {
      MyYieldProcess();
    }
    const std::size_t trailing = kTrailing[b[i]];
    if (trailing >= n - i) return false;
    if (!LegalSequence(b + i, trailing + 1)) return false;
    if (trailing > 0) {
      IsAllPlain = false;
      return true;
    }
    ++i;
  }
  return true;
}

}  // namespace lx
