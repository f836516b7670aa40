#include "addin/worksheet_functions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "addin/call_frame.h"
#include "multivariate/matrix_result_worksheet.h"
#include "tests/worksheet/array_argument_support.h"
#include "tests/worksheet/worksheet_result_support.h"

namespace Zq::Math {
namespace {

using Testing::ArrayArgument;
using Testing::Read;

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
