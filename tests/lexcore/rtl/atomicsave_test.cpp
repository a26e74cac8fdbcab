#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "lexcore/rtl/lx_atomicsave.h"
#include "lexcore/rtl/lx_strings.h"
#include "test_files.h"

using namespace lx;
using lxtest::TempDir;

namespace {

int FilesIn(const std::filesystem::path& folder) {
  int n = 0;
  for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(folder)) ++n;
  return n;
}

}  // namespace

TEST(DurableSave, ReplacesTheFileAndLeavesNoTemporary) {
  TempDir dir;
  dir.Write("list.txt", "old contents");
  SaveFileDurably(dir.File("list.txt"), "new", 3);
  EXPECT_EQ(dir.Read("list.txt"), "new");
  SaveFileDurably(dir.File("fresh.txt"), [](TStream& s) { s.WriteBuffer("abc", 3); });
  EXPECT_EQ(dir.Read("fresh.txt"), "abc");
  SaveFileDurably(dir.File("empty.txt"), nullptr, 0);
  EXPECT_EQ(dir.Read("empty.txt"), "");
  EXPECT_EQ(FilesIn(dir.path), 3);
}

TEST(DurableSave, AFailedSaveLeavesTheOldFileWhole) {
  TempDir dir;
  dir.Write("list.txt", "old contents");
  // The writer fails halfway: its own error reaches the caller.
  EXPECT_THROW(SaveFileDurably(dir.File("list.txt"),
                               [](TStream& s) {
                                 s.WriteBuffer("half", 4);
                                 throw EWriteError(u"Stream write error");
                               }),
               EWriteError);
  EXPECT_EQ(dir.Read("list.txt"), "old contents");
  EXPECT_EQ(FilesIn(dir.path), 1);

  // A folder that does not exist: the error names the file asked for.
  try {
    SaveFileDurably(dir.File("missing/list.txt"), "x", 1);
    FAIL() << "saved into a missing folder";
  } catch (const EFCreateError& e) {
    EXPECT_NE(e.Message.find(u"missing/list.txt"), UnicodeString::npos);
  }
  EXPECT_THROW(SaveFileDurably(u"", "x", 1), EFCreateError);
}

TEST(DurableSave, KeepsPermissionsAndFollowsLinks) {
  TempDir dir;
  dir.Write("target.txt", "old");
  ASSERT_EQ(chmod(dir.Native("target.txt").c_str(), 0640), 0);
  std::filesystem::create_symlink(dir.path / "target.txt", dir.path / "link.txt");
  SaveFileDurably(dir.File("link.txt"), "new", 3);
  EXPECT_TRUE(std::filesystem::is_symlink(dir.path / "link.txt"));
  EXPECT_EQ(dir.Read("target.txt"), "new");
  struct stat st {};
  ASSERT_EQ(stat(dir.Native("target.txt").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
}

TEST(DurableSave, ConcurrentSavesEachLeaveAWholeFile) {
  TempDir dir;
  const std::string a(200000, 'a'), b(300000, 'b');
  for (int round = 0; round < 20; ++round) {
    std::thread first([&] { SaveFileDurably(dir.File("shared.txt"), a.data(), a.size()); });
    std::thread second([&] { SaveFileDurably(dir.File("shared.txt"), b.data(), b.size()); });
    first.join();
    second.join();
    const std::string now = dir.Read("shared.txt");
    ASSERT_TRUE(now == a || now == b) << "a mixed file of " << now.size() << " bytes";
  }
  EXPECT_EQ(FilesIn(dir.path), 1);
}

// A pipe (or a device) named as the file to save is written to: putting an ordinary file in its place
// would take /dev/null from a system, or leave a reader waiting for ever.
TEST(DurableSave, APipeIsWrittenToNotReplaced) {
  TempDir dir;
  const std::string fifo = (dir.path / "out.pipe").string();
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  std::string got;
  std::thread reader([&] {
    if (std::FILE* f = std::fopen(fifo.c_str(), "rb")) {
      char buffer[4096];
      for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, f)) > 0;) got.append(buffer, n);
      std::fclose(f);
    }
  });
  // Written through a writer that seeks back, as list files are.
  SaveFileDurably(UTF8ToUTF16(fifo), [](TStream& s) {
    s.WriteBuffer("xxxx tail", 9);
    s.Seek(0, soBeginning);
    s.WriteBuffer("head", 4);
  });
  reader.join();
  EXPECT_EQ(got, "head tail");
  struct stat st {};
  ASSERT_EQ(::stat(fifo.c_str(), &st), 0);
  EXPECT_TRUE(S_ISFIFO(st.st_mode));
  EXPECT_EQ(FilesIn(dir.path), 1);  // no temporary left
}
