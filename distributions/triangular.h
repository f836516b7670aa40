// The triangular distribution on [a, b] with its mode c strictly inside.
// Worksheet names: (a, b, c) = (Min, Max, Mode), as TriangularParam answers them.
#pragma once

#include "distributions/distribution_basics.h"

namespace Zq::Math {

bool TriangularShapeValid(double a, double b, double c);
double TriangularCdf(double x, double a, double b, double c);
double TriangularPdf(double x, double a, double b, double c);
double TriangularInv(double prob, double a, double b, double c);

// The mode's share of the range, (c - a)/(b - a), also where b - a
// overflows: probabilities up to it fall below the mode.
double TriangularModeShare(double a, double b, double c);

// The quantile from ratios and square roots of the spans taken apart: no
// overflow or underflow for any finite a < c < b, at a few more roundings
// than the direct formula (which the sampler keeps where it is sound).
double TriangularStableInv(double prob, double a, double b, double c);
// Excess kurtosis -0.6 whatever the shape.
Moments TriangularMoments(double a, double b, double c);

}  // namespace Zq::Math
