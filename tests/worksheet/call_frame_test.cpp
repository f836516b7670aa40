#include "addin/call_frame.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <stdexcept>

#include "host/standin/standin.h"
#include "tests/worksheet/worksheet_test_support.h"

namespace {

using Zq::Addin::Result;
using Zq::Testing::IsValueError;
using Zq::Testing::TakeArray;

TEST(StoreNumber, FiniteValuesAreNumbersAndEverythingElseIsValueError) {
  XLOPER record{};
  EXPECT_TRUE(Zq::Addin::StoreNumber(-2.5, record));
  EXPECT_EQ(record.xltype, xltypeNum);
  EXPECT_EQ(record.val.num, -2.5);
  for (double bad : {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
                     -std::numeric_limits<double>::infinity()}) {
    EXPECT_FALSE(Zq::Addin::StoreNumber(bad, record));
    EXPECT_TRUE(IsValueError(&record));
  }
}

TEST(ResultArray, NonFiniteElementsBecomeValueErrorInTheirOwnCellsOnly) {
  XLOPER record{};
  Result out(record);
  const double values[] = {1.0, std::nan(""), 3.0, INFINITY};
  int k = 0;
  LPXLOPER answer = out.Values(4, [&] { return values[k++]; }, true);
  ASSERT_EQ(answer, &record);
  const auto cells = TakeArray(answer, 1, 4);
  ASSERT_EQ(cells.size(), 4u);
  EXPECT_EQ(cells[0], 1.0);
  EXPECT_TRUE(std::isnan(cells[1]));
  EXPECT_EQ(cells[2], 3.0);
  EXPECT_TRUE(std::isnan(cells[3]));
}

TEST(ResultArray, OneValueIsStillAnArray) {
  XLOPER record{};
  Result out(record);
  const auto cells = TakeArray(out.Column(1, [] { return 7.0; }), 1, 1);
  EXPECT_EQ(cells, std::vector<double>{7.0});
}

TEST(ResultArray, SizesOutsideExcelsLimitsOrMemoryAreValueError) {
  XLOPER record{};
  Result out(record);
  bool filled = false;
  auto fill = [&](XLOPER*) { filled = true; };
  EXPECT_TRUE(IsValueError(out.Array(0, 1, fill)));
  EXPECT_TRUE(IsValueError(out.Array(1, 0, fill)));
  EXPECT_TRUE(IsValueError(out.Array(-3, 2, fill)));
  EXPECT_TRUE(IsValueError(out.Array(65536, 1, fill)));
  EXPECT_TRUE(IsValueError(out.Array(1, 65536, fill)));
  // 65535 x 65535 records: more than any process here can allocate.
  EXPECT_TRUE(IsValueError(out.Array(65535, 65535, fill)));
  EXPECT_FALSE(filled);
}

TEST(RunFrame, AnExceptionInTheBodyAnswersValueError) {
  XLOPER record{};
  LPXLOPER answer = Zq::Addin::RunFrame(record, [](Result&) -> LPXLOPER { throw std::runtime_error("boom"); });
  EXPECT_EQ(answer, &record);
  EXPECT_TRUE(IsValueError(answer));
}

TEST(RunFrame, AnExceptionWhileFillingReleasesTheArray) {
  XLOPER record{};
  LPXLOPER answer = Zq::Addin::RunFrame(record, [](Result& out) {
    return out.Column(1000, []() -> double { throw std::bad_alloc(); });
  });
  EXPECT_TRUE(IsValueError(answer));  // and the sanitizer build sees no leak
}

TEST(RunFrame, WhileTheWizardIsOpenNothingIsComputedOrTouched) {
  XLOPER record{};
  record.xltype = xltypeNum;
  record.val.num = 42;
  bool ran = false;
  auto* wizard = Zq::StandIn::OpenFunctionWizard();
  LPXLOPER answer = Zq::Addin::RunFrame(record, [&](Result& out) {
    ran = true;
    return out.Error();
  });
  Zq::StandIn::CloseWindow(wizard);
  EXPECT_EQ(answer, nullptr);
  EXPECT_FALSE(ran);
  EXPECT_EQ(record.xltype, xltypeNum);
  EXPECT_EQ(record.val.num, 42);
}

TEST(XlAutoFree, ReleasesArraysAndStringsAndIgnoresNumbers) {
  XLOPER array{};
  array.xltype = xltypeMulti | xlbitDLLFree;
  array.val.array.lparray = Zq::Addin::NewCells(3);
  array.val.array.rows = 3;
  array.val.array.columns = 1;
  xlAutoFree(&array);

  XLOPER text{};
  text.xltype = xltypeStr | xlbitDLLFree;
  text.val.str = new char[4]{3, 'a', 'b', 'c'};
  xlAutoFree(&text);

  XLOPER number{};
  number.xltype = xltypeNum;
  number.val.num = 1.5;
  xlAutoFree(&number);
  EXPECT_EQ(number.val.num, 1.5);
  xlAutoFree(nullptr);
}

}  // namespace
