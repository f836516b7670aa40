// Logistic distribution through the hyperbolic tangent:
// F(x) = (tanh((x - m)/(2b)) + 1)/2.
#include "distributions/logistic.h"

#include <cmath>

#include "distributions/special_functions.h"

namespace Zq::Math {

double LogisticCdf(double x, double m, double b) { return (std::tanh((x - m) * 0.5 / b) + 1.0) * 0.5; }

double LogisticPdf(double x, double m, double b) {
  const double c = std::cosh((x - m) * 0.5 / b);
  return 1.0 / (4.0 * b * (c * c));
}

// 1/(1 - prob) - 1 rounds to 0 below prob ~ 1e-16 (and loses digits well
// before); the log-odds ln(prob) - ln(1 - prob) keep them. The plain form
// stands wherever the two agree to 1e-6 of the log-odds (or of B near
// the median).
double LogisticInv(double prob, double m, double b) {
  const double plain = b * std::log(1.0 / (1.0 - prob) - 1.0) + m;
  const double logOdds = std::log(prob) - LogOnePlus(-prob);
  const double stable = b * logOdds + m;
  return Checked(plain, stable, 1e-6 * b * std::fmax(1.0, std::fabs(logOdds)));
}

Moments LogisticMoments(double m, double b) { return {m, b * kTruncatedPi / std::sqrt(3.0), 0.0, 1.2}; }

}  // namespace Zq::Math
