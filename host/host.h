// The host: loads add-ins as Excel does, keeps them open, and evaluates
// formulas by calling the registered worksheet functions in the library
// each was registered against.
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "host/addin_library.h"
#include "host/composition.h"
#include "host/invokers.h"
#include "host/result.h"
#include "host/standin/standin.h"

namespace Zq::Host {

struct Evaluation {
  bool ok = false;
  std::optional<Grid> value;  // when ok; nullopt is a null result
  std::string error;          // when !ok: a syntax error, unknown function, ...
};

class Host {
 public:
  Host() = default;
  Host(const Host&) = delete;
  Host& operator=(const Host&) = delete;
  ~Host() { Close(); }

  // Closes whatever is open, opens the one add-in at `path` and then, if
  // asked, registers the exported-only functions. Answers false with a
  // reason when the add-in cannot be loaded or lacks its entry points.
  bool Open(const std::string& path, bool registerExportedOnly, std::string& error);

  // Opens one more add-in: loads its library (unless a registration loaded
  // it already), tells the stand-in its file name and calls xlAutoOpen. An
  // add-in that is open already stays as it is.
  bool OpenAddin(const std::string& path, std::string& error);

  // The host's own registration of the exported-only functions that no
  // add-in registered, each against the first open add-in that exports it.
  // Comes after the add-ins are opened.
  void RegisterExportedOnly();

  // Calls xlAutoClose of one open add-in. Its library stays loaded while a
  // registered function still lives in it, as Excel keeps it.
  void CloseAddin(const std::string& path);

  // Takes back the host's own registrations, closes every open add-in, the
  // last opened first, then unloads every library.
  void Close();

  std::size_t OpenAddinCount() const { return openAddins_.size(); }

  // Whether the library at `path` is loaded, as an add-in or because a
  // registration named it.
  bool IsLoaded(const std::string& path) const;

  // How many xlfRegister calls the add-ins' xlAutoOpen made.
  std::size_t AutoOpenRegistrationCount() const { return autoOpenRegistrations_; }

  // The registrations recorded since the first add-in opened: those of the
  // add-ins' xlAutoOpen, then, with includeHost, the host's own.
  std::span<const StandIn::Registration> Registrations(bool includeHost) const;

  // Whether the library at `path` is loaded and of the Excel 12 flavour: it
  // exports xlAutoFree12.
  bool IsExcel12(const std::string& path) const;

  // Parses and evaluates one formula. Several threads may evaluate at once
  // while no add-in is opened or closed.
  Evaluation Evaluate(std::string_view formula);

  // Evaluates the formula if it calls a function registered thread-safe
  // (its type text ends with '$'), which may run off the main thread;
  // nullopt for any other formula, whose error too comes from the main
  // thread.
  std::optional<Evaluation> EvaluateThreadSafe(std::string_view formula);

 private:
  struct Library : std::enable_shared_from_this<Library> {
    std::string path;  // absolute and normalised: the key libraries are found by
    AddinLibrary library;
    AutoFree autoFree = nullptr;
    AutoFree12 autoFree12 = nullptr;  // exported by the Excel 12 flavour alone
  };

  // How a registered function is called, found once when it is registered
  // and kept with it by the stand-in: no call looks it up again.
  struct Callable final : StandIn::Binding {
    Callable(std::weak_ptr<const Library> library, Procedure procedure, Invoker invoker, Invoker12 invoker12)
        : library(std::move(library)), procedure(procedure), invoker(invoker), invoker12(invoker12) {}
    std::weak_ptr<const Library> library;  // expires when the library is unloaded
    Procedure procedure = nullptr;
    // At most one is set, by the type text's flavour; neither when no
    // invoker is compiled for the type text.
    Invoker invoker = nullptr;
    Invoker12 invoker12 = nullptr;
  };

  // Evaluate, or with threadSafeOnly EvaluateThreadSafe: the formula is
  // parsed and its function found once.
  std::optional<Evaluation> Evaluate(std::string_view formula, bool threadSafeOnly);
  // The worksheet function of one call of a formula, with its library
  // held for the call; nullopt, with the reason, when it cannot be called.
  std::optional<CallableFunction> FindCallable(const Formula& call, std::string& error) const;
  Library* Find(const std::string& path) const;
  Library* Load(const std::string& path, std::string& error);
  // xlfRegister's view: loads the module if need be and finds the procedure
  // and the invoker for the type text; null when the module or the
  // procedure cannot be found.
  std::shared_ptr<const StandIn::Binding> Resolve(const std::string& module, const std::string& procedure,
                                                  const std::string& typeText);
  // Unloads the libraries that are neither open add-ins nor named by a
  // registered function.
  void ReleaseUnused();

  std::vector<std::shared_ptr<Library>> libraries_;
  std::vector<Library*> openAddins_;  // in opening order
  std::vector<double> hostRegisterIds_;
  std::size_t firstRegistration_ = 0;
  std::size_t autoOpenRegistrations_ = 0;
  std::size_t hostRegistrations_ = 0;
};

}  // namespace Zq::Host
