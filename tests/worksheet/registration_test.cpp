#include "addin/registration_table.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "addin/entry_points.h"
#include "addin/platform.h"
#include "host/standin/standin.h"
#include "tests/worksheet/worksheet_test_support.h"

namespace {

std::string Counted(const char* text) { return std::string(text + 1, static_cast<unsigned char>(text[0])); }

class RegistrationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Zq::StandIn::ClearRecords();
    Zq::StandIn::SetMessageBoxQuiet(true);
    Zq::StandIn::SetModuleName("/opt/zq/zqrand.xll");
  }
};

TEST_F(RegistrationTest, TheTableHas88RowsOfCountedStringsAndATerminator) {
  int rows = 0;
  for (const auto* row = Zq::Addin::RegistrationTable; row->procedure != nullptr; ++row) {
    ++rows;
    for (const char* field : {row->procedure, row->typeText, row->functionText, row->argumentText, row->macroType,
                              row->category, row->shortcutText, row->helpTopic, row->functionHelp}) {
      ASSERT_NE(field, nullptr);
      EXPECT_EQ(std::string(field + 1).size(), static_cast<unsigned char>(field[0])) << Counted(row->procedure);
    }
    std::string upper = Counted(row->procedure);
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    EXPECT_EQ(Counted(row->functionText), upper);
    EXPECT_EQ(Counted(row->typeText)[0], 'R');
    EXPECT_EQ(row->category, Zq::Addin::RegistrationTable[0].procedure);  // one shared "ZqRand"
    EXPECT_EQ(row->shortcutText, row->helpTopic);                         // one shared empty string
  }
  EXPECT_EQ(rows, Zq::Addin::kRegisteredFunctionCount);
  const auto& terminator = Zq::Addin::RegistrationTable[Zq::Addin::kRegisteredFunctionCount];
  EXPECT_EQ(terminator.functionHelp, nullptr);
}

TEST_F(RegistrationTest, LoadingRegistersEveryRowWithItsTenArgumentsInOrder) {
  EXPECT_EQ(xlAutoOpen(), 1);
  const auto& registrations = Zq::StandIn::Registrations();
  ASSERT_EQ(registrations.size(), 88u);
  for (int i = 0; i < 88; ++i) {
    const auto& row = Zq::Addin::RegistrationTable[i];
    const std::vector<std::string> expected = {"/opt/zq/zqrand.xll",      Counted(row.procedure),
                                               Counted(row.typeText),     Counted(row.functionText),
                                               Counted(row.argumentText), "1",
                                               "ZqRand",                  "",
                                               "",                        Counted(row.functionHelp)};
    EXPECT_EQ(registrations[i].arguments, expected) << i;
  }
  EXPECT_EQ(registrations[0].arguments[3], "ZQRAND");
  EXPECT_EQ(registrations[0].arguments[2], "RIIJJ");
  EXPECT_EQ(registrations[87].arguments[3], "ZQCOV2COR");
  EXPECT_EQ(Zq::StandIn::OutstandingExcelStrings(), 0);  // the module name went back with xlFree
  EXPECT_GT(Zq::Platform::PerformanceFrequency, 0);
}

TEST_F(RegistrationTest, LoadingShowsTheAboutNotice) {
  xlAutoOpen();
  EXPECT_NE(Zq::StandIn::LastMessageBoxText().find("ZqRand Addin"), std::string::npos);
  EXPECT_NE(Zq::StandIn::LastMessageBoxText().find("3.0"), std::string::npos);
  EXPECT_EQ(Zq::StandIn::LastMessageBoxStyle(), 0x00000040u | 0x00040000u);
}

TEST_F(RegistrationTest, UnloadingRemovesExactlyTheRegisteredNames) {
  xlAutoOpen();
  EXPECT_EQ(xlAutoClose(), 1);
  std::vector<std::string> registered;
  for (const auto& registration : Zq::StandIn::Registrations()) registered.push_back(registration.arguments[3]);
  EXPECT_EQ(Zq::StandIn::RemovedNames(), registered);
}

TEST_F(RegistrationTest, TheAddInManagerGetsTheTitleForActionOne) {
  for (XLOPER action : {XLOPER{{.num = 1.0}, xltypeNum}, XLOPER{{.w = 1}, xltypeInt}}) {
    LPXLOPER title = xlAddInManagerInfo(&action);
    ASSERT_EQ(title->xltype, xltypeStr | xlbitDLLFree);
    EXPECT_EQ(Counted(title->val.str), "ZqRand Addin");
    xlAutoFree(title);
  }
  XLOPER two{{.num = 2.0}, xltypeNum};
  EXPECT_TRUE(Zq::Testing::IsValueError(xlAddInManagerInfo(&two)));
}

}  // namespace
