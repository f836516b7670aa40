// Correlation and covariance tables of a tall data table through their entry
// points: the table that bench/peers/numpy_peers.py hands to numpy.corrcoef.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "addin/entry_points.h"
#include "addin/worksheet_functions.h"
#include "bench/cell_uniform.h"
#include "multivariate/cross_sums.h"

namespace {

using Zq::Bench::CellUniform;

// A K argument of rows x columns, cell (i, j) = uniform(i, j) + uniform(i, 0):
// counts, padding, then the doubles row by row.
std::vector<double> CorrelatedArgument(int rows, int columns) {
  std::vector<double> storage(1 + static_cast<std::size_t>(rows) * columns);
  const WORD counts[2] = {static_cast<WORD>(rows), static_cast<WORD>(columns)};
  std::memcpy(storage.data(), counts, sizeof counts);
  for (int i = 0; i < rows; ++i) {
    const std::uint64_t row = static_cast<std::uint64_t>(i) * columns;
    for (int j = 0; j < columns; ++j) storage[1 + row + j] = CellUniform(row + j) + CellUniform(row);
  }
  return storage;
}

// kSse2: the pairs summed in SSE2 lanes, as in the Windows add-ins.
template <bool kCorrelation, bool kSse2 = false>
void MomentTable(benchmark::State& state) {
  Zq::Math::UseAvxCrossSums(!kSse2);
  const auto table = CorrelatedArgument(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  const FP* data = reinterpret_cast<const FP*>(table.data());
  for (auto _ : state) {
    LPXLOPER result = kCorrelation ? ZqMultiCorrel(data, 1, 1) : ZqMultiCovarp(data, 1);
    benchmark::DoNotOptimize(result->val.array.lparray[0].val.num);
    xlAutoFree(result);
  }
  Zq::Math::UseAvxCrossSums(true);  // back to the choice made at load
}
BENCHMARK(MomentTable<true>)->Name("BM_ZqMultiCorrel")->Args({32767, 50})->Args({2000, 400})->Unit(benchmark::kMillisecond);
BENCHMARK(MomentTable<true, true>)->Name("BM_ZqMultiCorrelSse2")->Args({32767, 50})->Unit(benchmark::kMillisecond);
BENCHMARK(MomentTable<false>)->Name("BM_ZqMultiCovarp")->Args({32767, 50})->Unit(benchmark::kMillisecond);

}  // namespace
