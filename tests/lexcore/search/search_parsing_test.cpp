#include "lexcore/search/search_parsing.h"

#include <gtest/gtest.h>

#include "lexcore/rtl/lx_stringlist.h"
#include "lexcore/rtl/lx_strings.h"
#include "lexcore/search/user_input_wildcard_parsing.h"

using namespace lx;

namespace {

TTagDelimiters AngleTags() {
  TTagDelimiters t{};
  t[0] = u'<';
  t[6] = u'>';
  return t;
}

struct Expected {
  const char16_t* typed;
  std::u16string working;
  TMySearchFlags flags;
  bool tag = false;
};

}  // namespace

// Written by hand from the parsing rules, not from the code.
TEST(SearchWordParsing, TypedWordsToWorkingTexts) {
  const Expected table[] = {
      {u"book*", u"book", {4}},
      {u"*ness", u"ness", {5}},
      {u"==US==", u"US", {2, 4, 5}},
      {u"~cat", u"cat", {3, 4, 5}},
      {u"the * of", u"the \x1A of", {4, 5}},
      {u"a * * b", u"a \x1A \x1A b", {4, 5}},
      // A star alone at a phrase's edge is a word; the word beside it keeps its boundary.
      {u"the *", u"the \x1A", {4, 5}},
      {u"* of", u"\x1A of", {4, 5}},
      {u"the*", u"the", {4}},
      // Private-use characters typed or referenced stay what they are beside protected literals.
      {u"a\uE000b\uE00A", u"a\uE000b\uE00A", {4, 5}},
      {u"\uE002\"*\"", u"\uE002*", {4, 5}},
      {u"{CHR(xE000)}\"^\"", u"\uE000^", {4, 5}},
      {u"th*n", u"th\x1Dn", {4, 5}},
      {u"colo?r", u"colo\x1Cr", {4, 5}},
      {u"^x#", u"\x1Ex\x1B", {4, 5}},
      {u"==a*==", u"a", {2, 4}},
      {u"\"*\"", u"*", {4, 5}},
      {u"a\"?\"b\"#\"", u"a?b#", {4, 5}},
      {u"\"==\"", u"==", {4, 5}},
      {u"x\"/\\\"", u"x/\\", {4, 5}},
      {u"}}}x", u"\x15}}x", {4, 5}},
      {u"go/\\", u"go\x13", {4, 5}},
      {u"/\\go", u"\x10go", {4, 5}},
      {u"a/\\b", u"a/\\b", {4, 5}},
      {u"{CHR(65)}", u"A", {4, 5}},
      {u"{chr(x41)}{CHR(42h)}", u"AB", {4, 5}},
      {u"{CHR(128512)}", u"\U0001F600", {4, 5}},
      {u"{CHR(0)}{CHR(55296)}{CHR(1114112)}", u"{CHR(0)}{CHR(55296)}{CHR(1114112)}", {4, 5}},
      {u"  padded  ", u"padded", {4, 5}},
      {u"<b>*",
       u"\x19"
       u"b\x18",
       {4},
       true},
      {u"<b", u"<b", {4, 5}},
      {u"\"<\"b>", u"<b>", {4, 5}},
      {u"*", u"", {5}},
      {u"**", u"", {}},
      {u"", u"", {4, 5}},
  };
  for (const Expected& e : table) {
    SCOPED_TRACE(UTF16ToUTF8(e.typed));
    const TSearch_word_format_rec r = Parsed_SearchWord(AngleTags(), e.typed);
    EXPECT_EQ(r.search_text, e.working);
    EXPECT_EQ(r.flags, e.flags);
    EXPECT_EQ(r.contains_a_tag, e.tag);
    EXPECT_EQ(r.typed_in_text, e.typed);
  }
}

TEST(SearchWordParsing, RecordFieldsAndCopies) {
  TSearch_word_format_rec r = Parsed_SearchWord({}, u"\u00E9Cole");
  EXPECT_EQ(r.copies[0], u"\u00E9Cole");
  EXPECT_EQ(r.copies[1], u"\u00C9COLE");
  EXPECT_EQ(r.copies[2], u"\u00E9cole");
  EXPECT_EQ(r.copies[3], u"\u00C9cole");
  EXPECT_FALSE(r.ambiguous);

  r = Parsed_SearchWord({}, u"colo?r");
  EXPECT_TRUE(r.ambiguous);
  r = Parsed_SearchWord({}, u"\"*\"");
  EXPECT_TRUE(r.ambiguous);  // differs from the typed text, though it holds no wildcard code

  r = Parsed_SearchWord({}, u"");
  EXPECT_EQ(r.copies[3], u"");
  EXPECT_FALSE(r.ambiguous);
  TSearch_word_format_rec cleared;
  cleared.flags = {4, 5};
  EXPECT_EQ(r, cleared);

  r = Parsed_SearchWord({}, u"sun context:=moon");
  EXPECT_EQ(r.search_text, u"sun");
  EXPECT_EQ(r.sw_context_needed, u"moon");
  EXPECT_TRUE(r.has_file_based_context_word);
  EXPECT_EQ(r.typed_in_text, u"sun context:=moon");
  EXPECT_TRUE(r.ambiguous);

  // A first character outside the basic plane stays whole in the title form.
  r = Parsed_SearchWord({}, u"\U00010428X");  // Deseret small letter, capital is U+10400
  EXPECT_EQ(r.copies[3], u"\U00010400x");
}

