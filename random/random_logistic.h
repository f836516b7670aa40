// Logistic variates with location m and scale b, by inversion.
#pragma once

#include <cstdint>

#include "random/random_uniform.h"

namespace Zq::Math {

class RandomLogistic {
 public:
  void SetSeed(RandomAlgorithm algorithm, std::int32_t seed1, std::int32_t seed2) {
    engine_.SetSeed(algorithm, seed1, seed2);
  }

  // NaN, for this and every later draw, unless b is positive. The caller
  // clears `valid` whenever it changes the parameters.
  double NextVariate();

  std::uint8_t valid = 0;
  double m = 0;
  double b = 1;

 private:
  RandomUniform engine_;
};

}  // namespace Zq::Math
