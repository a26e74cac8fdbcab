#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "lexcore/text/bare_assemb.h"
#include "lexcore/text/bare_assemb2.h"
#include "lexcore/text/bare_assemb3.h"

namespace lx {
namespace {

// A buffer with guard units after the terminator, to catch writes past it.
struct Guarded {
  std::u16string data;
  int len;
  explicit Guarded(std::u16string_view s) : data(s), len(static_cast<int>(s.size())) {
    data.push_back(0);
    data.append(4, u'#');
  }
  WideChar* p() { return data.data(); }
  std::u16string Text() const { return std::u16string(data.c_str()); }
  bool GuardsIntact() const { return data.compare(len + 1, 4, u"####") == 0; }
};

TEST(BufferScanners, Searching) {
  EXPECT_EQ(FastStrPos("the cat sat", "at", 11), 5);
  EXPECT_EQ(FastStrPos("the cat sat", "at", 6), -1);  // only within len
  EXPECT_EQ(FastStrPos("abc", "", 3), -1);
  EXPECT_EQ(FastStrPosW(u"aaab", u"aab", 4), 1);
  EXPECT_EQ(FastStrPosW(u"ab", u"abc", 2), -1);
  EXPECT_EQ(FastStrIPosW(u"a Cat", u"CAT", u"cat", 5), 2);
  EXPECT_EQ(FastStrIPos("xDoG", "DOG", "dog", 4), 1);
  EXPECT_EQ(FastStrScan("abc", 'c', 3), 2);
  EXPECT_EQ(FastStrScanW(u"abc", u'c', 2), -1);
  // Every place in and around the eight-unit blocks, and a match just past the length that must not count.
  for (int len = 0; len <= 20; ++len) {
    for (int at = 0; at < 21; ++at) {
      std::u16string s(21, u'x');
      s[at] = u'\x2019';
      EXPECT_EQ(FastStrScanW(s.c_str(), u'\x2019', len), at < len ? at : -1) << len << " " << at;
      std::string b(21, 'x');
      b[at] = '\x92';
      EXPECT_EQ(FastStrScan(b.c_str(), '\x92', len), at < len ? at : -1);
    }
  }
}

TEST(BufferScanners, ReplacingInPlace) {
  std::u16string s = u"aXbXXc";
  EXPECT_EQ(SearchAndReplaceFastW(s.data(), u"XX", u"YY", 6, 2), 1);
  EXPECT_EQ(s, u"aXbYYc");
  s = u"aaaa";
  EXPECT_EQ(SearchAndReplaceFastW(s.data(), u"aa", u"ba", 4, 2), 2);  // resumes after each replacement
  EXPECT_EQ(s, u"baba");

  std::u16string cr = u"a\r\nb\rc\n\r";
  ReplaceCarriageReturnsBySpaceW(cr.data(), static_cast<int>(cr.size()));
  EXPECT_EQ(cr, u"a  b c\n ");
  std::string ca = "a\r\n";
  ReplaceCarriageReturnsBySpaceA(ca.data(), 2);  // the 10 lies beyond len
  EXPECT_EQ(ca, "a \n");

  std::u16string ctl = u"a\tb\x1F\x7F";
  ReplaceControlCharsBySpaceW(ctl.data(), 5);
  EXPECT_EQ(ctl, u"a b \x7F");
  std::string ctla = "a\x01\xE9";
  ReplaceControlCharsBySpaceA(ctla.data(), 3);  // bytes above 127 are not controls
  EXPECT_EQ(ctla, "a \xE9");

  std::string t = "a\tb";
  ReplaceTabsBySpace(t.data(), 3);
  ReplaceChar1ByChar2(t.data(), 'a', 'z', 3);
  EXPECT_EQ(t, "z b");
}

TEST(BufferScanners, ComparingAndCounting) {
  EXPECT_TRUE(EqualContentsW(u"abc", u"abd", 2));
  EXPECT_FALSE(EqualContentsW(u"abc", u"abd", 3));
  EXPECT_TRUE(EqualContentsA("x", "y", 0));
  EXPECT_EQ(HowFarEqualContentsW(u"abcde", u"abXde", 5), 2);
  EXPECT_EQ(HowFarEqualContentsA("abcde", "abcdX", 5), 0);  // differs at the last: nothing left unexamined
  EXPECT_EQ(HowFarEqualContentsA("abc", "abc", 3), 0);
  EXPECT_EQ(HowFarEqualContentsA("Xbc", "abc", 3), 2);
  EXPECT_EQ(Chr13sInPChar(u"a\rb\r\r", 4), 2);
  EXPECT_EQ(Chr13sInPAnsichar("\r\r", 2), 2);
  EXPECT_EQ(WideChrsInPChar(u"banana", 6, u'a'), 3);

  std::u16string b = u"abcd";
  BlankOutSomeBytesW(b.data() + 1, 2);
  EXPECT_EQ(b, u"a  d");
  BlankOutSomeBytesW(b.data(), -1);
  ZeroSomeBytesW(b.data() + 3, 1);
  EXPECT_EQ(b, std::u16string(u"a  \0", 4));
}

TEST(BufferScanners, Checksums) {
  const WideChar w[] = {0xFFFF, 2, 0};
  EXPECT_EQ(My2Checksum(w, 2), 1);
  // Little-endian units, the odd tail ignored, unaligned start allowed.
  const uint8_t bytes[] = {0, 0xFF, 0xFF, 0xFF, 0xFF, 2, 0, 0, 0, 7, 7};
  EXPECT_EQ(My4Checksum(bytes + 1, 10), 1u);
  EXPECT_EQ(My4Checksum(bytes + 1, 3), 0u);
  EXPECT_EQ(CheckSumOfABufferful(bytes + 5, 4), 2u);
}

TEST(BufferEditing, CutDoubleCRLFs) {
  Guarded g(u"a\r\n\r\n\r\nb\r\nc\r\n\r\n");
  const int n = CutDoubleCRLFsW(g.p(), g.len);
  EXPECT_EQ(n, 9);
  EXPECT_EQ(g.Text(), u"a\r\nb\r\nc\r\n");
  EXPECT_TRUE(g.GuardsIntact());
  // Nothing to cut: nothing written at the terminator's place either.
  std::u16string untouched = u"ab\r\nX";
  EXPECT_EQ(CutDoubleCRLFsW(untouched.data(), 4), 4);
  EXPECT_EQ(untouched, u"ab\r\nX");
  // A lone CR at the end, and a CR CR LF run, stay.
  Guarded h(u"\r\r\n\r");
  EXPECT_EQ(CutDoubleCRLFsW(h.p(), h.len), 4);
}

TEST(BufferEditing, SpacesLineFeedsAndCharacters) {
  Guarded g(u"  a   b ");
  EXPECT_EQ(RemoveRedundantSpaceW(g.p(), g.len), 5);
  EXPECT_EQ(g.Text(), u" a b ");
  EXPECT_TRUE(g.GuardsIntact());

  Guarded u(u"a\r\nb\n");
  EXPECT_EQ(LengthConvertedToUnix(u.p(), u.len), 3);
  EXPECT_EQ(u.Text(), u"a\rb");
  std::string a = "x\ny";
  EXPECT_EQ(LengthConvertedToUnix(a.data(), 3), 2);
  EXPECT_STREQ(a.c_str(), "xy");

  Guarded r(u"banana");
  EXPECT_EQ(RemoveCharW(r.p(), u'a', r.len), 3);
  EXPECT_EQ(r.Text(), u"bnn");
  std::string ra = "aaa";
  EXPECT_EQ(RemoveCharA(ra.data(), 'a', 3), 0);
  EXPECT_EQ(ra[0], '\0');
}

TEST(BufferEditing, BetweenChars) {
  Guarded blank(u"a<b>c<long tag>d<");
  EXPECT_EQ(ClearBetweenChars(blank.p(), u'<', u'>', blank.len, 5, false), blank.len);
  EXPECT_EQ(blank.Text(), u"a   c<long tag>d<");  // the long tag is beyond the span, the last < is open
  EXPECT_TRUE(blank.GuardsIntact());

  Guarded cut(u"a<b>c<long tag>d<");
  EXPECT_EQ(ClearBetweenChars(cut.p(), u'<', u'>', cut.len, 10, true), 4);
  EXPECT_EQ(cut.Text(), u"acd<");
  EXPECT_TRUE(cut.GuardsIntact());

  // The closing character beyond len is not seen.
  std::string a = "x[ab]";
  EXPECT_EQ(CleanBetweenChars(a.data(), '[', ']', 4, 10, true), 4);
  EXPECT_EQ(a, "x[ab]");
  EXPECT_EQ(CleanBetweenChars(a.data(), '[', ']', 5, 3, true), 1);
  EXPECT_STREQ(a.c_str(), "x");
}

TEST(BufferEditing, CaseWordsAndSwaps) {
  std::u16string c = u"straße é";
  CapitaliseABuffer(c.data(), static_cast<int>(c.size()));
  EXPECT_EQ(c, u"STRAßE É");  // one unit per unit: ß has no single upper-case form

  Guarded w(u"The cat of London and Paris");
  const int n = CutLowercaseWords(w.p(), w.len, u"of");
  EXPECT_EQ(w.Text(), u"The of London Paris");
  EXPECT_EQ(n, 19);
  EXPECT_TRUE(w.GuardsIntact());

  std::u16string s = u"abcXY!";
  Swap2Strings(s.data(), 3, 2);
  EXPECT_EQ(s, u"XYabc!");
}

TEST(IntegerArrays, Searches) {
  const int32_t a[] = {5, 3, 9, 3};
  EXPECT_EQ(PositionInIntegerArray(a, 4, 3), 1);
  EXPECT_EQ(ScanForInt(a, 4, 3), 1);
  EXPECT_EQ(PositionInArrayOfInteger(a, 4, 3), 3);
  EXPECT_EQ(PositionInIntegerArray(a, 4, 7), -1);
  EXPECT_EQ(ScanForIntBigger(a, 4, 5), 2);
  EXPECT_EQ(ScanForIntBigger(a, 4, 9), -1);

  const int32_t asc[] = {1, 4, 4, 8};
  bool found;
  EXPECT_EQ(PositionInAscendingArrayOfInteger(asc, 4, 4, found), 1);
  EXPECT_TRUE(found);
  EXPECT_EQ(PositionInAscendingArrayOfInteger(asc, 4, 5, found), 3);
  EXPECT_FALSE(found);
  EXPECT_EQ(PositionInAscendingArrayOfInteger(asc, 4, 0, found), 0);
  EXPECT_EQ(PositionInAscendingArrayOfInteger(asc, 4, 9, found), -1);
  EXPECT_FALSE(found);
  EXPECT_EQ(PositionInAscendingArrayOfInteger(asc, 0, 1, found), -1);
}

}  // namespace
}  // namespace lx
