// Poisson variates: multiplication of uniforms below mean 12, rejection
// from a Lorentzian (Cauchy) envelope from 12 on.
#pragma once

#include <optional>

#include "random/random_uniform.h"

namespace Zq::Math {

// The rejection method's weight of count e, e^(e ln(mean) - ln Gamma(e + 1)
// - mean ln(mean) + ln Gamma(mean + 1)), for means from
// RandomPoisson::kSaddlePointFrom on: from Stirling's series, as
// e^(-bd0 - ln(e / mean) / 2 + (1/12)(1/mean - 1/e)) with
// bd0 = e ln(e / mean) + mean - e formed directly rather than as a difference
// of numbers near mean ln(mean). Counts outside [mean / 2, 3 mean / 2] weigh
// 0 (their true weight is below e^-1e8).
double PoissonSaddlePointWeight(double e, double mean);

// The sampler remembers weights as it draws: keep one per sample.
class RandomPoisson {
 public:
  static constexpr double kRejectionFrom = 12;
  // From here on e ln(mean) - ln Gamma(e + 1) - g, a difference of numbers
  // near mean ln(mean), has lost more than about 4e-6 of every weight to
  // rounding (a whole unit by mean 1e14, which widens the sample's spread);
  // the weight comes from PoissonSaddlePointWeight instead.
  static constexpr double kSaddlePointFrom = 0x1.0p30;

  // Nothing unless the mean lambda is positive.
  static std::optional<RandomPoisson> Make(double lambda);

  // A whole number as a double.
  double Next(RandomUniform& engine) {
    return lambda_ < kRejectionFrom ? NextByProduct(engine) : NextByRejection(engine);
  }

 private:
  // The rejection method's e^(e ln(mean) - ln Gamma(e + 1) - g), which
  // depends on the count e alone: each is computed once per object for the
  // counts of a window around the mean, where nearly all tries land.
  static constexpr int kRememberedCounts = 1024;

  explicit RandomPoisson(double lambda);

  double NextByProduct(RandomUniform& engine) const;
  double NextByRejection(RandomUniform& engine);
  // The weight of count e: remembered where it can be, computed (and
  // remembered) otherwise.
  double CountWeight(double e) {
    const double index = e - firstRemembered_;
    if (index >= 0 && index < kRememberedCounts) {
      const double weight = weights_[static_cast<int>(index)];
      if (weight >= 0) return weight;
    }
    return NewCountWeight(e);
  }
  double NewCountWeight(double e);

  double lambda_;
  double g_ = 0;
  double sq_ = 0;
  double logMean_ = 0;
  double firstRemembered_ = 0;
  double weights_[kRememberedCounts] = {};
};

}  // namespace Zq::Math
