#include "host/exported_only.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <vector>

#include "host/standin/standin.h"

namespace Zq::Host {
namespace {

constexpr ExportedOnlyFunction kFunctions[] = {
    {"ZqJohnsonSUNormQQ", "RBBBBB"},
    {"ZqMonteCarloLFM", "RKBBBJJJJAAAI"},
    {"ZqNormPareto", "RBBBBBBBBB"},
    {"ZqNormParetoDist", "RBBBBBBBBB"},
    {"ZqNormParetoDistDash", "RBBBBBBBBB"},
    {"ZqNormParetoInv", "RBBBBBBBBB"},
    {"ZqNormParetoOrg", "RBBBBBBBBB"},
    {"ZqNormParetoOrgDist", "RBBBBBBBBB"},
    {"ZqNormParetoOrgDistDash", "RBBBBBBBBB"},
    {"ZqNormParetoOrgInv", "RBBBBBBBBB"},
    {"ZqNormParetoMean", "RBBBB"},
    {"ZqNormParetoStdev", "RBBB"},
    {"ZqNormParetoSkew", "RBB"},
    {"ZqNormParetoKurt", "RBB"},
    {"ZqNormParetoOrgMean", "RBBBBBB"},
    {"ZqNormParetoParam", "RBBBB"},
    {"ZqNormParetoUpperParam", "RKBBB"},
    {"ZqNormParetoLowerParam", "RKBBB"},
    {"ZqNormParetoMiddleParam", "RBBBBBB"},
    {"ZqOptionBS", "RIBBBBBI"},
    {"ZqOptionBF", "RIBBBBBI"},
    {"ZqOptionGK", "RIBBBBBBI"},
    {"ZqPCA", "RK"},
    {"ZqRandNormPareto", "RIBBBBBBBBIJJAAAA"},
    {"ZqRandNormParetoOrg", "RIBBBBBBBBIJJAAAA"},
};

// A counted string (length byte first) as xlfRegister receives it.
std::string Counted(std::string_view text) {
  std::string counted(1, static_cast<char>(std::min<std::size_t>(text.size(), 255)));
  counted.append(text.substr(0, 255));
  return counted;
}

}  // namespace

std::span<const ExportedOnlyFunction> ExportedOnlyFunctions() { return kFunctions; }

void RegisterExportedOnlyFunctions(const std::string& modulePath) {
  for (const auto& function : kFunctions) {
    std::string functionText(function.procedure);
    std::transform(functionText.begin(), functionText.end(), functionText.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    std::array<std::string, 10> texts = {
        Counted(modulePath), Counted(function.procedure), Counted(function.typeText), Counted(functionText),
        Counted(""),         Counted("1"),                Counted("ZqRand"),         Counted(""),
        Counted(""),         Counted("")};
    std::array<XLOPER, 10> records{};
    std::array<XLOPER*, 10> pointers{};
    for (std::size_t i = 0; i < texts.size(); ++i) {
      records[i].val.str = texts[i].data();
      records[i].xltype = xltypeStr;
      pointers[i] = &records[i];
    }
    StandIn::Excel4v(xlfRegister, nullptr, static_cast<int>(pointers.size()), pointers.data());
  }
}

}  // namespace Zq::Host
