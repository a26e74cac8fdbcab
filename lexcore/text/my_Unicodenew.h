// Unicode helpers: zero-width (non-)joiners in the class array and canonical composition.
#pragma once

#include <cstdint>

#include "lexcore/rtl/lx_exceptions.h"
#include "lexcore/rtl/lx_types.h"

namespace lx {

// A failed platform call; Message is the platform's "System Error.  Code: n." text.
class EOSError : public Exception {
 public:
  EOSError(uint32_t code, const UnicodeString& message) : Exception(message), ErrorCode(code) {}
  uint32_t ErrorCode;
};
// Raises EOSError for the given platform error code.
[[noreturn]] void RaiseOSError(uint32_t code);

// Every U+200D gets class 0x0200 (defined, no letter); returns 8205.
int SetZeroWidthJoinersToDefined(const WideChar* text, uint16_t* classArray, int length);
// Every U+200C gets class 0x0300 (defined letter), so words joined by it stay one word; returns 8204.
int SetZeroWidthNonJoinersToDefinedAlpha(const WideChar* text, uint16_t* classArray, int length);

// Canonical composition by the platform. Raises EOSError when the platform refuses (errors 87, 122, 1004).
UnicodeString EnsurePrecomposed(const UnicodeString& s);

}  // namespace lx
