// Through the host and the built add-in: the user's break stops long calls (--break-after, Ctrl-C), results
// past the ceiling answer #VALUE! at once, and the host's own reading and reporting (literals below a
// double's range, quiet runs, long formulas in error lines).
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "host/command_line.h"
#include "host/formula.h"
#include "host/standin/standin.h"

namespace Zq::Host {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

struct HostRun {
  int exitCode;
  std::string out, err;
  std::chrono::duration<double> took;
};

HostRun RunHost(const std::vector<std::string>& arguments) {
  std::istringstream in;
  std::ostringstream out, err;
  const auto start = std::chrono::steady_clock::now();
  const int code = RunCommandLine(arguments, ZQ_ADDIN_PATH, in, out, err);
  return {code, out.str(), err.str(), std::chrono::steady_clock::now() - start};
}

// An array constant of small whole numbers; with a heavy diagonal when square, so that it reads as a covariance.
std::string Table(int rows, int columns) {
  std::string text = "{";
  for (int k = 0; k < rows * columns; ++k) {
    const int i = k / columns, j = k % columns;
    text += std::to_string(i == j && rows == columns ? rows : (i * 7 + j * 3) % 10);
    text += k + 1 == rows * columns ? "}" : j + 1 < columns ? "," : ";";
  }
  return text;
}

const std::string kLongLfm = "ZQMONTECARLOLFM({1,0.5;0.5,1},0.05,0.04,1,2147483647,4,1,1,FALSE,FALSE,FALSE,1)";

TEST(UserBreak, BreakAfterStopsEachLongCallWithValueAndTheRunGoesOn) {
  // Each runs for seconds or (the forward-rate Monte Carlo) hours whole.
  for (const std::string& call :
       {kLongLfm, "ZQMULTICORREL(" + Table(500, 4000) + ",TRUE,TRUE)", "ZQPCA(" + Table(1200, 1200) + ")",
        "ZQRANDMULTINORM(32767," + Table(300, 300) + "," + Table(1, 300) + ",0,1,2,FALSE,FALSE,TRUE)"}) {
    SCOPED_TRACE(call.substr(0, 20));
    StandIn::ClearRecords();
    const HostRun run = RunHost({"--quiet", "--extras", "--break-after", "0.1", call, "ZQNORMINV(0.975)"});
    EXPECT_EQ(run.exitCode, kExitOk) << run.err;
    EXPECT_EQ(run.out, "#VALUE!\n\n1.9599639845188943\n");
    EXPECT_GT(StandIn::AbortQueries(), 0);
    EXPECT_LT(run.took, 10s);
  }
  EXPECT_EQ(RunHost({"--break-after", "soon"}).exitCode, kExitUsage);
}

TEST(UserBreak, CtrlCStopsTheRunningCallAndTheRun) {
  std::thread presser([] {  // once the host has taken Ctrl-C over, and the long call has begun
    for (struct sigaction current {}; sigaction(SIGINT, nullptr, &current) == 0 && current.sa_handler == SIG_DFL;)
      std::this_thread::sleep_for(10ms);
    std::this_thread::sleep_for(300ms);
    std::raise(SIGINT);
  });
  const HostRun run = RunHost({"--quiet", "--extras", kLongLfm, "ZQNORMINV(0.975)"});
  presser.join();
  EXPECT_EQ(run.out, "#VALUE!\n");
  EXPECT_EQ(run.err, "zqhost: stopped by Ctrl-C\n");
  EXPECT_EQ(run.exitCode, kExitInterrupted);
  StandIn::ReleaseBreak();
}

TEST(Ceiling, ResultsPastTwoToThe24CellsAnswerValueAtOnce) {
  const std::string sampler = std::string(",") + Table(513, 513) + "," + Table(1, 513) + ",0,1,2,FALSE,FALSE,FALSE)";
  const HostRun run = RunHost({"--quiet", "ZQMULTICORREL(" + Table(2, 16384) + ",TRUE,TRUE)",  // 16386 x 16384
                               "ZQRANDMULTINORM(32767" + sampler, "ZQRANDMULTINORM(2" + sampler});
  // The last, within the ceiling, computes: two rows of 513.
  EXPECT_EQ(run.out.substr(0, 18), "#VALUE!\n\n#VALUE!\n\n");
  EXPECT_EQ(std::count(run.out.begin() + 18, run.out.end(), '\t'), 2 * 512);
}

TEST(QuietRun, SilencesTheAboutNoticeButNotTheCompanionsWarning) {
  testing::internal::CaptureStderr();
  RunHost({"--quiet", "ZQNORMINV(0.5)"});
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
  const fs::path folder = fs::temp_directory_path() / "zq_quiet_companion_alone";
  fs::remove_all(folder);
  fs::create_directories(folder);
  const fs::path alone = folder / fs::path(ZQ_EXTRAS_PATH).filename();
  fs::copy_file(ZQ_EXTRAS_PATH, alone);
  testing::internal::CaptureStderr();
  RunHost({"--quiet", "--addin", alone.string(), "--list"});
  const std::string warning = testing::internal::GetCapturedStderr();
  for (const char* part : {"[ZqRand Extras]", "needs the main ZqRand add-in"})
    EXPECT_NE(warning.find(part), warning.npos) << warning;
  fs::remove_all(folder);
}

TEST(ErrorLines, QuoteAtMostTheFirst200CharactersOfAFormula) {
  const std::string name = "NOPE" + std::string(5000, 'X'), formula = name + "(1)";
  EXPECT_EQ(RunHost({"--quiet", formula}).err,
            "zqhost: \"" + formula.substr(0, 200) + "...\": unknown function " + name.substr(0, 200) + "...\n");
  EXPECT_EQ(RunHost({"--quiet", "NOPE(1)"}).err, "zqhost: \"NOPE(1)\": unknown function NOPE\n");
  // A two-byte character across the cut is left out whole.
  const std::string accented = "ZQNORMINV(" + std::string(189, '1') + "\xC3\xA9" + std::string(50, '1') + ")";
  EXPECT_EQ(RunHost({"--quiet", accented}).err.substr(0, 212),
            "zqhost: \"ZQNORMINV(" + std::string(189, '1') + "...\"");
}

TEST(NumberLiterals, BelowADoublesRangeReadAsZeroAsInExcelAndAboveItAreRefused) {
  for (const std::string tiny : {"1e-400", "-1e-400", "0.00012e-321", "2.4e-324", "1e-99999999999999999999999"}) {
    const ParsedFormula read = ParseFormula("F(" + tiny + ")");
    EXPECT_TRUE(read.ok && std::get<double>(read.formula.arguments[0]) == 0.0) << tiny << read.error;
  }
  for (const std::string huge : {"1e400", "-1e309", "123456e304", "1e99999999999999999999999"})
    EXPECT_NE(ParseFormula("F(" + huge + ")").error.find("number out of range"), std::string::npos) << huge;
}

}  // namespace
}  // namespace Zq::Host
