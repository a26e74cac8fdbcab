// Writing and reading the packed little-endian byte image of a stored record, field by field, so that the
// stored layout never depends on the compiler's padding. Both classes offer Field and Pad, so one layout
// function template, instantiated with either, describes a record's image for writing and reading alike.
#pragma once

#include <array>
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
  bool AtEnd() const { return pos_ >= size_; }

  template <typename T>
  void Field(const T& value) {
    Put(value);
  }
  void Pad(std::size_t n) { Zeros(n); }

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
  bool AtEnd() const { return pos_ >= size_; }

  template <typename T>
  void Field(T& value) {
    Get(value);
  }
  void Pad(std::size_t n) { Skip(n); }

 private:
  const uint8_t* buf_;
  std::size_t size_;
  std::size_t pos_ = 0;
};

// Counts the bytes that a layout describes, so that a stored size can be checked at compile time.
class TByteImageSizer {
 public:
  template <typename T>
  constexpr void Field(const T&) {
    size_ += sizeof(T);
  }
  constexpr void Pad(std::size_t n) { size_ += n; }
  constexpr bool AtEnd() const { return false; }
  constexpr std::size_t Position() const { return size_; }

 private:
  std::size_t size_ = 0;
};

template <typename R, typename Layout>
constexpr std::size_t ByteImageSize(Layout layout) {
  TByteImageSizer sizer;
  R rec{};
  layout(sizer, rec);
  return sizer.Position();
}

// Whether the layout describes exactly n bytes. clang 14 cannot build a record that holds a library string in
// a constant expression; g++ checks those records' sizes.
template <typename R, typename Layout>
constexpr bool ByteImageSizeIs(Layout layout, std::size_t n) {
#if defined(__clang__) && defined(__GLIBCXX__)
  if constexpr (!std::is_trivially_destructible_v<R>)
    return true;
  else
#endif
    return ByteImageSize<R>(layout) == n;
}

// The N-byte image of rec as layout(writer, rec) describes it; the layout must fill the image exactly.
template <std::size_t N, typename R, typename Layout>
std::array<uint8_t, N> WriteByteImage(const R& rec, Layout layout) {
  std::array<uint8_t, N> image;
  TByteImageWriter w(image.data(), N);
  layout(w, rec);
  LX_ASSERT(w.Position() == N, "byte image size");
  return image;
}

// Fills rec from the first size bytes of image as layout(reader, rec) describes them.
template <typename R, typename Layout>
void ReadByteImage(const uint8_t* image, std::size_t size, R& rec, Layout layout) {
  TByteImageReader r(image, size);
  layout(r, rec);
}

}  // namespace lx
