// Multivariate normal samples and principal components through their entry
// points, and the per-vector draw of the sampler, whose allocations are
// counted (it must make none).
#include <benchmark/benchmark.h>

#include <atomic>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <new>
#include <vector>

#include "addin/entry_points.h"
#include "addin/worksheet_functions.h"
#include "bench/k_argument.h"
#include "multivariate/random_multi_normal.h"

namespace {

std::atomic<long> allocations{0};

using Zq::Bench::AsFp;
using Zq::Bench::KArgument;

// Covariance with unit variances and correlation 0.5^|i-j|.
std::vector<double> Covariance(int d) {
  std::vector<double> values(static_cast<std::size_t>(d) * d);
  for (int i = 0; i < d; ++i)
    for (int j = 0; j < d; ++j) values[static_cast<std::size_t>(i) * d + j] = std::pow(0.5, std::abs(i - j));
  return values;
}

void BM_ZqRandMultiNorm(benchmark::State& state) {
  const int d = static_cast<int>(state.range(0));
  const short resampling = static_cast<short>(state.range(1));
  constexpr short kSize = 10000;
  const auto cov = KArgument(d, d, Covariance(d));
  const auto mean = KArgument(d, 1, std::vector<double>(d, 0.0));
  for (auto _ : state) {
    LPXLOPER result = ZqRandMultiNorm(kSize, AsFp(cov), AsFp(mean), 0, 1, 2, 0, 0, resampling);
    benchmark::DoNotOptimize(result->val.array.lparray[0].val.num);
    xlAutoFree(result);
  }
  state.counters["per_vector"] =
      benchmark::Counter(static_cast<double>(state.iterations()) * kSize, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_ZqRandMultiNorm)->Args({10, 0})->Args({10, 1})->Args({100, 0})->Args({100, 1})->Unit(benchmark::kMillisecond);

void BM_ZqPCA(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const auto matrix = KArgument(n, n, Covariance(n));
  for (auto _ : state) {
    LPXLOPER result = ZqPCA(AsFp(matrix));
    benchmark::DoNotOptimize(result->val.array.lparray[0].val.num);
    xlAutoFree(result);
  }
}
BENCHMARK(BM_ZqPCA)->Arg(50)->Arg(200)->Unit(benchmark::kMillisecond);

void BM_NextVector(benchmark::State& state) {
  const int d = static_cast<int>(state.range(0));
  const auto values = Covariance(d);
  Zq::Math::Matrix cov(d, d, Zq::Math::Init::Zero);
  std::memcpy(cov.Data(), values.data(), values.size() * sizeof(double));
  Zq::Math::Vector mean(d, Zq::Math::Init::Zero), x(d, Zq::Math::Init::Zero), z(d, Zq::Math::Init::Zero);
  Zq::Math::RandomMultiNormal sampler;
  if (!sampler.InitMultiNormal(mean, cov, Zq::Math::NormalOptions{}, 1, 1, 2, Zq::Math::RandomAlgorithm::Mt2002)) {
    state.SkipWithError("initialisation failed");
    return;
  }
  const long before = allocations.load();
  for (auto _ : state) {
    sampler.NextVector(x, z);
    benchmark::DoNotOptimize(x[0]);
  }
  state.counters["allocations"] = static_cast<double>(allocations.load() - before);
}
BENCHMARK(BM_NextVector)->Arg(10)->Arg(100);

}  // namespace

// Counts every allocation of the process (the draw loop above must add none).
// The replacements sit on malloc and free; GCC cannot see that they pair up.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void* operator new(std::size_t bytes) {
  ++allocations;
  if (void* p = std::malloc(bytes == 0 ? 1 : bytes)) return p;
  throw std::bad_alloc();
}
void* operator new[](std::size_t bytes) { return operator new(bytes); }
void* operator new(std::size_t bytes, const std::nothrow_t&) noexcept {
  ++allocations;
  return std::malloc(bytes == 0 ? 1 : bytes);
}
void* operator new[](std::size_t bytes, const std::nothrow_t& tag) noexcept { return operator new(bytes, tag); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }
