// Johnson SU distribution. The moments go through the kurtosis K and the
// auxiliary m; the sign s of the mean and skewness is that of
// -Omega (w - 1 - m), and with s = 0 (gamma = 0) they are xi and 0 exactly.
#include "distributions/johnson_su.h"

#include <cmath>
#include <limits>

#include "distributions/distribution_worksheet.h"
#include "distributions/normal.h"

namespace Zq::Math {
namespace {

// z = gamma + delta ln(y + sqrt(y^2 + 1)) with r = sqrt(y^2 + 1) alongside.
struct NormalImage {
  double z;
  double r;
};

NormalImage ToNormal(double x, double gamma, double delta, double lambda, double xi) {
  const double y = (x - xi) / lambda;
  const double r = std::sqrt(y * y + 1.0);
  return {gamma + delta * std::log(y + r), r};
}

// m = (w^2 - 1)/(w cosh(2 Omega) + 1), recovered from the excess kurtosis.
double AuxiliaryFromKurtosis(double w, double kurtosis) {
  const double w2 = w * w;
  return std::sqrt(2.0 * (w2 - (kurtosis + 6.0) / (w2 + 2.0 * w + 3.0)) + 4.0) - 2.0;
}

double MomentSign(double omega, double w, double m) {
  const double d = omega * (w - 1.0 - m);
  if (d > 0.0) return -1.0;
  if (d < 0.0) return 1.0;
  if (d == 0.0) return 0.0;
  return std::numeric_limits<double>::quiet_NaN();
}

}  // namespace

double JohnsonSUCdf(double x, double gamma, double delta, double lambda, double xi) {
  return NormCdf(ToNormal(x, gamma, delta, lambda, xi).z);
}

double JohnsonSUPdf(double x, double gamma, double delta, double lambda, double xi) {
  const NormalImage image = ToNormal(x, gamma, delta, lambda, xi);
  return NormPdf(image.z) * delta / (lambda * image.r);
}

double JohnsonSUFromNormal(double z, double gamma, double delta, double lambda, double xi) {
  return xi + lambda * std::sinh((z - gamma) / delta);
}

double JohnsonSUInv(double prob, double gamma, double delta, double lambda, double xi) {
  return JohnsonSUFromNormal(NormCdfInv(prob), gamma, delta, lambda, xi);
}

double JohnsonSUKurtosis(double w, double omega) {
  const double w2 = w * w;
  const double q = w * std::cosh(2.0 * omega) + 1.0;
  return (w2 * (w2 * w2 + 2.0 * w2 * w + 3.0 * w2 - 3.0) * std::cosh(4.0 * omega) +
          4.0 * w2 * (w + 2.0) * std::cosh(2.0 * omega) + 3.0 * (2.0 * w + 1.0)) /
             (2.0 * (q * q)) -
         3.0;
}

Moments JohnsonSUMoments(double gamma, double delta, double lambda, double xi) {
  const double w = std::exp(1.0 / (delta * delta));
  const double omega = gamma / delta;
  const double q = w * std::cosh(2.0 * omega) + 1.0;
  const double kurt = JohnsonSUKurtosis(w, omega);
  const double m = AuxiliaryFromKurtosis(w, kurt);
  const double root = std::sqrt((w + 1.0) / (2.0 * m));
  const double s = MomentSign(omega, w, m);
  const double t = w * (w + 2.0) * std::sinh(3.0 * omega) + 3.0 * std::sinh(omega);
  return {s == 0.0 ? xi : xi + s * lambda * (w - 1.0) * root * std::sqrt(w - 1.0 - m) / (w - 1.0),
          lambda * (w - 1.0) * root, s == 0.0 ? 0.0 : s * std::sqrt(w * (w - 1.0) * (t * t) / (2.0 * (q * q * q))),
          kurt};
}

}  // namespace Zq::Math

using namespace Zq::Math;

ZQ_WORKSHEET ZqJohnsonSUDist(double x, double gamma, double delta, double lambda, double xi, short cumulative) {
  return ZQ_CHECKED_DIST(IsPositiveParameter(delta), cumulative, JohnsonSUCdf(x, gamma, delta, lambda, xi),
                         JohnsonSUPdf(x, gamma, delta, lambda, xi));
}
ZQ_WORKSHEET ZqJohnsonSUInv(double prob, double gamma, double delta, double lambda, double xi) {
  return ZQ_CHECKED_NUMBER(IsOpenProbability(prob) && IsPositiveParameter(delta),
                           JohnsonSUInv(prob, gamma, delta, lambda, xi));
}
ZQ_WORKSHEET ZqJohnsonSUNormQQ(double z, double gamma, double delta, double lambda, double xi) {
  return ZQ_CHECKED_NUMBER(IsPositiveParameter(delta), JohnsonSUFromNormal(z, gamma, delta, lambda, xi));
}
ZQ_WORKSHEET ZqJohnsonSUMean(double gamma, double delta, double lambda, double xi) {
  return ZQ_CHECKED_NUMBER(IsPositiveParameter(delta), JohnsonSUMoments(gamma, delta, lambda, xi).mean);
}
ZQ_WORKSHEET ZqJohnsonSUStdev(double gamma, double delta, double lambda, double xi) {
  return ZQ_CHECKED_NUMBER(IsPositiveParameter(delta), JohnsonSUMoments(gamma, delta, lambda, xi).stdev);
}
ZQ_WORKSHEET ZqJohnsonSUSkew(double gamma, double delta, double lambda, double xi) {
  return ZQ_CHECKED_NUMBER(IsPositiveParameter(delta), JohnsonSUMoments(gamma, delta, lambda, xi).skew);
}
ZQ_WORKSHEET ZqJohnsonSUKurt(double gamma, double delta, double lambda, double xi) {
  return ZQ_CHECKED_NUMBER(IsPositiveParameter(delta), JohnsonSUMoments(gamma, delta, lambda, xi).kurt);
}
ZQ_WORKSHEET ZqJohnsonSUMom(double gamma, double delta, double lambda, double xi) {
  return ZQ_CHECKED_MOMENTS(IsPositiveParameter(delta), JohnsonSUMoments(gamma, delta, lambda, xi));
}
