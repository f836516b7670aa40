#include "multivariate/iman_conover.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <new>
#include <span>
#include <vector>

#include "distributions/normal.h"
#include "multivariate/cholesky.h"
#include "multivariate/statistics.h"
#include "random/random_permutation.h"

namespace Zq::Math {
namespace {

// l := the lower Cholesky factor of the symmetric a, upper triangle zero.
bool CholeskyFactor(ConstMatrixView a, Matrix& l, StopRequest& stop) {
  return l.AssignShape(a.Rows(), a.Rows(), 0.0) &&
         LowerCholesky(a.Rows(), [&](std::int32_t i, std::int32_t j) { return a(i, j); }, l, stop);
}

// m := p e^-1 for lower-triangular p and e: row by row, m_i e = p_i solved
// from the last column back.
bool LowerTimesLowerInverse(ConstMatrixView p, ConstMatrixView e, Matrix& m, StopRequest& stop) {
  const std::int32_t d = p.Rows();
  if (!m.AssignShape(d, d, 0.0)) return false;
  for (std::int32_t i = 0; i < d; ++i) {
    if (stop.Poll(static_cast<std::uint64_t>(i + 1) * (i + 1))) return false;
    for (std::int32_t j = i; j >= 0; --j) {
      double sum = p(i, j);
      for (std::int32_t k = j + 1; k <= i; ++k) sum -= m(i, k) * e(k, j);
      m(i, j) = sum / e(j, j);
    }
  }
  return true;
}

// A value and its row, ordered by value, then by row: sorting these puts
// equal values in row order without a stable sort's extra pass.
struct Entry {
  double value;
  std::int32_t row;
  bool operator<(const Entry& other) const { return value < other.value || (value == other.value && row < other.row); }
};

// The column's entries in ascending order.
void SortColumn(ConstVectorView column, std::vector<Entry>& entries) {
  for (std::int32_t i = 0; i < column.Length(); ++i) entries[i] = {column[i], i};
  std::sort(entries.begin(), entries.end());
}

}  // namespace

bool IsRankCorrelationTarget(ConstMatrixView target) {
  const std::int32_t d = target.Rows();
  if (d < 1 || target.Columns() != d) return false;
  for (std::int32_t i = 0; i < d; ++i) {
    if (target(i, i) != 1) return false;
    for (std::int32_t j = 0; j < i; ++j) {
      if (!(target(i, j) >= -1 && target(i, j) <= 1) || target(i, j) != target(j, i)) return false;
    }
  }
  Matrix factor;
  return CholeskyFactor(target, factor, StopRequest::Never());
}

bool ImanConover(ConstMatrixView samples, ConstMatrixView target, RandomUniform& engine, const MatrixView& result,
                 StopRequest& stop) {
  const std::int32_t n = samples.Rows();
  const std::int32_t d = samples.Columns();
  if (n < 2 || target.Rows() != d || result.Rows() != n || result.Columns() != d || !AllFinite(samples)) return false;
  Matrix p;
  if (!IsRankCorrelationTarget(target) || !CholeskyFactor(target, p, stop)) return false;

  Matrix scores(n, d, Init::Uninitialised);
  std::vector<double> column;
  std::vector<double> shuffled;
  std::vector<Entry> values;
  std::vector<Entry> ranks;
  try {
    column.resize(static_cast<std::size_t>(n));
    shuffled.resize(static_cast<std::size_t>(n));
    values.resize(static_cast<std::size_t>(n));
    ranks.resize(static_cast<std::size_t>(n));
  } catch (const std::bad_alloc&) {
    return false;
  }
  if (scores.Empty()) return false;
  for (std::int32_t i = 0; i < n; ++i) column[i] = NormCdfInv(static_cast<double>(i + 1) / (static_cast<double>(n) + 1));
  for (std::int32_t j = 0; j < d; ++j) {
    std::copy(column.begin(), column.end(), shuffled.begin());
    Shuffle(std::span(shuffled), engine);
    for (std::int32_t i = 0; i < n; ++i) scores(i, j) = shuffled[i];
    if (stop.Poll(static_cast<std::uint64_t>(n))) return false;
  }

  // The scores' correlation, its factor, and the correction P E^-1.
  Matrix c(d, d, Init::Uninitialised);
  Matrix e;
  Matrix m;
  if (c.Empty()) return false;
  for (std::int32_t j = 0; j < d; ++j) {
    c(j, j) = 1;
    for (std::int32_t k = 0; k < j; ++k) c(j, k) = c(k, j) = PairCorrelation(scores.Column(j), scores.Column(k));
    if (stop.Poll(static_cast<std::uint64_t>(n) * (j + 1))) return false;
  }
  if (!CholeskyFactor(c, e, stop) || !LowerTimesLowerInverse(p, e, m, stop)) return false;

  // Each row of scores times m^T, in place: t_j needs s_k for k <= j only.
  for (std::int32_t i = 0; i < n; ++i) {
    for (std::int32_t j = d - 1; j >= 0; --j) {
      double sum = 0;
      for (std::int32_t k = 0; k <= j; ++k) sum += m(j, k) * scores(i, k);
      scores(i, j) = sum;
    }
    if (stop.Poll(static_cast<std::uint64_t>(d) * (d + 1) / 2)) return false;
  }

  // Column j's values in ascending order go to its rows in the rank order
  // of the corrected scores.
  for (std::int32_t j = 0; j < d; ++j) {
    SortColumn(samples.Column(j), values);
    SortColumn(scores.Column(j), ranks);
    for (std::int32_t r = 0; r < n; ++r) result(ranks[r].row, j) = values[r].value;
    if (stop.Poll(static_cast<std::uint64_t>(n) * 20)) return false;
  }
  return true;
}

}  // namespace Zq::Math
