// The Weibull distribution's worksheet functions: parameter checks around
// the kernels of distributions/weibull.h.
#include "distributions/distribution_worksheet.h"
#include "distributions/weibull.h"

using namespace Zq::Math;

ZQ_WORKSHEET ZqWeibullDist(double x, double phi, double gamma, short cumulative) {
  return ZQ_CHECKED_DIST(!(x < 0.0) && WeibullParametersValid(phi, gamma), cumulative, WeibullCdf(x, phi, gamma),
                         WeibullPdf(x, phi, gamma));
}
ZQ_WORKSHEET ZqWeibullInv(double prob, double alpha, double beta) {
  return ZQ_CHECKED_NUMBER(IsProbabilityBelowOneOrNaN(prob) && WeibullParametersValid(alpha, beta),
                           WeibullInv(prob, alpha, beta));
}
ZQ_WORKSHEET ZqWeibullMean(double alpha, double beta) {
  return ZQ_CHECKED_NUMBER(WeibullParametersValid(alpha, beta), WeibullMoments(alpha, beta).mean);
}
ZQ_WORKSHEET ZqWeibullStdev(double alpha, double beta) {
  return ZQ_CHECKED_NUMBER(WeibullParametersValid(alpha, beta), WeibullMoments(alpha, beta).stdev);
}
ZQ_WORKSHEET ZqWeibullSkew(double alpha, double beta) {
  return ZQ_CHECKED_NUMBER(WeibullParametersValid(alpha, beta), WeibullMoments(alpha, beta).skew);
}
ZQ_WORKSHEET ZqWeibullKurt(double alpha, double beta) {
  return ZQ_CHECKED_NUMBER(WeibullParametersValid(alpha, beta), WeibullMoments(alpha, beta).kurt);
}
ZQ_WORKSHEET ZqWeibullMom(double alpha, double beta) {
  return ZQ_CHECKED_MOMENTS(WeibullParametersValid(alpha, beta), WeibullMoments(alpha, beta));
}
