// The beta distribution where one shape is huge beside the other: the
// gamma limit with its first correction.
#pragma once

namespace Zq::Math {

// Shapes from this size on, beside a partner of at most kGammaLimitSmallShape,
// take the gamma limit: there the continued fraction of the complement, at
// 1 - x near 1, is off by up to 2e-6, and its early exit leaves the other
// side up to 1e-7 off.
inline constexpr double kGammaLimitHugeShape = 1e9;
inline constexpr double kGammaLimitSmallShape = 1e5;

// Both tails, each accurate relative to itself.
struct BetaTails {
  double lower, upper;
};

// I_x(a, b) and 1 - I_x(a, b) for a small or moderate shape a beside a huge
// b: with t = -ln(1 - x), N = b + (a - 1)/2 and y = N t, the density in t is
// t^(a-1) e^(-N t) (1 + (a - 1) t^2/24 + ...), whose integral gives
// P(a, y) - c D (1 + y/(a + 1)), D = y^a e^-y / Γ(a + 1) and
// c = e/(1 + e), e = (a - 1) a (a + 1)/(24 N^2). The terms left out are
// relative to the tail below 1e-10 for a up to 1e5 and b from 1e9 on.
// The regularised incomplete gamma comes from its series below y = a + 1
// and its continued fraction above, each for the smaller side.
BetaTails LopsidedIncompleteBeta(double x, double a, double b);

}  // namespace Zq::Math
