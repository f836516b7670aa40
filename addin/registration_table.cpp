// The registration table: one row per registered worksheet function, each
// field a counted string (length byte first, terminating zero not counted),
// in the order of xlfRegister's arguments after the module name.
#include "addin/registration.h"

namespace Zq::Addin {
namespace {

// Strings shared by every row.
char kZqRand[] = "\x06" "ZqRand";
char kEmpty[] = "\x00";

#define ZQ_TEXT(literal) const_cast<char*>(literal)
#define ZQ_ROW(procedure, typeText, functionText, argumentText, help)                                  \
  {                                                                                                     \
    ZQ_TEXT(procedure), ZQ_TEXT(typeText), ZQ_TEXT(functionText), ZQ_TEXT(argumentText), ZQ_TEXT("\x01" "1"), \
        kZqRand, kEmpty, kEmpty, ZQ_TEXT(help)                                                          \
  }

}  // namespace

const RegistrationRow RegistrationTable[kRegisteredFunctionCount + 1] = {
    {kZqRand, ZQ_TEXT("\x05" "RIIJJ"), ZQ_TEXT("\x06" "ZQRAND"), ZQ_TEXT("\x2B" "Size, Algorithm, Random seed1, Random seed2"), ZQ_TEXT("\x01" "1"), kZqRand, kEmpty, kEmpty, ZQ_TEXT("\x31" "Returns uniform pseudo random number(s) in (0, 1)")},
    ZQ_ROW("\x0A" "ZqRandBeta", "\x07" "RIBBIJJ", "\x0A" "ZQRANDBETA", "\x38" "Size, Alpha, Beta, Algorithm, Random seed1, Random seed2", "\x24" "Returns beta pseudo random number(s)"),
    ZQ_ROW("\x0C" "ZqRandGumbel", "\x07" "RIBBIJJ", "\x0C" "ZQRANDGUMBEL", "\x38" "Size, Alpha, Beta, Algorithm, Random seed1, Random seed2", "\x26" "Returns Gumbel pseudo random number(s)"),
    ZQ_ROW("\x0F" "ZqRandJohnsonSU", "\x0C" "RIBBBBIJJAAA", "\x0F" "ZQRANDJOHNSONSU", "\x76" "Size, Gamma, Delta, Lambda, Xi, Algorithm, Random seed1, Random seed2, Use invert func, Use antithetic, Use resampling", "\x2A" "Returns Johnson SU pseudo random number(s)"),
    ZQ_ROW("\x0E" "ZqRandLogistic", "\x07" "RIBBIJJ", "\x0E" "ZQRANDLOGISTIC", "\x31" "Size, M, B, Algorithm, Random seed1, Random seed2", "\x28" "Returns logistic pseudo random number(s)"),
    ZQ_ROW("\x0D" "ZqRandLogNorm", "\x07" "RIBBIJJ", "\x0D" "ZQRANDLOGNORM", "\x31" "Size, M, S, Algorithm, Random seed1, Random seed2", "\x2A" "Returns log-normal pseudo random number(s)"),
    ZQ_ROW("\x0F" "ZqRandMultiNorm", "\x0A" "RIKKIJJAAA", "\x0F" "ZQRANDMULTINORM", "\x67" "Size, Cov, Mean, Algorithm, Random seed1, Random seed2, Use invert func, Use antithetic, Use resampling", "\x33" "Returns multivariate normal pseudo random number(s)"),
    ZQ_ROW("\x0A" "ZqRandNorm", "\x08" "RIIJJAAA", "\x0A" "ZQRANDNORM", "\x5C" "Size, Algorithm, Random seed1, Random seed2, Use invert func, Use antithetic, Use resampling", "\x2F" "Returns standard normal pseudo random number(s)"),
    ZQ_ROW("\x0D" "ZqRandPoisson", "\x06" "RIBIJJ", "\x0D" "ZQRANDPOISSON", "\x31" "Size, Mean, Algorithm, Random seed1, Random seed2", "\x27" "Returns Poisson pseudo random number(s)"),
    ZQ_ROW("\x10" "ZqRandTriangular", "\x08" "RIBBBIJJ", "\x10" "ZQRANDTRIANGULAR", "\x3B" "Size, Min, Max, Mode, Algorithm, Random seed1, Random seed2", "\x2A" "Returns triangular pseudo random number(s)"),
    ZQ_ROW("\x0F" "ZqRandTruncNorm", "\x09" "RIBBBBIJJ", "\x0F" "ZQRANDTRUNCNORM", "\x40" "Size, Min, Max, Mu, Sigma, Algorithm, Random seed1, Random seed2", "\x30" "Returns truncated normal pseudo random number(s)"),
    ZQ_ROW("\x0D" "ZqRandWeibull", "\x07" "RIBBIJJ", "\x0D" "ZQRANDWEIBULL", "\x38" "Size, Alpha, Beta, Algorithm, Random seed1, Random seed2", "\x27" "Returns Weibull pseudo random number(s)"),
    ZQ_ROW("\x0C" "ZqBiNormDist", "\x05" "RBBBA", "\x0C" "ZQBINORMDIST", "\x18" "X1, X2, Corr, Cumulative", "\x29" "Returns the bivariate normal distribution"),
    ZQ_ROW("\x0A" "ZqBetaDist", "\x05" "RBBBA", "\x0A" "ZQBETADIST", "\x1A" "x, Alpha, Beta, Cumulative", "\x3C" "Returns the beta distribution for the specified parameter(s)"),
    ZQ_ROW("\x0A" "ZqBetaKurt", "\x03" "RBB", "\x0A" "ZQBETAKURT", "\x0B" "Alpha, Beta", "\x25" "Returns kurtosis of beta distribution"),
    ZQ_ROW("\x0A" "ZqBetaMean", "\x03" "RBB", "\x0A" "ZQBETAMEAN", "\x0B" "Alpha, Beta", "\x21" "Returns mean of beta distribution"),
    ZQ_ROW("\x09" "ZqBetaMom", "\x03" "RBB", "\x09" "ZQBETAMOM", "\x0B" "Alpha, Beta", "\x4C" "Returns mean, standard deviation, skewness and kurtosis of beta distribution"),
    ZQ_ROW("\x0B" "ZqBetaParam", "\x03" "RBB", "\x0B" "ZQBETAPARAM", "\x0B" "Mean, Stdev", "\x32" "Returns parameter(s) in beta distribution function"),
    ZQ_ROW("\x0A" "ZqBetaSkew", "\x03" "RBB", "\x0A" "ZQBETASKEW", "\x0B" "Alpha, Beta", "\x25" "Returns skewness of beta distribution"),
    ZQ_ROW("\x0B" "ZqBetaStdev", "\x03" "RBB", "\x0B" "ZQBETASTDEV", "\x0B" "Alpha, Beta", "\x2F" "Returns standard deviation of beta distribution"),
    ZQ_ROW("\x0C" "ZqGumbelDist", "\x05" "RBBBA", "\x0C" "ZQGUMBELDIST", "\x1A" "x, Alpha, Beta, Cumulative", "\x3E" "Returns the Gumbel distribution for the specified parameter(s)"),
    ZQ_ROW("\x0B" "ZqGumbelInv", "\x04" "RBBB", "\x0B" "ZQGUMBELINV", "\x11" "prob, Alpha, Beta", "\x39" "Returns the inverse of the Gumbel cumulative distribution"),
    ZQ_ROW("\x0C" "ZqGumbelKurt", "\x01" "R", "\x0C" "ZQGUMBELKURT", kEmpty, "\x27" "Returns kurtosis of Gumbel distribution"),
    ZQ_ROW("\x0C" "ZqGumbelMean", "\x03" "RBB", "\x0C" "ZQGUMBELMEAN", "\x0B" "Alpha, Beta", "\x23" "Returns mean of Gumbel distribution"),
    ZQ_ROW("\x0B" "ZqGumbelMom", "\x03" "RBB", "\x0B" "ZQGUMBELMOM", "\x0B" "Alpha, Beta", "\x4E" "Returns mean, standard deviation, skewness and kurtosis of Gumbel distribution"),
    ZQ_ROW("\x0D" "ZqGumbelParam", "\x03" "RBB", "\x0D" "ZQGUMBELPARAM", "\x0B" "Mean, Stdev", "\x34" "Returns parameter(s) in Gumbel distribution function"),
    ZQ_ROW("\x0C" "ZqGumbelSkew", "\x01" "R", "\x0C" "ZQGUMBELSKEW", kEmpty, "\x27" "Returns skewness of Gumbel distribution"),
    ZQ_ROW("\x0D" "ZqGumbelStdev", "\x02" "RB", "\x0D" "ZQGUMBELSTDEV", "\x04" "Beta", "\x31" "Returns standard deviation of Gumbel distribution"),
    ZQ_ROW("\x0F" "ZqJohnsonSUDist", "\x07" "RBBBBBA", "\x0F" "ZQJOHNSONSUDIST", "\x27" "x, Gamma, Delta, Lambda, Xi, Cumulative", "\x42" "Returns the Johnson SU distribution for the specified parameter(s)"),
    ZQ_ROW("\x0E" "ZqJohnsonSUInv", "\x06" "RBBBBB", "\x0E" "ZQJOHNSONSUINV", "\x1E" "prob, Gamma, Delta, Lambda, Xi", "\x3D" "Returns the inverse of the Johnson SU cumulative distribution"),
    ZQ_ROW("\x0F" "ZqJohnsonSUKurt", "\x05" "RBBBB", "\x0F" "ZQJOHNSONSUKURT", "\x18" "Gamma, Delta, Lambda, Xi", "\x2B" "Returns kurtosis of Johnson SU distribution"),
    ZQ_ROW("\x0F" "ZqJohnsonSUMean", "\x05" "RBBBB", "\x0F" "ZQJOHNSONSUMEAN", "\x18" "Gamma, Delta, Lambda, Xi", "\x27" "Returns mean of Johnson SU distribution"),
    ZQ_ROW("\x0E" "ZqJohnsonSUMom", "\x05" "RBBBB", "\x0E" "ZQJOHNSONSUMOM", "\x18" "Gamma, Delta, Lambda, Xi", "\x52" "Returns mean, standard deviation, skewness and kurtosis of Johnson SU distribution"),
    ZQ_ROW("\x10" "ZqJohnsonSUParam", "\x05" "RBBBB", "\x10" "ZQJOHNSONSUPARAM", "\x17" "Mean, Stdev, Skew, Kurt", "\x38" "Returns parameter(s) in Johnson SU distribution function"),
    ZQ_ROW("\x0F" "ZqJohnsonSUSkew", "\x05" "RBBBB", "\x0F" "ZQJOHNSONSUSKEW", "\x18" "Gamma, Delta, Lambda, Xi", "\x2B" "Returns skewness of Johnson SU distribution"),
    ZQ_ROW("\x10" "ZqJohnsonSUStdev", "\x05" "RBBBB", "\x10" "ZQJOHNSONSUSTDEV", "\x18" "Gamma, Delta, Lambda, Xi", "\x35" "Returns standard deviation of Johnson SU distribution"),
    ZQ_ROW("\x0E" "ZqLogisticDist", "\x05" "RBBBA", "\x0E" "ZQLOGISTICDIST", "\x13" "x, M, B, Cumulative", "\x40" "Returns the logistic distribution for the specified parameter(s)"),
    ZQ_ROW("\x0D" "ZqLogisticInv", "\x04" "RBBB", "\x0D" "ZQLOGISTICINV", "\x0A" "prob, M, B", "\x3B" "Returns the inverse of the logistic cumulative distribution"),
    ZQ_ROW("\x0E" "ZqLogisticKurt", "\x01" "R", "\x0E" "ZQLOGISTICKURT", kEmpty, "\x29" "Returns kurtosis of logistic distribution"),
    ZQ_ROW("\x0E" "ZqLogisticMean", "\x02" "RB", "\x0E" "ZQLOGISTICMEAN", "\x01" "M", "\x25" "Returns mean of logistic distribution"),
    ZQ_ROW("\x0D" "ZqLogisticMom", "\x03" "RBB", "\x0D" "ZQLOGISTICMOM", "\x04" "M, B", "\x50" "Returns mean, standard deviation, skewness and kurtosis of logistic distribution"),
    ZQ_ROW("\x0F" "ZqLogisticParam", "\x03" "RBB", "\x0F" "ZQLOGISTICPARAM", "\x0B" "Mean, Stdev", "\x36" "Returns parameter(s) in logistic distribution function"),
    ZQ_ROW("\x0E" "ZqLogisticSkew", "\x01" "R", "\x0E" "ZQLOGISTICSKEW", kEmpty, "\x29" "Returns skewness of logistic distribution"),
    ZQ_ROW("\x0F" "ZqLogisticStdev", "\x02" "RB", "\x0F" "ZQLOGISTICSTDEV", "\x01" "B", "\x33" "Returns standard deviation of logistic distribution"),
    ZQ_ROW("\x0D" "ZqLogNormDist", "\x05" "RBBBA", "\x0D" "ZQLOGNORMDIST", "\x13" "x, M, S, Cumulative", "\x42" "Returns the log-normal distribution for the specified parameter(s)"),
    ZQ_ROW("\x0C" "ZqLogNormInv", "\x04" "RBBB", "\x0C" "ZQLOGNORMINV", "\x0A" "prob, M, S", "\x3D" "Returns the inverse of the log-normal cumulative distribution"),
    ZQ_ROW("\x0D" "ZqLogNormKurt", "\x02" "RB", "\x0D" "ZQLOGNORMKURT", "\x01" "S", "\x2B" "Returns kurtosis of log-normal distribution"),
    ZQ_ROW("\x0D" "ZqLogNormMean", "\x03" "RBB", "\x0D" "ZQLOGNORMMEAN", "\x04" "M, S", "\x27" "Returns mean of log-normal distribution"),
    ZQ_ROW("\x0C" "ZqLogNormMom", "\x03" "RBB", "\x0C" "ZQLOGNORMMOM", "\x04" "M, S", "\x52" "Returns mean, standard deviation, skewness and kurtosis of log-normal distribution"),
    ZQ_ROW("\x0E" "ZqLogNormParam", "\x03" "RBB", "\x0E" "ZQLOGNORMPARAM", "\x0B" "Mean, Stdev", "\x38" "Returns parameter(s) in log-normal distribution function"),
    ZQ_ROW("\x0D" "ZqLogNormSkew", "\x02" "RB", "\x0D" "ZQLOGNORMSKEW", "\x01" "S", "\x2B" "Returns skewness of log-normal distribution"),
    ZQ_ROW("\x0E" "ZqLogNormStdev", "\x03" "RBB", "\x0E" "ZQLOGNORMSTDEV", "\x04" "M, S", "\x35" "Returns standard deviation of log-normal distribution"),
    ZQ_ROW("\x0A" "ZqNormDist", "\x03" "RBA", "\x0A" "ZQNORMDIST", "\x0D" "x, Cumulative", "\x47" "Returns the standard normal distribution for the specified parameter(s)"),
    ZQ_ROW("\x09" "ZqNormInv", "\x02" "RB", "\x09" "ZQNORMINV", "\x04" "prob", "\x42" "Returns the inverse of the standard normal cumulative distribution"),
    ZQ_ROW("\x0D" "ZqPoissonDist", "\x04" "RJBA", "\x0D" "ZQPOISSONDIST", "\x13" "k, Mean, Cumulative", "\x3F" "Returns the Poisson distribution for the specified parameter(s)"),
    ZQ_ROW("\x0D" "ZqPoissonKurt", "\x02" "RB", "\x0D" "ZQPOISSONKURT", "\x04" "Mean", "\x28" "Returns kurtosis of Poisson distribution"),
    ZQ_ROW("\x0D" "ZqPoissonMean", "\x02" "RB", "\x0D" "ZQPOISSONMEAN", "\x04" "Mean", "\x24" "Returns mean of Poisson distribution"),
    ZQ_ROW("\x0C" "ZqPoissonMom", "\x02" "RB", "\x0C" "ZQPOISSONMOM", "\x04" "Mean", "\x4F" "Returns mean, standard deviation, skewness and kurtosis of Poisson distribution"),
    ZQ_ROW("\x0D" "ZqPoissonSkew", "\x02" "RB", "\x0D" "ZQPOISSONSKEW", "\x04" "Mean", "\x28" "Returns skewness of Poisson distribution"),
    ZQ_ROW("\x0E" "ZqPoissonStdev", "\x02" "RB", "\x0E" "ZQPOISSONSTDEV", "\x04" "Mean", "\x32" "Returns standard deviation of Poisson distribution"),
    ZQ_ROW("\x10" "ZqTriangularDist", "\x06" "RBBBBA", "\x10" "ZQTRIANGULARDIST", "\x1D" "x, Min, Max, Mode, Cumulative", "\x42" "Returns the triangular distribution for the specified parameter(s)"),
    ZQ_ROW("\x0F" "ZqTriangularInv", "\x05" "RBBBB", "\x0F" "ZQTRIANGULARINV", "\x14" "prob, Min, Max, Mode", "\x3D" "Returns the inverse of the triangular cumulative distribution"),
    ZQ_ROW("\x10" "ZqTriangularMean", "\x04" "RBBB", "\x10" "ZQTRIANGULARMEAN", "\x0E" "Min, Max, Mode", "\x27" "Returns mean of triangular distribution"),
    ZQ_ROW("\x11" "ZqTriangularStdev", "\x04" "RBBB", "\x11" "ZQTRIANGULARSTDEV", "\x0E" "Min, Max, Mode", "\x35" "Returns standard deviation of triangular distribution"),
    ZQ_ROW("\x10" "ZqTriangularSkew", "\x04" "RBBB", "\x10" "ZQTRIANGULARSKEW", "\x0E" "Min, Max, Mode", "\x2B" "Returns skewness of triangular distribution"),
    ZQ_ROW("\x10" "ZqTriangularKurt", "\x01" "R", "\x10" "ZQTRIANGULARKURT", kEmpty, "\x2B" "Returns kurtosis of triangular distribution"),
    ZQ_ROW("\x0F" "ZqTriangularMom", "\x04" "RBBB", "\x0F" "ZQTRIANGULARMOM", "\x0E" "Min, Max, Mode", "\x52" "Returns mean, standard deviation, skewness and kurtosis of triangular distribution"),
    ZQ_ROW("\x11" "ZqTriangularParam", "\x04" "RBBB", "\x11" "ZQTRIANGULARPARAM", "\x11" "Mean, Stdev, Skew", "\x38" "Returns parameter(s) in triangular distribution function"),
    ZQ_ROW("\x0F" "ZqTruncNormDist", "\x07" "RBBBBBA", "\x0F" "ZQTRUNCNORMDIST", "\x22" "x, Min, Max, Mu, Sigma, Cumulative", "\x48" "Returns the truncated normal distribution for the specified parameter(s)"),
    ZQ_ROW("\x0E" "ZqTruncNormInv", "\x06" "RBBBBB", "\x0E" "ZQTRUNCNORMINV", "\x19" "prob, Min, Max, Mu, Sigma", "\x43" "Returns the inverse of the truncated normal cumulative distribution"),
    ZQ_ROW("\x0F" "ZqTruncNormMean", "\x05" "RBBBB", "\x0F" "ZQTRUNCNORMMEAN", "\x13" "Min, Max, Mu, Sigma", "\x2D" "Returns mean of truncated normal distribution"),
    ZQ_ROW("\x10" "ZqTruncNormStdev", "\x05" "RBBBB", "\x10" "ZQTRUNCNORMSTDEV", "\x13" "Min, Max, Mu, Sigma", "\x3B" "Returns standard deviation of truncated normal distribution"),
    ZQ_ROW("\x0F" "ZqTruncNormSkew", "\x05" "RBBBB", "\x0F" "ZQTRUNCNORMSKEW", "\x13" "Min, Max, Mu, Sigma", "\x31" "Returns skewness of truncated normal distribution"),
    ZQ_ROW("\x0F" "ZqTruncNormKurt", "\x05" "RBBBB", "\x0F" "ZQTRUNCNORMKURT", "\x13" "Min, Max, Mu, Sigma", "\x31" "Returns kurtosis of truncated normal distribution"),
    ZQ_ROW("\x0E" "ZqTruncNormMom", "\x05" "RBBBB", "\x0E" "ZQTRUNCNORMMOM", "\x13" "Min, Max, Mu, Sigma", "\x58" "Returns mean, standard deviation, skewness and kurtosis of truncated normal distribution"),
    ZQ_ROW("\x10" "ZqTruncNormParam", "\x05" "RBBBB", "\x10" "ZQTRUNCNORMPARAM", "\x15" "Min, Max, Mean, Stdev", "\x3E" "Returns parameter(s) in truncated normal distribution function"),
    ZQ_ROW("\x0D" "ZqWeibullDist", "\x05" "RBBBA", "\x0D" "ZQWEIBULLDIST", "\x19" "x, Phi, Gamma, Cumulative", "\x3F" "Returns the Weibull distribution for the specified parameter(s)"),
    ZQ_ROW("\x0C" "ZqWeibullInv", "\x04" "RBBB", "\x0C" "ZQWEIBULLINV", "\x11" "prob, Alpha, Beta", "\x3A" "Returns the inverse of the Weibull cumulative distribution"),
    ZQ_ROW("\x0D" "ZqWeibullKurt", "\x03" "RBB", "\x0D" "ZQWEIBULLKURT", "\x0B" "Alpha, Beta", "\x28" "Returns kurtosis of Weibull distribution"),
    ZQ_ROW("\x0D" "ZqWeibullMean", "\x03" "RBB", "\x0D" "ZQWEIBULLMEAN", "\x0B" "Alpha, Beta", "\x24" "Returns mean of Weibull distribution"),
    ZQ_ROW("\x0C" "ZqWeibullMom", "\x03" "RBB", "\x0C" "ZQWEIBULLMOM", "\x0B" "Alpha, Beta", "\x4F" "Returns mean, standard deviation, skewness and kurtosis of Weibull distribution"),
    ZQ_ROW("\x0E" "ZqWeibullParam", "\x03" "RBB", "\x0E" "ZQWEIBULLPARAM", "\x0B" "Mean, Stdev", "\x35" "Returns parameter(s) in Weibull distribution function"),
    ZQ_ROW("\x0D" "ZqWeibullSkew", "\x03" "RBB", "\x0D" "ZQWEIBULLSKEW", "\x0B" "Alpha, Beta", "\x28" "Returns skewness of Weibull distribution"),
    ZQ_ROW("\x0E" "ZqWeibullStdev", "\x03" "RBB", "\x0E" "ZQWEIBULLSTDEV", "\x0B" "Alpha, Beta", "\x32" "Returns standard deviation of Weibull distribution"),
    ZQ_ROW("\x0D" "ZqMultiCorrel", "\x04" "RKAA", "\x0D" "ZQMULTICORREL", "\x1F" "Data set, Calc mean, Calc stdev", "\x26" "Get mean, stdev, and covariance matrix"),
    ZQ_ROW("\x0D" "ZqMultiCovarp", "\x03" "RKA", "\x0D" "ZQMULTICOVARP", "\x13" "Data set, Calc mean", "\x1E" "Get mean and covariance matrix"),
    ZQ_ROW("\x09" "ZqCor2Cov", "\x03" "RKK", "\x09" "ZQCOR2COV", "\x20" "Stdev vector, Correlation matrix", "\x40" "Convert stdev vector and correlation matrix to covariance matrix"),
    ZQ_ROW("\x09" "ZqCov2Cor", "\x03" "RKA", "\x09" "ZQCOV2COR", "\x24" "Covariance matrix, Calc stdev vector", "\x40" "Convert covariance matrix to stdev vector and correlation matrix"),
    {nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
};

}  // namespace Zq::Addin
