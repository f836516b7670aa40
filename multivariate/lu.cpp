// LU factorisation, substitution and inversion.
#include <cmath>

#include "multivariate/linear_algebra.h"

namespace Zq::Math {

namespace {
// Replaces an exactly zero pivot: the smallest normal float, 2^-126.
constexpr double kTinyPivot = 1.1754943508222875e-38;
}  // namespace

bool LuDecompose(const MatrixView& a, IndexVector& pivot, double& sign, StopRequest& stop) {
  const std::int32_t n = a.Rows();
  if (a.Columns() != n || pivot.Length() < n) return false;
  Vector scale;
  if (!scale.AssignSize(n)) return false;
  for (std::int32_t i = 0; i < n; ++i) {
    double big = 0.0;
    for (std::int32_t j = 0; j < n; ++j) {
      const double magnitude = std::fabs(a(i, j));
      if (magnitude > big) big = magnitude;
    }
    if (big == 0.0) return false;
    scale[i] = 1.0 / big;
  }
  sign = 1.0;
  for (std::int32_t j = 0; j < n; ++j) {
    for (std::int32_t i = 0; i < j; ++i) {
      double sum = a(i, j);
      for (std::int32_t k = 0; k < i; ++k) sum -= a(i, k) * a(k, j);
      a(i, j) = sum;
    }
    double big = 0.0;
    std::int32_t imax = j;
    for (std::int32_t i = j; i < n; ++i) {
      double sum = a(i, j);
      for (std::int32_t k = 0; k < j; ++k) sum -= a(i, k) * a(k, j);
      a(i, j) = sum;
      // Ties go to the later row; a NaN candidate never wins.
      const double candidate = scale[i] * std::fabs(sum);
      if (candidate >= big) {
        big = candidate;
        imax = i;
      }
    }
    if (imax != j) {
      for (std::int32_t k = 0; k < n; ++k) std::swap(a(imax, k), a(j, k));
      sign = -sign;
      scale[imax] = scale[j];
    }
    pivot[j] = imax;
    if (a(j, j) == 0.0) a(j, j) = kTinyPivot;
    if (j != n - 1) {
      const double inverse = 1.0 / a(j, j);
      for (std::int32_t i = j + 1; i < n; ++i) a(i, j) *= inverse;
    }
    if (stop.Poll(static_cast<std::uint64_t>(n) * (j + 1) * 2)) return false;
  }
  return true;
}

void LuSolve(ConstMatrixView lu, const IndexVector& pivot, VectorView b) {
  const std::int32_t n = lu.Rows();
  std::int32_t first = -1;
  for (std::int32_t i = 0; i < n; ++i) {
    const std::int32_t ip = pivot[i];
    double sum = b[ip];
    b[ip] = b[i];
    if (first >= 0) {
      for (std::int32_t j = first; j < i; ++j) sum -= lu(i, j) * b[j];
    } else if (sum != 0.0) {
      first = i;  // leading zeros of the permuted right-hand side are skipped
    }
    b[i] = sum;
  }
  for (std::int32_t i = n - 1; i >= 0; --i) {
    double sum = b[i];
    for (std::int32_t j = i + 1; j < n; ++j) sum -= lu(i, j) * b[j];
    b[i] = sum / lu(i, i);
  }
}

bool Invert(ConstMatrixView a, const MatrixView& result, StopRequest& stop) {
  const std::int32_t n = a.Rows();
  if (result.Rows() != n || result.Columns() != n) return false;
  Matrix work;
  if (!AssignFrom(work, a)) return false;
  IndexVector pivot;
  if (!pivot.AssignSize(n)) return false;
  double sign = 1.0;
  if (!LuDecompose(work, pivot, sign, stop)) return false;
  Fill(result, 0.0);
  FillView(result.Diagonal(), 1.0);
  for (std::int32_t j = 0; j < n; ++j) {
    LuSolve(work, pivot, result.Column(j));
    if (stop.Poll(static_cast<std::uint64_t>(n) * n * 2)) return false;
  }
  return true;
}

}  // namespace Zq::Math
