// Newton-Raphson for small square nonlinear systems f(x) = 0 with an
// analytic Jacobian supplied by the caller. No line search or damping: each
// iteration solves J * delta = -f by LU factorisation and steps by delta.
#pragma once

#include "multivariate/matrix.h"

namespace Zq::Math {

// Fills jacobian(i, j) = d f(i) / d x(j) and residuals(i) = f(i) at x (both
// already sized n). False: the system cannot be evaluated at x, which ends
// the iteration. The context is the caller's, passed through unchanged.
using NewtonSystemFn = bool (*)(const Vector& x, Matrix& jacobian, Vector& residuals, void* context);

constexpr int kNewtonMaxIterations = 200;

// Iterates from the starting point in x (n = its length) and leaves the last
// iterate there. Converged when the L1 norm of the residuals is <= tolf
// (tested before the step) or that of the step is <= tolx (after it). True
// when converged and the last residuals are all finite.
//
// When given, *iterations receives the iteration in which the iteration
// stopped (from 1; 201 after the cap) and lastResiduals the residuals of the
// last evaluation (as many as both vectors hold; it is not resized). When
// the work storage cannot be had, the answer is false before any evaluation
// and neither output is written.
bool NewtonRaphson(Vector& x, void* context, NewtonSystemFn evaluate, int* iterations, Vector* lastResiduals,
                   double tolx, double tolf);

}  // namespace Zq::Math
