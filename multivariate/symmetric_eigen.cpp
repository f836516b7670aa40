#include "multivariate/symmetric_eigen.h"

#include <cmath>
#include <utility>

#include "multivariate/linear_algebra.h"

namespace Zq::Math {

namespace {
constexpr int kMaxIterations = 30;
}  // namespace

bool TridiagonalReduce(const MatrixView& a, VectorView d, VectorView e, StopRequest& stop) {
  const std::int32_t n = a.Rows();
  const std::uint64_t stepWork = static_cast<std::uint64_t>(n) * static_cast<std::uint64_t>(n) * 2 + 1;
  for (std::int32_t i = n - 1; i >= 1; --i) {
    const std::int32_t l = i - 1;
    double h = 0.0;
    if (l > 0) {
      double scale = 0.0;
      for (std::int32_t k = 0; k <= l; ++k) scale += std::fabs(a(i, k));
      if (scale == 0.0) {
        e[i] = a(i, l);
      } else {
        for (std::int32_t k = 0; k <= l; ++k) {
          a(i, k) /= scale;
          h += a(i, k) * a(i, k);
        }
        double f = a(i, l);
        double g = f >= 0.0 ? -std::sqrt(h) : std::sqrt(h);
        e[i] = scale * g;
        h -= f * g;
        a(i, l) = f - g;
        // p = A u / h into e, u / h stored in column i above the diagonal.
        f = 0.0;
        for (std::int32_t j = 0; j <= l; ++j) {
          a(j, i) = a(i, j) / h;
          g = 0.0;
          for (std::int32_t k = 0; k <= j; ++k) g += a(j, k) * a(i, k);
          for (std::int32_t k = j + 1; k <= l; ++k) g += a(k, j) * a(i, k);
          e[j] = g / h;
          f += e[j] * a(i, j);
        }
        const double hh = f / (h + h);
        // q = p - K u in e; reduce the lower triangle by u q^T + q u^T.
        for (std::int32_t j = 0; j <= l; ++j) {
          f = a(i, j);
          e[j] = g = e[j] - hh * f;
          for (std::int32_t k = 0; k <= j; ++k) a(j, k) -= (f * e[k] + g * a(i, k));
        }
      }
    } else {
      e[i] = a(i, l);
    }
    d[i] = h;
    if (stop.Poll(stepWork)) return false;
  }
  if (n > 0) {
    d[0] = 0.0;
    e[0] = 0.0;
  }
  // Accumulate the transformations into Q.
  for (std::int32_t i = 0; i < n; ++i) {
    const std::int32_t l = i - 1;
    if (d[i] != 0.0) {
      for (std::int32_t j = 0; j <= l; ++j) {
        double g = 0.0;
        for (std::int32_t k = 0; k <= l; ++k) g += a(i, k) * a(k, j);
        for (std::int32_t k = 0; k <= l; ++k) a(k, j) -= g * a(k, i);
      }
    }
    d[i] = a(i, i);
    a(i, i) = 1.0;
    for (std::int32_t j = 0; j <= l; ++j) a(j, i) = a(i, j) = 0.0;
    if (stop.Poll(stepWork)) return false;
  }
  return true;
}

bool TridiagonalQl(VectorView d, VectorView e, const MatrixView& z, StopRequest& stop) {
  const std::int32_t n = d.Length();
  if (n == 0) return true;
  for (std::int32_t i = 1; i < n; ++i) e[i - 1] = e[i];
  e[n - 1] = 0.0;
  for (std::int32_t l = 0; l < n; ++l) {
    int iterations = 0;
    std::int32_t m = l;
    do {
      for (m = l; m < n - 1; ++m) {
        const double dd = std::fabs(d[m]) + std::fabs(d[m + 1]);
        if (std::fabs(e[m]) + dd == dd) break;
      }
      if (m == l) break;
      if (iterations == kMaxIterations) return false;
      ++iterations;
      double g = (d[l + 1] - d[l]) / (2.0 * e[l]);
      double r = Hypotenuse(g, 1.0);
      g = d[m] - d[l] + e[l] / (g + (g >= 0.0 ? r : -r));
      double s = 1.0;
      double c = 1.0;
      double p = 0.0;
      bool stoppedEarly = false;
      for (std::int32_t i = m - 1; i >= l; --i) {
        double f = s * e[i];
        const double b = c * e[i];
        r = Hypotenuse(f, g);
        e[i + 1] = r;
        if (r == 0.0) {
          // Underflow: deflate and repeat the iteration.
          d[i + 1] -= p;
          e[m] = 0.0;
          stoppedEarly = true;
          break;
        }
        s = f / r;
        c = g / r;
        g = d[i + 1] - p;
        r = (d[i] - g) * s + 2.0 * c * b;
        p = s * r;
        d[i + 1] = g + p;
        g = c * r - b;
        for (std::int32_t k = 0; k < n; ++k) {
          f = z(k, i + 1);
          z(k, i + 1) = s * z(k, i) + c * f;
          z(k, i) = c * z(k, i) - s * f;
        }
      }
      if (stop.Poll(static_cast<std::uint64_t>(m - l + 1) * static_cast<std::uint64_t>(n) * 6)) return false;
      if (stoppedEarly) continue;
      d[l] -= p;
      e[l] = g;
      e[m] = 0.0;
    } while (true);
  }
  return true;
}

bool SymmetricEigen(VectorView d, const MatrixView& z, ConstMatrixView a, StopRequest& stop) {
  const std::int32_t n = a.Rows();
  if (n == 0 || a.Columns() != n || d.Length() != n || z.Rows() != n || z.Columns() != n) return false;
  Vector e;
  if (!e.AssignSize(n)) return false;
  CopyInto(a, z);
  if (!TridiagonalReduce(z, d, e, stop) || !TridiagonalQl(d, e, z, stop)) return false;
  // Reverse the eigenvalues and, to keep the pairs, every row of z.
  for (std::int32_t lo = 0, hi = n - 1; lo < hi; ++lo, --hi) {
    std::swap(d[lo], d[hi]);
    for (std::int32_t k = 0; k < n; ++k) std::swap(z(k, lo), z(k, hi));
  }
  return true;
}

}  // namespace Zq::Math
