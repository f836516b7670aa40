// The Function Wizard's help for each argument of each worksheet function,
// one entry per function in the order of addin/worksheet_function_list.h and
// one text per name in the entry's argument text:
//
//   ZQ_ARGUMENT_HELP(Symbol, "help of argument 1", "help of argument 2", ...)
//
// A function without arguments is ZQ_ARGUMENT_HELP(Symbol). Not a header of
// its own: the includer defines ZQ_ARGUMENT_HELP. Every text is plain ASCII,
// at most 255 characters, and ends with a period (Excel cuts the last one
// short otherwise). An argument name means the same wherever it appears, so
// each shared text is written once below; where a name means something else
// in one function (the Weibull sampler's Alpha is the scale, for example),
// that function has its own text.

// The random functions' common arguments.
#define ZQ_HELP_SIZE "Number of values to return in one column, from 1 to 1048576."
#define ZQ_HELP_ALGORITHM                                                                                  \
  "Uniform engine: 0 or omitted = MT19937 with 2002 seeding, 1 = MT19937 with 1998 seeding, 2 = shuffled " \
  "congruential."
#define ZQ_HELP_SEED1 "First seed, any whole number (omitted = 0); equal seeds give equal numbers."
#define ZQ_HELP_SEED2 "Second seed, any whole number (omitted = 0); equal seeds give equal numbers."
#define ZQ_HELP_INVERT \
  "TRUE: normal values by inverting the normal distribution; FALSE or omitted: by the polar method."
#define ZQ_HELP_ANTITHETIC \
  "TRUE: each normal value drawn is followed by its negative (antithetic pairs); FALSE or omitted: no pairs."
#define ZQ_HELP_RESAMPLING \
  "TRUE: the normal values drawn are scaled to mean exactly 0 and standard deviation exactly 1 (Size 2 or more)."
#define ZQ_HELP_RANDOM_SEEDS ZQ_HELP_ALGORITHM, ZQ_HELP_SEED1, ZQ_HELP_SEED2
#define ZQ_HELP_NORMAL_OPTIONS ZQ_HELP_INVERT, ZQ_HELP_ANTITHETIC, ZQ_HELP_RESAMPLING
#define ZQ_HELP_SEEDS_AND_OPTIONS ZQ_HELP_RANDOM_SEEDS, ZQ_HELP_NORMAL_OPTIONS

// The point, probability and flag of the distribution functions.
#define ZQ_HELP_X "Value at which to evaluate the distribution."
#define ZQ_HELP_X_IN_RANGE "Value at which to evaluate the distribution, from Min to Max."
#define ZQ_HELP_Z "Standard normal value to map to the value of the same probability."
#define ZQ_HELP_PROB "Probability whose quantile is wanted, strictly between 0 and 1."
#define ZQ_HELP_CUMULATIVE "TRUE: the cumulative distribution; FALSE or omitted: the density."

// Each distribution's parameters.
#define ZQ_HELP_BETA_ALPHA "First shape parameter of the beta distribution, positive (above 1e-12)."
#define ZQ_HELP_BETA_BETA "Second shape parameter of the beta distribution, positive (above 1e-12)."
#define ZQ_HELP_GUMBEL_ALPHA "Location of the Gumbel distribution, any number."
#define ZQ_HELP_GUMBEL_BETA "Scale of the Gumbel distribution, positive (above 1e-12)."
#define ZQ_HELP_JOHNSON_SU                                                             \
  "Shape gamma of the Johnson SU distribution (shifts the normal value), any number.", \
      "Shape delta of the Johnson SU distribution, positive (above 1e-12).",           \
      "Scale lambda of the Johnson SU distribution, positive (above 1e-12).",          \
      "Location xi of the Johnson SU distribution, any number."
#define ZQ_HELP_LOGISTIC_M "Location (the mean) of the logistic distribution, any number."
#define ZQ_HELP_LOGISTIC_B "Scale of the logistic distribution, positive (above 1e-12)."
#define ZQ_HELP_LOGNORM_M "Mean of the logarithm of the log-normal variable, any number."
#define ZQ_HELP_LOGNORM_S "Standard deviation of the logarithm of the log-normal variable, positive (above 1e-12)."
#define ZQ_HELP_POISSON_MEAN "Mean (lambda) of the Poisson distribution, positive (above 1e-12)."
#define ZQ_HELP_TRIANGULAR                                                                                          \
  "Lower end of the triangular distribution, below Mode.", "Upper end of the triangular distribution, above Mode.", \
      "Most likely value of the triangular distribution, strictly between Min and Max."
