#include "random/random_uniform.h"

#include <emmintrin.h>

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

__m128d Clamp(__m128d u) {
  return _mm_min_pd(_mm_max_pd(u, _mm_set1_pd(RandomUniform::kLowest)), _mm_set1_pd(RandomUniform::kHighest));
}

// The 1998 engine's numbers: each word times 1 / (2^32 - 1). The SIMD
// conversion is signed, so the word is offset by 2^31 and back, exactly.
void WordsToUniform(const std::uint32_t* words, double* out) {
  const __m128i offset = _mm_set1_epi32(static_cast<int>(0x80000000u));
  for (int k = 0; k < RandomUniform::kStateSize; k += 4) {
    const __m128i w = _mm_xor_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(words + k)), offset);
    const __m128d low = _mm_add_pd(_mm_cvtepi32_pd(w), _mm_set1_pd(2147483648.0));
    const __m128d high = _mm_add_pd(_mm_cvtepi32_pd(_mm_unpackhi_epi64(w, w)), _mm_set1_pd(2147483648.0));
    _mm_storeu_pd(out + k, Clamp(_mm_mul_pd(low, _mm_set1_pd(2.3283064370807974e-10))));
    _mm_storeu_pd(out + k + 2, Clamp(_mm_mul_pd(high, _mm_set1_pd(2.3283064370807974e-10))));
  }
}

// The 53-bit engine's numbers: (a * 2^26 + b) / 2^53 from the top 27 bits a
// of one word and the top 26 bits b of the next, all exact.
void WordPairsToUniform(const std::uint32_t* words, double* out) {
  for (int k = 0; k < RandomUniform::kStateSize; k += 4) {
    const __m128i w = _mm_loadu_si128(reinterpret_cast<const __m128i*>(words + k));
    // Lanes 0 and 2 give a, lanes 1 and 3 give b.
    const __m128i a = _mm_shuffle_epi32(_mm_srli_epi32(w, 5), _MM_SHUFFLE(3, 1, 2, 0));
    const __m128i b = _mm_shuffle_epi32(_mm_srli_epi32(w, 6), _MM_SHUFFLE(2, 0, 3, 1));
    const __m128d u = _mm_mul_pd(_mm_add_pd(_mm_mul_pd(_mm_cvtepi32_pd(a), _mm_set1_pd(67108864.0)), _mm_cvtepi32_pd(b)),
                                 _mm_set1_pd(1.0 / 9007199254740992.0));
    _mm_storeu_pd(out + k / 2, Clamp(u));
  }
}

}  // namespace

void RandomUniform::SetSeed(RandomAlgorithm algorithm, std::int32_t seed1, std::int32_t seed2) {
  algorithm_ = algorithm;
  seed1_ = seed1;
  seed2_ = seed2;
  seeded_ = true;
  next_ = blockEnd_ = 0;
  switch (algorithm) {
    case RandomAlgorithm::Mt1998:
      twister_.InitByMultiplier(MixSeeds(seed1, seed2) | 1u);
      break;
    case RandomAlgorithm::Mt2002: {
      const std::uint32_t key[2] = {static_cast<std::uint32_t>(seed1), static_cast<std::uint32_t>(seed2)};
      twister_.InitByArray(key, 2);
      break;
    }
    default: {
      const auto v = static_cast<std::int32_t>(MixSeeds(seed1, seed2) | 1u);
      idum_ = v > 0 ? -v : v;
      idum2_ = 123456789;
      iy_ = 0;
      StartShuffle();
      break;
    }
  }
}

// A draw with the block used up: the first draw of an object never seeded,
// a new block of a Mersenne Twister engine, or a shuffle engine's number.
double RandomUniform::NextUncached() {
  if (!seeded_) SetSeed(algorithm_, seed1_, seed2_);
  std::uint32_t words[kStateSize];
  switch (algorithm_) {
    case RandomAlgorithm::Mt1998:
      twister_.NextBlock(words);
      WordsToUniform(words, block_);
      blockEnd_ = kStateSize;
      break;
    case RandomAlgorithm::Mt2002:
      twister_.NextBlock(words);
      WordPairsToUniform(words, block_);
      blockEnd_ = kStateSize / 2;
      break;
    default: {
      const double u = NextRan2();
      if (u > kHighest) return kHighest;
      if (u < kLowest) return kLowest;
      return u;
    }
  }
  next_ = 1;
  return block_[0];
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
