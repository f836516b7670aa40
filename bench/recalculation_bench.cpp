// The Excel 12 flavour under a recalculation: a sheet of a few thousand
// independent heavy calls (samplers of several distributions with distinct
// seeds, distribution functions, parameter fits) evaluated on one thread and
// on every core, as Excel's multi-threaded recalculation spreads thread-safe
// cells; and the big grid's largest column of uniforms against the classic
// largest, per value, with the process's peak memory after it: the add-in's
// own call, and the same through the host.
#include <benchmark/benchmark.h>
#include <dlfcn.h>
#include <malloc.h>
#include <sys/resource.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "addin/xlcall12.h"
#include "bench/host_bench_support.h"
#include "host/host.h"
#include "host/parallel_evaluation.h"

namespace {

// The host copies every result into cells of its own, some 80 MB a
// recalculation, and frees them when the next begins. glibc's heap gives
// such memory back to the system and every thread then faults it in anew,
// which on this machine's virtual processors costs more than the add-in's
// work; Excel's cell store keeps its memory. So the host's heap keeps it.
Zq::Host::Host& OpenHost() {
  static const bool heapKept = mallopt(M_TRIM_THRESHOLD, 1 << 30) == 1 && mallopt(M_MMAP_THRESHOLD, 1 << 25) == 1;
  if (!heapKept) std::fprintf(stderr, "benchmark host: the heap's thresholds were refused\n");
  return Zq::Bench::OpenHost(ZQ_ADDIN12_PATH, false);
}

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
    auto evaluations = Zq::Host::EvaluateAll(host, formulas, threads);
    // Checking the answers and freeing the host's copies of them is the
    // host's bookkeeping, not the recalculation: Excel overwrites its cells.
    state.PauseTiming();
    for (const auto& evaluation : evaluations) {
      if (!evaluation || !evaluation->ok) {
        state.SkipWithError("a formula of the sheet failed");
        return;
      }
    }
    evaluations.clear();
    state.ResumeTiming();
  }
  state.counters["cells"] = static_cast<double>(formulas.size());
}
BENCHMARK(Recalculate)->Arg(1)->Arg(static_cast<int>(std::thread::hardware_concurrency()))
    ->UseRealTime()->Unit(benchmark::kMillisecond);

// The process's peak resident memory so far.
double PeakMiB() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void CountPerValue(benchmark::State& state, double values) {
  state.counters["per_value"] = benchmark::Counter(values * static_cast<double>(state.iterations()),
                                                   benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
  state.counters["peak_MiB"] = PeakMiB();
}

// The add-in's own part of ZQRAND(size,0,1,2), as Excel sees it: the call,
// then xlAutoFree12 once the values are copied.
void AddinColumn(benchmark::State& state) {
  OpenHost();
  using Procedure = XLOPER12*(ZQ_CALL*)(std::int32_t, std::int32_t, std::int32_t, std::int32_t);
  using AutoFree = void(ZQ_CALL*)(XLOPER12*);
  void* library = dlopen(ZQ_ADDIN12_PATH, RTLD_NOW | RTLD_NOLOAD);
  const auto zqRand = reinterpret_cast<Procedure>(dlsym(library, "ZqRand"));
  const auto autoFree = reinterpret_cast<AutoFree>(dlsym(library, "xlAutoFree12"));
  if (zqRand == nullptr || autoFree == nullptr) {
    state.SkipWithError("the add-in lacks ZqRand or xlAutoFree12");
    return;
  }
  const auto size = static_cast<std::int32_t>(state.range(0));
  for (auto _ : state) {
    XLOPER12* result = zqRand(size, 0, 1, 2);
    if (result == nullptr || (result->xltype & xltypeMulti) == 0) {
      state.SkipWithError("ZqRand answered no array");
      return;
    }
    benchmark::DoNotOptimize(result->val.array.lparray[size - 1].val.num);
    autoFree(result);
  }
  CountPerValue(state, static_cast<double>(size));
  dlclose(library);
}
BENCHMARK(AddinColumn)->Arg(32767)->Arg(1048576);

// The same through the host, which copies every value into its own cells
// as Excel does.
void HostColumn(benchmark::State& state, const char* formula, double values) {
  Zq::Host::Host& host = OpenHost();
  for (auto _ : state) {
    Zq::Host::Evaluation evaluation = host.Evaluate(formula);
    if (!evaluation.ok) {
      state.SkipWithError(evaluation.error.c_str());
      return;
    }
    benchmark::DoNotOptimize(evaluation.value);
  }
  CountPerValue(state, values);
}
BENCHMARK_CAPTURE(HostColumn, Classic32767, "ZQRAND(32767,0,1,2)", 32767.0);
BENCHMARK_CAPTURE(HostColumn, BigGrid1048576, "ZQRAND(1048576,0,1,2)", 1048576.0)->Unit(benchmark::kMillisecond);

}  // namespace
