#include "multivariate/linear_algebra.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

namespace Zq::Math {
namespace {

Matrix RandomMatrix(std::int32_t rows, std::int32_t columns, unsigned seed) {
  std::mt19937 engine(seed);
  std::uniform_real_distribution<double> uniform(-1.0, 1.0);
  Matrix m(rows, columns, Init::Uninitialised);
  for (std::int32_t i = 0; i < rows; ++i)
    for (std::int32_t j = 0; j < columns; ++j) m(i, j) = uniform(engine);
  return m;
}

Matrix FromRows(std::int32_t rows, std::int32_t columns, std::initializer_list<double> values) {
  Matrix m(rows, columns, Init::Uninitialised);
  auto it = values.begin();
  for (std::int32_t i = 0; i < rows; ++i)
    for (std::int32_t j = 0; j < columns; ++j) m(i, j) = *it++;
  return m;
}

double MaxDifference(ConstMatrixView a, ConstMatrixView b) {
  double worst = 0.0;
  for (std::int32_t i = 0; i < a.Rows(); ++i)
    for (std::int32_t j = 0; j < a.Columns(); ++j) worst = std::max(worst, std::fabs(a(i, j) - b(i, j)));
  return worst;
}

// U diag(w) V^T
Matrix Recompose(ConstMatrixView u, ConstVectorView w, ConstMatrixView v) {
  Matrix scaled(u.Rows(), u.Columns(), Init::Zero);
  for (std::int32_t i = 0; i < u.Rows(); ++i)
    for (std::int32_t j = 0; j < u.Columns(); ++j) scaled(i, j) = u(i, j) * w[j];
  const ConstMatrixView vt = ConstMatrixView::Attach(v.Data(), v.Columns(), v.Rows(), v.ColStride(), v.RowStride(), false);
  Matrix product;
  EXPECT_TRUE(MatrixProduct(scaled, vt, product));
  return product;
}

Matrix Identity(std::int32_t n) {
  Matrix m(n, n, Init::Zero);
  FillView(m.Diagonal(), 1.0);
  return m;
}

TEST(LuTest, ZeroRowIsRefused) {
  Matrix a = FromRows(3, 3, {1, 2, 3, 0, 0, 0, 4, 5, 7});
  IndexVector pivot(3, Init::Zero);
  double sign = 0.0;
  EXPECT_FALSE(LuDecompose(a, pivot, sign));
}

TEST(LuTest, EqualRowsGetTinyPivotInsteadOfFailure) {
  Matrix a = FromRows(2, 2, {1, 2, 1, 2});
  IndexVector pivot(2, Init::Zero);
  double sign = 0.0;
  ASSERT_TRUE(LuDecompose(a, pivot, sign));
  EXPECT_EQ(a(1, 1), std::ldexp(1.0, -126));
}

TEST(LuTest, TiesGoToLaterRow) {
  Matrix a = FromRows(2, 2, {2, 1, 2, 1.5});  // scaled candidates 1 and 1
  IndexVector pivot(2, Init::Zero);
  double sign = 0.0;
  ASSERT_TRUE(LuDecompose(a, pivot, sign));
  EXPECT_EQ(pivot[0], 1);
  EXPECT_EQ(sign, -1.0);
  EXPECT_EQ(a(0, 0), 2.0);
  EXPECT_EQ(a(0, 1), 1.5);
}

TEST(LuTest, ShortPivotRecordOrNonSquareIsRefused) {
  Matrix a = RandomMatrix(3, 3, 1);
  IndexVector shortPivot(2, Init::Zero);
  double sign = 0.0;
  EXPECT_FALSE(LuDecompose(a, shortPivot, sign));
  Matrix wide = RandomMatrix(2, 3, 1);
  IndexVector pivot(3, Init::Zero);
  EXPECT_FALSE(LuDecompose(wide, pivot, sign));
}

TEST(LuTest, SolveReproducesRightHandSideAndDeterminantSign) {
  for (std::int32_t n : {1, 2, 5, 12, 40}) {
    Matrix a = RandomMatrix(n, n, 10 + n);
    Matrix lu;
    ASSERT_TRUE(AssignFrom(lu, a));
    IndexVector pivot(n, Init::Zero);
    double sign = 0.0;
    ASSERT_TRUE(LuDecompose(lu, pivot, sign));
    EXPECT_TRUE(sign == 1.0 || sign == -1.0);
    Vector b(n, Init::Zero);
    b[n - 1] = 1.0;  // leading zeros exercise the skip of the forward pass
    Vector x;
    ASSERT_TRUE(AssignFrom(x, b));
    LuSolve(lu, pivot, x);
    for (std::int32_t i = 0; i < n; ++i) {
      double row = 0.0;
      for (std::int32_t j = 0; j < n; ++j) row += a(i, j) * x[j];
      EXPECT_NEAR(row, b[i], 1e-9) << "n=" << n << " i=" << i;
    }
  }
}

TEST(LuTest, SolveOnStridedRightHandSide) {
  Matrix a = RandomMatrix(4, 4, 3);
  IndexVector pivot(4, Init::Zero);
  double sign = 0.0;
  ASSERT_TRUE(LuDecompose(a, pivot, sign));
  Matrix columns(4, 2, Init::Zero);
  Vector packed(4, Init::Zero);
  for (int i = 0; i < 4; ++i) columns(i, 1) = packed[i] = i - 1.5;
  LuSolve(a, pivot, columns.Column(1));
  LuSolve(a, pivot, packed);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(columns(i, 1), packed[i]);
}

TEST(InvertTest, IdentityAndAliasing) {
  Matrix unit = Identity(4);
  Matrix inverse(4, 4, Init::Uninitialised);
  ASSERT_TRUE(Invert(unit, inverse));
  EXPECT_EQ(MaxDifference(inverse, unit), 0.0);

  for (std::int32_t n : {1, 3, 8, 25}) {
    Matrix a = RandomMatrix(n, n, 100 + n);
    Matrix separate(n, n, Init::Uninitialised);
    ASSERT_TRUE(Invert(a, separate));
    Matrix product;
    ASSERT_TRUE(MatrixProduct(a, separate, product));
    EXPECT_LT(MaxDifference(product, Identity(n)), 1e-10) << n;
    ASSERT_TRUE(Invert(a, a));
    EXPECT_EQ(MaxDifference(a, separate), 0.0) << n;
  }
}

TEST(InvertTest, ZeroRowFailsAndLeavesResult) {
  Matrix a = FromRows(2, 2, {0, 0, 1, 2});
  Matrix result = FromRows(2, 2, {5, 5, 5, 5});
  EXPECT_FALSE(Invert(a, result));
  EXPECT_EQ(result(0, 0), 5.0);
}

TEST(ProductTest, ReshapesResultRegardlessOfPreviousShape) {
  Matrix a = FromRows(2, 3, {1, 2, 3, 4, 5, 6});
  Matrix b = FromRows(3, 1, {1, 0, -1});
  Matrix r(5, 5, Init::Zero);
  ASSERT_TRUE(MatrixProduct(a, b, r));
  EXPECT_EQ(r.Rows(), 2);
  EXPECT_EQ(r.Columns(), 1);
  EXPECT_EQ(r(0, 0), -2.0);
  EXPECT_EQ(r(1, 0), -2.0);
}

TEST(ProductTest, StridedPathMatchesPackedPathBitForBit) {
  Matrix a = RandomMatrix(7, 5, 7);
  Matrix b = RandomMatrix(5, 6, 8);
  Matrix packed;
  ASSERT_TRUE(MatrixProduct(a, b, packed));
  Matrix aColumns(true);
  Matrix bColumns(true);
  ASSERT_TRUE(AssignFrom(aColumns, a));
  ASSERT_TRUE(AssignFrom(bColumns, b));
  Matrix strided(true);
  ASSERT_TRUE(MatrixProduct(aColumns, bColumns, strided));
  EXPECT_TRUE(strided.ColumnMajor());
  EXPECT_EQ(MaxDifference(packed, strided), 0.0);
}

TEST(RootScaledColumnsTest, SquareRootsPositiveWeightsOnly) {
  Matrix v = FromRows(2, 2, {1, 2, 3, 4});
  Vector w(2, Init::Zero);
  w[0] = 4.0;
  Matrix l(2, 2, Init::Zero);
  RootScaledColumns(l, v, w);
  EXPECT_EQ(w[0], 2.0);
  EXPECT_EQ(w[1], 0.0);
  EXPECT_EQ(l(0, 0), 2.0);
  EXPECT_EQ(l(1, 0), 6.0);
  EXPECT_EQ(l(0, 1), 0.0);
  EXPECT_EQ(l(1, 1), 0.0);
  w[1] = -9.0;
  RootScaledColumns(l, v, w);
  EXPECT_EQ(w[1], -9.0);
  EXPECT_EQ(l(1, 1), -36.0);
}

TEST(RootScaledColumnsTest, StridedPathMatchesPackedPath) {
  Matrix v = RandomMatrix(5, 5, 4);
  Matrix vColumns(true);
  ASSERT_TRUE(AssignFrom(vColumns, v));
  Vector w1(5, Init::Zero);
  Vector w2(5, Init::Zero);
  for (int j = 0; j < 5; ++j) w1[j] = w2[j] = j + 0.3;
  Matrix packed(5, 5, Init::Zero);
  Matrix strided(true);
  ASSERT_TRUE(strided.Resize(5, 5, 0.0));
  RootScaledColumns(packed, v, w1);
  RootScaledColumns(strided, vColumns, w2);
  EXPECT_EQ(MaxDifference(packed, strided), 0.0);
}

TEST(SvdTest, DiagonalValuesStayInPlaceWithSignsMovedToV) {
  Matrix a = FromRows(2, 2, {1, 0, 0, -2});
  Vector w(2, Init::Zero);
  Matrix v(2, 2, Init::Zero);
  ASSERT_TRUE(SingularValueDecompose(a, w, v));
  EXPECT_EQ(w[0], 1.0);
  EXPECT_EQ(w[1], 2.0);
  const Matrix original = FromRows(2, 2, {1, 0, 0, -2});
  EXPECT_LT(MaxDifference(Recompose(a, w, v), original), 1e-15);

  Matrix b = FromRows(2, 2, {1, 0, 0, 3});
  ASSERT_TRUE(SingularValueDecompose(b, w, v));
  EXPECT_EQ(w[0], 1.0);
  EXPECT_EQ(w[1], 3.0);
}

TEST(SvdTest, OneByOneOfFourHasVMinusOne) {
  Matrix a = FromRows(1, 1, {4});
  Vector w(1, Init::Zero);
  Matrix v(1, 1, Init::Zero);
  ASSERT_TRUE(SingularValueDecompose(a, w, v));
  EXPECT_EQ(w[0], 4.0);
  EXPECT_EQ(v(0, 0), -1.0);
  EXPECT_EQ(a(0, 0), -1.0);
}

TEST(SvdTest, ReconstructsRandomMatricesWithOrthonormalFactors) {
  const std::pair<std::int32_t, std::int32_t> shapes[] = {{1, 1}, {2, 2}, {3, 3}, {6, 4}, {10, 10}, {30, 30}, {60, 60}};
  for (auto [m, n] : shapes) {
    Matrix a = RandomMatrix(m, n, 1000 + m * n);
    Matrix original;
    ASSERT_TRUE(AssignFrom(original, a));
    Vector w(n, Init::Zero);
    Matrix v(n, n, Init::Zero);
    ASSERT_TRUE(SingularValueDecompose(a, w, v));
    EXPECT_LT(MaxDifference(Recompose(a, w, v), original), 1e-12) << m << "x" << n;
    for (std::int32_t j = 0; j < n; ++j) EXPECT_GE(w[j], 0.0);
    // V^T V = I
    const ConstMatrixView vt = ConstMatrixView::Attach(v.Data(), n, n, 1, n, false);
    Matrix gram;
    ASSERT_TRUE(MatrixProduct(vt, v, gram));
    EXPECT_LT(MaxDifference(gram, Identity(n)), 1e-12) << m << "x" << n;
  }
}

TEST(SvdTest, SymmetricPositiveDefiniteGivesEigenvectorsInBothFactors) {
  Matrix base = RandomMatrix(5, 5, 77);
  const ConstMatrixView baseT = ConstMatrixView::Attach(base.Data(), 5, 5, 1, 5, false);
  Matrix spd;
  ASSERT_TRUE(MatrixProduct(base, baseT, spd));
  Vector w(5, Init::Zero);
  Matrix v(5, 5, Init::Zero);
  ASSERT_TRUE(SingularValueDecompose(spd, w, v));
  EXPECT_LT(MaxDifference(spd, v), 1e-10);
}

TEST(SvdTest, NonFiniteInputFailsWithoutReadingOutside) {
  for (double bad : {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity()}) {
    Matrix a = RandomMatrix(3, 3, 5);
    a(1, 2) = bad;
    Vector w(3, Init::Zero);
    Matrix v(3, 3, Init::Zero);
    EXPECT_FALSE(SingularValueDecompose(a, w, v));
  }
}

TEST(SvdTest, MismatchedShapesAreRefused) {
  Matrix a = RandomMatrix(3, 3, 5);
  Vector w(2, Init::Zero);
  Matrix v(3, 3, Init::Zero);
  EXPECT_FALSE(SingularValueDecompose(a, w, v));
}

TEST(HypotenuseTest, AvoidsOverflowAndHandlesZero) {
  EXPECT_EQ(Hypotenuse(0.0, 0.0), 0.0);
  EXPECT_EQ(Hypotenuse(3.0, -4.0), 5.0);
  EXPECT_DOUBLE_EQ(Hypotenuse(3e300, 4e300), 5e300);
}

}  // namespace
}  // namespace Zq::Math
