#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "lexcore/files/file_utils.h"
#include "lexcore/rtl/lx_paths.h"
#include "lexcore/rtl/lx_streams.h"
#include "lexcore/rtl/lx_strings.h"
#include "test_files.h"

using namespace lx;
using lxtest::TempDir;
namespace fs = std::filesystem;

TEST(FileUtilitiesTokens, ProgramFolderRoundTripAndListConversion) {
  const UnicodeString app = ProgramFolder();
  ASSERT_FALSE(app.empty());
  EXPECT_EQ(app.back(), u'/');
  EXPECT_TRUE(DirectoryExists(app));
  const UnicodeString inside = app + u"lists/a.lst";
  const UnicodeString tokened = ConvertedAppFolderInFilename(inside, true);
  EXPECT_EQ(tokened, u"$userdir/lists/a.lst");
  EXPECT_EQ(ConvertedAppFolderInFilename(tokened, false), inside);

  TStringList list;
  list.Add(inside);
  list.Add(u"C:\\elsewhere\\b.txt");  // another drive: left alone
  EXPECT_EQ(CheckUserDirConstFolder(list, true), 1);
  EXPECT_EQ(list[0], tokened);
  EXPECT_EQ(list[1], u"C:\\elsewhere\\b.txt");
  EXPECT_EQ(CheckUserDirConstFolder(list, false), 1);
  EXPECT_EQ(list[0], inside);
}

TEST(FileUtilitiesTokens, DriveTokenOnMountPointsAndLetters) {
  EXPECT_EQ(ConvertedFilenameIfOnDrive(u"/media/usb", u"/media/usb/texts/a.txt", true),
            u"$user_drive/texts/a.txt");
  EXPECT_EQ(ConvertedFilenameIfOnDrive(u"/media/usb", u"$user_drive/texts/a.txt", false),
            u"/media/usb/texts/a.txt");
  // A sibling mount whose name merely starts the same is another drive.
  EXPECT_EQ(ConvertedFilenameIfOnDrive(u"/media/usb", u"/media/usb2/a.txt", true), u"/media/usb2/a.txt");
  EXPECT_EQ(ConvertedFilenameIfOnDrive(u"", u"/home/a.txt", true), u"$user_drive/home/a.txt");
  EXPECT_EQ(ConvertedFilenameIfOnDrive(u"", u"$USER_DRIVE/home/a.txt", false), u"/home/a.txt");
  EXPECT_EQ(ConvertedFilenameIfOnDrive(u"C:", u"c:\\data\\a.txt", true), u"$user_drive\\data\\a.txt");
  EXPECT_EQ(ConvertedFilenameIfOnDrive(u"C:", u"D:\\data\\a.txt", true), u"D:\\data\\a.txt");
  EXPECT_EQ(ConvertedFilenameIfOnDrive(u"C:", u"no token", false), u"no token");

  // The program's own drive round-trips whatever mount it is on.
  const UnicodeString name = ProgramFolder() + u"x.txt";
  const UnicodeString tokened = ConvertedFilenameIfUserDrive(name, true);
  EXPECT_EQ(tokened.rfind(u"$user_drive/", 0), 0u);
  EXPECT_EQ(ConvertedFilenameIfUserDrive(tokened, false), name);
}

TEST(FileUtilitiesFolders, EmptyFoldersRemovedDeepestFirstWithoutFollowingLinks) {
  TempDir t;
  fs::create_directories(t.path / "a/b/c");
  fs::create_directories(t.path / "keep/sub");
  t.Write("keep/file.txt", "x");
  TempDir other;
  fs::create_directories(other.path / "empty");
  fs::create_directory_symlink(other.path, t.path / "keep/link");
  EXPECT_EQ(RemoveAllEmptyFolders(t.File("")), 4);  // a, b, c, keep/sub
  EXPECT_FALSE(fs::exists(t.path / "a"));
  EXPECT_TRUE(fs::exists(t.path / "keep/file.txt"));
  EXPECT_TRUE(fs::exists(other.path / "empty")) << "a link was followed";
  EXPECT_TRUE(fs::exists(t.path));

  EXPECT_FALSE(RemovedEmptyFolder(t.File("keep")));
  EXPECT_TRUE(RemovedEmptyFolder(lx::UTF8ToUTF16((other.path / "empty/").string())));
  EXPECT_FALSE(RemovedEmptyFolder(t.File("missing")));
  EXPECT_FALSE(RemovedEmptyFolder(t.File("keep/file.txt")));
}

