// The rows of the 25 exported-only worksheet functions. Each text is a
// counted string whose length byte is worked out at compile time, so a
// text longer than the 255 characters that byte can count does not compile.
#include "extras/extras_table.h"

#include <cstddef>

namespace Zq::Extras {
namespace {

template <std::size_t N>
struct CountedText {
  static_assert(N - 1 <= 255, "Excel's counted strings hold at most 255 characters");
  char text[N + 1]{};
  constexpr CountedText(const char (&literal)[N]) {
    text[0] = static_cast<char>(N - 1);
    for (std::size_t i = 0; i < N; ++i) text[i + 1] = literal[i];
  }
};

// Registration texts are handed to Excel as char*; Excel never writes them.
template <CountedText Text>
constexpr char* Counted() {
  return const_cast<char*>(Text.text);
}

#define ZQ_EXTRA(procedure, typeText, functionText, argumentText, help)                                      \
  Addin::RegistrationRow {                                                                                    \
    Counted<procedure>(), Counted<typeText>(), Counted<functionText>(), Counted<argumentText>(), Counted<"1">(), \
        Counted<"ZqRand">(), Counted<"">(), Counted<"">(), Counted<help>()                                    \
  }

}  // namespace

// Argument names that several rows share: the eight normal-Pareto
// parameters, and the arguments of the two samplers after them.
#define ZQ_NORM_PARETO_PARAMS "pU, AlphaU, BetaU, pL, AlphaL, BetaL, Mu, Sigma"
#define ZQ_RANDOM_TAIL "Algorithm, Random seed1, Random seed2, Use invert func, Use antithetic, Use resampling, Horizontal"

const Addin::RegistrationRow ExtrasTable[kExtrasFunctionCount + 1] = {
    ZQ_EXTRA("ZqJohnsonSUNormQQ", "RBBBBB", "ZQJOHNSONSUNORMQQ", "z, Gamma, Delta, Lambda, Xi",
             "Maps a standard normal value to the Johnson SU value of the same probability"),
    ZQ_EXTRA("ZqMonteCarloLFM", "RKBBBJJJJAAAI", "ZQMONTECARLOLFM",
             "Correlation matrix, Initial rate, Strike, Horizon, Paths, Steps, Numeraire index, Seed, Use invert "
             "func, Use antithetic, As row, Scheme",
             "Forward-rate Monte Carlo: discounted mean, stdev and standard error of the payoff, and seconds taken"),
    ZQ_EXTRA("ZqNormPareto", "RBBBBBBBBB", "ZQNORMPARETO", "z, " ZQ_NORM_PARETO_PARAMS,
             "Maps a standard normal value to the normal-Pareto value of the same probability"),
    ZQ_EXTRA("ZqNormParetoDist", "RBBBBBBBBB", "ZQNORMPARETODIST", "x, " ZQ_NORM_PARETO_PARAMS,
             "Returns the normal-Pareto cumulative distribution"),
    ZQ_EXTRA("ZqNormParetoDistDash", "RBBBBBBBBB", "ZQNORMPARETODISTDASH", "x, " ZQ_NORM_PARETO_PARAMS,
             "Returns the normal-Pareto density"),
    ZQ_EXTRA("ZqNormParetoInv", "RBBBBBBBBB", "ZQNORMPARETOINV", "prob, " ZQ_NORM_PARETO_PARAMS,
             "Returns the inverse of the normal-Pareto cumulative distribution"),
    ZQ_EXTRA("ZqNormParetoOrg", "RBBBBBBBBB", "ZQNORMPARETOORG", "z, " ZQ_NORM_PARETO_PARAMS,
             "Maps a standard normal value to the value of the same probability, tails written in x"),
    ZQ_EXTRA("ZqNormParetoOrgDist", "RBBBBBBBBB", "ZQNORMPARETOORGDIST", "x, " ZQ_NORM_PARETO_PARAMS,
             "Returns the normal-Pareto cumulative distribution with tails written in x"),
    ZQ_EXTRA("ZqNormParetoOrgDistDash", "RBBBBBBBBB", "ZQNORMPARETOORGDISTDASH", "x, " ZQ_NORM_PARETO_PARAMS,
             "Returns the normal-Pareto density with tails written in x"),
    ZQ_EXTRA("ZqNormParetoOrgInv", "RBBBBBBBBB", "ZQNORMPARETOORGINV", "prob, " ZQ_NORM_PARETO_PARAMS,
             "Returns the inverse of the normal-Pareto cumulative distribution with tails written in x"),
    ZQ_EXTRA("ZqNormParetoMean", "RBBBB", "ZQNORMPARETOMEAN", "pU, pL, Mu, Sigma",
             "Returns mean of normal-Pareto distribution with smoothly joined tails"),
    ZQ_EXTRA("ZqNormParetoStdev", "RBBB", "ZQNORMPARETOSTDEV", "pU, pL, Sigma",
             "Returns standard deviation of normal-Pareto distribution with smoothly joined tails"),
    ZQ_EXTRA("ZqNormParetoSkew", "RBB", "ZQNORMPARETOSKEW", "pU, pL",
             "Returns skewness of normal-Pareto distribution with smoothly joined tails"),
    ZQ_EXTRA("ZqNormParetoKurt", "RBB", "ZQNORMPARETOKURT", "pU, pL",
             "Returns kurtosis (3 for a normal) of normal-Pareto distribution with smoothly joined tails"),
    ZQ_EXTRA("ZqNormParetoOrgMean", "RBBBBBB", "ZQNORMPARETOORGMEAN", "pU, AlphaU, pL, AlphaL, Mu, Sigma",
             "Returns mean of normal-Pareto distribution with tails written in x"),
    ZQ_EXTRA("ZqNormParetoParam", "RBBBB", "ZQNORMPARETOPARAM", "Mean, Stdev, Skewness, Excess kurtosis",
             "Returns the eight normal-Pareto parameters that give these moments"),
    ZQ_EXTRA("ZqNormParetoUpperParam", "RKBBB", "ZQNORMPARETOUPPERPARAM", "Data set, prob, Mu, Sigma",
             "Returns index and scale of the upper normal-Pareto tail fitted to data"),
    ZQ_EXTRA("ZqNormParetoLowerParam", "RKBBB", "ZQNORMPARETOLOWERPARAM", "Data set, prob, Mu, Sigma",
             "Returns index and scale of the lower normal-Pareto tail fitted to data"),
    ZQ_EXTRA("ZqNormParetoMiddleParam", "RBBBBBB", "ZQNORMPARETOMIDDLEPARAM", "pU, AlphaU, BetaU, pL, AlphaL, BetaL",
             "Returns Mu and Sigma of the normal body that joins two given tails written in x"),
    ZQ_EXTRA("ZqOptionBS", "RIBBBBBI", "ZQOPTIONBS",
             "Call flag, Spot, Strike, Time to expiry, Volatility or price, Rate, Output",
             "Black-Scholes option: value (Output 0), delta, gamma, vega, dV/dT, dV/dr (1 to 6) or implied volatility (7)"),
    ZQ_EXTRA("ZqOptionBF", "RIBBBBBI", "ZQOPTIONBF",
             "Call flag, Futures price, Strike, Time to expiry, Volatility or price, Rate, Output",
             "Black option on a futures price: value (Output 0), sensitivities (1 to 6) or implied volatility (7)"),
    ZQ_EXTRA("ZqOptionGK", "RIBBBBBBI", "ZQOPTIONGK",
             "Call flag, Spot rate, Strike, Time to expiry, Volatility or price, Foreign rate, Domestic rate, Output",
             "Garman-Kohlhagen currency option: value (Output 0), sensitivities (1 to 6) or implied volatility (7)"),
    ZQ_EXTRA("ZqPCA", "RK", "ZQPCA", "Symmetric matrix",
             "Returns eigenvalues (first row) and eigenvectors (the columns below) of a symmetric matrix"),
    ZQ_EXTRA("ZqRandNormPareto", "RIBBBBBBBBIJJAAAA", "ZQRANDNORMPARETO", "Size, " ZQ_NORM_PARETO_PARAMS ", " ZQ_RANDOM_TAIL,
             "Returns normal-Pareto pseudo random number(s)"),
    ZQ_EXTRA("ZqRandNormParetoOrg", "RIBBBBBBBBIJJAAAA", "ZQRANDNORMPARETOORG",
             "Size, " ZQ_NORM_PARETO_PARAMS ", " ZQ_RANDOM_TAIL,
             "Returns normal-Pareto pseudo random number(s) with tails written in x"),
    {nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
};

}  // namespace Zq::Extras
