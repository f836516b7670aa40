// The test every moment fit passes before it answers: its parameters, put
// through the family's own moment functions, give the targets back.
#pragma once

#include "distributions/distribution_basics.h"

namespace Zq::Math {

// How closely: the deviation relative to itself, the mean relative to
// |mean| + deviation, skewness and kurtosis relative to |value| + 1.
inline constexpr double kGivesBack = 1e-9;

bool GivesBack(const Moments& fitted, double mean, double stdev);
bool GivesBack(const Moments& fitted, double mean, double stdev, double skew);
bool GivesBack(const Moments& fitted, double mean, double stdev, double skew, double kurt);

}  // namespace Zq::Math
