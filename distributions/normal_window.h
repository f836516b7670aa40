// The standard normal's mass over a window [a, b], in forms that stay
// accurate relative to the mass itself far out in either tail and for
// windows of any width: no difference of two distribution values is ever
// formed. Masses are given over the density at the window's point nearest
// 0 (its anchor), so that windows beyond the range of doubles' tails
// (Q(40) ~ 4e-350) keep their shape.
#pragma once

namespace Zq::Math {

// Q(x) / phi(x) (Mills' ratio) for x >= 0: a series below 3, Laplace's
// continued fraction above.
double MillsRatio(double x);

// phi(x) / phi(c), as exp(-(x - c)(x + c)/2), which neither overflows
// nor cancels when x and c are large and close.
double DensityRatio(double x, double c);

// The anchor c (the point of the window nearest 0) and the mass of the
// window [a, b] over phi(c), that is the integral over the window of
// phi(t)/phi(c). The width b - a is given as well, as callers compute it
// from unstandardised bounds: a window narrow against |a| keeps its
// digits. Needs width > 0; the bounds may be infinite. The scaled mass
// lies in (0, 2.51].
struct WindowMass {
  double anchor;
  double scaled;
};
WindowMass NormalWindowMass(double a, double b, double width);

// The mass of [a, b] over the mass of [c, d] (widths given as above),
// accurate relative to the ratio however small both masses are.
double NormalMassRatio(double a, double b, double width, double c, double d, double cWidth);

}  // namespace Zq::Math
