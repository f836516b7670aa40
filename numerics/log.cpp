#include "numerics/log.h"

#include "numerics/accurate_elementary.h"
#include "numerics/double_double.h"
#include "numerics/quick_rounding.h"
#include "numerics/special_values.h"

namespace Zq::Math {

namespace {

using namespace DoubleDouble;
using namespace Elementary;

// The accurate pass: log x correctly rounded, for finite x > 0 (subnormal
// x too), given a quick value head + tail within 2^-60 of it relative.
[[gnu::noinline]] double AccurateLog(double x, double head, double tail) {
  return Rounded(LogWide(x, head, tail), 180);
}

template <class Variant>
ZQ_QUICK_INLINE double LogOf(double x) {
  if (x >= kSmallestNormal && x < kInfinity) {
    const DD quick = QuickLog<Variant>::Of(x, 0);
    double result;
    if (Decide(quick.hi, quick.lo, kQuickLogError * quick.hi, result)) return result;
    return AccurateLog(x, quick.hi, quick.lo);
  }
  if (IsNaN(x)) return x + x;
  if (x < 0) return kNaN;
  if (x == 0) return -kInfinity;
  if (x == kInfinity) return x;
  const DD quick = QuickLogOfAny<Variant>(x);
  double result;
  if (Decide(quick.hi, quick.lo, kQuickLogError * quick.hi, result)) return result;
  return AccurateLog(x, quick.hi, quick.lo);
}

#if ZQ_RUNTIME_AVX
// The Fused variant's body, compiled for the instruction.
ZQ_FUSED double FusedLog(double x) { return LogOf<Fused>(x); }
#endif

}  // namespace

double Log(double x) {
  ZQ_FUSED_VARIANT(FusedLog(x));
  return LogOf<Plain>(x);
}

}  // namespace Zq::Math
