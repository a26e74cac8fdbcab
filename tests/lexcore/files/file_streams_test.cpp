#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <string>
#include <vector>

#include "lexcore/files/my_FileStreamU.h"
#include "lexcore/files/my_StreamMemLists.h"
#include "lexcore/files/zip_utils.h"
#include "lexcore/rtl/lx_paths.h"
#include "lexcore/rtl/lx_strings.h"
#include "test_files.h"

using namespace lx;
using lxtest::TempDir;

namespace {

UnicodeString DataFile(const std::string& relative) {
  return UTF8ToUTF16(lxtest::DataFile(relative));
}

std::vector<uint8_t> BytesOf(const TMemoryStream& m) {
  return m.Bytes();
}

TMemoryStream StreamOf(const std::vector<uint8_t>& bytes) {
  TMemoryStream m;
  m.WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
  m.SetPosition(0);
  return m;
}

std::string ReadAndFree(void* p, bool wide) {
  std::string out = wide ? UTF16ToUTF8(static_cast<WideChar*>(p)) : std::string(static_cast<char*>(p));
  FreeTextPointer(p);
  return out;
}

}  // namespace

TEST(StreamForms, GoldenBytes) {
  TMemoryStream m;
  ASSERT_TRUE(WriteUnknownLengthPointer(m, u"h\u00e9", true));
  ASSERT_TRUE(WriteUnknownLengthPointer(m, "ab", false));
  ASSERT_TRUE(WriteUnknownLengthPointer(m, static_cast<const WideChar*>(nullptr), true));
  ASSERT_TRUE(StreamWritePchar(m, u"x"));
  ASSERT_TRUE(StreamWritePAnsichar(m, "yz"));
  ASSERT_TRUE(WriteShortString(m, "Hi"));
  ASSERT_TRUE(WriteShortString(m, ""));
  const std::vector<uint8_t> golden = {2, 0,   0,   0,   'h', 0,   0xE9, 0,  // wide counted
                                       2, 0,   0,   0,   'a', 'b',           // ANSI counted
                                       0, 0,   0,   0,                       // null text
                                       1, 0,   0,   0,   'x', 0,             // StreamWritePchar
                                       2, 0,   'y', 'z',  // StreamWritePAnsichar: 16-bit count
                                       2, 'H', 'i',       // short string
                                       0};
  EXPECT_EQ(BytesOf(m), golden);

  m.SetPosition(0);
  EXPECT_EQ(ReadAndFree(ReadUnknownLengthPointer(m, true), true), "h\xC3\xA9");
  EXPECT_EQ(ReadAndFree(ReadUnknownLengthPointer(m, false), false), "ab");
  EXPECT_EQ(ReadAndFree(ReadUnknownLengthPointer(m, true), true), "");
  EXPECT_EQ(ReadAndFree(StreamReadPchar(m), true), "x");
  EXPECT_EQ(ReadAndFree(StreamReadPAnsichar(m), false), "yz");
  EXPECT_EQ(ReadShortString(m), "Hi");
  EXPECT_EQ(ReadShortString(m), "");
  EXPECT_EQ(m.Remaining(), 0);
}

TEST(StreamForms, CountsAreCheckedAgainstLimitsAndBytesLeft) {
  // Above the default limit of 50000, though the bytes are there.
  {
    TMemoryStream m;
    const std::u16string big(50001, u'a');
    ASSERT_TRUE(WriteKnownLengthPointer(m, big.data(), true, 50001));
    m.SetPosition(0);
    try {
      ReadUnknownLengthPointer(m, true);
      FAIL();
    } catch (const EReadError& e) {
      EXPECT_EQ(e.Message, u"file read error : ReadUnknownLengthPointer 50001");
    }
    EXPECT_EQ(temp_pointer_chars_allocated, 50001);
    m.SetPosition(0);
    EXPECT_EQ(ReadAndFree(ReadUnknownLengthPointerMaxSize(m, true, 60000), true).size(), 50001u);
  }
  // Hostile counts with almost nothing behind them: refused before anything is allocated.
  TMemoryStream hostile = StreamOf({0xFF, 0xFF, 0xFF, 0x7F, 'a'});
  EXPECT_THROW(ReadUnknownLengthPointerMaxSize(hostile, false, INT32_MAX), EReadError);
  hostile.SetPosition(0);
  EXPECT_THROW(StreamReadPchar(hostile), EReadError);
  TMemoryStream negative = StreamOf({0xFF, 0xFF, 0xFF, 0xFF});
  EXPECT_THROW(ReadUnknownLengthPointer(negative, true), EReadError);
  TMemoryStream ansi = StreamOf({0x10, 0x00, 'a'});
  EXPECT_THROW(StreamReadPAnsichar(ansi), EReadError);
  TMemoryStream shortStr = StreamOf({5, 'a', 'b'});
  EXPECT_THROW(ReadShortString(shortStr), EReadError);
  TMemoryStream empty;
  EXPECT_THROW(ReadShortString(empty), EReadError);
}

