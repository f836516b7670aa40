// The work runs on one packed, padded square copy whose hot loops all walk
// rows: the reduction keeps both triangles of the shrinking matrix (each
// upper element updated with exactly the operations of its lower mirror), so
// A u is a sum of rows; Q is accumulated by rows; the QL rotations then run
// on Q's transpose, where each rotation pairs two contiguous rows. Every
// element still sees the same operations in the same order as when the
// matrices are walked by columns, so the layout changes no bit.
#include "multivariate/symmetric_eigen.h"

#include <cmath>
#include <cstddef>
#include <memory>
#include <new>
#include <utility>

#include "multivariate/eigen_lanes.h"
#include "multivariate/linear_algebra.h"

namespace Zq::Math {

namespace {

constexpr int kMaxIterations = 30;
constexpr std::int32_t kBlock = 16;

// A square n x n working matrix whose rows are `stride` apart: the stride is
// padded off multiples of 64 elements so that walks down a column do not
// keep landing in the same cache sets.
class Work {
 public:
  explicit Work(std::int32_t n) : n_(n), stride_(PaddedStride(n)) {
    const std::int64_t count = static_cast<std::int64_t>(n) * stride_;
    if (AllocatableCount<double>(count)) storage_.reset(new (std::nothrow) double[static_cast<std::size_t>(count)]);
  }
  bool Valid() const { return storage_ != nullptr; }
  std::int32_t Order() const { return n_; }
  double* Row(std::int32_t i) const { return storage_.get() + static_cast<std::ptrdiff_t>(i) * stride_; }
  std::ptrdiff_t Stride() const { return static_cast<std::ptrdiff_t>(stride_); }
  double& operator()(std::int32_t i, std::int32_t j) const { return Row(i)[j]; }

 private:
  static std::int64_t PaddedStride(std::int32_t n) {
    const std::int64_t rounded = (static_cast<std::int64_t>(n) + 3) / 4 * 4;
    return rounded % 64 == 0 ? rounded + 4 : rounded;
  }

