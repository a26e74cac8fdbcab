// Small helpers shared by the fuzz targets: carving typed values and texts out of the input bytes.
#pragma once

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "lexcore/rtl/lx_streams.h"
#include "lexcore/rtl/lx_types.h"

namespace lx::fuzz {

// Takes values from the front of the input; once it runs dry every value is zero and every text empty.
class ByteReader {
 public:
  ByteReader(const uint8_t* data, std::size_t size) : data_(data), size_(size) {}

  std::size_t Left() const { return size_ - pos_; }
  template <typename T>
  T Take() {
    T v{};
    const std::size_t n = Left() < sizeof(T) ? Left() : sizeof(T);
    if (n) std::memcpy(&v, data_ + pos_, n);
    pos_ += n;
    return v;
  }
  uint8_t Byte() { return Take<uint8_t>(); }
  bool Bool() { return Byte() & 1; }
  // A byte count taken from one byte, so most of the input stays for the rest.
  std::string_view Chunk(std::size_t max = 255) {
    std::size_t n = Byte();
    if (n > max) n = max;
    return Bytes(n);
  }
  std::string_view Bytes(std::size_t n) {
    if (n > Left()) n = Left();
    const std::string_view s(reinterpret_cast<const char*>(data_ + pos_), n);
    pos_ += n;
    return s;
  }
  std::string_view Rest() { return Bytes(Left()); }

 private:
  const uint8_t* data_;
  std::size_t size_;
  std::size_t pos_ = 0;
};

// A path for this process's scratch file or folder, removed when the process ends: in memory (/dev/shm)
// where the system has it, because targets that save durably would otherwise wait on the disk for every
// input, long enough under load to count as a hang.
inline std::string ScratchPath(const std::string& stem, const std::string& extension = "") {
  struct TScratch {
    std::vector<std::string> paths;
    ~TScratch() {
      std::error_code ec;
      for (const std::string& p : paths) std::filesystem::remove_all(p, ec);
    }
  };
  static TScratch scratch;
  std::error_code ec;
  const bool inMemory = std::filesystem::is_directory("/dev/shm", ec) && ::access("/dev/shm", W_OK) == 0;
  std::string path = std::string(inMemory ? "/dev/shm" : "/tmp") + "/lexmill-fuzz-" + stem + "-" +
                     std::to_string(::getpid()) + extension;
  scratch.paths.push_back(path);
  return path;
}

// Bytes read as UTF-16 units (a trailing odd byte is dropped), so that lone surrogates and every other unit
// can reach the code under test.
inline UnicodeString AsUTF16(std::string_view bytes) {
  UnicodeString s(bytes.size() / 2, u'\0');
  if (!s.empty()) std::memcpy(s.data(), bytes.data(), s.size() * 2);
  return s;
}

// A memory stream holding the bytes, positioned at its start.
inline void FillStream(TMemoryStream& stream, std::string_view bytes) {
  if (!bytes.empty()) stream.WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
  stream.SetPosition(0);
}

}  // namespace lx::fuzz
