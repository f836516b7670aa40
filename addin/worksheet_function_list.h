// The worksheet functions, one entry each: which add-in registers it, its
// C++ parameters, and the texts of its registration row (type text,
// argument names, help). Both add-ins register from this one list in its
// order, each the entries it owns.
//
//   ZQ_FUNCTION(Owner, Symbol, (C++ parameters), "type text", "argument names", "help")
//
// Not a header of its own: addin/worksheet_functions.h includes it to declare
// the functions and addin/worksheet_function_rows.h to write their rows, each
// with its own ZQ_FUNCTION. The compiler checks each type text against the
// declaration (addin/registration_row.h).

// What several entries share: the eight normal-Pareto parameters, as C++
// parameters and as argument names, and the argument names of the two
// normal-Pareto samplers after them.
#define ZQ_NORM_PARETO_PARAMETERS \
  double pU, double alphaU, double betaU, double pL, double alphaL, double betaL, double mu, double sigma
#define ZQ_NORM_PARETO_NAMES "pU, AlphaU, BetaU, pL, AlphaL, BetaL, Mu, Sigma"
#define ZQ_RANDOM_TAIL "Algorithm, Random seed1, Random seed2, Use invert func, Use antithetic, Use resampling, Horizontal"

// Registered by the add-in itself, in this order.
ZQ_FUNCTION(Main, ZqRand, (Zq::Addin::WholeNumber size, Zq::Addin::WholeNumber algorithm, std::int32_t seed1, std::int32_t seed2),
            "RIIJJ", "Size, Algorithm, Random seed1, Random seed2", "Returns uniform pseudo random number(s) in (0, 1)")
ZQ_FUNCTION(Main, ZqRandBeta, (Zq::Addin::WholeNumber size, double alpha, double beta, Zq::Addin::WholeNumber algorithm, std::int32_t seed1,
            std::int32_t seed2),
            "RIBBIJJ", "Size, Alpha, Beta, Algorithm, Random seed1, Random seed2",
            "Returns beta pseudo random number(s)")
ZQ_FUNCTION(Main, ZqRandGumbel, (Zq::Addin::WholeNumber size, double alpha, double beta, Zq::Addin::WholeNumber algorithm, std::int32_t seed1,
            std::int32_t seed2),
            "RIBBIJJ", "Size, Alpha, Beta, Algorithm, Random seed1, Random seed2",
            "Returns Gumbel pseudo random number(s)")
ZQ_FUNCTION(Main, ZqRandJohnsonSU, (Zq::Addin::WholeNumber size, double gamma, double delta, double lambda, double xi, Zq::Addin::WholeNumber algorithm,
            std::int32_t seed1, std::int32_t seed2, short invert, short antithetic, short resampling),
            "RIBBBBIJJAAA",
            "Size, Gamma, Delta, Lambda, Xi, Algorithm, Random seed1, Random seed2, Use invert func, Use antithetic, "
            "Use resampling", "Returns Johnson SU pseudo random number(s)")
ZQ_FUNCTION(Main, ZqRandLogistic, (Zq::Addin::WholeNumber size, double m, double b, Zq::Addin::WholeNumber algorithm, std::int32_t seed1,
            std::int32_t seed2),
            "RIBBIJJ", "Size, M, B, Algorithm, Random seed1, Random seed2", "Returns logistic pseudo random number(s)")
ZQ_FUNCTION(Main, ZqRandLogNorm, (Zq::Addin::WholeNumber size, double m, double s, Zq::Addin::WholeNumber algorithm, std::int32_t seed1,
            std::int32_t seed2),
            "RIBBIJJ", "Size, M, S, Algorithm, Random seed1, Random seed2",
            "Returns log-normal pseudo random number(s)")
