// The truncated normal's distribution, density and quantile agree (also where the formulas switch, and far
// from mu), its moments are true at small sigma, and moment fits reproduce their targets or refuse.
#include <gtest/gtest.h>

#include <cmath>
#include <ostream>

#include "distributions/parameter_fits.h"
#include "distributions/truncated_normal.h"
#include "distributions/truncated_normal_quantile.h"

namespace Zq::Math {
namespace {

struct Params { double a, b, mu, sigma; };
std::ostream& operator<<(std::ostream& out, const Params& p) {
  return out << "[" << p.a << ", " << p.b << "] mu " << p.mu << " sigma " << p.sigma;
}
template <class F>
double At(F f, double x, const Params& p) { return f(x, p.a, p.b, p.mu, p.sigma); }

// Tails, narrow windows, the window whose formula strays by 1e-4, windows far from mu against their spread.
const Params kWindows[] = {{4.9, 6.9, 0, 1},     {-1, 2, 0, 1},       {-3, -2.5, 0, 1},    {1.5, 1e300, 0, 1},
                           {3, 3 + 1e-8, 0, 1},  {-5, -5 + 1e-6, 0, 1}, {0, 1, 0.5, 1e-6}, {0, 1, -3, 1e-6},
                           {-1, 0, 3, 1e-6},     {1000, 1001, 0, 1},  {8, 9, 0, 1},       {0, 1, 100, 1},
                           {-40, -38, 0, 1},     {0, 10, 5, 54.3},    {2, 2.3, 0, 1},     {0, 1, 5, 0.001}};

// Over a grid where each window holds its mass; the quantile on every tenth point.
TEST(TruncatedNormalWindow, DistributionIsMonotoneItsDensityItsSlopeAndItsQuantileItsInverse) {
  constexpr int kPoints = 2000;
  for (const Params& p : kWindows) {
    SCOPED_TRACE(testing::Message() << p);
    const Moments m = TruncNormMoments(p.a, p.b, p.mu, p.sigma);
    const double low = std::fmax(p.a, m.mean - 12.0 * m.stdev), high = std::fmin(p.b, m.mean + 12.0 * m.stdev);
    const double h = (high - low) / kPoints;
    double previous = 0.0;
    for (int i = 0; i <= kPoints; ++i) {
      const double x = low + (high - low) * i / kPoints, cdf = At(TruncNormCdf, x, p), pdf = At(TruncNormPdf, x, p);
      ASSERT_TRUE(cdf >= previous && cdf <= 1.0 && pdf >= 0.0) << x;
      previous = cdf;
      if (i % 50 == 25) {
        const double slope = (At(TruncNormCdf, x + h, p) - At(TruncNormCdf, x - h, p)) / (2.0 * h);
        EXPECT_NEAR(slope, pdf, 2e-3 * pdf + 2.2e-6 / h) << x;
      }
      if (i % 10 == 0 && i > 0 && i < kPoints && cdf > 1e-12 && cdf < 1.0 - 1e-12) {
        EXPECT_NEAR(At(TruncNormQuantile, cdf, p), x, 3e-6 / pdf + 1e-9 * std::fabs(x)) << cdf;
      }
    }
  }
  // The pair that used to step down where the choice of formula changed.
  EXPECT_LE(TruncNormCdf(6.278018, 4.9, 6.9, 0, 1), TruncNormCdf(6.278019, 4.9, 6.9, 0, 1));
}

struct MomentRow { Params p; double mean, stdev, skew, kurt; };
const MomentRow kSmallSigma[] = {
#include "tests/unit/reference/truncated_normal_small_sigma.inc"
};
struct PointRow { Params p; double prob, quantile, density; };
const PointRow kFar[] = {
#include "tests/unit/reference/truncated_normal_far.inc"
};

// True moments at small sigma; far from mu the quantile keeps its digits relative to its offset from the bound,
// the distribution and density theirs.
TEST(TruncatedNormalWindow, SmallSigmaAndFarWindowsKeepTheirDigits) {
  for (const MomentRow& r : kSmallSigma) {
    const Moments m = TruncNormMoments(r.p.a, r.p.b, r.p.mu, r.p.sigma);
    const double spread = 1.01 * kTruncNormAgreement * r.stdev, shape = 1.01 * kTruncNormShapeAgreement;
    EXPECT_NEAR(m.mean, r.mean, spread + 4e-16 * std::fabs(r.mean)) << r.p;
    EXPECT_NEAR(m.stdev, r.stdev, spread) << r.p;
    EXPECT_TRUE(std::fabs(m.skew - r.skew) <= shape && std::fabs(m.kurt - r.kurt) <= shape) << r.p;
  }
  // No step where sigma crosses 0.00001.
  EXPECT_NEAR(TruncNormMoments(0, 1, 0, 9.99e-6).stdev / TruncNormMoments(0, 1, 0, 1e-5).stdev, 0.999, 1e-9);
  for (const PointRow& r : kFar) {
    SCOPED_TRACE(testing::Message() << r.p << " p " << r.prob);
    const double bound = std::fabs(r.quantile - r.p.a) < std::fabs(r.quantile - r.p.b) ? r.p.a : r.p.b;
    EXPECT_NEAR(At(TruncNormQuantile, r.prob, r.p), r.quantile,
                1e-9 * std::fabs(r.quantile - bound) + 4.5e-16 * std::fabs(bound));
    EXPECT_NEAR(At(TruncNormCdf, r.quantile, r.p), r.prob, 1e-9 * r.prob + 2.3e-16 * std::fabs(r.quantile) * r.density);
    EXPECT_NEAR(At(TruncNormPdf, r.quantile, r.p), r.density, 1e-6 * r.density);
  }
}

// Parameters -> moments -> fit, sigma 1e-9 to 100 widths, mu inside and far beyond the bounds: every fit whose
// parameters and deviation lie above 1e-12 succeeds and reproduces its targets; pinned parameters come back.
TEST(TruncatedNormalWindow, FitsRoundTripOrRefuse) {
  int pinned = 0;
  for (const Params& w : {Params{0, 1, 0, 1}, Params{-3, 1, 0, 1}, Params{10, 10.001, 0, 1}}) {
    for (const double location : {-5.0, -1.0, -0.2, 0.0, 0.3, 0.5, 0.9, 1.0, 1.5, 5.0, 50.0}) {
      for (const double scale : {1e-9, 1e-7, 1e-6, 1e-5, 1e-4, 1e-3, 0.01, 0.05, 0.1, 0.3, 1.0, 3.0, 10.0, 100.0}) {
        const Params p{w.a, w.b, w.a + (w.b - w.a) * location, (w.b - w.a) * scale};
        SCOPED_TRACE(testing::Message() << p);
        const Moments target = TruncNormMoments(p.a, p.b, p.mu, p.sigma);
        double mu = 0, sigma = 0;
        const bool fitted = TruncNormParam(p.a, p.b, target.mean, target.stdev, mu, sigma);
        EXPECT_TRUE(fitted || p.sigma <= 1e-12 || target.stdev <= 1e-12);
        if (!fitted) continue;
        const Moments back = TruncNormMoments(p.a, p.b, mu, sigma);
        EXPECT_NEAR(back.mean, target.mean, 1e-9 * target.stdev + 0x1p-50 * std::fabs(target.mean));
        EXPECT_NEAR(back.stdev, target.stdev, 1e-9 * target.stdev);
        // Rounding leaves the parameters open by the mean's last unit against the deviation, magnified by the
        // square of the distance (in sigma) from mu to a window it lies outside.
        const double outside = std::fmax(std::fmax(p.a - p.mu, p.mu - p.b), 0.0) / p.sigma;
        if (0x1p-52 * std::fabs(target.mean) / target.stdev * (1.0 + outside * outside) > 1e-7) continue;
        ++pinned;
        EXPECT_NEAR(mu, p.mu, 1e-6 * std::fmax(std::fabs(p.mu), p.sigma));
        EXPECT_NEAR(sigma, p.sigma, 1e-6 * p.sigma);
      }
    }
  }
  EXPECT_GT(pinned, 300);
  // 4000 sigma from mu the tail is exponential to 6e-8: mu from 4.99 to 5.01 shares the mean's last bit.
  double mu = 0, sigma = 0;
  ASSERT_TRUE(TruncNormParam(0, 1, 0.9999997500000313, 2.4999995312502e-07, mu, sigma));
  EXPECT_NEAR(TruncNormMoments(0, 1, mu, sigma).mean, 0.9999997500000313, 0x1p-52);
  EXPECT_NEAR(TruncNormMoments(0, 1, mu, sigma).stdev, 2.4999995312502e-07, 1e-14 * 2.5e-7);
  EXPECT_NEAR(mu, 5.0, 0.02);
}

}  // namespace
}  // namespace Zq::Math
