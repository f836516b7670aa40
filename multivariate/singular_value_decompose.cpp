// Golub-Reinsch singular value decomposition: Householder reduction to
// bidiagonal form, accumulation of both transformations, then implicit-shift
// QR sweeps on the bidiagonal form.
#include <algorithm>
#include <cmath>
#include <cstddef>

#include "multivariate/lane_kernels.h"
#include "multivariate/linear_algebra.h"
#include "numerics/special_values.h"

namespace Zq::Math {

double Hypotenuse(double a, double b) {
  const double absA = std::fabs(a);
  const double absB = std::fabs(b);
  if (absA > absB) {
    const double ratio = absB / absA;
    return absA * std::sqrt(1.0 + ratio * ratio);
  }
  if (absB == 0.0) return 0.0;
  const double ratio = absA / absB;
  return absB * std::sqrt(1.0 + ratio * ratio);
}

namespace {

constexpr int kMaxTests = 30;

// The Householder g: opposite in sign to the pivot element.
double OppositeRoot(double s, double pivot) { return pivot >= 0.0 ? -std::sqrt(s) : std::sqrt(s); }

// A packed row-major matrix: element (i, j) at data[i * columns + j].
struct Packed {
  double* data;
  std::int32_t columns;
  double& operator()(std::int32_t i, std::int32_t j) const {
    return data[static_cast<std::ptrdiff_t>(i) * columns + j];
  }
  double* Row(std::int32_t i) const { return data + static_cast<std::ptrdiff_t>(i) * columns; }
};

// to := the transpose of from (rows x columns); a square one in place when to is from.
void Transpose(const double* from, std::int32_t rows, std::int32_t columns, double* to) {
  if (from == to) {
    TransposeSquare(to, rows);
    return;
  }
  for (std::int32_t i = 0; i < rows; ++i)
    for (std::int32_t j = 0; j < columns; ++j)
      to[static_cast<std::ptrdiff_t>(j) * rows + i] = from[static_cast<std::ptrdiff_t>(i) * columns + j];
}

// The decomposition on packed storage. The Householder steps update the
// columns j of a row side by side (their sums s_j advance together, each
// over k in order); the diagonalisation rotates U's and V's columns held as
// the rows of transposed working copies (uRows: A's own storage when A is
// square, else work space of n x m). Each element sees the operations of
// the column-by-column loops in their order.
bool Decompose(const Packed a, std::int32_t m, std::int32_t n, VectorView w, const Packed v, double* uRows,
               StopRequest& stop) {
  Vector rv1;  // the superdiagonal
  Vector sums;  // one running sum per column
  if (!rv1.AssignSize(n) || !sums.AssignSize(n)) return false;
  double* const sl = sums.Data();
  // The work of one step of each phase, at most, for the stop request.
  const std::uint64_t reductionWork = (static_cast<std::uint64_t>(m) + 1) * (static_cast<std::uint64_t>(n) + 1) * 4;
  const std::uint64_t rotationWork = (static_cast<std::uint64_t>(m) + n) * 4;

  // Householder reduction to bidiagonal form.
  double g = 0.0;
  double scale = 0.0;
  double anorm = 0.0;
  std::int32_t l = 0;
  for (std::int32_t i = 0; i < n; ++i) {
    l = i + 1;
    rv1[i] = scale * g;
    g = 0.0;
    double s = 0.0;
    scale = 0.0;
    if (i < m) {
      for (std::int32_t k = i; k < m; ++k) scale += std::fabs(a(k, i));
      if (scale != 0.0) {
        for (std::int32_t k = i; k < m; ++k) {
          a(k, i) /= scale;
          s += a(k, i) * a(k, i);
        }
        const double f = a(i, i);
        g = OppositeRoot(s, f);
        const double h = f * g - s;
        a(i, i) = f - g;
        std::fill(sl + l, sl + n, 0.0);
        for (std::int32_t k = i; k < m; ++k) AddMultiple(sl + l, a.Row(k) + l, a(k, i), n - l);
        for (std::int32_t j = l; j < n; ++j) sl[j] /= h;
        for (std::int32_t k = i; k < m; ++k) AddMultiple(a.Row(k) + l, sl + l, a(k, i), n - l);
        for (std::int32_t k = i; k < m; ++k) a(k, i) *= scale;
      }
    }
    w[i] = scale * g;
    g = 0.0;
    s = 0.0;
    scale = 0.0;
    if (i < m && i != n - 1) {
      for (std::int32_t k = l; k < n; ++k) scale += std::fabs(a(i, k));
      if (scale != 0.0) {
        for (std::int32_t k = l; k < n; ++k) {
          a(i, k) /= scale;
          s += a(i, k) * a(i, k);
        }
        const double f = a(i, l);
        g = OppositeRoot(s, f);
        const double h = f * g - s;
        a(i, l) = f - g;
        for (std::int32_t k = l; k < n; ++k) rv1[k] = a(i, k) / h;
        std::int32_t j = l;
        // Four rows' sums advance side by side, each over k in order.
        for (; j + 4 <= m; j += 4) {
          const double* r0 = a.Row(j);
          const double* r1 = a.Row(j + 1);
          const double* r2 = a.Row(j + 2);
          const double* r3 = a.Row(j + 3);
          const double* pivotRow = a.Row(i);
          double s0 = 0.0, s1 = 0.0, s2 = 0.0, s3 = 0.0;
          for (std::int32_t k = l; k < n; ++k) {
            s0 += r0[k] * pivotRow[k];
            s1 += r1[k] * pivotRow[k];
            s2 += r2[k] * pivotRow[k];
            s3 += r3[k] * pivotRow[k];
          }
          AddMultiple(a.Row(j) + l, rv1.Data() + l, s0, n - l);
          AddMultiple(a.Row(j + 1) + l, rv1.Data() + l, s1, n - l);
          AddMultiple(a.Row(j + 2) + l, rv1.Data() + l, s2, n - l);
          AddMultiple(a.Row(j + 3) + l, rv1.Data() + l, s3, n - l);
        }
        for (; j < m; ++j) {
          s = 0.0;
          for (std::int32_t k = l; k < n; ++k) s += a(j, k) * a(i, k);
          AddMultiple(a.Row(j) + l, rv1.Data() + l, s, n - l);
        }
        for (std::int32_t k = l; k < n; ++k) a(i, k) *= scale;
      }
    }
    // A non-finite term makes the norm NaN for good: no test can then pass.
    const double term = std::fabs(w[i]) + std::fabs(rv1[i]);
    if (!std::isfinite(anorm) || !std::isfinite(term)) {
      anorm = kNaN;
    } else if (term > anorm) {
      anorm = term;
    }
    if (stop.Poll(reductionWork)) return false;
  }

  // Right-hand transformations into V.
  for (std::int32_t i = n - 1; i >= 0; --i) {
    if (i < n - 1) {
      if (g != 0.0) {
        // Double division avoids a possible underflow.
        for (std::int32_t j = l; j < n; ++j) v(j, i) = (a(i, j) / a(i, l)) / g;
        std::fill(sl + l, sl + n, 0.0);
        for (std::int32_t k = l; k < n; ++k) AddMultiple(sl + l, v.Row(k) + l, a(i, k), n - l);
        for (std::int32_t k = l; k < n; ++k) AddMultiple(v.Row(k) + l, sl + l, v(k, i), n - l);
      }
      for (std::int32_t j = l; j < n; ++j) v(i, j) = v(j, i) = 0.0;
    }
    v(i, i) = 1.0;
    g = rv1[i];
    l = i;
    if (stop.Poll(reductionWork)) return false;
  }

  // Left-hand transformations into A, which becomes U.
  for (std::int32_t i = (m < n ? m : n) - 1; i >= 0; --i) {
    l = i + 1;
    g = w[i];
    for (std::int32_t j = l; j < n; ++j) a(i, j) = 0.0;
    if (g != 0.0) {
      g = 1.0 / g;
      std::fill(sl + l, sl + n, 0.0);
      for (std::int32_t k = l; k < m; ++k) AddMultiple(sl + l, a.Row(k) + l, a(k, i), n - l);
      for (std::int32_t j = l; j < n; ++j) sl[j] = (sl[j] / a(i, i)) * g;
      for (std::int32_t k = i; k < m; ++k) AddMultiple(a.Row(k) + l, sl + l, a(k, i), n - l);
      for (std::int32_t j = i; j < m; ++j) a(j, i) *= g;
    } else {
      for (std::int32_t j = i; j < m; ++j) a(j, i) = 0.0;
    }
    a(i, i) += 1.0;
    if (stop.Poll(reductionWork)) return false;
  }

  // With a NaN norm no convergence test can ever pass: the routine would
  // fail after 30 tests anyway, so fail now (the search for a split would
  // otherwise walk below the first element).
  if (std::isnan(anorm)) return false;

  // Column c of U is row c of ut, column c of V row c of vt.
  Transpose(a.data, m, n, uRows);
  Transpose(v.data, n, n, v.data);
  const Packed ut{uRows, m};
  const Packed vt{v.data, n};

  // Diagonalisation of the bidiagonal form.
  for (std::int32_t k = n - 1; k >= 0; --k) {
    for (int test = 1; test <= kMaxTests; ++test) {
      bool cancel = true;
      std::int32_t nm = 0;
      for (l = k; l >= 0; --l) {
        nm = l - 1;
        // The superdiagonal's first element is zero by construction, so l = 0
        // always splits and w(-1) is never read.
        if (l == 0 || std::fabs(rv1[l]) + anorm == anorm) {
          cancel = false;
          break;
        }
        if (std::fabs(w[nm]) + anorm == anorm) break;
      }
      if (cancel) {
        double c = 0.0;
        double s = 1.0;
        for (std::int32_t i = l; i <= k; ++i) {
          const double f = s * rv1[i];
          rv1[i] = c * rv1[i];
          if (std::fabs(f) + anorm == anorm) break;
          g = w[i];
          double h = Hypotenuse(f, g);
          w[i] = h;
          h = 1.0 / h;
          c = g * h;
          s = -f * h;
          RotateRows(ut.Row(nm), ut.Row(i), c, s, m);
        }
      }
      double z = w[k];
      if (l == k) {
        if (z < 0.0) {
          w[k] = -z;
          for (std::int32_t j = 0; j < n; ++j) vt(k, j) = -vt(k, j);
        }
        break;
      }
      if (test == kMaxTests) return false;
      // Shift from the trailing 2 x 2 minor.
      double x = w[l];
      nm = k - 1;
      double y = w[nm];
      g = rv1[nm];
      double h = rv1[k];
      double f = ((y - z) * (y + z) + (g - h) * (g + h)) / (2.0 * h * y);
      g = Hypotenuse(f, 1.0);
      f = ((x - z) * (x + z) + h * ((y / (f + (f >= 0.0 ? std::fabs(g) : -std::fabs(g)))) - h)) / x;
      // Next QR transformation.
      double c = 1.0;
      double s = 1.0;
      for (std::int32_t j = l; j <= nm; ++j) {
        const std::int32_t i = j + 1;
        g = rv1[i];
        y = w[i];
        h = s * g;
        g = c * g;
        z = Hypotenuse(f, h);
        rv1[j] = z;
        c = f / z;
        s = h / z;
        f = x * c + g * s;
        g = g * c - x * s;
        h = y * s;
        y *= c;
        RotateRows(vt.Row(j), vt.Row(i), c, s, n);
        z = Hypotenuse(f, h);
        w[j] = z;
        if (z != 0.0) {
          z = 1.0 / z;
          c = f * z;
          s = h * z;
        }
        f = c * g + s * y;
        x = c * y - s * g;
        RotateRows(ut.Row(j), ut.Row(i), c, s, m);
      }
      rv1[l] = 0.0;
      rv1[k] = f;
      w[k] = x;
      if (stop.Poll(rotationWork * static_cast<std::uint64_t>(k - l + 1))) return false;
    }
  }
  Transpose(uRows, n, m, a.data);
  Transpose(v.data, n, n, v.data);
  return true;
}

}  // namespace

bool SingularValueDecompose(const MatrixView& a, VectorView w, const MatrixView& v, StopRequest& stop) {
  const std::int32_t m = a.Rows();
  const std::int32_t n = w.Length();
  if (a.Columns() != n || v.Rows() != n || v.Columns() != n) return false;
  if (n == 0) return true;
  // Strided arguments are decomposed in packed copies; a non-square A needs
  // room for its transpose.
  Matrix packedA;
  Matrix packedV;
  Matrix uRows;
  const bool copyA = !a.PackedRowMajor();
  const bool copyV = !v.PackedRowMajor();
  if ((copyA && !AssignFrom(packedA, a)) || (copyV && !packedV.AssignShape(n, n, 0.0)) ||
      (m != n && !uRows.AssignShape(n, m))) {
    return false;
  }
  const Packed work{copyA ? packedA.Data() : a.Data(), n};
  const Packed vWork{copyV ? packedV.Data() : v.Data(), n};
  if (!Decompose(work, m, n, w, vWork, m == n ? work.data : uRows.Data(), stop)) return false;
  if (copyA) CopyInto(packedA, a);
  if (copyV) CopyInto(packedV, v);
  return true;
}

}  // namespace Zq::Math
