#include "random/random_triangular.h"

#include <cmath>
#include <limits>

#include "distributions/triangular.h"

namespace Zq::Math {

double RandomTriangular::Next(RandomUniform& engine) const {
  const double u = engine.NextUniform();
  // The product under the root overflows for ranges beyond about 1e154 and
  // loses digits below the normal range; the stable quantile takes over.
  const bool lower = u <= TriangularModeShare(a_, b_, c_);
  const double product = lower ? u * (b_ - a_) * (c_ - a_) : (b_ - a_) * (b_ - c_) * (1 - u);
  if (!(product >= std::numeric_limits<double>::min() && product <= std::numeric_limits<double>::max())) {
    return TriangularStableInv(u, a_, b_, c_);
  }
  return lower ? a_ + std::sqrt(product) : b_ - std::sqrt(product);
}

}  // namespace Zq::Math
