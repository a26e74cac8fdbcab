#include "lexfiletools/tools/file_chunker.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cmath>
#include <ctime>
#include <vector>

#include "lexcore/files/file_utils.h"
#include "lexcore/platform/lx_zipwriter.h"
#include "lexcore/rtl/lx_ansi.h"
#include "lexcore/rtl/lx_atomicsave.h"
#include "lexcore/rtl/lx_datetime.h"
#include "lexcore/rtl/lx_exceptions.h"
#include "lexcore/rtl/lx_paths.h"
#include "lexcore/rtl/lx_strings.h"
#include "lexcore/rtl/lx_yield.h"

namespace lx {

namespace {

constexpr int32_t kReadOnly = 0x01;
constexpr int32_t kHidden = 0x02;
constexpr int32_t kArchive = 0x20;

// The attribute word a chunk set stores; only read-only and hidden mean anything here.
int32_t AttributesOf(const UnicodeString& name) {
  struct stat st;
  if (::stat(FileNameToNative(name).c_str(), &st) != 0) return 0;
  int32_t attr = kArchive;
  if ((st.st_mode & S_IWUSR) == 0) attr |= kReadOnly;
  const UnicodeString shortName = ExtractFileName(name);
  if (!shortName.empty() && shortName[0] == u'.') attr |= kHidden;
  return attr;
}

bool SetAttributes(const UnicodeString& name, int32_t attr) {
  struct stat st;
  const std::string native = FileNameToNative(name);
  if (::stat(native.c_str(), &st) != 0) return false;
  if ((attr & kReadOnly) == 0) return true;
  return ::chmod(native.c_str(), st.st_mode & ~mode_t(S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

// Sets the last-write time from a local date-time.
bool SetLocalFileDate(const UnicodeString& name, TDateTime date) {
  if (!std::isfinite(date) || date < -693593.0 || date > 2958465.0) return false;
  const double secs = std::floor((date - UnixDateDelta) * 86400.0 + 0.5);
  std::time_t naive = static_cast<std::time_t>(secs);
  std::tm parts{};
  if (!gmtime_r(&naive, &parts)) return false;
  parts.tm_isdst = -1;
  const std::time_t t = std::mktime(&parts);
  if (t == static_cast<std::time_t>(-1)) return false;
  const timespec times[2] = {{0, UTIME_OMIT}, {t, 0}};
  return ::utimensat(AT_FDCWD, FileNameToNative(name).c_str(), times, 0) == 0;
}

UnicodeString NoTrailingDelimiter(const UnicodeString& dir) {
  if (dir.empty()) return GetCurrentDir();
  const UnicodeString d = ExcludeTrailingPathDelimiter(dir);
  return d.empty() ? UnicodeString(u"/") : d;
}

}  // namespace

uint32_t ChunkBlockChecksum(const uint8_t* block, int64_t len) {
  uint32_t sum = 0;
  for (int64_t i = 0; i + 4 <= len; i += 4) {
    uint32_t w;
    std::memcpy(&w, block + i, 4);
    sum += w;
  }
  return sum;
}

int64_t MyCopyFrom(TStream* Dest, TStream& Source, int64_t Count, uint32_t& Checksum) {
  std::vector<uint8_t> buffer(
      static_cast<size_t>(std::min<int64_t>(std::max<int64_t>(Count, 0), kChunkCopyBlock)));
  int64_t remaining = Count;
  while (remaining > 0) {
    const int64_t n = std::min<int64_t>(remaining, static_cast<int64_t>(buffer.size()));
    Source.ReadBuffer(buffer.data(), n);
    Checksum = ChunkBlockChecksum(buffer.data(), n);
    if (Dest) Dest->WriteBuffer(buffer.data(), n);
    remaining -= n;
  }
  return Count;
}

UnicodeString ChunkSetTargetName(const AnsiString& storedName) {
  const UnicodeString name = ExtractFileName(AnsiBytesToUnicode(storedName));
  if (name.empty() || name == u"." || name == u"..") return {};
  for (WideChar c : name)
    if (c < 0x20 || c == u'/' || c == u'\\') return {};
  return name;
}

bool ReadChunkSetHeader(TStream& Stream, int64_t fileSize, TChunkSetHeader& header, UnicodeString& problem) {
  uint8_t len = 0;
  if (!ReadLE(Stream, len) || fileSize < int64_t(len) + 32) {
    problem = u"the first chunk is too short";
    return false;
  }
  header.SourceName.assign(len, '\0');
  if (len > 0 && Stream.Read(header.SourceName.data(), len) != len) {
    problem = u"the first chunk is too short";
    return false;
  }
  if (!ReadLE(Stream, header.ZipToo) || !ReadLE(Stream, header.PackLevel) ||
      !ReadLE(Stream, header.ChunkSize) || !ReadLE(Stream, header.Attributes) ||
      !ReadLE(Stream, header.Date) || !ReadLE(Stream, header.OutOf)) {
    problem = u"the first chunk is too short";
    return false;
  }
  if (header.OutOf < 1) {
    problem = u"the chunk count is not positive";
    return false;
  }
  if (header.ChunkSize <= header.FirstOverhead()) {
    problem = u"the stored chunk size cannot hold its own header";
    return false;
  }
  if (ChunkSetTargetName(header.SourceName).empty()) {
    problem = u"the stored file name is not usable";
    return false;
  }
  return true;
}

void WriteChunkSetHeader(TStream& Stream, const TChunkSetHeader& header) {
  if (header.SourceName.size() > 255) throw EWriteError(u"Source name too long for a chunk header");
  WriteLE(Stream, static_cast<uint8_t>(header.SourceName.size()));
  Stream.WriteBuffer(header.SourceName.data(), static_cast<int64_t>(header.SourceName.size()));
  WriteLE(Stream, header.ZipToo);
  WriteLE(Stream, header.PackLevel);
  WriteLE(Stream, header.ChunkSize);
  WriteLE(Stream, header.Attributes);
  WriteLE(Stream, header.Date);
  WriteLE(Stream, header.OutOf);
}

TFileChunker::TFileChunker(TObject* AOwner) : fOwner(AOwner), fChunks(std::make_unique<TStringList>()) {
  fDirCreating = fDirRestoring = fDirWorking = GetCurrentDir();
}

UnicodeString TFileChunker::ChunkName(const UnicodeString& dir, int32_t i, int32_t n) {
  return NoTrailingDelimiter(dir) + u"/chunk " + IntToStr(i + 1) + u" of " + IntToStr(n) + u".tmp";
}

int32_t TFileChunker::ChunksNeeded(int64_t size, int64_t nameBytes, int32_t chunkSize) {
  const int64_t first = int64_t(chunkSize) - (nameBytes + 32);
  const int64_t other = int64_t(chunkSize) - kChunkOverhead;
  if (first <= 0) throw EArgumentException(u"Chunk size too small");
  if (size <= first) return 1;
  const int64_t n = 1 + (size - first + other - 1) / other;
  if (n > INT32_MAX) throw EArgumentException(u"Chunk size too small");
  return static_cast<int32_t>(n);
}

void TFileChunker::Stop() {
  processing = false;
  MyYieldProcess();
}

bool TFileChunker::NewDiskDialogue(int number, int64_t needed, bool checkSpace, const UnicodeString& path) {
  bool ok = true, success = false;
  while (!success && ok) {
    if (!FileExists(path)) {
      ok = OnDiskQuery &&
           OnDiskQuery(u"Insert disk " + IntToStr(number) + u" in " + path.substr(0, 2), u"Change Disk");
      if (!ok) break;
    }
    if (!checkSpace) {
      success = true;
      break;
    }
    const int64_t free = DiskFree(ExtractFileDir(path));
    success = free < 0 || free >= needed;
    // Nothing is deleted here to make room: the user frees space and answers OK, or cancels.
    if (!success)
      ok = OnDiskQuery && OnDiskQuery(u"Not enough room on " + ExtractFileDir(path) + u"\r\nfor " +
                                          IntToStr(needed) + u" bytes: free some space and press OK",
                                      u"No room");
  }
  return success;
}

int32_t TFileChunker::MakeChunkFiles() {
  processing = true;
  fDirWorking = NoTrailingDelimiter(fDirWorking);
  fDirCreating = NoTrailingDelimiter(fDirCreating);
  fDirRestoring = NoTrailingDelimiter(fDirRestoring);
  fChunks->Clear();

  TChunkSetHeader header;
  header.SourceName = UnicodeToAnsiBytes(fSourcename);
  // Only the file part is needed to restore; a path too long for the length byte keeps just that.
  if (header.SourceName.size() > 255) header.SourceName = UnicodeToAnsiBytes(ExtractFileName(fSourcename));
  if (header.SourceName.size() > 255) throw EWriteError(u"Source name too long for a chunk header");
  header.ZipToo = fZiptoo ? 1 : 0;
  header.PackLevel = fPackLevel;
  header.ChunkSize = fChunksize;

  std::unique_ptr<TStream> source;
  if (fZiptoo) {
    std::vector<uint8_t> zipped;
    if (!FileExists(fSourcename) ||
        ZipOneFileToMemory(fSourcename, ExtractFileName(fSourcename), fPackLevel, zipped) < 1)
      throw EInOutError(u"Zip operation failed");
    auto m = std::make_unique<TMemoryStream>();
    if (!zipped.empty()) m->WriteBuffer(zipped.data(), static_cast<int64_t>(zipped.size()));
    m->SetPosition(0);
    source = std::move(m);
  } else {
    source = std::make_unique<TFileStream>(fSourcename, fmOpenRead | fmShareDenyWrite);
  }
  fAttributos = header.Attributes = AttributesOf(fSourcename);
  FileAge(fSourcename, fDataArquivo);
  header.Date = fDataArquivo;

  int64_t left = source->GetSize();
  fOut_of = header.OutOf = ChunksNeeded(left, static_cast<int64_t>(header.SourceName.size()), fChunksize);
  int64_t needed = fChunksize;
  int32_t written = 0;
  try {
    for (int32_t i = 0; i < fOut_of; ++i) {
      fthis_filenum = i;
      const UnicodeString name = ChunkName(fDirCreating, i, fOut_of);
      if (OnNewDiskNeeded && fWaitForNewDisk) {
        OnNewDiskNeeded(i + 1);
      } else {
        const int64_t free = DiskFree(fDirCreating);
        if (free >= 0 && free < needed && !NewDiskDialogue(i + 1, needed, true, name)) processing = false;
      }
      fChunks->Add(name);
      if (i == 0) fFirstFileInSet = name;
      if (!processing) break;
      const int64_t overhead = i == 0 ? header.FirstOverhead() : kChunkOverhead;
      const int64_t room = fChunksize - overhead;
      const int64_t carry = left <= room ? left : room;
      SaveFileDurably(name, [&](TStream& out) {
        if (i == 0) WriteChunkSetHeader(out, header);
        WriteLE(out, i);
        uint32_t sum = 0;
        MyCopyFrom(&out, *source, carry, sum);
        WriteLE(out, sum);
      });
      left -= carry;
      ++written;
      if (i + 1 < fOut_of && left <= fChunksize - kChunkOverhead) needed = left + kChunkOverhead;
      if (OnChunkMade) OnChunkMade(name, i + 1, fOut_of);
      MyYieldProcess();
    }
  } catch (...) {
    // A broken set is worse than none: take back what this run wrote.
    for (int32_t i = 0; i < written; ++i) DeleteFile(fChunks->Get(i));
    fChunks->Clear();
    processing = false;
    throw;
  }
  processing = false;
  if (written != fOut_of) {
    for (int32_t i = 0; i < written; ++i) DeleteFile(fChunks->Get(i));
    fChunks->Clear();
    throw EInOutError(u"Copy failure");
  }
  return written;
}

bool TFileChunker::Fail(const UnicodeString& problem) {
  fLastProblem = problem;
  processing = false;
  return false;
}

bool TFileChunker::RestoreAllChunks() {
  processing = true;
  fLastProblem.clear();
  fChunks->Clear();
  fDirWorking = NoTrailingDelimiter(fDirWorking);
  fDirCreating = NoTrailingDelimiter(fDirCreating);
  fDirRestoring = NoTrailingDelimiter(fDirRestoring);
  if (!FileExists(fSourcename)) return Fail(u"Cannot find the first chunk: " + fSourcename);

  TChunkSetHeader header;
  UnicodeString problem;
  try {
    TFileStream first(fSourcename, fmOpenRead | fmShareDenyWrite);
    if (!ReadChunkSetHeader(first, first.GetSize(), header, problem))
      return Fail(fSourcename + u": " + problem);
  } catch (const Exception& e) {
    return Fail(e.Message);
  }
  fRestoredName = fDirRestoring + u"/" + ChunkSetTargetName(header.SourceName);
  fOut_of = header.OutOf;
  fChunksize = header.ChunkSize;
  fZiptoo = header.ZipToo != 0;
  fPackLevel = header.PackLevel;
  fAttributos = header.Attributes;
  fDataArquivo = header.Date;
  const UnicodeString folder = ExtractFileDir(ExpandFileName(fSourcename));

  // Every chunk is found and its size, header and number checked before anything is written; the data and
  // checksums are checked while copying into the temporary that replaces RestoredName only when all passed,
  // so a damaged set leaves no file behind and each chunk is read once. Names are made here, never taken
  // from the chunks, so a set cannot reach outside its folder.
  auto dataBytes = [&](int32_t j, int64_t fileSize) -> int64_t {
    const int64_t overhead = j == 0 ? header.FirstOverhead() : kChunkOverhead;
    return fileSize - overhead;
  };
  // Checks one chunk open at its start; with out, also copies its data there and checks its checksum.
  auto passChunk = [&](TStream& in, int32_t j, TStream* out) -> UnicodeString {
    const int64_t size = in.GetSize();
    const int64_t overhead = j == 0 ? header.FirstOverhead() : kChunkOverhead;
    if (size < overhead) return u"too short";
    if (j + 1 < header.OutOf ? size != header.ChunkSize : size > header.ChunkSize)
      return u"the wrong size for its set";
    if (j == 0) {
      TChunkSetHeader again;
      UnicodeString why;
      if (!ReadChunkSetHeader(in, size, again, why)) return why;
      if (ChunkSetTargetName(again.SourceName) != ExtractFileName(fRestoredName)) return u"from another set";
    }
    int32_t number = -1;
    if (!ReadLE(in, number)) return u"too short";
    if (number != j) return u"out of order (it holds chunk " + IntToStr(int64_t(number) + 1) + u")";
    if (!out) return {};
    uint32_t sum = 0, stored = 0;
    MyCopyFrom(out, in, dataBytes(j, size), sum);
    if (!ReadLE(in, stored)) return u"too short";
    ftest_CheckSum = stored;
    if (stored != sum) return u"damaged (checksum mismatch)";
    return {};
  };

  for (int32_t j = 0; j < header.OutOf; ++j) {
    if (!processing) return Fail(u"Restore stopped");
    const UnicodeString name = ChunkName(folder, j, header.OutOf);
    if (!FileExists(name)) {
      if (OnNewDiskNeeded && fWaitForNewDisk)
        OnNewDiskNeeded(j + 1);
      else
        NewDiskDialogue(j + 1, 0, false, name);
    }
    if (!FileExists(name))
      return Fail(u"Missing chunk " + IntToStr(j + 1) + u" of " + IntToStr(header.OutOf) + u": " + name);
    fChunks->Add(name);
    MyYieldProcess();
    try {
      TFileStream in(name, fmOpenRead | fmShareDenyWrite);
      const UnicodeString why = passChunk(in, j, nullptr);
      if (!why.empty())
        return Fail(u"Chunk " + IntToStr(j + 1) + u" of " + IntToStr(header.OutOf) + u" is " + why + u": " +
                    name);
    } catch (const Exception& e) {
      return Fail(e.Message);
    }
  }

  if (FileExists(fRestoredName)) {
    const bool replace = OnOverwriteQuery ? OnOverwriteQuery(fRestoredName) : true;
    if (!replace) return Fail(u"Not replacing " + fRestoredName);
  }
  const bool backUp = FileExists(fRestoredName);

  try {
    SaveFileDurably(fRestoredName, [&](TStream& out) {
      for (int32_t j = 0; j < header.OutOf; ++j) {
        if (!processing) throw EAbort(u"Restore stopped");
        fthis_filenum = j;
        TFileStream in(fChunks->Get(j), fmOpenRead | fmShareDenyWrite);
        const UnicodeString why = passChunk(in, j, &out);
        if (!why.empty())
          throw EReadError(u"Chunk " + IntToStr(j + 1) + u" of " + IntToStr(header.OutOf) + u" is " + why +
                           u": " + fChunks->Get(j));
        if (OnRestoreOne) OnRestoreOne(fChunks->Get(j), j + 1, header.OutOf);
        MyYieldProcess();
      }
      // Only a set that restored whole displaces the old file, so only then is it kept as a backup.
      if (backUp && !CopyAFileWithBackup(fRestoredName))
        throw EWriteError(u"Cannot back up " + fRestoredName);
    });
  } catch (const Exception& e) {
    return Fail(e.Message);
  }
  processing = false;
  if (fDeleteChunksAfterwards)
    for (int32_t j = 0; j < fChunks->Count(); ++j) DeleteFile(fChunks->Get(j));
  if (SetAttributes(fRestoredName, header.Attributes)) SetLocalFileDate(fRestoredName, header.Date);
  return true;
}

}  // namespace lx