#define ZQ_HELP_WINDOW \
  "Lower end of the truncation window, below Max.", "Upper end of the truncation window, above Min."
#define ZQ_HELP_TRUNC_NORM                                                          \
  ZQ_HELP_WINDOW, "Mean of the normal distribution before truncation, any number.", \
      "Standard deviation of the normal distribution before truncation, positive (above 1e-12)."
#define ZQ_HELP_WEIBULL_SHAPE "Shape of the Weibull distribution, positive (above 1e-12)."
#define ZQ_HELP_WEIBULL_SCALE "Scale of the Weibull distribution, positive (above 1e-12)."

// The targets of the moment fits.
#define ZQ_HELP_TARGET_MEAN "Target mean of the distribution, any number."
#define ZQ_HELP_TARGET_POSITIVE_MEAN "Target mean of the distribution, above 0."
#define ZQ_HELP_TARGET_STDEV "Target standard deviation, positive (above 1e-12)."

// The normal-Pareto parameters; the moment functions take only the tail
// probabilities and assume tails that join the body smoothly.
#define ZQ_HELP_PU "Upper tail probability, from 0 up to but not including 1; 0 switches the upper tail off."
#define ZQ_HELP_ALPHAU "Index (power) of the upper tail; a larger index makes a thinner tail."
#define ZQ_HELP_BETAU "Scale coefficient of the upper tail, the factor in front of its power law."
#define ZQ_HELP_PL "Lower tail probability, from 0 up to but not including 1; 0 switches the lower tail off."
#define ZQ_HELP_ALPHAL "Index (power) of the lower tail; a larger index makes a thinner tail."
#define ZQ_HELP_BETAL "Scale coefficient of the lower tail, the factor in front of its power law."
#define ZQ_HELP_BODY_MU "Location: the mean of the normal body, any number."
#define ZQ_HELP_BODY_SIGMA "Scale: the standard deviation of the normal body, positive."
#define ZQ_HELP_TAILS ZQ_HELP_PU, ZQ_HELP_ALPHAU, ZQ_HELP_BETAU, ZQ_HELP_PL, ZQ_HELP_ALPHAL, ZQ_HELP_BETAL
#define ZQ_HELP_NORM_PARETO ZQ_HELP_TAILS, ZQ_HELP_BODY_MU, ZQ_HELP_BODY_SIGMA
#define ZQ_HELP_TAIL_FIT                                                                 \
  "Sample: one row or one column of 2 values or more.",                                  \
      "Share of the sample taken as the tail, strictly between 0 and 1.",                \
      "Location that standardizes the sample; 0 with Sigma 1 fits a tail written in x.", \
      "Scale that standardizes the sample; 1 with Mu 0 fits a tail written in x."
#define ZQ_HELP_SAMPLE_SIZE "Number of values to return, from 1 to 1048576 (at most 16384 when Horizontal is TRUE)."
#define ZQ_HELP_HORIZONTAL "TRUE: the values as one row; FALSE or omitted: as one column."

// The data tables of the correlation and covariance functions.
#define ZQ_HELP_DATA_TABLE "Table of observations, one row each, one column per variable; 2 rows or more."
#define ZQ_HELP_CALC_MEAN "TRUE: a row of column means comes first; FALSE or omitted: no means."

// The option pricers.
#define ZQ_HELP_CALL_FLAG "Nonzero or TRUE: a call; 0, FALSE or omitted: a put."
#define ZQ_HELP_STRIKE "Strike price at which the option is exercised, above 0."
#define ZQ_HELP_EXPIRY "Time to expiry in years, 0 or more (0 gives the value at expiry)."
#define ZQ_HELP_VOLATILITY \
  "Volatility per year, positive; with Output 7, the option price whose implied volatility is wanted."
#define ZQ_HELP_RATE "Interest rate per year, continuously compounded."
#define ZQ_HELP_OUTPUT                                                                                     \
  "What to return: 0 or omitted = value, 1 = delta, 2 = gamma, 3 = vega, 4 = dV/dT, 5 and 6 = dV/dr, 7 = " \
  "implied volatility."

