#include "numerics/half_pi_reduction.h"

#include <array>
#include <bit>
#include <cstdint>

#include "numerics/tangent_tables.h"

namespace Zq::Math {

namespace {

using FixedPoint::Fixed;

// Words of 2/pi taken for one argument: with a's 53 bits and the first word
// placed at most 33 bits above the binary point, the product is right to
// 2^-266.
constexpr int kWindowWords = 11;
constexpr int kProductWords = kWindowWords + 2;

// The 32 bits of `words` (little-endian) from bit `start` up, zero beyond.
std::uint32_t BitsFrom(const std::array<std::uint32_t, kProductWords>& words, int start) {
  const int index = start / 32, shift = start % 32;
  const auto word = [&](int i) { return i < kProductWords ? words[i] : 0u; };
  if (shift == 0) return word(index);
  return (word(index) >> shift) | (word(index + 1) << (32 - shift));
}

Fixed HalfPiMinusOne() {
  Fixed c{};
  for (int k = 0; k < FixedPoint::kFractionWords; ++k) {
    c[k] = TangentTables::kHalfPiFractionWords[FixedPoint::kFractionWords - 1 - k];
  }
  return c;
}

}  // namespace

HalfPiReduction ReduceByHalfPi(double a) {
  // a = m 2^e with m a 53-bit whole number.
  const std::uint64_t bits = std::bit_cast<std::uint64_t>(a);
  const std::uint64_t m = (bits & 0x000FFFFFFFFFFFFFull) | 0x0010000000000000ull;
  const int e = static_cast<int>(bits >> 52) - 1075;
  // a 2/pi = sum over words w of m T[w] 2^(e - 32 (w + 1)); the words whose
  // terms are multiples of 4 change neither tan nor the parity of k.
  const int first = e >= 2 ? (e - 2) / 32 : 0;
  const int shift = e - 32 * first;

  // G = m times the window of 2/pi read as a whole number, so that
  // a 2/pi = G 2^(shift - 32 kWindowWords) modulo 4.
  std::array<std::uint32_t, kProductWords> g{};
  const std::uint64_t mLow = m & 0xFFFFFFFFu, mHigh = m >> 32;
  for (int j = 0; j < kWindowWords; ++j) {
    const std::uint64_t word = TangentTables::kTwoOverPiWords[first + kWindowWords - 1 - j];
    std::uint64_t carry = mLow * word + g[j];
    g[j] = static_cast<std::uint32_t>(carry);
    carry = (carry >> 32) + mHigh * word + g[j + 1];
    g[j + 1] = static_cast<std::uint32_t>(carry);
    g[j + 2] += static_cast<std::uint32_t>(carry >> 32);
  }

  // The fraction of a 2/pi, and its integer part's last two bits.
  Fixed f{};
  for (int k = 0; k < FixedPoint::kWords; ++k) f[k] = BitsFrom(g, 32 * k + 32 * kWindowWords - 256 - shift);
  bool odd = (f[FixedPoint::kFractionWords] & 1) != 0;
  f[FixedPoint::kFractionWords] = 0;
  bool negative = false;
  if ((f[FixedPoint::kFractionWords - 1] >> 31) != 0) {
    // Round k up: r = (f - 1) pi/2.
    f = FixedPoint::Subtract(FixedPoint::One(), f);
    odd = !odd;
    negative = true;
  }
  return {FixedPoint::Add(f, FixedPoint::Multiply(f, HalfPiMinusOne())), negative, odd};
}

}  // namespace Zq::Math
