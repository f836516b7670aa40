// Weibull variates with the given shape and scale, by inversion.
#pragma once

#include <optional>

#include "random/random_uniform.h"

namespace Zq::Math {

class RandomWeibull {
 public:
  // Nothing unless both parameters are positive.
  static std::optional<RandomWeibull> Make(double shape, double scale) {
    if (!(shape > 0 && scale > 0)) return std::nullopt;
    return RandomWeibull(shape, scale);
  }

  double Next(RandomUniform& engine) const;

 private:
  RandomWeibull(double shape, double scale) : shape_(shape), scale_(scale) {}

  double shape_;
  double scale_;
};

}  // namespace Zq::Math
