// The add-in's own tangent, Zq::Math::Tan (see numerics/c_library_names.cpp
// for why the add-in has its own): the correctly rounded value, round to
// nearest with ties to even, for every double, from IEEE additions,
// multiplications, one division and integer arithmetic, so that every build
// gives the same bits. Where the processor has the fused multiply-add (the
// Fused variant, numerics/exact_products.h), the quick pass for |x| < 2^20
// forms its exact products, series and quotient with it, in an order that
// keeps its longest chain of dependent steps short: a tighter error bound,
// the same correctly rounded result.
//
// Quick pass: x = k pi/2 + r with |r| <= pi/4, in double-double (from three
// parts of pi/2 below 2^20, exactly from the bits of 2/pi above), then
// r = c + u with c = i/256, and with T = tan c from the table,
//   tan r = (T + tan u) / (1 - T tan u),   -1/tan r = -(1 - T tan u) / (T + tan u),
// tan u by its series to u^7. Its relative error stays below 2^-69.45 (see
// QuickTangent and FusedModerateTangent); when the rounding of everything
// within 2^-69 of the result is not certain (about one call in 40000), the
// accurate path decides.
// Accurate path: the exact reduction and the sine and cosine series in
// 256-bit fixed point, good to about 2^-185 relative. The hardest cases
// known (within 2^-132 of a rounding boundary) need 2^-132.
#include "numerics/tangent.h"

#include <bit>
#include <cstdint>

#include "numerics/double_double.h"
#include "numerics/exact_products.h"
#include "numerics/fixed_point.h"
#include "numerics/half_pi_reduction.h"
#include "numerics/quick_rounding.h"
#include "numerics/tangent_tables.h"

#if ZQ_RUNTIME_AVX
#include <immintrin.h>
#endif

