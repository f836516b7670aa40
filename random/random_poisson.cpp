#include "random/random_poisson.h"

#include <cmath>
#include <limits>

#include "distributions/special_functions.h"

namespace Zq::Math {

namespace {
constexpr double kPi = 3.14159265358979;
// A sound envelope accepts more than half of its candidates, so this many
// rejections in a row only happen when the mean is so large (beyond about
// 1e16) that the acceptance ratio's logarithm is rounding noise; the draw
// then gives NaN instead of spinning for ever.
constexpr int kMaxRejectionRounds = 1000;
}  // namespace

double RandomPoisson::NextVariate() {
  if (!prepared) {
    if (mean < kRejectionFrom) {
      g_ = std::exp(-mean);
      sq_ = 0;
      logMean_ = 0;
    } else {
      sq_ = std::sqrt(2 * mean);
      logMean_ = std::log(mean);
      g_ = mean * logMean_ - LogGamma(mean + 1);
    }
    prepared = 1;
  }
  return mean < kRejectionFrom ? NextByProduct() : NextByRejection();
}

double RandomPoisson::NextByProduct() {
  double k = -1;
  double t = 1;
  do {
    k += 1;
    t *= NextUniform();
  } while (t > g_);
  return k;
}

double RandomPoisson::NextByRejection() {
  for (int round = 0; round < kMaxRejectionRounds; ++round) {
    double y;
    double e;
    do {
      y = std::tan(kPi * NextUniform());
      e = sq_ * y + mean;
    } while (e < 0);
    e = std::floor(e);
    const double t = 0.9 * (1 + y * y) * std::exp(e * logMean_ - LogGamma(e + 1) - g_);
    if (!(NextUniform() > t)) return e;
  }
  return std::numeric_limits<double>::quiet_NaN();
}

}  // namespace Zq::Math
