// The lower Cholesky factor of a symmetric matrix, column by column.
#pragma once

#include <cmath>
#include <cstdint>

#include "multivariate/matrix.h"
#include "numerics/stop_request.h"

namespace Zq::Math {

// l (n x n, already shaped) := the lower factor of the symmetric matrix
// whose element (i, j), i >= j, is element(i, j); its upper triangle is
// left as it was. False unless every pivot is positive (the matrix is
// positive definite up to rounding), or when stop says to stop.
template <class Element>
bool LowerCholesky(std::int32_t n, Element&& element, const MatrixView& l, StopRequest& stop) {
  for (std::int32_t j = 0; j < n; ++j) {
    if (stop.Poll(static_cast<std::uint64_t>(n - j) * (j + 1))) return false;
    for (std::int32_t i = j; i < n; ++i) {
      double sum = element(i, j);
      for (std::int32_t m = 0; m < j; ++m) sum -= l(i, m) * l(j, m);
      if (i == j) {
        if (!(sum > 0)) return false;
        l(j, j) = std::sqrt(sum);
      } else {
        l(i, j) = sum / l(j, j);
      }
    }
  }
  return true;
}

}  // namespace Zq::Math
