// Correlations do not depend on the columns' scales, and means, deviations,
// variances and covariances follow the scales wherever the result is
// representable, even where the sums of the scaled data leave the range of
// doubles. Whether a matrix of correlations can be one: positive
// semi-definite up to the rounding of its entries.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <vector>

#include "multivariate/semidefinite.h"
#include "multivariate/statistics.h"

namespace Zq::Math {
namespace {

const std::vector<double> kX = {1, 2, 3, 5, 8, 13, 4};
const std::vector<double> kY = {2, 1, 4, 3, 6, 4, -1};
// Powers of ten and of two, far beyond where squares or sums of the scaled
// columns overflow (above about 1e154) or leave the normal range (below about
// 1e-154), and both signs.
constexpr double kScales[] = {-1e307, -1e200, -1e-3,     1e-300, 1e-200, 0x1.0p-600, 1e-160, 1e-100,
                              1e-10,  1,      1e10,      1e100,  1e160,  0x1.0p600,  1e200,  1e300, 1e307};

std::vector<double> Times(const std::vector<double>& values, double scale) {
  std::vector<double> scaled;
  for (double v : values) scaled.push_back(v * scale);
  return scaled;
}

ConstVectorView View(const std::vector<double>& values) {
  return ConstVectorView(values.data(), 1, static_cast<std::int32_t>(values.size()));
}

// value equals expected * first * second where that is representable; it is
// infinite above that range and at most the least normal double below it.
void ExpectScaled(double value, double expected, double first, double second, const char* what) {
  const double magnitude = std::log10(std::fabs(expected)) + std::log10(std::fabs(first)) + std::log10(std::fabs(second));
  SCOPED_TRACE(what);
  if (magnitude > 308.3) {
    EXPECT_TRUE(std::isinf(value)) << value;
  } else if (magnitude < -307.7) {
    EXPECT_LE(std::fabs(value), std::numeric_limits<double>::min()) << value;
  } else {
    EXPECT_NEAR(value / first / second, expected, 1e-14 * std::fabs(expected));
  }
}

TEST(StatisticsScaleTest, CorrelationIgnoresScalesAndMomentsFollowThem) {
  const double correlation = PairCorrelation(View(kX), View(kY));
  const double covariance = PairCovariance(View(kX), View(kY));
  const double mean = ColumnMean(View(kX));
  const double variance = PopulationVariance(View(kX));
  const double stdev = PopulationStdev(View(kX));
  for (double sx : kScales) {
    const std::vector<double> x = Times(kX, sx);
    SCOPED_TRACE(testing::Message() << "x scaled by " << sx);
    ExpectScaled(ColumnMean(View(x)), mean, sx, 1, "mean");
    ExpectScaled(PopulationStdev(View(x)), stdev, std::fabs(sx), 1, "stdev");
    ExpectScaled(PopulationVariance(View(x)), variance, sx, sx, "variance");
    for (double sy : kScales) {
      const std::vector<double> y = Times(kY, sy);
      SCOPED_TRACE(testing::Message() << "y scaled by " << sy);
      const double sign = (sx < 0) == (sy < 0) ? 1 : -1;
      EXPECT_NEAR(PairCorrelation(View(x), View(y)), sign * correlation, 1e-14);
      EXPECT_NEAR(PairCorrelation(View(y), View(x)), sign * correlation, 1e-14);
      ExpectScaled(PairCovariance(View(x), View(y)), covariance, sx, sy, "covariance");
    }
  }
}

// Where the plain sums are in range the results are their plain formulas,
// bit for bit.
TEST(StatisticsScaleTest, PlainSumsKeepTheirFormulas) {
  for (double scale : {1e-100, 1e-10, 1.0, 1e10, 1e100}) {
    const std::vector<double> x = Times(kX, scale);
    const PairSums s = PairMoments(View(x), View(kY));
    const double n = s.n;
    EXPECT_EQ(PairCorrelation(View(x), View(kY)), s.sxy / (std::sqrt(s.sxx * s.syy / (n * n)) * n)) << scale;
    EXPECT_EQ(PopulationVariance(View(x)), s.sxx / n) << scale;
    EXPECT_EQ(PopulationStdev(View(x)), std::sqrt(s.sxx / n)) << scale;
  }
}

TEST(StatisticsScaleTest, ConstantColumnsStayWithoutCorrelation) {
  for (double value : {1e-300, 1.0, 1e300}) {
    const std::vector<double> constant(kX.size(), value);
    EXPECT_TRUE(std::isnan(PairCorrelation(View(constant), View(kY)))) << value;
    EXPECT_EQ(PopulationStdev(View(constant)), 0.0) << value;
    EXPECT_EQ(ColumnMean(View(constant)), value);
  }
}

TEST(StatisticsScaleTest, CorrelationFromCovarianceAtExtremeDeviations) {
  EXPECT_EQ(CorrelationFromCovariance(3, 2, 4), 3.0 / 8);
  // sqrt(DBL_MAX) squared overflows; 1e-160 squared is below the normal range.
  const double top = std::sqrt(std::numeric_limits<double>::max());
  EXPECT_NEAR(CorrelationFromCovariance(std::numeric_limits<double>::max(), top, top), 1.0, 1e-15);
  EXPECT_NEAR(CorrelationFromCovariance(0.5e-320, 1e-160, 1e-160), 0.5, 1e-3);  // subnormal covariance
  EXPECT_NEAR(CorrelationFromCovariance(0.25e-300, 1e-150, 1e-150), 0.25, 1e-15);
}

Matrix Square(int n, const std::vector<double>& values) {
  Matrix m(n, n, Init::Zero);
  for (int i = 0; i < n; ++i)
    for (int j = 0; j < n; ++j) m(i, j) = values[i * n + j];
  return m;
}

// Correlations of x1, x2 and x1 + x2 (a singular matrix) written to 15
// digits, as a sheet shows them, are accepted; a negative eigenvalue a few
// times the margin, or the correlations of 1e150 that a mis-scaled
// covariance gives, are not.
TEST(SemidefiniteTest, AcceptsRoundedSingularMatricesAndRefusesIndefiniteOnes) {
  for (double rho : {-0.999, -0.5, 0.0, 0.3, 0.95, 0.999999}) {
    const double r13 = (1 + rho) / std::sqrt(2 + 2 * rho);
    const double r23 = r13;
    std::vector<double> values = {1, rho, r13, rho, 1, r23, r13, r23, 1};
    for (double& v : values) {
      char text[32];
      std::snprintf(text, sizeof text, "%.15g", v);
      v = std::strtod(text, nullptr);
    }
    EXPECT_TRUE(IsCorrelationSemidefinite(Square(3, values))) << rho;
  }
  // The all-a off-diagonal matrix has the eigenvalues 1 + 2a and 1 - a (twice):
  // semi-definite for a in [-1/2, 1], singular at either end.
  for (double a : {-0.5, -0.2, 0.0, 0.7, 1.0}) EXPECT_TRUE(IsCorrelationSemidefinite(Square(3, {1, a, a, a, 1, a, a, a, 1}))) << a;
  const double margin = 3 * 0x1.0p-40;
  for (double below : {4 * margin, 1e-9, 1e-3, 0.5}) {
    for (double a : {1 + below, -0.5 - below / 2}) {
      EXPECT_FALSE(IsCorrelationSemidefinite(Square(3, {1, a, a, a, 1, a, a, a, 1}))) << a;
    }
  }
  EXPECT_FALSE(IsCorrelationSemidefinite(Square(2, {1, 1e150, 1e150, 1})));
  // Only the symmetric part counts: x^T K x is the same for K and K^T.
  EXPECT_TRUE(IsCorrelationSemidefinite(Square(2, {1, 1.5, -1.5, 1})));
  EXPECT_FALSE(IsCorrelationSemidefinite(Square(2, {1, 1.5, 1.5, 1})));
}

}  // namespace
}  // namespace Zq::Math