namespace Zq::Math {

namespace {

using namespace DoubleDouble;
using namespace TangentTables;
using Elementary::kShifter;
using FixedPoint::Fixed;

// Below this, tan x rounds to x: x^3/3 is under half a unit of x.
constexpr double kTiny = 0x1.0p-27;
// Below this, k = round(x 2/pi) stays under 2^20, where its products with
// the two 33-bit parts of pi/2 are exact.
constexpr double kModerate = 0x1.0p20;
// The three-part reduction is right to 2^-100 absolute; below this the
// reduced argument would keep fewer than 76 correct bits.
constexpr double kSmallReduced = 0x1.0p-24;
constexpr double kQuickError = 0x1.0p-69;
constexpr double kSigns[2] = {1.0, -1.0};

// |x| in one bitwise operation (Abs keeps -0 and needs a compare).
double Magnitude(double x) { return __builtin_fabs(x); }

// x with all but its upper 26 significant bits cleared: products of two
// such numbers, or of one with a 27-bit number, are exact.
double Upper26(double x) { return std::bit_cast<double>(std::bit_cast<std::uint64_t>(x) & 0xFFFFFFFFF8000000ull); }

// a / b for normalized a and b to 2^-75 relative, normalized, with one
// division: q1, the quotient cut to 26 bits, times b's upper and lower
// halves is exact, so the remainder a - q1 b (about 2^-25 of a) is exact
// up to 2^-77 of a, and its quotient q2 needs only double precision.
ZQ_QUICK_INLINE DD Quotient(DD a, DD b) {
  const double y = 1.0 / b.hi;
  const double q1 = Upper26(a.hi * y);
  const double bHigh = Upper26(b.hi);
  // a.hi - q1 bHigh is exact: q1 bHigh is within 2^-24 of a.hi.
  const double remainder = ((a.hi - q1 * bHigh) - q1 * (b.hi - bHigh)) + (a.lo - q1 * b.lo);
  return FastTwoSum(q1, remainder * y);
}

// 1 - T.hi d as a double-double less `more`: T.hi d in four exact products,
// as T's halves have 26 bits and d's 26 and 27.
ZQ_QUICK_INLINE DD OneMinusTableTimes(const TangentPoint& t, double d, double more) {
  const double dHigh = Upper26(d);
  const double dLow = d - dHigh;
  const DD d0 = FastTwoSum(1.0, -(t.head * dHigh));
  const double rest = (t.head * dLow + t.tail * dHigh) + t.tail * dLow;
  return FastTwoSum(d0.hi, d0.lo - (rest + more));
}

// tan r for even k, 1/tan r for odd k (where tan x is its opposite), for
// r = rh + rl with |r| <= pi/4 + 2^-30, |rl| <= 2^-48 and |r| >= 2^-64.
//
// With c = i/256 nearest to rh, d = rh - c (exact, |d| <= 2^-9) and
// u = d + rl: tan u = d + tau, tau = rl (1 + d^2) + d^3 (1/3 + 2/15 d^2 +
// 17/315 d^4), whose neglected terms stay below 2^-86.5.
// N = T + tan u, D = 1 - T tan u, with T.hi d in exact parts.
// Relative error, as |N| >= |d| when i = 0 and |N| >= 2^-9 otherwise:
// tau's six roundings (6.2 2^-53 of d^3/3) reach 2^-69.97 of N; N's two
// other roundings 2^-71.6; the neglected terms 2^-77.5; D's 2^-77 (D is
// within 2^-8 of 1); the quotient's 2^-75; the reduction's 2^-75.3: below
// 2^-69.45 in all.
ZQ_QUICK_INLINE DD QuickTangent(double rh, double rl, bool odd) {
  const double nearest = (rh * kTangentPointsPerUnit + kShifter) - kShifter;
  const TangentPoint& t = kTangentPoints[static_cast<int>(nearest) + kLastTangentPoint];
  const double d = rh - nearest * (1.0 / kTangentPointsPerUnit);
  const double d2 = d * d;
  const double series = 1.0 / 3 + d2 * (2.0 / 15 + d2 * (17.0 / 315));
  const double tau = (rl + rl * d2) + (d * d2) * series;

  const DD n0 = FastTwoSum(t.hi, d);
  const DD n = FastTwoSum(n0.hi, n0.lo + (t.lo + tau));

  const DD den = OneMinusTableTimes(t, d, t.hi * tau + t.lo * d);

  // Chosen by index rather than by branch: k's parity is as good as random.
  const DD parts[2] = {n, den};
  return Quotient(parts[odd], parts[!odd]);
}

// True when every value within kQuickError of y rounds to y.hi.
bool RoundsSafely(DD y) { return Elementary::RoundsSafely(y, kQuickError); }

// The fixed-point number to about 2^-104 relative (its top 160 bits).
DD ToDoubleDouble(const Fixed& f) {
  const int top = FixedPoint::HighestBit(f) / 32;
  DD sum{0.0, 0.0};
  for (int k = top; k >= 0 && k > top - 5; --k) sum = Add(sum, f[k] * PowerOfTwo(32 * k - 256));
  return sum;
}

// num / den (both positive, their ratio within 2^-200 .. 2^200) rounded to
// the nearest double, ties to even, from 128 quotient bits and the remainder.
double RoundedQuotient(Fixed num, Fixed den) {
  using namespace FixedPoint;
  // Shift the smaller one so that num / den = 2^e num' / den', 1 <= num'/den' < 2.
  int e = HighestBit(num) - HighestBit(den);
  if (e > 0) {
    den = ShiftLeft(den, e);
  } else {
    num = ShiftLeft(num, -e);
  }
  if (Less(num, den)) {
    num = ShiftLeft(num, 1);
    --e;
  }
  std::uint64_t high = 0, low = 0;
  for (int i = 0; i < 128; ++i) {
    const bool bit = !Less(num, den);
    if (bit) num = Subtract(num, den);
    num = ShiftLeft(num, 1);
    if (i < 64) {
      high = (high << 1) | static_cast<std::uint64_t>(bit);
    } else {
      low = (low << 1) | static_cast<std::uint64_t>(bit);
    }
  }
  // high = 1.xxx 2^63: 53 bits of mantissa, then the rounding bit.
  std::uint64_t mantissa = high >> 11;
  const bool half = ((high >> 10) & 1) != 0;
  const bool beyond = (high & 0x3FF) != 0 || low != 0 || !IsZero(num);
  if (half && (beyond || (mantissa & 1) != 0)) ++mantissa;
  if (mantissa == (std::uint64_t{1} << 53)) {
    mantissa >>= 1;
    ++e;
  }
  return std::bit_cast<double>((static_cast<std::uint64_t>(e + 1023) << 52) | (mantissa & 0x000FFFFFFFFFFFFFull));
}

Fixed InverseFactorial(int j) {
  Fixed c;
  for (int k = 0; k < FixedPoint::kWords; ++k) c[k] = kInverseFactorials[j][k];
  return c;
}

// tan a for finite a >= 2^-27: sin r and cos r by their series in fixed
// point to r^55 (r^2 <= 0.62), error about 2^-250 absolute. No double lies
// within 2^-62 of a multiple of pi/2, so sin r is far from zero.
double AccurateTangent(double a) {
  using namespace FixedPoint;
  const HalfPiReduction reduced = ReduceByHalfPi(a);
  const Fixed& r = reduced.magnitude;
  const Fixed r2 = Multiply(r, r);
  // Each step c_j - r^2 p stays positive: the terms fall.
  Fixed sine = InverseFactorial(55), cosine = InverseFactorial(54);
  for (int j = 53; j >= 1; j -= 2) {
    sine = Subtract(InverseFactorial(j), Multiply(r2, sine));
    cosine = Subtract(InverseFactorial(j - 1), Multiply(r2, cosine));
  }
  sine = Multiply(r, sine);
  // tan(k pi/2 + r) is tan r for even k and -cos r / sin r for odd k.
  const double magnitude = reduced.odd ? RoundedQuotient(cosine, sine) : RoundedQuotient(sine, cosine);
  return reduced.negative != reduced.odd ? -magnitude : magnitude;
}

double WithSign(double magnitude, double x) { return x < 0 ? -magnitude : magnitude; }

// tan x for 2^-27 <= |x| < 2^20.
ZQ_QUICK_INLINE double ModerateTangent(double x) {
  // x = k pi/2 + r: x - k P1 and k P2 are exact, their difference is
  // carried exactly, and k P3 adds the rest of pi/2 to 2^-100.
  const double shifted = x * kTwoOverPi + kShifter;
  const double k = shifted - kShifter;
  const bool odd = (std::bit_cast<std::uint64_t>(shifted) & 1) != 0;
  const DD r = TwoSum(x - k * kHalfPi1, -(k * kHalfPi2));
  if (Magnitude(r.hi) >= kSmallReduced || k == 0) {
    const DD y = QuickTangent(r.hi, r.lo - k * kHalfPi3, odd);
    if (RoundsSafely(y)) return kSigns[odd] * y.hi;
  }
  return WithSign(AccurateTangent(Magnitude(x)), x);
}

#if ZQ_RUNTIME_AVX
// The table's points per unit less 2^-20 of themselves, and that times the
// double P nearest pi/2: a fused multiply-add of the two places x among the
// points a little towards 0 (see FusedModerateTangent).
constexpr double kPointScale = kTangentPointsPerUnit * (1 - 0x1.0p-20);
constexpr double kPointsPerHalfPi = kPointScale * kPiOver2[0];

// a where `odd` has its sign bit clear, b where it is set: a blend, as k's
// parity is as good as random and a branch on it would miss half the time.
// Written out, as the intrinsic would first clear the upper halves of a and
// b, a needless step on the longest chain.
ZQ_FUSED double Choose(__m128d odd, double a, double b) {
  double chosen;
  asm("vblendvpd %3, %2, %1, %0" : "=x"(chosen) : "x"(a), "x"(b), "x"(odd));
  return chosen;
}

// The Fused variant's body for 2^-27 <= |x| < 2^20, compiled for the
// instruction, to which tan jumps where the processor has it. The steps of
// QuickTangent, ordered so that no long step waits for another:
//
// k = round(x 2/pi) by one fused multiply-add, within 1/2 + 2^-34 of
// x 2/pi, so that the reduction's bounds hold; x - k P1, exact, by another.
// The table point comes from x, not from the reduced argument:
// v = s x - k s P with s = 256 (1 - 2^-20) differs from s rh by the
// rounding of s x (2^-26, as |s x| < 2^28), k |s P - RN(s P)| (2^-25.6, as
// |k| < 2^19.4), s k (P1 + P2 - P) (2^-26.5, as |P1 + P2 - P| < 2^-53.8),
// s |r.lo| and its own rounding (2^-46 each): 2^-24.3 in all. So |v| < 201.1
// and for the i nearest v, |256 rh - i| <= 1/2 + 2^-20 |256 rh| + 2^-24.3:
// d = rh - i/256 stays within 2^-9 (1 + 2^-11.3), and within
// 2^-9 (1 + 2^-19.4) for |i| = 1, which keeps |N| >= 2^-9 for i != 0 and
// enlarges QuickTangent's terms by less than 2^-9.7 of themselves. d is
// exact: i = 0 whenever |rh| <= 2^-9 (then |v| < 1/2 - 2^-21 + 2^-24.3),
// so i != 0 brings |rh| > 2^-9, a multiple of 2^-61 like d (|d| < 2^-8).
//
// tau = rl (1 + d^2) + d^3 (1/3 + 2/15 d^2 + 17/315 d^4) by fused
// multiply-adds: d^2, d^3, 1/3, the outer series step and tau's last step
// round, 4.6 2^-53 of d^3/3 (2^-70.37 of N); rl's two roundings add
// 2^-100, 2^-76 of N at worst (i = 0, |N| >= |d| >= 2^-24). N and D are
// formed as in QuickTangent (2^-71.6, 2^-77.5 and 2^-77), with T.hi d =
// p.hi + p.lo exactly, N normalised and D = d0.hi + e (|e| < 2^-28.5) not.
//
// The quotient a/b (N/D, or D/N for odd k) waits for neither: with
// w = (d/3) d^2 + (d - k P3) within 2/15 |d|^5 + |r.lo| + 2^-52 |d| +
// |rl| d^2 of tan u (2^-47.8, and 2^-38.85 of d for i = 0, where
// |r.lo| <= 2^-53 |d|), N' = T.hi + w and
// D' = 1 - T.hi w are N and D to 2^-38.8 (|N| >= 2^-9 for i != 0, |N| >= |d|
// for i = 0; D near 1). y = 1/b' = (1 + g)/b with |g| < 2^-38.7, and
// q1 = a' y = (a/b) (1 + f) with |f| < 2^-37.7. The remainder a - q1 b by
// two fused multiply-adds, high and low parts apart (each below 2^-28.4 of
// a, so rounded to 2^-81.4 of a), and their sum (2^-90.7):
// q1 + (a - q1 b) y = (a/b) (1 - f g) to 2^-76.4 in all.
// The reduction adds 2^-75.3: below 2^-69.75 in all. The rounding test then
// needs no double-double: it rounds q1 + (q2 +- m), q2 = (a - q1 b) y and
// m = 2^-69 |q1| (2^-69 of the tangent to 2^-37), whose fused q2 +- m
// rounds by 2^-90.7 of the tangent at most: with m > 2^-69.75 + 2^-90 of
// it, the ends lie on both sides of the tangent, and rounding is monotonic,
// so when the ends round to the same double, so does the tangent.
ZQ_FUSED double FusedModerateTangent(double x) {
  const double shifted = __builtin_fma(x, kTwoOverPi, kShifter);
  const double k = shifted - kShifter;
  const DD r = TwoSum(__builtin_fma(-k, kHalfPi1, x), -(k * kHalfPi2));
  // The nearest whole number to v sits in the last bits of the sum.
  const double v = __builtin_fma(-k, kPointsPerHalfPi, x * kPointScale) + kShifter;
  const TangentPoint& t = kTangentPoints[static_cast<std::int32_t>(std::bit_cast<std::uint64_t>(v)) + kLastTangentPoint];
  if (Magnitude(r.hi) >= kSmallReduced || k == 0) {
    const double rl = r.lo - k * kHalfPi3;
    const double d = __builtin_fma(v - kShifter, -1.0 / kTangentPointsPerUnit, r.hi);
    const double d2 = d * d;
    const double d3 = d * d2;
    const double series = __builtin_fma(d2, __builtin_fma(d2, 17.0 / 315, 2.0 / 15), 1.0 / 3);
    const double tau = __builtin_fma(d3, series, __builtin_fma(rl, d2, rl));

    const DD n0 = FastTwoSum(t.hi, d);
    const DD n = FastTwoSum(n0.hi, n0.lo + (t.lo + tau));
    const DD p = Elementary::Fused::TwoProduct(t.hi, d);
    const DD d0 = FastTwoSum(1.0, -p.hi);
    const double e = d0.lo - (p.lo + (t.hi * tau + t.lo * d));

    // k's parity, the last bit of `shifted`, moved to the sign bit.
    const __m128d odd = _mm_castsi128_pd(_mm_slli_epi64(_mm_castpd_si128(_mm_set_sd(shifted)), 63));
    const double w = __builtin_fma(d * (1.0 / 3), d2, d - k * kHalfPi3);
    const double nearN = t.hi + w;
    const double nearD = __builtin_fma(-t.hi, w, 1.0);
    const double y = 1.0 / Choose(odd, nearD, nearN);
    const double q1 = Choose(odd, nearN, nearD) * y;
    const double remainder = __builtin_fma(-q1, Choose(odd, d0.hi, n.hi), Choose(odd, n.hi, d0.hi)) +
                             __builtin_fma(-q1, Choose(odd, e, n.lo), Choose(odd, n.lo, e));
    const double margin = kQuickError * Magnitude(q1);
    const double above = q1 + __builtin_fma(remainder, y, margin);
    const double below = q1 + __builtin_fma(remainder, y, -margin);
    if (above == below) return _mm_cvtsd_f64(_mm_xor_pd(_mm_set_sd(above), odd));
  }
  return WithSign(AccurateTangent(Magnitude(x)), x);
}
#endif

}  // namespace

double Tan(double x) {
  const double a = Magnitude(x);
  if (a < kModerate) {
    if (a < kTiny) return x;
    ZQ_FUSED_VARIANT(FusedModerateTangent(x));
    return ModerateTangent(x);
  }
  if (!(a < kInfinity)) return x - x;
  const HalfPiReduction reduced = ReduceByHalfPi(a);
  const DD r = ToDoubleDouble(reduced.magnitude);
  const DD y = reduced.negative ? QuickTangent(-r.hi, -r.lo, reduced.odd)
                                : QuickTangent(r.hi, r.lo, reduced.odd);
  return WithSign(RoundsSafely(y) ? kSigns[reduced.odd] * y.hi : AccurateTangent(a), x);
}

}  // namespace Zq::Math
