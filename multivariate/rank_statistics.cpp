#include "multivariate/rank_statistics.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <utility>

#include "numerics/special_values.h"

namespace Zq::Math {

namespace {

// Rank values per block of rows in the Spearman sums: 256 KiB.
constexpr std::int32_t kRowBlockValues = 32768;

// A value, as a key in the order of the doubles, and the row it came from.
struct RankedValue {
  std::uint64_t key;
  std::int32_t row;
};

// Work units of sorting n values: about n log2 n comparisons.
std::uint64_t SortWork(std::int32_t n) {
  return static_cast<std::uint64_t>(n) * std::bit_width(static_cast<std::uint32_t>(n));
}

// An unsigned integer in the order of the finite doubles: the sign bit set
// for positives, every bit flipped for negatives. -0 and +0 share a key.
std::uint64_t OrderKey(double v) {
  const std::uint64_t bits = std::bit_cast<std::uint64_t>(v == 0 ? 0.0 : v);
  return bits >> 63 ? ~bits : bits | (std::uint64_t{1} << 63);
}

// sorted[0 ... n) := the values of x with their rows, in ascending order;
// work holds n more. A radix sort, a byte of the key per pass, least
// significant first; a byte that all keys share takes no pass. The order
// among equal values is left open: nothing below depends on it.
void SortWithRows(ConstVectorView x, std::int32_t n, RankedValue* sorted, RankedValue* work) {
  constexpr int kBytes = 8;
  std::int32_t counts[kBytes][256] = {};
  for (std::int32_t i = 0; i < n; ++i) {
    const std::uint64_t key = OrderKey(x[i]);
    work[i] = {key, i};
    for (int b = 0; b < kBytes; ++b) ++counts[b][(key >> (8 * b)) & 255];
  }
  RankedValue* from = work;
  RankedValue* to = sorted;
  for (int b = 0; b < kBytes; ++b) {
    const int shift = 8 * b;
    if (counts[b][(from[0].key >> shift) & 255] == n) continue;
    std::int32_t next[256];
    std::int32_t start = 0;
    for (int digit = 0; digit < 256; ++digit) {
      next[digit] = start;
      start += counts[b][digit];
    }
    for (std::int32_t i = 0; i < n; ++i) to[next[(from[i].key >> shift) & 255]++] = from[i];
    std::swap(from, to);
  }
  if (from != sorted) std::copy(from, from + n, sorted);
}

// Calls tieGroup(first, last) for every run of equal values of a sorted
// column, in ascending order; positions are 0-based and inclusive.
template <class TieGroup>
void ForEachTieGroup(const RankedValue* sorted, std::int32_t n, TieGroup&& tieGroup) {
  std::int32_t first = 0;
  for (std::int32_t i = 1; i <= n; ++i) {
    if (i == n || sorted[i].key != sorted[first].key) {
      tieGroup(first, i - 1);
      first = i;
    }
  }
}

// n >= 2 rows, at least one column, and a d x d result.
bool FitsRankMatrix(ConstMatrixView data, const MatrixView& result) {
  const std::int32_t d = data.Columns();
  return data.Rows() >= 2 && d >= 1 && result.Rows() == d && result.Columns() == d;
}

void SetPair(const MatrixView& result, std::int32_t j, std::int32_t k, double value) {
  result(j, k) = value;
  result(k, j) = value;
}

// Twice each row's average rank less twice the mean rank (n + 1) / 2, by
// column, into an n x d row-major matrix. These are integers, so the sums of
// their products below are exact while they stay under 2^53: for tables of
// up to about 300,000 rows. Longer tables round, in the same order on every
// build.
bool CenteredRanks(ConstMatrixView data, Matrix& centered, StopRequest& stop) {
  const std::int32_t n = data.Rows();
  const std::int32_t d = data.Columns();
  BasicVector<RankedValue> sorted(n, Init::Uninitialised), work(n, Init::Uninitialised);
  if (sorted.Length() != n || work.Length() != n || !centered.Resize(n, d)) return false;
  for (std::int32_t j = 0; j < d; ++j) {
    SortWithRows(data.Column(j), n, sorted.Data(), work.Data());
    ForEachTieGroup(sorted.Data(), n, [&](std::int32_t first, std::int32_t last) {
      const double twiceCentered = static_cast<double>(static_cast<std::int64_t>(first) + last + 1 - n);
      for (std::int32_t p = first; p <= last; ++p) centered(sorted[p].row, j) = twiceCentered;
    });
    if (stop.Poll(SortWork(n))) return false;
  }
  return true;
}

// A column in ascending order: its rows in that order, each row's tie group
// (0 for the smallest value, then 1, 2, ... for each larger one), and the
// count of pairs of rows tied in it.
struct ColumnOrder {
  std::int32_t* rows;
  std::int32_t* group;
  std::int64_t tiedPairs;
};

void OrderColumn(ConstVectorView x, std::int32_t n, RankedValue* sorted, RankedValue* work, ColumnOrder& order) {
  SortWithRows(x, n, sorted, work);
  std::int32_t group = 0;
  order.tiedPairs = 0;
  ForEachTieGroup(sorted, n, [&](std::int32_t first, std::int32_t last) {
    for (std::int32_t p = first; p <= last; ++p) {
      order.rows[p] = sorted[p].row;
      order.group[sorted[p].row] = group;
    }
    const std::int64_t size = static_cast<std::int64_t>(last) - first + 1;
    order.tiedPairs += size * (size - 1) / 2;
    ++group;
  });
}

// Sorts values[0 ... n) (bottom-up merge sort, work as scratch; the sorted
// values end in one of the two) and answers the swaps an exchange sort would
// make: the count of pairs out of order, equal values not counted.
std::int64_t CountSwapsWhileSorting(std::int32_t* values, std::int32_t* work, std::int32_t n) {
  std::int64_t swaps = 0;
  std::int32_t* from = values;
  std::int32_t* to = work;
  for (std::int64_t width = 1; width < n; width *= 2) {
    for (std::int64_t low = 0; low < n; low += 2 * width) {
      const std::int64_t middle = std::min<std::int64_t>(low + width, n);
      const std::int64_t high = std::min<std::int64_t>(low + 2 * width, n);
      std::int64_t left = low, right = middle, out = low;
      // Without branches on the data: its comparisons are coin tosses.
      while (left < middle && right < high) {
        const bool rightFirst = from[right] < from[left];
        to[out++] = rightFirst ? from[right] : from[left];
        swaps += rightFirst ? middle - left : 0;
        right += rightFirst;
        left += !rightFirst;
      }
      while (left < middle) to[out++] = from[left++];
      while (right < high) to[out++] = from[right++];
    }
    std::swap(from, to);
  }
  return swaps;
}

// Kendall's tau-b from Knight's counts over n rows: the pairs tied in x, in
// y and in both, and the discordant pairs.
double TauB(std::int64_t n, std::int64_t tiedX, std::int64_t tiedY, std::int64_t tiedBoth, std::int64_t discordant) {
  const std::int64_t pairs = n * (n - 1) / 2;
  const std::int64_t untiedX = pairs - tiedX;
  const std::int64_t untiedY = pairs - tiedY;
  if (untiedX == 0 || untiedY == 0) return kNaN;
  // Concordant less discordant: every pair untied in both is one or the other.
  const std::int64_t score = untiedX - tiedY + tiedBoth - 2 * discordant;
  return static_cast<double>(score) / std::sqrt(static_cast<double>(untiedX) * static_cast<double>(untiedY));
}

}  // namespace

void AverageRanks(ConstVectorView x, VectorView ranks) {
  const std::int32_t n = x.Length();
  BasicVector<RankedValue> sorted(n, Init::Uninitialised), work(n, Init::Uninitialised);
  if (ranks.Length() != n || sorted.Length() != n || work.Length() != n) {
    FillView(ranks, kNaN);
    return;
  }
  SortWithRows(x, n, sorted.Data(), work.Data());
  ForEachTieGroup(sorted.Data(), n, [&](std::int32_t first, std::int32_t last) {
    // The mean of the 1-based positions first + 1 ... last + 1.
    const double rank = (static_cast<double>(first) + last + 2) * 0.5;
    for (std::int32_t p = first; p <= last; ++p) ranks[sorted[p].row] = rank;
  });
}

bool SpearmanMatrix(ConstMatrixView data, const MatrixView& result, StopRequest& stop) {
  if (!FitsRankMatrix(data, result)) return false;
  const std::int32_t n = data.Rows();
  const std::int32_t d = data.Columns();
  Matrix centered;
  Matrix sums(d, d, Init::Zero);
  if (sums.Empty() || !CenteredRanks(data, centered, stop)) return false;
  // The upper triangle of sums := the products of every pair of rank columns
  // (squares on the diagonal), each summed in row order. The rows go in
  // blocks that stay in cache while each column's sums take them in turn;
  // the sums of one column with the others are independent of each other.
  const std::int32_t blockRows = std::max<std::int32_t>(1, kRowBlockValues / d);
  for (std::int32_t top = 0; top < n; top += blockRows) {
    const std::int32_t bottom = std::min<std::int32_t>(n, top + blockRows);
    for (std::int32_t j = 0; j < d; ++j) {
      double* pairSums = &sums(j, 0);
      for (std::int32_t i = top; i < bottom; ++i) {
        const double* ranks = &centered(i, 0);
        const double rank = ranks[j];
        for (std::int32_t k = j; k < d; ++k) pairSums[k] += rank * ranks[k];
      }
      if (stop.Poll(static_cast<std::uint64_t>(bottom - top) * (d - j))) return false;
    }
  }
  for (std::int32_t j = 0; j < d; ++j) {
    result(j, j) = 1.0;
    for (std::int32_t k = j + 1; k < d; ++k) {
      const double spread = sums(j, j) * sums(k, k);
      SetPair(result, j, k, spread > 0 ? sums(j, k) / std::sqrt(spread) : kNaN);
    }
  }
  return true;
}

// Knight (W. R. Knight, "A computer method for calculating Kendall's tau with
// ungrouped data", J. Amer. Statist. Assoc. 61 (1966) 436-439): with the rows
// in order of x and, among equal x, of y, the discordant pairs are exactly
// the swaps that sorting y then takes. Each column is sorted once; the order
// of a pair is then a counting sort of y's order by x's tie groups.
bool KendallMatrix(ConstMatrixView data, const MatrixView& result, StopRequest& stop) {
  if (!FitsRankMatrix(data, result)) return false;
  const std::int32_t n = data.Rows();
  const std::int32_t d = data.Columns();
  const std::int64_t cells = static_cast<std::int64_t>(n) * d;
  if (cells > kMaxElements) return false;
  IndexVector rows(static_cast<std::int32_t>(cells), Init::Uninitialised);
  IndexVector groups(static_cast<std::int32_t>(cells), Init::Uninitialised);
  IndexVector xGroupAt(n, Init::Uninitialised), groupStart(n, Init::Uninitialised);
  IndexVector next(n, Init::Uninitialised), ySequence(n, Init::Uninitialised), work(n, Init::Uninitialised);
  BasicVector<ColumnOrder> orders(d, Init::Uninitialised);
  {
    BasicVector<RankedValue> sorted(n, Init::Uninitialised), sortWork(n, Init::Uninitialised);
    if (sortWork.Length() != n || rows.Length() != cells || groups.Length() != cells || xGroupAt.Length() != n || groupStart.Length() != n ||
        next.Length() != n || ySequence.Length() != n || work.Length() != n || orders.Length() != d ||
        sorted.Length() != n) {
      return false;
    }
    for (std::int32_t j = 0; j < d; ++j) {
      const std::ptrdiff_t offset = static_cast<std::ptrdiff_t>(j) * n;
      orders[j] = {rows.Data() + offset, groups.Data() + offset, 0};
      OrderColumn(data.Column(j), n, sorted.Data(), sortWork.Data(), orders[j]);
      if (stop.Poll(SortWork(n))) return false;
    }
  }
  const std::uint64_t pairWork = SortWork(n) + 4 * static_cast<std::uint64_t>(n);
  for (std::int32_t j = 0; j < d; ++j) {
    const ColumnOrder& x = orders[j];
    result(j, j) = 1.0;
    // Each position's x group in x's order, and where each group starts.
    std::int32_t groupCount = 0;
    for (std::int32_t p = 0; p < n; ++p) {
      xGroupAt[p] = x.group[x.rows[p]];
      if (xGroupAt[p] == groupCount) groupStart[groupCount++] = p;
    }
    for (std::int32_t k = j + 1; k < d; ++k) {
      const ColumnOrder& y = orders[k];
      // y's groups in order of x, and of y among equal x: y's order,
      // spread stably over x's groups.
      std::copy(groupStart.Data(), groupStart.Data() + groupCount, next.Data());
      for (std::int32_t p = 0; p < n; ++p) {
        const std::int32_t row = y.rows[p];
        ySequence[next[x.group[row]]++] = y.group[row];
      }
      std::int64_t tiedBoth = 0;
      std::int64_t tiedWithPrevious = 0;
      for (std::int32_t p = 1; p < n; ++p) {
        const bool tied = xGroupAt[p] == xGroupAt[p - 1] && ySequence[p] == ySequence[p - 1];
        tiedWithPrevious = tied ? tiedWithPrevious + 1 : 0;
        tiedBoth += tiedWithPrevious;
      }
      const std::int64_t discordant = CountSwapsWhileSorting(ySequence.Data(), work.Data(), n);
      SetPair(result, j, k, TauB(n, x.tiedPairs, y.tiedPairs, tiedBoth, discordant));
      if (stop.Poll(pairWork)) return false;
    }
  }
  return true;
}

}  // namespace Zq::Math
