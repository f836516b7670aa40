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

// One run of one case; outputBase is the output path less ".out" etc.
bool RunCase(const std::vector<std::string>& addinPaths, const std::vector<std::string>& passOptions,
             const std::string& casePath, const std::string& outputBase) {
  std::ifstream in(casePath, std::ios::binary);
  std::ofstream out(outputBase + ".out", std::ios::binary);
  std::ofstream errors(outputBase + ".err", std::ios::binary);
  std::ofstream exitCode(outputBase + ".exit", std::ios::binary);
  if (!in || !out || !errors || !exitCode) return false;
  std::vector<std::string> arguments;
  for (const std::string& path : addinPaths) arguments.insert(arguments.end(), {"--addin", path});
  arguments.push_back("--quiet");
  arguments.insert(arguments.end(), passOptions.begin(), passOptions.end());
  for (std::string& option : CaseOptions(casePath)) arguments.push_back(std::move(option));
  StandIn::ClearRecords();
  exitCode << RunCommandLine(arguments, addinPaths.front(), in, out, errors) << '\n';
  return true;
}

}  // namespace

int RunCaseBatch(const std::vector<std::string>& addinPaths, const std::vector<CasePass>& passes,
                 const std::vector<std::string>& cases, const std::string& outputDirectory, std::ostream& err) {
  int status = kExitOk;
  std::vector<CasePass> runs{{"", {}}};
  runs.insert(runs.end(), passes.begin(), passes.end());
  for (const std::string& casePath : cases) {
    for (const CasePass& run : runs) {
      std::string base = (std::filesystem::path(outputDirectory) / std::filesystem::path(casePath).stem()).string();
      if (!run.name.empty()) base += "." + run.name;
      if (!RunCase(addinPaths, run.options, casePath, base)) {
        err << "zqhost: cannot run the case " << casePath << " into " << outputDirectory << '\n';
        status = kExitUsage;
      }
    }
  }
  return status;
}

}  // namespace Zq::Host
