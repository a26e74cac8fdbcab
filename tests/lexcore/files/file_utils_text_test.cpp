#include <gtest/gtest.h>

#include <string>

#include "lexcore/files/file_utils.h"
#include "lexcore/rtl/lx_streams.h"
#include "lexcore/rtl/lx_strings.h"
#include "test_files.h"

using namespace lx;
using lxtest::TempDir;

namespace {
const std::string kUtf16 = std::string(
    "\xFF\xFE"
    "c\0a\0f\0\xE9\0",
    10);
}

TEST(FileUtilitiesText, ContentsInEveryEncodingAndContainersRefused) {
  TempDir t;
  t.Write("le.txt", kUtf16);
  t.Write("be.txt", std::string("\xFE\xFF\0c\0a\0f\0\xE9", 10));
  t.Write("u8.txt", "caf\xC3\xA9");
  t.Write("u8bom.txt",
          "\xEF\xBB\xBF"
          "caf\xC3\xA9");
  t.Write("ansi.txt", "caf\xE9");
  t.Write("short.txt", "\xC3\xA9");
  t.Write("zip.zip", std::string("PK\x03\x04rest", 8));
  UnicodeString text;
  for (const char* n : {"le.txt", "be.txt", "u8.txt", "u8bom.txt", "ansi.txt"}) {
    ASSERT_TRUE(TextFileContents(t.File(n), text)) << n;
    EXPECT_EQ(text, u"caf\u00E9") << n;
  }
  ASSERT_TRUE(TextFileContents(t.File("short.txt"), text));
  EXPECT_EQ(text, u"\u00E9");
  EXPECT_FALSE(TextFileContents(t.File("zip.zip"), text));
  EXPECT_FALSE(TextFileContents(t.File("missing"), text));
  EXPECT_TRUE(TextFileInUnicode(t.File("le.txt")));
  EXPECT_TRUE(TextFileInUnicode(t.File("be.txt")));
  EXPECT_FALSE(TextFileInUnicode(t.File("u8.txt")));

  EXPECT_FALSE(StringIsInUnicode(u"caf\u00E9 \u20AC"));  // both in the ANSI code page
  EXPECT_TRUE(StringIsInUnicode(u"\u0436"));
}

TEST(FileUtilitiesText, ConvertToUtf16KeepsTextAndLeavesUtf16Alone) {
  TempDir t;
  t.Write("ansi.txt", "caf\xE9");
  t.Write("u8.txt", "caf\xC3\xA9");
  t.Write("le.txt", kUtf16);
  for (const char* n : {"ansi.txt", "u8.txt", "le.txt"}) {
    EXPECT_TRUE(ConvertATextFileAnsiToUTF16(t.File(n))) << n;
    EXPECT_EQ(t.Read(n), kUtf16) << n;
  }
  t.Write("zip.zip", std::string("PK\x03\x04rest", 8));
  EXPECT_FALSE(ConvertATextFileAnsiToUTF16(t.File("zip.zip")));
  EXPECT_EQ(t.Read("zip.zip"), std::string("PK\x03\x04rest", 8));
  EXPECT_FALSE(ConvertATextFileAnsiToUTF16(t.File("missing")));
}

TEST(FileUtilitiesText, InsertAtPositionsAndRefuseOutside) {
  TempDir t;
  t.Write("a.txt", "hello world");
  EXPECT_TRUE(InsertIntoFileA(t.File("a.txt"), "big ", 6));
  EXPECT_EQ(t.Read("a.txt"), "hello big world");
  EXPECT_TRUE(InsertIntoFileA(t.File("a.txt"), "!", 15));
  EXPECT_EQ(t.Read("a.txt"), "hello big world!");
  EXPECT_FALSE(InsertIntoFileA(t.File("a.txt"), "x", 17));
  EXPECT_FALSE(InsertIntoFileA(t.File("a.txt"), "x", -1));
  EXPECT_FALSE(InsertIntoFileA(t.File("a.txt"), "x", INT64_MAX));
  EXPECT_FALSE(InsertIntoFileA(t.File("missing"), "x", 0));
  EXPECT_EQ(t.Read("a.txt"), "hello big world!");

  t.Write("w.txt", kUtf16);
  EXPECT_TRUE(InsertIntoFileW(t.File("w.txt"), u"\u0436", 0));  // after the mark, not before it
  EXPECT_TRUE(InsertIntoFileW(t.File("w.txt"), u"s", 5));
  EXPECT_EQ(t.Read("w.txt"), std::string("\xFF\xFE\x36\x04"
                                         "c\0a\0f\0\xE9\0s\0",
                                         14));
  EXPECT_FALSE(InsertIntoFileW(t.File("w.txt"), u"x", 7));
  EXPECT_FALSE(InsertIntoFileW(t.File("w.txt"), u"x", INT64_MAX));
  // UTF-16 into an 8-bit file would corrupt it.
  EXPECT_FALSE(InsertIntoFileW(t.File("a.txt"), u"x", 0));
  EXPECT_EQ(t.Read("a.txt"), "hello big world!");
}

