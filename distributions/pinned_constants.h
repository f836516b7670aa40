// Constants whose exact values the results depend on. Every value these
// functions have ever produced was computed with them, so they stay as they
// are even where a more precise value exists.
#pragma once

namespace Zq::Math {

// Pi to 15 significant digits, not the double nearest pi (which is larger
// by about 3.2e-15): the last digits of the Gumbel and logistic moments and
// fits, the bivariate normal and the Poisson sampler's rejection step follow
// from it.
inline constexpr double kTruncatedPi = 3.14159265358979;

// The largest single-precision value. A sampler draw equal to it counts as
// failed (its cell shows #VALUE!), and the implied volatility's bracket
// stops growing there.
inline constexpr double kFloatMax = 3.4028234663852886e38;

}  // namespace Zq::Math
