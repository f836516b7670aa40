// The add-in's exp, log, pow, sinh, cosh and tanh round exactly as GNU MPFR
// does (to nearest, ties to even, subnormal results included): random
// arguments over each function's whole range, the edges where results
// overflow or turn subnormal, tiny arguments, the published
// hardest-to-round arguments, and pow's exact and halfway results. The
// long sweep over 10^9 arguments is `./zq sweep` (tests/sweep). Each test
// runs on both variants of the quick passes.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>

#include "tests/unit/argument_stream.h"
#include "tests/unit/elementary_hard_cases.h"
#include "tests/unit/mpfr_reference.h"
#include "tests/unit/quick_variant_test.h"

namespace {

using Zq::Test::CorrectlyRounded;
using Zq::Test::Disagreement;
using Zq::Test::SameResult;

using Stream = Zq::Test::ArgumentStream;

// Counts and reports the arguments where a function and MPFR disagree.
class Agreement {
 public:
  explicit Agreement(const char* name) : name_(name) {}
  void Check(double actual, double expected, double x, double y = NAN) {
    ++count_;
    if (SameResult(actual, expected)) return;
    if (++wrong_ <= 5) {
      ADD_FAILURE() << (std::isnan(y) ? Disagreement(name_, x, actual, expected) : Disagreement(name_, x, y, actual, expected));
    }
  }
  ~Agreement() { EXPECT_EQ(wrong_, 0) << name_ << ": " << wrong_ << " of " << count_ << " results differ from MPFR"; }

