// The beta distribution where one shape is huge (1e9 and more) beside a
// small or moderate one, in both orders, against quadrature in extended
// precision (tests/unit/reference/make_beta_lopsided.py).
#include <gtest/gtest.h>

#include <cmath>

#include "distributions/special_functions.h"

namespace Zq::Math {
namespace {

// The smaller tail to 1e-9 of itself, from 10 deviations below the mean
// to 10 above.
TEST(LopsidedBetaShapes, DistributionMatchesTheQuadrature) {
  const double cases[][5] = {  // x, alpha, beta, I, 1 - I
#include "tests/unit/reference/beta_lopsided.inc"
  };
  for (const auto& [x, a, b, lower, upper] : cases) {
    const double cdf = IncompleteBeta(x, a, b);
    if (lower <= upper) EXPECT_NEAR(cdf, lower, 1e-9 * lower) << x << " " << a << " " << b;
    else EXPECT_NEAR(1.0 - cdf, upper, 1e-9 * upper + 0x1p-53) << x << " " << a << " " << b;
  }
}

// From 12 deviations below the mean to 12 above in steps of 0.01, through
// the switch between the gamma series and its fraction: the distribution
// never falls, on either side of the mirror.
TEST(LopsidedBetaShapes, DistributionRisesOverTheRange) {
  const double shapes[][2] = {{1e-3, 1e9}, {0.5, 1e10}, {3.0, 1e12}, {100.0, 1e12}, {1e4, 1e13}, {1e5, 1e9}};
  for (const auto& [small, huge] : shapes) {
    const double mean = small / (small + huge);
    const double sd = std::sqrt(small) / (small + huge);
    double previous = 0.0;
    double previousMirrored = 1.0;
    for (int k = -1200; k <= 1200; ++k) {
      const double x = mean + 0.01 * k * sd;
      if (x <= 0.0) continue;
      const double cdf = IncompleteBeta(x, small, huge);
      const double mirrored = IncompleteBeta(1.0 - x, huge, small);
      ASSERT_TRUE(cdf >= previous && cdf <= 1.0) << x << " " << small << " " << huge;
      ASSERT_TRUE(mirrored <= previousMirrored && mirrored >= 0.0) << x << " " << huge << " " << small;
      previous = cdf;
      previousMirrored = mirrored;
    }
  }
}

}  // namespace
}  // namespace Zq::Math
