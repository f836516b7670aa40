// Kernels of the standard normal distribution shared by the whole add-in:
// the univariate distribution, density and inverse, and the bivariate
// distribution and density with correlation rho. Pure functions: no state,
// no allocation; domain problems come back as NaN or infinity.
#pragma once

namespace Zq::Math {

// Phi(x) by the Zelen-Severo polynomial; NormCdf(0) is 0.500000000525.
double NormCdf(double x);

// The standard normal density.
double NormPdf(double x);

// x with Phi(x) ~ u (Beasley-Springer-Moro); the caller keeps 0 < u < 1.
double NormCdfInv(double u);
// z[k] = NormCdfInv(u[k]) for k < count, the same bits, faster: the central
// region of the whole block first, without branches, then the tails.
void NormCdfInv(const double* u, double* z, int count);

// Joint density of two standard normals with correlation rho at (a, b);
// NaN for rho outside [-1, 1] and on the degenerate line of rho = +-1.
double BiNormPdf(double a, double b, double rho);

// P(X <= a, Y <= b) by Drezner's four-point Gauss rule, for a <= 0, b <= 0
// and -1 < rho <= 0.
double BiNormQuadrature(double a, double b, double rho);

// P(X <= a, Y <= b) by reduction to two probabilities with one limit 0, for
// a and b not both 0 and -1 < rho < 1.
double BiNormSplit(double a, double b, double rho);

// P(X <= a, Y <= b) for every a, b and rho; NaN for rho outside [-1, 1].
double BiNormCdf(double a, double b, double rho);

// The smaller of a and b (a when equal) when both are finite, else NaN.
double FiniteMin(double a, double b);

}  // namespace Zq::Math
