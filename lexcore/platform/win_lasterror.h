// The calling thread's last-error value, set by the locale and conversion services when they fail.
#pragma once

#include <cstdint>

namespace lx {

constexpr uint32_t ERROR_SUCCESS = 0;
constexpr uint32_t ERROR_INVALID_PARAMETER = 87;
constexpr uint32_t ERROR_INSUFFICIENT_BUFFER = 122;
constexpr uint32_t ERROR_INVALID_FLAGS = 1004;
constexpr uint32_t ERROR_NO_UNICODE_TRANSLATION = 1113;

uint32_t GetLastError();
void SetLastError(uint32_t code);

}  // namespace lx
