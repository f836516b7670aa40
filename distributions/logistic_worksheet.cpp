// The Logistic distribution's worksheet functions: parameter checks around
// the kernels of distributions/logistic.h.
#include "distributions/distribution_worksheet.h"
#include "distributions/logistic.h"

using namespace Zq::Math;

ZQ_WORKSHEET ZqLogisticDist(double x, double m, double b, short cumulative) {
  return ZQ_CHECKED_DIST(IsPositiveOrNaN(b), cumulative, LogisticCdf(x, m, b), LogisticPdf(x, m, b));
}
ZQ_WORKSHEET ZqLogisticInv(double prob, double m, double b) {
  return ZQ_CHECKED_NUMBER(IsOpenProbabilityOrNaN(prob) && IsPositiveOrNaN(b), LogisticInv(prob, m, b));
}
ZQ_WORKSHEET ZqLogisticMean(double m) { return ZQ_CHECKED_NUMBER(true, LogisticMoments(m, 1.0).mean); }
ZQ_WORKSHEET ZqLogisticStdev(double b) {
  return ZQ_CHECKED_NUMBER(IsPositiveOrNaN(b), LogisticMoments(0.0, b).stdev);
}
ZQ_WORKSHEET ZqLogisticSkew() { return ZQ_CHECKED_NUMBER(true, LogisticMoments(0.0, 1.0).skew); }
ZQ_WORKSHEET ZqLogisticKurt() { return ZQ_CHECKED_NUMBER(true, LogisticMoments(0.0, 1.0).kurt); }
ZQ_WORKSHEET ZqLogisticMom(double m, double b) {
  return ZQ_CHECKED_MOMENTS(IsPositiveOrNaN(b), LogisticMoments(m, b));
}
