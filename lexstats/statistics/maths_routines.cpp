#include "lexstats/statistics/maths_routines.h"

#include <chrono>
#include <cmath>
#include <limits>
#include <random>

#include "lexcore/containers/Pointer_UTILS.h"
#include "lexcore/rtl/lx_exceptions.h"
#include "lexcore/rtl/lx_stablesort.h"
#include "lexcore/rtl/lx_yield.h"

namespace lx {

LX_RESOURCESTRING(_LXRelatStatDice, u"Dice coefficient")
LX_RESOURCESTRING(_LXRelatStatMI, u"Specific Mutual Information")
LX_RESOURCESTRING(_LXRelatStatMI3, u"MI3")
LX_RESOURCESTRING(_LXRelatStatZ, u"Z Score")
LX_RESOURCESTRING(_LXRelatStatLogLikelihood, u"Log likelihood")
LX_RESOURCESTRING(_LXRelatStatTScore, u"T Score")
LX_RESOURCESTRING(_LXRelatStatLogRatio, u"Log ratio")
LX_RESOURCESTRING(_LXRelatStatConditionalProb, u"Conditional Probability")
LX_RESOURCESTRING(_LXRelatStatDeltaP, u"DeltaP")
LX_RESOURCESTRING(_LXZScoreNeedsSpan, u"Z score cannot be used for a KW database because it needs a span")

const double kEpsilonDouble = std::numeric_limits<double>::denorm_min();
const float kEpsilonSingle = std::numeric_limits<float>::denorm_min();

const std::array<uint32_t, 32> bit_array32 = [] {
  std::array<uint32_t, 32> a{};
  for (int i = 0; i < 32; ++i) a[i] = uint32_t{1} << i;
  return a;
}();
const std::array<uint16_t, 16> bit_array16 = [] {
  std::array<uint16_t, 16> a{};
  for (int i = 0; i < 16; ++i) a[i] = static_cast<uint16_t>(1u << i);
  return a;
}();

std::function<void(const UnicodeString&)> Global_StatsMessageProc;

namespace {

// Checked arithmetic: the faults a measure can meet become typed exceptions instead of NaN or infinity.
double Div(double x, double y) {
  if (y == 0) {
    if (x == 0 || std::isnan(x)) throw EInvalidOp("Invalid floating point operation");
    throw EZeroDivide("Floating point division by zero");
  }
  const double r = x / y;
  if (std::isnan(r)) throw EInvalidOp("Invalid floating point operation");
  if (std::isinf(r)) throw EOverflow("Floating point overflow");
  return r;
}

double Ln(double x) {
  if (x == 0) throw EZeroDivide("Floating point division by zero");
  if (!(x > 0) || std::isinf(x)) throw EInvalidOp("Invalid floating point operation");
  return std::log(x);
}

double Log2(double x) {
  return Ln(x) / std::log(2.0);
}

double Sqrt(double x) {
  if (!(x >= 0) || std::isinf(x)) throw EInvalidOp("Invalid floating point operation");
  return std::sqrt(x);
}

// Narrowing to single must not turn a large double into infinity.
float ToSingle(double x) {
  if (std::isnan(x)) throw EInvalidOp("Invalid floating point operation");
  if (std::fabs(x) > std::numeric_limits<float>::max()) throw EOverflow("Floating point overflow");
  return static_cast<float>(x);
}

double E2(int64_t a, int64_t b) {
  return XLnX(static_cast<double>(a + b)) - XLnX(a) - XLnX(b);
}

double E4(int64_t a, int64_t b, int64_t c, int64_t d) {
  return XLnX(static_cast<double>(a + b + c + d)) - XLnX(a) - XLnX(b) - XLnX(c) - XLnX(d);
}

// 2·(row + col − mat) from the four cells of a joint frequency.
double DunningCore(int32_t R, int32_t C, int32_t O, int32_t N) {
  const int64_t k11 = O, k12 = int64_t{R} - O, k21 = int64_t{C} - O, k22 = int64_t{N} - R - C + O;
  const double row = E2(k11 + k12, k21 + k22);
  const double col = E2(k11 + k21, k12 + k22);
  const double mat = E4(k11, k12, k21, k22);
  return 2.0 * (row + col - mat);
}

struct Cells {
  double c11, c12, c21, c22;
};

double PositiveOrEpsilon(double x) {
  return x > 0 ? x : kEpsilonDouble;
}

// c22 is formed from the substituted c21 and c12 on purpose: published scores of these measures use it.
Cells ContingencyCells(int32_t R, int32_t C, int32_t O, int32_t N) {
  Cells k;
  k.c11 = PositiveOrEpsilon(O);
  k.c12 = PositiveOrEpsilon(static_cast<double>(R) - O);
  k.c21 = PositiveOrEpsilon(static_cast<double>(C) - O);
  k.c22 = PositiveOrEpsilon(static_cast<double>(N) - k.c21 - k.c12);
  return k;
}

double EntropyOf(const double* v, int n) {
  double sum = 0;
  for (int i = 0; i < n; ++i) sum += v[i];
  double h = 0;
  for (int i = 0; i < n; ++i) {
    const double p = Div(v[i], sum);
    if (p > 0) h += p * std::log(p);
  }
  return h;
}

template <typename T>
void SortByRoundedDifference(std::vector<T>& values, bool descending) {
  if (values.size() <= 1) return;
  StableMergeSort(values, [descending](const T& l, const T& r) {
    const long double diff = descending ? static_cast<long double>(r) - l : static_cast<long double>(l) - r;
    return std::nearbyint(diff) < 0;
  });
}

}  // namespace

// ---- Log-likelihood family ----

double XLnX(double x) {
  return x == 0 ? 0.0 : x * Ln(x);
}

float Log_likelihood_from_Java(int32_t R, int32_t C, int32_t O, int32_t N) {
  const int64_t k11 = O, k12 = int64_t{R} - O, k21 = int64_t{C} - O, k22 = int64_t{N} - R - C + O;
  const double row = E2(k11 + k12, k21 + k22);
  const double col = E2(k11 + k21, k12 + k22);
  const double mat = E4(k11, k12, k21, k22);
  if (row + col >= mat) return ToSingle(2.0 * (row + col - mat));
  return 0;
}

float Log_Likelihood_SameCorpus_Dunning(int32_t R, int32_t C, int32_t O, int32_t N) {
  return ToSingle(DunningCore(R, C, O, N));
}

double LogLikelihoodRatio(const TMatrix2Vector2Doubles& k) {
  const double cells[4] = {k[0][0], k[0][1], k[1][0], k[1][1]};
  const double rows[2] = {k[0][0] + k[0][1], k[1][0] + k[1][1]};
  const double cols[2] = {k[0][0] + k[1][0], k[0][1] + k[1][1]};
  const double total = cells[0] + cells[1] + cells[2] + cells[3];
  return 2.0 * total * (EntropyOf(cells, 4) - EntropyOf(rows, 2) - EntropyOf(cols, 2));
}

float Log_Likelihood_SameCorpus_Span(int32_t R, int32_t C, int32_t O, int32_t N, int32_t S) {
  // The node's row counts every position of its span; the last cell is not widened.
  TMatrix2Vector2Doubles k{};
  k[0][0] = O;
  k[0][1] = static_cast<double>(C) - O;
  k[1][0] = static_cast<double>(int64_t{R} * S) - O;
  k[1][1] = static_cast<double>(int64_t{N} - R - C + O);
  return ToSingle(LogLikelihoodRatio(k));
}

float Log_Likelihood_Lancaster(int32_t a, int32_t b, int32_t c, int32_t d) {
  const double da = PositiveOrEpsilon(a), db = PositiveOrEpsilon(b);
  const double dc = PositiveOrEpsilon(c), dd = PositiveOrEpsilon(d);
  double e1 = Div((da + db) * dc, dc + dd);
  double e2 = Div((da + db) * dd, dc + dd);
  if (e1 == 0) e1 = kEpsilonDouble;
  if (e2 == 0) e2 = kEpsilonDouble;
  // A zero frequency stands in as the smallest denormal; its quotient by a large expected value underflows to
  // 0, where the term's limit (x ln x as x goes to 0) is 0 rather than a fault.
  auto term = [](double f, double e) {
    const double q = Div(f, e);
    return q == 0 ? 0.0 : f * Ln(q);
  };
  return ToSingle(2.0 * (term(da, e1) + term(db, e2)));
}

// ---- Ratio and difference ----

namespace {
float Proportion(int32_t f, int32_t t) {
  return t > 0 ? static_cast<float>(f) / static_cast<float>(t) : kEpsilonSingle;
}
}  // namespace

float LogRatioOfProportions(const std::array<int32_t, 2>& f, const std::array<int32_t, 2>& t) {
  float p[2];
  for (int i = 0; i < 2; ++i) {
    p[i] = Proportion(f[i], t[i]);
    if (p[i] == 0) p[i] = kEpsilonSingle;
  }
  return ToSingle(Log2(Div(p[0], p[1])));
}

float Log_Ratio(int32_t x, int32_t y, int32_t t) {
  return LogRatioOfProportions({x, y}, {t, t});
}

float PercentDiff(const std::array<int32_t, 2>& f, const std::array<int32_t, 2>& t) {
  const float p0 = Proportion(f[0], t[0]), p1 = Proportion(f[1], t[1]);
  return ToSingle(Div(static_cast<double>(p0) - p1, p1) * 100.0);
}

// ---- Collocation strength ----

float ConditionalProbability(int32_t base, int32_t joint) {
  return ToSingle(100.0 * joint / std::max<int32_t>(1, base));
}

float DeltaP_Gries(int32_t O, int32_t R, int32_t C, int32_t N) {
  // The second denominator is N − R − C + O on purpose, as in the published scores of this measure.
  const double second = Div(static_cast<double>(C) - O, static_cast<double>(int64_t{N} - R - C + O));
  return ToSingle(100.0 * (Div(O, R) - second));
}

float MI_Durrant(int32_t R, int32_t C, int32_t O, int32_t N) {
  return ToSingle(Log2(Div(O, Div(static_cast<double>(R) * C, N))));
}

float SpecificMutualInformation(int32_t R, int32_t C, int32_t O, int32_t N) {
  return ToSingle(Log2(Div(Div(O, N), Div(R, N) * Div(C, N))));
}

float MI_Oakes171(int32_t R, int32_t C, int32_t O, int32_t N) {
  const Cells k = ContingencyCells(R, C, O, N);
  const double sum = k.c11 + k.c12 + k.c21 + k.c22;
  return ToSingle(Log2(Div(k.c11 * sum, (k.c11 + k.c12) * (k.c11 + k.c21))));
}

float MI3(int32_t R, int32_t C, int32_t O, int32_t N) {
  const Cells k = ContingencyCells(R, C, O, N);
  const double sum = k.c11 + k.c12 + k.c21 + k.c22;
  const double cube = k.c11 * k.c11 * k.c11;
  return ToSingle(Log2(Div(cube * sum, (k.c11 + k.c12) * (k.c11 + k.c21))));
}

float T_Score(int32_t R, int32_t C, int32_t O, int32_t N) {
  const Cells k = ContingencyCells(R, C, O, N);
  return ToSingle(Div(k.c11 - Div(static_cast<double>(R) * C, N), Sqrt(k.c11)));
}

float Z_Score(int32_t R, int32_t C, int32_t O, int32_t N, int32_t S) {
  double p = Div(C, static_cast<double>(int64_t{N} - R));
  if (p == 0) p = kEpsilonDouble;
  const double e = static_cast<double>(S) * R * p;
  return ToSingle(Div(O - e, Sqrt(e * (1 - p))));
}

float Dice_Coefficient(int32_t O, int32_t R, int32_t C) {
  const int64_t sum = int64_t{R} + C;
  if (sum == 0) return 0;
  return ToSingle(2.0 * O / static_cast<double>(sum));
}

float Overlap_Coefficient(int32_t O, int32_t R, int32_t C) {
  const int32_t m = std::min(R, C);
  if (m == 0) return 0;
  return ToSingle(static_cast<double>(O) / m);
}

float Dice_Coefficient(const std::vector<uint32_t>& A, const std::vector<uint32_t>& B) {
  if (A.empty() || B.empty()) return 0;
  std::vector<bool> used(B.size(), false);
  int32_t matches = 0;
  for (uint32_t a : A)
    for (size_t j = 0; j < B.size(); ++j)
      if (!used[j] && B[j] == a) {
        used[j] = true;
        ++matches;
        break;
      }
  return Dice_Coefficient(matches, static_cast<int32_t>(A.size()), static_cast<int32_t>(B.size()));
}

float Overlap_Coefficient(const std::vector<uint32_t>& A, const std::vector<uint32_t>& B) {
  if (A.empty() || B.empty()) return 0;
  std::vector<bool> usedA(A.size(), false), usedB(B.size(), false);
  int32_t longest = 0;
  for (size_t i = 0; i < A.size(); ++i) {
    if (usedA[i]) continue;
    size_t j = 0;
    while (j < B.size() && (usedB[j] || B[j] != A[i])) ++j;
    if (j == B.size()) continue;
    int32_t run = 0;
    while (i + run < A.size() && j + run < B.size() && A[i + run] == B[j + run]) {
      usedA[i + run] = true;
      usedB[j + run] = true;
      ++run;
    }
    longest = std::max(longest, run);
  }
  return Overlap_Coefficient(longest, static_cast<int32_t>(A.size()), static_cast<int32_t>(B.size()));
}

float LogDice(int32_t O, int32_t R, int32_t C) {
  return ToSingle(14.0 + Log2(Div(2.0 * O, static_cast<double>(int64_t{R} + C))));
}

// ---- Spread ----

float RelativeEntropy(const std::vector<int32_t>& values) {
  if (values.empty()) return 0;
  int64_t total = 0;
  for (int32_t v : values) total += v;
  if (total == 0) return 0;
  double h = 0;
  for (int32_t v : values) {
    if (v == 0) continue;
    const double p = static_cast<double>(v) / static_cast<double>(total);
    h += p * std::log2(std::fabs(p));
  }
  h = std::fabs(h);
  const double l = std::log2(static_cast<double>(values.size()));
  if (h == 0 || l == 0) return 0;
  return ToSingle(h / l);
}

double DispersionValue(const std::vector<double>& values) {
  const size_t n = values.size();
  if (n <= 2) return 0;
  double mean = 0;
  for (double v : values) mean += v;
  mean /= static_cast<double>(n);
  if (mean == 0) return 0;
  double ss = 0;
  for (double v : values) ss += (v - mean) * (v - mean);
  const double sd = std::sqrt(ss / static_cast<double>(n - 1));
  return std::max(0.0, 1.0 - (sd / mean) / std::sqrt(static_cast<double>(n)));
}

double DispersionValue(const std::vector<int32_t>& values) {
  return DispersionValue(std::vector<double>(values.begin(), values.end()));
}

double DispersionDP(const std::vector<int64_t>& occurrences, const std::vector<int64_t>& partSizes) {
  if (occurrences.size() != partSizes.size() || occurrences.empty())
    throw EInvalidOp("Invalid floating point operation");
  double occurrencesTotal = 0, sizesTotal = 0;
  for (size_t i = 0; i < occurrences.size(); ++i) {
    if (occurrences[i] < 0 || partSizes[i] < 0) throw EInvalidOp("Invalid floating point operation");
    occurrencesTotal += static_cast<double>(occurrences[i]);
    sizesTotal += static_cast<double>(partSizes[i]);
  }
  if (occurrencesTotal == 0 || sizesTotal == 0) throw EZeroDivide("Floating point division by zero");
  double sum = 0;
  for (size_t i = 0; i < occurrences.size(); ++i)
    sum += std::fabs(static_cast<double>(occurrences[i]) / occurrencesTotal -
                     static_cast<double>(partSizes[i]) / sizesTotal);
  return sum / 2;
}

// ---- Other numeric routines ----

double Log_Gamma(double x) {
  // The product form is exact for integers and half-integers only, and slow for large ones.
  if (!(x > 0) || std::isinf(x)) return 0;
  if (std::nearbyint(2 * x) != 2 * x || x > 1000) return std::lgamma(x);
  double sum = 0, y = x - 1;
  while (y > 0) {
    MyYieldProcess();
    sum += std::log(y);
    y -= 1;
  }
  if (y < 0) sum += 0.57236494;
  return sum;
}

double ChiSquareProbability(float x) {
  const double a = std::fabs(static_cast<double>(x));
  if (a > 35) {
    const double y = a - 34;
    return 0.8 / (y * 1e9) / y / y;
  }
  if (a < 1) return 0.99;
  const double h = a / 2, v = 0.5;
  const double t = std::exp(v * std::log(h) - Log_Gamma(v + 1) - h);
  if (t == 0) return 0;
  double term = 1, sum = 1, k = v;
  do {
    MyYieldProcess();
    k += 1;
    term = term * h / k;
    sum += term;
  } while (term / sum > 0);
  return 1 - sum * t;
}

float AsPercentOrPPMOfTotal(float x, int32_t total, TNumberDisplay display) {
  switch (display) {
    case gdd_only_as_float:
      return x;
    case gdd_per_cent:
      return ToSingle(Div(x * 100.0, total));
    case gdd_per_thousand:
      return ToSingle(Div(x * 1000.0, total));
    case gdd_per_million:
      return ToSingle(Div(x * 1000000.0, total));
    default:
      return std::nearbyint(x);
  }
}

TNumberDisplayAndSinglesRec IntegerAsPercent(bool raw, int32_t value, int32_t basis,
                                             const UnicodeString& basis_str) {
  TNumberDisplayAndSinglesRec r;
  r.basis_str = basis_str;
  r.source_value = static_cast<float>(value);
  r.basis = basis;
  if (raw || basis <= 0) {
    r.mostra = gdd_as_integer;
    r.computed_value = r.source_value;
  } else {
    r.mostra = gdd_per_cent;
    r.computed_value = static_cast<float>(value * 100.0 / basis);
  }
  return r;
}

double FloatCorrectedIfBelowZero(bool negate, double x) {
  return negate ? -x : x;
}

void SortAnArrayOfSingles(std::vector<float>& values, bool descending) {
  SortByRoundedDifference(values, descending);
}

void SortAnArrayOfExtendeds(std::vector<extended>& values, bool descending) {
  SortByRoundedDifference(values, descending);
}

void SortAnArrayOfIntegers(std::vector<int32_t>& values, bool descending) {
  if (values.size() <= 1) return;
  StableMergeSort(values, [descending](int32_t l, int32_t r) { return descending ? r < l : l < r; });
}

void SwapAround(std::pair<int32_t, int32_t>& pair) {
  std::swap(pair.first, pair.second);
}

bool IsBitSet32(int32_t index, uint32_t value) {
  if (index < 0 || index >= 32) return false;
  return (value & bit_array32[index]) == bit_array32[index];
}

bool IsBitSet16(int32_t index, uint16_t value) {
  if (index < 0 || index >= 16) return false;
  return (value & bit_array16[index]) == bit_array16[index];
}

void SetBit32(int32_t index, uint32_t& value) {
  if (index >= 0 && index < 32) value |= bit_array32[index];
}

void SetBit16(int32_t index, uint16_t& value) {
  if (index >= 0 && index < 16) value = static_cast<uint16_t>(value | bit_array16[index]);
}

int32_t SingleArrayLengthForXInterRelationships(int32_t n) {
  return static_cast<int32_t>(std::nearbyint(static_cast<double>(n) * (n + 1.0) / 2.0));
}

int32_t SingleArrayPosForXYValue(int32_t x, int32_t y, int32_t n) {
  if (x == y || x < 0 || y < 0) return -1;
  int64_t xp = int64_t{x} + 1, yp = int64_t{y} + 1;
  if (yp > xp) std::swap(xp, yp);
  const int64_t pos = yp * n + xp - n - SingleArrayLengthForXInterRelationships(static_cast<int32_t>(yp)) - 1;
  if (pos >= int64_t{n} * n - SingleArrayLengthForXInterRelationships(n)) return -1;
  return static_cast<int32_t>(pos);
}

int32_t SingleArrayPosForXYValue1Based(int32_t x, int32_t y, int32_t n) {
  if (x == y || x <= 0 || y <= 0) return -1;
  if (y > x) std::swap(x, y);
  const int64_t pos = int64_t{y} * n + x - n - SingleArrayLengthForXInterRelationships(y);
  if (pos > int64_t{n} * n - SingleArrayLengthForXInterRelationships(n)) return -1;
  return static_cast<int32_t>(pos);
}

std::pair<int32_t, int32_t> XYFromSingleArrayPosPos(int32_t pos, int32_t n) {
  int32_t x = 1, y = 0;
  for (int32_t i = 0; i < pos; ++i) {
    ++x;
    if (x > n - 1) {
      ++y;
      x = y + 1;
    }
  }
  return {x, y};
}

TShuffledNumbers::TShuffledNumbers(int32_t an_upper_limit) : upper_limit(std::max(0, an_upper_limit)) {
  ComputeShuffledNonRepeatedNumbers();
}

void TShuffledNumbers::ComputeShuffledNonRepeatedNumbers() {
  static std::mt19937 generator(
      static_cast<uint32_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
  temp_int.resize(upper_limit);
  for (int32_t i = 0; i < upper_limit; ++i) temp_int[i] = i;
  if (upper_limit == 0) return;
  std::uniform_int_distribution<int32_t> draw(0, std::max(0, upper_limit - 2));
  for (int32_t i = 0; i < upper_limit; ++i) {
    MyYieldProcess();
    int32_t j = draw(generator);
    while (j == i && upper_limit >= 3) j = draw(generator);
    std::swap(temp_int[i], temp_int[j]);
  }
}

int32_t TShuffledNumbers::GetANumber(int32_t index) const {
  if (index < 0 || index >= static_cast<int32_t>(temp_int.size()))
    throw EListError("List index out of bounds (" + std::to_string(index) + ")");
  return temp_int[index];
}

// ---- Key words and relationships ----

TKeyword_entry_rec KWStatsCalculated(const Ttwo_KWlongints& f, const Ttwo_KWlongints& t) {
  TKeyword_entry_rec r;
  r.lemma_words = std::make_unique<TMyStreamableStringlist>();
  r.w = r.prefix_or_tag = r.suffix = nowt;
  try {
    for (int i = 0; i < 2; ++i) r.f[i] = f[i] < 0 ? static_cast<int32_t>(-int64_t{f[i]}) : f[i];
    r.LogRatio = LogRatioOfProportions(f, t);
    const double expected = Div(static_cast<double>(t[0]) * (static_cast<double>(f[0]) + f[1]),
                                static_cast<double>(int64_t{t[0]} + t[1]));
    r.LL = Log_Likelihood_Lancaster(r.f[0], r.f[1], t[0], t[1]);
    r.BIC_Score = ToSingle(r.LL - Ln(static_cast<double>(int64_t{t[0]} + t[1])));
    if (r.f[0] < expected) {
      r.LL = -r.LL;
      r.negative_score = true;
    }
  } catch (const EMathError&) {
    r.LL = 1.0f;
    r.LogRatio = 1.0f;
  }
  return r;
}

float RelationshipComputation(TRelationshipStats stat, int32_t O, int32_t R, int32_t C, int32_t N,
                              const Tdouble_smallint_type& horizons) {
  const int32_t S = int32_t{horizons.to_left} + horizons.to_right;
  switch (stat) {
    case RelatStat_Dice:
      return Dice_Coefficient(O, R, C);
    case RelatStat_MI:
      return SpecificMutualInformation(R, C, O, N);
    case RelatStat_MI3:
      return MI3(R, C, O, N);
    case RelatStat_Z:
      return Z_Score(R, C, O, N, S);
    case RelatStat_log_likelihood:
      return Log_Likelihood_SameCorpus_Span(R, C, O, N, S);
    case RelatStat_T_Score:
      return T_Score(R, C, O, N);
    case RelatStat_Log_Ratio:
      return Log_Ratio(R, C, N);
    case RelatStat_ConditionalProbA:
      return ConditionalProbability(R, O);
    case RelatStat_ConditionalProbB:
      return ConditionalProbability(C, O);
    case RelatStat_DeltaPA:
      return DeltaP_Gries(O, R, C, N);
    case RelatStat_DeltaPB:
      return DeltaP_Gries(O, C, R, N);
    default:
      return 0;
  }
}

UnicodeString RelationshipAsString(TRelationshipStats stat) {
  switch (stat) {
    case RelatStat_Dice:
      return _LXRelatStatDice;
    case RelatStat_MI:
      return _LXRelatStatMI;
    case RelatStat_MI3:
      return _LXRelatStatMI3;
    case RelatStat_Z:
      return _LXRelatStatZ;
    case RelatStat_log_likelihood:
      return _LXRelatStatLogLikelihood;
    case RelatStat_T_Score:
      return _LXRelatStatTScore;
    case RelatStat_Log_Ratio:
      return _LXRelatStatLogRatio;
    case RelatStat_ConditionalProbA:
      return _LXRelatStatConditionalProb.Text() + u" A";
    case RelatStat_ConditionalProbB:
      return _LXRelatStatConditionalProb.Text() + u" B";
    case RelatStat_DeltaPA:
      return _LXRelatStatDeltaP.Text() + u" A";
    case RelatStat_DeltaPB:
      return _LXRelatStatDeltaP.Text() + u" B";
    default:
      return UnicodeString();
  }
}

TText_stats_rec MergedTextStats(const TText_stats_rec& a, const TText_stats_rec& b) {
  // Weighted mean and pooled sample deviation of the union; an empty side contributes nothing.
  const double na = std::max(0, a.n), nb = std::max(0, b.n);
  TText_stats_rec r;
  r.n = a.n + b.n;
  const double n = na + nb;
  if (n <= 0) return r;
  const double mean = (na * a.mean + nb * b.mean) / n;
  r.mean = static_cast<float>(mean);
  if (n > 1) {
    const double ss = std::max(0.0, na - 1) * a.std_dev * a.std_dev +
                      std::max(0.0, nb - 1) * b.std_dev * b.std_dev + na * (a.mean - mean) * (a.mean - mean) +
                      nb * (b.mean - mean) * (b.mean - mean);
    const double v = ss / (n - 1);
    if (v > 0) r.std_dev = static_cast<float>(std::sqrt(v));
  }
  return r;
}

UnicodeString CantChooseZScoreForKWDBase() {
  const UnicodeString text = _LXZScoreNeedsSpan;
  if (Global_StatsMessageProc) Global_StatsMessageProc(text);
  return text;
}

}  // namespace lx
