#include "host/case_batch.h"

#include <filesystem>
#include <fstream>
#include <ostream>

#include "host/command_line.h"
#include "host/standin/standin.h"

namespace Zq::Host {
namespace {

// The host options of a case: the whitespace-separated words of its
// .options file, none when there is no such file.
std::vector<std::string> CaseOptions(const std::filesystem::path& casePath) {
  std::vector<std::string> options;
  std::ifstream file(std::filesystem::path(casePath).replace_extension(".options"));
  for (std::string word; file >> word;) options.push_back(word);
  return options;
}

}  // namespace

int RunCaseBatch(const std::string& addinPath, const std::vector<std::string>& cases,
                 const std::string& outputDirectory, std::ostream& err) {
  int status = kExitOk;
  for (const std::string& casePath : cases) {
    const std::filesystem::path base =
        std::filesystem::path(outputDirectory) / std::filesystem::path(casePath).stem();
    std::ifstream in(casePath, std::ios::binary);
    std::ofstream out(base.string() + ".out", std::ios::binary);
    std::ofstream errors(base.string() + ".err", std::ios::binary);
    std::ofstream exitCode(base.string() + ".exit", std::ios::binary);
    if (!in || !out || !errors || !exitCode) {
      err << "zqhost: cannot run the case " << casePath << " into " << outputDirectory << '\n';
      status = kExitUsage;
      continue;
    }
    std::vector<std::string> arguments{"--addin", addinPath, "--quiet", "--echo"};
    for (std::string& option : CaseOptions(casePath)) arguments.push_back(std::move(option));
    StandIn::ClearRecords();
    exitCode << RunCommandLine(arguments, addinPath, in, out, errors) << '\n';
  }
  return status;
}

}  // namespace Zq::Host
