// The Log-normal distribution's worksheet functions: parameter checks around
// the kernels of distributions/lognormal.h.
#include "distributions/distribution_worksheet.h"
#include "distributions/lognormal.h"

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