  std::int32_t n_;
  std::int64_t stride_;
  std::unique_ptr<double[]> storage_;
};

// w(i, j) and w(j, i) := a(i, j) for j <= i, block by block.
void LoadSymmetric(const Work& w, ConstMatrixView a) {
  const std::int32_t n = w.Order();
  for (std::int32_t i0 = 0; i0 < n; i0 += kBlock)
    for (std::int32_t j0 = 0; j0 <= i0; j0 += kBlock)
      for (std::int32_t i = i0; i < n && i < i0 + kBlock; ++i)
        for (std::int32_t j = j0; j <= i && j < j0 + kBlock; ++j) w(i, j) = w(j, i) = a(i, j);
}

void TransposeInPlace(const Work& w) {
  const std::int32_t n = w.Order();
  for (std::int32_t i0 = 0; i0 < n; i0 += kBlock)
    for (std::int32_t j0 = 0; j0 <= i0; j0 += kBlock)
      for (std::int32_t i = i0; i < n && i < i0 + kBlock; ++i)
        for (std::int32_t j = j0; j < i && j < j0 + kBlock; ++j) std::swap(w(i, j), w(j, i));
}

// z(k, j) := w(n - 1 - j, k): back from rows to columns, in reverse order.
void StoreReversedTranspose(const Work& w, const MatrixView& z) {
  const std::int32_t n = w.Order();
  for (std::int32_t k0 = 0; k0 < n; k0 += kBlock)
    for (std::int32_t j0 = 0; j0 < n; j0 += kBlock)
      for (std::int32_t k = k0; k < n && k < k0 + kBlock; ++k)
        for (std::int32_t j = j0; j < n && j < j0 + kBlock; ++j) z(k, j) = w(n - 1 - j, k);
}

// Householder reduction of the symmetric w (both triangles) to tridiagonal
// form: d(i) receives the step's h, e the sub-diagonal. Row i keeps the
// reflection's vector u for the accumulation; the rows and columns past the
// active block are left as they fall.
bool Reduce(const Work& w, double* d, double* e, double* sums, const EigenLanes& lanes, StopRequest& stop) {
  const std::int32_t n = w.Order();
  const std::uint64_t stepWork = static_cast<std::uint64_t>(n) * static_cast<std::uint64_t>(n) * 2 + 1;
  for (std::int32_t i = n - 1; i >= 1; --i) {
    const std::int32_t l = i - 1;
    double* const u = w.Row(i);
    double h = 0.0;
    if (l > 0) {
      double scale = 0.0;
      for (std::int32_t k = 0; k <= l; ++k) scale += std::fabs(u[k]);
      if (scale == 0.0) {
        e[i] = u[l];
      } else {
        for (std::int32_t k = 0; k <= l; ++k) {
          u[k] /= scale;
          h += u[k] * u[k];
        }
        double f = u[l];
        double g = f >= 0.0 ? -std::sqrt(h) : std::sqrt(h);
        e[i] = scale * g;
        h -= f * g;
        u[l] = f - g;
        // p = A u / h into e: sums[j] runs over k in order, as each row sum did.
        lanes.sumRowsTimes(sums, w.Row(0), w.Stride(), u, l + 1, l + 1);
        f = 0.0;
        for (std::int32_t j = 0; j <= l; ++j) {
          e[j] = sums[j] / h;
          f += e[j] * u[j];
        }
        const double hh = f / (h + h);
        // q = p - K u in e; reduce both triangles by u q^T + q u^T.
        for (std::int32_t j = 0; j <= l; ++j) e[j] = e[j] - hh * u[j];
        for (std::int32_t r = 0; r <= l; ++r) {
          double* const row = w.Row(r);
          lanes.subtractRankTwoLeading(row, u[r], e, e[r], u, r + 1);
          lanes.subtractRankTwoTrailing(row + r + 1, u + r + 1, e[r], e + r + 1, u[r], l - r);
        }
      }
    } else {
      e[i] = u[l];
    }
    d[i] = h;
    if (stop.Poll(stepWork)) return false;
  }
  if (n > 0) {
    d[0] = 0.0;
    e[0] = 0.0;
  }
  return true;
}

// Accumulates the reflections into Q, row-major in w; d(i) becomes the
// diagonal. Each step's v = u / h is re-derived from u and h.
bool Accumulate(const Work& w, double* d, double* sums, double* v, const EigenLanes& lanes, StopRequest& stop) {
  const std::int32_t n = w.Order();
  const std::uint64_t stepWork = static_cast<std::uint64_t>(n) * static_cast<std::uint64_t>(n) * 2 + 1;
  for (std::int32_t i = 0; i < n; ++i) {
    const std::int32_t l = i - 1;
    double* const u = w.Row(i);
    if (d[i] != 0.0) {
      for (std::int32_t k = 0; k <= l; ++k) v[k] = u[k] / d[i];
      lanes.sumTimesRows(sums, w.Row(0), w.Stride(), u, i, i);
      for (std::int32_t k = 0; k <= l; ++k) lanes.subtractTimes(w.Row(k), sums, v[k], i);
    }
    d[i] = u[i];
    u[i] = 1.0;
    for (std::int32_t j = 0; j <= l; ++j) w(j, i) = u[j] = 0.0;
    if (stop.Poll(stepWork)) return false;
  }
  return true;
}

// The QL rotations not yet applied to q, sweep by sweep in their order:
// they depend on d and e alone, so many sweeps can wait and then be applied
// in one pass over q.
class SweepRecorder {
 public:
  explicit SweepRecorder(const Work& q)
      : inCache_(static_cast<double>(q.Order()) * static_cast<double>(q.Stride()) * sizeof(double) <= kCachedBytes),
        capacity_(inCache_ || q.Order() > kRotations ? q.Order() : kRotations) {
    const auto size = static_cast<std::size_t>(capacity_);
    c_.reset(new (std::nothrow) double[size]);
    s_.reset(new (std::nothrow) double[size]);
    sweeps_.reset(new (std::nothrow) RecordedSweep[size]);
  }
  bool Valid() const { return c_ != nullptr && s_ != nullptr && sweeps_ != nullptr; }

