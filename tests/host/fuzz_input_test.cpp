// The fuzz harness's input format: what the seed tool encodes decodes to the
// same call, and every decoded K array holds exactly the doubles its counts
// declare, within the harness's bound.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <vector>

#include "tests/fuzz/fuzz_input.h"

namespace Zq::Fuzz {
namespace {

std::vector<double> ArrayBlock(WORD rows, WORD columns, std::vector<double> values) {
  std::vector<double> block(1 + values.size());
  const WORD counts[4] = {rows, columns, 0, 0};
  std::memcpy(block.data(), counts, sizeof counts);
  std::copy(values.begin(), values.end(), block.begin() + 1);
  return block;
}

TEST(FuzzInput, EncodedCallsDecodeToTheSameArgumentsBitForBit) {
  const std::vector<double> matrix = ArrayBlock(2, 3, {1, -0.0, 3, std::numeric_limits<double>::infinity(), 5e-324, 6});
  const std::vector<double> empty = ArrayBlock(0, 0, {});
  std::vector<Host::ArgumentValue> values(6);
  values[0].number = -std::numeric_limits<double>::quiet_NaN();
  values[1].integer16 = -32768;
  values[2].integer32 = 2147483647;
  values[3].array = reinterpret_cast<const FP*>(matrix.data());
  values[4].integer16 = 1;
  values[5].array = reinterpret_cast<const FP*>(empty.data());

  const std::vector<std::uint8_t> bytes = EncodeCall(77, "BIJKAK", values.data());
  Reader reader(bytes);
  EXPECT_EQ(DecodeFunction(reader, 113), 77u);
  const DecodedCall call = DecodeArguments(reader, "BIJKAK");
  EXPECT_TRUE(reader.Exhausted());
  EXPECT_EQ(std::bit_cast<std::uint64_t>(call.values[0].number), std::bit_cast<std::uint64_t>(values[0].number));
  EXPECT_EQ(call.values[1].integer16, -32768);
  EXPECT_EQ(call.values[2].integer32, 2147483647);
  EXPECT_EQ(call.values[4].integer16, 1);
  const FP* decoded = call.values[3].array;
  ASSERT_EQ(decoded->rows, 2);
  ASSERT_EQ(decoded->columns, 3);
  for (int k = 0; k < 6; ++k) {
    EXPECT_EQ(std::bit_cast<std::uint64_t>(FpValues(decoded)[k]), std::bit_cast<std::uint64_t>(matrix[1 + k])) << k;
  }
  EXPECT_EQ(call.values[5].array->rows, 0);
  EXPECT_EQ(call.values[5].array->columns, 0);
}

TEST(FuzzInput, OversizedShapesShrinkToTheBoundWithHonestCounts) {
  // Raw shape 65535 x 65535, values cycled from the two supplied.
  const std::vector<std::uint8_t> bytes = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0x81, 0x82};
  Reader reader(bytes);
  const DecodedCall call = DecodeArguments(reader, "K");
  const FP* array = call.values[0].array;
  EXPECT_EQ(array->rows, 65535);
  EXPECT_EQ(array->columns, kMaxArrayElements / 65535);
  const std::size_t count = std::size_t{array->rows} * array->columns;
  EXPECT_LE(count, kMaxArrayElements);
  EXPECT_EQ(FpValues(array)[0], -15.0);
  EXPECT_EQ(FpValues(array)[1], -14.0);
  EXPECT_EQ(FpValues(array)[count - 1], count % 2 == 0 ? -14.0 : -15.0);
}

TEST(FuzzInput, AnExhaustedInputStillDecodesEveryArgument) {
  Reader reader({});
  EXPECT_EQ(DecodeFunction(reader, 113), 0u);
  const DecodedCall call = DecodeArguments(reader, "BKIJ");
  ASSERT_EQ(call.values.size(), 4u);
  EXPECT_TRUE(std::isnan(call.values[0].number));  // tag 0 is the first special value
  ASSERT_NE(call.values[1].array, nullptr);
  EXPECT_EQ(call.values[1].array->rows, 0);
  EXPECT_EQ(call.values[2].integer16, 0);
  EXPECT_EQ(call.values[3].integer32, 0);
}

}  // namespace
}  // namespace Zq::Fuzz
