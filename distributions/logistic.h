// The logistic distribution, location m, scale b.
// Worksheet names: M, B; ZqLogisticParam answers m, then b.
#pragma once

#include "distributions/distribution_basics.h"

namespace Zq::Math {

double LogisticCdf(double x, double m, double b);
double LogisticPdf(double x, double m, double b);
double LogisticInv(double prob, double m, double b);
// Skewness 0 and excess kurtosis 1.2 for every location and scale.
Moments LogisticMoments(double m, double b);

}  // namespace Zq::Math