TEST(FileUtilitiesFolders, NewSubFolderNumbersTakenNamesAndRefusesPaths) {
  TempDir t;
  EXPECT_EQ(NewSubFolderFrom(t.File(""), u"out"), t.File("out/"));
  EXPECT_EQ(NewSubFolderFrom(t.File(""), u"out"), t.File("out (2)/"));
  EXPECT_EQ(NewSubFolderFrom(t.File(""), u"out"), t.File("out (3)/"));
  EXPECT_EQ(NewSubFolderFrom(t.File(""), u".."), u"");
  EXPECT_EQ(NewSubFolderFrom(t.File(""), u"a/../../b"), u"");
  EXPECT_EQ(NewSubFolderFrom(t.File("missing"), u"x"), u"");
}

TEST(FileUtilitiesFolders, CopyOrMoveKeepsRelativePlaceAndDate) {
  TempDir t;
  fs::create_directories(t.path / "src/deep/er");
  t.Write("src/deep/er/f.txt", "content");
  ASSERT_TRUE(SetFileDate(t.File("src/deep/er/f.txt"), 2001, 2, 3, 4, 5, 6));
  EXPECT_TRUE(
      CopyOrMoveAFileRetainingDirStructure(t.File("src/deep/er/f.txt"), t.File("src"), t.File("dst"), false));
  EXPECT_EQ(t.Read("dst/deep/er/f.txt"), "content");
  EXPECT_EQ(fs::last_write_time(t.path / "dst/deep/er/f.txt"),
            fs::last_write_time(t.path / "src/deep/er/f.txt"));
  EXPECT_TRUE(CopyOrMoveAFileRetainingDirStructure(t.File("src/deep/er/f.txt"), t.File("src/"),
                                                   t.File("moved"), true));
  EXPECT_FALSE(fs::exists(t.path / "src/deep/er/f.txt"));
  EXPECT_EQ(t.Read("moved/deep/er/f.txt"), "content");

  t.Write("other.txt", "o");
  EXPECT_FALSE(
      CopyOrMoveAFileRetainingDirStructure(t.File("other.txt"), t.File("src"), t.File("dst"), false));
  EXPECT_FALSE(
      CopyOrMoveAFileRetainingDirStructure(t.File("src/../other.txt"), t.File("src"), t.File("dst"), true));
  EXPECT_TRUE(fs::exists(t.path / "other.txt"));
  EXPECT_FALSE(
      CopyOrMoveAFileRetainingDirStructure(t.File("src/none.txt"), t.File("src"), t.File("dst"), false));
}

TEST(FileUtilitiesFolders, PathComparisons) {
  TempDir t;
  fs::create_directories(t.path / "a/b");
  fs::create_directory_symlink(t.path / "a", t.path / "alias");
  EXPECT_TRUE(FolderProposedIsOriginalFolder(t.File("a"), t.File("alias/")));
  EXPECT_TRUE(FolderProposedIsOriginalFolder(t.File("a/b/.."), t.File("a")));
  EXPECT_FALSE(FolderProposedIsOriginalFolder(t.File("a"), t.File("a/b")));
  EXPECT_TRUE(FoldersFromSameHead(t.File("a"), t.File("alias/b")));
  EXPECT_TRUE(FoldersFromSameHead(t.File("a/b"), t.File("a")));
  EXPECT_FALSE(FoldersFromSameHead(t.File("a/b"), t.File("alias/c")));

  EXPECT_EQ(CommonDrivePathElements(u"/home/u/texts/a", u"/home/u/lists"), 3);
  EXPECT_EQ(CommonDrivePathElements(u"C:\\x\\y", u"c:\\X"), 1);  // case matters past the drive letter
  EXPECT_EQ(CommonDrivePathElements(u"rel/a", u"/rel/a"), 0);
  EXPECT_EQ(NameUpToXPathDelimiters(u"/home/u/texts/a.txt", 3), u"/home/u/");
  EXPECT_EQ(NameUpToXPathDelimiters(u"/home/u/texts/a.txt", 9), u"/home/u/texts/a.txt");
  EXPECT_EQ(NameUpToXPathDelimiters(u"/home", 0), u"");
}

TEST(FileUtilitiesFolders, ListingAndSortingFiles) {
  TempDir t;
  fs::create_directories(t.path / "sub");
  t.Write("b.txt", "");
  t.Write("sub/a.txt", "");
  TStringList list;
  ListOfFilesAndDirs(t.File(""), list, true);
  ASSERT_EQ(list.Count(), 3);
  EXPECT_EQ(list[0], t.File("b.txt"));
  EXPECT_EQ(list[1], t.File("sub/"));
  EXPECT_EQ(list[2], t.File("sub/a.txt"));

  TStringList files;
  for (const char16_t* n : {u"/d/sub/A.txt", u"/d/z.txt", u"/d/Sub2/a.txt", u"/d/b.txt", u"/c/q.txt"})
    files.Add(n);
  SortListOfFiles(files);
  const char16_t* want[] = {u"/c/q.txt", u"/d/b.txt", u"/d/z.txt", u"/d/sub/A.txt", u"/d/Sub2/a.txt"};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(files[i], want[i]) << i;
}

