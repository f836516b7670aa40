#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

#include <gtest/gtest.h>

#include "addin/platform.h"
#include "addin/worksheet_functions.h"
#include "finance/option_pricing.h"
#include "tests/worksheet/array_argument_support.h"
#include "tests/worksheet/worksheet_test_support.h"

namespace {

using Zq::Testing::ArrayArgument;
using Zq::Testing::IsValueError;
using Zq::Testing::TakeArray;

TEST(OptionWorksheet, OutputCodesFlagsAndErrors) {
  for (short output : {-1, 8, 100}) {
    EXPECT_TRUE(IsValueError(ZqOptionBS(1, 100, 100, 1, 0.2, 0.05, output)));
    EXPECT_TRUE(IsValueError(ZqOptionBF(1, 100, 100, 1, 0.2, 0.05, output)));
    EXPECT_TRUE(IsValueError(ZqOptionGK(1, 100, 100, 1, 0.2, 0.02, 0.05, output)));
  }
  EXPECT_EQ(ZqOptionBS(-7, 100, 90, 1, 0.2, 0.05, 0)->val.num,
            Zq::Math::BlackScholesValue(true, 100, 90, 1, 0.2, 0.05, Zq::Math::OptionOutput::Value));
  EXPECT_EQ(ZqOptionBF(0, 100, 90, 1, 0.2, 0.05, 3)->val.num,
            Zq::Math::BlackFuturesValue(false, 100, 90, 1, 0.2, 0.05, Zq::Math::OptionOutput::Vega));
  EXPECT_EQ(ZqOptionGK(0, 1.3, 1.2, 2, 0.1, 0.01, 0.03, 6)->val.num,
            Zq::Math::GarmanKohlhagenValue(false, 1.3, 1.2, 2, 0.1, 0.01, 0.03, Zq::Math::OptionOutput::Rate2));
  EXPECT_TRUE(IsValueError(ZqOptionBS(1, 100, 100, -1, 0.2, 0.05, 0)));
  EXPECT_TRUE(IsValueError(ZqOptionBS(1, 100, 100, 1, 0.0, 0.05, 0)));
  EXPECT_TRUE(IsValueError(ZqOptionBS(1, 100, 100, 0, 0.2, 0.05, 7)));
  EXPECT_NEAR(ZqOptionBS(1, 100, 100, 1, ZqOptionBS(1, 100, 100, 1, 0.25, 0.05, 0)->val.num, 0.05, 7)->val.num,
              0.25, 1e-7);
}

class LfmWorksheet : public testing::Test {
 protected:
  void SetUp() override { Zq::Platform::PerformanceFrequency = 1'000'000'000; }

  // The 3 x 3 correlation of every case below.
  const ArrayArgument rho_{3, 3, {1, 0, 0, 0.9, 1, 0, 0.8, 0.9, 1}};

  LPXLOPER Call(const FP* rho, double T, std::int32_t N, std::int32_t M, std::int32_t q, short asRow,
                short scheme, short inversion = 0, short antithetic = 0) {
    return ZqMonteCarloLFM(rho, 0.05, 0.01, T, N, M, q, 17, inversion, antithetic, asRow, scheme);
  }
};

TEST_F(LfmWorksheet, ValidationFailsAsAWhole) {
  const ArrayArgument wide(3, 4, std::vector<double>(12, 0.5));
  EXPECT_TRUE(IsValueError(Call(wide, 1, 10, 2, 1, 0, 1)));
  for (short scheme : {2, 3, 5, -1, 32767}) EXPECT_TRUE(IsValueError(Call(rho_, 1, 10, 2, 1, 0, scheme)));
  for (double T : {0.0, -1.0, std::numeric_limits<double>::infinity(), std::nan("")}) EXPECT_TRUE(IsValueError(Call(rho_, T, 10, 2, 1, 0, 1)));
  EXPECT_TRUE(IsValueError(Call(rho_, 1, 10, 0, 1, 0, 1)));
  for (std::int32_t q : {0, 4, -1}) EXPECT_TRUE(IsValueError(Call(rho_, 1, 10, 2, q, 0, 1)));
  EXPECT_TRUE(IsValueError(Call(nullptr, 1, 10, 2, 1, 0, 1)));
}

TEST_F(LfmWorksheet, ShapeStatisticsAndElapsedTime) {
  const std::vector<double> column = TakeArray(Call(rho_, 2, 200, 4, 2, 0, 1), 4, 1);
  const std::vector<double> row = TakeArray(Call(rho_, 2, 200, 4, 2, 1, 1), 1, 4);
  const std::vector<double> zero = TakeArray(Call(rho_, 2, 200, 4, 2, 0, 0), 4, 1);
  ASSERT_EQ(column.size(), 4u);
  ASSERT_EQ(row.size(), 4u);
  ASSERT_EQ(zero.size(), 4u);
  for (int i = 0; i < 3; ++i) {
    EXPECT_TRUE(std::isfinite(column[i]));
    EXPECT_EQ(row[i], column[i]);   // same arguments, same statistics
    EXPECT_EQ(zero[i], column[i]);  // scheme 0 is scheme 1
  }
  EXPECT_NEAR(column[2], column[1] / std::sqrt(200.0), 1e-15 * column[1]);
  EXPECT_GE(column[3], 0.0);
  EXPECT_LT(column[3], 60.0);
  // No paths: the statistics are #VALUE!, the elapsed time is still there.
  const std::vector<double> none = TakeArray(Call(rho_, 2, 0, 4, 2, 0, 1), 4, 1);
  ASSERT_EQ(none.size(), 4u);
  EXPECT_TRUE(std::isnan(none[0]) && std::isnan(none[1]) && std::isnan(none[2]));
  EXPECT_TRUE(std::isfinite(none[3]));
}

TEST_F(LfmWorksheet, SchemeFourContinuesItsGenerator) {
  const std::vector<double> first = TakeArray(Call(rho_, 2, 50, 4, 2, 0, 4, 1, 1), 4, 1);
  const std::vector<double> second = TakeArray(Call(rho_, 2, 50, 4, 2, 0, 4, 1, 1), 4, 1);
  ASSERT_EQ(first.size(), 4u);
  ASSERT_EQ(second.size(), 4u);
  EXPECT_TRUE(std::isfinite(first[0]) && std::isfinite(second[0]));
  EXPECT_NE(first[0], second[0]);  // the table moved on between the calls
}

}  // namespace
