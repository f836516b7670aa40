// The two uniform engines on MT19937, a state (a block) of numbers at a
// time, each number limited to [kLowest, kHighest]: the 1998 seeding with
// one number per output word, and the 2002 array seeding with 53-bit
// numbers from pairs of words.
#pragma once

#include <cstdint>

#include "random/mersenne_twister.h"

namespace Zq::Math {

// The numbers every uniform engine keeps inside, away from 0 and 1.
inline constexpr double kLowestUniform = 1e-12;
inline constexpr double kHighestUniform = 0.999999999999;

class Mt1998Uniforms {
 public:
  static constexpr int kBlockSize = MersenneTwister::kStateSize;

  // The state from the mixed seeds with the low bit set, then each word
  // 69069 times the one before.
  Mt1998Uniforms(std::int32_t seed1, std::int32_t seed2);

  // Writes the next kBlockSize numbers, each word times 1 / (2^32 - 1).
  int NextBlock(double* block);

 private:
  MersenneTwister twister_;
};

class Mt2002Uniforms {
 public:
  static constexpr int kBlockSize = MersenneTwister::kStateSize / 2;

  // The array initialisation with the key {seed1, seed2}.
  Mt2002Uniforms(std::int32_t seed1, std::int32_t seed2);

  // Writes the next kBlockSize numbers, (a 2^26 + b) / 2^53 from the top 27
  // bits a of one word and the top 26 bits b of the next.
  int NextBlock(double* block);

 private:
  MersenneTwister twister_;
};

// The seed mixing of the 1998 engine and the shuffled congruential one;
// seeds 0 and 0 give 1013904223.
inline std::uint32_t MixSeeds(std::int32_t seed1, std::int32_t seed2) {
  const std::uint32_t combined = static_cast<std::uint32_t>(seed1) * 65536u + static_cast<std::uint32_t>(seed2);
  return 1664525u * combined + 1013904223u;
}

}  // namespace Zq::Math
