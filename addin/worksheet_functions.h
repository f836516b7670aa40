// Every worksheet function of the add-in, declared once. The call frame
// includes this, so a definition that drifts from its declaration does not
// build; tests and benchmarks call the functions through it.
#pragma once

#include <cstdint>

#include "addin/xlcall.h"

// Declares an exported worksheet function with Excel's calling convention.
#define ZQ_WORKSHEET extern "C" ZQ_EXPORT LPXLOPER ZQ_CALL

// Uniform and standard normal samples.
ZQ_WORKSHEET ZqRand(short size, short algorithm, std::int32_t seed1, std::int32_t seed2);
ZQ_WORKSHEET ZqRandNorm(short size, short algorithm, std::int32_t seed1, std::int32_t seed2, short useInverse,
                        short useAntithetic, short useResampling);

// Samples of the other distributions.
ZQ_WORKSHEET ZqRandBeta(short size, double alpha, double beta, short algorithm, std::int32_t seed1, std::int32_t seed2);
ZQ_WORKSHEET ZqRandGumbel(short size, double alpha, double beta, short algorithm, std::int32_t seed1,
                          std::int32_t seed2);
ZQ_WORKSHEET ZqRandLogistic(short size, double m, double b, short algorithm, std::int32_t seed1, std::int32_t seed2);
ZQ_WORKSHEET ZqRandPoisson(short size, double mean, short algorithm, std::int32_t seed1, std::int32_t seed2);
ZQ_WORKSHEET ZqRandTriangular(short size, double min, double max, double mode, short algorithm, std::int32_t seed1,
                              std::int32_t seed2);
ZQ_WORKSHEET ZqRandWeibull(short size, double alpha, double beta, short algorithm, std::int32_t seed1,
                           std::int32_t seed2);
ZQ_WORKSHEET ZqRandLogNorm(short size, double m, double s, short algorithm, std::int32_t seed1, std::int32_t seed2);
ZQ_WORKSHEET ZqRandJohnsonSU(short size, double gamma, double delta, double lambda, double xi, short algorithm,
                             std::int32_t seed1, std::int32_t seed2, short invert, short antithetic, short resampling);
ZQ_WORKSHEET ZqRandNormPareto(short size, double pU, double alphaU, double betaU, double pL, double alphaL,
                              double betaL, double mu, double sigma, short algorithm, std::int32_t seed1,
                              std::int32_t seed2, short invert, short antithetic, short resampling, short horizontal);
ZQ_WORKSHEET ZqRandNormParetoOrg(short size, double pU, double alphaU, double betaU, double pL, double alphaL,
                                 double betaL, double mu, double sigma, short algorithm, std::int32_t seed1,
                                 std::int32_t seed2, short invert, short antithetic, short resampling,
                                 short horizontal);
ZQ_WORKSHEET ZqRandTruncNorm(short size, double min, double max, double mu, double sigma, short algorithm,
                             std::int32_t seed1, std::int32_t seed2);
ZQ_WORKSHEET ZqRandMultiNorm(short size, const FP* cov, const FP* mean, short algorithm, std::int32_t seed1,
                             std::int32_t seed2, short useInverse, short useAntithetic, short useResampling);

// The normal and bivariate normal distributions.
ZQ_WORKSHEET ZqNormDist(double x, short cumulative);
ZQ_WORKSHEET ZqNormInv(double prob);
ZQ_WORKSHEET ZqBiNormDist(double x1, double x2, double corr, short cumulative);

