#include "distributions/fit_check.h"

#include <cmath>

namespace Zq::Math {
namespace {

// NaN anywhere fails, and so does an infinite target (its scale would
// pass any finite answer).
bool Close(double fitted, double target, double scale) {
  return std::isfinite(target) && std::fabs(fitted - target) <= kGivesBack * scale;
}

}  // namespace

bool GivesBack(const Moments& fitted, double mean, double stdev) {
  return Close(fitted.mean, mean, std::fabs(mean) + stdev) && Close(fitted.stdev, stdev, stdev);
}

bool GivesBack(const Moments& fitted, double mean, double stdev, double skew) {
  return GivesBack(fitted, mean, stdev) && Close(fitted.skew, skew, std::fabs(skew) + 1.0);
}

bool GivesBack(const Moments& fitted, double mean, double stdev, double skew, double kurt) {
  return GivesBack(fitted, mean, stdev, skew) && Close(fitted.kurt, kurt, std::fabs(kurt) + 1.0);
}

}  // namespace Zq::Math
