#include "distributions/careful_fits.h"

#include <cmath>

#include "distributions/fit_check.h"
#include "distributions/fit_equations.h"
#include "distributions/lognormal.h"
#include "distributions/special_functions.h"
#include "distributions/weibull.h"
#include "solvers/solve_equations.h"

namespace Zq::Math {

namespace {

constexpr double kZeta2 = 1.6449340668482264;
// Above this cv, cv^2 is near overflow.
constexpr double kLargeRatio = 1e150;
constexpr int kBisections = 200;

// The triangle's skewness against the mode's share r, from the width-free
// form of its moments.
double TriangularSkew(double r) {
  const double unit = std::sqrt((1.0 - r + r * r) / 18.0);
  return (1.0 - 2.0 * r) * (1.0 + r) * (2.0 - r) / (270.0 * (unit * unit * unit));
}

// The point where below(x) turns from true to false on [lo, hi], to the
// last bit (or after kBisections halvings).
template <class Below>
double Bisect(Below below, double lo, double hi) {
  for (int i = 0; i < kBisections; ++i) {
    const double mid = 0.5 * (lo + hi);
    if (!(mid > lo && mid < hi)) break;
    if (below(mid))
      lo = mid;
    else
      hi = mid;
  }
  return 0.5 * (lo + hi);
}

}  // namespace

bool LogNormParamFromLogs(double mean, double stdev, double& m, double& s) {
  const double ratio = stdev / mean;
  const double spread = ratio < kLargeRatio ? LogOnePlus(ratio * ratio)
                                            : 2.0 * std::log(ratio) + LogOnePlus(1.0 / (ratio * ratio));
  s = std::sqrt(spread);
  m = std::log(mean) - 0.5 * spread;
  return IsPositive(s) && GivesBack(LogNormMoments(m, s), mean, stdev);
}

// g(a) = ln(1 + cv^2) in t = a/a0, a0 = sqrt(ln(1 + cv^2)/ζ(2)) (where the
// series starts), as a relative residual: Newton's tolerances then hold
// whatever the size of a.
bool WeibullParamNarrow(double mean, double stdev, double& scale, double& shape) {
  const double ratio = stdev / mean;
  const double target = LogOnePlus(ratio * ratio);
  const double start = std::sqrt(target / kZeta2);
  if (!(start > 0.0)) return false;
  auto equation = [&](double t) {
    const WeibullSpread g = WeibullLogSpread(start * t);
    return Equation1{g.value / target - 1.0, g.slope * start / target};
  };
  double t = 0.0;
  if (!SolveOne(equation, 1.0, 1e-15, 1e-15, t)) return false;
  const double a = start * t;
  if (!(a > 0.0 && a < 1.0 / kWeibullSeriesShape)) return false;
  shape = 1.0 / a;
  scale = mean / std::exp(LogGamma(1.0 + a));
  return IsPositive(shape) && IsPositive(scale) && GivesBack(WeibullMoments(shape, scale), mean, stdev);
}

double TriangularModeShare(double skew) {
  const double target = std::fabs(skew);
  const double r = Bisect([&](double at) { return TriangularSkew(at) > target; }, 0.0, 0.5);
  return skew < 0 ? 1.0 - r : r;
}

}  // namespace Zq::Math
