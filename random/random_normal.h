// Normal variates from the uniform engine they are given: the polar
// Box-Muller method or inversion of the normal distribution function, with
// optional antithetic variates and resampling to exact sample moments.
#pragma once

#include <cstdint>
#include <optional>

#include "random/made_ahead.h"
#include "random/random_uniform.h"

namespace Zq::Math {

struct NormalOptions {
  // Inversion of the distribution function, one value per uniform; the
  // polar method otherwise.
  bool inversion = false;
  // Each value followed by its mirror image.
  bool antithetic = false;
  // The sample scaled and shifted to its exact mean and deviation.
  bool resampling = false;
};

// The sampler holds the values it has made ahead: draw each sample from one
// engine. A copy continues with exactly the numbers the original would
// produce from a copy of that engine.
class RandomNormal {
 public:
  // Values mean + stdev z for standard normal z. With resampling, scale and
  // shift are fixed instead so that the first `size` values drawn from
  // `engine` (which is not advanced) have exactly `mean` and population
  // deviation `stdev`; nothing when that sample has no spread.
  static std::optional<RandomNormal> Make(const RandomUniform& engine, NormalOptions options, std::int32_t size = 0,
                                          double mean = 0, double stdev = 1);

  // shift + scale * z for the next standard value z.
  double Next(RandomUniform& engine) { return NextStandard(engine) * scale_ + shift_; }

  // sink(x) for the next `count` values, as `count` calls of Next would
  // give them, a run of the values made ahead at a time.
  template <class Sink>
  void Generate(RandomUniform& engine, long count, Sink&& sink);

 private:
  RandomNormal(NormalOptions options, double mean, double stdev)
      : inversion_(options.inversion), antithetic_(options.antithetic), shift_(mean), scale_(stdev) {}

  double NextStandard(RandomUniform& engine) {
    if (hasPendingMirror_) {
      hasPendingMirror_ = false;
      return pendingMirror_;
    }
    if (ahead_.Empty()) MakeAhead(engine);
    const double z = ahead_.Take();
    if (antithetic_) {
      pendingMirror_ = -z;
      hasPendingMirror_ = true;
    }
    return z;
  }

  // The coming standard values (before any mirror image): by inversion one
  // per uniform, by the polar method two per accepted pair.
  void MakeAhead(RandomUniform& engine);

  // Draws `size` values from copies of the sampler and the engine and sets
  // scale and shift from their mean and population deviation; false when
  // the spread is not positive.
  bool Resample(const RandomUniform& engine, std::int32_t size, double mean, double stdev);

  MadeAhead ahead_;
  bool inversion_;
  bool antithetic_;
  bool hasPendingMirror_ = false;
  double pendingMirror_ = 0;
  double shift_;
  double scale_;
};

template <class Sink>
void RandomNormal::Generate(RandomUniform& engine, long count, Sink&& sink) {
  while (count > 0) {
    // A pending mirror image, a block to make, or a last value whose mirror
    // would not fit: one value the usual way.
    const long pairs = antithetic_ ? count / 2 : count;
    if (hasPendingMirror_ || ahead_.Empty() || pairs == 0) {
      sink(Next(engine));
      --count;
      continue;
    }
    const int n = pairs < ahead_.Left() ? static_cast<int>(pairs) : ahead_.Left();
    const double* z = ahead_.TakeRun(n);
    if (antithetic_) {
      for (int j = 0; j < n; ++j) {
        sink(z[j] * scale_ + shift_);
        sink(-z[j] * scale_ + shift_);
      }
      count -= 2 * n;
    } else {
      for (int j = 0; j < n; ++j) sink(z[j] * scale_ + shift_);
      count -= n;
    }
  }
}

}  // namespace Zq::Math
