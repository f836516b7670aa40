// The seeded uniform engine every random function rests on: MT19937 with the
// 1998 seeding, MT19937 with the 2002 array seeding and 53-bit output, and
// the combined congruential generator with a 32-entry shuffle table.
#pragma once

#include <algorithm>
#include <cstdint>

#include "random/mersenne_twister.h"

namespace Zq::Math {

// The uniform engines. The worksheet's Algorithm codes name them in their
// own order (random/worksheet_algorithm.h).
enum class RandomAlgorithm : std::int32_t { Ran2, Mt1998, Mt2002 };

class RandomUniform {
 public:
  static constexpr int kStateSize = MersenneTwister::kStateSize;
  static constexpr int kShuffleSize = 32;
  static constexpr double kLowest = 1e-12;
  static constexpr double kHighest = 0.999999999999;

  // Stores the engine and seeds and fills the engine state. A copy
  // continues with exactly the numbers the original would produce.
  void SetSeed(RandomAlgorithm algorithm, std::int32_t seed1, std::int32_t seed2);

  // The next number in [1e-12, 0.999999999999]; seeds itself on first use.
  // The Mersenne Twister engines make their numbers a state at a time (624
  // of the 1998 engine, 312 of the 53-bit one): most calls read the block.
  double NextUniform() {
    if (next_ < blockEnd_) return block_[next_++];
    return NextUncached();
  }

  // The next `count` numbers into `out`, as `count` calls of NextUniform
  // would give them, copied from the block a run at a time.
  void NextUniforms(double* out, int count) {
    while (count > 0) {
      if (next_ >= blockEnd_) {
        *out++ = NextUncached();
        --count;
        continue;
      }
      const int run = blockEnd_ - next_ < count ? blockEnd_ - next_ : count;
      std::copy_n(block_ + next_, run, out);
      next_ += run;
      out += run;
      count -= run;
    }
  }

  RandomAlgorithm Algorithm() const { return algorithm_; }

 private:
  double NextUncached();
  void StartShuffle();
  double NextRan2();

  RandomAlgorithm algorithm_ = RandomAlgorithm::Mt2002;
  std::int32_t seed1_ = 2178;
  std::int32_t seed2_ = 2179;
  MersenneTwister twister_;
  bool seeded_ = false;
  // The current block of numbers, already limited to [kLowest, kHighest];
  // empty for the shuffle engine.
  std::int32_t next_ = 0;
  std::int32_t blockEnd_ = 0;
  double block_[kStateSize] = {};
  std::int32_t idum_ = 0;
  std::int32_t idum2_ = 0;
  std::int32_t iy_ = 0;
  std::int32_t iv_[kShuffleSize] = {};
};

}  // namespace Zq::Math
