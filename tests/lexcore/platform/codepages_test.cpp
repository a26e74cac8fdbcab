#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "lexcore/platform/win_codepages.h"
#include "lexcore/platform/win_compose.h"
#include "lexcore/platform/win_lasterror.h"
#include "lexcore/platform/win_locale.h"
#include "lexcore/rtl/lx_ansi.h"
#include "lexcore/rtl/lx_exceptions.h"
#include "lexcore/rtl/lx_strings.h"
#include "test_files.h"

namespace {

using namespace lx;

std::string ReadData(const std::string& name) {
  std::ifstream in(lxtest::DataFile("enc/" + name), std::ios::binary);
  EXPECT_TRUE(in) << name;
  return std::string(std::istreambuf_iterator<char>(in), {});
}

struct Twin {
  const char* encoded;
  const char* utf8;
  uint32_t cp;
};

const Twin kTwins[] = {
    {"candide-windows-1252.txt", "candide-utf-8.txt", 1252},
    {"candide-gb18030.txt", "candide-utf-8.txt", 54936},
    {"rashomon-euc-jp.txt", "rashomon-utf-8.txt", 51932},
    {"rashomon-iso-2022-jp.txt", "rashomon-utf-8.txt", 50220},
    {"rashomon-shift-jis.txt", "rashomon-utf-8.txt", 932},
    {"sunzi-bingfa-gb-levels-1-and-2-hz-gb2312.txt", "sunzi-bingfa-gb-levels-1-and-2-utf-8.txt", 52936},
    {"sunzi-bingfa-simplified-gbk.txt", "sunzi-bingfa-simplified-utf-8.txt", 936},
    {"sunzi-bingfa-traditional-big5.txt", "sunzi-bingfa-traditional-utf-8.txt", 950},
    {"unsu-joh-eun-nal-euc-kr.txt", "unsu-joh-eun-nal-utf-8.txt", 949},
    {"tutor.el", "tutor.el.utf-8", 28597},
    {"tutor.el.cp737", "tutor.el.utf-8", 737},
    {"tutor.ja.sjis", "tutor.ja.utf-8", 932},
    {"tutor.ko.euc", "tutor.ko.utf-8", 949},
    {"tutor.pl.cp1250", "tutor.pl.utf-8", 1250},
    {"tutor.ru", "tutor.ru.utf-8", 20866},
    {"tutor.ru.cp1251", "tutor.ru.utf-8", 1251},
    {"tutor.tr.iso9", "tutor.tr.utf-8", 28599},
};

TEST(CodePages, CorpusFilesDecodeToTheirTwinsAndEncodeBack) {
  for (const Twin& t : kTwins) {
    SCOPED_TRACE(t.encoded);
    const std::string bytes = ReadData(t.encoded);
    const UnicodeString expected = UTF8ToUTF16(ReadData(t.utf8));
    const UnicodeString decoded = CodePageToUnicode(t.cp, bytes);
    ASSERT_EQ(decoded.size(), expected.size());
    EXPECT_TRUE(decoded == expected);
    // Through the platform-style entry point too, with precomposition, which must leave the text alone.
    const int needed =
        MultiByteToWideChar(t.cp, MB_PRECOMPOSED, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    ASSERT_EQ(needed, static_cast<int>(expected.size()));
    UnicodeString viaApi(static_cast<std::size_t>(needed), u'\0');
    ASSERT_EQ(MultiByteToWideChar(t.cp, MB_PRECOMPOSED, bytes.data(), static_cast<int>(bytes.size()),
                                  viaApi.data(), needed),
              needed);
    EXPECT_TRUE(viaApi == expected);
    EXPECT_TRUE(UnicodeToCodePage(t.cp, decoded) == bytes);
  }
}

TEST(CodePages, UndefinedBytesOfSingleByteCodePagesKeepTheirValue) {
  // 0x81 0x8D 0x8F 0x90 0x9D have no character in 1252 and stand for the C1 controls.
  EXPECT_TRUE(CodePageToUnicode(1252, "\x81\x8D\x8F\x90\x9D\x80") == u"\u0081\u008D\u008F\u0090\u009D\u20AC");
  EXPECT_EQ(UnicodeToCodePage(1252, u"\u0081\u009D\u20AC"), "\x81\x9D\x80");
  // Every byte survives a round trip through every single-byte code page.
  std::string all;
  for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
  for (uint32_t cp : {437u,  737u,  850u,  852u,  858u,  860u,  866u,   874u,   1250u,  1251u,  1252u,
                      1253u, 1254u, 1255u, 1256u, 1257u, 1258u, 10000u, 20866u, 28591u, 28597u, 28603u}) {
    SCOPED_TRACE(cp);
    const UnicodeString u = CodePageToUnicode(cp, all);
    ASSERT_EQ(u.size(), 256u);
    for (int b = 0; b < 0x80; ++b) EXPECT_EQ(u[b], b);  // DOS pages too: no rotated control characters
    EXPECT_EQ(UnicodeToCodePage(cp, u), all);
  }
}

TEST(CodePages, UnknownCodePageRaisesANamedError) {
  try {
    CodePageToUnicode(4242, "x");
    FAIL();
  } catch (const EConvertError& e) {
    EXPECT_TRUE(e.Message == u"Code page 4242 is not supported");
  }
  WideChar buf[4];
  EXPECT_THROW(MultiByteToWideChar(12345, 0, "a", 1, buf, 4), EConvertError);
  EXPECT_FALSE(IsSupportedCodePage(4242));
  EXPECT_TRUE(IsSupportedCodePage(CP_UTF8));
}

TEST(CodePages, UnmappableCharactersBecomeTheDefaultCharacter) {
  const UnicodeString text = u"a\u4E2Db\U0001F600c";
  char buf[16];
  bool used = false;
  int n = WideCharToMultiByte(1252, 0, text.data(), static_cast<int>(text.size()), buf, 16, nullptr, &used);
  EXPECT_EQ(std::string(buf, n), "a?b?c");  // the pair is one character
  EXPECT_TRUE(used);
  n = WideCharToMultiByte(932, 0, text.data(), static_cast<int>(text.size()), buf, 16, "#", &used);
  EXPECT_EQ(std::string(buf, n),
            "a\x92\x86"
            "b#c");
  EXPECT_TRUE(used);
  n = WideCharToMultiByte(1252, 0, u"plain", 5, buf, 16, nullptr, &used);
  EXPECT_EQ(n, 5);
  EXPECT_FALSE(used);
  // A lone surrogate in UTF-8 output is U+FFFD, never invalid bytes.
  const char16_t lone[] = {u'a', 0xD800, u'b'};
  n = WideCharToMultiByte(CP_UTF8, 0, lone, 3, buf, 16, nullptr, nullptr);
  EXPECT_EQ(std::string(buf, n),
            "a\xEF\xBF\xBD"
            "b");
}

TEST(CodePages, LengthsBuffersAndErrors) {
  WideChar w[8] = {};
  // -1 converts and counts the terminating zero.
  EXPECT_EQ(MultiByteToWideChar(1252, 0, "ab\xE9", -1, nullptr, 0), 4);
  EXPECT_EQ(MultiByteToWideChar(1252, 0, "ab\xE9", -1, w, 8), 4);
  EXPECT_TRUE(UnicodeString(w, 4) == UnicodeString(u"ab\u00E9\0", 4));
  // Too small a buffer writes nothing useful and says so.
  SetLastError(0);
  EXPECT_EQ(MultiByteToWideChar(1252, 0, "abc", 3, w, 2), 0);
  EXPECT_EQ(GetLastError(), ERROR_INSUFFICIENT_BUFFER);
  EXPECT_EQ(MultiByteToWideChar(1252, 0, nullptr, 3, w, 8), 0);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
  EXPECT_EQ(MultiByteToWideChar(1252, 0, "abc", 0, w, 8), 0);
  EXPECT_EQ(MultiByteToWideChar(1252, 0x40, "abc", 3, w, 8), 0);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_FLAGS);
  char a[8];
  EXPECT_EQ(WideCharToMultiByte(1252, 0, u"\u00E9t\u00E9", -1, a, 8, nullptr, nullptr), 4);
  EXPECT_EQ(std::string(a, 4), std::string("\xE9t\xE9\0", 4));
  EXPECT_EQ(WideCharToMultiByte(932, 0, u"\u65E5\u672C", 2, nullptr, 0, nullptr, nullptr), 4);
  EXPECT_EQ(WideCharToMultiByte(932, 0, u"\u65E5\u672C", 2, a, 3, nullptr, nullptr), 0);
  EXPECT_EQ(GetLastError(), ERROR_INSUFFICIENT_BUFFER);
}

TEST(CodePages, ProcessCodePagesFollowTheSetting) {
  EXPECT_EQ(GetACP(), 1252u);
  EXPECT_EQ(GetOEMCP(), 437u);
  EXPECT_TRUE(CodePageToUnicode(CP_ACP, "\xE9") == u"\u00E9");
  EXPECT_TRUE(CodePageToUnicode(CP_OEMCP, "\x82") == u"\u00E9");
  SetACP(1251);
  EXPECT_TRUE(CodePageToUnicode(CP_ACP, "\xE9") == u"\u0439");
  SetACP(1252);
}

TEST(CodePages, MalformedInputDecodesToReplacementCharacters) {
  // Stray continuation, truncated sequence, overlong form, encoded surrogate, truncation at the end.
  EXPECT_TRUE(CodePageToUnicode(CP_UTF8,
                                "a\x80"
                                "b\xE2\x82"
                                "c\xC0\xAF"
                                "d\xED\xA0\x80"
                                "e\xF0\x9F") == u"a\uFFFDb\uFFFDc\uFFFD\uFFFDd\uFFFD\uFFFD\uFFFDe\uFFFD");
  // A lead byte with no trail byte in the double-byte pages, and an odd byte in UTF-16.
  EXPECT_TRUE(CodePageToUnicode(932, "a\x82") == u"a\u30FB");  // the page's default character
  EXPECT_TRUE(CodePageToUnicode(936, "a\x82") == u"a?");
  EXPECT_TRUE(CodePageToUnicode(1200, std::string("a\0b", 3)) == u"a\uFFFD");
  EXPECT_TRUE(CodePageToUnicode(1201, std::string("\0a\0b", 4)) == u"ab");
  WideChar w[8];
  SetLastError(0);
  EXPECT_EQ(MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, "a\xFF", 2, w, 8), 0);
  EXPECT_EQ(GetLastError(), ERROR_NO_UNICODE_TRANSLATION);
  EXPECT_EQ(MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, "a\xC3\xA9", 3, w, 8), 2);
}

