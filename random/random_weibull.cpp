#include "random/random_weibull.h"

#include <cmath>

namespace Zq::Math {

double RandomWeibull::Next(RandomUniform& engine) const {
  return scale_ * std::pow(-std::log(1 - engine.NextUniform()), 1 / shape_);
}

}  // namespace Zq::Math
