// Normal variates per value: ZqRandNorm's entry point (frame, array,
// xlAutoFree) against the bare loop of engine and transform, for inversion
// and the polar method; and the inverse distribution function alone.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "addin/entry_points.h"
#include "addin/worksheet_functions.h"
#include "distributions/normal.h"
#include "random/random_normal.h"

namespace {

constexpr short kSize = 32767;

void PerValueCounter(benchmark::State& state) {
  state.SetItemsProcessed(state.iterations() * kSize);
  state.counters["per_value"] = benchmark::Counter(static_cast<double>(state.iterations()) * kSize,
                                                   benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void EntryPoint(benchmark::State& state, short inverse) {
  for (auto _ : state) {
    LPXLOPER result = ZqRandNorm(kSize, 0, 1, 2, inverse, 0, 0);
    benchmark::DoNotOptimize(result->val.array.lparray[kSize - 1].val.num);
    xlAutoFree(result);
  }
  PerValueCounter(state);
}

void BareLoop(benchmark::State& state, bool inversion) {
  std::vector<double> values(kSize);
  for (auto _ : state) {
    Zq::Math::RandomUniform engine(Zq::Math::RandomAlgorithm::Mt2002, 1, 2);
    auto normal = *Zq::Math::RandomNormal::Make(engine, {.inversion = inversion});
    for (double& v : values) v = normal.Next(engine);
    benchmark::DoNotOptimize(values.data());
    benchmark::ClobberMemory();
  }
  PerValueCounter(state);
}

void BM_ZqRandNormInversion(benchmark::State& state) { EntryPoint(state, 1); }
BENCHMARK(BM_ZqRandNormInversion);

void BM_BareNormalInversion(benchmark::State& state) { BareLoop(state, true); }
BENCHMARK(BM_BareNormalInversion);

void BM_ZqRandNormPolar(benchmark::State& state) { EntryPoint(state, 0); }
BENCHMARK(BM_ZqRandNormPolar);

void BM_BareNormalPolar(benchmark::State& state) { BareLoop(state, false); }
BENCHMARK(BM_BareNormalPolar);

void BM_NormCdfInv(benchmark::State& state) {
  std::vector<double> u(kSize);
  for (int i = 0; i < kSize; ++i) u[i] = (i + 0.5) / kSize;  // both regions in their proportions
  for (auto _ : state) {
    double sum = 0;
    for (double x : u) sum += Zq::Math::NormCdfInv(x);
    benchmark::DoNotOptimize(sum);
  }
  PerValueCounter(state);
}
BENCHMARK(BM_NormCdfInv);

}  // namespace
