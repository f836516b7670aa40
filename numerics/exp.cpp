#include "numerics/exp.h"

#include "numerics/accurate_elementary.h"
#include "numerics/double_double.h"

namespace Zq::Math {

namespace {

using namespace DoubleDouble;
using namespace Elementary;

// The accurate pass: e^x correctly rounded, for finite x (overflow and
// subnormal results too).
double AccurateExp(double x) { return Rounded(ExpWide(WideFloat::FromDouble(x)), 230); }

// exp beyond the quick pass: outside its range, or too close to a rounding
// boundary for its bound.
[[gnu::noinline]] double ExpBeyondQuick(double x) {
  if (IsNaN(x)) return x + x;
  if (x > kExpOverflow) return kInfinity;
  if (x < kExpUnderflow) return 0.0;
  return AccurateExp(x);
}

template <class Variant>
ZQ_QUICK_INLINE double ExpOf(double x) {
  if (x > -kQuickExpRange && x < kQuickExpRange) {
    const Exponential e = QuickExp<Variant>::Of(x);
    double mantissa;
    if (Decide(e.head, e.tail, QuickExp<Variant>::kError * e.head, mantissa)) return mantissa * PowerOfTwo(e.power);
  }
  return ExpBeyondQuick(x);
}

#if ZQ_RUNTIME_AVX
// The Fused variant's body, compiled for the instruction.
ZQ_FUSED double FusedExp(double x) { return ExpOf<Fused>(x); }
#endif

}  // namespace

double Exp(double x) {
  ZQ_FUSED_VARIANT(FusedExp(x));
  return ExpOf<Plain>(x);
}

}  // namespace Zq::Math
