// The Triangular distribution's worksheet functions: parameter checks around
// the kernels of distributions/triangular.h.
#include "distributions/distribution_worksheet.h"
#include "distributions/triangular.h"

using namespace Zq::Math;

ZQ_WORKSHEET ZqTriangularDist(double x, double a, double b, double c, short cumulative) {
  return ZQ_CHECKED_DIST(!(x < a || x > b) && TriangularShapeValid(a, b, c), cumulative, TriangularCdf(x, a, b, c),
                         TriangularPdf(x, a, b, c));
}
ZQ_WORKSHEET ZqTriangularInv(double prob, double a, double b, double c) {
  return ZQ_CHECKED_NUMBER(IsOpenProbabilityOrNaN(prob) && TriangularShapeValid(a, b, c), TriangularInv(prob, a, b, c));
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
