#include "multivariate/matrix.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace Zq::Math {
namespace {

TEST(MatrixTest, ZeroDimensionMakesBothDimensionsZero) {
  Matrix rowMajor(0, 5, Init::Zero);
  EXPECT_EQ(rowMajor.Rows(), 0);
  EXPECT_EQ(rowMajor.Columns(), 0);
  EXPECT_EQ(rowMajor.Data(), nullptr);
  EXPECT_EQ(rowMajor.RowStride(), 0);
  EXPECT_EQ(rowMajor.ColStride(), 1);
  Matrix columnMajor(true);
  EXPECT_TRUE(columnMajor.Resize(4, 0));
  EXPECT_EQ(columnMajor.Columns(), 0);
  EXPECT_EQ(columnMajor.Rows(), 0);
  EXPECT_EQ(columnMajor.RowStride(), 1);
  EXPECT_EQ(columnMajor.ColStride(), 0);
}

TEST(MatrixTest, OrderFlagSetsStridesAndLineIterators) {
  Matrix m(true);
  ASSERT_TRUE(m.Resize(2, 3, 0.0));
  EXPECT_EQ(m.RowStride(), 1);
  EXPECT_EQ(m.ColStride(), 2);
  m(1, 2) = 7.0;
  EXPECT_EQ(m.Data()[5], 7.0);
  int rows = 0;
  for (auto row = m.RowsBegin(); row != m.RowsEnd(); ++row) {
    EXPECT_EQ((*row).Length(), 3);
    ++rows;
  }
  int columns = 0;
  for (auto column = m.ColumnsBegin(); column != m.ColumnsEnd(); ++column) ++columns;
  EXPECT_EQ(rows, 2);
  EXPECT_EQ(columns, 3);
  // Re-shaping keeps the order and recomputes every iterator.
  ASSERT_TRUE(m.AssignShape(3, 4, 1.0));
  EXPECT_TRUE(m.ColumnMajor());
  EXPECT_EQ(m.ColStride(), 3);
  EXPECT_EQ(m.RowsEnd().start, m.Data() + 3);
  EXPECT_EQ(m.ColumnsEnd().start, m.Data() + 12);
  EXPECT_EQ(m.Diagonal().Length(), 3);
}

TEST(MatrixTest, CopyAcrossOrdersAndStridesMatchesBlockCopy) {
  Matrix source(3, 4, Init::Uninitialised);
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 4; ++j) source(i, j) = 10 * i + j;
  Matrix columnMajor(true);
  ASSERT_TRUE(AssignFrom(columnMajor, source));
  EXPECT_TRUE(columnMajor.ColumnMajor());
  Matrix packed;
  ASSERT_TRUE(AssignFrom(packed, source));
  // A transposed view of a column-major matrix is packed row-major.
  const ConstMatrixView transposed = ConstMatrixView::Attach(columnMajor.Data(), 4, 3, 3, 1, false);
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 4; ++j) {
      EXPECT_EQ(columnMajor(i, j), source(i, j));
      EXPECT_EQ(packed(i, j), source(i, j));
      EXPECT_EQ(transposed(j, i), source(i, j));
    }
  }
}

TEST(MatrixTest, AssignShapeOnlyFillsWhenShapeMatches) {
  Matrix m(2, 2, Init::Zero);
  const double* before = m.Data();
  ASSERT_TRUE(m.AssignShape(2, 2, 3.0));
  EXPECT_EQ(m.Data(), before);
  EXPECT_EQ(m(1, 1), 3.0);
  EXPECT_FALSE(m.AssignShape(-1, 2));
}

TEST(MatrixTest, OversizedShapesAreRefused) {
  Matrix m;
  EXPECT_FALSE(m.Resize(65536, 65536));
  EXPECT_TRUE(m.Empty());
  Vector v;
  EXPECT_FALSE(v.AssignSize(-1));
}

TEST(MatrixTest, AllFiniteSeesEveryElementOfStridedView) {
  Matrix m(3, 3, Init::Zero);
  EXPECT_TRUE(AllFinite(m));
  m(2, 1) = std::numeric_limits<double>::infinity();
  EXPECT_FALSE(AllFinite(m));
  EXPECT_TRUE(AllFinite(m.Column(0)));
  EXPECT_FALSE(AllFinite(m.Column(1)));
  EXPECT_TRUE(AllFinite(Matrix()));
}

TEST(MatrixTest, MoveTransfersOwnership) {
  Matrix a(2, 3, Init::Zero);
  a(1, 2) = 4.0;
  Matrix b(std::move(a));
  EXPECT_TRUE(a.Empty());
  EXPECT_EQ(b(1, 2), 4.0);
  EXPECT_TRUE(b.Owning());
}

TEST(VectorTest, InsertEraseResizeKeepOrder) {
  Vector v(3, Init::Zero);
  for (int i = 0; i < 3; ++i) v[i] = i + 1;  // 1 2 3
  ASSERT_TRUE(v.Insert(1, 2, 9.0));          // 1 9 9 2 3 (reallocated exactly)
  EXPECT_EQ(v.Length(), 5);
  EXPECT_EQ(v.Capacity(), 0);
  EXPECT_EQ(v[0], 1.0);
  EXPECT_EQ(v[2], 9.0);
  EXPECT_EQ(v[4], 3.0);
  v.Erase(0, 2);  // 9 2 3
  EXPECT_EQ(v.Length(), 3);
  EXPECT_EQ(v.Capacity(), 2);
  EXPECT_EQ(v[0], 9.0);
  EXPECT_EQ(v[2], 3.0);
  ASSERT_TRUE(v.Insert(0, 1, -1.0));  // in place: -1 9 2 3
  EXPECT_EQ(v.Capacity(), 1);
  EXPECT_EQ(v[0], -1.0);
  EXPECT_EQ(v[3], 3.0);
  ASSERT_TRUE(v.Resize(2));
  EXPECT_EQ(v.Capacity(), 3);
  ASSERT_TRUE(v.Resize(4, 5.0));
  EXPECT_EQ(v[1], 9.0);
  EXPECT_EQ(v[3], 5.0);
  EXPECT_FALSE(v.Insert(6, 1));
}

TEST(VectorTest, StridedCopyAndAssign) {
  Matrix m(2, 3, Init::Zero);
  m(0, 1) = 1.0;
  m(1, 1) = 2.0;
  Vector v;
  ASSERT_TRUE(AssignFrom(v, m.Column(1)));
  EXPECT_EQ(v.Length(), 2);
  EXPECT_EQ(v[1], 2.0);
  v[0] = 5.0;
  CopyInto(v, m.Column(2));
  EXPECT_EQ(m(0, 2), 5.0);
  EXPECT_EQ(m(1, 2), 2.0);
  const VectorView backwards(&m(1, 1), -3, 2);
  EXPECT_EQ(backwards.Length(), 2);
  EXPECT_EQ(backwards[1], 1.0);
  FillView(m.Row(0), 7.0);
  EXPECT_EQ(m(0, 0), 7.0);
  EXPECT_EQ(m(1, 0), 0.0);
}

TEST(VectorTest, IndexVectorHoldsIntegers) {
  IndexVector pivot(4, Init::Zero);
  EXPECT_EQ(pivot.Length(), 4);
  EXPECT_EQ(pivot[3], 0);
  ASSERT_TRUE(pivot.Resize(6, 2));
  EXPECT_EQ(pivot[5], 2);
}

}  // namespace
}  // namespace Zq::Math
