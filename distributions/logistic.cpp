// Logistic distribution through the hyperbolic tangent:
// F(x) = (tanh((x - m)/(2b)) + 1)/2.
#include "distributions/logistic.h"

#include <cmath>

#include "distributions/distribution_worksheet.h"
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
  if (!std::isfinite(stable) || std::fabs(plain - stable) <= 1e-6 * b * std::fmax(1.0, std::fabs(logOdds))) return plain;
  return stable;
}

Moments LogisticMoments(double m, double b) { return {m, b * kDistributionPi / std::sqrt(3.0), 0.0, 1.2}; }

}  // namespace Zq::Math

using namespace Zq::Math;

ZQ_WORKSHEET ZqLogisticDist(double x, double m, double b, short cumulative) {
  return ZQ_CHECKED_DIST(IsPositiveParameter(b), cumulative, LogisticCdf(x, m, b), LogisticPdf(x, m, b));
}
ZQ_WORKSHEET ZqLogisticInv(double prob, double m, double b) {
  return ZQ_CHECKED_NUMBER(IsOpenProbability(prob) && IsPositiveParameter(b), LogisticInv(prob, m, b));
}
ZQ_WORKSHEET ZqLogisticMean(double m) { return ZQ_CHECKED_NUMBER(true, LogisticMoments(m, 1.0).mean); }
ZQ_WORKSHEET ZqLogisticStdev(double b) {
  return ZQ_CHECKED_NUMBER(IsPositiveParameter(b), LogisticMoments(0.0, b).stdev);
}
ZQ_WORKSHEET ZqLogisticSkew() { return ZQ_CHECKED_NUMBER(true, LogisticMoments(0.0, 1.0).skew); }
ZQ_WORKSHEET ZqLogisticKurt() { return ZQ_CHECKED_NUMBER(true, LogisticMoments(0.0, 1.0).kurt); }
ZQ_WORKSHEET ZqLogisticMom(double m, double b) {
  return ZQ_CHECKED_MOMENTS(IsPositiveParameter(b), LogisticMoments(m, b));
}
