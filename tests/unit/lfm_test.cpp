#include <cmath>
#include <cstdint>
#include <optional>
#include <vector>

#include <gtest/gtest.h>

#include "distributions/normal.h"
#include "finance/lfm_generators.h"
#include "finance/lfm_simulation.h"
#include "tests/unit/plain_mersenne_twister.h"

namespace {

using namespace Zq::Math;

TEST(LfmGenerators, LegacyRandSequence) {
  LegacyRand rand;
  rand.Seed(1);
  for (int expected : {41, 18467, 6334, 26500, 19169}) EXPECT_EQ(rand.Next(), expected);
}

// The shuffled generator computed with 64-bit products instead of Schrage's
// factorisation, from state `start`.
std::vector<double> ShuffledReference(std::int64_t start, int count) {
  constexpr std::int64_t m = 2147483647;
  std::int64_t x = start, table[32];
  for (int j = 39; j >= 0; --j) {
    x = x * 16807 % m;
    if (j < 32) table[j] = x;
  }
  std::int64_t last = table[0];
  std::vector<double> out;
  for (int i = 0; i < count; ++i) {
    x = x * 16807 % m;
    const int j = static_cast<int>(last / 67108864);
    last = table[j];
    table[j] = x;
    out.push_back(std::fmin(last / 2147483647.0, 0.99999988));
  }
  return out;
}

TEST(LfmGenerators, ShuffledMinimalStandardBuildsFromStateOne) {
  for (std::int32_t state : {0, 1, 57, 99}) {
    ShuffledMinimalStandard generator;
    generator.SetState(state);  // a positive state still starts the table from 1
    const std::vector<double> expected = ShuffledReference(1, 2000);
    for (double u : expected) ASSERT_EQ(generator.NextUniform(), u);
  }
  ShuffledMinimalStandard generator;
  generator.SetState(-5);
  EXPECT_EQ(generator.NextUniform(), ShuffledReference(5, 1)[0]);
  // A built table with a new positive state is continued, not rebuilt.
  generator.SetState(1);
  EXPECT_NE(generator.NextUniform(), ShuffledReference(1, 1)[0]);
}

// The path arithmetic written out plainly, as a reference for the hoisted
// and short-cut production loop: it must agree to the last bit.
class Reference {
 public:
  Reference(const std::vector<double>& rho, int n, double r0, double strike, double horizon, int paths, int steps,
            int q)
      : rho_(rho), n_(n), r0_(r0), strike_(strike), horizon_(horizon), paths_(paths), steps_(steps), q_(q) {}

  template <class NextNormal, class StartPath>
  LfmStatistics Run(NextNormal next, StartPath start) const {
    const int n = n_;
    const double dt = horizon_ / steps_;
    std::vector<double> sigma(n), X(n + 1), Y(n);
    for (int i = 1; i <= n; ++i) {
      const double t = i * dt;
      sigma[i - 1] = (0.0134498 + 0.19085664 * t) * std::exp(-0.97462314 * t) + 0.08089168;
    }
    auto rho = [&](int k, int l) { return k >= l ? rho_[k * n + l] : rho_[l * n + k]; };
    double sum = 0, squares = 0;
    for (int j = 0; j < paths_; ++j) {
      start(j);
      X.assign(n + 1, 0.0);
      X[0] = r0_;
      double P = 1, Q = 1, plus = 0, minus = 0, A = 0, U = 0;
      for (int step = 0; step < steps_; ++step) {
        for (int k = 0; k < n; ++k) {
          if (k >= q_ - 1) {
            for (int l = q_ - 1; l <= k; ++l) plus += rho(k, l) * 0.5 * sigma[k] * X[l] / (0.5 * X[l] + 1) * dt;
          } else {
            for (int l = k + 1; l <= q_ - 2; ++l) minus += rho(k, l) * 0.5 * sigma[k] * X[l] / (0.5 * X[l] + 1) * dt;
          }
          const double z = next();
          X[k + 1] = std::exp(std::log(X[k]) + sigma[k] * (plus - minus) - 0.5 * sigma[k] * sigma[k] * dt +
                              sigma[k] * std::sqrt(dt) * z);
          Y[k] = X[k + 1];
        }
        for (int l = 0; l < n; ++l) {
          P = P / (1 + 0.5 * Y[l]);
          for (int m = 0; m < n; ++m) {
            for (int e = 0; e <= m; ++e) Q = Q / (1 + 0.5 * Y[e]);
            A += 0.5 * Q;
          }
        }
        const double s = (1 - P) / A - strike_;
        U += (std::isfinite(s) ? std::fmax(s, 0.0) : NAN) * A;
      }
      sum += U;
      squares += U * U;
    }
    const double N = paths_, D = std::exp(-r0_ * horizon_);
    const double deviation = std::sqrt(N * squares - sum * sum) / N * D;
    return {sum / N * D, deviation, deviation / std::sqrt(N)};
  }

