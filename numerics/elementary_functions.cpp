// The add-in's own exp, log, pow, sinh, cosh and tanh (tan is in
// numerics/tangent.cpp), under the C library's names: every call of these
// functions in the add-in links here.
//
// The same arguments must give the same bits in the Linux build and in both
// Windows add-ins. The platforms' C libraries do not: glibc, mingw-w64's own
// exp/log/pow and msvcrt's sinh/cosh/tanh/tan (evaluated on the x87 unit in
// a 32-bit process, under whatever precision the host process set) disagree
// in the last bit for a fraction of arguments. These versions use IEEE
// additions, multiplications and divisions only and return the correctly
// rounded value (to nearest, ties to even), so they agree everywhere.
// exp, log, pow and the hyperbolic functions first run a quick table-driven
// pass (numerics/quick_exp_log.h) whose error bound is proven; when the value
// is too close to a rounding boundary for that bound (about one call in
// fifty thousand) a 256-bit accurate pass decides (numerics/accurate_elementary.h).
// Where the processor has fused multiply-add, the quick passes of exp, log,
// pow and the hyperbolic functions form their exact products with it and
// take fewer steps, within proven bounds of their own (numerics/exact_products.h,
// numerics/quick_exp.h, numerics/quick_log.h, numerics/quick_hyperbolic.h).
// Special arguments (zeros, infinities, NaN) follow the C standard.
// Outside Windows the add-in's export list (addin/zqrand.map) keeps these
// names local, so that its calls do not resolve to the C library that the
// loading process brought in.
#include <bit>
#include <cstdint>

#include "numerics/accurate_elementary.h"
#include "numerics/double_double.h"
#include "numerics/quick_exp.h"
#include "numerics/quick_hyperbolic.h"
#include "numerics/quick_exp_log.h"
#include "numerics/quick_log.h"

