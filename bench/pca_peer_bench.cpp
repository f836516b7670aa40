// Principal components of the order-d matrix 0.5^|i - j| through the entry
// point, per call, at the orders numpy's eigh is measured on (./zq bench
// --peers): around and at powers of two, where column walks used to collide
// in the cache.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "addin/entry_points.h"
#include "addin/worksheet_functions.h"

namespace {

// A K argument holding 0.5^|i - j|: counts, padding, then the doubles row by row.
std::vector<double> PowerDecayArgument(int d) {
  std::vector<double> storage(1 + static_cast<std::size_t>(d) * d);
  const WORD counts[2] = {static_cast<WORD>(d), static_cast<WORD>(d)};
  std::memcpy(storage.data(), counts, sizeof counts);
  for (int i = 0; i < d; ++i)
    for (int j = 0; j < d; ++j) storage[1 + static_cast<std::size_t>(i) * d + j] = std::pow(0.5, std::abs(i - j));
  return storage;
}

void BM_ZqPCAPeer(benchmark::State& state) {
  const auto matrix = PowerDecayArgument(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    LPXLOPER result = ZqPCA(reinterpret_cast<const FP*>(matrix.data()));
    benchmark::DoNotOptimize(result->val.array.lparray[0].val.num);
    xlAutoFree(result);
  }
}
BENCHMARK(BM_ZqPCAPeer)->Arg(100)->Arg(256)->Arg(400)->Arg(512)->Arg(600)->Arg(1024)->Unit(benchmark::kMillisecond);

}  // namespace
