// The host with the built add-in: loading and registration, calls through
// every registered function, the Function Wizard, unloading, and the
// command line.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

#include "host/command_line.h"
#include "extras/extras_table.h"
#include "host/host.h"
#include "host/invokers.h"
#include "host/standin/standin.h"

namespace Zq::Host {
namespace {

class HostTest : public ::testing::Test {
 protected:
  void SetUp() override {
    StandIn::SetMessageBoxQuiet(true);
    StandIn::ClearRecords();
    StandIn::CloseAllWindows();
    StandIn::SetGetHwndFails(false);
  }
  void TearDown() override {
    host_.Close();
    StandIn::CloseAllWindows();
    StandIn::SetGetHwndFails(false);
  }

  void Open(bool registerExportedOnly = true) {
    std::string error;
    ASSERT_TRUE(host_.Open(ZQ_ADDIN_PATH, registerExportedOnly, error)) << error;
  }

  std::string Value(std::string_view formula) {
    const Evaluation evaluation = host_.Evaluate(formula);
    EXPECT_TRUE(evaluation.ok) << formula << ": " << evaluation.error;
    if (!evaluation.value) return "#NULL!";
    std::string text;
    for (const auto& cell : evaluation.value->cells) {
      text += cell.index() == 0 ? std::to_string(std::get<double>(cell)) : "error";
      text += ' ';
    }
    return text;
  }

