// Copying results as Excel does (and handing DLL-free records back), and
// printing them as grids and JSON.
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <limits>
#include <vector>

#include "host/output.h"
#include "host/result.h"

namespace Zq::Host {
namespace {

std::vector<LPXLOPER> freed;
void ZQ_CALL RecordFree(LPXLOPER record) { freed.push_back(record); }

XLOPER NumberRecord(double value) {
  XLOPER record{};
  record.val.num = value;
  record.xltype = xltypeNum;
  return record;
}

XLOPER ErrorRecord(WORD code) {
  XLOPER record{};
  record.val.err = code;
  record.xltype = xltypeErr;
  return record;
}

TEST(TakeResult, ArrayIsCopiedThenHandedToAutoFree) {
  freed.clear();
  XLOPER cells[6] = {NumberRecord(1), NumberRecord(2), ErrorRecord(xlerrValue),
                     NumberRecord(4), NumberRecord(5), NumberRecord(6)};
  XLOPER record{};
  record.val.array = {cells, 3, 2};
  record.xltype = xltypeMulti | xlbitDLLFree;
  const auto grid = TakeResult(&record, &RecordFree);
  ASSERT_TRUE(grid.has_value());
  EXPECT_EQ(grid->rows, 3u);
  EXPECT_EQ(grid->columns, 2u);
  EXPECT_EQ(FormatGrid(grid), "1\t2\n#VALUE!\t4\n5\t6\n");
  EXPECT_EQ(freed, std::vector<LPXLOPER>{&record});
}

TEST(TakeResult, ScalarsAreNotFreedAndNullIsNoResult) {
  freed.clear();
  XLOPER number = NumberRecord(0.25);
  EXPECT_EQ(FormatGrid(TakeResult(&number, &RecordFree)), "0.25\n");
  XLOPER error = ErrorRecord(xlerrValue);
  EXPECT_EQ(FormatGrid(TakeResult(&error, &RecordFree)), "#VALUE!\n");
  XLOPER plainArray{};
  XLOPER one = NumberRecord(3);
  plainArray.val.array = {&one, 1, 1};
  plainArray.xltype = xltypeMulti;
  EXPECT_EQ(FormatGrid(TakeResult(&plainArray, &RecordFree)), "3\n");
  EXPECT_TRUE(freed.empty());
  EXPECT_FALSE(TakeResult(nullptr, &RecordFree).has_value());
  EXPECT_EQ(FormatGrid(std::nullopt), "#NULL!\n");
}

TEST(TakeResult, DllFreeStringIsReadThenFreed) {
  freed.clear();
  char text[] = "\x0C" "ZqRand Addin";
  XLOPER record{};
  record.val.str = text;
  record.xltype = xltypeStr | xlbitDLLFree;
  EXPECT_EQ(FormatGrid(TakeResult(&record, &RecordFree)), "ZqRand Addin\n");
  EXPECT_EQ(freed.size(), 1u);
}

TEST(TakeResult, MalformedRecordsShowAsValueErrors) {
  XLOPER emptyArray{};
  emptyArray.val.array = {nullptr, 0, 0};
  emptyArray.xltype = xltypeMulti;
  EXPECT_EQ(FormatGrid(TakeResult(&emptyArray, nullptr)), "#VALUE!\n");
  XLOPER missing{};
  missing.xltype = xltypeMissing;
  EXPECT_EQ(FormatGrid(TakeResult(&missing, nullptr)), "#VALUE!\n");
  XLOPER nested[2] = {emptyArray, NumberRecord(1)};
  XLOPER outer{};
  outer.val.array = {nested, 1, 2};
  outer.xltype = xltypeMulti;
  EXPECT_EQ(FormatGrid(TakeResult(&outer, nullptr)), "#VALUE!\t1\n");
}

TEST(Output, NumbersInShortestRoundTripForm) {
  EXPECT_EQ(FormatNumber(0.1), "0.1");
  EXPECT_EQ(FormatNumber(0.1 + 0.2), "0.30000000000000004");
  EXPECT_EQ(FormatNumber(1.0 / 3.0), "0.3333333333333333");
  EXPECT_EQ(FormatNumber(-2), "-2");
  EXPECT_EQ(FormatNumber(1e-12), "1e-12");
  EXPECT_EQ(FormatNumber(0.999999999999), "0.999999999999");
  EXPECT_EQ(FormatNumber(1e300), "1e+300");
  EXPECT_EQ(FormatNumber(std::numeric_limits<double>::infinity()), "#NUM!");
  for (const double v : {0.1507172537105722, 2.2250738585072014e-308, 4.9406564584124654e-324, -123456.789e100}) {
    const std::string text = FormatNumber(v);
    double back = 0;
    std::from_chars(text.data(), text.data() + text.size(), back);
    EXPECT_EQ(back, v) << text;
  }
}

TEST(Output, ErrorNamesAsExcelShowsThem) {
  EXPECT_EQ(ErrorName(xlerrValue), "#VALUE!");
  EXPECT_EQ(ErrorName(xlerrNull), "#NULL!");
  EXPECT_EQ(ErrorName(36), "#NUM!");
  EXPECT_EQ(ErrorName(42), "#N/A");
  EXPECT_EQ(FormatCell(true), "TRUE");
}

TEST(Output, JsonOneObjectPerLine) {
  Grid grid;
  grid.rows = 2;
  grid.columns = 2;
  grid.cells = {0.5, ErrorValue{xlerrValue}, -3.0, std::make_shared<const std::string>("a\"b")};
  EXPECT_EQ(FormatJson("F({1,2})", grid),
            "{\"formula\": \"F({1,2})\", \"value\": [[0.5, \"#VALUE!\"], [-3, \"a\\\"b\"]]}\n");
  EXPECT_EQ(FormatJson("F(\"\\\t)", std::nullopt), "{\"formula\": \"F(\\\"\\\\\\t)\", \"value\": null}\n");
  EXPECT_EQ(FormatJson("F()", SingleCell(std::numeric_limits<double>::quiet_NaN())),
            "{\"formula\": \"F()\", \"value\": [[\"#NUM!\"]]}\n");
}

}  // namespace
}  // namespace Zq::Host
