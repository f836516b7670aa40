#include "multivariate/lane_kernels.h"

#include <algorithm>
#include <cstddef>
#include <utility>

#include <emmintrin.h>

#include "numerics/processor_features.h"

#if ZQ_RUNTIME_AVX
#include <immintrin.h>
#endif

namespace Zq::Math {
namespace {

// The scalar operations of one lane, for the elements from `first` on that
// fill no whole vector.
void AddMultipleFrom(std::int32_t first, double* y, const double* x, double c, std::int32_t n) {
  for (std::int32_t i = first; i < n; ++i) y[i] = y[i] + c * x[i];
}

void RotateRowsFrom(std::int32_t first, double* p, double* q, double c, double s, std::int32_t n) {
  for (std::int32_t i = first; i < n; ++i) {
    const double y = p[i];
    const double z = q[i];
    p[i] = y * c + z * s;
    q[i] = z * c - y * s;
  }
}

void AddMultipleSse2(double* y, const double* x, double c, std::int32_t n) {
  const __m128d cc = _mm_set1_pd(c);
  std::int32_t i = 0;
  for (; i + 2 <= n; i += 2) _mm_storeu_pd(y + i, _mm_add_pd(_mm_loadu_pd(y + i), _mm_mul_pd(cc, _mm_loadu_pd(x + i))));
  AddMultipleFrom(i, y, x, c, n);
}

void RotateRowsSse2(double* p, double* q, double c, double s, std::int32_t n) {
  const __m128d cc = _mm_set1_pd(c);
  const __m128d ss = _mm_set1_pd(s);
  std::int32_t i = 0;
  for (; i + 2 <= n; i += 2) {
    const __m128d y = _mm_loadu_pd(p + i);
    const __m128d z = _mm_loadu_pd(q + i);
    _mm_storeu_pd(p + i, _mm_add_pd(_mm_mul_pd(y, cc), _mm_mul_pd(z, ss)));
    _mm_storeu_pd(q + i, _mm_sub_pd(_mm_mul_pd(z, cc), _mm_mul_pd(y, ss)));
  }
  RotateRowsFrom(i, p, q, c, s, n);
}

#if ZQ_RUNTIME_AVX
#define ZQ_AVX2 __attribute__((target("avx2")))

ZQ_AVX2 void AddMultipleAvx2(double* y, const double* x, double c, std::int32_t n) {
  const __m256d cc = _mm256_set1_pd(c);
  std::int32_t i = 0;
  for (; i + 4 <= n; i += 4)
    _mm256_storeu_pd(y + i, _mm256_add_pd(_mm256_loadu_pd(y + i), _mm256_mul_pd(cc, _mm256_loadu_pd(x + i))));
  AddMultipleFrom(i, y, x, c, n);
}

ZQ_AVX2 void RotateRowsAvx2(double* p, double* q, double c, double s, std::int32_t n) {
  const __m256d cc = _mm256_set1_pd(c);
  const __m256d ss = _mm256_set1_pd(s);
  std::int32_t i = 0;
  for (; i + 4 <= n; i += 4) {
    const __m256d y = _mm256_loadu_pd(p + i);
    const __m256d z = _mm256_loadu_pd(q + i);
    _mm256_storeu_pd(p + i, _mm256_add_pd(_mm256_mul_pd(y, cc), _mm256_mul_pd(z, ss)));
    _mm256_storeu_pd(q + i, _mm256_sub_pd(_mm256_mul_pd(z, cc), _mm256_mul_pd(y, ss)));
  }
  RotateRowsFrom(i, p, q, c, s, n);
}
#endif

using AddMultipleFunction = void (*)(double*, const double*, double, std::int32_t);
using RotateRowsFunction = void (*)(double*, double*, double, double, std::int32_t);

struct Kernels {
  AddMultipleFunction addMultiple = AddMultipleSse2;
  RotateRowsFunction rotateRows = RotateRowsSse2;
};

Kernels ChooseKernels(bool avx2Wanted) {
#if ZQ_RUNTIME_AVX
  __builtin_cpu_init();
  if (avx2Wanted && __builtin_cpu_supports("avx2")) return {AddMultipleAvx2, RotateRowsAvx2};
#endif
  return {};
}

// Chosen when the library loads.
Kernels kernels = ChooseKernels(true);

}  // namespace

void AddMultiple(double* y, const double* x, double c, std::int32_t n) { kernels.addMultiple(y, x, c, n); }

void RotateRows(double* p, double* q, double c, double s, std::int32_t n) { kernels.rotateRows(p, q, c, s, n); }

bool UseAvx2Lanes(bool wanted) {
  kernels = ChooseKernels(wanted);
  return kernels.addMultiple != AddMultipleSse2;
}

void TransposeSquare(double* data, std::int32_t n) {
  // Tiles of 16 x 16 keep both sides of each swap in cache at power-of-two n.
  constexpr std::int32_t kTile = 16;
  const auto at = [data, n](std::int32_t i, std::int32_t j) -> double& {
    return data[static_cast<std::ptrdiff_t>(i) * n + j];
  };
  for (std::int32_t i0 = 0; i0 < n; i0 += kTile) {
    const std::int32_t iEnd = std::min(i0 + kTile, n);
    for (std::int32_t j0 = i0; j0 < n; j0 += kTile) {
      const std::int32_t jEnd = std::min(j0 + kTile, n);
      for (std::int32_t i = i0; i < iEnd; ++i)
        for (std::int32_t j = std::max(j0, i + 1); j < jEnd; ++j) std::swap(at(i, j), at(j, i));
    }
  }
}

}  // namespace Zq::Math
