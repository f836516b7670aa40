#include "host/host.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <system_error>

#include "host/arguments.h"
#include "host/composition.h"
#include "host/exported_only.h"
#include "host/formula.h"
#include "host/invokers.h"
#include "host/output.h"
#include "host/standin/standin.h"

namespace Zq::Host {
namespace {

using EntryPoint = std::int32_t(ZQ_CALL*)();

// One spelling per file: registrations name their module by the path that
// the add-in was given or built from it, possibly with other separators.
std::string NormalPath(const std::string& path) {
  std::error_code ignored;
  const std::filesystem::path absolute = std::filesystem::absolute(path, ignored);
  return (absolute.empty() ? std::filesystem::path(path) : absolute).lexically_normal().string();
}

}  // namespace

bool Host::Open(const std::string& path, bool registerExportedOnly, std::string& error) {
  Close();
  if (!OpenAddin(path, error)) return false;
  if (registerExportedOnly) RegisterExportedOnly();
  return true;
}

bool Host::OpenAddin(const std::string& path, std::string& error) {
  if (libraries_.empty()) {
    firstRegistration_ = StandIn::Registrations().size();
    autoOpenRegistrations_ = 0;
    hostRegistrations_ = 0;
    StandIn::SetProcedureResolver([this](const std::string& module, const std::string& procedure,
                                         const std::string& typeText) { return Resolve(module, procedure, typeText); });
  }
  Library* library = Load(NormalPath(path), error);
  if (library == nullptr) return false;
  if (std::find(openAddins_.begin(), openAddins_.end(), library) != openAddins_.end()) return true;
  const auto autoOpen = reinterpret_cast<EntryPoint>(library->library.Find("xlAutoOpen"));
  if (autoOpen == nullptr) {
    error = library->path + " exports no xlAutoOpen";
    ReleaseUnused();
    return false;
  }
  openAddins_.push_back(library);
  StandIn::SetModuleName(library->path);
  const std::size_t before = StandIn::Registrations().size();
  autoOpen();
  autoOpenRegistrations_ += StandIn::Registrations().size() - before;
  return true;
}

void Host::RegisterExportedOnly() {
  const std::size_t before = StandIn::Registrations().size();
  const std::vector<double> ids = RegisterExportedOnlyFunctions([this](const std::string& procedure) {
    for (const Library* library : openAddins_) {
      if (library->library.Find(procedure) != nullptr) return library->path;
    }
    return std::string();
  });
  hostRegisterIds_.insert(hostRegisterIds_.end(), ids.begin(), ids.end());
  hostRegistrations_ += StandIn::Registrations().size() - before;
}

std::span<const StandIn::Registration> Host::Registrations(bool includeHost) const {
  const auto& all = StandIn::Registrations();
  const std::size_t count = autoOpenRegistrations_ + (includeHost ? hostRegistrations_ : 0);
  if (firstRegistration_ + count > all.size()) return {};
  return std::span<const StandIn::Registration>(all).subspan(firstRegistration_, count);
}

void Host::CloseAddin(const std::string& path) {
  Library* library = Find(NormalPath(path));
  const auto open = std::find(openAddins_.begin(), openAddins_.end(), library);
  if (library == nullptr || open == openAddins_.end()) return;
  openAddins_.erase(open);
  if (const auto autoClose = reinterpret_cast<EntryPoint>(library->library.Find("xlAutoClose"))) autoClose();
  ReleaseUnused();
}

void Host::Close() {
  for (double id : hostRegisterIds_) {
    XLOPER record{};
    record.val.num = id;
    record.xltype = xltypeNum;
    XLOPER* arguments[] = {&record};
    StandIn::Excel4v(xlfUnregister, nullptr, 1, arguments);
  }
  hostRegisterIds_.clear();
  while (!openAddins_.empty()) CloseAddin(openAddins_.back()->path);
  libraries_.clear();
  StandIn::SetProcedureResolver(nullptr);
}

bool Host::IsLoaded(const std::string& path) const { return Find(NormalPath(path)) != nullptr; }

bool Host::IsExcel12(const std::string& path) const {
  const Library* library = Find(NormalPath(path));
  return library != nullptr && library->autoFree12 != nullptr;
}

Host::Library* Host::Find(const std::string& path) const {
  for (const auto& library : libraries_) {
    if (library->path == path) return library.get();
  }
  return nullptr;
}

Host::Library* Host::Load(const std::string& path, std::string& error) {
  if (Library* loaded = Find(path)) return loaded;
  auto library = std::make_shared<Library>();
  library->path = path;
  if (!library->library.Open(path, error)) return nullptr;
  library->autoFree = reinterpret_cast<AutoFree>(library->library.Find("xlAutoFree"));
  library->autoFree12 = reinterpret_cast<AutoFree12>(library->library.Find("xlAutoFree12"));
  libraries_.push_back(std::move(library));
  return libraries_.back().get();
}

std::shared_ptr<const StandIn::Binding> Host::Resolve(const std::string& module, const std::string& procedure,
                                                      const std::string& typeText) {
  std::string ignored;
  Library* library = Load(NormalPath(module), ignored);
  const Procedure address = library != nullptr ? library->library.Find(procedure) : nullptr;
  if (address == nullptr) return nullptr;
  // A result letter Q marks a function of the Excel 12 flavour.
  const bool excel12 = typeText.starts_with('Q');
  return std::make_shared<const Callable>(library->weak_from_this(), address,
                                          excel12 ? nullptr : FindInvoker(typeText),
                                          excel12 ? FindInvoker12(typeText) : nullptr);
}

void Host::ReleaseUnused() {
  const auto& functions = StandIn::RegisteredFunctions();
  std::erase_if(libraries_, [&](const std::shared_ptr<Library>& library) {
    const bool open = std::find(openAddins_.begin(), openAddins_.end(), library.get()) != openAddins_.end();
    const bool named = std::any_of(functions.begin(), functions.end(), [&](const StandIn::RegisteredFunction& f) {
      return NormalPath(f.module) == library->path;
    });
    return !open && !named;
  });
}

Evaluation Host::Evaluate(std::string_view text) { return *Evaluate(text, false); }

std::optional<Evaluation> Host::EvaluateThreadSafe(std::string_view text) { return Evaluate(text, true); }

std::optional<Evaluation> Host::Evaluate(std::string_view text, bool threadSafeOnly) {
  Evaluation evaluation;
  const ParsedFormula parsed = ParseFormula(text);
  if (!parsed.ok) {
    if (threadSafeOnly) return std::nullopt;
    evaluation.error = "syntax error: " + parsed.error;
    return evaluation;
  }
  ComposedFormula composed;
  const bool resolved = composed.Resolve(
      parsed.formula, [this](const Formula& call, std::string& error) { return FindCallable(call, error); },
      evaluation.error);
  if (threadSafeOnly && !(resolved && composed.ThreadSafe())) return std::nullopt;
  if (!resolved) return evaluation;
  evaluation.ok = true;
  evaluation.value = composed.Evaluate();
  return evaluation;
}

std::optional<CallableFunction> Host::FindCallable(const Formula& call, std::string& error) const {
  const StandIn::RegisteredFunction* function = StandIn::FindFunction(call.name);
  if (function == nullptr) {
    error = "unknown function " + QuotedExcerpt(call.name);
    return std::nullopt;
  }
  const std::string& typeText = function->typeText;
  // A function registered while the host was not listening has no callable.
  const auto* callable = dynamic_cast<const Callable*>(function->binding.get());
  if (callable != nullptr && callable->invoker == nullptr && callable->invoker12 == nullptr) {
    error = "cannot call " + function->functionText + ": no invoker for type text \"" + typeText + "\"";
    return std::nullopt;
  }
  std::shared_ptr<const Library> library = callable != nullptr ? callable->library.lock() : nullptr;
  if (library == nullptr) {
    error = "the library " + function->module + " of " + function->functionText + " is not loaded";
    return std::nullopt;
  }
  const std::string letters = typeText.substr(1);
  if (call.arguments.size() > ArgumentCount(letters)) {
    error = "too many arguments: " + function->functionText + " takes " + std::to_string(ArgumentCount(letters)) +
            ", got " + std::to_string(call.arguments.size());
    return std::nullopt;
  }
  const auto invoke = [callable, library = std::move(library), letters](const std::vector<FormulaArgument>& values) {
    MarshalledArguments arguments;
    if (!Marshal(letters, values, arguments)) return std::optional<Grid>(SingleCell(ErrorValue{xlerrValue}));
    StandIn::BeginWorksheetCall();
    if (callable->invoker12 != nullptr) {
      return TakeResult12(callable->invoker12(callable->procedure, arguments.Values()), library->autoFree12);
    }
    return TakeResult(callable->invoker(callable->procedure, arguments.Values()), library->autoFree);
  };
  return CallableFunction{letters, invoke, typeText.ends_with('$')};
}

}  // namespace Zq::Host
