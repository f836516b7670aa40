#include "distributions/truncated_normal_quantile.h"

#include "distributions/normal.h"

namespace Zq::Math {

TruncNormQuantiles::TruncNormQuantiles(double min, double max, double mu, double sigma)
    : min_(min),
      max_(max),
      mu_(mu),
      sigma_(sigma),
      lowerCdf_(NormCdf((min - mu) / sigma)),
      upperCdf_(NormCdf((max - mu) / sigma)) {}

double TruncNormQuantiles::operator()(double p) const {
  if (p == 0) return min_;
  if (p == 1) return max_;
  const double y = mu_ + sigma_ * NormCdfInv(lowerCdf_ + (upperCdf_ - lowerCdf_) * p);
  if (y < min_) return min_;
  if (y > max_) return max_;
  return y;
}

}  // namespace Zq::Math
