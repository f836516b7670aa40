// Writes the harness's starting corpus: every formula of the given sheets
// that the host would call becomes one input file in the output directory.
//   zqfuzzseeds OUTPUT_DIR SHEET...
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "host/arguments.h"
#include "host/formula.h"
#include "tests/fuzz/fuzz_input.h"
#include "tests/fuzz/fuzz_targets.h"

namespace {

bool SameName(const std::string& a, const std::string& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](unsigned char x, unsigned char y) { return std::toupper(x) == std::toupper(y); });
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: zqfuzzseeds OUTPUT_DIR SHEET...\n");
    return 2;
  }
  Zq::Fuzz::LoadedAddin addin;
  std::string error;
  if (!Zq::Fuzz::LoadAddin(ZQ_ADDIN_PATH, addin, error)) {
    std::fprintf(stderr, "zqfuzzseeds: %s\n", error.c_str());
    return 1;
  }
  const std::filesystem::path output = argv[1];
  std::filesystem::create_directories(output);
  int written = 0;
  for (int sheet = 2; sheet < argc; ++sheet) {
    std::ifstream in(argv[sheet]);
    std::string line;
    while (std::getline(in, line)) {
      const Zq::Host::ParsedFormula parsed = Zq::Host::ParseFormula(line);
      if (!parsed.ok) continue;
      const auto& targets = addin.targets;
      const auto target = std::find_if(targets.begin(), targets.end(),
                                       [&](const auto& t) { return SameName(t.name, parsed.formula.name); });
      if (target == targets.end() || parsed.formula.arguments.size() > target->letters.size()) continue;
      Zq::Host::MarshalledArguments arguments;
      if (!Zq::Host::Marshal(target->letters, parsed.formula.arguments, arguments)) continue;
      const auto bytes = Zq::Fuzz::EncodeCall(static_cast<std::uint16_t>(target - targets.begin()), target->letters,
                                              arguments.Values());
      std::ofstream(output / ("seed-" + std::to_string(written++)), std::ios::binary)
          .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
  }
  std::printf("zqfuzzseeds: %d inputs in %s\n", written, output.c_str());
  return 0;
}
