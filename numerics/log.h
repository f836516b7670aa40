// The add-in's logarithm, log x correctly rounded for every double (see
// numerics/c_library_names.cpp for why the add-in has its own), and the
// quick passes that pow builds on too.
//
// A quick pass gives log x as an unevaluated sum head + tail within the
// proven relative bound kQuickLogError; the caller rounds it when that bound
// leaves no doubt (Decide, numerics/quick_rounding.h) and otherwise runs
// the accurate pass. In the Plain variant (numerics/exact_products.h) it
// reduces on a table of 1/c near 1/(1 + i/256); the Fused one reduces on a
// table of its own, whose short 1/c make z/c - 1 a single exact fused
// multiply-add, and forms -r^2/2 with its error in two more: shorter,
// within the same error bound, so that both round to the same double
// whenever the rounding test lets them decide.
#pragma once

#include <bit>
#include <cstdint>

#include "numerics/double_double.h"
#include "numerics/elementary_tables.h"
#include "numerics/exact_products.h"

namespace Zq::Math {

// log x correctly rounded (to nearest, ties to even); zeros, negative
// arguments, infinities and NaN as the C standard has them.
double Log(double x);

}  // namespace Zq::Math

namespace Zq::Math::Elementary {

constexpr double kQuickLogError = 0x1.8p-70;

// The quick pass of log x in each variant: Of(x, exponentOffset) is
// log(x 2^exponentOffset) = head + tail for normal x > 0.
template <class Variant>
struct QuickLog;

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
// In all below 2^-70.2 relative; kQuickLogError adds room for rounding the
// tail.
template <>
struct QuickLog<Plain> {
  ZQ_QUICK_INLINE static DD Of(double x, int exponentOffset) {
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
    const double rh = Plain::ExactMulAdd(zh, p.inverse, -1.0);
    const double rl = (z - zh) * p.inverse;
    const double rs = (rh + kSquareSplitter) - kSquareSplitter;
    const double rest = (rh - rs) + rl;  // r = rs + rest
    const double r = rh + rl;
    const double ed = static_cast<double>(e);
    // w is exact: both parts are whole multiples of 2^-42 below 2^11. Each
    // sum below has its larger part first: |w| > 0.34 for e != 0, and
    // |log c| > 2^-8.1 > |rh| for i != 0.
    const double w = Plain::ExactMulAdd(ed, kLn2Head, p.logHead);
    const DD h1 = DoubleDouble::FastTwoSum(w, rh);
    const DD h2 = Plain::FastTwoSumOfProduct(h1.hi, -0.5 * rs, rs);
    const double r2 = r * r;
    const double r4 = r2 * r2;
    const double series = (r * r2) * (((1.0 / 3 - r * 0.25) + r2 * (0.2 - r * (1.0 / 6))) + r4 * (1.0 / 7 - r * 0.125));
    const double crossTerms = rs * rest + 0.5 * (rest * rest);
    const double small = (h2.lo + h1.lo) + ((ed * kLn2Tail + p.logTail) + (rl - crossTerms));
    return {h2.hi, small + series};
  }
};

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
// In all below 2^-69.76 of R: kQuickLogError holds for this variant too.
// Only code compiled for the instruction (ZQ_FUSED) may call it.
template <>
struct QuickLog<Fused> {
  ZQ_QUICK_INLINE static DD Of(double x, int exponentOffset) {
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
};

#endif

constexpr double kSmallestNormal = 0x1.0p-1022;

// The quick pass for any finite x > 0, subnormal x scaled up first.
template <class Variant>
ZQ_QUICK_INLINE DD QuickLogOfAny(double x) {
  return x >= kSmallestNormal ? QuickLog<Variant>::Of(x, 0) : QuickLog<Variant>::Of(x * 0x1.0p54, -54);
}

}  // namespace Zq::Math::Elementary
