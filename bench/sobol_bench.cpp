// The Sobol sequence's cost per point: the sequence made and every point
// written into a block of count x dimensions doubles, as the worksheet
// function fills its result (the block itself is made once, outside the
// timing).
#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "random/sobol.h"

namespace {

void BM_SobolPoints(benchmark::State& state) {
  const auto dimensions = static_cast<std::uint32_t>(state.range(0));
  const auto count = static_cast<std::uint64_t>(state.range(1));
  std::vector<double> block(count * dimensions);
  for (auto _ : state) {
    auto sequence = Zq::Math::SobolSequence::Make(dimensions, 0, count);
    for (std::uint64_t i = 0; i < count; ++i) sequence->Next(block.data() + i * dimensions);
    benchmark::DoNotOptimize(block.data());
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(count));
  state.counters["per_coordinate"] =
      benchmark::Counter(static_cast<double>(state.iterations()) * static_cast<double>(count * dimensions),
                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_SobolPoints)->Args({10, 1 << 16})->Args({1000, 1 << 10});

}  // namespace
