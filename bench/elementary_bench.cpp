// Nanoseconds per call of the add-in's own exp, log, pow, sinh, cosh, tanh
// and tan, on arguments spread over their usual ranges. The Plain rows run
// the variant without fused multiply-add on a processor that has it.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <vector>

#include "numerics/processor_features.h"

namespace {

std::vector<double> Arguments(double low, double high) {
  std::vector<double> values(4096);
  std::uint64_t state = 0x2545F4914F6CDD1Dull;
  for (double& v : values) {
    state ^= state << 13;
    state ^= state >> 7;
    state ^= state << 17;
    v = low + (high - low) * (static_cast<double>(state >> 11) * 0x1.0p-53);
  }
  return values;
}

template <typename F>
void PerCall(benchmark::State& state, double low, double high, F f) {
  const std::vector<double> values = Arguments(low, high);
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(f(values[i]));
    i = (i + 1) & 4095;
  }
}

void Exp(benchmark::State& s) { PerCall(s, -20.0, 20.0, [](double x) { return std::exp(x); }); }
void Log(benchmark::State& s) { PerCall(s, 1e-3, 1e3, [](double x) { return std::log(x); }); }
void Pow(benchmark::State& s) { PerCall(s, 0.1, 10.0, [](double x) { return std::pow(x, 2.7 - x); }); }
void Sinh(benchmark::State& s) { PerCall(s, -5.0, 5.0, [](double x) { return std::sinh(x); }); }
void Cosh(benchmark::State& s) { PerCall(s, -5.0, 5.0, [](double x) { return std::cosh(x); }); }
void Tanh(benchmark::State& s) { PerCall(s, -5.0, 5.0, [](double x) { return std::tanh(x); }); }
void Tan(benchmark::State& s) { PerCall(s, -10.0, 10.0, [](double x) { return std::tan(x); }); }

// The benchmark with the quick passes' plain variant in force.
template <void (*Benchmark)(benchmark::State&)>
void Plain(benchmark::State& s) {
  const bool fused = Zq::Math::UseFusedMultiplyAdd(false);
  Benchmark(s);
  Zq::Math::UseFusedMultiplyAdd(fused);
}

BENCHMARK(Exp);
BENCHMARK(Log);
BENCHMARK(Pow);
BENCHMARK(Sinh);
BENCHMARK(Cosh);
BENCHMARK(Tanh);
BENCHMARK(Tan);
BENCHMARK(Plain<Exp>)->Name("PlainExp");
BENCHMARK(Plain<Log>)->Name("PlainLog");
BENCHMARK(Plain<Pow>)->Name("PlainPow");
BENCHMARK(Plain<Sinh>)->Name("PlainSinh");
BENCHMARK(Plain<Cosh>)->Name("PlainCosh");
BENCHMARK(Plain<Tanh>)->Name("PlainTanh");
BENCHMARK(Plain<Tan>)->Name("PlainTan");

}  // namespace
