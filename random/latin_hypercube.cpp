#include "random/latin_hypercube.h"

#include <cmath>

namespace Zq::Math {

double StratumPoint(std::int32_t k, std::int32_t n, double u) {
  const double upper = static_cast<double>(k + 1) / n;
  const double x = (k + u) / n;
  return x < upper ? x : std::nextafter(upper, 0.0);
}

}  // namespace Zq::Math
