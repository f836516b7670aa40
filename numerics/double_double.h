// Double-double arithmetic: pairs of doubles that carry about 106
// significant bits, built from IEEE additions, multiplications and divisions
// only, so every build computes the same bits. The add-in's own elementary
// functions rest on it.
#pragma once

#include <bit>
#include <cstdint>

namespace Zq::Math::DoubleDouble {

// An unevaluated sum hi + lo with |lo| <= ulp(hi) / 2.
struct DD {
  double hi;
  double lo;
};

constexpr double kInfinity = __builtin_inf();

constexpr DD kLn2{0x1.62e42fefa39efp-1, 0x1.abc9e3b39803fp-56};
constexpr double kInvLn2 = 0x1.71547652b82fep+0;
// pi / 2 as the sum of three doubles, and 2 / pi.
constexpr double kPiOver2[3] = {0x1.921fb54442d18p+0, 0x1.1a62633145c07p-54, -0x1.f1976b7ed8fbcp-110};
constexpr double kTwoOverPi = 0x1.45f306dc9c883p-1;

inline bool IsNaN(double x) { return x != x; }
inline bool SignBit(double x) { return (std::bit_cast<std::uint64_t>(x) >> 63) != 0; }
inline double Abs(double x) { return x < 0 ? -x : x; }

inline DD TwoSum(double a, double b) {
  const double s = a + b;
  const double v = s - a;
  return {s, (a - (s - v)) + (b - v)};
}

// Needs |a| >= |b| (or a == 0).
inline DD FastTwoSum(double a, double b) {
  const double s = a + b;
  return {s, b - (s - a)};
}

// Veltkamp's split: a = hi + lo with hi holding the upper 26 bits.
inline void Split(double a, double& hi, double& lo) {
  const double c = 134217729.0 * a;
  hi = c - (c - a);
  lo = a - hi;
}

// Dekker's exact product: a * b = p.hi + p.lo.
inline DD TwoProduct(double a, double b) {
  const double p = a * b;
  double ah, al, bh, bl;
  Split(a, ah, al);
  Split(b, bh, bl);
  return {p, ((ah * bh - p) + ah * bl + al * bh) + al * bl};
}

inline DD Add(DD a, DD b) {
  DD s = TwoSum(a.hi, b.hi);
  const DD t = TwoSum(a.lo, b.lo);
  s = FastTwoSum(s.hi, s.lo + t.hi);
  return FastTwoSum(s.hi, s.lo + t.lo);
}

inline DD Add(DD a, double b) { return Add(a, DD{b, 0.0}); }
inline DD Negate(DD a) { return {-a.hi, -a.lo}; }
inline DD Subtract(DD a, DD b) { return Add(a, Negate(b)); }

inline DD Multiply(DD a, DD b) {
  const DD p = TwoProduct(a.hi, b.hi);
  return FastTwoSum(p.hi, p.lo + (a.hi * b.lo + a.lo * b.hi));
}

inline DD Multiply(DD a, double b) {
  const DD p = TwoProduct(a.hi, b);
  return FastTwoSum(p.hi, p.lo + a.lo * b);
}

inline DD Divide(DD a, double b) {
  const double q = a.hi / b;
  const DD p = TwoProduct(q, b);
  return FastTwoSum(q, (((a.hi - p.hi) - p.lo) + a.lo) / b);
}

inline DD Divide(DD a, DD b) {
  const double q1 = a.hi / b.hi;
  DD r = Subtract(a, Multiply(b, q1));
  const double q2 = r.hi / b.hi;
  r = Subtract(r, Multiply(b, q2));
  const double q3 = r.hi / b.hi;
  return Add(FastTwoSum(q1, q2), q3);
}

// 2^k for -1022 <= k <= 1023, exactly.
inline double PowerOfTwo(int k) { return std::bit_cast<double>(static_cast<std::uint64_t>(k + 1023) << 52); }

// x * 2^k with a single rounding (only where the result is subnormal or
// overflows), for x of magnitude about 1 and -1130 < k < 2046.
inline double Scale(double x, int k) {
  if (k > 1023) return x * PowerOfTwo(1023) * PowerOfTwo(k - 1023);
  if (k < -1022) return x * PowerOfTwo(k + 600) * PowerOfTwo(-600);
  return x * PowerOfTwo(k);
}

inline DD Scale(DD x, int k) { return {Scale(x.hi, k), Scale(x.lo, k)}; }

// The nearest integer to x (|x| < 2^52), ties away from zero.
inline double Nearest(double x) { return static_cast<double>(static_cast<std::int64_t>(x < 0 ? x - 0.5 : x + 0.5)); }

}  // namespace Zq::Math::DoubleDouble
