// Triangular variates on [a, b] with peak at c, by inversion.
#pragma once

#include <optional>

#include "random/random_uniform.h"

namespace Zq::Math {

class RandomTriangular {
 public:
  // Nothing unless a < c < b.
  static std::optional<RandomTriangular> Make(double a, double b, double c) {
    if (!(b - a > 0 && a < c && c < b)) return std::nullopt;
    return RandomTriangular(a, b, c);
  }

  double Next(RandomUniform& engine) const;

 private:
  RandomTriangular(double a, double b, double c) : a_(a), b_(b), c_(c) {}

  double a_;
  double b_;
  double c_;
};

}  // namespace Zq::Math
