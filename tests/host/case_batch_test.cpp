// Several conformance cases in one host process: each must come out exactly
// as its own `zqhost --quiet` run would, with its .options applied.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "host/case_batch.h"
#include "host/command_line.h"

namespace {

namespace fs = std::filesystem;

std::string ReadFile(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

void WriteFile(const fs::path& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

std::string SingleRunOutput(const std::string& formulas) {
  std::istringstream in(formulas);
  std::ostringstream out;
  std::ostringstream err;
  Zq::Host::RunCommandLine({"--addin", ZQ_ADDIN_PATH, "--quiet"}, ZQ_ADDIN_PATH, in, out, err);
  return out.str();
}

class CaseBatch : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string test = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    directory_ = fs::temp_directory_path() / ("zq_case_batch_" + test);
    fs::remove_all(directory_);
    fs::create_directories(directory_ / "out");
  }
  void TearDown() override { fs::remove_all(directory_); }

  fs::path directory_;
};

TEST_F(CaseBatch, EachCaseMatchesItsOwnRunWithItsOptions) {
  WriteFile(directory_ / "numbers.zq", "ZQRAND(2,0,5,7)\nZQRAND(1,2,3,4)\n");
  WriteFile(directory_ / "wizard.zq", "ZQRAND(2,0,5,7)\n");
  WriteFile(directory_ / "wizard.options", "--wizard\n");
  WriteFile(directory_ / "unknown.zq", "NOSUCHFUNCTION(1)\n");
  std::ostringstream err;
  const int status = Zq::Host::RunCaseBatch(
      {ZQ_ADDIN_PATH}, {},
      {(directory_ / "numbers.zq").string(), (directory_ / "wizard.zq").string(),
       (directory_ / "unknown.zq").string(), (directory_ / "numbers.zq").string()},
      (directory_ / "out").string(), err);
  EXPECT_EQ(status, Zq::Host::kExitOk);
  EXPECT_EQ(err.str(), "");

  const fs::path out = directory_ / "out";
  EXPECT_EQ(ReadFile(out / "numbers.out"), SingleRunOutput("ZQRAND(2,0,5,7)\nZQRAND(1,2,3,4)\n"));
  EXPECT_EQ(ReadFile(out / "numbers.err"), "");
  EXPECT_EQ(ReadFile(out / "numbers.exit"), "0\n");
  // The wizard's window is closed again before the next case runs.
  EXPECT_EQ(ReadFile(out / "wizard.out"), "#NULL!\n");
  EXPECT_EQ(ReadFile(out / "unknown.exit"), "2\n");
  EXPECT_NE(ReadFile(out / "unknown.err").find("unknown function NOSUCHFUNCTION"), std::string::npos);
}

TEST_F(CaseBatch, APassRunsEveryCaseAgainWithItsOptionsIntoItsOwnFiles) {
  WriteFile(directory_ / "option.zq", "ZQOPTIONBS(1,100,100,1,0.2,0.05,0)\n");
  std::ostringstream err;
  const int status = Zq::Host::RunCaseBatch({ZQ_ADDIN_PATH}, {{"extras", {"--extras", "--registered-only"}},
                                                              {"alone", {"--registered-only"}}},
                                            {(directory_ / "option.zq").string()}, (directory_ / "out").string(), err);
  EXPECT_EQ(status, Zq::Host::kExitOk);
  const fs::path out = directory_ / "out";
  EXPECT_EQ(ReadFile(out / "option.out"), "10.450575619322237\n");  // the host's own registration
  EXPECT_EQ(ReadFile(out / "option.extras.out"), "10.450575619322237\n");
  EXPECT_EQ(ReadFile(out / "option.extras.exit"), "0\n");
  EXPECT_EQ(ReadFile(out / "option.alone.out"), "");
  EXPECT_EQ(ReadFile(out / "option.alone.exit"), "2\n");
}

TEST_F(CaseBatch, UnreadableCaseIsReportedAndTheOthersStillRun) {
  WriteFile(directory_ / "numbers.zq", "ZQRAND(1,0,0,0)\n");
  std::ostringstream err;
  const int status = Zq::Host::RunCaseBatch(
      {ZQ_ADDIN_PATH}, {}, {(directory_ / "missing.zq").string(), (directory_ / "numbers.zq").string()},
      (directory_ / "out").string(), err);
  EXPECT_EQ(status, Zq::Host::kExitUsage);
  EXPECT_NE(err.str().find("missing.zq"), std::string::npos);
  EXPECT_EQ(ReadFile(directory_ / "out" / "numbers.out"), SingleRunOutput("ZQRAND(1,0,0,0)\n"));
}

}  // namespace
