// The seeded uniform engine every random function rests on, in front of the
// three engines: MT19937 with the 1998 seeding, MT19937 with the 2002 array
// seeding and 53-bit numbers, and the shuffled combined congruential
// generator. Every engine makes its numbers a block at a time, and most
// draws only read the block.
#pragma once

#include <cstdint>
#include <span>
#include <variant>

#include "random/mersenne_twister_uniforms.h"
#include "random/shuffled_congruential.h"

namespace Zq::Math {

// The uniform engines. The worksheet's Algorithm codes name them in their
// own order (random/sample_worksheet.h); any other value is the shuffled
// congruential engine.
enum class RandomAlgorithm : std::int32_t { Ran2, Mt1998, Mt2002 };

// A copy continues with exactly the numbers the original would produce.
class RandomUniform {
 public:
  // MT19937 with the 2002 seeding from the seeds 2178 and 2179.
  RandomUniform() : RandomUniform(RandomAlgorithm::Mt2002, 2178, 2179) {}
  RandomUniform(RandomAlgorithm algorithm, std::int32_t seed1, std::int32_t seed2)
      : engine_(Start(algorithm, seed1, seed2)) {}

  // The next number in [1e-12, 0.999999999999].
  double NextUniform() {
    if (next_ == end_) Refill();
    return block_[next_++];
  }

  // The next numbers, at least one and at most `most` (> 0), read in place
  // from the block: the numbers `most` calls of NextUniform would begin with.
  std::span<const double> NextRun(int most) {
    if (next_ == end_) Refill();
    const int n = end_ - next_ < most ? end_ - next_ : most;
    const double* run = block_ + next_;
    next_ += n;
    return {run, static_cast<std::size_t>(n)};
  }

  // sink(u) for the next `count` numbers, a run of the block at a time.
  template <class Sink>
  void Generate(long count, Sink&& sink) {
    while (count > 0) {
      const auto run = NextRun(count < kMostInBlock ? static_cast<int>(count) : kMostInBlock);
      for (const double u : run) sink(u);
      count -= static_cast<long>(run.size());
    }
  }

  RandomAlgorithm Algorithm() const;

 private:
  static constexpr int kMostInBlock = Mt1998Uniforms::kBlockSize;
  using Engine = std::variant<Mt2002Uniforms, Mt1998Uniforms, ShuffledCongruential>;

  static Engine Start(RandomAlgorithm algorithm, std::int32_t seed1, std::int32_t seed2);
  void Refill();

  Engine engine_;
  // The current block and the next number to hand out.
  std::int32_t next_ = 0;
  std::int32_t end_ = 0;
  double block_[kMostInBlock] = {};
};

}  // namespace Zq::Math
