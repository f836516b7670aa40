// The normal distribution (mu, sigma) truncated to [a, b], computed so that
// it stays accurate wherever its arguments are valid: far out in either
// tail, in windows narrow against sigma or against their distance from
// mu, and at huge or tiny scales. Masses are ratios of normal window
// masses (normal_window.h), never differences of distribution values;
// moments come from quadrature of the density over the part of the window
// that carries it. Needs a < b and sigma > 0.
#pragma once

#include "distributions/distribution_basics.h"

namespace Zq::Math {

double StableTruncNormCdf(double x, double a, double b, double mu, double sigma);
double StableTruncNormPdf(double x, double a, double b, double mu, double sigma);
// The x in [a, b] at which the distribution reaches prob, 0 < prob < 1.
double StableTruncNormQuantile(double prob, double a, double b, double mu, double sigma);
Moments StableTruncNormMoments(double a, double b, double mu, double sigma);

}  // namespace Zq::Math
