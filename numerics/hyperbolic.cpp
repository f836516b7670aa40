#include "numerics/hyperbolic.h"

#include "numerics/accurate_elementary.h"
#include "numerics/double_double.h"
#include "numerics/exp.h"
#include "numerics/quick_rounding.h"
#include "numerics/wide_float.h"

namespace Zq::Math {

namespace {

using namespace DoubleDouble;
using namespace Elementary;
using namespace WideFloat;

// Below this magnitude the functions equal their argument (or 1) after
// rounding; above these they overflow or reach their limit.
constexpr double kTiny = 0x1.0p-28;
constexpr double kHyperbolicOverflow = 711.0;
// Beyond this, exp(-2|x|) is below 2^-106 of exp(2|x|).
constexpr double kOneExponential = 37.0;
constexpr double kTanhIsOne = 40.0;
// Below this the hyperbolic functions come from their own series.
constexpr double kSmallHyperbolic = 0x1.0p-4;

// magnitude with x's sign, for x neither zero nor NaN (those return before).
double WithSign(double magnitude, double x) { return __builtin_copysign(magnitude, x); }

// Relative error bound of a + tail for the small-argument series of sinh
// and tanh: the tail, at most a^3/3, carries about five roundings (the
// products a^2 and a^3, the leading coefficient, its sum and product),
// 2^-50.8 of itself and so 2^-52 a^2 of the result; the series' remainder
// is below 2^-66.
double SeriesError(double a2) { return 0x1.0p-52 * a2 + 0x1.0p-66; }

// The accurate passes: sinh, cosh and tanh of a correctly rounded, for
// 2^-28 <= a <= 711, kept out of line like every accurate pass (the quick
// passes' bodies stay small).
[[gnu::noinline]] double AccurateSinh(double a) {
  // (e^a - e^-a) / 2 loses at most 29 bits to cancellation for a >= 2^-28.
  return Rounded(Scale(Subtract(ExpWide(FromDouble(a)), ExpWide(FromDouble(-a))), -1), 200);
}

[[gnu::noinline]] double AccurateCosh(double a) {
  return Rounded(Scale(Add(ExpWide(FromDouble(a)), ExpWide(FromDouble(-a))), -1), 230);
}

[[gnu::noinline]] double AccurateTanh(double a) {
  const Wide up = ExpWide(FromDouble(a)), down = ExpWide(FromDouble(-a));
  return Rounded(Multiply(Subtract(up, down), Reciprocal(Add(up, down))), 200);
}

// e^a / 2 for 37 <= a < 708 by the quick pass when its rounding is certain:
// sinh a and cosh a to within 2^-106 (e^-a / 2 is that small beside it).
template <class Variant>
ZQ_QUICK_INLINE bool QuickHalfExp(double a, double& result) {
  if (a >= kQuickExpRange) return false;
  const Exponential e = QuickExp<Variant>::Of(a);
  double mantissa;
  if (!Decide(e.head, e.tail, (QuickExp<Variant>::kError + 0x1.0p-100) * e.head, mantissa)) return false;
  result = mantissa * PowerOfTwo(e.power - 1);
  return true;
}

template <class Variant>
ZQ_QUICK_INLINE double TanhOf(double x) {
  // The usual range first; NaN fails every comparison.
  const double a = __builtin_fabs(x);
  double magnitude;
  if (a >= kSmallHyperbolic && a <= kTanhIsOne) {
    if (QuickHyperbolic<Variant>::Tanh(a, magnitude)) return WithSign(magnitude, x);
  } else if (a < kSmallHyperbolic) {
    if (a < kTiny) return x;
    // a - a^3/3 + 2a^5/15 - ...: the tail is below 2^-9 of a.
    const double a2 = a * a;
    const double tail =
        a * a2 *
        (-1.0 / 3 + a2 * (2.0 / 15 + a2 * (-17.0 / 315 + a2 * (62.0 / 2835 + a2 * (-1382.0 / 155925 + a2 * (21844.0 / 6081075))))));
    const DD quick = FastTwoSum(a, tail);
    if (RoundsSafely(quick, SeriesError(a2))) return WithSign(quick.hi, x);
  } else {
    return IsNaN(x) ? x + x : WithSign(1.0, x);
  }
  return WithSign(AccurateTanh(a), x);
}

template <class Variant>
ZQ_QUICK_INLINE double SinhOf(double x) {
  // The usual range first; NaN fails every comparison.
  const double a = __builtin_fabs(x);
  double magnitude;
  if (a >= kSmallHyperbolic && a < kOneExponential) {
    if (QuickHyperbolic<Variant>::Sinh(a, magnitude)) return WithSign(magnitude, x);
  } else if (a < kSmallHyperbolic) {
    if (a < kTiny) return x;
    // a + a^3/6 + a^5/120 + ...: the tail is below 2^-10 of a.
    const double a2 = a * a;
    const double tail =
        a * a2 * (1.0 / 6 + a2 * (1.0 / 120 + a2 * (1.0 / 5040 + a2 * (1.0 / 362880 + a2 * (1.0 / 39916800)))));
    const DD quick = FastTwoSum(a, tail);
    if (RoundsSafely(quick, SeriesError(a2))) return WithSign(quick.hi, x);
  } else if (IsNaN(x)) {
    return x + x;
  } else if (a > kHyperbolicOverflow) {
    return WithSign(kInfinity, x);
  } else if (QuickHalfExp<Variant>(a, magnitude)) {
    return WithSign(magnitude, x);
  }
  return WithSign(AccurateSinh(a), x);
}

template <class Variant>
ZQ_QUICK_INLINE double CoshOf(double x) {
  // The usual range first; NaN fails every comparison.
  const double a = __builtin_fabs(x);
  double result;
  if (a < kOneExponential) {
    if (QuickHyperbolic<Variant>::Cosh(a, result)) return result;
    return a < kTiny ? 1.0 : AccurateCosh(a);
  }
  if (IsNaN(x)) return x + x;
  if (a > kHyperbolicOverflow) return kInfinity;
  if (QuickHalfExp<Variant>(a, result)) return result;
  return AccurateCosh(a);
}

#if ZQ_RUNTIME_AVX
// The Fused variant's bodies, compiled for the instruction.
ZQ_FUSED double FusedSinh(double x) { return SinhOf<Fused>(x); }
ZQ_FUSED double FusedCosh(double x) { return CoshOf<Fused>(x); }
ZQ_FUSED double FusedTanh(double x) { return TanhOf<Fused>(x); }
#endif

}  // namespace

double Sinh(double x) {
  ZQ_FUSED_VARIANT(FusedSinh(x));
  return SinhOf<Plain>(x);
}

double Cosh(double x) {
  ZQ_FUSED_VARIANT(FusedCosh(x));
  return CoshOf<Plain>(x);
}

double Tanh(double x) {
  ZQ_FUSED_VARIANT(FusedTanh(x));
  return TanhOf<Plain>(x);
}

}  // namespace Zq::Math
