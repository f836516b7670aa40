// Weibull variates with scale alpha and shape beta, by inversion.
#pragma once

#include <cstdint>

#include "random/random_uniform.h"

namespace Zq::Math {

class RandomWeibull {
 public:
  void SetSeed(RandomAlgorithm algorithm, std::int32_t seed1, std::int32_t seed2) {
    engine_.SetSeed(algorithm, seed1, seed2);
  }

  // NaN, for this and every later draw, unless both parameters are
  // positive. The caller clears `valid` whenever it changes them.
  double NextVariate();

  std::uint8_t valid = 0;
  double alpha = 1;
  double beta = 1;

 private:
  RandomUniform engine_;
};

}  // namespace Zq::Math
