// Values a generator makes from its engine's uniforms a block at a time and
// hands out one by one: a block costs the generator's work without branches
// that the processor cannot foresee. Blocks grow from 4 values to kMost, so
// that a short sample makes few in vain.
#pragma once

#include <cstdint>

namespace Zq::Math {

class MadeAhead {
 public:
  static constexpr int kMost = 128;

  bool Empty() const { return next_ == end_; }
  double Take() { return values_[next_++]; }
  int Left() const { return end_ - next_; }
  // The next n values (n <= Left()), taken.
  const double* TakeRun(int n) {
    const double* run = values_ + next_;
    next_ += n;
    return run;
  }

  // The size of the next block, and where the generator writes it.
  int NextCount() const { return end_ == 0 ? 4 : end_ < kMost ? 2 * end_ : kMost; }
  double* Block() { return values_; }
  // Hands out the `count` values just written to Block().
  void Filled(int count) {
    next_ = 0;
    end_ = count;
  }

  // Drops the values not handed out yet; the next block is a small one.
  void Clear() { next_ = end_ = 0; }

 private:
  std::int32_t next_ = 0;
  std::int32_t end_ = 0;
  double values_[kMost] = {};
};

}  // namespace Zq::Math
