#include "lexlists/engine/list_files.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <new>

#include "lexcore/rtl/lx_atomicsave.h"
#include "lexcore/rtl/lx_strings.h"

namespace lx {

namespace {

[[noreturn]] void Damaged(const UnicodeString& detail) {
  throw EListFileError(u"The list file is damaged " + detail);
}

UnicodeString At(int64_t offset, const UnicodeString& expected) {
  return u"at offset " + IntToStr(offset) + u": expected " + expected;
}

// Gathers the many small writes of a list into large ones. A seek, a read or a size query writes out what is
// gathered first, so the patched counts land where they belong.
class TGatheringStream : public TStream {
 public:
  explicit TGatheringStream(TStream& target) : target(target) { buffer.reserve(kChunk); }

  int64_t Read(void* b, int64_t count) override {
    Flush();
    return target.Read(b, count);
  }
  int64_t Write(const void* b, int64_t count) override {
    if (count <= 0) return 0;
    if (buffer.size() + static_cast<std::size_t>(count) > kChunk) Flush();
    if (static_cast<std::size_t>(count) >= kChunk) {
      target.WriteBuffer(b, count);
      return count;
    }
    const auto* bytes = static_cast<const uint8_t*>(b);
    buffer.insert(buffer.end(), bytes, bytes + count);
    return count;
  }
  int64_t Seek(int64_t offset, TSeekOrigin origin) override {
    if (origin == soCurrent && offset == 0)
      return target.Seek(0, soCurrent) + static_cast<int64_t>(buffer.size());
    Flush();
    return target.Seek(offset, origin);
  }
  int64_t GetSize() override {
    Flush();
    return target.GetSize();
  }
  void SetSize(int64_t newSize) override {
    Flush();
    target.SetSize(newSize);
  }
  void Flush() {
    if (buffer.empty()) return;
    target.WriteBuffer(buffer.data(), static_cast<int64_t>(buffer.size()));
    buffer.clear();
  }

 private:
  static constexpr std::size_t kChunk = 1 << 16;
  TStream& target;
  std::vector<uint8_t> buffer;
};

// A file's bytes read whole into a buffer that is not zero-filled first, then parsed from memory: a big list
// costs one pass over its bytes, not a copy into a cleared buffer and millions of reads of the file.
class TFileBytesStream : public TStream {
 public:
  explicit TFileBytesStream(const UnicodeString& fileName) {
    TFileStream file(fileName, fmOpenRead | fmShareDenyWrite);
    size = file.GetSize();
    file.SetPosition(0);
    try {
      bytes.reset(new uint8_t[static_cast<std::size_t>(size > 0 ? size : 1)]);
    } catch (const std::bad_alloc&) {
      throw EStreamError(u"Out of memory while reading a list file");
    }
    if (size > 0) file.ReadBuffer(bytes.get(), size);
  }

  int64_t Read(void* b, int64_t count) override {
    if (count <= 0 || pos >= size) return 0;
    const int64_t n = std::min(count, size - pos);
    std::memcpy(b, bytes.get() + pos, static_cast<std::size_t>(n));
    pos += n;
    return n;
  }
  int64_t Write(const void*, int64_t) override { throw EWriteError(u"a list file is read-only here"); }
  int64_t Seek(int64_t offset, TSeekOrigin origin) override {
    const int64_t target = (origin == soBeginning ? 0 : origin == soCurrent ? pos : size) + offset;
    if (target < 0) throw EStreamError(u"Seek before the start of a stream");
    return pos = target;
  }
  int64_t GetSize() override { return size; }
  void SetSize(int64_t) override { throw EWriteError(u"a list file is read-only here"); }

 private:
  std::unique_ptr<uint8_t[]> bytes;
  int64_t size = 0, pos = 0;
};

}  // namespace

void SaveListToStream(TLXBaseDataClass& list, tool_type tool, TStream& stream) {
  TCheckSignature header;
  if (!DiskSignatureISOKForToolAndList(header, tool, list.fList_type, stream, writing))
    throw EWriteError(u"the list's signature block could not be written");
  list.SaveToStream(stream);
  int32_t written = 0, left_out = 0;
  list.SaveEntriesToStream(stream, written, left_out);
  TStoredListInfo& info = list.StoredListInfo->fdata;
  if (written != info.entries || left_out != info.not_for_saving_entries) {
    info.entries = written;
    info.not_for_saving_entries = left_out;
    list.StoredListInfo->ResaveEntries(stream);
  }
}

void SaveListFile(TLXBaseDataClass& list, tool_type tool, const UnicodeString& fileName,
                  const std::function<void(TStream&)>& tail) {
  SaveFileDurably(fileName, [&](TStream& file) {
    // Entries are written a field at a time: gathered, the file takes a write per 64 KB, not millions.
    TGatheringStream stream(file);
    SaveListToStream(list, tool, stream);
    if (tail) tail(stream);
    stream.Flush();
  });
}

void ReadListFromStream(TLXBaseDataClass& list, tool_type tool, TStream& stream) {
  const int64_t start = stream.GetPosition();
  TCheckSignature header;
  if (!DiskSignatureISOKForToolAndList(header, tool, list.fList_type, stream, reading))
    Damaged(At(start, u"the signature block of a " + ListSignature(list.fList_type)));
  if (!list.ReadFromStream(stream)) Damaged(list.LastStreamError);
  // Whatever follows the last entry belongs to the tool that wrote it.
  if (!list.ReadEntriesFromStream(stream, list.StoredListInfo->fdata.entries)) Damaged(list.LastStreamError);
}

void ReadListFile(TLXBaseDataClass& list, tool_type tool, const UnicodeString& fileName,
                  const std::function<void(TStream&)>& tail) {
  TFileBytesStream stream(fileName);
  ReadListFromStream(list, tool, stream);
  if (tail) tail(stream);
}

}  // namespace lx
