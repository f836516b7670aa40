// Round trips through each family's own moment formulas: the moments of a
// parameter set are fitted, and the fitted parameters' moments are the
// targets again.
#include <gtest/gtest.h>

#include <cmath>

#include "distributions/beta.h"
#include "distributions/gumbel.h"
#include "distributions/johnson_su.h"
#include "distributions/logistic.h"
#include "distributions/lognormal.h"
#include "distributions/parameter_fits.h"
#include "distributions/triangular.h"
#include "distributions/truncated_normal.h"
#include "distributions/weibull.h"

namespace {

using namespace Zq::Math;

// mean and stdev always; skew and kurt when the fit matched them.
void ExpectSame(const Moments& fitted, const Moments& target, bool higher, double tolerance) {
  EXPECT_NEAR(fitted.mean, target.mean, tolerance * (std::fabs(target.mean) + target.stdev));
  EXPECT_NEAR(fitted.stdev / target.stdev, 1, tolerance);
  if (!higher) return;
  EXPECT_NEAR(fitted.skew, target.skew, tolerance * (std::fabs(target.skew) + 1));
  EXPECT_NEAR(fitted.kurt, target.kurt, tolerance * (std::fabs(target.kurt) + 1));
}

TEST(ParameterFitsFamily, TwoParameterFamilies) {
  for (double a : {0.4, 1.0, 3.0, 12.0})
    for (double b : {0.5, 2.0, 7.0}) {
      const Moments beta = BetaMoments(a, b);
      double p = 0, q = 0;
      ASSERT_TRUE(BetaParam(beta.mean, beta.stdev, p, q));
      ExpectSame(BetaMoments(p, q), beta, true, 1e-12);

      const Moments gumbel = GumbelMoments(a - 2, b);
      ASSERT_TRUE(GumbelParam(gumbel.mean, gumbel.stdev, p, q));
      ExpectSame(GumbelMoments(p, q), gumbel, true, 1e-12);

      const Moments logistic = LogisticMoments(a - 2, b);
      ASSERT_TRUE(LogisticParam(logistic.mean, logistic.stdev, p, q));
      ExpectSame(LogisticMoments(p, q), logistic, true, 1e-12);

      const Moments lognormal = LogNormMoments(a - 2, b / 4);
      ASSERT_TRUE(LogNormParam(lognormal.mean, lognormal.stdev, p, q));
      ExpectSame(LogNormMoments(p, q), lognormal, true, 1e-10);

      const Moments weibull = WeibullMoments(a, b);  // shape, scale
      ASSERT_TRUE(WeibullParam(weibull.mean, weibull.stdev, p, q));
      ExpectSame(WeibullMoments(q, p), weibull, true, 1e-8);
    }
}

TEST(ParameterFitsFamily, Triangular) {
  for (double mode : {0.001, 0.2, 0.5, 0.7, 0.999}) {
    const Moments target = TriangularMoments(-1, 3, -1 + 4 * mode);
    double lo = 0, hi = 0, c = 0;
    ASSERT_TRUE(TriangularParam(target.mean, target.stdev, target.skew, lo, hi, c)) << mode;
    ExpectSame(TriangularMoments(lo, hi, c), target, true, 1e-8);
    EXPECT_NEAR(lo, -1, 1e-6);
    EXPECT_NEAR(hi, 3, 1e-6);
  }
}

TEST(ParameterFitsFamily, TruncatedNormal) {
  for (double mu : {-0.5, 0.4, 1.5})
    for (double sigma : {0.2, 0.6, 1.5}) {
      const Moments target = TruncNormMoments(0, 1, mu, sigma);
      double m = 0, s = 0;
      ASSERT_TRUE(TruncNormParam(0, 1, target.mean, target.stdev, m, s)) << mu << " " << sigma;
      ExpectSame(TruncNormMoments(0, 1, m, s), target, false, 1e-9);
    }
}

TEST(ParameterFitsFamily, JohnsonSU) {
  for (double gamma : {-2.0, -0.5, 0.0, 0.7})
    for (double delta : {0.8, 1.5, 3.0}) {
      const Moments target = JohnsonSUMoments(gamma, delta, 2.0, 1.0);
      double g = 0, d = 0, l = 0, x = 0;
      ASSERT_TRUE(JohnsonSUParam(target.mean, target.stdev, target.skew, target.kurt, g, d, l, x))
          << gamma << " " << delta;
      ExpectSame(JohnsonSUMoments(g, d, l, x), target, true, 1e-7);
    }
}

}  // namespace