// Density, cumulative, quantile and moments of each distribution.
ZQ_WORKSHEET ZqBetaDist(double x, double alpha, double beta, short cumulative);
ZQ_WORKSHEET ZqBetaMean(double alpha, double beta);
ZQ_WORKSHEET ZqBetaStdev(double alpha, double beta);
ZQ_WORKSHEET ZqBetaSkew(double alpha, double beta);
ZQ_WORKSHEET ZqBetaKurt(double alpha, double beta);
ZQ_WORKSHEET ZqBetaMom(double alpha, double beta);
ZQ_WORKSHEET ZqGumbelDist(double x, double alpha, double beta, short cumulative);
ZQ_WORKSHEET ZqGumbelInv(double prob, double alpha, double beta);
ZQ_WORKSHEET ZqGumbelMean(double alpha, double beta);
ZQ_WORKSHEET ZqGumbelStdev(double beta);
ZQ_WORKSHEET ZqGumbelSkew();
ZQ_WORKSHEET ZqGumbelKurt();
ZQ_WORKSHEET ZqGumbelMom(double alpha, double beta);
ZQ_WORKSHEET ZqJohnsonSUDist(double x, double gamma, double delta, double lambda, double xi, short cumulative);
ZQ_WORKSHEET ZqJohnsonSUInv(double prob, double gamma, double delta, double lambda, double xi);
ZQ_WORKSHEET ZqJohnsonSUNormQQ(double z, double gamma, double delta, double lambda, double xi);
ZQ_WORKSHEET ZqJohnsonSUMean(double gamma, double delta, double lambda, double xi);
ZQ_WORKSHEET ZqJohnsonSUStdev(double gamma, double delta, double lambda, double xi);
ZQ_WORKSHEET ZqJohnsonSUSkew(double gamma, double delta, double lambda, double xi);
ZQ_WORKSHEET ZqJohnsonSUKurt(double gamma, double delta, double lambda, double xi);
ZQ_WORKSHEET ZqJohnsonSUMom(double gamma, double delta, double lambda, double xi);
ZQ_WORKSHEET ZqLogisticDist(double x, double m, double b, short cumulative);
ZQ_WORKSHEET ZqLogisticInv(double prob, double m, double b);
ZQ_WORKSHEET ZqLogisticMean(double m);
ZQ_WORKSHEET ZqLogisticStdev(double b);
ZQ_WORKSHEET ZqLogisticSkew();
ZQ_WORKSHEET ZqLogisticKurt();
ZQ_WORKSHEET ZqLogisticMom(double m, double b);
ZQ_WORKSHEET ZqLogNormDist(double x, double m, double s, short cumulative);
ZQ_WORKSHEET ZqLogNormInv(double prob, double m, double s);
ZQ_WORKSHEET ZqLogNormMean(double m, double s);
ZQ_WORKSHEET ZqLogNormStdev(double m, double s);
ZQ_WORKSHEET ZqLogNormSkew(double s);
ZQ_WORKSHEET ZqLogNormKurt(double s);
ZQ_WORKSHEET ZqLogNormMom(double m, double s);
ZQ_WORKSHEET ZqPoissonDist(std::int32_t k, double lambda, short cumulative);
ZQ_WORKSHEET ZqPoissonMean(double lambda);
ZQ_WORKSHEET ZqPoissonStdev(double lambda);
ZQ_WORKSHEET ZqPoissonSkew(double lambda);
ZQ_WORKSHEET ZqPoissonKurt(double lambda);
ZQ_WORKSHEET ZqPoissonMom(double lambda);
ZQ_WORKSHEET ZqTriangularDist(double x, double a, double b, double c, short cumulative);
ZQ_WORKSHEET ZqTriangularInv(double prob, double a, double b, double c);
ZQ_WORKSHEET ZqTriangularMean(double a, double b, double c);
ZQ_WORKSHEET ZqTriangularStdev(double a, double b, double c);
ZQ_WORKSHEET ZqTriangularSkew(double a, double b, double c);
ZQ_WORKSHEET ZqTriangularKurt();
ZQ_WORKSHEET ZqTriangularMom(double a, double b, double c);
ZQ_WORKSHEET ZqTruncNormDist(double x, double a, double b, double mu, double sigma, short cumulative);
ZQ_WORKSHEET ZqTruncNormInv(double prob, double a, double b, double mu, double sigma);
ZQ_WORKSHEET ZqTruncNormMean(double a, double b, double mu, double sigma);
ZQ_WORKSHEET ZqTruncNormStdev(double a, double b, double mu, double sigma);
ZQ_WORKSHEET ZqTruncNormSkew(double a, double b, double mu, double sigma);
ZQ_WORKSHEET ZqTruncNormKurt(double a, double b, double mu, double sigma);
ZQ_WORKSHEET ZqTruncNormMom(double a, double b, double mu, double sigma);
ZQ_WORKSHEET ZqWeibullDist(double x, double phi, double gamma, short cumulative);
ZQ_WORKSHEET ZqWeibullInv(double prob, double alpha, double beta);
ZQ_WORKSHEET ZqWeibullMean(double alpha, double beta);
ZQ_WORKSHEET ZqWeibullStdev(double alpha, double beta);
ZQ_WORKSHEET ZqWeibullSkew(double alpha, double beta);
ZQ_WORKSHEET ZqWeibullKurt(double alpha, double beta);
ZQ_WORKSHEET ZqWeibullMom(double alpha, double beta);

