#include "solvers/newton_raphson.h"

#include <cmath>

#include "multivariate/linear_algebra.h"

namespace Zq::Math {

namespace {

void Report(int k, const Vector& residuals, int* iterations, Vector* lastResiduals) {
  if (iterations != nullptr) *iterations = k;
  if (lastResiduals != nullptr) {
    const std::int32_t count = residuals.Length() < lastResiduals->Length() ? residuals.Length() : lastResiduals->Length();
    for (std::int32_t i = 0; i < count; ++i) (*lastResiduals)[i] = residuals[i];
  }
}

}  // namespace

bool NewtonRaphson(Vector& x, void* context, NewtonSystemFn evaluate, int* iterations, Vector* lastResiduals,
                   double tolx, double tolf) {
  const std::int32_t n = x.Length();
  Vector residuals;
  Vector step;
  IndexVector pivot;
  Matrix jacobian;
  if (!residuals.AssignSize(n, 0.0) || !step.AssignSize(n, 0.0) || !pivot.AssignSize(n, 0) ||
      !jacobian.Resize(n, n, 0.0)) {
    return false;
  }

  int k = 1;
  for (;;) {
    if (evaluate == nullptr || !evaluate(x, jacobian, residuals, context)) break;

    double errf = 0;
    for (std::int32_t i = 0; i < n; ++i) errf += std::fabs(residuals[i]);
    if (errf <= tolf) {
      Report(k, residuals, iterations, lastResiduals);
      return AllFinite(residuals);
    }

    for (std::int32_t i = 0; i < n; ++i) step[i] = -residuals[i];
    double sign = 0;
    if (!LuDecompose(jacobian, pivot, sign)) break;
    LuSolve(jacobian, pivot, step);

    double errx = 0;
    for (std::int32_t i = 0; i < n; ++i) {
      x[i] += step[i];
      errx += std::fabs(step[i]);
    }
    if (errx <= tolx) {
      Report(k, residuals, iterations, lastResiduals);
      return AllFinite(residuals);
    }
    if (++k > kNewtonMaxIterations) break;
  }
  Report(k, residuals, iterations, lastResiduals);
  return false;
}

}  // namespace Zq::Math
