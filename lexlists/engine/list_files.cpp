#include "lexlists/engine/list_files.h"

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

void ReadListFile(TLXBaseDataClass& list, tool_type tool, const UnicodeString& fileName) {
  // Read whole, for the same reason the file is written whole.
  TMemoryStream stream;
  stream.LoadFromFile(fileName);
  ReadListFromStream(list, tool, stream);
}

}  // namespace lx
