// The Poisson distribution with mean lambda (PoissonPmf and PoissonCdf are
// among the special functions).
#pragma once

#include "distributions/distribution_basics.h"

namespace Zq::Math {

Moments PoissonMoments(double lambda);

}  // namespace Zq::Math
