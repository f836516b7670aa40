// The companion add-in through the host: it registers the 30 exported-only
// functions against the main add-in beside it, refuses cleanly when the main
// add-in is missing, and both add-ins close in either order.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

#include "extras/extras_table.h"
#include "host/addin_library.h"
#include "host/command_line.h"
#include "host/host.h"
#include "host/standin/standin.h"

namespace Zq::Host {
namespace {

namespace fs = std::filesystem;

constexpr char kOptionValue[] = "ZQOPTIONBS(1,100,100,1,0.2,0.05,0)";

std::string Number(const Evaluation& evaluation) {
  if (!evaluation.ok) return evaluation.error;
  if (!evaluation.value || evaluation.value->cells.size() != 1 || evaluation.value->cells[0].index() != 0) {
    return "not a number";
  }
  std::ostringstream text;
  text.precision(17);
  text << std::get<double>(evaluation.value->cells[0]);
  return text.str();
}

class Companion : public ::testing::Test {
 protected:
  void SetUp() override {
    StandIn::SetMessageBoxQuiet(true);
    StandIn::ClearRecords();
  }
  void TearDown() override { host_.Close(); }

  void OpenBoth() {
    std::string error;
    ASSERT_TRUE(host_.OpenAddin(ZQ_ADDIN_PATH, error)) << error;
    ASSERT_TRUE(host_.OpenAddin(ZQ_EXTRAS_PATH, error)) << error;
  }

