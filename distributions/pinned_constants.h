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

// 1/sqrt(2 pi) in the three roundings the results were computed with:
// 15 significant digits in the normal density (NormPdf), 14 in NormCdf's
// polynomial as it was published, and the double nearest in the
// large-shape beta expansion. They are three different doubles.
inline constexpr double kNormPdfFactor = 0.398942280401433;
inline constexpr double kNormCdfFactor = 0.39894228040143;
inline constexpr double kInvSqrtTwoPi = 0.3989422804014327;

// The largest single-precision value. A sampler draw equal to it counts as
// failed (its cell shows #VALUE!), and the implied volatility's bracket
// stops growing there.
inline constexpr double kFloatMax = 3.4028234663852886e38;

}  // namespace Zq::Math
