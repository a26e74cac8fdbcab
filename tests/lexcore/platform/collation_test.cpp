#include <gtest/gtest.h>
#include <unicode/ucol.h>

#include <algorithm>
#include <atomic>
#include <random>
#include <thread>
#include <utility>
#include <vector>

#include "lexcore/platform/collation_rules.h"
#include "lexcore/platform/win_chartypes.h"
#include "lexcore/platform/win_codepages.h"
#include "lexcore/platform/win_collation.h"
#include "lexcore/platform/win_lasterror.h"

namespace {

using namespace lx;

int Cmp(uint32_t lcid, uint32_t flags, const UnicodeString& a, const UnicodeString& b) {
  return CompareStringW(lcid, flags, a.data(), static_cast<int>(a.size()), b.data(),
                        static_cast<int>(b.size()));
}

TEST(Collation, LinguisticOrderDiffersFromCodeUnits) {
  EXPECT_EQ(Global_CompareStringFlags, 0u);
  // Ordinal order would put every capital, then every accented letter, last.
  std::vector<UnicodeString> words = {u"zebra", u"\u00E9t\u00E9", u"Apple", u"apple",
                                      u"ete",   u"Zebra",         u"eta"};
  std::sort(words.begin(), words.end(), [](const UnicodeString& a, const UnicodeString& b) {
    return Cmp(0x0409, 0, a, b) == CSTR_LESS_THAN;
  });
  const std::vector<UnicodeString> expected = {u"apple",         u"Apple", u"eta",  u"ete",
                                               u"\u00E9t\u00E9", u"zebra", u"Zebra"};
  EXPECT_TRUE(words == expected);
  // Locale rules: Swedish puts a-ring after z; German does not.
  EXPECT_EQ(Cmp(0x041D, 0, u"\u00E5", u"z"), CSTR_GREATER_THAN);
  EXPECT_EQ(Cmp(0x0407, 0, u"\u00E5", u"z"), CSTR_LESS_THAN);
}

TEST(Collation, HyphensAndApostrophesWeighLast) {
  EXPECT_EQ(Cmp(0x0409, 0, u"coop", u"co-op"), CSTR_LESS_THAN);
  EXPECT_EQ(Cmp(0x0409, 0, u"co-op", u"coop"), CSTR_GREATER_THAN);
  EXPECT_EQ(Cmp(0x0409, 0, u"co-op", u"cop"), CSTR_LESS_THAN);   // the letters decide first
  EXPECT_EQ(Cmp(0x0409, 0, u"co-op", u"Coop"), CSTR_LESS_THAN);  // and then case
  EXPECT_EQ(Cmp(0x0409, 0, u"cant", u"can't"), CSTR_LESS_THAN);
  EXPECT_EQ(Cmp(0x0409, 0, u"co-op", u"co-op"), CSTR_EQUAL);
  EXPECT_EQ(Cmp(0x0409, NORM_IGNORECASE, u"CO-OP", u"coop"), CSTR_GREATER_THAN);
  // Other punctuation is not ignored, and SORT_STRINGSORT weighs the hyphen like it.
  EXPECT_EQ(Cmp(0x0409, 0, u"co.op", u"coop"), CSTR_LESS_THAN);
  EXPECT_EQ(Cmp(0x0409, SORT_STRINGSORT, u"co-op", u"coal"), CSTR_LESS_THAN);
}

TEST(Collation, IgnoreCaseKeepsAccents) {
  EXPECT_EQ(Cmp(0x0409, NORM_IGNORECASE, u"\u00C9T\u00C9", u"\u00E9t\u00E9"), CSTR_EQUAL);
  EXPECT_EQ(Cmp(0x0409, NORM_IGNORECASE, u"ABC", u"abc"), CSTR_EQUAL);
  EXPECT_EQ(Cmp(0x0409, 0, u"ABC", u"abc"), CSTR_GREATER_THAN);
  EXPECT_EQ(Cmp(0x0409, NORM_IGNORECASE, u"r\u00E9sum\u00E9", u"RESUME"), CSTR_GREATER_THAN);
  EXPECT_EQ(Cmp(0x0409, NORM_IGNORECASE | NORM_IGNORENONSPACE, u"r\u00E9sum\u00E9", u"RESUME"), CSTR_EQUAL);
  EXPECT_EQ(Cmp(0x0409, SORT_DIGITSASNUMBERS, u"file10", u"file9"), CSTR_GREATER_THAN);
  EXPECT_EQ(Cmp(0x0409, 0, u"file10", u"file9"), CSTR_LESS_THAN);
  // Composed and decomposed forms are the same text.
  EXPECT_EQ(Cmp(0x0409, 0, u"\u00E9", u"e\u0301"), CSTR_EQUAL);
}

TEST(Collation, IgnoreFlagsRemoveOnlyWhatTheyName) {
  // Ignoring symbols ignores the hyphen entirely.
  EXPECT_EQ(Cmp(0x0409, NORM_IGNORESYMBOLS, u"co-op", u"coop"), CSTR_EQUAL);
  EXPECT_EQ(Cmp(0x0409, NORM_IGNORESYMBOLS, u"can't", u"cant"), CSTR_EQUAL);
  // Marks in another canonical order are the same text (dot below and dot above on a q).
  EXPECT_EQ(Cmp(0x0409, 0, u"q\u0307\u0323", u"q\u0323\u0307"), CSTR_EQUAL);
  // Case and accents go; width, kana and compatibility forms stay.
  for (uint32_t flags : {NORM_IGNORECASE, NORM_IGNORENONSPACE, NORM_IGNORECASE | NORM_IGNORENONSPACE}) {
    SCOPED_TRACE(flags);
    EXPECT_NE(Cmp(0x0409, flags, u"\uFF41", u"a"), CSTR_EQUAL);       // full-width a
    EXPECT_NE(Cmp(0x0411, flags, u"\u30A2", u"\u3042"), CSTR_EQUAL);  // katakana and hiragana a
    EXPECT_NE(Cmp(0x0409, flags, u"\u2460", u"1"), CSTR_EQUAL);       // circled one
  }
  EXPECT_EQ(Cmp(0x0409, NORM_IGNORECASE, u"\uFF21", u"\uFF41"), CSTR_EQUAL);  // full-width A and a
  EXPECT_EQ(Cmp(0x0409, NORM_IGNORENONSPACE, u"r\u00E9sum\u00E9", u"resume"), CSTR_EQUAL);
  EXPECT_NE(Cmp(0x0409, NORM_IGNORENONSPACE, u"Resume", u"resume"), CSTR_EQUAL);
  // Turkish keeps dotless i apart from i when case is ignored.
  EXPECT_EQ(Cmp(0x041F, NORM_IGNORECASE, u"I", u"\u0131"), CSTR_EQUAL);
  EXPECT_NE(Cmp(0x041F, NORM_IGNORECASE, u"I", u"i"), CSTR_EQUAL);
}

TEST(Collation, PlatformOrdersOverTheLocaleTailorings) {
  // Ligatures and digraph letters equal their spelling.
  const std::pair<const char16_t*, const char16_t*> same[] = {
      {u"\u00E6", u"ae"}, {u"\u0153", u"oe"}, {u"stra\u00DFe", u"strasse"}, {u"\u0133", u"ij"},
      {u"\uFB01", u"fi"}, {u"\u00FE", u"th"}, {u"\u01C6", u"d\u017E"},
  };
  for (const auto& [a, b] : same) EXPECT_EQ(Cmp(0x0409, 0, a, b), CSTR_EQUAL) << std::u16string(b).size();
  // The dashes weigh last in the word sort; the right single quote does not.
  EXPECT_EQ(Cmp(0x0409, 0, u"co\u2013op", u"cop"), CSTR_LESS_THAN);
  EXPECT_EQ(Cmp(0x0409, 0, u"co\u2014op", u"coop"), CSTR_GREATER_THAN);
  EXPECT_EQ(Cmp(0x0409, 0, u"can\u2019t", u"cant"), CSTR_LESS_THAN);
  // Dotless i is a variant of i except in Turkish.
  EXPECT_EQ(Cmp(0x0409, 0, u"\u0131b", u"ic"), CSTR_LESS_THAN);
  EXPECT_EQ(Cmp(0x041F, 0, u"\u0131b", u"ic"), CSTR_LESS_THAN);
  EXPECT_EQ(Cmp(0x041F, 0, u"\u0131z", u"ia"), CSTR_LESS_THAN);  // its own letter, before i
  EXPECT_EQ(Cmp(0x0409, 0, u"\u0131z", u"ia"), CSTR_GREATER_THAN);
  // Tailorings that agree already stay: traditional Spanish ch and ll, Czech ch, Swedish and Danish letters.
  EXPECT_EQ(Cmp(0x040A, 0, u"chico", u"cuna"), CSTR_GREATER_THAN);
  EXPECT_EQ(Cmp(0x040A, 0, u"llama", u"luz"), CSTR_GREATER_THAN);
  EXPECT_EQ(Cmp(0x0405, 0, u"chata", u"hrad"), CSTR_GREATER_THAN);
  EXPECT_EQ(Cmp(0x0C0A, 0, u"\u00F1u", u"nz"), CSTR_GREATER_THAN);
  EXPECT_EQ(Cmp(0x0406, 0, u"\u00E6", u"z"), CSTR_GREATER_THAN);
  EXPECT_EQ(Cmp(0x040F, 0, u"\u00FE", u"z"), CSTR_GREATER_THAN);  // Icelandic thorn is a letter
}

TEST(Collation, EightBitFormsAndArguments) {
  EXPECT_EQ(CompareStringA(0x0409, 0, "\xE9t\xE9", -1, "ete", -1), CSTR_GREATER_THAN);
  EXPECT_EQ(CompareStringA(0x0409, NORM_IGNORECASE, "\xC9T\xC9", 3, "\xE9t\xE9", 3), CSTR_EQUAL);
  EXPECT_EQ(CompareStringA(0x0419, NORM_IGNORECASE, "\xC0", 1, "\xE0", 1), CSTR_EQUAL);  // 1251 A / a
  EXPECT_EQ(CompareStringW(0x0409, 0, u"abc", 2, u"ab", -1), CSTR_EQUAL);
  EXPECT_EQ(CompareStringW(0x0409, 0, u"", 0, u"a", 1), CSTR_LESS_THAN);
  SetLastError(0);
  EXPECT_EQ(CompareStringW(0x0409, 0, nullptr, 0, u"a", 1), 0);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
  EXPECT_EQ(CompareStringW(0x0409, 0x40000000, u"a", 1, u"a", 1), 0);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_FLAGS);
}

}  // namespace

