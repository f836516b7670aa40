// The fits whose moment equations invert in closed form. Each answers only
// parameters that the family's functions accept and whose moments give the
// targets back.
#include <cmath>

#include "distributions/beta.h"
#include "distributions/careful_fits.h"
#include "distributions/distribution_basics.h"
#include "distributions/fit_check.h"
#include "distributions/gumbel.h"
#include "distributions/logistic.h"
#include "distributions/lognormal.h"
#include "distributions/parameter_fits.h"

namespace Zq::Math {

namespace {
constexpr double kEulerGamma = 0.57721566490153;
}  // namespace

// Shapes at or below the floor (a mean or a spread near the edge of what a
// beta can have) are refused by the beta functions: no fit then.
bool BetaParam(double mean, double stdev, double& alpha, double& beta) {
  if (mean <= 0 || mean >= 1 || stdev <= 0 || mean * (1 - mean) <= stdev * stdev) return false;
  const double t = mean * (1 - mean) / (stdev * stdev) - 1;
  alpha = mean * t;
  beta = (1 - mean) * t;
  return IsPositive(alpha) && IsPositive(beta) && GivesBack(BetaMoments(alpha, beta), mean, stdev);
}

bool GumbelParam(double mean, double stdev, double& alpha, double& beta) {
  if (stdev <= 0) return false;
  beta = stdev * std::sqrt(6.0) / kTruncatedPi;
  alpha = mean - kEulerGamma * beta;
  return IsPositive(beta) && GivesBack(GumbelMoments(alpha, beta), mean, stdev);
}

bool LogisticParam(double mean, double stdev, double& m, double& b) {
  if (stdev <= 0) return false;
  m = mean;
  b = stdev * std::sqrt(3.0) / kTruncatedPi;
  return IsPositive(b) && GivesBack(LogisticMoments(m, b), mean, stdev);
}

// s^2/m^2 + 1 loses a small coefficient of variation to rounding and
// overflows with large moments; the logarithmic form takes over there.
bool LogNormParam(double mean, double stdev, double& m, double& s) {
  if (stdev <= 0 || mean <= 0) return false;
  const double e = stdev * stdev / (mean * mean) + 1;
  m = std::log(mean / std::sqrt(e));
  s = std::sqrt(std::log(e));
  if (IsPositive(s) && GivesBack(LogNormMoments(m, s), mean, stdev)) return true;
  return LogNormParamFromLogs(mean, stdev, m, s);
}

}  // namespace Zq::Math
