#include "distributions/beta_normal_expansion.h"

#include <cmath>

#include "distributions/beta_power_term.h"
#include "distributions/normal_window.h"
#include "distributions/pinned_constants.h"

namespace Zq::Math {
namespace {

// Below this w the correction 1/d - 1/w comes from its series, free of
// the cancellation of two large, nearly equal reciprocals.
constexpr double kSeriesReach = 1.0;
// Below this w (and d) their ratio is 1 to all digits.
constexpr double kVanishing = 1e-100;

// S(t) = psi(t) / (-t^3/3), psi(t) = t - ln(1 + t) - t^2/2, for |t| <= 0.1:
// 1 - 3t/4 + 3t^2/5 - ...
double CubicSeries(double t) {
  double sum = 0.0;
  double power = 1.0;
  for (int k = 3; k < 40; ++k, power *= -t) {
    const double term = 3.0 * power / k;
    sum += term;
    if (std::fabs(term) <= 1e-17 * std::fabs(sum)) break;
  }
  return sum;
}

// 1/d - 1/w for |x - x0| within a standard deviation or so, from the
// difference w^2 - d^2 = 2 (a psi(u) + b psi(-v)) (u = e/x0, v = e/y0)
// divided by w d (w + d); with the powers of e taken out it is
// (2/3) sgn(e) (x0^2 S(-v) - y0^2 S(u)) / sqrt(n x0 y0) times
// d^2 / (w (w + d)), which tends to 1/2 as e does.
double NearCorrection(const BetaMeanOffset& o, double w, double d, double sqrtN) {
  const double sign = o.e > 0.0 ? 1.0 : -1.0;
  const double cubic = (o.x0 * o.x0 * CubicSeries(-o.e / o.y0) - o.y0 * o.y0 * CubicSeries(o.e / o.x0)) /
                       (sqrtN * std::sqrt(o.x0 * o.y0));
  const double ratio = w < kVanishing ? 0.5 : d * d / (w * (w + d));
  return (2.0 / 3.0) * sign * cubic * ratio;
}

}  // namespace

double LargeShapeIncompleteBeta(double x, double a, double b) {
  const BetaMeanOffset o = LargeShapeMeanOffset(x, a, b);
  const double half = 0.5 * a + 0.5 * b;
  const double sqrtN = std::sqrt(2.0) * std::sqrt(half);
  const double w = std::sqrt(2.0 * o.excess);
  const double d = std::fabs(o.e) * sqrtN / std::sqrt(o.x0 * o.y0);
  const double correction = w < kSeriesReach ? NearCorrection(o, w, d, sqrtN) : 1.0 / d - 1.0 / w;
  // ln G = corr(n) - corr(a) - corr(b), Stirling's 1/(12 z) each (the next
  // terms are below 1e-21 at these shapes).
  const double stirling = std::exp((0.5 / half - 1.0 / a - 1.0 / b) / 12.0);
  const double density = kInvSqrtTwoPi * std::exp(-o.excess);
  // Q(w) = phi(w) M(w), exactly 1/2 at the mean.
  const double normalTail = w == 0.0 ? 0.5 : density * MillsRatio(w);
  const double tail = normalTail + density * stirling * correction;
  return o.e > 0.0 ? 1.0 - tail : tail;
}

}  // namespace Zq::Math
