#include <gtest/gtest.h>

#include <string>

#include "lexcore/rtl/lx_ansi.h"

using namespace lx;

TEST(AnsiText, Windows1252BothWays) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  const UnicodeString text = Windows1252ToUnicode(all);
  ASSERT_EQ(text.size(), 256u);
  EXPECT_EQ(text[0x80], u'\u20AC');
  EXPECT_EQ(text[0x9F], u'\u0178');
  for (int b : {0x81, 0x8D, 0x8F, 0x90, 0x9D}) EXPECT_EQ(text[b], b);
  EXPECT_EQ(text[0xE9], u'\u00E9');
  // Every byte comes back.
  EXPECT_EQ(UnicodeToWindows1252(text), all);

  // Outside the code page: C1 controls that 1252 maps elsewhere, other scripts, and a surrogate pair as one.
  EXPECT_EQ(UnicodeToWindows1252(u"\u0080\u0100\u4E2D\U0001F600x"), "????x");
  EXPECT_EQ(UnicodeToWindows1252(u"\u2122\u0153"), "\x99\x9C");
}

TEST(AnsiText, HooksReplaceTheProcessCodePage) {
  EXPECT_EQ(AnsiBytesToUnicode("\x80"), u"\u20AC");
  Global_AnsiDecodeProc = [](std::string_view b) { return UnicodeString(b.size(), u'D'); };
  Global_AnsiEncodeProc = [](std::u16string_view t) { return std::string(t.size(), 'E'); };
  EXPECT_EQ(AnsiBytesToUnicode("ab"), u"DD");
  EXPECT_EQ(UnicodeToAnsiBytes(u"abc"), "EEE");
  // String lists' ANSI form goes the same way.
  EXPECT_EQ(EncodingGetString(TEncoding::ANSI, "x"), u"D");
  EXPECT_EQ(EncodingGetBytes(TEncoding::ANSI, u"x"), "E");
  Global_AnsiDecodeProc = nullptr;
  Global_AnsiEncodeProc = nullptr;
  EXPECT_EQ(UnicodeToAnsiBytes(u"\u20AC"), "\x80");
}

TEST(AnsiText, ByteOrderMarks) {
  TEncoding e = TEncoding::UTF8;
  EXPECT_EQ(DetectBufferEncoding("\xFF\xFE"
                                 "a",
                                 e),
            2u);
  EXPECT_EQ(e, TEncoding::Unicode);
  EXPECT_EQ(DetectBufferEncoding("\xFE\xFF", e), 2u);
  EXPECT_EQ(e, TEncoding::BigEndianUnicode);
  EXPECT_EQ(DetectBufferEncoding("\xEF\xBB\xBF", e), 3u);
  EXPECT_EQ(e, TEncoding::UTF8);
  EXPECT_EQ(DetectBufferEncoding("\xEF\xBB", e), 0u);  // a cut mark is text
  EXPECT_EQ(e, TEncoding::ANSI);
  EXPECT_EQ(DetectBufferEncoding("", e), 0u);
  EXPECT_EQ(EncodingGetString(TEncoding::Unicode, std::string("\x3D\xD8\x00\xDE", 4)), u"\U0001F600");
  EXPECT_EQ(EncodingGetString(TEncoding::BigEndianUnicode, std::string("\0", 1)), u"");
}
