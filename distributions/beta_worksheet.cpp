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
ZQ_MOMENT_FUNCTIONS(Beta, (double alpha, double beta), BetaShapesValid(alpha, beta), BetaMoments(alpha, beta))
