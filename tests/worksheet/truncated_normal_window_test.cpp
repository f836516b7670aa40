// The truncated normal as one distribution per parameter set: a monotone
// distribution function whose density is its slope and whose quantile
// inverts it (also where the closed formulas give way to the stable
// computation, and for windows far from mu), true moments at small sigma,
// and moment fits that reproduce their targets or refuse.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "distributions/parameter_fits.h"
#include "distributions/truncated_normal.h"
#include "distributions/truncated_normal_quantile.h"

namespace Zq::Math {
namespace {

struct Params {
  double a, b, mu, sigma;
};

std::string Where(const Params& p) {
  return "[" + std::to_string(p.a) + ", " + std::to_string(p.b) + "] mu " + std::to_string(p.mu) + " sigma " +
         std::to_string(p.sigma);
}

// Tails, narrow windows, the window whose formula strays by 1e-4, and
// windows far from mu against their spread.
const Params kWindows[] = {{4.9, 6.9, 0, 1},     {-1, 2, 0, 1},       {-3, -2.5, 0, 1},    {1.5, 1e300, 0, 1},
                           {3, 3 + 1e-8, 0, 1},  {-5, -5 + 1e-6, 0, 1}, {0, 1, 0.5, 1e-6}, {0, 1, -3, 1e-6},
                           {-1, 0, 3, 1e-6},     {1000, 1001, 0, 1},  {8, 9, 0, 1},       {0, 1, 100, 1},
                           {-40, -38, 0, 1},     {0, 10, 5, 54.3},    {2, 2.3, 0, 1},     {0, 1, 5, 0.001}};

// Where each window holds its mass: a grid of points there.
double GridPoint(const Params& p, int i, int n) {
  const Moments m = TruncNormMoments(p.a, p.b, p.mu, p.sigma);
  const double low = std::fmax(p.a, m.mean - 12.0 * m.stdev);
  const double high = std::fmin(p.b, m.mean + 12.0 * m.stdev);
  return low + (high - low) * i / n;
}

TEST(TruncatedNormalWindow, DistributionIsMonotoneAndItsDensityItsSlope) {
  constexpr int kPoints = 2000;
  for (const Params& p : kWindows) {
    double previous = 0.0;
    for (int i = 0; i <= kPoints; ++i) {
      const double x = GridPoint(p, i, kPoints);
      const double cdf = TruncNormCdf(x, p.a, p.b, p.mu, p.sigma);
      ASSERT_GE(cdf, previous) << Where(p) << " x " << x;
      ASSERT_LE(cdf, 1.0) << Where(p);
      previous = cdf;
      const double pdf = TruncNormPdf(x, p.a, p.b, p.mu, p.sigma);
      ASSERT_GE(pdf, 0.0) << Where(p);
      if (i % 50 != 25) continue;
      const double h = GridPoint(p, 1, kPoints) - GridPoint(p, 0, kPoints);
      const double slope = (TruncNormCdf(x + h, p.a, p.b, p.mu, p.sigma) - TruncNormCdf(x - h, p.a, p.b, p.mu, p.sigma)) /
                           (2.0 * h);
      EXPECT_NEAR(slope, pdf, 2e-3 * pdf + 2.2e-6 / h) << Where(p) << " x " << x;
    }
  }
  // The pair that used to step down where the choice of formula changed.
  EXPECT_LE(TruncNormCdf(6.278018, 4.9, 6.9, 0, 1), TruncNormCdf(6.278019, 4.9, 6.9, 0, 1));
}

TEST(TruncatedNormalWindow, QuantileInvertsTheDistribution) {
  constexpr int kPoints = 200;
  for (const Params& p : kWindows) {
    for (int i = 1; i < kPoints; ++i) {
      const double x = GridPoint(p, i, kPoints);
      const double prob = TruncNormCdf(x, p.a, p.b, p.mu, p.sigma);
      if (!(prob > 1e-12 && prob < 1.0 - 1e-12)) continue;
      const double density = TruncNormPdf(x, p.a, p.b, p.mu, p.sigma);
      EXPECT_NEAR(TruncNormQuantile(prob, p.a, p.b, p.mu, p.sigma), x, 3e-6 / density + 1e-9 * std::fabs(x))
          << Where(p) << " p " << prob;
    }
  }
}

struct MomentRow {
  double a, b, mu, sigma, mean, stdev, skew, kurt;
};
const MomentRow kSmallSigma[] = {
#include "tests/unit/reference/truncated_normal_small_sigma.inc"
};

TEST(TruncatedNormalWindow, SmallSigmaGivesTheTrueMoments) {
  for (const MomentRow& r : kSmallSigma) {
    const Moments m = TruncNormMoments(r.a, r.b, r.mu, r.sigma);
    const std::string where = Where({r.a, r.b, r.mu, r.sigma});
    EXPECT_NEAR(m.mean, r.mean, 1.01 * kTruncNormAgreement * r.stdev + 4e-16 * std::fabs(r.mean)) << where;
    EXPECT_NEAR(m.stdev, r.stdev, 1.01 * kTruncNormAgreement * r.stdev) << where;
    EXPECT_NEAR(m.skew, r.skew, 1.01 * kTruncNormShapeAgreement) << where;
    EXPECT_NEAR(m.kurt, r.kurt, 1.01 * kTruncNormShapeAgreement) << where;
  }
  // No step where sigma crosses 0.00001.
  EXPECT_NEAR(TruncNormMoments(0, 1, 0, 9.99e-6).stdev / TruncNormMoments(0, 1, 0, 1e-5).stdev, 0.999, 1e-9);
}

struct PointRow {
  double a, b, mu, sigma, prob, quantile, density;
};
const PointRow kFar[] = {
#include "tests/unit/reference/truncated_normal_far.inc"
};

// Far from mu the quantile keeps its digits relative to its offset from
// the bound; the distribution and density theirs.
TEST(TruncatedNormalWindow, FarWindowsKeepTheirDigits) {
  for (const PointRow& r : kFar) {
    const std::string where = Where({r.a, r.b, r.mu, r.sigma}) + " p " + std::to_string(r.prob);
    const double bound = std::fabs(r.quantile - r.a) < std::fabs(r.quantile - r.b) ? r.a : r.b;
    EXPECT_NEAR(TruncNormQuantile(r.prob, r.a, r.b, r.mu, r.sigma), r.quantile,
                1e-9 * std::fabs(r.quantile - bound) + 4.5e-16 * std::fabs(bound))
        << where;
    EXPECT_NEAR(TruncNormCdf(r.quantile, r.a, r.b, r.mu, r.sigma), r.prob,
                1e-9 * r.prob + 2.3e-16 * std::fabs(r.quantile) * r.density)
        << where;
    EXPECT_NEAR(TruncNormPdf(r.quantile, r.a, r.b, r.mu, r.sigma), r.density, 1e-6 * r.density) << where;
  }
}

// How far rounding the targets leaves the parameters open: the mean's last
// unit against the deviation, magnified by the distance (in sigma) from mu
// to a window it lies outside, whose square the curvature fades with.
double Openness(const Params& p, const Moments& target) {
  const double outside = p.mu < p.a ? (p.a - p.mu) / p.sigma : p.mu > p.b ? (p.mu - p.b) / p.sigma : 0.0;
  return 0x1p-52 * std::fabs(target.mean) / target.stdev * (1.0 + outside * outside);
}

// Round trips parameters -> moments -> fit over scales from 1e-9 to 100
// window widths and locations inside, at and far beyond the bounds: each
// fit reproduces its targets or refuses; all succeed whose parameters and
// deviation lie above the floor of positive arguments, and where the
// targets pin the parameters down they come back.
TEST(TruncatedNormalWindow, FitsRoundTripOrRefuse) {
  const double kLocations[] = {-5, -1, -0.2, 0, 0.3, 0.5, 0.9, 1, 1.5, 5, 50};
  const double kScales[] = {1e-9, 1e-7, 1e-6, 1e-5, 1e-4, 1e-3, 0.01, 0.05, 0.1, 0.3, 1, 3, 10, 100};
  const Params kBases[] = {{0, 1, 0, 1}, {-3, 1, 0, 1}, {10, 10.001, 0, 1}};
  int pinned = 0;
  for (const Params& w : kBases) {
    for (const double location : kLocations) {
      for (const double scale : kScales) {
        const Params p{w.a, w.b, w.a + (w.b - w.a) * location, (w.b - w.a) * scale};
        const Moments target = TruncNormMoments(p.a, p.b, p.mu, p.sigma);
        double mu = 0, sigma = 0;
        const bool fitted = TruncNormParam(p.a, p.b, target.mean, target.stdev, mu, sigma);
        if (p.sigma > 1e-12 && target.stdev > 1e-12) {
          EXPECT_TRUE(fitted) << Where(p);
        }
        if (!fitted) continue;
        const Moments back = TruncNormMoments(p.a, p.b, mu, sigma);
        EXPECT_NEAR(back.mean, target.mean, 1e-9 * target.stdev + 0x1p-50 * std::fabs(target.mean)) << Where(p);
        EXPECT_NEAR(back.stdev, target.stdev, 1e-9 * target.stdev) << Where(p);
        if (Openness(p, target) > 1e-7) continue;
        ++pinned;
        EXPECT_NEAR(mu, p.mu, 1e-6 * std::fmax(std::fabs(p.mu), p.sigma)) << Where(p);
        EXPECT_NEAR(sigma, p.sigma, 1e-6 * p.sigma) << Where(p);
      }
    }
  }
  EXPECT_GT(pinned, 300);
  // A window 4000 sigma from mu sees an exponential tail bent by 6e-8:
  // members from mu = 4.99 to 5.01 share the mean's last bit, so only the
  // moments can be asked for, to their rounding.
  double mu = 0, sigma = 0;
  ASSERT_TRUE(TruncNormParam(0, 1, 0.9999997500000313, 2.4999995312502e-07, mu, sigma));
  const Moments back = TruncNormMoments(0, 1, mu, sigma);
  EXPECT_NEAR(back.mean, 0.9999997500000313, 0x1p-52);
  EXPECT_NEAR(back.stdev, 2.4999995312502e-07, 1e-14 * 2.5e-7);
  EXPECT_NEAR(mu, 5.0, 0.02);
}

}  // namespace
}  // namespace Zq::Math
