// The checks on parameters and probabilities, each with its rule for NaN.
// The distribution functions let NaN through (it makes their result
// non-finite, which the worksheet reports as #VALUE!); the samplers and the
// moment fits refuse it before any work. Each function keeps the rule it has
// always had.
#pragma once

namespace Zq::Math {

// A parameter that must be positive has to exceed this.
inline constexpr double kPositiveFloor = 1e-12;

// Above kPositiveFloor, or NaN.
constexpr bool IsPositiveOrNaN(double value) { return !(value <= kPositiveFloor); }

// Above kPositiveFloor; NaN fails.
constexpr bool IsPositive(double value) { return value > kPositiveFloor; }

// Strictly between 0 and 1; NaN fails.
constexpr bool IsOpenProbability(double prob) { return prob > 0.0 && prob < 1.0; }

// Strictly between 0 and 1, or NaN.
constexpr bool IsOpenProbabilityOrNaN(double prob) { return !(prob <= 0.0 || prob >= 1.0); }

// From 0 up to but not including 1, or NaN.
constexpr bool IsProbabilityBelowOneOrNaN(double prob) { return !(prob < 0.0 || prob >= 1.0); }

}  // namespace Zq::Math
