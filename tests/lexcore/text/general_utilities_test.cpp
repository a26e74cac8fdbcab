// The general routines: unique file names, asking before overwriting, yes/no texts, attributes, paths and
// numbers.
#include <gtest/gtest.h>

#include <cmath>

#include "lexcore/rtl/lx_datetime.h"
#include "lexcore/rtl/lx_messages.h"
#include "lexcore/rtl/lx_paths.h"
#include "lexcore/rtl/lx_strings.h"
#include "lexcore/text/WinGenOk.h"
#include "tests/test_files.h"

namespace lx {
namespace {

// Answers every question with `answer` and keeps the questions, for as long as it lives.
struct ScriptedAnswers {
  explicit ScriptedAnswers(bool answer) {
    Global_AskYesNoProc = [this, answer](const UnicodeString& q, bool) {
      asked.push_back(q);
      return answer;
    };
  }
  ~ScriptedAnswers() { Global_AskYesNoProc = nullptr; }
  std::vector<UnicodeString> asked;
};

TEST(GeneralUtilities, UniqueFileNamesShareOneCounter) {
  lxtest::TempDir t;
  SetBatchFileStartNumberTo(-5);
  EXPECT_EQ(GetBatchFileStartNumber(), 0);
  UnicodeString fresh = UTF8ToUTF16(t.Native("none"));
  EXPECT_TRUE(ForcedToBeNewFile(fresh));
  EXPECT_EQ(fresh, UTF8ToUTF16(t.Native("none.")));  // only the "." added

  t.Write("report.txt", "x");
  UnicodeString name = UTF8ToUTF16(t.Native("report.txt"));
  ForcedToBeNewFile(name);
  EXPECT_EQ(name, UTF8ToUTF16(t.Native("report_001.txt")));
  t.Write("report_001.txt", "x");
  name = UTF8ToUTF16(t.Native("report.txt"));
  ForcedToBeNewFile(name);
  EXPECT_EQ(name, UTF8ToUTF16(t.Native("report_002.txt")));
  t.Write("report_002.txt", "x");
  t.Write("report_003.txt", "x");
  name = UTF8ToUTF16(t.Native("report_002.txt"));
  SetBatchFileStartNumberTo(2);
  ForcedToBeNewFile(name);  // report_002_003.txt is free
  EXPECT_EQ(name, UTF8ToUTF16(t.Native("report_002_003.txt")));
  SetBatchFileStartNumberTo(0);
}

TEST(GeneralUtilities, OverwritingAsksAndBacksUp) {
  lxtest::TempDir t;
  const UnicodeString file = UTF8ToUTF16(t.Native("list.dat"));
  EXPECT_TRUE(OKToOverwrite(file));  // nothing to overwrite, nothing asked
  t.Write("list.dat", "old");
  {
    ScriptedAnswers no(false);
    EXPECT_FALSE(OKToOverwrite(file));
    ASSERT_EQ(no.asked.size(), 1u);
    EXPECT_EQ(no.asked[0], u"Overwrite " + file + u"?");
    EXPECT_FALSE(OKToOverwriteWithBackup(file));
    EXPECT_FALSE(FileExists(UTF8ToUTF16(t.Native("list.bak"))));
  }
  ScriptedAnswers yes(true);
  t.Write("list.bak", "older");
  EXPECT_TRUE(OKToOverwriteWithBackup(file));
  EXPECT_EQ(yes.asked[0], u"Overwrite " + file + u" (with backup)?");
  EXPECT_EQ(t.Read("list.bak"), "old");
  // Headless, the default answer (No) is taken.
  Global_AskYesNoProc = nullptr;
  EXPECT_FALSE(OKToOverwrite(file));
}

TEST(GeneralUtilities, TextsOfBooleansAttributesAndNumbers) {
  EXPECT_EQ(BooleanToStr(true), u"true");
  EXPECT_TRUE(StrToBoolean(u"TRUE"));
  EXPECT_FALSE(StrToBoolean(u"yes"));
  EXPECT_EQ(AttributesToStr(faReadOnly | faHidden), u"rh");
  EXPECT_EQ(AttributesToStr(faDirectory), u"d");
  EXPECT_EQ(AttributesToStr(faDirectory | faArchive | faSysFile | faReadOnly | faHidden), u"rashd");
  TFormatSettings comma;
  comma.ThousandSeparator = u',';
  EXPECT_EQ(IntToDecStr(1234567, comma), u"1,234,567");
  comma.ThousandSeparator = u'.';
  EXPECT_EQ(IntToDecStr(-9876543210LL, comma), u"-9.876.543.210");
  EXPECT_EQ(IntToDecStr(12, comma), u"12");
  EXPECT_TRUE(FileNameHasWildCards(u"*.txt"));
  EXPECT_FALSE(FileNameHasWildCards(u"a.txt"));
  EXPECT_EQ(DoubleAnyAmpersands(u"R&D && co"), u"R&&D &&&& co");
  const WideChar buf[] = u"abcabc";
  EXPECT_EQ(StrLScanW(buf, u'c', 6), buf + 2);
  EXPECT_EQ(StrLScanW(buf, u'c', 2), nullptr);
  EXPECT_EQ(TodaysTimeInSeconds(3.5), 43200);
  EXPECT_EQ(TodaysTimeInSeconds(EncodeTime(1, 2, 3, 0) + 2.0), 3723);  // whole days do not count
  EXPECT_LE(std::abs(SecondsElapsedSince(Now() - 1.0 - 10.0 / 86400) - 10), 1);
  EXPECT_FALSE(UserDefaultMeasurements(0x0409));  // U.S. English
  EXPECT_TRUE(UserDefaultMeasurements(0x0809));   // British English
  EXPECT_GT(Compilation_DateTime(), 40000.0);
  EXPECT_EQ(Compilation_Year().size(), 4u);
  EXPECT_FALSE(GetLastErrorString().empty());
}

TEST(GeneralUtilities, PathsFoldersAndDiskSpace) {
  lxtest::TempDir t;
  EXPECT_EQ(NormalisedPath(u"C:\\"), u"C:\\");
  const UnicodeString folder = UTF8ToUTF16(t.Native("data"));
  std::filesystem::create_directories(t.Native("data/Sub/deeper"));
  std::filesystem::create_directories(t.Native("data/.hidden/inside"));
  EXPECT_EQ(NormalisedPath(folder + u"/"), folder);
  EXPECT_EQ(NormalisedPath(folder + u"/Sub/.."), folder);
  WideChar buf[260];
  NormalisedPathW(folder + u"/", buf);
  EXPECT_EQ(UnicodeString(buf), folder);
  EXPECT_TRUE(sIsADirectory(folder));
  EXPECT_FALSE(sIsADirectory(folder + u"/none"));
  EXPECT_EQ(ListOfSubFolders(folder),
            (std::vector<UnicodeString>{folder + u"/Sub", folder + u"/Sub/deeper"}));
  EXPECT_FALSE(ValidDrive('c'));
  EXPECT_FALSE(ProceedIfLittleDiskSpace(u"", 1));
  EXPECT_TRUE(ProceedIfLittleDiskSpace(folder + u"/new/file.txt", 1));
  ScriptedAnswers no(false);
  EXPECT_FALSE(ProceedIfLittleDiskSpace(folder, INT64_MAX));
  ASSERT_EQ(no.asked.size(), 1u);
  EXPECT_NE(no.asked[0].find(u" MB are free on the disk of " + folder), UnicodeString::npos);
}

}  // namespace
}  // namespace lx
