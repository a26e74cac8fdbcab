#include "lexstats/statistics/maths_routines.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numeric>

#include "lexcore/containers/Pointer_UTILS.h"
#include "lexcore/rtl/lx_exceptions.h"

using namespace lx;

namespace {
constexpr double kTol = 0.00005;  // four decimals
}

TEST(LogLikelihood, WorkedValuesForOneJointFrequency) {
  EXPECT_NEAR(Log_likelihood_from_Java(100, 50, 10, 10000), 43.8137, kTol);
  EXPECT_NEAR(Log_Likelihood_SameCorpus_Dunning(100, 50, 10, 10000), 43.8137, kTol);
  TMatrix2Vector2Doubles k{{{10, 90}, {40, 9860}}};
  EXPECT_NEAR(LogLikelihoodRatio(k), 43.8137, kTol);
  EXPECT_NEAR(Log_Likelihood_SameCorpus_Span(100, 50, 10, 10000, 2), 30.4217, kTol);
  // Independence gives 0, clamped or not.
  EXPECT_NEAR(Log_likelihood_from_Java(100, 100, 1, 10000), 0.0, 1e-3);
  EXPECT_EQ(XLnX(0), 0.0);
}

TEST(LogLikelihood, TwoCorporaZeroFrequencyContributesNothing) {
  EXPECT_NEAR(Log_Likelihood_Lancaster(10, 5, 1000, 2000), 6.9315, kTol);
  EXPECT_NEAR(Log_Likelihood_Lancaster(0, 5, 1000, 2000), 4.0547, kTol);
  // Absent from a large reference: the stand-in's quotient underflows, and the term still counts 0.
  EXPECT_NEAR(Log_Likelihood_Lancaster(987, 0, 1000, 2000), 2 * 987 * std::log(3.0), 0.01);
  EXPECT_NEAR(Log_Likelihood_Lancaster(0, 1955, 1000, 2000), 2 * 1955 * std::log(1.5), 0.01);
  // Rayson's online log-likelihood calculator (ucrel.lancs.ac.uk/llwizard.html): a = 348, b = 99,
  // corpus sizes 1,000,000 each gives LL 146.95.
  EXPECT_NEAR(Log_Likelihood_Lancaster(348, 99, 1000000, 1000000), 146.95, 0.005);
}

TEST(RatioMeasures, LogRatioPercentDiffAndHardieScale) {
  EXPECT_NEAR(Log_Ratio(100, 50, 10000), 1.0, kTol);
  // Hardie, "Log Ratio - an informal introduction" (CASS, 2014): each point is a doubling of the ratio of
  // relative frequencies, so 8 times as frequent scores 3 and equal relative frequency scores 0.
  EXPECT_NEAR(LogRatioOfProportions({80, 10}, {1000000, 1000000}), 3.0, kTol);
  EXPECT_NEAR(LogRatioOfProportions({40, 20}, {1000000, 2000000}), 2.0, kTol);
  EXPECT_NEAR(LogRatioOfProportions({5, 5}, {1000, 1000}), 0.0, kTol);
  // Zero proportions and missing totals stand in as the smallest single.
  EXPECT_NEAR(LogRatioOfProportions({0, 0}, {100, 100}), 0.0, kTol);
  EXPECT_NEAR(PercentDiff({20, 10}, {1000, 1000}), 100.0, kTol);
  EXPECT_NEAR(PercentDiff({0, 10}, {1000, 1000}), -100.0, kTol);
  EXPECT_THROW(PercentDiff({10, 0}, {1000, 1000}), EZeroDivide);
}

TEST(Collocation, WorkedValuesForOneJointFrequency) {
  EXPECT_NEAR(MI_Durrant(100, 50, 10, 10000), 4.3219, kTol);
  EXPECT_NEAR(SpecificMutualInformation(100, 50, 10, 10000), 4.3219, kTol);
  // Cells (10, 90, 40, 9870): c22 takes N - c21 - c12, so the table sums to 10010.
  EXPECT_NEAR(MI_Oakes171(100, 50, 10, 10000), 4.3234, kTol);
  EXPECT_NEAR(MI3(100, 50, 10, 10000), 10.9672, kTol);
  EXPECT_NEAR(T_Score(100, 50, 10, 10000), 3.0042, kTol);
  EXPECT_NEAR(Z_Score(100, 50, 10, 10000, 4), 5.6285, 0.0001);
  EXPECT_NEAR(Dice_Coefficient(10, 100, 50), 0.1333, kTol);
  EXPECT_NEAR(DeltaP_Gries(10, 100, 50, 10000), 9.5943, kTol);
  EXPECT_NEAR(Overlap_Coefficient(10, 100, 50), 0.2, kTol);
}

