// Beta distribution: IncompleteBeta and BetaPdf for the distribution, closed
// forms for the moments. No quantile function.
#include "distributions/beta.h"

#include <cmath>

#include "distributions/distribution_worksheet.h"
#include "distributions/special_functions.h"

namespace Zq::Math {

bool BetaShapesValid(double alpha, double beta) { return IsPositiveOrNaN(alpha) && IsPositiveOrNaN(beta); }

Moments BetaMoments(double a, double b) {
  const double sum = a + b;
  const double variance = a * b / (sum * sum * (sum + 1.0));
  return {a / sum, variance > 0.0 ? std::sqrt(variance) : 0.0,
          2.0 * (b - a) * std::sqrt(sum + 1.0) / (std::sqrt(a * b) * (sum + 2.0)),
          6.0 * (a * a * a - a * a * (2.0 * b - 1.0) + b * b * (b + 1.0) - 2.0 * a * b * (b + 2.0)) /
              (a * b * (sum + 2.0) * (sum + 3.0))};
}

}  // namespace Zq::Math

using namespace Zq::Math;

ZQ_WORKSHEET ZqBetaDist(double x, double alpha, double beta, short cumulative) {
  return ZQ_CHECKED_DIST(!(x < 0.0 || x > 1.0) && BetaShapesValid(alpha, beta), cumulative,
                         IncompleteBeta(x, alpha, beta), BetaPdf(x, alpha, beta));
}
ZQ_WORKSHEET ZqBetaMean(double alpha, double beta) {
  return ZQ_CHECKED_NUMBER(BetaShapesValid(alpha, beta), BetaMoments(alpha, beta).mean);
}
ZQ_WORKSHEET ZqBetaStdev(double alpha, double beta) {
  return ZQ_CHECKED_NUMBER(BetaShapesValid(alpha, beta), BetaMoments(alpha, beta).stdev);
}
ZQ_WORKSHEET ZqBetaSkew(double alpha, double beta) {
  return ZQ_CHECKED_NUMBER(BetaShapesValid(alpha, beta), BetaMoments(alpha, beta).skew);
}
ZQ_WORKSHEET ZqBetaKurt(double alpha, double beta) {
  return ZQ_CHECKED_NUMBER(BetaShapesValid(alpha, beta), BetaMoments(alpha, beta).kurt);
}
ZQ_WORKSHEET ZqBetaMom(double alpha, double beta) {
  return ZQ_CHECKED_MOMENTS(BetaShapesValid(alpha, beta), BetaMoments(alpha, beta));
}