  LfmStatistics Mersenne(std::int32_t seed, bool inversion, bool antithetic) const {
    ZqTest::PlainMersenneTwister twister;
    bool cached = false, negate = false;
    double second = 0;
    auto uniform = [&] { return (twister.Next() + 0.5) / 4294967296.0; };
    auto start = [&](int j) {
      const std::uint32_t key[2] = {static_cast<std::uint32_t>(seed), static_cast<std::uint32_t>(antithetic ? j / 2 : j)};
      twister.InitByArray(key, 2);
      cached = false;
      negate = antithetic && j % 2 == 1;
    };
    auto next = [&] {
      double z;
      if (inversion) {
        z = NormCdfInv(uniform());
      } else if (cached) {
        cached = false;
        z = second;
      } else {
        double a, b, s;
        do {
          a = 2 * uniform() - 1;
          b = 2 * uniform() - 1;
          s = a * a + b * b;
        } while (s >= 1 || s <= 1.1920928955078125e-07);
        const double f = std::sqrt(-2 * std::log(s) / s);
        second = a * f;
        cached = true;
        z = b * f;
      }
      return negate ? -z : z;
    };
    return Run(next, start);
  }

  LfmInputs Inputs() const { return {rho_.data(), n_, r0_, strike_, horizon_, paths_, steps_, q_}; }

 private:
  std::vector<double> rho_;
  int n_;
  double r0_, strike_, horizon_;
  int paths_, steps_, q_;
};

// A correlation matrix whose upper triangle is garbage: it must not be read.
std::vector<double> Correlation(int n) {
  std::vector<double> rho(n * n);
  for (int k = 0; k < n; ++k) {
    for (int l = 0; l < n; ++l) rho[k * n + l] = k == l ? 1.0 : k > l ? std::exp(-0.1 * (k - l)) : 1e6;
  }
  return rho;
}

void ExpectSame(const LfmStatistics& actual, const LfmStatistics& expected) {
  EXPECT_EQ(actual.mean, expected.mean);
  EXPECT_EQ(actual.deviation, expected.deviation);
  EXPECT_EQ(actual.standardError, expected.standardError);
}

TEST(LfmSimulation, SchemeOneMatchesThePlainArithmetic) {
  struct Case {
    int n, q, paths, steps;
    double r0, strike, horizon;
  };
  const Case cases[] = {{1, 1, 5, 4, 0.05, 0.04, 2}, {3, 2, 7, 3, 0.04, 0.05, 5},   {5, 5, 4, 5, 0.03, 0.0, 1},
                        {6, 1, 3, 6, 0.08, 0.1, 3},  {12, 4, 3, 6, 0.5, 0.02, 10}};  // the last underflows Q
  for (const Case& c : cases) {
    const Reference reference(Correlation(c.n), c.n, c.r0, c.strike, c.horizon, c.paths, c.steps, c.q);
    for (bool inversion : {false, true}) {
      for (bool antithetic : {false, true}) {
        SCOPED_TRACE(testing::Message() << c.n << " " << c.q << " " << inversion << antithetic);
        ExpectSame(SimulateLfmMersenne(reference.Inputs(), 42, inversion, antithetic),
                   reference.Mersenne(42, inversion, antithetic));
      }
    }
  }
}

TEST(LfmSimulation, AntitheticPairsShareTheirFirstPath) {
  const Reference reference(Correlation(4), 4, 0.05, 0.0, 3, 1, 4, 2);
  LfmInputs one = reference.Inputs(), two = one;
  two.paths = 2;
  const double plain = SimulateLfmMersenne(one, 9, true, false).mean;
  const double pair = SimulateLfmMersenne(two, 9, true, true).mean;
  const double mirrored = 2 * pair - plain;  // the second path alone
  EXPECT_NE(mirrored, plain);
  EXPECT_NE(SimulateLfmMersenne(two, 9, true, false).mean, pair);
}

TEST(LfmSimulation, SchemeFourMatchesThePlainArithmetic) {
  const Reference reference(Correlation(4), 4, 0.05, 0.04, 3, 6, 5, 3);
  ShuffledMinimalStandard generator, copy;
  for (std::int32_t seed : {3, 1234}) {
    LegacyRand rand;
    rand.Seed(static_cast<std::uint32_t>(seed));
    copy.SetState(rand.Next() % 100);
    const LfmStatistics expected = reference.Run([&] { return copy.NextNormal(); }, [](int) {});
    ExpectSame(SimulateLfmLegacy(reference.Inputs(), seed, generator), expected);
  }
}

TEST(LfmSimulation, WorksheetNumbersSelectTheirSchemes) {
  const std::optional<LfmScheme> none;
  const struct {
    int code;
    std::optional<LfmScheme> scheme;
  } cases[] = {{0, LfmScheme::Mersenne}, {1, LfmScheme::Mersenne}, {2, none}, {3, none}, {4, LfmScheme::Legacy},
               {5, none},  {-1, none},  {-32768, none}, {32767, none}, {65537, none}};
  for (const auto& c : cases) EXPECT_EQ(LfmSchemeOf(c.code), c.scheme) << c.code;
}

TEST(LfmSimulation, NoPathsGiveNoStatistics) {
  const Reference reference(Correlation(2), 2, 0.05, 0.04, 1, 0, 2, 1);
  LfmInputs inputs = reference.Inputs();
  for (std::int32_t paths : {0, -3}) {
    inputs.paths = paths;
    const LfmStatistics s = SimulateLfmMersenne(inputs, 1, false, false);
    EXPECT_TRUE(std::isnan(s.mean));
    EXPECT_TRUE(std::isnan(s.deviation));
    EXPECT_TRUE(std::isnan(s.standardError));
  }
}

}  // namespace
