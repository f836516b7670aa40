// The seeded uniform engine every random function rests on: MT19937 with the
// 1998 seeding, MT19937 with the 2002 array seeding and 53-bit output, and
// the combined congruential generator with a 32-entry shuffle table.
#pragma once

#include <cstdint>

namespace Zq::Math {

enum RandomAlgorithm : std::int32_t { RAN2 = 0, MT1998 = 1, MT2002 = 2, MT2002EX = 3 };

class RandomUniform {
 public:
  static constexpr int kStateSize = 624;
  static constexpr int kShuffleSize = 32;
  static constexpr double kLowest = 1e-12;
  static constexpr double kHighest = 0.999999999999;

  RandomUniform() = default;
  RandomUniform(const RandomUniform&) = default;
  RandomUniform& operator=(const RandomUniform&) = default;
  virtual ~RandomUniform() = default;

  // Stores the engine and seeds and fills the engine state; always true.
  bool SetSeed(RandomAlgorithm algorithm, std::int32_t seed1, std::int32_t seed2);

  // The next number in [1e-12, 0.999999999999]; seeds itself on first use.
  double NextUniform();

  RandomAlgorithm Algorithm() const { return algorithm_; }

 private:
  void InitByArray(const std::uint32_t* key, int length);
  void Regenerate();
  std::uint32_t NextWord2002();
  void StartShuffle();

  RandomAlgorithm algorithm_ = MT2002;
  std::int32_t seed1_ = 2178;
  std::int32_t seed2_ = 2179;
  std::uint32_t keyWord3_ = 0;
  std::uint32_t keyWord4_ = 0;
  std::uint32_t state_[kStateSize] = {};
  std::int32_t position_ = -1;
  std::int32_t readIndex_ = 0;
  std::int32_t idum_ = 0;
  std::int32_t idum2_ = 0;
  std::int32_t iy_ = 0;
  std::int32_t iv_[kShuffleSize] = {};
};

}  // namespace Zq::Math
