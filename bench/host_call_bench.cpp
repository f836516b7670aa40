// The host's cost per worksheet call: a formula read, its function found,
// its arguments converted, the add-in called and its answer copied, for
// functions whose own work is next to nothing. The add-in is the built
// zqrand.so, loaded and registered as the command-line host does it (the
// exported-only functions by the host's own registration).
#include <benchmark/benchmark.h>

#include <string>

#include "bench/host_bench_support.h"
#include "host/host.h"

namespace {

Zq::Host::Host& OpenHost() { return Zq::Bench::OpenHost(ZQ_ADDIN_PATH, true); }

void EvaluateRepeatedly(benchmark::State& state, const char* formula) {
  Zq::Host::Host& host = OpenHost();
  for (auto _ : state) {
    Zq::Host::Evaluation evaluation = host.Evaluate(formula);
    if (!evaluation.ok) {
      state.SkipWithError(evaluation.error.c_str());
      break;
    }
    benchmark::DoNotOptimize(evaluation.value);
  }
}

// No argument: the call path alone.
BENCHMARK_CAPTURE(EvaluateRepeatedly, GumbelKurt, "ZQGUMBELKURT()");
// Two arguments, a number and a Boolean.
BENCHMARK_CAPTURE(EvaluateRepeatedly, NormDist, "ZQNORMDIST(0.5,TRUE)");
// Registered late, by the host itself after the add-in's 88.
BENCHMARK_CAPTURE(EvaluateRepeatedly, NormParetoKurt, "ZQNORMPARETOKURT(0.1,0.1)");

}  // namespace
