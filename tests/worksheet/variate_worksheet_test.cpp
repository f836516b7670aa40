#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include <boost/math/distributions/normal.hpp>

#include "addin/worksheet_functions.h"
#include "distributions/normal.h"
#include "distributions/normal_pareto.h"
#include "random/random_beta.h"
#include "random/random_gumbel.h"
#include "random/random_logistic.h"
#include "random/random_normal.h"
#include "random/random_poisson.h"
#include "random/random_triangular.h"
#include "random/random_weibull.h"
#include "tests/unit/sample_statistics.h"
#include "tests/worksheet/worksheet_test_support.h"

using std::int32_t;

namespace Zq::Math {
namespace {

using Testing::IsValueError;
using Testing::kKolmogorovCritical;
using Testing::KolmogorovStatistic;
using Testing::TakeArray;
using Testing::TakeColumn;

// Every random function with valid parameters, by Size and Algorithm.
struct Sampler {
  const char* name;
  std::function<LPXLOPER(short size, short algorithm)> call;
};

const std::vector<Sampler>& AllSamplers() {
  static const std::vector<Sampler> samplers = {
      {"Beta", [](short n, short a) { return ZqRandBeta(n, 2, 3, a, 1, 2); }},
      {"Gumbel", [](short n, short a) { return ZqRandGumbel(n, 0.5, 1, a, 1, 2); }},
      {"JohnsonSU", [](short n, short a) { return ZqRandJohnsonSU(n, 0.1, 2, 1, 0, a, 1, 2, 0, 0, 0); }},
      {"Logistic", [](short n, short a) { return ZqRandLogistic(n, -1, 2, a, 1, 2); }},
      {"LogNorm", [](short n, short a) { return ZqRandLogNorm(n, -1, 0.5, a, 1, 2); }},
      {"Poisson", [](short n, short a) { return ZqRandPoisson(n, 3, a, 1, 2); }},
      {"Triangular", [](short n, short a) { return ZqRandTriangular(n, 0, 2, 1, a, 1, 2); }},
      {"TruncNorm", [](short n, short a) { return ZqRandTruncNorm(n, -1, 1, 0, 1, a, 1, 2); }},
      {"Weibull", [](short n, short a) { return ZqRandWeibull(n, 1, 2, a, 1, 2); }},
      {"NormPareto", [](short n, short a) { return ZqRandNormPareto(n, 0, 3, 1, 0, 3, 1, 0, 1, a, 1, 2, 0, 0, 0, 0); }},
      {"NormParetoOrg",
       [](short n, short a) { return ZqRandNormParetoOrg(n, 0, 3, 1, 0, 3, 1, 0, 1, a, 1, 2, 0, 0, 0, 0); }},
  };
  return samplers;
}

TEST(RandomVariateWorksheet, RejectsUnknownAlgorithmsAndEmptySizes) {
  for (const Sampler& s : AllSamplers()) {
    SCOPED_TRACE(s.name);
    EXPECT_TRUE(IsValueError(s.call(1, 3)));
    EXPECT_TRUE(IsValueError(s.call(1, -1)));
    EXPECT_TRUE(IsValueError(s.call(0, 3)));
    EXPECT_TRUE(IsValueError(s.call(0, 0)));
    EXPECT_TRUE(IsValueError(s.call(-5, 0)));
    // One value is still a 1 x 1 array, and equal arguments repeat it.
    for (short algorithm = 0; algorithm <= 2; ++algorithm) {
      const auto first = TakeColumn(s.call(4, algorithm), 4);
      EXPECT_EQ(first, TakeColumn(s.call(4, algorithm), 4));
      for (double x : first) EXPECT_TRUE(std::isfinite(x));
    }
    EXPECT_EQ(TakeColumn(s.call(1, 0), 1).size(), 1u);
  }
}

TEST(RandomVariateWorksheet, RejectsParametersThatMustBePositive) {
  for (double bad : {0.0, -1.0, 1e-12}) {
    EXPECT_TRUE(IsValueError(ZqRandBeta(3, bad, 1, 0, 1, 2)));
    EXPECT_TRUE(IsValueError(ZqRandBeta(3, 1, bad, 0, 1, 2)));
    EXPECT_TRUE(IsValueError(ZqRandGumbel(3, bad, 1, 0, 1, 2)));  // a location, checked all the same
    EXPECT_TRUE(IsValueError(ZqRandGumbel(3, 1, bad, 0, 1, 2)));
    EXPECT_TRUE(IsValueError(ZqRandLogistic(3, 1, bad, 0, 1, 2)));
    EXPECT_TRUE(IsValueError(ZqRandLogNorm(3, 1, bad, 0, 1, 2)));
    EXPECT_TRUE(IsValueError(ZqRandPoisson(3, bad, 0, 1, 2)));
    EXPECT_TRUE(IsValueError(ZqRandWeibull(3, bad, 1, 0, 1, 2)));
    EXPECT_TRUE(IsValueError(ZqRandWeibull(3, 1, bad, 0, 1, 2)));
    EXPECT_TRUE(IsValueError(ZqRandJohnsonSU(3, 0, bad, 1, 0, 0, 1, 2, 0, 0, 0)));
    EXPECT_TRUE(IsValueError(ZqRandJohnsonSU(3, 0, 1, bad, 0, 0, 1, 2, 0, 0, 0)));
    EXPECT_TRUE(IsValueError(ZqRandTruncNorm(3, 0, 1, 0.5, bad, 0, 1, 2)));
  }
  EXPECT_TRUE(IsValueError(ZqRandTruncNorm(3, 0, 1, 0.5, 1e-13, 0, 1, 2)));
  EXPECT_TRUE(IsValueError(ZqRandBeta(3, std::nan(""), 1, 0, 1, 2)));
  EXPECT_EQ(TakeColumn(ZqRandGumbel(3, 0.5, 1, 0, 1, 2), 3).size(), 3u);
  EXPECT_EQ(TakeColumn(ZqRandLogistic(3, -50, 1, 0, 1, 2), 3).size(), 3u);
  EXPECT_EQ(TakeColumn(ZqRandLogNorm(3, -50, 1, 0, 1, 2), 3).size(), 3u);
}

TEST(RandomVariateWorksheet, TriangularAndTruncatedNormalNeedAnOpenRange) {
  EXPECT_TRUE(IsValueError(ZqRandTriangular(3, 0, 2, 0, 0, 1, 2)));
  EXPECT_TRUE(IsValueError(ZqRandTriangular(3, 0, 2, 2, 0, 1, 2)));
  EXPECT_TRUE(IsValueError(ZqRandTriangular(3, 0, 2, 3, 0, 1, 2)));
  EXPECT_TRUE(IsValueError(ZqRandTruncNorm(3, 1, 1, 0.5, 1, 0, 1, 2)));
  EXPECT_TRUE(IsValueError(ZqRandTruncNorm(3, 1, 0, 0.5, 1, 0, 1, 2)));
}

// Each class-based function draws from its class, seeded with the mapped
// engine, with the parameters in their places.
template <class Generator>
std::vector<double> ClassDraws(std::optional<Generator> generator, RandomAlgorithm algorithm, int count) {
  RandomUniform engine(algorithm, 7, -3);
  std::vector<double> values(count);
  for (double& x : values) x = generator.value().Next(engine);
  return values;
}

TEST(RandomVariateWorksheet, ClassFunctionsDrawFromTheirGenerators) {
  const RandomAlgorithm engines[] = {RandomAlgorithm::Mt2002, RandomAlgorithm::Mt1998, RandomAlgorithm::Ran2};
  for (short algorithm = 0; algorithm <= 2; ++algorithm) {
    const RandomAlgorithm engine = engines[algorithm];
    EXPECT_EQ(TakeColumn(ZqRandBeta(20, 0.7, 4, algorithm, 7, -3), 20),
              ClassDraws(RandomBeta::Make(0.7, 4), engine, 20));
    EXPECT_EQ(TakeColumn(ZqRandGumbel(20, 2, 0.5, algorithm, 7, -3), 20),
              ClassDraws(RandomGumbel::Make(2, 0.5), engine, 20));
    EXPECT_EQ(TakeColumn(ZqRandLogistic(20, -3, 0.25, algorithm, 7, -3), 20),
              ClassDraws(RandomLogistic::Make(-3, 0.25), engine, 20));
    EXPECT_EQ(TakeColumn(ZqRandPoisson(20, 30, algorithm, 7, -3), 20), ClassDraws(RandomPoisson::Make(30), engine, 20));
    EXPECT_EQ(TakeColumn(ZqRandTriangular(20, 1, 5, 2, algorithm, 7, -3), 20),
              ClassDraws(RandomTriangular::Make(1, 5, 2), engine, 20));
    // The worksheet's alpha is the scale and beta the shape.
    EXPECT_EQ(TakeColumn(ZqRandWeibull(20, 3, 0.5, algorithm, 7, -3), 20),
              ClassDraws(RandomWeibull::Make(0.5, 3), engine, 20));
  }
}

// The cells come straight from the samplers' runs: columns that cross the
// engines' and the normal sampler's blocks are the kernels' single draws.
TEST(RandomVariateWorksheet, CellsAreTheKernelsDrawsAcrossBlocks) {
  const RandomAlgorithm engines[] = {RandomAlgorithm::Mt2002, RandomAlgorithm::Mt1998, RandomAlgorithm::Ran2};
  constexpr short n = 1500;
  for (short algorithm = 0; algorithm <= 2; ++algorithm) {
    SCOPED_TRACE(algorithm);
    RandomUniform uniform(engines[algorithm], 5, -9);
    std::vector<double> expected(n);
    for (double& u : expected) u = uniform.NextUniform();
    EXPECT_EQ(TakeColumn(ZqRand(n, algorithm, 5, -9), n), expected);
    for (int flags = 0; flags < 8; ++flags) {
      const NormalOptions options{(flags & 1) != 0, (flags & 2) != 0, (flags & 4) != 0};
      RandomUniform engine(engines[algorithm], 5, -9);
      RandomNormal normal = RandomNormal::Make(engine, options, n).value();
      for (double& z : expected) z = normal.Next(engine);
      EXPECT_EQ(TakeColumn(ZqRandNorm(n, algorithm, 5, -9, flags & 1, flags & 2, flags & 4), n), expected) << flags;
    }
  }
}

TEST(RandomVariateWorksheet, LargestSingleValueMarksAFailedCell) {
  for (double x : TakeColumn(ZqRandGumbel(5, 3.4028234663852886e38, 1, 0, 1, 2), 5)) EXPECT_TRUE(std::isnan(x));
  // Just below it the values are ordinary numbers.
  for (double x : TakeColumn(ZqRandGumbel(5, 3.4e38, 1, 0, 1, 2), 5)) EXPECT_TRUE(std::isfinite(x));
}

TEST(RandomVariateWorksheet, PoissonGivesWholeNumbers) {
  for (double mean : {0.5, 11.9, 12.0, 400.0}) {
    for (double k : TakeColumn(ZqRandPoisson(200, mean, 1, 4, 5), 200)) EXPECT_TRUE(k >= 0 && k == std::floor(k));
  }
}

std::vector<double> StandardNormals(short size, int32_t seed1, int32_t seed2, bool invert, bool antithetic,
                                    bool resampling) {
  return TakeColumn(ZqRandNorm(size, 0, seed1, seed2, invert, antithetic, resampling), size);
}

TEST(RandomVariateWorksheet, LogNormalMarksExponentsAbove88Point7) {
  const auto z = StandardNormals(300, 3, 4, true, false, false);
  const auto x = TakeColumn(ZqRandLogNorm(300, 86, 1, 0, 3, 4), 300);
  int failed = 0;
  for (int i = 0; i < 300; ++i) {
    if (86 + z[i] > 88.7) {
      EXPECT_TRUE(std::isnan(x[i]));
      ++failed;
    } else {
      EXPECT_EQ(x[i], std::exp(86 + z[i]));
    }
  }
  EXPECT_GT(failed, 0);
  EXPECT_LT(failed, 300);
}

TEST(RandomVariateWorksheet, JohnsonSUTransformsTheNormalSampleWithItsSwitches) {
  for (int flags = 0; flags < 8; ++flags) {
    const bool invert = flags & 1, antithetic = flags & 2, resampling = flags & 4;
    const auto z = StandardNormals(50, 8, 9, invert, antithetic, resampling);
    const auto x = TakeColumn(ZqRandJohnsonSU(50, 0.5, 2, 1.5, -1, 0, 8, 9, invert, antithetic, resampling), 50);
    for (int i = 0; i < 50; ++i) EXPECT_DOUBLE_EQ(x[i], -1 + 1.5 * std::sinh((z[i] - 0.5) / 2));
  }
  EXPECT_TRUE(IsValueError(ZqRandJohnsonSU(1, 0.5, 2, 1.5, -1, 0, 8, 9, 0, 0, 1)));
}

TEST(RandomVariateWorksheet, JohnsonSUFollowsItsDistribution) {
  const short n = 20000;
  const auto x = TakeColumn(ZqRandJohnsonSU(n, 0.5, 2, 1.5, -1, 1, 8, 9, 0, 0, 0), n);
  const boost::math::normal_distribution<double> normal;
  EXPECT_LT(KolmogorovStatistic(x,
                                [&](double v) { return boost::math::cdf(normal, 0.5 + 2 * std::asinh((v + 1) / 1.5)); }),
            kKolmogorovCritical);
}

TEST(RandomVariateWorksheet, TruncatedNormalStaysInRangeAndFollowsItsDistribution) {
  const short n = 20000;
  const auto x = TakeColumn(ZqRandTruncNorm(n, -0.5, 2, 0.3, 1.2, 2, 5, 6), n);
  for (double v : x) ASSERT_TRUE(v >= -0.5 && v <= 2);
  const boost::math::normal_distribution<double> normal(0.3, 1.2);
  const double low = boost::math::cdf(normal, -0.5);
  const double mass = boost::math::cdf(normal, 2) - low;
  EXPECT_LT(KolmogorovStatistic(x, [&](double v) { return (boost::math::cdf(normal, v) - low) / mass; }),
            kKolmogorovCritical);
  // A range far in the tail, where the kernels' approximations push some
  // values past a bound: they are held at it.
  for (double v : TakeColumn(ZqRandTruncNorm(500, 6, 6.5, 0, 1, 0, 5, 6), 500)) EXPECT_TRUE(v >= 6 && v <= 6.5);
  for (double v : TakeColumn(ZqRandTruncNorm(500, 9, 10, 0, 1, 0, 5, 6), 500)) EXPECT_TRUE(v >= 9 && v <= 10);
}

TEST(RandomVariateWorksheet, NormParetoWithoutTailsScalesTheNormalSample) {
  const auto z = StandardNormals(5, 1, 2, false, true, false);
  const auto row = TakeArray(ZqRandNormPareto(5, 0, 3, 1, 0, 3, 1, 2, 0.5, 0, 1, 2, 0, 1, 0, 1), 1, 5);
  const auto column = TakeArray(ZqRandNormParetoOrg(5, 0, 3, 1, 0, 3, 1, 2, 0.5, 0, 1, 2, 0, 1, 0, 0), 5, 1);
  ASSERT_EQ(row.size(), 5u);
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(row[i], 2 + 0.5 * z[i]);
    EXPECT_EQ(column[i], 2 + 0.5 * z[i]);
  }
}

TEST(RandomVariateWorksheet, NormParetoSamplesFollowTheirDistributions) {
  const double pU = 0.05, pL = 0.02;
  const double zU = NormCdfInv(1 - pU), zL = -NormCdfInv(pL);
  const double aU = TailIndexAt(zU), aL = TailIndexAt(zL);
  const NormParetoParams p{pU, aU, pU * std::pow(zU, aU), pL, aL, pL * std::pow(zL, aL), 1, 2};
  const short n = 20000;
  const auto x = TakeColumn(ZqRandNormPareto(n, p.pU, p.alphaU, p.betaU, p.pL, p.alphaL, p.betaL, p.mu, p.sigma, 0, 3,
                                             4, 1, 0, 0, 0),
                            n);
  EXPECT_LT(KolmogorovStatistic(x, [&](double v) { return NormParetoCdf(v, p); }), kKolmogorovCritical);
  const auto y = TakeColumn(ZqRandNormParetoOrg(n, p.pU, p.alphaU, p.betaU, p.pL, p.alphaL, p.betaL, 0, 1, 0, 3, 4,
                                                1, 0, 0, 0),
                            n);
  NormParetoParams org = p;
  org.mu = 0;
  org.sigma = 1;
  EXPECT_LT(KolmogorovStatistic(y, [&](double v) { return NormParetoOrgCdf(v, org); }), kKolmogorovCritical);
}

}  // namespace
}  // namespace Zq::Math
