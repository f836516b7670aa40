// Population statistics of strided columns: means, deviation sums, variance,
// correlation and covariance. Estimators divide by n, never n - 1. A column
// whose values are all equal has exactly that value as mean and exactly zero
// spread. Where a column's scale makes a sum overflow, or its squares sink
// below the normal range, the statistics come from the column scaled by a
// power of two (exactly), so that each is right wherever it is representable.
#pragma once

#include <cstdint>
#include <optional>

#include "multivariate/matrix.h"

namespace Zq::Math {

struct Moments {
  std::int32_t n;
  double mean;
  double squares;  // sum of squared deviations from the mean
};

struct PairSums {
  std::int32_t n;
  double meanX;
  double meanY;
  double sxx;
  double syy;
  double sxy;
};

// NaN for an empty view.
double ColumnMean(ConstVectorView x);
// mean and squares NaN when n <= 0. The plain sums, unscaled.
Moments MeanAndSquares(ConstVectorView x);
double PopulationVariance(ConstVectorView x);
// sqrt(PopulationVariance(x)), also where the variance itself is out of range.
double PopulationStdev(ConstVectorView x);
// n from x; y must be at least as long. The plain sums, unscaled.
PairSums PairMoments(ConstVectorView x, ConstVectorView y);
double PairCorrelation(ConstVectorView x, ConstVectorView y);
double PairCovariance(ConstVectorView x, ConstVectorView y);
// covariance / (stdevI stdevJ), also where that product of deviations
// leaves the normal range.
double CorrelationFromCovariance(double covariance, double stdevI, double stdevJ);

// What a column brings to every statistic of it and of the pairs it is in:
// its exact mean, whether all its values equal the first, and the sum of its
// squared deviations from that mean in row order.
struct ColumnSums {
  double mean;
  double squares;
  bool constant;
};

// ColumnMean, PopulationStdev, PairCorrelation and PairCovariance of columns
// of n values with these sums (and, for a pair, the cross sum
// sxy = sum of (x - mean x)(y - mean y) in row order): the same answer where
// those functions take it from the plain sums, nothing where they turn to
// the columns scaled by powers of two.
std::optional<double> MeanFromSums(const ColumnSums& x);
std::optional<double> StdevFromSums(std::int32_t n, const ColumnSums& x);
std::optional<double> CorrelationFromSums(std::int32_t n, const ColumnSums& x, const ColumnSums& y, double sxy);
std::optional<double> CovarianceFromSums(std::int32_t n, const ColumnSums& x, const ColumnSums& y, double sxy);

}  // namespace Zq::Math
