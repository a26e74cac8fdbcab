// Word lists, word counts, n-gram lists and the bag-of-words comparisons of a text in one string.
#include <gtest/gtest.h>

#include <map>

#include "lexcore/text/my_string_functions.h"

namespace lx {
namespace {

std::map<std::u16string, int32_t> Entries(const TStringList& list) {
  std::map<std::u16string, int32_t> m;
  for (int32_t i = 0; i < list.Count(); ++i) m[list[i]] = FrequencyInSlot(list, i);
  return m;
}

TEST(SimpleWordList, CountsWordsIgnoringCaseInTheFormFirstMet) {
  TSimpleWordListRec r = SimpleWordListOfTxt(u"Don't stop, don't!", 1, false);
  EXPECT_EQ(r.tokens, 5);
  EXPECT_EQ(Entries(*r.list), (std::map<std::u16string, int32_t>{{u"Don", 2}, {u"stop", 1}, {u"t", 2}}));
  r = SimpleWordListOfTxt(u"Don't stop, don't!", 2, false);
  EXPECT_EQ(r.tokens, 3);
  EXPECT_EQ(r.list->IndexOf(u"t"), -1);
  r = SimpleWordListOfTxt(
      u"a b b c c c \U00010400x", [](const UnicodeString& w) { return w != u"b"; }, true);
  ASSERT_EQ(r.list->Count(), 3);
  EXPECT_EQ(r.list->Strings(0), u"c");  // most frequent first, ties alphabetical
  EXPECT_EQ(r.list->Strings(1), u"a");
  EXPECT_EQ(r.list->Strings(2), u"\U00010400x");  // a letter outside the basic plane stays in its word
  r = SimpleWordListOfTxt(u"", 1, true);
  EXPECT_EQ(r.tokens, 0);
  EXPECT_EQ(r.list->Count(), 0);
}

TEST(SimpleWordList, WordCounts) {
  EXPECT_EQ(BasicWordCount(u"a-b c"), 3);
  EXPECT_EQ(BasicWordCount(u""), 0);
  EXPECT_EQ(BasicWordCount(u" end"), 1);
  EXPECT_EQ(WordsInCluster(u"in the end"), 3);
  EXPECT_EQ(WordsInCluster(u""), 1);
}

std::map<std::u16string, int32_t> NGrams(std::u16string_view text, int n, int maxTag = 20) {
  return Entries(*SimpleNGramListOfTxt(text, n, maxTag, false));
}

TEST(SimpleNGramList, PunctuationEndsOrContinuesTheWindow) {
  using M = std::map<std::u16string, int32_t>;
  EXPECT_EQ(NGrams(u"big dog barked. Small cat", 2),
            (M{{u"big dog", 1}, {u"dog barked", 1}, {u"Small cat", 1}}));
  // A full stop met before the window is full does not empty it.
  EXPECT_EQ(NGrams(u"big dog. Small cat", 3), (M{{u"big dog Small", 1}, {u"dog Small cat", 1}}));
  EXPECT_EQ(NGrams(u"well-known fact", 2), (M{{u"well known", 1}, {u"known fact", 1}}));
  EXPECT_EQ(NGrams(u"one, two, three", 2), (M{{u"one two", 1}, {u"two three", 1}}));
  EXPECT_EQ(NGrams(u"word", 2), M{});
  EXPECT_EQ(NGrams(u"", 2), M{});
  EXPECT_EQ(NGrams(u"  the cat the CAT  ", 2), (M{{u"the cat", 2}, {u"cat the", 1}}));
}

TEST(SimpleNGramList, TagsAreSkippedAndUnclosedOnesEndInReach) {
  using M = std::map<std::u16string, int32_t>;
  EXPECT_EQ(NGrams(u"<p>big</p> <b>dog</b>", 2), (M{{u"big dog", 1}}));
  // No ">": the tag runs to the first white character once it is 4 long, so "dog" survives; with a longer
  // limit it runs to the end of the text.
  EXPECT_EQ(NGrams(u"big <unclosed dog", 2, 4), (M{{u"big dog", 1}}));
  EXPECT_EQ(NGrams(u"big <unclosed dog", 2, 40), M{});
  EXPECT_EQ(NGrams(u"big <unclosed dog cat", 2, 4), (M{{u"big dog", 1}, {u"dog cat", 1}}));
  std::vector<int32_t> seen;
  auto list = SimpleNGramListOfTxt(u"a b a b", 2, 10, true, [&](int32_t p) { seen.push_back(p); });
  EXPECT_EQ(seen, (std::vector<int32_t>{57, 85}));  // each new n-gram: 1-based position 4 and 6 of 7
  EXPECT_EQ(list->Strings(0), u"a b");
}

TEST(BagOfWords, SimilarTextsAndDifferences) {
  auto same = BagOfWordsSimilar(u"the cat sat on the mat", u"The mat: the cat sat on", 0, 1, 1);
  EXPECT_TRUE(same.word.empty());
  auto differ = BagOfWordsSimilar(u"dog dog dog cat", u"dog cat cat bird", 1, 1, 1);
  EXPECT_EQ(differ.word, u"DOG");
  EXPECT_EQ(differ.freqA, 3);
  EXPECT_EQ(differ.freqB, 1);

  TSimpleWordListRec a = SimpleWordListOfTxt(u"a a b c", 1, false);
  TSimpleWordListRec b = SimpleWordListOfTxt(u"A b b d", 1, true);
  UnicodeString last;
  TTypeAndTokenDifferencesRec r = TypeAndTokenDifferences2SimpleWordLists(*a.list, *b.list, 0, 10, last);
  // a: |1-2| = 1; b: |2-1| = 1; c only in A: 1; d only in B: 1.
  EXPECT_EQ(r.type_differences, 2);
  EXPECT_EQ(r.token_differences, 4);
  EXPECT_FLOAT_EQ(r.type_difference_percent, 50.0f);   // 2 of 3 + 1 types
  EXPECT_FLOAT_EQ(r.token_difference_percent, 80.0f);  // 4 of 4 + 1 tokens
  EXPECT_FALSE(r.similar);
  EXPECT_EQ(last, u"d");
  r = TypeAndTokenDifferences2SimpleWordLists(*a.list, *a.list, 0, 0, last);
  EXPECT_TRUE(r.similar);
  EXPECT_EQ(r.type_difference_percent, 0.0f);
  EXPECT_EQ(r.token_difference_percent, 0.0f);
}

}  // namespace
}  // namespace lx
