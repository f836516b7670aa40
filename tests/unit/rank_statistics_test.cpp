// Spearman's rho and Kendall's tau-b against SciPy on tables full of ties,
// against the definitions on random grids, and their invariances.
#include "multivariate/rank_statistics.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

#include "multivariate/statistics.h"
#include "numerics/special_values.h"

namespace Zq::Math {
namespace {

struct RankReference {
  std::int32_t n;
  std::uint64_t seed;
  struct Column {
    int kind, levels;
  } columns[6];
  double spearman[36];
  double kendall[36];
};

const RankReference kReferences[] = {
#include "tests/unit/reference/rank_correlation.inc"
};

// The tables of make_rank_correlation.py: one draw of a 64-bit linear
// congruential generator per cell, row by row; every value exact.
Matrix ReferenceTable(const RankReference& r, std::int32_t d) {
  Matrix table(r.n, d, Init::Zero);
  std::uint64_t state = r.seed;
  for (std::int32_t i = 0; i < r.n; ++i)
    for (std::int32_t j = 0; j < d; ++j) {
      state = state * 6364136223846793005u + 1442695040888963407u;
      const std::uint64_t u = state >> 33;
      const double levels = static_cast<double>(r.columns[j].levels ? u % r.columns[j].levels : 0);
      const double first = table(i, 0);
      const double values[] = {levels, u / 2147483648.0, 7.0, 3.0 * first + 1.0, 5.0 - 2.0 * first, first + levels};
      table(i, j) = values[r.columns[j].kind];
    }
  return table;
}

void ExpectMatrixNear(const Matrix& m, const double* expected, double ulps, const char* what) {
  const std::int32_t d = m.Rows();
  for (std::int32_t i = 0; i < d * d; ++i) {
    const double got = m(i / d, i % d), want = expected[i];
    if (std::isnan(want)) {
      EXPECT_TRUE(std::isnan(got)) << what << " entry " << i;
    } else {
      EXPECT_NEAR(got, want, ulps * 0x1p-52 * std::fabs(want)) << what << " entry " << i;
    }
  }
}

TEST(RankStatisticsTest, AgreeWithScipyOnTablesWithTies) {
  for (const RankReference& r : kReferences) {
    std::int32_t d = 0;
    while (d < 6 && r.columns[d].kind + r.columns[d].levels > 0) ++d;
    const Matrix table = ReferenceTable(r, d);
    SCOPED_TRACE(r.n);
    Matrix rho(d, d, Init::Zero), tau(d, d, Init::Zero);
    ASSERT_TRUE(SpearmanMatrix(table, rho) && KendallMatrix(table, tau));
    ExpectMatrixNear(rho, r.spearman, 4, "rho");
    ExpectMatrixNear(tau, r.kendall, 4, "tau");
  }
}

// Concordant less discordant pairs over the square roots of the pairs
// untied in each column, pair by pair.
double NaiveTauB(ConstVectorView x, ConstVectorView y) {
  std::int64_t score = 0, pairs = 0, tiedX = 0, tiedY = 0;
  for (std::int32_t a = 0; a < x.Length(); ++a)
    for (std::int32_t b = a + 1; b < x.Length(); ++b) {
      const int sx = (x[a] < x[b]) - (x[b] < x[a]), sy = (y[a] < y[b]) - (y[b] < y[a]);
      score += sx * sy, ++pairs, tiedX += sx == 0, tiedY += sy == 0;
    }
  if (tiedX == pairs || tiedY == pairs) return kNaN;
  return static_cast<double>(score) / std::sqrt(static_cast<double>(pairs - tiedX) * static_cast<double>(pairs - tiedY));
}

TEST(RankStatisticsTest, RandomGridsMatchTheDefinitionsAndInvariances) {
  std::mt19937 engine(11);
  for (std::int32_t n : {2, 3, 8, 41, 300})
    for (std::int32_t d = 1; d <= 6; ++d)
      for (int levels : {2, 5, 1000}) {
        std::uniform_int_distribution<int> draw(0, levels - 1);
        // Column-major storage: the kernels read strided views.
        Matrix table(true);
        ASSERT_TRUE(table.Resize(n, d));
        for (std::int32_t i = 0; i < n * d; ++i) table.Data()[i] = draw(engine);
        Matrix rho(d, d, Init::Zero), tau(d, d, Init::Zero), ranksX(n, 1, Init::Zero), ranksY(n, 1, Init::Zero);
        ASSERT_TRUE(SpearmanMatrix(table, rho) && KendallMatrix(table, tau));
        for (std::int32_t j = 0; j < d; ++j) {
          EXPECT_EQ(rho(j, j), 1.0);
          EXPECT_EQ(tau(j, j), 1.0);
          AverageRanks(table.Column(j), ranksX.Column(0));
          for (std::int32_t k = j + 1; k < d; ++k) {
            EXPECT_EQ(std::bit_cast<std::uint64_t>(rho(j, k)), std::bit_cast<std::uint64_t>(rho(k, j)));
            EXPECT_EQ(std::bit_cast<std::uint64_t>(tau(j, k)), std::bit_cast<std::uint64_t>(tau(k, j)));
            const double naive = NaiveTauB(table.Column(j), table.Column(k));
            EXPECT_TRUE(tau(j, k) == naive || (std::isnan(naive) && std::isnan(tau(j, k))));
            AverageRanks(table.Column(k), ranksY.Column(0));
            const double pearson = PairCorrelation(ranksX.Column(0), ranksY.Column(0));
            EXPECT_TRUE(std::fabs(rho(j, k) - pearson) <= 1e-15 || (std::isnan(pearson) && std::isnan(rho(j, k))));
          }
        }
        // An increasing transform of column 0 changes nothing; a decreasing
        // one of the last column flips the signs of its entries exactly.
        for (std::int32_t i = 0; i < n; ++i) {
          table(i, 0) = table(i, 0) * table(i, 0) * table(i, 0) - 1e6;
          table(i, d - 1) = -0.5 * table(i, d - 1);
        }
        Matrix rho2(d, d, Init::Zero), tau2(d, d, Init::Zero);
        ASSERT_TRUE(SpearmanMatrix(table, rho2) && KendallMatrix(table, tau2));
        for (std::int32_t j = 0; j < d; ++j)
          for (std::int32_t k = 0; k < d; ++k) {
            const double sign = (j == d - 1) != (k == d - 1) ? -1.0 : 1.0;
            if (std::isnan(rho(j, k))) continue;
            EXPECT_EQ(rho2(j, k), sign * rho(j, k));
            EXPECT_EQ(tau2(j, k), sign * tau(j, k));
          }
      }
}

TEST(RankStatisticsTest, MonotoneColumnsGiveExactlyOneAndConstantOnesNaN) {
  const std::int32_t n = 3000;
  Matrix table(n, 4, Init::Zero);
  for (std::int32_t i = 0; i < n; ++i) {
    table(i, 0) = (i * 7919) % 101;       // many ties
    table(i, 1) = std::exp(table(i, 0));  // increasing, same ties
    table(i, 2) = -table(i, 0);
    table(i, 3) = 2.5;
  }
  for (auto kernel : {SpearmanMatrix, KendallMatrix}) {
    Matrix m(4, 4, Init::Zero);
    ASSERT_TRUE(kernel(table, m, StopRequest::Never()));
    EXPECT_EQ(m(0, 1), 1.0);
    EXPECT_EQ(m(0, 2), -1.0);
    EXPECT_EQ(m(1, 2), -1.0);
    EXPECT_EQ(m(3, 3), 1.0);
    for (std::int32_t j = 0; j < 3; ++j) EXPECT_TRUE(std::isnan(m(j, 3)) && std::isnan(m(3, j)));
  }
}

TEST(RankStatisticsTest, AverageRanksShareTiesAndRefuseMismatchedLengths) {
  const double values[] = {3, 1, 4, 1, 5, -0.0, 0.0};
  Matrix ranks(7, 1, Init::Zero);
  AverageRanks(ConstVectorView(values, 1, 7), ranks.Column(0));
  const double expected[] = {5, 3.5, 6, 3.5, 7, 1.5, 1.5};
  for (int i = 0; i < 7; ++i) EXPECT_EQ(ranks(i, 0), expected[i]);
  AverageRanks(ConstVectorView(values, 1, 6), ranks.Column(0));
  EXPECT_TRUE(std::isnan(ranks(0, 0)) && std::isnan(ranks(6, 0)));
}

TEST(RankStatisticsTest, RefusesBadShapesAndStopsWhenAsked) {
  Matrix table(20000, 3, Init::Zero), wrong(3, 2, Init::Zero), m(3, 3, Init::Zero);
  for (std::int32_t i = 0; i < 20000 * 3; ++i) table.Data()[i] = (i * 37) % 1009;
  const ConstMatrixView oneRow = ConstMatrixView::Attach(table.Data(), 1, 3, 3, 1, false);
  for (auto kernel : {SpearmanMatrix, KendallMatrix}) {
    EXPECT_FALSE(kernel(table, wrong, StopRequest::Never()));
    EXPECT_FALSE(kernel(oneRow, m, StopRequest::Never()));
    StopRequest stop([](void*) { return true; }, nullptr, StopRequest::Clock::duration::zero());
    EXPECT_FALSE(kernel(table, m, stop));
    EXPECT_TRUE(stop.Stopped());
  }
}

}  // namespace
}  // namespace Zq::Math
