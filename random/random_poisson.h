// Poisson variates: multiplication of uniforms below mean 12, rejection
// from a Lorentzian (Cauchy) envelope from 12 on. The mean is not checked;
// callers pass a positive value.
#pragma once

#include <cstdint>

#include "random/random_uniform.h"

namespace Zq::Math {

class RandomPoisson : public RandomUniform {
 public:
  static constexpr double kRejectionFrom = 12;

  // A whole number as a double. The caller sets `mean` and clears
  // `prepared` whenever it changes it.
  double NextVariate();

  std::uint8_t prepared = 0;
  double mean = 1;

 private:
  double NextByProduct();
  double NextByRejection();

  double g_ = 0;
  double sq_ = 0;
  double logMean_ = 0;
};

}  // namespace Zq::Math
