// Correlation tables of data at any scale, and covariance matrices that are
// no covariance matrices (not positive semi-definite) refused whatever
// their scale.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

#include "addin/worksheet_functions.h"
#include "tests/worksheet/array_argument_support.h"
#include "tests/worksheet/worksheet_result_support.h"

namespace Zq::Math {
namespace {

using Testing::ArrayArgument;
using Testing::Read;

TEST(MultiCorrelScaleTest, ColumnsAtExtremeScalesKeepTheirCorrelation) {
  const double correlation = 3 / std::sqrt(28.0 / 3);  // of (1, 2, 3) and (1, 2, 4)
  for (double scale : {1e-300, 1e-200, 1e-100, 1e100, 1e200, 1e300}) {
    SCOPED_TRACE(scale);
    const ArrayArgument data(3, 2, {1 * scale, 1, 2 * scale, 2, 3 * scale, 4});
    const auto a = Read(ZqMultiCorrel(data, 1, 1));
    ASSERT_FALSE(a.error);
    EXPECT_NEAR(a.At(0, 0) / scale, 2, 1e-15);
    EXPECT_NEAR(a.At(1, 0) / scale, std::sqrt(2.0 / 3), 1e-15);
    EXPECT_NEAR(a.At(2, 1), correlation, 1e-15);
    EXPECT_EQ(a.At(2, 1), a.At(3, 0));
    const auto c = Read(ZqMultiCovarp(data, 0));
    EXPECT_NEAR(c.At(0, 1) / scale, 1, 1e-15);
  }
}

// Q diag(eigenvalues) Q^T for a random orthogonal Q (a product of
// Householder reflections), rows and columns then multiplied by `scales`.
std::vector<double> Covariance(const std::vector<double>& eigenvalues, const std::vector<double>& scales,
                               std::mt19937& engine) {
  const int n = static_cast<int>(eigenvalues.size());
  std::normal_distribution<double> normal;
  std::vector<double> q(n * n, 0.0);
  for (int i = 0; i < n; ++i) q[i * n + i] = 1;
  for (int reflection = 0; reflection < n; ++reflection) {
    std::vector<double> v(n);
    double norm = 0;
    for (double& x : v) {
      x = normal(engine);
      norm += x * x;
    }
    for (int i = 0; i < n; ++i) {
      double dot = 0;
      for (int k = 0; k < n; ++k) dot += q[i * n + k] * v[k];
      for (int k = 0; k < n; ++k) q[i * n + k] -= 2 * dot / norm * v[k];
    }
  }
  std::vector<double> covariance(n * n, 0.0);
  for (int i = 0; i < n; ++i)
    for (int j = 0; j < n; ++j) {
      double sum = 0;
      for (int k = 0; k < n; ++k) sum += q[i * n + k] * eigenvalues[k] * q[j * n + k];
      covariance[i * n + j] = scales[i] * sum * scales[j];
    }
  return covariance;
}

TEST(Cov2CorScaleTest, RefusesIndefiniteMatricesAtEveryScale) {
  std::mt19937 engine(41);
  const std::vector<std::vector<double>> scaleSets = {
      {1, 1, 1, 1, 1}, {1e-150, 1, 1e150, 1e-20, 1e30}, {1e150, 1e150, 1e-150, 1e-150, 1}, {1e-100, 1e-90, 1e-80, 1e-70, 1e-60}};
  for (int n = 2; n <= 5; ++n) {
    for (const auto& allScales : scaleSets) {
      const std::vector<double> scales(allScales.begin(), allScales.begin() + n);
      for (double negative : {-1e-9, -1e-6, -1e-3, -0.3}) {
        std::vector<double> eigenvalues(n);
        for (int k = 0; k < n; ++k) eigenvalues[k] = 0.5 + k;
        eigenvalues[n / 2] = negative;
        const ArrayArgument v(n, n, Covariance(eigenvalues, scales, engine));
        EXPECT_TRUE(Read(ZqCov2Cor(v, 1)).error) << n << " " << scales[0] << " " << negative;
      }
      for (double least : {0.0, 1e-12, 0.2}) {
        std::vector<double> eigenvalues(n);
        for (int k = 0; k < n; ++k) eigenvalues[k] = 0.5 + k;
        eigenvalues[0] = least;
        const std::vector<double> covariance = Covariance(eigenvalues, scales, engine);
        const auto a = Read(ZqCov2Cor(ArrayArgument(n, n, covariance), 1));
        ASSERT_FALSE(a.error) << n << " " << scales[0] << " " << least;
        for (int i = 0; i < n; ++i) {
          EXPECT_NEAR(a.At(0, i) / std::sqrt(covariance[i * n + i]), 1, 1e-15);
          for (int j = 0; j < n; ++j) {
            const double expected = covariance[i * n + j] / std::sqrt(covariance[i * n + i]) / std::sqrt(covariance[j * n + j]);
            EXPECT_NEAR(a.At(1 + i, j), expected, 1e-14);
          }
        }
      }
    }
  }
  const ArrayArgument misScaled(2, 2, {4, 2, 2, 1e-300});
  EXPECT_TRUE(Read(ZqCov2Cor(misScaled, 1)).error);
}

}  // namespace
}  // namespace Zq::Math
