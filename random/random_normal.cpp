#include "random/random_normal.h"

#include <cmath>

#include "distributions/normal.h"
#include "random/polar_method.h"

namespace Zq::Math {

std::optional<RandomNormal> RandomNormal::Make(const RandomUniform& engine, NormalOptions options, std::int32_t size,
                                               double mean, double stdev) {
  RandomNormal normal(options, mean, stdev);
  if (options.resampling && !normal.Resample(engine, size, mean, stdev)) return std::nullopt;
  return normal;
}

void RandomNormal::MakeAhead(RandomUniform& engine) {
  const int count = ahead_.NextCount();
  double* const block = ahead_.Block();
  if (inversion_) {
    // Straight from the engine's block, a run at a time.
    for (int k = 0; k < count;) {
      const auto u = engine.NextRun(count - k);
      NormCdfInv(u.data(), block + k, static_cast<int>(u.size()));
      k += static_cast<int>(u.size());
    }
  } else {
    // Pairs are drawn until count / 2 are accepted; a rejected pair's slot
    // is taken by the next one.
    double p[MadeAhead::kMost / 2], q[MadeAhead::kMost / 2], s[MadeAhead::kMost / 2];
    for (int pairs = 0; pairs < count / 2;) {
      p[pairs] = 2 * engine.NextUniform() - 1;
      q[pairs] = 2 * engine.NextUniform() - 1;
      s[pairs] = p[pairs] * p[pairs] + q[pairs] * q[pairs];
      pairs += PolarAccepts(s[pairs], 0.0);
    }
    for (int m = 0; m < count / 2; ++m) {
      const double f = PolarFactor(s[m]);
      block[2 * m] = q[m] * f;
      block[2 * m + 1] = p[m] * f;
    }
  }
  ahead_.Filled(count);
}

bool RandomNormal::Resample(const RandomUniform& engine, std::int32_t size, double mean, double stdev) {
  RandomUniform scratchEngine(engine);
  RandomNormal scratch(*this);
  scratch.shift_ = 0;
  scratch.scale_ = 1;
  double sum = 0;
  double squares = 0;
  for (std::int32_t k = 0; k < size; ++k) {
    const double z = scratch.Next(scratchEngine);
    sum += z;
    squares += z * z;
  }
  const double deviation = std::sqrt((squares - sum * sum / size) / size);
  // Zero spread (and a rounding-negative variance or a size below 1, whose
  // deviation is NaN) leaves no scale to fix.
  if (!(deviation > 0)) return false;
  scale_ = stdev / deviation;
  shift_ = mean - sum / size * scale_;
  return true;
}

}  // namespace Zq::Math
