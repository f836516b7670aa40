// The quick passes of the add-in's exponential and logarithm: table-driven,
// a short polynomial, IEEE additions and multiplications only (no division),
// so every build computes the same bits. Fused multiply-adds appear only
// through Products (numerics/exact_products.h), where they give the very
// values of the plain operations. Each gives
// its value as an unevaluated sum head + tail with a proven relative error
// bound; the caller rounds it when that bound leaves no doubt (see Decide)
// and otherwise runs the accurate pass.
#pragma once

#include <bit>
#include <cstdint>

#include "numerics/double_double.h"
#include "numerics/elementary_tables.h"
#include "numerics/exact_products.h"

namespace Zq::Math::Quick {

using DoubleDouble::DD;

// Rounds to a whole number (ties to even) when added to and subtracted
// from a double below 2^51 in magnitude.
constexpr double kShifter = 0x1.8p52;

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
// In all below 2^-69.5 R; kExpError adds the rounding of tail +- margin.
struct Exponential {
  double head;
  double tail;
  int power;
};

constexpr double kExpError = 0x1.cp-70;

// The reduced argument and the even and odd parts of q.
struct Reduction {
  int k;
  double rh;
  double rl;
  double r;
  double even;
  double odd;
};

template <class Products = PlainProducts>
ZQ_QUICK_INLINE Reduction Reduce(double xh, double xl) {
  using namespace ElementaryTables;
  constexpr double kSplitter = 0x1.8p16;  // rounds to multiples of 2^-36
  const double shifted = xh * kIntervalsPerLn2 + kShifter;
  const double kd = shifted - kShifter;
  // k is also the low half of the shifted value's bits (two's complement).
  const int k = static_cast<int>(static_cast<std::uint32_t>(std::bit_cast<std::uint64_t>(shifted)));
  const double r1 = Products::ExactMulAdd(-kd, kLn2Over256Head, xh);
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

template <class Products = PlainProducts>
ZQ_QUICK_INLINE Exponential Assemble(int k, double rh, double rl, double r, double q) {
  const ElementaryTables::PowerOfTwoPoint& t = ElementaryTables::kPowersOfTwo[k & 255];
  const DD s = Products::FastTwoSumOfProduct(t.head, t.head, rh);
  return {s.hi, (s.lo + t.tail) + (t.head * (rl + q) + t.tail * (r + q)), k >> 8};
}

template <class Products = PlainProducts>
ZQ_QUICK_INLINE Exponential Exp(double xh, double xl) {
  const Reduction x = Reduce<Products>(xh, xl);
  return Assemble<Products>(x.k, x.rh, x.rl, x.r, x.even + x.odd);
}

// e^a and e^-a from one reduction: e^-a = 2^(-k/256) e^-r, and q(-r) is
// q's even part less its odd part. The same bound holds for both.
struct ExponentialPair {
  Exponential up;
  Exponential down;
};

template <class Products = PlainProducts>
ZQ_QUICK_INLINE ExponentialPair ExpPair(double a) {
  const Reduction x = Reduce<Products>(a, 0.0);
  return {Assemble<Products>(x.k, x.rh, x.rl, x.r, x.even + x.odd), Assemble<Products>(-x.k, -x.rh, -x.rl, -x.r, x.even - x.odd)};
}

// log x = head + tail for normal x > 0 (times 2^exponentOffset). With
// x = 2^e z, z in [sqrt(1/2), sqrt(2)), i the nearest whole number to
// 256 (z - 1) and 1/c the table's 14-bit value near 1/(1 + i/256):
// log x = e log 2 - log(1/c) + log(1 + r), r = z/c - 1 (|r| < 2^-8.4).
// r = rh + rl exactly: zh, z cut to 39 bits (all of z at i = 0), times 1/c
// is exact and within a factor of two of 1, and the rest of z times 1/c is
// exact. The large parts e log 2 and -log(1/c) (their heads multiples of
// 2^-42), rh and -rs^2/2 (rs, rh cut to 26 bits, has an exact square) add
// exactly. The rest, with
// |log x| >= 2^-9 unless i = 0 and e = 0, where c = 1 and every part is
// relative to |r| = |log(1 + r)| (1 + O(r)):
//  - log(1 + r) beyond -rs^2/2: the cross terms of r^2/2, and the series
//    from r^3/3 to r^8/8 (remainder below r^9/9, 2^-72 of the result) whose
//    evaluation and the rounding of r cost 2^-70.6 of the result (the
//    series is at most r^2/3, 2^-19.6, of it);
//  - the small parts summed first (2^-80 of the result), the series last
//    (one rounding, 2^-72.6);
//  - the tails of log 2 (times |e| <= 1128) and of the table, within 2^-84.
// In all below 2^-70.2 relative; kLogError adds room for rounding the tail.
constexpr double kLogError = 0x1.8p-70;

template <class Products = PlainProducts>
ZQ_QUICK_INLINE DD Log(double x, int exponentOffset = 0) {
  using namespace ElementaryTables;
  constexpr double kSquareSplitter = 0x1.8p18;  // rounds to multiples of 2^-34
  const std::uint64_t bits = std::bit_cast<std::uint64_t>(x);
  const std::uint64_t mantissa = bits & 0x000FFFFFFFFFFFFFull;
  // Mantissas from this on exceed sqrt(2): z is taken in [sqrt(1/2), 1).
  const int high = mantissa > 0x6A09E667F3BCCull ? 1 : 0;
  const int e = static_cast<int>(bits >> 52) - 1023 + high + exponentOffset;
  const double z = std::bit_cast<double>(mantissa | (static_cast<std::uint64_t>(1023 - high) << 52));
  // i = 256 (z - 1) rounded, from the mantissa's leading bits: 256 (z - 1)
  // is mantissa / 2^44 for z in [1, sqrt(2)) and mantissa / 2^45 - 128 for
  // z in [sqrt(1/2), 1).
  const int shift = 44 + high;
  const int i = static_cast<int>((mantissa + (std::uint64_t{1} << (shift - 1))) >> shift) - (high << 7);
  const LogPoint& p = kLogPoints[i - kFirstLogPoint];
  // At i = 0 (1/c = 1) z - 1 itself is exact: r = rh with no cancellation
  // between rh and rl, which would cost bits of a result as small as r.
  const std::uint64_t kept = i == 0 ? ~std::uint64_t{0} : ~std::uint64_t{0x3FFF};
  const double zh = std::bit_cast<double>(std::bit_cast<std::uint64_t>(z) & kept);
  const double rh = Products::ExactMulAdd(zh, p.inverse, -1.0);
  const double rl = (z - zh) * p.inverse;
  const double rs = (rh + kSquareSplitter) - kSquareSplitter;
  const double rest = (rh - rs) + rl;  // r = rs + rest
  const double r = rh + rl;
  const double ed = static_cast<double>(e);
  // w is exact: both parts are whole multiples of 2^-42 below 2^11. Each
  // sum below has its larger part first: |w| > 0.34 for e != 0, and
  // |log c| > 2^-8.1 > |rh| for i != 0.
  const double w = Products::ExactMulAdd(ed, kLn2Head, p.logHead);
  const DD h1 = DoubleDouble::FastTwoSum(w, rh);
  const DD h2 = Products::FastTwoSumOfProduct(h1.hi, -0.5 * rs, rs);
  const double r2 = r * r;
  const double r4 = r2 * r2;
  const double series = (r * r2) * (((1.0 / 3 - r * 0.25) + r2 * (0.2 - r * (1.0 / 6))) + r4 * (1.0 / 7 - r * 0.125));
  const double crossTerms = rs * rest + 0.5 * (rest * rest);
  const double small = (h2.lo + h1.lo) + ((ed * kLn2Tail + p.logTail) + (rl - crossTerms));
  return {h2.hi, small + series};
}

// True, with the result, when every value within |margin| of head + tail
// rounds to the same double (head the larger part). Rounding is monotonic,
// so the two ends agreeing settles everything between them.
inline bool Decide(double head, double tail, double margin, double& result) {
  const double up = head + (tail + margin);
  const double down = head + (tail - margin);
  result = up;
  return up == down;
}

}  // namespace Zq::Math::Quick
