#include "addin/worksheet_functions.h"
#include "multivariate/symmetric_eigen.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "addin/call_frame.h"
#include "multivariate/linear_algebra.h"
#include "multivariate/matrix_result.h"
#include "tests/unit/array_argument_support.h"
#include "tests/unit/worksheet_result_support.h"

namespace Zq::Math {
namespace {

using Testing::ArrayArgument;
using Testing::Read;

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

TEST(PcaTest, OneByOne) {
  const ArrayArgument a(1, 1, {2.5});
  const auto r = Read(ZqPCA(a));
  ASSERT_EQ(r.rows, 2);
  ASSERT_EQ(r.columns, 1);
  EXPECT_EQ(r.At(0, 0), 2.5);
  EXPECT_EQ(r.At(1, 0), 1.0);
}

TEST(PcaTest, DiagonalInputIsReversedNotSorted) {
  const ArrayArgument three(3, 3, {1, 0, 0, 0, 2, 0, 0, 0, 3});
  const auto r = Read(ZqPCA(three));
  ASSERT_EQ(r.rows, 4);
  EXPECT_EQ(r.At(0, 0), 3.0);
  EXPECT_EQ(r.At(0, 1), 2.0);
  EXPECT_EQ(r.At(0, 2), 1.0);
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) EXPECT_EQ(r.At(1 + i, j), i + j == 2 ? 1.0 : 0.0);
  const ArrayArgument two(2, 2, {3, 0, 0, 1});
  const auto s = Read(ZqPCA(two));
  EXPECT_EQ(s.At(0, 0), 1.0);
  EXPECT_EQ(s.At(0, 1), 3.0);
}

TEST(PcaTest, TwoByTwoEigenvectors) {
  const ArrayArgument a(2, 2, {2, 1, 1, 2});
  const auto r = Read(ZqPCA(a));
  ASSERT_EQ(r.rows, 3);
  for (int j = 0; j < 2; ++j) {
    const double value = r.At(0, j);
    const double x = r.At(1, j), y = r.At(2, j);
    EXPECT_NEAR(std::hypot(x, y), 1.0, 1e-15);
    if (std::fabs(value - 3.0) < 1e-14) {
      EXPECT_NEAR(x, y, 1e-15);
    } else {
      EXPECT_NEAR(value, 1.0, 1e-14);
      EXPECT_NEAR(x, -y, 1e-15);
    }
  }
  EXPECT_NE(std::fabs(r.At(0, 0) - r.At(0, 1)), 0.0);
}

TEST(PcaTest, BadShapesAndNonFiniteInput) {
  const ArrayArgument wide(2, 3, {1, 2, 3, 4, 5, 6});
  EXPECT_TRUE(Read(ZqPCA(wide)).error);
  const ArrayArgument empty(0, 0, {});
  EXPECT_TRUE(Read(ZqPCA(empty)).error);
  const ArrayArgument nan(2, 2, {1, 0, NAN, 1});
  const auto r = Read(ZqPCA(nan));
  EXPECT_TRUE(r.error || std::isnan(r.At(0, 0)) || std::isnan(r.At(0, 1)));
}

}  // namespace
}  // namespace Zq::Math

namespace Zq::Addin {
namespace {

TEST(MatrixArrayTest, LeadingRowIsCountedBeforeNarrowing) {
  std::vector<double> column(65535, 1.0);
  const Math::ConstMatrixView body = Math::ConstMatrixView::Attach(column.data(), 65535, 1, 1, 1, false);
  const Math::ConstVectorView top(column.data(), 1, 1);
  XLOPER record{};
  Result out(record);
  EXPECT_EQ(MatrixArray(out, body, &top)->xltype, xltypeErr);
  const auto whole = Testing::Read(MatrixArray(out, body));
  EXPECT_EQ(whole.rows, 65535);
}

}  // namespace
}  // namespace Zq::Addin
