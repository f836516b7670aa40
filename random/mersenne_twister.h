// MT19937, the 32-bit Mersenne Twister, the one engine behind both seedings
// of the uniform generator and the forward-rate simulation. It works a whole
// state at a time: each regeneration of the 624 words, and their tempering
// into output words, runs in SIMD registers (SSE2, or AVX2 where the
// processor has it), with exactly the published sequence.
#pragma once

#include <cstdint>

namespace Zq::Math {

class MersenneTwister {
 public:
  static constexpr int kStateSize = 624;

  // The published array initialisation, from the state of 19650218.
  void InitByArray(const std::uint32_t* key, int length);

  // The array initialisation of `count` engines at once, engine e from the
  // key at keys + e * length: the same states as one by one, faster, since
  // each initialisation is a chain of dependent steps and the processor
  // overlaps the chains of different engines.
  static void InitByArrays(MersenneTwister* const* engines, int count, const std::uint32_t* keys, int length);

  // The 1998 seeding: `first`, then each word 69069 times the one before.
  void InitByMultiplier(std::uint32_t first);

  // Regenerates the state and writes its 624 tempered output words, in the
  // order the engine yields them.
  void NextBlock(std::uint32_t* words);

 private:
  std::uint32_t state_[kStateSize] = {};
};

}  // namespace Zq::Math
