// Beta distribution: IncompleteBeta and BetaPdf for the distribution, closed
// forms for the moments. No quantile function.
#include "distributions/beta.h"

#include <cmath>

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
