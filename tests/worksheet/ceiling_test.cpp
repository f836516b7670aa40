// Results past 2^24 cells, or work holding over 1 GiB, answer #VALUE! before any work; 2^24 cells are built.
#include <gtest/gtest.h>

#include <chrono>
#include <vector>

#include "addin/worksheet_functions.h"
#include "tests/worksheet/array_argument_support.h"
#include "tests/worksheet/worksheet_result_support.h"
#include "tests/worksheet/worksheet_test_support.h"

namespace Zq::Testing {
namespace {

TEST(Ceiling, LargeSquareArgumentsAreRefusedBeforeAnyWork) {
  constexpr std::size_t d = 4096;
  std::vector<double> values(d * d, 0.0);
  for (std::size_t i = 0; i < d; ++i) values[i * d + i] = 1.0;
  const ArrayArgument square(d, d, values), mean(1, d, std::vector<double>(d, 0.0));
  const auto start = std::chrono::steady_clock::now();
  EXPECT_TRUE(IsValueError(ZqPCA(square)));                                       // 4097 x 4096
  EXPECT_TRUE(IsValueError(ZqCov2Cor(square, 1)));                                // with its deviation row
  EXPECT_TRUE(IsValueError(ZqRandMultiNorm(1, square, mean, 0, 1, 2, 0, 0, 1)));  // over 1 GiB resampling
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
  const LPXLOPER fits = ZqCov2Cor(square, 0);
  ASSERT_EQ(fits->xltype, xltypeMulti | xlbitDLLFree);
  EXPECT_EQ(std::size_t(fits->val.array.rows) * fits->val.array.columns, d * d);
  xlAutoFree(fits);
}

}  // namespace
}  // namespace Zq::Testing
