// The quick passes of cosh, sinh and tanh where the processor has fused
// multiply-add, built on the exponential's pass of numerics/quick_exp.h.
// Each gives an unevaluated sum head + tail, scaled by 2^power, and a bound
// of its absolute error (scaled alike), for Decide. Only code compiled for
// the instruction (ZQ_FUSED) may call these.
#pragma once

#include "numerics/double_double.h"
#include "numerics/elementary_tables.h"
#include "numerics/quick_exp.h"
#include "numerics/quick_exp_log.h"

#if ZQ_RUNTIME_AVX

namespace Zq::Math::Quick {

// The function's value is within error of (head + tail) 2^power.
struct HyperbolicValue {
  double head;
  double tail;
  double error;
  int power;
};

// e^a = (upHead + upTail) 2^power and e^-a = (downHead + downTail) 2^power
// for 0 <= a < 37: the steps of LeanExpPair, each exponential within
// 2^-70.05 of itself, but with e^-a's table point scaled into e^a's frame
// beforehand, so that the two add as they are. e^-a = 2^(-k div 256)
// T((-k) mod 256) (...), and 2^((-k) div 256 - k div 256) is at least
// 2^-107 for k < 2^14: the scaled head and tail and every value the
// assembly forms from them stay normal, so each step gives the very value
// of LeanAssemble's step times that power of two.
struct LeanPair {
  double upHead;
  double upTail;
  double downHead;
  double downTail;
  int power;
};

// LeanAssemble's steps at the table point head + tail.
ZQ_QUICK_INLINE DD LeanAssembleAt(double head, double tail, double r1, double rl, double r, double q) {
  const double hi = __builtin_fma(head, r1, head);
  const double lo = __builtin_fma(head, r1, head - hi);
  return {hi, __builtin_fma(head, rl + q, __builtin_fma(tail, r + q, lo + tail))};
}

ZQ_QUICK_INLINE LeanPair LeanPairInOneFrame(double a) {
  using ElementaryTables::kPowersOfTwo;
  const LeanReduction x = LeanReduce(a, 0.0);
  const double r = x.r, r2 = x.r2;
  const double even = r2 * __builtin_fma(r2, __builtin_fma(r2, 1.0 / 720, 1.0 / 24), 0.5);
  const double odd = (r * r2) * __builtin_fma(r2, 1.0 / 120, 1.0 / 6);
  const ElementaryTables::PowerOfTwoPoint& up = kPowersOfTwo[x.k & 255];
  const ElementaryTables::PowerOfTwoPoint& down = kPowersOfTwo[-x.k & 255];
  const int power = x.k >> 8;
  const double scale = DoubleDouble::PowerOfTwo((-x.k >> 8) - power);
  const DD u = LeanAssembleAt(up.head, up.tail, x.r1, x.rl, r, even + odd);
  const DD d = LeanAssembleAt(down.head * scale, down.tail * scale, -x.r1, -x.rl, -r, even - odd);
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
constexpr double kLeanPairError = 0x1.0p-69;

// cosh a = (e^a + e^-a) / 2 for 0 <= a < 37.
ZQ_QUICK_INLINE HyperbolicValue LeanCosh(double a) {
  const LeanPair e = LeanPairInOneFrame(a);
  const DD heads = DoubleDouble::FastTwoSum(e.upHead, e.downHead);
  return {heads.hi, heads.lo + (e.upTail + e.downTail), kLeanPairError * heads.hi, e.power - 1};
}

// sinh a = (e^a - e^-a) / 2 for 2^-4 <= a < 37. The bound is relative to
// e^a + e^-a, so the margin is too: no division by a.
ZQ_QUICK_INLINE HyperbolicValue LeanSinh(double a) {
  const LeanPair e = LeanPairInOneFrame(a);
  const DD heads = DoubleDouble::FastTwoSum(e.upHead, -e.downHead);
  return {heads.hi, heads.lo + (e.upTail - e.downTail), kLeanPairError * (e.upHead + e.downHead), e.power - 1};
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
constexpr double kLeanTanhError = 0x1.0p-70;

ZQ_QUICK_INLINE HyperbolicValue LeanTanh(double a) {
  const Exponential e = LeanExp(2.0 * a);
  const double c = DoubleDouble::PowerOfTwo(-e.power);
  const DD n0 = DoubleDouble::FastTwoSum(e.head, -c);
  const DD d0 = DoubleDouble::FastTwoSum(e.head, c);
  const DD n = DoubleDouble::FastTwoSum(n0.hi, n0.lo + e.tail);
  const DD d = DoubleDouble::FastTwoSum(d0.hi, d0.lo + e.tail);
  // Both divisions start together; the correction only multiplies.
  const double q = n.hi / d.hi;
  const double inverse = 1.0 / d.hi;
  const double remainder = __builtin_fma(-q, d.lo, __builtin_fma(-q, d.hi, n.hi) + n.lo);
  return {q, remainder * inverse, kLeanTanhError, 0};
}

}  // namespace Zq::Math::Quick

#endif
