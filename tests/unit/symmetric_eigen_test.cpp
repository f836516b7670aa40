#include "multivariate/symmetric_eigen.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "multivariate/linear_algebra.h"

namespace Zq::Math {
namespace {

TEST(SymmetricEigenTest, RandomSymmetricMatricesRecompose) {
  for (std::int32_t n : {1, 2, 3, 7, 20, 50}) {
    std::mt19937 engine(n);
    std::uniform_real_distribution<double> uniform(-1.0, 1.0);
    Matrix a(n, n, Init::Zero);
    for (std::int32_t i = 0; i < n; ++i)
      for (std::int32_t j = 0; j <= i; ++j) a(i, j) = a(j, i) = uniform(engine);
    Vector d(n, Init::Zero);
    Matrix z(n, n, Init::Zero);
    ASSERT_TRUE(SymmetricEigen(d, z, a));
    // Z diag(d) Z^T = A and Z^T Z = I
    double worstRecompose = 0.0;
    double worstOrthogonal = 0.0;
    for (std::int32_t i = 0; i < n; ++i) {
      for (std::int32_t j = 0; j < n; ++j) {
        double sum = 0.0;
        double dot = 0.0;
        for (std::int32_t k = 0; k < n; ++k) {
          sum += z(i, k) * d[k] * z(j, k);
          dot += z(k, i) * z(k, j);
        }
        worstRecompose = std::max(worstRecompose, std::fabs(sum - a(i, j)));
        worstOrthogonal = std::max(worstOrthogonal, std::fabs(dot - (i == j ? 1.0 : 0.0)));
      }
    }
    EXPECT_LT(worstRecompose, 1e-12) << n;
    EXPECT_LT(worstOrthogonal, 1e-12) << n;
  }
}

TEST(SymmetricEigenTest, UpperTriangleIsIgnored) {
  Matrix lower(3, 3, Init::Zero);
  Matrix symmetric(3, 3, Init::Zero);
  const double values[3][3] = {{4, 0, 0}, {1, 3, 0}, {0.5, -2, 1}};
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 3; ++j) {
      lower(i, j) = j <= i ? values[i][j] : 99.0 + i + j;
      symmetric(i, j) = j <= i ? values[i][j] : values[j][i];
    }
  }
  Vector d1(3, Init::Zero), d2(3, Init::Zero);
  Matrix z1(3, 3, Init::Zero), z2(3, 3, Init::Zero);
  ASSERT_TRUE(SymmetricEigen(d1, z1, lower));
  ASSERT_TRUE(SymmetricEigen(d2, z2, symmetric));
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(d1[i], d2[i]);
    for (int j = 0; j < 3; ++j) EXPECT_EQ(z1(i, j), z2(i, j));
  }
}

TEST(SymmetricEigenTest, RefusesEmptyAndMismatchedShapes) {
  Vector d(2, Init::Zero);
  Matrix z(2, 2, Init::Zero);
  EXPECT_FALSE(SymmetricEigen(d, z, Matrix()));
  Matrix a(3, 3, Init::Zero);
  EXPECT_FALSE(SymmetricEigen(d, z, a));
}

}  // namespace
}  // namespace Zq::Math
