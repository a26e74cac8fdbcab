#include <gtest/gtest.h>

#include "lexcore/platform/lx_zip.h"
#include "lexcore/rtl/lx_exceptions.h"
#include "lexcore/rtl/lx_strings.h"
#include "test_files.h"

using namespace lx;

namespace {
UnicodeString Fixture(const char* name) {
  return UTF8ToUTF16(lxtest::DataFile(std::string("zip/") + name));
}
}  // namespace

TEST(ZipReader, EntriesCommentAndContent) {
  TZipReader z(Fixture("test.zip"));
  EXPECT_EQ(z.Comment(), u"This is a zipfile comment.");
  ASSERT_EQ(z.Count(), 2);
  EXPECT_EQ(z.Name(0), u"test.txt");
  EXPECT_EQ(z.IndexOf(u"GOPHERCOLOR16X16.PNG", true), 1);
  EXPECT_EQ(z.IndexOf(u"GOPHERCOLOR16X16.PNG", false), -1);
  const auto text = z.Extract(0);
  EXPECT_EQ(static_cast<int64_t>(text.size()), z.Size(0));
  EXPECT_EQ(std::string(text.begin(), text.begin() + 4), "This");
  // An entry larger than the caller allows is refused before anything is allocated.
  EXPECT_THROW(z.Extract(1, 10), EReadError);
  EXPECT_THROW(z.Name(2), EListError);
}

TEST(ZipReader, ArchivesFromOtherWriters) {
  // A long comment with CRLF line ends; data after the end record; zip64 records.
  TZipReader readme(Fixture("readme.zip"));
  EXPECT_EQ(readme.RawComment().size(), 1125u);
  EXPECT_NE(readme.Comment().find(u"\r\n"), UnicodeString::npos);
  EXPECT_TRUE(TZipReader::IsZipArchive(Fixture("zip64.zip")));
  EXPECT_EQ(TZipReader(Fixture("test-trailing-junk.zip")).Count(), 2);
  EXPECT_EQ(TZipReader(Fixture("zip64.zip")).Extract(0).size(), 36u);
  // Names: flagged UTF-8, and a CP437 name without the flag.
  EXPECT_EQ(TZipReader(Fixture("utf8-infozip.zip")).Name(0), u"\u4E16\u754C");
  EXPECT_EQ(TZipReader(Fixture("zip_cp437_header.zip")).Name(0), u"filename_with_\u00E6o\u00E5.txt");
  TZipReader sub(Fixture("subdir.zip"));
  EXPECT_TRUE(sub.IsDirectory(0));
  EXPECT_FALSE(sub.IsDirectory(2));
}

TEST(ZipReader, NonArchivesRaiseOrAnswerFalse) {
  lxtest::TempDir dir;
  dir.Write("plain.zip", "PK\x03\x04 but not really a zip archive");
  EXPECT_FALSE(TZipReader::IsZipArchive(dir.File("plain.zip")));
  EXPECT_FALSE(TZipReader::IsZipArchive(dir.File("missing.zip")));
  try {
    TZipReader z(dir.File("plain.zip"));
    FAIL();
  } catch (const EFOpenError& e) {
    EXPECT_NE(e.Message.find(u"plain.zip"), UnicodeString::npos);
  }
}

TEST(ZipReader, SanitisedEntryPathsStayBelowTheirFolder) {
  EXPECT_EQ(SanitisedZipEntryPath(u"a\\b\\c.txt"), u"a/b/c.txt");
  EXPECT_EQ(SanitisedZipEntryPath(u"../../etc/passwd"), u"etc/passwd");
  EXPECT_EQ(SanitisedZipEntryPath(u"/abs/./x"), u"abs/x");
  EXPECT_EQ(SanitisedZipEntryPath(u"C:\\Windows\\x.ini"), u"Windows/x.ini");
  EXPECT_EQ(SanitisedZipEntryPath(u".."), u"");
}
