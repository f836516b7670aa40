// Kernels at valid arguments where plain formulas overflow, underflow, cancel
// or stop iterating too early, by properties over whole grids or against
// Boost.Math and long-double evaluations of the same formulas.
#include <gtest/gtest.h>

#include <boost/math/special_functions/beta.hpp>
#include <cmath>
#include <string>
#include <vector>

#include "distributions/johnson_su.h"
#include "distributions/normal.h"
#include "distributions/special_functions.h"
#include "distributions/triangular.h"
#include "distributions/weibull.h"
#include "random/random_triangular.h"

namespace Zq::Math {
namespace {

std::string Where(std::initializer_list<double> values) {
  std::string text;
  for (double v : values) text += std::to_string(v) + " ";
  return text;
}

// Shapes from where the fraction's first 100 steps stop short (about 1e5) to
// 1e13, balanced and lopsided, against the oracle at x0 + k sd for k in
// [-6, 6]: monotone up to the
// fraction's branch point, and equal on the doubles either side of it, where
// the fraction swaps sides, to the accuracy of the two evaluations (3e-7
// where the first 100 steps reach it, as for lopsided shapes).
TEST(LargeBetaShapes, MatchTheOracleAndStayMonotoneAcrossTheBranchPoint) {
  const std::pair<double, double> shapes[] = {{1e5, 1e5},   {3e5, 7e5}, {1e6, 1e6}, {2e7, 5e6},  {1e9, 1e9},  {4e10, 1e10},
                                              {1e12, 3e12}, {1e8, 2.5}, {0.5, 1e9}, {3e6, 40.0}, {1e13, 1e13}};
  for (const auto& [a, b] : shapes) {
    const double x0 = a / (a + b), sd = std::sqrt(x0 * (1.0 - x0) / (a + b + 1.0)), branch = (a + 1.0) / (a + b + 2.0);
    double previous = 0.0;
    for (int k = -60; k <= 61; ++k) {  // and last the branch point itself
      const double x = k > 60 ? branch : x0 + 0.1 * k * sd;
      if (!(x > 1e-12 && x < 1.0 - 1e-12)) continue;
      const double cdf = boost::math::ibeta(a, b, x), pdf = boost::math::ibeta_derivative(a, b, x);
      const double got = IncompleteBeta(x, a, b);
      EXPECT_NEAR(got, cdf, 1e-6 * std::fmin(cdf, 1.0 - cdf) + 1e-300) << Where({x, a, b});
      EXPECT_NEAR(BetaPdf(x, a, b), pdf, 1e-6 * pdf + 1e-300) << Where({x, a, b});
      if (x > branch) continue;
      ASSERT_TRUE(got >= 0.0 && got <= 1.0) << Where({x, a, b});
      EXPECT_GE(got, previous) << Where({x, a, b});
      previous = got;
    }
    const double below = IncompleteBeta(std::nextafter(branch, 0.0), a, b);
    EXPECT_NEAR(IncompleteBeta(std::nextafter(branch, 1.0), a, b), below, 3e-7 * below) << Where({a, b});
  }
  EXPECT_NEAR(IncompleteBeta(0.5, 1e6, 1e6), 0.5, 1e-9);
  // Near the mean of shapes 1e20 the fraction would need about 2e7 steps;
  // the distribution takes the normal limit there.
  EXPECT_TRUE(std::isnan(BetaContinuedFraction(0.5, 1e20, 1e20)));
  EXPECT_EQ(IncompleteBeta(0.5, 1e20, 1e20), 0.5);
  EXPECT_EQ(IncompleteBeta(0.3, 1e20, 1e20), 0.0);
}

// P(X <= 0, Y <= 0) = 1/4 + asin(rho) / (2 pi), to the 5e-6 of Drezner's rule;
// the paths a and b of very different sizes take (a correlation rounding to
// +-1) differ by as much, so it is monotone in a to that accuracy.
TEST(TinyBivariateLimits, ProbabilityTendsToTheOrthantAndStaysMonotone) {
  const std::vector<double> magnitudes = {1e-320, 1e-300, 1e-200, 1e-160, 1e-150, 1e-140, 1e-100, 1e-30};
  for (double rho : {-0.95, -0.5, -0.1, 0.1, 0.5, 0.95})
    for (double mb : magnitudes)
      for (double b : {-mb, mb})
        for (double sa : {-1.0, 1.0}) {  // a runs away from 0 on its side
          double previous = -sa;  // the first probability always lies past it
          for (double ma : magnitudes) {
            const double a = sa * ma, p = BiNormCdf(a, b, rho);
            EXPECT_NEAR(p, 0.25 + std::asin(rho) / (2.0 * 3.141592653589793), 5e-6) << Where({a, b, rho});
            EXPECT_GE(sa * (p - previous), -5e-6) << Where({a, b, rho});
            previous = p;
          }
        }
}

// Stdev = lambda sqrt((w - 1)(w cosh(2 Omega) + 1) / 2) with w = e^v,
// v = 1/delta^2, Omega = 0: lambda e^v sqrt((1 - e^-2v)/2).
TEST(NarrowJohnsonSU, DeviationStaysFiniteWhileItIs) {
  for (double delta = 0.0376; delta < 0.2; delta *= 1.07)
    for (double lambda : {1e-3, 1.0, 250.0}) {
      const double v = 1.0 / (delta * delta);
      const double expected = lambda * std::exp(v - 0.5 * std::log(2.0)) * std::sqrt(-std::expm1(-2.0 * v));
      if (!std::isfinite(expected)) continue;
      EXPECT_NEAR(JohnsonSUMoments(0.0, delta, lambda, 0.0).stdev, expected, 1e-9 * expected) << Where({delta, lambda});
    }
}

// At scale s every location is the unit one's times s, densities over s,
// probabilities and skewness equal, to the 1e-6 to which the direct formulas
// must agree with the stable forms. Powers of two keep the scaled arguments
// exact; 1e160 and 1e-160 are the failing scales once seen. On [-1/2, 1/2],
// a + b + c and b - a both approach their overflow at the largest scales.
TEST(TriangularScales, HugeAndTinyRangesMatchTheUnitShape) {
  constexpr double kTol = 1e-6;
  const double scales[] = {0x1.0p-1000, 1e-160, 0x1.0p-520, 1.0, 0x1.0p520, 1e160, 0x1.0p1020, 0x1.0p1022};
  for (double mode : {0.01, 0.3, 0.5, 0.93}) {
    const double a = -0.5, b = 0.5, c = mode - 0.5;
    const Moments unit = TriangularMoments(a, b, c);
    for (double s : scales) {
      const std::string where = Where({mode, s});
      const Moments scaled = TriangularMoments(a * s, b * s, c * s);
      EXPECT_NEAR(scaled.mean / s, unit.mean, kTol) << where;
      EXPECT_NEAR(scaled.stdev / s, unit.stdev, kTol * unit.stdev) << where;
      EXPECT_NEAR(scaled.skew, unit.skew, kTol) << where;
      for (double p = 0.0; p <= 1.0; p += 0.0625) {
        const double x = a + p, cdf = TriangularCdf(x, a, b, c), pdf = TriangularPdf(x, a, b, c);
        EXPECT_NEAR(TriangularCdf(x * s, a * s, b * s, c * s), cdf, kTol * cdf) << where << x;
        EXPECT_NEAR(TriangularPdf(x * s, a * s, b * s, c * s) * s, pdf, kTol * pdf) << where << x;
        if (p == 0.0 || p == 1.0) continue;
        EXPECT_NEAR(TriangularInv(p, a * s, b * s, c * s) / s, TriangularInv(p, a, b, c), kTol) << where << p;
      }
      const RandomTriangular small = *RandomTriangular::Make(a, b, c), large = *RandomTriangular::Make(a * s, b * s, c * s);
      RandomUniform smallEngine(RandomAlgorithm::Mt2002, 7, 11), largeEngine(RandomAlgorithm::Mt2002, 7, 11);
      for (int k = 0; k < 200; ++k) EXPECT_NEAR(large.Next(largeEngine) / s, small.Next(smallEngine), kTol) << where;
    }
  }
}

// The density beyond the point where (x/theta)^(k - 1) overflows or
// e^-(x/theta)^k underflows, against the same formula in long double (whose
// exponent range holds every factor); near zero the cumulative is
// z = (x/theta)^k to within z^2/2, which 1 - e^-z would round away.
TEST(WeibullTails, DensityMatchesLongDoubleAndCumulativeKeepsTinyProbabilities) {
  for (double k : {1.0, 1.5, 6.19, 84.28, 400.0})
    for (double theta : {1e-6, 1.0, 3e5})
      for (double z = 0.5; z < 1e300; z *= 3.7) {
        const double x = z * theta, pdf = WeibullPdf(x, k, theta);
        const long double r = static_cast<long double>(x) / theta;
        const double expected = static_cast<double>((k / static_cast<long double>(theta)) * std::pow(r, k - 1.0L) *
                                                    std::exp(-std::pow(r, static_cast<long double>(k))));
        ASSERT_TRUE(std::isfinite(pdf) && pdf >= 0.0) << Where({x, k, theta});
        if (expected >= 1e-300)
          EXPECT_NEAR(pdf, expected, 1e-9 * expected) << Where({x, k, theta});
        else
          EXPECT_LT(pdf, 1e-290) << Where({x, k, theta});
      }
  EXPECT_EQ(WeibullPdf(8.86e124, 84.28, 6.19), 0.0);
  for (double k : {0.5, 1.0, 2.0, 6.19})
    for (double z = 1e-300; z < 1e-8; z *= 1e7) {
      const double x = std::pow(z, 1.0 / k), expected = std::pow(x, k);
      EXPECT_NEAR(WeibullCdf(x, k, 1.0), expected, 1e-12 * expected) << Where({x, k});
    }
}

}  // namespace
}  // namespace Zq::Math
