// Rank correlation matrices of large tables, the same tables that
// bench/peers/numpy_peers.py hands to SciPy's spearmanr and kendalltau.
#include <benchmark/benchmark.h>

#include <cstdint>

#include "bench/cell_uniform.h"
#include "multivariate/rank_statistics.h"

namespace {

using Zq::Bench::CellUniform;

// rows x columns, cell (i, j) = uniform(i, j) + uniform(i, 0): columns
// correlated through a shared first one, almost without ties.
Zq::Math::Matrix CorrelatedTable(std::int32_t rows, std::int32_t columns) {
  Zq::Math::Matrix table(rows, columns, Zq::Math::Init::Zero);
  for (std::int32_t i = 0; i < rows; ++i) {
    const std::uint64_t row = static_cast<std::uint64_t>(i) * columns;
    for (std::int32_t j = 0; j < columns; ++j) table(i, j) = CellUniform(row + j) + CellUniform(row);
  }
  return table;
}

template <bool (*Kernel)(Zq::Math::ConstMatrixView, const Zq::Math::MatrixView&, Zq::Math::StopRequest&)>
void RankMatrix(benchmark::State& state) {
  const auto columns = static_cast<std::int32_t>(state.range(1));
  const Zq::Math::Matrix table = CorrelatedTable(static_cast<std::int32_t>(state.range(0)), columns);
  Zq::Math::Matrix result(columns, columns, Zq::Math::Init::Zero);
  for (auto _ : state) {
    if (!Kernel(table, result, Zq::Math::StopRequest::Never())) state.SkipWithError("kernel failed");
    benchmark::DoNotOptimize(result(0, 1));
  }
}
BENCHMARK(RankMatrix<Zq::Math::SpearmanMatrix>)->Name("BM_SpearmanMatrix")->Args({100000, 10})->Unit(benchmark::kMillisecond);
BENCHMARK(RankMatrix<Zq::Math::KendallMatrix>)->Name("BM_KendallMatrix")->Args({10000, 10})->Unit(benchmark::kMillisecond);

}  // namespace
