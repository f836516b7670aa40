// The fused quick passes of cosh, sinh and tanh stay within the error bounds
// proven for them, and the margins they hand to the rounding test cover
// those bounds: head + tail against GNU MPFR at 256 bits. Correct rounding
// alone would hide a bound that is too small.
#include <gtest/gtest.h>

#include <mpfr.h>

#include <algorithm>
#include <cmath>
#include <functional>

#include "numerics/hyperbolic.h"
#include "tests/unit/argument_stream.h"
#include "tests/unit/mpfr_reference.h"

#if ZQ_RUNTIME_AVX

namespace {

using Zq::Math::Elementary::HyperbolicValue;
using Zq::Test::MpfrUnary;
using QuickHyperbolic = Zq::Math::Elementary::QuickHyperbolic<Zq::Math::Elementary::Fused>;

// The pass's error |(head + tail) 2^power - f(a)| divided by scale(a), and
// its own margin error 2^power divided by the same, both rounded up.
struct Errors {
  double actual;
  double margin;
};

Errors ErrorsOf(const HyperbolicValue& v, MpfrUnary f, MpfrUnary scale, double a) {
  return {Zq::Test::QuickPassError(f, scale, a, v.head, v.tail, v.power),
          Zq::Test::MarginRelativeTo(scale, a, v.error, v.power)};
}

// 1, for an absolute error.
int One(mpfr_ptr y, mpfr_srcptr, mpfr_rnd_t) { return mpfr_set_ui(y, 1, MPFR_RNDN); }

// The largest error over [low, high]: spread arguments, those where the
// reduced argument of e^(factor a) is largest (factor a halfway between
// multiples of log 2 / 256), and those at the ends of the range. Fails when
// the margin of any argument does not cover that argument's error.
double LargestError(const std::function<Errors(double)>& errorsAt, double low, double high, double factor) {
  Zq::Test::ArgumentStream stream(97);
  double largest = 0;
  const auto check = [&](double a) {
    if (!(a >= low && a <= high)) return;
    const Errors e = errorsAt(a);
    EXPECT_LT(e.actual, e.margin) << std::hexfloat << "at " << a;
    largest = std::max(largest, e.actual);
  };
  for (int i = 0; i < 20000; ++i) check(stream.In(low, high));
  for (int i = 0; i < 20000; ++i) {
    const double k = std::floor(stream.In(low, high) * factor * 256 / std::log(2.0)) + 0.5;
    check(stream.Near(k * std::log(2.0) / 256 / factor));
  }
  for (int i = 0; i < 2000; ++i) {
    check(stream.Near(low));
    check(stream.Near(high));
  }
  return largest;
}

ZQ_FUSED HyperbolicValue FusedCosh(double a) { return QuickHyperbolic::CoshValue(a); }
ZQ_FUSED HyperbolicValue FusedSinh(double a) { return QuickHyperbolic::SinhValue(a); }
ZQ_FUSED HyperbolicValue FusedTanh(double a) { return QuickHyperbolic::TanhValue(a); }

class QuickHyperbolicBound : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!__builtin_cpu_supports("fma")) GTEST_SKIP() << "no fused multiply-add here";
  }
};

// cosh and sinh: within 2^-69.53 (e^a + e^-a) / 2, that is of cosh a.
TEST_F(QuickHyperbolicBound, CoshAndSinhStayWithinTheirBound) {
  constexpr double kBound = 0x1.62p-70;  // just below 2^-69.53
  const double cosh = LargestError([](double a) { return ErrorsOf(FusedCosh(a), mpfr_cosh, mpfr_cosh, a); }, 0.0, 36.99, 1);
  EXPECT_LT(cosh, kBound) << std::hexfloat << cosh;
  const double small = LargestError([](double a) { return ErrorsOf(FusedCosh(a), mpfr_cosh, mpfr_cosh, a); }, 0.0, 0x1.0p-6, 1);
  EXPECT_LT(small, kBound) << std::hexfloat << small;
  const double sinh = LargestError([](double a) { return ErrorsOf(FusedSinh(a), mpfr_sinh, mpfr_cosh, a); }, 0x1.0p-4, 36.99, 1);
  EXPECT_LT(sinh, kBound) << std::hexfloat << sinh;
}

// tanh: within 2^-70.42 absolutely.
TEST_F(QuickHyperbolicBound, TanhStaysWithinItsBound) {
  constexpr double kBound = 0x1.7ep-71;  // just below 2^-70.42
  const double tanh = LargestError([](double a) { return ErrorsOf(FusedTanh(a), mpfr_tanh, One, a); }, 0x1.0p-4, 40.0, 2);
  EXPECT_LT(tanh, kBound) << std::hexfloat << tanh;
}

}  // namespace

#endif
