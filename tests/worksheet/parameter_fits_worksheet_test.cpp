// The parameter functions as Excel sees them: columns in the order of the
// distribution's other functions, and one #VALUE! for rejected targets.
#include <gtest/gtest.h>

#include <cmath>

#include "addin/worksheet_functions.h"
#include "addin/xlcall.h"
#include "tests/worksheet/worksheet_test_support.h"

namespace {

using Zq::Testing::IsValueError;
using Zq::Testing::TakeColumn;

void ExpectColumn(LPXLOPER record, int rows) {
  for (double v : TakeColumn(record, rows)) EXPECT_TRUE(std::isfinite(v));
}

TEST(ParameterFunctions, AnswerColumnsOfTheirParameters) {
  ExpectColumn(ZqBetaParam(0.5, 0.1), 2);
  ExpectColumn(ZqGumbelParam(1, 2), 2);
  ExpectColumn(ZqLogisticParam(1, 2), 2);
  ExpectColumn(ZqLogNormParam(1, 2), 2);
  ExpectColumn(ZqJohnsonSUParam(0, 1, 0.3, 2), 4);
  ExpectColumn(ZqTriangularParam(0, 1, 0.3), 3);
  ExpectColumn(ZqTruncNormParam(0, 2, 0.8, 0.5), 2);
  ExpectColumn(ZqWeibullParam(2, 1), 2);
}

TEST(ParameterFunctions, StdevAtOrBelowThresholdIsRejected) {
  EXPECT_TRUE(IsValueError(ZqBetaParam(0.5, 1e-12)));
  EXPECT_TRUE(IsValueError(ZqGumbelParam(0, 0)));
  EXPECT_TRUE(IsValueError(ZqLogisticParam(0, -1)));
  EXPECT_TRUE(IsValueError(ZqLogNormParam(1, 1e-12)));
  EXPECT_TRUE(IsValueError(ZqJohnsonSUParam(0, 1e-12, 0, 1)));
  EXPECT_TRUE(IsValueError(ZqTriangularParam(0, 0, 0)));
  EXPECT_TRUE(IsValueError(ZqTruncNormParam(0, 1, 0.5, 1e-12)));
  EXPECT_TRUE(IsValueError(ZqWeibullParam(1, std::nan(""))));
  ExpectColumn(ZqGumbelParam(0, 2e-12), 2);
}

TEST(ParameterFunctions, FailedFitsAnswerOneError) {
  EXPECT_TRUE(IsValueError(ZqBetaParam(0.5, 0.5)));
  EXPECT_TRUE(IsValueError(ZqJohnsonSUParam(0, 1, 0, 0)));
  EXPECT_TRUE(IsValueError(ZqTriangularParam(0, 1, 0.57)));
  EXPECT_TRUE(IsValueError(ZqTriangularParam(0, 1, -0.57)));
  EXPECT_TRUE(IsValueError(ZqTruncNormParam(2, 1, 1.5, 0.1)));  // Max below Min
  EXPECT_TRUE(IsValueError(ZqTruncNormParam(1, 1, 1, 0.1)));
  EXPECT_TRUE(IsValueError(ZqTruncNormParam(0, 1, 0.5, 0.5)));  // wider than the uniform
  EXPECT_TRUE(IsValueError(ZqWeibullParam(-1, 1)));
}

TEST(ParameterFunctions, WeibullAnswersScaleThenShape) {
  // Mean 2, standard deviation 1: shape about 2.1, scale about 2.26.
  const auto fitted = TakeColumn(ZqWeibullParam(2, 1), 2);
  ASSERT_EQ(fitted.size(), 2u);
  EXPECT_NEAR(fitted[0], 2.2578, 1e-3);
  EXPECT_NEAR(fitted[1], 2.1013, 1e-3);
  const auto exponential = TakeColumn(ZqWeibullParam(1, 1), 2);
  ASSERT_EQ(exponential.size(), 2u);
  EXPECT_NEAR(exponential[0], 1, 1e-9);
  EXPECT_NEAR(exponential[1], 1, 1e-9);
}

TEST(ParameterFunctions, TriangularAnswersMinMaxMode) {
  const auto fitted = TakeColumn(ZqTriangularParam(3, 2, 0), 3);
  ASSERT_EQ(fitted.size(), 3u);
  EXPECT_LT(fitted[0], fitted[2]);
  EXPECT_LT(fitted[2], fitted[1]);
  EXPECT_EQ(fitted[2], 3);
}

TEST(ParameterFunctions, TriangularSkewOfEitherSignComesBack) {
  for (double skew : {-0.5, -0.2, 0.2, 0.5}) {
    const auto fitted = TakeColumn(ZqTriangularParam(1, 2, skew), 3);
    ASSERT_EQ(fitted.size(), 3u);
    const LPXLOPER back = ZqTriangularSkew(fitted[0], fitted[1], fitted[2]);
    ASSERT_EQ(back->xltype, xltypeNum);
    EXPECT_NEAR(back->val.num, skew, 1e-9);
  }
}

}  // namespace
