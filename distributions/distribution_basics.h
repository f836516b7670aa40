// What every univariate distribution shares: its four moments, the checks
// on its parameters and probabilities, and the value of pi its formulas use.
#pragma once

#include <cmath>

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

// A closed formula keeps its value, and so its bits, wherever it lies within
// tolerance of a stable computation of the same quantity (or the stable one
// is not a number); where it strays, the stable value stands.
inline bool FormulaStands(double formula, double stable, double tolerance) {
  return !std::isfinite(stable) || std::fabs(formula - stable) <= tolerance;
}
inline double Checked(double formula, double stable, double tolerance) {
  return FormulaStands(formula, stable, tolerance) ? formula : stable;
}

}  // namespace Zq::Math
