// NewtonRaphson for callers whose equations are plain functions of one or
// two unknowns. The evaluation refuses (ending the iteration) whenever a
// residual is not finite, which is also how an equation reports a point
// outside its domain.
#pragma once

#include <cmath>

#include "solvers/newton_raphson.h"

namespace Zq::Math {

// equation(u) returns {value, slope}; on success root holds the solution.
template <class Equation>
bool SolveOne(Equation& equation, double start, double tolx, double tolf, double& root) {
  Vector x(1, Init::Zero);
  if (x.Length() != 1) return false;
  x[0] = start;
  const NewtonSystemFn evaluate = [](const Vector& at, Matrix& jacobian, Vector& residuals, void* context) {
    const auto e = (*static_cast<Equation*>(context))(at[0]);
    if (!std::isfinite(e.value)) return false;
    residuals[0] = e.value;
    jacobian(0, 0) = e.slope;
    return true;
  };
  if (!NewtonRaphson(x, &equation, evaluate, nullptr, nullptr, tolx, tolf)) return false;
  root = x[0];
  return true;
}

// equation(u, v) returns {value[2], jacobian[2][2]}; on success (u, v) hold
// the solution.
template <class Equations>
bool SolveTwo(Equations& equations, double& u, double& v, double tolx, double tolf) {
  Vector x(2, Init::Zero);
  if (x.Length() != 2) return false;
  x[0] = u;
  x[1] = v;
  const NewtonSystemFn evaluate = [](const Vector& at, Matrix& jacobian, Vector& residuals, void* context) {
    const auto e = (*static_cast<Equations*>(context))(at[0], at[1]);
    if (!std::isfinite(e.value[0]) || !std::isfinite(e.value[1])) return false;
    for (int i = 0; i < 2; ++i) {
      residuals[i] = e.value[i];
      for (int j = 0; j < 2; ++j) jacobian(i, j) = e.jacobian[i][j];
    }
    return true;
  };
  if (!NewtonRaphson(x, &equations, evaluate, nullptr, nullptr, tolx, tolf)) return false;
  u = x[0];
  v = x[1];
  return true;
}

}  // namespace Zq::Math
