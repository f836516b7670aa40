#include "random/random_gumbel.h"

#include <cmath>

namespace Zq::Math {

double RandomGumbel::NextVariate() { return alpha - beta * std::log(-std::log(engine_.NextUniform())); }

}  // namespace Zq::Math