TEST(Collocation, GuardsAndRaisedFaults) {
  EXPECT_EQ(Dice_Coefficient(5, 0, 0), 0.0f);
  EXPECT_EQ(Overlap_Coefficient(3, 0, 7), 0.0f);
  EXPECT_NEAR(ConditionalProbability(0, 7), 700.0, kTol);
  EXPECT_NEAR(ConditionalProbability(200, 7), 3.5, kTol);
  // Products of counts do not wrap at 32 bits.
  EXPECT_NEAR(MI_Durrant(100000, 100000, 1000, 2000000000), std::log2(200.0), 1e-4);
  EXPECT_THROW(MI_Durrant(100, 50, 0, 10000), EZeroDivide);
  EXPECT_THROW(SpecificMutualInformation(100, 50, 0, 10000), EZeroDivide);
  EXPECT_THROW(DeltaP_Gries(3, 0, 50, 10000), EZeroDivide);
  EXPECT_THROW(T_Score(10, 10, 1, 0), EMathError);
  EXPECT_THROW(AsPercentOrPPMOfTotal(5, 0, gdd_per_cent), EZeroDivide);
}

TEST(Collocation, LogDiceScale) {
  // Rychly, "A lexicographer-friendly association score" (RASLAN 2008): logDice = 14 + log2(2 f_xy /
  // (f_x + f_y)); 14 is the maximum (the two words only ever occur together), and halving f_xy loses 1.
  EXPECT_NEAR(LogDice(10, 10, 10), 14.0, kTol);
  EXPECT_NEAR(LogDice(5, 10, 10), 13.0, kTol);
  EXPECT_NEAR(LogDice(10, 100, 50), 14.0 + std::log2(20.0 / 150.0), kTol);
  EXPECT_THROW(LogDice(0, 10, 10), EZeroDivide);
}

TEST(Collocation, SequencesMatchAsMultisetsAndRuns) {
  // Intersection {1, 2, 2} of (1 2 2 3) and (2 2 1 5 6): 2*3 / 9.
  EXPECT_NEAR(Dice_Coefficient({1, 2, 2, 3}, {2, 2, 1, 5, 6}), 6.0 / 9.0, kTol);
  EXPECT_EQ(Dice_Coefficient({}, {1}), 0.0f);
  // Longest shared run is 7 8 9 (length 3) out of min(5, 4).
  EXPECT_NEAR(Overlap_Coefficient({1, 7, 8, 9, 2}, {7, 8, 9, 4}), 0.75, kTol);
  EXPECT_EQ(Overlap_Coefficient({1}, {}), 0.0f);
}

TEST(Spread, RelativeEntropyAndDispersion) {
  EXPECT_NEAR(RelativeEntropy({5, 5, 5, 5}), 1.0, kTol);
  EXPECT_EQ(RelativeEntropy({7}), 0.0f);
  EXPECT_EQ(RelativeEntropy({0, 0}), 0.0f);
  EXPECT_EQ(RelativeEntropy({}), 0.0f);
  // (2, 1, 1): H = 1.5 bits over log2 3.
  EXPECT_NEAR(RelativeEntropy({2, 1, 1}), 1.5 / std::log2(3.0), kTol);
  EXPECT_EQ(DispersionValue(std::vector<double>{1, 100}), 0.0);
  EXPECT_NEAR(DispersionValue(std::vector<int32_t>{4, 4, 4}), 1.0, kTol);
  // (1, 2, 3): mean 2, sample sd 1, so 1 - 0.5 / sqrt 3.
  EXPECT_NEAR(DispersionValue(std::vector<double>{1, 2, 3}), 1 - 0.5 / std::sqrt(3.0), kTol);
  EXPECT_EQ(DispersionValue(std::vector<double>{-1, 0, 1}), 0.0);
}

