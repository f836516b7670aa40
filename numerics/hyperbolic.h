// The add-in's sinh, cosh and tanh, correctly rounded for every double (see
// numerics/c_library_names.cpp for why the add-in has its own), and their
// quick passes: built on the exponential's (numerics/exp.h), each gives a
// value whose rounding it settles when its proven error bound leaves no
// doubt (numerics/quick_rounding.h); otherwise the accurate pass decides.
// Small arguments take their own series, large ones the one exponential
// (numerics/hyperbolic.cpp).
#pragma once

#include "numerics/double_double.h"
#include "numerics/elementary_tables.h"
#include "numerics/exact_products.h"
#include "numerics/exp.h"
#include "numerics/quick_rounding.h"

namespace Zq::Math {

// sinh, cosh and tanh correctly rounded (to nearest, ties to even); zeros,
// infinities and NaN as the C standard has them.
double Sinh(double x);
double Cosh(double x);
double Tanh(double x);

}  // namespace Zq::Math

namespace Zq::Math::Elementary {

// The function's value is within error of (head + tail) 2^power.
struct HyperbolicValue {
  double head;
  double tail;
  double error;
  int power;
};

// The hyperbolic functions' quick passes where the one exponential does not
// suffice, each true with the correctly rounded value when its rounding is
// certain: cosh a for 0 <= a < 37, sinh a for 2^-4 <= a < 37 and tanh a for
// 2^-4 <= a <= 40.
template <class Variant>
struct QuickHyperbolic;

// a / b to about 2^-104 relative: one quotient and its correction.
ZQ_QUICK_INLINE DD QuickDivide(DD a, DD b) {
  const double q = a.hi / b.hi;
  const DD p = Plain::TwoProduct(q, b.hi);
  // a.hi - p.hi is exact: q b.hi is within a rounding of a.hi.
  const double remainder = (((a.hi - p.hi) - p.lo) + a.lo) - q * b.lo;
  return DoubleDouble::FastTwoSum(q, remainder / b.hi);
}

// e^a + e^-a (sign 1) or e^a - e^-a (sign -1) for 0 <= a < 37 (a >= 2^-4
// for the difference) from the Plain quick pair, as a double-double. The
// heads' sum is exact (the larger first); the tails add with two roundings,
// below 2^-72 of e^a + e^-a each, to the pair's own errors of 2^-69.5 of
// it: in all within kCombinedPairError of e^a + e^-a.
constexpr double kCombinedPairError = 0x1.0p-68;

ZQ_QUICK_INLINE DD CombinedPair(const ExponentialPair& e, double sign) {
  const double up = DoubleDouble::PowerOfTwo(e.up.power), down = sign * DoubleDouble::PowerOfTwo(e.down.power);
  const DD heads = DoubleDouble::FastTwoSum(e.up.head * up, e.down.head * down);
  return DoubleDouble::FastTwoSum(heads.hi, heads.lo + (e.up.tail * up + e.down.tail * down));
}

// The Plain variant combines the pair e^a, e^-a as double-doubles.
template <>
struct QuickHyperbolic<Plain> {
  ZQ_QUICK_INLINE static bool Cosh(double a, double& result) {
    const DD sum = CombinedPair(QuickExp<Plain>::PairOf(a), 1.0);
    const DD quick{0.5 * sum.hi, 0.5 * sum.lo};
    result = quick.hi;
    return RoundsSafely(quick, kCombinedPairError);
  }

  // (e^a - e^-a) / 2 loses up to log2(coth a) < log2(1 + 1/a) bits.
  ZQ_QUICK_INLINE static bool Sinh(double a, double& result) {
    const DD difference = CombinedPair(QuickExp<Plain>::PairOf(a), -1.0);
    const DD quick{0.5 * difference.hi, 0.5 * difference.lo};
    result = quick.hi;
    return RoundsSafely(quick, kCombinedPairError * (1.0 + 1.0 / a));
  }