ZQ_FUNCTION(Main, ZqRandMultiNorm, (Zq::Addin::WholeNumber size, const Zq::Addin::ArrayArgument* cov, const Zq::Addin::ArrayArgument* mean, Zq::Addin::WholeNumber algorithm, std::int32_t seed1,
            std::int32_t seed2, short useInverse, short useAntithetic, short useResampling),
            "RIKKIJJAAA",
            "Size, Cov, Mean, Algorithm, Random seed1, Random seed2, Use invert func, Use antithetic, Use resampling",
            "Returns multivariate normal pseudo random number(s)")
ZQ_FUNCTION(Main, ZqRandNorm, (Zq::Addin::WholeNumber size, Zq::Addin::WholeNumber algorithm, std::int32_t seed1, std::int32_t seed2, short useInverse,
            short useAntithetic, short useResampling),
            "RIIJJAAA", "Size, Algorithm, Random seed1, Random seed2, Use invert func, Use antithetic, Use resampling",
            "Returns standard normal pseudo random number(s)")
ZQ_FUNCTION(Main, ZqRandPoisson, (Zq::Addin::WholeNumber size, double mean, Zq::Addin::WholeNumber algorithm, std::int32_t seed1, std::int32_t seed2),
            "RIBIJJ", "Size, Mean, Algorithm, Random seed1, Random seed2", "Returns Poisson pseudo random number(s)")
ZQ_FUNCTION(Main, ZqRandTriangular, (Zq::Addin::WholeNumber size, double min, double max, double mode, Zq::Addin::WholeNumber algorithm,
            std::int32_t seed1, std::int32_t seed2),
            "RIBBBIJJ", "Size, Min, Max, Mode, Algorithm, Random seed1, Random seed2",
            "Returns triangular pseudo random number(s)")
ZQ_FUNCTION(Main, ZqRandTruncNorm, (Zq::Addin::WholeNumber size, double min, double max, double mu, double sigma, Zq::Addin::WholeNumber algorithm,
            std::int32_t seed1, std::int32_t seed2),
            "RIBBBBIJJ", "Size, Min, Max, Mu, Sigma, Algorithm, Random seed1, Random seed2",
            "Returns truncated normal pseudo random number(s)")
ZQ_FUNCTION(Main, ZqRandWeibull, (Zq::Addin::WholeNumber size, double alpha, double beta, Zq::Addin::WholeNumber algorithm, std::int32_t seed1,
            std::int32_t seed2),
            "RIBBIJJ", "Size, Alpha, Beta, Algorithm, Random seed1, Random seed2",
            "Returns Weibull pseudo random number(s)")
ZQ_FUNCTION(Main, ZqBiNormDist, (double x1, double x2, double corr, short cumulative),
            "RBBBA", "X1, X2, Corr, Cumulative", "Returns the bivariate normal distribution")
ZQ_FUNCTION(Main, ZqBetaDist, (double x, double alpha, double beta, short cumulative),
            "RBBBA", "x, Alpha, Beta, Cumulative", "Returns the beta distribution for the specified parameter(s)")
ZQ_FUNCTION(Main, ZqBetaKurt, (double alpha, double beta),
            "RBB", "Alpha, Beta", "Returns kurtosis of beta distribution")
ZQ_FUNCTION(Main, ZqBetaMean, (double alpha, double beta),
            "RBB", "Alpha, Beta", "Returns mean of beta distribution")
ZQ_FUNCTION(Main, ZqBetaMom, (double alpha, double beta),
            "RBB", "Alpha, Beta", "Returns mean, standard deviation, skewness and kurtosis of beta distribution")
ZQ_FUNCTION(Main, ZqBetaParam, (double mean, double stdev),
            "RBB", "Mean, Stdev", "Returns parameter(s) in beta distribution function")
ZQ_FUNCTION(Main, ZqBetaSkew, (double alpha, double beta),
            "RBB", "Alpha, Beta", "Returns skewness of beta distribution")
ZQ_FUNCTION(Main, ZqBetaStdev, (double alpha, double beta),
            "RBB", "Alpha, Beta", "Returns standard deviation of beta distribution")
ZQ_FUNCTION(Main, ZqGumbelDist, (double x, double alpha, double beta, short cumulative),
            "RBBBA", "x, Alpha, Beta, Cumulative", "Returns the Gumbel distribution for the specified parameter(s)")
