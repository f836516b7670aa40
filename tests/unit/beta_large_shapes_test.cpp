// The beta distribution, density and moments at shapes from 1e12 to past
// 1e308, against quadrature and exact arithmetic in extended precision
// (tests/unit/reference/make_beta_large_shapes.py).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "distributions/beta.h"
#include "distributions/special_functions.h"

namespace Zq::Math {
namespace {

// The smaller tail to 1e-6 of itself (values next to 1 to their rounding,
// values below the smallest normal double to within it); the density too.
TEST(HugeBetaShapes, DistributionAndDensityMatchTheQuadrature) {
  const double cases[][6] = {  // x, alpha, beta, I, 1 - I, density
#include "tests/unit/reference/beta_large_shapes.inc"
  };
  for (const auto& [x, a, b, lower, upper, density] : cases) {
    const double cdf = IncompleteBeta(x, a, b);
    if (lower <= upper) EXPECT_NEAR(cdf, lower, 1e-6 * lower + 2.3e-308) << x << " " << a << " " << b;
    else EXPECT_NEAR(1.0 - cdf, upper, 1e-6 * upper + 0x1p-53) << x << " " << a << " " << b;
    EXPECT_NEAR(BetaPdf(x, a, b), density, 1e-6 * density + 2.3e-308) << x << " " << a << " " << b;
  }
}

// From 40 deviations below the mean to 40 above in steps of 0.1, and the
// doubles next to the mean (all of them where a deviation is below their
// spacing): the distribution never falls and stays in [0, 1].
TEST(HugeBetaShapes, DistributionRisesOverTheWholeRange) {
  const double shapes[][2] = {{1e16, 1e16}, {3e17, 1e17}, {1e20, 1e28}, {5e30, 1e31}, {1e300, 3e299}, {1e308, 1e308}};
  for (const auto& [a, b] : shapes) {
    const double mean = 0.5 * a / (0.5 * a + 0.5 * b);
    const double sd = mean * std::sqrt((1.0 - mean) / a);
    std::vector<double> points;
    for (int k = -400; k <= 400; ++k) points.push_back(mean + 0.1 * k * sd);
    double x = mean;
    for (int k = 0; k < 6; ++k) x = std::nextafter(x, 0.0);
    for (int k = 0; k < 12; ++k, x = std::nextafter(x, 1.0)) points.push_back(x);
    std::sort(points.begin(), points.end());
    double previous = 0.0;
    for (double p : points) {
      const double cdf = IncompleteBeta(p, a, b);
      ASSERT_TRUE(cdf >= previous && cdf <= 1.0) << p << " " << a << " " << b;
      previous = cdf;
    }
  }
}

// Sums of the shapes past the cube root of the largest double, lopsided
// pairs, and ratios next to (3 + sqrt 5)/2 where the kurtosis passes 0.
TEST(HugeBetaShapes, MomentsNeitherOverflowNorCancel) {
  const double cases[][6] = {  // alpha, beta, mean, stdev, skewness, kurtosis
#include "tests/unit/reference/beta_huge_moments.inc"
  };
  for (const auto& [a, b, mean, stdev, skew, kurt] : cases) {
    const Moments m = BetaMoments(a, b);
    EXPECT_NEAR(m.mean, mean, 1e-15 * mean) << a << " " << b;
    EXPECT_NEAR(m.stdev, stdev, 1e-14 * stdev) << a << " " << b;
    EXPECT_NEAR(m.skew, skew, 1e-14 * std::fabs(skew)) << a << " " << b;
    EXPECT_NEAR(m.kurt, kurt, 1e-9 * std::fabs(kurt) + 1e-320) << a << " " << b;  // subnormal at 1e308
  }
}

}  // namespace
}  // namespace Zq::Math
