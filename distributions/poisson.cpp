// Poisson distribution: mass and cumulative sums from the special functions,
// moments lambda, sqrt(lambda), 1/sqrt(lambda), 1/lambda. No quantile function.
#include "distributions/poisson.h"

#include <cmath>

namespace Zq::Math {

Moments PoissonMoments(double lambda) {
  return {lambda, std::sqrt(lambda), 1.0 / std::sqrt(lambda), 1.0 / lambda};
}

}  // namespace Zq::Math
