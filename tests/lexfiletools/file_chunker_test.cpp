#include "lexfiletools/tools/file_chunker.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "lexcore/platform/lx_zip.h"
#include "lexcore/rtl/lx_streams.h"
#include "lexcore/rtl/lx_strings.h"
#include "test_files.h"

namespace {

std::string Pattern(size_t n, unsigned mul, unsigned add) {
  std::string s(n, '\0');
  for (size_t i = 0; i < n; ++i) s[i] = static_cast<char>((i * mul + add) & 0xFF);
  return s;
}

// Runs in the temporary folder so that the stored source name is short and known.
struct InDir {
  std::filesystem::path old = std::filesystem::current_path();
  explicit InDir(const std::filesystem::path& p) { std::filesystem::current_path(p); }
  ~InDir() { std::filesystem::current_path(old); }
};

struct ChunkSet {
  lxtest::TempDir dir;
  lx::TFileChunker chunker;
  int32_t made = 0;
  explicit ChunkSet(const std::string& bytes, int32_t chunkSize = 4096, const std::string& name = "src.bin") {
    std::filesystem::create_directory(dir.path / "out");
    std::filesystem::create_directory(dir.path / "back");
    dir.Write(name, bytes);
    chunker.SetSourcename(dir.File(name));
    chunker.SetChunkSize(chunkSize);
    chunker.SetDirCreating(dir.File("out"));
    chunker.SetDirRestoring(dir.File("back/"));
  }
  void Make() { made = chunker.MakeChunkFiles(); }
  std::string Chunk(int i) const {
    return "out/chunk " + std::to_string(i) + " of " + std::to_string(made) + ".tmp";
  }
  bool Restore() {
    chunker.SetSourcename(dir.File(Chunk(1)));
    return chunker.RestoreAllChunks();
  }
};

}  // namespace

TEST(FileChunker, ChecksumSumsWholeWordsOfTheLastBlock) {
  const std::string big = Pattern(150001, 131, 3);
  lx::TMemoryStream in, out;
  in.WriteBuffer(big.data(), static_cast<int64_t>(big.size()));
  in.SetPosition(0);
  uint32_t sum = 0;
  EXPECT_EQ(lx::MyCopyFrom(&out, in, static_cast<int64_t>(big.size()), sum), 150001);
  EXPECT_EQ(sum, 0x771fb6ecu);
  EXPECT_EQ(out.GetSize(), 150001);
  const uint8_t three[3] = {1, 2, 3};
  EXPECT_EQ(lx::ChunkBlockChecksum(three, 3), 0u);
}

TEST(FileChunker, KnownFileGivesGoldenChunks) {
  ChunkSet set(Pattern(100000, 31, 7), 40000, "known.bin");
  {
    InDir here(set.dir.path);
    set.chunker.SetSourcename(u"known.bin");
    set.chunker.SetDirCreating(u"out/");
    set.Make();
  }
  ASSERT_EQ(set.made, 3);
  const std::string c1 = set.dir.Read(set.Chunk(1)), c2 = set.dir.Read(set.Chunk(2)),
                    c3 = set.dir.Read(set.Chunk(3));
  EXPECT_EQ(c1.size(), 40000u);
  EXPECT_EQ(c2.size(), 40000u);
  EXPECT_EQ(c3.size(), 20049u + 8u);
  // Name, ZipToo, PackLevel, ChunkSize; then (after attributes and date) the count and the number.
  EXPECT_EQ(c1.substr(0, 10), std::string("\x09known.bin", 10));
  EXPECT_EQ(c1.substr(10, 7), std::string("\x00\x09\x00\x40\x9c\x00\x00", 7));
  EXPECT_EQ(c1.substr(29, 8), std::string("\x03\x00\x00\x00\x00\x00\x00\x00", 8));
  auto tail = [](const std::string& c) {
    uint32_t v;
    std::memcpy(&v, c.data() + c.size() - 4, 4);
    return v;
  };
  EXPECT_EQ(tail(c1), 0x3ac63ffbu);
  EXPECT_EQ(tail(c2), 0x259a5e74u);
  EXPECT_EQ(tail(c3), 0x7ea677e8u);
}

