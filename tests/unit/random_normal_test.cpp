#include <cmath>
#include <cstdint>
#include <optional>
#include <vector>

#include <gtest/gtest.h>

#include "distributions/normal.h"
#include "random/random_normal.h"

namespace {

using namespace Zq::Math;

constexpr NormalOptions kPolar{};
constexpr NormalOptions kInversion{.inversion = true};

// A normal sampler with its engine.
struct NormalStream {
  RandomUniform engine;
  RandomNormal normal;

  double Next() { return normal.Next(engine); }
};

NormalStream Seeded(RandomAlgorithm algorithm, NormalOptions options, std::int32_t seed1 = 0, std::int32_t seed2 = 0,
                    std::int32_t size = 0, double mean = 0, double stdev = 1) {
  RandomUniform engine(algorithm, seed1, seed2);
  const std::optional<RandomNormal> normal = RandomNormal::Make(engine, options, size, mean, stdev);
  EXPECT_TRUE(normal.has_value());
  return {engine, normal.value_or(*RandomNormal::Make(engine, kPolar))};
}

std::vector<double> Draw(RandomAlgorithm algorithm, NormalOptions options, int size) {
  NormalStream stream = Seeded(algorithm, options, 0, 0, size);
  std::vector<double> values;
  for (int k = 0; k < size; ++k) values.push_back(stream.Next());
  return values;
}

TEST(RandomNormal, ReferenceOutputs) {
  const std::vector<double> plain = Draw(RandomAlgorithm::Mt2002, kPolar, 4);
  const double expected[] = {-0.3625903008, -0.4159747392, 0.9548649368, -0.9255024216};
  for (int k = 0; k < 4; ++k) EXPECT_NEAR(plain[k], expected[k], 5e-11);
  const std::vector<double> mirrored = Draw(RandomAlgorithm::Mt2002, {.antithetic = true}, 4);
  EXPECT_EQ(mirrored, (std::vector<double>{plain[0], -plain[0], plain[1], -plain[1]}));
  EXPECT_EQ(Draw(RandomAlgorithm::Mt2002, kPolar, 4), plain);
}

TEST(RandomNormal, ResamplingGivesExactMoments) {
  for (RandomAlgorithm algorithm : {RandomAlgorithm::Mt2002, RandomAlgorithm::Mt1998, RandomAlgorithm::Ran2}) {
    for (bool inversion : {false, true}) {
      for (bool antithetic : {true, false}) {
        SCOPED_TRACE(testing::Message() << static_cast<int>(algorithm) << inversion << antithetic);
        NormalStream stream = Seeded(algorithm, {inversion, antithetic, true}, 7, 11, 501, 3.0, 2.0);
        double sum = 0, squares = 0;
        std::vector<double> v;
        for (int k = 0; k < 501; ++k) v.push_back(stream.Next());
        for (double x : v) sum += x;
        const double mean = sum / v.size();
        for (double x : v) squares += (x - mean) * (x - mean);
        EXPECT_NEAR(mean, 3.0, 1e-14);
        EXPECT_NEAR(std::sqrt(squares / v.size()), 2.0, 1e-13);
      }
    }
  }
  const std::vector<double> pair = Draw(RandomAlgorithm::Mt2002, {.antithetic = true, .resampling = true}, 2);
  EXPECT_NEAR(pair[0], -1.0, 1e-15);  // the first standard value is negative
  EXPECT_NEAR(pair[1], 1.0, 1e-15);
  const RandomUniform engine(RandomAlgorithm::Mt2002, 0, 0);
  EXPECT_FALSE(RandomNormal::Make(engine, {.inversion = true, .resampling = true}, 1).has_value());
  EXPECT_FALSE(RandomNormal::Make(engine, {.resampling = true}, 0).has_value());
}

// The pre-draw of resampling reads a copy: the engine it is given starts
// the sample where it stood.
TEST(RandomNormal, ResamplingLeavesTheEngineWhereItWas) {
  RandomUniform engine(RandomAlgorithm::Mt1998, 5, 6);
  const RandomUniform untouched(engine);
  ASSERT_TRUE(RandomNormal::Make(engine, {.resampling = true}, 1000).has_value());
  RandomUniform copy(untouched);
  for (int k = 0; k < 700; ++k) ASSERT_EQ(engine.NextUniform(), copy.NextUniform()) << k;
}

TEST(RandomNormal, InversionUsesOneUniformPerValue) {
  for (RandomAlgorithm algorithm : {RandomAlgorithm::Mt2002, RandomAlgorithm::Mt1998, RandomAlgorithm::Ran2}) {
    NormalStream stream = Seeded(algorithm, kInversion);
    RandomUniform uniform(algorithm, 0, 0);
    for (int k = 0; k < 1000; ++k) ASSERT_EQ(stream.Next(), NormCdfInv(uniform.NextUniform())) << k;
  }
}

TEST(RandomNormal, PolarPairsComeSecondValueFirst) {
  NormalStream stream = Seeded(RandomAlgorithm::Ran2, kPolar);
  RandomUniform uniform(RandomAlgorithm::Ran2, 0, 0);
  for (int pair = 0; pair < 200; ++pair) {
    double p, q, s;
    do {
      p = 2 * uniform.NextUniform() - 1;
      q = 2 * uniform.NextUniform() - 1;
      s = p * p + q * q;
    } while (s >= 1 || s == 0);
    const double f = std::sqrt(-2 * std::log(s) / s);
    ASSERT_EQ(stream.Next(), q * f);
    ASSERT_EQ(stream.Next(), p * f);
  }
}

// Values are made ahead in blocks: a fresh sampler on a fresh engine starts
// afresh, whatever an earlier one had made.
TEST(RandomNormal, SeedingAgainDropsTheValuesMadeAhead) {
  for (NormalOptions options : {kInversion, kPolar}) {
    NormalStream reused = Seeded(RandomAlgorithm::Mt2002, options);
    for (int k = 0; k < 7; ++k) reused.Next();
    options.antithetic = true;
    reused = Seeded(RandomAlgorithm::Mt1998, options, 5, 6);
    NormalStream fresh = Seeded(RandomAlgorithm::Mt1998, options, 5, 6);
    for (int k = 0; k < 600; ++k) ASSERT_EQ(reused.Next(), fresh.Next()) << k;
  }
}

TEST(RandomNormal, CopyContinuesWithTheSameNumbers) {
  for (bool antithetic : {true, false}) {
    NormalStream original = Seeded(RandomAlgorithm::Mt1998, {.antithetic = antithetic, .resampling = true}, 3, 4, 10,
                                   2.0, 3.0);
    original.Next();  // leave a polar value (or a mirror) pending
    NormalStream copy(original);
    NormalStream assigned = Seeded(RandomAlgorithm::Ran2, kInversion);
    assigned = original;
    for (int k = 0; k < 700; ++k) {
      const double next = original.Next();
      ASSERT_EQ(copy.Next(), next);
      ASSERT_EQ(assigned.Next(), next);
    }
  }
}

TEST(RandomNormal, ScaleAndShiftApplyToStandardValues) {
  NormalStream standard = Seeded(RandomAlgorithm::Mt2002, {.inversion = true, .antithetic = true});
  NormalStream shifted = Seeded(RandomAlgorithm::Mt2002, {.inversion = true, .antithetic = true}, 0, 0, 0, 5.0, 2.0);
  for (int k = 0; k < 10; ++k) EXPECT_EQ(shifted.Next(), standard.Next() * 2.0 + 5.0);
}

// Runs of every length (odd ones splitting a mirrored pair, long ones
// crossing blocks made ahead) give the values of single calls, with every
// switch and after resampling's shift and scale.
TEST(RandomNormal, RunsGiveTheValuesOfSingleCalls) {
  for (bool inversion : {false, true}) {
    for (bool antithetic : {true, false}) {
      for (bool resampling : {true, false}) {
        SCOPED_TRACE(testing::Message() << inversion << antithetic << resampling);
        const NormalOptions options{inversion, antithetic, resampling};
        NormalStream stream = Seeded(RandomAlgorithm::Mt1998, options, 3, 4, 2000, 1.5, 2.0);
        std::vector<double> values;
        for (int length : {1, 3, 0, 2, 7, 300, 1, 1, 129, 600, 4}) {
          std::vector<double> run(static_cast<std::size_t>(length));
          auto next = run.begin();
          stream.normal.Generate(stream.engine, length, [&next](double x) { *next++ = x; });
          values.insert(values.end(), run.begin(), run.end());
          values.push_back(stream.Next());
        }
        NormalStream single = Seeded(RandomAlgorithm::Mt1998, options, 3, 4, 2000, 1.5, 2.0);
        std::vector<double> expected;
        for (std::size_t k = 0; k < values.size(); ++k) expected.push_back(single.Next());
        EXPECT_EQ(values, expected);
      }
    }
  }
}

}  // namespace