ZQ_ARGUMENT_HELP(ZqRand, ZQ_HELP_SIZE, ZQ_HELP_RANDOM_SEEDS)
ZQ_ARGUMENT_HELP(ZqRandBeta, ZQ_HELP_SIZE, ZQ_HELP_BETA_ALPHA, ZQ_HELP_BETA_BETA, ZQ_HELP_RANDOM_SEEDS)
ZQ_ARGUMENT_HELP(ZqRandGumbel, ZQ_HELP_SIZE,
                 "Location of the Gumbel distribution; this sampler needs it positive (above 1e-12).",
                 ZQ_HELP_GUMBEL_BETA, ZQ_HELP_RANDOM_SEEDS)
ZQ_ARGUMENT_HELP(ZqRandJohnsonSU, ZQ_HELP_SIZE, ZQ_HELP_JOHNSON_SU, ZQ_HELP_SEEDS_AND_OPTIONS)
ZQ_ARGUMENT_HELP(ZqRandLogistic, ZQ_HELP_SIZE, ZQ_HELP_LOGISTIC_M, ZQ_HELP_LOGISTIC_B, ZQ_HELP_RANDOM_SEEDS)
ZQ_ARGUMENT_HELP(ZqRandLogNorm, ZQ_HELP_SIZE, ZQ_HELP_LOGNORM_M, ZQ_HELP_LOGNORM_S, ZQ_HELP_RANDOM_SEEDS)
ZQ_ARGUMENT_HELP(ZqRandMultiNorm, "Number of vectors to return, one per row, from 1 to 1048576.",
                 "Covariance matrix: square, with as many rows as Mean has values.",
                 "Mean vector, one row or one column; its length is the dimension of each vector.",
                 ZQ_HELP_RANDOM_SEEDS, ZQ_HELP_INVERT,
                 "TRUE: every second vector mirrors the one before it about Mean; FALSE or omitted: no pairs.",
                 "TRUE: the sample has exactly the given mean and covariance (Size above the dimension); FALSE or "
                 "omitted: not.")
ZQ_ARGUMENT_HELP(ZqRandNorm, ZQ_HELP_SIZE, ZQ_HELP_SEEDS_AND_OPTIONS)
ZQ_ARGUMENT_HELP(ZqRandPoisson, ZQ_HELP_SIZE, ZQ_HELP_POISSON_MEAN, ZQ_HELP_RANDOM_SEEDS)
ZQ_ARGUMENT_HELP(ZqRandTriangular, ZQ_HELP_SIZE, ZQ_HELP_TRIANGULAR, ZQ_HELP_RANDOM_SEEDS)
ZQ_ARGUMENT_HELP(ZqRandTruncNorm, ZQ_HELP_SIZE, ZQ_HELP_TRUNC_NORM, ZQ_HELP_RANDOM_SEEDS)
ZQ_ARGUMENT_HELP(ZqRandWeibull, ZQ_HELP_SIZE, ZQ_HELP_WEIBULL_SCALE, ZQ_HELP_WEIBULL_SHAPE, ZQ_HELP_RANDOM_SEEDS)
ZQ_ARGUMENT_HELP(ZqBiNormDist, "Value of the first standard normal variable.",
                 "Value of the second standard normal variable.", "Correlation of the two variables, from -1 to 1.",
                 ZQ_HELP_CUMULATIVE)
ZQ_ARGUMENT_HELP(ZqBetaDist, "Value at which to evaluate the distribution, from 0 to 1.", ZQ_HELP_BETA_ALPHA,
                 ZQ_HELP_BETA_BETA, ZQ_HELP_CUMULATIVE)
ZQ_ARGUMENT_HELP(ZqBetaKurt, ZQ_HELP_BETA_ALPHA, ZQ_HELP_BETA_BETA)
ZQ_ARGUMENT_HELP(ZqBetaMean, ZQ_HELP_BETA_ALPHA, ZQ_HELP_BETA_BETA)
ZQ_ARGUMENT_HELP(ZqBetaMom, ZQ_HELP_BETA_ALPHA, ZQ_HELP_BETA_BETA)
ZQ_ARGUMENT_HELP(ZqBetaParam, "Target mean of the distribution, strictly between 0 and 1.",
                 "Target standard deviation, positive; its square must be below Mean*(1-Mean).")
