#include "distributions/truncated_normal_quantile.h"

#include <cmath>
#include <initializer_list>

#include "distributions/normal.h"
#include "distributions/truncated_normal.h"
#include "distributions/truncated_normal_stable.h"

namespace Zq::Math {
namespace {

// Probabilities from the sampler's extremes (1e-12) to the centre, and
// their mirror images.
constexpr double kProbes[] = {1e-12, 1e-9, 1e-6, 1e-3, 0.02, 0.1, 0.3, 0.5};

}  // namespace

TruncNormQuantiles::TruncNormQuantiles(double min, double max, double mu, double sigma)
    : min_(min),
      max_(max),
      mu_(mu),
      sigma_(sigma),
      lowerCdf_(NormCdf((min - mu) / sigma)),
      upperCdf_(NormCdf((max - mu) / sigma)),
      stable_(false) {
  for (const double probe : kProbes) {
    for (const double p : {probe, 1.0 - probe}) {
      const double reached = StableTruncNormCdf(Formula(p), min, max, mu, sigma);
      if (!FormulaStands(reached, p, kTruncNormAgreement)) stable_ = true;
    }
  }
}

double TruncNormQuantiles::Formula(double p) const {
  const double y = mu_ + sigma_ * NormCdfInv(lowerCdf_ + (upperCdf_ - lowerCdf_) * p);
  if (y < min_) return min_;
  if (y > max_) return max_;
  return y;
}

double TruncNormQuantiles::operator()(double p) const {
  if (p == 0) return min_;
  if (p == 1) return max_;
  return stable_ ? StableTruncNormQuantile(p, min_, max_, mu_, sigma_) : Formula(p);
}

}  // namespace Zq::Math
