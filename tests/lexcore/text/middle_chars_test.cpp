#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lexcore/text/bare_assemb3.h"

namespace lx {
namespace {

// Hand-made classes for ASCII, as the platform gives them; two spare words after the text.
std::vector<uint16_t> Classes(std::u16string_view s) {
  std::vector<uint16_t> c(s.size() + 2, 0);
  for (std::size_t i = 0; i < s.size(); ++i) {
    const WideChar ch = s[i];
    if (ch >= u'a' && ch <= u'z')
      c[i] = 0x0302;
    else if (ch >= u'A' && ch <= u'Z')
      c[i] = 0x0301;
    else if (ch >= u'0' && ch <= u'9')
      c[i] = 0x0284;
    else if (ch == u' ')
      c[i] = 0x0248;
    else
      c[i] = 0x0210;
  }
  return c;
}

struct Middle {
  std::u16string text;
  std::vector<uint16_t> cls;
  explicit Middle(std::u16string t) : text(std::move(t)), cls(Classes(text)) {}
  uint16_t At(WideChar c, std::size_t from = 0) const { return cls[text.find(c, from)]; }
  void Run(std::u16string_view middles, bool mayEnd, bool mayStart) {
    HandleMiddleChars(text.data(), cls.data(), middles.data(), static_cast<int>(middles.size()),
                      static_cast<int>(text.size()), true, mayEnd, mayStart);
  }
};

TEST(MiddleChars, ApostropheInsideWordsOnly) {
  Middle m(u"don't 'tis dogs' well-known 3-4");
  m.Run(u"'-", false, false);
  EXPECT_EQ(m.At(u'\''), 0x0302);                    // don't
  EXPECT_EQ(m.At(u'\'', 6), 0x0210);                 // 'tis
  EXPECT_EQ(m.At(u'\'', 11), 0x0210);                // dogs'
  EXPECT_EQ(m.At(u'-'), 0x0302);                     // well-known
  EXPECT_EQ(m.At(u'-', m.text.find(u'3')), 0x0204);  // 3-4 is one number
}

TEST(MiddleChars, EdgeFlags) {
  Middle start(u"'tis dogs'");
  start.Run(u"'", false, true);  // may start a word, must still be followed by a word character
  EXPECT_EQ(start.At(u'\''), 0x0302);
  EXPECT_EQ(start.At(u'\'', 1), 0x0210);

  Middle both(u"' x");
  both.Run(u"'", true, true);
  EXPECT_EQ(both.At(u'\''), 0x0302);
}

TEST(MiddleChars, HiddenCharactersAndMarkers) {
  // don<i>'</i>t: the tag is hidden and skipped when looking for neighbours.
  Middle m(u"don<x>'t");
  for (int i = 3; i <= 5; ++i) m.cls[i] |= CharClassHidden;
  m.Run(u"'", false, false);
  EXPECT_EQ(m.At(u'\''), 0x0302);

  // A hidden apostrophe is left alone; a segment marker stops the look-out.
  Middle h(u"a'b c'd");
  h.cls[1] |= CharClassHidden;
  h.cls[3] = CharClassSegmentMarker | 0x0104;  // marker whose code bits look like a word character
  h.Run(u"'", false, false);
  EXPECT_EQ(h.cls[1], 0x0210 | CharClassHidden);
  EXPECT_EQ(h.At(u'\'', 2), 0x0302);  // c'd still joins
  Middle k(u"a 'd");
  k.cls[1] = CharClassSegmentMarker | 0x0104;
  k.Run(u"'", false, false);
  EXPECT_EQ(k.cls[2], 0x0210);
}

TEST(MiddleChars, BufferEdgesAndEightBit) {
  Middle m(u"'");
  m.Run(u"'", false, false);
  EXPECT_EQ(m.cls[0], 0x0210);

  const char text[] = "it\x92s";  // a code-page apostrophe
  auto cls = Classes(u"it\x92s");
  const WideChar mid[] = {0x92, 0x2019};
  HandleMiddleChars(text, cls.data(), mid, 2, 4, false, false, false);
  EXPECT_EQ(cls[2], 0x0302);
}

TEST(MiddleChars, CharactersInNumbers) {
  auto run = [](std::u16string t, bool spaceInNumbers) {
    auto cls = Classes(t);
    HandleMiddleCharsInNumbers(true, spaceInNumbers, t.data(), cls.data(), static_cast<int>(t.size()));
    return cls;
  };
  auto c = run(u"3.14 end. Then 1,000,000 10\u00B75 2:3", false);
  EXPECT_EQ(c[1], 0x0204);
  EXPECT_EQ(c[8], 0x0210);   // end.
  EXPECT_EQ(c[16], 0x0204);  // 1,000
  EXPECT_EQ(c[20], 0x0204);  // ,000
  EXPECT_EQ(c[27], 0x0204);  // 10·5
  EXPECT_EQ(c[31], 0x0210);  // 2:3
  EXPECT_EQ(run(u"10 000", false)[2], 0x0248);
  EXPECT_EQ(run(u"10 000", true)[2], 0x0204);
  // A trailing "5." must not look beyond the text (an exact-size array lets a sanitizer see it).
  std::u16string t = u"5.";
  std::vector<uint16_t> cls = {0x0284, 0x0210};
  HandleMiddleCharsInNumbers(true, false, t.data(), cls.data(), 2);
  EXPECT_EQ(cls[1], 0x0210);
  // Segment markers carry codes, not digit flags.
  t = u"1.2";
  cls = {CharClassSegmentMarker | 0x0004, 0x0210, 0x0284};
  HandleMiddleCharsInNumbers(true, false, t.data(), cls.data(), 3);
  EXPECT_EQ(cls[1], 0x0210);
}

}  // namespace
}  // namespace lx
