#include "multivariate/statistics.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

namespace Zq::Math {
namespace {

TEST(StatisticsTest, ConstantColumnHasExactMeanAndNoSpread) {
  const std::vector<double> tenths(10, 0.1);
  const ConstVectorView x(tenths.data(), 1, 10);
  EXPECT_EQ(ColumnMean(x), 0.1);  // a plain sum / 10 gives 0.09999999999999999
  EXPECT_EQ(PopulationVariance(x), 0.0);
  const std::vector<double> other = {1, 5, 2, 8, 3, 3, 9, 0, 1, 4};
  const ConstVectorView y(other.data(), 1, 10);
  EXPECT_EQ(PairCovariance(x, y), 0.0);
  EXPECT_EQ(PairCovariance(y, x), 0.0);
  EXPECT_TRUE(std::isnan(PairCorrelation(x, y)));
  const PairSums sums = PairMoments(y, x);
  EXPECT_EQ(sums.sxy, 0.0);
  EXPECT_EQ(sums.syy, 0.0);
  EXPECT_GT(sums.sxx, 0.0);
}

TEST(StatisticsTest, LeadingCopiesAreCountedOnce) {
  const std::vector<double> values = {0.1, 0.1, 0.1, 0.7};
  const ConstVectorView x(values.data(), 1, 4);
  EXPECT_EQ(ColumnMean(x), (0.1 * 3 + 0.7) / 4);
}

TEST(StatisticsTest, EmptyViewsGiveNaN) {
  const ConstVectorView empty;
  EXPECT_TRUE(std::isnan(ColumnMean(empty)));
  EXPECT_TRUE(std::isnan(PopulationVariance(empty)));
  EXPECT_TRUE(std::isnan(PairCorrelation(empty, empty)));
  EXPECT_TRUE(std::isnan(PairCovariance(empty, empty)));
}

TEST(StatisticsTest, StridedColumnsAgreeWithTwoPassFormulas) {
  std::mt19937 engine(5);
  std::normal_distribution<double> normal(2.0, 3.0);
  const int n = 200;
  std::vector<double> table(n * 3);
  for (double& v : table) v = normal(engine);
  const ConstVectorView x(table.data(), 3, n);
  const ConstVectorView y(table.data() + 2, 3, n);
  double mx = 0, my = 0;
  for (int i = 0; i < n; ++i) mx += table[3 * i], my += table[3 * i + 2];
  mx /= n, my /= n;
  double sxx = 0, syy = 0, sxy = 0;
  for (int i = 0; i < n; ++i) {
    sxx += (table[3 * i] - mx) * (table[3 * i] - mx);
    syy += (table[3 * i + 2] - my) * (table[3 * i + 2] - my);
    sxy += (table[3 * i] - mx) * (table[3 * i + 2] - my);
  }
  EXPECT_NEAR(ColumnMean(x), mx, 1e-13);
  EXPECT_NEAR(PopulationVariance(y), syy / n, 1e-12);
  EXPECT_NEAR(PairCovariance(x, y), sxy / n, 1e-12);
  EXPECT_NEAR(PairCorrelation(x, y), sxy / std::sqrt(sxx * syy), 1e-13);
}

}  // namespace
}  // namespace Zq::Math
