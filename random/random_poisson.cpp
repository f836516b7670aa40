#include "random/random_poisson.h"

#include <cmath>
#include <cstdint>
#include <limits>

#include "distributions/pinned_constants.h"
#include "distributions/special_functions.h"

namespace Zq::Math {

namespace {
constexpr double kNotComputed = -1;

// floor(e) for e >= 0 (or NaN): below 2^52 the truncation to a whole
// number, from there on e itself, which is whole.
double WholePart(double e) { return e < 0x1.0p52 ? static_cast<double>(static_cast<std::int64_t>(e)) : e; }
constexpr double kNoCounts = std::numeric_limits<double>::infinity();

// (1 + r) ln(1 + r) - r for |r| <= 1/2, through v = r / (2 + r):
// ln(1 + r) = 2 atanh(v), so the value is r v + 2 (1 + r)(v^3/3 + v^5/5 + ...),
// a sum of terms that does not cancel (|v| <= 1/3).
double SaddlePointDeviance(double r) {
  const double v = r / (2 + r);
  const double vv = v * v;
  double power = v;
  double series = 0;
  for (int k = 3; k < 80; k += 2) {
    power *= vv;
    const double term = power / k;
    const double next = series + term;
    if (next == series) break;
    series = next;
  }
  return r * v + 2 * (1 + r) * series;
}
}  // namespace

double PoissonSaddlePointWeight(double e, double mean) {
  // e - mean is exact for e in [mean / 2, 2 mean] (both are doubles).
  const double r = (e - mean) / mean;
  if (std::fabs(r) > 0.5) return 0;
  const double logWeight = -(mean * SaddlePointDeviance(r)) - 0.5 * std::log(1 + r) + r / (12 * e);
  return std::exp(logWeight);
}

std::optional<RandomPoisson> RandomPoisson::Make(double lambda) {
  if (!(lambda > 0)) return std::nullopt;
  return RandomPoisson(lambda);
}

RandomPoisson::RandomPoisson(double lambda) : lambda_(lambda) {
  if (lambda < kRejectionFrom) {
    g_ = std::exp(-lambda);
    return;
  }
  // Past half the largest double 2 lambda overflows, and an infinite
  // spread would reject every draw: there the root is taken in two factors.
  sq_ = std::isfinite(2 * lambda) ? std::sqrt(2 * lambda) : std::sqrt(2.0) * std::sqrt(lambda);
  logMean_ = std::log(lambda);
  g_ = lambda * logMean_ - LogGamma(lambda + 1);
  // Counts are whole numbers, exact in doubles below 2^53; past that nothing
  // is remembered.
  const double first = std::floor(lambda) - kRememberedCounts / 2;
  firstRemembered_ = lambda < 0x1.0p52 ? (first > 0 ? first : 0) : kNoCounts;
  for (double& w : weights_) w = kNotComputed;
}

double RandomPoisson::NextByProduct(RandomUniform& engine) const {
  double k = -1;
  double t = 1;
  do {
    k += 1;
    t *= engine.NextUniform();
  } while (t > g_);
  return k;
}

double RandomPoisson::NextByRejection(RandomUniform& engine) {
  for (;;) {
    double y;
    double e;
    do {
      y = std::tan(kTruncatedPi * engine.NextUniform());
      e = sq_ * y + lambda_;
    } while (e < 0);
    e = WholePart(e);
    const double t = 0.9 * (1 + y * y) * CountWeight(e);
    if (!(engine.NextUniform() > t)) return e;
  }
}

double RandomPoisson::NewCountWeight(double e) {
  const double weight =
      lambda_ >= kSaddlePointFrom ? PoissonSaddlePointWeight(e, lambda_) : std::exp(e * logMean_ - LogGamma(e + 1) - g_);
  const double index = e - firstRemembered_;
  // A weight is never negative; a NaN one is computed again each time.
  if (index >= 0 && index < kRememberedCounts) weights_[static_cast<int>(index)] = weight;
  return weight;
}

}  // namespace Zq::Math
