// The parameter functions as Excel sees them: columns in the order of the
// distribution's other functions, and one #VALUE! for rejected targets.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "addin/call_frame.h"
#include "tests/unit/worksheet_result_support.h"

extern "C" {
LPXLOPER ZQ_CALL ZqBetaParam(double, double);
LPXLOPER ZQ_CALL ZqGumbelParam(double, double);
LPXLOPER ZQ_CALL ZqLogisticParam(double, double);
LPXLOPER ZQ_CALL ZqLogNormParam(double, double);
LPXLOPER ZQ_CALL ZqJohnsonSUParam(double, double, double, double);
LPXLOPER ZQ_CALL ZqTriangularParam(double, double, double);
LPXLOPER ZQ_CALL ZqTruncNormParam(double, double, double, double);
LPXLOPER ZQ_CALL ZqWeibullParam(double, double);
}

namespace {

using Zq::Testing::Read;

void ExpectColumn(LPXLOPER record, std::size_t rows) {
  const auto answer = Read(record);
  ASSERT_FALSE(answer.error);
  EXPECT_EQ(answer.rows, static_cast<int>(rows));
  EXPECT_EQ(answer.columns, 1);
  for (double v : answer.cells) EXPECT_TRUE(std::isfinite(v));
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
  EXPECT_TRUE(Read(ZqBetaParam(0.5, 1e-12)).error);
  EXPECT_TRUE(Read(ZqGumbelParam(0, 0)).error);
  EXPECT_TRUE(Read(ZqLogisticParam(0, -1)).error);
  EXPECT_TRUE(Read(ZqLogNormParam(1, 1e-12)).error);
  EXPECT_TRUE(Read(ZqJohnsonSUParam(0, 1e-12, 0, 1)).error);
  EXPECT_TRUE(Read(ZqTriangularParam(0, 0, 0)).error);
  EXPECT_TRUE(Read(ZqTruncNormParam(0, 1, 0.5, 1e-12)).error);
  EXPECT_TRUE(Read(ZqWeibullParam(1, std::nan(""))).error);
  EXPECT_FALSE(Read(ZqGumbelParam(0, 2e-12)).error);
}

TEST(ParameterFunctions, FailedFitsAnswerOneError) {
  EXPECT_TRUE(Read(ZqBetaParam(0.5, 0.5)).error);
  EXPECT_TRUE(Read(ZqJohnsonSUParam(0, 1, 0, 0)).error);
  EXPECT_TRUE(Read(ZqTriangularParam(0, 1, 0.57)).error);
  EXPECT_TRUE(Read(ZqTriangularParam(0, 1, -0.57)).error);
  EXPECT_TRUE(Read(ZqTruncNormParam(2, 1, 1.5, 0.1)).error);  // Max below Min
  EXPECT_TRUE(Read(ZqTruncNormParam(1, 1, 1, 0.1)).error);
  EXPECT_TRUE(Read(ZqTruncNormParam(0, 1, 0.5, 0.5)).error);  // wider than the uniform
  EXPECT_TRUE(Read(ZqWeibullParam(-1, 1)).error);
}

TEST(ParameterFunctions, WeibullAnswersScaleThenShape) {
  // Mean 2, standard deviation 1: shape about 2.1, scale about 2.26.
  const auto answer = Read(ZqWeibullParam(2, 1));
  ASSERT_EQ(answer.cells.size(), 2u);
  EXPECT_NEAR(answer.cells[0], 2.2578, 1e-3);
  EXPECT_NEAR(answer.cells[1], 2.1013, 1e-3);
  const auto exponential = Read(ZqWeibullParam(1, 1));
  ASSERT_EQ(exponential.cells.size(), 2u);
  EXPECT_NEAR(exponential.cells[0], 1, 1e-9);
  EXPECT_NEAR(exponential.cells[1], 1, 1e-9);
}

TEST(ParameterFunctions, TriangularAnswersMinMaxMode) {
  const auto answer = Read(ZqTriangularParam(3, 2, 0));
  ASSERT_EQ(answer.cells.size(), 3u);
  EXPECT_LT(answer.cells[0], answer.cells[2]);
  EXPECT_LT(answer.cells[2], answer.cells[1]);
  EXPECT_EQ(answer.cells[2], 3);
}

}  // namespace
