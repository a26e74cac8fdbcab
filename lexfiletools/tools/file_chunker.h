// Cutting one file into numbered, checksummed chunk files of a fixed size, and joining them back. The first
// chunk carries the source's name, attributes, date and the number of chunks, so a restore finds the whole
// set from its first file and checks all of it before writing anything.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "lexcore/rtl/lx_object.h"
#include "lexcore/rtl/lx_streams.h"
#include "lexcore/rtl/lx_stringlist.h"
#include "lexcore/rtl/lx_types.h"

namespace lx {

using TOnChunkFileMadeEvent = std::function<void(const UnicodeString& filename, int number, int out_of)>;
using TOnRestoreFileEvent = std::function<void(const UnicodeString& filename, int number, int out_of)>;
using TOnNewDiskNeededEvent = std::function<void(int num_done)>;
// The insert-disk and no-room questions: true for OK. Without a handler the answer is Cancel.
using TOnChunkDiskQueryEvent = std::function<bool(const UnicodeString& text, const UnicodeString& caption)>;
// Asked before an existing file is replaced by a restore: true to replace it (after a ".bak" copy).
using TOnOverwriteQueryEvent = std::function<bool(const UnicodeString& filename)>;

// Data is checksummed in blocks of this many bytes.
constexpr int64_t kChunkCopyBlock = 61440;

// The sum modulo 2^32 of the block's whole little-endian 32-bit words; trailing 1..3 bytes are not summed.
uint32_t ChunkBlockChecksum(const uint8_t* block, int64_t len);

// Copies count bytes from Source to Dest (which may be absent, to check only) in blocks; Checksum ends as the
// last block's. Returns count; raises EReadError when Source runs short.
int64_t MyCopyFrom(TStream* Dest, TStream& Source, int64_t Count, uint32_t& Checksum);

// The header the first chunk of a set carries.
struct TChunkSetHeader {
  AnsiString SourceName;  // as stored: the full source path, or its file part when the path is too long
  uint8_t ZipToo = 0;
  int16_t PackLevel = 9;
  int32_t ChunkSize = 0;
  int32_t Attributes = 0;
  TDateTime Date = 0;
  int32_t OutOf = 0;

  // Bytes of the header, chunk number and checksum in the first chunk.
  int64_t FirstOverhead() const { return static_cast<int64_t>(SourceName.size()) + 32; }
};

constexpr int64_t kChunkOverhead = 8;

// Reads and checks a first chunk's header against that chunk file's size: a chunk size that cannot hold its
// own header, a count below 1, or a stored name without a usable file part give false with the reason.
bool ReadChunkSetHeader(TStream& Stream, int64_t fileSize, TChunkSetHeader& header, UnicodeString& problem);
void WriteChunkSetHeader(TStream& Stream, const TChunkSetHeader& header);
// The stored name's file part, safe to create in a chosen folder; empty when it has none ("", ".", "..").
UnicodeString ChunkSetTargetName(const AnsiString& storedName);

// The owner is not owned. Owns its list of chunk names.
class TFileChunker : public TObject {
 public:
  explicit TFileChunker(TObject* AOwner = nullptr);

  // Cuts Sourcename into chunks in DirCreating; the number of chunk files written. Raises "Copy failure"
  // when fewer were written than needed (a Stop, or no room and no new disk), "Zip operation failed" when
  // ZipToo is set and the archive cannot be built.
  int32_t MakeChunkFiles();
  // Sourcename names the first chunk; writes RestoredName in DirRestoring. Every chunk is found and checked
  // first, then the file is written in one durable save: on false nothing was written and LastProblem says
  // why.
  bool RestoreAllChunks();
  void Stop();

  // Chunk i (0-based) of n in folder dir: "dir/chunk <i+1> of <n>.tmp".
  static UnicodeString ChunkName(const UnicodeString& dir, int32_t i, int32_t n);
  // Chunks needed for size bytes carried with a source name of nameBytes bytes; at least 1.
  static int32_t ChunksNeeded(int64_t size, int64_t nameBytes, int32_t chunkSize);

  int32_t ChunkSize() const { return fChunksize; }
  void SetChunkSize(int32_t v) { fChunksize = v; }
  bool DeleteAfterRestore() const { return fDeleteChunksAfterwards; }
  void SetDeleteAfterRestore(bool v) { fDeleteChunksAfterwards = v; }
  bool WaitForNewDisk() const { return fWaitForNewDisk; }
  void SetWaitForNewDisk(bool v) { fWaitForNewDisk = v; }
  bool ZipToo() const { return fZiptoo; }
  void SetZipToo(bool v) { fZiptoo = v; }
  int16_t PackLevel() const { return fPackLevel; }
  void SetPackLevel(int16_t v) { fPackLevel = v; }
  TStringList* ChunkerFilenames() const { return fChunks.get(); }
  const UnicodeString& FirstFileInSet() const { return fFirstFileInSet; }
  const UnicodeString& RestoredName() const { return fRestoredName; }
  const UnicodeString& DirCreating() const { return fDirCreating; }
  void SetDirCreating(const UnicodeString& v) { fDirCreating = v; }
  const UnicodeString& DirRestoring() const { return fDirRestoring; }
  void SetDirRestoring(const UnicodeString& v) { fDirRestoring = v; }
  const UnicodeString& DirWorking() const { return fDirWorking; }
  void SetDirWorking(const UnicodeString& v) { fDirWorking = v; }
  const UnicodeString& Sourcename() const { return fSourcename; }
  void SetSourcename(const UnicodeString& v) { fSourcename = v; }
  int32_t OutOf() const { return fOut_of; }
  uint32_t TestCheckSum() const { return ftest_CheckSum; }
  // Why the last restore failed; empty after a success.
  const UnicodeString& LastProblem() const { return fLastProblem; }
  TObject* Owner() const { return fOwner; }

  TOnChunkFileMadeEvent OnChunkMade;
  TOnRestoreFileEvent OnRestoreOne;
  TOnNewDiskNeededEvent OnNewDiskNeeded;
  TOnChunkDiskQueryEvent OnDiskQuery;
  TOnOverwriteQueryEvent OnOverwriteQuery;

  bool processing = false;

 private:
  // The insert-disk / no-room dialogue; true when it succeeded.
  bool NewDiskDialogue(int number, int64_t needed, bool checkSpace, const UnicodeString& path);
  bool Fail(const UnicodeString& problem);

  TObject* fOwner;
  uint32_t ftest_CheckSum = 0;
  int32_t fAttributos = 0;
  int32_t fthis_filenum = 0;
  int32_t fOut_of = 0;
  int32_t fChunksize = 1400000;
  TDateTime fDataArquivo = 0;
  bool fDeleteChunksAfterwards = false, fWaitForNewDisk = false, fZiptoo = false;
  std::unique_ptr<TStringList> fChunks;
  UnicodeString fFirstFileInSet, fRestoredName, fDirCreating, fDirRestoring, fDirWorking, fSourcename;
  int16_t fPackLevel = 9;
  UnicodeString fLastProblem;
};

}  // namespace lx
