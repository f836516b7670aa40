#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <vector>

#include "addin/call_frame.h"
#include "addin/worksheet_functions.h"
#include "multivariate/statistics.h"
#include "tests/worksheet/array_argument_support.h"
#include "tests/worksheet/worksheet_result_support.h"

namespace Zq::Math {
namespace {

using Testing::ArrayArgument;
using Testing::Read;

TEST(MultiCorrelTest, BothFlagsGiveMeanStdevAndCorrelationRows) {
  const ArrayArgument data(3, 2, {1, 2, 3, 4, 5, 9});
  const auto a = Read(ZqMultiCorrel(data, 1, 1));
  ASSERT_FALSE(a.error);
  ASSERT_EQ(a.rows, 4);
  ASSERT_EQ(a.columns, 2);
  EXPECT_EQ(a.At(0, 0), 3.0);
  EXPECT_EQ(a.At(0, 1), 5.0);
  EXPECT_DOUBLE_EQ(a.At(1, 0), std::sqrt(8.0 / 3));
  EXPECT_DOUBLE_EQ(a.At(1, 1), std::sqrt(26.0 / 3));
  EXPECT_EQ(a.At(2, 0), 1.0);
  EXPECT_EQ(a.At(3, 1), 1.0);
  EXPECT_EQ(a.At(2, 1), a.At(3, 0));
  EXPECT_DOUBLE_EQ(a.At(2, 1), 14.0 / std::sqrt(8.0 * 26.0));

  const auto bare = Read(ZqMultiCorrel(data, 0, 0));
  EXPECT_EQ(bare.rows, 2);
  const auto stdevOnly = Read(ZqMultiCorrel(data, 0, 1));
  EXPECT_EQ(stdevOnly.rows, 3);
  EXPECT_EQ(stdevOnly.At(0, 0), a.At(1, 0));
}

TEST(MultiCorrelTest, ShapesRefusedAndAccepted) {
  const ArrayArgument oneRow(1, 3, {1, 2, 3});
  EXPECT_TRUE(Read(ZqMultiCorrel(oneRow, 1, 1)).error);
  EXPECT_TRUE(Read(ZqMultiCovarp(oneRow, 1)).error);
  const ArrayArgument noColumns(4, 0, {});
  EXPECT_TRUE(Read(ZqMultiCorrel(noColumns, 0, 0)).error);
  EXPECT_TRUE(Read(ZqMultiCovarp(noColumns, 0)).error);
  const ArrayArgument oneColumn(2, 1, {1, 4});
  const auto correl = Read(ZqMultiCorrel(oneColumn, 0, 0));
  ASSERT_EQ(correl.rows, 1);
  EXPECT_EQ(correl.At(0, 0), 1.0);
  const auto covar = Read(ZqMultiCovarp(oneColumn, 0));
  ASSERT_EQ(covar.rows, 1);
  EXPECT_EQ(covar.At(0, 0), 2.25);
}

TEST(MultiCorrelTest, ConstantColumnGivesMirroredErrorCells) {
  const ArrayArgument data(3, 3, {1, 7, 2, 2, 7, 5, 4, 7, 1});
  const auto a = Read(ZqMultiCorrel(data, 1, 1));
  ASSERT_EQ(a.rows, 5);
  EXPECT_EQ(a.At(0, 1), 7.0);
  EXPECT_EQ(a.At(1, 1), 0.0);
  EXPECT_TRUE(a.CellError(2, 1));
  EXPECT_TRUE(a.CellError(3, 0));
  EXPECT_TRUE(a.CellError(3, 2));
  EXPECT_TRUE(a.CellError(4, 1));
  EXPECT_EQ(a.At(3, 1), 1.0);
  EXPECT_FALSE(a.CellError(2, 2));
  EXPECT_EQ(a.At(2, 2), a.At(4, 0));

  const auto c = Read(ZqMultiCovarp(data, 1));
  ASSERT_EQ(c.rows, 4);
  for (int j = 0; j < 3; ++j) {
    EXPECT_EQ(c.At(2, j), 0.0);
    EXPECT_EQ(c.At(1 + j, 1), 0.0);
  }
}

TEST(MultiCovarpTest, DividesByCountAndMirrors) {
  const ArrayArgument single(4, 1, {1, 2, 3, 4});
  const auto a = Read(ZqMultiCovarp(single, 1));
  ASSERT_EQ(a.rows, 2);
  EXPECT_EQ(a.At(0, 0), 2.5);
  EXPECT_EQ(a.At(1, 0), 1.25);
  const ArrayArgument data(3, 2, {1, 2, 3, 4, 5, 9});
  const auto b = Read(ZqMultiCovarp(data, 0));
  ASSERT_EQ(b.rows, 2);
  EXPECT_DOUBLE_EQ(b.At(0, 0), 8.0 / 3);
  EXPECT_DOUBLE_EQ(b.At(1, 1), 26.0 / 3);
  EXPECT_DOUBLE_EQ(b.At(0, 1), 14.0 / 3);
  EXPECT_EQ(b.At(0, 1), b.At(1, 0));
}

TEST(MultiCovarpTest, NonFiniteDataStaysInItsCells) {
  const ArrayArgument data(3, 2, {1, 2, 3, NAN, 5, 9});
  const auto a = Read(ZqMultiCovarp(data, 1));
  ASSERT_FALSE(a.error);
  EXPECT_EQ(a.At(0, 0), 3.0);
  EXPECT_TRUE(a.CellError(0, 1));
  EXPECT_DOUBLE_EQ(a.At(1, 0), 8.0 / 3);
  EXPECT_TRUE(a.CellError(2, 1));
}

TEST(Cor2CovTest, StdevAsRowOrColumnAndNoSymmetrising) {
  const ArrayArgument r(2, 2, {1, 0.5, -0.25, 1});
  const ArrayArgument row(1, 2, {2, 3});
  const ArrayArgument column(2, 1, {2, 3});
  for (const FP* s : {row.get(), column.get()}) {
    const auto a = Read(ZqCor2Cov(s, r));
    ASSERT_FALSE(a.error);
    ASSERT_EQ(a.rows, 2);
    ASSERT_EQ(a.columns, 2);
    EXPECT_EQ(a.At(0, 0), 4.0);
    EXPECT_EQ(a.At(0, 1), 3.0);
    EXPECT_EQ(a.At(1, 0), -1.5);
    EXPECT_EQ(a.At(1, 1), 9.0);
  }
  const ArrayArgument tooLong(1, 3, {1, 2, 3});
  EXPECT_TRUE(Read(ZqCor2Cov(tooLong, r)).error);
  const ArrayArgument nonSquare(2, 3, {1, 0, 0, 0, 1, 0});
  EXPECT_TRUE(Read(ZqCor2Cov(tooLong, nonSquare)).error);
  const ArrayArgument empty(0, 0, {});
  EXPECT_TRUE(Read(ZqCor2Cov(empty, empty)).error);
  const ArrayArgument huge(1, 2, {1e200, 1e200});
  EXPECT_TRUE(Read(ZqCor2Cov(huge, r)).error);
}

TEST(Cov2CorTest, RoundTripAndRefusals) {
  const ArrayArgument v(2, 2, {4, 3, 3, 9});
  const auto a = Read(ZqCov2Cor(v, 1));
  ASSERT_FALSE(a.error);
  ASSERT_EQ(a.rows, 3);
  EXPECT_EQ(a.At(0, 0), 2.0);
  EXPECT_EQ(a.At(0, 1), 3.0);
  EXPECT_EQ(a.At(1, 0), 1.0);
  EXPECT_EQ(a.At(1, 1), 0.5);
  const auto b = Read(ZqCov2Cor(v, 0));
  ASSERT_EQ(b.rows, 2);
  EXPECT_EQ(b.At(1, 0), 0.5);
  const ArrayArgument negative(2, 2, {4, 1, 1, -1});
  const ArrayArgument zero(2, 2, {4, 0, 0, 0});
  const ArrayArgument nonSquare(1, 2, {1, 1});
  EXPECT_TRUE(Read(ZqCov2Cor(negative, 1)).error);
  EXPECT_TRUE(Read(ZqCov2Cor(zero, 0)).error);
  EXPECT_TRUE(Read(ZqCov2Cor(nonSquare, 0)).error);
}

}  // namespace
}  // namespace Zq::Math

