#include "random/shuffled_congruential.h"

#include "random/mersenne_twister_uniforms.h"

namespace Zq::Math {
namespace {

// One congruential step x <- a * x mod m by Schrage's decomposition; the
// wrapped 32-bit difference is the true value, which fits in 32 bits.
template <std::int32_t a, std::int32_t m, std::int32_t q>
std::int32_t CongruentialStep(std::int32_t x) {
  const std::int32_t k = x / q;
  std::int32_t next = static_cast<std::int32_t>(static_cast<std::uint32_t>(a) * static_cast<std::uint32_t>(x) -
                                                static_cast<std::uint32_t>(k) * static_cast<std::uint32_t>(m));
  if (next < 0) next += m;
  return next;
}

constexpr auto FirstStep = CongruentialStep<40014, 2147483563, 53668>;
constexpr auto SecondStep = CongruentialStep<40692, 2147483399, 52774>;

}  // namespace

ShuffledCongruential::ShuffledCongruential(std::int32_t seed1, std::int32_t seed2) {
  // Odd, so never the one value without a magnitude in 32 bits.
  const auto mixed = static_cast<std::int32_t>(MixSeeds(seed1, seed2) | 1u);
  Start(mixed < 0 ? -mixed : mixed);
}

void ShuffledCongruential::Start(std::int32_t state) {
  first_ = state < 1 ? 1 : state;
  second_ = first_;
  for (int j = kTableSize + 7; j >= 0; --j) {
    first_ = FirstStep(first_);
    if (j < kTableSize) table_[j] = first_;
  }
  output_ = table_[0];
}

double ShuffledCongruential::Next() {
  // The state 2147483563 steps to 0, where the first generator would stay:
  // it starts again from 1.
  if (first_ <= 0) Start(1);
  first_ = FirstStep(first_);
  second_ = SecondStep(second_);
  const std::int32_t j = output_ / 67108862;
  output_ = table_[j] - second_;
  table_[j] = first_;
  if (output_ < 1) output_ += 2147483562;
  const double u = output_ * 4.656613057391769e-10;
  if (u > kHighestUniform) return kHighestUniform;
  if (u < kLowestUniform) return kLowestUniform;
  return u;
}

int ShuffledCongruential::NextBlock(double* block) {
  for (int k = 0; k < kBlockSize; ++k) block[k] = Next();
  return kBlockSize;
}

}  // namespace Zq::Math
