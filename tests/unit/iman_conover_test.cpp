#include "multivariate/iman_conover.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <vector>

#include "multivariate/statistics.h"

namespace Zq::Math {
namespace {

Matrix Square(std::int32_t d, double offDiagonal) {
  Matrix m(d, d, Init::Zero);
  for (std::int32_t i = 0; i < d; ++i)
    for (std::int32_t j = 0; j < d; ++j) m(i, j) = i == j ? 1.0 : offDiagonal;
  return m;
}

std::vector<double> Values(ConstVectorView x) {
  std::vector<double> values;
  for (std::int32_t i = 0; i < x.Length(); ++i) values.push_back(x[i]);
  return values;
}

// Ranks 1..n of a column without ties.
std::vector<double> Ranks(ConstVectorView x) {
  std::vector<std::int32_t> order(static_cast<std::size_t>(x.Length()));
  std::iota(order.begin(), order.end(), 0);
  std::sort(order.begin(), order.end(), [&](std::int32_t a, std::int32_t b) { return x[a] < x[b]; });
  std::vector<double> ranks(order.size());
  for (std::size_t r = 0; r < order.size(); ++r) ranks[static_cast<std::size_t>(order[r])] = static_cast<double>(r + 1);
  return ranks;
}

// Columns from different marginals (uniform, a discrete one full of ties,
// a skewed one) reordered towards several feasible targets: every column's
// sorted values are the input's bit for bit, and for n >= 1000 the rank
// correlation achieved is within 0.02 of the target.
TEST(ImanConover, KeepsEveryColumnsValuesAndReachesTheTarget) {
  for (const std::int32_t d : {2, 3, 5}) {
    for (const double rho : {-0.2, 0.5, 0.9}) {
      if (rho < -1.0 / (d - 1)) continue;
      const std::int32_t n = 2000;
      Matrix samples(n, d, Init::Zero);
      RandomUniform draws(RandomAlgorithm::Mt1998, d, 5);
      for (std::int32_t i = 0; i < n; ++i)
        for (std::int32_t j = 0; j < d; ++j) {
          const double u = draws.NextUniform();
          samples(i, j) = j % 3 == 0 ? u : j % 3 == 1 ? std::floor(8 * u) : -std::log(u);
        }
      const Matrix target = Square(d, rho);
      Matrix result(n, d, Init::Zero);
      RandomUniform engine(RandomAlgorithm::Mt2002, 1, 2);
      ASSERT_TRUE(ImanConover(samples, target, engine, result));
      std::vector<std::vector<double>> ranks;
      for (std::int32_t j = 0; j < d; ++j) {
        std::vector<double> in = Values(samples.Column(j));
        std::vector<double> out = Values(result.Column(j));
        std::sort(in.begin(), in.end());
        std::sort(out.begin(), out.end());
        EXPECT_EQ(in, out) << "column " << j;
        ranks.push_back(j % 3 == 1 ? std::vector<double>() : Ranks(result.Column(j)));
      }
      for (std::int32_t j = 0; j < d; ++j)
        for (std::int32_t k = 0; k < j; ++k) {
          if (ranks[j].empty() || ranks[k].empty()) continue;  // the tied column's ranks need averaging
          const double achieved = PairCorrelation(ConstVectorView(ranks[j].data(), 1, n), ConstVectorView(ranks[k].data(), 1, n));
          EXPECT_NEAR(achieved, rho, 0.02) << "d " << d << " pair " << j << "," << k;
        }
    }
  }
}

// Targets that are no correlation matrix, shapes that do not match, too few
// rows for the scores' correlation to be invertible, and non-finite data
// are refused.
TEST(ImanConover, RefusesWhatIsNoTargetOrTooFewRows) {
  Matrix samples(6, 2, Init::Zero);
  for (std::int32_t i = 0; i < 6; ++i) samples(i, 0) = samples(i, 1) = i;
  Matrix result(6, 2, Init::Zero);
  const auto refused = [&](const Matrix& target) {
    RandomUniform engine;
    return !ImanConover(samples, target, engine, result);
  };
  Matrix asymmetric = Square(2, 0.5);
  asymmetric(0, 1) = 0.4;
  Matrix diagonal = Square(2, 0.5);
  diagonal(1, 1) = 1.5;
  EXPECT_TRUE(refused(asymmetric));
  EXPECT_TRUE(refused(diagonal));
  EXPECT_TRUE(refused(Square(2, 1.0)));   // singular
  EXPECT_TRUE(refused(Square(2, 1.5)));   // out of range
  EXPECT_TRUE(refused(Square(3, 0.5)));   // d mismatch
  EXPECT_FALSE(refused(Square(2, 0.5)));
  EXPECT_FALSE(IsRankCorrelationTarget(Square(3, -0.6)));  // indefinite
  Matrix narrow(2, 2, Init::Zero), narrowResult(2, 2, Init::Zero);
  narrow(0, 0) = 1;
  narrow(1, 1) = 2;
  RandomUniform engine;
  EXPECT_FALSE(ImanConover(narrow, Square(2, 0.5), engine, narrowResult));  // n not above d
  samples(3, 1) = std::nan("");
  EXPECT_TRUE(refused(Square(2, 0.5)));
}

}  // namespace
}  // namespace Zq::Math
