#include "random/random_uniform.h"

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

constexpr auto Step1 = CongruentialStep<40014, 2147483563, 53668>;
constexpr auto Step2 = CongruentialStep<40692, 2147483399, 52774>;

// The seed mixing of the 1998 and shuffle engines; seeds 0 and 0 give
// 1013904223.
std::uint32_t MixSeeds(std::int32_t seed1, std::int32_t seed2) {
  const std::uint32_t combined = static_cast<std::uint32_t>(seed1) * 65536u + static_cast<std::uint32_t>(seed2);
  return 1664525u * combined + 1013904223u;
}

}  // namespace

bool RandomUniform::SetSeed(RandomAlgorithm algorithm, std::int32_t seed1, std::int32_t seed2) {
  algorithm_ = algorithm;
  seed1_ = seed1;
  seed2_ = seed2;
  switch (algorithm) {
    case MT1998:
      position_ = kStateSize;
      state_[0] = MixSeeds(seed1, seed2) | 1u;
      for (int i = 1; i < kStateSize; ++i) state_[i] = 69069u * state_[i - 1];
      return true;
    case MT2002: {
      const std::uint32_t key[2] = {static_cast<std::uint32_t>(seed1), static_cast<std::uint32_t>(seed2)};
      InitByArray(key, 2);
      return true;
    }
    case MT2002EX: {
      // Its own array seeding with all four key words, as its lazy start-up.
      const std::uint32_t key[4] = {static_cast<std::uint32_t>(seed1), static_cast<std::uint32_t>(seed2), keyWord3_,
                                    keyWord4_};
      InitByArray(key, 4);
      return true;
    }
    default: {
      position_ = kStateSize;
      const auto v = static_cast<std::int32_t>(MixSeeds(seed1, seed2) | 1u);
      idum_ = v > 0 ? -v : v;
      idum2_ = 123456789;
      iy_ = 0;
      StartShuffle();
      return true;
    }
  }
}

void RandomUniform::SeedLazily() { SetSeed(algorithm_, seed1_, seed2_); }

// MT19937's array initialisation; leaves the first draw to regenerate.
void RandomUniform::InitByArray(const std::uint32_t* key, int length) {
  state_[0] = 19650218u;
  for (int i = 1; i < kStateSize; ++i) {
    state_[i] = 1812433253u * (state_[i - 1] ^ (state_[i - 1] >> 30)) + static_cast<std::uint32_t>(i);
  }
  int i = 1;
  int j = 0;
  for (int k = kStateSize > length ? kStateSize : length; k > 0; --k) {
    state_[i] = (state_[i] ^ ((state_[i - 1] ^ (state_[i - 1] >> 30)) * 1664525u)) + key[j] +
                static_cast<std::uint32_t>(j);
    ++i;
    ++j;
    if (i >= kStateSize) {
      state_[0] = state_[kStateSize - 1];
      i = 1;
    }
    if (j >= length) j = 0;
  }
  for (int k = kStateSize - 1; k > 0; --k) {
    state_[i] = (state_[i] ^ ((state_[i - 1] ^ (state_[i - 1] >> 30)) * 1566083941u)) - static_cast<std::uint32_t>(i);
    ++i;
    if (i >= kStateSize) {
      state_[0] = state_[kStateSize - 1];
      i = 1;
    }
  }
  state_[0] = 0x80000000u;
  position_ = 1;
}

void RandomUniform::Regenerate() {
  constexpr std::uint32_t kUpper = 0x80000000u;
  constexpr std::uint32_t kLower = 0x7FFFFFFFu;
  constexpr std::uint32_t kMatrix = 0x9908B0DFu;
  constexpr int kShift = 397;
  int k = 0;
  for (; k < kStateSize - kShift; ++k) {
    const std::uint32_t y = (state_[k] & kUpper) | (state_[k + 1] & kLower);
    state_[k] = state_[k + kShift] ^ (y >> 1) ^ ((y & 1u) ? kMatrix : 0u);
  }
  for (; k < kStateSize - 1; ++k) {
    const std::uint32_t y = (state_[k] & kUpper) | (state_[k + 1] & kLower);
    state_[k] = state_[k + kShift - kStateSize] ^ (y >> 1) ^ ((y & 1u) ? kMatrix : 0u);
  }
  const std::uint32_t y = (state_[kStateSize - 1] & kUpper) | (state_[0] & kLower);
  state_[kStateSize - 1] = state_[kShift - 1] ^ (y >> 1) ^ ((y & 1u) ? kMatrix : 0u);
}

// Start-up of the shuffle engine from the current idum: 40 steps, the last
// 32 of which fill the table.
void RandomUniform::StartShuffle() {
  const std::int64_t negated = -static_cast<std::int64_t>(idum_);
  idum_ = negated < 1 ? 1 : static_cast<std::int32_t>(negated);
  idum2_ = idum_;
  for (int j = kShuffleSize + 7; j >= 0; --j) {
    idum_ = Step1(idum_);
    if (j < kShuffleSize) iv_[j] = idum_;
  }
  iy_ = iv_[0];
}

double RandomUniform::NextRan2() {
  if (idum_ <= 0) StartShuffle();
  idum_ = Step1(idum_);
  idum2_ = Step2(idum2_);
  const std::int32_t j = iy_ / 67108862;
  iy_ = iv_[j] - idum2_;
  iv_[j] = idum_;
  if (iy_ < 1) iy_ += 2147483562;
  return iy_ * 4.656613057391769e-10;
}

}  // namespace Zq::Math
