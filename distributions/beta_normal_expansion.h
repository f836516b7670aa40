// The beta distribution at shapes so large that the continued fraction
// cannot be trusted near the mean: the normal limit with its first
// correction.
#pragma once

namespace Zq::Math {

// I_x(a, b) for large a and b by the uniform expansion in 1/(a + b): with
// w^2/2 the power term's exponent below its value at the mean (w signed
// like x - x0) and d the distance x - x0 in standard deviations,
// I = Phi(w) + G phi(w)(1/w - 1/d), G the ratio of Stirling factors, up
// to a relative error of about 1e-2 min(a, b)^-1.5 (3e-8 at 1e5, 1e-12
// from 1e7 on). The smaller tail is formed, accurate relative to itself
// out to where it underflows.
double LargeShapeIncompleteBeta(double x, double a, double b);

}  // namespace Zq::Math
