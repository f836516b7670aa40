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
ZQ_MOMENT_FUNCTIONS(Weibull, (double shape, double scale),
                    WeibullParametersValid(shape, scale), WeibullMoments(shape, scale))