namespace {

using namespace Zq::Math::DoubleDouble;
namespace Quick = Zq::Math::Quick;
namespace Accurate = Zq::Math::Accurate;

// Below these magnitudes the functions equal their argument (or 1) after
// rounding; above these they overflow or reach their limit.
constexpr double kTiny = 0x1.0p-28;
constexpr double kExpOverflow = 710.0;
constexpr double kExpUnderflow = -746.0;
constexpr double kHyperbolicOverflow = 711.0;
// Beyond this, exp(-2|x|) is below 2^-106 of exp(2|x|).
constexpr double kOneExponential = 37.0;
constexpr double kTanhIsOne = 40.0;
// Below this the hyperbolic functions come from their own series.
constexpr double kSmallHyperbolic = 0x1.0p-4;

// True when every value within eps * |y| of y.hi + y.lo rounds to y.hi, so
// that y.hi is the correctly rounded value of anything that close.
bool RoundsSafely(DD y, double eps) {
  const double margin = eps * Abs(y.hi);
  return y.hi + (y.lo + margin) == y.hi && y.hi + (y.lo - margin) == y.hi;
}

// Relative error bound of tan's quick evaluations, with a margin.
constexpr double kQuickError = 0x1.0p-62;

bool IsInteger(double y) {
  if (Abs(y) >= 0x1.0p52) return true;
  return static_cast<double>(static_cast<std::int64_t>(y)) == y;
}

bool IsOddInteger(double y) {
  if (Abs(y) >= 0x1.0p53 || !IsInteger(y)) return false;
  return (static_cast<std::int64_t>(y) & 1) != 0;
}

// a / b to about 2^-104 relative: one quotient and its correction.
template <class Products>
ZQ_QUICK_INLINE DD QuickDivide(DD a, DD b) {
  const double q = a.hi / b.hi;
  const DD p = Products::TwoProduct(q, b.hi);
  // a.hi - p.hi is exact: q b.hi is within a rounding of a.hi.
  const double remainder = (((a.hi - p.hi) - p.lo) + a.lo) - q * b.lo;
  return FastTwoSum(q, remainder / b.hi);
}

// magnitude with x's sign, for x neither zero nor NaN (those return before).
double WithSign(double magnitude, double x) { return __builtin_copysign(magnitude, x); }

// Relative error bound of a + tail for the small-argument series of sinh
// and tanh: the tail, at most a^3/3, carries about five roundings (the
// products a^2 and a^3, the leading coefficient, its sum and product),
// 2^-50.8 of itself and so 2^-52 a^2 of the result; the series' remainder
// is below 2^-66.
double SeriesError(double a2) { return 0x1.0p-52 * a2 + 0x1.0p-66; }

// The quick passes cover |x| < 708, where e^x is a normal double.
constexpr double kQuickExpRange = 708.0;
constexpr double kSmallestNormal = 0x1.0p-1022;

// Quick log x for any finite x > 0, subnormal x scaled up first.
template <class Products = Quick::PlainProducts>
ZQ_QUICK_INLINE DD QuickLogOfAny(double x) {
  return x >= kSmallestNormal ? Quick::LogWith(Products{}, x, 0) : Quick::LogWith(Products{}, x * 0x1.0p54, -54);
}

// The exponential's quick pass in each variant: the plain one of
// numerics/quick_exp_log.h, and the fused one of numerics/quick_exp.h, whose
// steps differ but whose bound is as tight.
template <class Products>
struct QuickExponential {
  static constexpr double kError = Quick::kExpError;
  ZQ_QUICK_INLINE static Quick::Exponential Of(double x, double xl = 0.0) { return Quick::Exp<Products>(x, xl); }
};

#if ZQ_RUNTIME_AVX
template <>
struct QuickExponential<Quick::FusedProducts> {
  static constexpr double kError = Quick::kLeanExpError;
  ZQ_QUICK_INLINE static Quick::Exponential Of(double x, double xl = 0.0) { return Quick::LeanExp(x, xl); }
};
#endif

// |log x| >= 2^-54 for x != 1, so beyond |y| = 2^64 the exponent passes
// 1000 and the power over- or underflows (y is even there). Multiplying
// such a y exactly would overflow its splitting into NaN.
constexpr double kLargestExponent = 0x1.0p64;

// x^y for finite x > 0, x != 1 and 0 < |y| <= 2^64. y log x = eh + el,
// exactly but for y times the logarithm's tail; the logarithm's relative
// error becomes an absolute error of the exponent, and so a relative error
// of the power, |y log x| times as large.
template <class Products>
ZQ_QUICK_INLINE double PowerMagnitude(double x, double y) {
  const DD logarithm = QuickLogOfAny<Products>(x);
  const DD product = Products::TwoProduct(y, logarithm.hi);
  const double eh = product.hi, el = product.lo + y * logarithm.lo;
  if (eh > kExpOverflow + 1.0) return kInfinity;
  if (eh < kExpUnderflow - 1.0) return 0.0;
  if (eh > -kQuickExpRange && eh < kQuickExpRange) {
    const Quick::Exponential e = QuickExponential<Products>::Of(eh, el);
    const double error = QuickExponential<Products>::kError + Abs(eh) * Quick::kLogError;
    double mantissa;
    if (Quick::Decide(e.head, e.tail, error * e.head, mantissa)) return mantissa * PowerOfTwo(e.power);
  }
  return Accurate::PowMagnitude(x, y, logarithm.hi, logarithm.lo);
}

// e^a + e^-a (sign 1) or e^a - e^-a (sign -1) for 0 <= a < 37 (a >= 2^-4
// for the difference) from the plain quick pair, as a double-double. The
// heads' sum is exact (the larger first); the tails add with two roundings,
// below 2^-72 of e^a + e^-a each, to the pair's own errors of 2^-69.5 of
// it: in all within kPairError of e^a + e^-a.
constexpr double kPairError = 0x1.0p-68;

ZQ_QUICK_INLINE DD CombinedPair(const Quick::ExponentialPair& e, double sign) {
  const double up = PowerOfTwo(e.up.power), down = sign * PowerOfTwo(e.down.power);
  const DD heads = FastTwoSum(e.up.head * up, e.down.head * down);
  return FastTwoSum(heads.hi, heads.lo + (e.up.tail * up + e.down.tail * down));
}

// The hyperbolic functions' quick passes where the one exponential does not
// suffice, each true with the correctly rounded value when its rounding is
// certain: cosh a for 0 <= a < 37, sinh a for 2^-4 <= a < 37 and tanh a for
// 2^-4 <= a <= 40. The plain variant combines the pair e^a, e^-a as
// double-doubles; the fused one is numerics/quick_hyperbolic.h's.
template <class Products>
struct QuickHyperbolic {
  ZQ_QUICK_INLINE static bool Cosh(double a, double& result) {
    const DD sum = CombinedPair(Quick::ExpPair<Products>(a), 1.0);
    const DD quick{0.5 * sum.hi, 0.5 * sum.lo};
    result = quick.hi;
    return RoundsSafely(quick, kPairError);
  }

