// The truncated normal wherever its arguments are valid: tails on either
// side, windows narrow against sigma or against their distance from mu,
// huge and tiny scales. Reference values come from adaptive quadrature
// (tests/unit/reference/make_reference.py); where the closed formulas are
// kept they are allowed their own accuracy (kTruncNormAgreement and
// kTruncNormShapeAgreement), elsewhere the stable values must match to
// better than that.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "addin/worksheet_functions.h"
#include "distributions/parameter_fits.h"
#include "distributions/truncated_normal.h"
#include "distributions/truncated_normal_quantile.h"
#include "tests/unit/sample_statistics.h"
#include "tests/worksheet/worksheet_test_support.h"

namespace Zq::Math {
namespace {

struct MomentRow {
  double a, b, mu, sigma, mean, stdev, skew, kurt;
};
const MomentRow kMomentRows[] = {
#include "tests/unit/reference/truncated_normal_moments.inc"
};

struct PointRow {
  double a, b, mu, sigma, prob, quantile, density;
};
const PointRow kPointRows[] = {
#include "tests/unit/reference/truncated_normal_points.inc"
};

std::string Where(double a, double b, double mu, double sigma) {
  return "[" + std::to_string(a) + ", " + std::to_string(b) + "] mu " + std::to_string(mu) + " sigma " +
         std::to_string(sigma);
}

TEST(TruncatedNormalSoundness, MomentsMatchTheReferenceAndStayInsideTheWindow) {
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

TEST(TruncatedNormalSoundness, MomFunctionEqualsTheFourSingleFunctions) {
  for (const MomentRow& r : kMomentRows) {
    const std::vector<double> column = Testing::TakeColumn(ZqTruncNormMom(r.a, r.b, r.mu, r.sigma), 4);
    ASSERT_EQ(column.size(), 4u);
    const std::string where = Where(r.a, r.b, r.mu, r.sigma);
    EXPECT_EQ(column[0], ZqTruncNormMean(r.a, r.b, r.mu, r.sigma)->val.num) << where;
    EXPECT_EQ(column[1], ZqTruncNormStdev(r.a, r.b, r.mu, r.sigma)->val.num) << where;
    EXPECT_EQ(column[2], ZqTruncNormSkew(r.a, r.b, r.mu, r.sigma)->val.num) << where;
    EXPECT_EQ(column[3], ZqTruncNormKurt(r.a, r.b, r.mu, r.sigma)->val.num) << where;
  }
}

// A kept formula may be off by kTruncNormAgreement in probability; the
// quantile then by that over the density.
TEST(TruncatedNormalSoundness, DistributionDensityAndQuantileMatchTheReference) {
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

TEST(TruncatedNormalSoundness, QuantileInvertsTheDistribution) {
  for (const PointRow& r : kPointRows) {
    const double p = TruncNormCdf(r.quantile, r.a, r.b, r.mu, r.sigma);
    if (!(p > 0.0 && p < 1.0)) continue;
    const double x = TruncNormQuantile(p, r.a, r.b, r.mu, r.sigma);
    EXPECT_NEAR(x, r.quantile, 3e-6 / r.density + 1e-9 * std::fabs(r.quantile))
        << Where(r.a, r.b, r.mu, r.sigma) << " p " << p;
  }
}

// The sampler draws from the distribution the moment functions describe:
// the sample's distribution values are uniform and its moments agree.
TEST(TruncatedNormalSoundness, SamplerDrawsTheDistributionOfTheMomentFunctions) {
  struct Window {
    double a, b, mu, sigma;
  };
  const Window windows[] = {{8, 9, 0, 1},     {-40, -38, 0, 1},   {30, 1e300, 0, 1}, {0, 1e-6, 0, 1},
                            {0, 1, 100, 1},   {6, 6.5, 0, 1},     {-1, 2, 0, 1},     {1e8, 1e8 + 1, 0, 1e7}};
  constexpr short kSize = 20000;
  for (const Window& w : windows) {
    const std::vector<double> sample =
        Testing::TakeColumn(ZqRandTruncNorm(kSize, w.a, w.b, w.mu, w.sigma, 0, 1, 2), kSize);
    const std::string where = Where(w.a, w.b, w.mu, w.sigma);
    EXPECT_LT(Testing::KolmogorovStatistic(sample, [&](double x) { return TruncNormCdf(x, w.a, w.b, w.mu, w.sigma); }),
              Testing::kKolmogorovCritical)
        << where;
    const Moments m = TruncNormMoments(w.a, w.b, w.mu, w.sigma);
    const Testing::Moments s = Testing::SampleMoments(sample);
    EXPECT_NEAR(s.mean, m.mean, 5.0 * m.stdev / std::sqrt(kSize)) << where;
    EXPECT_NEAR(std::sqrt(s.variance), m.stdev, 0.05 * m.stdev) << where;
  }
}

// With the standardised bounds past the range of doubles the whole mass
// sits at the bound nearer mu.
TEST(TruncatedNormalSoundness, WindowsBeyondDoublesArePointsAtTheNearBound) {
  EXPECT_EQ(TruncNormQuantile(0.5, -1e-300, 1e-300, 1e300, 1e-11), 1e-300);
  EXPECT_EQ(TruncNormQuantile(0.5, 1e300, 1e301, -1e300, 1e-11), 1e300);
  const Moments m = TruncNormMoments(-1e-300, 1e-300, 1e300, 1e-11);
  EXPECT_EQ(m.mean, 1e-300);
  EXPECT_EQ(m.stdev, 0.0);
}

// Fitted parameters reproduce their targets, or the fit answers #VALUE!;
// never a sigma <= 0.
TEST(TruncatedNormalSoundness, FitsReachTheirTargetsOrFail) {
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
  // Above the uniform's deviation 10/sqrt(12) = 2.887 no fit exists; just
  // below it sigma grows large, past where the formulas hold.
  EXPECT_TRUE(Testing::IsValueError(ZqTruncNormParam(0, 10, 5, 2.9)));
  const std::vector<double> wide = Testing::TakeColumn(ZqTruncNormParam(0, 10, 5, 2.886), 2);
  EXPECT_NEAR(wide[1], 80.0197081968, 1e-6 * 80);
  const std::vector<double> tail = Testing::TakeColumn(ZqTruncNormParam(8, 9, 8.121188992979796, 0.11894764723502568), 2);
  EXPECT_NEAR(tail[0], 0.0, 1e-6);
  EXPECT_NEAR(tail[1], 1.0, 1e-6);
}

}  // namespace
}  // namespace Zq::Math