namespace {

TEST(Collation, ServicesAreSafeAcrossThreads) {
  // First use from several threads at once: caches, converters and the class table are built under load.
  std::vector<std::thread> threads;
  std::atomic<int> failures{0};
  for (int t = 0; t < 4; ++t) {
    threads.emplace_back([&failures, t] {
      for (int i = 0; i < 200; ++i) {
        const uint32_t lcid = (t % 2) ? 0x041F : 0x0407;
        if (lx::CompareStringW(lcid, (i % 2) ? lx::NORM_IGNORECASE : 0, u"co-op", -1, u"coop", -1) !=
            lx::CSTR_GREATER_THAN)
          ++failures;
        if (lx::CodePageToUnicode(932, "\x93\xFA\x96\x7B") != u"\u65E5\u672C") ++failures;
        uint16_t type = 0;
        lx::GetStringTypeExW(lcid, lx::CT_CTYPE1, u"A", 1, &type);
        if (!(type & lx::C1_UPPER)) ++failures;
      }
    });
  }
  for (auto& th : threads) th.join();
  EXPECT_EQ(failures.load(), 0);
}

TEST(Collation, SortKeysOrderAsTheComparisonDoes) {
  // Texts that stress every step of the comparison: case, accents composed and decomposed, hyphens and
  // apostrophes at different places, ligatures, digits, dotted and dotless i, unpaired surrogates.
  const std::vector<std::u16string> pieces = {u"a",       u"A",
                                              u"e",       u"\u00E9",
                                              u"e\u0301", u"-",
                                              u"'",       u"\u2019",
                                              u"\u2013",  u"ss",
                                              u"\u00DF",  u"ae",
                                              u"\u00E6",  u"i",
                                              u"\u0130",  u"\u0131",
                                              u"I",       u"2",
                                              u"10",      u" ",
                                              u"z",       std::u16string(1, char16_t(0xD800)),
                                              u"\u30AB",  u"\u304B"};
  std::mt19937 rng(5);
  std::uniform_int_distribution<std::size_t> pick(0, pieces.size() - 1), len(0, 5);
  std::vector<std::u16string> texts;
  for (int i = 0; i < 400; ++i) {
    std::u16string t;
    for (std::size_t n = len(rng); n > 0; --n) t += pieces[pick(rng)];
    texts.push_back(t);
  }
  const uint32_t flagSets[] = {0,
                               NORM_IGNORECASE,
                               NORM_IGNORENONSPACE,
                               NORM_IGNORESYMBOLS,
                               SORT_STRINGSORT,
                               SORT_DIGITSASNUMBERS,
                               NORM_IGNORECASE | NORM_IGNORENONSPACE | NORM_IGNORESYMBOLS};
  for (uint32_t lcid : {0x0409u, 0x041Fu, 0x0407u, 0x0411u, 0x007Fu}) {
    for (uint32_t flags : flagSets) {
      std::vector<std::string> keys;
      for (const auto& t : texts) keys.push_back(CompareStringKey(lcid, flags, t));
      for (std::size_t i = 0; i + 1 < texts.size(); ++i) {
        for (std::size_t j = i + 1; j < texts.size(); j += 7) {
          const int c = keys[i].compare(keys[j]);
          const int expected = Cmp(lcid, flags, texts[i], texts[j]) - CSTR_EQUAL;
          ASSERT_EQ((c > 0) - (c < 0), expected)
              << std::hex << "lcid " << lcid << " flags " << flags << " pair " << std::dec << i << "," << j;
        }
      }
    }
  }
  EXPECT_TRUE(CompareStringKey(0x0409, 0x80000000u, u"abc").empty());
  // Appended keys follow one another in one block, each exactly the key made alone.
  std::string block = "x";
  for (const auto& t : texts) {
    const std::size_t start = block.size();
    AppendCompareStringKey(block, 0x0407, NORM_IGNORECASE, t);
    ASSERT_EQ(block.substr(start), CompareStringKey(0x0407, NORM_IGNORECASE, t));
  }
  EXPECT_EQ(block[0], 'x');
  const std::size_t size = block.size();
  AppendCompareStringKey(block, 0x0409, 0x80000000u, u"abc");  // unsupported flags append nothing
  EXPECT_EQ(block.size(), size);
}

// The collator kept in the library as an image must order every text exactly as the collator built from its
// rules, under each setting the comparisons use; other rules must not get it.
TEST(Collation, PrebuiltCollatorIsItsRulesCollator) {
  UErrorCode err = U_ZERO_ERROR;
  UCollator* english = ucol_open("en_US", &err);
  ASSERT_TRUE(U_SUCCESS(err));
  std::u16string rules;
  ASSERT_TRUE(CollationRules("en_US", english, rules));
  ucol_close(english);
  EXPECT_EQ(rules, PrebuiltCollationRules());
  UCollator* prebuilt = OpenPrebuiltCollator(rules);
  UCollator* built = CollatorFromRules(rules);
  ASSERT_NE(prebuilt, nullptr);
  ASSERT_NE(built, nullptr);
  const std::vector<std::u16string> texts = {u"",
                                             u"a",
                                             u"A",
                                             u"\u00E6on",
                                             u"aeon",
                                             u"AEon",
                                             u"\u0153uvre",
                                             u"oeuvre",
                                             u"Stra\u00DFe",
                                             u"Strasse",
                                             u"\u0133s",
                                             u"ijs",
                                             u"\uFB01ne",
                                             u"fine",
                                             u"\u00FEorn",
                                             u"thorn",
                                             u"\u01C6ungla",
                                             u"d\u017Eungla",
                                             u"\u0131s",
                                             u"is",
                                             u"I",
                                             u"co-op",
                                             u"coop",
                                             u"co\u2019op",
                                             u"r\u00E9sum\u00E9",
                                             u"resume",
                                             u"e\u0301t\u00E9",
                                             u"\u00E9t\u00E9",
                                             u"file10",
                                             u"file9",
                                             u"\u30AB\u30BF",
                                             u"\u304B\u305F",
                                             u"\u4E2D\u6587",
                                             u"\u00C5ngstr\u00F6m",
                                             u"$5",
                                             u"\U0001F600",
                                             u"zebra",
                                             u"\u00FE\u00DE"};
  const auto keys = [&](UCollator* c) {
    std::vector<std::string> all;
    for (const std::u16string& t : texts) {
      uint8_t buf[512];
      const int32_t n = ucol_getSortKey(c, reinterpret_cast<const UChar*>(t.data()),
                                        static_cast<int32_t>(t.size()), buf, sizeof buf);
      all.emplace_back(reinterpret_cast<const char*>(buf), static_cast<std::size_t>(std::min(n, 512)));
    }
    return all;
  };
  for (const bool symbols : {false, true}) {
    for (UCollator* c : {prebuilt, built}) {
      ucol_setStrength(c, symbols ? UCOL_TERTIARY : UCOL_QUATERNARY);
      ucol_setAttribute(c, UCOL_NORMALIZATION_MODE, UCOL_ON, &err);
      ucol_setAttribute(c, UCOL_ALTERNATE_HANDLING, symbols ? UCOL_SHIFTED : UCOL_NON_IGNORABLE, &err);
      ucol_setAttribute(c, UCOL_NUMERIC_COLLATION, symbols ? UCOL_ON : UCOL_OFF, &err);
    }
    ASSERT_TRUE(U_SUCCESS(err));
    EXPECT_EQ(keys(prebuilt), keys(built)) << "symbols ignored: " << symbols;
  }
  ucol_close(prebuilt);
  ucol_close(built);
  // Turkish keeps its dotless i and Icelandic its thorn: their rules differ, and are built as they stand.
  for (const char* locale : {"tr_TR", "is_IS"}) {
    UCollator* own = ucol_open(locale, &err);
    std::u16string other;
    ASSERT_TRUE(CollationRules(locale, own, other));
    ucol_close(own);
    EXPECT_NE(other, rules);
    EXPECT_EQ(OpenPrebuiltCollator(other), nullptr);
  }
  EXPECT_EQ(CollatorFromRules(u"&"), nullptr);  // rules ICU refuses give no collator
}

}  // namespace
