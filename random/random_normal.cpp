#include "random/random_normal.h"

#include <cmath>

#include "distributions/normal.h"
#include "random/polar_method.h"

namespace Zq::Math {

bool RandomNormal::InitNormal(std::int32_t seed1, std::int32_t seed2, RandomAlgorithm algorithm, NormalMethod method,
                              Switch antithetic, Switch resampling, std::int32_t size, double mean, double stdev) {
  engine_.SetSeed(algorithm, seed1, seed2);
  ahead_.Clear();
  hasPendingMirror_ = 0;
  shift_ = mean;
  scale_ = stdev;
  method_ = method;
  antithetic_ = antithetic;
  resampling_ = resampling;
  sampleSize_ = size;
  if (resampling == Switch::Enabled) return Recalibrate(size, mean, stdev);
  return true;
}

void RandomNormal::MakeAhead() {
  const int count = ahead_.NextCount();
  double* const block = ahead_.Block();
  if (method_ == NormalMethod::Inversion) {
    double u[MadeAhead::kMost];
    engine_.NextUniforms(u, count);
    NormCdfInv(u, block, count);
  } else {
    // Pairs are drawn until count / 2 are accepted; a rejected pair's slot
    // is taken by the next one.
    double p[MadeAhead::kMost / 2], q[MadeAhead::kMost / 2], s[MadeAhead::kMost / 2];
    for (int pairs = 0; pairs < count / 2;) {
      p[pairs] = 2 * engine_.NextUniform() - 1;
      q[pairs] = 2 * engine_.NextUniform() - 1;
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

void RandomNormal::NextNormals(double* out, int count) {
  const bool mirrored = antithetic_ == Switch::Enabled;
  int k = 0;
  while (k < count) {
    // A pending mirror image, a block to make, or a last value whose mirror
    // would not fit: one value the usual way.
    const int pairs = mirrored ? (count - k) / 2 : count - k;
    if (hasPendingMirror_ || ahead_.Empty() || pairs == 0) {
      out[k++] = NextNormal();
      continue;
    }
    const int n = pairs < ahead_.Left() ? pairs : ahead_.Left();
    const double* z = ahead_.TakeRun(n);
    if (mirrored) {
      for (int j = 0; j < n; ++j) {
        out[k + 2 * j] = z[j] * scale_ + shift_;
        out[k + 2 * j + 1] = -z[j] * scale_ + shift_;
      }
      k += 2 * n;
    } else {
      for (int j = 0; j < n; ++j) out[k + j] = z[j] * scale_ + shift_;
      k += n;
    }
  }
}

bool RandomNormal::Recalibrate(std::int32_t size, double mean, double stdev) {
  RandomNormal scratch(*this);
  scratch.shift_ = 0;
  scratch.scale_ = 1;
  double sum = 0;
  double squares = 0;
  for (std::int32_t k = 0; k < size; ++k) {
    const double z = scratch.NextNormal();
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