  // Room for a sweep of up to `rotations`, applying the waiting ones first when full.
  void MakeRoom(std::int32_t rotations, const Work& q, const EigenLanes& lanes) {
    if (used_ + rotations > capacity_) Apply(q, lanes);
  }
  // The next sweep's rotation of row i, counted from its first row `high`.
  void Set(std::int32_t high, std::int32_t i, double c, double s) {
    c_[used_ + high - i] = c;
    s_[used_ + high - i] = s;
  }
  // Closes the sweep whose rotations high down to low were set.
  void Add(std::int32_t high, std::int32_t low) {
    if (low > high) return;
    sweeps_[sweepCount_++] = {high, low, used_};
    used_ += high - low + 1;
  }
  // Row pair by row pair while q stays in cache; past that, band by band
  // through all the waiting sweeps, one pass over memory for them all.
  void Apply(const Work& q, const EigenLanes& lanes) {
    const std::int32_t n = q.Order();
    if (!inCache_) {
      lanes.sweeps(q.Row(0), q.Stride(), sweeps_.get(), sweepCount_, c_.get(), s_.get(), n);
    } else {
      for (std::int32_t sweep = 0; sweep < sweepCount_; ++sweep) {
        const RecordedSweep& r = sweeps_[sweep];
        for (std::int32_t i = r.high, t = r.first; i >= r.low; --i, ++t)
          lanes.rotate(q.Row(i), q.Row(i + 1), c_[t], s_[t], n);
      }
    }
    sweepCount_ = used_ = 0;
  }

 private:
  static constexpr double kCachedBytes = 2 << 20;
  // About 256 KB of rotations wait at most (or one sweep of a larger order).
  static constexpr std::int32_t kRotations = 1 << 14;

  bool inCache_;
  std::int32_t capacity_;
  std::int32_t used_ = 0;
  std::int32_t sweepCount_ = 0;
  std::unique_ptr<double[]> c_;
  std::unique_ptr<double[]> s_;
  std::unique_ptr<RecordedSweep[]> sweeps_;
};

// QL with implicit shifts on the tridiagonal (d, e); each rotation turns two
// rows of q, Q's transpose, into the eigenvectors.
bool Ql(double* d, double* e, const Work& q, const EigenLanes& lanes, StopRequest& stop) {
  const std::int32_t n = q.Order();
  SweepRecorder recorder(q);
  if (!recorder.Valid()) return false;
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
      recorder.MakeRoom(m - l, q, lanes);
      std::int32_t i = m - 1;
      for (; i >= l; --i) {
        const double f = s * e[i];
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
        recorder.Set(m - 1, i, c, s);
      }
      // Rotations m - 1 down to i + 1 were made (i is where an underflow stopped the sweep).
      recorder.Add(m - 1, i + 1);
      if (stop.Poll(static_cast<std::uint64_t>(m - l + 1) * static_cast<std::uint64_t>(n) * 6)) return false;
      if (stoppedEarly) continue;
      d[l] -= p;
      e[l] = g;
      e[m] = 0.0;
    } while (true);
  }
  recorder.Apply(q, lanes);
  return true;
}

}  // namespace

bool SymmetricEigen(VectorView d, const MatrixView& z, ConstMatrixView a, StopRequest& stop) {
  const std::int32_t n = a.Rows();
  if (n == 0 || a.Columns() != n || d.Length() != n || z.Rows() != n || z.Columns() != n) return false;
  // The diagonal, the sub-diagonal and two rows of scratch.
  Vector scratch;
  if (!AllocatableCount<double>(4LL * n) || !scratch.AssignSize(4 * n)) return false;
  double* const values = scratch.Data();
  double* const e = values + n;
  double* const sums = e + n;
  double* const v = sums + n;
  Work w(n);
  if (!w.Valid()) return false;
  const EigenLanes& lanes = ChosenEigenLanes();
  LoadSymmetric(w, a);
  if (!Reduce(w, values, e, sums, lanes, stop) || !Accumulate(w, values, sums, v, lanes, stop)) return false;
  TransposeInPlace(w);
  if (!Ql(values, e, w, lanes, stop)) return false;
  // Reverse the eigenvalues and, to keep the pairs, the eigenvectors.
  for (std::int32_t j = 0; j < n; ++j) d[j] = values[n - 1 - j];
  StoreReversedTranspose(w, z);
  return true;
}

}  // namespace Zq::Math
