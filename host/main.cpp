// zqhost: loads the add-in as Excel would and evaluates worksheet formulas.
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "host/addin_library.h"
#include "host/command_line.h"

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  // By default the add-in sits next to the host, as in the build directory.
  const std::filesystem::path self = argc > 0 ? std::filesystem::path(argv[0]) : std::filesystem::path();
  const std::string defaultAddin = (self.parent_path() / Zq::Host::kAddinFileName).string();
  return Zq::Host::RunCommandLine(arguments, defaultAddin, std::cin, std::cout, std::cerr);
}
