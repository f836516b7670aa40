// A fixed, seeded stream of test arguments for the elementary functions:
// uniform ranges, magnitudes spread evenly over exponents, neighbours of a
// point, and raw bit patterns (NaNs and infinities included).
#pragma once

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace Zq::Test {

class ArgumentStream {
 public:
  explicit ArgumentStream(std::uint64_t seed) : state_(seed * 0x9E3779B97F4A7C15ull + 1) {}
  std::uint64_t Bits() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 7;
    state_ ^= state_ << 17;
    return state_;
  }
  double Unit() { return static_cast<double>(Bits() >> 11) * 0x1.0p-53; }
  double In(double low, double high) { return low + (high - low) * Unit(); }
  // Any double at all, NaNs and infinities included.
  double AnyDouble() { return std::bit_cast<double>(Bits()); }
  // A magnitude spread evenly over the exponents 2^low .. 2^high, either sign.
  double Spread(int low, int high) {
    const double m = std::ldexp(1.0 + Unit(), low + static_cast<int>(Bits() % static_cast<std::uint64_t>(high - low + 1)));
    return (Bits() & 1) != 0 ? -m : m;
  }
  // x moved by up to a thousand units in the last place.
  double Near(double x) {
    const std::int64_t steps = static_cast<std::int64_t>(Bits() % 2001) - 1000;
    return std::bit_cast<double>(std::bit_cast<std::uint64_t>(x) + static_cast<std::uint64_t>(steps));
  }

 private:
  std::uint64_t state_;
};

// Arguments per group in the identity tests: ZQ_IDENTITY_COUNT raises it
// for a one-off check by hand; the default keeps ./zq test short.
inline long IdentityCount() {
  const char* text = std::getenv("ZQ_IDENTITY_COUNT");
  return text != nullptr ? std::atol(text) : 20000;
}

}  // namespace Zq::Test
