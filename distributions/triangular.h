// The triangular distribution on [a, b] with its mode c strictly inside.
#pragma once

#include "distributions/distribution_basics.h"

namespace Zq::Math {

bool TriangularShapeValid(double a, double b, double c);
double TriangularCdf(double x, double a, double b, double c);
double TriangularPdf(double x, double a, double b, double c);
double TriangularInv(double prob, double a, double b, double c);
// Excess kurtosis -0.6 whatever the shape.
Moments TriangularMoments(double a, double b, double c);

}  // namespace Zq::Math
