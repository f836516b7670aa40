// Triangular variates on [min, max] with peak at mode, by inversion.
#pragma once

#include <cstdint>

#include "random/random_uniform.h"

namespace Zq::Math {

class RandomTriangular {
 public:
  void SetSeed(RandomAlgorithm algorithm, std::int32_t seed1, std::int32_t seed2) {
    engine_.SetSeed(algorithm, seed1, seed2);
  }

  // NaN, for this and every later draw, unless min < mode < max. The
  // caller clears `valid` whenever it changes the parameters.
  double NextVariate();

  std::uint8_t valid = 0;
  double min = 0;
  double max = 1;
  double mode = 0.5;

 private:
  RandomUniform engine_;
};

}  // namespace Zq::Math