  // (e^a - e^-a) / (e^a + e^-a): the difference loses up to
  // log2(coth a) < log2(1 + 1/a) bits, the sum none.
  ZQ_QUICK_INLINE static bool Tanh(double a, double& result) {
    const ExponentialPair e = QuickExp<Plain>::PairOf(a);
    const DD quick = QuickDivide(CombinedPair(e, -1.0), CombinedPair(e, 1.0));
    result = quick.hi;
    return RoundsSafely(quick, kCombinedPairError * (2.0 + 1.0 / a));
  }
};

#if ZQ_RUNTIME_AVX
// The Fused variant's passes build on QuickExp<Fused>. Each also gives its
// value (head, tail, error and power) for the tests that hold it to its
// bound. Only code compiled for the instruction (ZQ_FUSED) may call these.
template <>
struct QuickHyperbolic<Fused> {
  // e^a = (upHead + upTail) 2^power and e^-a = (downHead + downTail) 2^power
  // for 0 <= a < 37: the steps of QuickExp<Fused>::PairOf, each exponential
  // within 2^-70.05 of itself, but with e^-a's table point scaled into e^a's
  // frame beforehand, so that the two add as they are. e^-a = 2^(-k div 256)
  // T((-k) mod 256) (...), and 2^((-k) div 256 - k div 256) is at least
  // 2^-107 for k < 2^14: the scaled head and tail and every value the
  // assembly forms from them stay normal, so each step gives the very value
  // of QuickExp<Fused>::Assemble's step times that power of two.
  struct PairInOneFrame {
    double upHead;
    double upTail;
    double downHead;
    double downTail;
    int power;
  };

  ZQ_QUICK_INLINE static PairInOneFrame PairOf(double a) {
    using ElementaryTables::kPowersOfTwo;
    using Exp = QuickExp<Fused>;
    const Exp::Reduction x = Exp::Reduce(a, 0.0);
    const double r = x.r;
    const double even = Exp::Even(x), odd = Exp::Odd(x);
    const ElementaryTables::PowerOfTwoPoint& up = kPowersOfTwo[x.k & 255];
    const ElementaryTables::PowerOfTwoPoint& down = kPowersOfTwo[-x.k & 255];
    const int power = x.k >> 8;
    const double scale = DoubleDouble::PowerOfTwo((-x.k >> 8) - power);
    const DD u = Exp::AssembleAt(up.head, up.tail, x.r1, x.rl, r, even + odd);
    const DD d = Exp::AssembleAt(down.head * scale, down.tail * scale, -x.r1, -x.rl, -r, even - odd);
    return {u.hi, u.lo, d.hi, d.lo, power};
  }

  // Error bound of cosh and sinh, relative to e^a + e^-a: with U and D the
  // exact exponentials in the pair's frame,
  //  - each exponential within 2^-70.05 of itself: 2^-70.05 (U + D), for the
  //    sum and the difference alike;
  //  - the heads' sum (or difference) is exact (FastTwoSum: upHead >= downHead);
  //  - the tails (each below 2^-19.98 of its head) add with a rounding below
  //    2^-72.98 (U + D); adding that to the heads' rounding error (below 2^-53
  //    of the heads) costs one more of the same size;
  //  - Decide's rounding of tail +- margin, below 2^-72.9 (U + D).
  // In all below 2^-69.53 (U + D); the margin, 2^-69 times upHead + downHead
  // (at least (U + D) (1 - 2^-19.9)), covers it.
  static constexpr double kPairError = 0x1.0p-69;

  // cosh a = (e^a + e^-a) / 2 for 0 <= a < 37.
  ZQ_QUICK_INLINE static HyperbolicValue CoshValue(double a) {
    const PairInOneFrame e = PairOf(a);
    const DD heads = DoubleDouble::FastTwoSum(e.upHead, e.downHead);
    return {heads.hi, heads.lo + (e.upTail + e.downTail), kPairError * heads.hi, e.power - 1};
  }

