// The distribution kernels: each against Boost.Math over a parameter grid,
// then every one for self-consistency (the density is the slope of the
// distribution, the quantile inverts it, the closed-form moments equal the
// moments of the density by quadrature).
//
// Tolerances follow the kernels: closed forms (Gumbel, logistic,
// triangular, Weibull, the Poisson mass) to 1e-12 relative; anything through
// NormCdf to 1e-7 absolute (a 7.5e-8 approximation); the incomplete beta to
// 1e-6 absolute (its continued fraction stops at a 3e-7 step); Weibull
// moments to 1e-8 (Γ via the Lanczos series, 2e-10).
#include <gtest/gtest.h>

#include <boost/math/distributions/beta.hpp>
#include <boost/math/distributions/extreme_value.hpp>
#include <boost/math/distributions/logistic.hpp>
#include <boost/math/distributions/lognormal.hpp>
#include <boost/math/distributions/normal.hpp>
#include <boost/math/distributions/poisson.hpp>
#include <boost/math/distributions/triangular.hpp>
#include <boost/math/distributions/weibull.hpp>
#include <boost/math/quadrature/tanh_sinh.hpp>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "distributions/beta.h"
#include "distributions/gumbel.h"
#include "distributions/johnson_su.h"
#include "distributions/logistic.h"
#include "distributions/lognormal.h"
#include "distributions/poisson.h"
#include "distributions/special_functions.h"
#include "distributions/triangular.h"
#include "distributions/truncated_normal.h"
#include "distributions/truncated_normal_quantile.h"
#include "distributions/weibull.h"

