// Tags found, counted, read and stripped; character references decoded.
#include <gtest/gtest.h>

#include <string>

#include "lexcore/text/markup_stripper.h"
#include "lexcore/text/my_string_functions.h"

namespace lx {
namespace {

TEST(Markup, TagFormsAndBrackets) {
  EXPECT_TRUE(IsAnOffTag(u"</p>"));
  EXPECT_FALSE(IsAnOffTag(u"<p>"));
  EXPECT_EQ(SameTagButSwitchedOff(u"<p class=x>"), u"</p class=x>");
  EXPECT_EQ(SameTagButSwitchedOff(u"p"), u"/p");
  EXPECT_EQ(SameTagButSwitchedOff(u""), u"");
  EXPECT_EQ(TagOnNumbered(u"<s>", 5), u"<s \"5\">");
  EXPECT_EQ(TagOnNumbered(u"<s", 5), u"<s");
  EXPECT_EQ(UNAngle_Bracketed(Angle_Bracketed(u"b")), u"b");
  EXPECT_TRUE(IsAngleBracketed(u"<b>"));
  EXPECT_TRUE(AngleBracketedSubstringInString(u"a <b> c"));
  EXPECT_FALSE(AngleBracketedSubstringInString(u"a > b <"));
}

TEST(Markup, WithoutMarkupHonoursTheTagLengthLimit) {
  EXPECT_EQ(WithoutMarkup(u"a <b>bold</b> word", 10), u"a bold word");
  EXPECT_EQ(WithoutMarkup(u"a <b>bold</b> word", 2), u"a bold</b> word");
  EXPECT_EQ(WithoutMarkup(u"3 < 4 and 5 > 2", 5), u"3 < 4 and 5 > 2");
  EXPECT_EQ(WithoutMarkup(u"x <b>y", 0), u"x <b>y");
  EXPECT_EQ(MarkupWithoutText(u"a <b>bold</b> <i"), u"<b></b>");
  EXPECT_EQ(MarkupWithoutText(u"[a] x [b]", u'[', u']'), u"[a][b]");
  EXPECT_EQ(MarkupWithoutText(u"<<b>"), u"<<b><b>");  // each opening with the next closing after it
  // Many openings before one closing share it: each span runs from its opening to that closing.
  EXPECT_EQ(MarkupWithoutText(std::u16string(2000, u'<') + u">").size(), 2003000u);
}

TEST(Markup, ValuesCountsAndSpans) {
  bool found = false;
  EXPECT_EQ(SimpleTagValue(u"title", u"<title>Hi</title>", found), u"Hi");
  EXPECT_TRUE(found);
  EXPECT_EQ(SimpleTagValue(u"title", u"only </title>", found), u"");
  EXPECT_FALSE(found);
  EXPECT_EQ(TrimmedSimpleTagValue(u"t", u"<t> x </t>", found), u"x");
  EXPECT_EQ(ExtractMarkupDataFromText(u"a [[x]] b", u"[[", u"]]"), u"x");
  EXPECT_EQ(ExtractMarkupDataFromText(u"a [[x b", u"[[", u"]]"), u"");
  EXPECT_EQ(NumberOfTagsWithinChunk(u"<a><b><c>", 1), 2);
  EXPECT_EQ(NumberOfTagsWithinChunk(u"<a><b><c>"), 3);

  std::u16string seen;
  const int32_t n = FindAndStudyStringInText(u"{a} {b {c}", u"{", u"}", [&](const TStringAndIntegerRec& r) {
    seen += r.s + u"|";
    return r.i == 2;  // stops the search at the second span
  });
  EXPECT_EQ(n, 2);
  EXPECT_EQ(seen, u"{a}|{b {c}|");
  EXPECT_EQ(FindAndStudyStringInText(std::u16string(100'000, u'{') + u"x", u"{", u"}", TStudyStringMethod()),
            0);
  EXPECT_EQ(PrecedingContext(u"abcdef", 3, 5), u"bcd");
  EXPECT_EQ(PrecedingContext(u"abcdef", 10, 3), u"ab");
  EXPECT_EQ(PrecedingContext(u"abcdef", 0, 3), u"");
}

TEST(Markup, UnclosedTags) {
  EXPECT_EQ(OpenWithoutCloseTagInText(u"<p>one<p>two</p>", 5, false, false), u"");
  EXPECT_EQ(OpenWithoutCloseTagInText(u"<br>line", 5, false, false), u"<br>");
  EXPECT_EQ(OpenWithoutCloseTagInText(u"<x>a</x><br>", 5, true, false), u"");  // lower case passed over
  EXPECT_EQ(OpenWithoutCloseTagInText(u"<%=v%><P>", 5, true, true), u"<P>");
  std::u16string context;
  int32_t where = 0;
  EXPECT_EQ(OpenWithoutCloseTagInText(u"ab<i>cd<u>", 2, false, false,
                                      [&](const T2StringsAndIntegerRec& r) {
                                        context = r.s2;
                                        where = r.i;
                                        return r.s1 == u"<u>";
                                      }),
            u"<u>");
  EXPECT_EQ(context, u"cd");
  EXPECT_EQ(where, 8);
}

TEST(MarkupStripper, CharacterReferences) {
  EXPECT_EQ(DecodedCharacterReferences(u"caf&eacute; &amp; &#233;&#xE9;&#X1F600;"),
            u"caf\u00E9 & \u00E9\u00E9\U0001F600");
  EXPECT_EQ(DecodedCharacterReferences(u"&NotEqualTilde;"), u"\u2242\u0338");  // two code points
  // Not references: unknown names, no ';', no digits, too many digits; numbers that are no character.
  EXPECT_EQ(DecodedCharacterReferences(u"&nosuch; &amp &#; &#x; &#1234567890;"),
            u"&nosuch; &amp &#; &#x; &#1234567890;");
  EXPECT_EQ(DecodedCharacterReferences(u"&#0;&#xD800;&#x110000;"), u"\uFFFD\uFFFD\uFFFD");
  EXPECT_EQ(DecodedCharacterReferences(u"&"), u"&");
}

std::u16string Stripped(std::u16string_view in, TMarkupStripReport* out = nullptr, WideChar open = u'<',
                        WideChar close = u'>') {
  UnicodeString s;
  TMarkupStripReport report;
  StripMarkup(in.data(), in.size(), open, close, true, s, report);
  if (out) *out = report;
  return s;
}

TEST(MarkupStripper, TagsJoinOrSeparateAsTheirElementsDo) {
  EXPECT_EQ(Stripped(u"<td>a</td><td>b</td>"), u"a b");
  EXPECT_EQ(Stripped(u"bo<b>ld</b>ly"), u"boldly");
  EXPECT_EQ(Stripped(u"<p>one</p>\n<p>two</p>"), u"one\ntwo");
  EXPECT_EQ(Stripped(u"a<!-- <p> x > -->b"), u"a b");
  EXPECT_EQ(Stripped(u"x<script>if (a<b) c();</script>y<STYLE>p{}</Style>z"), u"x y z");
  EXPECT_EQ(Stripped(u"3 < 4 &lt;p&gt; 5"), u"3 < 4 <p> 5");  // decoded brackets are text, not tags
  EXPECT_EQ(Stripped(u"[b]x[/b] <y>", nullptr, u'[', u']'), u"x <y>");
  // A CDATA section is text as it stands; one that never ends is a tag to the next ">", as before.
  EXPECT_EQ(Stripped(u"a<![CDATA[ <b>x</b> &amp; ]]>b"), u"a <b>x</b> &amp; b");
  EXPECT_EQ(Stripped(u"a<![CDATA[ x > y"), u"a y");
  // Without HTML's inline elements every tag keeps the words on its sides apart.
  UnicodeString xml;
  TMarkupStripReport report;
  const std::u16string_view in = u"<s>one</s><s>two</s>";
  StripMarkup(in.data(), in.size(), u'<', u'>', true, xml, report, false);
  EXPECT_EQ(xml, u"one two");
}

TEST(MarkupStripper, UnclosedDelimitersAndTagsAreReported) {
  TMarkupStripReport r;
  EXPECT_EQ(Stripped(u"<p>a</p><br><img src=x/><li>b<hr/>", &r), u"a b");
  EXPECT_EQ(r.unclosedTag, u"li");
  EXPECT_EQ(r.unclosedTagPosition, 24u);  // 0-based, at its "<"
  EXPECT_EQ(r.unclosedDelimiter, std::u16string_view::npos);
  EXPECT_EQ(Stripped(u"<!doctype html><html>x</html>", &r), u"x");
  EXPECT_TRUE(r.unclosedTag.empty());
  EXPECT_EQ(Stripped(u"a <b c <d", &r), u"a <b c <d");
  EXPECT_EQ(r.unclosedDelimiter, 2u);
  // A million openings without a closing one: each is text, and the pass stays linear.
  const std::u16string many(1'000'000, u'<');
  EXPECT_EQ(Stripped(many + u"x", &r), many + u"x");
  std::u16string comments;
  for (int i = 0; i < 100'000; ++i) comments += u"<!--a";
  EXPECT_EQ(Stripped(comments + u">b", &r), u"b");
}

}  // namespace
}  // namespace lx
