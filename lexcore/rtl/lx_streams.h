// Streams with the runtime's semantics: Read/Write return counts, ReadBuffer/WriteBuffer raise on a short
// transfer, positions and sizes are 64-bit. Typed little-endian helpers sit below the classes.
#pragma once

#include <bit>
#include <cstdint>
#include <cstring>
#include <memory>
#include <type_traits>
#include <vector>

#include "lexcore/rtl/lx_exceptions.h"
#include "lexcore/rtl/lx_types.h"

namespace lx {

enum TSeekOrigin : uint8_t { soBeginning, soCurrent, soEnd };

class TStream {
 public:
  virtual ~TStream() = default;

  // Transfers up to count bytes and returns how many moved (0 at the end, never negative).
  virtual int64_t Read(void* buffer, int64_t count) = 0;
  virtual int64_t Write(const void* buffer, int64_t count) = 0;
  // Returns the new position. Seeking past the end is allowed; reading there returns 0 bytes.
  virtual int64_t Seek(int64_t offset, TSeekOrigin origin) = 0;

  int64_t GetPosition() { return Seek(0, soCurrent); }
  void SetPosition(int64_t pos) { Seek(pos, soBeginning); }
  virtual int64_t GetSize();
  virtual void SetSize(int64_t newSize);
  int64_t Remaining() {
    const int64_t r = GetSize() - GetPosition();
    return r > 0 ? r : 0;
  }

  // Raise EReadError "Stream read error" / EWriteError "Stream write error" on a short transfer.
  void ReadBuffer(void* buffer, int64_t count);
  void WriteBuffer(const void* buffer, int64_t count);

  // Copies count bytes from source's current position; count 0 copies the whole of source from its start.
  int64_t CopyFrom(TStream& source, int64_t count);
};

class TMemoryStream : public TStream {
 public:
  TMemoryStream() = default;

  int64_t Read(void* buffer, int64_t count) override;
  int64_t Write(const void* buffer, int64_t count) override;
  int64_t Seek(int64_t offset, TSeekOrigin origin) override;
  int64_t GetSize() override { return static_cast<int64_t>(data_.size()); }
  void SetSize(int64_t newSize) override;

  void Clear();
  uint8_t* Memory() { return data_.data(); }
  const uint8_t* Memory() const { return data_.data(); }
  const std::vector<uint8_t>& Bytes() const { return data_; }

  void LoadFromStream(TStream& source);
  void SaveToStream(TStream& dest);
  void LoadFromFile(const UnicodeString& fileName);
  void SaveToFile(const UnicodeString& fileName);

 private:
  std::vector<uint8_t> data_;
  int64_t pos_ = 0;
};

// File open modes and share modes, as the runtime numbers them.
constexpr uint16_t fmCreate = 0xFF00;
constexpr uint16_t fmOpenRead = 0x0000;
constexpr uint16_t fmOpenWrite = 0x0001;
constexpr uint16_t fmOpenReadWrite = 0x0002;
constexpr uint16_t fmShareCompat = 0x0000;
constexpr uint16_t fmShareExclusive = 0x0010;
constexpr uint16_t fmShareDenyWrite = 0x0020;
constexpr uint16_t fmShareDenyRead = 0x0030;
constexpr uint16_t fmShareDenyNone = 0x0040;

// A file opened through the POSIX descriptor interface. Share modes become advisory locks: exclusive and
// deny-read take an exclusive lock, deny-write a shared one, so two of our own processes see the same
// conflicts the share modes describe. Raises EFOpenError / EFCreateError with the file's name and the
// system's reason.
class TFileStream : public TStream {
 public:
  TFileStream(const UnicodeString& fileName, uint16_t mode);
  ~TFileStream() override;
  TFileStream(const TFileStream&) = delete;
  TFileStream& operator=(const TFileStream&) = delete;

  int64_t Read(void* buffer, int64_t count) override;
  int64_t Write(const void* buffer, int64_t count) override;
  int64_t Seek(int64_t offset, TSeekOrigin origin) override;
  void SetSize(int64_t newSize) override;

  const UnicodeString& FileName() const { return fileName_; }
  int Handle() const { return fd_; }

 private:
  UnicodeString fileName_;
  int fd_ = -1;
};

// Native path of a file name: UTF-8 bytes.
std::string FileNameToNative(const UnicodeString& fileName);

// Little-endian typed transfers of plain values. ReadLE returns false on a short read; WriteLE raises
// EWriteError like WriteBuffer. The host is little-endian (checked below), so the byte image is the value's.
template <typename T>
bool ReadLE(TStream& s, T& value) {
  static_assert(std::is_trivially_copyable_v<T>);
  return s.Read(&value, sizeof(T)) == static_cast<int64_t>(sizeof(T));
}

template <typename T>
void WriteLE(TStream& s, const T& value) {
  static_assert(std::is_trivially_copyable_v<T>);
  s.WriteBuffer(&value, sizeof(T));
}

// Little-endian host check: every stored form is written as the host's byte image.
static_assert(std::endian::native == std::endian::little, "stored forms assume a little-endian host");

}  // namespace lx