TEST(FileChunker, RoundTripsAtTheBoundaries) {
  // "src.bin" under the temporary folder: header overhead is the path's length + 32.
  for (int64_t delta : {-1, 0, 1}) {
    lxtest::TempDir probe;
    const int64_t overhead = static_cast<int64_t>(lx::UTF16ToUTF8(probe.File("src.bin")).size()) + 32;
    ChunkSet set(Pattern(static_cast<size_t>(4096 - overhead + delta), 7, 1));
    set.Make();
    EXPECT_EQ(set.made, delta <= 0 ? 1 : 2) << delta;
    if (delta == 0) {
      EXPECT_EQ(std::filesystem::file_size(set.dir.path / set.Chunk(1)), 4096u);
    }
    ASSERT_TRUE(set.Restore()) << lx::UTF16ToUTF8(set.chunker.LastProblem());
    EXPECT_EQ(set.dir.Read("back/src.bin"), set.dir.Read("src.bin"));
  }
  for (size_t size : {size_t(0), size_t(1), size_t(50000)}) {
    ChunkSet set(Pattern(size, 13, 5));
    int made_events = 0, restored_events = 0;
    set.chunker.OnChunkMade = [&](const lx::UnicodeString&, int, int) { ++made_events; };
    set.chunker.OnRestoreOne = [&](const lx::UnicodeString&, int, int) { ++restored_events; };
    set.Make();
    EXPECT_EQ(made_events, set.made);
    ASSERT_TRUE(set.Restore()) << lx::UTF16ToUTF8(set.chunker.LastProblem());
    EXPECT_EQ(restored_events, set.made);
    EXPECT_EQ(set.dir.Read("back/src.bin"), set.dir.Read("src.bin")) << size;
  }
}

TEST(FileChunker, DamagedMissingOrReorderedSetsWriteNothing) {
  auto expectRefused = [](ChunkSet& set, const char* what) {
    EXPECT_FALSE(set.Restore()) << what;
    EXPECT_FALSE(set.chunker.LastProblem().empty()) << what;
    EXPECT_FALSE(std::filesystem::exists(set.dir.path / "back/src.bin")) << what;
  };
  {
    ChunkSet set(Pattern(20000, 3, 9));
    set.Make();
    ASSERT_GE(set.made, 4);
    std::string c = set.dir.Read(set.Chunk(3));
    c[c.size() - 1] ^= 0x55;  // the checksum field
    set.dir.Write(set.Chunk(3), c);
    expectRefused(set, "checksum");
  }
  {
    ChunkSet set(Pattern(20000, 3, 9));
    set.Make();
    std::string c = set.dir.Read(set.Chunk(set.made));
    c[10] ^= 0x01;  // data of the last chunk
    set.dir.Write(set.Chunk(set.made), c);
    expectRefused(set, "data");
    // An existing file of that name outlives a damaged set untouched, with no backup made.
    set.dir.Write("back/src.bin", "old");
    EXPECT_FALSE(set.Restore());
    EXPECT_EQ(set.dir.Read("back/src.bin"), "old");
    EXPECT_FALSE(std::filesystem::exists(set.dir.path / "back/src.bak"));
  }
  {
    ChunkSet set(Pattern(20000, 3, 9));
    set.Make();
    std::filesystem::remove(set.dir.path / set.Chunk(2));
    std::vector<std::string> prompts;
    set.chunker.OnDiskQuery = [&](const lx::UnicodeString& text, const lx::UnicodeString&) {
      prompts.push_back(lx::UTF16ToUTF8(text));
      return false;
    };
    expectRefused(set, "missing");
    ASSERT_EQ(prompts.size(), 1u);
    EXPECT_EQ(prompts[0].rfind("Insert disk 2 in ", 0), 0u);
  }
  {
    ChunkSet set(Pattern(20000, 3, 9));
    set.Make();
    std::filesystem::rename(set.dir.path / set.Chunk(2), set.dir.path / "tmp");
    std::filesystem::rename(set.dir.path / set.Chunk(3), set.dir.path / set.Chunk(2));
    std::filesystem::rename(set.dir.path / "tmp", set.dir.path / set.Chunk(3));
    expectRefused(set, "reordered");
  }
  {
    ChunkSet set(Pattern(20000, 3, 9));
    set.Make();
    std::filesystem::resize_file(set.dir.path / set.Chunk(2), 100);
    expectRefused(set, "truncated");
  }
}

