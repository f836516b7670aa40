// The moment equations the Newton fits solve, each with its exact
// derivatives: pure functions so that the Jacobians can be checked on their
// own. A fit's callback copies them into the solver's vectors.
#pragma once

namespace Zq::Math {

// One equation in one unknown: its value and slope.
struct Equation1 {
  double value;
  double slope;
};

// Two equations in two unknowns: jacobian[i][j] = d value[i] / d x[j].
struct Equation2 {
  double value[2];
  double jacobian[2][2];
};

// Johnson SU on the skewness-kurtosis plane: m(w) with beta2 the plain
// kurtosis, and the skewness equation in w = exp(1/delta^2).
double JohnsonSUAuxiliary(double w, double beta2);
Equation1 JohnsonSUEquation(double w, double beta1, double beta2);

// Triangular: the squared skewness of a triangle whose mode sits at the
// fraction u of its range, against the target skew2 (cleared of the
// denominator so the equation is a polynomial in u).
Equation1 TriangularEquation(double u, double skew2);

// Weibull: the log ratio of the second moment to the squared mean against
// 1 + s^2/m^2, in a = 1/shape.
Equation1 WeibullEquation(double a, double meanSquared, double variance);

// Truncated normal on [min, max]: mean and variance residuals in the
// standardised bounds (alpha, beta).
Equation2 TruncNormEquations(double alpha, double beta, double min, double max, double mean, double variance);

}  // namespace Zq::Math
