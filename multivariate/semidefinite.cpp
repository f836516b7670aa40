#include "multivariate/semidefinite.h"

#include <cmath>
#include <cstdint>

namespace Zq::Math {

namespace {
// Well above the rounding of a Cholesky factorisation of order n (about
// n^1.5 times the double's precision) for every order a worksheet can pass.
constexpr double kMarginPerOrder = 0x1.0p-40;
}  // namespace

bool IsCorrelationSemidefinite(ConstMatrixView k, StopRequest& stop) {
  const std::int32_t n = k.Rows();
  const double margin = n * kMarginPerOrder;
  Matrix factor(n, n, Init::Uninitialised);
  if (factor.Empty()) return false;
  // The lower triangle of the factor, column by column.
  for (std::int32_t j = 0; j < n; ++j) {
    if (stop.Poll(static_cast<std::uint64_t>(n - j) * (j + 1))) return false;
    for (std::int32_t i = j; i < n; ++i) {
      double sum = 0.5 * k(i, j) + 0.5 * k(j, i);
      if (i == j) sum += margin;
      for (std::int32_t m = 0; m < j; ++m) sum -= factor(i, m) * factor(j, m);
      if (i == j) {
        if (!(sum > 0)) return false;
        factor(j, j) = std::sqrt(sum);
      } else {
        factor(i, j) = sum / factor(j, j);
      }
    }
  }
  return true;
}

}  // namespace Zq::Math
