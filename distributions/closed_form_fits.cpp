// The fits whose moment equations invert in closed form.
#include <cmath>

#include "distributions/distribution_basics.h"
#include "distributions/parameter_fits.h"

namespace Zq::Math {

namespace {
constexpr double kEulerGamma = 0.57721566490153;
}  // namespace

bool BetaParam(double mean, double stdev, double& alpha, double& beta) {
  if (mean <= 0 || mean >= 1 || stdev <= 0 || mean * (1 - mean) <= stdev * stdev) return false;
  const double t = mean * (1 - mean) / (stdev * stdev) - 1;
  alpha = mean * t;
  beta = (1 - mean) * t;
  return true;
}

bool GumbelParam(double mean, double stdev, double& alpha, double& beta) {
  if (stdev <= 0) return false;
  beta = stdev * std::sqrt(6.0) / kTruncatedPi;
  alpha = mean - kEulerGamma * beta;
  return std::isfinite(alpha) && std::isfinite(beta) && beta > 0;
}

bool LogisticParam(double mean, double stdev, double& m, double& b) {
  if (stdev <= 0) return false;
  m = mean;
  b = stdev * std::sqrt(3.0) / kTruncatedPi;
  return std::isfinite(m) && std::isfinite(b) && b > 0;
}

bool LogNormParam(double mean, double stdev, double& m, double& s) {
  if (stdev <= 0 || mean <= 0) return false;
  const double e = stdev * stdev / (mean * mean) + 1;
  m = std::log(mean / std::sqrt(e));
  s = std::sqrt(std::log(e));
  return true;
}

}  // namespace Zq::Math
