// The ceiling of one call: functions that would work for minutes before
// building a result past 2^24 cells, or hold more than 1 GiB while they
// work, answer #VALUE! at once; just inside the ceiling they still compute.
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
  // 4096 x 4096: the PCA result (4097 rows) and the correlation with its
  // deviation row pass 2^24 cells; the sampler's working memory with
  // resampling passes 1 GiB. Each whole would take minutes.
  constexpr unsigned d = 4096;
  std::vector<double> values(static_cast<std::size_t>(d) * d, 0.0);
  for (unsigned i = 0; i < d; ++i) values[static_cast<std::size_t>(i) * d + i] = 1.0;
  const ArrayArgument square(d, d, values);
  const ArrayArgument mean(1, d, std::vector<double>(d, 0.0));
  const auto start = std::chrono::steady_clock::now();
  EXPECT_TRUE(IsValueError(ZqPCA(square)));
  EXPECT_TRUE(IsValueError(ZqCov2Cor(square, 1)));
  EXPECT_TRUE(IsValueError(ZqRandMultiNorm(1, square, mean, 0, 1, 2, 0, 0, 1)));
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
  // Without the deviation row the correlation fits: 2^24 cells exactly.
  const LPXLOPER fits = ZqCov2Cor(square, 0);
  ASSERT_EQ(fits->xltype, xltypeMulti | xlbitDLLFree);
  EXPECT_EQ(fits->val.array.rows * fits->val.array.columns, Addin::kMaxResultCells);
  xlAutoFree(fits);
}

TEST(Ceiling, ResultCountsAtTheBoundary) {
  EXPECT_TRUE(Addin::WithinResultCeiling(4096, 4096));
  EXPECT_FALSE(Addin::WithinResultCeiling(4097, 4096));
  EXPECT_TRUE(Addin::WithinResultCeiling(1, 1 << 24));
  EXPECT_FALSE(Addin::WithinResultCeiling(-1, 1));
  EXPECT_FALSE(Addin::WithinResultCeiling(1LL << 40, 1LL << 40));  // no wrap-around
}

}  // namespace
}  // namespace Zq::Testing
