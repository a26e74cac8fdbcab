#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>

#include "lexcore/rtl/lx_yield.h"
#include "lexcore/text/UTF8_unit.h"
#include "lexcore/text/bare_assemb.h"

namespace lx {
namespace {

using namespace std::string_literals;

TEST(UTF8Unit, SignatureTests) {
  EXPECT_EQ(UTF8SignatureAsUTF8String(), "\xEF\xBB\xBF"s);
  EXPECT_TRUE(IsUTF8SignatureA("\xEF\xBB\xBFx"));
  EXPECT_FALSE(IsUTF8SignatureA("\xEF\xBB"));  // stops at the terminator
  EXPECT_FALSE(IsUTF8SignatureA(nullptr));
  EXPECT_TRUE(IsUTF8Signature(0xEF, 0xBB, 0xBF));
  EXPECT_FALSE(IsUTF8Signature(0xEF, 0xBB, 0xBE));
  // EF BB BF read as little-endian units: BBEF, then xxBF.
  const WideChar signedW[] = {0xBBEF, 0x41BF, 0};
  const WideChar shortW[] = {0xBBEF, 0};
  EXPECT_TRUE(IsUTF8SignatureW(signedW));
  EXPECT_FALSE(IsUTF8SignatureW(shortW));
  EXPECT_FALSE(IsUTF8SignatureW(nullptr));
}

TEST(UTF8Unit, LengthInChars) {
  EXPECT_EQ(UTF8LengthInChars("a\xC3\xA9"), 2);
  EXPECT_EQ(UTF8LengthInChars("a\x80"), 2);                     // stray continuation: byte length
  EXPECT_EQ(UTF8LengthInChars("ab\xE2\x82"), 4);                // cut sequence: byte length
  EXPECT_EQ(UTF8LengthInChars("\xF0\x9F\x98\x80z"), 2);         // 4-byte sequence
  EXPECT_EQ(UTF8LengthInChars("\xFC\x80\x80\x80\x80\x80"), 1);  // old 6-byte form still counted
  EXPECT_EQ(UTF8LengthInChars("\xFF"), 1);
  EXPECT_EQ(UTF8LengthInChars(""), 0);
}

TEST(UTF8Unit, CheckedUTF) {
  struct Case {
    std::string bytes;
    bool result, plain;
  } cases[] = {
      {"abc", true, true},
      {"", true, true},
      {"\xC3\xA9", true, false},
      {std::string(1000, 'x') + "\xC3\xA9", true, false},
      {"\xC3", false, true},
      {"\xC0\x80", false, true},  // overlong
      {"\xED", false, true},
      {"ok \xE0\x80\x80", false, true},  // overlong 3-byte
      {"\xF0\x8F\xBF\xBF", false, true},
      {"\xF4\x90\x80\x80", false, true},  // beyond U+10FFFF
      {"\xF5\x80\x80\x80", false, true},
      {"\xF8\x88\x80\x80\x80", false, true},  // 5-byte form is never UTF-8
      {"\x80", false, true},
      {"\xE2\x82\xAC", true, false},
      {"\xF0\x9F\x98\x80", true, false},
      // The first valid sequence settles it: what follows is not looked at.
      {"\xC3\xA9\xFF", true, false},
  };
  for (const auto& c : cases) {
    bool plain = false;
    EXPECT_EQ(CheckedUTF(c.bytes, plain), c.result) << c.bytes;
    EXPECT_EQ(plain, c.plain) << c.bytes;
  }
}

TEST(UTF8Unit, CheckedUTFYieldsOncePerByte) {
  int calls = 0;
  Global_YieldProcessProc = [&] { ++calls; };
  bool plain;
  EXPECT_TRUE(CheckedUTF("abcdefghij", plain));
  EXPECT_EQ(calls, 10);
  calls = 0;
  EXPECT_FALSE(CheckedUTF("ab\xC3", plain));
  EXPECT_EQ(calls, 3);
  Global_YieldProcessProc = nullptr;
}

TEST(UTF8Unit, CheckedUTFNeverReadsPastTheView) {
  // The view ends inside a sequence whose bytes continue in memory: the cut must be seen.
  const std::string whole = "abc\xE2\x82\xAC";
  bool plain;
  EXPECT_FALSE(CheckedUTF(std::string_view(whole).substr(0, 5), plain));
  EXPECT_TRUE(CheckedUTF(std::string_view(whole).substr(0, 3), plain));
  EXPECT_TRUE(plain);
}

TEST(UTF8Unit, RandomBytesStayInsideTheirBuffer) {
  // Exact-size heap copies, so a sanitizer sees any read past the end.
  std::mt19937 rng(7);
  for (int round = 0; round < 2000; ++round) {
    const std::size_t n = rng() % 12;
    auto bytes = std::make_unique<char[]>(n ? n : 1);
    for (std::size_t i = 0; i < n; ++i) bytes[i] = static_cast<char>(0x80 | (rng() & 0x7F));
    const std::string_view view(bytes.get(), n);
    bool plain;
    CheckedUTF(view, plain);
    const int chars = UTF8LengthInChars(view);
    EXPECT_LE(chars, static_cast<int>(n));
  }
}

TEST(ByteOrderMarks, SignedAndReversed) {
  const WideChar le[] = {0xFEFF, u'a', 0};
  const WideChar be[] = {0xFFFE, 0x6100, 0};
  const WideChar none[] = {u'a', 0};
  EXPECT_EQ(UnicodeSigned(le), le);
  EXPECT_EQ(UnicodeByteReversed(le), nullptr);
  EXPECT_EQ(UnicodeSigned(be), be);
  EXPECT_EQ(UnicodeByteReversed(be), be);
  EXPECT_EQ(UnicodeSigned(none), nullptr);
  EXPECT_EQ(UnicodeSigned(nullptr), nullptr);
  WideChar swap[] = {0xFFFE, 0x6100, 0x0301, 0};
  StrSwapByteOrder(swap);
  EXPECT_EQ(std::u16string(swap), (std::u16string{0xFEFF, u'a', 0x0103}));
  StrSwapByteOrder(nullptr);
}

}  // namespace
}  // namespace lx
