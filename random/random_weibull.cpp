#include "random/random_weibull.h"

#include <cmath>
#include <limits>

namespace Zq::Math {

double RandomWeibull::NextVariate() {
  if (!valid) {
    if (!(alpha > 0 && beta > 0)) return std::numeric_limits<double>::quiet_NaN();
    valid = 1;
  }
  return alpha * std::pow(-std::log(1 - engine_.NextUniform()), 1 / beta);
}

}  // namespace Zq::Math
