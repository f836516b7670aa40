// Binary floating-point numbers with a 256-bit significand, in 32-bit limbs
// and integer arithmetic only, so that every build computes the same bits.
// The elementary functions' accurate passes use them for the rare
// arguments whose double-precision result lies too close to a rounding
// boundary for the quick pass to decide.
#pragma once

#include <cstdint>

namespace Zq::Math::WideFloat {

constexpr int kLimbs = 8;
constexpr int kBits = 32 * kLimbs;

// (-1)^negative * significand * 2^(exponent - kBits), the significand's top
// bit set unless the value is zero. Every operation truncates to 256 bits:
// its error is below 2^-254 of its result.
struct Wide {
  bool negative = false;
  int exponent = 0;
  std::uint32_t limbs[kLimbs] = {};  // least significant first
};

// A finite double as its sign and |x| = significand * 2^power, the
// significand whole (53 bits, fewer for subnormals).
struct DoubleParts {
  std::uint64_t significand;
  int power;
  bool negative;
};
DoubleParts SplitDouble(double x);

bool IsZero(const Wide& a);
Wide FromDouble(double x);
Wide FromInteger(std::uint64_t n);
// The nearest double to a (for estimates; overflow is not guarded).
double Estimate(const Wide& a);
Wide Negate(Wide a);
Wide Scale(Wide a, int k);  // a * 2^k
Wide Add(const Wide& a, const Wide& b);
Wide Subtract(const Wide& a, const Wide& b);
Wide Multiply(const Wide& a, const Wide& b);
Wide MultiplySmall(const Wide& a, std::uint32_t n);
// a / n for a constant n, which the compiler turns into multiplications.
template <std::uint32_t n>
Wide DivideBy(const Wide& a);
// 1 / a by Newton's iteration from the double reciprocal (a != 0, and the
// estimate of a a normal double).
Wide Reciprocal(const Wide& a);

// The quotient limbs q[0..kLimbs] of a / n (the lowest one below a's
// significand) as a Wide.
Wide PackQuotient(const std::uint32_t* q, const Wide& a);

template <std::uint32_t n>
Wide DivideBy(const Wide& a) {
  // One more quotient limb below the significand keeps the full precision.
  std::uint32_t q[kLimbs + 1];
  std::uint64_t remainder = 0;
  for (int i = kLimbs; i >= 0; --i) {
    const std::uint64_t current = (remainder << 32) | (i > 0 ? a.limbs[i - 1] : 0u);
    q[i] = static_cast<std::uint32_t>(current / n);
    remainder = current % n;
  }
  return PackQuotient(q, a);
}

// Rounds a to the nearest double (ties to even, subnormals and overflow as
// IEEE arithmetic rounds them) when a is known to within a relative error
// below 2^-accuracyBits: false when a value that close could round either
// way. With accuracyBits = kExact, a is taken as exact and ties go to even.
constexpr int kExact = -1;
bool RoundToDouble(const Wide& a, int accuracyBits, double& result);

}  // namespace Zq::Math::WideFloat
