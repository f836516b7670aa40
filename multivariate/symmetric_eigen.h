// Eigen-decomposition of a real symmetric matrix: Householder reduction to
// tridiagonal form, then the QL algorithm with implicit shifts. Only the
// lower triangle and the diagonal of the input are read.
#pragma once

#include "multivariate/matrix.h"
#include "numerics/stop_request.h"

namespace Zq::Math {

// z: in the symmetric matrix, out the orthogonal transformation Q;
// d: the diagonal; e: the sub-diagonal with e(0) = 0. All of order n.
// False, with z, d and e part-way, only when `stop` asks to stop.
bool TridiagonalReduce(const MatrixView& z, VectorView d, VectorView e, StopRequest& stop = StopRequest::Never());

// d: in the diagonal, out the eigenvalues (unsorted); e: in the sub-diagonal,
// destroyed; z: in Q, out the eigenvectors in its columns. False when an
// eigenvalue needs more than 30 iterations, or when `stop` asks to stop.
bool TridiagonalQl(VectorView d, VectorView e, const MatrixView& z, StopRequest& stop = StopRequest::Never());

// d(j) and column j of z (both sized n by the caller) are an eigenpair of a;
// the order is the reverse of the QL order, not sorted.
bool SymmetricEigen(VectorView d, const MatrixView& z, ConstMatrixView a, StopRequest& stop = StopRequest::Never());

}  // namespace Zq::Math
