// Gumbel distribution: F(x) = exp(-exp(-(x - alpha)/beta)).
#include "distributions/gumbel.h"

#include <cmath>

#include "distributions/distribution_worksheet.h"

namespace Zq::Math {
namespace {

constexpr double kEuler = 0.57721566490153;
constexpr double kZeta3 = 1.20205690315959;

double ExpOfMinusZ(double x, double alpha, double beta) { return std::exp(-((x - alpha) / beta)); }

}  // namespace

double GumbelCdf(double x, double alpha, double beta) { return std::exp(-ExpOfMinusZ(x, alpha, beta)); }

double GumbelPdf(double x, double alpha, double beta) {
  const double e = ExpOfMinusZ(x, alpha, beta);
  return std::exp(-e) * e / beta;
}

double GumbelInv(double prob, double alpha, double beta) { return alpha - beta * std::log(-std::log(prob)); }

Moments GumbelMoments(double alpha, double beta) {
  return {alpha + kEuler * beta, beta * kTruncatedPi / std::sqrt(6.0),
          std::sqrt(6.0) * 12.0 * kZeta3 / 31.006276680299724, 2.4};
}

}  // namespace Zq::Math

using namespace Zq::Math;

namespace {}  // namespace

ZQ_WORKSHEET ZqGumbelDist(double x, double alpha, double beta, short cumulative) {
  return ZQ_CHECKED_DIST(IsPositiveOrNaN(beta), cumulative, GumbelCdf(x, alpha, beta), GumbelPdf(x, alpha, beta));
}
ZQ_WORKSHEET ZqGumbelInv(double prob, double alpha, double beta) {
  return ZQ_CHECKED_NUMBER(IsOpenProbabilityOrNaN(prob) && IsPositiveOrNaN(beta), GumbelInv(prob, alpha, beta));
}
ZQ_WORKSHEET ZqGumbelMean(double alpha, double beta) {
  return ZQ_CHECKED_NUMBER(IsPositiveOrNaN(beta), GumbelMoments(alpha, beta).mean);
}
ZQ_WORKSHEET ZqGumbelStdev(double beta) {
  return ZQ_CHECKED_NUMBER(IsPositiveOrNaN(beta), GumbelMoments(0.0, beta).stdev);
}
ZQ_WORKSHEET ZqGumbelSkew() { return ZQ_CHECKED_NUMBER(true, GumbelMoments(0.0, 1.0).skew); }
ZQ_WORKSHEET ZqGumbelKurt() { return ZQ_CHECKED_NUMBER(true, GumbelMoments(0.0, 1.0).kurt); }
ZQ_WORKSHEET ZqGumbelMom(double alpha, double beta) {
  return ZQ_CHECKED_MOMENTS(IsPositiveOrNaN(beta), GumbelMoments(alpha, beta));
}
