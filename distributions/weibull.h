// The Weibull distribution: F(x) = 1 - exp(-(x/scale)^shape).
// Worksheet names: (shape, scale) = (Phi, Gamma) in ZqWeibullDist and
// (Alpha, Beta) in the quantile and moments; ZqRandWeibull's (Alpha, Beta)
// are (scale, shape), and ZqWeibullParam answers scale, then shape.
#pragma once

#include "distributions/distribution_basics.h"

namespace Zq::Math {

bool WeibullParametersValid(double shape, double scale);
double WeibullCdf(double x, double shape, double scale);
double WeibullPdf(double x, double shape, double scale);
double WeibullInv(double prob, double shape, double scale);
// From the raw moments scale^n Γ(1 + n/shape), with Γ = exp(LogGamma); for
// shapes above kWeibullSeriesShape the deviation comes from
// WeibullLogSpread instead.
Moments WeibullMoments(double shape, double scale);

// Beyond this shape scale^2 Γ(1 + 2/shape) - mu^2 cancels to a few digits.
inline constexpr double kWeibullSeriesShape = 100.0;

// g(a) = ln(E X^2 / (E X)^2) = lnΓ(1 + 2a) - 2 lnΓ(1 + a) for a = 1/shape below
// 1/kWeibullSeriesShape, from its power series (accurate relative to g,
// about ζ(2) a^2), and its slope in a. The squared coefficient of variation
// is e^g - 1.
struct WeibullSpread {
  double value;
  double slope;
};
WeibullSpread WeibullLogSpread(double a);

}  // namespace Zq::Math
