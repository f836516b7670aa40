// ZqRand through its worksheet entry point against a bare loop of the same
// engine writing doubles: the frame's cost per value.
#include <benchmark/benchmark.h>

#include <vector>

#include "addin/entry_points.h"
#include "addin/worksheet_functions.h"
#include "random/random_uniform.h"

namespace {

constexpr short kSize = 32767;

void BM_ZqRandEntryPoint(benchmark::State& state) {
  for (auto _ : state) {
    LPXLOPER result = ZqRand(kSize, 0, 1, 2);
    benchmark::DoNotOptimize(result->val.array.lparray[kSize - 1].val.num);
    xlAutoFree(result);
  }
  state.SetItemsProcessed(state.iterations() * kSize);
}
BENCHMARK(BM_ZqRandEntryPoint);

void BM_BareMt2002Loop(benchmark::State& state) {
  std::vector<double> values(kSize);
  for (auto _ : state) {
    Zq::Math::RandomUniform uniform(Zq::Math::RandomAlgorithm::Mt2002, 1, 2);
    for (double& value : values) value = uniform.NextUniform();
    benchmark::DoNotOptimize(values.data());
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * kSize);
}
BENCHMARK(BM_BareMt2002Loop);

}  // namespace
