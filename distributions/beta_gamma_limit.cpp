#include "distributions/beta_gamma_limit.h"

#include <cmath>

#include "distributions/beta_power_term.h"
#include "distributions/special_functions.h"
#include "numerics/special_values.h"

namespace Zq::Math {
namespace {

constexpr double kGammaAccuracy = 1e-16;
constexpr double kGammaTiny = 1e-300;
constexpr int kGammaSteps = 100000;

// ln(y^a e^-y / Γ(a + 1)). From a = 10 on it is written around y = a,
// -a phi(y/a - 1) - ln(2 pi a)/2 - the Stirling correction, so that
// nothing of size a ln a is formed and cancelled.
double LogGammaDensityTerm(double a, double y) {
  if (a < kStirlingShape) return a * std::log(y) - y - LogGamma(a + 1.0);
  const double u = (y - a) / a;
  return -a * LogExcess(u, LogOnePlus(u)) - 0.5 * std::log(a) - kHalfLogTwoPi - StirlingCorrection(a);
}

// P(a, y) / D = sum over n >= 0 of y^n / ((a + 1) ... (a + n)), for y < a + 1.
double GammaSeries(double a, double y) {
  double term = 1.0;
  double sum = 1.0;
  for (int n = 1; n <= kGammaSteps; ++n) {
    term *= y / (a + n);
    sum += term;
    if (term < kGammaAccuracy * sum) return sum;
  }
  return kNaN;
}

// Q(a, y) / D by the modified Lentz method on the fraction
// a / (y + 1 - a - 1 (1 - a) / (y + 3 - a - 2 (2 - a) / (y + 5 - a - ...))),
// for y >= a + 1.
double GammaFraction(double a, double y) {
  const auto floored = [](double v) { return std::fabs(v) < kGammaTiny ? kGammaTiny : v; };
  double b = y + 1.0 - a;
  double c = 1.0 / kGammaTiny;
  double d = 1.0 / floored(b);
  double h = d;
  for (int n = 1; n <= kGammaSteps; ++n) {
    const double an = -n * (n - a);
    b += 2.0;
    d = 1.0 / floored(an * d + b);
    c = floored(b + an / c);
    const double delta = d * c;
    h *= delta;
    if (std::fabs(delta - 1.0) < kGammaAccuracy) return a * h;
  }
  return kNaN;
}

// P(a, y) and Q(a, y) = 1 - P, the regularised incomplete gamma for a > 0
// and finite y: the series below a + 1, the continued fraction above, each
// giving the smaller side, the other as its complement.
BetaTails IncompleteGammaTails(double a, double y) {
  if (y <= 0.0) return {0.0, 1.0};
  const double density = std::exp(LogGammaDensityTerm(a, y));
  // A smaller side below the least double; the fraction would meet
  // subnormal steps far out, where y is near the largest double.
  if (density == 0.0) return y < a + 1.0 ? BetaTails{0.0, 1.0} : BetaTails{1.0, 0.0};
  if (y < a + 1.0) {
    const double lower = density * GammaSeries(a, y);
    return {lower, 1.0 - lower};
  }
  const double upper = density * GammaFraction(a, y);
  return {1.0 - upper, upper};
}

}  // namespace

BetaTails LopsidedIncompleteBeta(double x, double a, double b) {
  const double n = b + 0.5 * (a - 1.0);
  const double y = -n * LogOnePlus(-x);
  if (std::isinf(y)) return {1.0, 0.0};  // b near the largest double: all of the mass lies below x
  const BetaTails gamma = IncompleteGammaTails(a, y);
  const double e = (a - 1.0) * a * (a + 1.0) / (24.0 * n * n);
  const double shift = e / (1.0 + e) * std::exp(LogGammaDensityTerm(a, y)) * (1.0 + y / (a + 1.0));
  return {gamma.lower - shift, gamma.upper + shift};
}

}  // namespace Zq::Math
