#include <cmath>
#include <cstdint>

#include <gtest/gtest.h>

#include "addin/xlcall.h"
#include "distributions/normal.h"
#include "random/random_normal.h"

extern "C" {
LPXLOPER ZQ_CALL ZqRandNorm(short, short, std::int32_t, std::int32_t, short, short, short);
LPXLOPER ZQ_CALL ZqNormDist(double, short);
LPXLOPER ZQ_CALL ZqNormInv(double);
LPXLOPER ZQ_CALL ZqBiNormDist(double, double, double, short);
}

namespace {

using namespace Zq::Math;

bool IsValueError(const XLOPER* r) { return r != nullptr && r->xltype == xltypeErr && r->val.err == xlerrValue; }

// The column of a random function's array result; frees it as Excel would.
std::vector<double> Column(LPXLOPER r) {
  std::vector<double> values;
  if (r == nullptr || r->xltype != (xltypeMulti | xlbitDLLFree)) return values;
  EXPECT_EQ(r->val.array.columns, 1);
  for (int k = 0; k < r->val.array.rows; ++k) {
    const XLOPER& cell = r->val.array.lparray[k];
    EXPECT_EQ(cell.xltype, xltypeNum);
    values.push_back(cell.val.num);
  }
  delete[] r->val.array.lparray;
  return values;
}

RandomNormal Seeded(RandomAlgorithm algorithm, NormalMethod method, Switch antithetic) {
  RandomNormal normal;
  EXPECT_TRUE(normal.InitNormal(0, 0, algorithm, method, antithetic, DISABLED, 0, 0.0, 1.0));
  return normal;
}

TEST(ZqRandNorm, ReferenceOutputs) {
  const std::vector<double> plain = Column(ZqRandNorm(4, 0, 0, 0, 0, 0, 0));
  ASSERT_EQ(plain.size(), 4u);
  const double expected[] = {-0.3625903008, -0.4159747392, 0.9548649368, -0.9255024216};
  for (int k = 0; k < 4; ++k) EXPECT_NEAR(plain[k], expected[k], 5e-11);
  const std::vector<double> mirrored = Column(ZqRandNorm(4, 0, 0, 0, 0, 1, 0));
  ASSERT_EQ(mirrored.size(), 4u);
  EXPECT_EQ(mirrored[0], plain[0]);
  EXPECT_EQ(mirrored[1], -plain[0]);
  EXPECT_EQ(mirrored[2], plain[1]);
  EXPECT_EQ(mirrored[3], -plain[1]);
  EXPECT_EQ(Column(ZqRandNorm(4, 0, 0, 0, 0, 0, 0)), plain);
}

TEST(ZqRandNorm, RejectsBadArguments) {
  EXPECT_TRUE(IsValueError(ZqRandNorm(1, 0, 0, 0, 0, 0, 1)));  // one value has no spread
  EXPECT_TRUE(IsValueError(ZqRandNorm(0, 0, 0, 0, 0, 0, 0)));
  EXPECT_TRUE(IsValueError(ZqRandNorm(-5, 0, 0, 0, 0, 0, 0)));
  EXPECT_TRUE(IsValueError(ZqRandNorm(3, 3, 0, 0, 0, 0, 0)));
  EXPECT_TRUE(IsValueError(ZqRandNorm(3, -1, 0, 0, 0, 0, 0)));
  const std::vector<double> one = Column(ZqRandNorm(1, 0, 0, 0, 1, 0, 0));
  EXPECT_EQ(one.size(), 1u);
}

TEST(ZqRandNorm, ResamplingGivesExactMoments) {
  for (short algorithm = 0; algorithm <= 2; ++algorithm) {
    for (short inverse = 0; inverse <= 1; ++inverse) {
      for (short antithetic = 0; antithetic <= 1; ++antithetic) {
        const std::vector<double> v = Column(ZqRandNorm(501, algorithm, 7, 11, inverse, antithetic, 1));
        ASSERT_EQ(v.size(), 501u);
        double sum = 0, squares = 0;
        for (double x : v) sum += x;
        const double mean = sum / v.size();
        for (double x : v) squares += (x - mean) * (x - mean);
        EXPECT_NEAR(mean, 0.0, 1e-14) << algorithm << inverse << antithetic;
        EXPECT_NEAR(std::sqrt(squares / v.size()), 1.0, 1e-13) << algorithm << inverse << antithetic;
      }
    }
  }
  const std::vector<double> pair = Column(ZqRandNorm(2, 0, 0, 0, 0, 1, 1));
  ASSERT_EQ(pair.size(), 2u);
  EXPECT_NEAR(pair[0], -1.0, 1e-15);  // the first standard value is negative
  EXPECT_NEAR(pair[1], 1.0, 1e-15);
}

TEST(RandomNormal, InversionUsesOneUniformPerValue) {
  for (RandomAlgorithm algorithm : {MT2002, MT1998, RAN2}) {
    RandomNormal normal = Seeded(algorithm, INV, DISABLED);
    RandomUniform uniform;
    uniform.SetSeed(algorithm, 0, 0);
    for (int k = 0; k < 1000; ++k) ASSERT_EQ(normal.NextNormal(), NormCdfInv(uniform.NextUniform())) << k;
  }
}

TEST(RandomNormal, PolarPairsComeSecondValueFirst) {
  RandomNormal normal = Seeded(RAN2, BOX_MULLER, DISABLED);
  RandomUniform uniform;
  uniform.SetSeed(RAN2, 0, 0);
  for (int pair = 0; pair < 200; ++pair) {
    double p, q, s;
    do {
      p = 2 * uniform.NextUniform() - 1;
      q = 2 * uniform.NextUniform() - 1;
      s = p * p + q * q;
    } while (s >= 1 || s == 0);
    const double f = std::sqrt(-2 * std::log(s) / s);
    ASSERT_EQ(normal.NextNormal(), q * f);
    ASSERT_EQ(normal.NextNormal(), p * f);
  }
}

TEST(RandomNormal, CopyContinuesWithTheSameNumbers) {
  for (Switch antithetic : {ENABLED, DISABLED}) {
    RandomNormal original;
    ASSERT_TRUE(original.InitNormal(3, 4, MT1998, BOX_MULLER, antithetic, ENABLED, 10, 2.0, 3.0));
    original.NextNormal();  // leave a polar value (or a mirror) pending
    RandomNormal copy(original);
    RandomNormal assigned;
    assigned = original;
    for (int k = 0; k < 700; ++k) {
      const double next = original.NextNormal();
      ASSERT_EQ(copy.NextNormal(), next);
      ASSERT_EQ(assigned.NextNormal(), next);
    }
  }
}

TEST(RandomNormal, ScaleAndShiftApplyToStandardValues) {
  RandomNormal standard = Seeded(MT2002, INV, ENABLED);
  RandomNormal shifted;
  ASSERT_TRUE(shifted.InitNormal(0, 0, MT2002, INV, ENABLED, DISABLED, 0, 5.0, 2.0));
  for (int k = 0; k < 10; ++k) EXPECT_EQ(shifted.NextNormal(), standard.NextNormal() * 2.0 + 5.0);
}

TEST(NormalWorksheet, ValuesAndRejectedArguments) {
  EXPECT_NEAR(ZqNormDist(0, 1)->val.num, 0.500000000525, 5e-13);
  EXPECT_EQ(ZqNormDist(1.3, 0)->val.num, NormPdf(1.3));
  EXPECT_NEAR(ZqNormInv(0.975)->val.num, 1.9599639845, 5e-11);
  for (double prob : {0.0, 1.0, -0.5, 1.5}) EXPECT_TRUE(IsValueError(ZqNormInv(prob))) << prob;
  EXPECT_NEAR(ZqBiNormDist(0, 0, 0, 1)->val.num, 0.2499999986, 5e-11);
  EXPECT_EQ(ZqBiNormDist(0.4, -0.3, 1, 1)->val.num, NormCdf(-0.3));
  EXPECT_EQ(ZqBiNormDist(1, 2, 1, 0)->val.num, 0.0);
  EXPECT_TRUE(IsValueError(ZqBiNormDist(1, 1, 1, 0)));
  for (short cumulative : {0, 1}) {
    EXPECT_TRUE(IsValueError(ZqBiNormDist(0, 0, 1.5, cumulative)));
    EXPECT_TRUE(IsValueError(ZqBiNormDist(0, 0, -1.0001, cumulative)));
  }
}

}  // namespace
