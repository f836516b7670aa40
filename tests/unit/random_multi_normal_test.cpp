#include "multivariate/random_multi_normal.h"

#include <gtest/gtest.h>

namespace Zq::Math {
namespace {

TEST(RandomMultiNormalTest, CopyReplaysTheSameVectors) {
  Matrix cov(2, 2, Init::Zero);
  cov(0, 0) = 2.0;
  cov(0, 1) = cov(1, 0) = 0.5;
  cov(1, 1) = 1.0;
  Vector mean(2, Init::Zero);
  RandomMultiNormal sampler;
  ASSERT_TRUE(sampler.InitMultiNormal(mean, cov, NormalOptions{}, 5, 1, 2,
                                      RandomAlgorithm::Mt2002));
  Vector x(2, Init::Zero), z(2, Init::Zero);
  sampler.NextVector(x, z);
  RandomMultiNormal copy;
  ASSERT_TRUE(copy.CopyFrom(sampler));
  // Drawing into strided views (columns of row-major matrices) gives the same values.
  Matrix out(2, 2, Init::Zero);
  Matrix work(2, 2, Init::Zero);
  for (int k = 0; k < 4; ++k) {
    sampler.NextVector(x, z);
    copy.NextVector(out.Column(1), work.Column(0));
    EXPECT_EQ(x[0], out(0, 1));
    EXPECT_EQ(x[1], out(1, 1));
  }
}

}  // namespace
}  // namespace Zq::Math
