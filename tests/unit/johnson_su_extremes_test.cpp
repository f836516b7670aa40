// The Johnson SU moments at the ends of delta's range, against values
// computed from the doubles themselves in 80 digits: w huge (the kurtosis
// near overflow), w - 1 tiny, gamma near 0 and far from it.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "distributions/johnson_su.h"
#include "distributions/johnson_su_shape.h"

namespace {

using namespace Zq::Math;

struct Row {
  double gamma, delta, lambda, xi, mean, stdev, skew, kurt;
};
const Row kRows[] = {
#include "tests/unit/reference/johnson_su_extremes.inc"
};

// The fits give moments back to 1e-9 through these functions, which must
// hold them to a fraction of that; the shape-wise form holds them to the
// rounding of v = 1/delta^2 (a few 1e-14 where v is near 177).
TEST(JohnsonSUExtremes, MomentsHoldTheirDigits) {
  for (const Row& r : kRows) {
    const std::string where = std::to_string(r.gamma) + " " + std::to_string(r.delta);
    const Moments m = JohnsonSUMoments(r.gamma, r.delta, r.lambda, r.xi);
    EXPECT_NEAR(m.mean, r.mean, 2e-10 * (std::fabs(r.mean) + r.stdev)) << where;
    EXPECT_NEAR(m.stdev, r.stdev, 2e-10 * r.stdev) << where;
    EXPECT_NEAR(m.skew, r.skew, 2e-10 * (std::fabs(r.skew) + 1)) << where;
    EXPECT_NEAR(m.kurt, r.kurt, 2e-10 * (std::fabs(r.kurt) + 1)) << where;
    const JohnsonSUShape shape = JohnsonSUShapeMoments(1 / (r.delta * r.delta), std::fabs(r.gamma / r.delta));
    EXPECT_NEAR(shape.skew, std::fabs(r.skew), 1e-12 * (std::fabs(r.skew) + 1)) << where;
    EXPECT_NEAR(shape.kurt, r.kurt, 1e-12 * (std::fabs(r.kurt) + 1)) << where;
  }
}

}  // namespace
