#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <time.h>

#include <cmath>
#include <filesystem>

#include "lexcore/rtl/lx_exceptions.h"
#include "lexcore/rtl/lx_paths.h"
#include "lexcore/rtl/lx_strings.h"
#include "test_files.h"

using namespace lx;

namespace {
std::string S(const UnicodeString& s) {
  return UTF16ToUTF8(s);
}
}  // namespace

TEST(Paths, NamePartsWithEitherSeparator) {
  EXPECT_EQ(S(ExtractFileName(u"C:\\corpus\\texts\\a.txt")), "a.txt");
  EXPECT_EQ(S(ExtractFilePath(u"C:\\corpus\\texts\\a.txt")), "C:\\corpus\\texts\\");
  EXPECT_EQ(S(ExtractFileDir(u"C:\\corpus\\texts\\a.txt")), "C:\\corpus\\texts");
  EXPECT_EQ(S(ExtractFilePath(u"zip/sub\\x.txt")), "zip/sub\\");
  EXPECT_EQ(S(ExtractFileName(u"plain.txt")), "plain.txt");
  EXPECT_EQ(S(ExtractFilePath(u"plain.txt")), "");
  EXPECT_EQ(S(ExtractFileDir(u"/a.txt")), "/");
  EXPECT_EQ(S(ExtractFileDir(u"/home/u/")), "/home/u");
  EXPECT_EQ(S(ExtractFileDir(u"a//b")), "a//");

  EXPECT_EQ(S(ExtractFileExt(u"/x/list.LST")), ".LST");
  EXPECT_EQ(S(ExtractFileExt(u"/x.d/list")), "");  // a dot in a folder name is no extension
  EXPECT_EQ(S(ExtractFileExt(u"c:\\x.d\\list")), "");
  EXPECT_EQ(S(ExtractFileExt(u"archive.tar.gz")), ".gz");
  EXPECT_EQ(S(ChangeFileExt(u"/x.d/list", u".bak")), "/x.d/list.bak");
  EXPECT_EQ(S(ChangeFileExt(u"w\\a.b.txt", u".lst")), "w\\a.b.lst");
  EXPECT_EQ(S(ChangeFileExt(u"a.txt", u"")), "a");

  EXPECT_EQ(S(IncludeTrailingPathDelimiter(u"/tmp")), "/tmp/");
  EXPECT_EQ(S(IncludeTrailingPathDelimiter(u"C:\\tmp\\")), "C:\\tmp\\");
  EXPECT_EQ(S(ExcludeTrailingPathDelimiter(u"C:\\tmp\\")), "C:\\tmp");
  EXPECT_EQ(S(ExcludeTrailingPathDelimiter(u"/tmp")), "/tmp");
}

TEST(Paths, FileSystemRoutines) {
  lxtest::TempDir dir;
  const UnicodeString deep = dir.File("a/b/c");
  EXPECT_FALSE(DirectoryExists(deep));
  EXPECT_TRUE(ForceDirectories(deep + u"/"));
  EXPECT_TRUE(DirectoryExists(deep));
  EXPECT_TRUE(ForceDirectories(deep));  // already there
  EXPECT_THROW(ForceDirectories(u""), EInOutError);

  dir.Write("f.txt", "12345");
  dir.Write("g.txt", "1");
  const UnicodeString f = dir.File("f.txt"), g = dir.File("g.txt"), h = dir.File("h.txt");
  EXPECT_TRUE(FileExists(f));
  EXPECT_FALSE(FileExists(deep));  // a folder is not a file
  EXPECT_EQ(FileSize(f), 5);
  EXPECT_EQ(FileSize(h), -1);

  EXPECT_FALSE(RenameFile(f, g));  // never replaces
  EXPECT_EQ(dir.Read("g.txt"), "1");
  EXPECT_TRUE(RenameFile(f, h));
  EXPECT_FALSE(FileExists(f));
  EXPECT_TRUE(FileExists(h));

  EXPECT_FALSE(DeleteFile(deep));
  EXPECT_TRUE(DirectoryExists(deep));
  EXPECT_TRUE(DeleteFile(h));
  EXPECT_FALSE(DeleteFile(h));

  // Modification time as a local TDateTime.
  struct timespec times[2] = {{0, UTIME_OMIT}, {86400 * 365, 0}};
  ASSERT_EQ(utimensat(AT_FDCWD, dir.Native("g.txt").c_str(), times, 0), 0);
  TDateTime age = 0;
  ASSERT_TRUE(FileAge(g, age));
  const time_t t = 86400 * 365;
  struct tm local;
  localtime_r(&t, &local);
  EXPECT_NEAR(age, 25569.0 + 365.0 + local.tm_gmtoff / 86400.0, 1e-9);  // 1971-01-01 00:00 UTC
  EXPECT_EQ(FileDateTime(g), age);
  EXPECT_FALSE(FileAge(h, age));
  EXPECT_THROW(FileDateTime(h), EInOutError);
}

TEST(Paths, ExpandFileName) {
  const UnicodeString cwd = GetCurrentDir();
  ASSERT_FALSE(cwd.empty());
  EXPECT_EQ(S(ExpandFileName(u"/a/b/../c/./d.txt")), "/a/c/d.txt");
  EXPECT_EQ(S(ExpandFileName(u"/a/b/..")), "/a");
  EXPECT_EQ(S(ExpandFileName(u"/a/b/")), "/a/b/");
  EXPECT_EQ(S(ExpandFileName(u"\\a\\b\\x.txt")), "/a/b/x.txt");
  EXPECT_EQ(ExpandFileName(u"x.txt"), IncludeTrailingPathDelimiter(cwd) + u"x.txt");
  EXPECT_EQ(ExpandFileName(u""), u"");
}