TEST(FileChunker, HostileHeadersAreRefusedOrConfined) {
  auto header = [](const std::string& name, int32_t chunkSize, int32_t n) {
    lx::TMemoryStream m;
    lx::TChunkSetHeader h;
    h.SourceName = name;
    h.ChunkSize = chunkSize;
    h.OutOf = n;
    lx::WriteChunkSetHeader(m, h);
    return m;
  };
  lx::TChunkSetHeader h;
  lx::UnicodeString why;
  for (const char* bad : {"..", "a/..", "dir\\.", ""}) {
    auto m = header(bad, 4096, 1);
    m.SetPosition(0);
    EXPECT_FALSE(lx::ReadChunkSetHeader(m, 4096, h, why)) << bad;
  }
  auto zero = header("a.txt", 4096, 0);
  zero.SetPosition(0);
  EXPECT_FALSE(lx::ReadChunkSetHeader(zero, 4096, h, why));
  auto tiny = header("a.txt", 10, 1);
  tiny.SetPosition(0);
  EXPECT_FALSE(lx::ReadChunkSetHeader(tiny, 4096, h, why));
  auto shortFile = header("a.txt", 4096, 1);
  shortFile.SetPosition(0);
  EXPECT_FALSE(lx::ReadChunkSetHeader(shortFile, 20, h, why));
  EXPECT_EQ(lx::ChunkSetTargetName("..\\..\\etc/passwd"), u"passwd");

  // A set made from a path that climbs out still restores inside the chosen folder.
  lxtest::TempDir dir;
  std::filesystem::create_directory(dir.path / "back");
  {
    lx::TFileStream out(dir.File("chunk 1 of 1.tmp"), lx::fmCreate);
    lx::TChunkSetHeader evil;
    evil.SourceName = "../../escaped.txt";
    evil.ChunkSize = 4096;
    evil.OutOf = 1;
    lx::WriteChunkSetHeader(out, evil);
    lx::WriteLE(out, int32_t(0));
    const char data[4] = {'a', 'b', 'c', 'd'};
    out.WriteBuffer(data, 4);
    lx::WriteLE(out, lx::ChunkBlockChecksum(reinterpret_cast<const uint8_t*>(data), 4));
  }
  lx::TFileChunker chunker;
  chunker.SetSourcename(dir.File("chunk 1 of 1.tmp"));
  chunker.SetDirRestoring(dir.File("back"));
  ASSERT_TRUE(chunker.RestoreAllChunks()) << lx::UTF16ToUTF8(chunker.LastProblem());
  EXPECT_EQ(dir.Read("back/escaped.txt"), "abcd");
}

TEST(FileChunker, ExistingTargetIsKeptWhenRefusedAndBackedUpWhenReplaced) {
  ChunkSet set(Pattern(9000, 5, 2));
  set.Make();
  set.dir.Write("back/src.bin", "old");
  set.chunker.OnOverwriteQuery = [](const lx::UnicodeString&) { return false; };
  EXPECT_FALSE(set.Restore());
  EXPECT_EQ(set.dir.Read("back/src.bin"), "old");
  set.chunker.OnOverwriteQuery = nullptr;
  set.chunker.SetDeleteAfterRestore(true);
  EXPECT_TRUE(set.Restore());
  EXPECT_EQ(set.dir.Read("back/src.bin"), set.dir.Read("src.bin"));
  EXPECT_EQ(set.dir.Read("back/src.bak"), "old");
  EXPECT_FALSE(std::filesystem::exists(set.dir.path / set.Chunk(1)));
}

TEST(FileChunker, ZipTooCarriesAnArchiveOfTheSource) {
  ChunkSet set(std::string(30000, 'z') + "end", 4096);
  set.chunker.SetZipToo(true);
  set.Make();
  EXPECT_EQ(set.made, 1);  // 30 kB of one letter deflates to a few dozen bytes
  ASSERT_TRUE(set.Restore());
  EXPECT_TRUE(set.chunker.ZipToo());
  lx::TZipReader zip(set.dir.File("back/src.bin"));
  ASSERT_EQ(zip.Count(), 1);
  EXPECT_EQ(zip.Name(0), u"src.bin");
  const auto bytes = zip.Extract(0);
  EXPECT_EQ(std::string(bytes.begin(), bytes.end()), set.dir.Read("src.bin"));
}

TEST(FileChunker, StopLeavesNoPartialSet) {
  ChunkSet set(Pattern(20000, 3, 9));
  set.chunker.OnChunkMade = [&](const lx::UnicodeString&, int number, int) {
    if (number == 2) set.chunker.Stop();
  };
  try {
    set.Make();
    FAIL() << "a stopped run must not report success";
  } catch (const lx::Exception& e) {
    EXPECT_EQ(e.Message, u"Copy failure");
  }
  EXPECT_TRUE(std::filesystem::is_empty(set.dir.path / "out"));
}
