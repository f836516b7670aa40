// Truncated normal distribution, with alpha = (a - mu)/sigma,
// beta = (b - mu)/sigma and the normal mass Z = N(beta) - N(alpha) between
// the bounds. The quantile is TruncNormQuantile.
#include "distributions/truncated_normal.h"

#include <cmath>

#include "distributions/distribution_worksheet.h"
#include "distributions/normal.h"
#include "distributions/truncated_normal_quantile.h"

namespace Zq::Math {
namespace {

constexpr double kSmallSigma = 0.00001;

struct Standardised {
  double alpha;
  double beta;
  double mass;
};

Standardised Standardise(double a, double b, double mu, double sigma) {
  const double alpha = (a - mu) / sigma;
  const double beta = (b - mu) / sigma;
  return {alpha, beta, NormCdf(beta) - NormCdf(alpha)};
}

double Mean(const Standardised& s, double mu, double sigma) {
  if (sigma < kSmallSigma || s.mass == 0.0) return mu;
  return mu + sigma * (NormPdf(s.alpha) - NormPdf(s.beta)) / s.mass;
}

double Variance(const Standardised& s, double sigma) {
  if (sigma < kSmallSigma) return kSmallSigma;
  if (s.mass == 0.0) return sigma * sigma;
  const double shift = (NormPdf(s.alpha) - NormPdf(s.beta)) / s.mass;
  return sigma * sigma * (1.0 + (s.alpha * NormPdf(s.alpha) - s.beta * NormPdf(s.beta)) / s.mass - shift * shift);
}

}  // namespace

bool TruncNormParametersValid(double a, double b, double sigma) { return !(b <= a) && IsPositiveParameter(sigma); }

double TruncNormCdf(double x, double a, double b, double mu, double sigma) {
  const Standardised s = Standardise(a, b, mu, sigma);
  return (NormCdf((x - mu) / sigma) - NormCdf(s.alpha)) / s.mass;
}

double TruncNormPdf(double x, double a, double b, double mu, double sigma) {
  return NormPdf((x - mu) / sigma) / (sigma * Standardise(a, b, mu, sigma).mass);
}

Moments TruncNormMoments(double a, double b, double mu, double sigma) {
  const Standardised s = Standardise(a, b, mu, sigma);
  const double variance = Variance(s, sigma);
  const double pb = NormPdf(s.beta) / s.mass;
  const double pa = NormPdf(s.alpha) / s.mass;
  const double e = pb - pa;
  const double h = s.beta * pb - s.alpha * pa;
  const double u = 1.0 - h - e * e;
  const double bend = s.beta * s.beta * pb - s.alpha * s.alpha * pa;
  const double t = 2.0 * (e * e) * (3.0 * h + 1.0) + 3.0 * (e * e * e * e) + 4.0 * e * bend + 3.0 * h +
                   s.beta * s.beta * s.beta * pb - s.alpha * s.alpha * s.alpha * pa;
  return {Mean(s, mu, sigma), variance > 0.0 ? std::sqrt(variance) : 0.0,
          -(2.0 * (e * e * e) + e * (3.0 * h - 1.0) + bend) / std::pow(u, 1.5), (3.0 - t) / (u * u) - 3.0};
}

}  // namespace Zq::Math

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
ZQ_WORKSHEET ZqTruncNormMean(double a, double b, double mu, double sigma) {
  return ZQ_CHECKED_NUMBER(TruncNormParametersValid(a, b, sigma), TruncNormMoments(a, b, mu, sigma).mean);
}
ZQ_WORKSHEET ZqTruncNormStdev(double a, double b, double mu, double sigma) {
  return ZQ_CHECKED_NUMBER(TruncNormParametersValid(a, b, sigma), TruncNormMoments(a, b, mu, sigma).stdev);
}
ZQ_WORKSHEET ZqTruncNormSkew(double a, double b, double mu, double sigma) {
  return ZQ_CHECKED_NUMBER(TruncNormParametersValid(a, b, sigma), TruncNormMoments(a, b, mu, sigma).skew);
}
ZQ_WORKSHEET ZqTruncNormKurt(double a, double b, double mu, double sigma) {
  return ZQ_CHECKED_NUMBER(TruncNormParametersValid(a, b, sigma), TruncNormMoments(a, b, mu, sigma).kurt);
}
ZQ_WORKSHEET ZqTruncNormMom(double a, double b, double mu, double sigma) {
  return ZQ_CHECKED_MOMENTS(TruncNormParametersValid(a, b, sigma), TruncNormMoments(a, b, mu, sigma));
}