// The normal-Pareto distributions and their fits.
ZQ_WORKSHEET ZqNormParetoDist(double x, double pU, double alphaU, double betaU, double pL, double alphaL, double betaL,
                              double mu, double sigma);
ZQ_WORKSHEET ZqNormParetoDistDash(double x, double pU, double alphaU, double betaU, double pL, double alphaL,
                                  double betaL, double mu, double sigma);
ZQ_WORKSHEET ZqNormPareto(double x, double pU, double alphaU, double betaU, double pL, double alphaL, double betaL,
                          double mu, double sigma);
ZQ_WORKSHEET ZqNormParetoOrgDist(double x, double pU, double alphaU, double betaU, double pL, double alphaL,
                                 double betaL, double mu, double sigma);
ZQ_WORKSHEET ZqNormParetoOrgDistDash(double x, double pU, double alphaU, double betaU, double pL, double alphaL,
                                     double betaL, double mu, double sigma);
ZQ_WORKSHEET ZqNormParetoOrg(double x, double pU, double alphaU, double betaU, double pL, double alphaL, double betaL,
                             double mu, double sigma);
ZQ_WORKSHEET ZqNormParetoInv(double p, double pU, double alphaU, double betaU, double pL, double alphaL, double betaL,
                             double mu, double sigma);
ZQ_WORKSHEET ZqNormParetoOrgInv(double p, double pU, double alphaU, double betaU, double pL, double alphaL,
                                double betaL, double mu, double sigma);
ZQ_WORKSHEET ZqNormParetoMean(double pU, double pL, double mu, double sigma);
ZQ_WORKSHEET ZqNormParetoStdev(double pU, double pL, double sigma);
ZQ_WORKSHEET ZqNormParetoSkew(double pU, double pL);
ZQ_WORKSHEET ZqNormParetoKurt(double pU, double pL);
ZQ_WORKSHEET ZqNormParetoOrgMean(double pU, double alphaU, double pL, double alphaL, double mu, double sigma);
ZQ_WORKSHEET ZqNormParetoParam(double mean, double sd, double skew, double exkurt);
ZQ_WORKSHEET ZqNormParetoUpperParam(const FP* data, double p, double mu, double sigma);
ZQ_WORKSHEET ZqNormParetoLowerParam(const FP* data, double p, double mu, double sigma);
ZQ_WORKSHEET ZqNormParetoMiddleParam(double pU, double alphaU, double betaU, double pL, double alphaL, double betaL);

// Parameters fitted to moments.
ZQ_WORKSHEET ZqBetaParam(double mean, double stdev);
ZQ_WORKSHEET ZqGumbelParam(double mean, double stdev);
ZQ_WORKSHEET ZqLogisticParam(double mean, double stdev);
ZQ_WORKSHEET ZqLogNormParam(double mean, double stdev);
ZQ_WORKSHEET ZqJohnsonSUParam(double mean, double stdev, double skew, double kurt);
ZQ_WORKSHEET ZqTriangularParam(double mean, double stdev, double skew);
ZQ_WORKSHEET ZqTruncNormParam(double min, double max, double mean, double stdev);
ZQ_WORKSHEET ZqWeibullParam(double mean, double stdev);

// Correlation, covariance and principal components of data tables.
ZQ_WORKSHEET ZqMultiCorrel(const FP* data, short calcMean, short calcStdev);
ZQ_WORKSHEET ZqMultiCovarp(const FP* data, short calcMean);
ZQ_WORKSHEET ZqCor2Cov(const FP* stdev, const FP* correlation);
ZQ_WORKSHEET ZqCov2Cor(const FP* covariance, short calcStdev);
ZQ_WORKSHEET ZqPCA(const FP* matrix);

// Option values and the forward-rate simulation.
ZQ_WORKSHEET ZqOptionBS(short callFlag, double spot, double strike, double expiry, double volatility, double rate,
                        short output);
ZQ_WORKSHEET ZqOptionBF(short callFlag, double forward, double strike, double expiry, double volatility, double rate,
                        short output);
ZQ_WORKSHEET ZqOptionGK(short callFlag, double spot, double strike, double expiry, double volatility,
                        double foreignRate, double domesticRate, short output);
ZQ_WORKSHEET ZqMonteCarloLFM(const FP* correlation, double initialRate, double strike, double horizon,
                             std::int32_t paths, std::int32_t steps, std::int32_t numeraire, std::int32_t seed,
                             short inversion, short antithetic, short asRow, short scheme);
