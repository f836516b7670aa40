// The named parameter checks: where each boundary falls and what each does
// with NaN (the distribution functions let it through, the samplers and fits
// refuse it).
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "distributions/parameter_checks.h"
#include "numerics/special_values.h"

namespace {

using namespace Zq::Math;

TEST(ParameterChecks, PositiveMeansAboveTheFloor) {
  const double justAbove = std::nextafter(kPositiveFloor, 1.0);
  for (auto check : {IsPositive, IsPositiveOrNaN}) {
    EXPECT_FALSE(check(-1.0));
    EXPECT_FALSE(check(0.0));
    EXPECT_FALSE(check(kPositiveFloor));
    EXPECT_TRUE(check(justAbove));
    EXPECT_TRUE(check(std::numeric_limits<double>::infinity()));
  }
  EXPECT_FALSE(IsPositive(kNaN));
  EXPECT_TRUE(IsPositiveOrNaN(kNaN));
}

TEST(ParameterChecks, ProbabilityRanges) {
  for (auto check : {IsOpenProbability, IsOpenProbabilityOrNaN}) {
    EXPECT_FALSE(check(0.0));
    EXPECT_TRUE(check(std::numeric_limits<double>::denorm_min()));
    EXPECT_TRUE(check(std::nextafter(1.0, 0.0)));
    EXPECT_FALSE(check(1.0));
  }
  EXPECT_FALSE(IsOpenProbability(kNaN));
  EXPECT_TRUE(IsOpenProbabilityOrNaN(kNaN));

  EXPECT_FALSE(IsProbabilityBelowOneOrNaN(-std::numeric_limits<double>::denorm_min()));
  EXPECT_TRUE(IsProbabilityBelowOneOrNaN(0.0));
  EXPECT_FALSE(IsProbabilityBelowOneOrNaN(1.0));
  EXPECT_TRUE(IsProbabilityBelowOneOrNaN(kNaN));
}

}  // namespace