ZQ_FUNCTION(Main, ZqGumbelInv, (double prob, double alpha, double beta),
            "RBBB", "prob, Alpha, Beta", "Returns the inverse of the Gumbel cumulative distribution")
ZQ_FUNCTION(Main, ZqGumbelKurt, (),
            "R", "", "Returns kurtosis of Gumbel distribution")
ZQ_FUNCTION(Main, ZqGumbelMean, (double alpha, double beta),
            "RBB", "Alpha, Beta", "Returns mean of Gumbel distribution")
ZQ_FUNCTION(Main, ZqGumbelMom, (double alpha, double beta),
            "RBB", "Alpha, Beta", "Returns mean, standard deviation, skewness and kurtosis of Gumbel distribution")
ZQ_FUNCTION(Main, ZqGumbelParam, (double mean, double stdev),
            "RBB", "Mean, Stdev", "Returns parameter(s) in Gumbel distribution function")
ZQ_FUNCTION(Main, ZqGumbelSkew, (),
            "R", "", "Returns skewness of Gumbel distribution")
ZQ_FUNCTION(Main, ZqGumbelStdev, (double beta),
            "RB", "Beta", "Returns standard deviation of Gumbel distribution")
ZQ_FUNCTION(Main, ZqJohnsonSUDist, (double x, double gamma, double delta, double lambda, double xi, short cumulative),
            "RBBBBBA", "x, Gamma, Delta, Lambda, Xi, Cumulative",
            "Returns the Johnson SU distribution for the specified parameter(s)")
ZQ_FUNCTION(Main, ZqJohnsonSUInv, (double prob, double gamma, double delta, double lambda, double xi),
            "RBBBBB", "prob, Gamma, Delta, Lambda, Xi", "Returns the inverse of the Johnson SU cumulative distribution")
ZQ_FUNCTION(Main, ZqJohnsonSUKurt, (double gamma, double delta, double lambda, double xi),
            "RBBBB", "Gamma, Delta, Lambda, Xi", "Returns kurtosis of Johnson SU distribution")
ZQ_FUNCTION(Main, ZqJohnsonSUMean, (double gamma, double delta, double lambda, double xi),
            "RBBBB", "Gamma, Delta, Lambda, Xi", "Returns mean of Johnson SU distribution")
ZQ_FUNCTION(Main, ZqJohnsonSUMom, (double gamma, double delta, double lambda, double xi),
            "RBBBB", "Gamma, Delta, Lambda, Xi",
            "Returns mean, standard deviation, skewness and kurtosis of Johnson SU distribution")
ZQ_FUNCTION(Main, ZqJohnsonSUParam, (double mean, double stdev, double skew, double kurt),
            "RBBBB", "Mean, Stdev, Skew, Kurt", "Returns parameter(s) in Johnson SU distribution function")
ZQ_FUNCTION(Main, ZqJohnsonSUSkew, (double gamma, double delta, double lambda, double xi),
            "RBBBB", "Gamma, Delta, Lambda, Xi", "Returns skewness of Johnson SU distribution")
ZQ_FUNCTION(Main, ZqJohnsonSUStdev, (double gamma, double delta, double lambda, double xi),
            "RBBBB", "Gamma, Delta, Lambda, Xi", "Returns standard deviation of Johnson SU distribution")
ZQ_FUNCTION(Main, ZqLogisticDist, (double x, double m, double b, short cumulative),
            "RBBBA", "x, M, B, Cumulative", "Returns the logistic distribution for the specified parameter(s)")
ZQ_FUNCTION(Main, ZqLogisticInv, (double prob, double m, double b),
            "RBBB", "prob, M, B", "Returns the inverse of the logistic cumulative distribution")
ZQ_FUNCTION(Main, ZqLogisticKurt, (),
            "R", "", "Returns kurtosis of logistic distribution")
ZQ_FUNCTION(Main, ZqLogisticMean, (double m),
            "RB", "M", "Returns mean of logistic distribution")
