// The quick passes of the add-in's exponential and logarithm: table-driven,
// a short polynomial, IEEE additions and multiplications only (no division,
// no fused multiply-add), so every build computes the same bits. Each gives
// its value as an unevaluated sum head + tail with a proven relative error
// bound; the caller rounds it when that bound leaves no doubt (see Decide)
// and otherwise runs the accurate pass.
#pragma once

#include <bit>
#include <cstdint>

#include "addin/double_double.h"
#include "addin/elementary_tables.h"

namespace Zq::Math::Quick {

using DoubleDouble::DD;

// Rounds to a whole number (ties to even) when added to and subtracted
// from a double below 2^51 in magnitude.
constexpr double kShifter = 0x1.8p52;

// e^(xh + xl) = (head + tail) * 2^power, for |xh| < 746 and |xl| below
// 2^-40. With k the nearest whole number to xh 256 / log 2, j = k mod 256,
// r = xh + xl - k log 2 / 256 (|r| < 2^-9.5) and T = 2^(j/256):
// e^x = 2^(k div 256) T (1 + r + q), q = r^2/2 + ... + r^6/720.
// The error bound, relative to the result:
//  - the table's T - head - tail, below 2^-79;
//  - r: r1 = xh - k h and rh, the 27-bit part of r1, are exact (h, the head
//    of log 2 / 256, has 34 bits and |k| < 2^19), the rest rl is within
//    2^-78 (k times the tail of log 2 / 256 and one subtraction);
//  - q: Taylor remainder below 2^-79, evaluation (|q| < 2^-20, about four
//    roundings, and the rounding of r = rh + rl) within 2^-71;
//  - the assembly: head * rh is exact (26 times 27 bits) and so is its sum
//    with head; the tail, below 2^-19, gathers four roundings of 2^-72.
// In all below 2^-69.5; kExpError adds room for rounding the tail.
struct Exponential {
  double head;
  double tail;
  int power;
};

constexpr double kExpError = 0x1.2p-68;

inline Exponential Exp(double xh, double xl) {
  using namespace ElementaryTables;
  constexpr double kSplitter = 0x1.8p16;  // rounds to multiples of 2^-36
  const double kd = (xh * kIntervalsPerLn2 + kShifter) - kShifter;
  const int k = static_cast<int>(kd);
  const double r1 = xh - kd * kLn2Over256Head;
  const double rh = (r1 + kSplitter) - kSplitter;
  const double rl = (r1 - rh) - (kd * kLn2Over256Tail - xl);
  const double r = rh + rl;
  const double q = r * r * (0.5 + r * (1.0 / 6 + r * (1.0 / 24 + r * (1.0 / 120 + r * (1.0 / 720)))));
  const PowerOfTwoPoint& t = kPowersOfTwo[k & 255];
  const DD s = DoubleDouble::FastTwoSum(t.head, t.head * rh);
  return {s.hi, s.lo + (t.tail + (t.head * (rl + q) + t.tail * (r + q))), k >> 8};
}

// log x = head + tail for normal x > 0 (times 2^exponentOffset). With
// x = 2^e z, z in [sqrt(1/2), sqrt(2)), i the nearest whole number to
// 256 (z - 1) and 1/c the table's 14-bit value near 1/(1 + i/256):
// log x = e log 2 - log(1/c) + log(1 + r), r = z/c - 1 (|r| < 2^-8.4).
// r = rh + rl exactly: zh, z cut to 39 bits (all of z at i = 0), times 1/c
// is exact and within a factor of two of 1, and the rest of z times 1/c is
// exact. The large
// parts e log 2 (42-bit head), -log(1/c), rh and -rh^2/2 (exact by Dekker's
// product) add exactly; the rest is small:
//  - log(1 + r) beyond -r^2/2: the series to r^8 (remainder below r^9/9)
//    with r^2/2's cross terms, evaluation error within 2^-77;
//  - |log x| >= 2^-9 unless i = 0 and e = 0, where c = 1 and every term
//    is relative to |r| = |log(1 + r)| (1 + O(r));
//  - the tails of log 2 (times |e| <= 1075) and of the table, within 2^-84.
// In all below 2^-69 relative; kLogError adds room for rounding the tail.
constexpr double kLogError = 0x1.2p-68;

inline DD Log(double x, int exponentOffset = 0) {
  using namespace ElementaryTables;
  const std::uint64_t bits = std::bit_cast<std::uint64_t>(x);
  const std::uint64_t mantissa = bits & 0x000FFFFFFFFFFFFFull;
  // Mantissas from this on exceed sqrt(2): z is taken in [sqrt(1/2), 1).
  const int high = mantissa > 0x6A09E667F3BCCull ? 1 : 0;
  const int e = static_cast<int>(bits >> 52) - 1023 + high + exponentOffset;
  const double z = std::bit_cast<double>(mantissa | (static_cast<std::uint64_t>(1023 - high) << 52));
  const double i = ((z - 1.0) * 256.0 + kShifter) - kShifter;
  const LogPoint& p = kLogPoints[static_cast<int>(i) - kFirstLogPoint];
  // At i = 0 (1/c = 1) z - 1 itself is exact: r = rh with no cancellation
  // between rh and rl, which would cost bits of a result as small as r.
  const std::uint64_t kept = i == 0.0 ? ~std::uint64_t{0} : ~std::uint64_t{0x3FFF};
  const double zh = std::bit_cast<double>(std::bit_cast<std::uint64_t>(z) & kept);
  const double rh = zh * p.inverse - 1.0;
  const double rl = (z - zh) * p.inverse;
  const double r = rh + rl;
  const double ed = static_cast<double>(e);
  // Each sum below has its larger part first: |e log 2| > 0.69 > |log c|
  // for e != 0, and |log c| > 2^-8 > |rh| for i != 0.
  const DD w = DoubleDouble::FastTwoSum(ed * kLn2Head, p.logHead);
  const DD h1 = DoubleDouble::FastTwoSum(w.hi, rh);
  const DD square = DoubleDouble::TwoProduct(rh, rh);
  const DD h2 = DoubleDouble::FastTwoSum(h1.hi, -0.5 * square.hi);
  const double series = r * r * r * (1.0 / 3 + r * (-0.25 + r * (0.2 + r * (-1.0 / 6 + r * (1.0 / 7 - r * 0.125)))));
  const double squareRest = 0.5 * square.lo + rh * rl + 0.5 * (rl * rl);
  const double tail = h2.lo + (h1.lo + (w.lo + (ed * kLn2Tail + (p.logTail + ((rl - squareRest) + series)))));
  return {h2.hi, tail};
}

// True, with the result, when every value within margin of head + tail
// rounds to the same double (head the larger part). Rounding is monotonic,
// so the two ends agreeing settles everything between them.
inline bool Decide(double head, double tail, double margin, double& result) {
  const double up = head + (tail + margin);
  const double down = head + (tail - margin);
  result = up;
  return up == down;
}

}  // namespace Zq::Math::Quick
