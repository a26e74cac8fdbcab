#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>

#include "lexcore/rtl/lx_streams.h"
#include "lexcore/rtl/lx_strings.h"
#include "test_files.h"

using namespace lx;

using lxtest::TempDir;

TEST(MemoryStream, ShortReadsAndSeekingPastTheEnd) {
  TMemoryStream m;
  const char data[] = "abcdef";
  EXPECT_EQ(m.Write(data, 6), 6);
  EXPECT_EQ(m.GetSize(), 6);
  m.SetPosition(4);
  char buf[8] = {};
  EXPECT_EQ(m.Read(buf, 8), 2);  // only what remains
  EXPECT_EQ(std::string(buf, 2), "ef");
  EXPECT_EQ(m.Read(buf, 8), 0);
  m.SetPosition(4);
  EXPECT_THROW(m.ReadBuffer(buf, 3), EReadError);
  // Past the end: reads give nothing, a write fills the gap with zeros.
  EXPECT_EQ(m.Seek(10, soBeginning), 10);
  EXPECT_EQ(m.Read(buf, 1), 0);
  m.WriteBuffer("z", 1);
  EXPECT_EQ(m.GetSize(), 11);
  EXPECT_EQ(m.Memory()[8], 0);
  EXPECT_THROW(m.Seek(-1, soBeginning), EStreamError);
  EXPECT_THROW(m.ReadBuffer(buf, -1), EReadError);
}

TEST(MemoryStream, TypedLittleEndianValues) {
  TMemoryStream m;
  WriteLE<int32_t>(m, -2);
  WriteLE<uint16_t>(m, 0x1234);
  WriteLE<double>(m, 1.5);
  const uint8_t expected[] = {0xFE, 0xFF, 0xFF, 0xFF, 0x34, 0x12, 0, 0, 0, 0, 0, 0, 0xF8, 0x3F};
  ASSERT_EQ(m.GetSize(), 14);
  EXPECT_EQ(0, memcmp(m.Memory(), expected, 14));
  m.SetPosition(0);
  int32_t i = 0;
  uint16_t u = 0;
  double d = 0;
  EXPECT_TRUE(ReadLE(m, i));
  EXPECT_TRUE(ReadLE(m, u));
  EXPECT_TRUE(ReadLE(m, d));
  EXPECT_EQ(i, -2);
  EXPECT_EQ(u, 0x1234);
  EXPECT_EQ(d, 1.5);
  EXPECT_FALSE(ReadLE(m, i));
}

TEST(FileStream, CreateWriteReopenAndCopy) {
  TempDir dir;
  const UnicodeString name = dir.File("a.bin");
  {
    TFileStream f(name, fmCreate);
    f.WriteBuffer("hello world", 11);
  }
  TFileStream f(name, fmOpenRead | fmShareDenyWrite);
  EXPECT_EQ(f.GetSize(), 11);
  f.Seek(6, soBeginning);
  TMemoryStream m;
  EXPECT_EQ(m.CopyFrom(f, 5), 5);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(m.Memory()), 5), "world");
  TMemoryStream all;
  all.CopyFrom(f, 0);  // 0 copies everything from the start
  EXPECT_EQ(all.GetSize(), 11);
  f.Seek(20, soBeginning);
  char c;
  EXPECT_EQ(f.Read(&c, 1), 0);
}

TEST(FileStream, OpenFailuresRaiseWithFileName) {
  TempDir dir;
  try {
    TFileStream f(dir.File("missing.txt"), fmOpenRead);
    FAIL();
  } catch (const EFOpenError& e) {
    EXPECT_NE(e.Message.find(u"missing.txt"), UnicodeString::npos);
    EXPECT_EQ(e.Message.rfind(u"Cannot open file \"", 0), 0u);
  }
  EXPECT_THROW(TFileStream(dir.File("no/such/dir.txt"), fmCreate), EFCreateError);
  EXPECT_THROW(TFileStream(UTF8ToUTF16(dir.path.string()), fmOpenRead), EFOpenError);  // a folder
  // A read-only file opened for writing (as root the permission bits do not stop us, so skip there).
  const UnicodeString ro = dir.File("ro.txt");
  { TFileStream f(ro, fmCreate); }
  chmod(UTF16ToUTF8(ro).c_str(), 0444);
  if (geteuid() != 0) {
    EXPECT_THROW(TFileStream(ro, fmOpenWrite), EFOpenError);
  }
  // Share modes: an exclusive holder keeps a second exclusive opener out.
  TFileStream first(ro, fmOpenRead | fmShareExclusive);
  EXPECT_THROW(TFileStream(ro, fmOpenRead | fmShareExclusive), EFOpenError);
  TFileStream shared(dir.File("a.txt"), fmCreate);
  TFileStream again(dir.File("a.txt"), fmOpenRead | fmShareDenyNone);
}

TEST(FileStream, MemoryStreamFileRoundTrip) {
  TempDir dir;
  TMemoryStream m;
  m.WriteBuffer("\x00\x01\x02", 3);
  m.SaveToFile(dir.File("m.bin"));
  TMemoryStream back;
  back.LoadFromFile(dir.File("m.bin"));
  ASSERT_EQ(back.GetSize(), 3);
  EXPECT_EQ(back.Memory()[2], 2);
}
