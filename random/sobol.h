// The Sobol sequence, unscrambled: in Gray-code order from the point 0, the
// first coordinate the van der Corput sequence in base 2 and the others
// from Joe and Kuo's direction numbers (random/sobol_directions.h).
#pragma once

#include <bit>
#include <cstdint>
#include <memory>
#include <optional>

#include "random/sobol_directions.h"

namespace Zq::Math {

class SobolSequence {
 public:
  // The direction numbers have 32 bits: the sequence has 2^32 points.
  static constexpr std::uint64_t kPoints = std::uint64_t{1} << 32;

  // Points skip, skip + 1, ... of the first `dimensions` coordinates; nothing
  // when dimensions is outside 1 .. kSobolMaxDimensions, when skip is not a
  // point (below kPoints) or skip + count passes kPoints, or when memory
  // cannot be had.
  static std::optional<SobolSequence> Make(std::uint32_t dimensions, std::uint64_t skip, std::uint64_t count);

  // Writes the next point's coordinates, each a whole number over 2^32, to
  // out[0 .. dimensions). Calls past the count repeat the last point (with
  // a count of 0, every call writes the point skip).
  void Next(double* out) {
    // Locals, so that the stores into the point cannot be taken to change them.
    std::uint32_t* point = words_.get();
    const std::uint32_t d = dimensions_;
    if (remaining_ <= 1) {
      for (std::uint32_t j = 0; j < d; ++j) out[j] = Coordinate(point[j]);
      return;
    }
    // Points n and n + 1 differ in the directions of n's lowest zero bit,
    // the one bit in which their Gray codes differ.
    const std::uint32_t* direction = point + (std::countr_one(index_) + 1) * std::uint64_t{d};
    for (std::uint32_t j = 0; j < d; ++j) {
      const std::uint32_t x = point[j];
      out[j] = Coordinate(x);
      point[j] = x ^ direction[j];
    }
    ++index_;
    --remaining_;
  }

 private:
  SobolSequence(std::uint32_t dimensions, std::uint64_t skip, std::uint64_t count)
      : dimensions_(dimensions), index_(skip), remaining_(count) {}

  // A point holds each coordinate's numerator with its top bit flipped, which
  // exclusive-ors with the directions leave flipped: as a signed number it
  // converts to a double in one instruction, and that over 2^32 plus 1/2 is
  // the numerator over 2^32, exactly.
  static double Coordinate(std::uint32_t flipped) {
    return static_cast<double>(static_cast<std::int32_t>(flipped)) * 0x1p-32 + 0.5;
  }

  std::uint32_t dimensions_;
  // The index of the point in words_, and the points left to write with it.
  std::uint64_t index_;
  std::uint64_t remaining_;
  // The current point, then a row per bit k of the indices to come: every
  // coordinate's direction v_k = m_k 2^(32 - k), so that a step reads one
  // contiguous row.
  std::unique_ptr<std::uint32_t[]> words_;
};

}  // namespace Zq::Math
