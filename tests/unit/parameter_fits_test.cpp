// Round trips: targets that a distribution reaches are fitted, and the
// fitted parameters' moments (from Boost.Math, or by quadrature where Boost
// has no such distribution) reproduce the targets.
#include "distributions/parameter_fits.h"

#include <gtest/gtest.h>

#include <boost/math/distributions/beta.hpp>
#include <boost/math/distributions/extreme_value.hpp>
#include <boost/math/distributions/logistic.hpp>
#include <boost/math/distributions/lognormal.hpp>
#include <boost/math/distributions/triangular.hpp>
#include <boost/math/distributions/weibull.hpp>
#include <boost/math/quadrature/gauss_kronrod.hpp>
#include <cmath>
#include <limits>

#include "numerics/special_values.h"

namespace {

using namespace Zq::Math;

void ExpectRelative(double actual, double expected, double tolerance) {
  EXPECT_NEAR(actual, expected, tolerance * (std::fabs(expected) + 1e-3));
}

// The mean is judged on the scale of the spread as well as its own size.
template <class Distribution>
void ExpectMoments(const Distribution& d, double mean, double stdev, double tolerance) {
  EXPECT_NEAR(boost::math::mean(d), mean, tolerance * (std::fabs(mean) + stdev));
  ExpectRelative(boost::math::standard_deviation(d), stdev, tolerance);
}

// Mean, standard deviation, skewness and excess kurtosis of g(Z), Z
// standard normal, restricted to [lo, hi] and renormalised.
struct Moments4 {
  double mean, stdev, skew, kurt;
};

template <class G>
Moments4 MomentsOfTransform(G g, double lo, double hi) {
  using Integrator = boost::math::quadrature::gauss_kronrod<double, 61>;
  auto density = [](double z) { return std::exp(-0.5 * z * z); };
  const double mass = Integrator::integrate(density, lo, hi, 15, 1e-14);
  auto expect = [&](auto f) {
    return Integrator::integrate([&](double z) { return f(g(z)) * density(z); }, lo, hi, 15, 1e-14) / mass;
  };
  const double mean = expect([](double x) { return x; });
  const double c2 = expect([&](double x) { return (x - mean) * (x - mean); });
  const double c3 = expect([&](double x) { return std::pow(x - mean, 3); });
  const double c4 = expect([&](double x) { return std::pow(x - mean, 4); });
  return {mean, std::sqrt(c2), c3 / std::pow(c2, 1.5), c4 / (c2 * c2) - 3};
}

TEST(ParameterFits, BetaRoundTrip) {
  for (double m : {0.05, 0.3, 0.5, 0.8})
    for (double share : {0.05, 0.5, 0.95}) {
      const double s = share * std::sqrt(m * (1 - m));
      double a = kNaN, b = kNaN;
      ASSERT_TRUE(BetaParam(m, s, a, b)) << m << " " << s;
      ExpectMoments(boost::math::beta_distribution<double>(a, b), m, s, 1e-12);
    }
}

TEST(ParameterFits, BetaEdges) {
  double a = 0, b = 0;
  EXPECT_FALSE(BetaParam(0.5, 0.5, a, b));  // m(1 - m) = s^2: no room for a beta
  EXPECT_FALSE(BetaParam(0, 0.1, a, b));
  EXPECT_FALSE(BetaParam(1, 0.1, a, b));
  ASSERT_TRUE(BetaParam(0.5, 0.1, a, b));
  EXPECT_NEAR(a, 12, 1e-12);
  EXPECT_NEAR(b, 12, 1e-12);
}

TEST(ParameterFits, GumbelAndLogisticRoundTrip) {
  for (double m : {-3.0, 0.0, 2.5})
    for (double s : {1e-6, 0.7, 40.0}) {
      double a = kNaN, b = kNaN;
      ASSERT_TRUE(GumbelParam(m, s, a, b));
      ExpectMoments(boost::math::extreme_value_distribution<double>(a, b), m, s, 1e-12);
      ASSERT_TRUE(LogisticParam(m, s, a, b));
      ExpectMoments(boost::math::logistic_distribution<double>(a, b), m, s, 1e-12);
    }
  double a = 0, b = 0;
  EXPECT_FALSE(GumbelParam(1, 0, a, b));
  EXPECT_FALSE(LogisticParam(1, -1, a, b));
  EXPECT_FALSE(GumbelParam(1, std::numeric_limits<double>::infinity(), a, b));
}

TEST(ParameterFits, LogNormRoundTripAndReference) {
  for (double m : {0.01, 1.0, 250.0})
    for (double cv : {0.01, 1.0, 5.0}) {
      double mu = kNaN, s = kNaN;
      ASSERT_TRUE(LogNormParam(m, cv * m, mu, s));
      ExpectMoments(boost::math::lognormal_distribution<double>(mu, s), m, cv * m, 1e-12);
    }
  double mu = 0, s = 0;
  ASSERT_TRUE(LogNormParam(1, 1, mu, s));
  EXPECT_NEAR(mu, -0.3465735903, 1e-10);
  EXPECT_NEAR(s, 0.8325546112, 1e-10);
  EXPECT_FALSE(LogNormParam(0, 1, mu, s));
  EXPECT_FALSE(LogNormParam(-1, 1, mu, s));
}

TEST(ParameterFits, WeibullRecoversShapeAndScale) {
  for (double shape : {0.3, 0.6, 1.0, 1.5, 3.6, 8.0, 20.0})
    for (double scale : {0.01, 1.0, 300.0}) {
      const boost::math::weibull_distribution<double> truth(shape, scale);
      double fittedScale = kNaN, fittedShape = kNaN;
      ASSERT_TRUE(WeibullParam(boost::math::mean(truth), boost::math::standard_deviation(truth), fittedScale,
                               fittedShape))
          << shape << " " << scale;
      // LogGamma's Lanczos sum is good to about 1e-10.
      ExpectRelative(fittedShape, shape, 1e-8);
      ExpectRelative(fittedScale, scale, 1e-8);
    }
}

TEST(ParameterFits, WeibullEdges) {
  double scale = 0, shape = 0;
  ASSERT_TRUE(WeibullParam(1, 1, scale, shape));  // the exponential distribution
  EXPECT_NEAR(scale, 1, 1e-9);
  EXPECT_NEAR(shape, 1, 1e-9);
  EXPECT_FALSE(WeibullParam(0, 1, scale, shape));
  EXPECT_FALSE(WeibullParam(1, 0, scale, shape));
  EXPECT_FALSE(WeibullParam(kNaN, 1, scale, shape));
}

TEST(ParameterFits, TriangularRoundTripKeepsTheSignOfTheSkew) {
  for (double skew : {-0.56, -0.3, -0.01, 0.0, 1e-6, 0.2, 0.45, 0.565})
    for (double mean : {-4.0, 0.0, 10.0})
      for (double stdev : {0.001, 1.0, 30.0}) {
        double lo = kNaN, hi = kNaN, mode = kNaN;
        ASSERT_TRUE(TriangularParam(mean, stdev, skew, lo, hi, mode)) << skew;
        ASSERT_LT(lo, mode);
        ASSERT_LT(mode, hi);
        const boost::math::triangular_distribution<double> fitted(lo, mode, hi);
        ExpectMoments(fitted, mean, stdev, 1e-9);
        // Near the right-angled triangle the skewness is steep in the mode.
        EXPECT_NEAR(boost::math::skewness(fitted), skew, 1e-8) << skew;
      }
}

TEST(ParameterFits, TriangularEdges) {
  double lo = 0, hi = 0, mode = 0;
  EXPECT_FALSE(TriangularParam(0, 1, std::sqrt(0.32), lo, hi, mode));
  EXPECT_FALSE(TriangularParam(0, 1, -0.566, lo, hi, mode));
  EXPECT_FALSE(TriangularParam(0, 0, 0.1, lo, hi, mode));
  EXPECT_FALSE(TriangularParam(0, 1, kNaN, lo, hi, mode));
  ASSERT_TRUE(TriangularParam(3, 2, 0, lo, hi, mode));
  EXPECT_EQ(mode, 3);
  EXPECT_DOUBLE_EQ(hi - mode, mode - lo);
  // Skewness of opposite signs: mirror images about the mean.
  double lo2 = 0, hi2 = 0, mode2 = 0;
  ASSERT_TRUE(TriangularParam(0, 1, 0.4, lo, hi, mode));
  ASSERT_TRUE(TriangularParam(0, 1, -0.4, lo2, hi2, mode2));
  EXPECT_NEAR(lo2, -hi, 1e-12);
  EXPECT_NEAR(hi2, -lo, 1e-12);
  EXPECT_NEAR(mode2, -mode, 1e-12);
}

TEST(ParameterFits, TruncNormRoundTrip) {
  // min, max, mu, sigma, then how closely the moments and mu and sigma come
  // back. The flatter the density over [min, max], the less the moments say
  // about mu and sigma, and the variance residual cancels: with sigma = 10 on
  // [-1, 1] it subtracts numbers near 1 to leave 0.003, so NormCdf's 1e-7
  // becomes a few 1e-4.
  const double cases[][6] = {{0, 1, 0.5, 0.3, 1e-5, 1e-5},     {0, 1, 0.2, 1.0, 1e-5, 1e-3},
                             {-2, 5, 3, 2, 1e-5, 1e-5},         {10, 12, 9.5, 0.8, 1e-5, 1e-4},
                             {-1, 1, 0, 10, 1e-3, 0.2},         {0, 50, 1, 3, 1e-5, 1e-5},
                             {-0.1, 0.1, 0, 0.05, 1e-5, 1e-5},  {1, 4, 3.9, 0.4, 1e-5, 1e-5}};
  for (const auto& c : cases) {
    const double lo = c[0], hi = c[1], mu = c[2], sigma = c[3];
    auto moments = [&](double m, double s) {
      return MomentsOfTransform([&](double z) { return m + s * z; }, (lo - m) / s, (hi - m) / s);
    };
    const Moments4 target = moments(mu, sigma);
    double fittedMu = kNaN, fittedSigma = kNaN;
    ASSERT_TRUE(TruncNormParam(lo, hi, target.mean, target.stdev, fittedMu, fittedSigma)) << mu << " " << sigma;
    const Moments4 fitted = moments(fittedMu, fittedSigma);
    EXPECT_NEAR(fitted.mean, target.mean, c[4] * (hi - lo));
    ExpectRelative(fitted.stdev, target.stdev, c[4]);
    EXPECT_NEAR(fittedMu, mu, c[5] * sigma);
    ExpectRelative(fittedSigma, sigma, c[5]);
  }
}

TEST(ParameterFits, TruncNormFailsWhenNoTruncatedNormalHasTheMoments) {
  double mu = 0, sigma = 0;
  // A truncated normal on [0, 1] cannot spread wider than the uniform.
  EXPECT_FALSE(TruncNormParam(0, 1, 0.5, 0.5, mu, sigma));
  EXPECT_FALSE(TruncNormParam(0, 1, kNaN, 0.2, mu, sigma));
}

TEST(ParameterFits, JohnsonSURoundTrip) {
  const double lambda = 1.7, xi = -0.4;
  auto moments = [](double g, double d, double l, double x) {
    return MomentsOfTransform([&](double z) { return x + l * std::sinh((z - g) / d); }, -14, 14);
  };
  for (double gamma : {-1.5, -0.4, 0.0, 0.25, 1.0})
    for (double delta : {0.9, 1.3, 2.5, 6.0}) {
      const Moments4 target = moments(gamma, delta, lambda, xi);
      double g = kNaN, d = kNaN, l = kNaN, x = kNaN;
      ASSERT_TRUE(JohnsonSUParam(target.mean, target.stdev, target.skew, target.kurt, g, d, l, x))
          << gamma << " " << delta;
      const Moments4 fitted = moments(g, d, l, x);
      EXPECT_NEAR(fitted.mean, target.mean, 1e-8 * target.stdev);
      ExpectRelative(fitted.stdev, target.stdev, 1e-8);
      EXPECT_NEAR(fitted.skew, target.skew, 1e-7);
      ExpectRelative(fitted.kurt, target.kurt, 1e-7);
      // The step tolerance on w (1e-7) bounds how closely the parameters return.
      EXPECT_NEAR(g, gamma, 1e-5);
      ExpectRelative(d, delta, 1e-6);
      ExpectRelative(l, lambda, 1e-6);
      EXPECT_NEAR(x, xi, 1e-5);
    }
}

TEST(ParameterFits, JohnsonSUEdges) {
  double g = 0, d = 0, l = 0, x = 0;
  EXPECT_FALSE(JohnsonSUParam(0, 1, 0, 0, g, d, l, x));     // no excess kurtosis
  EXPECT_FALSE(JohnsonSUParam(0, 1, 0, -0.5, g, d, l, x));
  EXPECT_FALSE(JohnsonSUParam(0, 1, kNaN, 1, g, d, l, x));
  ASSERT_TRUE(JohnsonSUParam(2.5, 1, 0, 1.2, g, d, l, x));  // symmetric: no solve
  EXPECT_EQ(g, 0);
  EXPECT_EQ(x, 2.5);
  // The log-normal with w = exp(S^2) = 1.2 sits on the boundary: just inside
  // it fits, on or beyond it does not.
  const double w = 1.2;
  const double skew = (w + 2) * std::sqrt(w - 1);
  const double kurt = w * w * w * w + 2 * w * w * w + 3 * w * w - 6;
  EXPECT_TRUE(JohnsonSUParam(0, 1, 0.999 * skew, kurt, g, d, l, x));
  EXPECT_TRUE(JohnsonSUParam(0, 1, -0.999 * skew, kurt, g, d, l, x));
  EXPECT_GT(g, 0);  // negative skewness: positive Gamma
  EXPECT_FALSE(JohnsonSUParam(0, 1, 1.001 * skew, kurt, g, d, l, x));
}

// A skewness that is zero up to rounding (as moments of symmetric data come
// out) gives the symmetric fit, from either side.
TEST(ParameterFits, JohnsonSUTinySkewIsTheSymmetricLimit) {
  for (double kurt : {1.5, 5.0, 20.0, 60.0, 400.0})
    for (double skew : {1e-16, -1e-16, 1e-15, -1e-15, 1e-12}) {
      double g = kNaN, d = kNaN, l = kNaN, x = kNaN;
      ASSERT_TRUE(JohnsonSUParam(0.3, 1.2, skew, kurt, g, d, l, x)) << kurt << " " << skew;
      EXPECT_NEAR(g, 0, 1e-5) << kurt << " " << skew;
      EXPECT_NEAR(x, 0.3, 1e-5) << kurt << " " << skew;
    }
}

}  // namespace
