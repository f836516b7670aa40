// Weibull distribution: F(x) = 1 - exp(-(x/theta)^k). The worksheet Dist
// names shape and scale Phi and Gamma; the other functions Alpha and Beta.
#include "distributions/weibull.h"

#include <cmath>
#include <limits>

#include "distributions/special_functions.h"

namespace Zq::Math {
namespace {

double Gamma(double v) { return std::exp(LogGamma(v)); }

}  // namespace

bool WeibullParametersValid(double k, double theta) { return IsPositiveOrNaN(k) && IsPositiveOrNaN(theta); }

double WeibullCdf(double x, double k, double theta) { return 1.0 - std::exp(-std::pow(x / theta, k)); }

// Far in the tail (x/theta)^(k - 1) overflows while exp(-(x/theta)^k)
// underflows, and their product is inf * 0; short of that the underflowed
// exponential still takes the density to 0 too early. There the density
// comes from the sum of the logarithms, with ln(x/theta) taken as a
// difference where the ratio overflows.
double WeibullPdf(double x, double k, double theta) {
  const double tail = std::exp(-std::pow(x / theta, k));
  const double formula = (k / theta) * std::pow(x / theta, k - 1.0) * tail;
  if (std::isfinite(formula) && tail >= std::numeric_limits<double>::min()) return formula;
  const double ratio = x / theta;
  const double logRatio = std::isfinite(ratio) ? std::log(ratio) : std::log(x) - std::log(theta);
  return std::exp(std::log(k / theta) + (k - 1.0) * logRatio - std::exp(k * logRatio));
}

// ln(1 - prob) loses prob to rounding below about 1e-16 (the quantile of
// 1e-20 came out 0); LogOnePlus keeps it. The plain form stands wherever
// the two agree to 1e-6.
double WeibullInv(double prob, double k, double theta) {
  const double plain = theta * std::pow(-std::log(1.0 - prob), 1.0 / k);
  const double stable = theta * std::pow(-LogOnePlus(-prob), 1.0 / k);
  if (!std::isfinite(stable) || std::fabs(plain - stable) <= 1e-6 * stable) return plain;
  return stable;
}

Moments WeibullMoments(double k, double theta) {
  const double mu = theta * Gamma(1.0 + 1.0 / k);
  const double mu2 = mu * mu;
  const double sigma = std::sqrt(theta * theta * Gamma(1.0 + 2.0 / k) - mu2);
  const double sigma2 = sigma * sigma;
  const double sigma3 = sigma2 * sigma;
  const double skew = (theta * theta * theta * Gamma(1.0 + 3.0 / k) - 3.0 * mu * sigma2 - mu2 * mu) / sigma3;
  const double theta2 = theta * theta;
  const double kurt =
      (theta2 * theta2 * Gamma(1.0 + 4.0 / k) - 4.0 * mu * sigma3 * skew - 6.0 * mu2 * sigma2 - mu2 * mu2) /
          (sigma2 * sigma2) -
      3.0;
  return {mu, sigma, skew, kurt};
}

}  // namespace Zq::Math
