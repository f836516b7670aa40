// The forward-rate simulation's own random numbers besides MT19937 (which
// it shares with the uniform engines): the runtime library's classic
// srand/rand pair, and a shuffled minimal-standard generator with polar
// Box-Muller normals.
#pragma once

#include <cstdint>

namespace Zq::Math {

// The classic runtime generator: x = x * 214013 + 2531011, output bits
// 16..30 of x (0..32767).
class LegacyRand {
 public:
  void Seed(std::uint32_t seed) { x_ = seed; }
  int Next() {
    x_ = x_ * 214013u + 2531011u;
    return static_cast<int>((x_ >> 16) & 0x7FFFu);
  }

 private:
  std::uint32_t x_ = 1;
};

// Minimal-standard multiplicative generator (16807 mod 2^31 - 1, Schrage's
// factorisation) behind a 32-entry shuffle table, with polar Box-Muller
// normals whose second value is kept for the next draw. The table is built
// when the state is not positive or it has never been built; otherwise a
// new state continues the old table.
class ShuffledMinimalStandard {
 public:
  void SetState(std::int32_t state) { state_ = state; }
  // Uniform in (0, 0.99999988].
  double NextUniform();
  double NextNormal();

 private:
  static constexpr int kTableSize = 32;

  void BuildTable();
  void Step();

  std::int32_t state_ = 0;
  std::int32_t last_ = 0;
  std::int32_t table_[kTableSize] = {};
  bool built_ = false;
  bool hasCachedNormal_ = false;
  double cachedNormal_ = 0;
};

}  // namespace Zq::Math
