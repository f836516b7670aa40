// The normal-Pareto fitting functions as Excel calls them.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "addin/worksheet_functions.h"
#include "addin/xlcall.h"
#include "tests/worksheet/array_argument_support.h"
#include "tests/worksheet/worksheet_test_support.h"

namespace {

using Zq::Testing::ArrayArgument;
using Zq::Testing::IsValueError;
using Zq::Testing::TakeColumn;

double Number(LPXLOPER record) {
  EXPECT_EQ(record->xltype, xltypeNum);
  return record->val.num;
}

TEST(NormParetoFitFunctions, MomentFitReproducesTheTargetsThroughTheFamilysMoments) {
  const double targets[][4] = {{0, 1, 0, 1.5}, {10, 2, 0.05, 0.8}, {-3, 0.5, -0.1, 1.2}, {1, 1, 0.12, 2.0}};
  for (const auto& t : targets) {
    const auto p = TakeColumn(ZqNormParetoParam(t[0], t[1], t[2], t[3]), 8);
    ASSERT_EQ(p.size(), 8u);
    const double pU = p[0], pL = p[3], mu = p[6], sigma = p[7];
    EXPECT_NEAR(Number(ZqNormParetoMean(pU, pL, mu, sigma)), t[0], 1e-9);
    EXPECT_NEAR(Number(ZqNormParetoStdev(pU, pL, sigma)), t[1], 1e-9);
    EXPECT_NEAR(Number(ZqNormParetoSkew(pU, pL)), t[2], 1e-8);
    EXPECT_NEAR(Number(ZqNormParetoKurt(pU, pL)), t[3] + 3, 1e-8);  // plain kurtosis
    EXPECT_GT(p[1], 4);
    EXPECT_GT(p[4], 4);
  }
}

TEST(NormParetoFitFunctions, MomentFitRejections) {
  EXPECT_TRUE(IsValueError(ZqNormParetoParam(0, 0, 0, 1)));
  EXPECT_TRUE(IsValueError(ZqNormParetoParam(0, -1, 0, 1)));
  EXPECT_TRUE(IsValueError(ZqNormParetoParam(0, 1, 0, -1)));
  EXPECT_TRUE(IsValueError(ZqNormParetoParam(0, 1, 3, 1)));
}

const std::vector<double> kNine = {5, 1, 9, 3, 7, 2, 8, 4, 6};

TEST(NormParetoFitFunctions, TailFitsTakeARowOrAColumn) {
  const auto fromColumn = TakeColumn(ZqNormParetoUpperParam(ArrayArgument(9, 1, kNine), 0.25, 0, 1), 2);
  const auto fromRow = TakeColumn(ZqNormParetoUpperParam(ArrayArgument(1, 9, kNine), 0.25, 0, 1), 2);
  ASSERT_EQ(fromColumn.size(), 2u);
  EXPECT_EQ(fromColumn, fromRow);
  // The two largest values, 9 and 8, at tail probabilities 0.1 and 0.2.
  const double alpha = std::log(2.0) / std::log(9.0 / 8.0);
  EXPECT_NEAR(fromColumn[0], alpha, 1e-12);
  EXPECT_NEAR(fromColumn[1], 0.1 * std::pow(9.0, alpha), 1e-9 * fromColumn[1]);

  const auto lower = TakeColumn(ZqNormParetoLowerParam(ArrayArgument(1, 9, kNine), 0.25, 10, 1), 2);
  ASSERT_EQ(lower.size(), 2u);  // 1 and 2 lie 9 and 8 below 10
  EXPECT_NEAR(lower[0], alpha, 1e-12);
}

TEST(NormParetoFitFunctions, TailFitRejections) {
  const std::vector<double> four = {1, 2, 3, 4};
  EXPECT_TRUE(IsValueError(ZqNormParetoUpperParam(ArrayArgument(2, 2, four), 0.5, 0, 1)));
  EXPECT_TRUE(IsValueError(ZqNormParetoLowerParam(ArrayArgument(1, 1, {3}), 0.5, 0, 1)));
  EXPECT_TRUE(IsValueError(ZqNormParetoUpperParam(ArrayArgument(9, 1, kNine), 0.1, 0, 1)));  // one tail point
  EXPECT_TRUE(IsValueError(ZqNormParetoUpperParam(ArrayArgument(9, 1, kNine), 0, 0, 1)));
  EXPECT_TRUE(IsValueError(ZqNormParetoUpperParam(ArrayArgument(9, 1, kNine), 1, 0, 1)));
  EXPECT_TRUE(IsValueError(ZqNormParetoLowerParam(ArrayArgument(9, 1, kNine), 0.25, 1.5, 1)));  // straddles mu
  EXPECT_TRUE(IsValueError(ZqNormParetoUpperParam(nullptr, 0.25, 0, 1)));
}

TEST(NormParetoFitFunctions, MiddleFit) {
  const auto none = TakeColumn(ZqNormParetoMiddleParam(0, 0, 0, 0, 0, 0), 2);
  EXPECT_EQ(none, (std::vector<double>{0, 1}));
  EXPECT_TRUE(IsValueError(ZqNormParetoMiddleParam(1, 4, 1, 0, 0, 0)));
  EXPECT_TRUE(IsValueError(ZqNormParetoMiddleParam(0, 0, 0, -0.01, 4, 1)));
}

}  // namespace