// Gries, S. Th. (2008), Dispersions and adjusted frequencies in corpora, International Journal of Corpus
// Linguistics 13(4): a corpus of five parts of 9, 10, 10, 10 and 11 words in which a word occurs 1, 2, 3, 4
// and 5 times has DP 0.18.
TEST(Spread, GriesDPOfThePublishedExample) {
  EXPECT_NEAR(DispersionDP({1, 2, 3, 4, 5}, {9, 10, 10, 10, 11}), 0.18, 1e-9);
  EXPECT_NEAR(DispersionDP({2, 4}, {50, 100}), 0.0, 1e-12);
  EXPECT_NEAR(DispersionDP({7, 0, 0}, {1, 1, 998}), 0.999, 1e-9);
  EXPECT_THROW(DispersionDP({1, 2}, {3}), EInvalidOp);
  EXPECT_THROW(DispersionDP({0, 0}, {3, 4}), EZeroDivide);
  EXPECT_THROW(DispersionDP({1, -1}, {3, 4}), EInvalidOp);
}

TEST(NumericRoutines, LogGammaExactOnHalvesAndLibraryElsewhere) {
  EXPECT_NEAR(Log_Gamma(1.5), -0.1208, kTol);
  EXPECT_NEAR(Log_Gamma(5), std::log(24.0), 1e-12);
  EXPECT_NEAR(Log_Gamma(0.5), std::log(std::sqrt(M_PI)), 1e-7);
  EXPECT_NEAR(Log_Gamma(2.3), std::lgamma(2.3), 1e-12);
  EXPECT_NEAR(Log_Gamma(1e6), std::lgamma(1e6), 1e-6);
}

TEST(NumericRoutines, ChiSquareBands) {
  EXPECT_NEAR(ChiSquareProbability(3.84f), 0.0500, 0.00005);
  EXPECT_NEAR(ChiSquareProbability(6.63f), 0.0100, 0.00005);
  EXPECT_NEAR(ChiSquareProbability(10.83f), 0.00100, 0.000005);
  EXPECT_NEAR(ChiSquareProbability(36.0f), 1e-10, 1e-15);
  EXPECT_DOUBLE_EQ(ChiSquareProbability(0.5f), 0.99);
  EXPECT_DOUBLE_EQ(ChiSquareProbability(-3.84f), ChiSquareProbability(3.84f));
  // Monotone across the series band and into the tail band.
  EXPECT_GT(ChiSquareProbability(15.0f), ChiSquareProbability(30.0f));
  EXPECT_GT(ChiSquareProbability(30.0f), 0.0);
}

TEST(NumericRoutines, DisplayConversions) {
  EXPECT_EQ(AsPercentOrPPMOfTotal(2.5f, 0, gdd_as_integer), 2.0f);  // ties to even
  EXPECT_EQ(AsPercentOrPPMOfTotal(3.5f, 0, gdd_as_integer), 4.0f);
  EXPECT_NEAR(AsPercentOrPPMOfTotal(5, 200, gdd_per_cent), 2.5, kTol);
  EXPECT_NEAR(AsPercentOrPPMOfTotal(5, 200, gdd_per_thousand), 25, kTol);
  EXPECT_NEAR(AsPercentOrPPMOfTotal(5, 200, gdd_per_million), 25000, 0.01);
  EXPECT_EQ(AsPercentOrPPMOfTotal(1.25f, 0, gdd_only_as_float), 1.25f);
  const auto pc = IntegerAsPercent(false, 3, 12, u"texts");
  EXPECT_EQ(pc.mostra, gdd_per_cent);
  EXPECT_NEAR(pc.computed_value, 25, kTol);
  EXPECT_EQ(pc.basis_str, u"texts");
  const auto raw = IntegerAsPercent(false, 3, 0, u"");
  EXPECT_EQ(raw.mostra, gdd_as_integer);
  EXPECT_EQ(raw.computed_value, 3.0f);
  EXPECT_EQ(FloatCorrectedIfBelowZero(true, 2.0), -2.0);
}

TEST(NumericRoutines, SortsTreatCloseValuesAsEqual) {
  std::vector<float> s{3.0f, 1.0f, 1.2f, 2.0f};
  SortAnArrayOfSingles(s, false);
  EXPECT_EQ(s, (std::vector<float>{1.0f, 1.2f, 2.0f, 3.0f}));
  std::vector<float> close{1.2f, 1.0f};  // within 0.5: kept in input order
  SortAnArrayOfSingles(close, false);
  EXPECT_EQ(close, (std::vector<float>{1.2f, 1.0f}));
  std::vector<extended> e{1, 5, 3};
  SortAnArrayOfExtendeds(e, true);
  EXPECT_EQ(e, (std::vector<extended>{5, 3, 1}));
  std::vector<int32_t> i{2, -7, 9};
  SortAnArrayOfIntegers(i, true);
  EXPECT_EQ(i, (std::vector<int32_t>{9, 2, -7}));
  // A chain of near-equal values is not a consistent order; the sort must still stay in bounds.
  std::vector<float> chain(300);
  for (size_t k = 0; k < chain.size(); ++k) chain[k] = static_cast<float>((k * 37 % 300) * 0.3);
  SortAnArrayOfSingles(chain, false);
  EXPECT_EQ(chain.size(), 300u);
}

