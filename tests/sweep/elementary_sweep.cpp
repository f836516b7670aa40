// The long correct-rounding sweep of the add-in's exp, log, pow, sinh, cosh,
// tanh and tan against GNU MPFR: `./zq sweep [--plain] [ARGUMENTS]` checks
// that many arguments in all (10^9 by default), spread over each function's
// range as in tests/unit/elementary_mpfr_test.cpp, on every core, on the
// variant of the quick passes chosen when the library loaded (--plain: the
// variant without fused multiply-add). Prints each disagreement and exits
// with 1 if there was one.
#include <atomic>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "numerics/processor_features.h"
#include "tests/unit/argument_stream.h"
#include "tests/unit/mpfr_reference.h"

namespace {

using Zq::Test::CorrectlyRounded;
using Zq::Test::Disagreement;

using Stream = Zq::Test::ArgumentStream;

std::mutex output;
std::atomic<long> disagreements{0};

void Report(const char* name, double x, double y, bool binary, double actual, double expected) {
  if (Zq::Test::SameResult(actual, expected)) return;
  ++disagreements;
  const std::string line = binary ? Disagreement(name, x, y, actual, expected) : Disagreement(name, x, actual, expected);
  const std::lock_guard<std::mutex> lock(output);
  std::printf("%s\n", line.c_str());
}

void CheckUnary(const char* name, double (*f)(double), Zq::Test::MpfrUnary mpfr, double x) {
  Report(name, x, 0.0, false, f(x), CorrectlyRounded(mpfr, x));
}

void CheckPow(double x, double y) { Report("pow", x, y, true, std::pow(x, y), CorrectlyRounded(mpfr_pow, x, y)); }

double Exp(double x) { return std::exp(x); }
double Log(double x) { return std::log(x); }
double Sinh(double x) { return std::sinh(x); }
double Cosh(double x) { return std::cosh(x); }
double Tanh(double x) { return std::tanh(x); }
double Tan(double x) { return std::tan(x); }

// One round checks twelve arguments: two for exp, two for log, three for
// pow, one for each hyperbolic function, two for tan (its working range and
// any magnitude, where the reduction by pi/2 is exact).
void Round(Stream& s) {
  CheckUnary("exp", Exp, mpfr_exp, s.In(-746.0, 710.0));
  CheckUnary("exp", Exp, mpfr_exp, s.Spread(-60, 3));
  CheckUnary("log", Log, mpfr_log, std::abs(s.Spread(-1074, 1023)));
  CheckUnary("log", Log, mpfr_log, (s.Bits() & 1) != 0 ? s.In(0.70, 1.42) : 1.0 + s.Spread(-60, -2));
  CheckPow(s.In(0.0, 10.0), s.In(-100.0, 100.0));
  CheckPow(std::abs(s.Spread(-1074, 1023)), s.Spread(-6, 3));
  CheckPow(1.0 + s.Spread(-60, -4), s.Spread(0, 62));
  const double h = (s.Bits() & 1) != 0 ? s.In(-712.0, 712.0) : s.Spread(-30, 5);
  CheckUnary("sinh", Sinh, mpfr_sinh, h);
  CheckUnary("cosh", Cosh, mpfr_cosh, h);
  CheckUnary("tanh", Tanh, mpfr_tanh, h);
  CheckUnary("tan", Tan, mpfr_tan, s.In(-10.0, 10.0));
  CheckUnary("tan", Tan, mpfr_tan, s.Spread(-1074, 1023));
}

constexpr long kPerRound = 12;

}  // namespace

int main(int argc, char** argv) {
  const bool plain = argc > 1 && std::strcmp(argv[1], "--plain") == 0;
  if (plain) {
    Zq::Math::UseFusedMultiplyAdd(false);
    --argc;
    ++argv;
  }
  const long total = argc > 1 ? std::atol(argv[1]) : 1000000000L;
  const unsigned threads = std::thread::hardware_concurrency() > 0 ? std::thread::hardware_concurrency() : 1;
  const long rounds = total / kPerRound / threads + 1;
  std::vector<std::thread> workers;
  for (unsigned t = 0; t < threads; ++t) {
    workers.emplace_back([t, rounds] {
      Stream stream(1000 + t);
      for (long i = 0; i < rounds; ++i) Round(stream);
    });
  }
  for (std::thread& worker : workers) worker.join();
  std::printf("%ld arguments on %u threads, %s quick passes: %ld disagreements with MPFR\n", rounds * kPerRound * threads,
              threads, Zq::Math::fusedMultiplyAddInUse ? "fused" : "plain", disagreements.load());
  return disagreements.load() == 0 ? 0 : 1;
}
