// The truncated normal's kernels against reference values wherever their
// arguments are valid: tails on either side, windows narrow against sigma
// or against their distance from mu, huge and tiny scales. Where the closed
// formulas are kept they are allowed their own accuracy (kTruncNormAgreement
// and kTruncNormShapeAgreement), elsewhere the stable values must match to
// better than that.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "distributions/parameter_fits.h"
#include "distributions/truncated_normal.h"
#include "distributions/truncated_normal_quantile.h"
#include "tests/unit/truncated_normal_reference.h"

namespace Zq::Math {
namespace {

using namespace TruncNormReference;

TEST(TruncatedNormalKernels, MomentsMatchTheReferenceAndStayInsideTheWindow) {
  for (const MomentRow& r : kMomentRows) {
    const Moments m = TruncNormMoments(r.a, r.b, r.mu, r.sigma);
    const std::string where = Where(r.a, r.b, r.mu, r.sigma);
    EXPECT_NEAR(m.mean, r.mean, 1.01 * kTruncNormAgreement * r.stdev + 4e-16 * std::fabs(r.mean)) << where;
    EXPECT_GE(m.mean, r.a) << where;
    EXPECT_LE(m.mean, r.b) << where;
    EXPECT_LE(m.stdev, 0.5 * (r.b - r.a)) << where;
    EXPECT_NEAR(m.stdev, r.stdev, 1.01 * kTruncNormAgreement * r.stdev) << where;
    EXPECT_NEAR(m.skew, r.skew, 1.01 * kTruncNormShapeAgreement) << where;
    EXPECT_NEAR(m.kurt, r.kurt, 1.01 * kTruncNormShapeAgreement) << where;
  }
}

// A kept formula may be off by kTruncNormAgreement in probability; the
// quantile then by that over the density.
TEST(TruncatedNormalKernels, DistributionDensityAndQuantileMatchTheReference) {
  for (const PointRow& r : kPointRows) {
    const std::string where = Where(r.a, r.b, r.mu, r.sigma) + " p " + std::to_string(r.prob);
    // Besides the formulas' allowance, the quantile's own rounding: in a
    // window 1e-10 wide at 40 one unit in its last place is 7e-5 of the mass.
    const double probTolerance =
        1.01 * kTruncNormAgreement + 1e-9 * r.prob + 2.0 * r.density * 2.3e-16 * std::fabs(r.quantile);
    EXPECT_NEAR(TruncNormCdf(r.quantile, r.a, r.b, r.mu, r.sigma), r.prob, probTolerance) << where;
    EXPECT_NEAR(TruncNormPdf(r.quantile, r.a, r.b, r.mu, r.sigma), r.density, 1.01e-6 * r.density) << where;
    const double x = TruncNormQuantile(r.prob, r.a, r.b, r.mu, r.sigma);
    EXPECT_NEAR(x, r.quantile, probTolerance / r.density + 1e-9 * std::fabs(r.quantile)) << where;
  }
}

TEST(TruncatedNormalKernels, QuantileInvertsTheDistribution) {
  for (const PointRow& r : kPointRows) {
    const double p = TruncNormCdf(r.quantile, r.a, r.b, r.mu, r.sigma);
    if (!(p > 0.0 && p < 1.0)) continue;
    const double x = TruncNormQuantile(p, r.a, r.b, r.mu, r.sigma);
    EXPECT_NEAR(x, r.quantile, 3e-6 / r.density + 1e-9 * std::fabs(r.quantile))
        << Where(r.a, r.b, r.mu, r.sigma) << " p " << p;
  }
}

// With the standardised bounds past the range of doubles the whole mass
// sits at the bound nearer mu.
TEST(TruncatedNormalKernels, WindowsBeyondDoublesArePointsAtTheNearBound) {
  EXPECT_EQ(TruncNormQuantile(0.5, -1e-300, 1e-300, 1e300, 1e-11), 1e-300);
  EXPECT_EQ(TruncNormQuantile(0.5, 1e300, 1e301, -1e300, 1e-11), 1e300);
  const Moments m = TruncNormMoments(-1e-300, 1e-300, 1e300, 1e-11);
  EXPECT_EQ(m.mean, 1e-300);
  EXPECT_EQ(m.stdev, 0.0);
}

// Fitted parameters reproduce their targets, or the fit refuses; never a
// sigma <= 0.
TEST(TruncatedNormalKernels, FitsReachTheirTargetsOrFail) {
  for (double mean = 0.25; mean < 10; mean += 0.5) {
    for (double stdev = 0.1; stdev < 3.0; stdev += 0.2) {
      double mu = 0, sigma = 0;
      if (!TruncNormParam(0, 10, mean, stdev, mu, sigma)) continue;
      EXPECT_GT(sigma, 0) << mean << " " << stdev;
      const Moments m = TruncNormMoments(0, 10, mu, sigma);
      EXPECT_NEAR(m.mean, mean, 1e-9 * stdev) << mean << " " << stdev;
      EXPECT_NEAR(m.stdev, stdev, 1e-9 * stdev) << mean << " " << stdev;
    }
  }
}

}  // namespace
}  // namespace Zq::Math
