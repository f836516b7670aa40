// Unsigned fixed-point numbers with 256 bits after the binary point and 32
// before it, in integer arithmetic only: the exact reduction of huge
// arguments by pi/2 and the accurate path of the add-in's tangent rest on
// them, and every build computes the same bits.
#pragma once

#include <array>
#include <cstdint>

namespace Zq::Math::FixedPoint {

constexpr int kFractionWords = 8;
constexpr int kWords = kFractionWords + 1;

// Little-endian 32-bit words: word k weighs 2^(32 k - 256), so word 8 is the
// integer part.
using Fixed = std::array<std::uint32_t, kWords>;

inline Fixed Add(const Fixed& a, const Fixed& b) {
  Fixed sum{};
  std::uint64_t carry = 0;
  for (int k = 0; k < kWords; ++k) {
    carry += static_cast<std::uint64_t>(a[k]) + b[k];
    sum[k] = static_cast<std::uint32_t>(carry);
    carry >>= 32;
  }
  return sum;
}

// a - b modulo 2^32 in the integer word (a >= b gives the plain difference).
inline Fixed Subtract(const Fixed& a, const Fixed& b) {
  Fixed difference{};
  std::int64_t borrow = 0;
  for (int k = 0; k < kWords; ++k) {
    const std::int64_t d = static_cast<std::int64_t>(a[k]) - b[k] + borrow;
    difference[k] = static_cast<std::uint32_t>(d);
    borrow = d < 0 ? -1 : 0;
  }
  return difference;
}

inline bool Less(const Fixed& a, const Fixed& b) {
  for (int k = kWords - 1; k >= 0; --k) {
    if (a[k] != b[k]) return a[k] < b[k];
  }
  return false;
}

// a * b truncated to 256 fractional bits (error below 2^-255), for a * b < 2^32.
inline Fixed Multiply(const Fixed& a, const Fixed& b) {
  std::array<std::uint32_t, 2 * kWords> product{};
  for (int i = 0; i < kWords; ++i) {
    std::uint64_t carry = 0;
    for (int j = 0; j < kWords; ++j) {
      carry += static_cast<std::uint64_t>(a[i]) * b[j] + product[i + j];
      product[i + j] = static_cast<std::uint32_t>(carry);
      carry >>= 32;
    }
    product[i + kWords] = static_cast<std::uint32_t>(carry);
  }
  Fixed result{};
  for (int k = 0; k < kWords; ++k) result[k] = product[k + kFractionWords];
  return result;
}

inline Fixed ShiftLeft(const Fixed& a, int bits) {
  Fixed shifted{};
  const int words = bits / 32, rest = bits % 32;
  for (int k = kWords - 1; k >= words; --k) {
    std::uint32_t word = a[k - words] << rest;
    if (rest != 0 && k - words - 1 >= 0) word |= a[k - words - 1] >> (32 - rest);
    shifted[k] = word;
  }
  return shifted;
}

// The position of the highest set bit, counted from the lowest (-1 for zero).
inline int HighestBit(const Fixed& a) {
  for (int k = kWords - 1; k >= 0; --k) {
    if (a[k] != 0) return 32 * k + 31 - __builtin_clz(a[k]);
  }
  return -1;
}

inline bool IsZero(const Fixed& a) { return HighestBit(a) < 0; }

inline Fixed One() {
  Fixed one{};
  one[kFractionWords] = 1;
  return one;
}

}  // namespace Zq::Math::FixedPoint
