#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "lexcore/files/DLL_utils.h"
#include "lexcore/files/file_utils.h"
#include "lexcore/files/logging_utilities.h"
#include "lexcore/files/my_kpSmall.h"
#include "lexcore/rtl/lx_messages.h"
#include "lexcore/rtl/lx_paths.h"
#include "lexcore/rtl/lx_strings.h"
#include "test_files.h"

using namespace lx;
using lxtest::TempDir;

TEST(FileUtilities, ContentsTypeBySignatureAndEncoding) {
  auto type = [](const std::string& bytes, bool thorough) {
    return FileBufferType(bytes.data(), static_cast<int64_t>(bytes.size()), thorough);
  };
  for (bool thorough : {false, true}) {
    EXPECT_EQ(type("abc", thorough), TFileContentsSet{});
    EXPECT_EQ(type(std::string("PK\x03\x04garbage", 11), thorough), TFileContentsSet{_Zip});
    EXPECT_EQ(type("\xD0\xCF\x11\xE0....", thorough), TFileContentsSet{_Storage});
    EXPECT_EQ(type(std::string("\xDB\xA5\x2D\x00xx", 6), thorough), TFileContentsSet{_early_Word});
    EXPECT_EQ(type(std::string("\xFF\xFEh\0i\0", 6), thorough), TFileContentsSet{_16_bit});
    EXPECT_EQ(type(std::string("\xFE\xFF\0h\0i", 6), thorough), TFileContentsSet{_16_bit_reversed});
  }
  EXPECT_EQ(type("\xEF\xBB\xBFtext", false), (TFileContentsSet{_8_bit, _UTF8}));
  EXPECT_EQ(type("\xEF\xBB\xBFtext", true), TFileContentsSet{_UTF8});
  EXPECT_EQ(type("plain text", false), TFileContentsSet{_8_bit});
  EXPECT_EQ(type("plain text!", true), TFileContentsSet{});
  EXPECT_EQ(type("caf\xC3\xA9 ok", true), TFileContentsSet{_UTF8});
  EXPECT_EQ(type("caf\xE9 ok!", true), TFileContentsSet{_8_bit});
  EXPECT_EQ(type(std::string("w\0o\0r\0d\0s\0", 10), true), TFileContentsSet{_16_bit});

  TempDir t;
  t.Write("u.txt", std::string("\xFF\xFEh\0", 4));
  EXPECT_EQ(FileContentsType(t.File("u.txt"), false), TFileContentsSet{_16_bit});
  EXPECT_EQ(FileContentsType(t.File("missing"), true), TFileContentsSet{});
}

TEST(FileUtilities, FileRoutines) {
  TempDir t;
  t.Write("a.txt", "hello");
  t.Write("b.dat", "x");
  EXPECT_EQ(FileSizeOf(t.File("a.txt")), 5);
  EXPECT_EQ(FileSizeOf(t.File("nope")), -1);
  EXPECT_EQ(CheckSumOfAFile(t.File("a.txt")), 0x3610A686u);  // CRC-32 of "hello"
  EXPECT_EQ(CheckSumOfAFile(t.File("nope")), 0u);
  EXPECT_TRUE(CopyAFileWithBackup(t.File("a.txt")));
  EXPECT_EQ(t.Read("a.bak"), "hello");
  EXPECT_TRUE(CopyFileRetainingDate(t.File("a.txt"), t.File("c.txt"), true));
  EXPECT_FALSE(CopyFileRetainingDate(t.File("a.txt"), t.File("c.txt"), true));
  TDateTime d1 = 0, d2 = 0;
  ASSERT_TRUE(FileAge(t.File("a.txt"), d1) && FileAge(t.File("c.txt"), d2));
  EXPECT_DOUBLE_EQ(d1, d2);
  EXPECT_EQ(DeleteAllFilesOn(UTF8ToUTF16(t.path.string()), u"*.txt"), 2);
  EXPECT_TRUE(FileExists(t.File("b.dat")));

  EXPECT_EQ(CleanedUpFilename(u"C:\\a\\b:c?.txt"), u"bc.txt");
  EXPECT_EQ(CleanedUpFilename(u"/x/a\x01[b]*.txt"), u"ab.txt");
  EXPECT_EQ(RemoveDotsFromFilename(u"a.b.c"), u"abc");
  EXPECT_TRUE(DriveAndFolderExist(UTF8ToUTF16(t.path.string())));
  EXPECT_FALSE(DriveAndFileExist(UTF8ToUTF16(t.path.string())));
  EXPECT_FALSE(DriveAndFolderExist(u""));
  EXPECT_FALSE(DriveAndFolderExist(u"\\\\server\\share", false, false));
  EXPECT_EQ(FileNameWithParentFolderOnly(u"/a/b/c/d.txt"), u"c/d.txt");
  EXPECT_GE(NumberOfDrives(), 1);
  EXPECT_FALSE(DriveWithMostFreeSpace().empty());
}

