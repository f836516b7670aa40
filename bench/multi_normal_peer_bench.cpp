// One multivariate normal vector through the entry point, for the peer
// table: the cost is the covariance's decomposition, which numpy's sampler
// with method 'svd' pays as well.
#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "addin/entry_points.h"
#include "addin/worksheet_functions.h"
#include "bench/k_argument.h"

namespace {

using Zq::Bench::AsFp;
using Zq::Bench::KArgument;

// Equicorrelated with correlation 0.3 and variances 1 + i / d: dense, so
// every rotation of the decomposition does full work.
std::vector<double> DenseCovariance(int d) {
  std::vector<double> values(static_cast<std::size_t>(d) * d, 0.3);
  for (int i = 0; i < d; ++i) values[static_cast<std::size_t>(i) * d + i] = 1.0 + static_cast<double>(i) / d;
  return values;
}

void BM_ZqRandMultiNormOneVector(benchmark::State& state) {
  const int d = static_cast<int>(state.range(0));
  const auto cov = KArgument(d, d, DenseCovariance(d));
  const auto mean = KArgument(d, 1, std::vector<double>(d, 0.0));
  for (auto _ : state) {
    LPXLOPER result = ZqRandMultiNorm(1, AsFp(cov),
                                      AsFp(mean), 0, 1, 2, 0, 0, 0);
    benchmark::DoNotOptimize(result->val.array.lparray[0].val.num);
    xlAutoFree(result);
  }
}
BENCHMARK(BM_ZqRandMultiNormOneVector)
    ->Arg(100)->Arg(256)->Arg(400)->Arg(512)->Arg(600)->Arg(1024)
    ->Unit(benchmark::kMillisecond);

// A large sample: its time, and the process's peak resident memory per
// value against the 16 bytes of each result record.
void BM_ZqRandMultiNormLargeSample(benchmark::State& state) {
  const int d = static_cast<int>(state.range(0));
  constexpr short kSize = 32767;
  const auto cov = KArgument(d, d, DenseCovariance(d));
  const auto mean = KArgument(d, 1, std::vector<double>(d, 0.0));
  for (auto _ : state) {
    LPXLOPER result = ZqRandMultiNorm(kSize, AsFp(cov), AsFp(mean), 0, 1, 2, 0, 0, 0);
    benchmark::DoNotOptimize(result->val.array.lparray[0].val.num);
    xlAutoFree(result);
  }
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  const double values = static_cast<double>(kSize) * d;
  state.counters["peak_bytes_per_value"] = static_cast<double>(usage.ru_maxrss) * 1024.0 / values;
}
BENCHMARK(BM_ZqRandMultiNormLargeSample)->Arg(512)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
