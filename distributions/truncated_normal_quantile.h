// The quantile of a normal distribution (mu, sigma) truncated to [min, max]:
// the normal quantile at the matching point between the distribution
// function's values at the two bounds, kept inside the bounds.
#pragma once

namespace Zq::Math {

// The bounds' distribution values are fixed once, so a sampler pays only
// one inverse per value. That formula holds as long as the stable
// distribution function, at the formula's quantiles of probes spread over
// every probability a sampler can ask for, returns those probabilities to
// within kTruncNormAgreement; otherwise (tails, narrow windows) every
// quantile comes from the stable computation.
class TruncNormQuantiles {
 public:
  TruncNormQuantiles(double min, double max, double mu, double sigma);

  // p = 0 gives min and p = 1 gives max exactly: the approximate inverse
  // would land a little off a bound.
  double operator()(double p) const;

 private:
  // mu + sigma * NormCdfInv(Fa + (Fb - Fa) * p), raised to min when below
  // it and lowered to max when above it.
  double Formula(double p) const;

  double min_;
  double max_;
  double mu_;
  double sigma_;
  double lowerCdf_;
  double upperCdf_;
  bool stable_;
};

inline double TruncNormQuantile(double p, double min, double max, double mu, double sigma) {
  return TruncNormQuantiles(min, max, mu, sigma)(p);
}

}  // namespace Zq::Math
