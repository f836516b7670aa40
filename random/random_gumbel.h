// Gumbel (largest extreme value) variates with location alpha and scale
// beta, by inversion. Parameters are not checked.
#pragma once

#include "random/random_uniform.h"

namespace Zq::Math {

class RandomGumbel : public RandomUniform {
 public:
  double NextVariate();

  double alpha = 0;
  double beta = 1;
};

}  // namespace Zq::Math
