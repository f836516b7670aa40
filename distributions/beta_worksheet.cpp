// The Beta distribution's worksheet functions: parameter checks around
// the kernels of distributions/beta.h.
#include "distributions/beta.h"
#include "distributions/distribution_worksheet.h"
#include "distributions/special_functions.h"

using namespace Zq::Math;

ZQ_WORKSHEET ZqBetaDist(double x, double alpha, double beta, short cumulative) {
  return ZQ_CHECKED_DIST(!(x < 0.0 || x > 1.0) && BetaShapesValid(alpha, beta), cumulative,
                         IncompleteBeta(x, alpha, beta), BetaPdf(x, alpha, beta));
}
ZQ_WORKSHEET ZqBetaMean(double alpha, double beta) {
  return ZQ_CHECKED_NUMBER(BetaShapesValid(alpha, beta), BetaMoments(alpha, beta).mean);
}
ZQ_WORKSHEET ZqBetaStdev(double alpha, double beta) {
  return ZQ_CHECKED_NUMBER(BetaShapesValid(alpha, beta), BetaMoments(alpha, beta).stdev);
}
ZQ_WORKSHEET ZqBetaSkew(double alpha, double beta) {
  return ZQ_CHECKED_NUMBER(BetaShapesValid(alpha, beta), BetaMoments(alpha, beta).skew);
}
ZQ_WORKSHEET ZqBetaKurt(double alpha, double beta) {
  return ZQ_CHECKED_NUMBER(BetaShapesValid(alpha, beta), BetaMoments(alpha, beta).kurt);
}
ZQ_WORKSHEET ZqBetaMom(double alpha, double beta) {
  return ZQ_CHECKED_MOMENTS(BetaShapesValid(alpha, beta), BetaMoments(alpha, beta));
}
