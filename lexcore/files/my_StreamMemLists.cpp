#include "lexcore/files/my_StreamMemLists.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>

#include "lexcore/rtl/lx_strings.h"

namespace lx {

namespace {

// Shared-memory names are one path component: '/' then letters, digits and a few marks, not too long.
std::string PosixSectionName(const UnicodeString& name) {
  std::string out = "/";
  for (char c : UTF16ToUTF8(name)) {
    const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                       c == '_' || c == '-' || c == '.';
    out += plain ? c : '_';
  }
  if (out.size() > 250) out.resize(250);
  return out;
}

}  // namespace

TMemoryMapFile::TMemoryMapFile(const UnicodeString& name, int32_t size)
    : fName(name), fPosixName(PosixSectionName(name)) {
  Setup(size);
}

TMemoryMapFile::~TMemoryMapFile() {
  Close();
}

void TMemoryMapFile::Setup(int32_t size) {
  if (size < 0) return;
  fHandle = ::shm_open(fPosixName.c_str(), O_RDWR | O_CLOEXEC, 0600);
  if (fHandle < 0 && errno == ENOENT) {
    fHandle = ::shm_open(fPosixName.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fHandle >= 0) {
      fCreated = true;
      if (::ftruncate(fHandle, static_cast<off_t>(size) + 4) != 0) {
        Close();
        return;
      }
    }
  }
  if (fHandle < 0) return;
  struct stat st {};
  if (::fstat(fHandle, &st) != 0 || st.st_size < 4 || st.st_size > int64_t(INT32_MAX) + 4) {
    Close();
    return;
  }
  void* p = ::mmap(nullptr, static_cast<size_t>(st.st_size), PROT_READ | PROT_WRITE, MAP_SHARED, fHandle, 0);
  if (p == MAP_FAILED) {
    Close();
    return;
  }
  fBase = static_cast<uint8_t*>(p);
  fMapped = st.st_size;
  if (fCreated) {
    fSize = size;
    std::memcpy(fBase, &fSize, 4);
    return;
  }
  // Another process wrote this size: it must describe bytes that really are there.
  int32_t stored = 0;
  std::memcpy(&stored, fBase, 4);
  fSize = stored >= 0 && int64_t(stored) + 4 <= fMapped ? stored : 0;
}

void TMemoryMapFile::Remap(int32_t size) {
  if (size < 0) return;
  if (fHandle < 0) {
    Setup(size);
    return;
  }
  if (fBase) ::munmap(fBase, static_cast<size_t>(fMapped));
  fBase = nullptr;
  fMapped = 0;
  fSize = 0;
  if (::ftruncate(fHandle, static_cast<off_t>(size) + 4) != 0) return;
  void* p = ::mmap(nullptr, static_cast<size_t>(size) + 4, PROT_READ | PROT_WRITE, MAP_SHARED, fHandle, 0);
  if (p == MAP_FAILED) return;
  fBase = static_cast<uint8_t*>(p);
  fMapped = int64_t(size) + 4;
  fSize = size;
  std::memcpy(fBase, &fSize, 4);
}

void TMemoryMapFile::Close() {
  if (fBase) ::munmap(fBase, static_cast<size_t>(fMapped));
  if (fHandle >= 0) ::close(fHandle);
  if (fCreated) ::shm_unlink(fPosixName.c_str());
  fBase = nullptr;
  fHandle = -1;
  fMapped = 0;
  fSize = 0;
  fCreated = false;
}

uint8_t* TMemoryMapFile::ConvertPointer(int32_t offset) const {
  return fBase && offset >= 0 && offset < fMapped ? fBase + offset : nullptr;
}

bool TMemoryMapFile::SetMemL(int32_t offset, int32_t value) {
  if (!fBase || offset < 0 || int64_t(offset) + 4 > fMapped) return false;
  std::memcpy(fBase + offset, &value, 4);
  return true;
}

int32_t TMemoryMapFile::GetMemL(int32_t offset) const {
  int32_t v = 0;
  if (fBase && offset >= 0 && int64_t(offset) + 4 <= fMapped) std::memcpy(&v, fBase + offset, 4);
  return v;
}

bool TMemoryMapFile::HandleException(const void* /*address*/, int32_t offset) const {
  return offset >= 0 && offset < fSize;
}

TFlexibleSizeMap::TFlexibleSizeMap(const UnicodeString& name, int32_t size)
    : TMemoryMapFile(u"wordbuf_compartilhar" + name, size) {}

void TFlexibleSizeMap::Checksize(int32_t size) {
  if (fSize != size || !fBase) Remap(size);
}

int32_t TFlexibleSizeMap::ReadFromMemmap(void* buffer, int32_t position, int32_t count) {
  fPosition = position;
  if (count < 0 || position < 0 || position >= fSize || !fBase) return 0;
  const int32_t n = std::min(count, fSize - position);
  std::memcpy(buffer, fBase + position, static_cast<size_t>(n));
  fPosition += n;
  return n;
}

bool TFlexibleSizeMap::WriteToMemmap(const void* buffer, int32_t position, int32_t count) {
  fPosition = position;
  if (!fBase || count < 0 || position < 0 || int64_t(position) + count > fSize) return false;
  if (count > 0) std::memcpy(fBase + position, buffer, static_cast<size_t>(count));
  fPosition += count;
  return true;
}

TMyStreamMemList::TMyStreamMemList(const UnicodeString& name)
    : fMap(std::make_unique<TFlexibleSizeMap>(name, 4)) {}

TMyStreamMemList::~TMyStreamMemList() = default;

bool TMyStreamMemList::CopyToMemmap() {
  int64_t total = 4;
  for (int32_t i = 0; i < Count(); ++i) {
    const int32_t n = ItemMemSize(Get(i));
    if (n <= 0) return false;
    total += 4 + int64_t(n);
    if (total > INT32_MAX - 4) return false;
  }
  fMap->Checksize(static_cast<int32_t>(total));
  if (fMap->Size() != total) return false;
  const int32_t t = static_cast<int32_t>(total);
  if (!fMap->WriteToMemmap(&t, 0, 4)) return false;
  for (int32_t i = 0; i < Count(); ++i) {
    const int32_t n = ItemMemSize(Get(i));
    const int32_t at = fMap->Position();
    if (!fMap->WriteToMemmap(&n, at, 4) || !WriteItemToMemmap(Get(i), *fMap) ||
        fMap->Position() != at + 4 + n)
      return false;
  }
  return true;
}

bool TMyStreamMemList::MoveToMemmap() {
  const bool ok = CopyToMemmap();
  Clear();
  fInMemmapOnly = true;
  return ok;
}

bool TMyStreamMemList::LoadFromMemmap() {
  Clear();
  fInMemmapOnly = false;
  if (fMap->Size() < 4) return false;
  int32_t total = 0;
  if (fMap->ReadFromMemmap(&total, 0, 4) != 4 || total < 4) return false;
  fMap->Checksize(total);
  if (fMap->Size() != total) return false;
  int32_t at = 4;
  while (at <= total - 4) {
    int32_t length = 0;
    if (fMap->ReadFromMemmap(&length, at, 4) != 4 || length <= 0) break;
    if (length > total - at - 4) return false;
    fMap->SetPosition(at + 4);
    if (ReadItemFromMemmap(*fMap, length) <= 0) return false;
    at += 4 + length;
  }
  return true;
}

}  // namespace lx
