#include "finance/lfm_generators.h"

#include "random/polar_method.h"

namespace Zq::Math {

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
  hasCachedNormal_ = true;
  return PolarPair([this] { return NextUniform(); }, 0.0, cachedNormal_);
}

}  // namespace Zq::Math
