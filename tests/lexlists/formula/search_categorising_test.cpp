// Categories of list entries: double conditions, mixed colours and the stream form.
#include "lexlists/formula/search_categorising.h"

#include <gtest/gtest.h>

#include "lexcore/rtl/lx_streams.h"

namespace lx {
namespace {

TSearchRequirementRec Text(TSearchRequirementSeeks how, const UnicodeString& sought,
                           const UnicodeString& actual) {
  TSearchRequirementRec r;
  r.how = how;
  r.s_seek_base = sought;
  r.s_actual = actual;
  return r;
}

TSearchRequirementRec Number(TSearchRequirementSeeks how, float low, float high, float actual) {
  TSearchRequirementRec r;
  r.how = how;
  r.data_numerical = 1;
  r.n_seek_low = low;
  r.n_seek_high = high;
  r.n_actual = actual;
  return r;
}

TDoubleSearchCategoryRec Category(const TSearchRequirementRec& a, const TSearchRequirementRec& b,
                                  TSearchRequirementLinkType link) {
  TDoubleSearchCategoryRec c;
  c.requirement = {a, b};
  c.link_type = link;
  return c;
}

TEST(SearchCategorising, OneRequirement) {
  EXPECT_TRUE(SearchRequirementMet(Text(ccp_StartsWith, u"un", u"undo")));
  EXPECT_FALSE(SearchRequirementMet(Text(ccp_StartsWith, u"un", u"Undo")));
  EXPECT_FALSE(SearchRequirementMet(Text(ccp_StartsWith, u"undone", u"undo")));
  EXPECT_TRUE(SearchRequirementMet(Text(ccp_EndsWith, u"ness", u"kindness")));
  EXPECT_FALSE(SearchRequirementMet(Text(ccp_Between, u"b", u"bz")));  // s_seek_high empty
  TSearchRequirementRec between = Text(ccp_Between, u"b", u"bz");
  between.s_seek_high = u"c";
  EXPECT_TRUE(SearchRequirementMet(between));
  EXPECT_TRUE(SearchRequirementMet(Number(ccp_Between, 5, 10, 10)));
  EXPECT_FALSE(SearchRequirementMet(Number(ccp_Between, 5, 10, 10.5f)));
  TSearchRequirementRec other = Number(ccp_GreaterThan, 100, 0, 7);
  other.Compare_with_OtherDataColumn = 1;
  other.n_other_data_column_actual = 6;
  EXPECT_TRUE(SearchRequirementMet(other));  // compared with the other column, not with 100
  TSearchRequirementRec word = Text(ccp_FoundWithinNWordsOf, u"not", u"it is nothing, not now");
  word.seek_low_flags.Include(4);
  word.seek_low_flags.Include(5);
  EXPECT_TRUE(SearchRequirementMet(word));
  word.s_actual = u"it is nothing";
  EXPECT_FALSE(SearchRequirementMet(word));
  TSearchRequirementRec length = Number(ccp_WordLengthGreaterThan, 3, 0, 0);
  length.s_actual = u"\U0001D400bc";  // three characters, four units
  EXPECT_FALSE(SearchRequirementMet(length));
  TSearchRequirementRec marked;
  marked.how = ccp_is_marked;
  EXPECT_FALSE(SearchRequirementMet(marked));
  marked.is_marked = 1;
  EXPECT_TRUE(SearchRequirementMet(marked));
  marked.how = ccp_spare4;
  EXPECT_FALSE(SearchRequirementMet(marked));
}

TEST(SearchCategorising, DoubleConditions) {
  const TSearchRequirementRec yes = Text(ccp_Equals, u"a", u"a"), no = Text(ccp_Equals, u"a", u"b");
  TSearchRequirementRec ignore;
  EXPECT_FALSE(CategConditionsMet(Category(ignore, ignore, ccl_or)));
  EXPECT_FALSE(CategConditionsMet(Category(yes, yes, ccl_but_not)));
  EXPECT_TRUE(CategConditionsMet(Category(yes, no, ccl_but_not)));
  EXPECT_FALSE(CategConditionsMet(Category(no, no, ccl_but_not)));
  EXPECT_TRUE(CategConditionsMet(Category(yes, yes, ccl_and)));
  EXPECT_FALSE(CategConditionsMet(Category(yes, no, ccl_and)));
  EXPECT_TRUE(CategConditionsMet(Category(no, yes, ccl_or)));
  EXPECT_FALSE(CategConditionsMet(Category(no, no, ccl_or)));
  EXPECT_TRUE(CategConditionsMet(Category(yes, ignore, ccl_and)));
  EXPECT_TRUE(CategConditionsMet(Category(ignore, yes, ccl_and)));  // the second taken as the only one
  TSearchRequirementRec notYes = yes;
  notYes.opposite = 1;
  EXPECT_FALSE(CategConditionsMet(Category(notYes, ignore, ccl_and)));
  EXPECT_TRUE(CategConditionsMet(Category(no, notYes, ccl_or)));  // only the first one is inverted

  std::vector<TDoubleSearchCategoryRec> categories = {
      Category(yes, ignore, ccl_and), Category(no, ignore, ccl_and), Category(yes, yes, ccl_and)};
  categories[0].requirement[0].colour = 0x0000FF;
  categories[2].requirement[0].colour = 0xFF0000;
  TConditionsMetRecArray met;
  EXPECT_TRUE(AnyCategConditionsMet(categories, met));
  ASSERT_EQ(met.size(), 2u);
  EXPECT_EQ(met[0].colour, 0x0000FF);
  EXPECT_EQ(categories[0].requirement[0].found, 1);
  EXPECT_EQ(categories[1].requirement[0].found, 0);
  // Red (0x0000FF) then blue: blue weighs 128/256, red 127/256.
  EXPECT_EQ(MeanColourOf(met), 0x80007F);
  EXPECT_EQ(MeanColourOf({}), 0xFFFFFF);
  EXPECT_EQ(MeanColourOf({{0x123456}}), 0x123456);
}

TEST(SearchCategorising, ContextsAroundTheNearestOccurrence) {
  TMySearchFlags whole;
  whole.Include(4);
  whole.Include(5);
  const std::u16string context = u"the cat sat on the mat by the door";
  // "the" at 1, 16 and 27; the midpoint 20 is nearest 16.
  EXPECT_EQ(NearestContextToMidpoint(ccp_FoundWithinNWordsOf, u"the", context, 20, 1, whole), u"on the mat");
  EXPECT_EQ(NearestContextToMidpoint(ccp_FoundWithinNWordsToLeftOf, u"the", context, 20, 2, whole),
            u"sat on");
  EXPECT_EQ(NearestContextToMidpoint(ccp_FoundWithinNWordsToRightOf, u"the", context, 30, 5, whole), u"door");
  EXPECT_EQ(NearestContextToMidpoint(ccp_FoundAnywhereIn, u"cat", context, 0, 1, whole), context);
  EXPECT_EQ(NearestContextToMidpoint(ccp_FoundWithinNWordsOf, u"dog", context, 20, 1, whole), u"");
}

TEST(SearchCategorising, StreamKeepsFixedFieldsAndTheTextSought) {
  TDoubleSearchCategoryRec c =
      Category(Text(ccp_StartsWith, u"caf\u00E9", u"ignored"), Number(ccp_Between, 1, 2, 3), ccl_or);
  c.requirement[0].colour = 0x00FF00;
  c.requirement[0].neighbour_word = u"not stored";
  TMemoryStream s;
  ASSERT_TRUE(TRequirementsArrayHolder(c).SaveToStream(s));
  EXPECT_EQ(s.GetSize(), 4 + 2 * (104 + 4) + 4 * 2);
  s.SetPosition(0);
  TRequirementsArrayHolder back;
  ASSERT_TRUE(back.LoadFromStream(s));
  EXPECT_EQ(back.category.requirement[0].s_seek_base, u"caf\u00E9");
  EXPECT_EQ(back.category.requirement[0].colour, 0x00FF00);
  EXPECT_EQ(back.category.requirement[1].how, ccp_Between);
  EXPECT_EQ(back.category.requirement[1].n_seek_high, 2.0f);
  EXPECT_TRUE(back.category.requirement[0].neighbour_word.empty());
  EXPECT_EQ(back.category.link_type, ccl_and);
  EXPECT_FALSE(
      IdenticalSearchRequirements(back.category.requirement[0], c.requirement[0]));  // neighbour word
  c.requirement[0].neighbour_word.clear();
  c.requirement[0].s_actual.clear();
  EXPECT_TRUE(IdenticalSearchRequirements(back.category.requirement[0], c.requirement[0]));

  // Short or lying streams give false.
  const std::string bytes(reinterpret_cast<const char*>(s.Memory()), static_cast<std::size_t>(s.GetSize()));
  for (std::size_t cut : {0u, 3u, 50u, 110u, 115u}) {
    TMemoryStream shortStream;
    shortStream.WriteBuffer(bytes.data(), static_cast<int64_t>(cut));
    shortStream.SetPosition(0);
    EXPECT_FALSE(back.LoadFromStream(shortStream)) << cut;
  }
  std::string lying = bytes;
  lying[4 + 104] = '\xFF';  // the first text claims about 2 GB
  lying[4 + 104 + 3] = '\x7F';
  TMemoryStream liar;
  liar.WriteBuffer(lying.data(), static_cast<int64_t>(lying.size()));
  liar.SetPosition(0);
  EXPECT_FALSE(back.LoadFromStream(liar));
  // A count above two: the first two are read.
  std::string three = bytes;
  three[0] = 3;
  TMemoryStream more;
  more.WriteBuffer(three.data(), static_cast<int64_t>(three.size()));
  more.SetPosition(0);
  EXPECT_TRUE(back.LoadFromStream(more));
}

}  // namespace
}  // namespace lx
