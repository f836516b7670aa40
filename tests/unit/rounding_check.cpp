#include "tests/unit/rounding_check.h"

#include <bit>
#include <cmath>

namespace Zq::Test {

namespace {

std::uint64_t Mix(std::uint64_t z) {
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

// A double in [2^low, 2^(high+1)) with an evenly spread exponent, signed by bit 0.
double Spread(std::uint64_t bits, int low, int high) {
  const std::uint64_t mantissa = (bits >> 12) & 0x000FFFFFFFFFFFFFull;
  const int exponent = low + static_cast<int>((bits >> 2) % static_cast<std::uint64_t>(high - low + 1));
  const double m = std::ldexp(1.0 + static_cast<double>(mantissa) * 0x1.0p-52, exponent);
  return (bits & 1) != 0 ? -m : m;
}

double TangentArgument(std::uint64_t seed) {
  const std::uint64_t bits = Mix(seed);
  const double unit = static_cast<double>(bits >> 11) * 0x1.0p-53;
  switch (Mix(seed + 0x9E3779B97F4A7C15ull) % 8) {
    case 0:  // where the add-in calls it: (0, pi)
      return unit * 0x1.921fb54442d18p+1;
    case 1:
      return -10.0 + 20.0 * unit;
    case 2:  // moderate, every exponent
      return Spread(bits, -27, 20);
    case 3: {  // a few units from a multiple of pi/2 below 2^22
      const double k = static_cast<double>(bits % 2670177);
      const std::int64_t steps = static_cast<std::int64_t>((bits >> 40) % 61) - 30;
      const double near = k * 0x1.921fb54442d18p+0;
      return std::bit_cast<double>(std::bit_cast<std::uint64_t>(near) + static_cast<std::uint64_t>(steps));
    }
    case 4:  // huge, up to the largest double
      return Spread(bits, 20, 1023);
    case 5:
      return Spread(bits, 900, 1023);
    case 6:  // tiny and subnormal
      return Spread(bits, -1074, -20);
    default:  // any bit pattern: NaNs and infinities too
      return std::bit_cast<double>(bits);
  }
}

double AddInTangent(double x) { return std::tan(x); }

}  // namespace

const UnaryRoundingCheck kTangentRoundingCheck{"tan", AddInTangent, mpfr_tan, TangentArgument};

long CountMisrounded(const UnaryRoundingCheck& check, std::uint64_t seed, long count, std::string& failures) {
  long wrong = 0;
  for (long i = 0; i < count; ++i) {
    const double x = check.argument(seed + static_cast<std::uint64_t>(i));
    const double actual = check.function(x);
    const double expected = CorrectlyRounded(check.oracle, x);
    if (SameResult(actual, expected)) continue;
    if (++wrong <= 5) failures += Disagreement(check.name, x, actual, expected) + "\n";
  }
  return wrong;
}

}  // namespace Zq::Test
