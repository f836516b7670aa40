// Word k of a regeneration mixes words k and k + 1 with word k + 397, which
// for k < 227 is still the old state and from 227 on is already the new
// one (k - 227). Within each of the two runs the words are independent of
// their neighbours, so they are computed four (SSE2) or eight (AVX2) at a
// time in order, and the seams, where a vector would straddle a run's end,
// are done one word at a time.
#include "random/mersenne_twister.h"
#include "numerics/processor_features.h"

#include <emmintrin.h>

#include <array>

#if ZQ_RUNTIME_AVX
#include <immintrin.h>
#endif

namespace Zq::Math {
namespace {

constexpr int kN = MersenneTwister::kStateSize;
constexpr int kShift = 397;
constexpr int kFirstRun = kN - kShift;  // 227 words that read the old state
constexpr std::uint32_t kUpper = 0x80000000u;
constexpr std::uint32_t kLower = 0x7FFFFFFFu;
constexpr std::uint32_t kMatrix = 0x9908B0DFu;
constexpr std::uint32_t kTemperB = 0x9D2C5680u;
constexpr std::uint32_t kTemperC = 0xEFC60000u;

// The state of the plain initialisation from 19650218, where every array
// initialisation starts.
constexpr std::array<std::uint32_t, kN> kArrayStart = [] {
  std::array<std::uint32_t, kN> words{};
  words[0] = 19650218u;
  for (int i = 1; i < kN; ++i) {
    words[i] = 1812433253u * (words[i - 1] ^ (words[i - 1] >> 30)) + static_cast<std::uint32_t>(i);
  }
  return words;
}();

std::uint32_t Twist(std::uint32_t current, std::uint32_t next, std::uint32_t far) {
  const std::uint32_t y = (current & kUpper) | (next & kLower);
  return far ^ (y >> 1) ^ ((next & 1u) ? kMatrix : 0u);
}

__m128i Twist4(__m128i current, __m128i next, __m128i far) {
  const __m128i y = _mm_or_si128(_mm_and_si128(current, _mm_set1_epi32(static_cast<int>(kUpper))),
                                 _mm_and_si128(next, _mm_set1_epi32(static_cast<int>(kLower))));
  const __m128i odd = _mm_sub_epi32(_mm_setzero_si128(), _mm_and_si128(next, _mm_set1_epi32(1)));
  return _mm_xor_si128(_mm_xor_si128(far, _mm_srli_epi32(y, 1)),
                       _mm_and_si128(odd, _mm_set1_epi32(static_cast<int>(kMatrix))));
}

__m128i Temper4(__m128i y) {
  y = _mm_xor_si128(y, _mm_srli_epi32(y, 11));
  y = _mm_xor_si128(y, _mm_and_si128(_mm_slli_epi32(y, 7), _mm_set1_epi32(static_cast<int>(kTemperB))));
  y = _mm_xor_si128(y, _mm_and_si128(_mm_slli_epi32(y, 15), _mm_set1_epi32(static_cast<int>(kTemperC))));
  return _mm_xor_si128(y, _mm_srli_epi32(y, 18));
}

__m128i Load4(const std::uint32_t* p) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p)); }
void Store4(std::uint32_t* p, __m128i v) { _mm_storeu_si128(reinterpret_cast<__m128i*>(p), v); }

// Words [k, end) of the run that reads word k + far, one at a time.
int TwistScalar(std::uint32_t* s, int k, int end, int far) {
  for (; k < end; ++k) s[k] = Twist(s[k], s[k + 1], s[k + far]);
  return k;
}

void BlockSse2(std::uint32_t* s, std::uint32_t* out) {
  int k = 0;
  for (; k + 4 <= kFirstRun; k += 4) Store4(s + k, Twist4(Load4(s + k), Load4(s + k + 1), Load4(s + k + kShift)));
  k = TwistScalar(s, k, kFirstRun, kShift);
  for (; k + 4 <= kN - 1; k += 4) Store4(s + k, Twist4(Load4(s + k), Load4(s + k + 1), Load4(s + k - kFirstRun)));
  k = TwistScalar(s, k, kN - 1, -kFirstRun);
  s[kN - 1] = Twist(s[kN - 1], s[0], s[kShift - 1]);
  for (k = 0; k < kN; k += 4) Store4(out + k, Temper4(Load4(s + k)));
}

#if ZQ_RUNTIME_AVX
// The same eight words at a time.
#define ZQ_AVX2 __attribute__((target("avx2")))
#define ZQ_AVX2_INLINE __attribute__((target("avx2"), always_inline)) inline

