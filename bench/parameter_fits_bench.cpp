// The Newton fits, one call each: how long a worksheet recalculation of a
// fitted parameter set takes.
#include <benchmark/benchmark.h>

#include "distributions/normal_pareto_fit.h"
#include "distributions/parameter_fits.h"

namespace {

using namespace Zq::Math;

void BM_JohnsonSUParam(benchmark::State& state) {
  double g, d, l, x;
  for (auto _ : state) {
    benchmark::DoNotOptimize(JohnsonSUParam(0, 1, 0.5, 2, g, d, l, x));
    benchmark::DoNotOptimize(g);
  }
}
BENCHMARK(BM_JohnsonSUParam);

void BM_TriangularParam(benchmark::State& state) {
  double lo, hi, mode;
  for (auto _ : state) {
    benchmark::DoNotOptimize(TriangularParam(0, 1, -0.3, lo, hi, mode));
    benchmark::DoNotOptimize(mode);
  }
}
BENCHMARK(BM_TriangularParam);

void BM_TruncNormParam(benchmark::State& state) {
  double mu, sigma;
  for (auto _ : state) {
    benchmark::DoNotOptimize(TruncNormParam(0, 2, 0.8, 0.5, mu, sigma));
    benchmark::DoNotOptimize(sigma);
  }
}
BENCHMARK(BM_TruncNormParam);

void BM_WeibullParam(benchmark::State& state) {
  double scale, shape;
  for (auto _ : state) {
    benchmark::DoNotOptimize(WeibullParam(2, 1, scale, shape));
    benchmark::DoNotOptimize(shape);
  }
}
BENCHMARK(BM_WeibullParam);

void BM_NormParetoMomentFit(benchmark::State& state) {
  NormParetoParams p{};
  for (auto _ : state) {
    benchmark::DoNotOptimize(NormParetoMomentFit(10, 2, 0.1, 1.5, p));
    benchmark::DoNotOptimize(p.sigma);
  }
}
BENCHMARK(BM_NormParetoMomentFit);

}  // namespace
