// The log-normal distribution: ln X is normal with mean m and deviation s.
// Worksheet names: M, S; ZqLogNormParam answers m, then s.
#pragma once

#include "distributions/distribution_basics.h"

namespace Zq::Math {

double LogNormCdf(double x, double m, double s);
double LogNormPdf(double x, double m, double s);
double LogNormInv(double prob, double m, double s);
// Skewness and kurtosis depend on s only.
Moments LogNormMoments(double m, double s);

}  // namespace Zq::Math
