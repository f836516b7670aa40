// The Johnson SU distribution: gamma + delta asinh((X - xi)/lambda) is
// standard normal. Worksheet names: Gamma, Delta, Lambda, Xi.
#pragma once

#include "distributions/distribution_basics.h"

namespace Zq::Math {

double JohnsonSUCdf(double x, double gamma, double delta, double lambda, double xi);
double JohnsonSUPdf(double x, double gamma, double delta, double lambda, double xi);
double JohnsonSUInv(double prob, double gamma, double delta, double lambda, double xi);

// The Johnson SU value with the probability of the standard normal value z.
double JohnsonSUFromNormal(double z, double gamma, double delta, double lambda, double xi);

// The excess kurtosis K from w = exp(1/delta^2) and Omega = gamma/delta.
double JohnsonSUKurtosis(double w, double omega);

// Mean through (gamma, delta, lambda, xi), standard deviation through
// (gamma, delta, lambda), skewness and kurtosis through (gamma, delta).
Moments JohnsonSUMoments(double gamma, double delta, double lambda, double xi);

}  // namespace Zq::Math
