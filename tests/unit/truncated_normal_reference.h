// The truncated normal's reference tables (adaptive quadrature, from
// tests/unit/reference/make_reference.py) and how a failure names its window.
#pragma once

#include <string>

namespace Zq::Math::TruncNormReference {

struct MomentRow {
  double a, b, mu, sigma, mean, stdev, skew, kurt;
};
inline constexpr MomentRow kMomentRows[] = {
#include "tests/unit/reference/truncated_normal_moments.inc"
};

struct PointRow {
  double a, b, mu, sigma, prob, quantile, density;
};
inline constexpr PointRow kPointRows[] = {
#include "tests/unit/reference/truncated_normal_points.inc"
};

inline std::string Where(double a, double b, double mu, double sigma) {
  return "[" + std::to_string(a) + ", " + std::to_string(b) + "] mu " + std::to_string(mu) + " sigma " +
         std::to_string(sigma);
}

}  // namespace Zq::Math::TruncNormReference
