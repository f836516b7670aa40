#include "numerics/wide_float.h"

#include <bit>

namespace Zq::Math::WideFloat {

namespace {

// 32 bits of the integer x[0..n) starting at bit `position` (bits outside
// the integer read as zero).
std::uint32_t BitsAt(const std::uint32_t* x, int n, int position) {
  if (position <= -32 || position >= 32 * n) return 0;
  if (position < 0) return x[0] << -position;
  const int q = position / 32, r = position % 32;
  std::uint32_t bits = x[q] >> r;
  if (r != 0 && q + 1 < n) bits |= x[q + 1] << (32 - r);
  return bits;
}

int Bit(const Wide& a, int position) {
  if (position < 0 || position >= kBits) return 0;
  return static_cast<int>((a.limbs[position / 32] >> (position % 32)) & 1u);
}

// The value X * 2^(exponent - 32 n) of the integer x[0..n), truncated to
// kBits significant bits.
Wide Pack(const std::uint32_t* x, int n, int exponent, bool negative) {
  Wide w;
  w.negative = negative;
  // The usual cases, a leading bit at the top or one below it (a product),
  // without the general shift.
  if ((x[n - 1] >> 31) != 0) {
    for (int j = 0; j < kLimbs; ++j) w.limbs[j] = x[n - kLimbs + j];
    w.exponent = exponent;
    return w;
  }
  if ((x[n - 1] >> 30) != 0 && n > kLimbs) {
    for (int j = 0; j < kLimbs; ++j) w.limbs[j] = (x[n - kLimbs + j] << 1) | (x[n - kLimbs + j - 1] >> 31);
    w.exponent = exponent - 1;
    return w;
  }
  int top = 32 * n - 1;
  int q = n - 1;
  while (q >= 0 && x[q] == 0) --q;
  if (q < 0) return Wide{};
  top = 32 * q + 31 - std::countl_zero(x[q]);
  const int start = top - (kBits - 1);
  for (int j = 0; j < kLimbs; ++j) w.limbs[j] = BitsAt(x, n, start + 32 * j);
  w.exponent = exponent - 32 * n + top + 1;
  return w;
}

// -1, 0 or 1 as |a| is below, equal to or above |b|.
int CompareMagnitudes(const Wide& a, const Wide& b) {
  if (IsZero(a) || IsZero(b)) return IsZero(a) ? (IsZero(b) ? 0 : -1) : 1;
  if (a.exponent != b.exponent) return a.exponent < b.exponent ? -1 : 1;
  for (int i = kLimbs - 1; i >= 0; --i) {
    if (a.limbs[i] != b.limbs[i]) return a.limbs[i] < b.limbs[i] ? -1 : 1;
  }
  return 0;
}

// 2^k for -1022 <= k <= 1023.
double PowerOfTwo(int k) { return std::bit_cast<double>(static_cast<std::uint64_t>(k + 1023) << 52); }

// x * 2^k for a whole x below 2^64 whose product is a double (or, for the
// estimate, close to one): exact where the product is representable.
double ScaleWhole(double x, int k) {
  while (k > 1000) {
    x *= PowerOfTwo(1000);
    k -= 1000;
  }
  while (k < -1000) {
    x *= PowerOfTwo(-1000);
    k += 1000;
  }
  if (k < -900) return x * PowerOfTwo(k + 200) * PowerOfTwo(-200);
  return x * PowerOfTwo(k);
}

}  // namespace

bool IsZero(const Wide& a) { return a.limbs[kLimbs - 1] == 0; }

Wide FromInteger(std::uint64_t n) {
  const std::uint32_t x[2] = {static_cast<std::uint32_t>(n), static_cast<std::uint32_t>(n >> 32)};
  return Pack(x, 2, 64, false);
}

DoubleParts SplitDouble(double x) {
  const std::uint64_t bits = std::bit_cast<std::uint64_t>(x);
  const int biased = static_cast<int>((bits >> 52) & 0x7FF);
  std::uint64_t m = bits & 0x000FFFFFFFFFFFFFull;
  int e = -1074;
  if (biased != 0) {
    m |= 0x0010000000000000ull;
    e = biased - 1075;
  }
  return {m, e, (bits >> 63) != 0};
}

Wide FromDouble(double x) {
  const DoubleParts parts = SplitDouble(x);
  Wide w = FromInteger(parts.significand);
  if (!IsZero(w)) w.exponent += parts.power;
  w.negative = parts.negative;
  return w;
}

double Estimate(const Wide& a) {
  const std::uint64_t top = (static_cast<std::uint64_t>(a.limbs[kLimbs - 1]) << 32) | a.limbs[kLimbs - 2];
  // 53 bits convert exactly on every build.
  const double magnitude = ScaleWhole(static_cast<double>(static_cast<std::int64_t>(top >> 11)), a.exponent - 53);
  return a.negative ? -magnitude : magnitude;
}

Wide Negate(Wide a) {
  if (!IsZero(a)) a.negative = !a.negative;
  return a;
}

Wide Scale(Wide a, int k) {
  if (!IsZero(a)) a.exponent += k;
  return a;
}

Wide Add(const Wide& a, const Wide& b) {
  if (IsZero(b)) return a;
  if (IsZero(a)) return b;
  const bool swap = CompareMagnitudes(a, b) < 0;
  const Wide& big = swap ? b : a;
  const Wide& small = swap ? a : b;
  // Both in a frame of kLimbs + 2 limbs: a guard limb below (so that a
  // difference of nearly equal values is exact) and a carry limb above.
  constexpr int n = kLimbs + 2;
  std::uint32_t x[n] = {}, placed[n] = {}, y[n];
  for (int i = 0; i < kLimbs; ++i) {
    x[i + 1] = big.limbs[i];
    placed[i + 1] = small.limbs[i];
  }
  const int shift = big.exponent - small.exponent;
  for (int i = 0; i < n; ++i) y[i] = BitsAt(placed, n, 32 * i + shift);
  std::uint64_t carry = 0;
  if (big.negative == small.negative) {
    for (int i = 0; i < n; ++i) {
      const std::uint64_t s = static_cast<std::uint64_t>(x[i]) + y[i] + carry;
      x[i] = static_cast<std::uint32_t>(s);
      carry = s >> 32;
    }
  } else {
    for (int i = 0; i < n; ++i) {
      const std::uint64_t d = static_cast<std::uint64_t>(x[i]) - y[i] - carry;
      x[i] = static_cast<std::uint32_t>(d);
      carry = (d >> 32) != 0 ? 1 : 0;
    }
  }
  return Pack(x, n, big.exponent + 32, big.negative);
}

Wide Subtract(const Wide& a, const Wide& b) { return Add(a, Negate(b)); }

Wide Multiply(const Wide& a, const Wide& b) {
  if (IsZero(a) || IsZero(b)) return Wide{};
  std::uint32_t p[2 * kLimbs] = {};
  for (int i = 0; i < kLimbs; ++i) {
    std::uint64_t carry = 0;
    for (int j = 0; j < kLimbs; ++j) {
      const std::uint64_t t = static_cast<std::uint64_t>(a.limbs[i]) * b.limbs[j] + p[i + j] + carry;
      p[i + j] = static_cast<std::uint32_t>(t);
      carry = t >> 32;
    }
    p[i + kLimbs] = static_cast<std::uint32_t>(carry);
  }
  return Pack(p, 2 * kLimbs, a.exponent + b.exponent, a.negative != b.negative);
}

Wide MultiplySmall(const Wide& a, std::uint32_t n) {
  std::uint32_t p[kLimbs + 1];
  std::uint64_t carry = 0;
  for (int i = 0; i < kLimbs; ++i) {
    const std::uint64_t t = static_cast<std::uint64_t>(a.limbs[i]) * n + carry;
    p[i] = static_cast<std::uint32_t>(t);
    carry = t >> 32;
  }
  p[kLimbs] = static_cast<std::uint32_t>(carry);
  return Pack(p, kLimbs + 1, a.exponent + 32, a.negative);
}

Wide PackQuotient(const std::uint32_t* q, const Wide& a) { return Pack(q, kLimbs + 1, a.exponent, a.negative); }

Wide Reciprocal(const Wide& a) {
  const Wide one = FromInteger(1);
  Wide y = FromDouble(1.0 / Estimate(a));
  // Each step doubles the correct bits: 53, 106, 212, then the full 256.
  for (int step = 0; step < 3; ++step) y = Add(y, Multiply(y, Subtract(one, Multiply(a, y))));
  return y;
}

bool RoundToDouble(const Wide& a, int accuracyBits, double& result) {
  const double zero = a.negative ? -0.0 : 0.0;
  if (IsZero(a)) {
    result = zero;
    return true;
  }
  const double infinity = a.negative ? -__builtin_inf() : __builtin_inf();
  const int e = a.exponent;  // 2^(e-1) <= |a| < 2^e
  if (e > 1024) {
    result = infinity;
    return true;
  }
  // The significant bits the result keeps: fewer for subnormal results.
  const int kept = e - 1 >= -1022 ? 53 : e + 1074;
  if (kept < 0) {
    // |a| < 2^-1076, less than half of the smallest subnormal.
    result = zero;
    return true;
  }
  const int roundBit = kBits - 1 - kept;
  const std::uint64_t top = (static_cast<std::uint64_t>(a.limbs[kLimbs - 1]) << 32) | a.limbs[kLimbs - 2];
  std::uint64_t q = kept == 0 ? 0 : top >> (64 - kept);
  const int round = Bit(a, roundBit);
  // The bits below the round bit, down to the last one the accuracy vouches
  // for, decide: all zeros after a one, or all ones after a zero, leave the
  // value within the error of the midpoint.
  const int lowest = accuracyBits == kExact ? 0 : kBits - accuracyBits;
  bool allSame = true;
  for (int position = roundBit - 1; position >= lowest && allSame; --position) allSame = Bit(a, position) != round;
  if (accuracyBits == kExact) {
    if (round == 1 && allSame) {
      q += q & 1;  // a tie: to even
    } else {
      q += static_cast<std::uint64_t>(round);
    }
  } else {
    if (lowest > roundBit - 1 || allSame) return false;
    q += static_cast<std::uint64_t>(round);
  }
  if (e == 1024 && q >> 53 != 0) {
    result = infinity;
    return true;
  }
  const double magnitude = ScaleWhole(static_cast<double>(static_cast<std::int64_t>(q)), e - kept);
  result = a.negative ? -magnitude : magnitude;
  return true;
}

}  // namespace Zq::Math::WideFloat
