// Column statistics at scales where their sums leave the range of doubles;
// which matrices of correlations can be one.
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

constexpr double kScales[] = {-1e307, -1e200, -1e-3, 1e-300, 1e-200, 0x1.0p-600, 1e-160, 1e-100, 1e-10,
                              1,      1e10,   1e100, 1e160,  0x1.0p600, 1e200, 1e300, 1e307};

// value is expected * a * b where that is a normal double, infinite above.
void ExpectScaled(double value, double expected, double a, double b) {
  const double magnitude = std::log10(std::fabs(expected * a)) + std::log10(std::fabs(b));
  if (magnitude > 308.3)
    EXPECT_TRUE(std::isinf(value)) << value;
  else if (magnitude < -307.7)
    EXPECT_LE(std::fabs(value), std::numeric_limits<double>::min()) << value;
  else
    EXPECT_NEAR(value / a / b, expected, 1e-14 * std::fabs(expected));
}

// Correlations do not depend on the scales; the other statistics follow them.
TEST(StatisticsScaleTest, CorrelationIgnoresScalesAndMomentsFollowThem) {
  const std::vector<double> x0 = {1, 2, 3, 5, 8, 13, 4}, y0 = {2, 1, 4, 3, 6, 4, -1};
  const ConstVectorView vx0(x0.data(), 1, 7), vy0(y0.data(), 1, 7);
  std::vector<double> x(7), y(7);
  const ConstVectorView vx(x.data(), 1, 7), vy(y.data(), 1, 7);
  for (double sx : kScales) {
    for (int i = 0; i < 7; ++i) x[i] = x0[i] * sx;
    SCOPED_TRACE(testing::Message() << "x scaled by " << sx);
    ExpectScaled(ColumnMean(vx), ColumnMean(vx0), sx, 1);
    ExpectScaled(PopulationStdev(vx), PopulationStdev(vx0), std::fabs(sx), 1);
    ExpectScaled(PopulationVariance(vx), PopulationVariance(vx0), sx, sx);
    for (double sy : kScales) {
      for (int i = 0; i < 7; ++i) y[i] = y0[i] * sy;
      SCOPED_TRACE(testing::Message() << "y scaled by " << sy);
      EXPECT_NEAR(PairCorrelation(vx, vy), std::copysign(1.0, sx * sy) * PairCorrelation(vx0, vy0), 1e-14);
      ExpectScaled(PairCovariance(vx, vy), PairCovariance(vx0, vy0), sx, sy);
    }
  }
  const double top = std::sqrt(std::numeric_limits<double>::max());  // squared, it overflows
  EXPECT_NEAR(CorrelationFromCovariance(std::numeric_limits<double>::max(), top, top), 1.0, 1e-15);
}

Matrix Square(int n, const std::vector<double>& values) {
  Matrix m(n, n, Init::Zero);
  for (int k = 0; k < n * n; ++k) m(k / n, k % n) = values[k];
  return m;
}

// Accepted: the singular correlations of x1, x2 and x1 + x2 written to 15
// digits, and the all-a matrix (eigenvalues 1 + 2a, 1 - a) for a in
// [-1/2, 1]; refused: a beyond those ends by a few margins or more, and a
// symmetric part that is indefinite.
TEST(SemidefiniteTest, AcceptsRoundedSingularMatricesAndRefusesIndefiniteOnes) {
  for (double rho : {-0.999, 0.0, 0.95, 0.999999}) {
    const double r = (1 + rho) / std::sqrt(2 + 2 * rho);
    std::vector<double> values = {1, rho, r, rho, 1, r, r, r, 1};
    char text[32];
    for (double& v : values) {
      std::snprintf(text, sizeof text, "%.15g", v);
      v = std::strtod(text, nullptr);
    }
    EXPECT_TRUE(IsCorrelationSemidefinite(Square(3, values))) << rho;
  }
  for (double a : {-0.5, 0.0, 0.7, 1.0, 1 + 12 * 0x1.0p-40, -0.5 - 6 * 0x1.0p-40, 1.001, -0.9})
    EXPECT_EQ(IsCorrelationSemidefinite(Square(3, {1, a, a, a, 1, a, a, a, 1})), a >= -0.5 && a <= 1) << a;
  EXPECT_TRUE(IsCorrelationSemidefinite(Square(2, {1, 1.5, -1.5, 1})));
  EXPECT_FALSE(IsCorrelationSemidefinite(Square(2, {1, 1e150, 1e150, 1})));
}

}  // namespace
}  // namespace Zq::Math
