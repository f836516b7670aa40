// The modelling kernels: Iman and Conover's reordering of a 10,000 x 10
// sample towards a rank correlation target, and a Latin hypercube sample
// of the same shape, per value.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "multivariate/iman_conover.h"
#include "random/latin_hypercube.h"

namespace {

constexpr std::int32_t kRows = 10000;
constexpr std::int32_t kColumns = 10;

void CountPerValue(benchmark::State& state) {
  state.counters["per_value"] = benchmark::Counter(static_cast<double>(state.iterations()) * kRows * kColumns,
                                                   benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void BM_ImanConover(benchmark::State& state) {
  using namespace Zq::Math;
  Matrix samples(kRows, kColumns, Init::Zero);
  Matrix target(kColumns, kColumns, Init::Zero);
  Matrix result(kRows, kColumns, Init::Zero);
  RandomUniform draws(RandomAlgorithm::Mt2002, 3, 4);
  for (std::int32_t i = 0; i < kRows; ++i)
    for (std::int32_t j = 0; j < kColumns; ++j) samples(i, j) = draws.NextUniform();
  // Correlation 0.5^|i - j|: positive definite at every order.
  for (std::int32_t i = 0; i < kColumns; ++i)
    for (std::int32_t j = 0; j < kColumns; ++j) target(i, j) = std::pow(0.5, std::abs(i - j));
  for (auto _ : state) {
    RandomUniform engine(RandomAlgorithm::Mt2002, 1, 2);
    if (!ImanConover(samples, target, engine, result)) state.SkipWithError("refused");
    benchmark::DoNotOptimize(result(0, 0));
  }
  CountPerValue(state);
}
BENCHMARK(BM_ImanConover)->Unit(benchmark::kMillisecond);

void BM_LatinHypercube(benchmark::State& state) {
  using namespace Zq::Math;
  Matrix sample(kRows, kColumns, Init::Zero);
  for (auto _ : state) {
    RandomUniform engine(RandomAlgorithm::Mt2002, 1, 2);
    LatinHypercube(kRows, kColumns, engine, [&](std::int32_t row, std::int32_t column, double x) { sample(row, column) = x; });
    benchmark::DoNotOptimize(sample(0, 0));
  }
  CountPerValue(state);
}
BENCHMARK(BM_LatinHypercube)->Unit(benchmark::kMillisecond);

}  // namespace
