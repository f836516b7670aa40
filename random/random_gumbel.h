// Gumbel (largest extreme value) variates with location alpha and scale
// beta, by inversion.
#pragma once

#include <optional>

#include "random/random_uniform.h"

namespace Zq::Math {

class RandomGumbel {
 public:
  // Nothing unless beta is positive.
  static std::optional<RandomGumbel> Make(double alpha, double beta) {
    if (!(beta > 0)) return std::nullopt;
    return RandomGumbel(alpha, beta);
  }

  double Next(RandomUniform& engine) const;

 private:
  RandomGumbel(double alpha, double beta) : alpha_(alpha), beta_(beta) {}

  double alpha_;
  double beta_;
};

}  // namespace Zq::Math