ZQ_ARGUMENT_HELP(ZqBetaSkew, ZQ_HELP_BETA_ALPHA, ZQ_HELP_BETA_BETA)
ZQ_ARGUMENT_HELP(ZqBetaStdev, ZQ_HELP_BETA_ALPHA, ZQ_HELP_BETA_BETA)
ZQ_ARGUMENT_HELP(ZqGumbelDist, ZQ_HELP_X, ZQ_HELP_GUMBEL_ALPHA, ZQ_HELP_GUMBEL_BETA, ZQ_HELP_CUMULATIVE)
ZQ_ARGUMENT_HELP(ZqGumbelInv, ZQ_HELP_PROB, ZQ_HELP_GUMBEL_ALPHA, ZQ_HELP_GUMBEL_BETA)
ZQ_ARGUMENT_HELP(ZqGumbelKurt)
ZQ_ARGUMENT_HELP(ZqGumbelMean, ZQ_HELP_GUMBEL_ALPHA, ZQ_HELP_GUMBEL_BETA)
ZQ_ARGUMENT_HELP(ZqGumbelMom, ZQ_HELP_GUMBEL_ALPHA, ZQ_HELP_GUMBEL_BETA)
ZQ_ARGUMENT_HELP(ZqGumbelParam, ZQ_HELP_TARGET_MEAN, ZQ_HELP_TARGET_STDEV)
ZQ_ARGUMENT_HELP(ZqGumbelSkew)
ZQ_ARGUMENT_HELP(ZqGumbelStdev, ZQ_HELP_GUMBEL_BETA)
ZQ_ARGUMENT_HELP(ZqJohnsonSUDist, ZQ_HELP_X, ZQ_HELP_JOHNSON_SU, ZQ_HELP_CUMULATIVE)
ZQ_ARGUMENT_HELP(ZqJohnsonSUInv, ZQ_HELP_PROB, ZQ_HELP_JOHNSON_SU)
ZQ_ARGUMENT_HELP(ZqJohnsonSUKurt, ZQ_HELP_JOHNSON_SU)
ZQ_ARGUMENT_HELP(ZqJohnsonSUMean, ZQ_HELP_JOHNSON_SU)
ZQ_ARGUMENT_HELP(ZqJohnsonSUMom, ZQ_HELP_JOHNSON_SU)
ZQ_ARGUMENT_HELP(ZqJohnsonSUParam, ZQ_HELP_TARGET_MEAN, ZQ_HELP_TARGET_STDEV,
                 "Target skewness; its size must stay below the log-normal limit for the given Kurt.",
                 "Target excess kurtosis (kurtosis minus 3), above 0.")
ZQ_ARGUMENT_HELP(ZqJohnsonSUSkew, ZQ_HELP_JOHNSON_SU)
ZQ_ARGUMENT_HELP(ZqJohnsonSUStdev, ZQ_HELP_JOHNSON_SU)
ZQ_ARGUMENT_HELP(ZqLogisticDist, ZQ_HELP_X, ZQ_HELP_LOGISTIC_M, ZQ_HELP_LOGISTIC_B, ZQ_HELP_CUMULATIVE)
ZQ_ARGUMENT_HELP(ZqLogisticInv, ZQ_HELP_PROB, ZQ_HELP_LOGISTIC_M, ZQ_HELP_LOGISTIC_B)
ZQ_ARGUMENT_HELP(ZqLogisticKurt)
ZQ_ARGUMENT_HELP(ZqLogisticMean, ZQ_HELP_LOGISTIC_M)
ZQ_ARGUMENT_HELP(ZqLogisticMom, ZQ_HELP_LOGISTIC_M, ZQ_HELP_LOGISTIC_B)
ZQ_ARGUMENT_HELP(ZqLogisticParam, ZQ_HELP_TARGET_MEAN, ZQ_HELP_TARGET_STDEV)
ZQ_ARGUMENT_HELP(ZqLogisticSkew)
ZQ_ARGUMENT_HELP(ZqLogisticStdev, ZQ_HELP_LOGISTIC_B)
ZQ_ARGUMENT_HELP(ZqLogNormDist, "Value at which to evaluate the distribution, above 0.", ZQ_HELP_LOGNORM_M,
                 ZQ_HELP_LOGNORM_S, ZQ_HELP_CUMULATIVE)