ZQ_FUNCTION(Main, ZqLogisticMom, (double m, double b),
            "RBB", "M, B", "Returns mean, standard deviation, skewness and kurtosis of logistic distribution")
ZQ_FUNCTION(Main, ZqLogisticParam, (double mean, double stdev),
            "RBB", "Mean, Stdev", "Returns parameter(s) in logistic distribution function")
ZQ_FUNCTION(Main, ZqLogisticSkew, (),
            "R", "", "Returns skewness of logistic distribution")
ZQ_FUNCTION(Main, ZqLogisticStdev, (double b),
            "RB", "B", "Returns standard deviation of logistic distribution")
ZQ_FUNCTION(Main, ZqLogNormDist, (double x, double m, double s, short cumulative),
            "RBBBA", "x, M, S, Cumulative", "Returns the log-normal distribution for the specified parameter(s)")
ZQ_FUNCTION(Main, ZqLogNormInv, (double prob, double m, double s),
            "RBBB", "prob, M, S", "Returns the inverse of the log-normal cumulative distribution")
ZQ_FUNCTION(Main, ZqLogNormKurt, (double s),
            "RB", "S", "Returns kurtosis of log-normal distribution")
ZQ_FUNCTION(Main, ZqLogNormMean, (double m, double s),
            "RBB", "M, S", "Returns mean of log-normal distribution")
ZQ_FUNCTION(Main, ZqLogNormMom, (double m, double s),
            "RBB", "M, S", "Returns mean, standard deviation, skewness and kurtosis of log-normal distribution")
ZQ_FUNCTION(Main, ZqLogNormParam, (double mean, double stdev),
            "RBB", "Mean, Stdev", "Returns parameter(s) in log-normal distribution function")
ZQ_FUNCTION(Main, ZqLogNormSkew, (double s),
            "RB", "S", "Returns skewness of log-normal distribution")
ZQ_FUNCTION(Main, ZqLogNormStdev, (double m, double s),
            "RBB", "M, S", "Returns standard deviation of log-normal distribution")
ZQ_FUNCTION(Main, ZqNormDist, (double x, short cumulative),
            "RBA", "x, Cumulative", "Returns the standard normal distribution for the specified parameter(s)")
ZQ_FUNCTION(Main, ZqNormInv, (double prob),
            "RB", "prob", "Returns the inverse of the standard normal cumulative distribution")
ZQ_FUNCTION(Main, ZqPoissonDist, (std::int32_t k, double lambda, short cumulative),
            "RJBA", "k, Mean, Cumulative", "Returns the Poisson distribution for the specified parameter(s)")
ZQ_FUNCTION(Main, ZqPoissonKurt, (double lambda),
            "RB", "Mean", "Returns kurtosis of Poisson distribution")
ZQ_FUNCTION(Main, ZqPoissonMean, (double lambda),
            "RB", "Mean", "Returns mean of Poisson distribution")
ZQ_FUNCTION(Main, ZqPoissonMom, (double lambda),
            "RB", "Mean", "Returns mean, standard deviation, skewness and kurtosis of Poisson distribution")
ZQ_FUNCTION(Main, ZqPoissonSkew, (double lambda),
            "RB", "Mean", "Returns skewness of Poisson distribution")
ZQ_FUNCTION(Main, ZqPoissonStdev, (double lambda),
            "RB", "Mean", "Returns standard deviation of Poisson distribution")
ZQ_FUNCTION(Main, ZqTriangularDist, (double x, double a, double b, double c, short cumulative),
            "RBBBBA", "x, Min, Max, Mode, Cumulative",
            "Returns the triangular distribution for the specified parameter(s)")
ZQ_FUNCTION(Main, ZqTriangularInv, (double prob, double a, double b, double c),
            "RBBBB", "prob, Min, Max, Mode", "Returns the inverse of the triangular cumulative distribution")
ZQ_FUNCTION(Main, ZqTriangularMean, (double a, double b, double c),
            "RBBB", "Min, Max, Mode", "Returns mean of triangular distribution")
