#include "tests/fuzz/fuzz_targets.h"

#include "host/standin/standin.h"

namespace Zq::Fuzz {

bool LoadAddin(const std::string& path, LoadedAddin& addin, std::string& error) {
  StandIn::SetMessageBoxQuiet(true);
  if (!addin.host.Open(path, true, error) || !addin.library.Open(path, error)) return false;
  addin.autoFree = reinterpret_cast<Host::AutoFree>(addin.library.Find("xlAutoFree"));
  if (addin.autoFree == nullptr) {
    error = "the add-in exports no xlAutoFree";
    return false;
  }
  for (const auto& function : StandIn::RegisteredFunctions()) {
    Target target{function.functionText, function.typeText.substr(1), addin.library.Find(function.procedure),
                  Host::FindInvoker(function.typeText)};
    if (target.procedure == nullptr || target.invoke == nullptr) {
      error = "cannot call " + function.procedure + " (" + function.typeText + ")";
      return false;
    }
    addin.targets.push_back(std::move(target));
  }
  if (addin.targets.size() != kWorksheetFunctionCount) {
    error = "the add-in registers " + std::to_string(addin.targets.size()) + " functions, expected " +
            std::to_string(kWorksheetFunctionCount);
    return false;
  }
  return true;
}

}  // namespace Zq::Fuzz