ZQ_ARGUMENT_HELP(ZqLogNormInv, ZQ_HELP_PROB, ZQ_HELP_LOGNORM_M, ZQ_HELP_LOGNORM_S)
ZQ_ARGUMENT_HELP(ZqLogNormKurt, ZQ_HELP_LOGNORM_S)
ZQ_ARGUMENT_HELP(ZqLogNormMean, ZQ_HELP_LOGNORM_M, ZQ_HELP_LOGNORM_S)
ZQ_ARGUMENT_HELP(ZqLogNormMom, ZQ_HELP_LOGNORM_M, ZQ_HELP_LOGNORM_S)
ZQ_ARGUMENT_HELP(ZqLogNormParam, ZQ_HELP_TARGET_POSITIVE_MEAN, ZQ_HELP_TARGET_STDEV)
ZQ_ARGUMENT_HELP(ZqLogNormSkew, ZQ_HELP_LOGNORM_S)
ZQ_ARGUMENT_HELP(ZqLogNormStdev, ZQ_HELP_LOGNORM_M, ZQ_HELP_LOGNORM_S)
ZQ_ARGUMENT_HELP(ZqNormDist, ZQ_HELP_X, ZQ_HELP_CUMULATIVE)
ZQ_ARGUMENT_HELP(ZqNormInv, ZQ_HELP_PROB)
ZQ_ARGUMENT_HELP(ZqPoissonDist, "Number of events, a whole number 0 or more.", ZQ_HELP_POISSON_MEAN,
                 "TRUE: the probability of at most k events; FALSE or omitted: of exactly k.")
ZQ_ARGUMENT_HELP(ZqPoissonKurt, ZQ_HELP_POISSON_MEAN)
ZQ_ARGUMENT_HELP(ZqPoissonMean, ZQ_HELP_POISSON_MEAN)
ZQ_ARGUMENT_HELP(ZqPoissonMom, ZQ_HELP_POISSON_MEAN)
ZQ_ARGUMENT_HELP(ZqPoissonSkew, ZQ_HELP_POISSON_MEAN)
ZQ_ARGUMENT_HELP(ZqPoissonStdev, ZQ_HELP_POISSON_MEAN)
ZQ_ARGUMENT_HELP(ZqTriangularDist, ZQ_HELP_X_IN_RANGE, ZQ_HELP_TRIANGULAR, ZQ_HELP_CUMULATIVE)
ZQ_ARGUMENT_HELP(ZqTriangularInv, ZQ_HELP_PROB, ZQ_HELP_TRIANGULAR)
ZQ_ARGUMENT_HELP(ZqTriangularMean, ZQ_HELP_TRIANGULAR)
ZQ_ARGUMENT_HELP(ZqTriangularStdev, ZQ_HELP_TRIANGULAR)
ZQ_ARGUMENT_HELP(ZqTriangularSkew, ZQ_HELP_TRIANGULAR)
ZQ_ARGUMENT_HELP(ZqTriangularKurt)
ZQ_ARGUMENT_HELP(ZqTriangularMom, ZQ_HELP_TRIANGULAR)
ZQ_ARGUMENT_HELP(ZqTriangularParam, ZQ_HELP_TARGET_MEAN, ZQ_HELP_TARGET_STDEV,
                 "Target skewness; its size must be below sqrt(0.32), about 0.566.")
ZQ_ARGUMENT_HELP(ZqTruncNormDist, ZQ_HELP_X_IN_RANGE, ZQ_HELP_TRUNC_NORM, ZQ_HELP_CUMULATIVE)
ZQ_ARGUMENT_HELP(ZqTruncNormInv, "Probability whose quantile is wanted, from 0 to 1 (0 gives Min, 1 gives Max).",
                 ZQ_HELP_TRUNC_NORM)
ZQ_ARGUMENT_HELP(ZqTruncNormMean, ZQ_HELP_TRUNC_NORM)
ZQ_ARGUMENT_HELP(ZqTruncNormStdev, ZQ_HELP_TRUNC_NORM)
ZQ_ARGUMENT_HELP(ZqTruncNormSkew, ZQ_HELP_TRUNC_NORM)
ZQ_ARGUMENT_HELP(ZqTruncNormKurt, ZQ_HELP_TRUNC_NORM)
ZQ_ARGUMENT_HELP(ZqTruncNormMom, ZQ_HELP_TRUNC_NORM)
ZQ_ARGUMENT_HELP(ZqTruncNormParam, ZQ_HELP_WINDOW, "Target mean of the distribution, between Min and Max.",
                 ZQ_HELP_TARGET_STDEV)
