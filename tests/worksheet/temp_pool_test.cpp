#include "addin/temp_pool.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

using Zq::Addin::TempPool;

class TempPoolTest : public ::testing::Test {
 protected:
  void SetUp() override { TempPool::Reset(); }
  void TearDown() override { TempPool::Reset(); }
};

TEST_F(TempPoolTest, HoldsSixtyFourRecordsAndRefusesTheSixtyFifth) {
  char text[] = "\x02" "ab";
  for (int i = 0; i < 64; ++i) {
    XLOPER* record = i % 2 ? Zq::Addin::TempText(text) : Zq::Addin::TempInteger(static_cast<short>(i));
    ASSERT_NE(record, nullptr) << i;
  }
  EXPECT_EQ(Zq::Addin::TempInteger(1), nullptr);
  EXPECT_EQ(Zq::Addin::TempText(text), nullptr);
  TempPool::Reset();
  EXPECT_NE(Zq::Addin::TempInteger(1), nullptr);
}

TEST_F(TempPoolTest, RecordsAreTypedAndTextIsNotCopied) {
  char text[] = "\x05" "hello";
  XLOPER* string = Zq::Addin::TempText(text);
  XLOPER* integer = Zq::Addin::TempInteger(-2048);
  ASSERT_NE(string, nullptr);
  ASSERT_NE(integer, nullptr);
  EXPECT_EQ(string->xltype, xltypeStr);
  EXPECT_EQ(string->val.str, text);
  EXPECT_EQ(integer->xltype, xltypeInt);
  EXPECT_EQ(integer->val.w, -2048);
  EXPECT_NE(string, integer);
}

TEST_F(TempPoolTest, OddRequestsKeepLaterRecordsOnEvenOffsets) {
  auto* first = static_cast<unsigned char*>(TempPool::Allocate(3));
  auto* second = static_cast<unsigned char*>(TempPool::Allocate(1));
  ASSERT_NE(first, nullptr);
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(second - first, 4);
}

TEST_F(TempPoolTest, ARequestTooLargeLeavesTheOffsetAlone) {
  EXPECT_EQ(TempPool::Allocate(TempPool::kBytes + 1), nullptr);
  auto* all = TempPool::Allocate(TempPool::kBytes);
  EXPECT_NE(all, nullptr);
  EXPECT_EQ(TempPool::Allocate(1), nullptr);
}

}  // namespace
