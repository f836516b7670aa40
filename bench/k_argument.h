// K arguments for the benchmarks that call worksheet functions through
// their entry points: the 16-bit counts, padding, then the doubles row by
// row, in one owned block.
#pragma once

#include <cstring>
#include <vector>

#include "addin/xlcall.h"

namespace Zq::Bench {

inline std::vector<double> KArgument(int rows, int columns, const std::vector<double>& values) {
  std::vector<double> storage(1 + values.size());
  const WORD counts[2] = {static_cast<WORD>(rows), static_cast<WORD>(columns)};
  std::memcpy(storage.data(), counts, sizeof counts);
  std::memcpy(storage.data() + 1, values.data(), values.size() * sizeof(double));
  return storage;
}

inline const FP* AsFp(const std::vector<double>& storage) { return reinterpret_cast<const FP*>(storage.data()); }

}  // namespace Zq::Bench
