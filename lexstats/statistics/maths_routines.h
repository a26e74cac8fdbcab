// Scores from word counts: keyness, collocation strength, spread, and the small numeric routines they need.
// Measures called outside their domain raise EZeroDivide or EInvalidOp (never return NaN or infinity);
// KWStatsCalculated catches those itself.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "lexcore/definitions/shared_records.h"
#include "lexcore/definitions/streamable_stringlist.h"
#include "lexcore/rtl/lx_object.h"
#include "lexcore/rtl/lx_resources.h"
#include "lexcore/rtl/lx_types.h"

namespace lx {

// The smallest positive denormals, standing in for zero where a logarithm or a division would fail.
extern const double kEpsilonDouble;
extern const float kEpsilonSingle;

struct T2by2XTabs_rec {
  double a = 0, b = 0, c = 0, d = 0;
};
using TVector2Doubles = std::array<double, 2>;
using TMatrix2Vector2Doubles = std::array<TVector2Doubles, 2>;

extern const std::array<uint32_t, 32> bit_array32;
extern const std::array<uint16_t, 16> bit_array16;

// Index 0 the study text, index 1 the reference corpus.
using Ttwo_KWlongints = std::array<int32_t, 2>;

// One word of a key-word list. Owns lemma_words; w, prefix_or_tag and suffix are not owned (nowt when unset).
struct TKeyword_entry_rec {
  Ttwo_KWlongints f{};
  float LL = 0;
  int32_t n_texts = 0;
  float BIC_Score = 0;
  float unused_Percentdiff = 0;
  float LogRatio = 0;
  bool negative_score = false;
  std::array<uint8_t, 3> spareBs{};
  int32_t ref_corpus_n_texts = 0;
  std::array<uint8_t, 8> spare{};
  std::unique_ptr<TMyStreamableStringlist> lemma_words;
  WideChar* w = nullptr;
  WideChar* prefix_or_tag = nullptr;
  WideChar* suffix = nullptr;
};

// ---- Log-likelihood family ----
double XLnX(double x);
float Log_likelihood_from_Java(int32_t R, int32_t C, int32_t O, int32_t N);
float Log_Likelihood_SameCorpus_Dunning(int32_t R, int32_t C, int32_t O, int32_t N);
double LogLikelihoodRatio(const TMatrix2Vector2Doubles& k);
float Log_Likelihood_SameCorpus_Span(int32_t R, int32_t C, int32_t O, int32_t N, int32_t S);
// a, b: the word's frequency in corpus 1 and 2; c, d: the sizes of corpus 1 and 2.
float Log_Likelihood_Lancaster(int32_t a, int32_t b, int32_t c, int32_t d);

// ---- Ratio and difference ----
// log2 of the ratio of the two proportions f[i] / t[i], zero proportions and non-positive totals standing in
// as the smallest single.
float LogRatioOfProportions(const std::array<int32_t, 2>& f, const std::array<int32_t, 2>& t);
float Log_Ratio(int32_t x, int32_t y, int32_t t);
float PercentDiff(const std::array<int32_t, 2>& f, const std::array<int32_t, 2>& t);

// ---- Collocation strength ----
float ConditionalProbability(int32_t base, int32_t joint);
float DeltaP_Gries(int32_t O, int32_t R, int32_t C, int32_t N);
float MI_Durrant(int32_t R, int32_t C, int32_t O, int32_t N);
float SpecificMutualInformation(int32_t R, int32_t C, int32_t O, int32_t N);
float MI_Oakes171(int32_t R, int32_t C, int32_t O, int32_t N);
float MI3(int32_t R, int32_t C, int32_t O, int32_t N);
float T_Score(int32_t R, int32_t C, int32_t O, int32_t N);
float Z_Score(int32_t R, int32_t C, int32_t O, int32_t N, int32_t S);
float Dice_Coefficient(int32_t O, int32_t R, int32_t C);
float Dice_Coefficient(const std::vector<uint32_t>& A, const std::vector<uint32_t>& B);
float Overlap_Coefficient(int32_t O, int32_t R, int32_t C);
float Overlap_Coefficient(const std::vector<uint32_t>& A, const std::vector<uint32_t>& B);
// 14 + log2(2·O / (R + C)): Dice on a scale whose maximum is 14.
float LogDice(int32_t O, int32_t R, int32_t C);

// ---- Spread ----
float RelativeEntropy(const std::vector<int32_t>& values);
double DispersionValue(const std::vector<double>& values);
double DispersionValue(const std::vector<int32_t>& values);
// Gries's DP: half the summed differences between each part's share of a word's occurrences and the part's
// share of the corpus; 0 when the word is spread exactly as the parts' sizes, towards 1 when it sits in one
// small part. Counts and sizes must pair up and have non-zero totals (EInvalidOp, EZeroDivide otherwise).
double DispersionDP(const std::vector<int64_t>& occurrences, const std::vector<int64_t>& partSizes);

// ---- Other numeric routines ----
double Log_Gamma(double x);
// Upper-tail probability of a chi-square value with one degree of freedom.
double ChiSquareProbability(float x);
float AsPercentOrPPMOfTotal(float x, int32_t total, TNumberDisplay display);
TNumberDisplayAndSinglesRec IntegerAsPercent(bool raw, int32_t value, int32_t basis,
                                             const UnicodeString& basis_str);
double FloatCorrectedIfBelowZero(bool negate, double x);

// Values closer than 0.5 sort as equal.
void SortAnArrayOfSingles(std::vector<float>& values, bool descending);
void SortAnArrayOfExtendeds(std::vector<extended>& values, bool descending);
void SortAnArrayOfIntegers(std::vector<int32_t>& values, bool descending);
void SwapAround(std::pair<int32_t, int32_t>& pair);

// An index outside the mask table is never set.
bool IsBitSet32(int32_t index, uint32_t value);
bool IsBitSet16(int32_t index, uint16_t value);
void SetBit32(int32_t index, uint32_t& value);
void SetBit16(int32_t index, uint16_t& value);

// The pairs (x, y), x != y, of n items in one array.
int32_t SingleArrayLengthForXInterRelationships(int32_t n);
int32_t SingleArrayPosForXYValue(int32_t x, int32_t y, int32_t n);
int32_t SingleArrayPosForXYValue1Based(int32_t x, int32_t y, int32_t n);
std::pair<int32_t, int32_t> XYFromSingleArrayPosPos(int32_t pos, int32_t n);

// A random permutation of 0 .. upper_limit - 1, drawn once at creation.
class TShuffledNumbers : public TObject {
 public:
  explicit TShuffledNumbers(int32_t an_upper_limit);
  void ComputeShuffledNonRepeatedNumbers();
  // Index outside the permutation: EListError.
  int32_t GetANumber(int32_t index) const;

