// ZqRandMultiNorm draws its rows in batches: every row, at any Size up to
// the largest a 16-bit Size can ask for, is the vector the sampler gives one
// at a time.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "addin/worksheet_functions.h"
#include "multivariate/random_multi_normal.h"
#include "tests/worksheet/array_argument_support.h"
#include "tests/worksheet/worksheet_result_support.h"

namespace Zq::Math {
namespace {

using Testing::ArrayArgument;
using Testing::Read;

TEST(MultiNormalRows, EveryRowIsTheNextVectorAtEverySize) {
  const std::vector<double> cov{4, 1.2, -0.6, 1.2, 1, 0.3, -0.6, 0.3, 2.25};
  const std::vector<double> mean{1, -2, 0.5};
  const ArrayArgument covArgument(3, 3, cov), meanArgument(3, 1, mean);
  struct Case {
    std::int32_t size;
    NormalOptions options;
  };
  const Case cases[] = {{1, {}}, {7, {}}, {8, {.antithetic = true}}, {9, {.inversion = true}},
                        {17, {.resampling = true}}, {32767, {}}, {32767, {.antithetic = true, .resampling = true}}};
  for (const auto& c : cases) {
    const auto answer = Read(ZqRandMultiNorm(static_cast<Addin::WholeNumber>(c.size), covArgument, meanArgument, 0,
                                             5, 6, c.options.inversion, c.options.antithetic, c.options.resampling));
    ASSERT_FALSE(answer.error) << "size " << c.size;
    ASSERT_EQ(answer.rows, c.size);
    ASSERT_EQ(answer.columns, 3);
    Matrix covMatrix(3, 3, Init::Zero);
    Vector meanVector(3, Init::Zero), x(3, Init::Zero), z(3, Init::Zero);
    for (int k = 0; k < 9; ++k) covMatrix(k / 3, k % 3) = cov[k];
    for (int i = 0; i < 3; ++i) meanVector[i] = mean[i];
    RandomMultiNormal sampler;
    ASSERT_TRUE(sampler.InitMultiNormal(meanVector, covMatrix, c.options, c.size, 5, 6, RandomAlgorithm::Mt2002));
    int mismatches = 0;
    for (std::int32_t row = 0; row < c.size; ++row) {
      sampler.NextVector(x, z);
      for (int i = 0; i < 3; ++i) mismatches += answer.At(row, i) == x[i] ? 0 : 1;
    }
    EXPECT_EQ(mismatches, 0) << "size " << c.size;
  }
}

}  // namespace
}  // namespace Zq::Math
