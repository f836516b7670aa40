// Fitting normal-Pareto parameters: to target moments (standard variant,
// density-continuous tails), one tail to a data sample by regression on the
// log-log plot of its empirical tail, and the normal body that joins two
// given tails of the Org variant.
#pragma once

#include <cstdint>

#include "distributions/fit_equations.h"
#include "distributions/normal_pareto.h"

namespace Zq::Math {

enum class TailSide { Upper, Lower };

// d/dz0 of one side's contribution (its tail and the body it borders) to the
// n-th raw moment, z0 > 0 being the splice point (the lower one mirrored).
double MomentRate(TailSide side, int n, double z0);

// The first moment fit: symmetric tails spliced at +-z, plain kurtosis
// m4 - K m2^2 in z.
Equation1 SymmetricTailEquation(double z, double kurtosis);

// The second moment fit in (zU, zL), the lower splice point mirrored to
// -zL: c3^2 - S w^3 and c4 - K w^2 with S the squared skewness and K the
// plain kurtosis. NaN values where a tail index is at or below 4 (no fourth
// moment).
Equation2 TailPairEquations(double zU, double zL, double skew2, double kurtosis);

// Parameters whose mean, standard deviation, skewness and excess kurtosis
// are the targets; false when the solves fail or a tail index is not above 4.
bool NormParetoMomentFit(double mean, double sd, double skew, double exkurt, NormParetoParams& params);

// Index alpha and scale beta of the power law beta |z|^-alpha fitted to the
// empirical tail probabilities of the share p of the n values (unsorted, any
// order) beyond mu, z = (x - mu) / sigma. False when fewer than two values
// fall in the tail, its extremes straddle mu, or the fit is not alpha > 1,
// beta > 0.
bool TailRegression(TailSide side, const double* values, std::int32_t n, double p, double mu, double sigma,
                    double& alpha, double& beta);

// The location and scale of the normal body that passes through the splice
// points of the Org variant's tails (mu = 0, sigma = 1 without tails).
bool MiddleFromTails(double pU, double alphaU, double betaU, double pL, double alphaL, double betaL, double& mu,
                     double& sigma);

}  // namespace Zq::Math
