// Triangular distribution: two quadratic pieces of the distribution meeting
// at the mode c, and their inverses.
#include "distributions/triangular.h"

#include <cmath>

#include "distributions/distribution_worksheet.h"

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

double TriangularInv(double prob, double a, double b, double c) {
  if (prob <= (c - a) / (b - a)) return a + std::sqrt(prob * (b - a) * (c - a));
  return b - std::sqrt((b - a) * (b - c) * (1.0 - prob));
}

Moments TriangularMoments(double a, double b, double c) {
  const double g = std::sqrt((a * a + b * b + c * c - a * b - a * c - b * c) / 18.0);
  return {(c + (a + b)) / 3.0, g, (a + b - 2.0 * c) * (2.0 * a - b - c) * (a - 2.0 * b + c) / (270.0 * (g * g * g)),
          -0.6};
}

}  // namespace Zq::Math

using namespace Zq::Math;

ZQ_WORKSHEET ZqTriangularDist(double x, double a, double b, double c, short cumulative) {
  return ZQ_CHECKED_DIST(!(x < a || x > b) && TriangularShapeValid(a, b, c), cumulative, TriangularCdf(x, a, b, c),
                         TriangularPdf(x, a, b, c));
}
ZQ_WORKSHEET ZqTriangularInv(double prob, double a, double b, double c) {
  return ZQ_CHECKED_NUMBER(IsOpenProbability(prob) && TriangularShapeValid(a, b, c), TriangularInv(prob, a, b, c));
}
ZQ_WORKSHEET ZqTriangularMean(double a, double b, double c) {
  return ZQ_CHECKED_NUMBER(TriangularShapeValid(a, b, c), TriangularMoments(a, b, c).mean);
}
ZQ_WORKSHEET ZqTriangularStdev(double a, double b, double c) {
  return ZQ_CHECKED_NUMBER(TriangularShapeValid(a, b, c), TriangularMoments(a, b, c).stdev);
}
ZQ_WORKSHEET ZqTriangularSkew(double a, double b, double c) {
  return ZQ_CHECKED_NUMBER(TriangularShapeValid(a, b, c), TriangularMoments(a, b, c).skew);
}
ZQ_WORKSHEET ZqTriangularKurt() { return ZQ_CHECKED_NUMBER(true, TriangularMoments(0.0, 1.0, 0.5).kurt); }
ZQ_WORKSHEET ZqTriangularMom(double a, double b, double c) {
  return ZQ_CHECKED_MOMENTS(TriangularShapeValid(a, b, c), TriangularMoments(a, b, c));
}
