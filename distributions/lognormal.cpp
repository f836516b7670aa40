// Log-normal distribution through the normal kernels; moments in w = exp(s^2).
#include "distributions/lognormal.h"

#include <cmath>

#include "distributions/normal.h"

namespace Zq::Math {

double LogNormCdf(double x, double m, double s) { return NormCdf((std::log(x) - m) / s); }

double LogNormPdf(double x, double m, double s) {
  const double h = (std::log(x) - m) / s;
  return 0.398942280401433 * std::exp(-0.5 * h * h) / s / x;
}

double LogNormInv(double prob, double m, double s) { return std::exp(NormCdfInv(prob) * s + m); }

Moments LogNormMoments(double m, double s) {
  const double w = std::exp(s * s);
  const double w2 = w * w;
  return {std::sqrt(w) * std::exp(m), std::sqrt((w - 1.0) * w) * std::exp(m), (w + 2.0) * std::sqrt(w - 1.0),
          w2 * w2 + 2.0 * w2 * w + 3.0 * w2 - 6.0};
}

}  // namespace Zq::Math