TEST(NumericRoutines, BitsPairsAndTriangularIndexing) {
  uint32_t v32 = 0;
  SetBit32(31, v32);
  EXPECT_TRUE(IsBitSet32(31, v32));
  EXPECT_FALSE(IsBitSet32(0, v32));
  EXPECT_FALSE(IsBitSet32(32, 0xFFFFFFFFu));
  uint16_t v16 = 0;
  SetBit16(3, v16);
  SetBit16(16, v16);
  EXPECT_EQ(v16, 8);
  std::pair<int32_t, int32_t> p{1, 2};
  SwapAround(p);
  EXPECT_EQ(p, std::make_pair(2, 1));

  EXPECT_EQ(SingleArrayLengthForXInterRelationships(5), 15);
  EXPECT_EQ(SingleArrayPosForXYValue(2, 2, 5), -1);
  EXPECT_EQ(SingleArrayPosForXYValue(-1, 2, 5), -1);
  EXPECT_EQ(SingleArrayPosForXYValue(1, 0, 5), 0);
  EXPECT_EQ(SingleArrayPosForXYValue(0, 2, 5), 1);
  EXPECT_EQ(SingleArrayPosForXYValue(0, 4, 5), 3);
  EXPECT_EQ(SingleArrayPosForXYValue(1, 2, 5), 4);
  EXPECT_EQ(SingleArrayPosForXYValue(3, 4, 5), 9);
  EXPECT_EQ(SingleArrayPosForXYValue(4, 5, 5), -1);
  EXPECT_EQ(SingleArrayPosForXYValue1Based(1, 2, 5), 1);
  EXPECT_EQ(SingleArrayPosForXYValue1Based(0, 2, 5), -1);
  // Every pair has its own slot, and walking from a slot gives the pair back.
  std::vector<int> seen(10, 0);
  for (int y = 0; y < 5; ++y)
    for (int x = y + 1; x < 5; ++x) {
      const int pos = SingleArrayPosForXYValue(x, y, 5);
      ASSERT_GE(pos, 0);
      ++seen[pos];
      EXPECT_EQ(XYFromSingleArrayPosPos(pos, 5), std::make_pair(x, y));
    }
  EXPECT_EQ(std::count(seen.begin(), seen.end(), 1), 10);
}

TEST(ShuffledNumbers, SmallLimitsAndPermutation) {
  TShuffledNumbers two(2);
  EXPECT_EQ(two.GetANumber(0), 1);
  EXPECT_EQ(two.GetANumber(1), 0);
  TShuffledNumbers one(1);
  EXPECT_EQ(one.GetANumber(0), 0);
  EXPECT_THROW(one.GetANumber(1), EListError);
  TShuffledNumbers many(50);
  std::vector<int32_t> sorted = many.temp_int;
  std::sort(sorted.begin(), sorted.end());
  std::vector<int32_t> expected(50);
  std::iota(expected.begin(), expected.end(), 0);
  EXPECT_EQ(sorted, expected);
  TShuffledNumbers none(0);
  EXPECT_TRUE(none.temp_int.empty());
}

