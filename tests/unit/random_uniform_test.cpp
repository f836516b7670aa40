#include "random/random_uniform.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

using Zq::Math::RandomUniform;

std::vector<double> Draw(Zq::Math::RandomAlgorithm algorithm, std::int32_t seed1, std::int32_t seed2, int n) {
  RandomUniform uniform;
  EXPECT_TRUE(uniform.SetSeed(algorithm, seed1, seed2));
  std::vector<double> values;
  for (int i = 0; i < n; ++i) values.push_back(uniform.NextUniform());
  return values;
}

TEST(RandomUniform, ReferenceOutputsWithSeedsZero) {
  EXPECT_EQ(Draw(Zq::Math::MT2002, 0, 0, 3),
            (std::vector<double>{0.1507172537105722, 0.19554272386502092, 0.16532538485071524}));
  EXPECT_EQ(Draw(Zq::Math::MT1998, 0, 0, 3),
            (std::vector<double>{0.6991623490348371, 0.34871351191511224, 0.6324858105817078}));
  EXPECT_EQ(Draw(Zq::Math::RAN2, 0, 0, 3),
            (std::vector<double>{0.5635495343719192, 0.5651372396557897, 0.6538863091638015}));
}

}  // namespace
