#include "numerics/accurate_elementary.h"

#include <bit>
#include <cstdint>

#include "numerics/elementary_tables.h"
#include "numerics/wide_float.h"

namespace Zq::Math::Accurate {

namespace {

using namespace WideFloat;

constexpr double kInvLn2 = 0x1.71547652b82fep+0;

Wide Ln2() {
  Wide w;
  for (int i = 0; i < kLimbs; ++i) w.limbs[i] = ElementaryTables::kLn2Limbs[i];
  return w;
}

// 1 + r/n (1 + r/(n+1) (...)) from the innermost step inward: Horner's
// scheme for the Taylor series of e^r, n a constant at each step.
template <std::uint32_t n>
Wide TaylorStep(const Wide& r, const Wide& inner) {
  const Wide p = Add(FromInteger(1), DivideBy<n>(Multiply(r, inner)));
  if constexpr (n == 1) {
    return p;
  } else {
    return TaylorStep<n - 1>(r, p);
  }
}

// e^x for |x| < 2^11, to within 2^-235 relative: x = k log 2 + r with
// |r| <= log 2 / 2 (the 256-bit log 2 makes r exact to 2^-245),
// e^r = (e^(r/4096))^4096, and e^(r/4096) by its Taylor series to r^14,
// whose remainder is below 2^-240.
Wide ExpWide(const Wide& x) {
  const double estimate = Estimate(x) * kInvLn2;
  const int k = static_cast<int>(estimate < 0 ? estimate - 0.5 : estimate + 0.5);
  Wide kLn2 = MultiplySmall(Ln2(), static_cast<std::uint32_t>(k < 0 ? -k : k));
  if (k < 0) kLn2 = Negate(kLn2);
  const Wide r = Scale(Subtract(x, kLn2), -12);
  const Wide one = FromInteger(1);
  Wide p = TaylorStep<14>(r, one);
  for (int i = 0; i < 12; ++i) p = Multiply(p, p);
  return Scale(p, k);
}

// log x for finite x > 0, to within 2^-184 relative, from a quick value y
// within 2^-60 relative: log x = y + log(1 + u) with u = x e^-y - 1, so that
// |u| < 2^-59 |log x| + 2^-235 and the series to u^3 leaves out less than
// u^4 / 4. The error of u (2^-235 absolute) is the bound, |log x| being at
// least 2^-53.
Wide LogWide(double x, double head, double tail) {
  const Wide y = Add(FromDouble(head), FromDouble(tail));
  const Wide one = FromInteger(1);
  const Wide u = Subtract(Multiply(FromDouble(x), ExpWide(Negate(y))), one);
  const Wide u2 = Multiply(u, u);
  return Add(Add(y, u), Subtract(DivideBy<3>(Multiply(u2, u)), Scale(u2, -1)));
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

double Rounded(const Wide& value, int accuracyBits) {
  double result;
  if (!RoundToDouble(value, accuracyBits, result)) RoundToDouble(value, kExact, result);
  return result;
}

}  // namespace

double Exp(double x) { return Rounded(ExpWide(FromDouble(x)), 230); }

double Log(double x, double head, double tail) { return Rounded(LogWide(x, head, tail), 180); }

double PowMagnitude(double x, double y, double logHead, double logTail) {
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

double Sinh(double a) {
  // (e^a - e^-a) / 2 loses at most 29 bits to cancellation for a >= 2^-28.
  return Rounded(Scale(Subtract(ExpWide(FromDouble(a)), ExpWide(FromDouble(-a))), -1), 200);
}

double Cosh(double a) { return Rounded(Scale(Add(ExpWide(FromDouble(a)), ExpWide(FromDouble(-a))), -1), 230); }

double Tanh(double a) {
  const Wide up = ExpWide(FromDouble(a)), down = ExpWide(FromDouble(-a));
  return Rounded(Multiply(Subtract(up, down), Reciprocal(Add(up, down))), 200);
}

}  // namespace Zq::Math::Accurate