ZQ_FUNCTION(Main, ZqTriangularStdev, (double a, double b, double c),
            "RBBB", "Min, Max, Mode", "Returns standard deviation of triangular distribution")
ZQ_FUNCTION(Main, ZqTriangularSkew, (double a, double b, double c),
            "RBBB", "Min, Max, Mode", "Returns skewness of triangular distribution")
ZQ_FUNCTION(Main, ZqTriangularKurt, (),
            "R", "", "Returns kurtosis of triangular distribution")
ZQ_FUNCTION(Main, ZqTriangularMom, (double a, double b, double c),
            "RBBB", "Min, Max, Mode",
            "Returns mean, standard deviation, skewness and kurtosis of triangular distribution")
ZQ_FUNCTION(Main, ZqTriangularParam, (double mean, double stdev, double skew),
            "RBBB", "Mean, Stdev, Skew", "Returns parameter(s) in triangular distribution function")
ZQ_FUNCTION(Main, ZqTruncNormDist, (double x, double a, double b, double mu, double sigma, short cumulative),
            "RBBBBBA", "x, Min, Max, Mu, Sigma, Cumulative",
            "Returns the truncated normal distribution for the specified parameter(s)")
ZQ_FUNCTION(Main, ZqTruncNormInv, (double prob, double a, double b, double mu, double sigma),
            "RBBBBB", "prob, Min, Max, Mu, Sigma",
            "Returns the inverse of the truncated normal cumulative distribution")
ZQ_FUNCTION(Main, ZqTruncNormMean, (double a, double b, double mu, double sigma),
            "RBBBB", "Min, Max, Mu, Sigma", "Returns mean of truncated normal distribution")
ZQ_FUNCTION(Main, ZqTruncNormStdev, (double a, double b, double mu, double sigma),
            "RBBBB", "Min, Max, Mu, Sigma", "Returns standard deviation of truncated normal distribution")
ZQ_FUNCTION(Main, ZqTruncNormSkew, (double a, double b, double mu, double sigma),
            "RBBBB", "Min, Max, Mu, Sigma", "Returns skewness of truncated normal distribution")
ZQ_FUNCTION(Main, ZqTruncNormKurt, (double a, double b, double mu, double sigma),
            "RBBBB", "Min, Max, Mu, Sigma", "Returns kurtosis of truncated normal distribution")
ZQ_FUNCTION(Main, ZqTruncNormMom, (double a, double b, double mu, double sigma),
            "RBBBB", "Min, Max, Mu, Sigma",
            "Returns mean, standard deviation, skewness and kurtosis of truncated normal distribution")
ZQ_FUNCTION(Main, ZqTruncNormParam, (double min, double max, double mean, double stdev),
            "RBBBB", "Min, Max, Mean, Stdev", "Returns parameter(s) in truncated normal distribution function")
ZQ_FUNCTION(Main, ZqWeibullDist, (double x, double phi, double gamma, short cumulative),
            "RBBBA", "x, Phi, Gamma, Cumulative", "Returns the Weibull distribution for the specified parameter(s)")
ZQ_FUNCTION(Main, ZqWeibullInv, (double prob, double alpha, double beta),
            "RBBB", "prob, Alpha, Beta", "Returns the inverse of the Weibull cumulative distribution")
ZQ_FUNCTION(Main, ZqWeibullKurt, (double alpha, double beta),
            "RBB", "Alpha, Beta", "Returns kurtosis of Weibull distribution")
ZQ_FUNCTION(Main, ZqWeibullMean, (double alpha, double beta),
            "RBB", "Alpha, Beta", "Returns mean of Weibull distribution")
ZQ_FUNCTION(Main, ZqWeibullMom, (double alpha, double beta),
            "RBB", "Alpha, Beta", "Returns mean, standard deviation, skewness and kurtosis of Weibull distribution")
ZQ_FUNCTION(Main, ZqWeibullParam, (double mean, double stdev),
            "RBB", "Mean, Stdev", "Returns parameter(s) in Weibull distribution function")
