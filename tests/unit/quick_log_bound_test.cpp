// The logarithm's quick passes stay within the bound that log's and pow's
// rounding tests rely on (kQuickLogError): head + tail against log x from
// GNU MPFR at 256 bits. Correct rounding alone would hide a bound that is
// too small, since only arguments near a rounding boundary would expose it.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <functional>

#include "numerics/log.h"
#include "tests/unit/argument_stream.h"
#include "tests/unit/mpfr_reference.h"

namespace {

using Zq::Math::DoubleDouble::DD;
using Zq::Math::Elementary::QuickLog;

double RelativeError(DD quick, double x) { return Zq::Test::QuickPassError(mpfr_log, mpfr_log, x, quick.hi, quick.lo); }

// The largest error over every exponent, near 1 (where the result is as
// small as r), and at both ends of every interval of either table, where
// |r| is largest.
double LargestError(const std::function<double(double)>& errorAt) {
  Zq::Test::ArgumentStream stream(73);
  double largest = 0;
  const auto at = [&](double x) {
    if (x > 0 && x != 1.0 && std::isfinite(x)) largest = std::max(largest, errorAt(x));
  };
  for (int i = 0; i < 20000; ++i) at(std::abs(stream.Spread(-1022, 1023)));
  for (int i = 0; i < 20000; ++i) at(1.0 + stream.Spread(-40, -5));
  for (int i = 0; i < 20000; ++i) at(stream.In(0.68, 1.45));
  for (std::uint64_t j = 0; j <= 256; ++j) {
    const std::uint64_t edge = Zq::Math::ElementaryTables::kFusedLogOffset + (j << 44);
    for (int d = -2; d <= 2; ++d) at(std::bit_cast<double>(edge + d));
  }
  for (int j = -75; j <= 106; ++j) at(stream.Near(1.0 + (j + 0.5) / 256));
  return largest;
}

TEST(QuickLogBound, PlainPassStaysWithinItsBound) {
  const double largest = LargestError([](double x) { return RelativeError(QuickLog<Zq::Math::Elementary::Plain>::Of(x, 0), x); });
  EXPECT_LT(largest, 0x1.bp-71) << std::hexfloat << largest;  // 2^-70.2
}

#if ZQ_RUNTIME_AVX
ZQ_FUSED DD FusedLog(double x) { return QuickLog<Zq::Math::Elementary::Fused>::Of(x, 0); }

TEST(QuickLogBound, FusedPassStaysWithinItsBound) {
  if (!__builtin_cpu_supports("fma")) GTEST_SKIP() << "no fused multiply-add here";
  const double largest = LargestError([](double x) { return RelativeError(FusedLog(x), x); });
  EXPECT_LT(largest, 0x1.28p-70) << std::hexfloat << largest;  // 2^-69.76
}
#endif

}  // namespace
