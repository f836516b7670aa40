#include <cmath>
#include <limits>
#include <vector>

#include <boost/math/distributions/normal.hpp>
#include <boost/math/special_functions/owens_t.hpp>
#include <gtest/gtest.h>

#include "distributions/normal.h"

namespace {

using namespace Zq::Math;

double ExactCdf(double x) { return 0.5 * std::erfc(-x / std::sqrt(2.0)); }

// P(X <= h, Y <= k) through Owen's T, for h and k both non-zero.
double OracleBiCdf(double h, double k, double rho) {
  if (rho == 0) return ExactCdf(h) * ExactCdf(k);
  const double s = std::sqrt(1 - rho * rho);
  const double beta = h * k > 0 ? 0.0 : 0.5;
  return 0.5 * ExactCdf(h) + 0.5 * ExactCdf(k) - boost::math::owens_t(h, (k - rho * h) / (h * s)) -
         boost::math::owens_t(k, (h - rho * k) / (k * s)) - beta;
}

TEST(NormCdf, ReferenceValuesAndApproximationError) {
  EXPECT_NEAR(NormCdf(0), 0.500000000525, 5e-13);
  EXPECT_NE(NormCdf(0), 0.5);
  EXPECT_NEAR(NormCdf(1.96), 0.9750021748, 5e-11);
  EXPECT_NEAR(NormCdf(-1.96), 0.0249978252, 5e-11);
  double worst = 0;
  for (double x = -8; x <= 8; x += 0.01) worst = std::fmax(worst, std::fabs(NormCdf(x) - ExactCdf(x)));
  EXPECT_LT(worst, 7.5e-8);  // the published bound of the polynomial
  EXPECT_TRUE(std::isnan(NormCdf(std::numeric_limits<double>::quiet_NaN())));
}

TEST(NormPdf, MatchesTheDensity) {
  for (double x = -6; x <= 6; x += 0.25) {
    const double exact = std::exp(-x * x / 2) / std::sqrt(2 * M_PI);
    EXPECT_NEAR(NormPdf(x), exact, 2e-15 * exact) << x;
  }
}

// The block form is the scalar one, element by element: both regions, the
// switch between them, the ends and NaN, over more than one internal chunk.
TEST(NormCdfInv, BlockGivesTheScalarBits) {
  std::vector<double> u;
  for (int k = 0; k <= 200; ++k) u.push_back(k / 200.0);
  for (double edge : {0.08, 0.92}) {
    u.push_back(edge);
    u.push_back(std::nextafter(edge, 0.0));
    u.push_back(std::nextafter(edge, 1.0));
  }
  u.push_back(1e-300);
  u.push_back(std::numeric_limits<double>::quiet_NaN());
  std::vector<double> z(u.size());
  NormCdfInv(u.data(), z.data(), static_cast<int>(u.size()));
  for (std::size_t k = 0; k < u.size(); ++k) {
    const double expected = NormCdfInv(u[k]);
    if (std::isnan(expected)) {
      EXPECT_TRUE(std::isnan(z[k])) << u[k];
    } else {
      EXPECT_EQ(z[k], expected) << u[k];
    }
  }
}

TEST(NormCdfInv, ReferenceValuesTailSwitchAndAccuracy) {
  EXPECT_EQ(NormCdfInv(0.5), 0.0);
  EXPECT_NEAR(NormCdfInv(0.975), 1.9599639845, 5e-11);
  EXPECT_NEAR(NormCdfInv(0.001), -3.0902323063, 5e-11);
  // 0.92 - 0.5 rounds to just above 0.42, so the tail polynomial answers.
  EXPECT_NEAR(NormCdfInv(0.92), 1.4050715603, 1e-10);
  EXPECT_NEAR(NormCdfInv(0.08), -1.4050715603, 1e-10);
  const boost::math::normal standard;
  double worst = 0;
  for (double u = 1e-12; u < 1; u += u < 0.01 || u > 0.99 ? 1e-5 : 1e-3) {
    worst = std::fmax(worst, std::fabs(NormCdfInv(u) - boost::math::quantile(standard, u)));
  }
  EXPECT_LT(worst, 3.2e-9);
  EXPECT_TRUE(std::isinf(NormCdfInv(0)));
  EXPECT_TRUE(std::isinf(NormCdfInv(1)));
}

TEST(BiNormPdf, DensityAndDegenerateCorrelations) {
  for (double rho : {-0.8, -0.2, 0.0, 0.5, 0.95}) {
    for (double a : {-1.5, 0.0, 0.7}) {
      const double b = 0.4;
      const double exact = std::exp(-(a * a - 2 * rho * a * b + b * b) / (2 * (1 - rho * rho))) /
                           (2 * M_PI * std::sqrt(1 - rho * rho));
      EXPECT_NEAR(BiNormPdf(a, b, rho), exact, 1e-14 * (1 + exact)) << a << " " << rho;
    }
  }
  EXPECT_TRUE(std::isnan(BiNormPdf(1, 1, 1)));
  EXPECT_EQ(BiNormPdf(1, 2, 1), 0.0);
  EXPECT_TRUE(std::isnan(BiNormPdf(1, -1, -1)));
  EXPECT_EQ(BiNormPdf(1, 1, -1), 0.0);
  EXPECT_TRUE(std::isnan(BiNormPdf(0, 0, 1.5)));
  EXPECT_TRUE(std::isnan(BiNormPdf(0, 0, -1.0001)));
}

TEST(BiNormCdf, QuadratureAtTheOrigin) {
  EXPECT_NEAR(BiNormQuadrature(0, 0, 0), 0.2499999986, 5e-11);
  EXPECT_EQ(BiNormCdf(0, 0, 0), BiNormQuadrature(0, 0, 0));
  for (double rho = -0.99; rho <= 0.99; rho += 0.01) {
    EXPECT_NEAR(BiNormCdf(0, 0, rho), 0.25 + std::asin(rho) / (2 * M_PI), 3e-6) << rho;
  }
}

// Drezner's four-point rule is good to about 1e-5 over the whole plane; the
// worst measured error is 8.3e-6, at a = b = -2.25 with rho close to 1.
TEST(BiNormCdf, AgreesWithOwensTOverAGrid) {
  double worst = 0;
  for (double a = -4.05; a < 4.1; a += 0.3) {
    for (double b = -4.05; b < 4.1; b += 0.3) {
      for (double rho = -0.999; rho < 1; rho += 0.037) {
        const double value = BiNormCdf(a, b, rho);
        ASSERT_GE(value, 0.0);
        worst = std::fmax(worst, std::fabs(value - OracleBiCdf(a, b, rho)));
      }
    }
  }
  EXPECT_LT(worst, 1e-5);
}

TEST(BiNormCdf, CorrelationLimitsAndOutsideValues) {
  const double inside = 0.9999999999999998;
  for (double a : {-1.0, 0.3, 2.0}) {
    for (double b : {-0.5, 0.3, 1.5}) {
      EXPECT_EQ(BiNormCdf(a, b, 1), NormCdf(FiniteMin(a, b)));
      EXPECT_EQ(BiNormCdf(a, b, inside), NormCdf(FiniteMin(a, b)));
      const double lower = a + b > 0 ? NormCdf(a) + NormCdf(b) - 1 : 0.0;
      EXPECT_EQ(BiNormCdf(a, b, -1), lower);
      EXPECT_EQ(BiNormCdf(a, b, -inside), lower);
    }
  }
  EXPECT_NEAR(BiNormCdf(0.3, -0.2, 0.99999), OracleBiCdf(0.3, -0.2, 0.99999), 1e-7);
  EXPECT_NEAR(BiNormCdf(0.3, -0.2, -0.99999), OracleBiCdf(0.3, -0.2, -0.99999), 1e-7);
  EXPECT_TRUE(std::isnan(BiNormCdf(0, 0, 1.5)));
  EXPECT_TRUE(std::isnan(BiNormCdf(0, 0, -1.0001)));
}

TEST(BiNormCdf, NegativeCaseFormulaIsClampedToZero) {
  const double a = -8.634290507301067, b = 1.9251600167311533, rho = 0.001015265542381627;
  ASSERT_LT(NormCdf(a) - BiNormQuadrature(a, -b, -rho), 0.0);
  EXPECT_EQ(BiNormCdf(a, b, rho), 0.0);
}

TEST(BiNormSplit, MatchesTheOracleAwayFromTheAxes) {
  for (double rho : {-0.6, 0.45}) {
    EXPECT_NEAR(BiNormSplit(-1.2, 0.8, rho), OracleBiCdf(-1.2, 0.8, rho), 1e-5);
    EXPECT_NEAR(BiNormSplit(1.1, 0.7, rho), OracleBiCdf(1.1, 0.7, rho), 1e-5);
    EXPECT_NEAR(BiNormSplit(-0.4, -1.9, rho), OracleBiCdf(-0.4, -1.9, rho), 1e-5);
  }
}

TEST(FiniteMin, SmallerOfFiniteValuesElseNaN) {
  EXPECT_EQ(FiniteMin(2, -3), -3);
  EXPECT_EQ(FiniteMin(-3, 2), -3);
  EXPECT_EQ(std::signbit(FiniteMin(-0.0, 0.0)), true);
  EXPECT_TRUE(std::isnan(FiniteMin(std::numeric_limits<double>::infinity(), 1)));
  EXPECT_TRUE(std::isnan(FiniteMin(1, std::numeric_limits<double>::quiet_NaN())));
}

}  // namespace
