#include "random/random_gumbel.h"

#include <cmath>

namespace Zq::Math {

double RandomGumbel::Next(RandomUniform& engine) const {
  return alpha_ - beta_ * std::log(-std::log(engine.NextUniform()));
}

}  // namespace Zq::Math
