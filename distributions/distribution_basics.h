// What every univariate distribution shares: its four moments, the checks
// on its parameters and probabilities, and the value of pi its formulas use.
#pragma once

#include "distributions/parameter_checks.h"
#include "distributions/pinned_constants.h"

namespace Zq::Math {

// Mean, standard deviation, skewness and excess kurtosis (0 for a normal).
struct Moments {
  double mean;
  double stdev;
  double skew;
  double kurt;
};

}  // namespace Zq::Math
