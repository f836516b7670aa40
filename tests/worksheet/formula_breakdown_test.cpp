// The functions whose closed formulas overflow, underflow or cancel at
// valid arguments (the bivariate normal, Johnson SU moments, the beta
// density, Weibull and logistic quantiles, triangular moments and
// quantiles), against reference values from quadrature, SciPy or 50-digit
// closed forms (tests/unit/reference/make_reference.py); and every call
// once seen to break down, at its sound value.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "addin/worksheet_functions.h"
#include "distributions/johnson_su.h"
#include "distributions/logistic.h"
#include "distributions/normal.h"
#include "distributions/normal_window.h"
#include "distributions/special_functions.h"
#include "distributions/triangular.h"
#include "distributions/weibull.h"
#include "tests/worksheet/worksheet_test_support.h"

namespace Zq::Math {
namespace {

void ExpectRelative(double actual, double expected, double tolerance, const std::string& what) {
  EXPECT_NEAR(actual, expected, tolerance * std::fabs(expected)) << what;
}

double Number(LPXLOPER record) {
  EXPECT_NE(record, nullptr);
  if (record == nullptr || record->xltype != xltypeNum) return std::nan("");
  return record->val.num;
}

TEST(BreakdownCalls, EveryListedCallGivesTheSoundValue) {
  ExpectRelative(Number(ZqTruncNormKurt(2, 3, 0, 1)), -0.24241366768430206, 1e-6, "kurt [2, 3]");
  ExpectRelative(Number(ZqTruncNormSkew(4, 5, 0, 1)), 1.3299902877152119, 1e-6, "skew [4, 5]");
  ExpectRelative(Number(ZqTruncNormStdev(8, 9, 0, 1)), 0.11894764723502568, 1e-6, "stdev [8, 9]");
  ExpectRelative(Number(ZqTruncNormMean(0, 1, 100, 1)), 0.9899010500685516, 1e-6, "mean mu 100");
  ExpectRelative(Number(ZqTruncNormInv(0.3, 30, 1e300, 0, 1)), 30.011873653870605, 1e-6, "inv [30, inf)");
  ExpectRelative(Number(ZqTruncNormDist(8.5, 8, 9, 0, 1, 1)), 0.9849406286168291, 1e-6, "dist [8, 9]");
  ExpectRelative(Number(ZqBiNormDist(0.5, 1e-12, 0.4, 1)), 0.40310, 2e-5, "binorm 1e-12");
  ExpectRelative(Number(ZqBiNormDist(1e8, 0.3, 0.4, 1)), NormCdf(0.3), 0, "binorm 1e8");
  ExpectRelative(Number(ZqBiNormDist(1e300, 0.3, 0.4, 1)), NormCdf(0.3), 0, "binorm 1e300");
  ExpectRelative(Number(ZqJohnsonSUMean(20, 1, 1, 0)), -std::exp(0.5) * 242582597.70489514, 1e-6, "Johnson SU mean");
  ExpectRelative(Number(ZqJohnsonSUSkew(200, 1.5, 2, 0.1)), -2.662882696917909, 1e-6, "Johnson SU skew");
  ExpectRelative(Number(ZqBetaDist(0.5, 1000, 1000, 0)), 35.678022291708636, 1e-6, "beta density");
  ExpectRelative(Number(ZqWeibullInv(1e-20, 100, 1)), 0.630957344480193, 1e-6, "Weibull quantile");
  ExpectRelative(Number(ZqLogisticInv(1e-17, 0, 1)), -39.14394658089878, 1e-6, "logistic quantile");
  ExpectRelative(Number(ZqTriangularStdev(1e8, 100000001, 100000000.5)), 0.20412414523193154, 1e-6, "triangular");
  ExpectRelative(Number(ZqTriangularInv(0.3, 0, 1e160, 1)), 1.6333997346592444e159, 1e-6, "triangular quantile");
  ExpectRelative(Number(ZqBiNormDist(1e-300, 1e-300, 0.5, 1)), 1.0 / 3.0, 2e-6, "binorm 1e-300");
  ExpectRelative(Number(ZqBetaDist(0.5, 1e6, 1e6, 1)), 0.5, 1e-6, "beta shapes 1e6");
  ExpectRelative(Number(ZqJohnsonSUStdev(0, 0.05, 1, 0)), 3.6921366253919266e173, 1e-6, "Johnson SU delta 0.05");
  ExpectRelative(Number(ZqTriangularDist(0, -1e160, 1e160, 0, 1)), 0.5, 1e-6, "triangular 1e160");
  ExpectRelative(Number(ZqTriangularDist(0, -1e160, 1e160, 0, 0)), 1e-160, 1e-6, "triangular density 1e160");
  ExpectRelative(Number(ZqTriangularMean(0, 1e308, 9e307)), 6.333333333333333e307, 1e-6, "triangular mean 1e308");
  EXPECT_EQ(Number(ZqWeibullDist(8.86e124, 84.28, 6.19, 0)), 0.0);
  const std::vector<double> draws = Testing::TakeColumn(ZqRandTriangular(50, -1e300, 1e300, 0, 0, 1, 2), 50);
  ASSERT_EQ(draws.size(), 50u);
  for (double v : draws) EXPECT_TRUE(v > -1e300 && v < 1e300) << v;
}

// A Johnson SU distribution needs lambda > 1e-12, as its sampler does: a
// negative lambda gave negative densities.
TEST(BreakdownCalls, JohnsonSUFunctionsRefuseANonPositiveLambda) {
  for (double lambda : {-1.0, 0.0, 1e-12}) {
    EXPECT_TRUE(Testing::IsValueError(ZqJohnsonSUDist(1, 0, 1, lambda, 0, 0)));
    EXPECT_TRUE(Testing::IsValueError(ZqJohnsonSUDist(1, 0, 1, lambda, 0, 1)));
    EXPECT_TRUE(Testing::IsValueError(ZqJohnsonSUInv(0.3, 0, 1, lambda, 0)));
    EXPECT_TRUE(Testing::IsValueError(ZqJohnsonSUNormQQ(0.3, 0, 1, lambda, 0)));
    EXPECT_TRUE(Testing::IsValueError(ZqJohnsonSUMean(0.5, 1, lambda, 0)));
    EXPECT_TRUE(Testing::IsValueError(ZqJohnsonSUStdev(0.5, 1, lambda, 0)));
    EXPECT_TRUE(Testing::IsValueError(ZqJohnsonSUSkew(0.5, 1, lambda, 0)));
    EXPECT_TRUE(Testing::IsValueError(ZqJohnsonSUKurt(0.5, 1, lambda, 0)));
    EXPECT_TRUE(Testing::IsValueError(ZqJohnsonSUMom(0.5, 1, lambda, 0)));
    EXPECT_TRUE(Testing::IsValueError(ZqRandJohnsonSU(2, 0, 1, lambda, 0, 0, 1, 2, 0, 0, 0)));
  }
  EXPECT_GT(Number(ZqJohnsonSUDist(1, 0, 1, 1.1e-12, 0, 0)), 0.0);
}

struct BivariateRow {
  double x, y, rho, cdf;
};
const BivariateRow kBivariateRows[] = {
#include "tests/unit/reference/bivariate_normal.inc"
};

// Drezner's four-point rule is good to about 5e-6 where it applies; the
// limits (huge arguments, correlations rounded to +-1) are exact.
TEST(BivariateNormalSoundness, EveryValidArgumentGivesAProbability) {
  for (const BivariateRow& r : kBivariateRows) {
    const double p = BiNormCdf(r.x, r.y, r.rho);
    EXPECT_NEAR(p, r.cdf, 1e-5) << r.x << " " << r.y << " " << r.rho;
  }
}

struct JohnsonRow {
  double gamma, delta, lambda, xi, mean, stdev, skew, kurt;
};
const JohnsonRow kJohnsonRows[] = {
#include "tests/unit/reference/johnson_su_moments.inc"
};

TEST(JohnsonSUSoundness, MomentsMatchTheirClosedForms) {
  for (const JohnsonRow& r : kJohnsonRows) {
    const Moments m = JohnsonSUMoments(r.gamma, r.delta, r.lambda, r.xi);
    const std::string where = std::to_string(r.gamma) + " " + std::to_string(r.delta) + " " + std::to_string(r.lambda);
    EXPECT_NEAR(m.mean, r.mean, 1e-6 * std::fabs(r.stdev) + 1e-15 * std::fabs(r.mean)) << where;
    ExpectRelative(m.stdev, r.stdev, 1e-6, where);
    EXPECT_NEAR(m.skew, r.skew, 1e-6 * std::fmax(1.0, std::fabs(r.skew))) << where;
    EXPECT_NEAR(m.kurt, r.kurt, 1e-6 * std::fmax(1.0, std::fabs(r.kurt))) << where;
  }
}

struct QuantileRow {
  double kind, prob, p1, p2, p3, p4;
};
const QuantileRow kQuantileRows[] = {
#include "tests/unit/reference/quantiles.inc"
};

TEST(QuantileSoundness, WeibullLogisticAndTriangularQuantilesMatchTheirClosedForms) {
  for (const QuantileRow& r : kQuantileRows) {
    const std::string where = std::to_string(r.kind) + " p " + std::to_string(r.prob);
    if (r.kind == 0) {
      ExpectRelative(WeibullInv(r.prob, r.p1, r.p2), r.p3, 1e-6, where);
    } else if (r.kind == 1) {
      EXPECT_NEAR(LogisticInv(r.prob, r.p1, r.p2), r.p3, 1e-6 * r.p2 * std::fmax(1.0, std::fabs(r.p3 - r.p1))) << where;
    } else if (TriangularShapeValid(r.p1, r.p2, r.p3)) {
      const double deviation = TriangularMoments(r.p1, r.p2, r.p3).stdev;
      EXPECT_NEAR(TriangularInv(r.prob, r.p1, r.p2, r.p3), r.p4, 1e-6 * deviation + 4e-16 * std::fabs(r.p4)) << where;
    }
  }
}

struct TriangularRow {
  double a, b, c, mean, stdev, skew;
};
const TriangularRow kTriangularRows[] = {
#include "tests/unit/reference/triangular_moments.inc"
};

TEST(TriangularSoundness, MomentsHoldFarFromZeroAndAtHugeWidths) {
  for (const TriangularRow& r : kTriangularRows) {
    const Moments m = TriangularMoments(r.a, r.b, r.c);
    const std::string where = std::to_string(r.a) + " " + std::to_string(r.b);
    EXPECT_NEAR(m.mean, r.mean, 1e-6 * r.stdev + 4e-16 * std::fabs(r.mean)) << where;
    ExpectRelative(m.stdev, r.stdev, 1e-6, where);
    EXPECT_NEAR(m.skew, r.skew, 1e-6) << where;
  }
}

struct BetaRow {
  double x, alpha, beta, density;
};
const BetaRow kBetaRows[] = {
#include "tests/unit/reference/beta_density.inc"
};

TEST(BetaSoundness, DensityOfLargeShapesIsAnOrdinaryNumber) {
  for (const BetaRow& r : kBetaRows) {
    if (r.density < 1e-300) continue;
    ExpectRelative(BetaPdf(r.x, r.alpha, r.beta), r.density, 1e-6,
                   std::to_string(r.x) + " " + std::to_string(r.alpha) + " " + std::to_string(r.beta));
  }
}

// The kernels behind the stable forms, at the seams between their pieces.
TEST(StableKernels, PiecesMeetWithoutASeam) {
  EXPECT_NEAR(MillsRatio(std::nextafter(2.5, 0.0)), MillsRatio(2.5), 5e-14 * MillsRatio(2.5));
  // The narrow window's quadrature hands over once width * (a + width) > 1.
  for (const double a : {0.0, 0.5, 2.0, 10.0}) {
    double wide = (std::sqrt(a * a + 4.0) - a) / 2.0 * (1.0 - 1e-14);
    while (wide * (a + wide) <= 1.0) wide = std::nextafter(wide, 2.0);
    const double narrow = std::nextafter(wide, 0.0);
    const double inside = NormalWindowMass(a, a + narrow, narrow).scaled;
    const double outside = NormalWindowMass(a, a + wide, wide).scaled;
    EXPECT_NEAR(inside, outside, 1e-14 * outside) << a;
  }
  EXPECT_EQ(ExpMinusOne(1e-10), 1.00000000005e-10);
  EXPECT_NEAR(ExpMinusOne(-0.49), std::exp(-0.49) - 1.0, 1e-16);
  EXPECT_EQ(LogOnePlus(1e-17), 1e-17);
  EXPECT_NEAR(LogOnePlus(-1e-10), -1.00000000005e-10, 1e-26);
  EXPECT_EQ(LogOnePlus(-0.5), std::log(0.5));
}

}  // namespace
}  // namespace Zq::Math
