// The truncated normal's parameters for a target mean and deviation, found
// where the equations in the standardised bounds give out: windows that see
// a nearly exponential tail, and deviations tiny next to the mean.
#pragma once

namespace Zq::Math {

// The (mu, sigma) whose moments, as TruncNormMoments gives them, come back
// to mean and stdev as closely as their rounding allows; false when the
// search finds no member that reaches the targets.
bool TruncNormFitToRounding(double min, double max, double mean, double stdev, double& mu, double& sigma);

}  // namespace Zq::Math