TEST(KeyWords, PositiveNegativeAndSignedFrequencies) {
  auto kw = KWStatsCalculated({10, 5}, {1000, 2000});
  EXPECT_EQ(kw.f, (Ttwo_KWlongints{10, 5}));
  EXPECT_NEAR(kw.LL, 6.9315, kTol);
  EXPECT_NEAR(kw.BIC_Score, 6.9315 - std::log(3000.0), kTol);
  EXPECT_NEAR(kw.BIC_Score, -1.0749, kTol);
  EXPECT_NEAR(kw.LogRatio, 2.0, kTol);
  EXPECT_FALSE(kw.negative_score);
  ASSERT_NE(kw.lemma_words, nullptr);
  EXPECT_EQ(kw.lemma_words->Count(), 0);
  EXPECT_EQ(kw.w, nowt);

  auto neg = KWStatsCalculated({1, 10}, {1000, 1000});
  EXPECT_TRUE(neg.negative_score);
  EXPECT_LT(neg.LL, 0);
  EXPECT_NEAR(neg.BIC_Score, -neg.LL - std::log(2000.0), 1e-4);

  // A signed -10 is stored and scored as 10, but the log ratio of a negative proportion is a fault: the
  // fallback marks the entry.
  auto signedKw = KWStatsCalculated({-10, 5}, {1000, 2000});
  EXPECT_EQ(signedKw.f, (Ttwo_KWlongints{10, 5}));
  EXPECT_EQ(signedKw.LL, 1.0f);
  EXPECT_EQ(signedKw.LogRatio, 1.0f);

  auto zero = KWStatsCalculated({0, 0}, {1000, 2000});
  EXPECT_NEAR(zero.LL, 0.0, kTol);
  EXPECT_NEAR(zero.LogRatio, 0.0, kTol);
  EXPECT_FALSE(zero.negative_score);

  // No totals at all: every fault is caught.
  auto empty = KWStatsCalculated({3, 0}, {0, 0});
  EXPECT_EQ(empty.LL, 1.0f);
  EXPECT_EQ(empty.LogRatio, 1.0f);
}

TEST(Relationships, DispatchNamesAndHorizons) {
  const Tdouble_smallint_type span{2, 2};
  EXPECT_NEAR(RelationshipComputation(RelatStat_log_likelihood, 10, 100, 50, 10000, {1, 1}), 30.4217, kTol);
  EXPECT_NEAR(RelationshipComputation(RelatStat_Z, 10, 100, 50, 10000, span), 5.6285, 0.0001);
  EXPECT_NEAR(RelationshipComputation(RelatStat_MI3, 10, 100, 50, 10000, span), 10.9672, kTol);
  EXPECT_NEAR(RelationshipComputation(RelatStat_Log_Ratio, 10, 100, 50, 10000, span), 1.0, kTol);
  EXPECT_NEAR(RelationshipComputation(RelatStat_ConditionalProbA, 7, 0, 50, 10000, span), 700.0, kTol);
  EXPECT_NEAR(RelationshipComputation(RelatStat_ConditionalProbB, 10, 100, 50, 10000, span), 20.0, kTol);
  EXPECT_NEAR(RelationshipComputation(RelatStat_DeltaPB, 10, 100, 50, 10000, span),
              DeltaP_Gries(10, 50, 100, 10000), kTol);
  EXPECT_EQ(RelationshipComputation(static_cast<TRelationshipStats>(11), 10, 100, 50, 10000, span), 0.0f);
  EXPECT_THROW(RelationshipComputation(RelatStat_MI, 0, 100, 50, 10000, span), EZeroDivide);

  EXPECT_EQ(RelationshipAsString(RelatStat_Dice), u"Dice coefficient");
  EXPECT_EQ(RelationshipAsString(RelatStat_ConditionalProbB), u"Conditional Probability B");
  EXPECT_EQ(RelationshipAsString(RelatStat_DeltaPA), u"DeltaP A");
  UnicodeString shown;
  Global_StatsMessageProc = [&](const UnicodeString& s) { shown = s; };
  CantChooseZScoreForKWDBase();
  Global_StatsMessageProc = nullptr;
  EXPECT_EQ(shown, u"Z score cannot be used for a KW database because it needs a span");
}

TEST(MergedTextStats, WeightedMeanAndPooledDeviation) {
  // An empty side leaves the other unchanged.
  auto m = MergedTextStats({0, 0, 3}, {5, 2, 4});
  EXPECT_EQ(m.n, 5);
  EXPECT_NEAR(m.mean, 2.0, kTol);
  EXPECT_NEAR(m.std_dev, 4.0, kTol);
  // (1, 2, 3) and (5, 7): the union (1, 2, 3, 5, 7) has mean 3.6 and sample sd sqrt(5.8).
  auto u = MergedTextStats({3, 2, 1}, {2, 6, static_cast<float>(std::sqrt(2.0))});
  EXPECT_EQ(u.n, 5);
  EXPECT_NEAR(u.mean, 3.6, 1e-5);
  EXPECT_NEAR(u.std_dev, std::sqrt(5.8), 1e-5);
  auto none = MergedTextStats({0, 0, 0}, {0, 0, 0});
  EXPECT_EQ(none.n, 0);
  EXPECT_EQ(none.mean, 0.0f);
}
