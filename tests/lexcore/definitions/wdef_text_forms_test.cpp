#include <gtest/gtest.h>

#include "lexcore/definitions/Wdef.h"
#include "lexcore/rtl/lx_resources.h"

using namespace lx;

TEST(EncodedSearchTexts, WildcardsInsideTheTextAreEncoded) {
  EXPECT_EQ(EncodedCRLFTAB(u"o*k"), UnicodeString(u"o") + kEncodedStar + u"k");
  EXPECT_EQ(EncodedCRLFTAB(u"*ing"), u"*ing");        // first character
  EXPECT_EQ(EncodedCRLFTAB(u"ing*"), u"ing*");        // last character
  EXPECT_EQ(EncodedCRLFTAB(u"a\"*\"b"), u"a\"*\"b");  // quoted
  EXPECT_EQ(EncodedCRLFTAB(u"c?l#r"), UnicodeString(u"c") + kEncodedQuery + u"l" + kEncodedHash + u"r");
  EXPECT_EQ(EncodedCRLFTAB(u"one<Enter>two<Tab>x"), u"one\r\ntwo\tx");
  EXPECT_EQ(EncodedCRLFTAB(u""), u"");
}

TEST(EncodedSearchTexts, ReadableFormReversesTheEncoding) {
  for (const char16_t* x :
       {u"abc", u"o*k", u"to*ge*ther<Enter>next<Tab>col", u"<Tab><Enter>", u"a<Enter>b*c"}) {
    EXPECT_EQ(EncodedCRLFTABToReadableStr(EncodedCRLFTAB(x)), x) << UnicodeString(x).size();
  }
  // A translated symbol is what both directions use; an empty one is left alone rather than matched
  // everywhere.
  SetResourceTranslation(u"_LXTabSymbol", u"[TAB]");
  EXPECT_EQ(EncodedCRLFTAB(u"a[TAB]b<Tab>"), u"a\tb<Tab>");
  EXPECT_EQ(EncodedCRLFTABToReadableStr(u"\t"), u"[TAB]");
  SetResourceTranslation(u"_LXTabSymbol", u"");
  EXPECT_EQ(EncodedCRLFTAB(u"ab"), u"ab");
  ClearResourceTranslations();
}

TEST(IgnoreTags, TextFormsRoundTrip) {
  const TIgnore_tag_type t = StringToIgnoreTag_Type(u"<*>, [*]");
  EXPECT_EQ(t[tag_on][0], u'<');
  EXPECT_EQ(t[tag_off][0], u'>');
  EXPECT_EQ(t[tag_on][1], u'[');
  EXPECT_EQ(t[tag_off][1], u']');
  EXPECT_EQ(t[tag_on][2], 0);
  EXPECT_EQ(IgnoreTag_TypeToString(t), u"<*>,[*]");

  EXPECT_EQ(StringToIgnoreTag_Type(u" * \t"), TIgnore_tag_type{});
  // A comma opening a pair is a tag character.
  const TIgnore_tag_type c = StringToIgnoreTag_Type(u",*;,{*}");
  EXPECT_EQ(c[tag_on][0], u',');
  EXPECT_EQ(c[tag_off][0], u';');
  EXPECT_EQ(c[tag_on][1], u'{');
  // Pairs beyond the sixth overwrite the sixth.
  const TIgnore_tag_type many = StringToIgnoreTag_Type(u"a*b,c*d,e*f,g*h,i*j,k*l,m*n");
  EXPECT_EQ(many[tag_on][5], u'm');
  EXPECT_EQ(many[tag_off][5], u'n');
  // A pair with one side unset is not written.
  TIgnore_tag_type half{};
  half[tag_on][0] = u'<';
  half[tag_on][1] = u'(';
  half[tag_off][1] = u')';
  EXPECT_EQ(IgnoreTag_TypeToString(half), u"(*)");
}

TEST(TextHelpers, QuotesPathsRemovalsAndFixedArrays) {
  EXPECT_EQ(CutOutsideQuotes(u"\"x y\""), u"x y");
  EXPECT_EQ(CutOutsideQuotes(u"\"x"), u"\"x");
  EXPECT_EQ(CutOutsideQuotes(u"\""), u"\"");
  EXPECT_EQ(CorrectedPathname(u"  C:  "), u"C:\\");
  EXPECT_EQ(CorrectedPathname(u"C:data"), u"C:\\data");
  EXPECT_EQ(CorrectedPathname(u"C:\\data"), u"C:\\data");
  EXPECT_EQ(CorrectedPathname(u"/home/x "), u"/home/x");
  EXPECT_EQ(ChrClearedFromString(u'a', u"banana"), u"bnn");
  EXPECT_EQ(SubStrClearedFromString(u"ab", u"aabb"), u"");
  EXPECT_EQ(SubStrClearedFromString(u"", u"keep"), u"keep");
  EXPECT_EQ(SubStrClearedFromString(u"xy", u"axyb"), u"ab");

  const tenwidechar ten = StringToTenWidechar(u"abcdefghijKL");
  EXPECT_EQ(ten[9], u'j');
  EXPECT_EQ(ten[10], 0);
  EXPECT_EQ(TenWideCharTostring(ten), u"abcdefghij");
  tenwidechar full;
  full.fill(u'z');  // no terminator: stops after the 11th unit
  EXPECT_EQ(TenWideCharTostring(full).size(), 11u);
  EXPECT_EQ(StringToThirtyWideChar(UnicodeString(40, u'q'))[29], u'q');
  EXPECT_EQ(StringToThirtyWideChar(UnicodeString(40, u'q'))[30], 0);
  EXPECT_EQ(MaxCardinal(0xFFFFFFFFu, 1), 0xFFFFFFFFu);
  EXPECT_EQ(MinCardinal(0xFFFFFFFFu, 1), 1u);
}
