// The Johnson SU fit by nested bisection on the moment surfaces, in
// v = 1/delta^2 and a = |gamma|/delta. For a fixed v the skewness rises
// steadily with a, from 0 at the symmetric member to its log-normal limit;
// along the members with the target skewness the kurtosis rises with v.
// Both searches halve the doubles between their bounds, so each ends in at
// most 64 steps whatever the scale of the answer.
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>

#include "distributions/careful_fits.h"
#include "distributions/fit_check.h"
#include "distributions/johnson_su.h"
#include "distributions/johnson_su_shape.h"
#include "distributions/special_functions.h"

namespace Zq::Math {
namespace {

// Beyond this a, e^(-2a) no longer shows in any moment: the member is on
// the log-normal line to the last bit.
constexpr double kLogNormalAngle = 40.0;

// The least double in (lo, hi] where below turns false, for 0 <= lo < hi
// (the bit patterns of non-negative doubles are in the order of their
// values); hi when it never does.
template <class Below>
double FirstNotBelow(Below below, double lo, double hi) {
  std::uint64_t low = std::bit_cast<std::uint64_t>(lo);
  std::uint64_t high = std::bit_cast<std::uint64_t>(hi);
  while (high - low > 1) {
    const std::uint64_t mid = low + (high - low) / 2;
    if (below(std::bit_cast<double>(mid)))
      low = mid;
    else
      high = mid;
  }
  return std::bit_cast<double>(high);
}

// The a at which the members with this v have the skewness size; infinity
// when none has (size at or beyond the log-normal line).
double AngleForSkew(double v, double size) {
  if (size == 0.0) return 0.0;
  if (!(JohnsonSUShapeMoments(v, kLogNormalAngle).skew > size)) return std::numeric_limits<double>::infinity();
  return FirstNotBelow([&](double a) { return JohnsonSUShapeMoments(v, a).skew < size; }, 0.0, kLogNormalAngle);
}

}  // namespace

bool JohnsonSUParamBySearch(double mean, double stdev, double skew, double kurt, double& gamma, double& delta,
                            double& lambda, double& xi) {
  if (!(kurt > 0.0) || !std::isfinite(kurt) || !std::isfinite(skew)) return false;
  const double size = std::fabs(skew);
  // The symmetric member with the target kurtosis has w^2 - 1 =
  // K/(1 + sqrt(1 + K/2)); every other member with its v, and every member
  // with a larger v, has more: the answer's v lies below it.
  const double vSymmetric = 0.5 * LogOnePlus(kurt / (1.0 + std::sqrt(1.0 + 0.5 * kurt)));
  const double v = FirstNotBelow(
      [&](double at) {
        const double a = AngleForSkew(at, size);
        return !std::isfinite(a) || JohnsonSUShapeMoments(at, a).kurt < kurt;
      },
      0.0, 2.0 * vSymmetric);
  const double a = AngleForSkew(v, size);
  if (!std::isfinite(a)) return false;

  // The variance (lambda^2/2)(w - 1)(w cosh(2 Omega) + 1) is
  // lambda^2 e^(2a) (w - 1) w shape / 4, and lambda sqrt(w) sinh(a) is
  // stdev (1 - e^(-2a))/sqrt((w - 1) shape): no factor overflows.
  const double w = std::exp(v);
  const double x = std::exp(-2.0 * a);
  const double spread = ExpMinusOne(v) * (1.0 + x * x + 2.0 * x / w);
  const double sign = skew > 0.0 ? 1.0 : skew < 0.0 ? -1.0 : 0.0;
  delta = 1.0 / std::sqrt(v);
  gamma = sign == 0.0 ? 0.0 : -sign * a * delta;
  lambda = 2.0 * stdev * std::exp(-a) / std::sqrt(spread * w);
  xi = mean + sign * stdev * ExpMinusOne(-2.0 * a) / std::sqrt(spread);
  return std::isfinite(gamma) && std::isfinite(xi) && IsPositive(delta) && IsPositive(lambda) &&
         std::isfinite(lambda) && GivesBack(JohnsonSUMoments(gamma, delta, lambda, xi), mean, stdev, skew, kurt);
}

}  // namespace Zq::Math
