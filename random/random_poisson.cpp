#include "random/random_poisson.h"

#include <cmath>

#include "distributions/pinned_constants.h"
#include "distributions/special_functions.h"

namespace Zq::Math {

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
  for (;;) {
    double y;
    double e;
    do {
      y = std::tan(kTruncatedPi * NextUniform());
      e = sq_ * y + mean;
    } while (e < 0);
    e = std::floor(e);
    const double t = 0.9 * (1 + y * y) * std::exp(e * logMean_ - LogGamma(e + 1) - g_);
    if (!(NextUniform() > t)) return e;
  }
}

}  // namespace Zq::Math
