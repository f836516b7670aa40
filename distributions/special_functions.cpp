#include "distributions/special_functions.h"

#include <array>
#include <cmath>
#include <limits>

#include "distributions/beta_gamma_limit.h"
#include "distributions/distribution_basics.h"
#include "distributions/beta_normal_expansion.h"
#include "distributions/beta_power_term.h"
#include "numerics/special_values.h"

namespace Zq::Math {
namespace {

constexpr double kLanczos[6] = {76.18009172947146,     -86.50532032941677,    24.01409824083091,
                                -1.231739572450155,    0.001208650973866179, -0.000005395239384953};
constexpr double kLanczosSeries = 1.000000000190015;
constexpr double kSqrtTwoPi = 2.5066282746310007;
constexpr double kLanczosShift = 5.5;

constexpr double kBetaLowest = 1e-12;
constexpr double kBetaHighest = 0.999999999999;
constexpr double kFractionAccuracy = 3e-7;
constexpr double kFractionTiny = 1e-30;
constexpr int kFractionSteps = 100;
// Large shapes near the mean need more steps (about 5 (a + b)^(1/3) for
// full accuracy): past the first 100 the fraction runs on to a tight
// accuracy, and gives NaN when even this many steps do not reach it.
constexpr double kLongFractionAccuracy = 1e-14;
constexpr int kLongFractionSteps = 1000000;

// From a shape of kUntrustedFractionShape on, the fraction's early exit
// (3e-7 between two steps) can come long before it has converged: at
// shapes (1e5, 1e14) it is off by 7e-5, at (1e5, 1e16) by 5e-3, at
// (1e31, 2e31) by the whole value. With both shapes from kNormalLimitShape
// on, the normal limit of LargeShapeIncompleteBeta is within 3e-8 (1e-12
// from shapes 1e7 on); it also covers every pair whose long fraction would
// run out of steps.
constexpr double kUntrustedFractionShape = 1e13;
constexpr double kNormalLimitShape = 1e5;

constexpr std::int32_t kFactorialTop = 32;

bool IsLopsided(double small, double huge) {
  return huge >= kGammaLimitHugeShape && small <= kGammaLimitSmallShape;
}

double LanczosSeries(double x) {
  double s = kLanczosSeries;
  for (int j = 0; j < 6; ++j) s += kLanczos[j] / (x + (j + 1));
  return s;
}

// The table is filled completely on first use (a thread-safe static), with
// the same products a growing table would hold: entry j = j * entry (j - 1).
const std::array<double, kFactorialTop + 1>& FactorialTable() {
  static const std::array<double, kFactorialTop + 1> table = [] {
    std::array<double, kFactorialTop + 1> t{};
    t[0] = 1.0;
    for (std::int32_t j = 1; j <= kFactorialTop; ++j) t[j] = j * t[j - 1];
    return t;
  }();
  return table;
}

// ln of the Poisson term: k ln(lambda) - ln(k!) - lambda.
double LogPoissonTerm(std::int32_t k, double lambda) {
  return k * std::log(lambda) - LogGamma(k + 1.0) - lambda;
}

// (lambda^k / k!) e^-lambda with e^-lambda given; where lambda^k or k! is not
// finite (large counts), the same term in logarithms.
double PoissonTerm(std::int32_t k, double lambda, double expMinusLambda) {
  const double power = std::pow(lambda, k);
  const double factorial = Factorial(k);
  if (std::isfinite(power) && std::isfinite(factorial)) return power / factorial * expMinusLambda;
  return std::exp(LogPoissonTerm(k, lambda));
}

// First index of the cumulative sum whose term can be non-zero. When
// e^-lambda underflows to 0 every directly computed term is 0, and below
// the mode the log-term grows with the index; terms whose log lies below
// -800 (far under the underflow point -745, so rounding cannot matter)
// are exactly 0 and leave the sum at 0.
std::int64_t FirstNonZeroPoissonTerm(std::int32_t k, double lambda, double expMinusLambda) {
  if (expMinusLambda != 0.0) return 0;
  constexpr double kSurelyZero = -800.0;
  const double lastRising = std::floor(lambda) - 1.0;
  const std::int64_t high = lastRising < k ? static_cast<std::int64_t>(lastRising) : k;
  if (!(LogPoissonTerm(0, lambda) < kSurelyZero)) return 0;
  if (LogPoissonTerm(static_cast<std::int32_t>(high), lambda) < kSurelyZero) return high + 1;
  std::int64_t zero = 0, nonZero = high;  // log-term below the bound at zero, not at nonZero
  while (nonZero - zero > 1) {
    const std::int64_t middle = zero + (nonZero - zero) / 2;
    (LogPoissonTerm(static_cast<std::int32_t>(middle), lambda) < kSurelyZero ? zero : nonZero) = middle;
  }
  return zero + 1;
}

}  // namespace

double ExpMinusOne(double x) {
  if (!(std::fabs(x) < 0.5)) return std::exp(x) - 1.0;
  double term = x;
  double sum = x;
  for (int n = 2; std::fabs(term) > 1e-17 * std::fabs(sum); ++n) {
    term *= x / n;
    sum += term;
  }
  return sum;
}

// The logarithm of the rounded 1 + x, corrected by the ratio of x to the
// step that rounding actually took.
double LogOnePlus(double x) {
  const double u = 1.0 + x;
  if (u == 1.0) return x;
  return std::log(u) * (x / (u - 1.0));
}

double LogGamma(double x) {
  const double t = x + kLanczosShift;
  const double s = LanczosSeries(x);
  return std::log(kSqrtTwoPi * s / x) - (t - (x + 0.5) * std::log(t));
}

double DiGamma(double x) {
  const double t = x + kLanczosShift;
  const double s = LanczosSeries(x);
  double slope = 0.0;
  for (int j = 0; j < 6; ++j) {
    const double shifted = x + (j + 1);
    slope += kLanczos[j] / (shifted * shifted);
  }
  return -slope / s + std::log(t) + (x + 0.5) / t - 1.0 - 1.0 / x;
}

double Factorial(std::int32_t n) {
  if (n < 0) return kNaN;
  if (n > kFactorialTop) return std::exp(LogGamma(n + 1.0));
  return FactorialTable()[static_cast<std::size_t>(n)];
}

double PoissonPmf(std::int32_t k, double lambda) { return PoissonTerm(k, lambda, std::exp(-lambda)); }

double PoissonCdf(std::int32_t k, double lambda) {
  if (k < 0) return 0.0;
  // A negative mean is no distribution; its alternating sum could run 2^31 terms.
  if (lambda < 0.0) return kNaN;
  const double e = std::exp(-lambda);
  double sum = 0.0;
  for (std::int64_t i = FirstNonZeroPoissonTerm(k, lambda, e); i <= k; ++i) {
    const double term = PoissonTerm(static_cast<std::int32_t>(i), lambda, e);
    // Past the mode the terms fall: one below half an ulp of the sum cannot
    // change it, nor can any later one, so the result is already final.
    const double halfUlp = 0.5 * (std::nextafter(sum, std::numeric_limits<double>::infinity()) - sum);
    if (i > lambda && term < halfUlp) break;
    sum = term + sum;
    if (std::isnan(sum)) break;
  }
  // Rounding in the terms (large means lose digits in their logarithms) can
  // carry the sum past 1; a probability never exceeds it.
  return sum > 1.0 ? 1.0 : sum;
}

// The product of powers over the beta function overflows or underflows
// in its parts for large shapes (x = 0.5, alpha = beta = 1000: 0/0) while
// the density is an ordinary number; the same terms summed as logarithms
// do not. The product stands wherever it agrees with the logarithms to
// 1e-6.
double BetaPdf(double x, double alpha, double beta) {
  if (x < kBetaLowest || x > kBetaHighest) return 0.0;
  if (alpha >= kLargeBetaShape || beta >= kLargeBetaShape) {
    return LargeShapeBetaPowerTerm(x, alpha, beta) / (x * (1.0 - x));
  }
  const double logBeta = LogGamma(alpha) + LogGamma(beta) - LogGamma(alpha + beta);
  const double product = std::pow(x, alpha - 1.0) * std::pow(1.0 - x, beta - 1.0) / std::exp(logBeta);
  const double logs = std::exp((alpha - 1.0) * std::log(x) + (beta - 1.0) * LogOnePlus(-x) - logBeta);
  return Checked(product, logs, 1e-6 * logs);
}

double IncompleteBeta(double x, double alpha, double beta) {
  if (x < kBetaLowest) return 0.0;
  if (x > kBetaHighest) return 1.0;
  // One huge shape beside a moderate one: the complement's fraction at
  // 1 - x near 1 is ill-conditioned (2e-6 off), and the fraction's early
  // exit leaves the other side 1e-7 off; the gamma limit holds both.
  if (IsLopsided(alpha, beta)) return LopsidedIncompleteBeta(x, alpha, beta).lower;
  if (IsLopsided(beta, alpha)) return LopsidedIncompleteBeta(1.0 - x, beta, alpha).upper;
  const bool bothLarge = alpha >= kNormalLimitShape && beta >= kNormalLimitShape;
  if (bothLarge && (alpha >= kUntrustedFractionShape || beta >= kUntrustedFractionShape)) {
    return LargeShapeIncompleteBeta(x, alpha, beta);
  }
  const double b = alpha >= kLargeBetaShape || beta >= kLargeBetaShape
                       ? LargeShapeBetaPowerTerm(x, alpha, beta)
                       : std::exp(LogGamma(alpha + beta) - LogGamma(alpha) - LogGamma(beta) + alpha * std::log(x) +
                                  beta * std::log(1.0 - x));
  if (x < (alpha + 1.0) / (alpha + beta + 2.0)) return b * BetaContinuedFraction(x, alpha, beta) / alpha;
  return 1.0 - b * BetaContinuedFraction(1.0 - x, beta, alpha) / beta;
}

double BetaContinuedFraction(double x, double a, double b) {
  const auto floored = [](double v) { return std::fabs(v) < kFractionTiny ? kFractionTiny : v; };
  const double qab = a + b;
  const double qap = a + 1.0;
  const double qam = a - 1.0;
  double c = 1.0;
  double d = 1.0 / floored(1.0 - qab * x / qap);
  double h = d;
  for (int m = 1; m <= kLongFractionSteps; ++m) {
    const double m2 = 2.0 * m;
    double aa = m * (b - m) * x / ((qam + m2) * (a + m2));
    d = 1.0 / floored(1.0 + aa * d);
    c = floored(1.0 + aa / c);
    h = h * d * c;
    aa = -(a + m) * (qab + m) * x / ((a + m2) * (qap + m2));
    d = 1.0 / floored(1.0 + aa * d);
    c = floored(1.0 + aa / c);
    const double delta = d * c;
    h = h * delta;
    if (std::fabs(delta - 1.0) < (m <= kFractionSteps ? kFractionAccuracy : kLongFractionAccuracy)) return h;
  }
  return kNaN;
}

}  // namespace Zq::Math
