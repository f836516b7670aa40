// Per-value cost of the random-variate worksheet functions through their
// entry points: a large column per call, so the frame's fixed cost fades
// and per_value is the sampler's cost of one value.
#include <benchmark/benchmark.h>

#include <cstdint>

#include "addin/entry_points.h"
#include "addin/worksheet_functions.h"

namespace {

constexpr short kSize = 32767;

template <class Call>
void PerValue(benchmark::State& state, Call&& call) {
  for (auto _ : state) {
    LPXLOPER result = call();
    benchmark::DoNotOptimize(result->val.array.lparray[kSize - 1].val.num);
    xlAutoFree(result);
  }
  state.SetItemsProcessed(state.iterations() * kSize);
  state.counters["per_value"] = benchmark::Counter(static_cast<double>(state.iterations()) * kSize,
                                                   benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void BM_ZqRandBetaBB(benchmark::State& state) { PerValue(state, [] { return ZqRandBeta(kSize, 2, 5, 0, 1, 2); }); }
BENCHMARK(BM_ZqRandBetaBB);

void BM_ZqRandBeta23(benchmark::State& state) { PerValue(state, [] { return ZqRandBeta(kSize, 2, 3, 0, 1, 2); }); }
BENCHMARK(BM_ZqRandBeta23);

void BM_ZqRandBetaBC(benchmark::State& state) { PerValue(state, [] { return ZqRandBeta(kSize, 0.5, 3, 0, 1, 2); }); }
BENCHMARK(BM_ZqRandBetaBC);

void BM_ZqRandPoissonMean5(benchmark::State& state) { PerValue(state, [] { return ZqRandPoisson(kSize, 5, 0, 1, 2); }); }
BENCHMARK(BM_ZqRandPoissonMean5);

void BM_ZqRandPoissonMean50(benchmark::State& state) {
  PerValue(state, [] { return ZqRandPoisson(kSize, 50, 0, 1, 2); });
}
BENCHMARK(BM_ZqRandPoissonMean50);

void BM_ZqRandJohnsonSUPolar(benchmark::State& state) {
  PerValue(state, [] { return ZqRandJohnsonSU(kSize, 0.5, 2, 1.5, -1, 0, 1, 2, 0, 0, 0); });
}
BENCHMARK(BM_ZqRandJohnsonSUPolar);

void BM_ZqRandJohnsonSUInverted(benchmark::State& state) {
  PerValue(state, [] { return ZqRandJohnsonSU(kSize, 0.5, 2, 1.5, -1, 0, 1, 2, 1, 0, 0); });
}
BENCHMARK(BM_ZqRandJohnsonSUInverted);

void BM_ZqRandTruncNorm(benchmark::State& state) {
  PerValue(state, [] { return ZqRandTruncNorm(kSize, -0.5, 2, 0.3, 1.2, 0, 1, 2); });
}
BENCHMARK(BM_ZqRandTruncNorm);

void BM_ZqRandGumbel(benchmark::State& state) { PerValue(state, [] { return ZqRandGumbel(kSize, 0.5, 2, 0, 1, 2); }); }
BENCHMARK(BM_ZqRandGumbel);

void BM_ZqRandWeibull(benchmark::State& state) { PerValue(state, [] { return ZqRandWeibull(kSize, 2, 1.5, 0, 1, 2); }); }
BENCHMARK(BM_ZqRandWeibull);

void BM_ZqRandTriangular(benchmark::State& state) {
  PerValue(state, [] { return ZqRandTriangular(kSize, -1, 3, 0.5, 0, 1, 2); });
}
BENCHMARK(BM_ZqRandTriangular);

void BM_ZqRandLogNorm(benchmark::State& state) { PerValue(state, [] { return ZqRandLogNorm(kSize, 0.5, 0.8, 0, 1, 2); }); }
BENCHMARK(BM_ZqRandLogNorm);

void BM_ZqRandNormPareto(benchmark::State& state) {
  PerValue(state, [] { return ZqRandNormPareto(kSize, 0.05, 3, 0.2, 0.02, 3, 0.1, 1, 2, 0, 1, 2, 0, 0, 0, 0); });
}
BENCHMARK(BM_ZqRandNormPareto);

// The shuffled congruential engine, one number per step of both generators.
void BM_ZqRandShuffledCongruential(benchmark::State& state) { PerValue(state, [] { return ZqRand(kSize, 2, 1, 2); }); }
BENCHMARK(BM_ZqRandShuffledCongruential);

}  // namespace
