// Normal variates from a uniform engine of their own: the polar Box-Muller
// method or inversion of the normal distribution function, with optional
// antithetic variates and resampling to exact sample moments.
#pragma once

#include <cstdint>

#include "random/made_ahead.h"
#include "random/random_uniform.h"

namespace Zq::Math {

enum class NormalMethod : std::int32_t { BoxMuller, Inversion };

enum class Switch : std::int32_t { Enabled, Disabled };

// A copy continues with exactly the numbers the original would produce.
class RandomNormal {
 public:
  // Seeds the engine, clears pending values and sets mean and deviation;
  // with resampling on, fixes scale and shift so that the next `size`
  // values have exactly `mean` and population deviation `stdev`. False
  // when the resampled sample has no spread.
  bool InitNormal(std::int32_t seed1, std::int32_t seed2, RandomAlgorithm algorithm, NormalMethod method,
                  Switch antithetic, Switch resampling, std::int32_t size, double mean, double stdev);

  // shift + scale * z for the next standard value z.
  double NextNormal() { return NextStandard() * scale_ + shift_; }

  // The next `count` values into `out`, as `count` calls of NextNormal
  // would give them, a run of the values made ahead at a time.
  void NextNormals(double* out, int count);

  // Draws `size` values from a scratch copy and sets scale and shift from
  // their mean and population deviation; false when the spread is not
  // positive.
  bool Recalibrate(std::int32_t size, double mean, double stdev);

 private:
  double NextStandard() {
    if (hasPendingMirror_) {
      hasPendingMirror_ = 0;
      return pendingMirror_;
    }
    if (ahead_.Empty()) MakeAhead();
    const double z = ahead_.Take();
    if (antithetic_ == Switch::Enabled) {
      pendingMirror_ = -z;
      hasPendingMirror_ = 1;
    }
    return z;
  }

  // The coming standard values (before any mirror image): by inversion one
  // per uniform, by the polar method two per accepted pair.
  void MakeAhead();

  RandomUniform engine_;
  MadeAhead ahead_;
  NormalMethod method_ = NormalMethod::BoxMuller;
  Switch antithetic_ = Switch::Enabled;
  std::uint8_t hasPendingMirror_ = 0;
  double pendingMirror_ = 0;
  double shift_ = 0;
  double scale_ = 1;
  Switch resampling_ = Switch::Disabled;
  std::int32_t sampleSize_ = 0;
};

}  // namespace Zq::Math
