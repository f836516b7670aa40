#include "distributions/weibull.h"

#include <cmath>
#include <limits>

#include "distributions/special_functions.h"

namespace Zq::Math {
namespace {

double Gamma(double v) { return std::exp(LogGamma(v)); }

// ζ(2) ... ζ(14): lnΓ(1 + x) = -γ x + Σ (-1)^j ζ(j) x^j / j.
constexpr double kZeta[] = {1.6449340668482264, 1.2020569031595943, 1.0823232337111382, 1.0369277551433699,
                            1.0173430619844491, 1.0083492773819228, 1.0040773561979443, 1.0020083928260822,
                            1.0009945751278181, 1.0004941886041195, 1.0002460865533080, 1.0001227133475785,
                            1.0000612481350587};

}  // namespace

bool WeibullParametersValid(double shape, double scale) { return IsPositiveOrNaN(shape) && IsPositiveOrNaN(scale); }

// 1 - exp(-z) loses z to rounding below about 1e-16 (the cumulative of
// 1e-10 with shape 2 came out 0, not 1e-20); ExpMinusOne keeps it. The plain
// form stands wherever the two agree to 1e-6.
double WeibullCdf(double x, double shape, double scale) {
  const double z = std::pow(x / scale, shape);
  const double plain = 1.0 - std::exp(-z);
  const double stable = -ExpMinusOne(-z);
  return Checked(plain, stable, 1e-6 * stable);
}

// Far in the tail (x/scale)^(shape - 1) overflows while exp(-(x/scale)^shape)
// underflows, and their product is inf * 0; short of that the underflowed
// exponential still takes the density to 0 too early. There the density
// comes from the sum of the logarithms, with ln(x/scale) taken as a
// difference where the ratio overflows.
double WeibullPdf(double x, double shape, double scale) {
  const double tail = std::exp(-std::pow(x / scale, shape));
  const double formula = (shape / scale) * std::pow(x / scale, shape - 1.0) * tail;
  if (std::isfinite(formula) && tail >= std::numeric_limits<double>::min()) return formula;
  const double ratio = x / scale;
  const double logRatio = std::isfinite(ratio) ? std::log(ratio) : std::log(x) - std::log(scale);
  return std::exp(std::log(shape / scale) + (shape - 1.0) * logRatio - std::exp(shape * logRatio));
}

// ln(1 - prob) loses prob to rounding below about 1e-16 (the quantile of
// 1e-20 came out 0); LogOnePlus keeps it. The plain form stands wherever
// the two agree to 1e-6.
double WeibullInv(double prob, double shape, double scale) {
  const double plain = scale * std::pow(-std::log(1.0 - prob), 1.0 / shape);
  const double stable = scale * std::pow(-LogOnePlus(-prob), 1.0 / shape);
  return Checked(plain, stable, 1e-6 * stable);
}

// The Euler terms cancel: g(a) = Σ (-1)^j ζ(j) (2^j - 2)/j a^j from j = 2,
// summed from the smallest term up. Below a = 0.01 the last term is under
// 1e-17 of the first.
WeibullSpread WeibullLogSpread(double a) {
  constexpr int kTerms = sizeof(kZeta) / sizeof(kZeta[0]);
  double value = 0.0;
  double slope = 0.0;
  for (int i = kTerms - 1; i >= 0; --i) {
    const int j = i + 2;
    const double coefficient = (j % 2 == 0 ? 1.0 : -1.0) * kZeta[i] * static_cast<double>((1 << j) - 2);
    value = value * a + coefficient / j;
    slope = slope * a + coefficient;
  }
  return {value * a * a, slope * a};
}

Moments WeibullMoments(double shape, double scale) {
  const double mu = scale * Gamma(1.0 + 1.0 / shape);
  const double mu2 = mu * mu;
  const double sigma = std::sqrt(scale * scale * Gamma(1.0 + 2.0 / shape) - mu2);
  const double sigma2 = sigma * sigma;
  const double sigma3 = sigma2 * sigma;
  const double skew = (scale * scale * scale * Gamma(1.0 + 3.0 / shape) - 3.0 * mu * sigma2 - mu2 * mu) / sigma3;
  const double scale2 = scale * scale;
  const double kurt =
      (scale2 * scale2 * Gamma(1.0 + 4.0 / shape) - 4.0 * mu * sigma3 * skew - 6.0 * mu2 * sigma2 - mu2 * mu2) /
          (sigma2 * sigma2) -
      3.0;
  if (!(shape > kWeibullSeriesShape)) return {mu, sigma, skew, kurt};
  return {mu, mu * std::sqrt(ExpMinusOne(WeibullLogSpread(1.0 / shape).value)), skew, kurt};
}

}  // namespace Zq::Math
