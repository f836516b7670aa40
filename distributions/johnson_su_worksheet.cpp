// The Johnson SU distribution's worksheet functions: parameter checks around
// the kernels of distributions/johnson_su.h.
#include "distributions/distribution_worksheet.h"
#include "distributions/johnson_su.h"

using namespace Zq::Math;

namespace {

// A Johnson SU distribution needs a positive delta and a positive lambda
// (a negative lambda gives negative densities, 0 none at all), as its
// sampler requires.
bool ShapeValid(double delta, double lambda) { return IsPositiveOrNaN(delta) && IsPositiveOrNaN(lambda); }

}  // namespace

ZQ_WORKSHEET ZqJohnsonSUDist(double x, double gamma, double delta, double lambda, double xi, short cumulative) {
  return ZQ_CHECKED_DIST(ShapeValid(delta, lambda), cumulative, JohnsonSUCdf(x, gamma, delta, lambda, xi),
                         JohnsonSUPdf(x, gamma, delta, lambda, xi));
}
ZQ_WORKSHEET ZqJohnsonSUInv(double prob, double gamma, double delta, double lambda, double xi) {
  return ZQ_CHECKED_NUMBER(IsOpenProbabilityOrNaN(prob) && ShapeValid(delta, lambda),
                           JohnsonSUInv(prob, gamma, delta, lambda, xi));
}
ZQ_WORKSHEET ZqJohnsonSUNormQQ(double z, double gamma, double delta, double lambda, double xi) {
  return ZQ_CHECKED_NUMBER(ShapeValid(delta, lambda), JohnsonSUFromNormal(z, gamma, delta, lambda, xi));
}
ZQ_MOMENT_FUNCTIONS(JohnsonSU, (double gamma, double delta, double lambda, double xi),
                    ShapeValid(delta, lambda), JohnsonSUMoments(gamma, delta, lambda, xi))
