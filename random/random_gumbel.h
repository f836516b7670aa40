// Gumbel (largest extreme value) variates with location alpha and scale
// beta, by inversion. Parameters are not checked.
#pragma once

#include <cstdint>

#include "random/random_uniform.h"

namespace Zq::Math {

class RandomGumbel {
 public:
  void SetSeed(RandomAlgorithm algorithm, std::int32_t seed1, std::int32_t seed2) {
    engine_.SetSeed(algorithm, seed1, seed2);
  }

  double NextVariate();

  double alpha = 0;
  double beta = 1;

 private:
  RandomUniform engine_;
};

}  // namespace Zq::Math