  Host host_;
};

TEST_F(HostTest, OpenRegistersTheTableRowsThenTheExportedOnlyFunctions) {
  Open();
  ASSERT_EQ(host_.AutoOpenRegistrationCount(), 88u);
  const auto& registrations = StandIn::Registrations();
  ASSERT_EQ(registrations.size(), 88u + static_cast<std::size_t>(Extras::kExtrasFunctionCount));
  const std::string module = std::filesystem::absolute(ZQ_ADDIN_PATH).string();
  for (const auto& registration : registrations) {
    ASSERT_EQ(registration.arguments.size(), 10u);
    EXPECT_EQ(registration.arguments[0], module);
    EXPECT_EQ(registration.arguments[5], "1");
    EXPECT_EQ(registration.arguments[6], "ZqRand");
  }
  EXPECT_EQ(registrations[0].arguments[3], "ZQRAND");
  EXPECT_EQ(registrations[88].arguments[1], "ZqJohnsonSUNormQQ");
  EXPECT_EQ(registrations[88].arguments[3], "ZQJOHNSONSUNORMQQ");
  // The module name Excel handed out was returned with xlFree.
  EXPECT_EQ(StandIn::OutstandingExcelStrings(), 0);
}

TEST_F(HostTest, EveryRegisteredFunctionIsCallableWithEveryArgumentOmitted) {
  Open();
  ASSERT_EQ(StandIn::RegisteredFunctions().size(), 118u);
  for (const auto& function : StandIn::RegisteredFunctions()) {
    EXPECT_NE(FindInvoker(function.typeText), nullptr) << function.functionText;
    const Evaluation evaluation = host_.Evaluate(function.functionText + "()");
    EXPECT_TRUE(evaluation.ok) << function.functionText << ": " << evaluation.error;
    EXPECT_TRUE(evaluation.value.has_value()) << function.functionText;
  }
}

TEST_F(HostTest, RegisteredOnlyLeavesTheExportedOnlyFunctionsUncallable) {
  Open(false);
  EXPECT_EQ(StandIn::Registrations().size(), 88u);
  EXPECT_EQ(StandIn::FindFunction("ZQPCA"), nullptr);
  const Evaluation evaluation = host_.Evaluate("ZQPCA({1})");
  EXPECT_FALSE(evaluation.ok);
  EXPECT_EQ(evaluation.error, "unknown function ZQPCA");
}

TEST_F(HostTest, ResultsComeBackWithTheirShape) {
  Open();
  const Evaluation evaluation = host_.Evaluate("ZQRAND(3,0,0,0)");
  ASSERT_TRUE(evaluation.ok);
  ASSERT_TRUE(evaluation.value.has_value());
  EXPECT_EQ(evaluation.value->rows, 3u);
  EXPECT_EQ(evaluation.value->columns, 1u);
  EXPECT_EQ(std::get<double>(evaluation.value->cells[0]), 0.1507172537105722);
}

TEST_F(HostTest, TheFunctionWizardOfThisExcelMakesEveryCallAnswerNull) {
  Open();
  const std::string computed = Value("ZQRAND(2,0,0,0)");
  StandIn::Window wizard = StandIn::OpenFunctionWizard();
  EXPECT_EQ(Value("ZQRAND(3,9,0,0)"), "#NULL!");
  EXPECT_EQ(Value("ZQRAND(2,0,0,0)"), "#NULL!");
  // Without an answer from xlGetHwnd the guard is skipped.
  StandIn::SetGetHwndFails(true);
  EXPECT_EQ(Value("ZQRAND(2,0,0,0)"), computed);
  StandIn::SetGetHwndFails(false);
  StandIn::CloseWindow(wizard);
  EXPECT_EQ(Value("ZQRAND(2,0,0,0)"), computed);
  // A wizard of another Excel window, or a class that only starts like it,
  // does not count.
  StandIn::OpenWindow("bosa_sdm_XL9", StandIn::OpenWindow("XLMAIN", nullptr));
  StandIn::OpenWindow("bosa_sdm", StandIn::ExcelMainWindow());
  EXPECT_EQ(Value("ZQRAND(2,0,0,0)"), computed);
  StandIn::OpenWindow("BOSA_SDM_XL10", StandIn::ExcelMainWindow());
  EXPECT_EQ(Value("ZQRAND(2,0,0,0)"), "#NULL!");
}

TEST_F(HostTest, CloseRemovesExactlyTheNamesTheAddinRegistered) {
  Open();
  std::vector<std::string> registered;
  for (std::size_t i = 0; i < host_.AutoOpenRegistrationCount(); ++i) {
    registered.push_back(StandIn::Registrations()[i].arguments[3]);
  }
  host_.Close();
  EXPECT_EQ(StandIn::RemovedNames(), registered);
  EXPECT_EQ(StandIn::FindFunction("ZQRAND"), nullptr);
  // The host took its own registrations back.
  EXPECT_TRUE(StandIn::RegisteredFunctions().empty());
}

// A call goes where the registration was bound; once the library is
// unloaded the name still registered answers an error, never a call into
// unloaded code. A name registered while no host listened has no binding.
TEST_F(HostTest, CallsFollowTheBindingMadeAtRegistrationAndOutliveNoLibrary) {
  const std::string module = std::filesystem::absolute(ZQ_ADDIN_PATH).string();
  const auto registerAs = [&](const std::string& procedure, const std::string& name) {
    std::vector<std::string> counted;
    for (const std::string& text : {module, procedure, std::string("RIIJJ"), name}) {
      counted.push_back(std::string(1, static_cast<char>(text.size())) + text);
    }
    std::vector<XLOPER> records(counted.size());
    std::vector<XLOPER*> pointers;
    for (std::size_t i = 0; i < counted.size(); ++i) {
      records[i].val.str = counted[i].data();
      records[i].xltype = xltypeStr;
      pointers.push_back(&records[i]);
    }
    StandIn::Excel4v(xlfRegister, nullptr, static_cast<int>(pointers.size()), pointers.data());
  };
  registerAs("ZqRand", "UNHEARD");
  Open();
  registerAs("ZqRand", "MYRAND");
  EXPECT_EQ(Value("myRand(1,1,0,0)"), Value("ZQRAND(1,1,0,0)"));
  const Evaluation unheard = host_.Evaluate("UNHEARD(1,1,0,0)");
  EXPECT_FALSE(unheard.ok);
  EXPECT_NE(unheard.error.find("is not loaded"), std::string::npos) << unheard.error;
  host_.Close();
  ASSERT_NE(StandIn::FindFunction("MYRAND"), nullptr);
  EXPECT_FALSE(host_.IsLoaded(ZQ_ADDIN_PATH));
  const Evaluation afterClose = host_.Evaluate("MYRAND(1,1,0,0)");
  EXPECT_FALSE(afterClose.ok);
  EXPECT_NE(afterClose.error.find("is not loaded"), std::string::npos) << afterClose.error;
}

TEST_F(HostTest, AMissingAddinIsReported) {
  std::string error;
  EXPECT_FALSE(host_.Open("/nonexistent/zqrand.so", true, error));
  EXPECT_FALSE(error.empty());
}

struct HostRun {
  int exitCode;
  std::string out;
  std::string err;
};

HostRun RunHost(std::vector<std::string> arguments, const std::string& input = "") {
  arguments.insert(arguments.begin(), {"--addin", ZQ_ADDIN_PATH, "--quiet"});
  std::istringstream in(input);
  std::ostringstream out;
  std::ostringstream err;
  const int code = RunCommandLine(arguments, "", in, out, err);
  return {code, out.str(), err.str()};
}

TEST(CommandLine, JsonLinesWithNullForTheWizard) {
  const HostRun run = RunHost({"--json", "ZQRAND(2,1,0,0)", "ZQRAND(0,0,0,0)"});
  EXPECT_EQ(run.exitCode, kExitOk);
  EXPECT_EQ(run.out,
            "{\"formula\": \"ZQRAND(2,1,0,0)\", \"value\": [[0.6991623490348371], [0.34871351191511224]]}\n"
            "{\"formula\": \"ZQRAND(0,0,0,0)\", \"value\": [[\"#VALUE!\"]]}\n");
  const HostRun wizard = RunHost({"--json", "--wizard", "ZQRAND(3,9,0,0)"});
  EXPECT_EQ(wizard.out, "{\"formula\": \"ZQRAND(3,9,0,0)\", \"value\": null}\n");
}

TEST(CommandLine, ListsTheRegistrations) {
  const HostRun list = RunHost({"--list"});
  EXPECT_EQ(std::count(list.out.begin(), list.out.end(), '\n'), 88);
  EXPECT_EQ(list.out.substr(0, list.out.find('\n')),
            "ZQRAND\tZqRand\tRIIJJ\tSize, Algorithm, Random seed1, Random seed2\t"
            "Returns uniform pseudo random number(s) in (0, 1)");
  const HostRun all = RunHost({"--list", "--all"});
  EXPECT_EQ(std::count(all.out.begin(), all.out.end(), '\n'), 118);
  const HostRun registeredOnly = RunHost({"--list", "--all", "--registered-only"});
  EXPECT_EQ(std::count(registeredOnly.out.begin(), registeredOnly.out.end(), '\n'), 88);
}

TEST(CommandLine, StandardInputWithCommentsEchoedAndErrorsCounted) {
  const HostRun run = RunHost({"--echo"}, "# uniform\n\nZQRAND(1,1,0,0)\nNOPE(1)\n# after\nZQRAND(1,1,0,0)\n");
  EXPECT_EQ(run.exitCode, kExitFormulaError);
  EXPECT_EQ(run.out, "# uniform\n\n=ZQRAND(1,1,0,0)\n0.6991623490348371\n\n# after\n=ZQRAND(1,1,0,0)\n0.6991623490348371\n");
  EXPECT_EQ(run.err, "zqhost: line 4: \"NOPE(1)\": unknown function NOPE\n");
}

TEST(CommandLine, UsageErrorsAndLoadFailures) {
  EXPECT_EQ(RunHost({"--bogus"}).exitCode, kExitUsage);
  EXPECT_EQ(RunHost({"--all"}).exitCode, kExitUsage);
  EXPECT_EQ(RunHost({"--addin"}).exitCode, kExitUsage);
  std::istringstream in;
  std::ostringstream out;
  std::ostringstream err;
  EXPECT_EQ(RunCommandLine({"--addin", "/nonexistent.so", "ZQRAND(1)"}, "", in, out, err), kExitLoadFailed);
  EXPECT_NE(err.str().find("cannot load the add-in /nonexistent.so"), std::string::npos);
}

}  // namespace
}  // namespace Zq::Host
