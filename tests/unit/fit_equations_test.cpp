// The analytic slopes and Jacobians of the fits' equations against central
// differences: a wrong derivative would still let many fits converge, only
// slowly or to the wrong place, so it is checked on its own.
#include "distributions/fit_equations.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using namespace Zq::Math;

template <class F>
double CentralDifference(F f, double x) {
  const double h = 1e-6 * (std::fabs(x) + 1);
  return (f(x + h) - f(x - h)) / (2 * h);
}

void ExpectSlope(double analytic, double numeric, double tolerance = 1e-6) {
  EXPECT_NEAR(analytic, numeric, tolerance * (std::fabs(numeric) + 1)) << "numeric " << numeric;
}

TEST(FitEquations, JohnsonSUSlope) {
  for (double beta2 : {3.5, 5.0, 12.0})
    for (double w : {1.05, 1.3, 2.0}) {
      auto f = [&](double at) { return JohnsonSUEquation(at, 0.4, beta2).value; };
      ExpectSlope(JohnsonSUEquation(w, 0.4, beta2).slope, CentralDifference(f, w));
    }
}

TEST(FitEquations, JohnsonSUAuxiliaryMeetsTheLogNormalLine) {
  // On the log-normal line (the largest skewness for a kurtosis) the
  // equation's root is w itself: beta2 = w^4 + 2w^3 + 3w^2 - 3 and
  // beta1 = (w - 1)(w + 2)^2 give m = 0.
  const double w = 1.4;
  const double beta2 = w * w * w * w + 2 * w * w * w + 3 * w * w - 3;
  EXPECT_NEAR(JohnsonSUAuxiliary(w, beta2), 0, 1e-12);
  EXPECT_NEAR(JohnsonSUEquation(w, (w - 1) * (w + 2) * (w + 2), beta2).value, 0, 1e-12);
}

TEST(FitEquations, TriangularSlopeAndRoots) {
  for (double skew2 : {0.01, 0.1, 0.3})
    for (double u : {-0.4, 0.0, 0.2, 0.5, 0.9}) {
      auto f = [&](double at) { return TriangularEquation(at, skew2).value; };
      ExpectSlope(TriangularEquation(u, skew2).slope, CentralDifference(f, u));
    }
  // A right-angled triangle (mode at the minimum) has the largest skewness,
  // sqrt(0.32); a symmetric one has none.
  EXPECT_NEAR(TriangularEquation(0, 0.32).value, 0, 1e-12);
  EXPECT_EQ(TriangularEquation(0.5, 0).value, 0);
}

TEST(FitEquations, WeibullSlopeAndRoot) {
  for (double a : {0.1, 0.5, 1.0, 2.5}) {
    auto f = [&](double at) { return WeibullEquation(at, 4, 1).value; };
    ExpectSlope(WeibullEquation(a, 4, 1).slope, CentralDifference(f, a));
  }
  // The exponential distribution (a = 1) has standard deviation equal to its mean.
  EXPECT_NEAR(WeibullEquation(1, 9, 9).value, 0, 1e-9);
}

TEST(FitEquations, TruncNormJacobian) {
  const double points[][2] = {{-1.5, 2.0}, {-0.3, 0.4}, {0.5, 3.0}, {-4.0, -1.0}};
  for (const auto& p : points) {
    const Equation2 e = TruncNormEquations(p[0], p[1], 1.0, 3.0, 1.8, 0.2);
    for (int j = 0; j < 2; ++j) {
      for (int i = 0; i < 2; ++i) {
        auto f = [&](double at) {
          return j == 0 ? TruncNormEquations(at, p[1], 1.0, 3.0, 1.8, 0.2).value[i]
                        : TruncNormEquations(p[0], at, 1.0, 3.0, 1.8, 0.2).value[i];
        };
        // The Jacobian takes N' = phi; NormCdf's polynomial only nearly has
        // that slope, so the residuals' own differences agree to about 1e-5.
        ExpectSlope(e.jacobian[i][j], CentralDifference(f, p[j]), 5e-5);
      }
    }
  }
}

TEST(FitEquations, TruncNormResidualsVanishForTheUntruncatedNormal) {
  // Bounds ten standard deviations out: mean mu and variance sigma^2.
  const double mu = 2, sigma = 0.5;
  const Equation2 e = TruncNormEquations(-10, 10, mu - 10 * sigma, mu + 10 * sigma, mu, sigma * sigma);
  EXPECT_NEAR(e.value[0], 0, 1e-12);
  EXPECT_NEAR(e.value[1], 0, 1e-12);
}

}  // namespace
