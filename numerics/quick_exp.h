// The exponential's quick pass where the processor has fused multiply-add
// (numerics/exact_products.h): the pass of numerics/quick_exp_log.h in
// fewer steps. Fused multiply-adds form head + head r1 as a pair to 2^-106
// without splitting r1, and evaluate the polynomial one rounding per step.
// Only code compiled for the instruction (ZQ_FUSED) may call these.
#pragma once

#include <bit>
#include <cstdint>

#include "numerics/elementary_tables.h"
#include "numerics/exact_products.h"
#include "numerics/quick_exp_log.h"

#if ZQ_RUNTIME_AVX

namespace Zq::Math::Quick {

// e^(x + xl) = (head + tail) * 2^power for |x| < 708 and |xl| < 2^-40 (pow's
// exponent, or xl = 0), as Exp does: with k the
// nearest whole number to x 256 / log 2 (rounded once, below 2^18), j = k
// mod 256, T = 2^(j/256) and r = x - k log 2 / 256 (|r| <= log 2 / 512 +
// 2^-42 < 2^-9.52): e^x = 2^(k div 256) T (1 + r + q), q = r^2/2 + r^3/6 +
// ... + r^6/720.
// The error bound, relative to the result R >= T (1 - 2^-9.5):
//  - the table's T - head - tail: below 2^-79 of T;
//  - r = r1 + rl: r1 = x - k h, h the 34-bit head of log 2 / 256, is exact
//    (k h is exact for |k| < 2^19 and a multiple of 2^-42, x a multiple of
//    2^-62 where k != 0, and |r1| < 2^-9); rl = xl - k t, t the tail, below
//    2^-25.7, is within 2^-78.7 of xl - k t, and t within 2^-79/|k| of
//    log 2 / 256 - h: 2^-77.8 in all;
//  - r, the rounded r1 + rl, is within 2^-63 of it; q moves by |r| times
//    that: 2^-72.5;
//  - q itself (below 2^-20.055): four roundings of 2^-53 q at most, 2^-71.05.
//    In LeanExp r^2, 1/2 + r/6, the bracket P (about 1/2) and r^2 P; the
//    others are r or r^2 times smaller. In LeanExpPair r^2, the even
//    bracket, r^2 times it and even +- odd; the odd part's own roundings
//    are r/3 times smaller;
//  - Taylor's remainder: below r^7/5040 (1 + r), 2^-79;
//  - the assembly: hi = head + head r1 rounded, and lo = head r1 + (head -
//    hi), which is head + head r1 - hi (head - hi exact by Sterbenz's
//    lemma) within a rounding of 2^-106; the table's tail (below 2^-26 of
//    T: heads have 26 bits) times r + q, added to lo + tail, loses 2^-78
//    in all; rl + q (below 2^-20.02) and head (rl + q) + the rest lose
//    one rounding of 2^-73 each.
// In all below 2^-70 R (2^-71.05 + 2^-72.5 + 2 2^-73 + 2 2^-78 + 2 2^-79 +
// 2^-106 < 2^-70.05). kLeanExpError adds the rounding of tail +- margin
// (2^-73 of R) and the factor R / hi.
constexpr double kLeanExpError = 0x1.0p-69;

struct LeanReduction {
  int k;
  double r1;
  double rl;
  double r;
  double r2;
};

ZQ_QUICK_INLINE LeanReduction LeanReduce(double x, double xl) {
  using namespace ElementaryTables;
  const double shifted = x * kIntervalsPerLn2 + kShifter;
  const double kd = shifted - kShifter;
  // k is also the low half of the shifted value's bits (two's complement).
  const int k = static_cast<int>(static_cast<std::uint32_t>(std::bit_cast<std::uint64_t>(shifted)));
  const double r1 = __builtin_fma(-kd, kLn2Over256Head, x);
  const double rl = __builtin_fma(-kd, kLn2Over256Tail, xl);
  const double r = r1 + rl;
  return {k, r1, rl, r, r * r};
}

// head 2^(j/256) (1 + r1 + rl + q) at the table's point k mod 256.
ZQ_QUICK_INLINE Exponential LeanAssemble(int k, double r1, double rl, double r, double q) {
  const ElementaryTables::PowerOfTwoPoint& t = ElementaryTables::kPowersOfTwo[k & 255];
  const double hi = __builtin_fma(t.head, r1, t.head);
  const double lo = __builtin_fma(t.head, r1, t.head - hi);
  const double tail = __builtin_fma(t.head, rl + q, __builtin_fma(t.tail, r + q, lo + t.tail));
  return {hi, tail, k >> 8};
}

ZQ_QUICK_INLINE Exponential LeanExp(double x, double xl = 0.0) {
  const LeanReduction x0 = LeanReduce(x, xl);
  const double r = x0.r, r2 = x0.r2;
  // q = r^2 P with P = (1/2 + r/6) + r^2 ((1/24 + r/120) + r^2/720).
  const double low = __builtin_fma(r, 1.0 / 6, 0.5);
  const double high = __builtin_fma(r2, 1.0 / 720, __builtin_fma(r, 1.0 / 120, 1.0 / 24));
  const double q = r2 * __builtin_fma(r2, high, low);
  return LeanAssemble(x0.k, x0.r1, x0.rl, r, q);
}

// e^a and e^-a from one reduction, each within kLeanExpError: q(-r) is q's
// even part less its odd part.
ZQ_QUICK_INLINE ExponentialPair LeanExpPair(double a) {
  const LeanReduction x = LeanReduce(a, 0.0);
  const double r = x.r, r2 = x.r2;
  // even = r^2 (1/2 + r^2 (1/24 + r^2/720)), odd = r^3 (1/6 + r^2/120).
  const double even = r2 * __builtin_fma(r2, __builtin_fma(r2, 1.0 / 720, 1.0 / 24), 0.5);
  const double odd = (r * r2) * __builtin_fma(r2, 1.0 / 120, 1.0 / 6);
  return {LeanAssemble(x.k, x.r1, x.rl, r, even + odd), LeanAssemble(-x.k, -x.r1, -x.rl, -r, even - odd)};
}

}  // namespace Zq::Math::Quick

#endif
