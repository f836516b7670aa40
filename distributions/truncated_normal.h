// The normal distribution (mu, sigma) truncated to [a, b].
#pragma once

#include "distributions/distribution_basics.h"

namespace Zq::Math {

bool TruncNormParametersValid(double a, double b, double sigma);
double TruncNormCdf(double x, double a, double b, double mu, double sigma);
double TruncNormPdf(double x, double a, double b, double mu, double sigma);
// Below sigma = 0.00001 the mean is mu and the variance 0.00001; with no
// normal mass between the bounds (Z = 0) the mean is mu and the variance
// sigma^2. Skewness and kurtosis use the plain formulas throughout.
Moments TruncNormMoments(double a, double b, double mu, double sigma);

}  // namespace Zq::Math
