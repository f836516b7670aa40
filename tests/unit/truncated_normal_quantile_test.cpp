#include "distributions/truncated_normal_quantile.h"

#include <gtest/gtest.h>

namespace Zq::Math {
namespace {

TEST(TruncNormQuantile, EndsExactlyAtTheBounds) {
  EXPECT_EQ(TruncNormQuantile(0, -1, 2, 0.5, 1), -1);
  EXPECT_EQ(TruncNormQuantile(1, -1, 2, 0.5, 1), 2);
  // Bounds whose normal quantiles are finite: the formula alone would miss them.
  EXPECT_EQ(TruncNormQuantile(0, 0.5, 0.7, 0.5, 1), 0.5);
  EXPECT_EQ(TruncNormQuantile(1, 0.5, 0.7, 0.5, 1), 0.7);
  EXPECT_NEAR(TruncNormQuantile(0.5, -1e9, 1e9, 0.25, 2), 0.25, 1e-9);
}

}  // namespace
}  // namespace Zq::Math