TEST(FileUtilitiesDrives, VolumesAndLongNames) {
  TempDir t;
  t.Write("f.txt", "x");
  const UnicodeString id = VolumeID(t.File(""));
  EXPECT_EQ(id.size(), 16u);
  EXPECT_EQ(VolumeID(t.File("f.txt")), id);
  EXPECT_EQ(VolumeID(t.File("missing")), u"");
  EXPECT_FALSE(NetworkVolume(t.File("missing")));
  EXPECT_EQ(NumberOfNetworkDrives(), static_cast<int>(AllNetworkDrives().size()));
  for (const UnicodeString& d : AllNetworkDrives()) EXPECT_TRUE(NetworkVolume(d));
  EXPECT_FALSE(MountPointOf(t.File("f.txt")).empty());

  fs::create_directories(t.path / "x/y");
  const UnicodeString real = GetLongPathNameW(t.File(""));
  EXPECT_EQ(GetLongPathNameW(t.File("x/y/../../f.txt")), real + u"/f.txt");
  EXPECT_EQ(GetLongPathNameW(t.File("nothing")), u"");
}

TEST(FileUtilitiesDrives, StatusPermissionsAndDates) {
  TempDir t;
  fs::create_directories(t.path / "new/texts");
  t.Write("new/texts/a.txt", "x");
  UnicodeString found;
  EXPECT_EQ(GetFileStatusOfAFile(t.File("new/texts/a.txt"), u"", found), fs_exists);
  EXPECT_EQ(GetFileStatusOfAFile(u"/old/place/texts/a.txt", t.File("new"), found), fs_moved);
  EXPECT_EQ(found, t.File("new/texts/a.txt"));
  EXPECT_EQ(GetFileStatusOfAFile(u"/old/place/none.txt", t.File("new"), found), fs_unknown);
  EXPECT_EQ(found, u"");

  t.Write("ro.txt", "x");
  ::chmod(t.Native("ro.txt").c_str(), 0444);
  if (::geteuid() != 0) {  // root may write anything
    EXPECT_TRUE(ReadOnlyFileW(t.File("ro.txt")));
    EXPECT_FALSE(OKToDeleteFile(t.File("ro.txt")));
  }
  EXPECT_FALSE(ReadOnlyFileW(t.File("new/texts/a.txt")));
  EXPECT_TRUE(OKToDeleteFile(t.File("new/texts/a.txt")));
  EXPECT_FALSE(OKToDeleteFile(t.File("new")));
  EXPECT_FALSE(ReadOnlyFolderW(t.File("new")));
  EXPECT_FALSE(ReadOnlyFileW(t.File("missing")));

  const UnicodeString f = t.File("new/texts/a.txt");
  ASSERT_TRUE(SetFileDate(f, 2010, 6, 15, 12, 30, 45));
  TDateTime age;
  ASSERT_TRUE(FileAge(f, age));
  uint16_t y, mo, d, h, mi, s, ms;
  DecodeDateTime(age, y, mo, d, h, mi, s, ms);
  EXPECT_EQ(std::vector<int>({y, mo, d, h, mi, s}), std::vector<int>({2010, 6, 15, 12, 30, 45}));
  EXPECT_TRUE(SetFileDate(t.File("ro.txt"), EncodeDate(1999, 12, 31) + EncodeTime(23, 59, 58, 0)));
  ASSERT_TRUE(FileAge(t.File("ro.txt"), age));
  DecodeDateTime(age, y, mo, d, h, mi, s, ms);
  EXPECT_EQ(std::vector<int>({y, mo, d, h, mi, s}), std::vector<int>({1999, 12, 31, 23, 59, 58}));
  EXPECT_TRUE(SetFileDate(t.File("ro.txt"), f));
  EXPECT_EQ(fs::last_write_time(t.path / "ro.txt"), fs::last_write_time(t.path / "new/texts/a.txt"));
  EXPECT_FALSE(SetFileDate(f, 2010, 2, 30));
  EXPECT_FALSE(SetFileDate(t.File("missing"), 2010, 1, 1));
  EXPECT_FALSE(SetFileDate(f, t.File("missing")));
}
