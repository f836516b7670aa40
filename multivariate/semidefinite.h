// Whether a matrix of correlations is one that some data set can have.
#pragma once

#include "multivariate/matrix.h"
#include "numerics/stop_request.h"

namespace Zq::Math {

// True when the symmetric part (K + K^T) / 2 of the square matrix k, whose
// diagonal is about 1, has no eigenvalue below -n 2^-40 (n its order):
// x^T K x >= 0 for every x, up to rounding. Rounding the entries, even to
// 15 digits, moves the eigenvalues by far less than that margin. Tested by
// factorising the symmetric part plus n 2^-40 on the diagonal by Cholesky,
// which runs to the end exactly when every eigenvalue of the sum is
// positive. False also when its work storage cannot be had, or when stop
// says to stop (order n takes about n^3/6 steps).
bool IsCorrelationSemidefinite(ConstMatrixView k, StopRequest& stop = StopRequest::Never());

}  // namespace Zq::Math
