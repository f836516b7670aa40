// Correlation tables of data at extreme scales, and covariance matrices that
// are not positive semi-definite refused at every scale.
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
  for (double scale : {1e-200, 1e200}) {
    const auto a = Read(ZqMultiCorrel(ArrayArgument(3, 2, {1 * scale, 1, 2 * scale, 2, 3 * scale, 4}), 0, 1));
    EXPECT_NEAR(a.At(0, 0) / scale, std::sqrt(2.0 / 3), 1e-15) << scale;
    EXPECT_NEAR(a.At(1, 1), 3 / std::sqrt(28.0 / 3), 1e-15) << scale;
    EXPECT_NEAR(a.At(2, 0), 3 / std::sqrt(28.0 / 3), 1e-15) << scale;
  }
}

// V = D Q diag(eigenvalues) Q^T D for a random orthogonal Q (a product of
// Householder reflections) and per-variable scales D from 1e-150 to 1e150:
// refused with a negative eigenvalue, else converted (a zero one included).
TEST(Cov2CorScaleTest, RefusesIndefiniteMatricesAtEveryScale) {
  std::mt19937 engine(41);
  std::normal_distribution<double> normal;
  const double scales[] = {1e-150, 1, 1e150, 1e-20, 1e30};
  for (int n = 2; n <= 5; ++n) {
    for (double least : {-0.3, -1e-3, -1e-9, 0.0, 1e-12, 0.2}) {
      std::vector<double> q(n * n, 0.0), v(n * n, 0.0);
      for (int i = 0; i < n; ++i) q[i * n + i] = 1;
      for (int reflection = 0; reflection < n; ++reflection) {
        std::vector<double> u(n);
        double norm = 0;
        for (double& x : u) x = normal(engine), norm += x * x;
        for (int i = 0; i < n; ++i) {
          double dot = 0;
          for (int k = 0; k < n; ++k) dot += q[i * n + k] * u[k];
          for (int k = 0; k < n; ++k) q[i * n + k] -= 2 * dot / norm * u[k];
        }
      }
      for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j)
          for (int k = 0; k < n; ++k) v[i * n + j] += q[i * n + k] * (k == 0 ? least : 0.5 + k) * q[j * n + k];
      for (int k = 0; k < n * n; ++k) v[k] *= scales[(k / n + n) % 5] * scales[(k % n + n) % 5];
      const auto a = Read(ZqCov2Cor(ArrayArgument(n, n, v), 0));
      ASSERT_EQ(a.error, least < 0) << n << " " << least;
      for (int k = 0; k < n * n && !a.error; ++k) {
        EXPECT_NEAR(a.At(k / n, k % n), v[k] / std::sqrt(v[k / n * (n + 1)]) / std::sqrt(v[k % n * (n + 1)]), 1e-14);
      }
    }
  }
  EXPECT_TRUE(Read(ZqCov2Cor(ArrayArgument(2, 2, {4, 2, 2, 1e-300}), 1)).error);
}

}  // namespace
}  // namespace Zq::Math
