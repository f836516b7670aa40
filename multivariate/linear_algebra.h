// Dense linear algebra on strided matrices: LU factorisation and solution,
// inversion, the matrix product, the singular value decomposition and the
// column scaling that turns a decomposition into a sampling factor.
// Kernels never throw and do not check that the caller's shapes match.
// The O(n^3) ones poll a stop request and answer false once it asks to stop.
#pragma once

#include "multivariate/matrix.h"
#include "numerics/stop_request.h"

namespace Zq::Math {

// Overflow-safe sqrt(a^2 + b^2).
double Hypotenuse(double a, double b);

// Crout LU factorisation with implicit row scaling, in place: L (unit
// diagonal) below, U on and above. pivot (n entries) records the row swaps,
// sign is +-1 by their parity. False when a row is entirely zero (or A is not
// square, or pivot is too short, or work storage is missing). An exactly zero
// pivot is replaced by 2^-126 so the factorisation goes on.
bool LuDecompose(const MatrixView& a, IndexVector& pivot, double& sign, StopRequest& stop = StopRequest::Never());

// Solves A x = b with the factors from LuDecompose; b is overwritten by x.
void LuSolve(ConstMatrixView lu, const IndexVector& pivot, VectorView b);

// result := A^-1 for a square A; result is already n x n and may be A itself.
bool Invert(ConstMatrixView a, const MatrixView& result, StopRequest& stop = StopRequest::Never());

// r := A B, re-shaped to rows(A) x columns(B); r must not share storage with A or B.
bool MatrixProduct(ConstMatrixView a, ConstMatrixView b, Matrix& r, StopRequest& stop = StopRequest::Never());

// Replaces each positive weight by its square root (others unchanged), then
// l := V diag(w); l already has V's shape.
void RootScaledColumns(const MatrixView& l, ConstMatrixView v, VectorView w);

// Golub-Reinsch SVD: A (m x n) is replaced by U, w receives the n singular
// values (not sorted), V (n x n) the right singular vectors, A = U diag(w) V^T.
// False when a value has not converged after 30 tests, or on non-finite input.
bool SingularValueDecompose(const MatrixView& a, VectorView w, const MatrixView& v,
                            StopRequest& stop = StopRequest::Never());

}  // namespace Zq::Math
