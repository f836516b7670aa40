// Poisson variates: multiplication of uniforms below mean 12, rejection
// from a Lorentzian (Cauchy) envelope from 12 on. The mean is not checked;
// callers pass a positive value.
#pragma once

#include <cstdint>

#include "random/random_uniform.h"

namespace Zq::Math {

class RandomPoisson {
 public:
  static constexpr double kRejectionFrom = 12;

  void SetSeed(RandomAlgorithm algorithm, std::int32_t seed1, std::int32_t seed2) {
    engine_.SetSeed(algorithm, seed1, seed2);
  }

  // A whole number as a double. The caller sets `mean` and clears
  // `prepared` whenever it changes it.
  double NextVariate();

  std::uint8_t prepared = 0;
  double mean = 1;

 private:
  // The rejection method's e^(e ln(mean) - ln Gamma(e + 1) - g), which
  // depends on the count e alone: each is computed once per object for the
  // counts of a window around the mean, where nearly all tries land.
  static constexpr int kRememberedCounts = 1024;

  double NextByProduct();
  double NextByRejection();
  // The weight of count e: remembered where it can be, computed (and
  // remembered) otherwise.
  double CountWeight(double e) {
    const double index = e - firstRemembered_;
    if (index >= 0 && index < kRememberedCounts) {
      const double weight = weights_[static_cast<int>(index)];
      if (weight >= 0) return weight;
    }
    return NewCountWeight(e);
  }
  double NewCountWeight(double e);

  RandomUniform engine_;
  double g_ = 0;
  double sq_ = 0;
  double logMean_ = 0;
  double firstRemembered_ = 0;
  double weights_[kRememberedCounts] = {};
};

}  // namespace Zq::Math
