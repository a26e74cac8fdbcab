// UTF-8 signatures, character counts and the test that decides whether bytes may be read as UTF-8.
#pragma once

#include <cstdint>
#include <string_view>

#include "lexcore/rtl/lx_types.h"

namespace lx {

constexpr char UTF8_signature[3] = {'\xEF', '\xBB', '\xBF'};

// The three signature bytes as a string.
RawByteString UTF8SignatureAsUTF8String();

// True when the zero-terminated bytes start with EF BB BF; false for null.
bool IsUTF8SignatureA(const char* bytes);
// The same test on the first three bytes of a zero-terminated 16-bit buffer (little-endian units); false when
// it is null or shorter than 2 characters.
bool IsUTF8SignatureW(const WideChar* buffer);
bool IsUTF8Signature(uint8_t b1, uint8_t b2, uint8_t b3);

// Characters of a UTF-8 byte string, counted by lead bytes; a stray continuation byte, FE/FF or a last
// sequence that runs past the end gives up and returns the byte length.
int UTF8LengthInChars(std::string_view bytes);

// Whether the bytes may be taken as UTF-8. The first valid multi-byte sequence settles it (IsAllPlain
// becomes false); plain ASCII answers true with IsAllPlain true; an invalid or cut sequence answers false.
// Yields to the host once per byte.
bool CheckedUTF(std::string_view bytes, bool& IsAllPlain);

}  // namespace lx