TEST(StreamForms, WritersRefuseWhatTheirCountCannotHold) {
  TMemoryStream m;
  EXPECT_FALSE(WriteShortString(m, std::string(256, 'x')));
  EXPECT_TRUE(WriteShortString(m, std::string(255, 'x')));
  EXPECT_FALSE(StreamWritePAnsichar(m, std::string(65536, 'x').c_str()));
  EXPECT_EQ(m.GetSize(), 256);
  TempDir dir;
  {
    TMyFileStream f(dir.File("s.bin"), fmCreate);
    EXPECT_TRUE(f.WriteAShortString("abc"));
  }
  EXPECT_EQ(dir.Read("s.bin"), std::string("\x03"
                                           "abc"));
}

TEST(ZipPaths, SplitRecognisesBothSeparators) {
  EXPECT_EQ(ZipFileFullFileName(u"C:\\a\\b.zip\\c\\d.txt", u""), u"C:\\a\\b.zip");
  EXPECT_EQ(ZipFileWantedFileNameWithin(u"C:\\a\\b.zip\\c\\d.txt", u""), u"c\\d.txt");
  EXPECT_EQ(ZipFileFullFileName(u"/t/B.ZIP/c/d.txt", u""), u"/t/B.ZIP");
  EXPECT_EQ(ZipFileWantedFileNameWithin(u"/t/B.ZIP/c/d.txt", u""), u"c/d.txt");
  // A folder whose name merely contains ".zip" is not an archive.
  EXPECT_EQ(ZipFileFullFileName(u"/t/x.zipper/a.zip/m", u""), u"/t/x.zipper/a.zip");
  EXPECT_EQ(ZipFileFullFileName(u"/t/a.txt", u""), u"");
  EXPECT_EQ(ZipFileWantedFileNameWithin(u"/t/a.txt", u""), u"");
  EXPECT_EQ(ZipFileFullFileName(u"/t/l.lst/m.txt", u".lst\\"), u"/t/l.lst");
  EXPECT_EQ(ZipFileWantedFileNameWithin(u"d:\\l.lst\\m.txt", u".lst\\"), u"m.txt");
  EXPECT_EQ(ZipMemberPath(u"/t/a.zip", u"m/n.txt"), u"/t/a.zip/m/n.txt");

  EXPECT_TRUE(IsAZipFile(u"a.ZIP"));
  EXPECT_TRUE(IsAZipFile(u"a.zip12"));
  EXPECT_FALSE(IsAZipFile(u"a.zipx"));
  EXPECT_FALSE(IsAZipFile(u"zip"));
  EXPECT_EQ(ZipFilePlusNumber(u"a.zip12"), 12);
  EXPECT_EQ(ZipFilePlusNumber(u"a.zip"), -1);
  EXPECT_FALSE(IsWithinAZipFile(DataFile("zip/test.zip"), u""));
  EXPECT_TRUE(IsWithinAZipFile(DataFile("zip/test.zip") + u"/test.txt", u""));
}

TEST(ZipMembers, ReadByPathAndNumber) {
  const UnicodeString archive = DataFile("zip/test.zip");
  const AnsiString text = ContentsOfFileWithinZipFile(archive + u"/test.txt");
  EXPECT_EQ(text.substr(0, 26), "This is a test text file.\n");
  EXPECT_EQ(ContentsOfFileWithinZipFile(archive, 1), text);
  EXPECT_THROW(ContentsOfFileWithinZipFile(archive + u"/absent.txt"), EReadError);
  EXPECT_THROW(ContentsOfFileWithinZipFile(archive, 3), EReadError);
  // Windows form of the same path.
  EXPECT_EQ(ContentsOfFileWithinZipFile(archive + u"\\test.txt"), text);
  EXPECT_EQ(ContentsOfFileWithinZipFile(DataFile("zip/subdir.zip") + u"/a/b/c"), "");

  const UnicodeString temp = OpenedAZipFileToTempDir(archive, 1);
  ASSERT_FALSE(temp.empty());
  EXPECT_EQ(ExtractFileName(temp), u"tempzip.txt");
  EXPECT_TRUE(OpenedAZipFileToTempDir(archive, 9).empty());
}

