// Log-normal distribution through the normal kernels; moments in w = exp(s^2).
#include "distributions/lognormal.h"

#include <cmath>

#include "distributions/normal.h"
#include "distributions/special_functions.h"

namespace Zq::Math {

double LogNormCdf(double x, double m, double s) { return NormCdf((std::log(x) - m) / s); }

double LogNormPdf(double x, double m, double s) {
  return NormPdf((std::log(x) - m) / s) / s / x;
}

double LogNormInv(double prob, double m, double s) { return std::exp(NormCdfInv(prob) * s + m); }

namespace {

// Below this s^2, w - 1 keeps fewer than 12 of its digits.
constexpr double kSmallVariance = 1e-4;

}  // namespace

Moments LogNormMoments(double m, double s) {
  const double w = std::exp(s * s);
  const double w2 = w * w;
  if (!(s * s < kSmallVariance))
    return {std::sqrt(w) * std::exp(m), std::sqrt((w - 1.0) * w) * std::exp(m), (w + 2.0) * std::sqrt(w - 1.0),
            w2 * w2 + 2.0 * w2 * w + 3.0 * w2 - 6.0};
  // d = w - 1 from ExpMinusOne, and the kurtosis as a polynomial in d
  // (16d + 15d^2 + 6d^3 + d^4), so that nothing cancels.
  const double d = ExpMinusOne(s * s);
  return {std::sqrt(w) * std::exp(m), std::sqrt(d * w) * std::exp(m), (w + 2.0) * std::sqrt(d),
          d * (16.0 + d * (15.0 + d * (6.0 + d)))};
}

}  // namespace Zq::Math
