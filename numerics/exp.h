// The add-in's exponential, e^x correctly rounded for every double (see
// numerics/c_library_names.cpp for why the add-in has its own), and the
// quick passes that pow and the hyperbolic functions build on too.
//
// A quick pass is table-driven, a short polynomial, IEEE additions and
// multiplications only (no division), so every build computes the same
// bits. It gives e^x as an unevaluated sum head + tail times a power of two,
// with a proven relative error bound beside each step; the caller rounds it
// when that bound leaves no doubt (Decide, numerics/quick_rounding.h) and
// otherwise runs the accurate pass. It comes in two variants
// (numerics/exact_products.h): Plain, and Fused, which takes fewer steps
// where the processor has fused multiply-add, within a bound as tight.
#pragma once

#include <bit>
#include <cstdint>

#include "numerics/double_double.h"
#include "numerics/elementary_tables.h"
#include "numerics/exact_products.h"
#include "numerics/quick_rounding.h"

namespace Zq::Math {

// e^x correctly rounded (to nearest, ties to even); zeros, infinities and
// NaN as the C standard has them.
double Exp(double x);

}  // namespace Zq::Math

namespace Zq::Math::Elementary {

// Beyond these e^x overflows or rounds to zero.
constexpr double kExpOverflow = 710.0;
constexpr double kExpUnderflow = -746.0;
// The quick passes cover |x| < 708, where e^x is a normal double.
constexpr double kQuickExpRange = 708.0;

// e^x = (head + tail) * 2^power.
struct Exponential {
  double head;
  double tail;
  int power;
};

// e^a and e^-a from one reduction: e^-a = 2^(-k/256) e^-r, and q(-r) is
// q's even part less its odd part. The same bound holds for both.
struct ExponentialPair {
  Exponential up;
  Exponential down;
};

// The quick pass of e^x in each variant: Of(x, xl) is e^(x + xl) within
// kError of itself (relative, the rounding of tail +- margin included),
// PairOf(a) is e^a and e^-a within the same.
template <class Variant>
struct QuickExp;

// e^(xh + xl) = (head + tail) * 2^power, for |xh| < 746 and |xl| below
// 2^-40. With k the nearest whole number to xh 256 / log 2, j = k mod 256,
// r = xh + xl - k log 2 / 256 (|r| < 2^-9.5) and T = 2^(j/256):
// e^x = 2^(k div 256) T (1 + r + q), q = r^2/2 + ... + r^6/720.
// The error bound, relative to the result R >= head (1 - 2^-9):
//  - the table's T - head - tail, below 2^-79;
//  - r: r1 = xh - k h and rh, the 27-bit part of r1, are exact (h, the head
//    of log 2 / 256, has 34 bits and |k| < 2^19), the rest rl is within
//    2^-78 (k times the tail of log 2 / 256 and one subtraction);
//  - q (below 2^-20.05): the rounding of r moves it by 2^-72.1, its
//    evaluation (four roundings of its leading part) by 2^-71.1, the
//    Taylor remainder is below 2^-79; times head, about R: 2^-70.5;
//  - the assembly: head * rh is exact (26 times 27 bits) and so is its sum
//    with head; the tail, below 2^-19.9 R, gathers five roundings: 2^-70.6.
// In all below 2^-69.5 R; kError adds the rounding of tail +- margin.
template <>
struct QuickExp<Plain> {
  static constexpr double kError = 0x1.cp-70;

  // The reduced argument and the even and odd parts of q.
  struct Reduction {
    int k;
    double rh;
    double rl;
    double r;
    double even;
    double odd;
  };

  ZQ_QUICK_INLINE static Reduction Reduce(double xh, double xl) {
    using namespace ElementaryTables;
    constexpr double kSplitter = 0x1.8p16;  // rounds to multiples of 2^-36
    const double shifted = xh * kIntervalsPerLn2 + kShifter;
    const double kd = shifted - kShifter;
    // k is also the low half of the shifted value's bits (two's complement).
    const int k = static_cast<int>(static_cast<std::uint32_t>(std::bit_cast<std::uint64_t>(shifted)));
    const double r1 = Plain::ExactMulAdd(-kd, kLn2Over256Head, xh);
    const double rh = (r1 + kSplitter) - kSplitter;
    const double correction = kd * kLn2Over256Tail - xl;
    const double rl = (r1 - rh) - correction;
    const double r = r1 - correction;
    // The polynomial's parts side by side (Estrin's scheme), for latency.
    const double r2 = r * r;
    const double r4 = r2 * r2;
    const double even = 0.5 * r2 + r4 * (1.0 / 24 + r2 * (1.0 / 720));
    const double odd = (r * r2) * (1.0 / 6 + r2 * (1.0 / 120));
    return {k, rh, rl, r, even, odd};
  }