namespace Zq::Math {
namespace {

TEST(MultiCorrelTest, HeaderRowsBeyondSixteenBitsAreRefused) {
  const int columns = 65535;
  std::vector<double> values(2 * columns);
  for (int k = 0; k < 2 * columns; ++k) values[k] = k % 7;
  const Testing::ArrayArgument data(2, columns, values);
  EXPECT_TRUE(Testing::Read(ZqMultiCorrel(data, 1, 0)).error);
  EXPECT_TRUE(Testing::Read(ZqMultiCorrel(data, 1, 1)).error);
  EXPECT_TRUE(Testing::Read(ZqMultiCovarp(data, 1)).error);
}

}  // namespace
}  // namespace Zq::Math

namespace Zq::Math {
namespace {

// The rank functions refuse what Excel never passes but a caller could: a
// non-finite value, in any of them.
TEST(RankCorrelationWorksheet, NonFiniteDataIsRefused) {
  const double nan = std::nan("");
  for (const double bad : {nan, HUGE_VAL, -HUGE_VAL}) {
    const Testing::ArrayArgument data(3, 2, {1, 2, 2, bad, 3, 1});
    const Testing::ArrayArgument target(2, 2, {1, 0.5, 0.5, 1});
    EXPECT_TRUE(Testing::Read(ZqSpearman(data)).error);
    EXPECT_TRUE(Testing::Read(ZqKendall(data)).error);
    EXPECT_TRUE(Testing::Read(ZqRankCorrel(data, target, 0, 1, 2)).error);
  }
}

}  // namespace
}  // namespace Zq::Math