ZQ_FUNCTION(Main, ZqWeibullSkew, (double alpha, double beta),
            "RBB", "Alpha, Beta", "Returns skewness of Weibull distribution")
ZQ_FUNCTION(Main, ZqWeibullStdev, (double alpha, double beta),
            "RBB", "Alpha, Beta", "Returns standard deviation of Weibull distribution")
ZQ_FUNCTION(Main, ZqMultiCorrel, (const Zq::Addin::ArrayArgument* data, short calcMean, short calcStdev),
            "RKAA", "Data set, Calc mean, Calc stdev", "Get mean, stdev, and covariance matrix")
ZQ_FUNCTION(Main, ZqMultiCovarp, (const Zq::Addin::ArrayArgument* data, short calcMean),
            "RKA", "Data set, Calc mean", "Get mean and covariance matrix")
ZQ_FUNCTION(Main, ZqCor2Cov, (const Zq::Addin::ArrayArgument* stdev, const Zq::Addin::ArrayArgument* correlation),
            "RKK", "Stdev vector, Correlation matrix",
            "Convert stdev vector and correlation matrix to covariance matrix")
ZQ_FUNCTION(Main, ZqCov2Cor, (const Zq::Addin::ArrayArgument* covariance, short calcStdev),
            "RKA", "Covariance matrix, Calc stdev vector",
            "Convert covariance matrix to stdev vector and correlation matrix")

// Exported by the add-in and registered by its companion, in this order.
ZQ_FUNCTION(Companion, ZqJohnsonSUNormQQ, (double z, double gamma, double delta, double lambda, double xi),
            "RBBBBB", "z, Gamma, Delta, Lambda, Xi",
            "Maps a standard normal value to the Johnson SU value of the same probability")
ZQ_FUNCTION(Companion, ZqMonteCarloLFM, (const Zq::Addin::ArrayArgument* correlation, double initialRate, double strike, double horizon,
            std::int32_t paths, std::int32_t steps, std::int32_t numeraire, std::int32_t seed, short inversion,
            short antithetic, short asRow, Zq::Addin::WholeNumber scheme),
            "RKBBBJJJJAAAI",
            "Correlation matrix, Initial rate, Strike, Horizon, Paths, Steps, Numeraire index, Seed, Use invert func, "
            "Use antithetic, As row, Scheme",
            "Forward-rate Monte Carlo: discounted mean, stdev and standard error of the payoff, and seconds taken")
ZQ_FUNCTION(Companion, ZqNormPareto, (double x, ZQ_NORM_PARETO_PARAMETERS),
            "RBBBBBBBBB", "z, " ZQ_NORM_PARETO_NAMES,
            "Maps a standard normal value to the normal-Pareto value of the same probability")
ZQ_FUNCTION(Companion, ZqNormParetoDist, (double x, ZQ_NORM_PARETO_PARAMETERS),
            "RBBBBBBBBB", "x, " ZQ_NORM_PARETO_NAMES, "Returns the normal-Pareto cumulative distribution")
ZQ_FUNCTION(Companion, ZqNormParetoDistDash, (double x, ZQ_NORM_PARETO_PARAMETERS),
            "RBBBBBBBBB", "x, " ZQ_NORM_PARETO_NAMES, "Returns the normal-Pareto density")
ZQ_FUNCTION(Companion, ZqNormParetoInv, (double p, ZQ_NORM_PARETO_PARAMETERS),
            "RBBBBBBBBB", "prob, " ZQ_NORM_PARETO_NAMES,
            "Returns the inverse of the normal-Pareto cumulative distribution")
ZQ_FUNCTION(Companion, ZqNormParetoOrg, (double x, ZQ_NORM_PARETO_PARAMETERS),
            "RBBBBBBBBB", "z, " ZQ_NORM_PARETO_NAMES,
            "Maps a standard normal value to the value of the same probability, tails written in x")
