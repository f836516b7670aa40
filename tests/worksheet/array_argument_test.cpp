#include "multivariate/array_argument_worksheet.h"

#include <gtest/gtest.h>

#include "multivariate/matrix.h"
#include "tests/worksheet/array_argument_support.h"

namespace Zq::Math {
namespace {

TEST(MatrixTest, ArrayArgumentIsRowMajorViewInPlace) {
  const Testing::ArrayArgument k(3, 2, {1, 2, 3, 4, 5, 6});
  const ConstMatrixView m = Addin::MatrixArgument(k);
  EXPECT_EQ(m.Rows(), 3);
  EXPECT_EQ(m.Columns(), 2);
  EXPECT_EQ(m(2, 1), 6.0);
  EXPECT_EQ(&m(2, 1), FpValues(k) + 5);
  EXPECT_EQ(m.Column(1).Length(), 3);
  EXPECT_EQ(m.Column(1)[2], 6.0);
  EXPECT_EQ(m.Row(1)[0], 3.0);
}

TEST(MatrixTest, ZeroCountArgumentsAreEmpty) {
  const Testing::ArrayArgument noRows(0, 4, {});
  const Testing::ArrayArgument noColumns(2, 0, {});
  for (const FP* fp : {noRows.get(), noColumns.get()}) {
    const ConstMatrixView m = Addin::MatrixArgument(fp);
    EXPECT_TRUE(m.Empty());
    EXPECT_EQ(m.Rows(), 0);
    EXPECT_EQ(m.Columns(), 0);
    EXPECT_EQ(Addin::VectorArgument(fp).Length(), 0);
  }
  EXPECT_TRUE(Addin::MatrixArgument(nullptr).Empty());
}

TEST(MatrixTest, VectorArgumentAcceptsOneRowOrOneColumn) {
  const Testing::ArrayArgument row(1, 3, {1, 2, 3});
  const Testing::ArrayArgument column(3, 1, {1, 2, 3});
  const Testing::ArrayArgument square(2, 2, {1, 2, 3, 4});
  EXPECT_EQ(Addin::VectorArgument(row).Length(), 3);
  EXPECT_EQ(Addin::VectorArgument(column).Length(), 3);
  EXPECT_EQ(Addin::VectorArgument(column)[2], 3.0);
  EXPECT_EQ(Addin::VectorArgument(square).Length(), 0);
}

}  // namespace
}  // namespace Zq::Math
