// The logarithm's quick pass in each variant of the exact products
// (numerics/exact_products.h). The plain variant is Quick::Log; the fused
// one reduces on a table of its own, whose short 1/c make z/c - 1 a single
// exact fused multiply-add, and forms -r^2/2 with its error in two more:
// shorter, within the same error bound, so that both round to the same
// double whenever the rounding test lets them decide.
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
// log x = head + tail for normal x > 0 (times 2^exponentOffset), reduced on
// a table of its own (ElementaryTables::kFusedLogPoints) whose 1/c are short
// enough that r = z/c - 1 is one exact fused multiply-add:
// x = 2^e z, z's bits within 2^52 of kFusedLogOffset's, and
// log x = e log 2 - log(1/c) + log(1 + r) with |r| < 2^-8.54, |r| < 2^-9 in
// the interval holding 1, where 1/c = 1 and log(1/c) = 0.
// The parts, and the bound relative to the result R: for e != 0, |R| > 0.31;
// for e = 0 the table's intervals keep |R| >= |r| (1 - 2^-10) near 1 and
// |r|^3/3 below 2^-19.56 |R| everywhere (the worst case is the interval
// above the one holding 1), as the table's generator checks:
//  - w = e log2Head - log(1/c)Head is exact (multiples of 2^-42 below
//    2^11), and w + r splits exactly: |log(1/c)| > |r| wherever c != 1, and
//    |w| > 0.31 > |r| for e != 0.
//  - -r^2/2 joins the head in one fused multiply-add s; s - head is exact
//    (r^2/2 < 2^-9 |head|: s and head are within a factor of two), and the
//    second fused multiply-add leaves s's rounding error to within 2^-106
//    of s.
//  - the series from r^3/3 to r^8/8: its remainder r^9/9 and beyond below
//    2^-74.9 of R; its evaluation: the sum of the coefficients times powers
//    of r (about 1/3) carries four roundings of 2^-55 (1/3's included), and
//    r^3 and the product three relative roundings: 2^-50.46 of the series,
//    2^-70.03 of R; adding it to the small parts last, one rounding,
//    2^-72.6 of R;
//  - the small parts summed first, and the tails of log 2 (times
//    |e| <= 1128) and of the table: within 2^-84 of R.
// In all below 2^-69.76 of R: Quick::kLogError holds for this variant too.
ZQ_QUICK_INLINE DD LogWith(FusedProducts, double x, int exponentOffset) {
  using namespace ElementaryTables;
  const std::uint64_t bits = std::bit_cast<std::uint64_t>(x);
  const std::uint64_t offset = bits - kFusedLogOffset;
  const int e = static_cast<int>(static_cast<std::int64_t>(offset) >> 52) + exponentOffset;
  const double z = std::bit_cast<double>(bits - (offset & 0xFFF0000000000000ull));
  const FusedLogPoint& point = kFusedLogPoints[(offset >> 44) & 255];
  const double r = __builtin_fma(z, point.inverse, -1.0);
  const double ed = static_cast<double>(e);
  const double w = __builtin_fma(ed, kLn2Head, point.logHead);
  const DD h = DoubleDouble::FastTwoSum(w, r);
  const double halfSquare = -0.5 * r;
  const double s = __builtin_fma(halfSquare, r, h.hi);
  const double sLow = __builtin_fma(halfSquare, r, -(s - h.hi));
  const double r2 = r * r;
  const double r4 = r2 * r2;
  const double series = (r * r2) * (__builtin_fma(r4, __builtin_fma(-r, 0.125, 1.0 / 7),
                                                  __builtin_fma(r2, __builtin_fma(-r, 1.0 / 6, 0.2),
                                                                __builtin_fma(-r, 0.25, 1.0 / 3))));
  const double small = (sLow + h.lo) + __builtin_fma(ed, kLn2Tail, point.logTail);
  return {s, small + series};
}
#endif

}  // namespace Zq::Math::Quick