ZQ_ARGUMENT_HELP(ZqWeibullDist, "Value at which to evaluate the distribution, 0 or more.", ZQ_HELP_WEIBULL_SHAPE,
                 ZQ_HELP_WEIBULL_SCALE, ZQ_HELP_CUMULATIVE)
ZQ_ARGUMENT_HELP(ZqWeibullInv, "Probability whose quantile is wanted, from 0 up to but not including 1.",
                 ZQ_HELP_WEIBULL_SHAPE, ZQ_HELP_WEIBULL_SCALE)
ZQ_ARGUMENT_HELP(ZqWeibullKurt, ZQ_HELP_WEIBULL_SHAPE, ZQ_HELP_WEIBULL_SCALE)
ZQ_ARGUMENT_HELP(ZqWeibullMean, ZQ_HELP_WEIBULL_SHAPE, ZQ_HELP_WEIBULL_SCALE)
ZQ_ARGUMENT_HELP(ZqWeibullMom, ZQ_HELP_WEIBULL_SHAPE, ZQ_HELP_WEIBULL_SCALE)
ZQ_ARGUMENT_HELP(ZqWeibullParam, ZQ_HELP_TARGET_POSITIVE_MEAN, ZQ_HELP_TARGET_STDEV)
ZQ_ARGUMENT_HELP(ZqWeibullSkew, ZQ_HELP_WEIBULL_SHAPE, ZQ_HELP_WEIBULL_SCALE)
ZQ_ARGUMENT_HELP(ZqWeibullStdev, ZQ_HELP_WEIBULL_SHAPE, ZQ_HELP_WEIBULL_SCALE)
ZQ_ARGUMENT_HELP(ZqMultiCorrel, ZQ_HELP_DATA_TABLE, ZQ_HELP_CALC_MEAN,
                 "TRUE: a row of standard deviations (divisor n) comes before the matrix; FALSE or omitted: none.")
ZQ_ARGUMENT_HELP(ZqMultiCovarp, ZQ_HELP_DATA_TABLE, ZQ_HELP_CALC_MEAN)
ZQ_ARGUMENT_HELP(ZqCor2Cov, "Standard deviations, one row or one column, one for each row of the correlation matrix.",
                 "Square correlation matrix, used exactly as given.")
ZQ_ARGUMENT_HELP(ZqCov2Cor, "Square covariance matrix; every variance on its diagonal must be positive.",
                 "TRUE: a row of standard deviations comes above the correlation matrix; FALSE or omitted: none.")
ZQ_ARGUMENT_HELP(ZqJohnsonSUNormQQ, ZQ_HELP_Z, ZQ_HELP_JOHNSON_SU)
ZQ_ARGUMENT_HELP(ZqMonteCarloLFM,
                 "Square correlation matrix of the forward rates, one row each; only its lower triangle is read.",
                 "First forward rate; also the continuous rate of the final discount.",
                 "Strike rate of the payoff: each step pays the simulated rate's excess over it, if any.",
                 "Horizon in years, positive; Steps divides it into equal steps.",
                 "Number of simulated paths, a whole number 1 or more.",
                 "Number of time steps over the horizon, a whole number 1 or more.",
                 "Index of the numeraire rate, from 1 to the number of rows of the correlation matrix.",
                 "Seed of the simulation's generator, any whole number.",
                 "TRUE: normal values by Moro's inversion; FALSE or omitted: by the polar method. Scheme 1 only.",
                 "TRUE: paths come in pairs with normal values of opposite sign; FALSE or omitted: no pairs. Scheme 1 "
                 "only.",
                 "TRUE: the four results as a row; FALSE or omitted: as a column.",
                 "Generator: 0, 1 or omitted = seeded for each path, repeatable; 4 = legacy generator that carries on "
                 "from the call before.")
