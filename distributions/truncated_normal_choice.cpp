#include "distributions/truncated_normal_choice.h"

#include <cmath>

#include "distributions/normal.h"
#include "distributions/truncated_normal.h"
#include "distributions/truncated_normal_stable.h"

namespace Zq::Math {
namespace {

// The formula's error is a smooth function of x (NormCdf's approximation
// error, divided by the mass) plus rounding: 32 steps across the mass
// find its largest value to within a few per cent.
constexpr int kProbeSteps = 32;
// Beyond e^-40 of the densest point the distribution function is 0 or 1 to
// within 4e-18 either way.
constexpr double kProbeReach = 40.0;

// The distance from c >= 0 outwards at which phi falls by e^-reach.
double Reach(double c) { return 2.0 * kProbeReach / (c + std::sqrt(c * c + 2.0 * kProbeReach)); }

// Calls probe(x) at points spread evenly over the standardised part of
// [a, b] that holds the mass, until it answers false.
template <class Probe>
bool AllProbesPass(double a, double b, double mu, double sigma, Probe probe) {
  const double alpha = (a - mu) / sigma;
  const double beta = (b - mu) / sigma;
  double low = std::fmax(alpha, -Reach(0.0));
  double high = std::fmin(beta, Reach(0.0));
  if (alpha >= 0.0) {
    low = alpha;
    high = std::fmin(beta, alpha + Reach(alpha));
  } else if (beta <= 0.0) {
    low = std::fmax(alpha, beta - Reach(-beta));
    high = beta;
  }
  for (int k = 0; k <= kProbeSteps; ++k) {
    const double x = mu + sigma * (low + (high - low) * k / kProbeSteps);
    if (!probe(std::fmin(std::fmax(x, a), b))) return false;
  }
  return true;
}

// NormCdf is within 7.5e-8 of Phi, so the formula's distribution function
// is within 2 * 7.5e-8 / Z of the true one, and its density within the same
// share: from a mass Z of one half both stay well inside
// kTruncNormAgreement, and probing could only confirm it.
constexpr double kMassSureToHold = 0.5;

double FormulaMass(double a, double b, double mu, double sigma) {
  return NormCdf((b - mu) / sigma) - NormCdf((a - mu) / sigma);
}

}  // namespace

bool TruncNormFormulaCdfHolds(double a, double b, double mu, double sigma) {
  const double mass = FormulaMass(a, b, mu, sigma);
  if (mass >= kMassSureToHold) return true;
  // Each NormCdf value carries a rounding error up to half a unit of 1, and
  // the difference of two of them is divided by the mass.
  const double tolerance = kTruncNormAgreement - 0x1p-52 / mass;
  return AllProbesPass(a, b, mu, sigma, [&](double x) {
    return FormulaStands(TruncNormFormulaCdf(x, a, b, mu, sigma), StableTruncNormCdf(x, a, b, mu, sigma), tolerance);
  });
}

bool TruncNormFormulaPdfHolds(double a, double b, double mu, double sigma) {
  if (FormulaMass(a, b, mu, sigma) >= kMassSureToHold) return true;
  return AllProbesPass(a, b, mu, sigma, [&](double x) {
    const double stable = StableTruncNormPdf(x, a, b, mu, sigma);
    return FormulaStands(TruncNormFormulaPdf(x, a, b, mu, sigma), stable, kTruncNormAgreement * stable);
  });
}

}  // namespace Zq::Math
