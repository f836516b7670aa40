// Functions that would work for minutes before building a result past 2^24
// cells, or hold more than 1 GiB while they work, answer #VALUE! at once;
// a result of exactly 2^24 cells is still built.
#include "addin/worksheet_functions.h"

#include <gtest/gtest.h>

#include <chrono>
#include <vector>

#include "addin/call_frame.h"
#include "tests/worksheet/array_argument_support.h"
#include "tests/worksheet/worksheet_test_support.h"

namespace Zq::Testing {
namespace {

TEST(Ceiling, LargeSquareArgumentsAreRefusedBeforeAnyWork) {
  constexpr unsigned d = 4096;
  std::vector<double> values(static_cast<std::size_t>(d) * d, 0.0);
  for (unsigned i = 0; i < d; ++i) values[static_cast<std::size_t>(i) * d + i] = 1.0;
  const ArrayArgument square(d, d, values);
  const ArrayArgument mean(1, d, std::vector<double>(d, 0.0));
  const auto start = std::chrono::steady_clock::now();
  EXPECT_TRUE(IsValueError(ZqPCA(square)));         // 4097 x 4096
  EXPECT_TRUE(IsValueError(ZqCov2Cor(square, 1)));  // the same with its deviation row
  EXPECT_TRUE(IsValueError(ZqRandMultiNorm(1, square, mean, 0, 1, 2, 0, 0, 1)));  // over 1 GiB resampling
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
  const LPXLOPER fits = ZqCov2Cor(square, 0);
  ASSERT_EQ(fits->xltype, xltypeMulti | xlbitDLLFree);
  EXPECT_EQ(fits->val.array.rows * fits->val.array.columns, Addin::kMaxResultCells);
  xlAutoFree(fits);
}

}  // namespace
}  // namespace Zq::Testing
