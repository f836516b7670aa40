#include "addin/worksheet_functions.h"
#include "multivariate/random_multi_normal.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

#include "addin/call_frame.h"
#include "tests/worksheet/array_argument_support.h"
#include "tests/worksheet/worksheet_result_support.h"

namespace Zq::Math {
namespace {

using Testing::Answer;
using Testing::ArrayArgument;
using Testing::Read;

// Column means and population covariance (divisor n) of a sample.
struct SampleMoments {
  std::vector<double> mean;
  std::vector<std::vector<double>> covariance;
};

SampleMoments Measure(const Answer& a) {
  const int n = a.rows, d = a.columns;
  SampleMoments m{std::vector<double>(d, 0.0), std::vector<std::vector<double>>(d, std::vector<double>(d, 0.0))};
  for (int r = 0; r < n; ++r)
    for (int i = 0; i < d; ++i) m.mean[i] += a.At(r, i) / n;
  for (int r = 0; r < n; ++r)
    for (int i = 0; i < d; ++i)
      for (int j = 0; j < d; ++j) m.covariance[i][j] += (a.At(r, i) - m.mean[i]) * (a.At(r, j) - m.mean[j]) / n;
  return m;
}

const ArrayArgument kCov3(3, 3, {4, 1.2, -0.6, 1.2, 1, 0.3, -0.6, 0.3, 2.25});
const ArrayArgument kMean3Column(3, 1, {1, -2, 0.5});
const ArrayArgument kMean3Row(1, 3, {1, -2, 0.5});

TEST(RandMultiNormTest, MeanAsRowOrColumnGivesSameSample) {
  const Answer column = Read(ZqRandMultiNorm(20, kCov3, kMean3Column, 0, 3, 4, 0, 0, 0));
  const Answer row = Read(ZqRandMultiNorm(20, kCov3, kMean3Row, 0, 3, 4, 0, 0, 0));
  ASSERT_FALSE(column.error);
  EXPECT_EQ(column.rows, 20);
  EXPECT_EQ(column.columns, 3);
  EXPECT_EQ(column.cells, row.cells);
}

TEST(RandMultiNormTest, MeanDimensionIsRowCountAndReadsOnlyThatMany) {
  // Three rows of two: d = 3, the mean is the first three doubles.
  const ArrayArgument wideMean(3, 2, {1, -2, 0.5, 9, 9, 9});
  const Answer a = Read(ZqRandMultiNorm(6, kCov3, wideMean, 0, 3, 4, 0, 0, 0));
  const Answer b = Read(ZqRandMultiNorm(6, kCov3, kMean3Column, 0, 3, 4, 0, 0, 0));
  ASSERT_FALSE(a.error);
  EXPECT_EQ(a.cells, b.cells);
}

TEST(RandMultiNormTest, RefusedArguments) {
  const ArrayArgument cov2(2, 2, {1, 0, 0, 1});
  const ArrayArgument cov3x2(3, 2, {1, 0, 0, 1, 0, 0});
  const ArrayArgument noValues(3, 0, {});
  EXPECT_TRUE(Read(ZqRandMultiNorm(5, cov2, kMean3Column, 0, 1, 2, 0, 0, 0)).error);
  EXPECT_TRUE(Read(ZqRandMultiNorm(5, cov3x2, kMean3Column, 0, 1, 2, 0, 0, 0)).error);
  EXPECT_TRUE(Read(ZqRandMultiNorm(0, kCov3, kMean3Column, 0, 1, 2, 0, 0, 0)).error);
  EXPECT_TRUE(Read(ZqRandMultiNorm(-3, kCov3, kMean3Column, 0, 1, 2, 0, 0, 0)).error);
  EXPECT_TRUE(Read(ZqRandMultiNorm(5, kCov3, kMean3Column, 3, 1, 2, 0, 0, 0)).error);
  EXPECT_TRUE(Read(ZqRandMultiNorm(5, kCov3, noValues, 0, 1, 2, 0, 0, 0)).error);
  EXPECT_TRUE(Read(ZqRandMultiNorm(5, noValues, noValues, 0, 1, 2, 0, 0, 0)).error);
  const ArrayArgument nanCov(1, 1, {std::numeric_limits<double>::quiet_NaN()});
  const ArrayArgument one(1, 1, {1});
  EXPECT_TRUE(Read(ZqRandMultiNorm(5, nanCov, one, 0, 1, 2, 0, 0, 0)).error);
}

TEST(RandMultiNormTest, OneDimensionIsOneMinusTwiceTheNormalSample) {
  const ArrayArgument four(1, 1, {4});
  const ArrayArgument one(1, 1, {1});
  for (short algorithm = 0; algorithm <= 2; ++algorithm) {
    for (short inverse = 0; inverse <= 1; ++inverse) {
      for (short antithetic = 0; antithetic <= 1; ++antithetic) {
        const Answer x = Read(ZqRandMultiNorm(9, four, one, algorithm, 11, -7, inverse, antithetic, 0));
        const Answer z = Read(ZqRandNorm(9, algorithm, 11, -7, inverse, antithetic, 0));
        ASSERT_FALSE(x.error);
        ASSERT_EQ(z.cells.size(), 9u);
        for (int r = 0; r < 9; ++r) EXPECT_EQ(x.At(r, 0), 1 - 2 * z.cells[r]) << algorithm << inverse << antithetic;
      }
    }
  }
}

TEST(RandMultiNormTest, DiagonalCovarianceColumnsUseTheirOwnSeeds) {
  const ArrayArgument diagonal(3, 3, {1, 0, 0, 0, 4, 0, 0, 0, 9});
  const ArrayArgument zero(3, 1, {0, 0, 0});
  const std::int32_t seed2 = std::numeric_limits<std::int32_t>::max() - 1;  // seed2 + 2 wraps
  const Answer a = Read(ZqRandMultiNorm(8, diagonal, zero, 1, 5, seed2, 1, 0, 0));
  ASSERT_FALSE(a.error);
  for (int i = 0; i < 3; ++i) {
    const auto wrapped = static_cast<std::int32_t>(static_cast<std::uint32_t>(seed2) + i);
    const Answer z = Read(ZqRandNorm(8, 1, 5, wrapped, 1, 0, 0));
    const double sign = a.At(0, i) / z.cells[0] > 0 ? 1.0 : -1.0;
    for (int r = 0; r < 8; ++r) EXPECT_DOUBLE_EQ(a.At(r, i), sign * (i + 1) * z.cells[r]) << i << " " << r;
  }
}

TEST(RandMultiNormTest, AntitheticRowPairsSumToTwiceTheMean) {
  const Answer a = Read(ZqRandMultiNorm(10, kCov3, kMean3Column, 0, 8, 9, 0, 1, 0));
  ASSERT_FALSE(a.error);
  const double mean[3] = {1, -2, 0.5};
  for (int k = 0; k < 5; ++k)
    for (int i = 0; i < 3; ++i) EXPECT_NEAR(a.At(2 * k, i) + a.At(2 * k + 1, i), 2 * mean[i], 1e-14);
}

TEST(RandMultiNormTest, ResampledSampleHasTargetMomentsExactly) {
  const double cov[3][3] = {{4, 1.2, -0.6}, {1.2, 1, 0.3}, {-0.6, 0.3, 2.25}};
  const double mean[3] = {1, -2, 0.5};
  for (short algorithm = 0; algorithm <= 2; ++algorithm) {
    for (short inverse = 0; inverse <= 1; ++inverse) {
      for (short size : {4, 25, 500}) {
        const Answer a = Read(ZqRandMultiNorm(size, kCov3, kMean3Column, algorithm, 100 + size, 7, inverse, 0, 1));
        ASSERT_FALSE(a.error);
        const SampleMoments m = Measure(a);
        for (int i = 0; i < 3; ++i) {
          EXPECT_NEAR(m.mean[i], mean[i], 1e-12);
          for (int j = 0; j < 3; ++j) EXPECT_NEAR(m.covariance[i][j], cov[i][j], 1e-11) << i << j;
        }
      }
    }
  }
}

TEST(RandMultiNormTest, NegativeEigenvalueGivesItsAbsoluteValue) {
  const ArrayArgument cov(2, 2, {1, 0, 0, -4});
  const ArrayArgument mean(2, 1, {0, 0});
  const Answer a = Read(ZqRandMultiNorm(40, cov, mean, 0, 1, 2, 0, 0, 1));
  ASSERT_FALSE(a.error);
  const SampleMoments m = Measure(a);
  EXPECT_NEAR(m.covariance[0][0], 1.0, 1e-12);
  EXPECT_NEAR(m.covariance[1][1], 4.0, 1e-12);
  EXPECT_NEAR(m.covariance[0][1], 0.0, 1e-12);
}

TEST(RandMultiNormTest, SingleResampledDrawIsRefused) {
  const ArrayArgument four(1, 1, {4});
  const ArrayArgument one(1, 1, {1});
  EXPECT_TRUE(Read(ZqRandMultiNorm(1, four, one, 0, 1, 2, 0, 0, 1)).error);
  EXPECT_FALSE(Read(ZqRandMultiNorm(2, four, one, 0, 1, 2, 0, 0, 1)).error);
}

}  // namespace
}  // namespace Zq::Math
