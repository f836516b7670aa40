// Latin hypercube samples of the unit cube: in every column each of the n
// strata [k/n, (k+1)/n) holds exactly one point, and the columns' strata are
// paired at random (McKay, Beckman and Conover, 1979). Applying a quantile
// function to a column gives a stratified sample of that distribution.
#pragma once

#include <cstdint>
#include <new>
#include <numeric>
#include <span>
#include <vector>

#include "random/random_permutation.h"
#include "random/random_uniform.h"

namespace Zq::Math {

// The point of stratum k of n at u in (0, 1) inside it: (k + u) / n, held
// below the stratum's upper end (k + 1) / n where the rounding of the sum
// reaches it (from n of about 9,000, u near 1).
double StratumPoint(std::int32_t k, std::int32_t n, double u);

// Fills column by column: the column's strata in an order shuffled by the
// engine (n - 1 uniforms), then one uniform per row placing its point
// inside its stratum. put(row, column, x) receives each value. False when
// the work memory (n indices) cannot be had.
template <class Put>
bool LatinHypercube(std::int32_t n, std::int32_t dimensions, RandomUniform& engine, Put&& put) {
  std::vector<std::int32_t> strata;
  try {
    strata.resize(static_cast<std::size_t>(n));
  } catch (const std::bad_alloc&) {
    return false;
  }
  for (std::int32_t column = 0; column < dimensions; ++column) {
    std::iota(strata.begin(), strata.end(), 0);
    Shuffle(std::span(strata), engine);
    for (std::int32_t row = 0; row < n; ++row) put(row, column, StratumPoint(strata[row], n, engine.NextUniform()));
  }
  return true;
}

}  // namespace Zq::Math
