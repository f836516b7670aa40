// The factor x^a (1 - x)^b / B(a, b) that the beta distribution and density
// share, for shapes so large that ln B(a, b) from three values of LogGamma
// (each near a ln a) keeps too few of its digits.
#pragma once

namespace Zq::Math {

// Shapes from this size on take LargeShapeBetaPowerTerm: beyond it the
// error of ln B(a, b) from LogGamma passes 1e-8 and grows with the shape.
inline constexpr double kLargeBetaShape = 1e7;

// x^a (1 - x)^b / B(a, b) for 0 < x < 1 and positive shapes, written
// around the mean x0 = a / (a + b) so that nothing of size a ln a is
// formed: -a phi(u) - b phi(-v) + C, with phi(t) = t - ln(1 + t),
// x = x0 (1 + u), 1 - x = (1 - x0)(1 - v), and C = a ln x0 + b ln(1 - x0)
// - ln B(a, b) from Stirling's series.
double LargeShapeBetaPowerTerm(double x, double a, double b);

// From this size on a shape's ln Γ comes from Stirling's series.
inline constexpr double kStirlingShape = 10.0;
inline constexpr double kHalfLogTwoPi = 0.91893853320467274;

// ln Γ(z) - ((z - 1/2) ln z - z + ln(2 pi)/2) for z >= kStirlingShape, to
// z^-7: the first term left out, 1/(1188 z^9), is below 1e-12.
double StirlingCorrection(double z);

// phi(t) = t - ln(1 + t) >= 0, given ln(1 + t) as computed from the ratio
// it is the logarithm of.
double LogExcess(double t, double logOnePlusT);

// x against the mean: the shares x0 and y0 = 1 - x0 (each rounded), the
// offset e = x - x0 of x from the exact mean, the exponent's excess
// a phi(u) + b phi(-v) >= 0 over its value at the mean, and ln y0.
struct BetaMeanOffset {
  double x0, y0, e, excess, logY0;
};
BetaMeanOffset LargeShapeMeanOffset(double x, double a, double b);

}  // namespace Zq::Math
