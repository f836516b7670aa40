// The logarithm's quick pass in each variant of the exact products
// (numerics/exact_products.h). The plain variant is Quick::Log; the fused
// one takes the same table and the same reduction but forms z/c - 1 as a
// product and its exact error, and -r^2/2 with its error, in fused
// multiply-adds: shorter, with the same error bound, so that both round to
// the same double whenever the rounding test lets them decide.
#pragma once

#include <bit>
#include <cstdint>

#include "numerics/double_double.h"
#include "numerics/elementary_tables.h"
#include "numerics/exact_products.h"
#include "numerics/quick_exp_log.h"

namespace Zq::Math::Quick {

ZQ_QUICK_INLINE DD LogWith(PlainProducts, double x, int exponentOffset) { return Log<PlainProducts>(x, exponentOffset); }

#if ZQ_RUNTIME_AVX
// log x = head + tail for normal x > 0 (times 2^exponentOffset), with the
// reduction of Quick::Log: x = 2^e z, i, 1/c from the same table (i may
// differ from Quick::Log's at a tie, z - 1 an odd multiple of 2^-9), and
// log x = e log 2 - log(1/c) + log(1 + r), r = z/c - 1, |r| < 2^-8.4.
// The parts, and the bound relative to the result R (|R| >= 2^-9 unless
// i = 0 and e = 0, where c = 1 and everything is relative to |r|):
//  - p = z (1/c) rounded lies within 2^-8.3 of 1, so rh = p - 1 is exact
//    (Sterbenz), and rl = z (1/c) - p, formed by one fused multiply-add, is
//    exact too (a product's rounding error is a double): r = rh + rl with
//    |rl| <= 2^-53. At i = 0, 1/c = 1: p = z, rl = 0, rh = z - 1 exactly.
//  - w = e log2Head - log(1/c)Head is exact (multiples of 2^-42 below
//    2^11), and w + rh is split exactly (|w| > 0.34 > |rh| for e != 0,
//    |log c| > 2^-8.1 > |rh| for i != 0, w = 0 otherwise).
//  - -rh^2/2 joins the head in one fused multiply-add s; s - head is exact
//    (|rh^2/2| < 2^-8 |head|, |head| being about 2^-9 or more, or |rh| at
//    i = e = 0: s and head are within a factor of two),
//    and the second fused multiply-add leaves s's rounding error to within
//    2^-106 of s.
//  - r^2/2 - rh^2/2 = rh rl + rl^2/2: rh rl is kept (one rounding of a
//    value below 2^-61.4, 2^-105 of R), rl^2/2 < 2^-107 (2^-98 of R) left
//    out; it is zero at i = 0.
//  - the series from r^3/3 to r^8/8 as in Quick::Log: its remainder below
//    2^-72 of R, its evaluation (fused steps only remove roundings) and the
//    rounding of r = rh + rl within 2^-70.6 of R, the sum of the tail
//    parts within 2^-80 and the last addition of the series 2^-72.6;
//  - the tails of log 2 (times |e| <= 1128) and of the table, within 2^-84.
// In all below 2^-70.1 of R: Quick::kLogError holds for this variant too.
ZQ_QUICK_INLINE DD LogWith(FusedProducts, double x, int exponentOffset) {
  using namespace ElementaryTables;
  // x = 2^e z with z in [sqrt(1/2), sqrt(2)): the same split as Quick::Log's,
  // from the distance of x's bits to those of sqrt(1/2) (rounded up).
  const std::uint64_t offset = std::bit_cast<std::uint64_t>(x) - 0x3FE6A09E667F3BCDull;
  const int e = static_cast<int>(static_cast<std::int64_t>(offset) >> 52) + exponentOffset;
  const double z = std::bit_cast<double>(std::bit_cast<std::uint64_t>(x) - (offset & 0xFFF0000000000000ull));
  // i = 256 (z - 1) to the nearest whole number (z - 1 and the scaling are
  // exact); at a tie either neighbour keeps |r| below its bound.
  const double shifted = (z - 1.0) * 256.0 + kShifter;
  const int i = static_cast<int>(static_cast<std::uint32_t>(std::bit_cast<std::uint64_t>(shifted)));
  const LogPoint& point = kLogPoints[i - kFirstLogPoint];
  const double p = z * point.inverse;
  const double rl = __builtin_fma(z, point.inverse, -p);
  const double rh = p - 1.0;
  const double r = rh + rl;
  const double ed = static_cast<double>(e);
  const double w = __builtin_fma(ed, kLn2Head, point.logHead);
  const DD h1 = DoubleDouble::FastTwoSum(w, rh);
  const double halfSquare = -0.5 * rh;
  const double s = __builtin_fma(halfSquare, rh, h1.hi);
  const double sLow = __builtin_fma(halfSquare, rh, -(s - h1.hi));
  const double r2 = r * r;
  const double r4 = r2 * r2;
  const double series = (r * r2) * (__builtin_fma(r4, __builtin_fma(-r, 0.125, 1.0 / 7),
                                                  __builtin_fma(r2, __builtin_fma(-r, 1.0 / 6, 0.2),
                                                                __builtin_fma(-r, 0.25, 1.0 / 3))));
  const double small = (sLow + h1.lo) + ((__builtin_fma(ed, kLn2Tail, point.logTail)) + __builtin_fma(-rh, rl, rl));
  return {s, small + series};
}
#endif

}  // namespace Zq::Math::Quick
