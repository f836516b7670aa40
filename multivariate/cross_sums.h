// Sums of products of deviations from the column means, for every pair of
// columns of a data table (observations in rows) at once. Each pair's sum
// is the scalar loop's, bit for bit: it starts at 0.0 and adds
// (x(r, i) - mean i) * (x(r, j) - mean j) one row at a time in row order.
// What changes is the walk: rows are taken a cache-sized chunk at a time,
// their deviations laid out in panels of a vector's width, and several
// pairs advance together in the lanes of SSE2 (or, where the processor has
// it, AVX) registers, each lane doing its own pair's operations in order.
#pragma once

#include <cstdint>

#include "multivariate/matrix.h"
#include "numerics/stop_request.h"

namespace Zq::Math {

// Bytes of working memory DeviationCrossSums takes for a table of that many
// columns.
std::uint64_t DeviationCrossSumsBytes(std::int32_t columns);

// sums(i, j) for i <= j := the sum over the rows of the products of the
// deviations of columns i and j from means[i] and means[j]; sums(i, i) is
// the column's sum of squared deviations. The lower triangle is left as it
// was. sums is c x c and means has c values, for the c columns of table.
// False (sums partly written) when memory cannot be had or the request stops.
bool DeviationCrossSums(ConstMatrixView table, const double* means, const MatrixView& sums, StopRequest& stop);

// Tests and benchmarks choose the SSE2 lanes too, to check both on the same
// machine; asking for AVX where it cannot run leaves SSE2. Returns whether
// AVX is in force.
bool UseAvxCrossSums(bool wanted);

}  // namespace Zq::Math
