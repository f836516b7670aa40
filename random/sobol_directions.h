// The initial direction numbers of the Sobol sequence: Joe and Kuo's
// new-joe-kuo-6.21201 set, a primitive polynomial and its first numbers m_k
// per dimension, kept packed in the add-in (random/sobol_directions.inc).
#pragma once

#include <cstdint>

namespace Zq::Math {

inline constexpr std::uint32_t kSobolMaxDimensions = 21201;
inline constexpr std::uint32_t kSobolMaxDegree = 18;

// Dimension d's polynomial x^s + a_1 x^(s-1) + ... + a_(s-1) x + 1 over GF(2),
// with a_1 the top of the s - 1 bits of `coefficients`, and its odd numbers
// m_1 .. m_s (m_k < 2^k). Dimension 1, the van der Corput sequence, has
// degree 0: every m_k of it is 1.
struct SobolInitialNumbers {
  std::uint32_t degree = 0;
  std::uint32_t coefficients = 0;
  std::uint32_t m[kSobolMaxDegree] = {};
};

// The numbers of `dimension` (1 .. kSobolMaxDimensions); any other gets
// dimension 1's.
SobolInitialNumbers SobolInitialNumbersOf(std::uint32_t dimension);

}  // namespace Zq::Math
