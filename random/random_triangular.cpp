#include "random/random_triangular.h"

#include <cmath>
#include <limits>

#include "distributions/triangular.h"

namespace Zq::Math {

double RandomTriangular::NextVariate() {
  if (!valid) {
    if (!(max - min > 0 && min < mode && mode < max)) return std::numeric_limits<double>::quiet_NaN();
    valid = 1;
  }
  const double u = engine_.NextUniform();
  // The product under the root overflows for ranges beyond about 1e154 and
  // loses digits below the normal range; the stable quantile takes over.
  const bool lower = u <= TriangularModeShare(min, max, mode);
  const double product = lower ? u * (max - min) * (mode - min) : (max - min) * (max - mode) * (1 - u);
  if (!(product >= std::numeric_limits<double>::min() && product <= std::numeric_limits<double>::max())) {
    return TriangularStableInv(u, min, max, mode);
  }
  return lower ? min + std::sqrt(product) : max - std::sqrt(product);
}

}  // namespace Zq::Math
