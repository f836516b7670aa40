#include "multivariate/semidefinite.h"

#include <cstdint>

#include "multivariate/cholesky.h"

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
  const auto shifted = [&](std::int32_t i, std::int32_t j) {
    double sum = 0.5 * k(i, j) + 0.5 * k(j, i);
    if (i == j) sum += margin;
    return sum;
  };
  return LowerCholesky(n, shifted, factor, stop);
}

}  // namespace Zq::Math
