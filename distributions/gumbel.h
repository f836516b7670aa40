// The Gumbel (largest extreme value) distribution, location alpha, scale beta.
// Worksheet names: Alpha, Beta; ZqGumbelParam answers alpha, then beta.
#pragma once

#include "distributions/distribution_basics.h"

namespace Zq::Math {

double GumbelCdf(double x, double alpha, double beta);
double GumbelPdf(double x, double alpha, double beta);
double GumbelInv(double prob, double alpha, double beta);
// Skewness and kurtosis are the same for every location and scale.
Moments GumbelMoments(double alpha, double beta);

}  // namespace Zq::Math
