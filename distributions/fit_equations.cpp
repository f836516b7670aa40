#include "distributions/fit_equations.h"

#include <cmath>

#include "distributions/normal.h"
#include "distributions/special_functions.h"

namespace Zq::Math {

double JohnsonSUAuxiliary(double w, double beta2) {
  return std::sqrt(2 * (w * w - (beta2 + 3) / (w * w + 2 * w + 3)) + 4) - 2;
}

Equation1 JohnsonSUEquation(double w, double beta1, double beta2) {
  const double m = JohnsonSUAuxiliary(w, beta2);
  const double c = w + 2 + m / 2;
  const double q = w * w + 2 * w + 3;
  return {c * c * (w - 1 - m) - beta1, -1.5 * c * (m + 2 * (beta2 + 3) * (w + 1) / (q * q))};
}

Equation1 TriangularEquation(double u, double skew2) {
  const double b = u * u - u + 1;
  const double d = (2 * u - 1) * (u + 1) * (u - 2);
  const double dSlope = 2 * (u - 2) * (u + 1) + (2 * u - 1) * (u - 2) + (2 * u - 1) * (u + 1);
  return {25 * skew2 * b * b * b - 2 * d * d, 75 * skew2 * (2 * u - 1) * b * b - 4 * d * dSlope};
}

Equation1 WeibullEquation(double a, double meanSquared, double variance) {
  return {std::log(2 * meanSquared / (meanSquared + variance)) + LogGamma(2 * a) - 2 * LogGamma(a) - std::log(a),
          2 * DiGamma(2 * a) - 2 * DiGamma(a) - 1 / a};
}

Equation2 TruncNormEquations(double alpha, double beta, double min, double max, double mean, double variance) {
  // sigma and mu make min and max the standardised points alpha and beta.
  const double span = alpha - beta;
  const double sigma = (min - max) / span;
  const double mu = (alpha * max - beta * min) / span;
  const double dSigma[2] = {-sigma / span, sigma / span};
  const double dMu[2] = {beta * sigma / span, -alpha * sigma / span};

  const double pa = NormPdf(alpha);
  const double pb = NormPdf(beta);
  const double z = NormCdf(beta) - NormCdf(alpha);
  const double dZ[2] = {-pa, pb};
  // P = phi(alpha) - phi(beta) and H = alpha phi(alpha) - beta phi(beta),
  // with phi'(x) = -x phi(x).
  const double p = pa - pb;
  const double dP[2] = {-alpha * pa, beta * pb};
  const double h = alpha * pa - beta * pb;
  const double dH[2] = {(1 - alpha * alpha) * pa, -(1 - beta * beta) * pb};

  Equation2 e{};
  e.value[0] = mu + sigma * p / z - mean;
  e.value[1] = sigma * sigma * (1 + h / z) - (mean - mu) * (mean - mu) - variance;
  for (int j = 0; j < 2; ++j) {
    e.jacobian[0][j] = dMu[j] + dSigma[j] * p / z + sigma * (dP[j] * z - p * dZ[j]) / (z * z);
    e.jacobian[1][j] = 2 * sigma * dSigma[j] * (1 + h / z) + sigma * sigma * (dH[j] * z - h * dZ[j]) / (z * z) +
                       2 * (mean - mu) * dMu[j];
  }
  return e;
}

}  // namespace Zq::Math
