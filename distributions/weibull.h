// The Weibull distribution with shape k and scale theta.
#pragma once

#include "distributions/distribution_basics.h"

namespace Zq::Math {

bool WeibullParametersValid(double k, double theta);
double WeibullCdf(double x, double k, double theta);
double WeibullPdf(double x, double k, double theta);
double WeibullInv(double prob, double k, double theta);
// From the raw moments theta^n Γ(1 + n/k), with Γ = exp(LogGamma); for
// shapes above kWeibullSeriesShape the deviation comes from
// WeibullLogSpread instead.
Moments WeibullMoments(double k, double theta);

// Beyond this shape theta^2 Γ(1 + 2/k) - mu^2 cancels to a few digits.
inline constexpr double kWeibullSeriesShape = 100.0;

// g(a) = ln(E X^2 / (E X)^2) = lnΓ(1 + 2a) - 2 lnΓ(1 + a) for a = 1/k below
// 1/kWeibullSeriesShape, from its power series (accurate relative to g,
// about ζ(2) a^2), and its slope in a. The squared coefficient of variation
// is e^g - 1.
struct WeibullSpread {
  double value;
  double slope;
};
WeibullSpread WeibullLogSpread(double a);

}  // namespace Zq::Math