ZQ_ARGUMENT_HELP(ZqNormPareto, ZQ_HELP_Z, ZQ_HELP_NORM_PARETO)
ZQ_ARGUMENT_HELP(ZqNormParetoDist, ZQ_HELP_X, ZQ_HELP_NORM_PARETO)
ZQ_ARGUMENT_HELP(ZqNormParetoDistDash, ZQ_HELP_X, ZQ_HELP_NORM_PARETO)
ZQ_ARGUMENT_HELP(ZqNormParetoInv, ZQ_HELP_PROB, ZQ_HELP_NORM_PARETO)
ZQ_ARGUMENT_HELP(ZqNormParetoOrg, ZQ_HELP_Z, ZQ_HELP_NORM_PARETO)
ZQ_ARGUMENT_HELP(ZqNormParetoOrgDist, ZQ_HELP_X, ZQ_HELP_NORM_PARETO)
ZQ_ARGUMENT_HELP(ZqNormParetoOrgDistDash, ZQ_HELP_X, ZQ_HELP_NORM_PARETO)
ZQ_ARGUMENT_HELP(ZqNormParetoOrgInv, ZQ_HELP_PROB, ZQ_HELP_NORM_PARETO)
ZQ_ARGUMENT_HELP(ZqNormParetoMean, ZQ_HELP_PU, ZQ_HELP_PL, ZQ_HELP_BODY_MU, ZQ_HELP_BODY_SIGMA)
ZQ_ARGUMENT_HELP(ZqNormParetoStdev, ZQ_HELP_PU, ZQ_HELP_PL, ZQ_HELP_BODY_SIGMA)
ZQ_ARGUMENT_HELP(ZqNormParetoSkew, ZQ_HELP_PU, ZQ_HELP_PL)
ZQ_ARGUMENT_HELP(ZqNormParetoKurt, ZQ_HELP_PU, ZQ_HELP_PL)
ZQ_ARGUMENT_HELP(ZqNormParetoOrgMean, ZQ_HELP_PU, ZQ_HELP_ALPHAU, ZQ_HELP_PL, ZQ_HELP_ALPHAL, ZQ_HELP_BODY_MU,
                 ZQ_HELP_BODY_SIGMA)
ZQ_ARGUMENT_HELP(ZqNormParetoParam, ZQ_HELP_TARGET_MEAN, ZQ_HELP_TARGET_STDEV,
                 "Target skewness; the fitted distribution has this skewness, sign included.",
                 "Target excess kurtosis (kurtosis minus 3); both fitted tail indices must come out above 4.")
ZQ_ARGUMENT_HELP(ZqNormParetoUpperParam, ZQ_HELP_TAIL_FIT)
ZQ_ARGUMENT_HELP(ZqNormParetoLowerParam, ZQ_HELP_TAIL_FIT)
ZQ_ARGUMENT_HELP(ZqNormParetoMiddleParam, ZQ_HELP_TAILS)
ZQ_ARGUMENT_HELP(ZqOptionBS, ZQ_HELP_CALL_FLAG, "Spot price of the underlying asset, which pays no income.",
                 ZQ_HELP_STRIKE, ZQ_HELP_EXPIRY, ZQ_HELP_VOLATILITY, ZQ_HELP_RATE, ZQ_HELP_OUTPUT)
ZQ_ARGUMENT_HELP(ZqOptionBF, ZQ_HELP_CALL_FLAG, "Futures (or forward) price of the underlying.", ZQ_HELP_STRIKE,
                 ZQ_HELP_EXPIRY, ZQ_HELP_VOLATILITY, ZQ_HELP_RATE, ZQ_HELP_OUTPUT)
ZQ_ARGUMENT_HELP(ZqOptionGK, ZQ_HELP_CALL_FLAG, "Spot exchange rate: domestic currency per unit of foreign currency.",
                 ZQ_HELP_STRIKE, ZQ_HELP_EXPIRY, ZQ_HELP_VOLATILITY,
                 "Interest rate of the foreign currency per year, continuously compounded.",
                 "Interest rate of the domestic currency per year, continuously compounded.",
                 "What to return: 0 or omitted = value, 1 = delta, 2 = gamma, 3 = vega, 4 = dV/dT, 5 = dV/d(domestic "
                 "rate), 6 = dV/d(foreign rate), 7 = implied volatility.")
ZQ_ARGUMENT_HELP(ZqPCA, "Square symmetric matrix; only its lower triangle and diagonal are read.")
ZQ_ARGUMENT_HELP(ZqRandNormPareto, ZQ_HELP_SAMPLE_SIZE, ZQ_HELP_NORM_PARETO, ZQ_HELP_SEEDS_AND_OPTIONS,
                 ZQ_HELP_HORIZONTAL)
