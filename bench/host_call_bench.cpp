// The host's cost per worksheet call: a formula read, its function found,
// its arguments converted, the add-in called and its answer copied, for
// functions whose own work is next to nothing. The add-in is the built
// zqrand.so, loaded and registered as the command-line host does it (the
// exported-only functions by the host's own registration).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "host/host.h"
#include "host/standin/standin.h"

namespace {

Zq::Host::Host& OpenHost() {
  static Zq::Host::Host& host = []() -> Zq::Host::Host& {
    // The stand-in's records come first so that they outlive the host,
    // which takes its registrations back when it closes at exit.
    Zq::StandIn::ClearRecords();
    Zq::StandIn::SetMessageBoxQuiet(true);
    static Zq::Host::Host opened;
    std::string error;
    if (!opened.Open(ZQ_ADDIN_PATH, true, error)) {
      std::fprintf(stderr, "host_call_bench: %s\n", error.c_str());
      std::exit(1);
    }
    return opened;
  }();
  return host;
}

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
