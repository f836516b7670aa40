#include "distributions/beta_power_term.h"

#include <cmath>

#include "distributions/special_functions.h"
#include "numerics/double_double.h"

namespace Zq::Math {
namespace {

// Below this part of a standard deviation, the rounding of the mean leaves
// the power term's exponent as it is.
constexpr double kNoticedRounding = 1e-12;

}  // namespace

double StirlingCorrection(double z) {
  const double r = 1.0 / z;
  const double r2 = r * r;
  return r * (1.0 / 12.0 - r2 * (1.0 / 360.0 - r2 * (1.0 / 1260.0 - r2 / 1680.0)));
}

// Near t = 0 the difference cancels, and the series t^2/2 - t^3/3 + ...
// takes over.
double LogExcess(double t, double logOnePlusT) {
  if (std::fabs(t) > 0.1) return t - logOnePlusT;
  double power = t * t;
  double sum = 0.0;
  for (int k = 2; k < 40; ++k, power *= -t) {
    const double term = power / k;
    sum += term;
    if (std::fabs(term) <= 1e-17 * sum) break;
  }
  return sum;
}

namespace {

// ln(p / (p + q)) for positive p and q, without forming p + q when q is
// the smaller (its share is then a LogOnePlus) and without overflow.
double LogShare(double p, double q) {
  if (q <= p) return -LogOnePlus(q / p);
  return std::log(p) - std::log(0.5 * p + 0.5 * q) - 0.69314718055994531;
}

// C = a ln x0 + b ln(1 - x0) - ln B(a, b). With both shapes from 10 on it
// is ln(a (1 - x0))/2 - ln(2 pi)/2 less the three Stirling corrections;
// with one small shape s beside a large one l it is s ln s - ln Γ(s) - s
// - ln(1 + s/l)/2 + corr(l + s) - corr(l).
double MeanTerm(double a, double b, double logY0) {
  if (a >= kStirlingShape && b >= kStirlingShape) {
    return 0.5 * (std::log(a) + logY0) - kHalfLogTwoPi - StirlingCorrection(a) - StirlingCorrection(b) +
           StirlingCorrection(a + b);
  }
  const double s = a < b ? a : b;
  const double l = a < b ? b : a;
  return s * std::log(s) - LogGamma(s) - s - 0.5 * LogOnePlus(s / l) + StirlingCorrection(l + s) -
         StirlingCorrection(l);
}

// The exact share p/(p + q) less its rounded value `share`, from exact
// products and sums of the shapes scaled to about 1 (by a power of two:
// exact but where the smaller one underflows, far from any x that matters).
double ShareRounding(double p, double q, double share) {
  int exponent = 0;  // frexp leaves it unspecified, not undefined, for NaN
  std::frexp(p > q ? p : q, &exponent);
  const double ps = std::ldexp(p, -exponent);
  const double qs = std::ldexp(q, -exponent);
  const DoubleDouble::DD sum = DoubleDouble::TwoSum(ps, qs);
  const DoubleDouble::DD product = DoubleDouble::TwoProduct(share, sum.hi);
  return (((ps - product.hi) - product.lo) - share * sum.lo) / sum.hi;
}

}  // namespace

BetaMeanOffset LargeShapeMeanOffset(double x, double a, double b) {
  // Halving the shapes first keeps a + b finite; it is exact for them all.
  const double half = 0.5 * a + 0.5 * b;
  const double x0 = 0.5 * a / half;
  const double y0 = 0.5 * b / half;
  const double logX0 = LogShare(a, b);
  const double logY0 = LogShare(b, a);
  // x - x0 from the side nearer its bound: 1 - x is exact from x = 0.5 on,
  // and 1 - x0 keeps digits that x0 near 1 has lost.
  double e = x0 <= 0.5 ? x - x0 : y0 - (1.0 - x);
  // The rounding of the share itself, where it is a noticeable part of a
  // standard deviation (shapes past about 1e8 whose mean has no exact double).
  const double rounding = x0 <= 0.5 ? ShareRounding(a, b, x0) : -ShareRounding(b, a, y0);
  if (std::fabs(rounding) * std::sqrt(half / (0.5 * x0 * y0)) >= kNoticedRounding) e -= rounding;
  const double u = e / x0;
  const double v = e / y0;
  const double logX = std::log(x);
  const double logY = LogOnePlus(-x);
  return {x0, y0, e, a * LogExcess(u, logX - logX0) + b * LogExcess(-v, logY - logY0), logY0};
}

double LargeShapeBetaPowerTerm(double x, double a, double b) {
  const BetaMeanOffset offset = LargeShapeMeanOffset(x, a, b);
  return std::exp(-offset.excess + MeanTerm(a, b, offset.logY0));
}

}  // namespace Zq::Math
