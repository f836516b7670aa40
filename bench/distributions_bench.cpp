// Cost of one call of the distribution worksheet functions through their
// entry points, and of the Poisson cumulative sum for large counts (where
// the sum ends past the mode and skips the terms that underflow to 0).
#include <benchmark/benchmark.h>

#include <cstdint>

#include "addin/entry_points.h"
#include "addin/worksheet_functions.h"

namespace {

template <class Call>
void Scalar(benchmark::State& state, Call&& call) {
  for (auto _ : state) benchmark::DoNotOptimize(call()->val.num);
}

template <class Call>
void Column(benchmark::State& state, Call&& call) {
  for (auto _ : state) {
    LPXLOPER result = call();
    benchmark::DoNotOptimize(result->val.array.lparray[3].val.num);
    xlAutoFree(result);
  }
}

void BM_ZqBetaDistCumulative(benchmark::State& state) { Scalar(state, [] { return ZqBetaDist(0.3, 2.5, 4, 1); }); }
BENCHMARK(BM_ZqBetaDistCumulative);

void BM_ZqTruncNormInv(benchmark::State& state) { Scalar(state, [] { return ZqTruncNormInv(0.3, -1, 2, 0, 1); }); }
BENCHMARK(BM_ZqTruncNormInv);

void BM_ZqJohnsonSUMom(benchmark::State& state) { Column(state, [] { return ZqJohnsonSUMom(0.5, 1.5, 2, 0.3); }); }
BENCHMARK(BM_ZqJohnsonSUMom);

void BM_ZqWeibullMom(benchmark::State& state) { Column(state, [] { return ZqWeibullMom(1.7, 2.5); }); }
BENCHMARK(BM_ZqWeibullMom);

// Cumulative Poisson at count k with mean lambda (range arguments).
void BM_ZqPoissonCdf(benchmark::State& state) {
  const auto k = static_cast<std::int32_t>(state.range(0));
  const double lambda = static_cast<double>(state.range(1));
  Scalar(state, [&] { return ZqPoissonDist(k, lambda, 1); });
}
BENCHMARK(BM_ZqPoissonCdf)
    ->Args({10, 5})
    ->Args({1000, 1000})
    ->Args({2147483647, 50})
    ->Args({2147483647, 100000})
    ->Args({2147483647, 2000000000})
    ->Unit(benchmark::kMicrosecond);

}  // namespace