  Host host_;
};

TEST_F(Companion, RegistersTheThirtyAgainstTheMainAddinSoAll118AreCallable) {
  OpenBoth();
  ASSERT_EQ(host_.AutoOpenRegistrationCount(), 118u);
  const std::string main = fs::absolute(ZQ_ADDIN_PATH).lexically_normal().string();
  const auto registrations = host_.Registrations(false);
  for (std::size_t i = 0; i < 30; ++i) {
    const auto& row = Extras::ExtrasTable[i];
    const auto& arguments = registrations[88 + i].arguments;
    ASSERT_EQ(arguments.size(), 10u);
    EXPECT_EQ(arguments[0], main);  // the main add-in's full path as the module
    EXPECT_EQ(arguments[1], std::string(row.procedure + 1));
    EXPECT_EQ(arguments[3], std::string(row.functionText + 1));
    EXPECT_EQ(arguments[6], "ZqRand");
  }
  EXPECT_EQ(StandIn::OutstandingExcelStrings(), 0);  // its own name went back with xlFree
  ASSERT_EQ(StandIn::RegisteredFunctions().size(), 118u);
  for (const auto& function : StandIn::RegisteredFunctions()) {
    EXPECT_EQ(function.module, main) << function.functionText;
    const Evaluation evaluation = host_.Evaluate(function.functionText + "()");
    EXPECT_TRUE(evaluation.ok) << function.functionText << ": " << evaluation.error;
  }
  EXPECT_EQ(Number(host_.Evaluate(kOptionValue)), "10.450575619322237");
  // With everything registered, the host's own fallback adds nothing.
  host_.RegisterExportedOnly();
  EXPECT_EQ(host_.Registrations(true).size(), 118u);
}

TEST_F(Companion, OpenedAloneItsRegistrationsLoadTheMainLibraryWithoutOpeningItAsAnAddin) {
  std::string error;
  ASSERT_TRUE(host_.OpenAddin(ZQ_EXTRAS_PATH, error)) << error;
  EXPECT_EQ(host_.AutoOpenRegistrationCount(), 30u);
  EXPECT_TRUE(host_.IsLoaded(ZQ_ADDIN_PATH));
  EXPECT_EQ(host_.OpenAddinCount(), 1u);
  EXPECT_EQ(Number(host_.Evaluate(kOptionValue)), "10.450575619322237");
  EXPECT_EQ(host_.Evaluate("ZQNORMINV(0.975)").error, "unknown function ZQNORMINV");
}

TEST_F(Companion, WithoutTheMainAddinBesideItOneMessageAndNothingRegistered) {
  const fs::path folder = fs::temp_directory_path() / "zq_companion_alone";
  fs::remove_all(folder);
  fs::create_directories(folder);
  fs::copy_file(ZQ_EXTRAS_PATH, folder / fs::path(ZQ_EXTRAS_PATH).filename());
  std::string error;
  ASSERT_TRUE(host_.OpenAddin((folder / fs::path(ZQ_EXTRAS_PATH).filename()).string(), error)) << error;
  EXPECT_TRUE(StandIn::Registrations().empty());
  EXPECT_EQ(StandIn::OutstandingExcelStrings(), 0);
  EXPECT_EQ(StandIn::LastMessageBoxCaption(), "ZqRand Extras");
  EXPECT_NE(StandIn::LastMessageBoxText().find((folder / kAddinFileName).string()), std::string::npos);
  EXPECT_EQ(StandIn::LastMessageBoxStyle(), 0x00000030u | 0x00040000u);  // warning, topmost
  EXPECT_EQ(host_.Evaluate(kOptionValue).error, "unknown function ZQOPTIONBS");
  host_.Close();
  EXPECT_TRUE(StandIn::UnregisteredIds().empty());
  EXPECT_TRUE(StandIn::RemovedNames().empty());
  fs::remove_all(folder);
}

TEST_F(Companion, ClosingTheCompanionFirstTakesBackExactlyItsThirty) {
  OpenBoth();
  host_.CloseAddin(ZQ_EXTRAS_PATH);
  EXPECT_EQ(StandIn::UnregisteredIds().size(), 30u);
  ASSERT_EQ(StandIn::RemovedNames().size(), 30u);
  EXPECT_EQ(StandIn::RemovedNames().front(), "ZQJOHNSONSUNORMQQ");
  EXPECT_EQ(StandIn::RegisteredFunctions().size(), 88u);
  EXPECT_EQ(host_.Evaluate(kOptionValue).error, "unknown function ZQOPTIONBS");
  EXPECT_TRUE(host_.Evaluate("ZQNORMINV(0.975)").ok);
  EXPECT_FALSE(host_.IsLoaded(ZQ_EXTRAS_PATH));
  host_.CloseAddin(ZQ_ADDIN_PATH);
  EXPECT_TRUE(StandIn::RegisteredFunctions().empty());
  EXPECT_FALSE(host_.IsLoaded(ZQ_ADDIN_PATH));
}

TEST_F(Companion, ClosingTheMainAddinFirstKeepsItsLibraryForTheCompanionsFunctions) {
  OpenBoth();
  host_.CloseAddin(ZQ_ADDIN_PATH);
  EXPECT_EQ(StandIn::RegisteredFunctions().size(), 30u);
  EXPECT_EQ(host_.Evaluate("ZQNORMINV(0.975)").error, "unknown function ZQNORMINV");
  EXPECT_TRUE(host_.IsLoaded(ZQ_ADDIN_PATH));
  EXPECT_EQ(Number(host_.Evaluate(kOptionValue)), "10.450575619322237");
  host_.CloseAddin(ZQ_EXTRAS_PATH);
  EXPECT_TRUE(StandIn::RegisteredFunctions().empty());
  EXPECT_FALSE(host_.IsLoaded(ZQ_ADDIN_PATH));
  EXPECT_FALSE(host_.IsLoaded(ZQ_EXTRAS_PATH));
}

TEST_F(Companion, OpeningItAgainOrReopeningAfterCloseRegistersEachFunctionOnce) {
  OpenBoth();
  std::string error;
  ASSERT_TRUE(host_.OpenAddin(ZQ_EXTRAS_PATH, error));
  EXPECT_EQ(host_.AutoOpenRegistrationCount(), 118u);
  host_.CloseAddin(ZQ_EXTRAS_PATH);
  ASSERT_TRUE(host_.OpenAddin(ZQ_EXTRAS_PATH, error)) << error;
  EXPECT_EQ(StandIn::RegisteredFunctions().size(), 118u);
  EXPECT_EQ(Number(host_.Evaluate(kOptionValue)), "10.450575619322237");
}

TEST_F(Companion, AnswersItsOwnTitleToTheAddinManager) {
  AddinLibrary library;
  std::string error;
  ASSERT_TRUE(library.Open(ZQ_EXTRAS_PATH, error)) << error;
  using Info = LPXLOPER (*)(LPXLOPER);
  using Free = void (*)(LPXLOPER);
  const auto info = reinterpret_cast<Info>(library.Find("xlAddInManagerInfo"));
  const auto release = reinterpret_cast<Free>(library.Find("xlAutoFree"));
  ASSERT_NE(info, nullptr);
  ASSERT_NE(release, nullptr);
  XLOPER action{};
  action.val.num = 1;
  action.xltype = xltypeNum;
  LPXLOPER title = info(&action);
  ASSERT_EQ(title->xltype, xltypeStr | xlbitDLLFree);
  EXPECT_EQ(std::string(title->val.str + 1, static_cast<unsigned char>(title->val.str[0])), "ZqRand Extras");
  release(title);
  action.val.num = 2;
  EXPECT_EQ(info(&action)->xltype, xltypeErr);
}

struct CommandRun {
  int exitCode;
  std::string out;
  std::string err;
};

CommandRun RunHost(const std::vector<std::string>& arguments) {
  std::istringstream in;
  std::ostringstream out;
  std::ostringstream err;
  const int code = RunCommandLine(arguments, ZQ_ADDIN_PATH, in, out, err);
  return {code, out.str(), err.str()};
}

TEST(CompanionCommandLine, ExtrasOrASecondAddinAnswerTheOptionValueWithoutTheHostsOwnRegistration) {
  const CommandRun extras = RunHost({"--quiet", "--extras", "--registered-only", kOptionValue});
  EXPECT_EQ(extras.exitCode, kExitOk) << extras.err;
  EXPECT_EQ(extras.out, "10.450575619322237\n");
  const CommandRun both = RunHost({"--quiet", "--addin", ZQ_ADDIN_PATH, "--addin", ZQ_EXTRAS_PATH, "--registered-only",
                            kOptionValue});
  EXPECT_EQ(both.out, extras.out);
  const CommandRun mainOnly = RunHost({"--quiet", "--registered-only", kOptionValue});
  EXPECT_EQ(mainOnly.exitCode, kExitFormulaError);
}

TEST(CompanionCommandLine, ListNamesTheLibraryOfEachFunctionWhenSeveralAddinsAreOpen) {
  const CommandRun list = RunHost({"--quiet", "--extras", "--registered-only", "--list"});
  EXPECT_EQ(std::count(list.out.begin(), list.out.end(), '\n'), 118);
  const std::string suffix = std::string("\t") + kAddinFileName + "\n";
  std::istringstream lines(list.out);
  for (std::string line; std::getline(lines, line);) {
    EXPECT_TRUE(line.ends_with(suffix.substr(0, suffix.size() - 1))) << line;
  }
  EXPECT_NE(list.out.find("ZQOPTIONBS\tZqOptionBS\tRIBBBBBI\t"), std::string::npos);
}

}  // namespace
}  // namespace Zq::Host