ZQ_AVX2_INLINE __m256i Load8(const std::uint32_t* p) { return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p)); }
ZQ_AVX2_INLINE void Store8(std::uint32_t* p, __m256i v) { _mm256_storeu_si256(reinterpret_cast<__m256i*>(p), v); }

ZQ_AVX2_INLINE __m256i Twist8(__m256i current, __m256i next, __m256i far) {
  const __m256i y = _mm256_or_si256(_mm256_and_si256(current, _mm256_set1_epi32(static_cast<int>(kUpper))),
                                    _mm256_and_si256(next, _mm256_set1_epi32(static_cast<int>(kLower))));
  const __m256i odd = _mm256_sub_epi32(_mm256_setzero_si256(), _mm256_and_si256(next, _mm256_set1_epi32(1)));
  return _mm256_xor_si256(_mm256_xor_si256(far, _mm256_srli_epi32(y, 1)),
                          _mm256_and_si256(odd, _mm256_set1_epi32(static_cast<int>(kMatrix))));
}

ZQ_AVX2_INLINE __m256i Temper8(__m256i y) {
  y = _mm256_xor_si256(y, _mm256_srli_epi32(y, 11));
  y = _mm256_xor_si256(y, _mm256_and_si256(_mm256_slli_epi32(y, 7), _mm256_set1_epi32(static_cast<int>(kTemperB))));
  y = _mm256_xor_si256(y, _mm256_and_si256(_mm256_slli_epi32(y, 15), _mm256_set1_epi32(static_cast<int>(kTemperC))));
  return _mm256_xor_si256(y, _mm256_srli_epi32(y, 18));
}

ZQ_AVX2 void BlockAvx2(std::uint32_t* s, std::uint32_t* out) {
  int k = 0;
  for (; k + 8 <= kFirstRun; k += 8) Store8(s + k, Twist8(Load8(s + k), Load8(s + k + 1), Load8(s + k + kShift)));
  k = TwistScalar(s, k, kFirstRun, kShift);
  for (; k + 8 <= kN - 1; k += 8) Store8(s + k, Twist8(Load8(s + k), Load8(s + k + 1), Load8(s + k - kFirstRun)));
  k = TwistScalar(s, k, kN - 1, -kFirstRun);
  s[kN - 1] = Twist(s[kN - 1], s[0], s[kShift - 1]);
  for (k = 0; k < kN; k += 8) Store8(out + k, Temper8(Load8(s + k)));
}
#endif

using BlockFunction = void (*)(std::uint32_t*, std::uint32_t*);

BlockFunction ChooseBlock() {
#if ZQ_RUNTIME_AVX
  __builtin_cpu_init();
  if (__builtin_cpu_supports("avx2")) return BlockAvx2;
#endif
  return BlockSse2;
}

// Chosen once when the library loads.
const BlockFunction kBlock = ChooseBlock();

}  // namespace

void MersenneTwister::InitByArray(const std::uint32_t* key, int length) {
  MersenneTwister* const self = this;
  InitByArrays(&self, 1, key, length);
}

void MersenneTwister::InitByArrays(MersenneTwister* const* engines, int count, const std::uint32_t* keys, int length) {
  for (int e = 0; e < count; ++e) {
    for (int i = 0; i < kN; ++i) engines[e]->state_[i] = kArrayStart[i];
  }
  const auto wrap = [&](int& i) {
    if (++i < kN) return;
    for (int e = 0; e < count; ++e) engines[e]->state_[0] = engines[e]->state_[kN - 1];
    i = 1;
  };
  int i = 1;
  int j = 0;
  for (int k = kN > length ? kN : length; k > 0; --k) {
    for (int e = 0; e < count; ++e) {
      std::uint32_t* const s = engines[e]->state_;
      s[i] = (s[i] ^ ((s[i - 1] ^ (s[i - 1] >> 30)) * 1664525u)) + keys[e * length + j] + static_cast<std::uint32_t>(j);
    }
    wrap(i);
    if (++j >= length) j = 0;
  }
  for (int k = kN - 1; k > 0; --k) {
    for (int e = 0; e < count; ++e) {
      std::uint32_t* const s = engines[e]->state_;
      s[i] = (s[i] ^ ((s[i - 1] ^ (s[i - 1] >> 30)) * 1566083941u)) - static_cast<std::uint32_t>(i);
    }
    wrap(i);
  }
  for (int e = 0; e < count; ++e) engines[e]->state_[0] = 0x80000000u;
}

void MersenneTwister::InitByMultiplier(std::uint32_t first) {
  state_[0] = first;
  for (int i = 1; i < kN; ++i) state_[i] = 69069u * state_[i - 1];
}

void MersenneTwister::NextBlock(std::uint32_t* words) { kBlock(state_, words); }

}  // namespace Zq::Math
