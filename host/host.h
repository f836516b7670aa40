// The host: loads the add-in as Excel does, keeps it open, and evaluates
// formulas by calling the registered worksheet functions.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "host/addin_library.h"
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

  // Loads the add-in, tells the stand-in its file name and calls
  // xlAutoOpen; then registers the exported-only functions unless asked not
  // to. Answers false with a reason when the add-in cannot be loaded or
  // lacks its entry points.
  bool Open(const std::string& path, bool registerExportedOnly, std::string& error);

  // Calls xlAutoClose and unloads the add-in (nothing when not open).
  void Close();

  // How many xlfRegister calls xlAutoOpen made.
  std::size_t AutoOpenRegistrationCount() const { return autoOpenRegistrations_; }

  // The registrations recorded since Open: those of xlAutoOpen, then, with
  // includeHost, the host's own.
  std::span<const StandIn::Registration> Registrations(bool includeHost) const;

  // Parses and evaluates one formula.
  Evaluation Evaluate(std::string_view formula);

 private:
  AddinLibrary library_;
  AutoFree autoFree_ = nullptr;
  std::size_t firstRegistration_ = 0;
  std::size_t autoOpenRegistrations_ = 0;
  std::size_t hostRegistrations_ = 0;
};

}  // namespace Zq::Host
