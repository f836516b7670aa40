// Log-normal distribution through the normal kernels; moments in w = exp(s^2).
#include "distributions/lognormal.h"

#include <cmath>

#include "distributions/distribution_worksheet.h"
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

using namespace Zq::Math;

ZQ_WORKSHEET ZqLogNormDist(double x, double m, double s, short cumulative) {
  return ZQ_CHECKED_DIST(!(x <= 0.0) && IsPositiveOrNaN(s), cumulative, LogNormCdf(x, m, s), LogNormPdf(x, m, s));
}
ZQ_WORKSHEET ZqLogNormInv(double prob, double m, double s) {
  return ZQ_CHECKED_NUMBER(IsOpenProbabilityOrNaN(prob) && IsPositiveOrNaN(s), LogNormInv(prob, m, s));
}
ZQ_WORKSHEET ZqLogNormMean(double m, double s) {
  return ZQ_CHECKED_NUMBER(IsPositiveOrNaN(s), LogNormMoments(m, s).mean);
}
ZQ_WORKSHEET ZqLogNormStdev(double m, double s) {
  return ZQ_CHECKED_NUMBER(IsPositiveOrNaN(s), LogNormMoments(m, s).stdev);
}
ZQ_WORKSHEET ZqLogNormSkew(double s) { return ZQ_CHECKED_NUMBER(IsPositiveOrNaN(s), LogNormMoments(0.0, s).skew); }
ZQ_WORKSHEET ZqLogNormKurt(double s) { return ZQ_CHECKED_NUMBER(IsPositiveOrNaN(s), LogNormMoments(0.0, s).kurt); }
ZQ_WORKSHEET ZqLogNormMom(double m, double s) {
  return ZQ_CHECKED_MOMENTS(IsPositiveOrNaN(s), LogNormMoments(m, s));
}
