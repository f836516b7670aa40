#include <gtest/gtest.h>

#include <cstdint>

#include "addin/call_frame.h"
#include "addin/worksheet_functions.h"
#include "host/standin/standin.h"
#include "tests/worksheet/worksheet_test_support.h"

namespace {

using Zq::StandIn::ExcelMainWindow;
using Zq::StandIn::OpenWindow;

class FunctionWizardTest : public ::testing::Test {
 protected:
  void TearDown() override {
    Zq::StandIn::CloseAllWindows();
    Zq::StandIn::SetGetHwndFails(false);
  }
};

TEST_F(FunctionWizardTest, TheWizardOfThisExcelSilencesEveryFunctionEvenWithBadArguments) {
  EXPECT_FALSE(Zq::Addin::FunctionWizardActive());
  Zq::StandIn::OpenFunctionWizard();
  EXPECT_TRUE(Zq::Addin::FunctionWizardActive());
  EXPECT_EQ(ZqRand(3, 0, 0, 0), nullptr);
  EXPECT_EQ(ZqRand(-1, 9, 0, 0), nullptr);
}

TEST_F(FunctionWizardTest, ClassNamesMatchByTheirFirstElevenLettersInAnyCase) {
  OpenWindow("Shell_TrayWnd", nullptr);
  auto* wizard = OpenWindow("BOSA_SDM_XL9", ExcelMainWindow());
  EXPECT_TRUE(Zq::Addin::FunctionWizardActive());
  Zq::StandIn::CloseWindow(wizard);
  wizard = OpenWindow("bosa_sdm_xl_some_later_version", ExcelMainWindow());
  EXPECT_TRUE(Zq::Addin::FunctionWizardActive());
  Zq::StandIn::CloseWindow(wizard);
  wizard = OpenWindow("bosa_sdm_XL", ExcelMainWindow());
  EXPECT_TRUE(Zq::Addin::FunctionWizardActive());
  Zq::StandIn::CloseWindow(wizard);
}

TEST_F(FunctionWizardTest, SimilarClassesAndOtherOwnersDoNotCount) {
  OpenWindow("bosa_sdm", ExcelMainWindow());  // only the first eight letters
  OpenWindow("bosa_sdm_X", ExcelMainWindow());
  OpenWindow("xbosa_sdm_XL9", ExcelMainWindow());
  auto* otherExcel = OpenWindow("XLMAIN", nullptr);
  OpenWindow("bosa_sdm_XL9", otherExcel);
  OpenWindow("bosa_sdm_XL9", nullptr);
  EXPECT_FALSE(Zq::Addin::FunctionWizardActive());
  const auto cells = Zq::Testing::TakeColumn(ZqRand(2, 0, 0, 0), 2);
  EXPECT_EQ(cells.size(), 2u);
}

TEST_F(FunctionWizardTest, WhenExcelCannotNameItsWindowFunctionsCompute) {
  Zq::StandIn::OpenFunctionWizard();
  Zq::StandIn::SetGetHwndFails(true);
  EXPECT_FALSE(Zq::Addin::FunctionWizardActive());
  const auto cells = Zq::Testing::TakeColumn(ZqRand(1, 0, 0, 0), 1);
  EXPECT_EQ(cells.size(), 1u);
}

}  // namespace
