#include "random/latin_hypercube.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace Zq::Math {
namespace {

// Every column of every size holds exactly one point in each stratum
// [k/n, (k+1)/n), strictly inside (0, 1); the same seeds give the same
// sample and the columns are not copies of each other.
TEST(LatinHypercube, EachColumnHasOnePointPerStratum) {
  for (const std::int32_t n : {1, 2, 3, 10, 997, 20011}) {
    for (const std::int32_t d : {1, 3}) {
      std::vector<double> sample(static_cast<std::size_t>(n) * d);
      RandomUniform engine(RandomAlgorithm::Mt2002, n, d);
      ASSERT_TRUE(LatinHypercube(n, d, engine, [&](std::int32_t row, std::int32_t column, double x) {
        sample[static_cast<std::size_t>(row) * d + column] = x;
      }));
      for (std::int32_t column = 0; column < d; ++column) {
        std::vector<int> hits(static_cast<std::size_t>(n), 0);
        for (std::int32_t row = 0; row < n; ++row) {
          const double x = sample[static_cast<std::size_t>(row) * d + column];
          ASSERT_TRUE(x > 0 && x < 1) << x;
          const auto k = static_cast<std::int32_t>(std::floor(x * n));
          const std::int32_t stratum = x < static_cast<double>(k) / n ? k - 1 : x >= static_cast<double>(k + 1) / n ? k + 1 : k;
          ++hits[static_cast<std::size_t>(stratum)];
        }
        for (const int h : hits) ASSERT_EQ(h, 1) << "n " << n << " column " << column;
      }
      std::vector<double> again(sample.size());
      RandomUniform same(RandomAlgorithm::Mt2002, n, d);
      LatinHypercube(n, d, same, [&](std::int32_t row, std::int32_t column, double x) {
        again[static_cast<std::size_t>(row) * d + column] = x;
      });
      EXPECT_EQ(sample, again);
      if (d > 1 && n > 2) EXPECT_NE(sample[0], sample[1]);
    }
  }
}

// Where k + u rounds up to k + 1 (large n, u near 1) the point stays in its
// stratum, and the last stratum's stays below 1.
TEST(LatinHypercube, PointsStayBelowTheirStratumsUpperEnd) {
  for (const std::int32_t n : {9000, 20001, 1048576}) {
    for (const std::int32_t k : {0, n / 2, n - 1}) {
      const double x = StratumPoint(k, n, 0.999999999999);
      EXPECT_LT(x, static_cast<double>(k + 1) / n);
      EXPECT_GE(x, static_cast<double>(k) / n);
      EXPECT_GT(StratumPoint(k, n, 1e-12), 0.0);
    }
  }
}

}  // namespace
}  // namespace Zq::Math
