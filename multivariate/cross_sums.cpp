#include "multivariate/cross_sums.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

#include "numerics/processor_features.h"

namespace Zq::Math {
namespace {

// A block multiplies the deviations of four columns, one at a time, with
// two vectors of the next columns' deviations: eight accumulators that stay
// in registers for a whole chunk of rows.
constexpr std::int32_t kBlockColumns = 4;
constexpr std::int32_t kBlockVectors = 2;
// Columns are padded (with zero deviations) to whole blocks of either width.
constexpr std::int64_t kColumnGrain = 8;
// A chunk of rows holds about 128 KiB of deviations, which stay in the
// second-level cache while every block runs over them.
constexpr std::int64_t kChunkDoubles = 16384;
constexpr std::int64_t kMinChunkRows = 16;
constexpr std::int64_t kMaxChunkRows = 1024;

std::int64_t PaddedColumns(std::int32_t columns) { return (columns + kColumnGrain - 1) / kColumnGrain * kColumnGrain; }

std::int64_t ChunkRows(std::int64_t padded) { return std::clamp(kChunkDoubles / padded, kMinChunkRows, kMaxChunkRows); }

// The chunk's deviations lie in panels of `width` columns; within a panel,
// row after row of `width` values.
void FillChunk(ConstMatrixView table, const double* means, std::int32_t first, std::int32_t rows, std::int64_t chunkRows,
               std::int32_t width, double* chunk) {
  const std::int32_t columns = table.Columns();
  const std::ptrdiff_t panelSize = static_cast<std::ptrdiff_t>(chunkRows) * width;
  for (std::int32_t r = 0; r < rows; ++r) {
    const ConstVectorView row = table.Row(first + r);
    double* panel = chunk + static_cast<std::ptrdiff_t>(r) * width;
    for (std::int32_t j0 = 0; j0 < columns; j0 += width, panel += panelSize) {
      const std::int32_t lanes = std::min(width, columns - j0);
      for (std::int32_t l = 0; l < lanes; ++l) panel[l] = row[j0 + l] - means[j0 + l];
    }
  }
}

// Advances the sums of columns i0 .. i0 + 3 with columns j0 .. j0 + 2W - 1
// over the chunk's first `rows` rows: loaded from `sums`, and stored back.
template <class V>
[[gnu::always_inline]] inline void AdvanceBlock(const double* chunk, std::int64_t chunkRows, std::int32_t rows,
                                                std::int32_t i0, std::int32_t j0, double* sums, std::int64_t stride) {
  constexpr std::int32_t kWidth = sizeof(V) / sizeof(double);
  const std::ptrdiff_t panelSize = static_cast<std::ptrdiff_t>(chunkRows) * kWidth;
  const double* x[kBlockColumns];
  for (std::int32_t a = 0; a < kBlockColumns; ++a) x[a] = chunk + (i0 + a) / kWidth * panelSize + (i0 + a) % kWidth;
  const double* y = chunk + j0 / kWidth * panelSize;
  V acc[kBlockColumns][kBlockVectors];
  for (std::int32_t a = 0; a < kBlockColumns; ++a)
    for (std::int32_t b = 0; b < kBlockVectors; ++b) std::memcpy(&acc[a][b], sums + (i0 + a) * stride + j0 + b * kWidth, sizeof(V));
  for (std::int32_t r = 0; r < rows; ++r) {
    V u[kBlockVectors];
    for (std::int32_t b = 0; b < kBlockVectors; ++b) std::memcpy(&u[b], y + b * panelSize + r * kWidth, sizeof(V));
    for (std::int32_t a = 0; a < kBlockColumns; ++a) {
      const double d = x[a][r * kWidth];
      for (std::int32_t b = 0; b < kBlockVectors; ++b) acc[a][b] = acc[a][b] + d * u[b];
    }
  }
  for (std::int32_t a = 0; a < kBlockColumns; ++a)
    for (std::int32_t b = 0; b < kBlockVectors; ++b) std::memcpy(sums + (i0 + a) * stride + j0 + b * kWidth, &acc[a][b], sizeof(V));
}

// Every block on or above the diagonal, over one chunk.
template <class V>
[[gnu::always_inline]] inline void AdvanceChunk(const double* chunk, std::int64_t chunkRows, std::int32_t rows,
                                                std::int32_t columns, double* sums, std::int64_t stride) {
  constexpr std::int32_t kSpan = kBlockVectors * sizeof(V) / sizeof(double);
  for (std::int32_t i0 = 0; i0 < columns; i0 += kBlockColumns)
    for (std::int32_t j0 = i0 - i0 % kSpan; j0 < columns; j0 += kSpan) AdvanceBlock<V>(chunk, chunkRows, rows, i0, j0, sums, stride);
}

using Lanes2 = double __attribute__((vector_size(16)));

void AdvanceChunkSse2(const double* chunk, std::int64_t chunkRows, std::int32_t rows, std::int32_t columns, double* sums,
                      std::int64_t stride) {
  AdvanceChunk<Lanes2>(chunk, chunkRows, rows, columns, sums, stride);
}

#if ZQ_RUNTIME_AVX
using Lanes4 = double __attribute__((vector_size(32)));

__attribute__((target("avx"))) void AdvanceChunkAvx(const double* chunk, std::int64_t chunkRows, std::int32_t rows,
                                                    std::int32_t columns, double* sums, std::int64_t stride) {
  AdvanceChunk<Lanes4>(chunk, chunkRows, rows, columns, sums, stride);
}
#endif

bool AvxAvailable() {
#if ZQ_RUNTIME_AVX
  __builtin_cpu_init();
  return __builtin_cpu_supports("avx");
#else
  return false;
#endif
}

// Chosen when the library loads.
bool avxInUse = AvxAvailable();

}  // namespace

bool UseAvxCrossSums(bool wanted) {
  avxInUse = wanted && AvxAvailable();
  return avxInUse;
}

std::uint64_t DeviationCrossSumsBytes(std::int32_t columns) {
  const std::int64_t padded = PaddedColumns(columns);
  return static_cast<std::uint64_t>(padded * padded + ChunkRows(padded) * padded) * sizeof(double);
}

bool DeviationCrossSums(ConstMatrixView table, const double* means, const MatrixView& sums, StopRequest& stop) {
  const std::int32_t n = table.Rows();
  const std::int32_t c = table.Columns();
  if (c < 1 || sums.Rows() != c || sums.Columns() != c) return false;
  const std::int64_t padded = PaddedColumns(c);
  const std::int64_t chunkRows = ChunkRows(padded);
  if (!AllocatableCount<double>(padded * padded)) return false;
  Vector chunk(static_cast<std::int32_t>(chunkRows * padded), Init::Zero);
  Vector accumulators(static_cast<std::int32_t>(padded * padded), Init::Zero);
  if (chunk.Length() == 0 || accumulators.Length() == 0) return false;
  const bool avx = avxInUse;
  const std::int32_t width = avx ? 4 : 2;
  for (std::int32_t first = 0; first < n; first += static_cast<std::int32_t>(chunkRows)) {
    const std::int32_t rows = static_cast<std::int32_t>(std::min<std::int64_t>(chunkRows, n - first));
    FillChunk(table, means, first, rows, chunkRows, width, chunk.Data());
#if ZQ_RUNTIME_AVX
    if (avx) {
      AdvanceChunkAvx(chunk.Data(), chunkRows, rows, c, accumulators.Data(), padded);
    } else
#endif
    {
      AdvanceChunkSse2(chunk.Data(), chunkRows, rows, c, accumulators.Data(), padded);
    }
    // About one operation per pair of columns and row.
    if (stop.Poll(static_cast<std::uint64_t>(rows) * static_cast<std::uint64_t>(padded * padded))) return false;
  }
  for (std::int32_t i = 0; i < c; ++i)
    for (std::int32_t j = i; j < c; ++j) sums(i, j) = accumulators[static_cast<std::int32_t>(i * padded + j)];
  return true;
}

}  // namespace Zq::Math
