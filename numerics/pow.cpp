#include "numerics/pow.h"

#include <bit>
#include <cstdint>

#include "numerics/accurate_elementary.h"
#include "numerics/double_double.h"
#include "numerics/exp.h"
#include "numerics/log.h"
#include "numerics/quick_rounding.h"
#include "numerics/special_values.h"
#include "numerics/wide_float.h"

namespace Zq::Math {

namespace {

using namespace DoubleDouble;
using namespace Elementary;
using namespace WideFloat;

bool IsInteger(double y) {
  if (Abs(y) >= 0x1.0p52) return true;
  return static_cast<double>(static_cast<std::int64_t>(y)) == y;
}

bool IsOddInteger(double y) {
  if (Abs(y) >= 0x1.0p53 || !IsInteger(y)) return false;
  return (static_cast<std::int64_t>(y) & 1) != 0;
}

struct Decomposed {
  std::uint64_t odd;  // odd (or zero)
  int power;          // the value is odd * 2^power
  bool negative;
};

Decomposed Decompose(double x) {
  const DoubleParts parts = SplitDouble(x);
  if (parts.significand == 0) return {0, 0, parts.negative};
  const int zeros = std::countr_zero(parts.significand);
  return {parts.significand >> zeros, parts.power + zeros, parts.negative};
}

// a^n for whole a and n, or 0 when it passes 2^64.
std::uint64_t WholePower(std::uint64_t a, std::uint64_t n) {
  std::uint64_t v = 1;
  for (std::uint64_t i = 0; i < n; ++i) {
    if (v > ~std::uint64_t{0} / a) return 0;
    v *= a;
  }
  return v;
}

// The whole square root of a when a is a perfect square, else 0.
std::uint64_t ExactSquareRoot(std::uint64_t a) {
  std::uint64_t r = 0;
  for (int bit = 31; bit >= 0; --bit) {
    const std::uint64_t candidate = r | (std::uint64_t{1} << bit);
    if (candidate * candidate <= a) r = candidate;
  }
  return r * r == a ? r : 0;
}

// |x|^y when it is a dyadic number c * 2^s with c below 2^64 (the only
// powers that can be exact doubles or lie halfway between two), rounded
// exactly; false otherwise. x = a 2^b and y = n 2^-t with a and n odd:
// a^y is whole only for a > 1 a perfect 2^t-th power and y > 0, or for
// a = 1, and then the power of two 2^(b y) must be whole too.
bool ExactPower(double x, double y, double& result) {
  const Decomposed base = Decompose(x), exponent = Decompose(y);
  // Beyond these, 2^(b y) or a^y is far out of the double range (a 2^t-th
  // root of a > 1 below 2^53 is whole only for t <= 5).
  if (exponent.odd > 4096 || exponent.power > 12 || exponent.power < -6) return false;
  if ((exponent.odd << (exponent.power > 0 ? exponent.power : 0)) > 4096) return false;
  const int t = exponent.power < 0 ? -exponent.power : 0;
  const std::int64_t scale = std::int64_t{1} << t;
  if (base.power % scale != 0) return false;
  const std::int64_t whole = static_cast<std::int64_t>(exponent.odd) << (exponent.power > 0 ? exponent.power : 0);
  const std::int64_t signedWhole = exponent.negative ? -whole : whole;
  std::uint64_t c = base.odd;
  for (int i = 0; i < t && c > 1; ++i) {
    c = ExactSquareRoot(c);
    if (c == 0) return false;
  }
  if (c > 1 && exponent.negative) return false;
  const std::uint64_t v = c == 1 ? 1 : WholePower(c, static_cast<std::uint64_t>(whole));
  if (v == 0) return false;
  const std::int64_t s = base.power / scale * signedWhole;
  if (s > 2000 || s < -2000) return false;
  return RoundToDouble(Scale(FromInteger(v), static_cast<int>(s)), kExact, result);
}

// The accurate pass: |x|^y correctly rounded, for finite x != 0 and finite
// y with |y log|x|| below 760, given log|x| as QuickLog gives it; exact
// powers, halfway cases included.
[[gnu::noinline]] double AccuratePowMagnitude(double x, double y, double logHead, double logTail) {
  const Wide power = Multiply(LogWide(x < 0 ? -x : x, logHead, logTail), FromDouble(y));
  // The logarithm's relative error, 2^-184, times |y log x| < 2^10 is the
  // exponent's absolute error and so the power's relative error.
  const int exponentBits = IsZero(power) || power.exponent < 0 ? 0 : power.exponent;
  double result;
  if (RoundToDouble(ExpWide(power), 183 - exponentBits, result)) return result;
  if (ExactPower(x < 0 ? -x : x, y, result)) return result;
  // Not reached for any argument known: keep the nearest of the estimate.
  RoundToDouble(ExpWide(power), kExact, result);
  return result;
}

// |log x| >= 2^-54 for x != 1, so beyond |y| = 2^64 the exponent passes
// 1000 and the power over- or underflows (y is even there). Multiplying
// such a y exactly would overflow its splitting into NaN.
constexpr double kLargestExponent = 0x1.0p64;

// x^y for finite x > 0, x != 1 and 0 < |y| <= 2^64. y log x = eh + el,
// exactly but for y times the logarithm's tail; the logarithm's relative
// error becomes an absolute error of the exponent, and so a relative error
// of the power, |y log x| times as large.
template <class Variant>
ZQ_QUICK_INLINE double PowerMagnitude(double x, double y) {
  const DD logarithm = QuickLogOfAny<Variant>(x);
  const DD product = Variant::TwoProduct(y, logarithm.hi);
  const double eh = product.hi, el = product.lo + y * logarithm.lo;
  if (eh > kExpOverflow + 1.0) return kInfinity;
  if (eh < kExpUnderflow - 1.0) return 0.0;
  if (eh > -kQuickExpRange && eh < kQuickExpRange) {
    const Exponential e = QuickExp<Variant>::Of(eh, el);
    const double error = QuickExp<Variant>::kError + Abs(eh) * kQuickLogError;
    double mantissa;
    if (Decide(e.head, e.tail, error * e.head, mantissa)) return mantissa * PowerOfTwo(e.power);
  }
  return AccuratePowMagnitude(x, y, logarithm.hi, logarithm.lo);
}

template <class Variant>
ZQ_QUICK_INLINE double PowOf(double x, double y) {
  // The usual case first: a positive finite base other than 1 and a
  // nonzero exponent of moderate size (NaN fails every comparison).
  if (x > 0 && x < kInfinity && x != 1.0 && y != 0 && y >= -kLargestExponent && y <= kLargestExponent) {
    return PowerMagnitude<Variant>(x, y);
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
  const double magnitude = PowerMagnitude<Variant>(ax, y);
  return negative ? -magnitude : magnitude;
}

#if ZQ_RUNTIME_AVX
// The Fused variant's body, compiled for the instruction.
ZQ_FUSED double FusedPow(double x, double y) { return PowOf<Fused>(x, y); }
#endif

}  // namespace

double Pow(double x, double y) {
  ZQ_FUSED_VARIANT(FusedPow(x, y));
  return PowOf<Plain>(x, y);
}

}  // namespace Zq::Math
