// The cell values of the benchmark tables that bench/peers/numpy_peers.py
// rebuilds for numpy and SciPy.
#pragma once

#include <cstdint>

namespace Zq::Bench {

// SplitMix64 of a cell's index: a uniform in [0, 1) with 53 bits, the same
// in numpy's wrapping 64-bit arithmetic.
inline double CellUniform(std::uint64_t index) {
  std::uint64_t z = (index + 1) * 0x9E3779B97F4A7C15u;
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
  z ^= z >> 31;
  return static_cast<double>(z >> 11) * 0x1p-53;
}

}  // namespace Zq::Bench
