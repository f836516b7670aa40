#include "random/sobol_directions.h"

#include <iterator>

namespace Zq::Math {
namespace {

struct SobolDegreeRun {
  std::uint32_t first_dimension;
  std::uint32_t degree;
  std::uint32_t first_bit;
};

#include "random/sobol_directions.inc"

static_assert(kSobolTableLastDimension == kSobolMaxDimensions);

// The `width` (< 64) bits of the packed stream from `position` on.
std::uint32_t PackedField(std::uint64_t position, std::uint32_t width) {
  const std::uint64_t word = position / 64;
  const std::uint32_t shift = position % 64;
  std::uint64_t bits = kSobolPackedNumbers[word] >> shift;
  // The table ends with a spare word, so the next one is always there.
  if (shift + width > 64) bits |= kSobolPackedNumbers[word + 1] << (64 - shift);
  return static_cast<std::uint32_t>(bits & ((std::uint64_t{1} << width) - 1));
}

}  // namespace

SobolInitialNumbers SobolInitialNumbersOf(std::uint32_t dimension) {
  SobolInitialNumbers numbers;
  if (dimension < 2 || dimension > kSobolMaxDimensions) {
    numbers.m[0] = 1;
    return numbers;
  }
  // The dimensions of one degree are consecutive and take the same number of
  // bits each: s - 1 for the coefficients, k - 1 for m_k >> 1 (k = 2 .. s).
  const SobolDegreeRun* run = std::end(kSobolDegreeRuns) - 1;
  while (run->first_dimension > dimension) --run;
  const std::uint32_t s = run->degree;
  std::uint64_t position =
      run->first_bit + std::uint64_t{dimension - run->first_dimension} * ((s - 1) * (s + 2) / 2);
  numbers.degree = s;
  numbers.coefficients = PackedField(position, s - 1);
  position += s - 1;
  numbers.m[0] = 1;
  for (std::uint32_t k = 2; k <= s; ++k) {
    numbers.m[k - 1] = (PackedField(position, k - 1) << 1) | 1;
    position += k - 1;
  }
  return numbers;
}

}  // namespace Zq::Math
