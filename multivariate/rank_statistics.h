// Rank correlation of the columns of a data table (observations in rows):
// Spearman's rho and Kendall's tau-b, ties shared out as average ranks.
// They measure how monotone the relation between two variables is, so they
// do not change when a column goes through any increasing transform.
#pragma once

#include "multivariate/matrix.h"
#include "numerics/stop_request.h"

namespace Zq::Math {

// Average ranks, 1-based: tied values share the mean of their positions.
// ranks must be as long as x; all NaN when work memory cannot be had.
void AverageRanks(ConstVectorView x, VectorView ranks);

// result (d x d, already shaped) := Spearman's rho of every pair of columns
// of data (n x d, n >= 2, finite): Pearson's correlation of the columns'
// average ranks. Unit diagonal; symmetric; a constant column's other
// entries are NaN. False when work memory cannot be had, the shapes do not
// fit or stop asks to stop.
bool SpearmanMatrix(ConstMatrixView data, const MatrixView& result, StopRequest& stop = StopRequest::Never());

// result := Kendall's tau-b of every pair of columns (ties in either column
// corrected), O(n log n) per pair; otherwise as SpearmanMatrix.
bool KendallMatrix(ConstMatrixView data, const MatrixView& result, StopRequest& stop = StopRequest::Never());

}  // namespace Zq::Math
