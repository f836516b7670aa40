#include "random/random_logistic.h"

#include <cmath>

namespace Zq::Math {

double RandomLogistic::Next(RandomUniform& engine) const {
  return m_ + b_ * std::log(1 / (1 - engine.NextUniform()) - 1);
}

}  // namespace Zq::Math
