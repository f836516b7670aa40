// The Truncated normal distribution's worksheet functions: parameter checks around
// the kernels of distributions/truncated_normal.h.
#include "distributions/distribution_worksheet.h"
#include "distributions/truncated_normal.h"
#include "distributions/truncated_normal_quantile.h"

using namespace Zq::Math;

ZQ_WORKSHEET ZqTruncNormDist(double x, double a, double b, double mu, double sigma, short cumulative) {
  return ZQ_CHECKED_DIST(!(x < a || x > b) && TruncNormParametersValid(a, b, sigma), cumulative,
                         TruncNormCdf(x, a, b, mu, sigma), TruncNormPdf(x, a, b, mu, sigma));
}
// Probabilities 0 and 1 are accepted and give the bounds themselves.
ZQ_WORKSHEET ZqTruncNormInv(double prob, double a, double b, double mu, double sigma) {
  return ZQ_CHECKED_NUMBER(!(prob < 0.0 || prob > 1.0) && TruncNormParametersValid(a, b, sigma),
                           TruncNormQuantile(prob, a, b, mu, sigma));
}
ZQ_MOMENT_FUNCTIONS(TruncNorm, (double a, double b, double mu, double sigma),
                    TruncNormParametersValid(a, b, sigma), TruncNormMoments(a, b, mu, sigma))
