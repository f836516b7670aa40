#include "host/exported_only.h"

#include <algorithm>

#include "addin/registration.h"
#include "extras/extras_table.h"
#include "host/standin/standin.h"

namespace Zq::Host {
namespace {

std::string Uncounted(const char* counted) {
  return std::string(counted + 1, static_cast<unsigned char>(counted[0]));
}

}  // namespace

std::vector<double> RegisterExportedOnlyFunctions(
    const std::function<std::string(const std::string& procedure)>& moduleFor) {
  std::vector<double> registerIds;
  for (const auto* row = Extras::ExtrasTable; row->procedure != nullptr; ++row) {
    if (StandIn::FindFunction(Uncounted(row->functionText)) != nullptr) continue;
    const std::string module = moduleFor(Uncounted(row->procedure));
    if (module.empty()) continue;
    std::string countedModule(1, static_cast<char>(std::min<std::size_t>(module.size(), 255)));
    countedModule.append(module, 0, 255);
    XLOPER moduleRecord{};
    moduleRecord.val.str = countedModule.data();
    moduleRecord.xltype = xltypeStr;
    XLOPER registerId{};
    Addin::RegisterRow(StandIn::Excel4v, moduleRecord, *row, &registerId);
    if (registerId.xltype == xltypeNum) registerIds.push_back(registerId.val.num);
  }
  return registerIds;
}

}  // namespace Zq::Host
