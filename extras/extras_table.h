// The 25 worksheet functions that the main add-in exports without
// registering them, one row each in the form of the main registration
// table. This one table serves the companion add-in (which registers them
// against the main add-in's file), the host's own fallback registration and
// the check of the Windows add-in's exports. The rows are written like the
// main table's (addin/registration_row.h); the table is constexpr so that the
// host compiles a caller for each of its type texts from it.
#pragma once

#include "addin/registration.h"
#include "addin/registration_row.h"

namespace Zq::Extras {

constexpr int kExtrasFunctionCount = 25;

// Argument names that several rows share: the eight normal-Pareto
// parameters, and the arguments of the two samplers after them.
#define ZQ_NORM_PARETO_PARAMS "pU, AlphaU, BetaU, pL, AlphaL, BetaL, Mu, Sigma"
#define ZQ_RANDOM_TAIL "Algorithm, Random seed1, Random seed2, Use invert func, Use antithetic, Use resampling, Horizontal"

// Ends with a row of null pointers, like the main table.
inline constexpr Addin::RegistrationRow ExtrasTable[kExtrasFunctionCount + 1] = {
    ZQ_ROW(ZqJohnsonSUNormQQ, "RBBBBB", "z, Gamma, Delta, Lambda, Xi",
           "Maps a standard normal value to the Johnson SU value of the same probability"),
    ZQ_ROW(ZqMonteCarloLFM, "RKBBBJJJJAAAI",
           "Correlation matrix, Initial rate, Strike, Horizon, Paths, Steps, Numeraire index, Seed, Use invert "
           "func, Use antithetic, As row, Scheme",
           "Forward-rate Monte Carlo: discounted mean, stdev and standard error of the payoff, and seconds taken"),
    ZQ_ROW(ZqNormPareto, "RBBBBBBBBB", "z, " ZQ_NORM_PARETO_PARAMS,
           "Maps a standard normal value to the normal-Pareto value of the same probability"),
    ZQ_ROW(ZqNormParetoDist, "RBBBBBBBBB", "x, " ZQ_NORM_PARETO_PARAMS,
           "Returns the normal-Pareto cumulative distribution"),
    ZQ_ROW(ZqNormParetoDistDash, "RBBBBBBBBB", "x, " ZQ_NORM_PARETO_PARAMS,
           "Returns the normal-Pareto density"),
    ZQ_ROW(ZqNormParetoInv, "RBBBBBBBBB", "prob, " ZQ_NORM_PARETO_PARAMS,
           "Returns the inverse of the normal-Pareto cumulative distribution"),
    ZQ_ROW(ZqNormParetoOrg, "RBBBBBBBBB", "z, " ZQ_NORM_PARETO_PARAMS,
           "Maps a standard normal value to the value of the same probability, tails written in x"),
    ZQ_ROW(ZqNormParetoOrgDist, "RBBBBBBBBB", "x, " ZQ_NORM_PARETO_PARAMS,
           "Returns the normal-Pareto cumulative distribution with tails written in x"),
    ZQ_ROW(ZqNormParetoOrgDistDash, "RBBBBBBBBB", "x, " ZQ_NORM_PARETO_PARAMS,
           "Returns the normal-Pareto density with tails written in x"),
    ZQ_ROW(ZqNormParetoOrgInv, "RBBBBBBBBB", "prob, " ZQ_NORM_PARETO_PARAMS,
           "Returns the inverse of the normal-Pareto cumulative distribution with tails written in x"),
    ZQ_ROW(ZqNormParetoMean, "RBBBB", "pU, pL, Mu, Sigma",
           "Returns mean of normal-Pareto distribution with smoothly joined tails"),
    ZQ_ROW(ZqNormParetoStdev, "RBBB", "pU, pL, Sigma",
           "Returns standard deviation of normal-Pareto distribution with smoothly joined tails"),
    ZQ_ROW(ZqNormParetoSkew, "RBB", "pU, pL",
           "Returns skewness of normal-Pareto distribution with smoothly joined tails"),
    ZQ_ROW(ZqNormParetoKurt, "RBB", "pU, pL",
           "Returns kurtosis (3 for a normal) of normal-Pareto distribution with smoothly joined tails"),
    ZQ_ROW(ZqNormParetoOrgMean, "RBBBBBB", "pU, AlphaU, pL, AlphaL, Mu, Sigma",
           "Returns mean of normal-Pareto distribution with tails written in x"),
    ZQ_ROW(ZqNormParetoParam, "RBBBB", "Mean, Stdev, Skewness, Excess kurtosis",
           "Returns the eight normal-Pareto parameters that give these moments"),
    ZQ_ROW(ZqNormParetoUpperParam, "RKBBB", "Data set, prob, Mu, Sigma",
           "Returns index and scale of the upper normal-Pareto tail fitted to data"),
    ZQ_ROW(ZqNormParetoLowerParam, "RKBBB", "Data set, prob, Mu, Sigma",
           "Returns index and scale of the lower normal-Pareto tail fitted to data"),
    ZQ_ROW(ZqNormParetoMiddleParam, "RBBBBBB", "pU, AlphaU, BetaU, pL, AlphaL, BetaL",
           "Returns Mu and Sigma of the normal body that joins two given tails written in x"),
    ZQ_ROW(ZqOptionBS, "RIBBBBBI",
           "Call flag, Spot, Strike, Time to expiry, Volatility or price, Rate, Output",
           "Black-Scholes option: value (Output 0), delta, gamma, vega, dV/dT, dV/dr (1 to 6) or implied volatility (7)"),
    ZQ_ROW(ZqOptionBF, "RIBBBBBI",
           "Call flag, Futures price, Strike, Time to expiry, Volatility or price, Rate, Output",
           "Black option on a futures price: value (Output 0), sensitivities (1 to 6) or implied volatility (7)"),
    ZQ_ROW(ZqOptionGK, "RIBBBBBBI",
           "Call flag, Spot rate, Strike, Time to expiry, Volatility or price, Foreign rate, Domestic rate, Output",
           "Garman-Kohlhagen currency option: value (Output 0), sensitivities (1 to 6) or implied volatility (7)"),
    ZQ_ROW(ZqPCA, "RK", "Symmetric matrix",
           "Returns eigenvalues (first row) and eigenvectors (the columns below) of a symmetric matrix"),
    ZQ_ROW(ZqRandNormPareto, "RIBBBBBBBBIJJAAAA", "Size, " ZQ_NORM_PARETO_PARAMS ", " ZQ_RANDOM_TAIL,
           "Returns normal-Pareto pseudo random number(s)"),
    ZQ_ROW(ZqRandNormParetoOrg, "RIBBBBBBBBIJJAAAA",
           "Size, " ZQ_NORM_PARETO_PARAMS ", " ZQ_RANDOM_TAIL,
           "Returns normal-Pareto pseudo random number(s) with tails written in x"),
    {nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
};

#undef ZQ_NORM_PARETO_PARAMS
#undef ZQ_RANDOM_TAIL

}  // namespace Zq::Extras
