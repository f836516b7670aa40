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
  double NextUniform() {
    double u;
    if (position_ == -1) SeedLazily();
    switch (algorithm_) {
      case MT1998:
        if (position_ >= kStateSize) {
          Regenerate();
          position_ = 0;
        }
        u = Temper(state_[position_++]) * 2.3283064370807974e-10;
        break;
      case MT2002:
      case MT2002EX: {
        const std::uint32_t a = NextWord2002() >> 5;
        const std::uint32_t b = NextWord2002() >> 6;
        u = (a * 67108864.0 + b) * (1.0 / 9007199254740992.0);
        break;
      }
      default:
        u = NextRan2();
        break;
    }
    if (u > kHighest) return kHighest;
    if (u < kLowest) return kLowest;
    return u;
  }

  RandomAlgorithm Algorithm() const { return algorithm_; }

  // MT19937 seeded by its array initialisation with any key, for generators
  // that need the engine's raw 32-bit words (NextWord) rather than doubles.
  void SeedByArray(const std::uint32_t* key, int length) {
    algorithm_ = MT2002;
    InitByArray(key, length);
  }
  std::uint32_t NextWord() { return NextWord2002(); }

 private:
  static std::uint32_t Temper(std::uint32_t y) {
    y ^= y >> 11;
    y ^= (y & 0xFF3A58ADu) << 7;
    y ^= (y & 0xFFFFDF8Cu) << 15;
    y ^= y >> 18;
    return y;
  }

  std::uint32_t NextWord2002() {
    if (--position_ == 0) {
      Regenerate();
      position_ = kStateSize;
      readIndex_ = 0;
    }
    return Temper(state_[readIndex_++]);
  }

  void SeedLazily();
  void InitByArray(const std::uint32_t* key, int length);
  void Regenerate();
  void StartShuffle();
  double NextRan2();

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
