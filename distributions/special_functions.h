// Gamma and beta special functions behind the beta, Poisson and Weibull
// distributions and the Poisson generator. Pure double-precision functions
// of plain arguments: callers validate parameters, and a non-finite result
// is how a domain problem shows.
#pragma once

#include <cstdint>

namespace Zq::Math {

// e^x - 1 and ln(1 + x), accurate relative to the result also where x is
// so small that the plain forms lose it to cancellation.
double ExpMinusOne(double x);
double LogOnePlus(double x);

// ln Γ(x) for x > 0 by the six-term Lanczos approximation.
double LogGamma(double x);

// The exact derivative of LogGamma's formula.
double DiGamma(double x);

// n! for n >= 0: a table for n <= 32, exp(LogGamma(n + 1)) above; NaN for n < 0.
double Factorial(std::int32_t n);

// P(K = k) for a Poisson count with mean lambda, k >= 0.
double PoissonPmf(std::int32_t k, double lambda);

// P(K <= k); 0 for k < 0.
double PoissonCdf(std::int32_t k, double lambda);

// Beta density at x; 0 outside [1e-12, 0.999999999999]. From a shape of
// 1e7 on, both go through LargeShapeBetaPowerTerm.
double BetaPdf(double x, double alpha, double beta);

// Regularised incomplete beta I_x(alpha, beta): the beta cumulative
// distribution; 0 below 1e-12 and 1 above 0.999999999999. Shapes both
// from 1e5 on, one of them from 1e13 on, take the normal limit
// LargeShapeIncompleteBeta, as do those whose fraction runs out of steps.
// One shape from 1e9 on beside the other up to 1e5 takes the gamma limit
// LopsidedIncompleteBeta.
double IncompleteBeta(double x, double alpha, double beta);

// The continued fraction of I_x(a, b) by the modified Lentz method:
// relative accuracy 3e-7 within the first 100 steps; a fraction that needs
// more (large shapes near the mean) runs on to 1e-14, and is NaN when a
// million steps do not reach it.
double BetaContinuedFraction(double x, double a, double b);

}  // namespace Zq::Math