TEST(FileUtilities, FoldersInStoredNames) {
  const UnicodeString folder = u"C:\\data\\";
  EXPECT_EQ(ConvertedUserFolderInFilename(folder, u"C:\\data\\texts\\a.txt", true),
            u"$userdir\\texts\\a.txt");
  EXPECT_EQ(ConvertedFilenameFromUserDirFName(folder, u"$userdir\\texts\\a.txt"), u"C:\\data\\texts\\a.txt");
  EXPECT_EQ(ConvertedUserFolderInFilename(folder, u"C:\\other\\b.txt", true), u"$user_drive\\other\\b.txt");
  EXPECT_EQ(ConvertedFilenameFromUserDirFName(folder, u"$user_drive\\other\\b.txt"), u"C:\\other\\b.txt");
  EXPECT_EQ(ConvertedUserFolderInFilename(folder, u"D:\\x.txt", true), u"D:\\x.txt");
  EXPECT_EQ(ConvertedUserFolderInFilename(u"/home/u/", u"/home/u/t/a.txt", true), u"$userdir/t/a.txt");
  EXPECT_EQ(ConvertedFilenameFromUserDirFName(u"/srv/u/", u"$userdir/t/a.txt"), u"/srv/u/t/a.txt");
}

TEST(FileUtilities, WaitingExecMessagesAndLibraries) {
  int yields = 0;
  Global_YieldProcessProc = [&] { ++yields; };
  EXPECT_FALSE(WAitTillDone([] { return false; }, 5));
  EXPECT_EQ(yields, 0);
  int calls = 0;
  EXPECT_FALSE(WAitTillDone([&] { return ++calls < 3; }, 5));
  EXPECT_EQ(yields, 8);
  const auto start = std::chrono::steady_clock::now();
  bool busy = true;
  Global_YieldProcessProc = nullptr;
  EXPECT_TRUE(WAitTillDone(busy, 0));
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(3));

  std::u16string shown;
  Global_ShowMessageProc = [&](const UnicodeString& s) { shown = s; };
  EXPECT_EQ(CheckExec(2, u"tool"), 2);
  EXPECT_EQ(shown, u"Can't access tool");
  EXPECT_EQ(CheckExecMessage(31, u"doc.xyz"), u"Can't handle files ending \".xyz\"");
  EXPECT_EQ(CheckExecMessage(16, u"x"), u"x already running");
  EXPECT_EQ(CheckExecMessage(12, u"x"), u"Can't communicate with x");
  shown.clear();
  CheckExec(42, u"x");
  EXPECT_TRUE(shown.empty());
  Global_ShowMessageProc = nullptr;

  Tlibrary_rec rec = FindLibraryFunction(u"libz.so.1", u"crc32");
  ASSERT_NE(rec.func_address, nullptr);
  EXPECT_TRUE(CloseLibraryFunction(rec));
  EXPECT_EQ(rec.lib_handle, nullptr);
  EXPECT_EQ(FindLibraryFunction(u"libz.so.1", u"no_such_function").func_address, nullptr);
  EXPECT_EQ(FindLibraryFunction(u"libnothing.so", u"f").lib_handle, nullptr);
}

TEST(FileUtilities, LogPrefixesSectionsAndClearing) {
  TempDir t;
  SetLogFilename(t.File("log.txt"));
  global_keeping_log = true;
  SetLoggingTool(2);
  StartNewLogSection();
  AddToLogFile(u"hello");
  EXPECT_EQ(LogPrefixOfTool(16), u"(LX7): ");
  EXPECT_EQ(LogPrefixOfTool(6), u"(?\?)");
  const std::string bytes = t.Read("log.txt");
  std::u16string text((bytes.size()) / 2, u'\0');
  for (std::size_t i = 0; i < text.size(); ++i)
    text[i] = static_cast<char16_t>(static_cast<uint8_t>(bytes[2 * i]) |
                                    static_cast<uint8_t>(bytes[2 * i + 1]) << 8);
  EXPECT_EQ(text.substr(0, 18), u"\xFEFF(K): **********\r\n");
  EXPECT_NE(text.find(u"(K): LOG STARTED at "), std::u16string::npos);
  EXPECT_NE(text.find(u"(K): hello\r\n"), std::u16string::npos);
  ClearLogFile();
  EXPECT_EQ(t.Read("log.txt").find("h\0e\0l\0l\0o", 0, 10), std::string::npos);
  global_keeping_log = false;
  SetLogFilename(u"");
  Global_LogLinePrefixProc = nullptr;
}