TEST(SearchWordParsing, UnparsedWordsKeepTheirWildcards) {
  const TSearch_word_format_rec r = UnParsed_SearchWord(u"*co?r*");
  EXPECT_EQ(r.search_text, u"co?r");
  EXPECT_EQ(r.flags, TMySearchFlags{});
  EXPECT_TRUE(r.ambiguous);
  EXPECT_EQ(UnParsed_SearchWord(u"plain").ambiguous, false);
}

TEST(SearchWordParsing, Alternatives) {
  auto words = [](const char16_t* typed, bool split) {
    auto list = SplitSWList(typed, split);
    std::u16string joined;
    for (int32_t i = 0; i < list->Count(); ++i) joined += (i ? u"|" : u"") + list->Get(i);
    return joined;
  };
  EXPECT_EQ(words(u"go/goes/went", true), u"go|goes|went");
  EXPECT_EQ(words(u"go/goes/went", false), u"go/goes/went");
  EXPECT_EQ(words(u"\"/\"", true), u"\"/\"");
  EXPECT_EQ(words(u"a/", true), u"a/");
  EXPECT_EQ(words(u"/a", true), u"/a");
  EXPECT_EQ(words(u"a//b", true), u"a|/b");
  EXPECT_EQ(words(u"end/\\", true), u"end/\\");  // the line-end symbol is no separator
  EXPECT_EQ(words(u"a/end/\\", true), u"a|end/\\");
  EXPECT_EQ(SplitSWList(u"", true)->Count(), 0);
  // Many alternatives come apart in order (one pass, not one copy of the rest per cut).
  std::u16string many;
  for (int i = 0; i < 20000; ++i) many += (i ? u"/w" : u"w") + UTF8ToUTF16(std::to_string(i));
  const auto list = SplitSWList(many, true);
  ASSERT_EQ(list->Count(), 20000);
  EXPECT_EQ(list->Get(0), u"w0");
  EXPECT_EQ(list->Get(19999), u"w19999");
  EXPECT_EQ(SplitSWList(u"", false)->Count(), 1);
}

TEST(SearchWordParsing, TagWildcardsAndPairs) {
  EXPECT_EQ(TagWildcardConverted(u"<~a*\"?\"*>"),
            u"<\x1F"
            u"a\x1D?*>");
  EXPECT_EQ(TagWildcardConverted(u"##"), u"\x1B#");

  TTagDelimiters two{};
  two[0] = u'<';
  two[6] = u'>';
  two[1] = u'[';
  two[7] = u']';
  UnicodeString text = u"<a>[b";
  EXPECT_TRUE(ContainsPairedTagMarkup(two, text));  // the second pair is not closed, the first still counts
  EXPECT_EQ(text,
            u"\x19"
            u"a\x18[b");
  text = u"a>b";
  EXPECT_FALSE(ContainsPairedTagMarkup(two, text));
  EXPECT_EQ(text, u"a>b");
}

TEST(SearchWordParsing, CharacterReferences) {
  EXPECT_EQ(LXFormattedReadableStringToWorkString(u"#65;#x42#$43;#hx44z"), u"ABCDz");
  EXPECT_EQ(LXFormattedReadableStringToWorkString(u"#;#0#xZZ#"), u"#;#0#xZZ#");
  EXPECT_EQ(LXFormattedReadableStringToWorkString(u"#99999999999"), u"#99999999999");
  EXPECT_EQ(LXFormattedReadableStringToWorkString(u"{CHR(65"), u"{CHR(65");
  EXPECT_EQ(LXFormattedReadableStringToWorkString(u"{CHR(x)}"), u"{CHR(x)}");
  const std::u16string work =
      u"a\x1D"
      u"b\x13";
  EXPECT_EQ(LXFormattedWorkStringToReadableString(work), u"a{CHR(29)}b{CHR(19)}");
  EXPECT_EQ(LXFormattedReadableStringToWorkString(LXFormattedWorkStringToReadableString(work)), work);
  EXPECT_EQ(LXFormattedWorkStringToReadableString(u"ab", u'b'), u"{CHR(97)}b");
}

TEST(SearchWordParsing, TranslationPrimitivesAndSymbols) {
  UnicodeString t = u"}}}}}}x}}";
  EXPECT_TRUE(Parse_Translate(t, u"}}}", 0x15));
  EXPECT_EQ(t, u"\x15}}\x15}}x}}");
  t = u"\"^\"\"/\"\"}}}\"";
  Parse_Retain(t, sw_protected_base);
  EXPECT_EQ(t, u"\uE000\uE001\uE009");
  Parse_Restore(t, sw_protected_base);
  EXPECT_EQ(t, u"^/}}}");
  t = u"a}}}";
  EXPECT_TRUE(DoMainParse_Translates(t));
  t = u"a?";
  EXPECT_FALSE(DoMainParse_Translates(t));

  // A host may change the symbols.
  const UnicodeString savedLine = crlf_symbol_string;
  crlf_symbol_string = u"$$";
  EXPECT_EQ(Parsed_SearchWord({}, u"end$$").search_text, u"end\x13");
  crlf_symbol_string = savedLine;
}