  // (e^a - e^-a) / 2 loses up to log2(coth a) < log2(1 + 1/a) bits.
  ZQ_QUICK_INLINE static bool Sinh(double a, double& result) {
    const DD difference = CombinedPair(Quick::ExpPair<Products>(a), -1.0);
    const DD quick{0.5 * difference.hi, 0.5 * difference.lo};
    result = quick.hi;
    return RoundsSafely(quick, kPairError * (1.0 + 1.0 / a));
  }

  // (e^a - e^-a) / (e^a + e^-a): the difference loses up to
  // log2(coth a) < log2(1 + 1/a) bits, the sum none.
  ZQ_QUICK_INLINE static bool Tanh(double a, double& result) {
    const Quick::ExponentialPair e = Quick::ExpPair<Products>(a);
    const DD quick = QuickDivide<Products>(CombinedPair(e, -1.0), CombinedPair(e, 1.0));
    result = quick.hi;
    return RoundsSafely(quick, kPairError * (2.0 + 1.0 / a));
  }
};

#if ZQ_RUNTIME_AVX
ZQ_QUICK_INLINE bool Rounded(const Quick::HyperbolicValue& v, double& result) {
  double mantissa;
  if (!Quick::Decide(v.head, v.tail, v.error, mantissa)) return false;
  result = mantissa * PowerOfTwo(v.power);
  return true;
}

template <>
struct QuickHyperbolic<Quick::FusedProducts> {
  ZQ_QUICK_INLINE static bool Cosh(double a, double& result) { return Rounded(Quick::LeanCosh(a), result); }
  ZQ_QUICK_INLINE static bool Sinh(double a, double& result) { return Rounded(Quick::LeanSinh(a), result); }
  ZQ_QUICK_INLINE static bool Tanh(double a, double& result) { return Rounded(Quick::LeanTanh(a), result); }
};
#endif

// e^a / 2 for 37 <= a < 708 by the quick pass when its rounding is certain:
// sinh a and cosh a to within 2^-106 (e^-a / 2 is that small beside it).
template <class Products>
ZQ_QUICK_INLINE bool QuickHalfExp(double a, double& result) {
  if (a >= kQuickExpRange) return false;
  const Quick::Exponential e = QuickExponential<Products>::Of(a);
  double mantissa;
  if (!Quick::Decide(e.head, e.tail, (QuickExponential<Products>::kError + 0x1.0p-100) * e.head, mantissa)) return false;
  result = mantissa * PowerOfTwo(e.power - 1);
  return true;
}

template <class Products>
ZQ_QUICK_INLINE double PowOf(double x, double y) {
  // The usual case first: a positive finite base other than 1 and a
  // nonzero exponent of moderate size (NaN fails every comparison).
  if (x > 0 && x < kInfinity && x != 1.0 && y != 0 && y >= -kLargestExponent && y <= kLargestExponent) {
    return PowerMagnitude<Products>(x, y);
  }
  if (y == 0 || x == 1.0) return 1.0;
  if (IsNaN(x) || IsNaN(y)) return x + y;
  const double ax = Abs(x);
  if (Abs(y) == kInfinity) {
    if (ax == 1.0) return 1.0;
    return (ax < 1.0) == (y < 0) ? kInfinity : 0.0;
  }
  if (Abs(y) > kLargestExponent) {
    // Such a y is an even integer, so (-1)^y is 1.
    if (ax == 1.0) return 1.0;
    return (ax < 1.0) == (y < 0) ? kInfinity : 0.0;
  }
  const bool odd = IsOddInteger(y);
  const bool negative = SignBit(x) && odd;
  if (x == 0 || ax == kInfinity) {
    // 0^y and inf^y: zero or infinity, signed for odd y and a negative base.
    const double magnitude = (x == 0) == (y < 0) ? kInfinity : 0.0;
    return negative ? -magnitude : magnitude;
  }
  if (x < 0 && !IsInteger(y)) return kNaN;
  const double magnitude = PowerMagnitude<Products>(ax, y);
  return negative ? -magnitude : magnitude;
}

template <class Products>
ZQ_QUICK_INLINE double TanhOf(double x) {
  // The usual range first; NaN fails every comparison.
  const double a = __builtin_fabs(x);
  double magnitude;
  if (a >= kSmallHyperbolic && a <= kTanhIsOne) {
    if (QuickHyperbolic<Products>::Tanh(a, magnitude)) return WithSign(magnitude, x);
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
  return WithSign(Accurate::Tanh(a), x);
}

// exp beyond the quick pass: outside its range, or too close to a rounding
// boundary for its bound.
[[gnu::noinline]] double ExpBeyondQuick(double x) {
  if (IsNaN(x)) return x + x;
  if (x > kExpOverflow) return kInfinity;
  if (x < kExpUnderflow) return 0.0;
  return Accurate::Exp(x);
}

template <class Products>
ZQ_QUICK_INLINE double ExpOf(double x) {
  if (x > -kQuickExpRange && x < kQuickExpRange) {
    const Quick::Exponential e = QuickExponential<Products>::Of(x);
    double mantissa;
    if (Quick::Decide(e.head, e.tail, QuickExponential<Products>::kError * e.head, mantissa)) {
      return mantissa * PowerOfTwo(e.power);
    }
  }
  return ExpBeyondQuick(x);
}

template <class Products>
ZQ_QUICK_INLINE double SinhOf(double x) {
  // The usual range first; NaN fails every comparison.
  const double a = __builtin_fabs(x);
  double magnitude;
  if (a >= kSmallHyperbolic && a < kOneExponential) {
    if (QuickHyperbolic<Products>::Sinh(a, magnitude)) return WithSign(magnitude, x);
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
  } else if (QuickHalfExp<Products>(a, magnitude)) {
    return WithSign(magnitude, x);
  }
  return WithSign(Accurate::Sinh(a), x);
}

template <class Products>
ZQ_QUICK_INLINE double CoshOf(double x) {
  // The usual range first; NaN fails every comparison.
  const double a = __builtin_fabs(x);
  double result;
  if (a < kOneExponential) {
    if (QuickHyperbolic<Products>::Cosh(a, result)) return result;
    return a < kTiny ? 1.0 : Accurate::Cosh(a);
  }
  if (IsNaN(x)) return x + x;
  if (a > kHyperbolicOverflow) return kInfinity;
  if (QuickHalfExp<Products>(a, result)) return result;
  return Accurate::Cosh(a);
}

template <class Products>
ZQ_QUICK_INLINE double LogOf(double x) {
  if (x >= kSmallestNormal && x < kInfinity) {
    const DD quick = Quick::LogWith(Products{}, x, 0);
    double result;
    if (Quick::Decide(quick.hi, quick.lo, Quick::kLogError * quick.hi, result)) return result;
    return Accurate::Log(x, quick.hi, quick.lo);
  }
  if (IsNaN(x)) return x + x;
  if (x < 0) return kNaN;
  if (x == 0) return -kInfinity;
  if (x == kInfinity) return x;
  const DD quick = QuickLogOfAny<Products>(x);
  double result;
  if (Quick::Decide(quick.hi, quick.lo, Quick::kLogError * quick.hi, result)) return result;
  return Accurate::Log(x, quick.hi, quick.lo);
}

#if ZQ_RUNTIME_AVX
// The fused variant's bodies, whole functions compiled for the instruction,
// to which exp, log, pow and the hyperbolic functions jump.
ZQ_FUSED double FusedExp(double x) { return ExpOf<Quick::FusedProducts>(x); }
ZQ_FUSED double FusedLog(double x) { return LogOf<Quick::FusedProducts>(x); }
ZQ_FUSED double FusedPow(double x, double y) { return PowOf<Quick::FusedProducts>(x, y); }
ZQ_FUSED double FusedSinh(double x) { return SinhOf<Quick::FusedProducts>(x); }
ZQ_FUSED double FusedCosh(double x) { return CoshOf<Quick::FusedProducts>(x); }
ZQ_FUSED double FusedTanh(double x) { return TanhOf<Quick::FusedProducts>(x); }

#define ZQ_FUSED_VARIANT(call) \
  if (Quick::fusedProductsInUse) return call
#else
#define ZQ_FUSED_VARIANT(call)
#endif

}  // namespace

extern "C" {

double exp(double x) {
  ZQ_FUSED_VARIANT(FusedExp(x));
  return ExpOf<Quick::PlainProducts>(x);
}

double log(double x) {
  ZQ_FUSED_VARIANT(FusedLog(x));
  return LogOf<Quick::PlainProducts>(x);
}

double pow(double x, double y) {
  ZQ_FUSED_VARIANT(FusedPow(x, y));
  return PowOf<Quick::PlainProducts>(x, y);
}

double sinh(double x) {
  ZQ_FUSED_VARIANT(FusedSinh(x));
  return SinhOf<Quick::PlainProducts>(x);
}

double cosh(double x) {
  ZQ_FUSED_VARIANT(FusedCosh(x));
  return CoshOf<Quick::PlainProducts>(x);
}

double tanh(double x) {
  ZQ_FUSED_VARIANT(FusedTanh(x));
  return TanhOf<Quick::PlainProducts>(x);
}

}  // extern "C"
