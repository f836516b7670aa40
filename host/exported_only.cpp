#include "host/exported_only.h"

#include <algorithm>
#include <array>

#include "extras/extras_table.h"
#include "host/standin/standin.h"

namespace Zq::Host {
namespace {

std::string Uncounted(const char* counted) {
  return std::string(counted + 1, static_cast<unsigned char>(counted[0]));
}

XLOPER TextRecord(char* counted) {
  XLOPER record{};
  record.val.str = counted;
  record.xltype = xltypeStr;
  return record;
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
    std::array<XLOPER, 10> records = {
        TextRecord(countedModule.data()), TextRecord(row->procedure),    TextRecord(row->typeText),
        TextRecord(row->functionText),    TextRecord(row->argumentText), TextRecord(row->macroType),
        TextRecord(row->category),        TextRecord(row->shortcutText), TextRecord(row->helpTopic),
        TextRecord(row->functionHelp)};
    std::array<XLOPER*, 10> pointers{};
    for (std::size_t i = 0; i < records.size(); ++i) pointers[i] = &records[i];
    XLOPER registerId{};
    StandIn::Excel4v(xlfRegister, &registerId, static_cast<int>(pointers.size()), pointers.data());
    if (registerId.xltype == xltypeNum) registerIds.push_back(registerId.val.num);
  }
  return registerIds;
}

}  // namespace Zq::Host