TEST(CodePages, RandomBytesNeverCrashAnyCodePage) {
  std::mt19937 rng(7);
  std::vector<std::string> samples;
  for (int len : {1, 2, 3, 7, 64, 301}) {
    std::string s(static_cast<std::size_t>(len), '\0');
    for (auto& c : s) c = static_cast<char>(rng() & 0xFF);
    samples.push_back(s);
  }
  for (uint32_t cp : {932u, 936u, 949u, 950u, 1252u, 1200u, 1201u, 12000u, 12001u, 50220u, 51932u, 52936u,
                      54936u, 65000u, 65001u}) {
    SCOPED_TRACE(cp);
    for (const auto& s : samples) {
      const UnicodeString u = CodePageToUnicode(cp, s);
      EXPECT_LE(u.size(), s.size() * 2 + 8);
      const std::string back = UnicodeToCodePage(cp, u);
      (void)back;
      std::vector<WideChar> w(s.size() * 2 + 8);
      MultiByteToWideChar(cp, MB_PRECOMPOSED, s.data(), static_cast<int>(s.size()), w.data(),
                          static_cast<int>(w.size()));
    }
  }
}

TEST(CodePages, PrecomposedOutputComposesCombiningSequencesOnly) {
  // e + combining acute becomes one character; the Angstrom sign and a CJK compatibility ideograph stay.
  WideChar w[8];
  const std::string utf8 = "e\xCC\x81\xE2\x84\xAB\xEF\xA4\x80";
  const int n =
      MultiByteToWideChar(CP_UTF8, MB_PRECOMPOSED, utf8.data(), static_cast<int>(utf8.size()), w, 8);
  EXPECT_TRUE(UnicodeString(w, n) == u"\u00E9\u212B\uF900");
  EXPECT_EQ(MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), w, 8), 4);
  // Vietnamese code page: base letter plus a combining tone byte.
  EXPECT_TRUE(CodePageToUnicode(1258, "a\xEC") == u"a\u0301");
  EXPECT_EQ(MultiByteToWideChar(1258, MB_PRECOMPOSED, "a\xEC", 2, w, 8), 1);
  EXPECT_EQ(w[0], u'\u00E1');
}

