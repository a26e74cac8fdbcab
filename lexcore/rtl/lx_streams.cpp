#include "lexcore/rtl/lx_streams.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <new>

#include "lexcore/rtl/lx_strings.h"

namespace lx {

int64_t TStream::GetSize() {
  const int64_t pos = Seek(0, soCurrent);
  const int64_t size = Seek(0, soEnd);
  Seek(pos, soBeginning);
  return size;
}

void TStream::SetSize(int64_t) {
  throw EStreamError(u"Stream does not support SetSize");
}

void TStream::ReadBuffer(void* buffer, int64_t count) {
  if (count < 0 || (count > 0 && Read(buffer, count) != count)) throw EReadError(u"Stream read error");
}

void TStream::WriteBuffer(const void* buffer, int64_t count) {
  if (count < 0 || (count > 0 && Write(buffer, count) != count)) throw EWriteError(u"Stream write error");
}

int64_t TStream::CopyFrom(TStream& source, int64_t count) {
  if (count == 0) {
    source.SetPosition(0);
    count = source.GetSize();
  }
  if (count < 0) throw EReadError(u"Stream read error");
  constexpr int64_t kChunk = 1 << 16;
  std::vector<uint8_t> buf(static_cast<std::size_t>(std::min(count, kChunk)));
  int64_t done = 0;
  while (done < count) {
    const int64_t n = std::min(kChunk, count - done);
    source.ReadBuffer(buf.data(), n);
    WriteBuffer(buf.data(), n);
    done += n;
  }
  return done;
}

// ---- TMemoryStream

int64_t TMemoryStream::Read(void* buffer, int64_t count) {
  const int64_t size = GetSize();
  if (count <= 0 || pos_ >= size) return 0;
  const int64_t n = std::min(count, size - pos_);
  std::memcpy(buffer, data_.data() + pos_, static_cast<std::size_t>(n));
  pos_ += n;
  return n;
}

int64_t TMemoryStream::Write(const void* buffer, int64_t count) {
  if (count <= 0) return 0;
  const int64_t end = pos_ + count;
  if (end > GetSize()) SetSize(end);
  std::memcpy(data_.data() + pos_, buffer, static_cast<std::size_t>(count));
  pos_ = end;
  return count;
}

int64_t TMemoryStream::Seek(int64_t offset, TSeekOrigin origin) {
  int64_t base = origin == soBeginning ? 0 : origin == soCurrent ? pos_ : GetSize();
  const int64_t target = base + offset;
  if (target < 0) throw EStreamError(u"Seek before the start of a stream");
  pos_ = target;
  return pos_;
}

void TMemoryStream::SetSize(int64_t newSize) {
  if (newSize < 0) throw EStreamError(u"Negative stream size");
  try {
    data_.resize(static_cast<std::size_t>(newSize));
  } catch (const std::bad_alloc&) {
    throw EStreamError(u"Out of memory while expanding memory stream");
  } catch (const std::length_error&) {
    throw EStreamError(u"Out of memory while expanding memory stream");
  }
  if (pos_ > newSize) pos_ = newSize;
}

void TMemoryStream::Clear() {
  data_.clear();
  data_.shrink_to_fit();
  pos_ = 0;
}

void TMemoryStream::LoadFromStream(TStream& source) {
  source.SetPosition(0);
  const int64_t size = source.GetSize();
  SetSize(size);
  pos_ = 0;
  if (size > 0) source.ReadBuffer(data_.data(), size);
}

void TMemoryStream::SaveToStream(TStream& dest) {
  if (!data_.empty()) dest.WriteBuffer(data_.data(), GetSize());
}

void TMemoryStream::LoadFromFile(const UnicodeString& fileName) {
  TFileStream f(fileName, fmOpenRead | fmShareDenyWrite);
  LoadFromStream(f);
}

void TMemoryStream::SaveToFile(const UnicodeString& fileName) {
  TFileStream f(fileName, fmCreate);
  SaveToStream(f);
}

// ---- TFileStream

std::string FileNameToNative(const UnicodeString& fileName) {
  return UTF16ToUTF8(fileName);
}

namespace {
UnicodeString SystemReason(int err) {
  return UTF8ToUTF16(std::strerror(err));
}
}  // namespace

TFileStream::TFileStream(const UnicodeString& fileName, uint16_t mode) : fileName_(fileName) {
  const std::string path = FileNameToNative(fileName);
  const bool create = (mode & 0xFF00) == fmCreate;
  int flags = O_CLOEXEC;
  if (create) {
    flags |= O_RDWR | O_CREAT | O_TRUNC;
  } else {
    switch (mode & 0x3) {
      case fmOpenWrite:
        flags |= O_WRONLY;
        break;
      case fmOpenReadWrite:
        flags |= O_RDWR;
        break;
      default:
        flags |= O_RDONLY;
        break;
    }
  }
  fd_ = path.empty() ? -1 : ::open(path.c_str(), flags, 0644);
  if (fd_ < 0) {
    const int err = path.empty() ? ENOENT : errno;
    if (create) throw EFCreateError(u"Cannot create file \"" + fileName + u"\". " + SystemReason(err));
    throw EFOpenError(u"Cannot open file \"" + fileName + u"\". " + SystemReason(err));
  }
  struct stat st {};
  if (::fstat(fd_, &st) == 0 && S_ISDIR(st.st_mode)) {
    ::close(fd_);
    fd_ = -1;
    throw EFOpenError(u"Cannot open file \"" + fileName + u"\". " + SystemReason(EISDIR));
  }
  const uint16_t share = mode & 0x00F0;
  int lock = 0;
  if (share == fmShareExclusive || share == fmShareDenyRead)
    lock = LOCK_EX;
  else if (share == fmShareDenyWrite)
    lock = LOCK_SH;
  if (lock && ::flock(fd_, lock | LOCK_NB) != 0) {
    const int err = errno;
    ::close(fd_);
    fd_ = -1;
    throw EFOpenError(u"Cannot open file \"" + fileName + u"\". " + SystemReason(err));
  }
}

TFileStream::~TFileStream() {
  if (fd_ >= 0) ::close(fd_);
}

int64_t TFileStream::Read(void* buffer, int64_t count) {
  int64_t done = 0;
  auto* p = static_cast<uint8_t*>(buffer);
  while (done < count) {
    const ssize_t n =
        ::read(fd_, p + done, static_cast<std::size_t>(std::min<int64_t>(count - done, 1 << 30)));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    done += n;
  }
  return done;
}

int64_t TFileStream::Write(const void* buffer, int64_t count) {
  int64_t done = 0;
  const auto* p = static_cast<const uint8_t*>(buffer);
  while (done < count) {
    const ssize_t n =
        ::write(fd_, p + done, static_cast<std::size_t>(std::min<int64_t>(count - done, 1 << 30)));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    done += n;
  }
  return done;
}

int64_t TFileStream::Seek(int64_t offset, TSeekOrigin origin) {
  const int whence = origin == soBeginning ? SEEK_SET : origin == soCurrent ? SEEK_CUR : SEEK_END;
  const off_t r = ::lseek(fd_, static_cast<off_t>(offset), whence);
  if (r < 0) throw EStreamError(u"Seek error on \"" + fileName_ + u"\". " + SystemReason(errno));
  return r;
}

void TFileStream::SetSize(int64_t newSize) {
  if (newSize < 0 || ::ftruncate(fd_, static_cast<off_t>(newSize)) != 0)
    throw EStreamError(u"Cannot set the size of \"" + fileName_ + u"\"");
  if (GetPosition() > newSize) Seek(newSize, soBeginning);
}

}  // namespace lx
