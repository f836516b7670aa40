// Population statistics of strided columns: means, deviation sums, variance,
// correlation and covariance. Estimators divide by n, never n - 1. A column
// whose values are all equal has exactly that value as mean and exactly zero
// spread.
#pragma once

#include <cstdint>

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
// mean and squares NaN when n <= 0.
Moments MeanAndSquares(ConstVectorView x);
double PopulationVariance(ConstVectorView x);
// n from x; y must be at least as long.
PairSums PairMoments(ConstVectorView x, ConstVectorView y);
double PairCorrelation(ConstVectorView x, ConstVectorView y);
double PairCovariance(ConstVectorView x, ConstVectorView y);

}  // namespace Zq::Math
