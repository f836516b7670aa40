// Means, standard deviations and the correlations or covariances of every
// two columns of a data table (observations in rows, variables in
// columns), each with exactly the bits ColumnMean, PopulationStdev,
// PairCorrelation and PairCovariance give column by column and pair by
// pair, but from one pass along the rows for the columns' sums and one
// blocked pass for every pair's cross sum. Columns or pairs whose plain sums
// do not serve (overflow, sums below the normal range) are handed to those
// functions, which scale them.
#pragma once

#include <cstdint>

#include "multivariate/matrix.h"
#include "numerics/stop_request.h"

namespace Zq::Math {

enum class PairStatistic { Correlation, Covariance };

struct TableMoments {
  Vector means;   // ColumnMean of each column
  Vector stdevs;  // PopulationStdev of each column
  // c x c and symmetric: PairCorrelation of columns i and j (1 on the
  // diagonal, not computed) or PairCovariance.
  Matrix pairs;
};

// Bytes of memory ComputeTableMoments takes for a table of that many
// columns, its result included.
std::uint64_t TableMomentsBytes(std::int32_t columns);

// The statistics of a table of n >= 1 rows and c >= 1 columns. False when
// memory cannot be had or the request stops the computation.
bool ComputeTableMoments(ConstMatrixView table, PairStatistic statistic, TableMoments& result, StopRequest& stop);

}  // namespace Zq::Math
