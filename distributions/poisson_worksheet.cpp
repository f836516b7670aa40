// The Poisson distribution's worksheet functions: parameter checks around
// the kernels of distributions/poisson.h.
#include <cstdint>

#include "distributions/distribution_worksheet.h"
#include "distributions/poisson.h"
#include "distributions/special_functions.h"

using namespace Zq::Math;

ZQ_WORKSHEET ZqPoissonDist(std::int32_t k, double lambda, short cumulative) {
  return ZQ_CHECKED_DIST(k >= 0 && IsPositiveOrNaN(lambda), cumulative, PoissonCdf(k, lambda),
                         PoissonPmf(k, lambda));
}
ZQ_MOMENT_FUNCTIONS(Poisson, (double lambda), IsPositiveOrNaN(lambda), PoissonMoments(lambda))
