#include "random/random_normal.h"

#include <cmath>

#include "distributions/normal.h"

namespace Zq::Math {

bool RandomNormal::InitNormal(std::int32_t seed1, std::int32_t seed2, RandomAlgorithm algorithm, NormalMethod method,
                              Switch antithetic, Switch resampling, std::int32_t size, double mean, double stdev) {
  if (!SetSeed(algorithm, seed1, seed2)) return false;
  pendingSecond_ = 0;
  hasPendingSecond_ = 0;
  hasPendingMirror_ = 0;
  shift_ = mean;
  scale_ = stdev;
  method_ = method;
  antithetic_ = antithetic;
  resampling_ = resampling;
  sampleSize_ = size;
  if (resampling == ENABLED) return Recalibrate(size, mean, stdev);
  return true;
}

double RandomNormal::NextStandard() {
  if (hasPendingMirror_) {
    hasPendingMirror_ = 0;
    return pendingMirror_;
  }
  double z;
  if (method_ == INV) {
    z = NormCdfInv(NextUniform());
  } else if (hasPendingSecond_) {
    z = pendingSecond_;
    hasPendingSecond_ = 0;
  } else {
    double p, q, s;
    do {
      p = 2 * NextUniform() - 1;
      q = 2 * NextUniform() - 1;
      s = p * p + q * q;
    } while (s >= 1 || s == 0);
    const double f = std::sqrt(-2 * std::log(s) / s);
    pendingSecond_ = p * f;
    hasPendingSecond_ = 1;
    z = q * f;
  }
  if (antithetic_ == ENABLED) {
    pendingMirror_ = -z;
    hasPendingMirror_ = 1;
  }
  return z;
}

double RandomNormal::NextNormal() { return NextStandard() * scale_ + shift_; }

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
