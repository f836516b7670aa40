// The beta distribution on [0, 1] with shapes alpha and beta.
// Worksheet names: Alpha, Beta; ZqBetaParam answers alpha, then beta.
#pragma once

#include "distributions/distribution_basics.h"

namespace Zq::Math {

bool BetaShapesValid(double alpha, double beta);
Moments BetaMoments(double alpha, double beta);

}  // namespace Zq::Math
