// Eigen-decomposition of a real symmetric matrix: Householder reduction to
// tridiagonal form, then the QL algorithm with implicit shifts. Only the
// lower triangle and the diagonal of the input are read.
#pragma once

#include "multivariate/matrix.h"
#include "numerics/stop_request.h"

namespace Zq::Math {

// d(j) and column j of z (both sized n by the caller) are an eigenpair of a;
// the order is the reverse of the QL order, not sorted. False when an
// eigenvalue needs more than 30 iterations, when working storage cannot be
// had, or when `stop` asks to stop.
bool SymmetricEigen(VectorView d, const MatrixView& z, ConstMatrixView a, StopRequest& stop = StopRequest::Never());

}  // namespace Zq::Math
