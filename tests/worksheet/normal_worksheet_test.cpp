#include <cmath>
#include <cstdint>
#include <vector>

#include <gtest/gtest.h>

#include "addin/worksheet_functions.h"
#include "distributions/normal.h"
#include "tests/worksheet/worksheet_test_support.h"

namespace {

using Zq::Testing::IsValueError;
using Zq::Testing::TakeColumn;

TEST(ZqRandNorm, ReferenceOutputsAndAntitheticOrder) {
  const std::vector<double> plain = TakeColumn(ZqRandNorm(4, 0, 0, 0, 0, 0, 0), 4);
  ASSERT_EQ(plain.size(), 4u);
  const double expected[] = {-0.3625903008, -0.4159747392, 0.9548649368, -0.9255024216};
  for (int k = 0; k < 4; ++k) EXPECT_NEAR(plain[k], expected[k], 5e-11);
  EXPECT_EQ(TakeColumn(ZqRandNorm(4, 0, 0, 0, 0, 1, 0), 4),
            (std::vector<double>{plain[0], -plain[0], plain[1], -plain[1]}));
  EXPECT_EQ(TakeColumn(ZqRandNorm(4, 0, 0, 0, 0, 0, 0), 4), plain);
}

TEST(ZqRandNorm, RejectsBadArguments) {
  EXPECT_TRUE(IsValueError(ZqRandNorm(1, 0, 0, 0, 0, 0, 1)));  // one value has no spread
  EXPECT_TRUE(IsValueError(ZqRandNorm(1, 2, 5, 5, 1, 1, 1)));
  for (short size : {0, -5, -32768}) EXPECT_TRUE(IsValueError(ZqRandNorm(size, 0, 0, 0, 0, 0, 0)));
  for (short algorithm : {3, -1}) EXPECT_TRUE(IsValueError(ZqRandNorm(3, algorithm, 0, 0, 0, 0, 0)));
  EXPECT_EQ(TakeColumn(ZqRandNorm(1, 0, 0, 0, 1, 0, 0), 1).size(), 1u);
}

TEST(ZqRandNorm, ResamplingGivesExactMomentsForEveryEngineAndMethod) {
  for (short algorithm = 0; algorithm <= 2; ++algorithm) {
    for (short inverse = 0; inverse <= 1; ++inverse) {
      const std::vector<double> v = TakeColumn(ZqRandNorm(32767, algorithm, 7, 11, inverse, 0, 1), 32767);
      ASSERT_EQ(v.size(), 32767u);
      double sum = 0, squares = 0;
      for (double x : v) sum += x;
      const double mean = sum / v.size();
      for (double x : v) squares += (x - mean) * (x - mean);
      EXPECT_NEAR(mean, 0.0, 1e-13) << algorithm << inverse;
      EXPECT_NEAR(std::sqrt(squares / v.size()), 1.0, 1e-12) << algorithm << inverse;
    }
  }
  const std::vector<double> pair = TakeColumn(ZqRandNorm(2, 0, 0, 0, 0, 1, 1), 2);
  ASSERT_EQ(pair.size(), 2u);
  EXPECT_NEAR(pair[0], -1.0, 1e-15);
  EXPECT_NEAR(pair[1], 1.0, 1e-15);
}

TEST(NormalWorksheet, ValuesAndRejectedArguments) {
  using namespace Zq::Math;
  EXPECT_NEAR(ZqNormDist(0, 1)->val.num, 0.500000000525, 5e-13);
  EXPECT_EQ(ZqNormDist(1.3, 0)->val.num, NormPdf(1.3));
  EXPECT_EQ(ZqNormDist(-1.96, -1)->val.num, NormCdf(-1.96));
  EXPECT_NEAR(ZqNormInv(0.975)->val.num, 1.9599639845, 5e-11);
  for (double prob : {0.0, 1.0, -0.5, 1.5}) EXPECT_TRUE(IsValueError(ZqNormInv(prob))) << prob;
  EXPECT_NEAR(ZqBiNormDist(0, 0, 0, 1)->val.num, 0.2499999986, 5e-11);
  EXPECT_EQ(ZqBiNormDist(0.4, -0.3, 1, 1)->val.num, NormCdf(-0.3));
  EXPECT_EQ(ZqBiNormDist(-0.4, 0.3, -1, 1)->val.num, 0.0);
  EXPECT_EQ(ZqBiNormDist(1, 2, 1, 0)->val.num, 0.0);
  EXPECT_TRUE(IsValueError(ZqBiNormDist(1, 1, 1, 0)));
  for (short cumulative : {0, 1}) {
    EXPECT_TRUE(IsValueError(ZqBiNormDist(0, 0, 1.5, cumulative)));
    EXPECT_TRUE(IsValueError(ZqBiNormDist(0, 0, -1.0001, cumulative)));
  }
}

}  // namespace
