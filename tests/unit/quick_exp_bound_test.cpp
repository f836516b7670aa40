// The exponential's quick passes stay within the error bounds that their
// callers' rounding tests rely on: head + tail against e^x from GNU MPFR at
// 256 bits. Correct rounding alone would hide a bound that is too small,
// since only the rare arguments near a rounding boundary would expose it.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "numerics/exp.h"
#include "tests/unit/argument_stream.h"
#include "tests/unit/mpfr_reference.h"

namespace {

using Zq::Math::Elementary::Exponential;
using Zq::Math::Elementary::ExponentialPair;
using Zq::Math::Elementary::QuickExp;

double RelativeError(const Exponential& e, double x) {
  return Zq::Test::QuickPassError(mpfr_exp, mpfr_exp, x, e.head, e.tail, e.power);
}

// The largest error of a quick pass over the whole range, the arguments
// where |r| is largest (halfway between multiples of log 2 / 256) and small
// arguments.
double LargestError(const std::function<double(double)>& errorAt) {
  Zq::Test::ArgumentStream stream(71);
  double largest = 0;
  for (int i = 0; i < 20000; ++i) largest = std::max(largest, errorAt(stream.In(-707.9, 707.9)));
  for (int i = 0; i < 20000; ++i) {
    const double k = std::floor(stream.In(-707.9, 707.9) * 256 / std::log(2.0)) + 0.5;
    largest = std::max(largest, errorAt(stream.Near(k * std::log(2.0) / 256)));
  }
  for (int i = 0; i < 5000; ++i) largest = std::max(largest, errorAt(stream.Spread(-60, 3)));
  return largest;
}

TEST(QuickExpBound, PlainPassStaysWithinItsBound) {
  const double largest = LargestError([](double x) { return RelativeError(QuickExp<Zq::Math::Elementary::Plain>::Of(x, 0.0), x); });
  EXPECT_LT(largest, 0x1.6a09e667f3bcdp-70) << std::hexfloat << largest;  // 2^-69.5
}

#if ZQ_RUNTIME_AVX
ZQ_FUSED Exponential FusedExp(double x) { return QuickExp<Zq::Math::Elementary::Fused>::Of(x); }
ZQ_FUSED ExponentialPair FusedExpPair(double x) { return QuickExp<Zq::Math::Elementary::Fused>::PairOf(x); }

TEST(QuickExpBound, FusedPassesStayWithinTheirBound) {
  if (!__builtin_cpu_supports("fma")) GTEST_SKIP() << "no fused multiply-add here";
  EXPECT_LT(LargestError([](double x) { return RelativeError(FusedExp(x), x); }), 0x1.0p-70);
  EXPECT_LT(LargestError([](double x) { return RelativeError(FusedExpPair(x).up, x); }), 0x1.0p-70);
  EXPECT_LT(LargestError([](double x) { return RelativeError(FusedExpPair(x).down, -x); }), 0x1.0p-70);
}
#endif

}  // namespace
