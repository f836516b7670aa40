// Gumbel distribution: F(x) = exp(-exp(-(x - alpha)/beta)).
#include "distributions/gumbel.h"

#include <cmath>

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