  ZQ_QUICK_INLINE static Exponential Assemble(int k, double rh, double rl, double r, double q) {
    const ElementaryTables::PowerOfTwoPoint& t = ElementaryTables::kPowersOfTwo[k & 255];
    const DD s = Plain::FastTwoSumOfProduct(t.head, t.head, rh);
    return {s.hi, (s.lo + t.tail) + (t.head * (rl + q) + t.tail * (r + q)), k >> 8};
  }

  ZQ_QUICK_INLINE static Exponential Of(double xh, double xl = 0.0) {
    const Reduction x = Reduce(xh, xl);
    return Assemble(x.k, x.rh, x.rl, x.r, x.even + x.odd);
  }

  ZQ_QUICK_INLINE static ExponentialPair PairOf(double a) {
    const Reduction x = Reduce(a, 0.0);
    return {Assemble(x.k, x.rh, x.rl, x.r, x.even + x.odd), Assemble(-x.k, -x.rh, -x.rl, -x.r, x.even - x.odd)};
  }
};

#if ZQ_RUNTIME_AVX
// e^(x + xl) = (head + tail) * 2^power for |x| < 708 and |xl| < 2^-40 (pow's
// exponent, or xl = 0), as the Plain pass does, in fewer steps: fused
// multiply-adds form head + head r1 as a pair to 2^-106 without splitting
// r1, and evaluate the polynomial one rounding per step. With k the
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
//    In Of r^2, 1/2 + r/6, the bracket P (about 1/2) and r^2 P; the
//    others are r or r^2 times smaller. In PairOf r^2, the even
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
// 2^-106 < 2^-70.05). kError adds the rounding of tail +- margin (2^-73 of
// R) and the factor R / hi.
// Only code compiled for the instruction (ZQ_FUSED) may call these.
template <>
struct QuickExp<Fused> {
  static constexpr double kError = 0x1.0p-69;

  struct Reduction {
    int k;
    double r1;
    double rl;
    double r;
    double r2;
  };

  ZQ_QUICK_INLINE static Reduction Reduce(double x, double xl) {
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

  // q's even part r^2 (1/2 + r^2 (1/24 + r^2/720)) and odd part
  // r^3 (1/6 + r^2/120), for PairOf.
  ZQ_QUICK_INLINE static double Even(const Reduction& x) {
    return x.r2 * __builtin_fma(x.r2, __builtin_fma(x.r2, 1.0 / 720, 1.0 / 24), 0.5);
  }
  ZQ_QUICK_INLINE static double Odd(const Reduction& x) {
    return (x.r * x.r2) * __builtin_fma(x.r2, 1.0 / 120, 1.0 / 6);
  }

  // head 2^(j/256) (1 + r1 + rl + q) at the table point head + tail.
  ZQ_QUICK_INLINE static DD AssembleAt(double head, double tail, double r1, double rl, double r, double q) {
    const double hi = __builtin_fma(head, r1, head);
    const double lo = __builtin_fma(head, r1, head - hi);
    return {hi, __builtin_fma(head, rl + q, __builtin_fma(tail, r + q, lo + tail))};
  }

  // The same at the table's point k mod 256.
  ZQ_QUICK_INLINE static Exponential Assemble(int k, double r1, double rl, double r, double q) {
    const ElementaryTables::PowerOfTwoPoint& t = ElementaryTables::kPowersOfTwo[k & 255];
    const DD e = AssembleAt(t.head, t.tail, r1, rl, r, q);
    return {e.hi, e.lo, k >> 8};
  }

  ZQ_QUICK_INLINE static Exponential Of(double x, double xl = 0.0) {
    const Reduction x0 = Reduce(x, xl);
    const double r = x0.r, r2 = x0.r2;
    // q = r^2 P with P = (1/2 + r/6) + r^2 ((1/24 + r/120) + r^2/720).
    const double low = __builtin_fma(r, 1.0 / 6, 0.5);
    const double high = __builtin_fma(r2, 1.0 / 720, __builtin_fma(r, 1.0 / 120, 1.0 / 24));
    const double q = r2 * __builtin_fma(r2, high, low);
    return Assemble(x0.k, x0.r1, x0.rl, r, q);
  }

  ZQ_QUICK_INLINE static ExponentialPair PairOf(double a) {
    const Reduction x = Reduce(a, 0.0);
    const double even = Even(x), odd = Odd(x);
    return {Assemble(x.k, x.r1, x.rl, x.r, even + odd), Assemble(-x.k, -x.r1, -x.rl, -x.r, even - odd)};
  }
};
#endif

}  // namespace Zq::Math::Elementary