TEST(CodePages, CompositionKeepsLoneSurrogatesAndWholePairs) {
  // A trail surrogate with nothing before it once sent the segment search before the start of the text.
  UnicodeString s =
      u"\xDC00"
      u"e\u0301";
  ComposeCombiningSequences(s);
  EXPECT_TRUE(s == u"\xDC00\u00E9");
  s = u"\xDC00\u0301";
  ComposeCombiningSequences(s);
  EXPECT_TRUE(s == u"\xDC00\u0301");
  // A supplementary base takes its marks as a whole pair: Kaithi BA + nukta compose.
  s = u"x\U00011099\U000110BA";
  ComposeCombiningSequences(s);
  EXPECT_TRUE(s == u"x\U0001109A");
}

}  // namespace

namespace {

TEST(CodePages, AnsiHooksFollowTheProcessCodePage) {
  // Installed at load time (this runs before any test that swaps the hooks).
  ASSERT_TRUE(lx::Global_AnsiDecodeProc);
  ASSERT_TRUE(lx::Global_AnsiEncodeProc);
  lx::SetACP(1251);
  EXPECT_TRUE(lx::AnsiBytesToUnicode("\xE9") == u"\u0439");
  EXPECT_EQ(lx::UnicodeToAnsiBytes(u"\u0439\u00E9"), "\xE9?");
  lx::SetACP(1252);
  EXPECT_TRUE(lx::AnsiBytesToUnicode("\xE9\x81") == u"\u00E9\u0081");
}

}  // namespace
