// What every univariate distribution shares: its four moments, the checks
// on its parameters and probabilities, and the value of pi its formulas use.
#pragma once

namespace Zq::Math {

// Mean, standard deviation, skewness and excess kurtosis (0 for a normal).
struct Moments {
  double mean;
  double stdev;
  double skew;
  double kurt;
};

// A parameter that must be positive has to exceed 1e-12. NaN is not
// rejected here: it makes the result non-finite instead.
inline bool IsPositiveParameter(double value) { return !(value <= 1e-12); }

// A probability strictly between 0 and 1 (NaN passes, as above).
inline bool IsOpenProbability(double prob) { return !(prob <= 0.0 || prob >= 1.0); }

inline constexpr double kDistributionPi = 3.14159265358979;

}  // namespace Zq::Math
