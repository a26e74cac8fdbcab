// The order the word list's words are put in before its sort: the same as the list's own sort gives, on
// any number of threads, or none where only the list can make it.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "lexlists/engine/base_holder.h"
#include "tools/lexmill/lexmill_sort.h"

namespace {

using namespace lx;

struct WordOrder : ::testing::Test {
  std::vector<UnicodeString> words;
  std::vector<TLexmillSortRow> rows;

  void SetUp() override {
    // Ties on every column, case and accent variants, words the locale finds close, long and short ones.
    const std::vector<UnicodeString> pieces = {u"co", u"-", u"'", u"\u00E9", u"e\u0301", u"\u00DF",
                                               u"A",  u"a", u"z", u"10",     u"I",       u"\u0131"};
    std::mt19937 rng(3);
    std::uniform_int_distribution<std::size_t> pick(0, pieces.size() - 1), len(1, 4);
    std::uniform_int_distribution<int32_t> freq(1, 5), texts(1, 3);
    for (int i = 0; i < 3 * 4096 + 101; ++i) {
      UnicodeString w;
      for (std::size_t n = len(rng); n > 0; --n) w += pieces[pick(rng)];
      if (std::find(words.begin(), words.end(), w) == words.end()) words.push_back(w);
    }
    for (const UnicodeString& w : words) rows.push_back({&w, freq(rng), texts(rng)});
  }

  // The words in the order the list's sort gives them, added as they come.
  std::vector<UnicodeString> ListSorted(const std::vector<TLexmillSortKey>& keys, LCID lcid,
                                        const std::vector<uint32_t>& order = {}) {
    TLXBaseHolder holder(lcid, true);
    auto list = Create<TLexmillWordList>(&holder);
    for (std::size_t k = 0; k < rows.size(); ++k) {
      const TLexmillSortRow& r = rows[order.empty() ? k : order[k]];
      list->AddWord(*r.word, r.freq, r.texts);
    }
    SortWordList(*list, keys);
    std::vector<UnicodeString> out;
    for (int32_t i = 0; i < list->Count(); ++i) out.push_back(list->Word(i)->MainWordOnly());
    return out;
  }
};

TEST_F(WordOrder, MatchesTheListsSortForEveryKeySetLocaleAndThreadCount) {
  using W = TLexmillWordList;
  const std::vector<std::vector<TLexmillSortKey>> keySets = {
      {{W::kSortFreq, false}},
      {{W::kSortWord, true}},
      {{W::kSortWord, false}},
      {{W::kSortWordLength, true}, {W::kSortFreq, false}},
      {{W::kSortFreq, true}, {W::kSortWord, false}, {W::kSortWordLength, true}},
      {{W::kSortTexts, false}, {W::kSortWordLength, false}, {W::kSortWord, true}},
  };
  for (LCID lcid : {LCID{0x0409}, LCID{0x041F}}) {  // English; Turkish, whose dotted and dotless i differ
    for (const auto& keys : keySets) {
      const std::vector<UnicodeString> expected = ListSorted(keys, lcid);
      for (unsigned threads : {1u, 2u, 5u}) {
        const std::vector<uint32_t> order = WordListOrder(rows, keys, lcid, threads);
        ASSERT_EQ(order.size(), rows.size());
        std::vector<UnicodeString> got;
        for (uint32_t i : order) got.push_back(*rows[i].word);
        EXPECT_EQ(got, expected) << "lcid " << lcid << ", " << keys.size() << " keys, " << threads
                                 << " threads";
        // Put in that order, the list's sort leaves them there.
        EXPECT_EQ(ListSorted(keys, lcid, order), expected);
      }
    }
  }
}

TEST_F(WordOrder, NoneWhereTheKeysLeaveTiesOrOnlyTheListCanOrder) {
  using W = TLexmillWordList;
  // Three keys and none alphabetical: two words may tie, and their order is the list's to decide.
  EXPECT_TRUE(WordListOrder(rows,
                            {{W::kSortFreq, false}, {W::kSortWordLength, true}, {W::kSortReverseWord, true}},
                            0x0409, 2)
                  .empty());
  EXPECT_TRUE(WordListOrder(rows, {{W::kSortReverseWord, true}}, 0x0409, 2).empty());
  // A reverse key after the alphabetical one never decides anything.
  EXPECT_EQ(WordListOrder(rows, {{W::kSortWord, true}, {W::kSortReverseWord, true}}, 0x0409, 2).size(),
            rows.size());
}

}  // namespace
