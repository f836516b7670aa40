// Triangular distribution: two quadratic pieces of the distribution meeting
// at the mode c, and their inverses.
#include "distributions/triangular.h"

#include <cmath>

namespace Zq::Math {

bool TriangularShapeValid(double a, double b, double c) { return a < c && c < b; }

double TriangularCdf(double x, double a, double b, double c) {
  if (x <= c) return (x - a) * (x - a) / ((b - a) * (c - a));
  return 1.0 - (b - x) * (b - x) / ((b - a) * (b - c));
}

double TriangularPdf(double x, double a, double b, double c) {
  if (x <= c) return 2.0 * (x - a) / ((b - a) * (c - a));
  return 2.0 * (b - x) / ((b - a) * (b - c));
}

// The formulas below multiply and square the bounds themselves: far from
// 0 (Min = 1e8, Max = Min + 1) the squares cancel to nothing, and wide
// ranges (1e160) overflow. The stable forms work from the width
// u = b - a and the mode's share r = (c - a)/u, and take square roots of
// the factors apart. A formula's value stands wherever it agrees with the
// stable one to 1e-6 (of the deviation for locations, absolutely for the
// skewness).
namespace {

constexpr double kAgreement = 1e-6;

double Checked(double formula, double stable, double tolerance) {
  if (!std::isfinite(stable) || std::fabs(formula - stable) <= tolerance) return formula;
  return stable;
}

// The deviation over the width: sqrt((1 - r + r^2)/18).
double UnitDeviation(double r) { return std::sqrt((1.0 - r + r * r) / 18.0); }

double StableDeviation(double a, double b, double c) { return (b - a) * UnitDeviation((c - a) / (b - a)); }

}  // namespace

double TriangularInv(double prob, double a, double b, double c) {
  const bool lower = prob <= (c - a) / (b - a);
  const double formula =
      lower ? a + std::sqrt(prob * (b - a) * (c - a)) : b - std::sqrt((b - a) * (b - c) * (1.0 - prob));
  const double stable = lower ? a + std::sqrt(prob) * std::sqrt(b - a) * std::sqrt(c - a)
                              : b - std::sqrt(b - a) * std::sqrt(b - c) * std::sqrt(1.0 - prob);
  return Checked(formula, stable, kAgreement * StableDeviation(a, b, c));
}

Moments TriangularMoments(double a, double b, double c) {
  const double g = std::sqrt((a * a + b * b + c * c - a * b - a * c - b * c) / 18.0);
  const Moments formula = {(c + (a + b)) / 3.0, g,
                           (a + b - 2.0 * c) * (2.0 * a - b - c) * (a - 2.0 * b + c) / (270.0 * (g * g * g)), -0.6};
  const double u = b - a;
  const double r = (c - a) / u;
  const double unit = UnitDeviation(r);
  const double deviation = u * unit;
  return {Checked(formula.mean, a + (u + (c - a)) / 3.0, kAgreement * deviation),
          Checked(formula.stdev, deviation, kAgreement * deviation),
          Checked(formula.skew, (1.0 - 2.0 * r) * (1.0 + r) * (2.0 - r) / (270.0 * (unit * unit * unit)), kAgreement),
          formula.kurt};
}

}  // namespace Zq::Math
