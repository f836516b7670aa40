#include <gtest/gtest.h>

#include <cstdint>

#include "addin/worksheet_functions.h"
#include "tests/worksheet/worksheet_test_support.h"

namespace {

using Zq::Testing::IsValueError;
using Zq::Testing::TakeColumn;

TEST(ZqRand, AlgorithmCodesSelectTheEnginesOfTheReferenceOutputs) {
  EXPECT_EQ(TakeColumn(ZqRand(3, 0, 0, 0), 3),
            (std::vector<double>{0.1507172537105722, 0.19554272386502092, 0.16532538485071524}));
  EXPECT_EQ(TakeColumn(ZqRand(3, 1, 0, 0), 3),
            (std::vector<double>{0.6991623490348371, 0.34871351191511224, 0.6324858105817078}));
  EXPECT_EQ(TakeColumn(ZqRand(3, 2, 0, 0), 3),
            (std::vector<double>{0.5635495343719192, 0.5651372396557897, 0.6538863091638015}));
}

TEST(ZqRand, BadAlgorithmOrSizeIsOneValueError) {
  for (short algorithm : {3, -1, 32767}) EXPECT_TRUE(IsValueError(ZqRand(3, algorithm, 0, 0)));
  for (short size : {0, -1, -32768}) EXPECT_TRUE(IsValueError(ZqRand(size, 0, 0, 0)));
}

TEST(ZqRand, EqualArgumentsGiveEqualNumbersAndTheLargestSizeWorks) {
  const auto first = TakeColumn(ZqRand(32767, 1, 17, -3), 32767);
  const auto second = TakeColumn(ZqRand(32767, 1, 17, -3), 32767);
  EXPECT_EQ(first, second);
  EXPECT_EQ(first.size(), 32767u);
}

}  // namespace
