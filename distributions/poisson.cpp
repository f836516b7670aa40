// Poisson distribution: mass and cumulative sums from the special functions,
// moments lambda, sqrt(lambda), 1/sqrt(lambda), 1/lambda. No quantile function.
#include "distributions/poisson.h"

#include <cmath>
#include <cstdint>

#include "distributions/distribution_worksheet.h"
#include "distributions/special_functions.h"

namespace Zq::Math {

Moments PoissonMoments(double lambda) {
  return {lambda, std::sqrt(lambda), 1.0 / std::sqrt(lambda), 1.0 / lambda};
}

}  // namespace Zq::Math

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
