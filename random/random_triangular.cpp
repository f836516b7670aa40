#include "random/random_triangular.h"

#include <cmath>
#include <limits>

namespace Zq::Math {

double RandomTriangular::NextVariate() {
  if (!valid) {
    if (!(max - min > 0 && min < mode && mode < max)) return std::numeric_limits<double>::quiet_NaN();
    valid = 1;
  }
  const double u = engine_.NextUniform();
  const double c = (mode - min) / (max - min);
  if (u <= c) return min + std::sqrt(u * (max - min) * (mode - min));
  return max - std::sqrt((max - min) * (max - mode) * (1 - u));
}

}  // namespace Zq::Math