ZQ_ARGUMENT_HELP(ZqRandNormParetoOrg, ZQ_HELP_SAMPLE_SIZE, ZQ_HELP_NORM_PARETO, ZQ_HELP_SEEDS_AND_OPTIONS,
                 ZQ_HELP_HORIZONTAL)
ZQ_ARGUMENT_HELP(ZqRandLHS, "Number of points, one per stratum of every column, from 1 to 1048576.",
                 "Number of columns, each a Latin hypercube column of uniforms, 1 or more.", ZQ_HELP_RANDOM_SEEDS)
ZQ_ARGUMENT_HELP(ZqRankCorrel,
                 "Table of samples, one column per variable (for example columns of several samplers); more rows "
                 "than columns.",
                 "Target rank correlation: square, symmetric, unit diagonal, positive definite, one row per column "
                 "of Samples.",
                 ZQ_HELP_RANDOM_SEEDS)
ZQ_ARGUMENT_HELP(ZqSobol, "Number of points, one row each, from 1 to 1048576.",
                 "Number of coordinates of each point, one column each, from 1 to 21201.",
                 "Number of points of the sequence passed over first; 0 or omitted starts at the point 0.")
ZQ_ARGUMENT_HELP(ZqSpearman, ZQ_HELP_DATA_TABLE)
ZQ_ARGUMENT_HELP(ZqKendall, ZQ_HELP_DATA_TABLE)

#undef ZQ_HELP_SIZE
#undef ZQ_HELP_ALGORITHM
#undef ZQ_HELP_SEED1
#undef ZQ_HELP_SEED2
#undef ZQ_HELP_INVERT
#undef ZQ_HELP_ANTITHETIC
#undef ZQ_HELP_RESAMPLING
#undef ZQ_HELP_RANDOM_SEEDS
#undef ZQ_HELP_NORMAL_OPTIONS
#undef ZQ_HELP_X
#undef ZQ_HELP_X_IN_RANGE
#undef ZQ_HELP_Z
#undef ZQ_HELP_PROB
#undef ZQ_HELP_CUMULATIVE
#undef ZQ_HELP_BETA_ALPHA
#undef ZQ_HELP_BETA_BETA
#undef ZQ_HELP_GUMBEL_ALPHA
#undef ZQ_HELP_GUMBEL_BETA
#undef ZQ_HELP_JOHNSON_SU
#undef ZQ_HELP_LOGISTIC_M
#undef ZQ_HELP_LOGISTIC_B
#undef ZQ_HELP_LOGNORM_M
#undef ZQ_HELP_LOGNORM_S
#undef ZQ_HELP_POISSON_MEAN
#undef ZQ_HELP_TRIANGULAR
#undef ZQ_HELP_WINDOW
#undef ZQ_HELP_TRUNC_NORM
#undef ZQ_HELP_WEIBULL_SHAPE
#undef ZQ_HELP_WEIBULL_SCALE
#undef ZQ_HELP_TARGET_MEAN
#undef ZQ_HELP_TARGET_POSITIVE_MEAN
#undef ZQ_HELP_TARGET_STDEV
#undef ZQ_HELP_PU
#undef ZQ_HELP_ALPHAU
#undef ZQ_HELP_BETAU
#undef ZQ_HELP_PL
#undef ZQ_HELP_ALPHAL
#undef ZQ_HELP_BETAL
#undef ZQ_HELP_BODY_MU
#undef ZQ_HELP_BODY_SIGMA
#undef ZQ_HELP_TAILS
#undef ZQ_HELP_NORM_PARETO
#undef ZQ_HELP_TAIL_FIT
#undef ZQ_HELP_SAMPLE_SIZE
#undef ZQ_HELP_HORIZONTAL
#undef ZQ_HELP_DATA_TABLE
#undef ZQ_HELP_CALC_MEAN
#undef ZQ_HELP_CALL_FLAG
#undef ZQ_HELP_STRIKE
#undef ZQ_HELP_EXPIRY
#undef ZQ_HELP_VOLATILITY
#undef ZQ_HELP_RATE
#undef ZQ_HELP_OUTPUT
#undef ZQ_HELP_SEEDS_AND_OPTIONS