TEST(FileUtilitiesText, FiltersParametersComparisonAndSwitches) {
  const UnicodeString filter = u"Texts (*.txt;*.htm)|*.txt; *.htm|Zips|*.zip|All|*.*";
  EXPECT_EQ(FileFilterWithinFilterText(filter, u"/d/a.HTM"), 1);
  EXPECT_EQ(FileFilterWithinFilterText(filter, u"/d/a.zip"), 2);
  EXPECT_EQ(FileFilterWithinFilterText(filter, u"/d/a.doc"), 3);
  EXPECT_EQ(FileFilterWithinFilterText(u"Texts|*.txt", u"a.doc"), 0);
  EXPECT_EQ(FileFilterWithinFilterText(u"no pairs", u"a.txt"), 0);

  EXPECT_EQ(FormattedFNAsParameter(u"/d/plain.txt"), u"/d/plain.txt");
  EXPECT_EQ(FormattedFNAsParameter(u"/d/my texts/a.txt"), u"\"/d/my texts/a.txt\"");
  EXPECT_EQ(FormattedFNAsParameter(u"a\"$b`.txt"), u"\"a\\\"\\$b\\`.txt\"");
  EXPECT_EQ(FormattedFNAsParameter(u""), u"\"\"");

  TempDir t;
  t.Write("a", "same bytes");
  t.Write("b", "same bytes");
  t.Write("c", "same bytez");
  t.Write("d", std::string(70000, 'x'));
  t.Write("e", std::string(70000, 'x') + "y");
  EXPECT_TRUE(FileContentsComparison(t.File("a"), t.File("b")));
  EXPECT_FALSE(FileContentsComparison(t.File("a"), t.File("c")));
  EXPECT_FALSE(FileContentsComparison(t.File("d"), t.File("e")));
  EXPECT_FALSE(FileContentsComparison(t.File("a"), t.File("missing")));

  EXPECT_EQ(TextFormatToBoolean(BooleanToTextFormat(true)), true);
  EXPECT_EQ(TextFormatToBoolean(BooleanToTextFormat(false), true), false);
  EXPECT_TRUE(TextFormatToBoolean(u" YES "));
  EXPECT_FALSE(TextFormatToBoolean(u"0", true));
  EXPECT_TRUE(TextFormatToBoolean(u"maybe", true));
  EXPECT_FALSE(TextFormatToBoolean(u"", false));
}

TEST(FileUtilitiesText, DodgyStringListLoadsAnyBytesWithoutThrowing) {
  TempDir t;
  t.Write("le.txt", std::string("\xFF\xFE"
                                "a\0\r\0\n\0b\0",
                                10));
  t.Write("mixed.txt", "ok\xC3\xA9\nbad\xC3(\n");
  t.Write("latin.txt", "caf\xE9\r\nna\xEFve");
  t.Write("odd.txt", std::string("\xFF\xFE"
                                 "a\0b",
                                 5));
  t.Write("zip.zip", std::string("PK\x03\x04\x01\x02", 6));
  t.Write("empty.txt", "");
  TPossiblyDodgyTextStringlist list;
  list.LoadFromFile(t.File("le.txt"));
  EXPECT_TRUE(list.LoadedAsText);
  ASSERT_EQ(list.Count(), 2);
  EXPECT_EQ(list[1], u"b");
  EXPECT_EQ(list.Encoding(), TEncoding::Unicode);

  // Broken UTF-8: every line kept, whichever way it is read.
  EXPECT_NO_THROW(list.LoadFromFile(t.File("mixed.txt")));
  EXPECT_EQ(list.Count(), 2);

  list.LoadFromFile(t.File("latin.txt"));
  ASSERT_EQ(list.Count(), 2);
  EXPECT_EQ(list[0], u"caf\u00E9");
  EXPECT_EQ(list[1], u"na\u00EFve");

  EXPECT_NO_THROW(list.LoadFromFile(t.File("odd.txt")));
  list.LoadFromFile(t.File("zip.zip"));
  EXPECT_FALSE(list.LoadedAsText);
  EXPECT_EQ(list.Count(), 0);
  list.LoadFromFile(t.File("empty.txt"));
  EXPECT_TRUE(list.LoadedAsText);
  EXPECT_EQ(list.Count(), 0);
}
