// The add-in's exp, log, pow, sinh, cosh, tanh and tan as they were before
// their quick passes were rewritten: a frozen copy, kept so that the unit
// tests can check that the faster versions return the same bits for every
// argument they try.
#include "tests/unit/elementary_reference.h"

#include <bit>
#include <cstdint>

#include "numerics/double_double.h"
#include "numerics/special_values.h"

namespace Zq::Test {
namespace {

using namespace Zq::Math::DoubleDouble;
using Zq::Math::kNaN;

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

// e^r - 1 for |r| <= 0.36: a Taylor series on r / 256, then eight doublings
// of the argument through e^2s - 1 = (e^s - 1)(e^s - 1 + 2). Accurate
// relative to the result however small r is.
DD ExpMinusOne(DD r) {
  const DD s{r.hi * 0x1.0p-8, r.lo * 0x1.0p-8};
  DD p{1.0, 0.0};
  for (int n = 10; n >= 2; --n) p = Add(Divide(Multiply(s, p), static_cast<double>(n)), 1.0);
  DD t = Multiply(s, p);
  for (int i = 0; i < 8; ++i) t = Add(Multiply(t, 2.0), Multiply(t, t));
  return t;
}

// e^x as m * 2^k with m near 1, for |x| < 746.
struct Exponential {
  DD mantissa;
  int power;
};

Exponential ExpParts(DD x) {
  const double k = Nearest(x.hi * kInvLn2);
  const DD r = Subtract(x, Multiply(kLn2, k));
  return {Add(ExpMinusOne(r), 1.0), static_cast<int>(k)};
}

DD ExpDD(DD x) {
  const Exponential e = ExpParts(x);
  return Scale(e.mantissa, e.power);
}

// True when every value within eps * |y| of y.hi + y.lo rounds to y.hi, so
// that y.hi is the correctly rounded value of anything that close.
bool RoundsSafely(DD y, double eps) {
  const double margin = eps * Abs(y.hi);
  return y.hi + (y.lo + margin) == y.hi && y.hi + (y.lo - margin) == y.hi;
}

// Relative error bound of the quick evaluations, with a margin.
constexpr double kQuickError = 0x1.0p-62;

// 2^(j/64) for j = 0..63, from the full exponential.
struct PowerTable {
  DD values[64];
  PowerTable() {
    for (int j = 0; j < 64; ++j) values[j] = ExpDD(Multiply(kLn2, j / 64.0));
  }
};

const PowerTable& PowersOfTwo() {
  static const PowerTable table;
  return table;
}

// e^x to about 2^-66: x = (64 m + j) log2 / 64 + r with |r| <= log2 / 128,
// e^x = 2^m 2^(j/64) e^r, e^r - 1 = r + r^2/2 + ... with r in double-double
// and the rest of the series in double.
Exponential QuickExpParts(DD x) {
  const double kd = Nearest(x.hi * (64.0 * kInvLn2));
  const int k = static_cast<int>(kd);
  const int j = k & 63;
  const DD r = Subtract(x, Multiply(DD{kLn2.hi / 64.0, kLn2.lo / 64.0}, kd));
  const double h = r.hi;
  const double series =
      h * h * (0.5 + h * (1.0 / 6 + h * (1.0 / 24 + h * (1.0 / 120 + h * (1.0 / 720 + h * (1.0 / 5040))))));
  const DD p = Add(r, series);
  const DD& t = PowersOfTwo().values[j];
  return {Add(t, Multiply(t, p)), (k - j) / 64};
}

// The quick value when its rounding is certain (and the result normal).
bool QuickResult(const Exponential& e, double eps, double& result) {
  if (e.power < -1021 || !RoundsSafely(e.mantissa, eps)) return false;
  result = Scale(e.mantissa.hi, e.power);
  return true;
}

// 2 atanh(s) = log((1 + s) / (1 - s)) by its odd series, to `terms` terms.
DD TwiceAtanh(DD s, int terms) {
  const DD s2 = Multiply(s, s);
  DD p = Divide(DD{1.0, 0.0}, static_cast<double>(2 * terms - 1));
  for (int odd = 2 * terms - 3; odd >= 1; odd -= 2) p = Add(Multiply(s2, p), Divide(DD{1.0, 0.0}, static_cast<double>(odd)));
  return Multiply(Multiply(s, p), 2.0);
}

// log(j / 64) for the table points j / 64 in [45/64, 91/64].
constexpr int kFirstPoint = 45;
constexpr int kLastPoint = 91;

struct LogTable {
  DD values[kLastPoint - kFirstPoint + 1];
  LogTable() {
    for (int j = kFirstPoint; j <= kLastPoint; ++j) {
      const double c = j / 64.0;
      values[j - kFirstPoint] = TwiceAtanh(Divide(DD{c - 1.0, 0.0}, TwoSum(c, 1.0)), 22);
    }
  }
};

const LogTable& LogPoints() {
  static const LogTable table;
  return table;
}

// log(x) for finite x > 0: x = m * 2^e with m in [sqrt(1/2), sqrt(2)),
// m = c (1 + f) with c the nearest table point, and
// log x = e log 2 + log c + 2 atanh((m - c) / (m + c)).
DD LogDD(double x) {
  int e = 0;
  if (x < 0x1.0p-1022) {
    x *= 0x1.0p54;
    e = -54;
  }
  const std::uint64_t bits = std::bit_cast<std::uint64_t>(x);
  e += static_cast<int>(bits >> 52) - 1023;
  double m = std::bit_cast<double>((bits & 0x000FFFFFFFFFFFFFull) | 0x3FF0000000000000ull);
  if (m > 0x1.6a09e667f3bcdp+0) {
    m *= 0.5;
    ++e;
  }
  const int j = static_cast<int>(Nearest(m * 64.0));
  const double c = j / 64.0;
  // m - c is exact: m and c are within a factor of two of each other.
  const DD f = TwiceAtanh(Divide(DD{m - c, 0.0}, TwoSum(m, c)), 8);
  return Add(Add(Multiply(kLn2, static_cast<double>(e)), LogPoints().values[j - kFirstPoint]), f);
}

// log(x) to about 2^-68 relative, as LogDD but with the series beyond its
// first term in double.
DD QuickLogDD(double x) {
  int e = 0;
  if (x < 0x1.0p-1022) {
    x *= 0x1.0p54;
    e = -54;
  }
  const std::uint64_t bits = std::bit_cast<std::uint64_t>(x);
  e += static_cast<int>(bits >> 52) - 1023;
  double m = std::bit_cast<double>((bits & 0x000FFFFFFFFFFFFFull) | 0x3FF0000000000000ull);
  if (m > 0x1.6a09e667f3bcdp+0) {
    m *= 0.5;
    ++e;
  }
  const int j = static_cast<int>(Nearest(m * 64.0));
  const double c = j / 64.0;
  const DD s = Divide(DD{m - c, 0.0}, TwoSum(m, c));
  const double s2 = s.hi * s.hi;
  const double series = 2.0 * s.hi * s2 * (1.0 / 3 + s2 * (1.0 / 5 + s2 * (1.0 / 7 + s2 * (1.0 / 9))));
  const DD f = Add(Multiply(s, 2.0), series);
  return Add(Add(Multiply(kLn2, static_cast<double>(e)), LogPoints().values[j - kFirstPoint]), f);
}

bool IsInteger(double y) {
  if (Abs(y) >= 0x1.0p52) return true;
  return static_cast<double>(static_cast<std::int64_t>(y)) == y;
}

bool IsOddInteger(double y) {
  if (Abs(y) >= 0x1.0p53 || !IsInteger(y)) return false;
  return (static_cast<std::int64_t>(y) & 1) != 0;
}

// sin r and cos r for |r| <= pi/4 by their Taylor series.
DD SinReduced(DD r) {
  const DD r2 = Multiply(r, r);
  DD p{1.0, 0.0};
  for (int n = 14; n >= 1; --n) p = Add(Negate(Divide(Multiply(r2, p), static_cast<double>((2 * n) * (2 * n + 1)))), 1.0);
  return Multiply(r, p);
}

DD CosReduced(DD r) {
  const DD r2 = Multiply(r, r);
  DD p{1.0, 0.0};
  for (int n = 14; n >= 1; --n) p = Add(Negate(Divide(Multiply(r2, p), static_cast<double>((2 * n - 1) * (2 * n)))), 1.0);
  return p;
}

// The same series to about 2^-66: the last three steps of the nested
// product in double-double, the deeper ones (together below 2^-10 of the
// result) in double.
DD QuickSinReduced(DD r) {
  const DD r2 = Multiply(r, r);
  const double h = r2.hi;
  double inner = 1.0;
  for (int n = 10; n >= 4; --n) inner = 1.0 - h * inner / static_cast<double>((2 * n) * (2 * n + 1));
  DD p{inner, 0.0};
  for (int n = 3; n >= 1; --n) p = Add(Negate(Divide(Multiply(r2, p), static_cast<double>((2 * n) * (2 * n + 1)))), 1.0);
  return Multiply(r, p);
}

DD QuickCosReduced(DD r) {
  const DD r2 = Multiply(r, r);
  const double h = r2.hi;
  double inner = 1.0;
  for (int n = 10; n >= 4; --n) inner = 1.0 - h * inner / static_cast<double>((2 * n - 1) * (2 * n));
  DD p{inner, 0.0};
  for (int n = 3; n >= 1; --n) p = Add(Negate(Divide(Multiply(r2, p), static_cast<double>((2 * n - 1) * (2 * n)))), 1.0);
  return p;
}

double WithSign(double magnitude, double x) { return x < 0 ? -magnitude : magnitude; }

}  // namespace


double ReferenceExp(double x) {
  if (IsNaN(x)) return x + x;
  if (x > kExpOverflow) return kInfinity;
  if (x < kExpUnderflow) return 0.0;
  double result;
  if (QuickResult(QuickExpParts(DD{x, 0.0}), kQuickError, result)) return result;
  const Exponential e = ExpParts(DD{x, 0.0});
  return Scale(e.mantissa.hi, e.power);
}

double ReferenceLog(double x) {
  if (IsNaN(x)) return x + x;
  if (x < 0) return kNaN;
  if (x == 0) return -kInfinity;
  if (x == kInfinity) return x;
  const DD quick = QuickLogDD(x);
  if (RoundsSafely(quick, kQuickError)) return quick.hi;
  return LogDD(x).hi;
}

double ReferencePow(double x, double y) {
  if (y == 0 || x == 1.0) return 1.0;
  if (IsNaN(x) || IsNaN(y)) return x + y;
  const double ax = Abs(x);
  if (Abs(y) == kInfinity) {
    if (ax == 1.0) return 1.0;
    return (ax < 1.0) == (y < 0) ? kInfinity : 0.0;
  }
  // |log x| >= 2^-54 for x != 1, so beyond |y| = 2^64 the exponent passes
  // 1000 and the power over- or underflows (y is even there). Multiplying
  // such a y in double-double would overflow its splitting into NaN.
  if (Abs(y) > 0x1.0p64) {
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
  // The quick logarithm's error, scaled by y, adds to the quick exponential's.
  const DD quickExponent = Multiply(QuickLogDD(ax), y);
  double magnitude;
  if (quickExponent.hi > kExpOverflow + 1.0) {
    magnitude = kInfinity;
  } else if (quickExponent.hi < kExpUnderflow - 1.0) {
    magnitude = 0.0;
  } else if (!QuickResult(QuickExpParts(quickExponent), kQuickError * (1.0 + Abs(quickExponent.hi)), magnitude)) {
    const DD exponent = Multiply(LogDD(ax), y);
    if (exponent.hi > kExpOverflow) {
      magnitude = kInfinity;
    } else if (exponent.hi < kExpUnderflow) {
      magnitude = 0.0;
    } else {
      const Exponential e = ExpParts(exponent);
      magnitude = Scale(e.mantissa.hi, e.power);
    }
  }
  return negative ? -magnitude : magnitude;
}

double ReferenceSinh(double x) {
  if (IsNaN(x)) return x + x;
  const double a = Abs(x);
  if (a < kTiny) return x;
  if (a > kHyperbolicOverflow) return WithSign(kInfinity, x);
  double magnitude;
  if (a < kSmallHyperbolic) {
    // a + a^3/6 + a^5/120 + ...: the tail is below 2^-10 of a.
    const double a2 = a * a;
    const double tail =
        a * a2 * (1.0 / 6 + a2 * (1.0 / 120 + a2 * (1.0 / 5040 + a2 * (1.0 / 362880 + a2 * (1.0 / 39916800)))));
    const DD quick = FastTwoSum(a, tail);
    if (RoundsSafely(quick, kQuickError)) return WithSign(quick.hi, x);
  } else if (a < kOneExponential) {
    // (e^a - e^-a) / 2 loses up to log2(coth a) bits to cancellation.
    const Exponential q = QuickExpParts(DD{a, 0.0});
    const DD e = Scale(q.mantissa, q.power);
    const DD quick = Multiply(Subtract(e, Divide(DD{1.0, 0.0}, e)), 0.5);
    if (RoundsSafely(quick, kQuickError * (1.0 + 1.0 / a))) return WithSign(quick.hi, x);
  } else if (QuickResult(QuickExpParts(Subtract(DD{a, 0.0}, kLn2)), kQuickError, magnitude)) {
    return WithSign(magnitude, x);
  }
  if (a <= 0.34) {
    // (e^a - e^-a) / 2 = t (t + 2) / (2 (t + 1)) with t = e^a - 1.
    const DD t = ExpMinusOne(DD{a, 0.0});
    magnitude = Divide(Multiply(t, Add(t, 2.0)), Multiply(Add(t, 1.0), 2.0)).hi;
  } else if (a < kOneExponential) {
    const DD e = ExpDD(DD{a, 0.0});
    magnitude = Multiply(Subtract(e, Divide(DD{1.0, 0.0}, e)), 0.5).hi;
  } else {
    const Exponential e = ExpParts(Subtract(DD{a, 0.0}, kLn2));
    magnitude = Scale(e.mantissa.hi, e.power);
  }
  return WithSign(magnitude, x);
}

double ReferenceCosh(double x) {
  if (IsNaN(x)) return x + x;
  const double a = Abs(x);
  if (a > kHyperbolicOverflow) return kInfinity;
  if (a < kOneExponential) {
    const Exponential q = QuickExpParts(DD{a, 0.0});
    const DD quickE = Scale(q.mantissa, q.power);
    const DD quick = Multiply(Add(quickE, Divide(DD{1.0, 0.0}, quickE)), 0.5);
    if (RoundsSafely(quick, kQuickError)) return quick.hi;
    const DD e = ExpDD(DD{a, 0.0});
    return Multiply(Add(e, Divide(DD{1.0, 0.0}, e)), 0.5).hi;
  }
  double result;
  if (QuickResult(QuickExpParts(Subtract(DD{a, 0.0}, kLn2)), kQuickError, result)) return result;
  const Exponential e = ExpParts(Subtract(DD{a, 0.0}, kLn2));
  return Scale(e.mantissa.hi, e.power);
}

double ReferenceTanh(double x) {
  if (IsNaN(x)) return x + x;
  const double a = Abs(x);
  if (a < kTiny) return x;
  if (a > kTanhIsOne) return WithSign(1.0, x);
  if (a < kSmallHyperbolic) {
    // a - a^3/3 + 2a^5/15 - ...: the tail is below 2^-9 of a.
    const double a2 = a * a;
    const double tail =
        a * a2 *
        (-1.0 / 3 + a2 * (2.0 / 15 + a2 * (-17.0 / 315 + a2 * (62.0 / 2835 + a2 * (-1382.0 / 155925 + a2 * (21844.0 / 6081075))))));
    const DD quick = FastTwoSum(a, tail);
    if (RoundsSafely(quick, kQuickError)) return WithSign(quick.hi, x);
  } else {
    // u / (u + 2) with u = e^2a - 1, which loses up to log2(1 + 1/2a) bits.
    const Exponential q = QuickExpParts(DD{2.0 * a, 0.0});
    const DD u = Add(Scale(q.mantissa, q.power), -1.0);
    const DD quick = Divide(u, Add(u, 2.0));
    if (RoundsSafely(quick, kQuickError * (2.0 + 1.0 / a))) return WithSign(quick.hi, x);
  }
  // tanh a = u / (u + 2) with u = e^2a - 1.
  const DD u = 2.0 * a <= 0.34 ? ExpMinusOne(DD{2.0 * a, 0.0}) : Add(ExpDD(DD{2.0 * a, 0.0}), -1.0);
  return WithSign(Divide(u, Add(u, 2.0)).hi, x);
}

double ReferenceTan(double x) {
  if (IsNaN(x)) return x + x;
  const double a = Abs(x);
  if (a == kInfinity) return kNaN;
  if (a < kTiny) return x;
  // a = k pi/2 + r with |r| <= pi/4; tan a = tan r for even k, -1/tan r for
  // odd k. From 2^52 on, a * 2/pi is a whole (and from 2^53 on an even) number.
  const double q = a * kTwoOverPi;
  const double k = q < 0x1.0p52 ? Nearest(q) : q;
  DD r = Subtract(DD{a, 0.0}, TwoProduct(k, kPiOver2[0]));
  r = Subtract(r, TwoProduct(k, kPiOver2[1]));
  r = Add(r, -k * kPiOver2[2]);
  const bool odd = IsOddInteger(k);
  const DD quickSin = QuickSinReduced(r);
  const DD quickCos = QuickCosReduced(r);
  const DD quick = odd ? Negate(Divide(quickCos, quickSin)) : Divide(quickSin, quickCos);
  if (RoundsSafely(quick, kQuickError)) return WithSign(quick.hi, x);
  const DD s = SinReduced(r);
  const DD c = CosReduced(r);
  const double magnitude = odd ? -Divide(c, s).hi : Divide(s, c).hi;
  return WithSign(magnitude, x);
}


}  // namespace Zq::Test
