// The Johnson SU skewness and excess kurtosis from v = 1/delta^2 and
// a = |gamma|/delta, as products and quotients of sums of positive terms:
// no cancellation where w - 1 = e^v - 1 is tiny or gamma is near 0, and no
// overflow before the moment itself overflows where w is huge.
#pragma once

namespace Zq::Math {

struct JohnsonSUShape {
  double skew;  // the size; its sign is that of -gamma
  double kurt;
};

JohnsonSUShape JohnsonSUShapeMoments(double v, double a);

}  // namespace Zq::Math
