#include "multivariate/eigen_lanes.h"

#include <immintrin.h>

#include "numerics/processor_features.h"

namespace Zq::Math {

namespace Sse2 {
using Pack = __m128d;
constexpr std::int32_t kWidth = 2;
inline Pack Load(const double* p) { return _mm_loadu_pd(p); }
inline void Store(double* p, Pack v) { _mm_storeu_pd(p, v); }
inline Pack Broadcast(double x) { return _mm_set1_pd(x); }
inline Pack Add(Pack a, Pack b) { return _mm_add_pd(a, b); }
inline Pack Subtract(Pack a, Pack b) { return _mm_sub_pd(a, b); }
inline Pack Multiply(Pack a, Pack b) { return _mm_mul_pd(a, b); }
#include "multivariate/eigen_lanes_body.inc"
}  // namespace Sse2

#if ZQ_RUNTIME_AVX
// Every function of the AVX namespace, the pack operations and the body
// alike, is compiled for AVX: GCC by its target pragma, clang by applying
// the target attribute.
#if defined(__clang__)
#pragma clang attribute push(__attribute__((target("avx"))), apply_to = function)
#else
#pragma GCC push_options
#pragma GCC target("avx")
#endif
namespace Avx {
using Pack = __m256d;
constexpr std::int32_t kWidth = 4;
inline Pack Load(const double* p) { return _mm256_loadu_pd(p); }
inline void Store(double* p, Pack v) { _mm256_storeu_pd(p, v); }
inline Pack Broadcast(double x) { return _mm256_set1_pd(x); }
inline Pack Add(Pack a, Pack b) { return _mm256_add_pd(a, b); }
inline Pack Subtract(Pack a, Pack b) { return _mm256_sub_pd(a, b); }
inline Pack Multiply(Pack a, Pack b) { return _mm256_mul_pd(a, b); }
#include "multivariate/eigen_lanes_body.inc"
}  // namespace Avx
#if defined(__clang__)
#pragma clang attribute pop
#else
#pragma GCC pop_options
#endif
#endif

namespace {

const EigenLanes& Choose() {
#if ZQ_RUNTIME_AVX
  __builtin_cpu_init();
  if (__builtin_cpu_supports("avx")) return Avx::kLanes;
#endif
  return Sse2::kLanes;
}

}  // namespace

const EigenLanes& ChosenEigenLanes() {
  static const EigenLanes& chosen = Choose();
  return chosen;
}
const EigenLanes& TwoEigenLanes() { return Sse2::kLanes; }

}  // namespace Zq::Math
