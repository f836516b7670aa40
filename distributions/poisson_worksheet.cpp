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
ZQ_WORKSHEET ZqPoissonMean(double lambda) {
  return ZQ_CHECKED_NUMBER(IsPositiveOrNaN(lambda), PoissonMoments(lambda).mean);
}
ZQ_WORKSHEET ZqPoissonStdev(double lambda) {
  return ZQ_CHECKED_NUMBER(IsPositiveOrNaN(lambda), PoissonMoments(lambda).stdev);
}
ZQ_WORKSHEET ZqPoissonSkew(double lambda) {
  return ZQ_CHECKED_NUMBER(IsPositiveOrNaN(lambda), PoissonMoments(lambda).skew);
}
ZQ_WORKSHEET ZqPoissonKurt(double lambda) {
  return ZQ_CHECKED_NUMBER(IsPositiveOrNaN(lambda), PoissonMoments(lambda).kurt);
}
ZQ_WORKSHEET ZqPoissonMom(double lambda) {
  return ZQ_CHECKED_MOMENTS(IsPositiveOrNaN(lambda), PoissonMoments(lambda));
}
