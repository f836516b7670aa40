// Logistic variates with location m and scale b, by inversion.
#pragma once

#include <optional>

#include "random/random_uniform.h"

namespace Zq::Math {

class RandomLogistic {
 public:
  // Nothing unless b is positive.
  static std::optional<RandomLogistic> Make(double m, double b) {
    if (!(b > 0)) return std::nullopt;
    return RandomLogistic(m, b);
  }

  double Next(RandomUniform& engine) const;

 private:
  RandomLogistic(double m, double b) : m_(m), b_(b) {}

  double m_;
  double b_;
};

}  // namespace Zq::Math
