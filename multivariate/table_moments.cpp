#include "multivariate/table_moments.h"

#include <algorithm>
#include <cstddef>

#include "multivariate/cross_sums.h"
#include "multivariate/statistics.h"

namespace Zq::Math {
namespace {

// Every column's exact mean, as the scan of one column takes it: the first
// value where all values equal it (then leading[j] = n), else the first
// value times its leading copies plus each later value in row order, over
// n. Walks the table along its rows; `sums` is scratch of c values. False
// when the request stops it.
bool ExactMeans(ConstMatrixView table, VectorView means, IndexVector& leading, Vector& sums, StopRequest& stop) {
  const std::int32_t n = table.Rows();
  const std::int32_t c = table.Columns();
  const ConstVectorView firstRow = table.Row(0);
  for (std::int32_t j = 0; j < c; ++j) {
    means[j] = firstRow[j];
    leading[j] = n;
  }
  std::int32_t open = c;
  for (std::int32_t r = 1; r < n && open > 0; ++r) {
    const ConstVectorView row = table.Row(r);
    for (std::int32_t j = 0; j < c; ++j) {
      if (leading[j] == n && row[j] != means[j]) {
        leading[j] = r;
        --open;
      }
    }
    if (stop.Poll(static_cast<std::uint64_t>(c))) return false;
  }
  // Rows before `settled` still hold leading copies of some column.
  std::int32_t settled = 1;
  for (std::int32_t j = 0; j < c; ++j) {
    sums[j] = leading[j] < n ? means[j] * leading[j] : 0.0;
    if (leading[j] < n) settled = std::max(settled, leading[j]);
  }
  for (std::int32_t r = 1; r < settled; ++r) {
    const ConstVectorView row = table.Row(r);
    for (std::int32_t j = 0; j < c; ++j)
      if (r >= leading[j]) sums[j] += row[j];
  }
  // From here on every varying column adds every value; what a constant
  // column's sum gathers is never read.
  for (std::int32_t r = settled; r < n; ++r) {
    const ConstVectorView row = table.Row(r);
    for (std::int32_t j = 0; j < c; ++j) sums[j] += row[j];
    if (stop.Poll(static_cast<std::uint64_t>(c))) return false;
  }
  for (std::int32_t j = 0; j < c; ++j)
    if (leading[j] < n) means[j] = sums[j] / n;
  return true;
}

}  // namespace

std::uint64_t TableMomentsBytes(std::int32_t columns) {
  const auto c = static_cast<std::uint64_t>(columns);
  return DeviationCrossSumsBytes(columns) + (c * c + 5 * c) * sizeof(double);
}

bool ComputeTableMoments(ConstMatrixView table, PairStatistic statistic, TableMoments& result, StopRequest& stop) {
  const std::int32_t n = table.Rows();
  const std::int32_t c = table.Columns();
  if (n < 1 || c < 1 || !AllocatableCount<double>(static_cast<std::int64_t>(c) * c)) return false;
  Vector plainMeans(c, Init::Zero);
  Vector scratch(c, Init::Zero);
  IndexVector leading(c, Init::Zero);
  if (plainMeans.Length() != c || scratch.Length() != c || leading.Length() != c || !result.means.AssignSize(c) || !result.stdevs.AssignSize(c) || !result.pairs.Resize(c, c)) {
    return false;
  }
  if (!ExactMeans(table, plainMeans, leading, scratch, stop)) return false;
  // The cross sums fill the upper triangle, and each is replaced by its
  // statistic in turn: a diagonal one (a column's squares) only after the
  // column's last use. A column or pair whose plain sums do not serve is
  // computed again on its own, as the functions for one column or pair do.
  const MatrixView& sums = result.pairs;
  if (!DeviationCrossSums(table, plainMeans.Data(), sums, stop)) return false;
  const std::uint64_t fallbackWork = static_cast<std::uint64_t>(n) * 8;
  const auto column = [&](std::int32_t j) { return ColumnSums{plainMeans[j], sums(j, j), leading[j] == n}; };
  for (std::int32_t j = 0; j < c; ++j) {
    const ColumnSums x = column(j);
    const auto mean = MeanFromSums(x);
    const auto stdev = StdevFromSums(n, x);
    result.means[j] = mean ? *mean : ColumnMean(table.Column(j));
    result.stdevs[j] = stdev ? *stdev : PopulationStdev(table.Column(j));
    if ((!mean || !stdev) && stop.Poll(fallbackWork)) return false;
  }
  for (std::int32_t i = 0; i < c; ++i) {
    const ColumnSums x = column(i);
    for (std::int32_t j = i; j < c; ++j) {
      const ColumnSums y = column(j);
      double value = 1.0;
      if (statistic == PairStatistic::Covariance) {
        const auto plain = CovarianceFromSums(n, x, y, sums(i, j));
        value = plain ? *plain : PairCovariance(table.Column(i), table.Column(j));
        if (!plain && stop.Poll(fallbackWork)) return false;
      } else if (j != i) {
        const auto plain = CorrelationFromSums(n, x, y, sums(i, j));
        value = plain ? *plain : PairCorrelation(table.Column(i), table.Column(j));
        if (!plain && stop.Poll(fallbackWork)) return false;
      }
      result.pairs(i, j) = result.pairs(j, i) = value;
    }
  }
  return true;
}

}  // namespace Zq::Math
