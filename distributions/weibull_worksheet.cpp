// The Weibull distribution's worksheet functions: parameter checks around
// the kernels of distributions/weibull.h.
#include "distributions/distribution_worksheet.h"
#include "distributions/weibull.h"

using namespace Zq::Math;

ZQ_WORKSHEET ZqWeibullDist(double x, double shape, double scale, short cumulative) {
  return ZQ_CHECKED_DIST(!(x < 0.0) && WeibullParametersValid(shape, scale), cumulative, WeibullCdf(x, shape, scale),
                         WeibullPdf(x, shape, scale));
}
ZQ_WORKSHEET ZqWeibullInv(double prob, double shape, double scale) {
  return ZQ_CHECKED_NUMBER(IsProbabilityBelowOneOrNaN(prob) && WeibullParametersValid(shape, scale),
                           WeibullInv(prob, shape, scale));
}
ZQ_WORKSHEET ZqWeibullMean(double shape, double scale) {
  return ZQ_CHECKED_NUMBER(WeibullParametersValid(shape, scale), WeibullMoments(shape, scale).mean);
}
ZQ_WORKSHEET ZqWeibullStdev(double shape, double scale) {
  return ZQ_CHECKED_NUMBER(WeibullParametersValid(shape, scale), WeibullMoments(shape, scale).stdev);
}
ZQ_WORKSHEET ZqWeibullSkew(double shape, double scale) {
  return ZQ_CHECKED_NUMBER(WeibullParametersValid(shape, scale), WeibullMoments(shape, scale).skew);
}
ZQ_WORKSHEET ZqWeibullKurt(double shape, double scale) {
  return ZQ_CHECKED_NUMBER(WeibullParametersValid(shape, scale), WeibullMoments(shape, scale).kurt);
}
ZQ_WORKSHEET ZqWeibullMom(double shape, double scale) {
  return ZQ_CHECKED_MOMENTS(WeibullParametersValid(shape, scale), WeibullMoments(shape, scale));
}
