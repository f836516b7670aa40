// Rank correlation of arbitrary marginals: Iman and Conover's reordering
// (R. L. Iman and W. J. Conover, "A distribution-free approach to inducing
// rank correlation among input variables", Communications in Statistics -
// Simulation and Computation 11 (1982) 311-334). Each column keeps its
// values; only their order changes, so every marginal stays exactly what
// its sampler drew while the columns' rank correlation approaches a target.
#pragma once

#include "multivariate/matrix.h"
#include "numerics/stop_request.h"
#include "random/random_uniform.h"

namespace Zq::Math {

// Whether target (d x d) is a correlation matrix to aim at: finite,
// symmetric, unit diagonal, off-diagonal in [-1, 1], positive definite.
bool IsRankCorrelationTarget(ConstMatrixView target);

// result (n x d, already shaped) := the columns of samples (n x d), each
// reordered. Van der Waerden scores Phi^-1(i / (n + 1)) fill every column,
// each column shuffled by the engine in turn (n - 1 uniforms a column);
// the scores' own sample correlation C is corrected towards the target T by
// S (P E^-1)^T, P and E the lower Cholesky factors of T and C; each column
// of samples, sorted (equal values keeping their order), is then laid out
// in the rank order of its corrected scores (equal scores by row).
// False when T is no target, C is singular (n not above d, in particular),
// work memory cannot be had or stop asks to stop.
bool ImanConover(ConstMatrixView samples, ConstMatrixView target, RandomUniform& engine, const MatrixView& result,
                 StopRequest& stop = StopRequest::Never());

}  // namespace Zq::Math