ZQ_FUNCTION(Companion, ZqNormParetoOrgDist, (double x, ZQ_NORM_PARETO_PARAMETERS),
            "RBBBBBBBBB", "x, " ZQ_NORM_PARETO_NAMES,
            "Returns the normal-Pareto cumulative distribution with tails written in x")
ZQ_FUNCTION(Companion, ZqNormParetoOrgDistDash, (double x, ZQ_NORM_PARETO_PARAMETERS),
            "RBBBBBBBBB", "x, " ZQ_NORM_PARETO_NAMES, "Returns the normal-Pareto density with tails written in x")
ZQ_FUNCTION(Companion, ZqNormParetoOrgInv, (double p, ZQ_NORM_PARETO_PARAMETERS),
            "RBBBBBBBBB", "prob, " ZQ_NORM_PARETO_NAMES,
            "Returns the inverse of the normal-Pareto cumulative distribution with tails written in x")
ZQ_FUNCTION(Companion, ZqNormParetoMean, (double pU, double pL, double mu, double sigma),
            "RBBBB", "pU, pL, Mu, Sigma", "Returns mean of normal-Pareto distribution with smoothly joined tails")
ZQ_FUNCTION(Companion, ZqNormParetoStdev, (double pU, double pL, double sigma),
            "RBBB", "pU, pL, Sigma",
            "Returns standard deviation of normal-Pareto distribution with smoothly joined tails")
ZQ_FUNCTION(Companion, ZqNormParetoSkew, (double pU, double pL),
            "RBB", "pU, pL", "Returns skewness of normal-Pareto distribution with smoothly joined tails")
ZQ_FUNCTION(Companion, ZqNormParetoKurt, (double pU, double pL),
            "RBB", "pU, pL",
            "Returns kurtosis (3 for a normal) of normal-Pareto distribution with smoothly joined tails")
ZQ_FUNCTION(Companion, ZqNormParetoOrgMean, (double pU, double alphaU, double pL, double alphaL, double mu,
            double sigma),
            "RBBBBBB", "pU, AlphaU, pL, AlphaL, Mu, Sigma",
            "Returns mean of normal-Pareto distribution with tails written in x")
ZQ_FUNCTION(Companion, ZqNormParetoParam, (double mean, double sd, double skew, double exkurt),
            "RBBBB", "Mean, Stdev, Skewness, Excess kurtosis",
            "Returns the eight normal-Pareto parameters that give these moments")
ZQ_FUNCTION(Companion, ZqNormParetoUpperParam, (const Zq::Addin::ArrayArgument* data, double p, double mu, double sigma),
            "RKBBB", "Data set, prob, Mu, Sigma",
            "Returns index and scale of the upper normal-Pareto tail fitted to data")
ZQ_FUNCTION(Companion, ZqNormParetoLowerParam, (const Zq::Addin::ArrayArgument* data, double p, double mu, double sigma),
            "RKBBB", "Data set, prob, Mu, Sigma",
            "Returns index and scale of the lower normal-Pareto tail fitted to data")
ZQ_FUNCTION(Companion, ZqNormParetoMiddleParam, (double pU, double alphaU, double betaU, double pL, double alphaL,
            double betaL),
            "RBBBBBB", "pU, AlphaU, BetaU, pL, AlphaL, BetaL",
            "Returns Mu and Sigma of the normal body that joins two given tails written in x")
ZQ_FUNCTION(Companion, ZqOptionBS, (Zq::Addin::WholeNumber callFlag, double spot, double strike, double expiry, double volatility,
            double rate, Zq::Addin::WholeNumber output),
            "RIBBBBBI", "Call flag, Spot, Strike, Time to expiry, Volatility or price, Rate, Output",
            "Black-Scholes option: value (Output 0), delta, gamma, vega, dV/dT, dV/dr (1 to 6) or implied volatility "
            "(7)")
ZQ_FUNCTION(Companion, ZqOptionBF, (Zq::Addin::WholeNumber callFlag, double forward, double strike, double expiry, double volatility,
            double rate, Zq::Addin::WholeNumber output),
            "RIBBBBBI", "Call flag, Futures price, Strike, Time to expiry, Volatility or price, Rate, Output",
            "Black option on a futures price: value (Output 0), sensitivities (1 to 6) or implied volatility (7)")
