// The forward-rate Monte Carlo: n = 10 and 40 rates, M = 20 steps,
// N = 10000 paths, both schemes; paths per second.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "finance/lfm_simulation.h"

namespace {

constexpr std::int32_t kPaths = 10000;

std::vector<double> Correlation(int n) {
  std::vector<double> rho(n * n, 0.0);
  for (int k = 0; k < n; ++k) {
    for (int l = 0; l <= k; ++l) rho[k * n + l] = 1.0 / (1.0 + 0.1 * (k - l));
  }
  return rho;
}

void Lfm(benchmark::State& state, int scheme) {
  const int n = static_cast<int>(state.range(0));
  const std::vector<double> rho = Correlation(n);
  const Zq::Math::LfmInputs inputs{rho.data(), n, 0.05, 0.05, 5.0, kPaths, 20, 1};
  Zq::Math::ShuffledMinimalStandard generator;
  for (auto _ : state) {
    const Zq::Math::LfmStatistics s = scheme == 4 ? Zq::Math::SimulateLfmLegacy(inputs, 7, generator)
                                                  : Zq::Math::SimulateLfmMersenne(inputs, 7, false, false);
    benchmark::DoNotOptimize(s.mean);
  }
  state.counters["paths_per_s"] =
      benchmark::Counter(static_cast<double>(state.iterations()) * kPaths, benchmark::Counter::kIsRate);
}

void BM_LfmSchemeOne(benchmark::State& state) { Lfm(state, 1); }
BENCHMARK(BM_LfmSchemeOne)->Arg(10)->Arg(40)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_LfmSchemeFour(benchmark::State& state) { Lfm(state, 4); }
BENCHMARK(BM_LfmSchemeFour)->Arg(10)->Arg(40)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
