#include "random/mersenne_twister_uniforms.h"

#include <emmintrin.h>

namespace Zq::Math {
namespace {

constexpr int kWords = MersenneTwister::kStateSize;

__m128d Clamp(__m128d u) {
  return _mm_min_pd(_mm_max_pd(u, _mm_set1_pd(kLowestUniform)), _mm_set1_pd(kHighestUniform));
}

// The SIMD conversion is signed, so each word is offset by 2^31 and back,
// exactly.
void WordsToUniform(const std::uint32_t* words, double* out) {
  const __m128i offset = _mm_set1_epi32(static_cast<int>(0x80000000u));
  for (int k = 0; k < kWords; k += 4) {
    const __m128i w = _mm_xor_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(words + k)), offset);
    const __m128d low = _mm_add_pd(_mm_cvtepi32_pd(w), _mm_set1_pd(2147483648.0));
    const __m128d high = _mm_add_pd(_mm_cvtepi32_pd(_mm_unpackhi_epi64(w, w)), _mm_set1_pd(2147483648.0));
    _mm_storeu_pd(out + k, Clamp(_mm_mul_pd(low, _mm_set1_pd(2.3283064370807974e-10))));
    _mm_storeu_pd(out + k + 2, Clamp(_mm_mul_pd(high, _mm_set1_pd(2.3283064370807974e-10))));
  }
}

// All exact: a < 2^27 and b < 2^26.
void WordPairsToUniform(const std::uint32_t* words, double* out) {
  for (int k = 0; k < kWords; k += 4) {
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

Mt1998Uniforms::Mt1998Uniforms(std::int32_t seed1, std::int32_t seed2) {
  twister_.InitByMultiplier(MixSeeds(seed1, seed2) | 1u);
}

int Mt1998Uniforms::NextBlock(double* block) {
  std::uint32_t words[kWords];
  twister_.NextBlock(words);
  WordsToUniform(words, block);
  return kBlockSize;
}

Mt2002Uniforms::Mt2002Uniforms(std::int32_t seed1, std::int32_t seed2) {
  const std::uint32_t key[2] = {static_cast<std::uint32_t>(seed1), static_cast<std::uint32_t>(seed2)};
  twister_.InitByArray(key, 2);
}

int Mt2002Uniforms::NextBlock(double* block) {
  std::uint32_t words[kWords];
  twister_.NextBlock(words);
  WordPairsToUniform(words, block);
  return kBlockSize;
}

}  // namespace Zq::Math