 private:
  const char* name_;
  long count_ = 0;
  long wrong_ = 0;
};

void CheckUnary(Agreement& agreement, double (*f)(double), Zq::Test::MpfrUnary mpfr, double x) {
  agreement.Check(f(x), CorrectlyRounded(mpfr, x), x);
}

double Exp(double x) { return std::exp(x); }
double Log(double x) { return std::log(x); }
double Sinh(double x) { return std::sinh(x); }
double Cosh(double x) { return std::cosh(x); }
double Tanh(double x) { return std::tanh(x); }

void CheckPow(Agreement& agreement, double x, double y) { agreement.Check(std::pow(x, y), CorrectlyRounded(mpfr_pow, x, y), x, y); }

class ElementaryMpfr : public Zq::Test::QuickVariantTest {};
INSTANTIATE_TEST_SUITE_P(QuickPasses, ElementaryMpfr, ::testing::Bool(), Zq::Test::QuickVariantName);

TEST_P(ElementaryMpfr, HardestToRoundArgumentsRoundAsMpfr) {
  Agreement exp("exp"), log("log"), pow("pow");
  for (double x : Zq::Test::kExpHardCases) CheckUnary(exp, Exp, mpfr_exp, x);
  for (double x : Zq::Test::kLogHardCases) CheckUnary(log, Log, mpfr_log, x);
  for (const auto& [x, y] : Zq::Test::kPowHardCases) CheckPow(pow, x, y);
}

TEST_P(ElementaryMpfr, ExpRoundsAsMpfrOverItsRange) {
  Agreement agreement("exp");
  Stream stream(1);
  for (int i = 0; i < 20000; ++i) CheckUnary(agreement, Exp, mpfr_exp, stream.In(-750.0, 712.0));
  for (int i = 0; i < 5000; ++i) CheckUnary(agreement, Exp, mpfr_exp, stream.Spread(-70, 3));
  // Overflow, the first subnormal results, the last nonzero ones (around
  // 2^-1075, halfway to zero) and the end of the quick pass's range.
  const double edges[] = {0x1.62e42fefa39efp+9, -0x1.6232bdd7abcd2p+9, -0x1.74385446d71c3p+9, -0x1.74910d52d3051p+9, 708.0, -708.0};
  for (double edge : edges) {
    for (int i = 0; i < 400; ++i) CheckUnary(agreement, Exp, mpfr_exp, stream.Near(edge));
  }
  for (double x : std::initializer_list<double>{0.0, -0.0, INFINITY, -INFINITY, NAN, 0x1.0p-1074, -0x1.0p-1074, 0x1.0p-54, -0x1.0p-54, -0x1.0p-53}) {
    CheckUnary(agreement, Exp, mpfr_exp, x);
  }
}

TEST_P(ElementaryMpfr, LogRoundsAsMpfrOverItsRange) {
  Agreement agreement("log");
  Stream stream(2);
  // Every exponent, subnormal arguments included, and every table interval.
  for (int i = 0; i < 20000; ++i) CheckUnary(agreement, Log, mpfr_log, std::abs(stream.Spread(-1074, 1023)));
  for (int i = 0; i < 5000; ++i) CheckUnary(agreement, Log, mpfr_log, 1.0 + stream.Spread(-60, -2));
  for (int i = 0; i < 5000; ++i) CheckUnary(agreement, Log, mpfr_log, stream.In(0.70, 1.42));
  for (int i = 0; i < 1000; ++i) CheckUnary(agreement, Log, mpfr_log, stream.Near(1.0));
  // The edges of the table's intervals, 2^e (1 + (2j + 1) / 512), where the
  // index rounds a tie, and the split at sqrt(1/2) and sqrt(2).
  for (int j = -75; j <= 106; ++j) {
    for (int e : {-1060, -1, 0, 1, 900}) {
      const double edge = std::ldexp(1.0 + (j + 0.5) / 256, e);
      CheckUnary(agreement, Log, mpfr_log, edge);
      CheckUnary(agreement, Log, mpfr_log, stream.Near(edge));
    }
  }
  for (double edge : {0x1.6a09e667f3bccp-1, 0x1.6a09e667f3bcdp-1, 0x1.6a09e667f3bccp+0, 0x1.6a09e667f3bcdp+0}) {
    for (int i = 0; i < 100; ++i) CheckUnary(agreement, Log, mpfr_log, stream.Near(edge));
  }
  for (double x : std::initializer_list<double>{0.0, -0.0, 1.0, -1.0, INFINITY, -INFINITY, NAN, 0x1.0p-1074, 0x1.fffffffffffffp+1023, 0x1.0p-1022, 2.0}) {
    CheckUnary(agreement, Log, mpfr_log, x);
  }
}

TEST_P(ElementaryMpfr, PowRoundsAsMpfrOverItsRange) {
  Agreement agreement("pow");
  Stream stream(3);
  for (int i = 0; i < 10000; ++i) CheckPow(agreement, stream.In(0.0, 10.0), stream.In(-100.0, 100.0));
  for (int i = 0; i < 5000; ++i) CheckPow(agreement, std::abs(stream.Spread(-1074, 1023)), stream.Spread(-6, 3));
  for (int i = 0; i < 3000; ++i) CheckPow(agreement, 1.0 + stream.Spread(-60, -4), stream.Spread(0, 62));
  for (int i = 0; i < 2000; ++i) {
    // Results near overflow and through the subnormal range to zero.
    const double x = stream.In(1.5, 3.0);
    CheckPow(agreement, x, stream.In(1020.0, 1026.0) / std::log2(x));
    CheckPow(agreement, x, -stream.In(1018.0, 1077.0) / std::log2(x));
  }
  for (int i = 0; i < 2000; ++i) {
    // Negative bases with whole exponents.
    CheckPow(agreement, -stream.In(0.0, 20.0), static_cast<double>(static_cast<int>(stream.Bits() % 400) - 200));
  }
}

// Powers that are exact doubles or lie exactly halfway between two, which
// no precision can round by an error bound alone: squares of 27-bit odd
// numbers (53 or 54 bits), cubes of squares, whole powers of small odd
// numbers, and powers of two down to halfway below the smallest subnormal.
TEST_P(ElementaryMpfr, ExactAndHalfwayPowersRoundAsMpfr) {
  Agreement agreement("pow");
  Stream stream(4);
  for (int i = 0; i < 2000; ++i) {
    const double odd = static_cast<double>((stream.Bits() % (1u << 26)) | (1u << 26) | 1u);
    const double scale = std::ldexp(1.0, static_cast<int>(stream.Bits() % 200) - 100);
    CheckPow(agreement, odd * scale, 2.0);
    CheckPow(agreement, -odd * scale, 2.0);
    const double root = static_cast<double>((stream.Bits() % (1u << 17)) | (1u << 17) | 1u);
    CheckPow(agreement, root * root, 1.5);
    CheckPow(agreement, root * root * 0x1.0p-40, 1.5);
  }
  for (int base = 3; base < 100; base += 2) {
    for (int n = 2; n <= 40; ++n) {
      CheckPow(agreement, base, n);
      CheckPow(agreement, -base / 4.0, n);
      CheckPow(agreement, base, -n);
    }
  }
  for (int k = 1; k <= 1100; ++k) {
    CheckPow(agreement, 2.0, -k);
    CheckPow(agreement, 0.5, k);
    CheckPow(agreement, 0x1.0p-5, k / 5.0);
  }
  // Subnormal results of odd bases: c^n 2^s with fewer than 53 bits kept.
  for (int k = 1030; k <= 1080; ++k) CheckPow(agreement, 3.0 * std::ldexp(1.0, -k / 3), 3.0);
}

TEST_P(ElementaryMpfr, HyperbolicFunctionsRoundAsMpfr) {
  Agreement sinh("sinh"), cosh("cosh"), tanh("tanh");
  Stream stream(5);
  for (int i = 0; i < 8000; ++i) {
    const double wide = stream.In(-712.0, 712.0), moderate = stream.In(-40.0, 40.0), small = stream.Spread(-40, -1);
    for (double x : {wide, moderate, small}) {
      CheckUnary(sinh, Sinh, mpfr_sinh, x);
      CheckUnary(cosh, Cosh, mpfr_cosh, x);
      CheckUnary(tanh, Tanh, mpfr_tanh, x);
    }
  }
  // The last lies within 2^-70 of a midpoint; the earlier small-argument
  // series of tanh, whose error bound was too small, misrounded it.
  for (double x : std::initializer_list<double>{0.0, -0.0, INFINITY, -INFINITY, NAN, 0x1.0p-1074, 710.4758600739439, -710.4758600739439,
                                                0x1.0p-28, -0x1.d3ffa366f74dp-5}) {
    CheckUnary(sinh, Sinh, mpfr_sinh, x);
    CheckUnary(cosh, Cosh, mpfr_cosh, x);
    CheckUnary(tanh, Tanh, mpfr_tanh, x);
  }
}

}  // namespace
