#include "host/host.h"

#include <cstdint>
#include <filesystem>
#include <system_error>

#include "host/arguments.h"
#include "host/exported_only.h"
#include "host/formula.h"
#include "host/invokers.h"
#include "host/standin/standin.h"

namespace Zq::Host {
namespace {

using EntryPoint = std::int32_t(ZQ_CALL*)();

}  // namespace

bool Host::Open(const std::string& path, bool registerExportedOnly, std::string& error) {
  Close();
  std::error_code ignored;
  const std::filesystem::path absolute = std::filesystem::absolute(path, ignored);
  const std::string fullPath = absolute.empty() ? path : absolute.string();
  if (!library_.Open(fullPath, error)) return false;
  const auto autoOpen = reinterpret_cast<EntryPoint>(library_.Find("xlAutoOpen"));
  if (autoOpen == nullptr) {
    error = fullPath + " exports no xlAutoOpen";
    library_.Close();
    return false;
  }
  autoFree_ = reinterpret_cast<AutoFree>(library_.Find("xlAutoFree"));
  StandIn::SetModuleName(fullPath);
  firstRegistration_ = StandIn::Registrations().size();
  autoOpen();
  autoOpenRegistrations_ = StandIn::Registrations().size() - firstRegistration_;
  if (registerExportedOnly) RegisterExportedOnlyFunctions(fullPath);
  hostRegistrations_ = StandIn::Registrations().size() - firstRegistration_ - autoOpenRegistrations_;
  return true;
}

std::span<const StandIn::Registration> Host::Registrations(bool includeHost) const {
  const auto& all = StandIn::Registrations();
  const std::size_t count = autoOpenRegistrations_ + (includeHost ? hostRegistrations_ : 0);
  if (firstRegistration_ + count > all.size()) return {};
  return std::span<const StandIn::Registration>(all).subspan(firstRegistration_, count);
}

void Host::Close() {
  if (!library_.IsOpen()) return;
  if (const auto autoClose = reinterpret_cast<EntryPoint>(library_.Find("xlAutoClose"))) autoClose();
  library_.Close();
  autoFree_ = nullptr;
}

Evaluation Host::Evaluate(std::string_view text) {
  Evaluation evaluation;
  const ParsedFormula parsed = ParseFormula(text);
  if (!parsed.ok) {
    evaluation.error = "syntax error: " + parsed.error;
    return evaluation;
  }
  const Formula& formula = parsed.formula;
  const StandIn::RegisteredFunction* function = StandIn::FindFunction(formula.name);
  if (function == nullptr) {
    evaluation.error = "unknown function " + formula.name;
    return evaluation;
  }
  const std::string& typeText = function->typeText;
  const Invoker invoker = FindInvoker(typeText);
  if (invoker == nullptr) {
    evaluation.error = "cannot call " + function->functionText + ": no invoker for type text \"" + typeText + "\"";
    return evaluation;
  }
  const Procedure procedure = library_.Find(function->procedure);
  if (procedure == nullptr) {
    evaluation.error = "the add-in exports no procedure " + function->procedure;
    return evaluation;
  }
  const std::string_view letters = std::string_view(typeText).substr(1);
  if (formula.arguments.size() > letters.size()) {
    evaluation.error = "too many arguments: " + function->functionText + " takes " +
                       std::to_string(letters.size()) + ", got " + std::to_string(formula.arguments.size());
    return evaluation;
  }
  evaluation.ok = true;
  MarshalledArguments arguments;
  if (!Marshal(letters, formula.arguments, arguments)) {
    evaluation.value = SingleCell(ErrorValue{xlerrValue});
    return evaluation;
  }
  evaluation.value = TakeResult(invoker(procedure, arguments.Values()), autoFree_);
  return evaluation;
}

}  // namespace Zq::Host
