#include "finance/lfm_generators.h"

#include <cmath>
#include <cstring>

namespace Zq::Math {

namespace {

// State of MT19937 after its plain initialisation from 19650218, the start
// of every array initialisation: computed once, copied per seeding.
struct ArrayInitBase {
  std::uint32_t words[MersenneTwister32::kStateSize];
  ArrayInitBase() {
    words[0] = 19650218u;
    for (int i = 1; i < MersenneTwister32::kStateSize; ++i) {
      words[i] = 1812433253u * (words[i - 1] ^ (words[i - 1] >> 30)) + static_cast<std::uint32_t>(i);
    }
  }
};

const ArrayInitBase& Base() {
  static const ArrayInitBase base;
  return base;
}

}  // namespace

MersenneTwister32::MersenneTwister32() : index_(kStateSize) {
  const std::uint32_t key = 0;
  InitByArray(&key, 1);
}

void MersenneTwister32::InitByArray(const std::uint32_t* key, int length) {
  constexpr int n = kStateSize;
  std::memcpy(state_, Base().words, sizeof state_);
  int i = 1, j = 0;
  for (int k = n > length ? n : length; k > 0; --k) {
    state_[i] = (state_[i] ^ ((state_[i - 1] ^ (state_[i - 1] >> 30)) * 1664525u)) + key[j] + static_cast<std::uint32_t>(j);
    if (++i >= n) {
      state_[0] = state_[n - 1];
      i = 1;
    }
    if (++j >= length) j = 0;
  }
  for (int k = n - 1; k > 0; --k) {
    state_[i] = (state_[i] ^ ((state_[i - 1] ^ (state_[i - 1] >> 30)) * 1566083941u)) - static_cast<std::uint32_t>(i);
    if (++i >= n) {
      state_[0] = state_[n - 1];
      i = 1;
    }
  }
  state_[0] = 0x80000000u;
  index_ = n;
}

void MersenneTwister32::Regenerate() {
  constexpr int n = kStateSize, m = 397;
  auto twist = [](std::uint32_t upper, std::uint32_t lower, std::uint32_t far) {
    const std::uint32_t y = (upper & 0x80000000u) | (lower & 0x7FFFFFFFu);
    return far ^ (y >> 1) ^ ((y & 1u) ? 0x9908B0DFu : 0u);
  };
  int k = 0;
  for (; k < n - m; ++k) state_[k] = twist(state_[k], state_[k + 1], state_[k + m]);
  for (; k < n - 1; ++k) state_[k] = twist(state_[k], state_[k + 1], state_[k + m - n]);
  state_[n - 1] = twist(state_[n - 1], state_[0], state_[m - 1]);
  index_ = 0;
}

std::uint32_t MersenneTwister32::Next() {
  if (index_ >= kStateSize) Regenerate();
  std::uint32_t y = state_[index_++];
  y ^= y >> 11;
  y ^= (y << 7) & 0x9D2C5680u;
  y ^= (y << 15) & 0xEFC60000u;
  y ^= y >> 18;
  return y;
}

void ShuffledMinimalStandard::Step() {
  const std::int32_t k = state_ / 127773;
  state_ = 16807 * (state_ - k * 127773) - 2836 * k;
  if (state_ < 0) state_ += 2147483647;
}

void ShuffledMinimalStandard::BuildTable() {
  state_ = state_ < -1 ? -state_ : 1;
  // Eight warm-up steps, then the table is filled from the last entry down.
  for (int j = kTableSize + 7; j >= 0; --j) {
    Step();
    if (j < kTableSize) table_[j] = state_;
  }
  last_ = table_[0];
  built_ = true;
}

double ShuffledMinimalStandard::NextUniform() {
  if (state_ <= 0 || !built_) BuildTable();
  Step();
  const int j = last_ / 67108864;  // 1 + (2147483647 - 1) / 32
  last_ = table_[j];
  table_[j] = state_;
  const double u = last_ / 2147483647.0;
  return u < 0.99999988 ? u : 0.99999988;
}

double ShuffledMinimalStandard::NextNormal() {
  if (hasCachedNormal_) {
    hasCachedNormal_ = false;
    return cachedNormal_;
  }
  double a, b, s;
  do {
    a = 2 * NextUniform() - 1;
    b = 2 * NextUniform() - 1;
    s = a * a + b * b;
  } while (s >= 1 || s == 0);
  const double f = std::sqrt(-2 * std::log(s) / s);
  cachedNormal_ = a * f;
  hasCachedNormal_ = true;
  return b * f;
}

}  // namespace Zq::Math
