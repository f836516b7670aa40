// Gamma, Poisson and beta kernels against Boost.Math. Tolerances follow the
// kernels' own accuracy: the six-term Lanczos series is good to about 2e-10
// in ln Γ, and the beta continued fraction stops at a 3e-7 step.
#include "distributions/special_functions.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <boost/math/distributions/beta.hpp>
#include <boost/math/distributions/poisson.hpp>
#include <boost/math/special_functions/beta.hpp>
#include <boost/math/special_functions/digamma.hpp>
#include <boost/math/special_functions/gamma.hpp>
#include <cmath>
#include <cstdint>
#include <limits>

namespace Zq::Math {
namespace {

constexpr std::int32_t kMaxCount = std::numeric_limits<std::int32_t>::max();

TEST(SpecialFunctions, GammaFamilyMatchesKnownValues) {
  EXPECT_NEAR(LogGamma(1.0), 0.0, 1e-15);
  EXPECT_NEAR(LogGamma(2.0), 0.0, 1e-15);
  EXPECT_NEAR(LogGamma(0.5), 0.5723649429, 5e-11);
  EXPECT_NEAR(DiGamma(1.0), -0.5772156649, 5e-11);
  EXPECT_EQ(Factorial(0), 1.0);
  EXPECT_EQ(Factorial(5), 120.0);
  EXPECT_EQ(Factorial(20), 2432902008176640000.0);
  EXPECT_EQ(Factorial(33), std::exp(LogGamma(34.0)));
  EXPECT_TRUE(std::isnan(Factorial(-1)));
  EXPECT_TRUE(std::isinf(Factorial(kMaxCount)));
}

TEST(SpecialFunctions, LogGammaAndDiGammaAgreeWithOracleOverGrid) {
  for (double x = 0.05; x < 2000.0; x *= 1.37) {
    const double expected = boost::math::lgamma(x);
    EXPECT_NEAR(LogGamma(x), expected, 2e-10 + 1e-14 * std::fabs(expected)) << x;
    EXPECT_NEAR(DiGamma(x), boost::math::digamma(x), 2e-9) << x;
  }
}

TEST(SpecialFunctions, FactorialTableHoldsExactProducts) {
  double product = 1.0;
  for (std::int32_t n = 1; n <= 32; ++n) {
    product *= n;
    EXPECT_EQ(Factorial(n), product) << n;
  }
}

TEST(SpecialFunctions, PoissonEdgeCases) {
  EXPECT_EQ(PoissonCdf(-1, 2.0), 0.0);
  EXPECT_EQ(PoissonCdf(0, 2.0), std::exp(-2.0));
  EXPECT_EQ(PoissonPmf(0, 0.0), 1.0);
  EXPECT_EQ(PoissonPmf(3, 0.0), 0.0);
  EXPECT_EQ(PoissonPmf(3, 2.5), std::pow(2.5, 3) / 6.0 * std::exp(-2.5));
  EXPECT_TRUE(std::isnan(PoissonCdf(kMaxCount, std::numeric_limits<double>::quiet_NaN())));
  EXPECT_TRUE(std::isnan(PoissonCdf(kMaxCount, std::numeric_limits<double>::infinity())));
  EXPECT_TRUE(std::isnan(PoissonCdf(kMaxCount, -3.0)));
}

TEST(SpecialFunctions, PoissonAgreesWithOracleIncludingLargeCounts) {
  for (double lambda : {0.1, 2.0, 17.5, 150.0, 900.0, 4000.0}) {
    const boost::math::poisson_distribution<double> oracle(lambda);
    for (std::int32_t k : {0, 1, 5, 30, 120, 171, 200, 800, 1000, 4000, 4200}) {
      const double pmf = boost::math::pdf(oracle, k);
      const double cdf = boost::math::cdf(oracle, k);
      // Log-space terms carry the rounding of k ln(lambda) and the Lanczos error.
      ASSERT_TRUE(std::isfinite(PoissonPmf(k, lambda))) << k << " " << lambda;
      EXPECT_NEAR(PoissonPmf(k, lambda), pmf, 1e-8 * pmf + 1e-300) << k << " " << lambda;
      EXPECT_NEAR(PoissonCdf(k, lambda), cdf, 1e-8 * cdf + 1e-300) << k << " " << lambda;
    }
  }
}

// The cumulative sum with its early stops must equal, bit for bit, the
// in-order sum of every mass term up to k (never above 1).
TEST(SpecialFunctions, PoissonCdfEarlyStopsAreBitIdentical) {
  for (double lambda : {0.5, 9.0, 63.0, 170.5, 746.0, 1500.0, 20000.0}) {
    for (std::int32_t k : {0, 3, 40, 171, 745, 1200, 1600, 19000, 21000, 24000}) {
      double sum = 0.0;
      for (std::int32_t i = 0; i <= k; ++i) sum = PoissonPmf(i, lambda) + sum;
      EXPECT_EQ(PoissonCdf(k, lambda), std::min(sum, 1.0)) << k << " " << lambda;
    }
  }
}

TEST(SpecialFunctions, PoissonCdfOfTheLargestCountEndsWithTheRightValue) {
  EXPECT_EQ(PoissonCdf(kMaxCount, 50.0), PoissonCdf(5000, 50.0));
  // Factorials above 32 come from the Lanczos series (about 2e-10); at a
  // mean of 2e9 the log-term k ln(lambda) ~ 5e10 carries about 1e-5 of rounding.
  EXPECT_NEAR(PoissonCdf(kMaxCount, 50.0), 1.0, 2e-10);
  EXPECT_NEAR(PoissonCdf(kMaxCount, 1e5), 1.0, 1e-8);
  EXPECT_NEAR(PoissonCdf(kMaxCount, 2e9), 1.0, 1e-5);
  for (double lambda : {1e5, 1e7, 2e9}) EXPECT_LE(PoissonCdf(kMaxCount, lambda), 1.0) << lambda;
  EXPECT_EQ(PoissonCdf(kMaxCount, 1e12), 0.0);
  const boost::math::poisson_distribution<double> oracle(2.1e9);
  EXPECT_NEAR(PoissonCdf(2100050000, 2.1e9), boost::math::cdf(oracle, 2100050000.0), 1e-5);
}

TEST(SpecialFunctions, BetaClampsAtTheEnds) {
  for (double a : {0.3, 1.0, 2.0, 5.0}) {
    for (double b : {0.4, 1.0, 3.0}) {
      EXPECT_EQ(IncompleteBeta(0.0, a, b), 0.0);
      EXPECT_EQ(IncompleteBeta(1.0, a, b), 1.0);
      EXPECT_EQ(BetaPdf(0.0, a, b), 0.0);
      EXPECT_EQ(BetaPdf(1.0, a, b), 0.0);
    }
  }
  EXPECT_NEAR(IncompleteBeta(0.5, 2.0, 2.0), 0.5, 0.5 * 3e-7);
}

TEST(SpecialFunctions, BetaAgreesWithOracleOverGrid) {
  for (double a : {0.2, 0.7, 1.0, 2.5, 8.0, 30.0}) {
    for (double b : {0.3, 1.0, 4.0, 12.0, 45.0}) {
      const boost::math::beta_distribution<double> oracle(a, b);
      for (double x = 0.01; x < 1.0; x += 0.049) {
        const double pdf = boost::math::pdf(oracle, x);
        EXPECT_NEAR(BetaPdf(x, a, b), pdf, 1e-9 * pdf + 1e-12) << x << " " << a << " " << b;
        // The fraction's last step moves it by less than 3e-7 relative.
        EXPECT_NEAR(IncompleteBeta(x, a, b), boost::math::ibeta(a, b, x), 1e-6) << x << " " << a << " " << b;
      }
    }
  }
}

TEST(SpecialFunctions, IncompleteBetaMirrors) {
  for (double x : {0.05, 0.3, 0.5, 0.81}) {
    EXPECT_NEAR(IncompleteBeta(x, 2.5, 7.0), 1.0 - IncompleteBeta(1.0 - x, 7.0, 2.5), 1e-6);
  }
}

}  // namespace
}  // namespace Zq::Math
