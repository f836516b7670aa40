#include "random/random_uniform.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "tests/unit/plain_mersenne_twister.h"

namespace {

using Zq::Math::RandomUniform;

std::vector<double> Draw(Zq::Math::RandomAlgorithm algorithm, std::int32_t seed1, std::int32_t seed2, int n) {
  RandomUniform uniform(algorithm, seed1, seed2);
  std::vector<double> values;
  for (int i = 0; i < n; ++i) values.push_back(uniform.NextUniform());
  return values;
}

TEST(RandomUniform, ReferenceOutputsWithSeedsZero) {
  EXPECT_EQ(Draw(Zq::Math::RandomAlgorithm::Mt2002, 0, 0, 3),
            (std::vector<double>{0.1507172537105722, 0.19554272386502092, 0.16532538485071524}));
  EXPECT_EQ(Draw(Zq::Math::RandomAlgorithm::Mt1998, 0, 0, 3),
            (std::vector<double>{0.6991623490348371, 0.34871351191511224, 0.6324858105817078}));
  EXPECT_EQ(Draw(Zq::Math::RandomAlgorithm::Ran2, 0, 0, 3),
            (std::vector<double>{0.5635495343719192, 0.5651372396557897, 0.6538863091638015}));
}

}  // namespace

namespace {

// The 53-bit numbers over several blocks, from the word-by-word engine
// with the key of the two seeds.
TEST(RandomUniform, TwoSeedArrayEngineIsTheStandardWithKeyOfTheSeeds) {
  for (std::int32_t seed2 : {7, -1}) {
    const std::uint32_t key[2] = {5, static_cast<std::uint32_t>(seed2)};
    ZqTest::PlainMersenneTwister reference;
    reference.InitByArray(key, 2);
    RandomUniform uniform(Zq::Math::RandomAlgorithm::Mt2002, 5, seed2);
    for (int i = 0; i < 2000; ++i) {  // crosses several regenerations
      const double a = reference.Next() >> 5;
      const double b = reference.Next() >> 6;
      ASSERT_EQ(uniform.NextUniform(), (a * 67108864.0 + b) / 9007199254740992.0);
    }
  }
}

// The 1998 numbers over several blocks: each word times 1 / (2^32 - 1),
// whether its top bit (which the conversion offsets) is set or not.
TEST(RandomUniform, Mt1998IsTheStandardSequenceScaled) {
  ZqTest::PlainMersenneTwister reference;
  reference.InitByMultiplier(1013904223u);
  RandomUniform uniform(Zq::Math::RandomAlgorithm::Mt1998, 0, 0);
  for (int i = 0; i < 2000; ++i) {
    const double u = reference.Next() * 2.3283064370807974e-10;
    ASSERT_EQ(uniform.NextUniform(), u < 1e-12 ? 1e-12 : u > 0.999999999999 ? 0.999999999999 : u);
  }
}

TEST(RandomUniform, DefaultObjectSeedsItselfAsMt2002With2178And2179) {
  RandomUniform lazy;
  EXPECT_EQ(lazy.Algorithm(), Zq::Math::RandomAlgorithm::Mt2002);
  const auto expected = Draw(Zq::Math::RandomAlgorithm::Mt2002, 2178, 2179, 5);
  for (double value : expected) EXPECT_EQ(lazy.NextUniform(), value);
}

TEST(RandomUniform, CopyContinuesWithTheSameNumbers) {
  for (auto algorithm :
       {Zq::Math::RandomAlgorithm::Mt2002, Zq::Math::RandomAlgorithm::Mt1998, Zq::Math::RandomAlgorithm::Ran2}) {
    RandomUniform original(algorithm, 11, -4);
    for (int i = 0; i < 700; ++i) original.NextUniform();
    RandomUniform copy(original);
    RandomUniform assigned;
    assigned = original;
    for (int i = 0; i < 1300; ++i) {
      const double next = original.NextUniform();
      EXPECT_EQ(copy.NextUniform(), next);
      EXPECT_EQ(assigned.NextUniform(), next);
    }
  }
}

TEST(RandomUniform, ReseedingRestartsAndSeedsMatter) {
  for (auto algorithm :
       {Zq::Math::RandomAlgorithm::Mt2002, Zq::Math::RandomAlgorithm::Mt1998, Zq::Math::RandomAlgorithm::Ran2}) {
    EXPECT_EQ(Draw(algorithm, 3, 9, 50), Draw(algorithm, 3, 9, 50));
    EXPECT_NE(Draw(algorithm, 3, 9, 5), Draw(algorithm, 3, 10, 5));
    EXPECT_NE(Draw(algorithm, 3, 9, 5), Draw(algorithm, 4, 9, 5));
    RandomUniform uniform(algorithm, 3, 9);
    for (int i = 0; i < 100; ++i) uniform.NextUniform();
    uniform = RandomUniform(algorithm, 3, 9);
    EXPECT_EQ(uniform.NextUniform(), Draw(algorithm, 3, 9, 1)[0]);
  }
}

TEST(RandomUniform, Mt1998StartsFromTheMixedSeedWithItsLowBitSet) {
  // Seeds 0 and 0 mix to 1013904223; seeds 0 and 1 to 1015568748, made odd.
  auto firstWord = [](std::uint32_t seed) {
    std::uint32_t state[624];
    state[0] = seed;
    for (int i = 1; i < 624; ++i) state[i] = 69069u * state[i - 1];
    std::uint32_t y = (state[0] & 0x80000000u) | (state[1] & 0x7FFFFFFFu);
    y = state[397] ^ (y >> 1) ^ ((y & 1u) ? 0x9908B0DFu : 0u);
    y ^= y >> 11;
    y ^= (y << 7) & 0x9D2C5680u;
    y ^= (y << 15) & 0xEFC60000u;
    y ^= y >> 18;
    return y * 2.3283064370807974e-10;
  };
  EXPECT_EQ(Draw(Zq::Math::RandomAlgorithm::Mt1998, 0, 0, 1)[0], firstWord(1013904223u));
  EXPECT_EQ(Draw(Zq::Math::RandomAlgorithm::Mt1998, 0, 1, 1)[0], firstWord(1015568748u | 1u));
}

TEST(RandomUniform, EveryEngineStaysInsideTheOpenInterval) {
  for (auto algorithm :
       {Zq::Math::RandomAlgorithm::Mt2002, Zq::Math::RandomAlgorithm::Mt1998, Zq::Math::RandomAlgorithm::Ran2}) {
    RandomUniform uniform(algorithm, 1, 2);
    double lowest = 1;
    double highest = 0;
    double sum = 0;
    constexpr int kDraws = 200000;
    for (int i = 0; i < kDraws; ++i) {
      const double u = uniform.NextUniform();
      lowest = std::min(lowest, u);
      highest = std::max(highest, u);
      sum += u;
    }
    EXPECT_GE(lowest, 1e-12);
    EXPECT_LE(highest, 0.999999999999);
    EXPECT_NEAR(sum / kDraws, 0.5, 0.005);
  }
}

TEST(RandomUniform, UnknownAlgorithmValuesBehaveAsTheShuffleEngine) {
  EXPECT_EQ(Draw(static_cast<Zq::Math::RandomAlgorithm>(7), 4, 5, 40), Draw(Zq::Math::RandomAlgorithm::Ran2, 4, 5, 40));
  EXPECT_EQ(Draw(static_cast<Zq::Math::RandomAlgorithm>(-1), 4, 5, 40),
            Draw(Zq::Math::RandomAlgorithm::Ran2, 4, 5, 40));
}

// Runs of every length, across block ends, give the numbers one call at a
// time gives, and leave the engine where those calls leave it.
TEST(RandomUniform, RunsGiveTheNumbersOfSingleCalls) {
  for (auto algorithm : {Zq::Math::RandomAlgorithm::Ran2, Zq::Math::RandomAlgorithm::Mt1998,
                         Zq::Math::RandomAlgorithm::Mt2002}) {
    RandomUniform uniform(algorithm, 8, 13);
    std::vector<double> values;
    for (int length : {1, 0, 5, 300, 311, 1, 624, 1000, 2, 313}) {
      std::vector<double> run(static_cast<std::size_t>(length));
      auto next = run.begin();
      uniform.Generate(length, [&next](double u) { *next++ = u; });
      values.insert(values.end(), run.begin(), run.end());
      values.push_back(uniform.NextUniform());
    }
    EXPECT_EQ(values, Draw(algorithm, 8, 13, static_cast<int>(values.size())));
  }
}

// Runs read in place, of every length across block ends, are the numbers
// of single calls.
TEST(RandomUniform, InPlaceRunsAreTheNumbersOfSingleCalls) {
  for (auto algorithm : {Zq::Math::RandomAlgorithm::Ran2, Zq::Math::RandomAlgorithm::Mt1998,
                         Zq::Math::RandomAlgorithm::Mt2002}) {
    RandomUniform uniform(algorithm, 8, 13);
    std::vector<double> values;
    for (int length : {1, 5, 63, 64, 65, 300, 311, 624, 1000, 2, 313}) {
      const auto run = uniform.NextRun(length);
      ASSERT_GE(run.size(), 1u);
      ASSERT_LE(run.size(), static_cast<std::size_t>(length));
      values.insert(values.end(), run.begin(), run.end());
      values.push_back(uniform.NextUniform());
    }
    EXPECT_EQ(values, Draw(algorithm, 8, 13, static_cast<int>(values.size())));
    EXPECT_EQ(uniform.Algorithm(), algorithm);
  }
}

// Seeds whose magnitude is 2147483563 put the first congruential generator
// where it steps to 0 and would stay; it starts again from 1, the state of
// the seeds whose magnitude is 1.
TEST(RandomUniform, ShuffleEngineLeavesTheStuckState) {
  const auto stuck = Draw(Zq::Math::RandomAlgorithm::Ran2, 0, 89691772, 300);
  EXPECT_EQ(stuck, Draw(Zq::Math::RandomAlgorithm::Ran2, 0, 1179879758, 300));  // -2147483563
  EXPECT_EQ(stuck, Draw(Zq::Math::RandomAlgorithm::Ran2, 0, 615934122, 300));   // 1
  EXPECT_EQ(stuck, Draw(Zq::Math::RandomAlgorithm::Ran2, 0, 653637408, 300));   // -1
  EXPECT_GT(*std::max_element(stuck.begin(), stuck.end()) - *std::min_element(stuck.begin(), stuck.end()), 0.9);
}

}  // namespace
