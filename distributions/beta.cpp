// Beta distribution: IncompleteBeta and BetaPdf for the distribution, closed
// forms for the moments. No quantile function.
#include "distributions/beta.h"

#include <cmath>

#include "numerics/double_double.h"

namespace Zq::Math {
namespace {

// From this sum of the shapes on, the closed forms' cubes and products of
// the shapes can overflow (their sum cubed passes 1e300).
constexpr double kHugeShapeSum = 1e100;
// Below this share of the size of its terms, the kurtosis numerator has
// lost more than six digits to cancellation (shapes from about 1e6 whose
// ratio is near (3 +- sqrt 5)/2, where (a - b)^2 = ab).
constexpr double kKurtosisCancellation = 1e-6;

// The excess kurtosis 6 N / (ab (n + 2)(n + 3)) with n = a + b and
// N = (a - b)^2 (n + 1) - ab (n + 2), N from exact products and sums of the
// shapes scaled by a power of two s to about 1 (N s^3 is formed), so that
// it keeps its digits where its terms (near n^3) cancel: the kurtosis
// passes 0 next to the ratio (3 + sqrt 5)/2 of the shapes. Good to 1e-9
// while the shapes stay below about 1e24.
double CancelledKurtosis(double a, double b) {
  using namespace DoubleDouble;
  int exponent = 0;
  std::frexp(a > b ? a : b, &exponent);
  const double as = std::ldexp(a, -exponent);
  const double bs = std::ldexp(b, -exponent);
  const double one = std::ldexp(1.0, -exponent);
  const DD difference = TwoSum(as, -bs);
  const DD sum = TwoSum(as, bs);
  const DD product = TwoProduct(as, bs);
  const DD numerator = Subtract(Multiply(Multiply(difference, difference), Add(sum, one)),
                                Multiply(product, Add(sum, 2.0 * one)));
  const double n = sum.hi + sum.lo;
  return 6.0 * ((numerator.hi + numerator.lo) / (as * bs)) * one / ((n + 2.0 * one) * (n + 3.0 * one));
}

// The moments in the shares p = a/n and q = b/n of the sum n = a + b, for
// sums too large for the closed forms (or for any double), with h = n/2,
// d = q - p and r = d/sqrt(pq); sqrt(pq) is taken from the shapes, as a
// share below 1e-308 would lose its digits:
// mean p, variance pq/(n + 1), skewness 2 r sqrt(n + 1)/(n + 2), excess
// kurtosis 6 (2h/(h + 1)(r^2 - 1) + (r^2 - 2)/(h + 1)) / (4 (h + 3/2)),
// its r^2 divided by h + 3/2 before it can overflow.
Moments ShareMoments(double a, double b) {
  const double half = 0.5 * a + 0.5 * b;
  const double rootPq = std::sqrt(0.5 * a) * std::sqrt(0.5 * b) / half;
  const double r = (0.5 * b - 0.5 * a) / half / rootPq;
  const double stdev = rootPq / (std::sqrt(2.0) * std::sqrt(half + 0.5));
  const double skew = std::sqrt(2.0) * r * std::sqrt(half + 0.5) / (half + 1.0);
  const double rSquaredShare = r * (r / (half + 1.5));
  const double unitShare = 1.0 / (half + 1.5);
  const double kurt = 1.5 * (2.0 * (half / (half + 1.0)) * (rSquaredShare - unitShare) +
                             (rSquaredShare - 2.0 * unitShare) / (half + 1.0));
  return {0.5 * a / half, stdev, skew, kurt};
}

}  // namespace

bool BetaShapesValid(double alpha, double beta) { return IsPositiveOrNaN(alpha) && IsPositiveOrNaN(beta); }

Moments BetaMoments(double a, double b) {
  const double sum = a + b;
  if (!(sum < kHugeShapeSum) && std::isfinite(a) && std::isfinite(b)) return ShareMoments(a, b);
  const double variance = a * b / (sum * sum * (sum + 1.0));
  const double numerator = a * a * a - a * a * (2.0 * b - 1.0) + b * b * (b + 1.0) - 2.0 * a * b * (b + 2.0);
  const double size = a * a * a + 2.0 * a * a * b + b * b * b + 2.0 * a * b * b;
  const double kurt = std::fabs(numerator) < kKurtosisCancellation * size
                          ? CancelledKurtosis(a, b)
                          : 6.0 * numerator / (a * b * (sum + 2.0) * (sum + 3.0));
  return {a / sum, variance > 0.0 ? std::sqrt(variance) : 0.0,
          2.0 * (b - a) * std::sqrt(sum + 1.0) / (std::sqrt(a * b) * (sum + 2.0)), kurt};
}

}  // namespace Zq::Math
