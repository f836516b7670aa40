// The Gumbel distribution's worksheet functions: parameter checks around
// the kernels of distributions/gumbel.h.
#include "distributions/distribution_worksheet.h"
#include "distributions/gumbel.h"

using namespace Zq::Math;

ZQ_WORKSHEET ZqGumbelDist(double x, double alpha, double beta, short cumulative) {
  return ZQ_CHECKED_DIST(IsPositiveOrNaN(beta), cumulative, GumbelCdf(x, alpha, beta), GumbelPdf(x, alpha, beta));
}
ZQ_WORKSHEET ZqGumbelInv(double prob, double alpha, double beta) {
  return ZQ_CHECKED_NUMBER(IsOpenProbabilityOrNaN(prob) && IsPositiveOrNaN(beta), GumbelInv(prob, alpha, beta));
}
ZQ_WORKSHEET ZqGumbelMean(double alpha, double beta) {
  return ZQ_CHECKED_NUMBER(IsPositiveOrNaN(beta), GumbelMoments(alpha, beta).mean);
}
ZQ_WORKSHEET ZqGumbelStdev(double beta) {
  return ZQ_CHECKED_NUMBER(IsPositiveOrNaN(beta), GumbelMoments(0.0, beta).stdev);
}
ZQ_WORKSHEET ZqGumbelSkew() { return ZQ_CHECKED_NUMBER(true, GumbelMoments(0.0, 1.0).skew); }
ZQ_WORKSHEET ZqGumbelKurt() { return ZQ_CHECKED_NUMBER(true, GumbelMoments(0.0, 1.0).kurt); }
ZQ_WORKSHEET ZqGumbelMom(double alpha, double beta) {
  return ZQ_CHECKED_MOMENTS(IsPositiveOrNaN(beta), GumbelMoments(alpha, beta));
}
