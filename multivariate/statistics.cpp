#include "multivariate/statistics.h"

#include <cmath>
#include <limits>

#include "numerics/special_values.h"

namespace Zq::Math {

namespace {

// A sum of squares or cross-products at least this large has lost nothing
// that matters to terms below the normal range (each such term is off by at
// most 2^-1075, and there are fewer than 2^31 of them).
constexpr double kSumsKeepTheirDigits = 0x1.0p-900;

// A column read as its values times 2^-exponent. Scaling by a power of two
// is exact; only values more than 2^1021 times smaller than the column's
// largest (far below its last digit) may round.
struct ScaledColumn {
  ConstVectorView x;
  int exponent;
  double operator[](std::int32_t i) const { return std::ldexp(x[i], -exponent); }
};

// The exponent that brings the column's largest magnitude into [0.5, 1);
// 0 (no scaling) when that magnitude is 0 or not finite.
int ScaleExponent(ConstVectorView x, std::int32_t n) {
  double largest = 0;
  for (std::int32_t i = 0; i < n; ++i) {
    const double magnitude = std::fabs(x[i]);
    if (magnitude > largest) largest = magnitude;
  }
  if (!(largest > 0) || !std::isfinite(largest)) return 0;
  int exponent = 0;
  std::frexp(largest, &exponent);
  return exponent;
}

ScaledColumn Scaled(ConstVectorView x, std::int32_t n) { return {x, ScaleExponent(x, n)}; }

struct ExactMean {
  double mean;
  bool constant;
};

// The mean of n >= 1 values: the first value itself when no value differs
// from it, else first * (count of leading copies) plus the rest, over n.
template <class Column>
ExactMean MeanOf(const Column& x, std::int32_t n) {
  const double first = x[0];
  std::int32_t k = 1;
  while (k < n && x[k] == first) ++k;
  if (k == n) return {first, true};
  double sum = first * k;
  for (std::int32_t i = k; i < n; ++i) sum += x[i];
  return {sum / n, false};
}

template <class Column>
double SquaresAbout(const Column& x, std::int32_t n, double mean) {
  double squares = 0.0;
  for (std::int32_t i = 0; i < n; ++i) {
    const double deviation = x[i] - mean;
    squares += deviation * deviation;
  }
  return squares;
}

// The pair's sums, and whether each variable is constant (then the sums
// are exactly the zeros it forces, not sums that underflowed).
struct PairSpread {
  PairSums sums;
  bool constantX;
  bool constantY;
};

template <class X, class Y>
PairSpread PairSpreadOf(const X& x, const Y& y, std::int32_t n) {
  const ExactMean mx = MeanOf(x, n);
  const ExactMean my = MeanOf(y, n);
  PairSums sums{n, mx.mean, my.mean, 0.0, 0.0, 0.0};
  // A constant variable has no spread and no co-spread: nothing is summed.
  if (mx.constant || my.constant) {
    if (!mx.constant) sums.sxx = SquaresAbout(x, n, mx.mean);
    if (!my.constant) sums.syy = SquaresAbout(y, n, my.mean);
    return {sums, mx.constant, my.constant};
  }
  for (std::int32_t i = 0; i < n; ++i) {
    const double dx = x[i] - mx.mean;
    const double dy = y[i] - my.mean;
    sums.sxx += dx * dx;
    sums.syy += dy * dy;
    sums.sxy += dx * dy;
  }
  return {sums, false, false};
}

double CorrelationOf(const PairSums& s) {
  const double n = s.n;
  return s.sxy / (std::sqrt(s.sxx * s.syy / (n * n)) * n);
}

bool KeepsItsDigits(double sum) { return sum >= kSumsKeepTheirDigits && sum <= std::numeric_limits<double>::max(); }

// A constant column's spread is exactly 0; any other's plain sum serves
// where it is accurate.
bool PlainSpreadServes(const ColumnSums& x) { return x.constant || KeepsItsDigits(x.squares); }

// The spread of a column as squares * 2^(2 exponent): the plain sum where
// it is accurate, else the sum over the column scaled to at most 1, which
// neither overflows nor sinks below the normal range.
struct Spread {
  double squares;
  int exponent;
};

Spread SpreadOf(ConstVectorView x, std::int32_t n) {
  const ExactMean plain = MeanOf(x, n);
  const ColumnSums sums{plain.mean, SquaresAbout(x, n, plain.mean), plain.constant};
  if (PlainSpreadServes(sums)) return {sums.squares, 0};
  const ScaledColumn scaled = Scaled(x, n);
  return {SquaresAbout(scaled, n, MeanOf(scaled, n).mean), scaled.exponent};
}

}  // namespace

double ColumnMean(ConstVectorView x) {
  const std::int32_t n = x.Length();
  if (n <= 0) return kNaN;
  const ExactMean plain = MeanOf(x, n);
  if (const auto mean = MeanFromSums({plain.mean, 0.0, plain.constant})) return *mean;
  // The sum overflowed although the mean of finite values lies among them.
  const ScaledColumn scaled = Scaled(x, n);
  return std::ldexp(MeanOf(scaled, n).mean, scaled.exponent);
}

Moments MeanAndSquares(ConstVectorView x) {
  const std::int32_t n = x.Length();
  if (n <= 0) return {n, kNaN, kNaN};
  const double mean = MeanOf(x, n).mean;
  return {n, mean, SquaresAbout(x, n, mean)};
}

double PopulationVariance(ConstVectorView x) {
  const std::int32_t n = x.Length();
  if (n <= 0) return kNaN;
  const Spread spread = SpreadOf(x, n);
  return std::ldexp(spread.squares / n, 2 * spread.exponent);
}

double PopulationStdev(ConstVectorView x) {
  const std::int32_t n = x.Length();
  if (n <= 0) return kNaN;
  const Spread spread = SpreadOf(x, n);
  return std::ldexp(std::sqrt(spread.squares / n), spread.exponent);
}

PairSums PairMoments(ConstVectorView x, ConstVectorView y) {
  const std::int32_t n = x.Length();
  if (n <= 0) return {n, kNaN, kNaN, kNaN, kNaN, kNaN};
  return PairSpreadOf(x, y, n).sums;
}

double PairCorrelation(ConstVectorView x, ConstVectorView y) {
  const std::int32_t n = x.Length();
  if (n <= 0) return kNaN;
  const PairSpread plain = PairSpreadOf(x, y, n);
  const PairSums& s = plain.sums;
  if (const auto r = CorrelationFromSums(n, {s.meanX, s.sxx, plain.constantX}, {s.meanY, s.syy, plain.constantY}, s.sxy)) {
    return *r;
  }
  // A correlation does not depend on the columns' scales: the sums of the
  // columns scaled to at most 1 stay in range.
  return CorrelationOf(PairSpreadOf(Scaled(x, n), Scaled(y, n), n).sums);
}

double PairCovariance(ConstVectorView x, ConstVectorView y) {
  const std::int32_t n = x.Length();
  if (n <= 0) return kNaN;
  const ExactMean mx = MeanOf(x, n);
  const ExactMean my = MeanOf(y, n);
  double sxy = 0.0;
  if (!mx.constant && !my.constant) {
    for (std::int32_t i = 0; i < n; ++i) sxy += (x[i] - mx.mean) * (y[i] - my.mean);
  }
  // (The columns' squares play no part in a covariance.)
  if (const auto v = CovarianceFromSums(n, {mx.mean, 0.0, mx.constant}, {my.mean, 0.0, my.constant}, sxy)) return *v;
  // A sum or a product overflowed: the covariance of the scaled columns,
  // scaled back (infinite only when the covariance itself is too large).
  const ScaledColumn sx = Scaled(x, n);
  const ScaledColumn sy = Scaled(y, n);
  return std::ldexp(PairSpreadOf(sx, sy, n).sums.sxy / n, sx.exponent + sy.exponent);
}

std::optional<double> MeanFromSums(const ColumnSums& x) {
  if (std::isinf(x.mean)) return std::nullopt;
  return x.mean;
}

std::optional<double> StdevFromSums(std::int32_t n, const ColumnSums& x) {
  if (!PlainSpreadServes(x)) return std::nullopt;
  return std::sqrt(x.squares / n);
}

std::optional<double> CorrelationFromSums(std::int32_t n, const ColumnSums& x, const ColumnSums& y, double sxy) {
  // A constant variable has no spread and no co-spread: its correlations
  // are 0 / 0, not a failed sum.
  const bool constant = x.constant || y.constant;
  const PairSums s{n, x.mean, y.mean, x.constant ? 0.0 : x.squares, y.constant ? 0.0 : y.squares, constant ? 0.0 : sxy};
  const double product = s.sxx * s.syy / (static_cast<double>(n) * n);
  if (constant || (KeepsItsDigits(s.sxx) && KeepsItsDigits(s.syy) && std::isfinite(s.sxy) &&
                   product >= std::numeric_limits<double>::min() && product <= std::numeric_limits<double>::max())) {
    return CorrelationOf(s);
  }
  return std::nullopt;
}

std::optional<double> CovarianceFromSums(std::int32_t n, const ColumnSums& x, const ColumnSums& y, double sxy) {
  if (x.constant || y.constant) return 0.0;
  if (!std::isfinite(sxy)) return std::nullopt;
  return sxy / n;
}

double CorrelationFromCovariance(double covariance, double stdevI, double stdevJ) {
  const double product = stdevI * stdevJ;
  if (product >= std::numeric_limits<double>::min() && product <= std::numeric_limits<double>::max()) {
    return covariance / product;
  }
  return covariance / stdevI / stdevJ;
}

}  // namespace Zq::Math