  // sinh a = (e^a - e^-a) / 2 for 2^-4 <= a < 37. The bound is relative to
  // e^a + e^-a, so the margin is too: no division by a.
  ZQ_QUICK_INLINE static HyperbolicValue SinhValue(double a) {
    const PairInOneFrame e = PairOf(a);
    const DD heads = DoubleDouble::FastTwoSum(e.upHead, -e.downHead);
    return {heads.hi, heads.lo + (e.upTail - e.downTail), kPairError * (e.upHead + e.downHead), e.power - 1};
  }

  // tanh a = (E - 1) / (E + 1) for 2^-4 <= a <= 40 from one exponential,
  // E = e^(2a) = (head + tail) 2^power (2a is exact), and c = 2^-power:
  // tanh a = (head + tail - c) / (head + tail + c). The absolute error:
  //  - E's own: E (1 + eps) with |eps| < 2^-70.05 moves (E - 1) / (E + 1)
  //    by at most 2 E |eps| / ((E + 1)^2 (1 - |eps|)) <= |eps| / 2 (1 + 2^-69),
  //    2^-71.05;
  //  - head -+ c are exact pairs (FastTwoSum: head > 1.13 > c when power = 0,
  //    head > 0.99 > 1/2 >= c otherwise); adding the tail (below 2^-19.98 of
  //    head) to each low part rounds once, below 2^-72.97 head, which moves
  //    the quotient by less than 2^-72.96 each (the denominator exceeds head
  //    (1 - 2^-19.9), the quotient is below 1); normalising the pairs is exact;
  //  - the quotient N / D of the normalised pairs (n, d) as q + correction:
  //    q = n.hi / d.hi rounded, N - q D = (n.hi - q d.hi) + n.lo - q d.lo,
  //    below 3 2^-53 q d.hi, its first part exact (q is the rounded
  //    quotient), formed with two roundings, times 1 / d.hi (its rounding and
  //    d.lo / d.hi each 2^-53) with one more: below 2^-101;
  //  - Decide's rounding of correction +- margin (the correction is below
  //    2^-51 q): below 2^-104.
  // In all below 2^-70.42 (2^-71.05 + 2 2^-72.96 + 2^-101); the margin is 2^-70.
  static constexpr double kTanhError = 0x1.0p-70;

  ZQ_QUICK_INLINE static HyperbolicValue TanhValue(double a) {
    const Exponential e = QuickExp<Fused>::Of(2.0 * a);
    const double c = DoubleDouble::PowerOfTwo(-e.power);
    const DD n0 = DoubleDouble::FastTwoSum(e.head, -c);
    const DD d0 = DoubleDouble::FastTwoSum(e.head, c);
    const DD n = DoubleDouble::FastTwoSum(n0.hi, n0.lo + e.tail);
    const DD d = DoubleDouble::FastTwoSum(d0.hi, d0.lo + e.tail);
    // Both divisions start together; the correction only multiplies.
    const double q = n.hi / d.hi;
    const double inverse = 1.0 / d.hi;
    const double remainder = __builtin_fma(-q, d.lo, __builtin_fma(-q, d.hi, n.hi) + n.lo);
    return {q, remainder * inverse, kTanhError, 0};
  }

  ZQ_QUICK_INLINE static bool Cosh(double a, double& result) { return Decided(CoshValue(a), result); }
  ZQ_QUICK_INLINE static bool Sinh(double a, double& result) { return Decided(SinhValue(a), result); }
  ZQ_QUICK_INLINE static bool Tanh(double a, double& result) { return Decided(TanhValue(a), result); }

 private:
  ZQ_QUICK_INLINE static bool Decided(const HyperbolicValue& v, double& result) {
    double mantissa;
    if (!Decide(v.head, v.tail, v.error, mantissa)) return false;
    result = mantissa * DoubleDouble::PowerOfTwo(v.power);
    return true;
  }
};
#endif

}  // namespace Zq::Math::Elementary
