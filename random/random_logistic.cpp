#include "random/random_logistic.h"

#include <cmath>
#include <limits>

namespace Zq::Math {

double RandomLogistic::NextVariate() {
  if (!valid) {
    if (!(b > 0)) return std::numeric_limits<double>::quiet_NaN();
    valid = 1;
  }
  return m + b * std::log(1 / (1 - engine_.NextUniform()) - 1);
}

}  // namespace Zq::Math
