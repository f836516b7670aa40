#include "addin/registration_table.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "addin/entry_points.h"
#include "addin/platform.h"
#include "extras/extras_table.h"
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

// The one list holds all 118 functions; each add-in's table is its rows of
// the list, in list order, and no function is listed twice.
TEST_F(RegistrationTest, EachTableIsItsAddinsRowsOfTheOneListInOrder) {
  using Zq::Addin::Owner;
  const struct {
    Owner owner;
    const Zq::Addin::RegistrationRow* table;
    int count;
  } tables[] = {{Owner::Main, Zq::Addin::RegistrationTable, 88}, {Owner::Companion, Zq::Extras::ExtrasTable, 30}};
  std::set<std::string> procedures;
  for (const auto& function : Zq::Addin::WorksheetFunctionRows) {
    EXPECT_TRUE(procedures.insert(Counted(function.row.procedure)).second) << Counted(function.row.procedure);
  }
  EXPECT_EQ(procedures.size(), 118u);
  EXPECT_EQ(Zq::Addin::kWorksheetFunctionCount, 118);
  for (const auto& [owner, table, count] : tables) {
    int next = 0;
    for (const auto& function : Zq::Addin::WorksheetFunctionRows) {
      if (function.owner != owner) continue;
      ASSERT_LT(next, count);
      EXPECT_EQ(std::memcmp(&table[next], &function.row, sizeof function.row), 0) << Counted(function.row.procedure);
      ++next;
    }
    EXPECT_EQ(next, count);
    EXPECT_EQ(table[count].procedure, nullptr);
  }
}

TEST_F(RegistrationTest, RegisterRowPassesTheModuleAndTheNineTextsAndAnswersTheId) {
  std::string module = std::string(1, 8) + "/x/a.xll";
  XLOPER moduleRecord{};
  moduleRecord.val.str = module.data();
  moduleRecord.xltype = xltypeStr;
  const auto& row = Zq::Extras::ExtrasTable[1];
  XLOPER id{};
  ASSERT_EQ(Zq::Addin::RegisterRow(moduleRecord, row, &id), xlretSuccess);
  ASSERT_EQ(Zq::StandIn::Registrations().size(), 1u);
  const std::vector<std::string> expected = {
      "/x/a.xll", Counted(row.procedure), Counted(row.typeText), Counted(row.functionText), Counted(row.argumentText),
      "1",        "ZqRand",               "",                    "",                        Counted(row.functionHelp)};
  EXPECT_EQ(Zq::StandIn::Registrations()[0].arguments, expected);
  ASSERT_EQ(id.xltype, xltypeNum);
  EXPECT_EQ(Zq::StandIn::FindFunction("ZQMONTECARLOLFM")->registerId, id.val.num);
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
