// The Excel 12 flavour under a recalculation: a sheet of a few thousand
// independent heavy calls (samplers of several distributions with distinct
// seeds, distribution functions, parameter fits) evaluated on one thread and
// on every core, as Excel's multi-threaded recalculation spreads thread-safe
// cells; and the big grid's largest column of uniforms against the classic
// largest, per value, with the process's peak memory after it.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "bench/host_bench_support.h"
#include "host/host.h"
#include "host/parallel_evaluation.h"

namespace {

Zq::Host::Host& OpenHost() { return Zq::Bench::OpenHost(ZQ_ADDIN12_PATH, false); }

// 3,500 cells, each a different seed or argument.
const std::vector<std::string>& HeavySheet() {
  static const std::vector<std::string> sheet = [] {
    std::vector<std::string> formulas;
    for (int i = 1; i <= 500; ++i) {
      const std::string seed = std::to_string(i);
      formulas.push_back("ZQRANDBETA(500,2,3,0," + seed + ",7)");
      formulas.push_back("ZQRANDPOISSON(500,40,1," + seed + ",7)");
      formulas.push_back("ZQRANDNORM(2000,0," + seed + ",7,TRUE,FALSE,TRUE)");
      formulas.push_back("ZQRANDJOHNSONSU(500,0.5,1.5,1,0,2," + seed + ",7,FALSE,FALSE,FALSE)");
      formulas.push_back("ZQTRUNCNORMINV(" + std::to_string(i / 501.0) + ",0,1,0.3,0.5)");
      formulas.push_back("ZQBETADIST(" + std::to_string(i / 501.0) + ",250,400,TRUE)");
      formulas.push_back("ZQJOHNSONSUPARAM(0,1," + std::to_string(0.1 + i / 1000.0) + ",4)");
    }
    return formulas;
  }();
  return sheet;
}

void Recalculate(benchmark::State& state) {
  Zq::Host::Host& host = OpenHost();
  const std::vector<std::string>& sheet = HeavySheet();
  const std::vector<std::string_view> formulas(sheet.begin(), sheet.end());
  const auto threads = static_cast<unsigned>(state.range(0));
  for (auto _ : state) {
    const auto evaluations = Zq::Host::EvaluateAll(host, formulas, threads);
    for (const auto& evaluation : evaluations) {
      if (!evaluation || !evaluation->ok) {
        state.SkipWithError("a formula of the sheet failed");
        return;
      }
    }
    benchmark::DoNotOptimize(evaluations.data());
  }
  state.counters["cells"] = static_cast<double>(formulas.size());
}
BENCHMARK(Recalculate)->Arg(1)->Arg(static_cast<int>(std::thread::hardware_concurrency()))
    ->UseRealTime()->Unit(benchmark::kMillisecond);

void LongestColumn(benchmark::State& state, const char* formula, double values) {
  Zq::Host::Host& host = OpenHost();
  for (auto _ : state) {
    Zq::Host::Evaluation evaluation = host.Evaluate(formula);
    if (!evaluation.ok) {
      state.SkipWithError(evaluation.error.c_str());
      return;
    }
    benchmark::DoNotOptimize(evaluation.value);
  }
  state.counters["per_value"] =
      benchmark::Counter(values * static_cast<double>(state.iterations()),
                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  state.counters["peak_MiB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}
BENCHMARK_CAPTURE(LongestColumn, Classic32767, "ZQRAND(32767,0,1,2)", 32767.0);
BENCHMARK_CAPTURE(LongestColumn, BigGrid1048576, "ZQRAND(1048576,0,1,2)", 1048576.0)->Unit(benchmark::kMillisecond);

}  // namespace
