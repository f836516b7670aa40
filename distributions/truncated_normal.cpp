// Truncated normal distribution, with alpha = (a - mu)/sigma,
// beta = (b - mu)/sigma and the normal mass Z = N(beta) - N(alpha) between
// the bounds. The quantile is TruncNormQuantile.
//
// The closed formulas below work from NormCdf, whose absolute error
// reaches 7.5e-8. Divided by a small mass Z, or cancelling in the
// moments of a tail or a narrow window, that error takes every digit. Each
// value is therefore checked against the stable computation of
// truncated_normal_stable.h. For the moments the formula's value stands
// wherever the two agree to within kAgreement, and the stable value
// replaces it elsewhere, so a switch moves no value by more than that. The
// distribution function and the density choose once for the whole window
// (truncated_normal_choice.h), so that neither steps as x moves.
#include "distributions/truncated_normal.h"

#include <cmath>

#include "distributions/normal.h"
#include "distributions/truncated_normal_choice.h"
#include "distributions/truncated_normal_stable.h"

namespace Zq::Math {
namespace {

// Below this sigma the formula takes the mean to be mu; Checked keeps that
// only where the stable mean agrees.
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

double FormulaMean(const Standardised& s, double mu, double sigma) {
  if (sigma < kSmallSigma || s.mass == 0.0) return mu;
  return mu + sigma * (NormPdf(s.alpha) - NormPdf(s.beta)) / s.mass;
}

double FormulaVariance(const Standardised& s, double sigma) {
  if (s.mass == 0.0) return sigma * sigma;
  const double shift = (NormPdf(s.alpha) - NormPdf(s.beta)) / s.mass;
  return sigma * sigma * (1.0 + (s.alpha * NormPdf(s.alpha) - s.beta * NormPdf(s.beta)) / s.mass - shift * shift);
}

Moments FormulaMoments(double a, double b, double mu, double sigma) {
  const Standardised s = Standardise(a, b, mu, sigma);
  const double variance = FormulaVariance(s, sigma);
  const double pb = NormPdf(s.beta) / s.mass;
  const double pa = NormPdf(s.alpha) / s.mass;
  const double e = pb - pa;
  const double h = s.beta * pb - s.alpha * pa;
  const double u = 1.0 - h - e * e;
  const double bend = s.beta * s.beta * pb - s.alpha * s.alpha * pa;
  const double t = 2.0 * (e * e) * (3.0 * h + 1.0) + 3.0 * (e * e * e * e) + 4.0 * e * bend + 3.0 * h +
                   s.beta * s.beta * s.beta * pb - s.alpha * s.alpha * s.alpha * pa;
  return {FormulaMean(s, mu, sigma), variance > 0.0 ? std::sqrt(variance) : 0.0,
          -(2.0 * (e * e * e) + e * (3.0 * h - 1.0) + bend) / std::pow(u, 1.5), (3.0 - t) / (u * u) - 3.0};
}


}  // namespace

bool TruncNormParametersValid(double a, double b, double sigma) { return !(b <= a) && IsPositiveOrNaN(sigma); }

double TruncNormFormulaCdf(double x, double a, double b, double mu, double sigma) {
  const Standardised s = Standardise(a, b, mu, sigma);
  return (NormCdf((x - mu) / sigma) - NormCdf(s.alpha)) / s.mass;
}

double TruncNormFormulaPdf(double x, double a, double b, double mu, double sigma) {
  return NormPdf((x - mu) / sigma) / (sigma * Standardise(a, b, mu, sigma).mass);
}

double TruncNormCdf(double x, double a, double b, double mu, double sigma) {
  if (TruncNormFormulaCdfHolds(a, b, mu, sigma)) return TruncNormFormulaCdf(x, a, b, mu, sigma);
  return StableTruncNormCdf(x, a, b, mu, sigma);
}

double TruncNormPdf(double x, double a, double b, double mu, double sigma) {
  if (TruncNormFormulaPdfHolds(a, b, mu, sigma)) return TruncNormFormulaPdf(x, a, b, mu, sigma);
  return StableTruncNormPdf(x, a, b, mu, sigma);
}

Moments TruncNormMoments(double a, double b, double mu, double sigma) {
  const Moments formula = FormulaMoments(a, b, mu, sigma);
  const Moments stable = StableTruncNormMoments(a, b, mu, sigma);
  return {Checked(formula.mean, stable.mean, kTruncNormAgreement * stable.stdev),
          Checked(formula.stdev, stable.stdev, kTruncNormAgreement * stable.stdev),
          Checked(formula.skew, stable.skew, kTruncNormShapeAgreement),
          Checked(formula.kurt, stable.kurt, kTruncNormShapeAgreement)};
}

}  // namespace Zq::Math