TEST(ZipMembers, BombsHostileAndTruncatedArchivesAreRefused) {
  // 5 MiB of zeros deflated to 5 kB: beyond the ratio.
  try {
    ContentsOfFileWithinZipFile(DataFile("zip/bomb.zip"), 1);
    FAIL();
  } catch (const EReadError& e) {
    EXPECT_NE(e.Message.find(u"zip bomb"), UnicodeString::npos);
  }
  // A member that claims 4 GB is refused before anything is allocated.
  EXPECT_THROW(ContentsOfFileWithinZipFile(DataFile("zip/liar.zip"), 1), EReadError);
  EXPECT_THROW(ContentsOfFileWithinZipFile(DataFile("zip/truncated.zip"), 1), EFOpenError);
  const int64_t saved = global_zip_member_size_limit;
  global_zip_member_size_limit = 10;
  EXPECT_THROW(ContentsOfFileWithinZipFile(DataFile("zip/test.zip"), 1), EReadError);
  global_zip_member_size_limit = saved;
}

namespace {

// Texts in a section: each item's data is its UTF-16 units.
class TTextMemList : public TMyStreamMemList {
 public:
  using TMyStreamMemList::TMyStreamMemList;
  ~TTextMemList() override { Clear(); }
  void AddText(const std::u16string& s) { Add(new std::u16string(s)); }
  std::u16string Text(int i) const { return *static_cast<std::u16string*>(Get(i)); }
  void Clear() override {
    for (int i = 0; i < Count(); ++i) delete static_cast<std::u16string*>(Get(i));
    TMyStreamMemList::Clear();
  }

 protected:
  int32_t ItemMemSize(void* item) override {
    return static_cast<int32_t>(2 * static_cast<std::u16string*>(item)->size() + 2);
  }
  bool WriteItemToMemmap(void* item, TFlexibleSizeMap& map) override {
    const auto* s = static_cast<std::u16string*>(item);
    return map.WriteToMemmap(s->c_str(), map.Position(), ItemMemSize(item));
  }
  int32_t ReadItemFromMemmap(TFlexibleSizeMap& map, int32_t length) override {
    if (length % 2) return 0;
    std::u16string s(static_cast<std::size_t>(length / 2), u'\0');
    const int32_t n = map.ReadFromMemmap(s.data(), map.Position(), length);
    s.resize(s.size() - 1);
    AddText(s);
    return n;
  }
};

UnicodeString UniqueName() {
  return u"lxtest " + IntToStr(::getpid()) + u"/\\x";
}

}  // namespace

TEST(SharedMemory, ListHandedToAnotherProcess) {
  const UnicodeString name = UniqueName();
  TTextMemList writer(name);
  EXPECT_EQ(writer.Map().PosixName().find('/', 1), std::string::npos);
  writer.AddText(u"alpha");
  writer.AddText(u"");
  writer.AddText(u"\u00e9t\u00e9");
  ASSERT_TRUE(writer.CopyToMemmap());
  EXPECT_EQ(writer.Map().GetMemL(0), 4 + (4 + 12) + (4 + 2) + (4 + 8));

  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    TTextMemList reader(name);
    const bool ok = reader.LoadFromMemmap() && reader.Count() == 3 && reader.Text(0) == u"alpha" &&
                    reader.Text(1).empty() && reader.Text(2) == u"\u00e9t\u00e9";
    ::_exit(ok ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);

  ASSERT_TRUE(writer.MoveToMemmap());
  EXPECT_EQ(writer.Count(), 0);
  EXPECT_TRUE(writer.ItemsInMemmapOnly());
  ASSERT_TRUE(writer.LoadFromMemmap());
  EXPECT_EQ(writer.Count(), 3);
  EXPECT_FALSE(writer.ItemsInMemmapOnly());
}

TEST(SharedMemory, StoredLengthsAreCheckedBeforeReading) {
  const UnicodeString name = UniqueName() + u"bad";
  TTextMemList writer(name);
  writer.AddText(u"abc");
  ASSERT_TRUE(writer.CopyToMemmap());
  // An item length running past the section.
  ASSERT_TRUE(writer.Map().SetMemL(4, 1000));
  {
    TTextMemList reader(name);
    EXPECT_FALSE(reader.LoadFromMemmap());
    EXPECT_EQ(reader.Count(), 0);
  }
  // A total larger than the section holds.
  ASSERT_TRUE(writer.Map().SetMemL(4, 8));
  ASSERT_TRUE(writer.Map().SetMemL(0, 1 << 30));
  {
    TTextMemList reader(name);
    EXPECT_EQ(reader.Map().Size(), 0);
    EXPECT_FALSE(reader.LoadFromMemmap());
  }
  // Reads stop at the data's end.
  TFlexibleSizeMap map(u"lxtest-plain" + IntToStr(::getpid()), 8);
  char buf[16] = {};
  EXPECT_EQ(map.ReadFromMemmap(buf, 6, 16), 2);
  EXPECT_EQ(map.ReadFromMemmap(buf, 8, 1), 0);
  EXPECT_FALSE(map.WriteToMemmap(buf, 6, 4));
  EXPECT_EQ(map.ConvertPointer(100), nullptr);
}