  int32_t upper_limit = 0;
  std::vector<int32_t> temp_int;
};

// ---- Key words and relationships ----
TKeyword_entry_rec KWStatsCalculated(const Ttwo_KWlongints& f, const Ttwo_KWlongints& t);
float RelationshipComputation(TRelationshipStats stat, int32_t O, int32_t R, int32_t C, int32_t N,
                              const Tdouble_smallint_type& horizons);
UnicodeString RelationshipAsString(TRelationshipStats stat);
TText_stats_rec MergedTextStats(const TText_stats_rec& a, const TText_stats_rec& b);

// Shows its text through the host's message routine (when one is installed) and returns it.
extern std::function<void(const UnicodeString&)> Global_StatsMessageProc;
UnicodeString CantChooseZScoreForKWDBase();

LX_DECLARE_RESOURCESTRING(_LXRelatStatDice)
LX_DECLARE_RESOURCESTRING(_LXRelatStatMI)
LX_DECLARE_RESOURCESTRING(_LXRelatStatMI3)
LX_DECLARE_RESOURCESTRING(_LXRelatStatZ)
LX_DECLARE_RESOURCESTRING(_LXRelatStatLogLikelihood)
LX_DECLARE_RESOURCESTRING(_LXRelatStatTScore)
LX_DECLARE_RESOURCESTRING(_LXRelatStatLogRatio)
LX_DECLARE_RESOURCESTRING(_LXRelatStatConditionalProb)
LX_DECLARE_RESOURCESTRING(_LXRelatStatDeltaP)
LX_DECLARE_RESOURCESTRING(_LXZScoreNeedsSpan)

}  // namespace lx
