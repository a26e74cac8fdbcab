// Writing and reading the packed little-endian byte image of a stored record, field by field, so that the
// stored layout never depends on the compiler's padding.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <type_traits>

#include "lexcore/rtl/lx_streams.h"

namespace lx {

// Fills a caller's buffer of known size from the start. Writing past the end is a programming error.
class TByteImageWriter {
 public:
  TByteImageWriter(uint8_t* buffer, std::size_t size) : buf_(buffer), size_(size) {
    std::memset(buf_, 0, size_);
  }

  template <typename T>
  void Put(const T& value) {
    static_assert(std::is_trivially_copyable_v<T>);
    PutBytes(&value, sizeof(T));
  }
  void PutBytes(const void* src, std::size_t n) {
    LX_ASSERT(pos_ + n <= size_, "byte image overflow");
    std::memcpy(buf_ + pos_, src, n);
    pos_ += n;
  }
  // Reserved and padding bytes are written as zero.
  void Zeros(std::size_t n) {
    LX_ASSERT(pos_ + n <= size_, "byte image overflow");
    pos_ += n;
  }
  std::size_t Position() const { return pos_; }

 private:
  uint8_t* buf_;
  std::size_t size_;
  std::size_t pos_ = 0;
};

class TByteImageReader {
 public:
  TByteImageReader(const uint8_t* buffer, std::size_t size) : buf_(buffer), size_(size) {}

  template <typename T>
  void Get(T& value) {
    static_assert(std::is_trivially_copyable_v<T>);
    GetBytes(&value, sizeof(T));
  }
  void GetBytes(void* dest, std::size_t n) {
    LX_ASSERT(pos_ + n <= size_, "byte image overrun");
    std::memcpy(dest, buf_ + pos_, n);
    pos_ += n;
  }
  void Skip(std::size_t n) {
    LX_ASSERT(pos_ + n <= size_, "byte image overrun");
    pos_ += n;
  }
  std::size_t Position() const { return pos_; }

 private:
  const uint8_t* buf_;
  std::size_t size_;
  std::size_t pos_ = 0;
};

}  // namespace lx
