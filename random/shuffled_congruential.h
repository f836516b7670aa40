// The shuffled combined congruential engine: two multiplicative generators,
// x <- 40014 x mod 2147483563 and y <- 40692 y mod 2147483399, whose
// difference is drawn through a 32-entry table that the first one refills.
// Numbers come a block at a time like the Mersenne Twister's, each limited
// to [kLowestUniform, kHighestUniform].
#pragma once

#include <cstdint>

namespace Zq::Math {

class ShuffledCongruential {
 public:
  static constexpr int kBlockSize = 64;
  static constexpr int kTableSize = 32;

  // Both generators start from the magnitude of the mixed seeds (made odd).
  ShuffledCongruential(std::int32_t seed1, std::int32_t seed2);

  // Writes the next kBlockSize numbers.
  int NextBlock(double* block);

 private:
  // Both generators from `state` (1 if below): 8 steps of the first are
  // discarded and its next 32 fill the table.
  void Start(std::int32_t state);
  double Next();

  std::int32_t first_;
  std::int32_t second_;
  // The last combined value: its top bits pick the table entry of the next.
  std::int32_t output_;
  std::int32_t table_[kTableSize];
};

}  // namespace Zq::Math
