#include "multivariate/statistics.h"

#include <cmath>
#include <limits>

namespace Zq::Math {

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

struct ExactMean {
  double mean;
  bool constant;
};

// The mean of n >= 1 values: the first value itself when no value differs
// from it, else first * (count of leading copies) plus the rest, over n.
ExactMean MeanOf(ConstVectorView x, std::int32_t n) {
  const double first = x[0];
  std::int32_t k = 1;
  while (k < n && x[k] == first) ++k;
  if (k == n) return {first, true};
  double sum = first * k;
  for (std::int32_t i = k; i < n; ++i) sum += x[i];
  return {sum / n, false};
}

double SquaresAbout(ConstVectorView x, std::int32_t n, double mean) {
  double squares = 0.0;
  for (std::int32_t i = 0; i < n; ++i) {
    const double deviation = x[i] - mean;
    squares += deviation * deviation;
  }
  return squares;
}

}  // namespace

double ColumnMean(ConstVectorView x) {
  const std::int32_t n = x.Length();
  return n > 0 ? MeanOf(x, n).mean : kNaN;
}

Moments MeanAndSquares(ConstVectorView x) {
  const std::int32_t n = x.Length();
  if (n <= 0) return {n, kNaN, kNaN};
  const double mean = MeanOf(x, n).mean;
  return {n, mean, SquaresAbout(x, n, mean)};
}

double PopulationVariance(ConstVectorView x) {
  const Moments m = MeanAndSquares(x);
  return m.n > 0 ? m.squares / m.n : kNaN;
}

PairSums PairMoments(ConstVectorView x, ConstVectorView y) {
  const std::int32_t n = x.Length();
  if (n <= 0) return {n, kNaN, kNaN, kNaN, kNaN, kNaN};
  const ExactMean mx = MeanOf(x, n);
  const ExactMean my = MeanOf(y, n);
  PairSums sums{n, mx.mean, my.mean, 0.0, 0.0, 0.0};
  // A constant variable has no spread and no co-spread: nothing is summed.
  if (mx.constant || my.constant) {
    if (!mx.constant) sums.sxx = SquaresAbout(x, n, mx.mean);
    if (!my.constant) sums.syy = SquaresAbout(y, n, my.mean);
    return sums;
  }
  for (std::int32_t i = 0; i < n; ++i) {
    const double dx = x[i] - mx.mean;
    const double dy = y[i] - my.mean;
    sums.sxx += dx * dx;
    sums.syy += dy * dy;
    sums.sxy += dx * dy;
  }
  return sums;
}

double PairCorrelation(ConstVectorView x, ConstVectorView y) {
  const PairSums s = PairMoments(x, y);
  if (s.n <= 0) return kNaN;
  const double n = s.n;
  return s.sxy / (std::sqrt(s.sxx * s.syy / (n * n)) * n);
}

double PairCovariance(ConstVectorView x, ConstVectorView y) {
  const std::int32_t n = x.Length();
  if (n <= 0) return kNaN;
  const ExactMean mx = MeanOf(x, n);
  const ExactMean my = MeanOf(y, n);
  if (mx.constant || my.constant) return 0.0;
  double sxy = 0.0;
  for (std::int32_t i = 0; i < n; ++i) sxy += (x[i] - mx.mean) * (y[i] - my.mean);
  return sxy / n;
}

}  // namespace Zq::Math
