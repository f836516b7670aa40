// MT19937 word by word, as first published: the reference that the block
// engine and its users are checked against.
#pragma once

#include <cstdint>

namespace ZqTest {

class PlainMersenneTwister {
 public:
  void InitByArray(const std::uint32_t* key, int length) {
    s_[0] = 19650218u;
    for (int i = 1; i < 624; ++i) s_[i] = 1812433253u * (s_[i - 1] ^ (s_[i - 1] >> 30)) + i;
    int i = 1, j = 0;
    for (int k = 624 > length ? 624 : length; k > 0; --k) {
      s_[i] = (s_[i] ^ ((s_[i - 1] ^ (s_[i - 1] >> 30)) * 1664525u)) + key[j] + j;
      if (++i >= 624) s_[0] = s_[623], i = 1;
      if (++j >= length) j = 0;
    }
    for (int k = 623; k > 0; --k) {
      s_[i] = (s_[i] ^ ((s_[i - 1] ^ (s_[i - 1] >> 30)) * 1566083941u)) - i;
      if (++i >= 624) s_[0] = s_[623], i = 1;
    }
    s_[0] = 0x80000000u;
    index_ = 624;
  }

  void InitByMultiplier(std::uint32_t first) {
    s_[0] = first;
    for (int i = 1; i < 624; ++i) s_[i] = 69069u * s_[i - 1];
    index_ = 624;
  }

  std::uint32_t Next() {
    if (index_ == 624) {
      for (int k = 0; k < 624; ++k) {
        const std::uint32_t y = (s_[k] & 0x80000000u) | (s_[(k + 1) % 624] & 0x7FFFFFFFu);
        s_[k] = s_[(k + 397) % 624] ^ (y >> 1) ^ ((y & 1u) ? 0x9908B0DFu : 0u);
      }
      index_ = 0;
    }
    std::uint32_t y = s_[index_++];
    y ^= y >> 11;
    y ^= (y << 7) & 0x9D2C5680u;
    y ^= (y << 15) & 0xEFC60000u;
    return y ^ (y >> 18);
  }

 private:
  std::uint32_t s_[624] = {};
  int index_ = 624;
};

}  // namespace ZqTest