ZQ_FUNCTION(Companion, ZqOptionGK, (Zq::Addin::WholeNumber callFlag, double spot, double strike, double expiry, double volatility,
            double foreignRate, double domesticRate, Zq::Addin::WholeNumber output),
            "RIBBBBBBI",
            "Call flag, Spot rate, Strike, Time to expiry, Volatility or price, Foreign rate, Domestic rate, Output",
            "Garman-Kohlhagen currency option: value (Output 0), sensitivities (1 to 6) or implied volatility (7)")
ZQ_FUNCTION(Companion, ZqPCA, (const Zq::Addin::ArrayArgument* matrix),
            "RK", "Symmetric matrix",
            "Returns eigenvalues (first row) and eigenvectors (the columns below) of a symmetric matrix")
ZQ_FUNCTION(Companion, ZqRandNormPareto, (Zq::Addin::WholeNumber size, ZQ_NORM_PARETO_PARAMETERS, Zq::Addin::WholeNumber algorithm, std::int32_t seed1,
            std::int32_t seed2, short invert, short antithetic, short resampling, short horizontal),
            "RIBBBBBBBBIJJAAAA", "Size, " ZQ_NORM_PARETO_NAMES ", " ZQ_RANDOM_TAIL,
            "Returns normal-Pareto pseudo random number(s)")
ZQ_FUNCTION(Companion, ZqRandNormParetoOrg, (Zq::Addin::WholeNumber size, ZQ_NORM_PARETO_PARAMETERS, Zq::Addin::WholeNumber algorithm, std::int32_t seed1,
            std::int32_t seed2, short invert, short antithetic, short resampling, short horizontal),
            "RIBBBBBBBBIJJAAAA", "Size, " ZQ_NORM_PARETO_NAMES ", " ZQ_RANDOM_TAIL,
            "Returns normal-Pareto pseudo random number(s) with tails written in x")
ZQ_FUNCTION(Companion, ZqRandLHS, (Zq::Addin::WholeNumber size, Zq::Addin::WholeNumber dimensions, Zq::Addin::WholeNumber algorithm,
            std::int32_t seed1, std::int32_t seed2),
            "RIIIJJ", "Size, Dimensions, Algorithm, Random seed1, Random seed2",
            "Returns a Latin hypercube sample: Size points of uniforms in Dimensions columns, one in each of the Size "
            "strata of every column")
ZQ_FUNCTION(Companion, ZqRankCorrel, (const Zq::Addin::ArrayArgument* samples, const Zq::Addin::ArrayArgument* correlation,
            Zq::Addin::WholeNumber algorithm, std::int32_t seed1, std::int32_t seed2),
            "RKKIJJ", "Samples, Correlation, Algorithm, Random seed1, Random seed2",
            "Reorders each column of a sample so that the columns' rank correlation approaches a target matrix "
            "(Iman-Conover)")
ZQ_FUNCTION(Companion, ZqSobol, (Zq::Addin::WholeNumber size, Zq::Addin::WholeNumber dimensions, std::int32_t skip),
            "RIIJ", "Size, Dimensions, Skip",
            "Returns Size points of the Sobol sequence after Skip (Joe and Kuo's direction numbers), one row a point")
ZQ_FUNCTION(Companion, ZqSpearman, (const Zq::Addin::ArrayArgument* data),
            "RK", "Data set",
            "Returns Spearman's rank correlation of every pair of columns of a table (average ranks for ties)")
ZQ_FUNCTION(Companion, ZqKendall, (const Zq::Addin::ArrayArgument* data),
            "RK", "Data set",
            "Returns Kendall's tau-b of every pair of columns of a table (ties corrected)")

#undef ZQ_NORM_PARETO_PARAMETERS
#undef ZQ_NORM_PARETO_NAMES
#undef ZQ_RANDOM_TAIL
