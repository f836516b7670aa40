// The beta distribution and density at shapes from 1e12 to 1e300, where the
// continued fraction needs more steps near the mean than it may take,
// against quadrature in extended precision
// (tests/unit/reference/make_beta_large_shapes.py).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "distributions/beta.h"
#include "distributions/special_functions.h"

namespace Zq::Math {
namespace {

struct LargeShapeCase {
  double x, a, b, lower, upper, density;
};

const LargeShapeCase kCases[] = {
#include "tests/unit/reference/beta_large_shapes.inc"
};

std::string Where(const LargeShapeCase& c) {
  char text[96];
  std::snprintf(text, sizeof text, "x %.17g a %.17g b %.17g", c.x, c.a, c.b);
  return text;
}

// The smaller tail to 1e-6 of itself (values next to 1 to their rounding);
// tails below the smallest normal double only to within it.
TEST(HugeBetaShapes, DistributionAndDensityMatchTheQuadrature) {
  constexpr double kRelative = 1e-6;
  constexpr double kSubnormal = 2.3e-308;
  for (const LargeShapeCase& c : kCases) {
    const double cdf = IncompleteBeta(c.x, c.a, c.b);
    if (c.lower <= c.upper) {
      EXPECT_NEAR(cdf, c.lower, kRelative * c.lower + kSubnormal) << Where(c);
    } else {
      EXPECT_NEAR(1.0 - cdf, c.upper, kRelative * c.upper + 0x1p-53) << Where(c);
    }
    EXPECT_NEAR(BetaPdf(c.x, c.a, c.b), c.density, kRelative * c.density + kSubnormal) << Where(c);
  }
}

// Every double from 40 deviations below the mean to 40 above in 801 steps
// (or the neighbours of the mean where a deviation is below their spacing):
// the distribution never falls, and stays in [0, 1].
TEST(HugeBetaShapes, DistributionRisesOverTheWholeRange) {
  const double shapes[][2] = {{1e16, 1e16}, {3e17, 1e17}, {1e20, 1e28}, {5e30, 1e31}, {1e300, 3e299}, {1e308, 1e308}};
  for (const auto& [a, b] : shapes) {
    const double mean = 0.5 * a / (0.5 * a + 0.5 * b);
    const double sd = std::sqrt(mean * (0.5 * b / (0.5 * a + 0.5 * b)) / a * mean);
    double x = std::nextafter(mean, 0.0);
    for (int k = 0; k < 5; ++k) x = std::nextafter(x, 0.0);
    std::vector<double> points;
    for (int k = -400; k <= 400; ++k) points.push_back(mean + 0.1 * k * sd);
    for (int k = 0; k < 12; ++k, x = std::nextafter(x, 1.0)) points.push_back(x);
    std::sort(points.begin(), points.end());
    double previous = 0.0;
    for (double p : points) {
      const double cdf = IncompleteBeta(p, a, b);
      ASSERT_TRUE(cdf >= 0.0 && cdf <= 1.0) << p << " " << a << " " << b;
      EXPECT_GE(cdf, previous) << p << " " << a << " " << b;
      previous = cdf;
    }
  }
}

// Sums of the shapes past the cube root of the largest double, lopsided
// pairs, and ratios next to (3 + sqrt 5)/2 where the kurtosis passes 0.
TEST(HugeBetaShapes, MomentsNeitherOverflowNorCancel) {
  const double cases[][6] = {
#include "tests/unit/reference/beta_huge_moments.inc"
  };
  for (const auto& c : cases) {
    const Moments m = BetaMoments(c[0], c[1]);
    const std::string where = std::to_string(c[0]) + " " + std::to_string(c[1]);
    EXPECT_NEAR(m.mean, c[2], 1e-15 * c[2]) << where;
    EXPECT_NEAR(m.stdev, c[3], 1e-14 * c[3]) << where;
    EXPECT_NEAR(m.skew, c[4], 1e-14 * std::fabs(c[4])) << where;
    EXPECT_NEAR(m.kurt, c[5], 1e-9 * std::fabs(c[5]) + 1e-320) << where;  // subnormal at 1e308
  }
}

}  // namespace
}  // namespace Zq::Math
