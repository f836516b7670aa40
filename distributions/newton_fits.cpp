// The fits whose moment equations need a root search.
#include <algorithm>
#include <cmath>
#include <initializer_list>

#include "distributions/careful_fits.h"
#include "distributions/fit_check.h"
#include "distributions/fit_equations.h"
#include "distributions/johnson_su.h"
#include "distributions/parameter_fits.h"
#include "distributions/special_functions.h"
#include "distributions/triangular.h"
#include "distributions/truncated_normal.h"
#include "distributions/truncated_normal_fit.h"
#include "distributions/weibull.h"
#include "solvers/solve_equations.h"

namespace Zq::Math {

namespace {

constexpr double kTolF = 1e-14;
// How closely a fitted truncated normal must give back the target moments.
constexpr double kReproduced = 1e-9;
// A mean cannot be given back closer than its own rounding: a few units in
// its last place.
constexpr double kMeanSlack = 0x1p-50;

bool Finite(std::initializer_list<double> values) {
  for (double v : values)
    if (!std::isfinite(v)) return false;
  return true;
}

// The Johnson SU parameters for the root w of the skewness equation, with
// the sign of the target skewness, when they give the targets back.
bool JohnsonSUAt(double w, double mean, double stdev, double skew, double kurt, double& gamma, double& delta,
                 double& lambda, double& xi) {
  const double beta2 = kurt + 3;
  const double m = JohnsonSUAuxiliary(w, beta2);
  const double s = skew > 0 ? 1.0 : -1.0;
  // Near zero skew, q^2 and w - 1 - m are zero up to rounding, which can
  // leave them slightly negative: that is the symmetric limit, not a failure.
  const double q = std::sqrt(std::max(0.0, (w + 1) * ((w - 1) / m - 1) / (2 * w)));
  delta = 1 / std::sqrt(std::log(w));
  gamma = -s * std::log(q + std::sqrt(q * q + 1)) * delta;
  lambda = std::sqrt(2 * m / (w + 1)) * stdev / (w - 1);
  xi = mean - std::sqrt(std::max(0.0, w - 1 - m)) * s * stdev / (w - 1);
  return Finite({gamma, delta, lambda, xi}) && IsPositive(delta) && IsPositive(lambda) &&
         GivesBack(JohnsonSUMoments(gamma, delta, lambda, xi), mean, stdev, skew, kurt);
}

// The symmetric member with the target kurtosis, when it gives the targets
// back (the skewness zero, or too small to tell from zero).
bool SymmetricJohnsonSU(double mean, double stdev, double skew, double kurt, double& gamma, double& delta,
                        double& lambda, double& xi) {
  const double beta2 = kurt + 3;
  const double w = std::sqrt(std::sqrt(2 * (beta2 - 1)) - 1);
  delta = 1 / std::sqrt(std::log(w));
  gamma = 0;
  lambda = std::sqrt(2 * JohnsonSUAuxiliary(w, beta2) / (w + 1)) * stdev / (w - 1);
  xi = mean;
  return Finite({gamma, delta, lambda, xi}) && IsPositive(delta) && IsPositive(lambda) &&
         GivesBack(JohnsonSUMoments(gamma, delta, lambda, xi), mean, stdev, skew, kurt);
}

// The search in w from the closed-form start w0. It stops once w moves by
// 1e-7, which can leave the higher moments short of the targets: it then
// goes on from there to the last bits of w. A skewness within rounding of
// zero is the symmetric member.
bool JohnsonSUParamByNewton(double mean, double stdev, double skew, double kurt, double beta1, double beta2, double w0,
                            double& gamma, double& delta, double& lambda, double& xi) {
  if (beta1 == 0) return SymmetricJohnsonSU(mean, stdev, skew, kurt, gamma, delta, lambda, xi);
  if (!(beta1 > 0)) return false;
  auto equation = [&](double w) { return JohnsonSUEquation(w, beta1, beta2); };
  double w = 0;
  if (SolveOne(equation, w0, 1e-7, kTolF, w)) {
    if (JohnsonSUAt(w, mean, stdev, skew, kurt, gamma, delta, lambda, xi)) return true;
    double polished = 0;
    if (SolveOne(equation, w, 1e-15 * w, 0.0, polished) &&
        JohnsonSUAt(polished, mean, stdev, skew, kurt, gamma, delta, lambda, xi))
      return true;
  }
  return SymmetricJohnsonSU(mean, stdev, skew, kurt, gamma, delta, lambda, xi);
}

}  // namespace

// Where the search in w misses (its equation cancels for delta large, its
// start overflows for delta small, its slope vanishes near the log-normal
// line) or the closed-form line test rounds a reachable target beyond the
// line, the bisection of JohnsonSUParamBySearch decides.
bool JohnsonSUParam(double mean, double stdev, double skew, double kurt, double& gamma, double& delta,
                    double& lambda, double& xi) {
  const double beta1 = skew * skew;
  const double beta2 = kurt + 3;
  if (beta2 <= 3) return false;

  // The log-normal line: the root w0 of w^4 + 2w^3 + 3w^2 - 3 = beta2 in
  // closed form. Skewness on or beyond it is out of the family's reach but
  // for targets within rounding of it, which only the bisection finds.
  const double e = (16 * beta2 * beta2 + 87 * beta2 + 171) * (beta2 + 3) / 27;
  const double t = std::pow(2 * std::sqrt(e) + 2 * beta2 + 7, 0.3333333333333333) - 1 -
                   std::pow(2 * std::sqrt(e) - 7 - 2 * beta2, 0.3333333333333333);
  const double r = std::sqrt(t);
  const double w0 = (std::sqrt(4 / r - t - 3) + r - 1) / 2;
  if (!((w0 + 2) * (w0 + 2) * (w0 - 1) <= beta1) &&
      JohnsonSUParamByNewton(mean, stdev, skew, kurt, beta1, beta2, w0, gamma, delta, lambda, xi))
    return true;
  return JohnsonSUParamBySearch(mean, stdev, skew, kurt, gamma, delta, lambda, xi);
}

namespace {

// The triangle with the mode at the share u of its range and the target
// mean and deviation, when the triangular functions accept it and give
// the targets back.
bool TriangleAt(double mean, double stdev, double skew, double u, double& min, double& max, double& mode) {
  const double range = 3 * std::sqrt(2.0) * stdev / std::sqrt(u * u - u + 1);
  min = mean - range * (u + 1) / 3;
  max = range + min;
  mode = min + range * u;
  return Finite({min, max, mode}) && TriangularShapeValid(min, max, mode) &&
         GivesBack(TriangularMoments(min, max, mode), mean, stdev, skew);
}

}  // namespace

// Near the largest skewness the polynomial's root is double (its slope
// vanishes at u = 0) and the search from 0 runs off; bisection on the
// skewness itself finds the mode there.
bool TriangularParam(double mean, double stdev, double skew, double& min, double& max, double& mode) {
  if (stdev <= 0) return false;
  const double skew2 = skew * skew;
  if (skew2 >= 0.32) return false;

  double u = 0.5;
  if (skew2 != 0) {
    auto equation = [&](double at) { return TriangularEquation(at, skew2); };
    // From its start the search finds the mode left of the centre, the
    // positively skewed triangle; a negative target is its mirror image.
    if (!SolveOne(equation, 0.0, 1e-10, kTolF, u) || u <= 0 || u >= 1) u = TriangularModeShare(skew);
    else if (skew < 0) u = 1 - u;
  }
  if (TriangleAt(mean, stdev, skew, u, min, max, mode)) return true;
  return skew2 != 0 && TriangleAt(mean, stdev, skew, TriangularModeShare(skew), min, max, mode);
}

namespace {

// The fitted moments against the targets: the deviation to tolerance, the
// mean to tolerance in deviations plus slack (its own rounding, where the
// deviation is small against the mean).
bool Reproduces(double min, double max, double mean, double stdev, double mu, double sigma, double tolerance,
                double slack) {
  if (!Finite({mu, sigma}) || !IsPositiveOrNaN(sigma)) return false;
  const Moments fitted = TruncNormMoments(min, max, mu, sigma);
  return std::fabs(fitted.mean - mean) <= tolerance * stdev + slack &&
         std::fabs(fitted.stdev - stdev) <= tolerance * stdev;
}

}  // namespace

// The equations in the standardised bounds stand on the closed formulas
// and NormCdf. Their solution stands where the truncated normal's moment
// functions give the targets back for it (where the formulas hold);
// elsewhere (a window narrow against sigma, a mean near a bound, a window
// far in a tail) the moment functions themselves are matched, to their
// rounding (truncated_normal_fit.h). Targets the family cannot reach (a
// deviation above the uniform's) make the search fail or miss the targets:
// #VALUE!, never a sigma <= 0.
bool TruncNormParam(double min, double max, double mean, double stdev, double& mu, double& sigma) {
  const double variance = stdev * stdev;
  auto equations = [&](double alpha, double beta) {
    return TruncNormEquations(alpha, beta, min, max, mean, variance);
  };
  double alpha = (min - mean) / stdev;
  double beta = (max - mean) / stdev;
  if (SolveTwo(equations, alpha, beta, 1e-10, kTolF)) {
    sigma = (min - max) / (alpha - beta);
    mu = (alpha * max - beta * min) / (alpha - beta);
    if (Reproduces(min, max, mean, stdev, mu, sigma, kReproduced, 0.0)) return true;
  }
  return TruncNormFitToRounding(min, max, mean, stdev, mu, sigma) &&
         Reproduces(min, max, mean, stdev, mu, sigma, kReproduced, kMeanSlack * std::fabs(mean));
}

// The equation in LogGamma cancels to nothing for a narrow distribution
// (shape 1e8 came out 1.75e7); the series takes over there.
bool WeibullParam(double mean, double stdev, double& scale, double& shape) {
  if (stdev <= 0 || mean <= 0) return false;
  const double meanSquared = mean * mean;
  const double variance = stdev * stdev;
  auto equation = [&](double a) { return WeibullEquation(a, meanSquared, variance); };
  double a = 0;
  if (SolveOne(equation, 1.0, 1e-10, kTolF, a)) {
    shape = 1 / a;
    scale = mean / (std::exp(LogGamma(a)) * a);
    if (IsPositive(shape) && IsPositive(scale) && GivesBack(WeibullMoments(shape, scale), mean, stdev)) return true;
  }
  return WeibullParamNarrow(mean, stdev, scale, shape);
}

}  // namespace Zq::Math