namespace Zq::Math {
namespace {

using boost::math::cdf;
using boost::math::kurtosis_excess;
using boost::math::mean;
using boost::math::pdf;
using boost::math::skewness;
using boost::math::standard_deviation;

constexpr double kClosedForm = 1e-12;
constexpr double kThroughNormCdf = 1e-7;
constexpr double kThroughBetaFraction = 1e-6;

void ExpectRelative(double actual, double expected, double tolerance, const std::string& what) {
  EXPECT_NEAR(actual, expected, tolerance * std::max(1.0, std::fabs(expected))) << what;
}

template <class Oracle>
void ExpectMomentsMatch(const Moments& ours, const Oracle& oracle, double tolerance, const std::string& what) {
  ExpectRelative(ours.mean, mean(oracle), tolerance, what + " mean");
  ExpectRelative(ours.stdev, standard_deviation(oracle), tolerance, what + " stdev");
  ExpectRelative(ours.skew, skewness(oracle), tolerance, what + " skew");
  ExpectRelative(ours.kurt, kurtosis_excess(oracle), tolerance, what + " kurt");
}

std::string Label(std::initializer_list<double> values) {
  std::string text;
  for (double v : values) text += std::to_string(v) + " ";
  return text;
}

TEST(DistributionOracle, Beta) {
  for (double a : {0.5, 1.0, 2.0, 3.5, 9.0}) {
    for (double b : {0.7, 1.0, 3.0, 12.0}) {
      const boost::math::beta_distribution<double> oracle(a, b);
      ExpectMomentsMatch(BetaMoments(a, b), oracle, kClosedForm, Label({a, b}));
      for (double x = 0.02; x < 1.0; x += 0.06) {
        EXPECT_NEAR(IncompleteBeta(x, a, b), cdf(oracle, x), kThroughBetaFraction) << Label({x, a, b});
      }
    }
  }
}

TEST(DistributionOracle, Gumbel) {
  for (double alpha : {-3.0, 0.0, 2.5}) {
    for (double beta : {0.3, 1.0, 7.0}) {
      const boost::math::extreme_value_distribution<double> oracle(alpha, beta);
      ExpectMomentsMatch(GumbelMoments(alpha, beta), oracle, kClosedForm, Label({alpha, beta}));
      for (double z = -2.5; z < 8.0; z += 0.5) {
        const double x = alpha + beta * z;
        ExpectRelative(GumbelCdf(x, alpha, beta), cdf(oracle, x), kClosedForm, Label({x, alpha, beta}));
        ExpectRelative(GumbelPdf(x, alpha, beta), pdf(oracle, x), kClosedForm, Label({x, alpha, beta}));
      }
    }
  }
}

TEST(DistributionOracle, Logistic) {
  for (double m : {-3.0, 0.0, 2.5}) {
    for (double b : {0.3, 1.0, 7.0}) {
      const boost::math::logistic_distribution<double> oracle(m, b);
      ExpectMomentsMatch(LogisticMoments(m, b), oracle, kClosedForm, Label({m, b}));
      for (double z = -9.0; z < 9.0; z += 0.5) {
        const double x = m + b * z;
        ExpectRelative(LogisticCdf(x, m, b), cdf(oracle, x), kClosedForm, Label({x, m, b}));
        ExpectRelative(LogisticPdf(x, m, b), pdf(oracle, x), kClosedForm, Label({x, m, b}));
      }
    }
  }
}

TEST(DistributionOracle, LogNormal) {
  for (double m : {-1.0, 0.0, 1.5}) {
    for (double s : {0.1, 0.5, 1.2}) {
      const boost::math::lognormal_distribution<double> oracle(m, s);
      ExpectMomentsMatch(LogNormMoments(m, s), oracle, kClosedForm, Label({m, s}));
      for (double z = -4.0; z < 4.0; z += 0.25) {
        const double x = std::exp(m + s * z);
        EXPECT_NEAR(LogNormCdf(x, m, s), cdf(oracle, x), kThroughNormCdf) << Label({x, m, s});
        ExpectRelative(LogNormPdf(x, m, s), pdf(oracle, x), kClosedForm, Label({x, m, s}));
      }
    }
  }
}

TEST(DistributionOracle, Poisson) {
  for (double lambda : {0.2, 3.0, 40.0}) {
    const boost::math::poisson_distribution<double> oracle(lambda);
    ExpectMomentsMatch(PoissonMoments(lambda), oracle, kClosedForm, Label({lambda}));
    for (int k = 0; k < 80; k += 3) {
      EXPECT_NEAR(PoissonPmf(k, lambda), pdf(oracle, k), 1e-9 * pdf(oracle, k)) << Label({1.0 * k, lambda});
    }
  }
}

TEST(DistributionOracle, Triangular) {
  for (const auto& [a, c, b] : std::vector<std::array<double, 3>>{{0, 0.5, 1}, {-2, -1.9, 3}, {1, 4.5, 5}}) {
    const boost::math::triangular_distribution<double> oracle(a, c, b);
    ExpectMomentsMatch(TriangularMoments(a, b, c), oracle, kClosedForm, Label({a, b, c}));
    for (double x = a; x <= b; x += (b - a) / 37.0) {
      ExpectRelative(TriangularCdf(x, a, b, c), cdf(oracle, x), kClosedForm, Label({x, a, b, c}));
      ExpectRelative(TriangularPdf(x, a, b, c), pdf(oracle, x), kClosedForm, Label({x, a, b, c}));
    }
  }
}

TEST(DistributionOracle, Weibull) {
  for (double k : {0.6, 1.0, 2.0, 5.0}) {
    for (double theta : {0.5, 1.0, 30.0}) {
      const boost::math::weibull_distribution<double> oracle(k, theta);
      ExpectMomentsMatch(WeibullMoments(k, theta), oracle, 1e-8, Label({k, theta}));
      for (double x = 0.05 * theta; x < 4.0 * theta; x += 0.1 * theta) {
        ExpectRelative(WeibullCdf(x, k, theta), cdf(oracle, x), kClosedForm, Label({x, k, theta}));
        ExpectRelative(WeibullPdf(x, k, theta), pdf(oracle, x), kClosedForm, Label({x, k, theta}));
      }
    }
  }
}

// Johnson SU and the truncated normal have no Boost counterpart: the
// oracle is the exact normal distribution through their transforms.
TEST(DistributionOracle, JohnsonSUThroughExactNormal) {
  const boost::math::normal_distribution<double> normal;
  for (double gamma : {-1.0, 0.0, 0.7}) {
    for (double delta : {0.8, 2.0}) {
      const double lambda = 1.5, xi = -0.5;
      for (double x = -6.0; x < 6.0; x += 0.5) {
        const double z = gamma + delta * std::asinh((x - xi) / lambda);
        EXPECT_NEAR(JohnsonSUCdf(x, gamma, delta, lambda, xi), cdf(normal, z), kThroughNormCdf) << Label({x, gamma, delta});
      }
      // Closed forms of the mean and skewness, besides the route through m.
      const double w = std::exp(1.0 / (delta * delta));
      const double omega = gamma / delta;
      const double q = w * std::cosh(2.0 * omega) + 1.0;
      const Moments m = JohnsonSUMoments(gamma, delta, lambda, xi);
      ExpectRelative(m.mean, xi - lambda * std::sqrt(w) * std::sinh(omega), 1e-9, Label({gamma, delta}));
      ExpectRelative(m.skew,
                     -std::sqrt(w * (w - 1.0) / 2.0) * (w * (w + 2.0) * std::sinh(3.0 * omega) + 3.0 * std::sinh(omega)) /
                         std::pow(q, 1.5),
                     1e-9, Label({gamma, delta}));
    }
  }
}

TEST(DistributionOracle, TruncatedNormalThroughExactNormal) {
  const boost::math::normal_distribution<double> normal;
  for (const auto& [a, b, mu, sigma] :
       std::vector<std::array<double, 4>>{{-1, 2, 0, 1}, {0, 5, 1, 2}, {2, 3, 0, 1}, {-10, 10, 0.5, 0.7}}) {
    const double mass = cdf(normal, (b - mu) / sigma) - cdf(normal, (a - mu) / sigma);
    for (double x = a; x <= b; x += (b - a) / 23.0) {
      const double exact = (cdf(normal, (x - mu) / sigma) - cdf(normal, (a - mu) / sigma)) / mass;
      EXPECT_NEAR(TruncNormCdf(x, a, b, mu, sigma), exact, 2 * kThroughNormCdf / mass) << Label({x, a, b, mu, sigma});
      EXPECT_NEAR(TruncNormPdf(x, a, b, mu, sigma), pdf(normal, (x - mu) / sigma) / (sigma * mass),
                  kThroughNormCdf / (mass * mass)) << Label({x, a, b, mu, sigma});
    }
  }
}

// One distribution seen through its kernels, for the consistency checks.
struct Model {
  std::string name;
  std::function<double(double)> cdf;
  std::function<double(double)> pdf;
  std::function<double(double)> inv;  // empty when there is no quantile
  Moments moments;
  double lo, hi;            // where the slope is checked
  double tolerance;         // of the moments by quadrature
  double slopeTolerance;    // of the density against the slope
  std::vector<double> pieces;  // quadrature breaks covering all but a negligible mass; [lo, hi] when empty
};

// Slope tolerances: 1e-8 for closed forms; 5e-6 through NormCdf, whose
// polynomial's slope departs from the density by about 2e-6 per unit of z.
constexpr double kClosedSlope = 1e-8;
constexpr double kNormCdfSlope = 5e-6;

std::vector<Model> Models() {
  std::vector<Model> models;
  for (double a : {1.5, 2.0, 4.0}) {
    for (double b : {1.5, 3.0}) {
      models.push_back({"beta " + Label({a, b}), [=](double x) { return IncompleteBeta(x, a, b); },
                        [=](double x) { return BetaPdf(x, a, b); }, {}, BetaMoments(a, b), 0.0, 1.0, 1e-10, 1e-6, {}});
    }
  }
  for (double beta : {0.5, 2.0}) {
    models.push_back({"gumbel " + Label({beta}), [=](double x) { return GumbelCdf(x, 1.0, beta); },
                      [=](double x) { return GumbelPdf(x, 1.0, beta); },
                      [=](double p) { return GumbelInv(p, 1.0, beta); }, GumbelMoments(1.0, beta), 1.0 - 4.0 * beta,
                      1.0 + 45.0 * beta, 1e-10, kClosedSlope, {}});
    models.push_back({"logistic " + Label({beta}), [=](double x) { return LogisticCdf(x, -1.0, beta); },
                      [=](double x) { return LogisticPdf(x, -1.0, beta); },
                      [=](double p) { return LogisticInv(p, -1.0, beta); }, LogisticMoments(-1.0, beta),
                      -1.0 - 45.0 * beta, -1.0 + 45.0 * beta, 1e-10, kClosedSlope, {}});
  }
  for (double s : {0.2, 0.6}) {
    models.push_back({"lognormal " + Label({s}), [=](double x) { return LogNormCdf(x, 0.3, s); },
                      [=](double x) { return LogNormPdf(x, 0.3, s); },
                      [=](double p) { return LogNormInv(p, 0.3, s); }, LogNormMoments(0.3, s), 1e-300,
                      std::exp(0.3 + 12.0 * s), 1e-10, kNormCdfSlope, {}});
  }
  for (double gamma : {-0.8, 0.0, 1.2}) {
    for (double delta : {1.0, 2.5}) {
      const auto at = [=](double z) { return JohnsonSUFromNormal(z, gamma, delta, 2.0, 1.0); };
      std::vector<double> pieces;
      for (double z = -16.0; z <= 16.0; z += 1.0) pieces.push_back(at(z));
      models.push_back({"johnson su " + Label({gamma, delta}),
                        [=](double x) { return JohnsonSUCdf(x, gamma, delta, 2.0, 1.0); },
                        [=](double x) { return JohnsonSUPdf(x, gamma, delta, 2.0, 1.0); },
                        [=](double p) { return JohnsonSUInv(p, gamma, delta, 2.0, 1.0); },
                        JohnsonSUMoments(gamma, delta, 2.0, 1.0), at(-4.0), at(4.0), 1e-9, kNormCdfSlope, pieces});
    }
  }
  for (const auto& [a, b, c] : std::vector<std::array<double, 3>>{{0, 1, 0.3}, {-2, 5, 4.2}}) {
    models.push_back({"triangular " + Label({a, b, c}), [=](double x) { return TriangularCdf(x, a, b, c); },
                      [=](double x) { return TriangularPdf(x, a, b, c); },
                      [=](double p) { return TriangularInv(p, a, b, c); }, TriangularMoments(a, b, c), a, b, 1e-10,
                      kClosedSlope, {a, c, b}});
  }
  // The moments use Z = N(beta) - N(alpha) from the approximate NormCdf.
  for (const auto& [a, b, mu, sigma] : std::vector<std::array<double, 4>>{{-1, 2, 0, 1}, {0.5, 4, 0, 1.5}}) {
    models.push_back({"truncated normal " + Label({a, b, mu, sigma}),
                      [=](double x) { return TruncNormCdf(x, a, b, mu, sigma); },
                      [=](double x) { return TruncNormPdf(x, a, b, mu, sigma); },
                      [=](double p) { return TruncNormQuantile(p, a, b, mu, sigma); },
                      TruncNormMoments(a, b, mu, sigma), a, b, 1e-5, kNormCdfSlope, {}});
  }
  for (double k : {1.0, 2.0, 3.5}) {
    models.push_back({"weibull " + Label({k}), [=](double x) { return WeibullCdf(x, k, 1.5); },
                      [=](double x) { return WeibullPdf(x, k, 1.5); }, [=](double p) { return WeibullInv(p, k, 1.5); },
                      WeibullMoments(k, 1.5), 0.0, 80.0, 1e-9, kClosedSlope, {}});
  }
  return models;
}

double Integrate(const std::function<double(double)>& f, const Model& model) {
  const std::vector<double> pieces = model.pieces.empty() ? std::vector<double>{model.lo, model.hi} : model.pieces;
  boost::math::quadrature::tanh_sinh<double> rule;
  double sum = 0.0;
  for (std::size_t i = 1; i < pieces.size(); ++i) sum += rule.integrate(f, pieces[i - 1], pieces[i]);
  return sum;
}

TEST(DistributionConsistency, DensityIsTheSlopeOfTheDistribution) {
  for (const Model& model : Models()) {
    const double h = (model.hi - model.lo) * 1e-5;
    for (int i = 1; i < 40; ++i) {
      const double x = model.lo + (model.hi - model.lo) * std::pow(i / 40.0, 2.0);
      const double slope =
          (model.cdf(x - 2 * h) - 8 * model.cdf(x - h) + 8 * model.cdf(x + h) - model.cdf(x + 2 * h)) / (12.0 * h);
      EXPECT_NEAR(slope, model.pdf(x), model.slopeTolerance * std::max(1.0, model.pdf(x)))
          << model.name << " at " << x;
    }
  }
}

TEST(DistributionConsistency, QuantileInvertsTheDistribution) {
  for (const Model& model : Models()) {
    if (!model.inv) continue;
    for (double p : {1e-6, 0.01, 0.2, 0.5, 0.77, 0.99, 0.999999}) {
      // Two NormCdf errors, divided by the truncated normal's mass Z >= 0.37.
      EXPECT_NEAR(model.cdf(model.inv(p)), p, 2 * kThroughNormCdf / 0.37) << model.name << " at " << p;
    }
  }
}

TEST(DistributionConsistency, MomentsEqualTheDensityIntegrals) {
  for (const Model& model : Models()) {
    const auto moment = [&](auto weight) {
      return Integrate([&](double x) { return weight(x) * model.pdf(x); }, model);
    };
    const double mass = moment([](double) { return 1.0; });
    const double mu = moment([](double x) { return x; }) / mass;
    const double variance = moment([&](double x) { return (x - mu) * (x - mu); }) / mass;
    const double third = moment([&](double x) { return std::pow(x - mu, 3); }) / mass;
    const double fourth = moment([&](double x) { return std::pow(x - mu, 4); }) / mass;
    const double sd = std::sqrt(variance);
    ExpectRelative(mass, 1.0, model.tolerance, model.name + " mass");
    ExpectRelative(model.moments.mean, mu, model.tolerance, model.name + " mean");
    ExpectRelative(model.moments.stdev, sd, model.tolerance, model.name + " stdev");
    ExpectRelative(model.moments.skew, third / (sd * sd * sd), model.tolerance, model.name + " skew");
    ExpectRelative(model.moments.kurt, fourth / (variance * variance) - 3.0, model.tolerance, model.name + " kurt");
  }
}

}  // namespace
}  // namespace Zq::Math
