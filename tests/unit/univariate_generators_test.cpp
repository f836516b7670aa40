#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <cmath>
#include <vector>

#include <boost/math/distributions/beta.hpp>
#include <boost/math/distributions/extreme_value.hpp>
#include <boost/math/distributions/logistic.hpp>
#include <boost/math/distributions/poisson.hpp>
#include <boost/math/distributions/triangular.hpp>
#include <boost/math/distributions/weibull.hpp>

#include "distributions/special_functions.h"
#include "random/random_beta.h"
#include "random/random_gumbel.h"
#include "random/random_logistic.h"
#include "random/random_poisson.h"
#include "random/random_triangular.h"
#include "random/random_weibull.h"
#include "tests/unit/sample_statistics.h"

namespace Zq::Math {
namespace {

using Testing::ChiSquareAccepts;
using Testing::kKolmogorovCritical;
using Testing::KolmogorovStatistic;
using Testing::SampleMoments;

constexpr int kSampleSize = 20000;

// A sample from a fresh copy of the sampler (nothing made ahead) and a
// freshly seeded engine.
template <class Generator>
std::vector<double> Draw(const Generator& sampler, int count = kSampleSize, std::int32_t seed1 = 11,
                         std::int32_t seed2 = 29) {
  Generator generator = sampler;
  RandomUniform engine(RandomAlgorithm::Mt2002, seed1, seed2);
  std::vector<double> sample(count);
  for (double& x : sample) x = generator.Next(engine);
  return sample;
}

// KS distance within the 0.1% bound, and mean and variance within five
// standard errors (the variance's taken generously as 5%).
template <class Distribution>
void ExpectSampleOf(const std::vector<double>& sample, const Distribution& reference) {
  EXPECT_LT(KolmogorovStatistic(sample, [&](double x) { return boost::math::cdf(reference, x); }), kKolmogorovCritical);
  const auto moments = SampleMoments(sample);
  const double variance = boost::math::variance(reference);
  EXPECT_NEAR(moments.mean, boost::math::mean(reference), 5 * std::sqrt(variance / sample.size()));
  EXPECT_NEAR(moments.variance, variance, 0.05 * variance);
}

RandomBeta Beta(double alpha, double beta) { return RandomBeta::Make(alpha, beta).value(); }

TEST(RandomBeta, FollowsTheBetaDistributionWithBothAlgorithms) {
  // BB for both parameters above 1, BC otherwise (1 itself included).
  const double cases[][2] = {{2, 5}, {5, 2}, {3.5, 3.5}, {1.5, 40}, {0.5, 0.5}, {1, 1}, {0.3, 3}, {4, 0.7}, {1, 2.5}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "alpha " << c[0] << ", beta " << c[1]);
    RandomBeta generator = Beta(c[0], c[1]);
    ExpectSampleOf(Draw(generator), boost::math::beta_distribution<double>(c[0], c[1]));
  }
}

// Algorithm BB try by try, as Cheng gives it: the generator makes its values
// in blocks, and they must be these, in this order.
std::vector<double> ChengBB(double alpha, double beta, int count) {
  RandomUniform uniform(RandomAlgorithm::Mt2002, 11, 29);
  const double a = std::fmin(alpha, beta), b = std::fmax(alpha, beta), sum = a + b;
  const double scale = std::sqrt((sum - 2) / (2 * a * b - sum)), gamma = a + 1 / scale;
  std::vector<double> sample(count);
  for (double& x : sample) {
    double w;
    for (;;) {
      const double u1 = uniform.NextUniform(), u2 = uniform.NextUniform();
      const double v = scale * std::log(u1 / (1 - u1));
      w = a * std::exp(v);
      const double z = u1 * u1 * u2, r = gamma * v - 1.3862944, s = a + r - w;
      if (s + 2.609438 >= 5 * z) break;
      const double t = std::log(z);
      if (s > t || !(r + sum * std::log(sum / (b + w)) < t)) break;
    }
    x = a == alpha ? w / (b + w) : b / (b + w);
  }
  return sample;
}

TEST(RandomBeta, AlgorithmBBGivesChengsValuesInOrder) {
  for (const auto& c : {std::pair{2.0, 3.0}, std::pair{5.0, 2.0}, std::pair{1.5, 40.0}, std::pair{1.01, 1.01}}) {
    SCOPED_TRACE(testing::Message() << "alpha " << c.first << ", beta " << c.second);
    RandomBeta generator = Beta(c.first, c.second);
    EXPECT_EQ(Draw(generator, 3000), ChengBB(c.first, c.second, 3000));
    // Seeding again drops the values made ahead.
    EXPECT_EQ(Draw(generator, 7), ChengBB(c.first, c.second, 7));
  }
}

TEST(RandomBeta, SwappedParametersGiveMirrorImages) {
  for (const auto& c : {std::pair{2.0, 5.0}, std::pair{0.4, 3.0}}) {
    RandomBeta forward = Beta(c.first, c.second);
    RandomBeta mirrored = Beta(c.second, c.first);
    const auto x = Draw(forward, 200);
    const auto y = Draw(mirrored, 200);
    for (int i = 0; i < 200; ++i) EXPECT_NEAR(x[i] + y[i], 1, 1e-15);
  }
}

// A NaN parameter never reaches the rejection loops.
TEST(RandomBeta, NaNParameterIsRefused) {
  EXPECT_FALSE(RandomBeta::Make(std::nan(""), 3).has_value());
  EXPECT_FALSE(RandomBeta::Make(3, std::nan("")).has_value());
}

// Near-zero parameters overflow w = a exp(v); the value is then the ratio's
// limit, 0 or 1, never inf / inf.
TEST(RandomBeta, ExtremeParametersStayInTheUnitIntervalAndEnd) {
  const double values[] = {1.1e-12, 1e-6, 0.999999, 1.0000001, 1e6, 1e150, 1e300};
  const auto start = std::chrono::steady_clock::now();
  for (double alpha : values) {
    for (double beta : values) {
      RandomBeta generator = Beta(alpha, beta);
      for (double x : Draw(generator, 100)) EXPECT_TRUE(x >= 0 && x <= 1) << alpha << " " << beta << " " << x;
    }
  }
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
  // Beta(1e-6, 1e-6) is all but a fair coin between 0 and 1.
  RandomBeta coin = Beta(1e-6, 1e-6);
  EXPECT_NEAR(SampleMoments(Draw(coin, 2000)).mean, 0.5, 0.05);
}

TEST(RandomGumbel, FollowsTheGumbelDistribution) {
  ExpectSampleOf(Draw(RandomGumbel::Make(1.5, 0.8).value()),
                 boost::math::extreme_value_distribution<double>(1.5, 0.8));
}

TEST(RandomLogistic, FollowsTheLogisticDistribution) {
  ExpectSampleOf(Draw(RandomLogistic::Make(-2, 3).value()), boost::math::logistic_distribution<double>(-2, 3));
}

TEST(RandomTriangular, FollowsTheTriangularDistribution) {
  ExpectSampleOf(Draw(RandomTriangular::Make(-1, 4, 0.5).value()),
                 boost::math::triangular_distribution<double>(-1, 0.5, 4));
}

TEST(RandomWeibull, FollowsTheWeibullDistributionWithItsShapeAndScale) {
  ExpectSampleOf(Draw(RandomWeibull::Make(3.5, 2).value()), boost::math::weibull_distribution<double>(3.5, 2));
  EXPECT_NEAR(SampleMoments(Draw(RandomWeibull::Make(1, 4).value())).mean, 4, 5 * 4 / std::sqrt(kSampleSize));
}

// Every sampler refuses a parameter set it cannot draw from, NaN included,
// and takes the repaired set.
TEST(ClassParameterChecks, InvalidParametersAreRefused) {
  const double nan = std::nan("");
  // a < c < b for the triangular sampler, in every arrangement.
  for (const auto& abc : {std::array{0.0, 1.0, 0.0}, std::array{0.0, 1.0, 1.0}, std::array{0.0, 0.0, 0.5},
                          std::array{1.0, 0.0, 0.5}, std::array{0.0, 1.0, nan}, std::array{nan, 1.0, 0.5}}) {
    EXPECT_FALSE(RandomTriangular::Make(abc[0], abc[1], abc[2]).has_value()) << abc[0] << abc[1] << abc[2];
  }
  for (double x : Draw(RandomTriangular::Make(0, 1, 0.5).value(), 3)) EXPECT_TRUE(x > 0 && x < 1);
  for (double bad : {0.0, -1.0, nan}) {
    EXPECT_FALSE(RandomWeibull::Make(bad, 1).has_value());
    EXPECT_FALSE(RandomWeibull::Make(1, bad).has_value());
    EXPECT_FALSE(RandomLogistic::Make(0, bad).has_value());
    EXPECT_FALSE(RandomGumbel::Make(0, bad).has_value());
    EXPECT_FALSE(RandomPoisson::Make(bad).has_value());
    EXPECT_FALSE(RandomBeta::Make(bad, 1).has_value());
  }
}

RandomPoisson Poisson(double mean) { return RandomPoisson::Make(mean).value(); }

TEST(RandomPoisson, FollowsThePoissonDistributionOnBothSidesOfTheSwitch) {
  for (double mean : {0.3, 4.0, 11.9, 12.0, 50.0, 2500.0}) {
    SCOPED_TRACE(testing::Message() << "mean " << mean);
    RandomPoisson generator = Poisson(mean);
    const auto sample = Draw(generator);
    for (double k : sample) ASSERT_TRUE(k >= 0 && k == std::floor(k)) << k;
    const boost::math::poisson_distribution<double> reference(mean);
    EXPECT_TRUE(ChiSquareAccepts(sample, [&](long k) { return boost::math::pdf(reference, static_cast<double>(k)); }));
    const auto moments = SampleMoments(sample);
    EXPECT_NEAR(moments.mean, mean, 5 * std::sqrt(mean / kSampleSize));
    EXPECT_NEAR(moments.variance, mean, 0.05 * mean);
  }
}

// Counting uniforms until their product falls to exp(-mean).
std::vector<double> ByProduct(double mean, int count) {
  RandomUniform uniform(RandomAlgorithm::Mt2002, 11, 29);
  std::vector<double> sample(count);
  for (double& k : sample) {
    k = 0;
    for (double t = uniform.NextUniform(); t > std::exp(-mean); t *= uniform.NextUniform()) k += 1;
  }
  return sample;
}

TEST(RandomPoisson, MultipliesUniformsBelowTwelveAndRejectsFromTwelve) {
  RandomPoisson below = Poisson(11.9);
  EXPECT_EQ(Draw(below, 50), ByProduct(11.9, 50));
  RandomPoisson at = Poisson(12);
  EXPECT_NE(Draw(at, 50), ByProduct(12, 50));
}

// The rejection method with its acceptance ratio computed afresh at every
// try: the weights a generator remembers per count must be the same bits.
std::vector<double> ByRejection(double mean, int count) {
  RandomUniform uniform(RandomAlgorithm::Mt2002, 11, 29);
  const double sq = std::sqrt(2 * mean), logMean = std::log(mean), g = mean * logMean - LogGamma(mean + 1);
  std::vector<double> sample(count);
  for (double& k : sample) {
    for (;;) {
      double y;
      do {
        y = std::tan(3.14159265358979 * uniform.NextUniform());
        k = sq * y + mean;
      } while (k < 0);
      k = std::floor(k);
      const double weight = mean >= RandomPoisson::kSaddlePointFrom ? PoissonSaddlePointWeight(k, mean)
                                                                    : std::exp(k * logMean - LogGamma(k + 1) - g);
      if (!(uniform.NextUniform() > 0.9 * (1 + y * y) * weight)) break;
    }
  }
  return sample;
}

TEST(RandomPoisson, RememberedWeightsGiveTheDirectDraws) {
  // Counts inside the window around the mean, partly and mostly outside it,
  // with weights of either form, and a mean too large for whole counts to be
  // remembered.
  for (double mean : {12.0, 50.0, 700.0, 1e6, 1e12, 0x1.0p53}) {
    SCOPED_TRACE(testing::Message() << "mean " << mean);
    RandomPoisson generator = Poisson(mean);
    EXPECT_EQ(Draw(generator, 5000), ByRejection(mean, 5000));
  }
}

TEST(RandomPoisson, TinyMeanGivesZeroAlmostAlways) {
  RandomPoisson generator = Poisson(1e-6);
  int zeros = 0;
  for (double k : Draw(generator, 1000)) zeros += k == 0;
  EXPECT_GE(zeros, 998);
}

// For huge means the acceptance ratio's logarithm is a difference of huge
// numbers; the rejection loop must still end, with a count.
TEST(RandomPoisson, HugeMeansEndEveryDraw) {
  const auto start = std::chrono::steady_clock::now();
  for (double mean : {1e15, 1e18, 1e20, 1e100, 1e300, 8.988465808250155e307, std::numeric_limits<double>::max()}) {
    RandomPoisson generator = Poisson(mean);
    for (double k : Draw(generator, 20)) {
      EXPECT_TRUE(k >= 0 && std::isfinite(k)) << k;
    }
  }
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}

struct WeightCase {
  double mean, count, logWeight;
};
const WeightCase kWeightCases[] = {
#include "tests/unit/reference/poisson_weights.inc"
};

// Against exact arithmetic, and where the form changes against the direct
// weight, whose rounding is still below 1e-5 there.
TEST(RandomPoisson, SaddlePointWeightsMatchExactArithmetic) {
  for (const WeightCase& c : kWeightCases) {
    EXPECT_NEAR(std::log(PoissonSaddlePointWeight(c.count, c.mean)), c.logWeight, 1e-12) << c.mean << " " << c.count;
  }
  const double mean = RandomPoisson::kSaddlePointFrom, g = mean * std::log(mean) - LogGamma(mean + 1);
  for (double step = -30; step <= 30; step += 0.7) {
    const double count = std::floor(mean + step * std::sqrt(mean));
    const double direct = std::exp(count * std::log(mean) - LogGamma(count + 1) - g);
    EXPECT_NEAR(PoissonSaddlePointWeight(count, mean), direct, 1e-5 * direct) << count;
  }
}

// Sample mean and deviation within five standard errors on every engine;
// deviations are taken from the mean, exact near huge means.
TEST(RandomPoisson, HugeMeansKeepTheirSpread) {
  for (RandomAlgorithm engine : {RandomAlgorithm::Mt2002, RandomAlgorithm::Mt1998, RandomAlgorithm::Ran2}) {
    for (double mean = 1e3; mean <= 1e17; mean *= 10) {
      RandomPoisson generator = Poisson(mean);
      RandomUniform uniform(engine, 3, 17);
      double sum = 0, squares = 0;
      for (int k = 0; k < kSampleSize; ++k) {
        const double deviation = generator.Next(uniform) - mean;
        sum += deviation;
        squares += deviation * deviation;
      }
      const double n = kSampleSize;
      EXPECT_NEAR(sum / n, 0, 5 * std::sqrt(mean / n)) << static_cast<int>(engine) << " " << mean;
      EXPECT_NEAR(std::sqrt(squares / n / mean), 1, 5 * std::sqrt(0.5 / n)) << static_cast<int>(engine) << " " << mean;
    }
  }
}

}  // namespace
}  // namespace Zq::Math
