#include "random/random_beta.h"

#include <cmath>

namespace Zq::Math {

namespace {
constexpr double kLog4 = 1.3862944;
constexpr double kOnePlusLog5 = 2.609438;
}  // namespace

std::optional<RandomBeta> RandomBeta::Make(double alpha, double beta) {
  if (!(alpha > 0 && beta > 0)) return std::nullopt;
  return RandomBeta(alpha, beta);
}

RandomBeta::RandomBeta(double alpha, double beta) : bb_(alpha > 1 && beta > 1) {
  const double smaller = alpha < beta ? alpha : beta;
  const double larger = alpha < beta ? beta : alpha;
  a_ = bb_ ? smaller : larger;
  b_ = bb_ ? larger : smaller;
  aIsAlpha_ = a_ == alpha;
  sum_ = a_ + b_;
  if (bb_) {
    scale_ = std::sqrt((sum_ - 2) / (2 * a_ * b_ - sum_));
    gamma_ = a_ + 1 / scale_;
  } else {
    scale_ = 1 / b_;
    const double delta = 1 + a_ - b_;
    k1_ = delta * (0.0138889 + 0.0416667 * b_) / (a_ * scale_ - 0.777778);
    k2_ = 0.25 + (0.5 + 0.25 / delta) * b_;
  }
}

// With a parameter near 0, w = a exp(v) can overflow; the ratio then takes
// its limit instead of inf / inf.
double RandomBeta::Result(double w) const {
  if (aIsAlpha_) return std::isinf(w) ? 1 : w / (b_ + w);
  return std::isinf(w) ? 0 : b_ / (b_ + w);
}

// Each try takes the next pair of uniforms and a rejected try is followed
// by the next pair, so the values are the accepted tries' in stream order.
// Rounds of tries, one per value still missing, compute their logarithms
// and exponentials one after another, independent of the verdicts.
void RandomBeta::MakeAheadBB(RandomUniform& engine) {
  const int count = ahead_.NextCount();
  double* const block = ahead_.Block();
  double u1[MadeAhead::kMost], u2[MadeAhead::kMost], v[MadeAhead::kMost], w[MadeAhead::kMost];
  for (int made = 0; made < count;) {
    const int tries = count - made;
    for (int t = 0; t < tries; ++t) {
      u1[t] = engine.NextUniform();
      u2[t] = engine.NextUniform();
    }
    for (int t = 0; t < tries; ++t) v[t] = scale_ * std::log(u1[t] / (1 - u1[t]));
    for (int t = 0; t < tries; ++t) w[t] = a_ * std::exp(v[t]);
    for (int t = 0; t < tries; ++t) {
      const double z = u1[t] * u1[t] * u2[t];
      const double r = gamma_ * v[t] - kLog4;
      const double s = a_ + r - w[t];
      bool accept = s + kOnePlusLog5 >= 5 * z;
      if (!accept) {
        const double logZ = std::log(z);
        accept = s > logZ || !(r + sum_ * std::log(sum_ / (b_ + w[t])) < logZ);
      }
      if (accept) block[made++] = Result(w[t]);
    }
  }
  ahead_.Filled(count);
}

double RandomBeta::NextBC(RandomUniform& engine) const {
  for (;;) {
    const double u1 = engine.NextUniform();
    const double u2 = engine.NextUniform();
    double z;
    if (u1 < 0.5) {
      const double y = u1 * u2;
      z = u1 * y;
      if (0.25 * u2 + z - y >= k1_) continue;
    } else {
      z = u1 * u1 * u2;
      if (z <= 0.25) {
        const double v = scale_ * std::log(u1 / (1 - u1));
        return Result(a_ * std::exp(v));
      }
      if (z >= k2_) continue;
    }
    const double v = scale_ * std::log(u1 / (1 - u1));
    const double w = a_ * std::exp(v);
    if (!(std::log(z) > sum_ * (std::log(sum_ / (b_ + w)) + v) - kLog4)) return Result(w);
  }
}

}  // namespace Zq::Math
