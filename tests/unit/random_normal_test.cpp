#include <cmath>
#include <cstdint>
#include <vector>

#include <gtest/gtest.h>

#include "distributions/normal.h"
#include "random/random_normal.h"

namespace {

using namespace Zq::Math;

RandomNormal Seeded(RandomAlgorithm algorithm, NormalMethod method, Switch antithetic) {
  RandomNormal normal;
  EXPECT_TRUE(normal.InitNormal(0, 0, algorithm, method, antithetic, Switch::Disabled, 0, 0.0, 1.0));
  return normal;
}

std::vector<double> Draw(RandomAlgorithm algorithm, NormalMethod method, Switch antithetic, Switch resampling,
                         int size) {
  RandomNormal normal;
  EXPECT_TRUE(normal.InitNormal(0, 0, algorithm, method, antithetic, resampling, size, 0.0, 1.0));
  std::vector<double> values;
  for (int k = 0; k < size; ++k) values.push_back(normal.NextNormal());
  return values;
}

TEST(RandomNormal, ReferenceOutputs) {
  const std::vector<double> plain =
      Draw(RandomAlgorithm::Mt2002, NormalMethod::BoxMuller, Switch::Disabled, Switch::Disabled, 4);
  const double expected[] = {-0.3625903008, -0.4159747392, 0.9548649368, -0.9255024216};
  for (int k = 0; k < 4; ++k) EXPECT_NEAR(plain[k], expected[k], 5e-11);
  const std::vector<double> mirrored =
      Draw(RandomAlgorithm::Mt2002, NormalMethod::BoxMuller, Switch::Enabled, Switch::Disabled, 4);
  EXPECT_EQ(mirrored, (std::vector<double>{plain[0], -plain[0], plain[1], -plain[1]}));
  EXPECT_EQ(Draw(RandomAlgorithm::Mt2002, NormalMethod::BoxMuller, Switch::Disabled, Switch::Disabled, 4), plain);
}

TEST(RandomNormal, ResamplingGivesExactMoments) {
  for (RandomAlgorithm algorithm : {RandomAlgorithm::Mt2002, RandomAlgorithm::Mt1998, RandomAlgorithm::Ran2}) {
    for (NormalMethod method : {NormalMethod::BoxMuller, NormalMethod::Inversion}) {
      for (Switch antithetic : {Switch::Enabled, Switch::Disabled}) {
        SCOPED_TRACE(testing::Message() << static_cast<int>(algorithm) << static_cast<int>(method)
                                        << static_cast<int>(antithetic));
        RandomNormal normal;
        ASSERT_TRUE(normal.InitNormal(7, 11, algorithm, method, antithetic, Switch::Enabled, 501, 3.0, 2.0));
        double sum = 0, squares = 0;
        std::vector<double> v;
        for (int k = 0; k < 501; ++k) v.push_back(normal.NextNormal());
        for (double x : v) sum += x;
        const double mean = sum / v.size();
        for (double x : v) squares += (x - mean) * (x - mean);
        EXPECT_NEAR(mean, 3.0, 1e-14);
        EXPECT_NEAR(std::sqrt(squares / v.size()), 2.0, 1e-13);
      }
    }
  }
  const std::vector<double> pair =
      Draw(RandomAlgorithm::Mt2002, NormalMethod::BoxMuller, Switch::Enabled, Switch::Enabled, 2);
  EXPECT_NEAR(pair[0], -1.0, 1e-15);  // the first standard value is negative
  EXPECT_NEAR(pair[1], 1.0, 1e-15);
  RandomNormal single;
  EXPECT_FALSE(single.InitNormal(0, 0, RandomAlgorithm::Mt2002, NormalMethod::Inversion, Switch::Disabled,
                                 Switch::Enabled, 1, 0.0, 1.0));
}

TEST(RandomNormal, InversionUsesOneUniformPerValue) {
  for (RandomAlgorithm algorithm : {RandomAlgorithm::Mt2002, RandomAlgorithm::Mt1998, RandomAlgorithm::Ran2}) {
    RandomNormal normal = Seeded(algorithm, NormalMethod::Inversion, Switch::Disabled);
    RandomUniform uniform;
    uniform.SetSeed(algorithm, 0, 0);
    for (int k = 0; k < 1000; ++k) ASSERT_EQ(normal.NextNormal(), NormCdfInv(uniform.NextUniform())) << k;
  }
}

TEST(RandomNormal, PolarPairsComeSecondValueFirst) {
  RandomNormal normal = Seeded(RandomAlgorithm::Ran2, NormalMethod::BoxMuller, Switch::Disabled);
  RandomUniform uniform;
  uniform.SetSeed(RandomAlgorithm::Ran2, 0, 0);
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

// Values are made ahead in blocks; seeding again must drop them.
TEST(RandomNormal, SeedingAgainDropsTheValuesMadeAhead) {
  for (NormalMethod method : {NormalMethod::Inversion, NormalMethod::BoxMuller}) {
    RandomNormal reused = Seeded(RandomAlgorithm::Mt2002, method, Switch::Disabled);
    for (int k = 0; k < 7; ++k) reused.NextNormal();
    ASSERT_TRUE(
        reused.InitNormal(5, 6, RandomAlgorithm::Mt1998, method, Switch::Enabled, Switch::Disabled, 0, 0.0, 1.0));
    RandomNormal fresh;
    ASSERT_TRUE(
        fresh.InitNormal(5, 6, RandomAlgorithm::Mt1998, method, Switch::Enabled, Switch::Disabled, 0, 0.0, 1.0));
    for (int k = 0; k < 600; ++k) ASSERT_EQ(reused.NextNormal(), fresh.NextNormal()) << k;
  }
}

TEST(RandomNormal, CopyContinuesWithTheSameNumbers) {
  for (Switch antithetic : {Switch::Enabled, Switch::Disabled}) {
    RandomNormal original;
    ASSERT_TRUE(original.InitNormal(3, 4, RandomAlgorithm::Mt1998, NormalMethod::BoxMuller, antithetic, Switch::Enabled,
                                    10, 2.0, 3.0));
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
  RandomNormal standard = Seeded(RandomAlgorithm::Mt2002, NormalMethod::Inversion, Switch::Enabled);
  RandomNormal shifted;
  ASSERT_TRUE(shifted.InitNormal(0, 0, RandomAlgorithm::Mt2002, NormalMethod::Inversion, Switch::Enabled,
                                 Switch::Disabled, 0, 5.0, 2.0));
  for (int k = 0; k < 10; ++k) EXPECT_EQ(shifted.NextNormal(), standard.NextNormal() * 2.0 + 5.0);
}


// Runs of every length (odd ones splitting a mirrored pair, long ones
// crossing blocks made ahead) give the values of single calls, with every
// switch and after resampling's shift and scale.
TEST(RandomNormal, RunsGiveTheValuesOfSingleCalls) {
  for (NormalMethod method : {NormalMethod::BoxMuller, NormalMethod::Inversion}) {
    for (Switch antithetic : {Switch::Enabled, Switch::Disabled}) {
      for (Switch resampling : {Switch::Enabled, Switch::Disabled}) {
        SCOPED_TRACE(testing::Message() << static_cast<int>(method) << static_cast<int>(antithetic)
                                        << static_cast<int>(resampling));
        RandomNormal normal;
        ASSERT_TRUE(normal.InitNormal(3, 4, RandomAlgorithm::Mt1998, method, antithetic, resampling, 2000, 1.5, 2.0));
        std::vector<double> values;
        for (int length : {1, 3, 0, 2, 7, 300, 1, 1, 129, 600, 4}) {
          std::vector<double> run(static_cast<std::size_t>(length));
          normal.NextNormals(run.data(), length);
          values.insert(values.end(), run.begin(), run.end());
          values.push_back(normal.NextNormal());
        }
        RandomNormal single;
        ASSERT_TRUE(single.InitNormal(3, 4, RandomAlgorithm::Mt1998, method, antithetic, resampling, 2000, 1.5, 2.0));
        std::vector<double> expected;
        for (std::size_t k = 0; k < values.size(); ++k) expected.push_back(single.NextNormal());
        EXPECT_EQ(values, expected);
      }
    }
  }
}

}  // namespace
