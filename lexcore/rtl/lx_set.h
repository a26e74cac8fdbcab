// A set of one-byte enumeration members whose stored width is fixed (Bytes bytes, little-endian bit order).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>

namespace lx {

template <typename E, std::size_t Bytes>
class Set {
 public:
  static constexpr std::size_t kBits = Bytes * 8;

  constexpr Set() = default;
  constexpr Set(std::initializer_list<E> members) {
    for (E m : members) Include(m);
  }

  constexpr bool Contains(E m) const {
    const auto i = static_cast<std::size_t>(m);
    return i < kBits && (bytes_[i / 8] >> (i % 8)) & 1u;
  }
  constexpr void Include(E m) {
    const auto i = static_cast<std::size_t>(m);
    if (i < kBits) bytes_[i / 8] = static_cast<uint8_t>(bytes_[i / 8] | (1u << (i % 8)));
  }
  constexpr void Exclude(E m) {
    const auto i = static_cast<std::size_t>(m);
    if (i < kBits) bytes_[i / 8] = static_cast<uint8_t>(bytes_[i / 8] & ~(1u << (i % 8)));
  }
  constexpr bool Empty() const {
    for (uint8_t b : bytes_)
      if (b) return false;
    return true;
  }
  constexpr void Clear() { bytes_ = {}; }

  constexpr Set operator+(const Set& o) const {
    Set r;
    for (std::size_t i = 0; i < Bytes; ++i) r.bytes_[i] = bytes_[i] | o.bytes_[i];
    return r;
  }
  constexpr Set operator-(const Set& o) const {
    Set r;
    for (std::size_t i = 0; i < Bytes; ++i) r.bytes_[i] = bytes_[i] & ~o.bytes_[i];
    return r;
  }
  constexpr Set operator*(const Set& o) const {
    Set r;
    for (std::size_t i = 0; i < Bytes; ++i) r.bytes_[i] = bytes_[i] & o.bytes_[i];
    return r;
  }
  constexpr bool operator==(const Set& o) const = default;

  // The stored image: Bytes bytes, member n at bit n % 8 of byte n / 8.
  constexpr const std::array<uint8_t, Bytes>& Image() const { return bytes_; }
  constexpr std::array<uint8_t, Bytes>& Image() { return bytes_; }

 private:
  std::array<uint8_t, Bytes> bytes_{};
};

}  // namespace lx
