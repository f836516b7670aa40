// Triangular distribution: two quadratic pieces of the distribution meeting
// at the mode c, and their inverses.
#include "distributions/triangular.h"

#include <cmath>

namespace Zq::Math {

bool TriangularShapeValid(double a, double b, double c) { return a < c && c < b; }

// The formulas below multiply and square the bounds themselves: far from
// 0 (Min = 1e8, Max = Min + 1) the squares cancel to nothing, wide ranges
// (1e160) overflow and narrow ones (1e-160) underflow. The stable forms
// work from the width u = b - a and the mode's share r = (c - a)/u, and
// take ratios and square roots of the spans apart. A formula's value
// stands wherever it agrees with the stable one to 1e-6 (of the value for
// the distribution and density, of the deviation for locations), the
// deviation and skewness only to 1e-12 (the skewness absolutely).
namespace {

constexpr double kAgreement = 1e-6;
// The moments' first formulas square the bounds, and near symmetry the
// skewness is a small product of differences of them: where the width is
// under 1e-3 of the location, or the triangle nearly symmetric, they keep
// only about 1e-8. The deviation and skewness stand only where they agree
// with the stable forms (good to a few units in the last place) to 1e-12.
constexpr double kMomentAgreement = 1e-12;

double CheckedRelative(double formula, double stable) {
  return Checked(formula, stable, kAgreement * std::fabs(stable));
}

// From this magnitude of a bound on, b - a and a + b + c can overflow (they
// reach two and three times it). The stable forms then work on a quarter
// of every argument, which cannot, and scale back: dividing by 4 is exact
// but for subnormal parts, far below the width of such a range.
constexpr double kHugeBound = 0x1.0p1020;

// The factor applied to every argument and span: 1, or 1/4 for huge bounds.
double Shrink(double a, double b) { return std::fabs(a) >= kHugeBound || std::fabs(b) >= kHugeBound ? 0.25 : 1.0; }

// a, b, c (and x) times the shrink factor s, and the spans between them.
struct Scaled {
  double s, a, b, c;
  double Width() const { return b - a; }
};

Scaled ScaledShape(double a, double b, double c) {
  const double s = Shrink(a, b);
  return {s, a * s, b * s, c * s};
}

// The deviation over the width: sqrt((1 - r + r^2)/18).
double UnitDeviation(double r) { return std::sqrt((1.0 - r + r * r) / 18.0); }

double StableDeviation(const Scaled& t) {
  const double u = t.Width();
  return u * UnitDeviation((t.c - t.a) / u) / t.s;
}

// Ratios of spans, each in [0, 1]: no square or product of two spans.
double StableCdf(double x, const Scaled& t) {
  const double xs = x * t.s;
  if (xs <= t.c) return ((xs - t.a) / t.Width()) * ((xs - t.a) / (t.c - t.a));
  return 1.0 - ((t.b - xs) / t.Width()) * ((t.b - xs) / (t.b - t.c));
}

// The density of the scaled variable times s.
double StablePdf(double x, const Scaled& t) {
  const double xs = x * t.s;
  if (xs <= t.c) return 2.0 * ((xs - t.a) / (t.c - t.a)) / t.Width() * t.s;
  return 2.0 * ((t.b - xs) / (t.b - t.c)) / t.Width() * t.s;
}

}  // namespace

double TriangularCdf(double x, double a, double b, double c) {
  const double formula = x <= c ? (x - a) * (x - a) / ((b - a) * (c - a)) : 1.0 - (b - x) * (b - x) / ((b - a) * (b - c));
  return CheckedRelative(formula, StableCdf(x, ScaledShape(a, b, c)));
}

double TriangularPdf(double x, double a, double b, double c) {
  const double formula = x <= c ? 2.0 * (x - a) / ((b - a) * (c - a)) : 2.0 * (b - x) / ((b - a) * (b - c));
  return CheckedRelative(formula, StablePdf(x, ScaledShape(a, b, c)));
}

double TriangularModeShare(double a, double b, double c) {
  const Scaled t = ScaledShape(a, b, c);
  return (t.c - t.a) / t.Width();
}

double TriangularStableInv(double prob, double a, double b, double c) {
  const Scaled t = ScaledShape(a, b, c);
  const double u = t.Width();
  const double scaled = prob <= (t.c - t.a) / u ? t.a + std::sqrt(prob) * std::sqrt(u) * std::sqrt(t.c - t.a)
                                                : t.b - std::sqrt(u) * std::sqrt(t.b - t.c) * std::sqrt(1.0 - prob);
  return scaled / t.s;
}

double TriangularInv(double prob, double a, double b, double c) {
  const double formula = prob <= TriangularModeShare(a, b, c) ? a + std::sqrt(prob * (b - a) * (c - a))
                                                               : b - std::sqrt((b - a) * (b - c) * (1.0 - prob));
  return Checked(formula, TriangularStableInv(prob, a, b, c), kAgreement * StableDeviation(ScaledShape(a, b, c)));
}

Moments TriangularMoments(double a, double b, double c) {
  const double g = std::sqrt((a * a + b * b + c * c - a * b - a * c - b * c) / 18.0);
  const Moments formula = {(c + (a + b)) / 3.0, g,
                           (a + b - 2.0 * c) * (2.0 * a - b - c) * (a - 2.0 * b + c) / (270.0 * (g * g * g)), -0.6};
  const Scaled t = ScaledShape(a, b, c);
  const double u = t.Width();
  const double r = (t.c - t.a) / u;
  const double unit = UnitDeviation(r);
  const double deviation = u * unit / t.s;
  return {Checked(formula.mean, (t.a + (u + (t.c - t.a)) / 3.0) / t.s, kAgreement * deviation),
          Checked(formula.stdev, deviation, kMomentAgreement * deviation),
          Checked(formula.skew, (1.0 - 2.0 * r) * (1.0 + r) * (2.0 - r) / (270.0 * (unit * unit * unit)),
                  kMomentAgreement),
          formula.kurt};
}

}  // namespace Zq::Math
