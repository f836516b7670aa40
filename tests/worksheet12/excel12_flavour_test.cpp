// The Excel 12 flavour end to end against a minimal Excel 12: registration
// of every function with its derived type text, refusal in an older Excel,
// results on the big grid and the ceiling, and calls on many threads at once.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <string>
#include <thread>
#include <vector>

#include "addin/entry_points12.h"
#include "addin/worksheet_functions.h"
#include "tests/worksheet12/excel12_standin.h"

namespace {

using Zq::Test::StandIn;

std::u16string Wide(std::string_view text) { return {text.begin(), text.end()}; }

const std::vector<std::u16string>* Registration(std::string_view procedure) {
  for (const auto& texts : StandIn().registrations) {
    if (texts.size() > 2 && texts[1] == Wide(procedure)) return &texts;
  }
  return nullptr;
}

// The values of a one-column result, or of #VALUE! none.
std::vector<std::uint64_t> ColumnBits(LPXLOPER12 result) {
  std::vector<std::uint64_t> bits;
  if (result == nullptr || !(result->xltype & xltypeMulti)) return bits;
  const auto count = static_cast<std::size_t>(result->val.array.rows) * result->val.array.columns;
  for (std::size_t i = 0; i < count; ++i) bits.push_back(std::bit_cast<std::uint64_t>(result->val.array.lparray[i].val.num));
  xlAutoFree12(result);
  return bits;
}

bool IsValueError(LPXLOPER12 result) { return result != nullptr && result->xltype == xltypeErr && result->val.err == xlerrValue; }

TEST(Excel12Flavour, RegistersEveryFunctionThreadSafeWithDerivedTypeTexts) {
  StandIn().registrations.clear();
  ASSERT_EQ(xlAutoOpen(), 1);
  ASSERT_EQ(StandIn().registrations.size(), 118u);
  const struct {
    const char* procedure;
    const char* typeText;
  } cases[] = {{"ZqRand", "QJJJJ$"},
               {"ZqRandMultiNorm", "QJK%K%JJJAAA$"},
               {"ZqBetaDist", "QBBBA$"},
               {"ZqMonteCarloLFM", "QK%BBBJJJJAAAJ$"},
               {"ZqOptionBS", "QJBBBBBJ$"},
               {"ZqGumbelKurt", "Q$"}};
  for (const auto& c : cases) {
    const auto* texts = Registration(c.procedure);
    ASSERT_NE(texts, nullptr) << c.procedure;
    EXPECT_EQ((*texts)[0], u"zq12");
    EXPECT_EQ((*texts)[2], Wide(c.typeText)) << c.procedure;
  }
  for (const auto& texts : StandIn().registrations) {
    ASSERT_GE(texts.size(), 10u);
    EXPECT_EQ(texts[2].back(), u'$');
    EXPECT_EQ(texts[6], u"ZqRand");  // category
  }
}

TEST(Excel12Flavour, RefusesAnExcelOlderThan12WithOneMessage) {
  StandIn().registrations.clear();
  StandIn().version = 0x0B00;
  const int boxes = StandIn().messageBoxes;
  EXPECT_EQ(xlAutoOpen(), 0);
  StandIn().version = kExcel12CallVersion;
  EXPECT_EQ(StandIn().messageBoxes, boxes + 1);
  EXPECT_TRUE(StandIn().registrations.empty());
}

TEST(Excel12Flavour, AMillionRowsWorkAndPastTheGridOrCeilingIsValueError) {
  const auto small = ColumnBits(ZqRand(32767, 0, 1, 2));
  const auto large = ColumnBits(ZqRand(1048576, 0, 1, 2));
  ASSERT_EQ(small.size(), 32767u);
  ASSERT_EQ(large.size(), 1048576u);
  EXPECT_TRUE(std::equal(small.begin(), small.end(), large.begin()));  // same stream, longer
  EXPECT_TRUE(IsValueError(ZqRand(1048577, 0, 1, 2)));
  EXPECT_TRUE(IsValueError(ZqRandNorm(1048577, 0, 1, 2, 0, 0, 1)));  // refused before resampling draws
  EXPECT_TRUE(IsValueError(ZqRandNormPareto(16385, 0.1, 3, 1, 0.1, 3, 1, 0, 1, 0, 1, 2, 0, 0, 0, 1)));  // a row
  // 1,048,576 rows of 17 columns pass the 2^24-cell ceiling.
  constexpr std::int32_t d = 17;
  std::vector<double> cov(1 + d * d, 0.0), mean(1 + d, 0.0);
  for (std::int32_t i = 0; i < d; ++i) cov[1 + i * d + i] = 1;
  auto* covariance = reinterpret_cast<FP12*>(cov.data());
  auto* means = reinterpret_cast<FP12*>(mean.data());
  covariance->rows = covariance->columns = means->rows = d;
  means->columns = 1;
  EXPECT_TRUE(IsValueError(ZqRandMultiNorm(1048576, covariance, means, 0, 1, 2, 0, 0, 0)));
  EXPECT_TRUE(IsValueError(ZqRandLHS(1048576, d, 0, 1, 2)));
  EXPECT_TRUE(IsValueError(ZqSobol(1048576, d, 0)));
  EXPECT_EQ(ColumnBits(ZqSobol(1048576, 1, 0)).size(), 1048576u);
  EXPECT_EQ(ColumnBits(ZqRandMultiNorm(2, covariance, means, 0, 1, 2, 0, 0, 0)).size(), 2u * d);
}

TEST(Excel12Flavour, CallsOnManyThreadsGiveTheSerialResults) {
  constexpr int kThreads = 8;
  std::vector<std::vector<std::uint64_t>> serial(kThreads), threaded(kThreads);
  for (int t = 0; t < kThreads; ++t) serial[t] = ColumnBits(ZqRandNorm(5000, t % 3, t, 7, 0, 0, 1));
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([&, t] {
      for (int repeat = 0; repeat < 4; ++repeat) threaded[t] = ColumnBits(ZqRandNorm(5000, t % 3, t, 7, 0, 0, 1));
    });
  }
  for (auto& thread : threads) thread.join();
  EXPECT_EQ(serial, threaded);
}

TEST(Excel12Flavour, LargeBlocksHandedBackServeTheNextLargeArraysOnAnyThread) {
  constexpr std::int32_t kLarge = 1 << 17;
  LPXLOPER12 first = ZqRand(kLarge, 0, 1, 2);
  ASSERT_TRUE(first != nullptr && (first->xltype & xltypeMulti));
  const LPXLOPER12 block = first->val.array.lparray;
  xlAutoFree12(first);
  LPXLOPER12 smaller = ZqRand(kLarge - 5, 1, 3, 4);  // takes the kept block
  ASSERT_TRUE(smaller != nullptr && (smaller->xltype & xltypeMulti));
  EXPECT_EQ(smaller->val.array.lparray, block);
  EXPECT_EQ(smaller->val.array.rows, kLarge - 5);
  xlAutoFree12(smaller);

  constexpr int kThreads = 6;
  std::vector<std::vector<std::uint64_t>> serial(kThreads), threaded(kThreads);
  for (int t = 0; t < kThreads; ++t) serial[t] = ColumnBits(ZqRand(kLarge + 1000 * t, t % 3, t, 9));
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([&, t] {
      for (int repeat = 0; repeat < 3; ++repeat) threaded[t] = ColumnBits(ZqRand(kLarge + 1000 * t, t % 3, t, 9));
    });
  }
  for (auto& thread : threads) thread.join();
  EXPECT_EQ(serial, threaded);
  xlAutoClose();  // frees the kept blocks; nothing leaks
}

}  // namespace
