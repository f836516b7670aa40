#include "random/sobol.h"

#include <new>

namespace Zq::Math {
namespace {

// The 32-bit directions v_1 .. v_bits of `dimension` into v[0], v[stride], ...:
// the first s from m_1 .. m_s, the rest from the recurrence of its
// polynomial, v_k = v_(k-s) ^ (v_(k-s) >> s) ^ a_1 v_(k-1) ^ ... ^ a_(s-1) v_(k-s+1).
void FillDirections(std::uint32_t dimension, std::uint32_t bits, std::uint32_t* v, std::uint64_t stride) {
  const SobolInitialNumbers numbers = SobolInitialNumbersOf(dimension);
  const std::uint32_t s = numbers.degree;
  std::uint32_t directions[32];
  for (std::uint32_t k = 0; k < bits; ++k) {
    if (s == 0) {
      directions[k] = std::uint32_t{1} << (31 - k);
    } else if (k < s) {
      directions[k] = numbers.m[k] << (31 - k);
    } else {
      std::uint32_t next = directions[k - s] ^ (directions[k - s] >> s);
      for (std::uint32_t i = 1; i < s; ++i) {
        if ((numbers.coefficients >> (s - 1 - i)) & 1) next ^= directions[k - i];
      }
      directions[k] = next;
    }
    v[k * stride] = directions[k];
  }
}

}  // namespace

std::optional<SobolSequence> SobolSequence::Make(std::uint32_t dimensions, std::uint64_t skip, std::uint64_t count) {
  if (dimensions < 1 || dimensions > kSobolMaxDimensions) return std::nullopt;
  if (skip >= kPoints || count > kPoints - skip) return std::nullopt;
  // The start point's Gray code and the steps after it use the bits of the
  // last index written, skip + count - 1, and none above.
  const std::uint64_t last = count == 0 ? skip : skip + count - 1;
  const auto bits = static_cast<std::uint32_t>(std::bit_width(last));
  SobolSequence sequence(dimensions, skip, count);
  sequence.words_.reset(new (std::nothrow) std::uint32_t[(bits + 1) * std::uint64_t{dimensions}]);
  if (!sequence.words_) return std::nullopt;
  std::uint32_t* point = sequence.words_.get();
  std::uint32_t* rows = point + dimensions;
  const std::uint64_t gray = skip ^ (skip >> 1);
  for (std::uint32_t j = 0; j < dimensions; ++j) {
    FillDirections(j + 1, bits, rows + j, dimensions);
    std::uint32_t x = 0x80000000;
    for (std::uint32_t k = 0; k < bits; ++k) {
      if ((gray >> k) & 1) x ^= rows[k * std::uint64_t{dimensions} + j];
    }
    point[j] = x;
  }
  return sequence;
}

}  // namespace Zq::Math
